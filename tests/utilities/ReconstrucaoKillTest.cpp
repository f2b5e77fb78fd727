#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdio>

#include "ArquivosAntigos.h"
#include "platform/db/Connection.h"
#include "support/MessageScript.h"
#include "support/TempProgramFolder.h"
#include "utilities/Reconstrucao.h"

using namespace arquivosantigos;
using testsupport::inDeathTestChild;
using testsupport::TempProgramFolder;
using utilities::Etapa;
using utilities::Reconstroi;
using utilities::Reconstrucao;

namespace {

const char* const PastaDoFilho = "RT_RECONSTRUCAO_PASTA";

// A program folder the parent prepares and checks; a death test's child re-runs the test and finds the
// same folder by its parent's process number, preparing nothing.
class ReconstrucaoKillTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        pasta_ = QDir::tempPath() + QStringLiteral("/rt-kill-%1-%2/")
                                        .arg(inDeathTestChild() ? ::getppid() : ::getpid())
                                        .arg(QString::fromUtf8(info->name()));
        if (inDeathTestChild()) return;
        QDir(pasta_).removeRecursively();
        QDir().mkpath(pasta_ + QStringLiteral("Tarvel"));
    }
    void TearDown() override {
        if (!inDeathTestChild()) QDir(pasta_).removeRecursively();
    }

    QString caminho(const QString& nome) const { return pasta_ + nome; }
    QString movimento() const { return caminho(QStringLiteral("Tarvel/Mv050012.mdb")); }
    static void copia(const QString& modelo, const QString& destino) {
        QFile::remove(destino);
        QFile::copy(TempProgramFolder::templatePath(modelo), destino);
        QFile::setPermissions(destino, QFile::ReadOwner | QFile::WriteOwner);
    }
    // The files of the folder and of "Tarvel", hidden ones included.
    QStringList arquivos() const {
        QStringList todos = QDir(pasta_).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString& a : QDir(pasta_ + QStringLiteral("Tarvel")).entryList(QDir::Files | QDir::Hidden))
            todos << QStringLiteral("Tarvel/") + a;
        return todos;
    }

    QString pasta_;
};

// The carried tables of an old file, each with its columns.
using Colunas = QList<std::pair<QString, QString>>;
Colunas ColunasDe(const QString& arquivo, const QStringList& tabelas) {
    Connection banco;
    banco.OpenFile(arquivo);
    Colunas colunas;
    for (const QString& t : tabelas) {
        QStringList nomes;
        for (auto rs = banco.OpenSchema(platform::db::Schema::Columns, t); !rs.Eof(); rs.MoveNext())
            nomes << rs.Fields("COLUMN_NAME").toString();
        if (!nomes.isEmpty()) colunas.append({t, nomes.join(u',')});
    }
    return colunas;
}

// The rows of those tables and columns in a file, old or rebuilt.
QStringList Conteudos(const QString& arquivo, const Colunas& colunas) {
    Connection banco;
    banco.OpenFile(arquivo);
    QStringList todas;
    for (const auto& [tabela, lista] : colunas) todas << tabela << Linhas(banco, tabela, lista, lista);
    return todas;
}

bool TemColuna(const QString& arquivo, const QString& tabela, const QString& coluna) {
    Connection banco;
    banco.OpenFile(arquivo);
    for (auto rs = banco.OpenSchema(platform::db::Schema::Columns, tabela); !rs.Eof(); rs.MoveNext())
        if (rs.Fields("COLUMN_NAME").toString().compare(coluna, Qt::CaseInsensitive) == 0) return true;
    return false;
}

