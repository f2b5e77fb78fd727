#include "app/Relatorios.h"

#include "books/Relatorios.h"
#include "companies/RelatorioEmpresa.h"
#include "registers/Relatorios.h"
#include "shell/RelatorioUsuario.h"

namespace app {

void RegistraRelatorios() {
    shell::RegistraRelatoriosShell();
    Empresas::RegistraRelatorios();
    registers::RegistraRelatorios();
    books::RegistraRelatorios();
}

}  // namespace app
