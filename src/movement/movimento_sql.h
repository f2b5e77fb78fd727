#pragma once

#include <QDate>
#include <QString>

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/values/Currency.h"

// The statements of the month tables of a movement database (ICMS entries DIGE, ICMS exits DIGS and
// ISS documents DIGISS, one of each per month), every value bound. A table name cannot be bound: the
// only names these statements take are those TabelaMes builds, and any other is a run-time error.
namespace movimento {

// The three families of month tables.
inline const QString Entradas = QStringLiteral("DIGE");
inline const QString Saidas = QStringLiteral("DIGS");
inline const QString Iss = QStringLiteral("DIGISS");

// The month table of `familia` ("DIGE", "DIGS" or "DIGISS", in any letter case) for `mes` 1 to 12:
// the family in capitals followed by the month in two digits ("DIGE03", "DIGISS12"). Any other family
// or month is a run-time error (invalid argument). This is the one place that makes a month table's
// name: every statement that names a month table takes its name from here.
QString TabelaMes(const QString& familia, int mes);

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

// The fourteen columns an ISS document's save writes: the date, the texts as typed, the document
// numbers as their digits (docfinal "0" for none), the amounts and rate, the type code '0'-'3'.
struct DadosIss {
    QDate datalan;
    QString codserv, serie;
    qint64 docinicial = 0, docfinal = 0;
    QString talao;
    platform::values::Currency base, aliq, iss, ir;
    QChar tipo = u'3';
    QString observ;
    platform::values::Currency subempr, materiais;
};

// Inserts the document into the ISS month table `tabela`; returns the record code the database gave.
qint64 InsereIss(platform::db::Connection& banco, const QString& tabela, const DadosIss& d);
// Rewrites the document `codauto`; returns the rows changed (0 when it is gone).
long long AlteraIss(platform::db::Connection& banco, const QString& tabela, qint64 codauto,
                    const DadosIss& d);

}  // namespace movimento
