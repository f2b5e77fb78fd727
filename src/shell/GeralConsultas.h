#pragma once

#include <QString>

// The two lookups of the shared module on the registry database's reference tables. Each opens a
// connection of its own for the call and closes it; the values are bound, so a name such as
// "Dias d'Ávila" is simply found. Text compares as the database compares it: letter case ignored,
// accents kept. A database failure reaches the caller as platform::db::Error.
namespace Geral {

// True when Estados has a row whose UF equals `Uf` (not trimmed), on ConexaoCadastro.
bool ExisteUF(const QString& Uf);
// The same on the registry database of the connection string `Conexao`.
bool ExisteUF(const QString& Conexao, const QString& Uf);

// The IBGE code (cMun) of the municipality `Municipio` of the state `Uf`, on ConexaoCadastro;
// the empty text when there is none (or its code is null).
QString CodigoMunicipio(const QString& Uf, const QString& Municipio);
// The same on the registry database of the connection string `Conexao` (the first argument).
QString CodigoMunicipio(const QString& Conexao, const QString& Uf, const QString& Municipio);

}  // namespace Geral
