#pragma once

#include <vector>

#include "books/LivrosIss.h"
#include "platform/db/Connection.h"

// The statements of the ISS books: the month's service documents read from the movement database,
// and the work tables MovIss53, MovIss51 and MovAliqIss of the registry. Every value is bound.
namespace LivrosIss {

using platform::db::Connection;

// The documents of the month table of `periodo` (any day of its month) ordered by date and first
// number, each checked as a book prints it (ConfereDocumento): refused by name otherwise, as is a
// document of another month's table entered in that month.
std::vector<DocumentoIss> LeDocumentos(Connection& movimento, const QDate& periodo);

// The month's ISS book of `modelo` afresh: MovIss53, MovIss51 and MovAliqIss emptied whatever the
// model, one line per document into the model's table and the taxed lines per rate into MovAliqIss,
// in one transaction committed before it returns. Returns whether the month has no document. A line
// the book cannot print whole refuses its document, and an overflow of the sums names the book and
// the table; nothing is written then.
bool PreparaLivroIss(Connection& cadastro, Connection& movimento, const QDate& periodo, Modelo modelo);

// Makes the ISS books' work tables private to `cadastro` (Connection::PrivateTables): an emission prints
// the lines it prepared, whatever another copy of the program prepares meanwhile.
void TabelasDaEmissao(Connection& cadastro);

// The company's heading texts by its code; all empty when the row is gone.
EmpresaIss LeEmpresaIss(Connection& cadastro, qint64 codigo);

}  // namespace LivrosIss
