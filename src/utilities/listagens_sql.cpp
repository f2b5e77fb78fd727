#include "utilities/listagens_sql.h"

#include <array>

#include "platform/db/TableNames.h"

namespace Listagens {

namespace {

// "Apelido" is offered by the lists, so it has a row of its own; the CEP takes its stored
// "#####-###" form.
const std::array<CampoFiltro, 7> Campos{{
    {"Código", "codigo", "N", 6},
    {"Nome", "nome", "S", 40},
    {"Apelido", "apelido", "S", 40},
    {"CNPJ", "cgc", "S", 18},
    {"Inscr_Estadual", "Inscr_Estadual", "S", 16},
    {"CCM", "ccm", "S", 13},
    {"CEP", "cep", "S", 9},
}};

}  // namespace

const CampoFiltro* ProcuraCampo(const QString& legenda) {
    for (const CampoFiltro& c : Campos)
        if (legenda == QString::fromUtf8(c.legenda)) return &c;
    return nullptr;
}

const std::vector<QString>& LegendasCampos() {
    static const std::vector<QString> legendas = [] {
        std::vector<QString> r;
        for (const CampoFiltro& c : Campos) r.push_back(QString::fromUtf8(c.legenda));
        return r;
    }();
    return legendas;
}

ConsultaListagem MontaConsulta(const QString& tabelaBase,
                               const std::vector<Empresas::CondicaoFiltro>& filtros, const QString& ordem) {
    const Empresas::FiltroEmpresas filtro = Empresas::MontaFiltro(tabelaBase, filtros);
    ConsultaListagem consulta{
        QStringLiteral("SELECT * FROM ") + platform::db::tableName(tabelaBase) + filtro.clausula,
        filtro.valores};
    if (const CampoFiltro* campo = ProcuraCampo(ordem))
        consulta.sql +=
            QStringLiteral(" ORDER BY ") + platform::db::columnName(QString::fromLatin1(campo->coluna));
    return consulta;
}

platform::db::Recordset AbreListagem(platform::db::Connection& db, const ConsultaListagem& consulta) {
    return db.OpenRecordset(consulta.sql, consulta.valores);
}

}  // namespace Listagens
