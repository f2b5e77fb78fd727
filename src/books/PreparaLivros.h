#pragma once

#include <QDate>
#include <QString>

#include "platform/db/Connection.h"
#include "platform/values/Currency.h"

// The preparation of the ICMS books: the month's documents expanded into the lines of the entries or
// the exits book and their totals per CFOP, per state and per group, and the assessment's totals per
// rate, written into the work tables of the registry database. The ICMS books window hands its state
// and its two connections; each preparation writes in one transaction (a savepoint within the
// window's own), so a failure leaves the work tables as the previous book left them.
namespace Livros {

using platform::db::Connection;
using platform::values::Currency;

// What the window decided for the emission.
struct EstadoLivro {
    // A day range of the month, DataInicial to DataFinal, both included, on the issue date when
    // PorEmissao and otherwise on the entry date; the whole month when not LivroParcial.
    bool LivroParcial = false;
    QDate DataInicial, DataFinal;
    bool PorEmissao = false;
    // The company keeps an industry's books (tpescri "I"): the exits' IPI is a line of its own.
    bool Industria = false;
};

// Refills MovEntrada, MovTent, MovUf and the entry flags of MovTPara from the documents of
// `TabelaAtual` (the month's "DIGE" table) on `movimento`, looking the suppliers up in ForGeral.
// Returns SemMovimento: true when the month (or the range) holds no document.
// `periodo` is the book's month (any day of it): a document of another month, one without its dates
// or with an amount the book cannot print whole is refused by name, and nothing is written; an
// overflow of the book's sums is told as "Estouro" naming the book and `TabelaAtual`.
bool PreparaEntradas(const EstadoLivro& estado, Connection& movimento, const QString& TabelaAtual,
                     const QDate& periodo, Connection& cadastro);

struct ResultadoSaidas {
    bool SemMovimento = false;
    // Some document went to the contributors' (MovUf) or the non-contributors' (MovUfnc) state totals.
    bool HaMovUf = false;
    bool HaMovUfnc = false;
};
// Refills MovSaida, MovTsai, MovUf, MovUfnc and the exit flags of MovTPara from the documents of
// `TabelaAtual` (the month's "DIGS" table), looking the clients up in CliGeral.
// `periodo` as PreparaEntradas takes it.
ResultadoSaidas PreparaSaidas(const EstadoLivro& estado, Connection& movimento, const QString& TabelaAtual,
                              const QDate& periodo, Connection& cadastro);

struct ResultadoAliquotas {
    Currency ImpostoEntradas, ImpostoSaidas;
};
// Refills MovAliq with the prepared entries' and exits' rated lines summed per rate (rows in the order
// their rates first occur, entries first), and returns the month's ICMS credited and debited: the sums
// of the ICMS per CFOP, lines of rate 0 included.
ResultadoAliquotas ResumeAliquotas(Connection& cadastro);

}  // namespace Livros
