#pragma once

#include <QString>
#include <QStringList>
#include <map>

#include "platform/db/Connection.h"

namespace testsupport {

// Every column of the rows of `tabela` that `resto` (a condition and an order) selects, as SQLite
// holds it: its storage type and its bytes, keyed by the column's name, "2.Saida" when several rows.
std::map<QString, QString> LinhasGravadas(platform::db::Connection& db, const QString& tabela,
                                          const QString& resto = {});
// The keys whose type or bytes differ between two readings, joined by blanks.
QString Mudadas(const std::map<QString, QString>& antes, const std::map<QString, QString>& depois);

}  // namespace testsupport
