#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "UsuariosFixture.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/frmTrocasen.h"

using namespace shell;
using namespace testsupport;
using platform::ui::Msg::OK;

namespace {

const QString TresTentativas = QStringLiteral("Superada três tentativas... pense e retorne depois !");

class frmTrocasenTest : public UsuariosFixture {
  protected:
    void SetUp() override {
        UsuariosFixture::SetUp();
        InsereUsuario(5, QStringLiteral("Maria"), QStringLiteral("maria1"), QStringLiteral("J"),
                      QDate(2011, 3, 15));
        InsereUsuario(9, QStringLiteral("Paulo"), QStringLiteral("x"));
        db.Execute(QStringLiteral("UPDATE usuarios SET senha = NULL, dsenha = NULL WHERE codigo = 9"));
    }
    // Opens the dialog for the key `chave` and drives it with `drive` (none: the load closes it).
    void Troca(const QString& chave, std::function<void(frmTrocasen&)> drive) {
        Geral::ChaveComum = chave;
        if (drive)
            script->onDialog(QStringLiteral("frmTrocasen"),
                             [drive](QDialog& d) { drive(static_cast<frmTrocasen&>(d)); });
        frmTrocasen dialogo;
        platform::ui::ShowModal(dialogo);
        settle();
    }
    // Types into the old-password box and leaves it with Tab.
    static void Anterior(frmTrocasen& d, const QString& senha) {
        clickInto(d.txtsenha);
        d.txtsenha->selectAll();
        typeText(senha);
        pressTab();
        settle();
    }
    static void Nova(frmTrocasen& d, const QString& nova, const QString& confirma) {
        typeInto(&d, QStringLiteral("txtNova"), nova);
        typeInto(&d, QStringLiteral("txtConfirma"), confirma);
        click(&d, QStringLiteral("cmdGravar"));
        settle();
    }
};

TEST_F(frmTrocasenTest, ThreeWrongOldPasswordsInARowCloseTheDialogWithNothingStored) {
    Troca(QStringLiteral("5"), [this](frmTrocasen& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Alteração de Senha"));
        EXPECT_EQ(d.lblData->text(), QStringLiteral("15/03/2011"));
        EXPECT_FALSE(d.cmdGravar->isEnabled());
        Anterior(d, QStringLiteral("errada"));
        EXPECT_EQ(d.Tentativas(), 1);
        EXPECT_EQ(d.txtsenha->text(), QString());
        EXPECT_EQ(focused(), d.txtsenha);
        Anterior(d, QStringLiteral("outra"));
        EXPECT_TRUE(d.isVisible());
        script->expect(TresTentativas, QStringLiteral("Erro Fatal..."), OK);
        Anterior(d, QStringLiteral("mais uma"));
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(Geral::Cancelado);
    EXPECT_EQ(Coluna(5, "senha"), Geral::CodificaSenha(QStringLiteral("maria1")));
    EXPECT_EQ(Coluna(5, "dsenha"), QStringLiteral("15/03/2011"));
}

TEST_F(frmTrocasenTest, ACorrectOldPasswordBetweenWrongOnesResetsTheCount) {
    Troca(QStringLiteral("5"), [](frmTrocasen& d) {
        Anterior(d, QStringLiteral("errada"));
        Anterior(d, QStringLiteral("errada"));
        Anterior(d, QStringLiteral("maria1"));
        EXPECT_EQ(d.Tentativas(), 0);
        EXPECT_TRUE(d.cmdGravar->isEnabled());
        EXPECT_EQ(focused(), d.txtNova);
        Anterior(d, QStringLiteral("errada"));
        EXPECT_FALSE(d.cmdGravar->isEnabled());
        Anterior(d, QStringLiteral("errada"));
        EXPECT_EQ(d.Tentativas(), 2);
        EXPECT_TRUE(d.isVisible());
        // Leaving the box empty counts nothing and lets the cancel through.
        click(&d, QStringLiteral("cmdCancelar"));
    });
    EXPECT_TRUE(Geral::Cancelado);
    EXPECT_EQ(Coluna(5, "senha"), Geral::CodificaSenha(QStringLiteral("maria1")));
}

TEST_F(frmTrocasenTest, AnEmptyOrUnconfirmedNewPasswordIsNeverStored) {
    Troca(QStringLiteral("5"), [this](frmTrocasen& d) {
        Anterior(d, QStringLiteral("maria1"));
        click(&d, QStringLiteral("cmdGravar"));
        settle();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(focused(), d.txtNova);
        Nova(d, QStringLiteral("nova"), QStringLiteral("outra"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.txtNova->text(), QString());
        EXPECT_EQ(d.txtConfirma->text(), QString());
        EXPECT_EQ(focused(), d.txtNova);
        d.close();
    });
    EXPECT_TRUE(Geral::Cancelado);
    EXPECT_EQ(Coluna(5, "senha"), Geral::CodificaSenha(QStringLiteral("maria1")));
    EXPECT_EQ(Coluna(5, "dsenha"), QStringLiteral("15/03/2011"));
}

TEST_F(frmTrocasenTest, AStoredChangeDatesTodayAndOnlyTheNewPasswordLogsIn) {
    Troca(QStringLiteral("005"), [](frmTrocasen& d) {
        EXPECT_EQ(d.lblData->text(), QStringLiteral("15/03/2011"));
        Anterior(d, QStringLiteral("maria1"));
        Nova(d, QStringLiteral("&segredo密码"), QStringLiteral("&segredo密码"));
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_FALSE(Geral::Cancelado);
    EXPECT_EQ(Coluna(5, "dsenha"), platform::values::formatDate(QDate::currentDate()));
    EXPECT_TRUE(Coluna(5, "senha").startsWith(QStringLiteral("pbkdf2-sha256$")));
    EXPECT_TRUE(Entra(QStringLiteral("Maria"), QStringLiteral("&segredo密码")));
    EXPECT_FALSE(Entra(QStringLiteral("Maria"), QStringLiteral("&segredo??")));
    EXPECT_FALSE(Entra(QStringLiteral("Maria"), QStringLiteral("maria1")));
}

TEST_F(frmTrocasenTest, WithoutAStoredPasswordAnyOldOneIsAccepted) {
    Troca(QStringLiteral("9"), [](frmTrocasen& d) {
        EXPECT_EQ(d.lblData->text(), QString());
        Anterior(d, QStringLiteral("qualquer"));
        EXPECT_TRUE(d.cmdGravar->isEnabled());
        Nova(d, QStringLiteral("paulo"), QStringLiteral("paulo"));
    });
    EXPECT_FALSE(Geral::Cancelado);
    EXPECT_TRUE(Entra(QStringLiteral("Paulo"), QStringLiteral("paulo")));
}

TEST_F(frmTrocasenTest, AMissingUserOrTheCloseBoxEndsAsCancelled) {
    Troca(QStringLiteral("77"), nullptr);
    EXPECT_TRUE(Geral::Cancelado);
    Geral::Cancelado = false;
    Troca(QStringLiteral("5"), [](frmTrocasen& d) { d.close(); });
    EXPECT_TRUE(Geral::Cancelado);
}

TEST_F(frmTrocasenTest, AFailingWriteIsToldAndKeepsTheDialogOpenWithItsInput) {
    const QString falha = BloqueiaEscrita();
    Troca(QStringLiteral("5"), [this, falha](frmTrocasen& d) {
        Anterior(d, QStringLiteral("maria1"));
        script->expect(falha, QStringLiteral("Erro"), OK);
        Nova(d, QStringLiteral("nova"), QStringLiteral("nova"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.txtNova->text(), QStringLiteral("nova"));
        EXPECT_EQ(d.txtConfirma->text(), QStringLiteral("nova"));
        d.close();
    });
    EXPECT_TRUE(Geral::Cancelado);
    EXPECT_EQ(Coluna(5, "senha"), Geral::CodificaSenha(QStringLiteral("maria1")));
}

}  // namespace
