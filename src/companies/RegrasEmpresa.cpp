#include "companies/RegrasEmpresa.h"

#include "companies/empresas_sql.h"
#include "platform/values/Vb.h"

namespace Empresas {

using platform::values::Trim;

std::optional<qint64> ChaveNumerica(const QString& chave, int digitos) {
    const QString t = Trim(chave);
    if (t.isEmpty() || t.size() > digitos) return std::nullopt;
    qint64 valor = 0;
    for (QChar c : t) {
        if (c < u'0' || c > u'9') return std::nullopt;
        valor = valor * 10 + (c.unicode() - u'0');
    }
    return valor;
}

std::vector<shell::ErroRegra> VerificaGravacao(platform::db::Connection& db, const CamposGravacao& campos,
                                               platform::db::Recordset& atual) {
    std::vector<shell::ErroRegra> erros;
    const auto AdicionaErroFatal = [&erros](const QString& mensagem) {
        erros.push_back({shell::ErroFatal, mensagem});
    };
    if (const auto codigo = ChaveNumerica(campos.chave)) {
        atual = LeEmpresa(db, *codigo);
        if (!atual.Eof() && campos.inclusao)
            AdicionaErroFatal(QStringLiteral("Código Já Cadastrado, Troque o Número !"));
    } else {
        AdicionaErroFatal(QStringLiteral("Todo registro deve ter um código numérico válido !"));
    }
    if (Trim(campos.nome).isEmpty()) AdicionaErroFatal(QStringLiteral("O campo Empresa é obrigatório !"));
    if (Trim(campos.uf).isEmpty())
        AdicionaErroFatal(
            QStringLiteral("O campo UF é obrigatório porque será usado para determinar o tipo de operações "
                           "fiscais da empresa !"));
    if (campos.situacao.isEmpty() || campos.situacao == QStringLiteral(" "))
        AdicionaErroFatal(QStringLiteral("O campo situação é obrigatório !"));
    return erros;
}

}  // namespace Empresas
