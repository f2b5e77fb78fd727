#include "app/Relatorios.h"

#include "registers/Relatorios.h"
#include "shell/RelatorioUsuario.h"

namespace app {

void RegistraRelatorios() {
    shell::RegistraRelatoriosShell();
    registers::RegistraRelatorios();
}

}  // namespace app
