#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "ReportTestSupport.h"
#include "platform/db/Connection.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/PrintEngine.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/RuntimeError.h"
#include "support/MessageScript.h"

using namespace platform::report;
using namespace reporttest;

namespace {

class PrintEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registerSample();
        PEOpenEngine();
        setQueryRunner([this](const QString& path, const QString& sql) {
            databasePath = path;
            query = sql;
            return sampleRows(rows);
        });
    }
    void TearDown() override {
        setQueryRunner({});
        PECloseEngine();
    }

    // The sequence of the book prints, up to the start: 0 at the first call that fails.
    int printInto(QWidget* host, int job, const std::vector<std::pair<QString, QString>>& formulas) {
        if (!PEOutputToWindow(job, "Livro de Amostra", 1, 1, host->width(), host->height(),
                              WindowStyleMaximized, host))
            return 0;
        if (!PESetWindowOptions(job, PEWindowOptions{})) return 0;
        for (const auto& [name, text] : formulas) PESetFormula(job, name, text);
        return PEStartPrintJob(job, true);
    }

    platform::ui::SimpleMdiHost mdi;
    int rows = 100;
    QString databasePath;
    QString query;
};

}  // namespace

TEST_F(PrintEngineTest, UnknownReportOrClosedEngineGivesJobZero) {
    EXPECT_EQ(PEOpenPrintJob("/programa/NaoExiste.rpt"), 0);
    EXPECT_EQ(PEClosePrintJob(0), 0);
    PECloseEngine();
    EXPECT_EQ(PEOpenPrintJob("/programa/Amostra.rpt"), 0);
    PEOpenEngine();
    const int job = PEOpenPrintJob("/programa/amostra.RPT");
    EXPECT_GT(job, 0);
    EXPECT_EQ(PEClosePrintJob(job), 1);
    EXPECT_EQ(PEClosePrintJob(job), 0);
}

TEST_F(PrintEngineTest, BookPrintEndsInANewPreviewHostWithItsFormulas) {
    frmRelatorio* host = frmRelatorio::ShowNew();
    host->setCaption("Livro de Amostra");
    const int job = PEOpenPrintJob("/programa/Amostra.rpt");
    ASSERT_GT(job, 0);
    ASSERT_EQ(printInto(host, job,
                        {{"empr", "\"Comércio \"Exemplo\" Ltda\""},
                         {"nfolha", "14"},
                         {"mesano", "\"03/2011\""},
                         {"naoexiste", "\"x\""}}),
              1);
    EXPECT_EQ(PEZoomPreviewWindow(job, PEZoom::FitOneSide), 1);
    EXPECT_EQ(PEClosePrintJob(job), 1);

    EXPECT_EQ(databasePath, "/programa/Trabdados.mdb");
    EXPECT_TRUE(query.startsWith("SELECT codigo, nome, valor, ativo FROM Amostra"));
    ASSERT_EQ(host->previews().size(), 1u);
    const Document& doc = host->previews()[0]->document();
    ASSERT_EQ(doc.pages.size(), 3u);
    EXPECT_EQ(doc.pages[0].number, 15);
    EXPECT_EQ(doc.pages[0].find("Empresa: Comércio \"Exemplo\" Ltda").size(), 1u);
    EXPECT_EQ(host->previews()[0]->view()->zoomMode(), ZoomMode::FitWidth);
    ASSERT_NE(host->subWindow(), nullptr);
    EXPECT_EQ(host->subWindow()->mdiArea(), mdi.mdiArea());
    EXPECT_EQ(host->subWindow()->windowTitle(), "Livro de Amostra");

    // A second book print gets a host of its own.
    frmRelatorio* second = frmRelatorio::ShowNew();
    const int job2 = PEOpenPrintJob("/programa/Amostra.rpt");
    ASSERT_EQ(printInto(second, job2, {}), 1);
    PEClosePrintJob(job2);
    EXPECT_EQ(host->previews().size(), 1u);
    EXPECT_EQ(second->previews().size(), 1u);
    EXPECT_EQ(mdi.mdiArea()->subWindowList().size(), 2);
}

