#include "platform/db/Recordset.h"

#include <cstring>

#include "platform/db/Connection.h"
#include "platform/db/IsoDate.h"

namespace platform::db {
namespace {

// A text stored in a column of this type reads as itself (a date column's reads as dd/mm/yyyy, an
// amount column's is no amount).
bool plainText(ColumnType type) { return type != ColumnType::Date && type != ColumnType::Currency; }

[[noreturn]] void noCurrentRecord(const QString& statement) {
    throw Error(DbErrorNumber::NoCurrentRecord,
                QStringLiteral("BOF ou EOF é verdadeiro, ou o registro atual foi excluído."), statement,
                QStringLiteral("Recordset"));
}

}  // namespace

void Recordset::Open(Connection& connection, const QString& sql, std::initializer_list<Param> params,
                     std::source_location where) {
    Close();
    connection.fill(*this, sql, ParamSpan(params.begin(), params.size()), where);
}

void Recordset::Open(Connection& connection, const QString& sql, const Params& params,
                     std::source_location where) {
    Close();
    connection.fill(*this, sql, params, where);
}

char* Recordset::chunkWithRoom(std::size_t n, const char* from, std::size_t keep) {
    const std::size_t size = std::max(Chunk, 2 * (n + keep));
    ChunkData chunk{std::make_unique<char[]>(size), 0, size};
    if (keep) std::memcpy(chunk.get(), from, keep);
    data_.push_back(std::move(chunk));
    return data_.back().get();
}

Recordset::RowWriter::RowWriter(Recordset& rs, std::size_t reserve) : rs_(rs) {
    if (rs_.data_.empty() || rs_.data_.back().size - rs_.data_.back().used < reserve)
        start_ = rs_.chunkWithRoom(reserve, nullptr, 0);
    else
        start_ = rs_.data_.back().get() + rs_.data_.back().used;
    at_ = start_;
    end_ = rs_.data_.back().get() + rs_.data_.back().size;
}

void Recordset::RowWriter::moveRow(std::size_t n) {
    // The row moves whole into a new chunk: a row is always contiguous.
    const std::size_t kept = std::size_t(at_ - start_);
    start_ = rs_.chunkWithRoom(n, start_, kept);
    at_ = start_ + kept;
    end_ = rs_.data_.back().get() + rs_.data_.back().size;
}

void Recordset::RowWriter::integer(qint64 v) {
    room(9);
    if (v >= INT32_MIN && v <= INT32_MAX) {
        *at_++ = KInt32;
        put(qint32(v));
    } else {
        *at_++ = KInt64;
        put(v);
    }
}

void Recordset::RowWriter::real(double v) {
    room(9);
    *at_++ = KReal;
    put(v);
}

void Recordset::RowWriter::bytes(Kind kind, const char* data, std::size_t length) {
    room(length + 5);
    if (kind == KText && length < 256) {
        *at_++ = KText8;
        *at_++ = char(quint8(length));
    } else {
        *at_++ = kind;
        put(qint32(length));
    }
    if (length) std::memcpy(at_, data, length);
    at_ += length;
}

Recordset::RowWriter::~RowWriter() {
    ChunkData& chunk = rs_.data_.back();
    const std::size_t offset = std::size_t(start_ - chunk.get());
    rs_.rowStart_.push_back((qint64(rs_.data_.size() - 1) << 32) | qint64(offset));
    chunk.used = offset + std::size_t(at_ - start_);
}

void Recordset::Close() {
    open_ = false;
    columns_.clear();
    byName_.clear();
    data_.clear();
    rowStart_.clear();
    rows_ = 0;
    position_ = 0;
    nextRow_ = -1;
}

void Recordset::requireOpen() const {
    if (!open_)
        throw Error(DbErrorNumber::ObjectClosed,
                    QStringLiteral("A operação não é permitida com o objeto fechado."), statement_,
                    QStringLiteral("Recordset"));
}

bool Recordset::Eof() const {
    requireOpen();
    return rows_ == 0 || position_ >= rows_;
}

bool Recordset::Bof() const {
    requireOpen();
    return rows_ == 0 || position_ < 0;
}

void Recordset::MoveFirst() {
    requireOpen();
    position_ = 0;
}

void Recordset::MoveLast() {
    requireOpen();
    position_ = rows_ == 0 ? 0 : rows_ - 1;
}

void Recordset::MoveNext() {
    if (Eof()) noCurrentRecord(statement_);
    ++position_;
}

void Recordset::MovePrevious() {
    if (Bof()) noCurrentRecord(statement_);
    --position_;
}

long Recordset::RecordCount() const {
    requireOpen();
    return rows_;
}

int Recordset::FieldCount() const {
    requireOpen();
    return int(columns_.size());
}

QString Recordset::FieldName(int index) const {
    requireOpen();
    if (index < 0 || index >= int(columns_.size()))
        throw Error(DbErrorNumber::ItemNotFound,
                    QStringLiteral("Campo %1 não existe no resultado.").arg(index), statement_,
                    QStringLiteral("Recordset::FieldName"));
    return columns_[index].name;
}

ColumnType Recordset::FieldType(int index) const {
    FieldName(index);
    return columns_[index].type;
}

Field Recordset::Fields(const QString& name) const {
    requireOpen();
    const auto it = byName_.constFind(name.toLower());
    if (it == byName_.constEnd())
        throw Error(DbErrorNumber::ItemNotFound,
                    QStringLiteral("O campo \"%1\" não existe no resultado.").arg(name), statement_,
                    QStringLiteral("Recordset::Fields"));
    return makeField(it.value());
}

Field Recordset::Fields(int index) const {
    FieldName(index);
    return makeField(index);
}

Recordset::Kind Recordset::readValue(const char*& p, const char*& data, qint32& length) {
    const Kind kind = Kind(*p++);
    length = 0;
    switch (kind) {
        case KNull:
            break;
        case KInt32:
            length = 4;
            break;
        case KInt64:
        case KReal:
            length = 8;
            break;
        case KText8:
            length = quint8(*p++);
            break;
        case KText:
        case KBlob:
            std::memcpy(&length, p, 4);
            p += 4;
            break;
    }
    data = p;
    p += length;
    return kind;
}

Field Recordset::makeField(int column) const {
    if (Eof() || Bof()) noCurrentRecord(statement_);
    const bool onward = nextRow_ == position_ && column >= nextColumn_;
    const char* p = onward ? nextValue_ : rowData(position_);
    const char* data = nullptr;
    qint32 length = 0;
    Kind kind = KNull;
    for (int c = onward ? nextColumn_ : 0; c <= column; ++c) kind = readValue(p, data, length);
    Field::Stored stored;
    if (kind == KInt32) {
        qint32 v;
        std::memcpy(&v, data, 4);
        stored = qint64(v);
    } else if (kind == KInt64) {
        qint64 v;
        std::memcpy(&v, data, 8);
        stored = v;
    } else if (kind == KReal) {
        double v;
        std::memcpy(&v, data, 8);
        stored = v;
    } else if (kind == KText || kind == KText8) {
        stored = QString::fromUtf8(data, length);
    } else if (kind == KBlob) {
        stored = QByteArray(data, length);
    }
    nextRow_ = position_;
    nextColumn_ = column + 1;
    nextValue_ = p;
    return Field(columns_[column].name, columns_[column].type, std::move(stored));
}

struct Recordset::RowValues::Value {
    Kind kind;
    const char* data;
    qint32 length;
    int column;
};

Recordset::RowValues::RowValues(const Recordset& rs) : rs_(rs) {
    if (rs_.Eof() || rs_.Bof()) noCurrentRecord(rs_.statement_);
    at_ = rs_.rowData(rs_.position_);
}

Recordset::RowValues::Value Recordset::RowValues::next() {
    // Past the last column: the same failure as Fields.
    if (column_ >= int(rs_.columns_.size())) rs_.FieldName(column_);
    Value v{};
    v.column = column_++;
    v.kind = readValue(at_, v.data, v.length);
    return v;
}

// Plain stored values are converted here; any other (a number in a text column, a date column read as
// text, money stored as a double...) goes through its Field, so both ways agree on every value.
QString Recordset::RowValues::text() {
    const Value v = next();
    if (v.kind == KNull) return QString();
    if ((v.kind == KText8 || v.kind == KText) && plainText(rs_.columns_[v.column].type))
        return QString::fromUtf8(v.data, v.length);
    return rs_.makeField(v.column).toString();
}

QString Recordset::RowValues::text(const QString& same) {
    const char* const at = at_;
    const int column = column_;
    const Value v = next();
    if ((v.kind == KText8 || v.kind == KText) && v.length == same.size() &&
        plainText(rs_.columns_[v.column].type)) {
        const QChar* s = same.constData();
        qint32 i = 0;
        while (i < v.length && static_cast<unsigned char>(v.data[i]) < 0x80 &&
               s[i].unicode() == char16_t(v.data[i]))
            ++i;
        if (i == v.length) return same;
    }
    at_ = at;
    column_ = column;
    return text();
}

values::Currency Recordset::RowValues::currency() {
    const Value v = next();
    if (v.kind == KNull) return values::Currency();
    if (rs_.columns_[v.column].type == ColumnType::Currency && (v.kind == KInt32 || v.kind == KInt64)) {
        qint64 raw;
        if (v.kind == KInt32) {
            qint32 small;
            std::memcpy(&small, v.data, 4);
            raw = small;
        } else {
            std::memcpy(&raw, v.data, 8);
        }
        return values::Currency::fromRaw(raw);
    }
    return rs_.makeField(v.column).toCurrency();
}

QDate Recordset::RowValues::date() {
    const Value v = next();
    if (v.kind == KNull) return QDate();
    if (v.kind == KText8 || v.kind == KText) {
        const QDate d = isoDate(v.data, v.length);
        if (d.isValid()) return d;
    }
    return rs_.makeField(v.column).toDate();
}

}  // namespace platform::db
