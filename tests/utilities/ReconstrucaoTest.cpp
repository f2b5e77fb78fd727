#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/db/Connection.h"
#include "platform/values/RuntimeError.h"
#include "support/TempProgramFolder.h"
#include "utilities/Reconstrucao.h"

using platform::db::Connection;
using testsupport::TempProgramFolder;
using utilities::Etapa;
using utilities::Reconstroi;
using utilities::Reconstrucao;

namespace {

QByteArray Conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList TabelasMovimento() {
    QStringList tabelas;
    for (const char* familia : {"DIGE", "DIGS", "DIGISS"})
        for (int mes = 1; mes <= 12; ++mes)
            tabelas << QStringLiteral("%1%2").arg(familia).arg(mes, 2, 10, QChar(u'0'));
    return tabelas << QStringLiteral("Pos_Icms");
}

// The rows of a table as text, in key order, for comparing two files.
QStringList Linhas(Connection& banco, const QString& tabela, const QString& colunas, const QString& ordem) {
    QStringList linhas;
    auto rs =
        banco.OpenRecordset(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(colunas, tabela, ordem));
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList valores;
        for (int i = 0; i < rs.FieldCount(); ++i)
            valores << (rs.Fields(i).isNull() ? QStringLiteral("<null>") : rs.Fields(i).toString());
        linhas << valores.join(u'|');
    }
    return linhas;
}

class ReconstrucaoTest : public ::testing::Test {
  protected:
    TempProgramFolder pasta;

    QString velho() const { return pasta.filePath("Tarvel/Mv050012.mdb"); }

    // A movement file of an older release: month tables in small letters, entries without "serie",
    // no ISS family, its own monthly positions, key gaps and a counter beyond the last row.
    void EscreveMovimentoAntigo() {
        pasta.copyTemplate("Movimento.mdb", "Tarvel/Mv050012.mdb");
        Connection banco;
        banco.OpenFile(velho());
        for (int mes = 1; mes <= 12; ++mes) {
            const QString m = QStringLiteral("%1").arg(mes, 2, 10, QChar(u'0'));
            for (const char* familia : {"DIGE", "DIGS"}) {
                banco.Execute(QStringLiteral("ALTER TABLE %1%2 RENAME TO tmp%2").arg(familia, m));
                banco.Execute(
                    QStringLiteral("ALTER TABLE tmp%2 RENAME TO %1%2").arg(QString(familia).toLower(), m));
            }
            banco.Execute(QStringLiteral("ALTER TABLE dige%1 DROP COLUMN serie").arg(m));
            banco.Execute(QStringLiteral("DROP TABLE DIGISS%1").arg(m));
        }
        banco.Execute(
            "INSERT INTO dige03 (codauto, datalan, especie, cgc, vlrcontabil, baseicms0) VALUES "
            "(3, '2005-03-10', 'NF', 'Açúcar & Cia', 1234.56, 0.01), (7, NULL, NULL, NULL, 0.99, 0)");
        banco.Execute("INSERT INTO dige03 (codauto, especie) VALUES (9, 'apagar')");
        banco.Execute("DELETE FROM dige03 WHERE codauto = 9");
        banco.Execute("INSERT INTO digs12 (codauto, serie, vlrcontabil) VALUES (41, 'ÚNICA', 99999999.99)");
        banco.Execute("DELETE FROM Pos_Icms WHERE Mes_Base > 2");
        banco.Execute("UPDATE Pos_Icms SET Saida = 10.05, Obsent1 = 'Observação' WHERE Mes_Base = 2");
    }

    Reconstrucao Movimento() const {
        return {pasta.filePath("Movimento.mdb"), velho(), TabelasMovimento(), {}, true, {}};
    }

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
    EXPECT_EQ(Sobras(), QStringList{"Mv050012.mdb"});

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
    Reconstrucao pedido{pasta.filePath("Ajuste.mdb"),
                        trabdados,
                        {"PARAMETROS", "padrao", "Termo"},
                        seguro,
                        false,
                        [&](Etapa e, const QString& t) { etapas << QString::number(int(e)) + t; }};
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

}  // namespace
