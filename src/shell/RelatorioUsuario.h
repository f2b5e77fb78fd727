#pragma once

#include <QString>
#include <QtGlobal>

#include "platform/report/ReportLayout.h"

namespace platform::db {
class Connection;
}

namespace shell {

// "Usuario.rpt": one user on one page: his code (codigo), name (nome) and password date (data), and
// his nine rights (Bdcon... Cfbai, true/false) as two tables of boxes, ticked with an "X" where the
// right is given.
class RelatorioUsuario : public platform::report::ReportLayout {
  public:
    // The text in a ticked box.
    static constexpr const char* Marca = "X";
    RelatorioUsuario();
};

// The caption of the preview window of a user's print.
inline constexpr const char* CaptionUsuario = "Cadastro de Usuário";

// The print of one user: under the hourglass, reads the row of `codigo` on `cn`; no row ends it
// quietly; otherwise the row goes to "Usuario.rpt" in its twelve fields and previews in the shared
// preview window under "Cadastro de Usuário". Database failures reach the caller.
void ImprimeUsuario(platform::db::Connection& cn, qint64 codigo);

// Adds the layouts of the shell to the program's report registry (main calls it at start-up).
void RegistraRelatoriosShell();

}  // namespace shell
