#pragma once

#include "platform/report/ReportLayout.h"

namespace terms {

// "Termo.rpt": one A4 page per term from the company's terms row (the print's selection) and the
// formulas of the print: the book's title and the term's kind, the model and order number, the
// body naming the book's folios, the company's identification, the place and date, and the
// signatures of the person responsible and of the accountant.
class RelatorioTermo : public platform::report::ReportLayout {
  public:
    RelatorioTermo();
};

// Adds the terms' layout to the program's report registry (main calls it).
void RegistraRelatorios();

}  // namespace terms
