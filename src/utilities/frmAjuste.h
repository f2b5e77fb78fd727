#pragma once

#include "platform/ui/Form.h"

class QLabel;

namespace platform::controls {
class MultiLineText;
}
class QProgressBar;
class QPushButton;

namespace utilities {

// "Ajuste dos Arquivos": brings the registry database to the layout of the release's "Ajuste.mdb",
// carrying the office's thirteen tables, keeping the old file as "seguro.bak" and deleting
// "Ajuste.mdb" last (its absence means the rebuild is done). A failure or a refused layout replaces
// nothing.
class frmAjuste : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmAjuste(QWidget* parent = nullptr);

    platform::controls::MultiLineText* txtMudanca;
    QPushButton* cmdTrabdados;
    QProgressBar* prbBarra;
    QLabel* Label3;
    QLabel* lbl1;
    QLabel* lbl2;

    void cmdTrabdados_Click();

  protected:
    void Form_Load() override;
};

}  // namespace utilities
