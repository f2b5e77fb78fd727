#pragma once

#include "platform/report/ReportLayout.h"

namespace utilities {

// "EtiqPadr.rpt": the standard label on the Letter sheet of twenty labels (2 columns x 10 rows of
// 101,6 x 25,4 mm); each label prints the formulas L0 to L3 on four lines. The copy count of the
// details gives the number of labels.
class EtiquetaPadrao : public platform::report::ReportLayout {
  public:
    static constexpr int EtiquetasPorFolha = 20;
    // The characters a line of the label window holds.
    static constexpr int LetrasLinhaEtiqueta = 32;
    EtiquetaPadrao();
};

// "lrMod01.rpt" to "lrMod04.rpt": the company listings over the CamposEmpresa rows, with the formulas
// Titu (title) and gClient (the office's name) in the page header. `modelo` is 1 to 4.
class ListagemResumida : public platform::report::ReportLayout {
  public:
    // The remarks of model 2 wrap onto at most this many lines.
    static constexpr int LinhasObservacao = 3;
    explicit ListagemResumida(int modelo);
};

// Adds the layouts of the listings and labels to the program's report registry.
void RegistraRelatorios();

}  // namespace utilities
