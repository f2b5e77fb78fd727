#pragma once

#include <QString>

namespace shell {

// The stored form of every password, the built-in administrator's and each user's: a salted, slow hash,
// written as
// "pbkdf2-sha256$" + iterations + "$" + salt + "$" + key (salt and key in base64). Each call draws a
// new salt, so two calls on the same password give different texts.
QString HashSenhaAdm(const QString& senha);

// Whether `senha` is the password whose stored form is `hash`. An empty or malformed `hash` matches
// no password.
bool ConfereSenhaAdm(const QString& senha, const QString& hash);

// The iterations of every new hash.
inline constexpr int IteracoesSenhaAdm = 120000;

// A user's password stored by an older version: a blank, then digits (CodificaSenha's form). Such a
// form is compared the old way once, and the login that matches it rewrites it as a hash.
bool FormaAntiga(const QString& guardada);

// Whether `senha` is the user's password whose stored form is `guardada`, a hash or an old form. A
// password CodificaSenha cannot encode matches no old form.
bool ConfereSenhaUsuario(const QString& senha, const QString& guardada);

}  // namespace shell

namespace platform::db {
class Connection;
}

namespace shell {

// The administrator's stored form from Parametros.senha_adm; empty when none was set (or it was
// cleared), in which case the next administrator login asks for a new password first.
QString LeSenhaAdm(platform::db::Connection& cn);
// Stores `hash` as the administrator's stored form.
void GravaSenhaAdm(platform::db::Connection& cn, const QString& hash);

// The office's name (Parametros.escritorio), printed at the top of the company listings; empty when
// the office gave none.
QString LeEscritorio(platform::db::Connection& cn);
void GravaEscritorio(platform::db::Connection& cn, const QString& nome);

}  // namespace shell
