#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "movement/DocumentoMes.h"
#include "platform/values/Currency.h"

// One ICMS document of the movement turned into the SINTEGRA registers of its item slots, as the
// staging table RegSint keeps them.
namespace sintegra {

using platform::values::Currency;

// The month's documents as the movement keeps them; an amount or rate the database left empty reads
// as 0.
using movimento::DocumentoIcms;
using movimento::ItemIcms;

// What the conversion takes of the period and of the company that informs.
struct ContextoConversao {
    QDate inicio, fim;  // the period, within one year
    QString uf;         // the company's state
    QString cgc;        // the company's CNPJ, digits only
};

// One register, every field a text of its fixed width, in the column order of RegSint.
struct RegistroSintegra {
    QString regtip, cgc, inscr_estadual, demis, uf, modelo, serie, subserie, nrnf, cfop, vlrtot, baseicms,
        vlricms, vlrisent, vlroutr, aliqicms, situacao;
};

// The state-registration field (CampoInscricao) of each CNPJ/CPF as stored (`cgc`) of one register of
// parties.
using Inscricoes = QHash<QString, QString>;

// What the conversion of documents gives: the registers in the order they are written to RegSint, and
// one text per fault of a document that cannot go into the file.
struct Conversao {
    std::vector<RegistroSintegra> registros;
    QStringList recusas;
    // The date of the last document converted and its text in the file.
    QDate data;
    QString demis;
};

// The digits of a text, every other character dropped: the numeric fields of the file take no ":" or
// "," (which SoNumeros keeps).
QString Digitos(QStringView texto);
// A date as the file writes it, yyyymmdd.
QString DataSintegra(const QDate& data);

// A slot goes into the file when its base, exempt or other amount is above 0.
bool SlotTomado(const ItemIcms& item);

// The CNPJ/CPF field of a document where none was typed.
inline constexpr QStringView MascaraCgcVazia = u"__.___.___/____-__";

// The state-registration field of every record that carries one (the company's own in records 10 and
// 90, the other party's in a register) from the registration as typed: its first 14 digits,
// blanks on the right, or "ISENTO" and eight blanks when it has fewer than 8 digits ("ISENTO" itself);
// a São Paulo rural producer's ("P-01100424.3/002": "P" and twelve digits) is "P" and its digits.
QString CampoInscricao(const QString& ie);

// The document model code of a species ("NF" -> "01", "CMR" -> "2B"); any other species, the empty one
// included, is "01".
QString ModeloEspecie(const QString& especie);

// Appends to `destino` one register for each taken slot of `documento` (base, exempt or other above 0),
// slots in order 0 to 4, by the rules of the period's year: from 2003 a four-digit CFOP, register 61 for
// the consumer invoice, the tickets (whatever their CFOP: the record has none) and a producer's invoice
// issued, 70 for the transport models and the CFOPs x35x and 6932, 76 for NSC in an exit (`saida`), 50
// for the rest, the company's own entry invoice (NFE) as model 01; before 2003 a three-digit CFOP,
// register 61 for the consumer invoice, the producer's invoice and the tickets, 50 for the models 01, 03,
// 06 and 22, and no other model. An entry is dated by its entry date, an exit by its issue date; an exit
// issued in another period of the same year gives nothing (it belongs to that period's file). The issuer
// is "T" for an entry of another party, "P" otherwise; the series is the document's, trimmed (blanks
// where it has none; longer than the record's field, a fault); the total of each slot is its share of the
// document's valor contábil (IPI and ICMS at source included when the document's value includes them).
// The state-registration field comes from `inscricoes` (the suppliers' for entries, the clients' for
// exits); an operation with another country (state EX or CFOP 3 or 7) has zeros, "ISENTO" and "EX" for
// the other party. A document with a taken slot that the file cannot hold as it is (wrong check digits,
// a CFOP of the other direction or of another state, a model without register, a date of another year,
// values that do not fit) gives no register but one text per fault in `destino.recusas` ("Entradas
// 05/03/2004 Nº 12: CFOP incompleto"); a document without a taken slot gives nothing.
void ConverteDocumento(const DocumentoIcms& documento, const ContextoConversao& contexto, bool saida,
                       const Inscricoes& inscricoes, Conversao& destino);

// The beginning of a refusal's text: the book, where the document is (its entry date, or its month
// table when the date cannot be read) and its number ("Entradas 05/03/2004 Nº 12: ").
QString IdentificaDocumento(bool saida, const QString& onde, const QString& numero);

}  // namespace sintegra
