#pragma once

#include "partners/JanelaPessoa.h"

class QComboBox;

namespace platform::controls {
class TDBDate;
}

namespace partners {

// "Arquivo de Sócios": the partners of a company with their personal data, identity, dates and
// the current INSS class, whose history frmSocInss keeps.
class frmSocios : public JanelaPessoa {
    Q_OBJECT
  public:
    explicit frmSocios(QWidget* parent = nullptr);

    platform::controls::MaskEdBox* mskRg;
    QLineEdit* txtExped;
    platform::controls::TDBDate* tdbexpedicao;
    platform::controls::TDBDate* tdbnascto;
    QComboBox* cmbcivil;
    QLineEdit* txtNacionalidade;
    QLineEdit* txtDdd;
    QLineEdit* txtFone;
    platform::controls::TDBDate* tdbadmissao;

  protected:
    void PreencheListas() override;
    void MostraProprios(const platform::db::Recordset& registro) override;
    void LimpaProprios() override;
    void AposCep() override;
    void AbreClasse() override;

  private:
    void tdbadmissao_LostFocus();
    void mskInscricao_LostFocus();
};

}  // namespace partners
