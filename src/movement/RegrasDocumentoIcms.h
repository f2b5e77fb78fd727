#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

#include "movement/DocumentoIcms.h"
#include "platform/values/Currency.h"

namespace platform::controls {
class XArrayDB;
}

// The rules of an ICMS document: the checks of its fields and the rules every save runs again.
namespace movimento {

// Whether a CFOP suits the document's direction. `cfop` is the CFOP field's text with its mask
// ("5.102", "5.12._", "_.___"); `mesmoEstado` says that the document's state is the company's. The
// first digit is the text's first character and the leading number the first three of its digits.
// Entries of the company's state need a first digit 1; entries of another state refuse a first
// digit 1 and a leading number above 500. Exits of the company's state need a first digit 5; exits
// of another state refuse a first digit 5 and a leading number below 500. A code without any digit
// fails in the company's state and passes in another (the missing code is a rule of its own). The
// field check and the save both judge the direction by this one function.
bool CodigoFiscalAdequado(bool entradas, bool mesmoEstado, QStringView cfop);

// Whether a document of state `uf` is of the company's state `ufEmpresa`: each is the letters it holds
// without the blanks at both ends, compared by the program's text comparator ("  sp  " is "SP"). Every
// rule that compares the document's (the supplier's) state with the company's asks this one function.
bool MesmoEstado(QStringView uf, QStringView ufEmpresa);

// What a refusal of the CFOP's direction adds where the document's state `uf` is no state at all
// (`existeUf`, asked with the letters in upper case, does not know it): the counterpart ("fornecedor" in
// entries, "cliente" in exits) named by its CNPJ/CPF, and the state as stored, since the clerk may not
// have typed it. Empty for an empty state, a known one, or when `existeUf` is not given.
QString UfForaDosEstados(bool entradas, QStringView cgc, QStringView uf,
                         const std::function<bool(const QString& uf)>& existeUf);

// Whether the CFOP field's text holds a digit.
bool TemCodigoFiscal(QStringView cfop);

// The code to look a CFOP up by: a code of the table up to 2002 typed without its last digit
// ("5.12._") is its first four characters ("5.12"); any other text whole.
QString CodigoFiscalProcurado(QStringView cfop);

// The accepted document species, the empty one first, in the order they are tried.
const std::vector<QString>& EspeciesDocumento();
// Whether `especie`, without its blanks at both ends, is exactly (letter case counts) one of them.
bool EspecieValida(QStringView especie);

// A first or last document number as the field keeps it: the number at the start of the text in
// plain digits without leading zeros ("000123" -> "123"), or empty when it is not above 0.
QString NumeroDocumento(QStringView texto);

// Whether a CNPJ/CPF field counts as filled: it holds a digit ("00.000.000/0001-91" and the all-zero
// "00.000.000/0000-00" are both filled).
bool CgcPreenchido(QStringView cgc);

// Where a document is saved: among the entries or the exits of a company of state `uf`, in the month
// of `periodo` (none: the issue date is not checked); `existeUf` tells a state's code (UfForaDosEstados).
struct DestinoDocumento {
    bool entradas = true;
    QString uf;
    QDate periodo;
    std::function<bool(const QString& uf)> existeUf;
};

// One broken rule: its severity (shell::ErroFatal or shell::AlertaErro) and its message.
struct ErroDocumento {
    QStringView severidade;
    QString mensagem;
    friend bool operator==(const ErroDocumento&, const ErroDocumento&) = default;
};

// The rules of a save of `doc` (as the window holds it: the CFOP field's text with its mask, texts as
// typed, the items of the grid in its slots), in the order the error list numbers them. First, for
// each slot: a rate above 99,99 is fatal; a slot whose base + exempt + other is above 0 is summed into
// the accounting sum, and an ICMS that differs from values::taxAmount(base, rate) is a warning that
// quotes it. Then, all fatal: the accounting value differs from that sum plus the ICMS at source, plus
// the IPI amount unless the launch type is "99"; the accounting value is 0; an amount is negative
// (ColunaNegativa); no entry date; no issue
// date in entries, or one after the period's last day (the books refuse both); a filled
// CNPJ/CPF that `cadastrado` (asked only for a filled one, with the field's text) does not find (told
// as invalid when its digits are neither 11 nor 14), or an empty one in entries; a CFOP that does not suit
// the direction (CodigoFiscalAdequado, the states compared by MesmoEstado; where the document's state is
// no state, the refusal names it once, by UfForaDosEstados); no first
// number; no CFOP digit. Empty when the document may be written; it balances then to the cent, since every
// amount is a Currency.
std::vector<ErroDocumento> RegrasGravacao(const DocumentoIcms& doc, const DestinoDocumento& destino,
                                          const std::function<bool(const QString& cgc)>& cadastrado);

// The items of `itens` as a save writes them, one per row in row order: the amounts and the rate
// read by LeCelula (an empty cell is 0), the type trimmed.
std::vector<ItemGrade> ItensParaGravar(const platform::controls::XArrayDB& itens);

}  // namespace movimento
