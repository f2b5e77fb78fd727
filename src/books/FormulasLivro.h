#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "books/pos_icms_sql.h"
#include "platform/values/Currency.h"

// What the print of an ICMS book hands its report: the report file and preview caption of the book,
// and its formulas, each a (name, formula text) pair in the order they are set. Texts are quoted
// constants of the report language (platform::report::quoted), `nfolha` a bare number.
namespace platform::report {
class frmRelatorio;
}

namespace Livros {

using platform::values::Currency;

enum class LivroIcms { Entradas, Saidas, Apuracao };

struct RelatorioLivro {
    QString arquivo;
    QString titulo;
};
// The report file and caption: the dot-matrix form ("Ma...") only for the printer kind "M" exactly,
// the other form ("Jt...") for any other; a partial entries or exits book has its own report whatever
// the kind; the assessment has no partial form.
RelatorioLivro RelatorioDoLivro(LivroIcms livro, bool completo, const QString& TipoImpressora);

using Formulas = std::vector<std::pair<QString, QString>>;

// The book's report (from the program folder) in a new preview on the print engine: `formulas` runs
// after the window options, so what it reads is read then, and its formulas are set in their order;
// `afterClose` runs once the job is closed, printed or not. Returns the preview.
platform::report::frmRelatorio* ImprimeLivro(const RelatorioLivro& relatorio,
                                             const std::function<Formulas()>& formulas,
                                             const std::function<void()>& afterClose = {});

// The heading of every book: company name, state registration, CNPJ, the last page already printed
// as typed (read as a number: "015" is 15, no number 0) and the period "mm/yyyy".
struct Cabecalho {
    QString empr, ie, cgc, txtNpag, mesano;
};
Formulas FormulasComuns(const Cabecalho& c);

// The assessment's figures: the movement flags, the month's ICMS, the credit carried in and the
// month's other amounts of the position table.
struct DadosApuracao {
    bool SemMovEntradas = false;
    bool SemMovSaidas = false;
    Currency ImpostoEntradas, ImpostoSaidas, SaldoCredorAnterior;
    PosIcms::OutrosValores outros;
};
// NMovEnt, NMovSai, SldCred (only when a credit was carried in), the two sides and their subtotals,
// then SldDev and ImpRec for a debit balance or SldPSe otherwise (zero included).
Formulas FormulasApuracao(const DadosApuracao& d);

// Fat1 to Fat4, Obs1 and Obs2 of the entries book from the month's additional information.
Formulas FormulasEntradas(const PosIcms::InformacoesMes& info);
// Fat2 (the accumulated billing), haufnc, hauf ("0" when the state totals have rows), Obs1, Obs2.
Formulas FormulasSaidas(const PosIcms::InformacoesMes& info, bool HaMovUf, bool HaMovUfnc);

// The tail of every book: sem_movimento for an empty month and, for a valid day range, Peri with the
// two days as numbers.
Formulas FormulasFinais(bool SemMovimento, bool LivroParcial, const QString& txtDataIni,
                        const QString& txtDataFim);

}  // namespace Livros
