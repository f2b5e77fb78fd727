#include <gtest/gtest.h>

#include <QMdiArea>
#include <stdexcept>

#include "ReportTestSupport.h"
#include "platform/db/Error.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/PrintRoutines.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Form.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/MsgBox.h"
#include "support/MessageScript.h"

using namespace platform::report;
using namespace reporttest;
namespace ui = platform::ui;

namespace {

// The sample list followed by a section read by its own query.
class SampleWithSection : public SampleLayout {
  public:
    SampleWithSection() {
        Section notes;
        notes.query = "SELECT texto FROM Notas";
        notes.detail.field(10, 0, 100, 5, "texto", FontSpec::sans(9));
        notes.detail.height = 5;
        sections.push_back(std::move(notes));
    }
};

class PrintRoutinesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registerSample();
        layoutRegistry().add<SampleWithSection>("AmostraNotas.rpt");
        PEOpenEngine();
        setQueryRunner([this](const QString&, const QString& sql) {
            queries << sql;
            if (!sql.contains("Notas")) return sampleRows(3);
            DataSet notes;
            notes.fields = {{"texto", FieldType::Text}};
            notes.rows = {{QStringLiteral("Nota da seção")}};
            return notes;
        });
    }
    void TearDown() override {
        setQueryRunner({});
        PECloseEngine();
        ui::destroyAllForms();
        ui::resetPointer();
    }

    // A book print whose engine records the jobs it closes and whether the pointer was reset then.
    frmRelatorio* printBook(const QString& report, EngineCalls calls = {}) {
        calls.close = [this](int job) {
            closed.push_back(job);
            pointerAtClose = ui::hourglassShown();
            return PEClosePrintJob(job);
        };
        EnginePrint print;
        print.reportPath = "/programa/" + report;
        print.caption = "Livro de Amostra";
        print.formulas = [this](int job) {
            ++formulaCalls;
            PESetFormula(job, "empr", "\"Comércio Exemplo Ltda\"");
        };
        print.afterClose = [this] { afterClose = closed.size(); };
        ui::setHourglass();
        return PrintOnEngine(print, calls);
    }

    ui::SimpleMdiHost mdi;
    QStringList queries;
    std::vector<int> closed;
    bool pointerAtClose = false;
    int formulaCalls = 0;
    std::size_t afterClose = 0;
};

TEST_F(PrintRoutinesTest, ABookPrintsIntoANewPreviewWithItsFormulasAndClosesItsJob) {
    frmRelatorio* host = printBook("Amostra.rpt");
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->caption(), "Livro de Amostra");
    ASSERT_EQ(host->previews().size(), 1u);
    EXPECT_EQ(host->previews()[0]->document().pages[0].find("Empresa: Comércio Exemplo Ltda").size(), 1u);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_GT(closed[0], 0);
    EXPECT_EQ(PEClosePrintJob(closed[0]), 0);  // already closed
    EXPECT_EQ(afterClose, 1u);
    EXPECT_FALSE(ui::hourglassShown());
    // The next book gets a preview window of its own; each section of a book reads its own query.
    frmRelatorio* second = printBook("AmostraNotas.rpt");
    EXPECT_NE(second, host);
    EXPECT_EQ(mdi.mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(queries.last(), "SELECT texto FROM Notas");
    ASSERT_EQ(second->previews().size(), 1u);
    const QStringList lines = second->previews()[0]->document().pages[0].textLines();
    EXPECT_EQ(lines.indexOf("Nota da seção"), lines.indexOf("Registros: 3 Total geral: 63,00") - 1);
}

