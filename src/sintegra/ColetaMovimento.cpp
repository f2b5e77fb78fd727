#include "sintegra/ColetaMovimento.h"

#include "platform/report/Render.h"
#include "sintegra/sintegra_sql.h"

namespace sintegra {

QStringList ColetaMovimento(platform::db::Connection& movimento, platform::db::Connection& cadastro,
                            const ContextoConversao& contexto, const NomeTabelaMes& tabelaMes,
                            LinhasRegistros& linhas) {
    const Inscricoes fornecedores = LeInscricoes(cadastro, QStringLiteral("ForGeral"));
    const Inscricoes clientes = LeInscricoes(cadastro, QStringLiteral("CliGeral"));
    // A year's registers and lines are tens of megabytes: kept in the heap once freed, the next
    // generation reuses them instead of faulting them in afresh.
    platform::report::keepHeap();
    QStringList recusas;
    // One document at a time: its registers are staged and their lines built at once, in buffers
    // that serve every document.
    Conversao documento;
    // The registers staged together, in the order they are written.
    std::vector<RegistroSintegra> pendentes;
    pendentes.reserve(RegistrosPorComando);
    platform::db::Transaction transacao(cadastro);
    ApagaRegSint(cadastro);
    const auto converte = [&](bool saida) {
        return [&, saida](const DocumentoIcms& lido) {
            documento.registros.clear();
            documento.recusas.clear();
            ConverteDocumento(lido, contexto, saida, saida ? clientes : fornecedores, documento);
            recusas += documento.recusas;
            // After a refusal nothing will be written: the rest is only looked over for faults.
            if (!recusas.isEmpty()) return;
            for (RegistroSintegra& registro : documento.registros) {
                linhas.acrescenta(registro);
                pendentes.push_back(std::move(registro));
                if (pendentes.size() == RegistrosPorComando) {
                    InsereRegSint(cadastro, pendentes);
                    pendentes.clear();
                }
            }
        };
    };
    const auto le = [&](int mes, bool saida, bool doPeriodo) {
        LeDocumentos(movimento, tabelaMes(saida, mes), saida, doPeriodo, contexto.inicio, contexto.fim,
                     recusas, converte(saida));
    };
    for (int mes = contexto.inicio.month(); mes <= contexto.fim.month(); ++mes) {
        le(mes, false, true);
        le(mes, true, true);
    }
    // An exit issued in the period and entered in another month (issued on the last day, entered the
    // next) is in the table of its entry: it follows the documents of the period's own tables. An entry
    // of the period kept in another month's table is refused here as in its table's generation.
    for (int mes = 1; mes <= 12; ++mes)
        if (mes < contexto.inicio.month() || mes > contexto.fim.month()) {
            le(mes, false, false);
            le(mes, true, false);
        }
    if (recusas.isEmpty()) {
        if (!pendentes.empty()) InsereRegSint(cadastro, pendentes);
        transacao.commit();
    }
    return recusas;
}

}  // namespace sintegra
