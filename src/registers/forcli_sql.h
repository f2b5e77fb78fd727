#pragma once

#include <QString>
#include <QStringList>

#include "platform/db/Connection.h"

// The statements of the suppliers' and clients' registers (ForGeral, CliGeral) and of the dual-insertion
// default in Parametros. Every value is bound; the table name, which cannot be, must be one of the two
// registers (any other is a run-time error, so no text of a caller ever becomes SQL).
namespace registers::forcli {

inline const QString Fornecedores = QStringLiteral("ForGeral");
inline const QString Clientes = QStringLiteral("CliGeral");

// "ForGeral" or "CliGeral" spelt as the program spells them, for a name in any letter case;
// throws a run-time error for any other name.
QString TabelaValida(const QString& tabela);

// The row of `tabela` whose cgc is `cgc` (all columns), as a recordset.
platform::db::Recordset Procura(platform::db::Connection& cn, const QString& tabela, const QString& cgc);
// Whether `tabela` holds a row with that cgc.
bool Existe(platform::db::Connection& cn, const QString& tabela, const QString& cgc);

// The dual-insertion default of Parametros; false when the table has no row.
bool LeInclusaoDupla(platform::db::Connection& cn);
// Stores it on every row of Parametros.
void GravaInclusaoDupla(platform::db::Connection& cn, bool valor);

// cgc and nome of every row of `tabela`, for the print, ordered by cgc (a fixed order for the page).
platform::db::Recordset Impressao(platform::db::Connection& cn, const QString& tabela);

// The rows of the CNPJ/CPF search: cgc, nome, ie, uf (the order of its list's columns) of every row
// of `tabela`, ordered by cgc.
platform::db::Recordset Pesquisa(platform::db::Connection& cn, const QString& tabela);

}  // namespace registers::forcli
