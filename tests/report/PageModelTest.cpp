#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ReportTestSupport.h"
#include "platform/report/Fonts.h"
#include "platform/report/ReportLayout.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"
#include "support/Golden.h"

using namespace platform::report;
using namespace reporttest;

namespace {

Document sampleDocument(int rows, std::map<QString, QString> formulas = {}) {
    SampleLayout layout;
    PrintValues values;
    values.formulas = std::move(formulas);
    values.title = QStringLiteral("Amostra");
    return buildDocument(layout, sampleRows(rows), values);
}

const std::map<QString, QString> Heading = {{"empr", "Comércio Exemplo Ltda"},
                                            {"cgc", "12.345.678/0001-95"},
                                            {"ie", "110.042.490.114"},
                                            {"mesano", "03/2011"},
                                            {"nfolha", "14"}};

}  // namespace

TEST(PageModelTest, SampleLayoutMatchesGolden) {
    testsupport::expectGolden("Amostra", sampleDocument(60, Heading));
}

TEST(PageModelTest, AGoldenMismatchShowsOnlyTheLinesThatDiffer) {
    const QStringList golden{"a", "b", "c", "d", "e"};
    EXPECT_TRUE(testsupport::lineDiff(golden, golden).isEmpty());
    EXPECT_EQ(testsupport::lineDiff(golden, {"a", "B", "c", "d", "e", "f"}),
              QStringList({"@@ line 2", "- b", "+ B", "@@ line 6", "+ f"}));
    EXPECT_EQ(testsupport::lineDiff(golden, {"a", "e"}), QStringList({"@@ line 2", "- b", "- c", "- d"}));
}

TEST(PageModelTest, HeadingAndDetailTextsSitAtTheirPlaces) {
    const Document doc = sampleDocument(3, Heading);
    ASSERT_EQ(doc.pages.size(), 1u);
    const Page& page = doc.pages[0];
    const auto company = page.find("Empresa: Comércio Exemplo Ltda");
    ASSERT_EQ(company.size(), 1u);
    EXPECT_DOUBLE_EQ(company[0]->x, 10);
    EXPECT_DOUBLE_EQ(company[0]->y, 16);
    ASSERT_EQ(page.find("Folha: 15").size(), 1u);
    EXPECT_EQ(page.find("Folha: 15")[0]->align, Align::Right);
    const auto lines = page.textLines();
    EXPECT_TRUE(
        lines.contains("CNPJ: 12.345.678/0001-95 Inscrição Estadual: 110.042.490.114 Período: 03/2011"));
    EXPECT_TRUE(lines.contains("0002 Cliente 2 21,00 Não"));
    // The detail rows follow one another at the band's height.
    const auto first = page.find("0001"), second = page.find("0002");
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_DOUBLE_EQ(second[0]->y - first[0]->y, 5);
    EXPECT_TRUE(lines.contains("Registros: 3 Total geral: 63,00"));
}

TEST(PageModelTest, PagesBreakAndNumberFromTheLastPagePrinted) {
    const Document doc = sampleDocument(100, Heading);
    ASSERT_EQ(doc.pages.size(), 3u);
    EXPECT_EQ(doc.pages[0].number, 15);
    EXPECT_EQ(doc.pages[2].number, 17);
    EXPECT_EQ(doc.pages[1].find("Folha: 16").size(), 1u);
    // Every row lands on exactly one page, and nothing runs into the page footer.
    int details = 0;
    for (const Page& p : doc.pages) {
        for (const TextItem& t : p.texts) {
            if (t.text.startsWith("Cliente ")) {
                ++details;
                EXPECT_LE(t.y + t.height, 297 - 10 - 8 + 1e-9);
            }
        }
    }
    EXPECT_EQ(details, 100);
    // Page totals carry: the second page starts from what the first one ended with.
    const QStringList first = doc.pages[0].textLines();
    const QStringList second = doc.pages[1].textLines();
    const QString carried = first.filter("A transportar: ").value(0).section("A transportar: ", 1);
    ASSERT_FALSE(carried.isEmpty());
    EXPECT_TRUE(second.contains("Transporte: " + carried)) << second.join('\n').toStdString();
    EXPECT_TRUE(doc.pages[2].textLines().contains("Registros: 100 Total geral: 53.025,00"));
}

