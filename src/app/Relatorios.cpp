#include "app/Relatorios.h"

#include "books/Relatorios.h"
#include "companies/RelatorioEmpresa.h"
#include "registers/Relatorios.h"
#include "shell/RelatorioUsuario.h"
#include "terms/RelatorioTermo.h"
#include "utilities/Relatorios.h"

namespace app {

void RegistraRelatorios() {
    shell::RegistraRelatoriosShell();
    Empresas::RegistraRelatorios();
    registers::RegistraRelatorios();
    terms::RegistraRelatorios();
    utilities::RegistraRelatorios();
    books::RegistraRelatorios();
}

}  // namespace app
