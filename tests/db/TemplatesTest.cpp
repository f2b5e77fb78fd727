#include <gtest/gtest.h>

#include <QMap>

#include "platform/db/Connection.h"
#include "support/TempProgramFolder.h"

using platform::db::Connection;
using platform::db::Recordset;
using platform::db::Schema;
using platform::values::Currency;
using testsupport::TempProgramFolder;

namespace {

// Table -> column -> declared type, as the schema of a database lists them.
QMap<QString, QMap<QString, QString>> columnsOf(Connection& db) {
    QMap<QString, QMap<QString, QString>> result;
    Recordset rs = db.OpenSchema(Schema::Columns);
    for (; !rs.Eof(); rs.MoveNext())
        if (!rs.Fields("TABLE_NAME").toString().startsWith(u"sqlite_"))
            result[rs.Fields("TABLE_NAME").toString()][rs.Fields("COLUMN_NAME").toString()] =
                rs.Fields("DATA_TYPE").toString();
    return result;
}

long count(Connection& db, const QString& table) {
    return long(
        db.OpenRecordset(QStringLiteral("SELECT Count(*) AS I FROM ") + table).Fields("I").toLongLong());
}

class RegistryTemplate : public ::testing::Test {
  protected:
    void SetUp() override { db.Open(folder.registryConnection()); }
    TempProgramFolder folder;
    Connection db;
};

TEST_F(RegistryTemplate, HoldsEveryTableWithItsColumns) {
    const auto tables = columnsOf(db);
    const QMap<QString, int> expected{
        {"usuarios", 14}, {"Empresas", 44},   {"Enquadramento", 3}, {"Tipo_enquadr", 2}, {"Contrato", 5},
        {"ForGeral", 13}, {"CliGeral", 13},   {"Parametros", 3},    {"CodFiscal", 4},    {"CodFiscal2003", 3},
        {"Estados", 3},   {"Municipios", 4},  {"Socios", 22},       {"Terceiros", 15},   {"ClasseSoc", 3},
        {"ClasseTer", 3}, {"MovEntrada", 22}, {"MovTent", 6},       {"MovUf", 5},        {"MovTPara", 7},
        {"MovSaida", 26}, {"MovTsai", 6},     {"MovUfnc", 5},       {"MovAliq", 5},      {"RegSint", 18},
        {"Termo", 36},    {"Padrao", 6},      {"MovIss53", 13},     {"MovIss51", 11},    {"MovAliqIss", 3}};
    EXPECT_EQ(tables.size(), expected.size());
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        ASSERT_TRUE(tables.contains(it.key())) << it.key().toStdString();
        EXPECT_EQ(tables[it.key()].size(), it.value()) << it.key().toStdString();
    }
    // The types the program reads by.
    EXPECT_EQ(tables["Empresas"]["codigo"], "INTEGER");
    EXPECT_EQ(tables["Empresas"]["mes_base_fiscal"], "DATE");
    EXPECT_EQ(tables["Empresas"]["perc_ipi"], "CURRENCY");
    EXPECT_EQ(tables["Empresas"]["cep"], "TEXT");
    EXPECT_EQ(tables["Contrato"]["capital"], "CURRENCY");
    EXPECT_EQ(tables["Contrato"]["Dregistro"], "DATE");
    EXPECT_EQ(tables["Terceiros"]["scinss"], "CURRENCY");
    EXPECT_EQ(tables["usuarios"]["bdcon"], "YESNO");
    EXPECT_EQ(tables["Parametros"]["pincforcli"], "YESNO");
    EXPECT_EQ(tables["Parametros"]["senha_adm"], "TEXT");
    EXPECT_EQ(tables["ClasseSoc"]["classe"], "INTEGER");
    EXPECT_EQ(tables["Socios"]["nascto"], "DATE");
}