// The child kills itself at each moment of both rebuilds; the parent then finds the old file byte for
// byte (and "Ajuste.mdb" untouched) before the rename, the complete new one after it, and a new
// rebuild completes, leaving no working file behind.
TEST_F(ReconstrucaoKillTest, AKillAtAnyMomentLeavesTheOldFileOrTheCompleteNewOne) {
    struct Caso {
        bool cadastro;
        Etapa etapa;
        const char* tabela;
    };
    const Caso casos[] = {
        {false, Etapa::Copia, nullptr},     {false, Etapa::Tabela, "DIGE01"},
        {false, Etapa::Tabela, "DIGS12"},   {false, Etapa::Tabela, "Pos_Icms"},
        {false, Etapa::Conferido, nullptr}, {false, Etapa::Reserva, nullptr},
        {false, Etapa::Renomeado, nullptr}, {true, Etapa::Copia, nullptr},
        {true, Etapa::Tabela, "CliGeral"},  {true, Etapa::Tabela, "Usuarios"},
        {true, Etapa::Conferido, nullptr},  {true, Etapa::Reserva, nullptr},
        {true, Etapa::Renomeado, nullptr},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.cadastro ? "registry " : "movement ") + std::to_string(int(c.etapa)) +
                     (c.tabela ? c.tabela : ""));
        const auto pedido = [&] {
            return c.cadastro ? utilities::PedidoCadastro(pasta_)
                              : utilities::PedidoMovimento(pasta_, movimento());
        };
        QByteArray antes, modelo;
        Colunas colunas;
        QStringList linhas;
        if (!inDeathTestChild()) {
            copia("Movimento.mdb", caminho("Movimento.mdb"));
            copia("Ajuste.mdb", caminho("Ajuste.mdb"));
            copia("Ajuste.mdb", caminho("Trabdados.mdb"));
            QFile::remove(caminho("seguro.bak"));
            QFile::remove(movimento() + ".bak");
            EscreveMovimentoAntigo(caminho("Movimento.mdb"), movimento());
            {
                Connection antigo;
                antigo.OpenFile(caminho("Trabdados.mdb"));
                antigo.Execute("ALTER TABLE Padrao DROP COLUMN L3");
                antigo.Execute("INSERT INTO CliGeral (cgc, nome) VALUES ('12', 'Ângulo Ltda.')");
            }
            antes = Conteudo(pedido().alvo);
            modelo = Conteudo(caminho("Ajuste.mdb"));
            colunas = ColunasDe(pedido().alvo, pedido().tabelas);
            linhas = Conteudos(pedido().alvo, colunas);
            ASSERT_GT(linhas.size(), colunas.size() + 2);
        }
        EXPECT_EXIT(
            {
                auto p = pedido();
                p.observador = [&](Etapa e, const QString& t) {
                    if (e == c.etapa && (!c.tabela || t == QLatin1String(c.tabela)))
                        ::kill(::getpid(), SIGKILL);
                };
                Reconstroi(p);
                std::fputs("the rebuild was not killed\n", stderr);
                std::_Exit(0);
            },
            ::testing::KilledBySignal(SIGKILL), "");
        if (inDeathTestChild()) continue;

        const QString alvo = pedido().alvo;
        const QString colunaNova = c.cadastro ? QStringLiteral("L3") : QStringLiteral("serie");
        const QString tabelaNova = c.cadastro ? QStringLiteral("Padrao") : QStringLiteral("DIGE01");
        if (c.etapa == Etapa::Renomeado) {
            EXPECT_TRUE(TemColuna(alvo, tabelaNova, colunaNova));
            EXPECT_EQ(Conteudos(alvo, colunas), linhas);
        } else {
            EXPECT_EQ(Conteudo(alvo), antes);
            EXPECT_EQ(Conteudo(caminho("Ajuste.mdb")), modelo);
        }
        const auto r = Reconstroi(pedido());
        ASSERT_TRUE(r.feito) << r.erro.toStdString() << r.recusas.join('\n').toStdString();
        EXPECT_TRUE(TemColuna(alvo, tabelaNova, colunaNova));
        EXPECT_EQ(Conteudos(alvo, colunas), linhas);
        const QStringList esperados =
            c.cadastro ? QStringList{"Movimento.mdb", "Tarvel.lck", "Trabdados.mdb", "seguro.bak",
                                     "Tarvel/Mv050012.mdb"}
                       : QStringList{"Ajuste.mdb",    "Movimento.mdb",       "Tarvel.lck",
                                     "Trabdados.mdb", "Tarvel/Mv050012.mdb", "Tarvel/Mv050012.mdb.bak"};
        EXPECT_EQ(arquivos(), esperados);
    }
}

// The month tables of a large movement file: each one's rows summed up, to tell its content whole.
QStringList Resumo(const QString& arquivo) {
    Connection banco;
    banco.OpenFile(arquivo);
    QStringList resumo;
    for (const char* familia : {"DIGE", "DIGS", "DIGISS"})
        for (int mes = 1; mes <= 12; ++mes) {
            auto rs =
                banco.OpenRecordset(QStringLiteral("SELECT COUNT(*), SUM(codauto), TOTAL(LENGTH(talao)), "
                                                   "MAX(docinicial), MIN(datalan) FROM %1%2")
                                        .arg(QLatin1String(familia))
                                        .arg(mes, 2, 10, QChar(u'0')));
            QStringList valores;
            for (int i = 0; i < rs.FieldCount(); ++i) valores << rs.Fields(i).toString();
            resumo << valores.join(u'|');
        }
    return resumo;
}

