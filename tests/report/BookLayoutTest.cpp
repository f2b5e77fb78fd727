#include <gtest/gtest.h>

#include <QRegularExpression>

#include "ReportTestSupport.h"
#include "platform/report/ColumnTable.h"
#include "platform/values/Vb.h"
#include "support/Golden.h"

using namespace platform::report;
using platform::values::Currency;
using namespace reporttest;

namespace {

const QString Money = QStringLiteral("###,###,##0.00");
const QString Fiscal = QString::fromUtf8("ICMS – VALORES FISCAIS");

QString money(Currency c) { return platform::values::Format(c, Money); }

// A book of the shape of the entries book: a column table under a two-row heading, groups by state
// and CFOP with their totals, the total carried from page to page, then a summary section and a
// remarks section.
class BookLayout : public ReportLayout {
  public:
    explicit BookLayout(const TableForm& form) {
        pageSize = form.page;
        const QString documento = QStringLiteral("DOCUMENTO FISCAL");
        const ColumnTable table(
            {Column("Data", "data", 18, 10).grouped(documento),
             Column("Número", "numero", 16, 8).grouped(documento).aligned(Align::Right),
             Column("Emitente", "emitente", 70, 30), Column("UF", "uf", 8, 2), Column("CFOP", "cfop", 12, 5),
             Column("Valor\nContábil", "valor", 28, 14).aligned(Align::Right).formatted(Money).totalled(),
             Column("Base de\nCálculo", "base", 28, 14)
                 .grouped(Fiscal)
                 .aligned(Align::Right)
                 .formatted(Money)
                 .zeroBlank()
                 .totalled(),
             Column("Imposto\nCreditado", "icms", 24, 12)
                 .grouped(Fiscal)
                 .aligned(Align::Right)
                 .formatted(Money)
                 .zeroBlank()
                 .totalled()},
            form);
        pageHeader.height = 8;
        pageHeader.text(form.leftMm, 1, table.right() - form.leftMm, 6, "REGISTRO DE ENTRADAS", form.head,
                        Align::Center);
        table.header(columnHeader);
        table.totals(columnHeader, "Transporte", TotalOf::BroughtForward);
        table.detail(detail);
        table.declareSums(sums);
        GroupBand uf{"uf", {}, {}}, cfop{"cfop", {}, {}};
        table.totals(cfop.footer, "Total do CFOP", TotalOf::Group, 1);
        table.totals(uf.footer, "Total da UF", TotalOf::Group, 0);
        groups.push_back(std::move(uf));
        groups.push_back(std::move(cfop));
        table.totals(pageFooter, "A transportar", TotalOf::CarriedForward);
        table.totals(summary, "Total geral", TotalOf::Body);

        Section resumo;
        resumo.query = "resumo";
        resumo.header.text(form.leftMm, 2, 100, 5, "RESUMO POR CFOP", form.head);
        resumo.header.height = 8;
        const ColumnTable porCfop(
            {Column("CFOP", "cfop", 20, 8),
             Column("Valor Contábil", "valor", 40, 20).aligned(Align::Right).formatted(Money).totalled()},
            form);
        porCfop.header(resumo.columnHeader);
        porCfop.detail(resumo.detail);
        porCfop.declareSums(resumo.sums);
        porCfop.totals(resumo.footer, "Total do resumo", TotalOf::Body);
        resumo.noRows.text(form.leftMm, 0, 100, 5, "SEM RESUMO", form.body);
        resumo.noRows.height = 5;
        sections.push_back(std::move(resumo));

        Section notas;
        notas.query = "notas";
        declareFormula("semnotas");
        notas.printWhen = [](const ReportContext& c) { return c.formula("semnotas") != "1"; };
        notas.header.text(form.leftMm, 2, 100, 5, "OBSERVAÇÕES", form.head);
        notas.header.height = 8;
        notas.detail.field(form.leftMm, 0, 60, 4, "texto", form.body).wrap();
        notas.detail.height = 4;
        notas.footer.text(form.leftMm, 0, 60, 4, "FIM DAS OBSERVAÇÕES", form.body);
        notas.footer.height = 4;
        notas.noRows.text(form.leftMm, 0, 100, 5, "SEM OBSERVAÇÕES", form.body);
        notas.noRows.height = 5;
        sections.push_back(std::move(notas));
    }
};

// `count` documents: the first 30 from MG (CFOP 1.102, then 1.403 from the 21st), the rest from SP
// (2.102); every fifth document has no ICMS.
DataSet documents(int count) {
    DataSet d;
    d.fields = {{"data", FieldType::Text},     {"numero", FieldType::Text},  {"emitente", FieldType::Text},
                {"uf", FieldType::Text},       {"cfop", FieldType::Text},    {"valor", FieldType::Currency},
                {"base", FieldType::Currency}, {"icms", FieldType::Currency}};
    for (int n = 1; n <= count; ++n) {
        const bool semIcms = n % 5 == 0;
        d.rows.push_back(
            {QStringLiteral("%1/03/2011").arg(1 + n % 28, 2, 10, QLatin1Char('0')), QString::number(1000 + n),
             QStringLiteral("Fornecedor %1 Ltda").arg(n), n <= 30 ? "MG" : "SP",
             n <= 20   ? "1.102"
             : n <= 30 ? "1.403"
                       : "2.102",
             Currency::fromRaw(n * 100000LL), semIcms ? Currency() : Currency::fromRaw(n * 100000LL),
             semIcms ? Currency() : Currency::fromRaw(n * 18000LL)});
    }
    return d;
}

DataSet summaryRows() {
    DataSet d;
    d.fields = {{"cfop", FieldType::Text}, {"valor", FieldType::Currency}};
    d.rows = {{QStringLiteral("1.102"), Currency::fromRaw(2100000000LL)},
              {QStringLiteral("2.102"), Currency::fromRaw(1000000LL)}};
    return d;
}

DataSet notes(std::vector<QString> texts) {
    DataSet d;
    d.fields = {{"texto", FieldType::Text}};
    for (auto& t : texts) d.rows.push_back({t});
    return d;
}

const QString ThreeLines = QStringLiteral(
    "Notas fiscais de entrada escrituradas conforme o regulamento do imposto, com os créditos "
    "apropriados no mês e a observação de que nada mais consta");

Document book(const TableForm& form, int rows, std::vector<DataSet> sections,
              std::map<QString, QString> formulas = {}) {
    BookLayout layout(form);
    PrintValues values;
    values.formulas = std::move(formulas);
    values.title = QStringLiteral("Livro de Entrada");
    return buildDocument(layout, documents(rows), values, sections);
}

QStringList allLines(const Document& doc) {
    QStringList lines;
    for (const Page& p : doc.pages) lines << p.textLines();
    return lines;
}

Currency total(const DataSet& d, int field, std::size_t from, std::size_t to) {
    Currency sum;
    for (std::size_t r = from; r < to; ++r) sum += std::get<Currency>(d.rows[r][std::size_t(field)]);
    return sum;
}

}  // namespace

