#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <type_traits>
#include <vector>

#include "platform/db/ColumnList.h"
#include "platform/db/Recordset.h"
#include "platform/values/Currency.h"

// The documents of the month tables (ICMS entries DIGE, ICMS exits DIGS, ISS documents DIGISS) and
// the one declared map of their columns: each column's name, item slot and kind, and where its value
// lives in the document. The movement windows, the books and SINTEGRA read and write a document's
// columns through this map only, so a column declared here reaches all of them.
namespace movimento {

using platform::values::Currency;

// The three families of month tables.
inline const QString Entradas = QStringLiteral("DIGE");
inline const QString Saidas = QStringLiteral("DIGS");
inline const QString Iss = QStringLiteral("DIGISS");

// The month table of `familia` ("DIGE", "DIGS" or "DIGISS", in any letter case) for `mes` 1 to 12:
// the family in capitals followed by the month in two digits ("DIGE03", "DIGISS12"), as the name
// guard spells it. Any other family or month is a run-time error (invalid argument). This is the one
// place that makes a month table's name: every statement that names a month table takes its name
// from here.
QString TabelaMes(const QString& familia, int mes);

// `tabela` spelt as TabelaMes spells it when TabelaMes makes it ("dige03" is "DIGE03"); a run-time
// error (invalid argument) for any other name.
QString TabelaDoMovimento(const QString& tabela);

// The month (1 to 12) of the month table `tabela` (TabelaDoMovimento); a run-time error (invalid
// argument) for any other name.
int MesDaTabela(const QString& tabela);

// The amounts of one of an ICMS document's five item slots (baseicmsN, aliqicmsN, valricmsN,
// isenicmsN, outricmsN). The rate is a percentage of up to four decimals.
struct ItemIcms {
    Currency base, aliquota, icms, isento, outros;
    friend bool operator==(const ItemIcms&, const ItemIcms&) = default;
};

inline constexpr int SlotsItens = 5;

// An ICMS document as its month table holds it; a null text reads as a null QString and a null date
// as a null QDate. A column a reader leaves out stays empty.
struct DocumentoIcms {
    qint64 codauto = 0;
    QDate datalan, demiss;
    QString especie, serie, docinicial, docfinal, cgc, uf, codfiscal;
    Currency vlrcontabil;
    QString tipolan;
    std::array<ItemIcms, SlotsItens> itens;
    // The slots' types (tipoicmsN): none until the type of a slot is set, then one per slot. Kept
    // apart from the amounts, which the books and the file read by the hundred thousand, so that a
    // document they read is no bigger than what they read of it.
    QStringList tipos;
    Currency baseipi, valripi, isenipi, outripi, fonteicms, descicms;
    QString observ;
};

// An ISS service document as DIGISS holds it: the numbers as stored texts (a null last number is a
// null QString), the type code '0' to '3' (null when none was stored).
struct DocumentoIss {
    qint64 codauto = 0;
    QDate datalan;
    QString codserv, serie, docinicial, docfinal, talao;
    Currency base, aliq, iss, ir;
    QString tipo, observ;
    Currency subempr, materiais;
};

// How a column's value is kept.
enum class TipoMes { Numero, Texto, Data, Dinheiro };

// One column of a month table and the member of the document that holds it (of the item slot `slot`
// for an item column).
template <typename Documento>
struct ColunaMes {
    QString nome;  // the column ("baseicms2")
    QString raiz;  // the name without its slot ("baseicms"); the name itself otherwise
    TipoMes tipo = TipoMes::Texto;
    int slot = -1;
    // Mostly the same text from one document to the next: a reader of many rows shares it.
    bool repete = false;
    qint64 Documento::*numero = nullptr;
    QString Documento::*texto = nullptr;
    QDate Documento::*data = nullptr;
    Currency Documento::*dinheiro = nullptr;
    QStringList Documento::*textosItens = nullptr;
    Currency ItemIcms::*dinheiroItem = nullptr;

