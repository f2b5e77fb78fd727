#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <set>

#include "TermoFixture.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/PrintEngine.h"
#include "platform/report/Render.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "shell/EstadoGeral.h"
#include "support/Golden.h"
#include "terms/RelatorioTermo.h"
#include "terms/frmTerPara.h"
#include "terms/termo_sql.h"

using namespace testsupport;
using platform::report::Document;
namespace Msg = platform::ui::Msg;

namespace {

class frmTerParaTest : public TermoFixture {
  protected:
    void SetUp() override {
        TermoFixture::SetUp();
        terms::RegistraRelatorios();
        platform::report::PEOpenEngine();
        codauto = Empresa(7);
        Geral::ChaveComum = QString::number(codauto);
        Geral::ExtensoIcms = QStringLiteral("(DOZE)");
        Geral::ExtensoIpi = QStringLiteral("(DUZENTAS)");
    }
    void TearDown() override {
        platform::report::PECloseEngine();
        TermoFixture::TearDown();
    }
    // Shows the dialog modal, checks `caixas` and prints; each preview expected is kept and closed.
    // True when the dialog closed itself.
    bool Imprime(const std::vector<int>& caixas, bool previas = true) {
        bool fechou = false;
        script->onDialog(QStringLiteral("frmTerPara"), [&](QDialog& d) {
            auto& t = static_cast<terms::frmTerPara&>(d);
            for (int c : caixas) {
                click(t.chkTermo[std::size_t(c)]);
                if (!previas) continue;
                script->onDialog(QStringLiteral("frmRelatorioModal"), [this](QDialog& p) {
                    auto& previa = static_cast<platform::report::frmRelatorioModal&>(p);
                    EXPECT_FALSE(platform::ui::hourglassShown());
                    ASSERT_EQ(previa.previews().size(), 1u);
                    paginas.push_back(previa.previews()[0]->document());
                    EXPECT_EQ(previa.caption(), paginas.back().title);
                    previa.previews()[0]->closeRequested();
                });
            }
            click(t.cmdImprimir);
            settle();
            fechou = !t.isVisible();
            if (!fechou) click(t.cmdSair);
        });
        terms::frmTerPara dialogo;
        platform::ui::ShowModal(dialogo);
        return fechou;
    }

