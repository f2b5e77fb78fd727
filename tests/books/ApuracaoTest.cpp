#include <gtest/gtest.h>

#include "books/Apuracao.h"
#include "support/TempProgramFolder.h"

using platform::db::Connection;
using platform::db::Recordset;
using platform::values::Currency;
using testsupport::TempProgramFolder;

namespace {

Currency reais(double v) { return Currency::fromDouble(v); }

struct Posicao {
    Currency saida, entra, scant;
};
Posicao posicao(Connection& db, int mes) {
    Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT saida,entra,scant FROM Pos_Icms WHERE mes_base = ?"), {mes});
    return {rs.Fields(0).toCurrency(), rs.Fields(1).toCurrency(), rs.Fields(2).toCurrency()};
}

}  // namespace

TEST(ApuracaoTest, StoresTheMonthAndCarriesOnlyACreditBalanceBeforeDecember) {
    struct Caso {
        const char* nome;
        int mes;
        double entradas, saidas, anterior;
        PosIcms::OutrosValores outros;
        double saldoApurado;
        double proximoScant;      // the next month's Scant afterwards (it starts at 77)
        const char* recusa = "";  // why nothing is written
    };
    const Caso casos[] = {
        {"worked example", 3, 1000, 700, 200, {}, -500, 500},
        {"December is not carried", 12, 1000, 700, 200, {}, -500, 77},
        {"debits equal to credits", 5, 1000, 1200, 200, {}, 0, 77},
        {"a debit balance leaves the next month", 5, 1000, 1500, 200, {}, 300, 77},
        {"other debits and credits count",
         6,
         1000,
         700,
         200,
         {reais(10.5), reais(20), reais(1.25), reais(0.75)},
         -471.5,
         471.5},
        // clang-format off
        {"a carried credit beyond the printed total", 3, 18, 0, 99999999999.98, {}, 0, 77,
         "O item 010 da apuração dá 100.000.000.017,98, além do que os livros imprimem inteiro (99.999.999.999,99)."},
        // clang-format on
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        TempProgramFolder pasta;
        Connection db;
        db.Open(pasta.movementConnection(QStringLiteral("MV110001.MDB")));
        db.Execute(
            QStringLiteral("UPDATE Pos_Icms SET o_deb = ?,estcr = ?,o_cre = ?,estdb = ? WHERE mes_base = ?"),
            {c.outros.o_deb, c.outros.estcr, c.outros.o_cre, c.outros.estdb, c.mes});
        db.Execute(QStringLiteral("UPDATE Pos_Icms SET scant = ? WHERE mes_base <> ?"), {reais(77), c.mes});

        Livros::Apuracao a;
        try {
            a = Livros::Atualiza_Saldo(db, c.mes, reais(c.entradas), reais(c.saidas), reais(c.anterior));
        } catch (const platform::values::RuntimeError& e) {
            EXPECT_EQ(e.description(), QString::fromUtf8(c.recusa));
            EXPECT_EQ(posicao(db, c.mes).scant, Currency());
            continue;
        }

        EXPECT_EQ(a.SaldoApurado, reais(c.saldoApurado));
        EXPECT_EQ(a.SaldoApurado, a.SubtotalSaidas - a.TotalEntradas);
        const Posicao p = posicao(db, c.mes);
        EXPECT_EQ(p.saida, reais(c.saidas));
        EXPECT_EQ(p.entra, reais(c.entradas));
        EXPECT_EQ(p.scant, reais(c.anterior));
        if (c.mes < 12) {
            EXPECT_EQ(posicao(db, c.mes + 1).scant, reais(c.proximoScant));
        }
        EXPECT_EQ(posicao(db, c.mes == 1 ? 2 : 1).scant, reais(77));
    }
}

TEST(ApuracaoTest, NullOtherAmountsCountAsZero) {
    TempProgramFolder pasta;
    Connection db;
    db.Open(pasta.movementConnection(QStringLiteral("MV110001.MDB")));
    db.Execute(QStringLiteral("UPDATE Pos_Icms SET o_deb = NULL,estcr = NULL,o_cre = NULL,estdb = NULL"));
    EXPECT_EQ(Livros::Atualiza_Saldo(db, 2, reais(100), reais(40), Currency()).SaldoApurado, reais(-60));
    EXPECT_EQ(posicao(db, 3).scant, reais(60));
}

TEST(ApuracaoTest, AFailingCarryLeavesBothMonthsAsTheyWere) {
    TempProgramFolder pasta;
    Connection db;
    db.Open(pasta.movementConnection(QStringLiteral("MV110001.MDB")));
    db.Execute(QStringLiteral("UPDATE Pos_Icms SET saida = ?,entra = ?,scant = ?"),
               {reais(1), reais(2), reais(3)});
    db.Execute(
        QStringLiteral("CREATE TRIGGER falha BEFORE UPDATE ON Pos_Icms WHEN OLD.mes_base = 4 "
                       "BEGIN SELECT RAISE(ABORT, 'falha'); END"));
    EXPECT_ANY_THROW(Livros::Atualiza_Saldo(db, 3, reais(1000), reais(700), reais(200)));
    for (int mes : {3, 4}) {
        const Posicao p = posicao(db, mes);
        EXPECT_EQ(p.saida, reais(1));
        EXPECT_EQ(p.entra, reais(2));
        EXPECT_EQ(p.scant, reais(3));
    }
}

TEST(ApuracaoTest, MarchsCreditIsTheBalanceAprilsBooksStartFrom) {
    TempProgramFolder pasta;
    Connection db;
    db.Open(pasta.movementConnection(QStringLiteral("MV110001.MDB")));
    Livros::Atualiza_Saldo(db, 3, reais(1000), reais(700), reais(200));
    EXPECT_EQ(PosIcms::LeSaldoCredor(db, 4), reais(500));
    // April's own assessment starts from it and carries what is left into May.
    const Livros::Apuracao abril =
        Livros::Atualiza_Saldo(db, 4, reais(100), reais(450), PosIcms::LeSaldoCredor(db, 4));
    EXPECT_EQ(abril.TotalEntradas, reais(600));
    EXPECT_EQ(PosIcms::LeSaldoCredor(db, 5), reais(150));
}