TEST_F(RegistryTemplate, ShipsTheReferenceRowsAndNoOfficeData) {
    EXPECT_EQ(count(db, "Municipios"), 5571);
    EXPECT_EQ(count(db, "Estados"), 28);
    EXPECT_EQ(count(db, "CodFiscal"), 76);
    EXPECT_EQ(count(db, "CodFiscal2003"), 695);
    for (const char* t : {"usuarios", "Empresas", "Enquadramento", "Contrato", "ForGeral", "CliGeral",
                          "Socios", "Terceiros", "ClasseSoc", "ClasseTer", "RegSint"})
        EXPECT_EQ(count(db, t), 0) << t;

    Recordset p = db.OpenRecordset("SELECT pincforcli, senha_adm FROM parametros");
    ASSERT_EQ(p.RecordCount(), 1);
    EXPECT_FALSE(p.Fields("pincforcli").toBool());
    EXPECT_TRUE(p.Fields("senha_adm").isNull());

    Recordset tipos = db.OpenRecordset("SELECT codtipo, descricao FROM Tipo_Enquadr ORDER BY codtipo");
    QStringList seen;
    for (; !tipos.Eof(); tipos.MoveNext())
        seen << tipos.Fields("codtipo").toString() + u' ' + tipos.Fields("Descricao").toString();
    EXPECT_EQ(seen, (QStringList{"1 Regime Periódico de Apuração", "2 Estimativa", "3 Microempresa",
                                 "4 Simples Nacional", "5 Empresa de Pequeno Porte"}));

    Recordset ex = db.OpenRecordset("SELECT UF FROM Estados WHERE UF = ?", {QStringLiteral("EX")});
    EXPECT_EQ(ex.RecordCount(), 1);
    Recordset sp = db.OpenRecordset("SELECT cMun, cUf FROM Municipios WHERE nomeMun = ? AND uf = ?",
                                    {QStringLiteral("SÃO PAULO"), QStringLiteral("sp")});
    ASSERT_EQ(sp.RecordCount(), 1);
    EXPECT_EQ(sp.Fields("cMun").toString(), "3550308");
    EXPECT_EQ(sp.Fields("cUf").toString(), "35");
}

TEST_F(RegistryTemplate, CfopLevels) {
    auto level = [&](const char* table, const char* code) {
        Recordset rs = db.OpenRecordset(QStringLiteral("SELECT Nivel FROM %1 WHERE codfiscal = ?").arg(table),
                                        {QString::fromLatin1(code)});
        return rs.Eof() ? QString() : rs.Fields("nivel").toString();
    };
    EXPECT_EQ(level("CodFiscal", "1.00"), "1");
    EXPECT_EQ(level("CodFiscal", "1.10"), "2");
    EXPECT_EQ(level("CodFiscal", "1.12"), "3");
    EXPECT_EQ(level("CodFiscal2003", "1.000"), "1");
    EXPECT_EQ(level("CodFiscal2003", "1.100"), "2");
    EXPECT_EQ(level("CodFiscal2003", "1.150"), "2");
    EXPECT_EQ(level("CodFiscal2003", "5.910"), "3");
    EXPECT_EQ(level("CodFiscal2003", "1.102"), "3");
    EXPECT_EQ(count(db, "CodFiscal WHERE Nivel NOT IN ('1', '2', '3')"), 0);
}

TEST_F(RegistryTemplate, CompanyNumbersAreNeverReused) {
    for (int codigo : {1, 2})
        db.Execute("INSERT INTO Empresas (codigo, nome, mes_base_fiscal) VALUES (?, ?, ?)",
                   {codigo, QStringLiteral("Empresa"), platform::db::DbNull});
    db.Execute("DELETE FROM Empresas WHERE codigo = 2");
    db.Execute("INSERT INTO Empresas (codigo, nome) VALUES (3, 'x')");
    EXPECT_EQ(db.OpenRecordset("SELECT codauto FROM Empresas WHERE codigo = 3").Fields(0).toInt(), 3);
}

