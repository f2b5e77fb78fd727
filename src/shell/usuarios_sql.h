#pragma once

#include <QDate>
#include <QString>
#include <array>

#include "platform/db/Connection.h"

// The statements of the users family (table usuarios): the users window, the password change and
// the active printer. Every value is bound, so a name with an apostrophe or a stored password form
// with a double quote is just a value. Failures throw platform::db::Error.
namespace shell::usuarios {

// The nine rights in the order of the window's check boxes and of the report's fields.
inline constexpr std::array<const char*, 9> ColunasDireitos{"bdcon", "bdadi", "bdexc", "bdalt", "cfcon",
                                                            "cfadi", "cfexc", "cfalt", "cfbai"};
// Their captions, in the window and on the print; the first four are the database tasks, the rest
// the financial tasks, each group led by its consult right.
inline constexpr std::array<const char*, 9> TitulosDireitos{
    "Consulta de Registros",  "Inclusão de Registros", "Exclusão de Registros",
    "Alteração de Registros", "Consultas Financeiras", "Emissão de Recibos",
    "Exclusão de Recibos",    "Alteração de Recibos",  "Baixa de Recibos"};
inline constexpr int DireitosBanco = 4;

// Every column of the user of `codigo`.
platform::db::Recordset PorCodigo(platform::db::Connection& cn, qint64 codigo);
bool Existe(platform::db::Connection& cn, qint64 codigo);

void Exclui(platform::db::Connection& cn, qint64 codigo);

// The stored password form and its date (senha, dsenha) of the user of `codigo`.
platform::db::Recordset Senha(platform::db::Connection& cn, qint64 codigo);
// Stores a new password form with its date; returns the rows changed (0: no such user).
long long TrocaSenha(platform::db::Connection& cn, qint64 codigo, const QString& senhaCodificada,
                     const QDate& dsenha);

// Every column of the users named `nome` (letter case ignored), in the order of their codes.
platform::db::Recordset PorNomeTodos(platform::db::Connection& cn, const QString& nome);
// Whether a user of a code other than `codigo` is named `nome` (letter case ignored).
bool NomeDeOutro(platform::db::Connection& cn, const QString& nome, qint64 codigo);
// Replaces the stored password form of the user of `codigo`, keeping its date.
void GravaForma(platform::db::Connection& cn, qint64 codigo, const QString& forma);

// The printer letter (impressora) of the user of `codigo`.
platform::db::Recordset Impressora(platform::db::Connection& cn, qint64 codigo);
// Stores the printer letter of the user of `codigo`; returns the rows changed.
long long GravaImpressora(platform::db::Connection& cn, qint64 codigo, const QString& letra);

}  // namespace shell::usuarios
