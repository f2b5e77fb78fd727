#include "app/Relatorios.h"

#include "companies/RelatorioEmpresa.h"
#include "registers/Relatorios.h"
#include "shell/RelatorioUsuario.h"
#include "terms/RelatorioTermo.h"

namespace app {

void RegistraRelatorios() {
    shell::RegistraRelatoriosShell();
    Empresas::RegistraRelatorios();
    registers::RegistraRelatorios();
    terms::RegistraRelatorios();
}

}  // namespace app