TEST_F(PrintEngineTest, FailuresReturnZeroAtTheCallThatFails) {
    frmRelatorio* host = frmRelatorio::ShowNew();
    const int job = PEOpenPrintJob("/programa/Amostra.rpt");
    QLabel notAHost;
    EXPECT_EQ(PEOutputToWindow(job, "t", 1, 1, 10, 10, WindowStyleMaximized, &notAHost), 0);
    EXPECT_EQ(PEOutputToWindow(job, "t", 1, 1, 10, 10, WindowStyleMaximized, nullptr), 0);
    EXPECT_EQ(PEStartPrintJob(job, true), 0);  // no output yet
    EXPECT_EQ(PEOutputToWindow(job + 100, "t", 1, 1, 10, 10, WindowStyleMaximized, host), 0);
    PEWindowOptions wrong;
    wrong.StructSize = 24;
    EXPECT_EQ(PESetWindowOptions(job, wrong), 0);
    EXPECT_EQ(PESetFormula(job, "Titu", "sem aspas"), 0);
    EXPECT_EQ(PESetFormula(job, "Outra", "\"x\""), 0);
    EXPECT_EQ(PESetFormula(job, "TITU", "\"x\""), 1);
    EXPECT_EQ(PESetSelectionFormula(job, "{Empresas.codigo} = 1"), 0);
    EXPECT_EQ(PESetSelectionFormula(job, "codigo = 1"), 0);
    EXPECT_EQ(PEZoomPreviewWindow(job, 1), 0);  // nothing previewed yet

    // The rows cannot be read: the start fails and nothing is shown.
    setQueryRunner([](const QString&, const QString&) -> DataSet {
        throw platform::values::RuntimeError(1, "no such table: Amostra");
    });
    EXPECT_EQ(PEOutputToWindow(job, "t", 1, 1, 10, 10, WindowStyleMaximized, host), 1);
    EXPECT_EQ(PEStartPrintJob(job, true), 0);
    EXPECT_TRUE(host->previews().empty());
    PEClosePrintJob(job);
}

TEST_F(PrintEngineTest, SelectionFormulaFiltersTheLayoutsRows) {
    frmRelatorio* host = frmRelatorio::ShowNew();
    const int job = PEOpenPrintJob("/programa/Amostra.rpt");
    ASSERT_EQ(PESetSelectionFormula(job, "{Amostra.codigo} = \"0042\""), 1);
    ASSERT_EQ(printInto(host, job, {}), 1);
    PEClosePrintJob(job);
    const Document& doc = host->previews()[0]->document();
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_TRUE(doc.pages[0].textLines().contains("0042 Cliente 42 441,00 Não"));
    EXPECT_TRUE(doc.pages[0].textLines().contains("Registros: 1 Total geral: 441,00"));

    // A selection on a field the rows lack cannot start.
    const int job2 = PEOpenPrintJob("/programa/Amostra.rpt");
    ASSERT_EQ(PESetSelectionFormula(job2, "{Amostra.codcli} = 1"), 1);
    EXPECT_EQ(printInto(host, job2, {}), 0);
    PEClosePrintJob(job2);
}

TEST_F(PrintEngineTest, TermsPreviewIsModalAndShowsOneTermAtATime) {
    testsupport::MessageScript script;
    int shown = 0;
    frmRelatorioModal host;
    host.setCaption("Termo de Abertura e Encerramento");
    int pagesSeen = 0;
    for (int term = 0; term < 2; ++term) {
        const int job = PEOpenPrintJob("/programa/Amostra.rpt");
        ASSERT_EQ(printInto(&host, job,
                            {{"Titu", term == 0 ? "\"Termo de Abertura\"" : "\"Termo de Encerramento\""}}),
                  1);
        ASSERT_EQ(PEZoomPreviewWindow(job, 1), 1);
        script.onDialog("frmRelatorioModal", [&, term](QDialog& dialog) {
            ++shown;
            auto* modal = qobject_cast<frmRelatorioModal*>(&dialog);
            ASSERT_NE(modal, nullptr);
            EXPECT_TRUE(modal->isModal());
            ASSERT_EQ(modal->previews().size(), 1u);
            const Page& page = modal->previews()[0]->document().pages[0];
            EXPECT_EQ(page.find(term == 0 ? "Termo de Abertura" : "Termo de Encerramento").size(), 1u);
            pagesSeen += modal->previews()[0]->pageCount();
            modal->previews()[0]->closeRequested();
        });
        EXPECT_EQ(platform::ui::ShowModal(host), QDialog::Accepted);
        PEClosePrintJob(job);
    }
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(pagesSeen, 6);
}

TEST_F(PrintEngineTest, LayoutReadsItsRowsFromTheRegistryDatabase) {
    setQueryRunner({});
    QTemporaryDir folder;
    {
        platform::db::Connection db;
        db.OpenFile(folder.filePath("Trabdados.mdb"), platform::db::OpenMode::Create);
        db.Execute("CREATE TABLE Amostra (codigo TEXT, nome TEXT, valor CURRENCY, ativo YESNO)");
        db.Execute("INSERT INTO Amostra VALUES ('0002', 'Beta', 25000, 0)");
        db.Execute("INSERT INTO Amostra VALUES ('0001', 'Alfa', 1234500, 1)");
    }
    frmRelatorio* host = frmRelatorio::ShowNew();
    const int job = PEOpenPrintJob(folder.path() + "/Amostra.rpt");
    ASSERT_EQ(printInto(host, job, {}), 1);
    PEClosePrintJob(job);
    const QStringList lines = host->previews()[0]->document().pages[0].textLines();
    EXPECT_TRUE(lines.contains("0001 Alfa 123,45 Sim")) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains("0002 Beta 2,50 Não"));
    EXPECT_TRUE(lines.contains("Registros: 2 Total geral: 125,95"));
}
