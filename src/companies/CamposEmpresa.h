#pragma once

#include <QString>
#include <array>
#include <vector>

#include "platform/db/Recordset.h"
#include "platform/report/DataSet.h"
#include "platform/values/Currency.h"

namespace platform::report {
class CrystalDataObject;
}

namespace Empresas {

// CamposEmpresa: the 43 fields in which a company row is handed to a report (the company print and
// the company listings), with their exact names and types, in report order.
struct CampoEmpresa {
    const char* nome;
    int tipo;  // platform::report::FieldType: Text or Currency
};
inline constexpr int TotalCamposEmpresa = 43;
const std::array<CampoEmpresa, TotalCamposEmpresa>& CamposEmpresa();

// Positions of the fields a report or a test reads by number.
namespace CampoEmpresaPos {
constexpr int Enquadra = 26;
constexpr int Desde = 27;
constexpr int Capatual = 34;
}  // namespace CampoEmpresaPos

// Declares the 43 fields on a data source, in order.
void DeclaraCamposEmpresa(platform::report::CrystalDataObject& dados);

// The three values of the row that are no columns of Empresas: the description and date of the
// company's newest tax-regime row, and its current capital.
struct ExtrasEmpresa {
    QString enquadra;
    QString desde;
    platform::values::Currency capatual;
};

// The capital of a company's newest contract change as the reports receive it: rounded to the cent,
// half away from zero.
platform::values::Currency CapitalAtual(platform::values::Currency capital);

// The row of the current Empresas row of `r` (every column read) in CamposEmpresa order: texts as
// stored (null as ""), codes as stored, dates "dd/mm/yyyy" ("" when null), the working period as the
// first day of its month, the percentages as numbers in the system's text form.
std::vector<platform::report::Value> LinhaEmpresa(const platform::db::Recordset& r,
                                                  const ExtrasEmpresa& extras);

}  // namespace Empresas
