#pragma once

#include "books/pos_icms_sql.h"
#include "platform/db/Connection.h"
#include "platform/values/Currency.h"

// The ICMS assessment of a month: the debit side (the exits' ICMS, other debits, reversed credits),
// the credit side (the entries' ICMS, other credits, reversed debits, the credit carried in) and the
// balance. The assessment book prints these figures and the monthly position stores them, so both
// take them from here.
namespace Livros {

using platform::db::Connection;
using platform::values::Currency;

struct Apuracao {
    Currency SubtotalSaidas;
    Currency SubtotalEntradas;
    // SubtotalEntradas plus the credit carried in from the previous month.
    Currency TotalEntradas;
    // SubtotalSaidas - TotalEntradas: above 0 the tax to pay, otherwise minus the credit carried on.
    Currency SaldoApurado;

    bool devedor() const { return SaldoApurado > Currency(); }
};

// The month's assessment in exact money arithmetic, no rounding. An item of the book beyond what the
// books print whole (the carried credit, a subtotal, the total, the balance) is refused by name
// (ConfereCalculado: "O item 010 da apuração dá ...").
Apuracao ApuraIcms(Currency ImpostoEntradas, Currency ImpostoSaidas, const PosIcms::OutrosValores& outros,
                   Currency SaldoCredorAnterior);

// Stores the assessment of month `mes` (1 to 12) in the position table of `movimento`: the month's
// Saida, Entra and Scant (the credit carried in, as shown to the user), and, when the month ends with
// a credit and is not December, that credit as the next month's Scant. A debit or zero balance leaves
// the next month as it is. The month's other debits and credits are read here (null is 0). Both
// updates run in one transaction: a failure or a refused item (ApuraIcms) throws and writes nothing.
// Returns the assessment.
Apuracao Atualiza_Saldo(Connection& movimento, int mes, Currency ImpostoEntradas, Currency ImpostoSaidas,
                        Currency SaldoCredorAnterior);

}  // namespace Livros
