#include "app/Relatorios.h"

#include "companies/RelatorioEmpresa.h"
#include "registers/Relatorios.h"
#include "shell/RelatorioUsuario.h"
#include "utilities/Relatorios.h"

namespace app {

void RegistraRelatorios() {
    shell::RegistraRelatoriosShell();
    Empresas::RegistraRelatorios();
    registers::RegistraRelatorios();
    utilities::RegistraRelatorios();
}

}  // namespace app
