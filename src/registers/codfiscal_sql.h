#pragma once

#include <QString>

#include "platform/db/Connection.h"
#include "registers/CodigoFiscal.h"

// The statements of the two tables of CFOP codes, every value bound.
namespace registers::cfop {

// The row with that code (all columns).
platform::db::Recordset Procura(platform::db::Connection& cn, Tabela t, const QString& codigo);
// Whether the code is in the table (the save's duplicate test).
bool Existe(platform::db::Connection& cn, Tabela t, const QString& codigo);
void Exclui(platform::db::Connection& cn, Tabela t, const QString& codigo);
// codfiscal, descri, nivel of every row, ordered by code, for the print.
platform::db::Recordset Impressao(platform::db::Connection& cn, Tabela t);

}  // namespace registers::cfop
