#pragma once

#include "platform/db/Connection.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class MultiLineText;
class TDBDate;
}  // namespace platform::controls

namespace utilities {

// "Ajuste Individual do Arquivo de Movimento Anual": rebuilds one company's movement database of one
// year in the layout of the program folder's "Movimento.mdb", the old file kept beside it with ".bak"
// added to its name. The company may be looked up by its code or chosen in the company search; the
// rebuild needs only the code and the year typed. A failure or a refused layout leaves the file as it
// was and the window usable.
class frmAjMov : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmAjMov(QWidget* parent = nullptr);

    QGroupBox* Frame2;
    platform::ui::LabelArray lblTit;
    QLineEdit* txtCodigo;
    QPushButton* cmdPesqe;
    QLabel* lblNome;
    QLabel* lblUf;
    platform::controls::TDBDate* tdbAno;
    QPushButton* cmdAjustar;
    QPushButton* cmdSair;
    platform::controls::MultiLineText* txtSuporte;

    void txtCodigo_KeyPress(int& KeyAscii);
    void txtCodigo_LostFocus();
    void cmdPesqe_Click();
    void cmdAjustar_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void AjustaMovimento();

    platform::db::Connection cn;
    // The movement file to rebuild, as its name is stored in the data folder.
    QString ArquivoMovimento;
};

}  // namespace utilities
