#pragma once

#include "partners/JanelaPessoa.h"

class QComboBox;

namespace platform::controls {
class TDBNumber;
}

namespace partners {

// "Arquivo de Terceiros": the third parties of a company with their INSS inscription, its kind, the
// contribution salary and the current INSS class, whose history frmTerInss keeps.
class frmTerceiros : public JanelaPessoa {
    Q_OBJECT
  public:
    explicit frmTerceiros(QWidget* parent = nullptr);

    QComboBox* cmbTinscr;
    platform::controls::TDBNumber* tdbScinss;

  protected:
    void PreencheListas() override;
    void MostraProprios(const platform::db::Recordset& registro) override;
    void LimpaProprios() override;
    void AposCep() override;
    void AbreClasse() override;

  private:
    void cmbTinscr_LostFocus();
    void tdbScinss_LostFocus();
};

}  // namespace partners
