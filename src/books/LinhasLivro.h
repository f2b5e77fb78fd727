#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <array>
#include <vector>

#include "movement/DocumentoMes.h"
#include "platform/values/Currency.h"

// The expansion of one ICMS document of a month into the lines of the entries or the exits book:
// plain functions, no database. Every amount of a line or of a total is the stored amount rounded
// half up to two decimals (Arredonda) before it is used.
namespace Livros {

using platform::values::Currency;

// The month's documents as the movement keeps them.
using movimento::DocumentoIcms;
using movimento::ItemIcms;

// One book line: its type ("ICMS 1", "ICMS 2", "ICMS 3" in the entries book; "ICMS", "IPI" in the
// exits book; "" for a line that only carries an observation), its amounts and its observation. The
// entries book uses only base (the line's amount), aliquota and imposto.
struct LinhaLivro {
    QString tipo;
    Currency base, aliquota, imposto, isento, outros;
    QString observ;
    friend bool operator==(const LinhaLivro&, const LinhaLivro&) = default;
};

// The second line of a book row whose document has an odd number of lines: no type, zeros, " ".
const LinhaLivro& LinhaComplementar();

// What one document adds to the totals per CFOP and per state.
struct TotaisDocumento {
    Currency vcontabil, base, icms, isentos, outras, icmsfonte;
    friend bool operator==(const TotaisDocumento&, const TotaisDocumento&) = default;
};

// A document's book lines, in order, and its totals. No line means that the document is left out of
// the book and of every total.
struct DocumentoExpandido {
    std::vector<LinhaLivro> linhas;
    TotaisDocumento totais;
};

// The entries book: each slot gives up to three lines (taxed base with its rate and ICMS, exempt,
// other; only amounts above 0), then observation pieces (the IPI amount in one of two formats, the
// ICMS at source, the remark in pieces of at most 12 characters broken between words), paired with the lines
// by position.
DocumentoExpandido ExpandeEntrada(const DocumentoIcms& doc);
// The exits book: one line per slot with a base, exempt or other amount; the IPI as one more line of
// an industry, or as two observations of any other company; the ICMS at source as the entries book
// notes it; then the remark in pieces of at most 12 characters broken between words.
DocumentoExpandido ExpandeSaida(const DocumentoIcms& doc, bool industria);

// The header columns of a book row: the document's on its first row, blank forms on the others.
struct CabecalhoLivro {
    QDate datalan, demiss;
    QString especie, serie, docinicial, docfinal, cgc, inscrest, empresa, uf, codfiscal;
    Currency vlrcontabil;
    friend bool operator==(const CabecalhoLivro&, const CabecalhoLivro&) = default;
};

// The header of a document's first row, with the counterpart's name and state registration (" " for
// a counterpart not registered): species and series in upper case, the document numbers as plain
// whole numbers ("" when not above 0), the accounting value rounded.
CabecalhoLivro Cabecalho(const DocumentoIcms& doc, const QString& empresa, const QString& inscrest);
// The header of every further row: null dates, " " in every text, 0.
const CabecalhoLivro& CabecalhoContinuacao();

// One row of MovEntrada or MovSaida: a header and two lines.
struct LinhaTabela {
    const CabecalhoLivro& cabecalho;
    const LinhaLivro& linha0;
    const LinhaLivro& linha1;
};

// Hands `grava` the rows of a document's lines in order, two lines per row (the last one completed by
// LinhaComplementar), the first row under `primeira` and the others under CabecalhoContinuacao.
template <typename Gravar>
void LinhasTabela(const std::vector<LinhaLivro>& linhas, const CabecalhoLivro& primeira, Gravar&& grava) {
    for (std::size_t j = 0; j < linhas.size(); j += 2)
        grava(LinhaTabela{j == 0 ? primeira : CabecalhoContinuacao(), linhas[j],
                          j + 1 < linhas.size() ? linhas[j + 1] : LinhaComplementar()});
}

// Totals of a book per key (a CFOP or a state), summed in memory. Keys equal as the program compares
// text ("sp" and "SP") are one total, spelt as first met; totals keep the order in which their keys
// first came.
class TotaisPorChave {
  public:
    TotaisDocumento& operator[](const QString& chave);
    const std::vector<std::pair<QString, TotaisDocumento>>& totais() const { return totais_; }

  private:
    QHash<QString, std::size_t> indice_;  // by the folded key
    QHash<QString, std::size_t> exatas_;  // by each spelling met
    std::vector<std::pair<QString, TotaisDocumento>> totais_;
};

// Adds one document's totals to a total.
TotaisDocumento& operator+=(TotaisDocumento& total, const TotaisDocumento& doc);

}  // namespace Livros
