#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/values/Currency.h"

// Every statement of the company family (Empresas with its tax-regime rows, contract changes,
// partners and third parties as far as a company owns them), each value bound, never pasted.
namespace Empresas {

using platform::db::Connection;
using platform::db::Recordset;
using platform::values::Currency;

// The company of number `codigo` (every column), or an empty recordset.
Recordset LeEmpresa(Connection& db, qint64 codigo);

// Deletes a company with its tax-regime rows (kept by company number), its third parties, partners
// and contract changes (kept by automatic number), all or nothing.
void ExcluiEmpresa(Connection& db, qint64 codigo, qint64 codauto);

// The company's tax-regime rows with their descriptions, newest first (Denquadra, Descricao, codempr).
Recordset LeEnquadramentos(Connection& db, qint64 codigo);

// The capital of the company's contract changes, latest registration first.
Recordset LeCapitais(Connection& db, qint64 codauto);

// The company search.

// One range condition of the search filter: a column of the companies table, "S" text, "N" number or
// "D" date, and the range, both ends included.
struct CondicaoFiltro {
    QString coluna;
    QString tipo;
    QString de, ate;
    qint64 deNumero = 0, ateNumero = 0;
    QDate deData = {}, ateData = {};
};

// The WHERE clause of the search (empty when no condition), its values to bind.
struct FiltroEmpresas {
    QString clausula;
    platform::db::Params valores;
};

// " WHERE T.c >= ? AND T.c <= ? AND ..." for the conditions in order; no condition, no clause.
FiltroEmpresas MontaFiltro(const QString& tabela, const std::vector<CondicaoFiltro>& condicoes);

// How many rows the search would list.
qint64 ContaEmpresas(Connection& db, const QString& tabela, const FiltroEmpresas& filtro);

// The rows of the search list, by company number: codigo, nome, cgc, inscr_estadual, cei, uf,
// mes_base_fiscal.
Recordset ListaEmpresas(Connection& db, const QString& tabela, const FiltroEmpresas& filtro);

// Stores `periodo` (its month and year) as the working period of company `codigo`, in the stored
// form of a period: the date of its first day.
void GravaPeriodo(Connection& db, qint64 codigo, const QDate& periodo);

// Whether the company's newest classification (by `denquadra`) makes it a micro company: codtipo 3
// or 5, or none given. A company without classification is not.
bool EnquadradaComoMicro(Connection& db, qint64 codigo);

}  // namespace Empresas