TEST(PageModelTest, PagesCountFromOneWithoutAStartNumber) {
    const Document doc = sampleDocument(60);
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.pages[0].number, 1);
    EXPECT_EQ(doc.pages[1].find("Folha: 2").size(), 1u);
    // A formula not set shows the layout's design text.
    EXPECT_EQ(doc.pages[0].find("LISTAGEM DE AMOSTRA").size(), 1u);
    EXPECT_EQ(doc.pages[0].find("Empresa: ").size(), 1u);
}

TEST(PageModelTest, FormulaAndSelectionApply) {
    SampleLayout layout;
    PrintValues values;
    values.formulas["titu"] = "Clientes \"ativos\"";
    values.selection = SelectionFormula::parse("{Amostra.ativo} = True and {Amostra.valor} > 50");
    ASSERT_TRUE(values.selection);
    const Document doc = buildDocument(layout, sampleRows(10), values);
    const QStringList lines = doc.pages[0].textLines();
    EXPECT_TRUE(lines.contains("Clientes \"ativos\""));
    // Odd codes above 50,00: 5, 7 and 9.
    EXPECT_TRUE(lines.contains("Registros: 3 Total geral: 220,50")) << lines.join('\n').toStdString();
    EXPECT_TRUE(doc.pages[0].find("0003").empty());
    EXPECT_EQ(doc.pages[0].find("0007").size(), 1u);
}

TEST(PageModelTest, FieldTextIsCutAtItsBox) {
    ReportLayout layout;
    layout.detail.height = 5;
    layout.detail.field(10, 0, 15, 5, "nome", FontSpec::sans(9));
    DataSet data;
    data.fields = {{"nome", FieldType::Text}};
    data.rows = {{QString("Um nome muito comprido para a coluna")}};
    const Document doc = buildDocument(layout, data, {});
    ASSERT_EQ(doc.pages[0].texts.size(), 1u);
    const TextItem& t = doc.pages[0].texts[0];
    EXPECT_TRUE(QString("Um nome muito comprido para a coluna").startsWith(t.text));
    EXPECT_LT(t.text.size(), 20);
    EXPECT_LE(reportFonts().widthMm(t.text, t.font), 15.0);
}

// A value reaches paper without control characters, each a blank, a mask never typed prints nothing
// and a mask partly typed prints its prompts as blanks; the layout's own texts print as written.
// A value prints its control characters as blanks; only a masked field's value (a CNPJ, a CEP) prints
// its unfilled prompts as blanks, and nothing when never typed: free text prints its "_" as typed.
TEST(PageModelTest, ValuesPrintWithoutControlCharactersAndOnlyMaskedOnesWithoutPrompts) {
    const struct {
        QString valor, livre, mascarado;
    } casos[] = {
        {QString("Nome\tcom\rtab e\x1b escape"), "Nome com tab e  escape", "Nome com tab e  escape"},
        {"Linha um\r\nLinha dois", "Linha um  Linha dois", "Linha um  Linha dois"},
        {"__.___.____-__", "__.___.____-__", ""},
        {"_____-__", "_____-__", ""},
        {"12.345.___-__", "12.345.___-__", "12.345.   -"},
        {"R.G.: 12.345.678-_", "R.G.: 12.345.678-_", "R.G.: 12.345.678-"},
        {"C.R.C.: 1SP123455/_-_ em 1999", "C.R.C.: 1SP123455/_-_ em 1999", "C.R.C.: 1SP123455/ -  em 1999"},
        {"C.P.F.: ___.___.___-__", "C.P.F.: ___.___.___-__", "C.P.F.:"},
        {"____ de ______ de 2011 NOME_FANTASIA", "____ de ______ de 2011 NOME_FANTASIA",
         "____ de ______ de 2011 NOME_FANTASIA"},
        {"www.paulista_ferragens.com.br", "www.paulista_ferragens.com.br", "www.paulista ferragens.com.br"},
        {"S/N", "S/N", "S/N"},
    };
    ReportLayout layout;
    layout.declareFormula("f");
    layout.detail.height = 5;
    layout.detail.field(10, 0, 100, 5, "nome", FontSpec::sans(9))
        .formula(10, 5, 100, 5, "f", FontSpec::sans(9))
        .field(10, 10, 100, 5, "cep", FontSpec::sans(9))
        .masked()
        .text(120, 0, 40, 5, "____________", FontSpec::sans(9));
    DataSet data;
    data.fields = {{"nome", FieldType::Text}, {"cep", FieldType::Text}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor.toStdString());
        data.rows = {{c.valor, c.valor}};
        PrintValues valores;
        valores.formulas["f"] = c.valor;
        const Page page = buildDocument(layout, data, valores).pages[0];
        QStringList impressos{c.livre, c.livre, c.mascarado, "____________"};
        impressos.removeAll(QString());
        for (const QString& t : impressos)
            EXPECT_EQ(qsizetype(page.find(t).size()), impressos.count(t)) << t.toStdString();
        EXPECT_EQ(qsizetype(page.texts.size()), impressos.size());
    }
}

