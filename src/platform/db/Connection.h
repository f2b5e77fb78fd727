#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <source_location>
#include <utility>
#include <vector>

#include "platform/db/Error.h"
#include "platform/db/OpenFiles.h"
#include "platform/db/Param.h"
#include "platform/db/Recordset.h"

struct sqlite3;
struct sqlite3_stmt;

namespace platform::db {

// The lock wait of one connection: its time-out, and whether a statement is waiting now.
constexpr int DefaultLockWaitMs = 10000;
struct LockWait {
    int timeoutMs = DefaultLockWaitMs;
    bool waiting = false;
};

// Existing: the file must exist (opening a missing database fails instead of creating an empty one).
// Create: a missing file is created (the template tool, tests).
enum class OpenMode { Existing, Create };

// What OpenSchema lists. Tables: TABLE_NAME, TABLE_TYPE ("TABLE", "VIEW", "SYSTEM TABLE").
// Columns: TABLE_NAME, COLUMN_NAME, ORDINAL_POSITION (from 1), DATA_TYPE (the declared type text,
// "CURRENCY"), COLUMN_DEFAULT, IS_NULLABLE.
enum class Schema { Tables, Columns };

// One connection to a database file, in place of the original's connection object. Every value of a
// statement is bound to a "?" (Params), never pasted into its text. Statements are prepared once per
// connection and reused by their text. Text compares as the program compares text everywhere
// (letter case ignored, accents kept, Portuguese order) through the collation of the text columns
// and LIKE. Every failure throws Error, whose routine is the caller's.
class Connection {
  public:
    // The collation every text column of the schema names.
    static constexpr const char* TextCollation = "PTBR";
    static constexpr int DefaultBusyTimeoutMs = DefaultLockWaitMs;

    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;

    // Opens the file named by "Data Source=" in a connection string of the program ("Provider=...;
    // Data Source=/x/Trabdados.mdb;Jet OLEDB:Database Password=;"); the other keys are ignored.
    // Closes this connection first when it is open.
    void Open(const QString& connectionString, OpenMode mode = OpenMode::Existing,
              std::source_location where = std::source_location::current());
    void OpenFile(const QString& path, OpenMode mode = OpenMode::Existing,
                  std::source_location where = std::source_location::current());
    // Attaches the database file at `path`, bound and never pasted, under `schema` (a plain name), read
    // only when asked; Detach lets it go. Both keep the count of open files (OpenFiles.h).
    void Attach(const QString& path, const QString& schema, bool readOnly,
                std::source_location where = std::source_location::current());
    void Detach(const QString& schema, std::source_location where = std::source_location::current());
    // Makes each named table of the file private to this connection: a temporary table of the same
    // name, columns and indexes, empty at first, which every statement of this connection that names
    // the table reads and writes instead (the file's own stays as it is, for the other connections).
    // A table that is already private, or that the file lacks, is left alone.
    void PrivateTables(const QStringList& tables,
                       std::source_location where = std::source_location::current());
    // Closes the file; an open transaction is rolled back. Harmless when closed.
    void Close();
    ObjectState State() const { return db_ ? ObjectState::Open : ObjectState::Closed; }
    const QString& path() const { return path_; }

    // Runs one statement; returns the rows it inserted, changed or deleted (0 for others).
    long long Execute(const QString& sql, std::initializer_list<Param> params = {},
                      std::source_location where = std::source_location::current());
    long long Execute(const QString& sql, const Params& params,
                      std::source_location where = std::source_location::current());
    // The automatic key (INTEGER PRIMARY KEY) of the row the last INSERT of this connection wrote.
    qint64 LastInsertId() const;
    // Runs one query and returns its snapshot (Recordset::Open).
    Recordset OpenRecordset(const QString& sql, std::initializer_list<Param> params = {},
                            std::source_location where = std::source_location::current());
    Recordset OpenRecordset(const QString& sql, const Params& params,
                            std::source_location where = std::source_location::current());
    // The tables, or the columns of every table (or of `table` only), as a recordset.
    Recordset OpenSchema(Schema what, const QString& table = {},
                         std::source_location where = std::source_location::current());

    // Transactions nest: the outermost one takes the write lock at once (a second copy waits for
    // it through the busy time-out), inner ones are savepoints.
    void BeginTrans(std::source_location where = std::source_location::current());
    void CommitTrans(std::source_location where = std::source_location::current());
    void RollbackTrans(std::source_location where = std::source_location::current());
    int TransactionDepth() const { return depth_; }

    // How long a statement waits for another connection's lock before failing with SQLITE_BUSY; the
    // lock-wait observer (Error.h) is told when such a wait starts and ends.
    void setBusyTimeout(int milliseconds);

    // The "Data Source=" value of a connection string (empty when there is none).
    static QString dataSourceOf(const QString& connectionString);

  private:
    friend class Recordset;

    sqlite3_stmt* prepare(const QString& sql, const std::source_location& where);
    long long execute(const QString& sql, ParamSpan params, const std::source_location& where);
    void bind(sqlite3_stmt* stmt, const QString& sql, ParamSpan params, const std::source_location& where);
    [[noreturn]] void fail(int code, const QString& sql, const std::source_location& where) const;
    void requireOpen(const QString& sql, const std::source_location& where) const;
    void fill(Recordset& rs, const QString& sql, ParamSpan params, const std::source_location& where);
    void finalizeAll();
    static int onBusy(void* wait, int count);

    sqlite3* db_ = nullptr;
    QString path_;
    QHash<QString, sqlite3_stmt*> cache_;
    // The statement last run: a loop that runs one statement text finds it without hashing the text.
    QString lastSql_;
    sqlite3_stmt* lastStmt_ = nullptr;
    // The UTF-8 form of the bound texts of the statement being run.
    std::unique_ptr<char[]> textBuffer_;
    std::size_t textCapacity_ = 0;
    int depth_ = 0;
    // The files this connection holds, by schema ("main" and the attached ones), for the open count.
    std::vector<std::pair<QString, FileId>> files_;
    // Kept apart from the object, which may move, since SQLite holds its address.
    std::unique_ptr<LockWait> lockWait_;
};

// All or nothing: begins a transaction; commit() makes it final; leaving the scope without commit()
// (an exception included) rolls it back.
class Transaction {
  public:
    explicit Transaction(Connection& connection,
                         std::source_location where = std::source_location::current());
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit(std::source_location where = std::source_location::current());
    void rollback(std::source_location where = std::source_location::current());

  private:
    Connection& connection_;
    bool done_ = false;
};

}  // namespace platform::db
