#pragma once

// The layouts of the ISS books of models 51 and 53, on A4 ("JtIss51.rpt", "JtIss53.rpt") and on the
// continuous form ("MaIss51.rpt", "MaIss53.rpt"), registered in the layout registry.
namespace LivrosIss {

void RegistraLayouts();

}  // namespace LivrosIss