TEST_F(PrintRoutinesTest, EachFailingStepIsToldAndTheJobStillClosesWithTheWindowLeftEmpty) {
    struct Case {
        const char* report;
        const char* message;
        std::function<void(EngineCalls&)> fail;
        int formulaCalls;
    };
    const std::vector<Case> cases = {
        {"NaoExiste.rpt", ReportNotFoundMessage, [](EngineCalls&) {}, 0},
        {"Amostra.rpt", WindowDefinitionErrorMessage,
         [](EngineCalls& c) {
             c.output = [](int, const QString&, int, int, int, int, std::uint32_t, QWidget*) { return 0; };
         },
         0},
        {"Amostra.rpt", WindowOptionsErrorMessage,
         [](EngineCalls& c) { c.options = [](int, const PEWindowOptions&) { return 0; }; }, 0},
        {"Amostra.rpt", StartPrintErrorMessage, [](EngineCalls& c) { c.start = [](int, bool) { return 0; }; },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        closed.clear();
        formulaCalls = 0;
        afterClose = 0;
        EngineCalls calls;
        c.fail(calls);
        testsupport::MessageScript script;
        script.expect(QString::fromUtf8(c.message), "", ui::Msg::OK);
        frmRelatorio* host = printBook(c.report, calls);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].style, ui::Msg::OKOnly);
        ASSERT_NE(host, nullptr);
        ASSERT_NE(host->subWindow(), nullptr);
        EXPECT_EQ(host->subWindow()->mdiArea(), mdi.mdiArea());
        EXPECT_TRUE(host->previews().empty());
        ASSERT_EQ(closed.size(), 1u);
        if (std::string(c.report) == "NaoExiste.rpt") {
            EXPECT_EQ(closed[0], 0);
        }
        EXPECT_EQ(formulaCalls, c.formulaCalls);
        EXPECT_EQ(afterClose, 1u);
        EXPECT_FALSE(ui::hourglassShown());
    }
}

// Rows that cannot be read fail the start; the engine keeps the storage error whole, and the print tells
// it after the start's own message, as every storage error reaches the user.
TEST_F(PrintRoutinesTest, AStartThatCannotReadItsRowsTellsTheStorageError) {
    setQueryRunner([](const QString&, const QString& sql) -> DataSet {
        throw platform::db::Error(1, "no such table: Amostra", sql, "LeAmostra");
    });
    frmRelatorio* preview = frmRelatorio::ShowNew();
    const int job = PEOpenPrintJob("/programa/Amostra.rpt");
    ASSERT_EQ(PEOutputToWindow(job, "t", 1, 1, 10, 10, WindowStyleMaximized, preview), 1);
    ASSERT_EQ(PEStartPrintJob(job, true), 0);
    ASSERT_NE(PEStartError(job), nullptr);
    try {
        std::rethrow_exception(PEStartError(job));
    } catch (const platform::db::Error& e) {
        EXPECT_TRUE(e.statement().contains("Amostra"));
        EXPECT_EQ(e.routine(), "LeAmostra");
    }
    PEClosePrintJob(job);
    EXPECT_EQ(PEStartError(job), nullptr);

    testsupport::MessageScript script;
    script.expect(QString::fromUtf8(StartPrintErrorMessage), "", ui::Msg::OK);
    script.expect("Erro número 1 no such table: Amostra", "Erro", ui::Msg::OK);
    frmRelatorio* host = printBook("Amostra.rpt");
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[1].style & ui::Msg::Critical, ui::Msg::Critical);
    EXPECT_TRUE(host->previews().empty());
    EXPECT_EQ(closed.size(), 1u);
}

TEST_F(PrintRoutinesTest, AFailingFormulaCallbackClosesTheJobAndResetsThePointer) {
    EnginePrint print;
    print.reportPath = "/programa/Amostra.rpt";
    print.caption = "Livro";
    print.formulas = [](int) { throw std::runtime_error("falhou"); };
    EngineCalls calls;
    calls.close = [this](int job) {
        closed.push_back(job);
        return PEClosePrintJob(job);
    };
    ui::setHourglass();
    EXPECT_THROW(PrintOnEngine(print, calls), std::runtime_error);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_GT(closed[0], 0);
    EXPECT_FALSE(ui::hourglassShown());
}

