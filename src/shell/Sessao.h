#pragma once

#include <QString>
#include <QStringView>

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

}  // namespace shell
