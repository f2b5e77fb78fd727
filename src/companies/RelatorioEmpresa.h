#pragma once

#include <QString>

#include "companies/CamposEmpresa.h"
#include "platform/db/Connection.h"
#include "platform/report/ReportLayout.h"

namespace Empresas {

// "Empr.rpt": the registration sheet of one company, every field of CamposEmpresa grouped as the
// company window groups them (identification, address, registrations, regimes, contacts, remarks),
// the coded fields shown by the captions of the company window's lists.
class RelatorioEmpresa : public platform::report::ReportLayout {
  public:
    // The lines the remarks may take; what does not fit is cut at the end of the last one.
    static constexpr int LinhasObservacao = 6;
    RelatorioEmpresa();
};

// The preview window's caption of the company print.
inline constexpr const char* CaptionEmpresa = "Cadastro de Empresas";

// The print of the company row now in `registro`, with its extras, into "Empr.rpt" in the shared
// preview window under "Cadastro de Empresas".
void ImprimeEmpresa(const platform::db::Recordset& registro, const ExtrasEmpresa& extras);

// Adds the layouts of the company registry to the program's report registry (main calls it).
void RegistraRelatorios();

}  // namespace Empresas
