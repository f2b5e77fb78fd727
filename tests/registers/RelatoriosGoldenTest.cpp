#include <gtest/gtest.h>

#include "RegistrosFixture.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/ui/Form.h"
#include "registers/frmCodFiscal.h"
#include "support/Golden.h"

using namespace platform::report;

namespace {

class RelatoriosGoldenTest : public RegistrosFixture {
  protected:
    // The whole table as its window prints it.
    template <class W>
    Document TabelaImpressa() {
        W* w = platform::ui::ShowForm<W>();
        EXPECT_NE(w, nullptr);
        testsupport::settle();
        testsupport::click(w, QStringLiteral("cmdImprimir"));
        testsupport::settle();
        const auto previas = Previas();
        EXPECT_EQ(previas.size(), 1u);
        return previas.empty() ? Document() : previas[0];
    }
};

TEST_F(RelatoriosGoldenTest, TheCodeTableUpTo2002) {
    testsupport::expectGolden("CodFiscAte2002", TabelaImpressa<registers::frmCodFiscal>());
}

TEST_F(RelatoriosGoldenTest, TheCodeTableFrom2003) {
    testsupport::expectGolden("CodFisc2003", TabelaImpressa<registers::frmCodFiscal03>());
}

TEST_F(RelatoriosGoldenTest, TheSuppliersOrClientsList) {
    auto layout = layoutRegistry().create(QStringLiteral("ForCliGeral.rpt"));
    ASSERT_NE(layout, nullptr);
    DataSet dados;
    dados.fields = {{QStringLiteral("cgc"), FieldType::Text}, {QStringLiteral("nome"), FieldType::Text}};
    for (int n = 1; n <= 70; ++n)
        dados.rows.push_back(
            {QStringLiteral("11.222.333/%1-81").arg(n, 4, 10, QLatin1Char('0')),
             QStringLiteral("Fornecedor D'Ávila número %1 Comércio e Indústria Ltda").arg(n)});
    PrintValues valores;
    valores.title = QStringLiteral("Fornecedores");
    valores.formulas[QStringLiteral("Titu")] = QStringLiteral("Relação de Fornecedores");
    testsupport::expectGolden("ForCliGeral", buildDocument(*layout, dados, valores));
}

}  // namespace
