#pragma once

#include <QString>

namespace shell {

// The stored form of the built-in administrator's password: a salted, slow hash, written as
// "pbkdf2-sha256$" + iterations + "$" + salt + "$" + key (salt and key in base64). Each call draws a
// new salt, so two calls on the same password give different texts.
QString HashSenhaAdm(const QString& senha);

// Whether `senha` is the password whose stored form is `hash`. An empty or malformed `hash` matches
// no password.
bool ConfereSenhaAdm(const QString& senha, const QString& hash);

// The iterations of every new hash.
inline constexpr int IteracoesSenhaAdm = 120000;

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

}  // namespace shell
