#pragma once

#include <QStringView>
#include <QVariant>
#include <optional>

#include "movement/DocumentoIcms.h"
#include "platform/values/Currency.h"

// The items of an ICMS document while they are typed: reading a cell, the ICMS of a confirmed rate,
// where the cursor goes after a base of 0, and the first item that a launch type fills.
namespace movimento {

// The value of an item cell: the Currency that the fill or the load wrote, or the Brazilian text the
// user typed ("1.234,56", "17", "0,5"); an empty or blank cell is 0. Null for text that is not a
// number (a letter typed in the base column).
std::optional<Currency> NumeroDaCelula(const QVariant& celula);

// The cell as every rule of the document reads it: NumeroDaCelula, and 0 where that is null.
Currency LeCelula(const QVariant& celula);

// The text of a cell as the user sees it in its editor: a written Currency in plain Brazilian form
// ("1000,5"), anything else as it is.
QString TextoDaCelula(const QVariant& celula);

// The ICMS of an item when its rate is confirmed: base x rate / 100 through values::taxAmount, when
// both cells read as numbers (an empty cell reads 0); null when either holds text that is not a
// number, and the ICMS cell is then left as it is. The window writes the result into the ICMS cell
// when it differs from what the cell holds, overwriting a typed amount.
std::optional<Currency> IcmsDaAliquota(const QVariant& base, const QVariant& aliquota);

// The items grid's key filter: `KeyAscii` as it may go into column `coluna`, or 0 to drop it. In the
// base column every key passes; in the others only Backspace (8), the digits and one comma, a comma
// being dropped when `texto` (what the key goes into: TDBGrid::EditText) holds one already.
int TeclaDaGrade(int coluna, int KeyAscii, QStringView texto);

// Where the cursor goes after the base cell was updated, when the base reads 0 (LeCelula: empty,
// "0", "0,00" or text that is not a number; "0,50" is not 0).
enum class SaidaDaBase {
    Fica,      // the base is not 0: nothing happens
    Gravar,    // the launch type is above 0 and not "99": to the save button
    DoisTabs,  // the cell's text is "0,00": two tabs posted, past the next two cells
    BaseIpi,   // otherwise: to the IPI base field
};
SaidaDaBase SaidaAposBase(const QVariant& base, QStringView tipolan);

// The first item that a launch type fills from the document's accounting value `valor`. `tipolan`
// is the launch-type field's text, read by its leading number (empty is 0). Codes 7, 12, 17, 18 and
// 25 tax `valor` at that rate; 1 taxes it without a rate; 2 makes it exempt and 3 other; 50 and 51
// exempt 20 % and 41,67 % of it and tax the rest at 12 %; 52 and 53 exempt 61,11 % and 33,3 % and
// tax the rest at 18 %. Every share and tax goes through values::taxAmount (the exact decimal factor
// as a rate in percent), so exempt + base is `valor` to the cent. Null for 0 and for every other code
// (99 included): the grid is then left as it is. The type of the item is empty.
std::optional<ItemIcms> ItemDoTipoLancamento(QStringView tipolan, Currency valor);

}  // namespace movimento
