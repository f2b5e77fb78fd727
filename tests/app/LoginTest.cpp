#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "AppFixture.h"
#include "platform/db/Connection.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/SenhaAdm.h"
#include "shell/frmSenha.h"

using namespace apptest;
using platform::ui::Msg::OK;

namespace {
const QString NaoConfere = QStringLiteral("Usuário não cadastrado ou senha não confere !");

const char* const ItensDeTrabalho[] = {"mnuEmpresas",    "mnuSocios", "mnuTerceiros", "mnuEscrita",
                                       "mnuIntegracoes", "mnuLivros", "mnuEtiq",      "mnuRelatorios"};

// Every window registered, so that only the login's rules decide.
app::TabelaJanelas TodasAsJanelas() {
    app::TabelaJanelas t;
    for (const char* n :
         {"frmEmpresas", "frmSocios", "frmTerceiros", "frmCodFiscal", "frmCodFiscal03", "frmForCliGeral",
          "frmMovIcms", "frmMovIss", "frmSintegra", "frmLivrosIcms", "frmLivrosIss", "frmTermo",
          "frmRelatArq", "frmPadrao", "frmUsuarios", "frmAjMov", "frmAjuste", "frmSobre", "frmAtImpr"})
        t[QString::fromUtf8(n)] = [] {};
    return t;
}

void EsperaMenusDoAdministrador(app::MDIformTarvel& w) {
    for (const char* i : ItensDeTrabalho) EXPECT_FALSE(w.item(i)->isEnabled()) << i;
    EXPECT_TRUE(w.item("mnuAjuste")->isEnabled());
    for (const char* i :
         {"mnuSair", "mnuJanelas", "mnuConfig", "mnuUsuario", "mnuAjIndMov", "mnuMusu", "mnuSobre"})
        EXPECT_TRUE(w.item(i)->isEnabled()) << i;
    for (int b = 1; b <= 13; ++b) EXPECT_EQ(w.botao(b)->isEnabled(), b == 12) << b;
}

void EsperaMenusDeUsuario(app::MDIformTarvel& w) {
    for (const char* i : ItensDeTrabalho) EXPECT_TRUE(w.item(i)->isEnabled()) << i;
    EXPECT_FALSE(w.item("mnuAjuste")->isEnabled());
    for (int b : {2, 3, 4, 6, 7, 9, 10, 12, 13}) EXPECT_TRUE(w.botao(b)->isEnabled()) << b;
}

QString Titulo(const QString& usuario) {
    return "Redazor Tarvel - Zelmor Informática Vs." RT_VERSION " - Usuário: " + usuario;
}
}  // namespace

class LoginTest : public AppTest {
  protected:
    void SetUp() override {
        Prepara();
        DefineSenhaAdm("chefe");
        std::array<bool, 9> direitos{};
        direitos[Geral::Direito::cfcon] = true;
        direitos[Geral::Direito::bdalt] = true;
        CriaUsuario({1, "Maria", "m1", "M", direitos});
        CriaUsuario({2, "João", "j2", "L"});
    }
};

TEST_F(LoginTest, WindowLayoutAndFieldLengths) {
    script->onDialog("frmSenha", [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Controle de Acesso ");
        auto* login = testsupport::control<QLineEdit>(&d, "txtlogin");
        auto* senha = testsupport::control<QLineEdit>(&d, "txtsenha");
        EXPECT_EQ(login->maxLength(), 20);
        EXPECT_EQ(senha->maxLength(), 15);
        EXPECT_EQ(senha->echoMode(), QLineEdit::Password);
        EXPECT_EQ(testsupport::control<QLabel>(&d, "lblDatasys")->text(),
                  "Data do Sistema: " + platform::values::formatDate(QDate::currentDate()));
        AppTest::Entra("Maria", "m1")(d);
    });
    Inicia(TodasAsJanelas());
}

TEST_F(LoginTest, EmptyPasswordsAreNotCountedAndWrongOnesAre) {
    script->onDialog("frmSenha", [this](QDialog& d) {
        auto& login = dynamic_cast<shell::frmSenha&>(d);
        for (int i = 0; i < 5; ++i) Entra("Maria", "")(d);
        Entra("", "m1")(d);
        EXPECT_EQ(login.tentativas(), 0);
        EXPECT_TRUE(login.txtlogin->text().isEmpty());
        EXPECT_EQ(testsupport::focusedName(), "txtlogin");
        script->expect(NaoConfere, "Controle de Acesso", OK).expect(NaoConfere, OK);
        Entra("Maria", "errada")(d);
        Entra("Ninguem", "m1")(d);
        EXPECT_EQ(login.tentativas(), 2);
        EXPECT_TRUE(login.txtsenha->text().isEmpty());
        EXPECT_EQ(testsupport::focusedName(), "txtlogin");
        Entra("Maria", "m1")(d);
    });
    auto& w = Inicia(TodasAsJanelas());
    EXPECT_EQ(script->shown()[0].style, platform::ui::Msg::OKOnly + platform::ui::Msg::Critical);
    EXPECT_EQ(Geral::UsuarioAtual, "Maria");
    EXPECT_EQ(w.windowTitle(), Titulo("Maria"));
}