class MovementTemplate : public ::testing::Test {
  protected:
    void SetUp() override { db.Open(folder.movementConnection(QStringLiteral("MV080001.MDB"))); }
    TempProgramFolder folder;
    Connection db;
};

TEST_F(MovementTemplate, HoldsTheMonthTablesAndTheTwelvePositions) {
    const auto tables = columnsOf(db);
    EXPECT_EQ(tables.size(), 37);
    for (int m = 1; m <= 12; ++m) {
        const QString mm = QString::number(m).rightJustified(2, u'0');
        EXPECT_EQ(tables.value("DIGE" + mm).size(), 50) << mm.toStdString();
        EXPECT_EQ(tables.value("DIGS" + mm).size(), 50) << mm.toStdString();
        EXPECT_EQ(tables.value("DIGISS" + mm).size(), 15) << mm.toStdString();
        EXPECT_EQ(count(db, "DIGE" + mm), 0);
    }
    EXPECT_EQ(tables["DIGE01"]["valricms4"], "CURRENCY");
    EXPECT_EQ(tables["DIGS12"]["datalan"], "DATE");
    EXPECT_EQ(tables["DIGISS06"]["aliq"], "CURRENCY");
    EXPECT_EQ(tables["Pos_Icms"].size(), 18);

    Recordset pos = db.OpenRecordset("SELECT * FROM Pos_Icms ORDER BY Mes_Base");
    ASSERT_EQ(pos.RecordCount(), 12);
    for (int m = 1; m <= 12; ++m, pos.MoveNext()) {
        EXPECT_EQ(pos.Fields("mes_base").toInt(), m);
        EXPECT_EQ(pos.Fields("Scant").toCurrency(), Currency());
        EXPECT_EQ(pos.Fields("M1Ini").toInt(), 0);
        EXPECT_FALSE(pos.Fields("Obssai2").isNull());
        EXPECT_EQ(pos.Fields("Obssai2").toString(), QString());
    }
}

TEST_F(MovementTemplate, UnusedSlotsDefaultToZeroAndRecordCodesAreNeverReused) {
    const QString insert = QStringLiteral(
        "INSERT INTO DIGE03 (datalan, especie, docinicial, cgc, uf, codfiscal, vlrcontabil, baseicms0, "
        "aliqicms0, "
        "valricms0, tipoicms0) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < 3; ++i)
        db.Execute(insert, {QDate(2008, 3, 10), "NF", QString::number(100 + i), "11.222.333/0001-81", "SP",
                            "1.102", Currency::fromUnits(100), Currency::fromUnits(100),
                            Currency::fromUnits(18), Currency::fromUnits(18), "1"});
    Recordset rs = db.OpenRecordset("SELECT * FROM DIGE03 WHERE docinicial = ?", {QStringLiteral("100")});
    EXPECT_EQ(rs.Fields("baseicms4").toCurrency(), Currency());
    EXPECT_FALSE(rs.Fields("aliqicms1").isNull());
    EXPECT_EQ(rs.Fields("tipoicms4").toString(), QStringLiteral(" "));
    EXPECT_EQ(rs.Fields("valricms0").toCurrency(), Currency::fromUnits(18));
    EXPECT_EQ(rs.Fields("codauto").toInt(), 1);

    db.Execute("DELETE FROM DIGE03 WHERE codauto = 3");
    EXPECT_EQ(
        db.OpenRecordset("SELECT codauto FROM DIGE03 WHERE codauto = ( SELECT MAX (codauto) FROM DIGE03)")
            .Fields("codauto")
            .toInt(),
        2);
    db.Execute(insert, {QDate(2008, 3, 11), "NF", "200", "", "SP", "1.102", Currency(), Currency(),
                        Currency(), Currency(), " "});
    EXPECT_EQ(db.OpenRecordset("SELECT MAX(codauto) FROM DIGE03").Fields(0).toInt(), 4);
}

}  // namespace