TEST(BookLayoutTest, OneColumnTableLaysOutBothFormsAsTheirGoldenFiles) {
    const std::vector<DataSet> sections{summaryRows(), notes({ThreeLines})};
    testsupport::expectGolden("LivroA4", book(TableForm::A4Landscape(), 50, sections));
    testsupport::expectGolden("LivroContinuo", book(TableForm::ContinuousForm(), 50, sections));
}

TEST(BookLayoutTest, ColumnsAndHeadingsSitWhereTheFormPutsThem) {
    const Document a4 = book(TableForm::A4Landscape(), 3, {});
    const Page& p = a4.pages[0];
    // The group caption spans its two columns; the two-row captions split over the rows.
    const auto group = p.find("DOCUMENTO FISCAL");
    ASSERT_EQ(group.size(), 1u);
    EXPECT_DOUBLE_EQ(group[0]->x, 10);
    EXPECT_DOUBLE_EQ(group[0]->width, 18 + 1.5 + 16);
    ASSERT_EQ(p.find("Valor").size(), 1u);
    EXPECT_GT(p.find("Contábil")[0]->y, p.find("Valor")[0]->y);
    EXPECT_LT(group[0]->y, p.find("Data")[0]->y);
    const auto bottom = [&p](const char* text) { return p.find(text)[0]->y + p.find(text)[0]->height; };
    // Captions are centred in the heading's height, or under their group caption.
    const auto centre = [&p](const char* text) { return p.find(text)[0]->y + p.find(text)[0]->height / 2; };
    EXPECT_DOUBLE_EQ(centre("Emitente"), (p.find("Valor")[0]->y + bottom("Contábil")) / 2);
    const double headingBottom = 2 * centre("Emitente") - group[0]->y;
    EXPECT_DOUBLE_EQ(centre("Data"), (group[0]->y + group[0]->height + headingBottom) / 2);

    const Document continuo = book(TableForm::ContinuousForm(), 3, {});
    EXPECT_EQ(continuo.pageSize, PageSize::ContinuousForm());
    const Page& q = continuo.pages[0];
    // Ten characters of the free-text date column, two blanks before the number (a free text may run
    // half a blank into the first), whose box reaches half a blank back into them.
    EXPECT_NEAR(q.find("1001")[0]->x, 10 + 11.5 * 25.4 / 17, 1e-9);
    EXPECT_EQ(q.find("1001")[0]->font, FontSpec::monoPitch(17));
}

