#pragma once

#include <QString>
#include <QStringList>
#include <source_location>

#include "platform/db/Param.h"

namespace platform::db {

class Connection;

// The columns a statement writes, each beside its value, so that a table's INSERT and UPDATE come from
// one list instead of a list of names and a list of values matched by position. Every name passes the
// one name guard (TableNames.h); every value is bound.
class ColumnList {
  public:
    // Adds `column` with the value it receives.
    ColumnList& add(const QString& column, Param value);
    // Adds the slot column `stem` + `slot` (the items grid's row 2 of "baseicms" is "baseicms2").
    ColumnList& add(const QString& stem, int slot, Param value);

    bool empty() const { return columns_.isEmpty(); }
    int size() const { return int(columns_.size()); }
    const QStringList& columns() const { return columns_; }
    const Params& values() const { return values_; }

    // "INSERT INTO table (a,b) VALUES (?,?)", bound with values().
    QString insertSql(const QString& table) const;
    // "UPDATE table SET a = ?,b = ? WHERE k = ? AND ...", bound with values() and then the values of
    // `where`, whose columns are compared for equality.
    QString updateSql(const QString& table, const ColumnList& where) const;
    // " WHERE k = ? AND ..." of this list as a condition (empty when the list is empty).
    QString whereSql() const;

    // Runs the INSERT; returns the automatic key the row received (its INTEGER PRIMARY KEY).
    qint64 insert(Connection& db, const QString& table,
                  std::source_location where = std::source_location::current()) const;
    // Runs the UPDATE; returns the rows changed (0 when no row matches `key`).
    long long update(Connection& db, const QString& table, const ColumnList& key,
                     std::source_location where = std::source_location::current()) const;

  private:
    QStringList columns_;
    Params values_;
};

}  // namespace platform::db
