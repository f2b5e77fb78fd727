#pragma once

#include <QString>

#include "platform/values/RuntimeError.h"

namespace platform::db {

// The numbers of the failures the layer raises itself, as the original data access numbered them;
// every other number is SQLite's extended result code.
namespace DbErrorNumber {
constexpr long TypeMismatch = 13;
constexpr long NoCurrentRecord = 3021;
constexpr long ItemNotFound = 3265;
constexpr long ObjectClosed = 3704;
}  // namespace DbErrorNumber

// A failed database operation: the number and description of the run-time error, plus the statement
// that failed and the routine that ran it (the caller of the layer), so that a report names both.
class Error : public values::RuntimeError {
  public:
    Error(long number, const QString& description, const QString& statement, const QString& routine);

    const QString& statement() const { return statement_; }
    const QString& routine() const { return routine_; }

  private:
    QString statement_;
    QString routine_;
};

// `e`, raised by a value of a stored document the program cannot read, told with the document: its
// table and number come first, then what the field holds ("Documento 123 da tabela DIGE03: ...").
Error inDocument(const Error& e, const QString& table, const QString& number);

// What a storage failure means for the user, in Portuguese, with what to do about it: another copy
// holds the file (try again), no permission to write it, a full disk, a damaged file. `code` is SQLite's
// (extended) result code, `path` the database file; any other failure keeps SQLite's own `message`.
QString storageDescription(int code, const QString& message, const QString& path);

// Told when a statement starts waiting for another connection's lock (true) and when that wait ends
// (false), so the program can show the hourglass meanwhile. One observer for the process; null: none.
using LockWaitObserver = void (*)(bool waiting);
void setLockWaitObserver(LockWaitObserver observer);
LockWaitObserver lockWaitObserver();

}  // namespace platform::db
