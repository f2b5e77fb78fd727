#pragma once

#include "platform/ui/Form.h"

class QLineEdit;
class QPushButton;

namespace utilities {

// "Ajuste Individual do Arquivo de Movimento Anual": rebuilds one company's movement database of one
// year in the layout of the program folder's "Movimento.mdb". A failure or a refused layout leaves
// the file as it was and the window usable.
class frmAjMov : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmAjMov(QWidget* parent = nullptr);

    QLineEdit* txtCodigo;
    QLineEdit* tdbAno;
    QPushButton* cmdAjustar;
    QPushButton* cmdSair;

    void cmdAjustar_Click();
};

}  // namespace utilities
