#include <gtest/gtest.h>

#include "platform/db/ColumnList.h"
#include "platform/db/Connection.h"
#include "platform/db/TableNames.h"
#include "support/TempProgramFolder.h"

using platform::db::ColumnList;
using platform::db::Connection;
using platform::db::monthTable;
using platform::db::tableName;
using platform::values::Currency;
using platform::values::RuntimeError;
using testsupport::TempProgramFolder;

namespace {

class ColumnListTest : public ::testing::Test {
  protected:
    void SetUp() override { db.Open(folder.movementConnection(QStringLiteral("MV260001.MDB"))); }
    TempProgramFolder folder;
    Connection db;
};

// The automatic key is never written: SQLite gives it, and the caller reads it back.
TEST_F(ColumnListTest, AnInsertLeavesTheAutomaticKeyOutAndReturnsIt) {
    ColumnList linha;
    linha.add(QStringLiteral("especie"), QStringLiteral("NF"))
        .add(QStringLiteral("vlrcontabil"), Currency::parse("10,50"));
    EXPECT_EQ(linha.insertSql(QStringLiteral("dige03")),
              QStringLiteral("INSERT INTO DIGE03 (especie,vlrcontabil) VALUES (?,?)"));
    const qint64 primeira = linha.insert(db, QStringLiteral("DIGE03"));
    const qint64 segunda = linha.insert(db, QStringLiteral("DIGE03"));
    EXPECT_EQ(segunda, primeira + 1);
    auto rs = db.OpenRecordset(QStringLiteral("SELECT especie, vlrcontabil FROM DIGE03 WHERE codauto = ?"),
                               {segunda});
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields(QStringLiteral("vlrcontabil")).toCurrency(), Currency::parse("10,50"));
}

TEST_F(ColumnListTest, AnUpdateWritesTheDeclaredSlotsOfOneRowOnly) {
    const qint64 codauto = ColumnList()
                               .add(QStringLiteral("especie"), QStringLiteral("NF"))
                               .insert(db, QStringLiteral("DIGE03"));
    ColumnList().add(QStringLiteral("especie"), QStringLiteral("NF")).insert(db, QStringLiteral("DIGE03"));
    ColumnList itens;
    for (int slot = 0; slot < 5; ++slot)
        itens.add(QStringLiteral("baseicms"), slot, Currency::fromRaw(slot * 1000 + 100))
            .add(QStringLiteral("aliqicms"), slot, Currency::fromRaw(180000));
    EXPECT_EQ(itens.size(), 10);
    EXPECT_TRUE(
        itens.updateSql(QStringLiteral("DIGE03"), ColumnList().add(QStringLiteral("codauto"), codauto))
            .startsWith(QStringLiteral("UPDATE DIGE03 SET baseicms0 = ?,aliqicms0 = ?,baseicms1 = ?")));
    EXPECT_EQ(
        itens.update(db, QStringLiteral("DIGE03"), ColumnList().add(QStringLiteral("codauto"), codauto)), 1);
    EXPECT_EQ(itens.update(db, QStringLiteral("DIGE03"), ColumnList().add(QStringLiteral("codauto"), 999)),
              0);
    auto rs = db.OpenRecordset(QStringLiteral("SELECT baseicms4, aliqicms4 FROM DIGE03 ORDER BY codauto"));
    EXPECT_EQ(rs.Fields(0).toCurrency(), Currency::fromRaw(4100));
    EXPECT_EQ(rs.Fields(1).toCurrency(), Currency::fromRaw(180000));
    rs.MoveNext();
    EXPECT_EQ(rs.Fields(0).toCurrency(), Currency());
}

// A name the guard does not know never reaches a statement; a known one comes back as the program
// spells it.
TEST(TableNamesTest, OnlyTheProgramsTablesAndValidMonthTablesPass) {
    EXPECT_EQ(tableName(QStringLiteral("empresas")), QStringLiteral("Empresas"));
    EXPECT_EQ(tableName(QStringLiteral("forgeral")), QStringLiteral("ForGeral"));
    EXPECT_EQ(tableName(QStringLiteral("digiss12")), QStringLiteral("DIGISS12"));
    EXPECT_EQ(monthTable(QStringLiteral("DIGE"), 3), QStringLiteral("DIGE03"));
    for (const char* nome : {"Empresas;DROP TABLE Empresas", "Empresas ", "\"Empresas\"", "DIGE13", "DIGE00",
                             "DIGE3", "DIGE", "Pessoas", ""})
        EXPECT_THROW(tableName(QString::fromUtf8(nome)), RuntimeError) << nome;
    EXPECT_THROW(monthTable(QStringLiteral("DIGE"), 13), RuntimeError);
    EXPECT_THROW(monthTable(QStringLiteral("Empresas"), 1), RuntimeError);
    EXPECT_THROW(ColumnList().add(QStringLiteral("nome = nome, cgc"), 1), RuntimeError);
    EXPECT_THROW(ColumnList().add(QStringLiteral("especie"), 1).insertSql(QStringLiteral("DIGE03 (x)")),
                 RuntimeError);
}

}  // namespace
