#pragma once

#include <array>

#include "platform/db/Connection.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"

class QLineEdit;
class QPushButton;

namespace utilities {

// The standard labels "Etiquetas Padrão": four lines and a number of sheets, loaded from Padrao at
// every opening, stored when printed; the print previews "EtiqPadr.rpt" (twenty labels a sheet) in
// the shared preview window and closes this window.
class frmPadrao : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmPadrao(QWidget* parent = nullptr);

    std::array<QLineEdit*, 4> txtL;
    QLineEdit* txtNvias;
    QPushButton* cmdImprimir;
    QPushButton* cmdCancelar;
    platform::ui::LabelArray lblTit;

    void txtNvias_LostFocus();
    void txtNvias_KeyPress(int& KeyAscii);
    void cmdImprimir_Click();
    void cmdCancelar_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    platform::db::Connection cn;
};

}  // namespace utilities
