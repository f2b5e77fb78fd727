#pragma once

#include <QDate>
#include <QString>

#include "movement/DocumentoMes.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/values/Currency.h"

// The statements of the month tables of a movement database (ICMS entries DIGE, ICMS exits DIGS and
// ISS documents DIGISS, one of each per month), every value bound. A table name cannot be bound: the
// names these statements take are those TabelaMes builds, and any other is a run-time error.
namespace movimento {

// The record code the database will give the next document inserted into `tabela`: one above the
// larger of the highest code present and the highest code ever given (codes are never reused, so a
// deleted highest code is not offered again). 1 for a table that never held a row.
qint64 ProximoCodigo(platform::db::Connection& banco, const QString& tabela);

// The document of record code `codauto` of `tabela` (every column), or an empty recordset.
platform::db::Recordset LeDocumento(platform::db::Connection& banco, const QString& tabela, qint64 codauto);

// The rows of the record searches, by record code: codauto, Datalan, cgc, codfiscal, uf, vlrcontabil
// of an ICMS table; codauto, Datalan, base, iss of an ISS table.
platform::db::Recordset ListaIcms(platform::db::Connection& banco, const QString& tabela);
platform::db::Recordset ListaIss(platform::db::Connection& banco, const QString& tabela);

}  // namespace movimento
