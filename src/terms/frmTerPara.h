#pragma once

#include <array>

#include "platform/ui/Form.h"

class QCheckBox;
class QPushButton;

namespace terms {

// "Termo de Abertura e Encerramento": the ten terms of the company whose automatic number ChaveComum
// holds, each checked one printed from "Termo.rpt" into a modal preview, one after the other. The
// page counts of the assessment registers come spelled in ExtensoIcms and ExtensoIpi.
class frmTerPara : public platform::ui::Dialog {
    Q_OBJECT
  public:
    explicit frmTerPara(QWidget* parent = nullptr);

    std::array<QCheckBox*, 10> chkTermo;
    QPushButton* cmdImprimir;
    QPushButton* cmdCancelar;
    QPushButton* cmdSair;

  private:
    void chkTermo_Click();
    void cmdCancelar_Click();
    void cmdImprimir_Click();
};

}  // namespace terms
