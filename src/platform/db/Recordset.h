#pragma once

#include <QHash>
#include <QString>
#include <cstring>
#include <memory>
#include <source_location>
#include <vector>

#include "platform/db/Field.h"
#include "platform/db/Param.h"

namespace platform::db {

class Connection;

enum class ObjectState { Closed = 0, Open = 1 };

// A static snapshot of a query: every row is read into memory when it opens and the statement is
// reset at once, so no lock is held while a window keeps the recordset (another connection may write
// meanwhile). Field names match in any letter case. Movable, not copyable.
class Recordset {
  public:
    Recordset() = default;

    // Runs `sql` with `params` on `connection` and reads the whole result; the position is the first
    // row (EOF and BOF both true when there is none). Throws Error when the statement fails.
    void Open(Connection& connection, const QString& sql, std::initializer_list<Param> params = {},
              std::source_location where = std::source_location::current());
    void Open(Connection& connection, const QString& sql, const Params& params,
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

    // The current row's values one after the other from its first column, each converted as
    // Fields(i).toString(), toCurrency() or toDate() would convert it, without building a Field: for
    // loops over many rows of many columns. Throws Error as Fields does (no current row, no such
    // field, a value that does not convert). Valid while the recordset stays on that row.
    class RowValues {
      public:
        explicit RowValues(const Recordset& rs);
        QString text();
        // The same text, given back as `same` itself (no new copy) when the value is that text: a
        // column whose value repeats from row to row is then kept once.
        QString text(const QString& same);
        values::Currency currency();
        QDate date();

      private:
        struct Value;
        Value next();
        const Recordset& rs_;
        const char* at_;
        int column_ = 0;
    };

  private:
    friend class Connection;

    // Each row is stored as its values one after the other, each a kind byte and its bytes (whole
    // numbers in 4 or 8, doubles in 8, text and blobs as a length of 1 or 4 bytes and the UTF-8
    // bytes), in chunks that never move; a snapshot of many rows costs little more memory than its
    // values, and the row is written once, where it stays.
    enum Kind : char { KNull, KInt32, KInt64, KReal, KText8, KText, KBlob };
    struct Column {
        QString name;
        ColumnType type;
    };
    static constexpr std::size_t Chunk = 64 * 1024;

    class RowWriter {
      public:
        // Starts a row with room for `reserve` bytes (more is found when a text needs it).
        RowWriter(Recordset& rs, std::size_t reserve);
        void null() { *at_++ = KNull; }
        void integer(qint64 v);
        void real(double v);
        void bytes(Kind kind, const char* data, std::size_t length);

      private:
        void room(std::size_t n) {
            if (std::size_t(end_ - at_) < n) moveRow(n);
        }
        void moveRow(std::size_t n);
        template <typename T>
        void put(T v) {
            std::memcpy(at_, &v, sizeof v);
            at_ += sizeof v;
        }
        Recordset& rs_;
        char* start_;
        char* at_;
        char* end_;

      public:
        ~RowWriter();
        RowWriter(const RowWriter&) = delete;
        RowWriter& operator=(const RowWriter&) = delete;
    };

    // A new chunk with room for `n` bytes after the `keep` bytes of a row begun at `from`, copied in.
    char* chunkWithRoom(std::size_t n, const char* from, std::size_t keep);
    const char* rowData(long row) const {
        const qint64 at = rowStart_[std::size_t(row)];
        return data_[std::size_t(at >> 32)].get() + (at & 0xffffffff);
    }

    void requireOpen() const;
    Field makeField(int column) const;
    // The kind of the value at `p` and its bytes; `p` moves past the value.
    static Kind readValue(const char*& p, const char*& data, qint32& length);

    bool open_ = false;
    std::vector<Column> columns_;
    QHash<QString, int> byName_;
    struct ChunkData {
        std::unique_ptr<char[]> bytes;
        std::size_t used;
        std::size_t size;
        char* get() const { return bytes.get(); }
    };
    std::vector<ChunkData> data_;
    std::vector<qint64> rowStart_;  // chunk << 32 | position of each row
    long rows_ = 0;
    long position_ = 0;
    QString statement_;
    // Where the value after the last one read begins: reading the next columns of the same row starts
    // there, so that a loop over the columns of a row does not walk the row again for each one.
    mutable long nextRow_ = -1;
    mutable int nextColumn_ = 0;
    mutable const char* nextValue_ = nullptr;
};

}  // namespace platform::db
