#include "companies/CamposEmpresa.h"

#include "platform/report/Automation.h"
#include "platform/values/Vb.h"

namespace Empresas {

namespace report = platform::report;
namespace values = platform::values;
using report::FieldType::Currency;
using report::FieldType::Text;

const std::array<CampoEmpresa, TotalCamposEmpresa>& CamposEmpresa() {
    static const std::array<CampoEmpresa, TotalCamposEmpresa> campos{{
        {"Codigo", Text},
        {"Nome", Text},
        {"Apelido", Text},
        {"Endereco", Text},
        {"Numero", Text},
        {"Complemento", Text},
        {"Bairro", Text},
        {"Cidade", Text},
        {"Uf", Text},
        {"Cep", Text},
        {"Cgc", Text},
        {"Inscr_estadual", Text},
        {"Cei", Text},
        {"Ccm", Text},
        {"Data_cadastro", Text},
        {"Cnae", Text},
        {"Situ", Text},
        {"Atividade", Text},
        {"Contato1", Text},
        {"Contato2", Text},
        {"Ddd", Text},
        {"Fax", Text},
        {"Fone1", Text},
        {"Fone2", Text},
        {"email", Text},
        {"homepage", Text},
        {"enquadra", Text},
        {"desde", Text},
        {"perc_ipi", Text},
        {"perc_convenio", Text},
        {"irpj_vendas", Text},
        {"irpj_servicos", Text},
        {"tipo_empresa", Text},
        {"Fundacao", Text},
        {"capatual", Currency},
        {"Tpescri", Text},
        {"Tpipi", Text},
        {"Tpiss", Text},
        {"Icms", Text},
        {"Gricms", Text},
        {"sp", Text},
        {"mes_base_fiscal", Text},
        {"observacao", Text},
    }};
    return campos;
}

void DeclaraCamposEmpresa(report::CrystalDataObject& dados) {
    for (const CampoEmpresa& c : CamposEmpresa()) dados.AddField(QString::fromLatin1(c.nome), c.tipo);
}

values::Currency CapitalAtual(values::Currency capital) {
    return capital.raw() < 0 ? -values::roundHalfUp(-capital, 2) : values::roundHalfUp(capital, 2);
}

std::vector<report::Value> LinhaEmpresa(const platform::db::Recordset& r, const ExtrasEmpresa& extras) {
    const auto texto = [&r](const char* coluna) -> report::Value {
        return r.Fields(QString::fromLatin1(coluna)).toString();
    };
    const auto data = [&r](const char* coluna) -> report::Value {
        const QDate d = r.Fields(QString::fromLatin1(coluna)).toDate();
        return d.isNull() ? QString() : values::formatDate(d);
    };
    const auto numero = [&r](const char* coluna) -> report::Value {
        return values::regionalText(r.Fields(QString::fromLatin1(coluna)).toCurrency());
    };
    std::vector<report::Value> linha;
    linha.reserve(TotalCamposEmpresa);
    for (const char* c : {"codigo", "nome", "apelido", "endereco", "numero", "complemento", "bairro",
                          "cidade", "uf", "cep", "cgc", "inscr_estadual", "cei", "ccm"})
        linha.push_back(texto(c));
    linha.push_back(data("data_cadastro"));
    for (const char* c : {"cnae", "situ", "atividade", "contato1", "contato2", "ddd", "fax", "fone1", "fone2",
                          "email", "homepage"})
        linha.push_back(texto(c));
    linha.emplace_back(extras.enquadra);
    linha.emplace_back(values::Trim(extras.desde));
    for (const char* c : {"perc_ipi", "perc_convenio", "irpj_vendas", "irpj_servicos"})
        linha.push_back(numero(c));
    linha.push_back(texto("tipo_empresa"));
    linha.push_back(data("fundacao"));
    linha.emplace_back(CapitalAtual(extras.capatual));
    for (const char* c : {"tpescri", "tpipi", "tpiss", "icms", "gricms", "sp"}) linha.push_back(texto(c));
    linha.push_back(data("mes_base_fiscal"));
    linha.push_back(texto("observacao"));
    return linha;
}

}  // namespace Empresas
