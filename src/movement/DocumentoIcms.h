#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "platform/db/Recordset.h"
#include "platform/values/Currency.h"
#include "registers/CodigoFiscal.h"

namespace platform::controls {
class XArrayDB;
}

// An ICMS document of a month table as the movement window shows it.
namespace movimento {

using platform::values::Currency;

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

// One of a document's five item slots (baseicmsN, aliqicmsN, valricmsN, isenicmsN, outricmsN,
// tipoicmsN). The rate is a percentage of up to four decimals; the type is trimmed.
struct ItemIcms {
    Currency base, aliquota, icms, isento, outros;
    QString tipo;
    friend bool operator==(const ItemIcms&, const ItemIcms&) = default;
};

inline constexpr int SlotsItens = 5;

// The fields of a document as the window's load fills them.
struct DocumentoIcms {
    QString codigo;                // the record code in six digits
    QDate datalan, demiss;         // null when the column is
    QString especie, serie;        // in capitals
    QString docinicial, docfinal;  // the number without leading zeros; empty when it is not above 0
    QString cgc, uf;
    QString codfiscal;  // as the CFOP field's mask shows it
    Currency vlrcontabil;
    QString tipolan;  // trimmed
    std::vector<ItemIcms> itens;
    Currency baseipi, valripi, isenipi, outripi, fonteicms, descicms;
    QString observ;
};

// The items of the current row of `rs` (a month table row, every column): every slot that holds
// anything (an amount or the rate not 0, or a type that is not blank), in slot order, a gap between
// them included, so that a save writes back every item the row holds. None for a document without
// items.
std::vector<ItemIcms> ItensDoDocumento(const platform::db::Recordset& rs);

// The document of the current row of `rs`, its CFOP shown in the mask of `cfop`'s field.
DocumentoIcms LeDocumentoIcms(const platform::db::Recordset& rs, registers::cfop::Tabela cfop);

// Puts `itens` into the items array, one row per item, columns 0 to 6, amounts and rate as money
// values and the type as text; without items, one empty row.
void PreencheItens(platform::controls::XArrayDB& array, const std::vector<ItemIcms>& itens);

}  // namespace movimento
