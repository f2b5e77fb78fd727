#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/values/Currency.h"

// The statements of a company's two dated histories: the tax-regime rows (Enquadramento, kept by the
// company number) and the contract changes (Contrato, kept by the automatic number). Every value is
// bound.
namespace Empresas {

// One type of tax regime as the type list offers it.
struct TipoEnquadramento {
    qint64 codtipo = 0;
    QString descricao;
};

// Every row of Tipo_enquadr, in the order the table gives them.
std::vector<TipoEnquadramento> LeTiposEnquadramento(platform::db::Connection& db);

// The company's tax-regime rows for the list, oldest first: the date "dd/mm/yyyy" and the description
// of its type (empty when the type is missing from Tipo_enquadr, so that every row read is shown).
std::vector<QStringList> LeHistoricoEnquadramento(platform::db::Connection& db, qint64 codigo);

// The text of a capital in the contract-changes list.
QString CapitalNaLista(platform::values::Currency capital);

// The list row of one Contrato row: the date "dd/mm/yyyy", Nregistro, the capital as the list shows it
// and Brelato (a null text as empty).
QStringList LinhaContrato(const platform::db::Recordset& r);

// The company's contract changes for the list, oldest first.
std::vector<QStringList> LeHistoricoContrato(platform::db::Connection& db, qint64 codauto);

// The contract change of the company on `data` (every column), or an empty recordset.
platform::db::Recordset LeContrato(platform::db::Connection& db, qint64 codauto, const QDate& data);

}  // namespace Empresas