    // The member itself, of a document or of one it only reads.
    template <typename D>
    requires std::is_same_v<std::remove_const_t<D>, Documento>
    auto& Texto(D& d) const {
        if (slot >= 0) {
            auto& textos = d.*textosItens;
            if constexpr (std::is_const_v<D>) {
                static const QString vazio;
                return slot < textos.size() ? textos[slot] : vazio;
            } else {
                if (textos.size() <= slot) textos.resize(SlotsItens);
                return textos[slot];
            }
        }
        return d.*texto;
    }
    template <typename D>
    requires std::is_same_v<std::remove_const_t<D>, Documento>
    auto& Dinheiro(D& d) const {
        if constexpr (requires { d.itens; })
            if (slot >= 0) return d.itens[std::size_t(slot)].*dinheiroItem;
        return d.*dinheiro;
    }
};

// The columns of the ICMS tables (DIGE and DIGS alike) and of the ISS table, in table order, the key
// codauto first.
const std::vector<ColunaMes<DocumentoIcms>>& ColunasIcms();
const std::vector<ColunaMes<DocumentoIss>>& ColunasIss();

template <typename Documento>
const std::vector<ColunaMes<Documento>>& ColunasMes() {
    if constexpr (std::is_same_v<Documento, DocumentoIcms>)
        return ColunasIcms();
    else
        return ColunasIss();
}

// The save rule that refuses a negative amount in the column `raiz` (of the item slot `slot`, from 0,
// or -1), named by the caption its window shows.
QString ValorNegativo(const QString& raiz, int slot);

// The save rule broken by the first amount column of `d` that holds a negative value, or an empty
// text. The legal models have no negative line, so the books refuse such a document and the windows
// do not save one.
template <typename Documento>
QString ColunaNegativa(const Documento& d);

template <typename Documento>
QString ColunaNegativa(const Documento& d) {
    for (const ColunaMes<Documento>& c : ColunasMes<Documento>())
        if (c.tipo == TipoMes::Dinheiro && c.Dinheiro(d).raw() < 0) return ValorNegativo(c.raiz, c.slot);
    return {};
}

// The columns of the month tables of `Documento` that no document carries: the ICMS tables' booklet
// `talao`, which no window writes and no book or file reads. The template keeps them, so a rebuild
// carries what older files hold there. The map's columns and these, in this order, are every column
// of the month tables.
template <typename Documento>
const QStringList& ColunasGuardadas() {
    static const QStringList colunas =
        std::is_same_v<Documento, DocumentoIcms> ? QStringList{QStringLiteral("talao")} : QStringList{};
    return colunas;
}

// The column of the map named `nome` (any letter case); a name the map lacks is a run-time error
// (invalid argument).
template <typename Documento>
const ColunaMes<Documento>& ColunaDoMapa(const QString& nome);

// The columns a reader or writer takes, in map order.
template <typename Documento>
using Projecao = std::vector<const ColunaMes<Documento>*>;

// The columns whose name or stem is one of `raizes` ("baseicms" takes the five slots); a name the map
// lacks is a run-time error.
template <typename Documento>
Projecao<Documento> Projeta(const std::vector<const char*>& raizes);
// Every column but the key.
template <typename Documento>
Projecao<Documento> SemChave();

// The value of `coluna` in `d`, typed for binding (a null date binds NULL).
template <typename Documento>
platform::db::Param Valor(const Documento& d, const ColunaMes<Documento>& coluna);
// Sets `coluna` of `d` from a value of its kind (as ValorCampo gives a field's); a value of another
// kind empties it.
template <typename Documento>
void Atribui(Documento& d, const ColunaMes<Documento>& coluna, const platform::db::Param& valor);

// The columns of `projecao` with their values in `d`, as an INSERT or UPDATE writes them.
template <typename Documento>
platform::db::ColumnList ColunasGravadas(const Documento& d, const Projecao<Documento>& projecao);

// The document of the current row of `rs` (any columns in any order, "SELECT *" included): each
// column of the map that `rs` holds, read by name, its dates as LeituraMes reads them; the others stay
// empty.
template <typename Documento>
Documento LeDocumentoDaLinha(const platform::db::Recordset& rs);

// The reading of many rows of a month table, positional and in map order, as the books and SINTEGRA
// read a whole month: the statement is "SELECT <projection> FROM <tabela> <resto>".
template <typename Documento>
class LeituraMes {
  public:
    // `tabela` is a month table (TabelaDoMovimento); `resto` (conditions and order) is bound with `params`.
    LeituraMes(platform::db::Connection& banco, const QString& tabela, Projecao<Documento> projecao,
               const QString& resto, const platform::db::Params& params = {});

    platform::db::Recordset& Linhas() { return rs_; }

    // Reads the current row into `d`; a text of a repeating column equal to the one of `anterior` is
    // shared with it (kept once however many documents repeat it). A date is the day its first ten
    // characters name ("2004-03-31 00:00:00" is 31/03/2004) and an empty text is no date, as NULL is.
    // A value that cannot be read as its column's kind throws as the recordset does.
    void Le(Documento& d, const Documento& anterior) const {
        platform::db::Recordset::RowValues v(rs_);
        for (const ColunaMes<Documento>* c : projecao_) {
            switch (c->tipo) {
                case TipoMes::Texto:
                    c->Texto(d) = c->repete ? v.text(c->Texto(anterior)) : v.text();
                    break;
                case TipoMes::Dinheiro:
                    c->Dinheiro(d) = v.currency();
                    break;
                case TipoMes::Data:
                    d.*(c->data) = v.date();
                    break;
                case TipoMes::Numero:
                    d.*(c->numero) = v.text().toLongLong();
                    break;
            }
        }
    }

  private:
    Projecao<Documento> projecao_;
    platform::db::Recordset rs_;
};

}  // namespace movimento
