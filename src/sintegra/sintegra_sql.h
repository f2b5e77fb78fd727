#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "platform/db/Connection.h"
#include "sintegra/RegistroSintegra.h"

// Every statement of the SINTEGRA collection: the staging table RegSint, the state registrations of the
// parties and the documents of a month table of the movement, each value bound, never pasted.
namespace sintegra {

using platform::db::Connection;

// The state-registration field (CampoInscricao) of every `cgc` of "ForGeral" or "CliGeral" (`tabela`);
// of two rows of one `cgc`, the first.
Inscricoes LeInscricoes(Connection& cadastro, const QString& tabela);

// The documents of the month table `tabela` of the movement entered between `inicio` and `fim`, in
// order of entry date, CNPJ/CPF text, initial number and record code.
std::vector<DocumentoIcms> LeDocumentos(Connection& movimento, const QString& tabela, const QDate& inicio,
                                        const QDate& fim);

// Empties RegSint.
void ApagaRegSint(Connection& cadastro);
// Appends one register to RegSint.
void InsereRegSint(Connection& cadastro, const RegistroSintegra& registro);

}  // namespace sintegra