TEST(BookLayoutTest, GroupTotalsAtTwoLevelsCarriedTotalsAndZeroFieldsLeftBlank) {
    const DataSet d = documents(50);
    const Document doc = book(TableForm::A4Landscape(), 50, {});
    ASSERT_GE(doc.pages.size(), 2u);
    const QStringList lines = allLines(doc);
    const auto totalLine = [&](const QString& label, std::size_t from, std::size_t to) {
        return label + u' ' + money(total(d, 5, from, to)) + u' ' + money(total(d, 6, from, to)) + u' ' +
               money(total(d, 7, from, to));
    };
    EXPECT_TRUE(lines.contains(totalLine("Total do CFOP", 0, 20))) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains(totalLine("Total do CFOP", 20, 30)));
    EXPECT_TRUE(lines.contains(totalLine("Total da UF", 0, 30)));
    EXPECT_TRUE(lines.contains(totalLine("Total da UF", 30, 50)));
    EXPECT_TRUE(lines.contains(totalLine("Total geral", 0, 50)));
    // The first page's foot carries what its rows add up to.
    std::size_t onFirst = 0;
    for (const QString& l : doc.pages[0].textLines())
        if (l.contains(" Fornecedor ")) ++onFirst;
    ASSERT_GT(onFirst, 0u);
    EXPECT_EQ(doc.pages[0].textLines().last(), totalLine("A transportar", 0, onFirst));
    EXPECT_FALSE(lines.filter("Transporte").isEmpty());
    EXPECT_EQ(lines.filter("Transporte"), QStringList{totalLine("Transporte", 0, onFirst)});
    // Document 5 has no ICMS: its line ends at its accounting value, without "0,00".
    const int i = lines.indexOf(QRegularExpression("^06/03/2011 1005 .*"));
    ASSERT_GE(i, 0);
    EXPECT_TRUE(lines[i].endsWith("Fornecedor 5 Ltda MG 1.102 50,00")) << lines[i].toStdString();
}

