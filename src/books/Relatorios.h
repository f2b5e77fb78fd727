#pragma once

// The report files of the ICMS books: the entries and exits books complete ("JtEntrada.rpt" on A4,
// "MaEntrada.rpt" on the continuous form...) and partial ("LEntPar.rpt", "LSaiPar.rpt"), and the
// assessment ("JtApura.rpt", "MaApura.rpt"). Each reads the work tables of the registry database.
namespace books {

void RegistraRelatorios();

}  // namespace books
