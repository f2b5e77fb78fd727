#pragma once

#include <QString>
#include <vector>

#include "movement/DocumentoMes.h"
#include "registers/CodigoFiscal.h"

namespace platform::controls {
class XArrayDB;
}

// An ICMS document of a month table as the movement window shows it.
namespace movimento {

// The columns of the items array (one row per item; column 6 is the grid's own).
namespace ColunaItem {
inline constexpr int Base = 0;
inline constexpr int Aliquota = 1;
inline constexpr int Icms = 2;
inline constexpr int Isento = 3;
inline constexpr int Outros = 4;
inline constexpr int Tipo = 5;
inline constexpr int Ultima = 6;
}  // namespace ColunaItem

// An item as the window's grid lists it: a slot's amounts and its type.
struct ItemGrade : ItemIcms {
    QString tipo = {};
    friend bool operator==(const ItemGrade&, const ItemGrade&) = default;
};

// The items of `d` as the window lists them: every slot that holds anything (an amount or the rate
// not 0, or a type that is not blank), its type trimmed, in slot order, a gap between them included,
// so that a save writes back every item the row holds. None for a document without items.
std::vector<ItemGrade> ItensDoDocumento(const DocumentoIcms& d);

// `d` as the window's fields show it: species and series in capitals, the document numbers without
// leading zeros (empty when not above 0), the CFOP in the mask of `cfop`'s field, the launch type
// trimmed.
DocumentoIcms DocumentoNaJanela(DocumentoIcms d, registers::cfop::Tabela cfop);

// Puts `itens` into the items array, one row per item, columns 0 to 6, amounts and rate as money
// values and the type as text; without items, one empty row.
void PreencheItens(platform::controls::XArrayDB& array, const std::vector<ItemGrade>& itens);

}  // namespace movimento