TEST(BookLayoutTest, SectionsPrintTheirRowsOrTheirNoRowsBand) {
    const QStringList withRows =
        allLines(book(TableForm::A4Landscape(), 3, {summaryRows(), notes({"Uma nota"})}));
    const int resumo = withRows.indexOf("RESUMO POR CFOP");
    ASSERT_GE(resumo, 0);
    EXPECT_EQ(withRows.mid(resumo + 1, 4), QStringList({"CFOP Valor Contábil", "1.102 210.000,00",
                                                        "2.102 100,00", "Total do resumo 210.100,00"}));
    EXPECT_FALSE(withRows.contains("SEM OBSERVAÇÕES"));
    EXPECT_TRUE(withRows.contains("Uma nota"));
    // The summary of the main detail prints last and keeps the main detail's total.
    EXPECT_TRUE(withRows.contains("Total geral 60,00 60,00 10,80"));

    // A section longer than a page repeats its own column header, not the main one, on the next page.
    DataSet many = summaryRows();
    many.rows.assign(50, many.rows[1]);
    const Document longer = book(TableForm::A4Landscape(), 3, {many});
    ASSERT_EQ(longer.pages.size(), 2u);
    const QStringList second = longer.pages[1].textLines();
    EXPECT_EQ(second.value(1), "CFOP Valor Contábil");
    EXPECT_EQ(second.value(2), "2.102 100,00");
    EXPECT_FALSE(second.join(' ').contains("DOCUMENTO FISCAL"));

    const QStringList without = allLines(book(TableForm::A4Landscape(), 3, {}));
    EXPECT_TRUE(without.contains("SEM RESUMO"));
    EXPECT_TRUE(without.contains("SEM OBSERVAÇÕES"));
    EXPECT_FALSE(without.contains("Total do resumo 0,00"));
    // A section may start on a page of its own.
    BookLayout apart(TableForm::A4Landscape());
    apart.sections[0].newPage = true;
    const Document twoPages = buildDocument(apart, documents(3), PrintValues{}, {summaryRows()});
    ASSERT_EQ(twoPages.pages.size(), 2u);
    EXPECT_EQ(twoPages.pages[1].textLines().value(1), "RESUMO POR CFOP");

    // A section the print's flag turns off prints nothing at all.
    const QStringList off = allLines(book(TableForm::A4Landscape(), 3, {}, {{"semnotas", "1"}}));
    EXPECT_TRUE(off.contains("SEM RESUMO"));
    EXPECT_FALSE(off.contains("OBSERVAÇÕES"));
    EXPECT_FALSE(off.contains("SEM OBSERVAÇÕES"));
}

TEST(BookLayoutTest, AWrappedTextOfThreeLinesPushesTheNextBand) {
    const Document doc = book(TableForm::A4Landscape(), 3, {summaryRows(), notes({ThreeLines, "Segunda"})});
    const Page& p = doc.pages.back();
    const QStringList lines = p.textLines();
    const int first = lines.indexOf(QRegularExpression("^Notas fiscais .*"));
    ASSERT_GE(first, 0);
    EXPECT_EQ(QStringList(lines.mid(first, 3)).join(' '), ThreeLines);
    EXPECT_EQ(lines.value(first + 3), "Segunda");
    const auto top = p.find(lines[first]);
    const auto next = p.find("Segunda");
    ASSERT_EQ(top.size(), 1u);
    ASSERT_EQ(next.size(), 1u);
    EXPECT_DOUBLE_EQ(next[0]->y - top[0]->y, 3 * 4);
    EXPECT_DOUBLE_EQ(p.find("FIM DAS OBSERVAÇÕES")[0]->y - next[0]->y, 4);
}

