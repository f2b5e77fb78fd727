#pragma once

#include <array>

#include "platform/db/ColumnList.h"
#include "platform/db/Connection.h"
#include "platform/values/Currency.h"

// The statements on Pos_Icms, the monthly position of a company in the year of its movement database
// (one row per month, Mes_Base 1 to 12). Every value is bound; `mes` is 1 to 12.
namespace PosIcms {

using platform::db::Connection;
using platform::db::Recordset;
using platform::values::Currency;

// Adds, in one transaction, the months of 1 to 12 that the table lacks (every amount and note number
// 0, the observations empty); the months present stay as they are. Returns how many were added.
int CompletaMeses(Connection& db);

// The additional information of the month: Fat, FatAcu, M1Ini, M1Fim, D1Ini, D1Fim, Obsent1,
// Obsent2, Obssai1, Obssai2 (no row when the month is missing).
Recordset LeInformacoes(Connection& db, int mes);

// What the user keeps for a month in the additional-information dialog.
struct InformacoesMes {
    Currency Fat, FatAcu;
    qint64 M1Ini = 0, M1Fim = 0, D1Ini = 0, D1Fim = 0;
    QString Obsent1, Obsent2, Obssai1, Obssai2;
};
// Rewrites the additional information of the month; the ICMS items of the row stay.
void GravaInformacoes(Connection& db, int mes, const InformacoesMes& info);
// Writes `colunas` (of the additional information) into the month's row; the other columns stay.
void GravaInformacoes(Connection& db, int mes, const platform::db::ColumnList& colunas);

// The credit balance carried into the month (Scant); a null column or a missing row is 0.
Currency LeSaldoCredor(Connection& db, int mes);

// The month's other debits and credits and reversals: o_deb, estcr, o_cre, estdb.
Recordset LeOutrosValores(Connection& db, int mes);
struct OutrosValores {
    Currency o_deb, estcr, o_cre, estdb;
};
// The same four amounts; a null column or a missing row is 0.
OutrosValores LeOutrosDoMes(Connection& db, int mes);
// What the entries book prints of the month: Fat, M1Ini, M1Fim, D1Ini, D1Fim, FatAcu, Obsent1, Obsent2.
Recordset LeInformacoesEntradas(Connection& db, int mes);
// What the exits book prints of the month: FatAcu, Obssai1, Obssai2.
Recordset LeInformacoesSaidas(Connection& db, int mes);

// Stores the assessment of the month: ICMS debited (Saida), credited (Entra) and the balance carried
// into it (Scant).
void GravaApuracao(Connection& db, int mes, Currency saida, Currency entra, Currency scant);
// Stores the credit balance carried into the month.
void GravaSaldoCredor(Connection& db, int mes, Currency scant);

// The ICMS items of a month as the annual summary shows and corrects them.
struct ItensIcms {
    Currency Saida, O_deb, Estcr, Entra, O_cre, Estdb, Scant;
};
// Mes_Base, Saida, O_deb, Estcr, Entra, O_cre, Estdb, Scant of the months 1 to 12, by month.
Recordset LeItensDoAno(Connection& db);
// Writes the item columns of each of the twelve months (meses[0] is January; a month without any
// stays as it is) in one transaction: all or none.
void GravaItensDoAno(Connection& db, const std::array<platform::db::ColumnList, 12>& meses);

}  // namespace PosIcms