TEST_F(LoginTest, NameInOtherCaseIsFoundAndTheStoredNameIsShown) {
    script->onDialog("frmSenha", Entra("joão", "j2"));
    auto& w = Inicia(TodasAsJanelas());
    EXPECT_EQ(Geral::UsuarioAtual, "João");
    EXPECT_EQ(w.windowTitle(), Titulo("João"));
    EXPECT_EQ(Geral::TipoImpressora, "L");
    EsperaMenusDeUsuario(w);
}

TEST_F(LoginTest, UserRowGivesPrinterTypeAndRights) {
    script->onDialog("frmSenha", Entra("MARIA", "m1"));
    Inicia(TodasAsJanelas());
    EXPECT_EQ(Geral::UsuarioAtual, "Maria");
    EXPECT_EQ(Geral::TipoImpressora, "M");
    EXPECT_TRUE(Geral::DireitosUsuario[Geral::Direito::cfcon]);
    EXPECT_TRUE(Geral::DireitosUsuario[Geral::Direito::bdalt]);
    EXPECT_FALSE(Geral::DireitosUsuario[Geral::Direito::cfadi]);
}

TEST_F(LoginTest, BuiltInAdministratorGetsOnlyUserManagementAndAjuste) {
    script->onDialog("frmSenha", Entra("Administrador", "chefe"));
    auto& w = Inicia(TodasAsJanelas());
    EXPECT_EQ(Geral::UsuarioAtual, "Administrador");
    EXPECT_EQ(w.windowTitle(), Titulo("Administrador"));
    EsperaMenusDoAdministrador(w);
}

TEST_F(LoginTest, AdministratorsPasswordIsCheckedAndTheNameIsExact) {
    script->onDialog("frmSenha", [this](QDialog& d) {
        script->expect(NaoConfere, OK).expect(NaoConfere, OK);
        Entra("Administrador", "errada")(d);
        // Another letter case is an ordinary name, and no such user exists.
        Entra("administrador", "chefe")(d);
        EXPECT_EQ(dynamic_cast<shell::frmSenha&>(d).tentativas(), 2);
        Entra("Administrador", "chefe")(d);
    });
    Inicia(TodasAsJanelas());
    EXPECT_EQ(Geral::UsuarioAtual, "Administrador");
}

TEST_F(LoginTest, UserRowsNamedAdministradorAndAdministradorInLowerCase) {
    CriaUsuario({3, "Administrador", "a3"});
    script->onDialog("frmSenha", Entra("Administrador", "a3"));
    auto& w = Inicia(TodasAsJanelas());
    EXPECT_EQ(Geral::UsuarioAtual, "Administrador");
    EsperaMenusDoAdministrador(w);
}

TEST_F(LoginTest, UserRowNamedInLowerCaseGetsTheOrdinaryMenus) {
    CriaUsuario({3, "administrador", "a3"});
    script->onDialog("frmSenha", Entra("administrador", "a3"));
    auto& w = Inicia(TodasAsJanelas());
    EXPECT_EQ(Geral::UsuarioAtual, "administrador");
    EsperaMenusDeUsuario(w);
}

TEST_F(LoginTest, ChangeOfUserSetsMenusToolbarCaptionAndUserAnew) {
    script->onDialog("frmSenha", Entra("Maria", "m1"));
    auto& w = Inicia(TodasAsJanelas());
    EsperaMenusDeUsuario(w);

    script->onDialog("frmSenha", Entra("Administrador", "chefe"));
    w.item("mnuMusu")->trigger();
    EXPECT_EQ(w.windowTitle(), Titulo("Administrador"));
    EsperaMenusDoAdministrador(w);

    script->onDialog("frmSenha", Entra("João", "j2"));
    w.botao(12)->trigger();
    EXPECT_EQ(w.windowTitle(), Titulo("João"));
    EXPECT_EQ(Geral::UsuarioAtual, "João");
    EXPECT_EQ(Geral::TipoImpressora, "L");
    EXPECT_FALSE(Geral::DireitosUsuario[Geral::Direito::cfcon]);
    EsperaMenusDeUsuario(w);
}

