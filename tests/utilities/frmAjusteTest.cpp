#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "companies/frmEmpresas.h"
#include "platform/controls/MultiLineText.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "support/Drive.h"
#include "support/RegistryWindowFixture.h"
#include "utilities/frmAjuste.h"

using namespace testsupport;
using platform::ui::Msg::Ignore;
using platform::ui::Msg::OK;
using platform::ui::Msg::Retry;
using utilities::frmAjuste;

namespace {

const QString Leu = QStringLiteral("Você leu a mensagem em negrito ?");
const QString Agradecemos = QStringLiteral("agradecemos se você enviar um comentário para nós... ");

QByteArray Conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class frmAjusteTest : public RegistryWindowFixture {};

TEST_F(frmAjusteTest, WithoutTheTemplateTheRebuildIsDone) {
    script->expect(QStringLiteral("Este ajuste já foi feito !"), OK);
    auto* w = platform::ui::ShowForm<frmAjuste>();
    settle();
    EXPECT_FALSE(w->cmdTrabdados->isEnabled());
    EXPECT_EQ(w->lbl1->text(), QStringLiteral("Ajuste já Efetuado !"));
}

TEST_F(frmAjusteTest, CarriesTheOfficesRowsKeepsTheBackupAndDeletesTheTemplateLast) {
    pasta.copyTemplate("Ajuste.mdb", "Ajuste.mdb");
    db.Execute("UPDATE Padrao SET Nvias = '07', L0 = 'Escritório'");
    const QByteArray antes = Conteudo(pasta.filePath("Trabdados.mdb"));
    db.Close();
    auto* w = platform::ui::ShowForm<frmAjuste>();
    settle();
    EXPECT_EQ(w->cmdTrabdados->text(), QStringLiteral("Ajuste Versão " RT_VERSION " " RT_RELEASE));
    EXPECT_TRUE(
        w->txtMudanca->Text().startsWith(QStringLiteral("*** LEIA COM ATENÇÃO *** Atualização " RT_RELEASE)));
    QList<int> progresso;
    QObject::connect(w->prbBarra, &QProgressBar::valueChanged, [&](int v) { progresso << v; });
    script->expect(Agradecemos, Leu, OK).expect(QStringLiteral("Ajuste Finalizado !"), "Atenção", OK);
    click(w->cmdTrabdados);
    settle();
    EXPECT_EQ(progresso, (QList<int>{0, 2, 5, 8, 10, 12, 15, 18, 20, 22, 25, 28, 30, 32, 35, 100}));
    EXPECT_FALSE(QFile::exists(pasta.filePath("Ajuste.mdb")));
    EXPECT_EQ(Conteudo(pasta.filePath("seguro.bak")), antes);
    db.OpenFile(pasta.filePath("Trabdados.mdb"));
    auto rs = db.OpenRecordset("SELECT Nvias, L0, COUNT(*) FROM Padrao");
    EXPECT_EQ(rs.Fields(0).toString(), QStringLiteral("07"));
    EXPECT_EQ(rs.Fields(1).toString(), QStringLiteral("Escritório"));
    EXPECT_EQ(rs.Fields(2).toInt(), 1);
}

// The companies window open keeps the rebuild out and the button enabled; a table that fails, retried
// and then ignored, lets the others be tried but replaces nothing.
TEST_F(frmAjusteTest, AnOpenWindowOrAnIgnoredTableReplacesNothing) {
    pasta.copyTemplate("Ajuste.mdb", "Ajuste.mdb");
    db.Execute("INSERT INTO Empresas(codigo,nome) VALUES(12,'Doze')");
    db.Close();
    auto* empresas = platform::ui::ShowForm<Empresas::frmEmpresas>();
    auto* w = platform::ui::ShowForm<frmAjuste>();
    settle();
    script->expect(Agradecemos, Leu, OK)
        .expect(
            QStringLiteral("O arquivo Trabdados.mdb está aberto em outra janela; feche as outras janelas e "
                           "tente novamente !"),
            "Atenção...", OK);
    click(w->cmdTrabdados);
    settle();
    EXPECT_TRUE(w->cmdTrabdados->isEnabled());
    ASSERT_TRUE(empresas->Unload());
    settle();

    {
        platform::db::Connection modelo;
        modelo.OpenFile(pasta.filePath("Ajuste.mdb"));
        modelo.Execute(
            "CREATE TRIGGER falha BEFORE INSERT ON Empresas BEGIN SELECT RAISE(ABORT, 'recusada'); END");
    }
    const QByteArray trabdados = Conteudo(pasta.filePath("Trabdados.mdb"));
    const QByteArray ajuste = Conteudo(pasta.filePath("Ajuste.mdb"));
    const QString erro = QStringLiteral("Erro número 1811 recusada");
    script->expect(Agradecemos, Leu, OK)
        .expect(erro, "Erro Fatal", Retry)
        .expect(erro, "Erro Fatal", Ignore)
        .expect(QStringLiteral(
                    "O ajuste não foi concluído; Trabdados.mdb e Ajuste.mdb não foram alterados. Tabelas "
                    "não transportadas: Empresas"),
                "Atenção", OK);
    click(w->cmdTrabdados);
    settle();
    EXPECT_EQ(Conteudo(pasta.filePath("Trabdados.mdb")), trabdados);
    EXPECT_EQ(Conteudo(pasta.filePath("Ajuste.mdb")), ajuste);
    EXPECT_FALSE(QFile::exists(pasta.filePath("seguro.bak")));
}

}  // namespace