TEST(PageModelTest, GroupsPrintHeadersAndFootersWithGroupTotals) {
    ReportLayout layout;
    layout.sums.push_back({"v", "v"});
    GroupBand g;
    g.field = "uf";
    g.header.height = 5;
    g.header.field(10, 0, 20, 5, "uf", FontSpec::sans(9, true));
    g.footer.height = 5;
    g.footer.computed(10, 0, 60, 5, FontSpec::sans(9), Align::Left, [](const ReportContext& c) {
        return "Total " + platform::values::Format(c.sum("v", SumScope::Group), u"#0.00");
    });
    layout.groups.push_back(g);
    layout.detail.height = 5;
    layout.detail.field(10, 0, 20, 5, "v", FontSpec::sans(9), Align::Left, "#0.00");
    DataSet data;
    data.fields = {{"uf", FieldType::Text}, {"v", FieldType::Currency}};
    using platform::values::Currency;
    data.rows = {{QString("PR"), Currency::fromUnits(1)},
                 {QString("PR"), Currency::fromUnits(2)},
                 {QString("SP"), Currency::fromUnits(5)}};
    const QStringList lines = buildDocument(layout, data, {}).pages[0].textLines();
    EXPECT_EQ(lines, QStringList({"PR", "1,00", "2,00", "Total 3,00", "SP", "5,00", "Total 5,00"}));
    // Rows let go as they print leave the same pages: the group footers still see the row before,
    // the summary the last row, across page breaks.
    layout.summary.height = 5;
    layout.summary.field(10, 0, 20, 5, "uf", FontSpec::sans(9));
    layout.marginTop = layout.marginBottom = 140;
    const Document kept = buildDocument(layout, data, {});
    ASSERT_GT(kept.pages.size(), 2u);
    EXPECT_EQ(dump(buildDocument(layout, DataSet(data), {})), dump(kept));
}

TEST(PageModelTest, LabelsRepeatTheirDetailsWithoutData) {
    ReportLayout layout;
    layout.declareFormula("L0");
    layout.declareTextObject("Rodape", "padrão");
    layout.detail.height = 20;
    layout.detail.formula(10, 0, 90, 5, "L0", FontSpec::sans(9))
        .textObject(10, 6, 90, 5, "Rodape", FontSpec::sans(9));
    PrintValues values;
    values.formulas["L0"] = "Etiqueta";
    values.detailCopies = 40;
    const Document doc = buildDocument(layout, {}, values);
    int labels = 0;
    for (const Page& p : doc.pages) labels += static_cast<int>(p.find("Etiqueta").size());
    EXPECT_EQ(labels, 40);
    EXPECT_EQ(doc.pages.size(), 4u);  // 13 labels of 20 mm fit on a page of 277 mm
    EXPECT_EQ(doc.pages[0].find("padrão").size(), 13u);
}

TEST(FontsTest, MissingFontFolderIsAnErrorNamingTheFile) {
    QTemporaryDir empty;
    try {
        ReportFonts fonts(empty.path());
        FAIL() << "fonts loaded from an empty folder";
    } catch (const platform::values::RuntimeError& e) {
        EXPECT_TRUE(e.description().contains("LiberationSans-Regular.ttf")) << e.description().toStdString();
    }
    // The fonts of the test binary are still the ones loaded.
    EXPECT_NE(ReportFonts::current(), nullptr);
}

TEST(FontsTest, MonoPitchGivesTheCharactersPerInch) {
    const double ten = reportFonts().widthMm(QString(10, 'X'), FontSpec::monoPitch(10));
    const double seventeen = reportFonts().widthMm(QString(17, 'X'), FontSpec::monoPitch(17));
    // Within half a percent: the faces are measured as their outlines give, not forced to the pitch.
    EXPECT_NEAR(ten, 25.4, 0.13);
    EXPECT_NEAR(seventeen, 25.4, 0.13);
}
