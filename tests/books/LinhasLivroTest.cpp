#include <gtest/gtest.h>

#include <QStringList>

#include "books/LinhasLivro.h"
#include "platform/values/Vb.h"

using namespace Livros;
using platform::values::regionalText;

namespace {

Currency m(const char* texto) { return Currency::parse(QString::fromUtf8(texto)).value(); }

ItemIcms item(const char* base, const char* aliq = "0", const char* icms = "0", const char* isen = "0",
              const char* outr = "0") {
    return {m(base), m(aliq), m(icms), m(isen), m(outr)};
}

struct Doc {
    std::vector<ItemIcms> itens;
    const char* ipi = "0";
    const char* observ = "";
    const char* fonte = "0";
};

DocumentoIcms documento(const Doc& d) {
    DocumentoIcms doc;
    for (std::size_t i = 0; i < d.itens.size(); ++i) doc.itens[i] = d.itens[i];
    doc.baseipi = m("1000");
    doc.valripi = m(d.ipi);
    doc.isenipi = m("20");
    doc.outripi = m("30");
    doc.observ = QString::fromUtf8(d.observ);
    doc.fonteicms = m(d.fonte);
    doc.vlrcontabil = m("1234,5");
    return doc;
}

// A line as "type|base|rate|tax|observation" (the entries book), with "|exempt|other" before the
// observation in the exits book.
QStringList texto(const std::vector<LinhaLivro>& linhas, bool saida) {
    QStringList out;
    for (const LinhaLivro& l : linhas) {
        QStringList campos{l.tipo, regionalText(l.base), regionalText(l.aliquota), regionalText(l.imposto)};
        if (saida) campos << regionalText(l.isento) << regionalText(l.outros);
        out << (campos << l.observ).join(u'|');
    }
    return out;
}

QStringList esperado(const std::vector<const char*>& linhas) {
    QStringList out;
    for (const char* l : linhas) out << QString::fromUtf8(l);
    return out;
}

const char* const Obs24 = "ABCDEFGHIJKLMNOPQRSTUVWX";
const char* const Obs20 = "ABCDEFGHIJKLMNOPQRST";
const char* const Controles =
    "Alfa\tBeta\rGama\x1b"
    "Delta Omega";

}  // namespace

