#include <gtest/gtest.h>

#include "books/pos_icms_sql.h"
#include "support/TempProgramFolder.h"

using platform::db::Connection;
using platform::db::Recordset;
using platform::values::Currency;
using testsupport::TempProgramFolder;

TEST(PosIcmsSqlTest, MissingMonthsAreAddedAndTheOthersKept) {
    TempProgramFolder pasta;
    Connection db;
    db.Open(pasta.movementConnection(QStringLiteral("MV080001.MDB")));
    db.Execute(QStringLiteral("DELETE FROM Pos_Icms WHERE Mes_Base IN (3, 7)"));
    PosIcms::GravaApuracao(db, 5, Currency::fromUnits(700), Currency::fromUnits(1000),
                           Currency::fromUnits(200));
    db.Execute(QStringLiteral("UPDATE Pos_Icms SET scant = NULL WHERE Mes_Base = 2"));

    EXPECT_EQ(PosIcms::CompletaMeses(db), 2);
    EXPECT_EQ(PosIcms::CompletaMeses(db), 0);
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT Mes_Base FROM Pos_Icms ORDER BY Mes_Base"));
    ASSERT_EQ(rs.RecordCount(), 12);
    for (int mes = 1; mes <= 12; ++mes, rs.MoveNext()) EXPECT_EQ(rs.Fields(0).toInt(), mes);
    rs = db.OpenRecordset(QStringLiteral("SELECT * FROM Pos_Icms WHERE Mes_Base = 3"));
    for (int c = 1; c < 14; ++c) EXPECT_TRUE(rs.Fields(c).toCurrency().isZero()) << c;
    for (int c = 14; c < 18; ++c) EXPECT_EQ(rs.Fields(c).toString(), "") << c;
    EXPECT_EQ(PosIcms::LeSaldoCredor(db, 5), Currency::fromUnits(200));
    EXPECT_TRUE(PosIcms::LeSaldoCredor(db, 2).isZero());
}

TEST(PosIcmsSqlTest, AdditionalInformationKeepsTextsAsTyped) {
    TempProgramFolder pasta;
    Connection db;
    db.Open(pasta.movementConnection(QStringLiteral("MV080001.MDB")));
    PosIcms::InformacoesMes info;
    info.Fat = Currency::fromRaw(12345600);
    info.FatAcu = Currency::fromRaw(99999900);
    info.M1Ini = 12;
    info.M1Fim = 345;
    info.D1Fim = 7;
    info.Obsent1 = QStringLiteral("D'Ávila \"filial\"");
    info.Obssai2 = QStringLiteral("Obssai1");
    PosIcms::GravaInformacoes(db, 4, info);
    PosIcms::GravaSaldoCredor(db, 4, Currency::fromUnits(50));

    Recordset rs = PosIcms::LeInformacoes(db, 4);
    EXPECT_EQ(rs.Fields("Fat").toCurrency(), info.Fat);
    EXPECT_EQ(rs.Fields("FatAcu").toCurrency(), info.FatAcu);
    EXPECT_EQ(rs.Fields("M1Fim").toLongLong(), 345);
    EXPECT_EQ(rs.Fields("D1Ini").toLongLong(), 0);
    EXPECT_EQ(rs.Fields("Obsent1").toString(), info.Obsent1);
    EXPECT_EQ(rs.Fields("Obssai2").toString(), "Obssai1");
    EXPECT_EQ(PosIcms::LeInformacoesSaidas(db, 4).Fields("FatAcu").toCurrency(), info.FatAcu);
    EXPECT_EQ(PosIcms::LeInformacoesEntradas(db, 4).Fields("M1Ini").toLongLong(), 12);
    EXPECT_TRUE(PosIcms::LeOutrosValores(db, 4).Fields("o_deb").toCurrency().isZero());
    EXPECT_EQ(PosIcms::LeSaldoCredor(db, 4), Currency::fromUnits(50));
    EXPECT_TRUE(PosIcms::LeInformacoes(db, 5).Fields("Fat").toCurrency().isZero());
}
