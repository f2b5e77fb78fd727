#include "books/PreparaLivros.h"

#include "books/ConfereDocumento.h"
#include "books/LinhasLivro.h"
#include "books/documentos_sql.h"
#include "books/livros_sql.h"
#include "platform/values/TextCompare.h"
#include "registers/ChaveCgc.h"
#include "shell/Geral.h"

namespace Livros {

using platform::db::Transaction;

namespace {

const Currency Zero;

std::optional<FaixaDias> Faixa(const EstadoLivro& estado) {
    if (!estado.LivroParcial) return std::nullopt;
    return FaixaDias{estado.DataInicial, estado.DataFinal, estado.PorEmissao};
}

// Writes every row of a document's lines, the first with the document's header.
void InsereDocumento(GravaLinhas& grava, const DocumentoIcms& doc, const std::vector<LinhaLivro>& linhas,
                     const QHash<QString, Participante>& participantes) {
    const auto p = participantes.constFind(doc.cgc);
    const QString branco = QStringLiteral(" ");
    const CabecalhoLivro cabecalho =
        p == participantes.cend() ? Cabecalho(doc, branco, branco) : Cabecalho(doc, p->nome, p->ie);
    LinhasTabela(linhas, cabecalho, [&](const LinhaTabela& linha) { grava.Insere(linha); });
}

// The CFOP group of a book (the CFOP's first character), 0 to 2, or -1 for none.
int Grupo(const QString& cfop, char16_t primeiro) {
    if (cfop.isEmpty()) return -1;
    const int g = cfop[0].unicode() - primeiro;
    return g >= 0 && g < 3 ? g : -1;
}

// An interstate exit goes to the non-contributors' totals by its CFOP: 6.18 and 6.19 of the old
// table, and 6.107 and 6.108 of the 2003 table, always; 6.99 when the client's number is the empty
// mask. A client with a CPF is a person, never a contributor, whatever the CFOP.
bool NaoContribuinte(const DocumentoIcms& doc) {
    const QString& cfop = doc.codfiscal;
    return cfop == u"6.18" || cfop == u"6.19" || cfop == u"6.107" || cfop == u"6.108" ||
           (cfop == u"6.99" && doc.cgc == u"__.___.___/____-__") ||
           registers::ReescreveCgc(doc.cgc).tipo == registers::TipoChave::Cpf;
}

bool Entradas(const std::vector<DocumentoIcms>& documentos, Connection& cadastro) {
    const QHash<QString, Participante> fornecedores = LeParticipantes(cadastro, Livro::Entradas, documentos);
    Transaction trans(cadastro);
    LimpaLivro(cadastro, Livro::Entradas);
    GravaLinhas grava(cadastro, Livro::Entradas);
    TotaisPorChave porCfop, porUf;
    std::array<bool, 3> grupos{};
    for (const DocumentoIcms& doc : documentos) {
        const DocumentoExpandido e = ExpandeEntrada(doc);
        if (e.linhas.empty()) continue;
        InsereDocumento(grava, doc, e.linhas, fornecedores);
        porCfop[doc.codfiscal] += e.totais;
        const int grupo = Grupo(doc.codfiscal, u'1');
        if (grupo >= 0) grupos[std::size_t(grupo)] = true;
        // Entries from other states.
        if (grupo == 1) porUf[doc.uf] += e.totais;
    }
    grava.Termina();
    GravaTotaisCfop(cadastro, Livro::Entradas, porCfop);
    GravaTotaisUf(cadastro, TabelaUf::MovUf, porUf);
    GravaGrupos(cadastro, Livro::Entradas, grupos);
    trans.commit();
    return documentos.empty();
}

ResultadoSaidas Saidas(const std::vector<DocumentoIcms>& documentos, bool industria, Connection& cadastro) {
    const QHash<QString, Participante> clientes = LeParticipantes(cadastro, Livro::Saidas, documentos);
    Transaction trans(cadastro);
    LimpaLivro(cadastro, Livro::Saidas);
    GravaLinhas grava(cadastro, Livro::Saidas);
    ResultadoSaidas r;
    r.SemMovimento = documentos.empty();
    TotaisPorChave porCfop, contribuintes, naoContribuintes;
    std::array<bool, 3> grupos{};
    for (const DocumentoIcms& doc : documentos) {
        const DocumentoExpandido e = ExpandeSaida(doc, industria);
        if (e.linhas.empty()) continue;
        InsereDocumento(grava, doc, e.linhas, clientes);
        porCfop[doc.codfiscal] += e.totais;
        const int grupo = Grupo(doc.codfiscal, u'5');
        if (grupo >= 0) grupos[std::size_t(grupo)] = true;
        if (grupo != 1) continue;
        // Exits to other states.
        if (NaoContribuinte(doc)) {
            naoContribuintes[doc.uf] += e.totais;
            r.HaMovUfnc = true;
        } else {
            contribuintes[doc.uf] += e.totais;
            r.HaMovUf = true;
        }
    }
    grava.Termina();
    GravaTotaisCfop(cadastro, Livro::Saidas, porCfop);
    GravaTotaisUf(cadastro, TabelaUf::MovUf, contribuintes);
    GravaTotaisUf(cadastro, TabelaUf::MovUfnc, naoContribuintes);
    GravaGrupos(cadastro, Livro::Saidas, grupos);
    trans.commit();
    return r;
}

}  // namespace

bool PreparaEntradas(const EstadoLivro& estado, Connection& movimento, const QString& TabelaAtual,
                     const QDate& periodo, Connection& cadastro) {
    return SomasDoLivro(QStringLiteral("Registro de Entradas"), TabelaAtual, [&] {
        return Entradas(LeDocumentos(movimento, Livro::Entradas, TabelaAtual, periodo, Faixa(estado)),
                        cadastro);
    });
}

ResultadoSaidas PreparaSaidas(const EstadoLivro& estado, Connection& movimento, const QString& TabelaAtual,
                              const QDate& periodo, Connection& cadastro) {
    return SomasDoLivro(QStringLiteral("Registro de Saídas"), TabelaAtual, [&] {
        return Saidas(
            LeDocumentos(movimento, Livro::Saidas, TabelaAtual, periodo, Faixa(estado), estado.Industria),
            estado.Industria, cadastro);
    });
}

ResultadoAliquotas ResumeAliquotas(Connection& cadastro) {
    auto R = [](Currency valor) { return Geral::Arredonda(valor, 2); };
    std::vector<TotalAliquota> aliquotas;
    QHash<qint64, std::size_t> indice;
    auto soma = [&](Livro livro) {
        for (Recordset linhas = LeLinhasTributadas(cadastro, livro); !linhas.Eof(); linhas.MoveNext())
            for (int k = 0; k < 2; ++k) {
                // Lines of rate 0 (IPI lines, observation-only lines, a row's empty second line) are
                // outside the summary.
                const Currency aliquota = linhas.Fields(3 * k).toCurrency();
                if (!(aliquota > Zero)) continue;
                auto it = indice.constFind(aliquota.raw());
                if (it == indice.cend()) {
                    it = indice.insert(aliquota.raw(), aliquotas.size());
                    aliquotas.push_back({aliquota, {}, {}, {}, {}});
                }
                TotalAliquota& t = aliquotas[*it];
                const Currency base = R(linhas.Fields(3 * k + 1).toCurrency());
                const Currency imposto = R(linhas.Fields(3 * k + 2).toCurrency());
                (livro == Livro::Entradas ? t.baseent : t.basesai) += base;
                (livro == Livro::Entradas ? t.impent : t.impsai) += imposto;
            }
    };
    auto icms = [&](Livro livro) {
        Currency total;
        for (Recordset rs = LeIcmsPorCfop(cadastro, livro); !rs.Eof(); rs.MoveNext())
            total += R(rs.Fields(0).toCurrency());
        return total;
    };
    Transaction trans(cadastro);
    soma(Livro::Entradas);
    soma(Livro::Saidas);
    GravaAliquotas(cadastro, aliquotas);
    ResultadoAliquotas r{icms(Livro::Entradas), icms(Livro::Saidas)};
    trans.commit();
    return r;
}

}  // namespace Livros
