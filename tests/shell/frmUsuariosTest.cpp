#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "UsuariosFixture.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBList.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastro.h"
#include "shell/ListaPesquisa.h"
#include "shell/frmPesquisa.h"
#include "shell/frmSenha.h"
#include "shell/frmUsuarios.h"

using namespace shell;
using namespace testsupport;
using platform::ui::Msg::No;
using platform::ui::Msg::OK;
using platform::ui::Msg::Yes;

namespace {

const QString NaoCadastrado = QStringLiteral("Código Não Cadastrado, Incluir Novo ?");
const QString Excluir = QStringLiteral("Deseja Realmente Excluir Este Usuário ?");
const QString Guarda =
    QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele antes...");

QString Hoje() { return platform::values::formatDate(QDate::currentDate()); }

class frmUsuariosTest : public UsuariosFixture {
  protected:
    void SetUp() override {
        UsuariosFixture::SetUp();
        InsereUsuario(5, QStringLiteral("Maria"), QStringLiteral("maria1"), QStringLiteral("J"),
                      QDate(2011, 3, 15), QStringLiteral("110010001"));
        InsereUsuario(8, QStringLiteral("José"), QStringLiteral("jose"), QStringLiteral("S"));
    }
    void Abre(const QString& usuario = QStringLiteral("Administrador"), qint64 codigo = 0) {
        Geral::UsuarioAtual = usuario;
        Geral::CodigoUsuario = codigo;
        w = platform::ui::ShowForm<frmUsuarios>();
        ASSERT_NE(w, nullptr);
        settle();
    }
    // Types the digits into the code field from its start and leaves it with Tab.
    void Chave(const QString& digitos) {
        clickInto(w->mskCodigo);
        typeText(digitos);
        pressTab();
        settle();
    }
    // A new code, answering the question with Yes.
    void Novo(const QString& digitos) {
        script->expect(NaoCadastrado, QStringLiteral("Atenção..."), Yes);
        Chave(digitos);
        ASSERT_EQ(w->Cadastro().EstadoAtual(), 3);
    }
    void Grava() {
        click(w, QStringLiteral("cmdGravar"));
        settle();
    }
    void Marca(QCheckBox* caixa) {
        click(caixa);
        settle();
    }
    // The nine boxes as "1"/"0", and whether each may be changed.
    QString Marcadas() const {
        QString r;
        for (QCheckBox* c : w->Caixas()) r += c->isChecked() ? u'1' : u'0';
        return r;
    }
    QString Livres() const {
        QString r;
        for (QCheckBox* c : w->Caixas()) r += c->isEnabled() ? u'1' : u'0';
        return r;
    }

