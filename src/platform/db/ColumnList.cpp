#include "platform/db/ColumnList.h"

#include "platform/db/Connection.h"
#include "platform/db/TableNames.h"

namespace platform::db {

ColumnList& ColumnList::add(const QString& column, Param value) {
    columns_ << columnName(column);
    values_.push_back(std::move(value));
    return *this;
}

ColumnList& ColumnList::add(const QString& stem, int slot, Param value) {
    return add(stem + QString::number(slot), std::move(value));
}

QString ColumnList::insertSql(const QString& table) const {
    QString marks;
    for (int i = 0; i < columns_.size(); ++i) marks += i ? QStringLiteral(",?") : QStringLiteral("?");
    return QStringLiteral("INSERT INTO ") + tableName(table) + QStringLiteral(" (") +
           columns_.join(QLatin1Char(',')) + QStringLiteral(") VALUES (") + marks + QLatin1Char(')');
}

QString ColumnList::whereSql() const {
    if (columns_.isEmpty()) return {};
    return QStringLiteral(" WHERE ") + columns_.join(QStringLiteral(" = ? AND ")) + QStringLiteral(" = ?");
}

QString ColumnList::updateSql(const QString& table, const ColumnList& where) const {
    return QStringLiteral("UPDATE ") + tableName(table) + QStringLiteral(" SET ") +
           columns_.join(QStringLiteral(" = ?,")) + QStringLiteral(" = ?") + where.whereSql();
}

qint64 ColumnList::insert(Connection& db, const QString& table, std::source_location where) const {
    db.Execute(insertSql(table), values_, where);
    return db.LastInsertId();
}

long long ColumnList::update(Connection& db, const QString& table, const ColumnList& key,
                             std::source_location where) const {
    Params all = values_;
    all.insert(all.end(), key.values_.begin(), key.values_.end());
    return db.Execute(updateSql(table, key), all, where);
}

}  // namespace platform::db
