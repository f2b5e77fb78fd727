#pragma once

#include <QString>
#include <QStringList>

#include "platform/report/PageModel.h"
#include "platform/report/ReportLayout.h"

namespace registers {

// "ForCliGeral.rpt": the title Titu, then one line a party with its CNPJ/CPF (cgc) and name (nome).
class RelatorioForCliGeral : public platform::report::ReportLayout {
  public:
    RelatorioForCliGeral();
};

// "CodFisc.rpt": the title Tit, then each code (codfiscal) with its description (descri), indented
// by its level (nivel) and the headings of levels 1 and 2 in bold. A long description wraps onto up
// to three lines.
class RelatorioCodFisc : public platform::report::ReportLayout {
  public:
    static constexpr int MaximoLinhas = 3;
    RelatorioCodFisc();
};

// Adds the layouts of the general registers to the program's report registry.
void RegistraRelatorios();

}  // namespace registers
