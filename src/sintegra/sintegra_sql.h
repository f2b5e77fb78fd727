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

// The documents of the month table `tabela` of the exits (`saida`) or entries of the movement entered
// between `inicio` and `fim`, in order of entry date, CNPJ/CPF text, initial number and record code.
// Each is given to `documento` as it is read, and lives only through that call. A row whose date cannot
// be read as a day, or whose stored value cannot be read as what its column holds, gives no document but
// a text in `recusas` naming the book, the table and the number, and why.
void LeDocumentos(Connection& movimento, const QString& tabela, bool saida, const QDate& inicio,
                  const QDate& fim, QStringList& recusas,
                  const std::function<void(const DocumentoIcms&)>& documento);

// Empties RegSint.
void ApagaRegSint(Connection& cadastro);
// How many registers InsereRegSint writes a statement.
inline constexpr std::size_t RegistrosPorComando = 16;
// Appends registers to RegSint in their order.
void InsereRegSint(Connection& cadastro, std::span<const RegistroSintegra> registros);

}  // namespace sintegra
