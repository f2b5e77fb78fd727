#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <memory>

#include "ArquivosAntigos.h"
#include "platform/db/Connection.h"
#include "platform/files/InstanceLock.h"
#include "platform/values/RuntimeError.h"
#include "support/TempProgramFolder.h"
#include "utilities/Reconstrucao.h"

using platform::db::Connection;
using testsupport::TempProgramFolder;
using utilities::Etapa;
using utilities::Reconstroi;
using utilities::Reconstrucao;

using namespace arquivosantigos;

namespace {

class ReconstrucaoTest : public ::testing::Test {
  protected:
    TempProgramFolder pasta;

    QString velho() const { return pasta.filePath("Tarvel/Mv050012.mdb"); }

    void EscreveMovimentoAntigo() {
        arquivosantigos::EscreveMovimentoAntigo(pasta.filePath("Movimento.mdb"), velho());
    }

    Reconstrucao Movimento() const { return utilities::PedidoMovimento(pasta.path(), velho()); }

    QStringList Sobras() const {
        return QDir(pasta.filePath("Tarvel")).entryList(QDir::Files | QDir::Hidden);
    }
};

TEST_F(ReconstrucaoTest, CarriesEveryFamilyByNameAndKeepsKeysCountersAndTheTemplatesContent) {
    EscreveMovimentoAntigo();
    QStringList entradas, saidas, posicoes;
    {
        Connection antigo;
        antigo.OpenFile(velho());
        entradas =
            Linhas(antigo, "dige03", "codauto, datalan, especie, cgc, vlrcontabil, baseicms0", "codauto");
        saidas = Linhas(antigo, "digs12", "codauto, serie, vlrcontabil", "codauto");
        posicoes = Linhas(antigo, "Pos_Icms", "*", "Mes_Base");
    }
    ASSERT_EQ(entradas.size(), 2);

    const auto r = Reconstroi(Movimento());
    ASSERT_TRUE(r.feito) << r.erro.toStdString() << r.recusas.join('\n').toStdString();

    Connection novo;
    novo.OpenFile(velho());
    EXPECT_EQ(Linhas(novo, "DIGE03", "codauto, datalan, especie, cgc, vlrcontabil, baseicms0", "codauto"),
              entradas);
    EXPECT_EQ(Linhas(novo, "DIGS12", "codauto, serie, vlrcontabil", "codauto"), saidas);
    EXPECT_EQ(Linhas(novo, "Pos_Icms", "*", "Mes_Base"), posicoes);
    EXPECT_EQ(novo.OpenRecordset("SELECT COUNT(*) FROM DIGE03 WHERE serie IS NULL").Fields(0).toInt(), 2);
    EXPECT_EQ(novo.OpenRecordset("SELECT COUNT(*) FROM DIGISS05").Fields(0).toInt(), 0);
    EXPECT_EQ(novo.OpenRecordset("SELECT name FROM sqlite_schema WHERE name = 'DIGE03'").Fields(0).toString(),
              "DIGE03");
    novo.Execute("INSERT INTO DIGE03 (especie) VALUES ('nova')");
    EXPECT_EQ(novo.LastInsertId(), 10);
    EXPECT_EQ(Sobras(), (QStringList{"Mv050012.mdb", "Mv050012.mdb.bak"}));

    novo.Close();
    const auto deNovo = Reconstroi(Movimento());
    ASSERT_TRUE(deNovo.feito) << deNovo.erro.toStdString();
    Connection mesmo;
    mesmo.OpenFile(velho());
    EXPECT_EQ(mesmo.OpenRecordset("SELECT COUNT(*) FROM DIGE03").Fields(0).toInt(), 3);
}

TEST_F(ReconstrucaoTest, WithoutPositionsTheTemplatesTwelveMonthsStay) {
    pasta.copyTemplate("Movimento.mdb", "Tarvel/Mv050012.mdb");
    {
        Connection banco;
        banco.OpenFile(velho());
        banco.Execute("DROP TABLE Pos_Icms");
    }
    ASSERT_TRUE(Reconstroi(Movimento()).feito);
    Connection novo;
    novo.OpenFile(velho());
    EXPECT_EQ(novo.OpenRecordset("SELECT COUNT(*), SUM(Mes_Base) FROM Pos_Icms").Fields(0).toInt(), 12);
}

// Each refused layout leaves the file byte for byte as it was, and no copy behind.
TEST_F(ReconstrucaoTest, RefusesALayoutItCannotCarryWithoutTouchingTheFile) {
    struct Caso {
        const char* nome;
        const char* sql;
        const char* recusa;
    };
    const Caso casos[] = {
        {"extra column", "ALTER TABLE DIGE01 ADD COLUMN antiga TEXT", "DIGE01.antiga"},
        {"type change", "ALTER TABLE DIGS02 DROP COLUMN serie; ALTER TABLE DIGS02 ADD COLUMN serie INTEGER",
         "DIGS02.serie"},
        {"extra table", "CREATE TABLE Outra (x); INSERT INTO Outra VALUES (1)", "Outra"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        QFile::remove(velho());
        pasta.copyTemplate("Movimento.mdb", "Tarvel/Mv050012.mdb");
        {
            Connection banco;
            banco.OpenFile(velho());
            for (const QString& sql : QString(c.sql).split("; ")) banco.Execute(sql);
        }
        const QByteArray antes = Conteudo(velho());
        const auto r = Reconstroi(Movimento());
        EXPECT_FALSE(r.feito);
        ASSERT_EQ(r.recusas.size(), 1);
        EXPECT_TRUE(r.recusas[0].contains(c.recusa)) << r.recusas[0].toStdString();
        EXPECT_EQ(Conteudo(velho()), antes);
        EXPECT_EQ(Sobras(), QStringList{"Mv050012.mdb"});
    }

    QFile f(velho());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray("\x00\x01\x00\x00Standard Jet DB", 19).repeated(200));
    f.close();
    const QByteArray antes = Conteudo(velho());
    const auto r = Reconstroi(Movimento());
    EXPECT_FALSE(r.feito);
    EXPECT_FALSE(r.erro.isEmpty());
    EXPECT_EQ(Conteudo(velho()), antes);
    EXPECT_EQ(Sobras(), QStringList{"Mv050012.mdb"});
}

// A failure at any moment before the rename leaves the old file, byte for byte, and no copy.
TEST_F(ReconstrucaoTest, AFailureHalfwayLeavesTheOldFileUntouched) {
    EscreveMovimentoAntigo();
    const QByteArray antes = Conteudo(velho());
    const std::pair<Etapa, QString> paradas[] = {
        {Etapa::Copia, {}}, {Etapa::Tabela, "DIGE01"}, {Etapa::Tabela, "Pos_Icms"}, {Etapa::Conferido, {}}};
    for (const auto& [etapa, tabela] : paradas) {
        SCOPED_TRACE(static_cast<int>(etapa));
        auto pedido = Movimento();
        pedido.observador = [&](Etapa e, const QString& t) {
            if (e == etapa && (tabela.isEmpty() || t == tabela))
                throw platform::values::RuntimeError(61, QStringLiteral("Disco cheio"));
        };
        const auto r = Reconstroi(pedido);
        EXPECT_FALSE(r.feito);
        EXPECT_EQ(r.numero, 61);
        EXPECT_EQ(Conteudo(velho()), antes);
        EXPECT_EQ(Sobras(), QStringList{"Mv050012.mdb"});
    }
}

TEST_F(ReconstrucaoTest, RegistryReplacesTheShippedRowsAndKeepsTheOldFileAsBackup) {
    const QString trabdados = pasta.filePath("Trabdados.mdb");
    const QString seguro = pasta.filePath("seguro.bak");
    {
        Connection banco;
        banco.OpenFile(trabdados);
        banco.Execute("UPDATE Parametros SET pincforcli = 1, senha_adm = 'sal$hash'");
        banco.Execute("UPDATE Padrao SET Nvias = '03', L0 = 'Escritório São José'");
        banco.Execute("ALTER TABLE Padrao DROP COLUMN L3");
    }
    QFile antigoBak(seguro);
    ASSERT_TRUE(antigoBak.open(QIODevice::WriteOnly));
    antigoBak.write("older backup");
    antigoBak.close();
    const QByteArray antes = Conteudo(trabdados);

    QStringList etapas;
    Reconstrucao pedido = utilities::PedidoCadastro(pasta.path());
    pedido.tabelas = {"PARAMETROS", "padrao", "Termo"};
    pedido.apagaModelo = false;
    pedido.observador = [&](Etapa e, const QString& t) { etapas << QString::number(int(e)) + t; };
    pasta.copyTemplate("Ajuste.mdb", "Ajuste.mdb");
    const QByteArray modelo = Conteudo(pedido.modelo);
    const auto r = Reconstroi(pedido);
    ASSERT_TRUE(r.feito) << r.erro.toStdString() << r.recusas.join('\n').toStdString();

    EXPECT_EQ(Conteudo(seguro), antes);
    EXPECT_EQ(Conteudo(pedido.modelo), modelo);
    EXPECT_EQ(etapas, (QStringList{"0", "1PARAMETROS", "1padrao", "1Termo", "2", "3", "4"}));
    Connection novo;
    novo.OpenFile(trabdados);
    EXPECT_EQ(Linhas(novo, "Parametros", "*", "1"), QStringList{"Verdadeiro|sal$hash|"});
    EXPECT_EQ(Linhas(novo, "Padrao", "*", "Codigo"), QStringList{"1|03|Escritório São José|||<null>"});
    EXPECT_GT(novo.OpenRecordset("SELECT COUNT(*) FROM CodFiscal").Fields(0).toInt(), 50);
}

// Another running copy: its own open lock file holding the shared lock.
std::shared_ptr<void> OutraCopia(const QString& pasta) {
    const int fd = ::open(QFile::encodeName(pasta + platform::files::InstanceLockFile).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    struct flock trava {};
    trava.l_type = F_RDLCK;
    EXPECT_EQ(::fcntl(fd, F_OFD_SETLK, &trava), 0);
    return std::shared_ptr<void>(nullptr, [fd](void*) { ::close(fd); });
}

// While this program has the file or the template open anywhere (under another name, attached to
// another file) or another copy runs on the folder, the rebuild is kept out and changes nothing; once
// they are gone it runs, this copy's own shared lock raised and kept.
TEST_F(ReconstrucaoTest, KeptOutWhileTheFileIsOpenOrAnotherCopyRuns) {
    EscreveMovimentoAntigo();
    ASSERT_TRUE(QFile::link(velho(), pasta.filePath("Tarvel/MV050012.MDB")));
    const QByteArray antes = Conteudo(velho());
    const auto aberto = [](const char* nome) {
        return QStringLiteral(
                   "O arquivo %1 está aberto em outra janela; feche as outras janelas e tente "
                   "novamente !")
            .arg(nome);
    };
    const auto conexao = [](const QString& arquivo, const QString& anexo = {}) {
        auto c = std::make_shared<Connection>();
        c->OpenFile(arquivo);
        if (!anexo.isEmpty()) c->Attach(anexo, "outro", true);
        return std::shared_ptr<void>(c);
    };
    struct Caso {
        const char* nome;
        std::function<std::shared_ptr<void>()> segura;
        QString mensagem;
    };
    const Caso casos[] = {
        {"the file", [&] { return conexao(velho()); }, aberto("Mv050012.mdb")},
        {"another name", [&] { return conexao(pasta.filePath("Tarvel/MV050012.MDB")); },
         aberto("Mv050012.mdb")},
        {"attached", [&] { return conexao(pasta.filePath("Trabdados.mdb"), velho()); },
         aberto("Mv050012.mdb")},
        {"the template", [&] { return conexao(pasta.filePath("Movimento.mdb")); }, aberto("Movimento.mdb")},
        {"another copy", [&] { return OutraCopia(pasta.path()); },
         "Outra cópia do sistema está usando esta pasta; feche-a e tente novamente !"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const auto segurado = c.segura();
        const auto r = Reconstroi(Movimento());
        EXPECT_FALSE(r.feito);
        EXPECT_EQ(r.impedimento, c.mensagem);
        EXPECT_EQ(Conteudo(velho()), antes);
    }
    {
        Connection anexado;
        anexado.OpenFile(pasta.filePath("Trabdados.mdb"));
        anexado.Attach(velho(), "outro", true);
        anexado.Detach("outro");
        EXPECT_EQ(platform::db::openConnections(velho()), 0);
    }

    ASSERT_TRUE(platform::files::HoldInstanceLock(pasta.path()));
    EXPECT_TRUE(Reconstroi(Movimento()).feito);
    const int fd = ::open(QFile::encodeName(pasta.filePath(platform::files::InstanceLockFile)).constData(),
                          O_RDWR | O_CLOEXEC);
    struct flock trava {};
    trava.l_type = F_WRLCK;
    EXPECT_NE(::fcntl(fd, F_OFD_SETLK, &trava), 0);
    ::close(fd);
}

}  // namespace

namespace {

// What the rebuild finds in the place of the old file: an empty file is refused as no database, a
// folder where the backup goes is told in Portuguese, and a read-only file stays read only.
TEST_F(ReconstrucaoTest, EmptyFilesFoldersAndReadOnlyFiles) {
    {
        QFile vazio(velho());
        ASSERT_TRUE(vazio.open(QIODevice::WriteOnly));
    }
    auto r = Reconstroi(Movimento());
    EXPECT_FALSE(r.feito);
    EXPECT_EQ(r.erro, "O arquivo Mv050012.mdb está vazio (0 bytes): não é um banco de dados.");
    EXPECT_EQ(QFileInfo(velho()).size(), 0);

    QFile::remove(velho());
    EscreveMovimentoAntigo();
    QDir().mkpath(velho() + ".bak");
    r = Reconstroi(Movimento());
    EXPECT_FALSE(r.feito);
    EXPECT_EQ(r.erro, "Não foi possível guardar a cópia de segurança " + velho() +
                          ".bak: há uma pasta com o nome do arquivo");
    QDir(velho() + ".bak").removeRecursively();

    const auto leitura = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(velho(), leitura));
    r = Reconstroi(Movimento());
    EXPECT_TRUE(r.feito) << r.erro.toStdString();
    EXPECT_EQ(QFileInfo(velho()).permissions() & 0x7077, leitura);
}

}  // namespace