// Run only by the test below, as a process of its own on the folder it names.
TEST(ReconstrucaoFilho, DISABLED_RebuildsTheMovementFileOfTheFolder) {
    const QString pasta = qEnvironmentVariable(PastaDoFilho);
    std::puts("inicio");
    std::fflush(stdout);
    const auto r =
        Reconstroi(utilities::PedidoMovimento(pasta, pasta + QStringLiteral("Tarvel/Mv050012.mdb")));
    std::puts("fim");
    std::fflush(stdout);
    EXPECT_TRUE(r.feito) << r.erro.toStdString();
}

// A process rebuilding a large file (36 tables of 2 000 rows) is killed from outside at ten moments
// spread over a measured run; each time the old file or the complete new one is there, and a new
// rebuild completes with no working file left.
TEST_F(ReconstrucaoKillTest, AKillFromOutsideAtTenMomentsOfALargeRebuild) {
    const QString original = caminho("original.mdb");
    copia("Movimento.mdb", caminho("Movimento.mdb"));
    copia("Movimento.mdb", original);
    {
        Connection banco;
        banco.OpenFile(original);
        platform::db::Transaction t(banco);
        for (const char* familia : {"DIGE", "DIGS", "DIGISS"})
            for (int mes = 1; mes <= 12; ++mes) {
                const QString tabela =
                    QStringLiteral("%1%2").arg(QLatin1String(familia)).arg(mes, 2, 10, QChar(u'0'));
                banco.Execute(QStringLiteral("ALTER TABLE %1 DROP COLUMN docfinal").arg(tabela));
                banco.Execute(
                    QStringLiteral("INSERT INTO %1 (codauto, datalan, docinicial, talao) WITH RECURSIVE "
                                   "n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                                   "SELECT i * 3, '2005-%2-01', 'Doc ' || i, 'Talão nº ' || i FROM n")
                        .arg(tabela)
                        .arg(mes, 2, 10, QChar(u'0')));
            }
        t.commit();
    }
    const QByteArray antes = Conteudo(original);
    const QStringList resumo = Resumo(original);
    const auto restaura = [&] {
        QFile::remove(movimento());
        QFile::remove(movimento() + ".bak");
        QFile::copy(original, movimento());
    };
    const auto executa = [&](double fracao, qint64 total) {
        QProcess filho;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QString::fromLatin1(PastaDoFilho), pasta_);
        filho.setProcessEnvironment(ambiente);
        filho.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=ReconstrucaoFilho.*", "--gtest_also_run_disabled_tests"});
        QByteArray saida;
        while (!saida.contains("inicio\n") && filho.waitForReadyRead(20000))
            saida += filho.readAllStandardOutput();
        QElapsedTimer relogio;
        relogio.start();
        if (fracao < 1) {
            QThread::usleep(static_cast<unsigned long>(fracao * double(total)));
            filho.kill();
        } else {
            while (!saida.contains("fim\n") && filho.waitForReadyRead(20000))
                saida += filho.readAllStandardOutput();
        }
        const qint64 decorrido = relogio.nsecsElapsed() / 1000;
        filho.waitForFinished(60000);
        return decorrido;
    };

    restaura();
    const qint64 medido = executa(1, 0);
    ASSERT_TRUE(TemColuna(movimento(), "DIGISS07", "docfinal"));
    for (int momento = 1; momento <= 10; ++momento) {
        SCOPED_TRACE(momento);
        restaura();
        executa(momento / 11.0, medido);
        if (Conteudo(movimento()) != antes) {
            EXPECT_TRUE(TemColuna(movimento(), "DIGISS07", "docfinal"));
            EXPECT_EQ(Resumo(movimento()), resumo);
        }
        const auto r = Reconstroi(utilities::PedidoMovimento(pasta_, movimento()));
        ASSERT_TRUE(r.feito) << r.erro.toStdString();
        EXPECT_EQ(Resumo(movimento()), resumo);
        EXPECT_EQ(QDir(caminho("Tarvel")).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"Mv050012.mdb", "Mv050012.mdb.bak"}));
    }
}

}  // namespace
