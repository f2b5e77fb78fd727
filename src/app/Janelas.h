#pragma once

#include <QString>
#include <functional>
#include <map>

namespace app {

// Shows the single shared instance of one window modeless, or brings the open one forward.
using MostraJanela = std::function<void()>;

// The windows the menus and the toolbar can open, by the window's class name ("frmEmpresas").
using TabelaJanelas = std::map<QString, MostraJanela>;

// Every window built so far. A menu item or toolbar button whose window is missing here is shown
// disabled; a window becomes reachable from the main window by adding its line to this table, as
// {"frmEmpresas", [] { platform::ui::ShowForm<frmEmpresas>(); }} (the menu wraps it in the hourglass).
TabelaJanelas JanelasDoPrograma();

}  // namespace app
