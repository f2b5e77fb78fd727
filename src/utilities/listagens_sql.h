#pragma once

#include <QString>
#include <vector>

#include "companies/empresas_sql.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

// The query of the company listings: the model's base table, up to three range filters and an order
// caption, every bound a bound value.
namespace Listagens {

// A field the filters offer: its caption, column of Empresas, kind ("S" text, "N" number, "D" date)
// and length.
struct CampoFiltro {
    const char* legenda;
    const char* coluna;
    const char* tipo;
    int tamanho;
};

// The field of a filter caption, or nullptr for a caption the table lacks.
const CampoFiltro* ProcuraCampo(const QString& legenda);

// The captions of the order list and of each filter's field list, after their empty item.
const std::vector<QString>& LegendasCampos();

struct ConsultaListagem {
    QString sql;
    platform::db::Params valores;
};

// "SELECT * FROM <base>" with the conditions of the rows in use (in row order, each range both ends
// included, text compared as the database compares text) and the order of `ordem`: "Código" by
// codigo, "CNPJ" by cgc, another caption of the list by its own column, the empty caption no order.
ConsultaListagem MontaConsulta(const QString& tabelaBase,
                               const std::vector<Empresas::CondicaoFiltro>& filtros, const QString& ordem);

// The rows of the listing, every column.
platform::db::Recordset AbreListagem(platform::db::Connection& db, const ConsultaListagem& consulta);

}  // namespace Listagens