    frmUsuarios* w = nullptr;
};

TEST_F(frmUsuariosTest, TheAdministratorOpensIdleWithTheSearchAndTheRightsFrames) {
    Abre();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Cadastro de Usuários"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    EXPECT_EQ(w->mskCodigo->text(), QStringLiteral("___"));
    EXPECT_TRUE(w->mskCodigo->isEnabled());
    for (QWidget* c :
         std::initializer_list<QWidget*>{w->txtNome, w->txtsenha, w->optIm, w->chkBdcon, w->chkCfcon})
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    for (QPushButton* b : {w->cmdGravar, w->cmdCancelar, w->cmdApagar, w->cmdImprimir, w->cmdTrocasen})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(w->cmdSair->isEnabled());
    EXPECT_TRUE(w->cmdPesquisar->isEnabled());
    EXPECT_TRUE(w->frmBdados->isEnabled());
    EXPECT_TRUE(w->frmCFinc->isEnabled());
}

TEST_F(frmUsuariosTest, AnEmptyOrZeroCodeLooksNothingUpAndNoKeepsTheEmptyMask) {
    Abre();
    clickInto(w->mskCodigo);
    pressTab();
    settle();
    Chave(QStringLiteral("0"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    EXPECT_TRUE(script->shown().empty());

    script->expect(NaoCadastrado, QStringLiteral("Atenção..."), No);
    Chave(QStringLiteral("12"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    EXPECT_EQ(w->mskCodigo->text(), QStringLiteral("___"));
    EXPECT_FALSE(w->txtNome->isEnabled());
}

TEST_F(frmUsuariosTest, ANewUserWithAnEmptyPasswordLogsInWithOneBlankAndKeepsHisRights) {
    Abre();
    Novo(QStringLiteral("12"));
    EXPECT_EQ(focused(), w->txtNome);
    EXPECT_TRUE(w->txtsenha->isEnabled());
    EXPECT_FALSE(w->cmdSair->isEnabled());
    EXPECT_FALSE(w->cmdImprimir->isEnabled());
    EXPECT_FALSE(w->cmdTrocasen->isEnabled());
    typeText(QStringLiteral("Ana D'Ávila"));
    click(w->optIm);
    Marca(w->chkBdcon);
    Marca(w->chkBdexc);
    Marca(w->chkCfcon);
    Marca(w->chkCfbai);
    EXPECT_EQ(Marcadas(), QStringLiteral("101010001"));
    Grava();

    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    EXPECT_EQ(focused(), w->mskCodigo);
    EXPECT_EQ(Coluna(12, "nome"), QStringLiteral("Ana D'Ávila"));
    EXPECT_TRUE(Coluna(12, "senha").startsWith(QStringLiteral("pbkdf2-sha256$")));
    EXPECT_EQ(Coluna(12, "dsenha"), Hoje());
    EXPECT_EQ(Coluna(12, "impressora"), QStringLiteral("M"));
    EXPECT_EQ(Direitos(12), QStringLiteral("101010001"));
    EXPECT_TRUE(Entra(QStringLiteral("Ana D'Ávila"), QStringLiteral(" ")));
    EXPECT_FALSE(Entra(QStringLiteral("Ana D'Ávila"), QStringLiteral("x")));
    // A new user's save leaves the logged-in user's printer alone.
    EXPECT_EQ(Geral::TipoImpressora, QString());
}

TEST_F(frmUsuariosTest, APasswordIsStoredAsASaltedHashForAnyCharacter) {
    Abre();
    Novo(QStringLiteral("3"));
    typeText(QStringLiteral("Pedro"));
    typeInto(w, QStringLiteral("txtsenha"), QStringLiteral("&abc"));
    Grava();
    EXPECT_TRUE(Coluna(3, "senha").startsWith(QStringLiteral("pbkdf2-sha256$")));
    EXPECT_FALSE(Coluna(3, "senha").contains(QStringLiteral("abc")));
    EXPECT_TRUE(Entra(QStringLiteral("Pedro"), QStringLiteral("&abc")));
    EXPECT_FALSE(Entra(QStringLiteral("Pedro"), QStringLiteral("&abd")));
}

// Rows an older version stored hold CodificaSenha's form: the login that matches one rewrites it as a
// hash (keeping its date), after which the old form's collisions and copies log in no more.
TEST_F(frmUsuariosTest, AnOldPasswordFormIsReplacedByAHashAtItsFirstLogin) {
    InsereUsuario(20, QStringLiteral("Rui"), QStringLiteral("segredo1"));
    const QString antiga = Coluna(20, "senha");
    ASSERT_EQ(antiga, Geral::CodificaSenha(QStringLiteral("srgeedo1")));
    EXPECT_FALSE(Entra(QStringLiteral("Rui"), QStringLiteral("segredo2")));
    EXPECT_EQ(Coluna(20, "senha"), antiga);
    EXPECT_TRUE(Entra(QStringLiteral("RUI"), QStringLiteral("segredo1")));
    EXPECT_TRUE(Coluna(20, "senha").startsWith(QStringLiteral("pbkdf2-sha256$")));
    EXPECT_EQ(Coluna(20, "dsenha"), QStringLiteral("15/03/2011"));
    EXPECT_TRUE(Entra(QStringLiteral("Rui"), QStringLiteral("segredo1")));
    EXPECT_FALSE(Entra(QStringLiteral("Rui"), QStringLiteral("srgeedo1")));
    // A stored text forged by hand (a clear password, a hash of no salt, a key of another length) logs
    // no one in.
    for (const QString& forjada : {QStringLiteral("segredo1"), QStringLiteral("pbkdf2-sha256$1$$AAAA"),
                                   QStringLiteral("pbkdf2-sha256$1$AAAA$AAAA")}) {
        db.Execute(QStringLiteral("UPDATE usuarios SET senha = ? WHERE codigo = 20"), {forjada});
        EXPECT_FALSE(Entra(QStringLiteral("Rui"), QStringLiteral("segredo1"))) << forjada.toStdString();
        EXPECT_FALSE(Entra(QStringLiteral("Rui"), forjada)) << forjada.toStdString();
    }
}

TEST_F(frmUsuariosTest, UntickingAConsultBoxUnticksAndLocksTheRightsItGoverns) {
    Abre();
    Novo(QStringLiteral("20"));
    typeText(QStringLiteral("Rui"));
    // Without their consult box the governed boxes cannot be ticked.
    Marca(w->chkBdalt);
    EXPECT_FALSE(w->chkBdalt->isChecked());
    EXPECT_FALSE(w->chkBdalt->isEnabled());
    Marca(w->chkBdcon);
    EXPECT_TRUE(w->chkBdalt->isEnabled());
    Marca(w->chkBdalt);
    Marca(w->chkBdadi);
    EXPECT_EQ(Marcadas().left(4), QStringLiteral("1101"));
    Marca(w->chkBdcon);
    EXPECT_EQ(Marcadas().left(4), QStringLiteral("0000"));
    EXPECT_EQ(Livres().left(4), QStringLiteral("1000"));
    Grava();
    EXPECT_EQ(Direitos(20), QStringLiteral("000000000"));
}

TEST_F(frmUsuariosTest, TheCaptionOfTheBoxWithTheFocusIsBlue) {
    Abre();
    Novo(QStringLiteral("20"));
    EXPECT_EQ(platform::ui::foreColor(w->lblTit(1)), platform::ui::CaptionHighlight);
    Marca(w->chkCfcon);
    EXPECT_EQ(platform::ui::foreColor(w->lblTit(1)), platform::ui::CaptionNormal);
    EXPECT_EQ(w->chkCfcon->palette().color(QPalette::WindowText), platform::ui::CaptionHighlight);
    Marca(w->chkCfadi);
    EXPECT_EQ(w->chkCfcon->palette().color(QPalette::WindowText), platform::ui::CaptionNormal);
    EXPECT_EQ(w->chkCfadi->palette().color(QPalette::WindowText), platform::ui::CaptionHighlight);
}

TEST_F(frmUsuariosTest, ARefusedSaveKeepsTheInputAndTheCorrectedSaveWritesIt) {
    Abre();
    Novo(QStringLiteral("30"));
    Marca(w->chkCfcon);
    QStringList erros;
    EsperaErros(&erros);
    Grava();
    EXPECT_EQ(erros, QStringList{QStringLiteral("O nome do usuário é obrigatório !")});
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 3);
    EXPECT_TRUE(w->Cadastro().Inclusao());
    EXPECT_TRUE(w->chkCfcon->isChecked());
    EXPECT_EQ(w->txtNome->text(), QStringLiteral(" "));
    EXPECT_EQ(Coluna(30, "nome"), QStringLiteral("<nenhum>"));

    clickInto(w->txtNome);
    w->txtNome->selectAll();
    typeText(QStringLiteral("Car\"la"));
    Grava();
    EXPECT_EQ(Coluna(30, "nome"), QStringLiteral("Carla"));
    EXPECT_EQ(Direitos(30), QStringLiteral("000010000"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
}

TEST_F(frmUsuariosTest, ACodeOrANameAnotherCopyTookMeanwhileBlocksTheSave) {
    Abre();
    Novo(QStringLiteral("40"));
    typeText(QStringLiteral("Luís"));
    // Characters outside Windows-1252 are kept by the hash, never turned into question marks.
    typeInto(w, QStringLiteral("txtsenha"), QStringLiteral("密码密码密码密码密码"));
    InsereUsuario(40, QStringLiteral("Outro"), QStringLiteral("x"));
    InsereUsuario(41, QStringLiteral("LUÍS"), QStringLiteral("x"));
    QStringList erros;
    EsperaErros(&erros);
    Grava();
    EXPECT_EQ(erros, (QStringList{QStringLiteral("Código Já Cadastrado, Troque o Número !"),
                                  QStringLiteral("Nome de usuário já cadastrado !")}));
    EXPECT_EQ(Coluna(40, "nome"), QStringLiteral("Outro"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 3);
    EXPECT_TRUE(w->Cadastro().Inclusao());

    db.Execute(QStringLiteral("DELETE FROM usuarios WHERE codigo = 40"));
    erros.clear();
    EsperaErros(&erros);
    Grava();
    EXPECT_EQ(erros, QStringList{QStringLiteral("Nome de usuário já cadastrado !")});
    EXPECT_EQ(Usuarios(), 3);
    EXPECT_TRUE(w->Cadastro().Inclusao());

    db.Execute(QStringLiteral("DELETE FROM usuarios WHERE codigo = 41"));
    Grava();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    EXPECT_TRUE(Entra(QStringLiteral("Luís"), QStringLiteral("密码密码密码密码密码")));
    EXPECT_FALSE(Entra(QStringLiteral("Luís"), QStringLiteral("??????????")));
}

TEST_F(frmUsuariosTest, TheAdministratorChangesAUserButNeverHisPasswordHere) {
    Abre();
    Chave(QStringLiteral("5"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_EQ(w->txtNome->text(), QStringLiteral("Maria"));
    // The caption highlight follows the focus into the record.
    ASSERT_EQ(focused(), w->txtNome);
    EXPECT_EQ(platform::ui::foreColor(w->lblTit(1)), platform::ui::CaptionHighlight);
    EXPECT_EQ(platform::ui::foreColor(w->lblTit(0)), platform::ui::CaptionNormal);
    EXPECT_EQ(w->lblDsenha->text(), QStringLiteral("15/03/2011"));
    EXPECT_TRUE(w->OptIj->isChecked());
    EXPECT_EQ(Marcadas(), QStringLiteral("110010001"));
    EXPECT_EQ(Livres(), QStringLiteral("111111111"));
    EXPECT_TRUE(w->txtNome->isEnabled());
    EXPECT_FALSE(w->txtsenha->isEnabled());
    EXPECT_FALSE(w->mskCodigo->isEnabled());
    for (QPushButton* b : {w->cmdGravar, w->cmdApagar, w->cmdCancelar, w->cmdImprimir, w->cmdTrocasen})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(w->cmdSair->isEnabled());
    EXPECT_FALSE(w->cmdPesquisar->isEnabled());

    script->expect(Guarda, QStringLiteral("Atenção"), OK);
    EXPECT_FALSE(w->Unload());

    w->txtNome->selectAll();
    typeText(QStringLiteral("Maria Luísa"));
    click(w->optIl);
    Marca(w->chkBdcon);
    Grava();
    EXPECT_EQ(Coluna(5, "nome"), QStringLiteral("Maria Luísa"));
    EXPECT_EQ(Coluna(5, "impressora"), QStringLiteral("L"));
    EXPECT_EQ(Direitos(5), QStringLiteral("000010001"));
    EXPECT_EQ(Coluna(5, "senha"), Geral::CodificaSenha(QStringLiteral("maria1")));
    EXPECT_EQ(Coluna(5, "dsenha"), QStringLiteral("15/03/2011"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    // The cleared form shows the printer a new user gets, not the last one shown.
    EXPECT_TRUE(w->optIn->isChecked());
    EXPECT_FALSE(w->optIl->isChecked());
    EXPECT_TRUE(w->Unload());
}

TEST_F(frmUsuariosTest, ASaveOfAUserAnotherCopyDeletedIsRefused) {
    Abre();
    Chave(QStringLiteral("8"));
    db.Execute(QStringLiteral("DELETE FROM usuarios WHERE codigo = 8"));
    script->expect(QStringLiteral("Registro não encontrado, a gravação não foi realizada !"),
                   QStringLiteral("Atenção"), OK);
    Grava();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_EQ(Usuarios(), 1);
}

TEST_F(frmUsuariosTest, ADeletedUserIsOfferedForCreationAgain) {
    Abre();
    Chave(QStringLiteral("8"));
    script->expect(Excluir, QStringLiteral("Atenção..."), No);
    click(w, QStringLiteral("cmdApagar"));
    settle();
    EXPECT_EQ(Coluna(8, "nome"), QStringLiteral("José"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);

    script->expect(Excluir, QStringLiteral("Atenção..."), Yes);
    click(w, QStringLiteral("cmdApagar"));
    settle();
    EXPECT_EQ(Coluna(8, "nome"), QStringLiteral("<nenhum>"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    EXPECT_EQ(focused(), w->mskCodigo);
    Novo(QStringLiteral("8"));
}

TEST_F(frmUsuariosTest, AnotherUserSeesOnlyHisOwnRecordAndChangesOnlyHisPrinter) {
    Abre(QStringLiteral("maria"), 5);
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_TRUE(w->fraImp->isAncestorOf(focused()));
    EXPECT_EQ(w->txtNome->text(), QStringLiteral("Maria"));
    EXPECT_EQ(w->mskCodigo->text(), QStringLiteral("5__"));
    EXPECT_FALSE(w->mskCodigo->isEnabled());
    EXPECT_FALSE(w->txtNome->isEnabled());
    EXPECT_FALSE(w->txtsenha->isEnabled());
    EXPECT_FALSE(w->frmBdados->isEnabled());
    EXPECT_FALSE(w->frmCFinc->isEnabled());
    EXPECT_EQ(Marcadas(), QStringLiteral("110010001"));
    EXPECT_EQ(Livres(), QStringLiteral("000000000"));
    // Rights he cannot change look so, and the password shows stars.
    EXPECT_NE(w->chkBdadi->palette().color(QPalette::Disabled, QPalette::WindowText),
              w->chkBdadi->palette().color(QPalette::Active, QPalette::WindowText));
    EXPECT_EQ(w->txtsenha->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, w->txtsenha),
              u'*');
    for (QRadioButton* o : {w->optIm, w->OptIj, w->optIl, w->optIn}) EXPECT_TRUE(o->isEnabled());
    EXPECT_FALSE(w->cmdApagar->isEnabled());
    EXPECT_FALSE(w->cmdCancelar->isEnabled());
    EXPECT_FALSE(w->cmdPesquisar->isEnabled());
    EXPECT_TRUE(w->cmdSair->isEnabled());
    EXPECT_TRUE(w->cmdGravar->isEnabled());
    EXPECT_TRUE(w->cmdTrocasen->isEnabled());
    EXPECT_TRUE(w->cmdImprimir->isEnabled());

    click(w->optIm);
    Grava();
    EXPECT_EQ(Coluna(5, "impressora"), QStringLiteral("M"));
    EXPECT_EQ(Coluna(5, "nome"), QStringLiteral("Maria"));
    EXPECT_EQ(Direitos(5), QStringLiteral("110010001"));
    EXPECT_EQ(Geral::TipoImpressora, QStringLiteral("M"));
    // Back in the code field, his record is shown again; and he may close the window.
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_TRUE(w->optIm->isChecked());
    EXPECT_TRUE(w->Unload());
}

// A window the administrator left open with another user's record and rights is not left to the
// next user: the login of "Mudar Usuário" starts it again as his.
TEST_F(frmUsuariosTest, AChangeOfUserStartsTheOpenWindowAgainAsTheNewUsers) {
    Abre();
    Chave(QStringLiteral("8"));
    ASSERT_EQ(w->txtNome->text(), QStringLiteral("José"));
    w->txtNome->selectAll();
    typeText(QStringLiteral("Zé"));
    Geral::ConexaoAcesso = Geral::ConexaoCadastro;
    script->onDialog(QStringLiteral("frmSenha"), [](QDialog& d) {
        auto& login = dynamic_cast<frmSenha&>(d);
        login.txtlogin->setText(QStringLiteral("maria"));
        login.txtsenha->setText(QStringLiteral("maria1"));
        login.cmdOk_Click();
    });
    frmSenha login;
    ASSERT_EQ(platform::ui::ShowModal(login), QDialog::Accepted);
    settle();
    EXPECT_EQ(Geral::CodigoUsuario, 5);
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_EQ(w->mskCodigo->text(), QStringLiteral("5__"));
    EXPECT_EQ(w->txtNome->text(), QStringLiteral("Maria"));
    EXPECT_FALSE(w->txtNome->isEnabled());
    EXPECT_FALSE(w->cmdApagar->isEnabled());
    EXPECT_FALSE(w->frmBdados->isEnabled());
    EXPECT_EQ(Livres(), QStringLiteral("000000000"));
    Grava();
    EXPECT_EQ(Coluna(8, "nome"), QStringLiteral("José"));
    EXPECT_EQ(Usuarios(), 2);
}

TEST_F(frmUsuariosTest, TheSearchPutsTheChosenCodeIntoTheFieldAndLoadsIt) {
    Abre();
    script->onDialog(QStringLiteral("frmPesquisa"), [](QDialog& d) {
        auto& p = static_cast<frmPesquisa&>(d);
        EXPECT_EQ(p.tdbPesq->Caption(), QStringLiteral("Pesquisa de Usuários"));
        p.tdbPesq->setBookmark(p.Lista().Procura(1, QStringLiteral("José")));
        click(&d, QStringLiteral("cmdOk"));
    });
    click(w, QStringLiteral("cmdPesquisar"));
    settle();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_EQ(w->txtNome->text(), QStringLiteral("José"));
    EXPECT_TRUE(w->optIn->isChecked());
}

TEST_F(frmUsuariosTest, PrintingShowsTheUserInTheSharedPreviewAndAStaleCodeShowsNothing) {
    Abre();
    Chave(QStringLiteral("5"));
    click(w, QStringLiteral("cmdImprimir"));
    settle();
    const auto previas = Previas();
    ASSERT_EQ(previas.size(), 1u);
    EXPECT_EQ(CaptionPrevia(), QStringLiteral("Cadastro de Usuário"));
    const QStringList linhas = previas[0].pages.at(0).textLines();
    EXPECT_TRUE(linhas.contains(QStringLiteral("Nome: Maria"))) << linhas.join(u'|').toStdString();
    EXPECT_TRUE(linhas.contains(QStringLiteral("Data da Senha: 15/03/2011")));
    EXPECT_FALSE(platform::ui::hourglassShown());
    // The sheet is seen at once: the host fills the main window.
    auto* host = platform::report::frmRelatorio::shared();
    ASSERT_NE(host, nullptr);
    auto* janela = qobject_cast<QMdiSubWindow*>(host->parentWidget());
    ASSERT_NE(janela, nullptr);
    EXPECT_TRUE(janela->isMaximized());

    platform::report::frmRelatorio::shared()->close();
    settle();
    db.Execute(QStringLiteral("DELETE FROM usuarios WHERE codigo = 5"));
    click(w, QStringLiteral("cmdImprimir"));
    settle();
    EXPECT_EQ(platform::report::frmRelatorio::shared(), nullptr);
    EXPECT_FALSE(platform::ui::hourglassShown());
}

TEST_F(frmUsuariosTest, APasswordChangeShowsTodayOnlyWhenItWasStored) {
    Abre();
    Chave(QStringLiteral("5"));
    script->onDialog(QStringLiteral("frmTrocasen"),
                     [](QDialog& d) { click(&d, QStringLiteral("cmdCancelar")); });
    click(w, QStringLiteral("cmdTrocasen"));
    settle();
    EXPECT_EQ(w->lblDsenha->text(), QStringLiteral("15/03/2011"));
    EXPECT_FALSE(Geral::Cancelado);

    script->onDialog(QStringLiteral("frmTrocasen"), [](QDialog& d) {
        typeInto(&d, QStringLiteral("txtsenha"), QStringLiteral("maria1"));
        pressTab();
        typeText(QStringLiteral("nova"));
        pressTab();
        typeText(QStringLiteral("nova"));
        click(&d, QStringLiteral("cmdGravar"));
    });
    click(w, QStringLiteral("cmdTrocasen"));
    settle();
    EXPECT_EQ(w->lblDsenha->text(), Hoje());
    EXPECT_TRUE(Entra(QStringLiteral("Maria"), QStringLiteral("nova")));
}

TEST_F(frmUsuariosTest, AFailingWriteIsToldAndLeavesTheRecordOpenWithItsInput) {
    Abre();
    Chave(QStringLiteral("5"));
    w->txtNome->selectAll();
    typeText(QStringLiteral("Maria Luísa"));
    const QString falha = BloqueiaEscrita();
    script->expect(falha, QStringLiteral("Erro"), OK);
    Grava();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_EQ(w->txtNome->text(), QStringLiteral("Maria Luísa"));
    EXPECT_EQ(Coluna(5, "nome"), QStringLiteral("Maria"));
    EXPECT_EQ(Geral::TipoImpressora, QString());

    script->expect(Excluir, QStringLiteral("Atenção..."), Yes);
    script->expect(falha, QStringLiteral("Erro"), OK);
    click(w, QStringLiteral("cmdApagar"));
    settle();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_EQ(Coluna(5, "nome"), QStringLiteral("Maria"));
}

// A printer in another form, a name longer than its field and a right under no consult right are named
// as the user loads, and a save with nothing typed keeps them.
TEST_F(frmUsuariosTest, StoredValuesTheFieldsCannotShowAreNamedAndKept) {
    InsereUsuario(9, QStringLiteral("Ana Beatriz de Souza Lima"), QStringLiteral("x"), QStringLiteral("j"),
                  QDate(2011, 3, 15), QStringLiteral("010000000"));
    Abre();
    script->expectKept("nome: Ana Beatriz de Souza Lima\nimpressora: j\nbdadi: Verdadeiro");
    Chave(QStringLiteral("9"));
    Grava();
    EXPECT_EQ(Coluna(9, "nome") + Coluna(9, "impressora") + Direitos(9),
              "Ana Beatriz de Souza Limaj010000000");
}

}  // namespace
