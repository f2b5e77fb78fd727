#pragma once

#include <QHash>
#include <QString>
#include <optional>
#include <vector>

#include "books/LinhasLivro.h"
#include "platform/db/Connection.h"

// The queries of the ICMS books on the movement database (a month's documents) and on the registry's
// suppliers and clients (the counterparts of those documents), each run once per preparation.
namespace Livros {

using platform::db::Connection;

enum class Livro { Entradas, Saidas };

// A day range of the month, both ends included, on the issue date (`porEmissao`) or the entry date.
struct FaixaDias {
    QDate inicio, fim;
    bool porEmissao = false;
};

// The documents of `tabela` (the month's "DIGE" table for the entries, "DIGS" for the exits; a name that
// is no month table is a run-time error, so no text ever becomes SQL), of the whole month or of a day range,
// in the book's order: by entry date, then (entries only) CNPJ/CPF, then first number. Only what the book
// prints or places by is read; the rest stays empty: the entries' final number, and the IPI's base,
// exempt and other amounts unless the exits book is an industry's.
// Every document read is checked (ConfereDocumento) against the month of `periodo` (any day of it), and
// a document of another month table of the book's family entered in that month is refused by name too.
std::vector<DocumentoIcms> LeDocumentos(Connection& movimento, Livro livro, const QString& tabela,
                                        const QDate& periodo, const std::optional<FaixaDias>& faixa,
                                        bool industria = false);

// Throws, naming it, for a document of another month table of the family of `tabela` (a month table:
// ICMS entries, exits or ISS documents) whose entry date is in the month of `periodo`: its own table's
// book refuses it, and this month's book, which the date names, would otherwise leave it out without
// a word.
void ConfereOutrasTabelas(Connection& movimento, const QString& tabela, const QDate& periodo);

// A counterpart as the books print it.
struct Participante {
    QString nome, ie;
};
// The counterparts (suppliers for the entries, clients for the exits) of the documents' numbers, in one
// query, keyed by the numbers as the documents write them. A number finds its row as the program
// compares text ("ab" finds "AB"); of two rows of one number, the first in the register's order wins.
QHash<QString, Participante> LeParticipantes(Connection& cadastro, Livro livro,
                                             const std::vector<DocumentoIcms>& documentos);

}  // namespace Livros
