#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>

#include "UsuariosFixture.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/Sessao.h"
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
    frmAtImpr* Abre(const QString& usuario, qint64 codigo, const QString& tipo) {
        Geral::UsuarioAtual = usuario;
        Geral::CodigoUsuario = codigo;
        Geral::TipoImpressora = tipo;
        auto* w = platform::ui::ShowForm<frmAtImpr>();
        settle();
        return w;
    }
};

TEST_F(frmAtImprTest, NoPrinterOrAnEmptyKindShowsSemImpressora) {
    auto* w = Abre(QStringLiteral("Maria"), 5, QStringLiteral("S"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Impressora Ativa"));
    // The caption is never cut: the frame leaves room for it beside the title bar's buttons.
    auto* janela = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    ASSERT_NE(janela, nullptr);
    EXPECT_GE(janela->width(),
              QFontMetrics(QApplication::font(janela)).horizontalAdvance(w->windowTitle()) + 120);
    EXPECT_EQ(w->lblUsuario->text(), QStringLiteral("Maria"));
    EXPECT_TRUE(w->optIn->isChecked());
    EXPECT_TRUE(w->Unload());
    settle();
    w = Abre(QStringLiteral("José"), 6, QStringLiteral("M"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->optIn->isChecked());
}

TEST_F(frmAtImprTest, ActivatingMatricialStoresItInTheRowAndForTheRunningProgram) {
    auto* w = Abre(QStringLiteral("ana d'ávila"), 7, QStringLiteral("J"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->OptIj->isChecked());
    click(w->optIm);
    click(w, QStringLiteral("cmdGravar"));
    settle();
    EXPECT_EQ(Coluna(7, "impressora"), QStringLiteral("M"));
    EXPECT_EQ(Geral::TipoImpressora, QStringLiteral("M"));
    EXPECT_EQ(platform::ui::FindForm<frmAtImpr>(), nullptr);
    // The next opening reads it back.
    w = Abre(QStringLiteral("Ana D'Ávila"), 7, QStringLiteral("M"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->optIm->isChecked());
}

TEST_F(frmAtImprTest, TwoUsersNamedAlikeLogInEachWithHisPasswordAndKeepTheirOwnKinds) {
    // Rows an older registry may hold: the names differ only in letter case.
    InsereUsuario(8, QStringLiteral("ANA D'ÁVILA"), QStringLiteral("b"), QStringLiteral("L"));
    const auto ana = ConfereLogin(db, QStringLiteral("ana d'ávila"), QStringLiteral("a"));
    const auto outra = ConfereLogin(db, QStringLiteral("ana d'ávila"), QStringLiteral("b"));
    EXPECT_EQ(ana.codigo, 7);
    EXPECT_EQ(outra.codigo, 8);
    EXPECT_EQ(outra.nome, QStringLiteral("ANA D'ÁVILA"));
    auto* w = Abre(outra.nome, outra.codigo, outra.impressora);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->optIl->isChecked());
    click(w->optIm);
    click(w, QStringLiteral("cmdGravar"));
    settle();
    EXPECT_EQ(Coluna(8, "impressora"), QStringLiteral("M"));
    EXPECT_EQ(Coluna(7, "impressora"), QStringLiteral("J"));
}

TEST_F(frmAtImprTest, SairChangesNothing) {
    auto* w = Abre(QStringLiteral("Maria"), 5, QStringLiteral("S"));
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
    auto* w = Abre(QStringLiteral("Maria"), 5, QStringLiteral("L"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->optIl->isChecked());
    click(w->OptIj);
    click(w, QStringLiteral("cmdGravar"));
    settle();
    EXPECT_EQ(Geral::TipoImpressora, QStringLiteral("J"));
    EXPECT_EQ(Usuarios(), 2);
}

TEST_F(frmAtImprTest, AFailingWriteIsToldAndChangesNeitherTheRowNorTheRunningKind) {
    auto* w = Abre(QStringLiteral("Maria"), 5, QStringLiteral("S"));
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
