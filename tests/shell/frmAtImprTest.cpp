#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>

#include "UsuariosFixture.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/frmAtImpr.h"

using namespace shell;
using namespace testsupport;
using platform::ui::Msg::OK;

namespace {

class frmAtImprTest : public UsuariosFixture {
  protected:
    void SetUp() override {
        UsuariosFixture::SetUp();
        InsereUsuario(5, QStringLiteral("Maria"), QStringLiteral("m"), QStringLiteral("S"));
        InsereUsuario(6, QStringLiteral("José"), QStringLiteral("j"), QString());
        InsereUsuario(7, QStringLiteral("Ana D'Ávila"), QStringLiteral("a"), QStringLiteral("J"));
    }
    frmAtImpr* Abre(const QString& usuario, const QString& tipo) {
        Geral::UsuarioAtual = usuario;
        Geral::TipoImpressora = tipo;
        auto* w = platform::ui::ShowForm<frmAtImpr>();
        settle();
        return w;
    }
};

TEST_F(frmAtImprTest, NoPrinterOrAnEmptyKindShowsSemImpressora) {
    auto* w = Abre(QStringLiteral("Maria"), QStringLiteral("S"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Impressora Ativa"));
    EXPECT_EQ(w->lblUsuario->text(), QStringLiteral("Maria"));
    EXPECT_TRUE(w->optIn->isChecked());
    EXPECT_TRUE(w->Unload());
    settle();
    w = Abre(QStringLiteral("José"), QStringLiteral("M"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->optIn->isChecked());
}

TEST_F(frmAtImprTest, ActivatingMatricialStoresItInTheRowAndForTheRunningProgram) {
    auto* w = Abre(QStringLiteral("ana d'ávila"), QStringLiteral("J"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->OptIj->isChecked());
    click(w->optIm);
    click(w, QStringLiteral("cmdGravar"));
    settle();
    EXPECT_EQ(Coluna(7, "impressora"), QStringLiteral("M"));
    EXPECT_EQ(Geral::TipoImpressora, QStringLiteral("M"));
    EXPECT_EQ(platform::ui::FindForm<frmAtImpr>(), nullptr);
    // The next opening reads it back.
    w = Abre(QStringLiteral("Ana D'Ávila"), QStringLiteral("M"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->optIm->isChecked());
}

TEST_F(frmAtImprTest, SairChangesNothing) {
    auto* w = Abre(QStringLiteral("Maria"), QStringLiteral("S"));
    ASSERT_NE(w, nullptr);
    click(w->optIl);
    click(w, QStringLiteral("cmdSair"));
    settle();
    EXPECT_EQ(Coluna(5, "impressora"), QStringLiteral("S"));
    EXPECT_EQ(Geral::TipoImpressora, QStringLiteral("S"));
    EXPECT_EQ(platform::ui::FindForm<frmAtImpr>(), nullptr);
}

TEST_F(frmAtImprTest, AUserWhoseRowIsGoneChangesTheKindUntilHeLogsOut) {
    db.Execute(QStringLiteral("DELETE FROM usuarios WHERE codigo = 5"));
    auto* w = Abre(QStringLiteral("Maria"), QStringLiteral("L"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->optIl->isChecked());
    click(w->OptIj);
    click(w, QStringLiteral("cmdGravar"));
    settle();
    EXPECT_EQ(Geral::TipoImpressora, QStringLiteral("J"));
    EXPECT_EQ(Usuarios(), 2);
}

TEST_F(frmAtImprTest, AFailingWriteIsToldAndChangesNeitherTheRowNorTheRunningKind) {
    auto* w = Abre(QStringLiteral("Maria"), QStringLiteral("S"));
    ASSERT_NE(w, nullptr);
    script->expect(BloqueiaEscrita(), QStringLiteral("Erro"), OK);
    click(w->optIm);
    click(w, QStringLiteral("cmdGravar"));
    settle();
    EXPECT_EQ(platform::ui::FindForm<frmAtImpr>(), w);
    EXPECT_TRUE(w->optIm->isChecked());
    EXPECT_EQ(Geral::TipoImpressora, QStringLiteral("S"));
    EXPECT_EQ(Coluna(5, "impressora"), QStringLiteral("S"));
}

}  // namespace