// The terms' steps: each failure is told, closes the job and leaves the hourglass; missing rows
// reset it; a print that gets through is shown modal and its job closes after.
TEST_F(PrintRoutinesTest, AModalPrintTellsEachFailingStepAndShowsThePreviewOtherwise) {
    struct Case {
        const char* message;
        std::function<void(EngineCalls&)> fail;
        bool rows;
        EngineOutcome outcome;
        bool hourglass;
    };
    const std::vector<Case> cases = {
        {RowMissingMessage, [](EngineCalls&) {}, false, EngineOutcome::RowMissing, false},
        {SelectionErrorMessage, [](EngineCalls& c) { c.selection = [](int, const QString&) { return 0; }; },
         true, EngineOutcome::Failed, true},
        {ZoomErrorMessage, [](EngineCalls& c) { c.zoom = [](int, int) { return 0; }; }, true,
         EngineOutcome::Failed, true},
        {nullptr, [](EngineCalls&) {}, true, EngineOutcome::Shown, false},
    };
    frmRelatorioModal host;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message ? c.message : "shown");
        closed.clear();
        EngineCalls calls;
        c.fail(calls);
        calls.close = [this](int job) {
            closed.push_back(job);
            return PEClosePrintJob(job);
        };
        EnginePrint print;
        print.reportPath = "/programa/Amostra.rpt";
        print.caption = "Termo";
        print.readRows = [&c] { return c.rows; };
        print.selection = "{Amostra.codigo} = \"0002\"";
        print.zoom = PEZoom::FitOneSide;
        testsupport::MessageScript script;
        bool shown = false;
        if (c.message)
            script.expect(QString::fromUtf8(c.message), "", ui::Msg::OK);
        else
            script.onDialog("frmRelatorioModal", [&](QDialog& d) {
                shown = closed.empty();
                auto& modal = static_cast<frmRelatorioModal&>(d);
                EXPECT_TRUE(modal.previews()[0]->document().pages[0].textLines().contains(
                    "0002 Cliente 2 21,00 Não"));
                modal.previews()[0]->closeRequested();
            });
        ui::setHourglass();
        EXPECT_EQ(PrintOnEngineModal(print, host, calls), c.outcome);
        EXPECT_EQ(ui::hourglassShown(), c.hourglass);
        EXPECT_EQ(shown, c.message == nullptr);
        EXPECT_EQ(closed.size(), 1u);
        ui::resetPointer();
    }
}

TEST_F(PrintRoutinesTest, AnAutomationPrintPreviewsTheRowsInTheSharedWindow) {
    CrystalDataObject data;
    data.AddField("codigo", FieldType::Text);
    data.AddField("nome", FieldType::Text);
    data.AddRows({{QStringLiteral("0001"), QStringLiteral("Alfa")}});
    ui::setHourglass();
    EXPECT_TRUE(PrintByAutomation("/programa/Amostra.rpt", data, "Listagem", {{"Titu", "\"TÍTULO\""}}));
    EXPECT_FALSE(ui::hourglassShown());
    frmRelatorio* host = frmRelatorio::shared();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->caption(), "Listagem");
    ASSERT_EQ(host->previews().size(), 1u);
    const QStringList lines = host->previews()[0]->document().pages[0].textLines();
    EXPECT_TRUE(lines.contains("TÍTULO"));
    EXPECT_TRUE(lines.contains("0001 Alfa"));

    // A report without a layout is told and shows nothing more.
    testsupport::MessageScript script;
    script.expect(QString::fromUtf8(ReportNotFoundMessage), QString::fromUtf8(ReportNotFoundTitle),
                  ui::Msg::OK);
    EXPECT_FALSE(PrintByAutomation("/programa/NaoExiste.rpt", data, "Outra"));
    EXPECT_EQ(host->previews().size(), 1u);
}

}  // namespace
