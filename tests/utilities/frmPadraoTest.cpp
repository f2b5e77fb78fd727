#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/report/Automation.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/Render.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "support/Drive.h"
#include "support/Golden.h"
#include "support/RegistryWindowFixture.h"
#include "utilities/Relatorios.h"
#include "utilities/frmPadrao.h"

using namespace testsupport;
using namespace platform::report;
using utilities::frmPadrao;

namespace {

class frmPadraoTest : public RegistryWindowFixture {
  protected:
    void SetUp() override {
        RegistryWindowFixture::SetUp();
        utilities::RegistraRelatorios();
    }
    frmPadrao* Abre() {
        auto* w = platform::ui::ShowForm<frmPadrao>();
        settle();
        return w;
    }
    QString Linha(const QString& coluna) {
        auto rs = db.OpenRecordset(QStringLiteral("SELECT ") + coluna + QStringLiteral(" FROM Padrao"));
        return rs.Eof() ? QStringLiteral("<nenhum>") : rs.Fields(0).toString();
    }
};

TEST_F(frmPadraoTest, SevenSheetsAreStoredAndPrintAs140LabelsOnSevenPages) {
    frmPadrao* w = Abre();
    EXPECT_EQ(w->txtNvias->text(), QStringLiteral("01"));
    typeInto(w, QStringLiteral("txtL0"), QStringLiteral("Padaria D'Ávila Ltda"));
    typeInto(w, QStringLiteral("txtL2"), QStringLiteral("Rua \"do\" Sol, 12"));
    w->txtNvias->clear();
    typeInto(w, QStringLiteral("txtNvias"), QStringLiteral("7a-"));
    pressTab();
    EXPECT_EQ(w->txtNvias->text(), QStringLiteral("07"));
    click(w, QStringLiteral("cmdImprimir"));
    settle();

    EXPECT_EQ(Linha(QStringLiteral("Nvias")), QStringLiteral("07"));
    EXPECT_EQ(Linha(QStringLiteral("L0")), QStringLiteral("Padaria D'Ávila Ltda"));
    EXPECT_EQ(Linha(QStringLiteral("L1")), QString());
    EXPECT_EQ(Linha(QStringLiteral("L2")), QStringLiteral("Rua do Sol, 12"));
    EXPECT_EQ(platform::ui::FindForm<frmPadrao>(), nullptr);
    EXPECT_EQ(CaptionPrevia(), QStringLiteral("Etiquetas Padrão"));
    const auto previas = Previas();
    ASSERT_EQ(previas.size(), 1u);
    const Document& doc = previas[0];
    ASSERT_EQ(doc.pages.size(), 7u);
    for (const Page& p : doc.pages) {
        EXPECT_EQ(p.find(QStringLiteral("Padaria D'Ávila Ltda")).size(), 20u);
        EXPECT_EQ(p.find(QStringLiteral("Rua do Sol, 12")).size(), 20u);
        EXPECT_EQ(p.texts.size(), 40u);
    }
}

TEST_F(frmPadraoTest, NoSheetsKeepsTheFocusInTheField) {
    for (const char* texto : {"", "0", "00"}) {
        SCOPED_TRACE(texto);
        frmPadrao* w = Abre();
        w->txtNvias->clear();
        typeInto(w, QStringLiteral("txtNvias"), QString::fromLatin1(texto));
        pressTab();
        settle();
        EXPECT_EQ(focusedName(), QStringLiteral("txtNvias"));
        EXPECT_EQ(w->txtNvias->text(), QString::fromLatin1(texto));
        w->Unload();
        settle();
    }
}

TEST_F(frmPadraoTest, CancelStoresNothingAndTheNextOpeningShowsTheStoredLabel) {
    db.Execute(QStringLiteral("UPDATE Padrao SET Nvias = '03', L3 = 'CEP 01000-000'"));
    frmPadrao* w = Abre();
    EXPECT_EQ(w->txtL[3]->text(), QStringLiteral("CEP 01000-000"));
    typeInto(w, QStringLiteral("txtL3"), QStringLiteral(" outro"));
    click(w, QStringLiteral("cmdCancelar"));
    settle();
    EXPECT_EQ(platform::ui::FindForm<frmPadrao>(), nullptr);
    EXPECT_EQ(Linha(QStringLiteral("L3")), QStringLiteral("CEP 01000-000"));
    w = Abre();
    EXPECT_EQ(w->txtL[3]->text(), QStringLiteral("CEP 01000-000"));
    EXPECT_EQ(w->txtNvias->text(), QStringLiteral("03"));
}

TEST_F(frmPadraoTest, AMissingRowIsInsertedByTheFirstPrint) {
    db.Execute(QStringLiteral("DELETE FROM Padrao"));
    frmPadrao* w = Abre();
    EXPECT_EQ(w->txtNvias->text(), QString());
    typeInto(w, QStringLiteral("txtL1"), QStringLiteral("Linha guardada"));
    script->expect(QStringLiteral("Informe o Nº. de Folhas, de 01 a 99 !"), platform::ui::Msg::OK);
    click(w, QStringLiteral("cmdImprimir"));
    settle();
    EXPECT_EQ(focusedName(), QStringLiteral("txtNvias"));
    EXPECT_EQ(Linha(QStringLiteral("Codigo")), QStringLiteral("<nenhum>"));
    typeInto(w, QStringLiteral("txtNvias"), QStringLiteral("2"));
    click(w, QStringLiteral("cmdImprimir"));
    settle();
    EXPECT_EQ(Linha(QStringLiteral("Codigo")), QStringLiteral("1"));
    EXPECT_EQ(Linha(QStringLiteral("L1")), QStringLiteral("Linha guardada"));
    EXPECT_EQ(Linha(QStringLiteral("Nvias")), QStringLiteral("02"));
    ASSERT_EQ(Previas().size(), 1u);
    EXPECT_EQ(Previas()[0].pages.size(), 2u);
}

TEST_F(frmPadraoTest, OneSheetOnLetterPaper) {
    Application aplicacao;
    auto relatorio = aplicacao.OpenReport(pasta.path() + QStringLiteral("EtiqPadr.rpt"));
    ASSERT_NE(relatorio, nullptr);
    relatorio->Areas().item(3).CopiesToPrinter = 20;
    const QString largo(32, u'W');
    relatorio->FormulaFields().item(QStringLiteral("L0")).Text = u'"' + largo + u'"';
    relatorio->FormulaFields().item(QStringLiteral("L1")).Text = QStringLiteral("\"\"");
    relatorio->FormulaFields().item(QStringLiteral("L2")).Text = QStringLiteral("\"Rua São João, 1\"");
    relatorio->FormulaFields().item(QStringLiteral("L3")).Text = QStringLiteral("\"01000-000 SP\"");
    const Document doc = relatorio->document();
    expectGolden(QStringLiteral("EtiqPadr"), doc);
    ASSERT_EQ(doc.pages.size(), 1u);
    const auto largos = doc.pages[0].find(largo);
    ASSERT_EQ(largos.size(), 20u);
    // Last label: second column, tenth row.
    EXPECT_NEAR(largos.back()->x, 3.97 + 106.36 + 5, 1e-6);
    EXPECT_NEAR(largos.back()->y, 12.7 + 9 * 25.4 + 2.7, 1e-6);

    QTemporaryDir pasta;
    const QString pdf = pasta.filePath(QStringLiteral("etiquetas.pdf"));
    ASSERT_TRUE(writePdf(doc, pdf));
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_EQ(pdfText(pdf).filter(largo).size(), 10);  // two labels a text line
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("(letter)")));
}

}  // namespace
