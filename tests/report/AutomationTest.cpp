#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "ReportTestSupport.h"
#include "platform/report/Automation.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Form.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "support/MessageScript.h"

using namespace platform::report;
using namespace reporttest;
using platform::values::Currency;

namespace {

class AutomationTest : public ::testing::Test {
  protected:
    void SetUp() override { registerSample(); }
    void TearDown() override {
        platform::ui::destroyAllForms();
        platform::ui::resetPointer();
    }

    // The register prints' sequence: rows into a data source, formulas, then the preview in the
    // shared host under `caption`.
    bool print(int rows, const QString& titu, const QString& caption) {
        platform::ui::setHourglass();
        Application application;
        std::unique_ptr<Report> report = application.OpenReport("/programa/Amostra.rpt");
        if (!report) return false;
        DatabaseTable& table = report->Database().Tables().item(1);
        CrystalDataObject source;
        source.AddField("codigo", FieldType::Text);
        source.AddField("nome", FieldType::Text);
        source.AddField("valor", FieldType::Currency);
        source.AddField("ativo", FieldType::Boolean);
        std::vector<std::vector<Value>> array;
        for (int n = 1; n <= rows; ++n)
            array.push_back({QString::number(n), QString("Nome %1").arg(n), Currency::fromUnits(n), Value{}});
        source.AddRows(array);
        table.SetPrivateData(3, source);
        report->FormulaFields().item("Titu").Text = "\"" + titu + "\"";
        report->PrintWindowOptions().hasPrintSetupButton = true;
        report->PrintWindowOptions().hasRefreshButton = true;
        frmRelatorio* host = frmRelatorio::ShowShared();
        host->setCaption(caption);
        platform::ui::resetPointer();
        return report->Preview("", 1, 1, 0, 0, WindowStyleMaximized, host);
    }

    platform::ui::SimpleMdiHost mdi;
};

}  // namespace

TEST_F(AutomationTest, PrintEndsInThePreviewOfTheSharedHost) {
    ASSERT_TRUE(print(2, "Cadastro \"geral\"", "Cadastro de Usuário"));
    frmRelatorio* host = frmRelatorio::shared();
    ASSERT_EQ(host->previews().size(), 1u);
    const Document& doc = host->previews()[0]->document();
    const QStringList lines = doc.pages[0].textLines();
    EXPECT_TRUE(lines.contains("Cadastro \"geral\""));
    // A true/false value handed over as null prints as false.
    EXPECT_TRUE(lines.contains("1 Nome 1 1,00 Não")) << lines.join('\n').toStdString();
    EXPECT_EQ(host->subWindow()->mdiArea(), mdi.mdiArea());
    EXPECT_FALSE(platform::ui::hourglassShown());
}

TEST_F(AutomationTest, TwoPrintsGiveTwoPreviewsAndTheLastCaption) {
    ASSERT_TRUE(print(1, "Primeira", "Cadastro de Usuário"));
    ASSERT_TRUE(print(70, "Segunda", "Cadastro de Empresas"));
    frmRelatorio* host = frmRelatorio::shared();
    ASSERT_EQ(host->previews().size(), 2u);
    EXPECT_EQ(host->caption(), "Cadastro de Empresas");
    EXPECT_EQ(host->subWindow()->windowTitle(), "Cadastro de Empresas");
    EXPECT_EQ(mdi.mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(host->previews()[0]->pageCount(), 1);
    EXPECT_EQ(host->previews()[1]->pageCount(), 2);
    EXPECT_EQ(host->previews()[1]->document().pages[0].find("Segunda").size(), 1u);
}

TEST_F(AutomationTest, UnknownReportShowsTheMessageAndRestoresThePointer) {
    testsupport::MessageScript script;
    script.expect("Arquivo Rpt não encontrado!", "Erro", platform::ui::Msg::OK);
    platform::ui::setHourglass();
    Application application;
    EXPECT_EQ(application.OpenReport("/programa/Usuario.rpt"), nullptr);
    EXPECT_FALSE(platform::ui::hourglassShown());
}

TEST_F(AutomationTest, PreviewWithoutAHostShowsTheMessage) {
    testsupport::MessageScript script;
    script.expect("Arquivo Rpt não encontrado!", "Erro", platform::ui::Msg::OK);
    Application application;
    auto report = application.OpenReport("/programa/Amostra.rpt");
    ASSERT_NE(report, nullptr);
    QWidget notAHost;
    EXPECT_FALSE(report->Preview("", 1, 1, 0, 0, WindowStyleMaximized, &notAHost));
}

TEST_F(AutomationTest, DataSourceAndNamesAreChecked) {
    Application application;
    auto report = application.OpenReport("/programa/Amostra.rpt");
    CrystalDataObject source;
    source.AddField("codigo", FieldType::Text);
    EXPECT_THROW(source.AddRows({{QString("1"), QString("a mais")}}), platform::values::RuntimeError);
    EXPECT_THROW(report->Database().Tables().item(2), platform::values::RuntimeError);
    EXPECT_THROW(report->Database().Tables().item(1).SetPrivateData(2, source),
                 platform::values::RuntimeError);
    EXPECT_THROW(report->FormulaFields().item("NaoExiste"), platform::values::RuntimeError);
    EXPECT_NO_THROW(report->FormulaFields().item("titu"));
    EXPECT_THROW(report->Areas().item(6), platform::values::RuntimeError);
}
