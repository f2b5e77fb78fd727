#include "ReportTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/report/BookHeading.h"
#include "platform/report/Fonts.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/values/Vb.h"

using namespace platform::report;
using platform::values::Currency;

namespace reporttest {

namespace {

// The report fonts are loaded once for the whole test binary, from the build's own copies.
class FontsEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { fonts_ = std::make_unique<ReportFonts>(QStringLiteral(RT_FONTS_DIR)); }
    void TearDown() override { fonts_.reset(); }

  private:
    std::unique_ptr<ReportFonts> fonts_;
};

[[maybe_unused]] ::testing::Environment* const fontsEnvironment =
    ::testing::AddGlobalTestEnvironment(new FontsEnvironment);

QString money(const ReportContext& c, const QString& sum, SumScope scope) {
    return platform::values::Format(c.sum(sum, scope), u"###,###,##0.00");
}

}  // namespace

SampleLayout::SampleLayout() {
    table = QStringLiteral("Amostra");
    query = QStringLiteral("SELECT codigo, nome, valor, ativo FROM Amostra ORDER BY codigo");
    declareFormula(QStringLiteral("Titu"), QStringLiteral("LISTAGEM DE AMOSTRA"));
    sums.push_back({QStringLiteral("valor"), QStringLiteral("valor")});

    BookHeading heading;
    heading.title = QStringLiteral("LIVRO DE AMOSTRA");
    addBookHeading(*this, heading, 10, 200);
    pageHeader.formula(10, pageHeader.height, 190, 5, QStringLiteral("Titu"), FontSpec::sans(10, true),
                       Align::Center);
    pageHeader.height += 6;

    const FontSpec head = FontSpec::sans(9, true);
    const FontSpec body = FontSpec::sans(9);
    columnHeader.height = 12;
    // From the second page on, the total carried from the pages before.
    columnHeader.computed(110, 0, 90, 5, body, Align::Right, [](const ReportContext& c) {
        return c.printedRows() == 0 ? QString()
                                    : QStringLiteral("Transporte: ") + money(c, "valor", SumScope::Carried);
    });
    columnHeader.text(10, 5, 20, 5, QStringLiteral("Código"), head)
        .text(32, 5, 100, 5, QStringLiteral("Nome"), head)
        .text(134, 5, 40, 5, QStringLiteral("Valor"), head, Align::Right)
        .text(178, 5, 22, 5, QStringLiteral("Ativo"), head, Align::Center)
        .line(10, 11, 200, 11);

    detail.height = 5;
    detail.field(10, 0, 20, 5, QStringLiteral("codigo"), body)
        .field(32, 0, 100, 5, QStringLiteral("nome"), body)
        .field(134, 0, 40, 5, QStringLiteral("valor"), body, Align::Right, QStringLiteral("###,###,##0.00"))
        .field(178, 0, 22, 5, QStringLiteral("ativo"), body, Align::Center, QStringLiteral("Sim;Não"));

    pageFooter.height = 8;
    pageFooter.line(10, 1, 200, 1)
        .computed(10, 2, 90, 5, body, Align::Left,
                  [](const ReportContext& c) {
                      return QStringLiteral("Total da página: ") + money(c, "valor", SumScope::Page);
                  })
        .computed(110, 2, 90, 5, body, Align::Right, [](const ReportContext& c) {
            return QStringLiteral("A transportar: ") +
                   platform::values::Format(
                       c.sum("valor", SumScope::Carried) + c.sum("valor", SumScope::Page), u"###,###,##0.00");
        });

    summary.height = 12;
    summary.line(10, 1, 200, 1)
        .computed(10, 2, 90, 5, head, Align::Left,
                  [](const ReportContext& c) { return QStringLiteral("Registros: %1").arg(c.printedRows()); })
        .computed(110, 2, 90, 5, head, Align::Right, [](const ReportContext& c) {
            return QStringLiteral("Total geral: ") + money(c, "valor", SumScope::Report);
        });
}

void registerSample() { layoutRegistry().add<SampleLayout>(SampleName); }

DataSet sampleRows(int count) {
    DataSet data;
    data.fields = {{QStringLiteral("codigo"), FieldType::Text},
                   {QStringLiteral("nome"), FieldType::Text},
                   {QStringLiteral("valor"), FieldType::Currency},
                   {QStringLiteral("ativo"), FieldType::Boolean}};
    for (int n = 1; n <= count; ++n)
        data.rows.push_back({QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')),
                             QStringLiteral("Cliente %1").arg(n), Currency::fromRaw(n * 105000LL),
                             n % 2 == 1});
    return data;
}

}  // namespace reporttest
