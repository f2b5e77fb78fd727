#include "platform/db/Recordset.h"

#include "platform/db/Connection.h"

namespace platform::db {
namespace {

[[noreturn]] void noCurrentRecord(const QString& statement) {
    throw Error(DbErrorNumber::NoCurrentRecord,
                QStringLiteral("BOF ou EOF é verdadeiro, ou o registro atual foi excluído."), statement,
                QStringLiteral("Recordset"));
}

}  // namespace

void Recordset::Open(Connection& connection, const QString& sql, const Params& params,
                     std::source_location where) {
    Close();
    connection.fill(*this, sql, params, where);
}

void Recordset::Close() {
    open_ = false;
    columns_.clear();
    byName_.clear();
    cells_.clear();
    text_.clear();
    rows_ = 0;
    position_ = 0;
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

Field Recordset::makeField(int column) const {
    if (Eof() || Bof()) noCurrentRecord(statement_);
    const Cell& c = cell(int(position_), column);
    Field::Stored stored;
    switch (c.kind) {
        case KInteger:
            stored = c.integer;
            break;
        case KReal:
            stored = c.real;
            break;
        case KText:
            stored = QString::fromUtf8(text_.data() + c.offset, c.length);
            break;
        case KBlob:
            stored = QByteArray(text_.data() + c.offset, c.length);
            break;
        case KNull:
            break;
    }
    return Field(columns_[column].name, columns_[column].type, std::move(stored));
}

}  // namespace platform::db