// The layout's check finds every value, caption or label its element would cut, on both forms.
TEST(BookLayoutFitTest, TheCheckNamesWhatAColumnTooNarrowWouldCut) {
    const QString widest = QStringLiteral("-99.999.999.999,99");
    const auto layout = [&](double mm, int chars, const QString& caption, const TableForm& form) {
        ReportLayout l;
        l.pageSize = form.page;
        const ColumnTable t({Column("Emitente", "nome", 30, 12),
                             Column(caption, "valor", mm, chars).widest(widest).formatted(Money).totalled()},
                            form);
        t.header(l.columnHeader);
        t.detail(l.detail);
        t.totals(l.summary, "Total", TotalOf::Body);
        // What is cut, without the measures.
        QStringList cut;
        for (const QString& line : cutTexts(l))
            cut << line.section(QStringLiteral(" needs"), 0, 0).section(QStringLiteral(" ends"), 0, 0);
        return cut;
    };
    const struct {
        const char* caso;
        double mm;
        int chars;
        const char* caption;
        TableForm form;
        QStringList cut;
    } casos[] = {
        {"A4, wide enough", 23, 0, "Valor", TableForm::A4Landscape(), {}},
        {"A4, a millimetre short",
         21,
         0,
         "Valor",
         TableForm::A4Landscape(),
         {"detail: \"-99.999.999.999,99\"", "summary: \"-99.999.999.999,99\""}},
        {"A4, a caption too wide",
         23,
         0,
         "Valor Contábil do Documento",
         TableForm::A4Landscape(),
         {"column header: \"Valor Contábil do Documento\""}},
        {"continuous, 18 characters", 0, 18, "Valor", TableForm::ContinuousForm(), {}},
        {"continuous, 17 characters",
         0,
         17,
         "Valor",
         TableForm::ContinuousForm(),
         {"detail: \"-99.999.999.999,99\"", "summary: \"-99.999.999.999,99\""}},
        {"continuous, beyond the page",
         0,
         150,
         "Valor",
         TableForm::ContinuousForm(),
         {"column header: a rule", "column header: \"Valor\"", "column header: a rule",
          "detail: \"-99.999.999.999,99\"", "summary: \"-99.999.999.999,99\""}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(layout(c.mm, c.chars, c.caption, c.form), c.cut)
            << c.caso << ": " << layout(c.mm, c.chars, c.caption, c.form).join(" | ").toStdString();
    }
}

// An amount aligned right before a code aligned left, or a free text before a registration, keep the
// form's meeting gap; the check names two texts that would come closer.
TEST(BookLayoutFitTest, TextsThatMeetKeepAVisibleGap) {
    const auto juntos = [](TableForm form) {
        ReportLayout l;
        l.pageSize = form.page;
        ColumnTable({Column("Valor", "valor", 23, 18).widest("-99.999.999.999,99").aligned(Align::Right),
                     Column("CFOP", "cfop", 9, 6).widest("9.99.9"), Column("Emitente", "nome", 30, 12),
                     Column("CNPJ", "cgc", 23, 18).widest("99.999.999/9999-99")},
                    form)
            .detail(l.detail);
        return crowdedTexts(l).size();
    };
    TableForm colado = TableForm::A4Landscape();
    colado.gapMm = colado.meetingGapMm = 1;
    for (const auto& [form, esperados] : {std::pair{TableForm::A4Landscape(), 0}, std::pair{colado, 2},
                                          std::pair{TableForm::ContinuousForm(), 0}})
        EXPECT_EQ(juntos(form), esperados) << form.page.name.toStdString();
}

// A section's heading never stands alone at a page's foot, wherever the main detail ends; a free
// text longer than its column goes on under itself.
TEST(BookLayoutTest, ASectionHeadingGoesToTheNextPageWithItsFirstRow) {
    for (int rows = 20; rows <= 60; ++rows) {
        const Document doc = book(TableForm::A4Landscape(), rows, {summaryRows(), notes({"Uma nota"})});
        for (const Page& p : doc.pages) {
            const QStringList lines = p.textLines();
            if (lines.contains("RESUMO POR CFOP")) {
                EXPECT_TRUE(lines.contains("1.102 210.000,00")) << rows;
            }
            if (lines.contains("OBSERVAÇÕES")) {
                EXPECT_TRUE(lines.contains("Uma nota")) << rows;
            }
        }
    }
    BookLayout layout(TableForm::A4Landscape());
    DataSet d = documents(2);
    d.rows[0][2] = QStringLiteral("Comércio de Produtos Alimentícios do Norte e do Nordeste Limitada");
    const Page page = buildDocument(layout, d, PrintValues{}).pages[0];
    const auto first = page.find("Comércio de Produtos Alimentícios do Norte e do Nordeste");
    ASSERT_EQ(first.size(), 1u);
    const auto rest = page.find("Limitada");
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_DOUBLE_EQ(rest[0]->y - first[0]->y, 4);
    EXPECT_DOUBLE_EQ(page.find("1002")[0]->y - first[0]->y, 8);
}
