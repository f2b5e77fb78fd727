#include <gtest/gtest.h>

#include "movement/RegrasIss.h"
#include "shell/ErrosLista.h"
#include "support/Money.h"

using namespace movimento;

using testsupport::C;

namespace {

const QString F = shell::ErroFatal.toString();
const QString A = shell::AlertaErro.toString();

QString Msg(const char* valor) {
    return QStringLiteral("Valor do ISS (R$ ") + QString::fromUtf8(valor) +
           QStringLiteral(") calculado não corresponde ao Valor da Nota x Alíquota");
}

// A complete document of model 51, type "Tributado", note 1.000,00 at 5 % with ISS 50,00.
DocumentoIss Completo() {
    DocumentoIss d;
    d.datalan = QDate(2003, 3, 10);
    d.codserv = "101";
    d.serie = "A";
    d.docinicial = "10";
    d.base = C("1000");
    d.aliq = C("5");
    d.iss = C("50");
    d.tipo = CodigoTipoIss(TiposIss[0]);
    return d;
}

struct Caso {
    const char* nome;
    std::function<void(DocumentoIss&, bool& modelo53)> muda;
    std::vector<ErroIss> erros;
    bool zera = false;
};

TEST(RegrasIssTest, TheRulesListTheirRowsInOrder) {
    const std::vector<Caso> casos = {
        {"tudo vazio, modelo 53",
         [](DocumentoIss& d, bool& modelo53) {
             d = {};
             d.datalan = QDate();
             modelo53 = true;
         },
         {{F, "Todo registro deve ter uma data !"},
          {F, "O Campo Código do Serviço é Obrigatório !"},
          {F, "O Campo Série é Obrigatório !"},
          {F, "O Campo Número Inicial é Obrigatório !"},
          {F, "O Campo Valor da Nota é Obrigatório !"}}},
        {"tudo vazio, modelo 51 tributado",
         [](DocumentoIss& d, bool&) {
             d = {};
             d.datalan = QDate();
             d.serie = "  ";
             d.tipo = CodigoTipoIss(TiposIss[0]);
         },
         {{F, "Todo registro deve ter uma data !"},
          {F, "O Campo Código do Serviço é Obrigatório !"},
          {F, "O Campo Série é Obrigatório !"},
          {F, "O Campo Número Inicial é Obrigatório !"},
          {F, "O Campo Valor da Nota é Obrigatório !"},
          {F, "O Campo Alíquota é Obrigatório !"}}},
        {"completo", [](DocumentoIss&, bool&) {}, {}},
        {"materiais negativos, modelo 53",
         [](DocumentoIss& d, bool& modelo53) {
             d.materiais = C("-10");
             modelo53 = true;
         },
         {{F, "Valor negativo em \"Materiais\": os livros fiscais não imprimem valores negativos !"}}},
        {"alíquota 0, ISS 0",
         [](DocumentoIss& d, bool&) {
             d.aliq = {};
             d.iss = {};
         },
         {{F, "O Campo Alíquota é Obrigatório !"}}},
        {"alíquota 0, ISS 10",
         [](DocumentoIss& d, bool&) {
             d.aliq = {};
             d.iss = C("10");
         },
         {{F, "O Campo Alíquota é Obrigatório !"}, {A, Msg("10,00")}}},
        {"isenta do município",
         [](DocumentoIss& d, bool&) { d.tipo = CodigoTipoIss(TiposIss[2]); },
         {},
         true},
        {"53: deduções iguais à nota",
         [](DocumentoIss& d, bool& modelo53) {
             modelo53 = true;
             d.subempr = C("300");
             d.materiais = C("700");
         },
         {},
         true},
        {"53: deduções acima da nota",
         [](DocumentoIss& d, bool& modelo53) {
             modelo53 = true;
             d.subempr = C("300");
             d.materiais = C("800");
         },
         {{F, "O Campo Valor da Nota é Menor que a Soma de S/Empreitadas + Materiais !"}}},
        {"53: 800 a 5 % com 40",
         [](DocumentoIss& d, bool& modelo53) {
             modelo53 = true;
             d.subempr = C("100");
             d.materiais = C("100");
             d.iss = C("40");
         },
         {}},
        {"53: 800 a 5 % com 45",
         [](DocumentoIss& d, bool& modelo53) {
             modelo53 = true;
             d.subempr = C("100");
             d.materiais = C("100");
             d.iss = C("45");
         },
         {{A, "Valor do ISS (R$ 45,00) não é Válido !"}}},
        {"53: 900 a 5 % com 40",
         [](DocumentoIss& d, bool& modelo53) {
             modelo53 = true;
             d.subempr = C("100");
             d.iss = C("40");
         },
         {{A, Msg("40,00")}}},
        {"números 10 a 5",
         [](DocumentoIss& d, bool&) { d.docfinal = "5"; },
         {{F, "O Campo Número Final é Menor que o Número Inicial !"}}},
        {"números 10 a 10", [](DocumentoIss& d, bool&) { d.docfinal = "10"; }, {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        DocumentoIss d = Completo();
        bool modelo53 = false;
        c.muda(d, modelo53);
        const RegrasIss r = TestaRegrasIss(d, modelo53);
        EXPECT_EQ(r.erros.size(), c.erros.size());
        for (std::size_t i = 0; i < std::min(r.erros.size(), c.erros.size()); ++i) {
            EXPECT_EQ(r.erros[i].severidade, c.erros[i].severidade) << i;
            EXPECT_EQ(r.erros[i].mensagem, c.erros[i].mensagem) << i;
        }
        EXPECT_EQ(r.zeraIss, c.zera);
    }
}

TEST(RegrasIssTest, TheProposedIssFollowsTheDeductions) {
    DocumentoIss d = Completo();
    d.subempr = C("200");
    EXPECT_EQ(IssCalculado(d, false), C("50"));
    EXPECT_EQ(IssCalculado(d, true), C("40"));
    d.materiais = C("100");
    EXPECT_EQ(IssCalculado(d, true), C("35"));
    d.aliq = {};
    EXPECT_EQ(IssCalculado(d, true), std::nullopt);
    EXPECT_EQ(CodigoTipoIss(TiposIss[1]), u'1');
    EXPECT_EQ(CodigoTipoIss("outro"), u'3');
}

}  // namespace
