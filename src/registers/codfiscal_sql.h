#pragma once

#include <QString>

#include "platform/db/Connection.h"
#include "registers/CodigoFiscal.h"

// The statements of the two tables of CFOP codes, every value bound.
namespace registers::cfop {

// Every row (codfiscal, Descri), ordered by code, for the window's list.
platform::db::Recordset Lista(platform::db::Connection& cn, Tabela t);
// The row with that code (all columns).
platform::db::Recordset Procura(platform::db::Connection& cn, Tabela t, const QString& codigo);
// Whether the code is in the table (the save's duplicate test).
bool Existe(platform::db::Connection& cn, Tabela t, const QString& codigo);
// Inserts a new code with its description and the level derived from the code.
void Inclui(platform::db::Connection& cn, Tabela t, const QString& codigo, const QString& descricao);
// Changes the description of a code; its level stays.
void Altera(platform::db::Connection& cn, Tabela t, const QString& codigo, const QString& descricao);
void Exclui(platform::db::Connection& cn, Tabela t, const QString& codigo);
// codfiscal, descri, nivel of every row, ordered by code, for the print.
platform::db::Recordset Impressao(platform::db::Connection& cn, Tabela t);

}  // namespace registers::cfop