TEST(LinhasLivroTest, EntriesBookLines) {
    const ItemIcms tributado = item("1000", "18", "180");
    const struct Caso {
        const char* nome;
        Doc doc;
        std::vector<const char*> linhas;
    } casos[] = {
        {"one taxed item", {{tributado}}, {"ICMS 1|1000|18|180|"}},
        {"base and other", {{item("500", "18", "90", "0", "500")}}, {"ICMS 1|500|18|90|", "ICMS 3|500|0|0|"}},
        {"tax without base", {{item("0", "18", "90", "40")}}, {"ICMS 2|40|0|0|"}},
        {"all zero", {{item("0", "18", "0")}}, {}},
        {"ipi of 8 characters",
         {{tributado}, "1234,56"},
         {"ICMS 1|1000|18|180|IPI=1234,56", "|0|0|0| IE=1234,56"}},
        {"ipi 10000,5", {{}, "10000,5"}, {"|0|0|0|IPI=10000,50", "|0|0|0| IE=10000,50"}},
        {"ipi 0,5", {{}, "0,5"}, {"|0|0|0|IPI=0,50", "|0|0|0| IE=0,50"}},
        {"ipi 100000", {{}, "100000"}, {"|0|0|0|IPI100000,00", "|0|0|0|IE=100000,00"}},
        {"ipi of 9 characters",
         {{tributado}, "12345,67"},
         {"ICMS 1|1000|18|180|IPI=", "|0|0|0|12.345,67", "|0|0|0| IE=", "|0|0|0|12.345,67"}},
        {"at source", {{tributado}, "0", "", "1234,5"}, {"ICMS 1|1000|18|180| IF=1234,50"}},
        {"remark 24, two lines",
         {{tributado, tributado}, "0", Obs24},
         {"ICMS 1|1000|18|180|ABCDEFGHIJKL", "ICMS 1|1000|18|180|MNOPQRSTUVWX"}},
        {"remark 24, one line",
         {{tributado}, "0", Obs24},
         {"ICMS 1|1000|18|180|ABCDEFGHIJKL", "|0|0|0|MNOPQRSTUVWX"}},
        {"remark of words",
         {{tributado}, "0", "Mercadoria para revenda"},
         {"ICMS 1|1000|18|180|Mercadoria", "|0|0|0|para revenda"}},
        {"remark 20, two lines",
         {{tributado, tributado}, "0", Obs20},
         {"ICMS 1|1000|18|180|ABCDEFGHIJKL", "ICMS 1|1000|18|180|MNOPQRST"}},
        {"remark 13, two lines",
         {{tributado, tributado}, "0", "ABCDEFGHIJKLM"},
         {"ICMS 1|1000|18|180|ABCDEFGHIJKL", "ICMS 1|1000|18|180|M"}},
        {"remark 5, two lines",
         {{tributado, tributado}, "0", "ABCDE"},
         {"ICMS 1|1000|18|180|ABCDE", "ICMS 1|1000|18|180|"}},
        {"remark 12, one line", {{tributado}, "0", "ABCDEFGHIJKL"}, {"ICMS 1|1000|18|180|ABCDEFGHIJKL"}},
        {"remark only", {{}, "0", "   nota   "}, {"|0|0|0|   nota   "}},
        // Control characters stored by another program print as blanks, and break the remark as blanks.
        {"remark with control characters",
         {{}, "0", Controles},
         {"|0|0|0|Alfa\tBeta",
          "|0|0|0|Gama\x1b"
          "Delta",
          "|0|0|0|Omega"}},
        {"blank remark", {{}, "0", "     "}, {}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(texto(ExpandeEntrada(documento(c.doc)).linhas, false), esperado(c.linhas)) << c.nome;
}

TEST(LinhasLivroTest, ExitsBookLines) {
    const ItemIcms tributado = item("1000", "18", "180");
    std::vector<ItemIcms> cinco(5, tributado);
    const struct Caso {
        const char* nome;
        Doc doc;
        bool industria;
        std::vector<const char*> linhas;
    } casos[] = {
        {"one slot", {{tributado}}, false, {"ICMS|1000|18|180|0|0|"}},
        {"slots 0 and 2",
         {{tributado, item("0"), item("0", "7", "0", "50")}},
         false,
         {"ICMS|1000|18|180|0|0|", "ICMS|0|7|0|50|0|"}},
        {"tax-only slot", {{item("0", "18", "180")}}, false, {}},
        {"non-industry ipi", {{}, "150,5"}, false, {"|0|0|0|0|0|IPI= 150.5", "|0|0|0|0|0| IE= 150.5"}},
        {"industry ipi",
         {{tributado, tributado}, "150,5"},
         true,
         {"ICMS|1000|18|180|0|0|", "ICMS|1000|18|180|0|0|", "IPI|1000|0|150,5|20|30|"}},
        {"industry, five slots and ipi",
         {cinco, "150,5"},
         true,
         {"ICMS|1000|18|180|0|0|", "ICMS|1000|18|180|0|0|", "ICMS|1000|18|180|0|0|", "ICMS|1000|18|180|0|0|",
          "ICMS|1000|18|180|0|0|", "IPI|1000|0|150,5|20|30|"}},
        {"remark 9, two lines",
         {{tributado, tributado}, "0", "ABCDEFGHI"},
         false,
         {"ICMS|1000|18|180|0|0|ABCDEFGHI", "ICMS|1000|18|180|0|0|"}},
        {"remark 9, one line", {{tributado}, "0", "ABCDEFGHI"}, false, {"ICMS|1000|18|180|0|0|ABCDEFGHI"}},
        {"remark 20, two lines",
         {{tributado, tributado}, "0", Obs20},
         false,
         {"ICMS|1000|18|180|0|0|ABCDEFGHIJKL", "ICMS|1000|18|180|0|0|MNOPQRST"}},
        {"at source", {{tributado}, "0", "", "150"}, false, {"ICMS|1000|18|180|0|0| IF=150,00"}},
        {"ipi, at source and remark",
         {{tributado}, "150,5", "Mercadoria para revenda", "150"},
         false,
         {"ICMS|1000|18|180|0|0|IPI= 150.5", "|0|0|0|0|0| IE= 150.5", "|0|0|0|0|0| IF=150,00",
          "|0|0|0|0|0|Mercadoria", "|0|0|0|0|0|para revenda"}},
        {"industry ipi, at source",
         {{tributado}, "150,5", "", "150"},
         true,
         {"ICMS|1000|18|180|0|0| IF=150,00", "IPI|1000|0|150,5|20|30|"}},
        {"remark with control characters",
         {{tributado}, "0", Controles},
         false,
         {"ICMS|1000|18|180|0|0|Alfa\tBeta",
          "|0|0|0|0|0|Gama\x1b"
          "Delta",
          "|0|0|0|0|0|Omega"}},
        {"ipi, one slot and remark 24",
         {{tributado}, "150,5", Obs24},
         false,
         {"ICMS|1000|18|180|0|0|IPI= 150.5", "|0|0|0|0|0| IE= 150.5", "|0|0|0|0|0|ABCDEFGHIJKL",
          "|0|0|0|0|0|MNOPQRSTUVWX"}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(texto(ExpandeSaida(documento(c.doc), c.industria).linhas, true), esperado(c.linhas))
            << c.nome;
}

TEST(LinhasLivroTest, DocumentTotalsAddRoundedAmounts) {
    // Amounts of four decimals are rounded before they are added: 0,0050 twice is 0,02, not 0,01.
    const DocumentoIcms doc =
        documento({{item("0,005", "18", "0,0049", "0,005", "0,005"),
                    item("0,005", "18", "0,0049", "0,005", "0,005"), item("0", "0", "1")},
                   "5",
                   "",
                   "0,125"});
    const TotaisDocumento esperadoEntrada{m("1234,5"), m("0,02"), m("0"), m("0,02"), m("0,02"), m("0,13")};
    EXPECT_EQ(ExpandeEntrada(doc).totais, esperadoEntrada);
    // The exits count the tax of every slot with a line; the IPI of an industry stays out.
    const TotaisDocumento esperadoSaida{m("1234,5"), m("0,02"), m("0"), m("0,02"), m("0,02"), m("0,13")};
    EXPECT_EQ(ExpandeSaida(doc, true).totais, esperadoSaida);
    DocumentoIcms comImposto = doc;
    comImposto.itens[0].icms = m("0,005");
    EXPECT_EQ(ExpandeSaida(comImposto, false).totais.icms, m("0,01"));
    EXPECT_EQ(ExpandeEntrada(comImposto).totais.icms, m("0,01"));
}

TEST(LinhasLivroTest, RowsPairLinesUnderOneHeader) {
    DocumentoIcms doc = documento({{item("100", "18", "18", "10", "5"), item("100", "18", "18", "10", "5"),
                                    item("100", "18", "18", "10", "5"), item("100", "18", "18", "10", "5"),
                                    item("100", "18", "18", "10", "5")}});
    doc.especie = QStringLiteral("nf");
    doc.serie = QStringLiteral("u");
    doc.docinicial = QStringLiteral("000123");
    doc.docfinal = QStringLiteral("0");
    doc.datalan = QDate(2003, 3, 5);
    const std::vector<LinhaLivro> linhas = ExpandeEntrada(doc).linhas;
    ASSERT_EQ(linhas.size(), 15u);
    const CabecalhoLivro cab = Cabecalho(doc, QStringLiteral("Fornecedor"), QStringLiteral(" "));
    EXPECT_EQ(cab.especie, "NF");
    EXPECT_EQ(cab.serie, "U");
    EXPECT_EQ(cab.docinicial, "123");
    EXPECT_EQ(cab.docfinal, "");
    EXPECT_EQ(cab.vlrcontabil, m("1234,5"));
    struct Row {
        CabecalhoLivro cabecalho;
        LinhaLivro linha0, linha1;
    };
    std::vector<Row> rows;
    LinhasTabela(linhas, cab, [&](const LinhaTabela& l) {
        rows.push_back({l.cabecalho, l.linha0, l.linha1});
    });
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0].cabecalho, cab);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r].cabecalho, CabecalhoContinuacao());
        EXPECT_EQ(rows[r].linha0, linhas[2 * r]);
        EXPECT_EQ(rows[r - 1].linha1, linhas[2 * r - 1]);
    }
    EXPECT_EQ(rows[7].linha1, LinhaComplementar());
    EXPECT_FALSE(CabecalhoContinuacao().datalan.isValid());
    EXPECT_EQ(CabecalhoContinuacao().codfiscal, " ");
    EXPECT_EQ(LinhaComplementar().observ, " ");
}

TEST(LinhasLivroTest, TotalsPerKeyGroupAsTextCompares) {
    TotaisPorChave t;
    t[QStringLiteral("sp")] += TotaisDocumento{m("10"), m("1"), {}, {}, {}, {}};
    t[QStringLiteral("MG")] += TotaisDocumento{m("5"), {}, {}, {}, {}, {}};
    t[QStringLiteral("SP")] += TotaisDocumento{m("20"), m("2"), {}, {}, {}, {}};
    ASSERT_EQ(t.totais().size(), 2u);
    EXPECT_EQ(t.totais()[0].first, "sp");
    EXPECT_EQ(t.totais()[0].second.vcontabil, m("30"));
    EXPECT_EQ(t.totais()[0].second.base, m("3"));
    EXPECT_EQ(t.totais()[1].first, "MG");
}
