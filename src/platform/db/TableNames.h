#pragma once

#include <QString>
#include <QStringList>

// The one guard for names pasted into a statement. Values are always bound; a table or column name
// cannot be, so every name a caller hands over passes here first and anything else is a run-time
// error (number 5), never a statement.
namespace platform::db {

// `name` spelt as the program spells the table, when it is one of the program's tables (any letter
// case) or a month table: the stem of a monthly table followed by its month "01".."12" ("DIGE03").
// Throws RuntimeError InvalidArgument for any other name.
QString tableName(const QString& name);

// The month table of `stem` ("DIGE") for month 1..12: "DIGE03"; throws as tableName does for an
// unknown stem or a month out of range.
QString monthTable(const QString& stem, int month);

// `name` when it can name a column: an ASCII letter followed by ASCII letters, digits and "_".
// Throws RuntimeError InvalidArgument otherwise.
const QString& columnName(const QString& name);

// Adds tables that a caller creates itself (a tool's work table, a test's table) to the known ones.
void registerTables(const QStringList& names);

}  // namespace platform::db
