#pragma once

#include <QHash>
#include <QString>
#include <source_location>
#include <string>
#include <vector>

#include "platform/db/Field.h"
#include "platform/db/Param.h"

namespace platform::db {

class Connection;

enum class ObjectState { Closed = 0, Open = 1 };

// A static snapshot of a query: every row is read into memory when it opens and the statement is
// reset at once, so no lock is held while a window keeps the recordset (another connection may write
// meanwhile). Field names match in any letter case.
class Recordset {
  public:
    Recordset() = default;

    // Runs `sql` with `params` on `connection` and reads the whole result; the position is the first
    // row (EOF and BOF both true when there is none). Throws Error when the statement fails.
    void Open(Connection& connection, const QString& sql, const Params& params = {},
              std::source_location where = std::source_location::current());
    void Close();
    ObjectState State() const { return open_ ? ObjectState::Open : ObjectState::Closed; }

    // Before the first row / after the last one.
    bool Eof() const;
    bool Bof() const;
    void MoveFirst();
    void MoveLast();
    // Throws Error (no current record) when already at EOF (MoveNext) or BOF (MovePrevious).
    void MoveNext();
    void MovePrevious();
    long RecordCount() const;

    int FieldCount() const;
    QString FieldName(int index) const;
    ColumnType FieldType(int index) const;
    // The value of the current row; throws Error when there is no current row or no such field.
    Field Fields(const QString& name) const;
    Field Fields(int index) const;

  private:
    friend class Connection;

    enum Kind : unsigned char { KNull, KInteger, KReal, KText, KBlob };
    struct Cell {
        union {
            qint64 integer;
            double real;
            qint64 offset;
        };
        qint32 length;
        Kind kind;
    };
    struct Column {
        QString name;
        ColumnType type;
    };

    void requireOpen() const;
    const Cell& cell(int row, int column) const {
        return cells_[std::size_t(row) * columns_.size() + column];
    }
    Field makeField(int column) const;

    bool open_ = false;
    std::vector<Column> columns_;
    QHash<QString, int> byName_;
    std::vector<Cell> cells_;
    std::string text_;  // the bytes of every text and blob value, UTF-8, one after the other
    long rows_ = 0;
    long position_ = 0;
    QString statement_;
};

}  // namespace platform::db
