#pragma once

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"

class QComboBox;
class QPushButton;

namespace platform::controls {
class TDBDate;
class TDBList;
}  // namespace platform::controls

namespace shell {
class JanelaCadastro;
}

namespace Empresas {

class CadastroEnquadramento;

// "Enquadramentos": the dated tax-regime history of the company whose number the company window put
// into ChaveComum. A date is looked up among that company's rows and loaded or offered as a new row;
// the type is chosen from Tipo_enquadr. Alterado is cleared on opening and set by every save and delete.
class frmTenquad : public platform::ui::Dialog {
    Q_OBJECT
  public:
    // The list's columns.
    static constexpr int ColunaData = 0;
    static constexpr int ColunaEnquadramento = 1;

    explicit frmTenquad(QWidget* parent = nullptr);
    ~frmTenquad() override;

    platform::controls::TDBDate* tdbDenquad;
    // Not editable: only a type of Tipo_enquadr can be chosen, each item carrying its codtipo.
    QComboBox* cmbTenquadra;
    platform::controls::TDBList* tdbEnquadra;
    platform::ui::LabelArray lblTit;
    QPushButton* cmdGravar;
    QPushButton* cmdApagar;
    QPushButton* cmdCancelar;
    QPushButton* cmdSair;

    shell::JanelaCadastro& Cadastro();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    CadastroEnquadramento* cadastro_;
};

}  // namespace Empresas