    qint64 codauto = 0;
    std::vector<Document> paginas;
};

TEST_F(frmTerParaTest, TheButtonsFollowTheBoxesAndCancelUnchecksThemAll) {
    terms::frmTerPara d;
    d.show();
    settle();
    EXPECT_FALSE(d.cmdImprimir->isEnabled());
    click(d.chkTermo[4]);
    click(d.chkTermo[9]);
    EXPECT_TRUE(d.cmdImprimir->isEnabled());
    EXPECT_TRUE(d.cmdCancelar->isEnabled());
    click(d.chkTermo[4]);
    EXPECT_TRUE(d.cmdImprimir->isEnabled());
    click(d.chkTermo[9]);
    EXPECT_FALSE(d.cmdImprimir->isEnabled());
    EXPECT_FALSE(d.cmdCancelar->isEnabled());
    for (int c : {0, 5, 9}) click(d.chkTermo[std::size_t(c)]);
    click(d.cmdCancelar);
    for (QCheckBox* c : d.chkTermo) EXPECT_FALSE(c->isChecked());
    EXPECT_FALSE(d.cmdImprimir->isEnabled());
    EXPECT_FALSE(d.cmdCancelar->isEnabled());
    EXPECT_FALSE(Geral::Cancelado);
    d.chkTermo[2]->setFocus();
    settle();
    EXPECT_EQ(d.chkTermo[2]->palette().color(QPalette::WindowText), platform::ui::CaptionHighlight);
    pressEsc();
    settle();
    EXPECT_FALSE(d.isVisible());
}

TEST_F(frmTerParaTest, EachCheckedTermIsAModalPreviewInBoxOrderAndThenTheDialogCloses) {
    TermoCompleto(codauto);
    EXPECT_TRUE(Imprime({8, 3}));
    ASSERT_EQ(paginas.size(), 2u);
    EXPECT_FALSE(paginas[0].pages[0].find("REGISTRO DE SAIDAS").empty());
    EXPECT_FALSE(paginas[1].pages[0].find("REGISTRO DE NOTAS FISCAIS DE SERVIÇOS").empty());
    EXPECT_FALSE(platform::ui::hourglassShown());
}

TEST_F(frmTerParaTest, AMissingLayoutIsToldForEachBoxAndTheDialogStillCloses) {
    TermoCompleto(codauto);
    platform::report::layoutRegistry().remove(QStringLiteral("Termo.rpt"));
    script->expect(QStringLiteral("Arquivo Rpt não encontrado!"), Msg::OK);
    script->expect(QStringLiteral("Arquivo Rpt não encontrado!"), Msg::OK);
    EXPECT_TRUE(Imprime({1, 6}, false));
    EXPECT_TRUE(paginas.empty());
    EXPECT_FALSE(platform::ui::hourglassShown());
}

// Without its terms row, or without its company, the run stops at once and the dialog stays.
TEST_F(frmTerParaTest, AMissingRowStopsTheRunAndKeepsTheDialogOpen) {
    script->expect(QStringLiteral("Erro"), Msg::OK);
    bool fechou = true;
    bool marcadas = false;
    script->onDialog(QStringLiteral("frmTerPara"), [&](QDialog& d) {
        auto& t = static_cast<terms::frmTerPara&>(d);
        click(t.chkTermo[0]);
        click(t.chkTermo[1]);
        click(t.cmdImprimir);
        settle();
        fechou = !t.isVisible();
        marcadas = t.chkTermo[0]->isChecked() && t.chkTermo[1]->isChecked();
        click(t.cmdSair);
    });
    terms::frmTerPara dialogo;
    platform::ui::ShowModal(dialogo);
    EXPECT_FALSE(fechou);
    EXPECT_TRUE(marcadas);
    EXPECT_FALSE(platform::ui::hourglassShown());
    // A terms row whose company has gone.
    terms::CriaTermo(db, codauto + 50);
    Geral::ChaveComum = QString::number(codauto + 50);
    script->expect(QStringLiteral("Erro"), Msg::OK);
    EXPECT_FALSE(Imprime({2}, false));
    EXPECT_TRUE(script->allAnswered());
}

// The ten terms of a full row, and the opening of the entries from a fresh row with the design texts.
TEST_F(frmTerParaTest, TheTenTermsPages) {
    TermoCompleto(codauto);
    ASSERT_TRUE(Imprime({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    ASSERT_EQ(paginas.size(), 10u);
    // Each term proposes a file of its own, named for the term and its book.
    std::set<QString> arquivos;
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        expectGolden(QStringLiteral("Termo%1").arg(i), paginas[i]);
        arquivos.insert(QFileInfo(platform::report::proposedPdfPath(paginas[i].title)).fileName());
    }
    EXPECT_EQ(arquivos.size(), 10u);
    EXPECT_EQ(paginas[0].title, QStringLiteral("Termo de Abertura - Registro de Entradas"));
    EXPECT_EQ(paginas[9].title,
              QStringLiteral("Termo de Encerramento - Registro de Notas Fiscais de Serviços"));
    EXPECT_TRUE(arquivos.count(QStringLiteral("Termo de Encerramento - Registro de Saídas.pdf")));

    QTemporaryDir pasta;
    const QString pdf = pasta.filePath(QStringLiteral("termo.pdf"));
    ASSERT_TRUE(platform::report::writePdf(paginas[4], pdf));
    const QString texto = pdfText(pdf).join(QLatin1Char('\n'));
    EXPECT_TRUE(texto.contains(QStringLiteral("REGISTRO DE APURAÇÃO DE ICMS")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Campinas, 01 de Janeiro de 2011")));
    EXPECT_EQ(pdfPages(pdf), 1);

    paginas.clear();
    const qint64 novo = Empresa(8, QStringLiteral("Padaria Nova"));
    terms::CriaTermo(db, novo);
    // Masks partly typed print their prompts as blanks.
    db.Execute(QStringLiteral("UPDATE Termo SET Rg = ?, Crc = ? WHERE codcli = ?"),
               {QStringLiteral("12.345.678-_"), QStringLiteral("1SP123455/_-_"), novo});
    Geral::ChaveComum = QString::number(novo);
    Geral::ExtensoIcms.clear();
    ASSERT_TRUE(Imprime({0}));
    ASSERT_EQ(paginas.size(), 1u);
    expectGolden(QStringLiteral("TermoVazio"), paginas[0]);
}

}  // namespace