TEST_F(LoginTest, AttemptsStartAgainAtEachChangeOfUser) {
    script->onDialog("frmSenha", [this](QDialog& d) {
        script->expect(NaoConfere, OK).expect(NaoConfere, OK);
        Entra("Maria", "x")(d);
        Entra("Maria", "y")(d);
        Entra("Maria", "m1")(d);
    });
    auto& w = Inicia(TodasAsJanelas());
    script->onDialog("frmSenha", [this](QDialog& d) {
        EXPECT_EQ(dynamic_cast<shell::frmSenha&>(d).tentativas(), 0);
        script->expect(NaoConfere, OK).expect(NaoConfere, OK);
        Entra("João", "x")(d);
        Entra("João", "y")(d);
        Entra("João", "j2")(d);
    });
    w.item("mnuMusu")->trigger();
    EXPECT_EQ(Geral::UsuarioAtual, "João");
}

TEST_F(LoginTest, NamesWithAnApostropheAreJustValues) {
    CriaUsuario({4, "D'Ávila", "d4"});
    script->onDialog("frmSenha", [this](QDialog& d) {
        script->expect(NaoConfere, OK).expect(NaoConfere, OK);
        Entra("x' OR '1'='1", "x' OR '1'='1")(d);
        Entra("O'Brien", "o")(d);
        EXPECT_EQ(dynamic_cast<shell::frmSenha&>(d).tentativas(), 2);
        Entra("d'ávila", "d4")(d);
    });
    Inicia(TodasAsJanelas());
    EXPECT_EQ(Geral::UsuarioAtual, "D'Ávila");
}

TEST_F(LoginTest, PasswordThatCannotBeEncodedIsAFailedAttempt) {
    script->onDialog("frmSenha", [this](QDialog& d) {
        script->expect(NaoConfere, OK);
        // At the fifteenth place, the last letters of the code page shift past its end.
        Entra("Maria", QStringLiteral("aaaaaaaaaaaaaaÿ"))(d);
        EXPECT_EQ(dynamic_cast<shell::frmSenha&>(d).tentativas(), 1);
        Entra("Maria", "m1")(d);
    });
    Inicia(TodasAsJanelas());
    EXPECT_EQ(Geral::UsuarioAtual, "Maria");
}

TEST_F(LoginTest, LongNamesAndPasswordsOfTheUsersRegisterLogIn) {
    CriaUsuario({5, "Maria da Conceição S", "senhacomquinze"});
    script->onDialog("frmSenha", Entra("Maria da Conceição S", "senhacomquinze"));
    Inicia(TodasAsJanelas());
    EXPECT_EQ(Geral::UsuarioAtual, "Maria da Conceição S");
}

TEST_F(LoginTest, FirstAdministratorPasswordMustBeFilledAndConfirmed) {
    {
        platform::db::Connection cn;
        cn.Open(pasta->conexao());
        cn.Execute("UPDATE Parametros SET senha_adm = NULL");
    }
    script->onDialog("frmSenha", [this](QDialog& d) {
        script->onDialog("frmSenhaAdm", [this](QDialog& a) {
            EXPECT_EQ(a.windowTitle(), "Senha do Administrador");
            EXPECT_EQ(testsupport::control<QLineEdit>(&a, "txtSenha")->maxLength(), 15);
            EXPECT_EQ(testsupport::control<QLineEdit>(&a, "txtConfirmacao")->echoMode(), QLineEdit::Password);
            script->expect("A senha não pode ficar em branco !", "Atenção", OK)
                .expect("As senhas não conferem !", "Atenção", OK);
            NovaSenhaAdm("", "")(a);
            NovaSenhaAdm("abc", "abd")(a);
            EXPECT_TRUE(testsupport::control<QLineEdit>(&a, "txtSenha")->text().isEmpty());
            NovaSenhaAdm("abc", "abc")(a);
        });
        Entra("Administrador", "")(d);
    });
    Inicia(TodasAsJanelas());
    EXPECT_EQ(Geral::UsuarioAtual, "Administrador");
    EXPECT_EQ(script->shown()[0].style, platform::ui::Msg::OKOnly + platform::ui::Msg::Exclamation);
    const QString guardada = SenhaAdmGuardada();
    EXPECT_TRUE(shell::ConfereSenhaAdm("abc", guardada));
    EXPECT_FALSE(guardada.contains("abc"));
}
