#include <QAction>
#include <QDir>
#include <QFile>

#include "AppFixture.h"
#include "platform/db/Connection.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"

using namespace apptest;
using platform::ui::Msg::No;
using platform::ui::Msg::OK;
using platform::ui::Msg::Yes;
using ::testing::ExitedWithCode;

namespace {
constexpr int Fim = platform::ui::ProgramEndedExitCode;
constexpr int Falha = platform::ui::FatalErrorExitCode;
const QString PrimeiraInstalacao = QStringLiteral("Trata-se da primeira instalação ?");
const QString Saida = QStringLiteral("Você Quer Realmente Sair ?");

class JanelaOcupada : public platform::ui::Form {
  protected:
    void Form_Unload(bool& Cancel) override { Cancel = true; }
};

QByteArray Conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

// The paths that end the program at once run in a child process, which finds the folder its parent
// prepared (so only the parent changes it before the start-up); the parent checks the files after.
class StartupDeathTest : public AppTest {};

TEST_F(StartupDeathTest, FirstStartAnsweredNoEndsAndLeavesTheTemplate) {
    Prepara(PastaPrograma::Ajuste | PastaPrograma::Movimento);
    EXPECT_EXIT(
        {
            script->expect(PrimeiraInstalacao, "Atenção", No)
                .expect("Trabdados.mdb não está presente no diretório, Sistema Encerrado !", "Erro Fatal",
                        OK);
            Inicia();
        },
        ExitedWithCode(Falha), "");
    EXPECT_TRUE(pasta->existe("Ajuste.mdb"));
    EXPECT_FALSE(pasta->existe("Trabdados.mdb"));
    EXPECT_FALSE(pasta->existe("Tarvel"));
}

TEST_F(StartupDeathTest, FirstStartWithoutTheTemplateEnds) {
    Prepara(PastaPrograma::Movimento);
    EXPECT_EXIT(
        {
            script->expect(PrimeiraInstalacao, Yes)
                .expect("Ajuste.mdb não está presente no diretório, Sistema Encerrado !", "Erro Fatal", OK);
            Inicia();
        },
        ExitedWithCode(Falha), "");
    EXPECT_FALSE(pasta->existe("Trabdados.mdb"));
    EXPECT_FALSE(pasta->existe("Tarvel"));
}

TEST_F(StartupDeathTest, MissingMovementTemplateEndsBeforeTheFolderIsMade) {
    Prepara(PastaPrograma::Trabdados);
    EXPECT_EXIT(
        {
            script->expect("Movimento.mdb não está presente no diretório, Sistema Encerrado !",
                           "Erro Fatal !", OK);
            Inicia();
        },
        ExitedWithCode(Falha), "");
    EXPECT_FALSE(pasta->existe("Tarvel"));
}

TEST_F(StartupDeathTest, AFileNamedTarvelEndsTheStartUp) {
    Prepara(PastaPrograma::Trabdados | PastaPrograma::Movimento);
    if (!testsupport::inDeathTestChild()) {
        QFile f(pasta->arquivo("Tarvel"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    EXPECT_EXIT(
        {
            script->expect("Tarvel no diretório não é uma pasta, Sistema Encerrado !", "Erro Fatal", OK);
            Inicia();
        },
        ExitedWithCode(Falha), "");
    EXPECT_FALSE(pasta->ehPasta("Tarvel"));
    EXPECT_EQ(Conteudo(pasta->arquivo("Tarvel")), "x");
}

TEST_F(StartupDeathTest, TemplateThatCannotBeRenamedEndsAndStays) {
    Prepara(PastaPrograma::Ajuste | PastaPrograma::Movimento);
    // A folder holds the registry's name: the template cannot take it.
    if (!testsupport::inDeathTestChild()) {
        ASSERT_TRUE(QDir(pasta->path()).mkdir("Trabdados.mdb"));
    }
    EXPECT_EXIT(
        {
            script->expect(PrimeiraInstalacao, Yes)
                .expect(
                    "Não foi possível renomear Ajuste.mdb para Trabdados.mdb (O arquivo de destino já "
                    "existe), "
                    "Sistema Encerrado !",
                    "Erro Fatal", OK);
            Inicia();
        },
        ExitedWithCode(Falha), "");
    EXPECT_TRUE(pasta->existe("Ajuste.mdb"));
    EXPECT_TRUE(pasta->ehPasta("Trabdados.mdb"));
}

TEST_F(StartupDeathTest, RegistryThatIsNotADatabaseEndsUnchanged) {
    Prepara(PastaPrograma::Movimento | PastaPrograma::Tarvel);
    if (!testsupport::inDeathTestChild()) {
        QFile f(pasta->arquivo("Trabdados.mdb"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'z'));
    }
    EXPECT_EXIT(
        {
            script->expect(
                "Trabdados.mdb não pode ser aberto (erro número 26 O arquivo " +
                    pasta->arquivo("Trabdados.mdb") +
                    " está danificado; restaure a cópia de segurança mais recente.), Sistema Encerrado !",
                "Erro Fatal", OK);
            Inicia();
        },
        ExitedWithCode(Falha), "");
    EXPECT_EQ(Conteudo(pasta->arquivo("Trabdados.mdb")), QByteArray(4096, 'z'));
}

TEST_F(StartupDeathTest, RegistryOfAnotherProgramEnds) {
    Prepara(PastaPrograma::Movimento | PastaPrograma::Tarvel);
    if (!testsupport::inDeathTestChild()) {
        platform::db::Connection cn;
        cn.Open(pasta->conexao(), platform::db::OpenMode::Create);
        cn.Execute("CREATE TABLE outra (x INTEGER)");
    }
    const QByteArray antes = Conteudo(pasta->arquivo("Trabdados.mdb"));
    EXPECT_EXIT(
        {
            script->expect(
                "Trabdados.mdb não pode ser aberto (erro número 1 O arquivo " +
                    pasta->arquivo("Trabdados.mdb") +
                    " não tem a tabela \"usuarios\": é de uma versão anterior, está vazio ou não é "
                    "um arquivo deste sistema. Ajuste-o pelo menu Ajuda, \"Ajuste\".), Sistema "
                    "Encerrado !",
                "Erro Fatal", OK);
            Inicia();
        },
        ExitedWithCode(Falha), "");
    EXPECT_EQ(Conteudo(pasta->arquivo("Trabdados.mdb")), antes);
}

TEST_F(StartupDeathTest, ExitItemAnsweredYesEndsWithoutAskingAgainOrClosingWindows) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    EXPECT_EXIT(
        {
            script->onDialog("frmSenha", Entra("Maria", "m1"));
            auto& w = Inicia();
            platform::ui::ShowForm<JanelaOcupada>();
            script->expect(Saida, "Mensagem de Saída", Yes);
            w.item("mnuSair")->trigger();
        },
        ExitedWithCode(Fim), "");
}
