#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "books/FormulasLivro.h"
#include "movement/DocumentoMes.h"
#include "platform/values/Currency.h"

// The ISS books of models 51 and 53: one book line per service document of the month, and the
// taxed lines summed per rate. Plain functions; the tables are written by LivrosIss_sql.
namespace LivrosIss {

using platform::values::Currency;

enum class Modelo { M51, M53 };

// A service document as the month table DIGISS holds it.
using movimento::DocumentoIss;

// One book line. Model 53 fills vlrnota, materiais, subempr and tipo; model 51 fills serie and
// remessas. `docfinal` is the text the book stores, the stored number as a plain whole number: model
// 53 "" for a null number, model 51 "0".
struct LinhaIss {
    QDate datalan;
    QString codserv, serie, docinicial, docfinal, tipo, observ;
    Currency vlrnota, materiais, subempr, base, aliq, iss, isentas, remessas;
};

// The kind of a document as a number: the leading digits of its code, 0 for a null or other text.
int TipoDoDocumento(const QString& tipo);

// The document's line in the book of `modelo`. The net amount T is the note value less materials
// and sub-contracted works, rounded half up to two decimals. Model 53: kinds 1 and 2 put T in
// isentas, kind 3 leaves the fiscal columns at 0, any other kind is taxed (base T, the document's
// rate and ISS as stored). Model 51: kind 0 is taxed with the document's own base, kind 3 puts the
// base in remessas, any other kind puts it in isentas.
LinhaIss LinhaDoLivro(Modelo modelo, const DocumentoIss& doc);

struct TotalAliquotaIss {
    Currency aliq, base, iss;
};

// The lines of rate above 0 summed per exact rate, in the order each rate first appears; each base
// and ISS is rounded half up to two decimals before it is added.
std::vector<TotalAliquotaIss> SomaPorAliquota(const std::vector<LinhaIss>& linhas);

// The report file and preview caption of the book: the continuous form ("MaIss...") only for the
// printer kind "M" exactly, the A4 form ("JtIss...") for any other.
Livros::RelatorioLivro RelatorioIss(Modelo modelo, const QString& TipoImpressora);

// The company's row as the heading prints it; a row gone meanwhile is all empty texts.
struct EmpresaIss {
    QString nome, endereco, numero, complemento, ie, ccm, cgc;
};

// The formulas of the print in the order they are set: empr, end (address, ", ", number, " ",
// complement), ie, ccm, cgc, mesano, nfolha (the last page already printed, a bare number, 0 when
// empty) and, for a month without documents only, sem_movimento.
Livros::Formulas FormulasIss(const EmpresaIss& e, const QString& mesano, const QString& txtNpag,
                             bool SemMovimento);

}  // namespace LivrosIss
