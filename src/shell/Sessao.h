#pragma once

#include <QString>
#include <QStringView>
#include <array>

namespace platform::db {
class Connection;
}

namespace shell {

// The built-in administrator's user name.
inline constexpr QStringView Administrador = u"Administrador";

// True only for the name "Administrador" written exactly so: a user named "administrador" is an
// ordinary user.
bool EhAdministrador(const QString& usuario);

// Whether the login's rules leave a menu item (by name, "mnuEmpresas") available to `usuario`: the
// administrator loses the working menus and gains "&Ajuste"; every other item is left as it is.
bool ItemLiberado(QStringView item, const QString& usuario);
// The same for toolbar button `indice` (1 to 13): the administrator keeps only "Mudar Usuário".
bool BotaoLiberado(int indice, const QString& usuario);

// The main window's caption for `usuario`, with the program's version.
QString TituloPrincipal(const QString& usuario);

// What a login attempt comes to.
enum class Acesso {
    Administrador,  // the built-in administrator's name and password
    SemSenhaAdm,    // the administrator's name while no administrator password is stored
    Usuario,        // a row of usuarios whose password matches
    Vazio,          // an empty name or password: not an attempt
    Negado,         // a name not registered or a wrong password: a counted attempt
};

struct ResultadoLogin {
    Acesso acesso = Acesso::Negado;
    // For a user: the name as stored, the printer type and the nine rights in the order cfcon,
    // cfadi, cfexc, cfalt, cfbai, bdcon, bdadi, bdexc, bdalt (null text as "", null right as false).
    QString nome;
    qint64 codigo = 0;  // the user's row; 0 for the administrator
    QString impressora;
    std::array<bool, 9> direitos{};  // in the order of Geral::DireitosUsuario
};

// Checks a typed name and password on the registry connection `cn`. The built-in administrator is
// recognised first (its name exactly, against the stored hash); users are found by name without
// regard to letter case (several rows so named: the first whose password matches) and checked with
// ConfereSenhaUsuario. A row still holding an old form is rewritten as a hash by the login that
// matches it.
ResultadoLogin ConfereLogin(platform::db::Connection& cn, const QString& nome, const QString& senha);

// Opens the registry connection for the login and checks that it is a registry of this program
// (the tables the login reads are there). Throws the database error when not.
void AbreCadastro(platform::db::Connection& cn, const QString& conexao);

// Tells under "Erro Fatal" that the registry database cannot be used, with the number and description
// of the error that said so, and ends the program.
[[noreturn]] void FalhaCadastro(long numero, const QString& descricao);

}  // namespace shell
