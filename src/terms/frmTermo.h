#pragma once

#include <QString>

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace platform::controls {
class MaskEdBox;
class SSTab;
class TDBDate;
}  // namespace platform::controls

namespace shell {
class JanelaCadastro;
struct CampoCadastro;
}  // namespace shell

namespace terms {

class CadastroTermo;

// "Termo de Abertura e Encerramento": the terms data of one company at a time. A company is looked
// up by its number; its terms row is created, without a question, the first time, and then edited and
// saved whole through the error list. The print saves first and then opens the terms print dialog.
class frmTermo : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmTermo(QWidget* parent = nullptr);
    ~frmTermo() override;

    QLineEdit* txtCodigo;
    QLabel* lblNome;
    platform::controls::SSTab* ssTab;
    QLineEdit* txtRegN;
    QLineEdit* txtOrg;
    platform::controls::TDBDate* tdbArqui;
    QGroupBox* fraModel;
    QRadioButton* optP1a;
    QRadioButton* optP1;
    QGroupBox* fraEntr;
    QLineEdit* txtPriFolEnt;
    QLineEdit* txtUltFolEnt;
    QLineEdit* txtOrdEnt;
    platform::controls::TDBDate* tdbInEnt;
    platform::controls::TDBDate* tdbFimEnt;
    QGroupBox* fraSai;
    QLineEdit* txtPriFolSai;
    QLineEdit* txtUltFolSai;
    QLineEdit* txtOrdSai;
    platform::controls::TDBDate* tdbInSai;
    platform::controls::TDBDate* tdbFimSai;
    QGroupBox* fraIcms;
    QLineEdit* txtOrdIc;
    QLineEdit* txtFolhasIc;
    platform::controls::TDBDate* tdbPeriodoIc;
    platform::controls::TDBDate* tdbAteIc;
    QGroupBox* Frame1;
    QLineEdit* txtOrdIp;
    QLineEdit* txtFolhasIp;
    platform::controls::TDBDate* tdbPeriodoIp;
    platform::controls::TDBDate* tdbAteIp;
    QLineEdit* txtModelo;
    QLineEdit* txtNfolhas;
    QLineEdit* txtPpag;
    QLineEdit* txtUpag;
    QLineEdit* txtNOrder;
    platform::controls::TDBDate* tdbLiss;
    platform::controls::TDBDate* tdbFiss;
    QLineEdit* txtResponsavel;
    platform::controls::MaskEdBox* mskCpf;
    platform::controls::MaskEdBox* mskRg;
    QLineEdit* txtContador;
    platform::controls::MaskEdBox* mskCrc;
    platform::ui::LabelArray lblTit;
    QPushButton* cmdPesquisar;
    QPushButton* cmdGravar;
    QPushButton* cmdCancelar;
    QPushButton* cmdImprimir;
    QPushButton* cmdSair;

    shell::JanelaCadastro& Cadastro();
    // The fields of the terms row's columns, in the columns' order (the model's two options included).
    QList<QWidget*> CamposColunas() const;
    shell::CampoCadastro CampoTermo(QWidget* campo);

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    friend class CadastroTermo;
    void Monta();
    void cmdPesquisar_Click();
    void cmdImprimir_Click();
    void TestaRegras();
    // A folio count shows the number it holds, an empty one "0".
    static void NormalizaFolhas(QLineEdit* campo);
    // Leaving the last date of a tab turns to the next tab and its first field.
    void ProximaAba(QWidget* campo);

    CadastroTermo* cadastro_;
};

}  // namespace terms
