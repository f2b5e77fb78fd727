#include <QAction>

#include "AppFixture.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MsgBox.h"

using namespace apptest;
using platform::ui::Msg::No;
using platform::ui::Msg::OK;
using platform::ui::Msg::Yes;
using ::testing::ExitedWithCode;

namespace {
constexpr int Fim = platform::ui::ProgramEndedExitCode;
const QString NaoConfere = QStringLiteral("Usuário não cadastrado ou senha não confere !");
const QString Saida = QStringLiteral("Você Quer Realmente Sair ?");
}  // namespace

class LoginDeathTest : public AppTest {
  protected:
    void SetUp() override {
        Prepara();
        DefineSenhaAdm("chefe");
        CriaUsuario({1, "Maria", "m1"});
    }
};

TEST_F(LoginDeathTest, ThirdFailureInAnyMixEndsTheProgram) {
    EXPECT_EXIT(
        {
            script->expect(NaoConfere, OK).expect(NaoConfere, OK).expect(NaoConfere, OK);
            script->onDialog("frmSenha", [](QDialog& d) {
                Entra("Maria", "x")(d);
                Entra("Maria", "")(d);
                Entra("Ninguem", "m1")(d);
                Entra("Administrador", "errada")(d);
                ADD_FAILURE() << "still running after the third failure";
            });
            Inicia();
        },
        ExitedWithCode(Fim), "");
}

TEST_F(LoginDeathTest, CancelAsksTheExitQuestionAndEndsWhateverTheAnswer) {
    EXPECT_EXIT(
        {
            script->expect(Saida, "Mensagem de Saída", No);
            script->onDialog("frmSenha", [](QDialog& d) { testsupport::click(&d, "cmdCancelar"); });
            Inicia();
        },
        ExitedWithCode(Fim), "");
}

TEST_F(LoginDeathTest, EscEndsTheProgram) {
    EXPECT_EXIT(
        {
            script->expect(Saida, Yes);
            script->onDialog("frmSenha", [](QDialog& d) {
                testsupport::typeInto(&d, "txtlogin", "Maria");
                testsupport::pressEsc();
            });
            Inicia();
        },
        ExitedWithCode(Fim), "");
}

TEST_F(LoginDeathTest, CloseBoxEndsTheProgram) {
    EXPECT_EXIT(
        {
            script->expect(Saida, No);
            script->onDialog("frmSenha", [](QDialog& d) { d.close(); });
            Inicia();
        },
        ExitedWithCode(Fim), "");
}

TEST_F(LoginDeathTest, CancelAtAChangeOfUserEndsTheProgram) {
    EXPECT_EXIT(
        {
            script->onDialog("frmSenha", Entra("Maria", "m1"));
            auto& w = Inicia();
            script->expect(Saida, No);
            script->onDialog("frmSenha", [](QDialog& d) { testsupport::click(&d, "cmdCancelar"); });
            w.item("mnuMusu")->trigger();
        },
        ExitedWithCode(Fim), "");
}
