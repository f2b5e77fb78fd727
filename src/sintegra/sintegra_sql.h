#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>

#include "platform/db/Connection.h"
#include "sintegra/RegistroSintegra.h"

// Every statement of the SINTEGRA collection: the staging table RegSint, the state registrations of the
// parties and the documents of a month table of the movement, each value bound, never pasted.
namespace sintegra {

using platform::db::Connection;

// The state-registration field (CampoInscricao) of every `cgc` of "ForGeral" or "CliGeral" (`tabela`);
// of two rows of one `cgc`, the first.
Inscricoes LeInscricoes(Connection& cadastro, const QString& tabela);

// The documents of the month table `tabela` (its month of the period's year) of the exits
// (`saida`) or entries of the movement that the file of the period `inicio`-`fim` takes: entries entered
// in the period, exits issued in it (entered in it where no issue date is stored), in order of entry
// date, CNPJ/CPF text, initial number and record code. A date is the day its first ten characters name;
// an empty one is none. A table of a month of the period (`doPeriodo`) of the entries also gives the rows
// that no file can take, to be refused: a row entered in another month than its table's, without entry
// date or with one that cannot be read; the entries of another month's table are all of the period, in
// another month than their table's, to be refused. A table of a month of the period of the exits also
// gives an exit entered in the period and issued in another year or on a date that cannot be read, and a
// row without entry date or with one that cannot be read. Each is given to `documento` as it is read,
// and lives only through that call. A row whose date cannot be read as a day or does not place it in its
// table, or whose stored value cannot be read as what its column holds, gives no document but a text in
// `recusas` naming the book, the table and the number, and why.
void LeDocumentos(Connection& movimento, const QString& tabela, bool saida, bool doPeriodo,
                  const QDate& inicio, const QDate& fim, QStringList& recusas,
                  const std::function<void(const DocumentoIcms&)>& documento);

// Empties RegSint.
void ApagaRegSint(Connection& cadastro);
// How many registers InsereRegSint writes a statement.
inline constexpr std::size_t RegistrosPorComando = 16;
// Appends registers to RegSint in their order.
void InsereRegSint(Connection& cadastro, std::span<const RegistroSintegra> registros);

}  // namespace sintegra
