#pragma once

#include <QString>
#include <map>

#include "platform/db/Connection.h"

namespace testsupport {

// Each column of the rows of `tabela` that `resto` selects as SQLite holds it (type and bytes), keyed
// by its name ("2.Saida" when several rows); and the keys that differ between two readings.
std::map<QString, QString> LinhasGravadas(platform::db::Connection& db, const QString& tabela,
                                          const QString& resto = {});
QString Mudadas(const std::map<QString, QString>& antes, const std::map<QString, QString>& depois);

}  // namespace testsupport
