#pragma once

#include <QDate>
#include <QString>

#include "movement/DocumentoMes.h"
#include "platform/db/Error.h"

// What a book checks of a document before it prints it: every amount it prints whole and both dates
// placed in the book's month. A document stored by another tool can hold what no window lets the clerk
// type; the book refuses it by name (throwing platform::db::Error, which the reader tells with the
// document's table and number) rather than print it cut or in the wrong month.
namespace Livros {

// The widest amount the books print whole, 99.999.999.999,99, in ten-thousandths; and the widest rate,
// 99,9999 %, as the rate columns print it.
inline constexpr qint64 MaiorValorImpresso = 999'999'999'999'900;
inline constexpr qint64 MaiorAliquotaImpressa = 999'999;

// Throws when an amount column of `colunas` holds in `d` a negative amount or more than the books print
// whole (a rate column, "aliq...", more than the widest rate), naming the column and the value as the
// windows show it ("100.000.000.000,00", a rate "100,0000").
template <typename Documento>
void ConfereValores(const movimento::Projecao<Documento>& colunas, const Documento& d);

// Throws when the entry date is missing or outside the month of `periodo` (any day of it), or when
// `demiss` is given and the issue date is after that month or, where `emissaoExigida` (a book that
// prints it), missing, in the SINTEGRA generation's words ("Data de lançamento ausente").
void ConfereDatas(const QDate& periodo, const QDate& datalan, const QDate* demiss = nullptr,
                  bool emissaoExigida = true);

// The overflow of the sums of `livro` over the documents of `tabela`.
platform::values::RuntimeError EstouroDoLivro(const QString& livro, const QString& tabela);

// Throws when an amount the book computes from the document's stored amounts (`rotulo`, made of the
// columns named) is beyond what the books print whole; it may be negative.
void ConfereCalculado(const QString& rotulo, platform::values::Currency valor);

// Runs `preparacao`; an overflow of its sums (not a refused document, which names its own) is told as
// "Estouro" of `livro` over the documents of `tabela`.
template <typename F>
auto SomasDoLivro(const QString& livro, const QString& tabela, F&& preparacao) {
    try {
        return preparacao();
    } catch (const platform::db::Error&) {
        throw;
    } catch (const platform::values::RuntimeError& e) {
        if (e.number() != platform::values::ErrorNumber::Overflow) throw;
        throw EstouroDoLivro(livro, tabela);
    }
}

}  // namespace Livros
