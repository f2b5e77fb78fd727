#include "sintegra/ColetaMovimento.h"

#include "sintegra/sintegra_sql.h"

namespace sintegra {

Conversao ColetaMovimento(platform::db::Connection& movimento, platform::db::Connection& cadastro,
                          const ContextoConversao& contexto, const NomeTabelaMes& tabelaMes) {
    const Inscricoes fornecedores = LeInscricoes(cadastro, QStringLiteral("ForGeral"));
    const Inscricoes clientes = LeInscricoes(cadastro, QStringLiteral("CliGeral"));
    Conversao conversao;
    for (int mes = contexto.inicio.month(); mes <= contexto.fim.month(); ++mes) {
        for (const bool saida : {false, true}) {
            for (const DocumentoIcms& documento :
                 LeDocumentos(movimento, tabelaMes(saida, mes), saida, contexto.inicio, contexto.fim,
                              conversao.recusas))
                ConverteDocumento(documento, contexto, saida, saida ? clientes : fornecedores, conversao);
        }
    }
    if (!conversao.recusas.isEmpty()) return conversao;

    platform::db::Transaction transacao(cadastro);
    ApagaRegSint(cadastro);
    for (const RegistroSintegra& registro : conversao.registros) InsereRegSint(cadastro, registro);
    transacao.commit();
    return conversao;
}

}  // namespace sintegra
