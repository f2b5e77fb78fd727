#pragma once

#include <QString>
#include <vector>

#include "companies/CodigosEmpresa.h"
#include "companies/empresas_sql.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "shell/JanelaCadastro.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class MaskEdBox;
class MultiLineText;
class SSTab;
class TDBDate;
class TDBNumber;
}  // namespace platform::controls

namespace registers {
class BlocoEndereco;
}

namespace Empresas {

class CadastroEmpresas;

// The company register ("Arquivo de Empresas") on the record-window frame: a company is looked up by
// its number when the number field is left, loaded or offered as a new company, edited, saved through
// the error list, deleted with its dependants, or dropped by Cancel.
class frmEmpresas : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmEmpresas(QWidget* parent = nullptr);
    ~frmEmpresas() override;

    QGroupBox* fraCliente;
    QLineEdit* txtCodigo;
    QLineEdit* txtNome;
    QGroupBox* franEnd;
    QLineEdit* txtendereco;
    QLineEdit* txtNumero;
    QLineEdit* txtcomplemento;
    QLineEdit* txtBairro;
    QLineEdit* txtCidade;
    QLineEdit* txtUf;
    platform::controls::MaskEdBox* mskCep;
    QLineEdit* txtPais;
    QLineEdit* txtCPais;
    QLineEdit* txtCMun;
    QPushButton* cmdPesqMun;
    QGroupBox* fraIdent;
    platform::controls::MaskEdBox* mskCgc;
    QLineEdit* txtInscrEstadual;
    platform::controls::MaskEdBox* mskCei;
    platform::controls::MaskEdBox* mskCcm;
    platform::controls::TDBDate* tdbcadastro;
    platform::controls::MaskEdBox* mskCnae;
    QComboBox* cmbSituacao;
    QLineEdit* txtAtividade;
    platform::controls::SSTab* sstabCli;
    QLineEdit* txtcontato1;
    QLineEdit* txtcontato2;
    QLineEdit* txtDdd;
    QLineEdit* txtFone1;
    QLineEdit* txtFone2;
    QLineEdit* txtFax;
    QLineEdit* txtEmail;
    QLineEdit* txtHomepage;
    QGroupBox* fraSimples;
    platform::controls::TDBNumber* tdbadipi;
    platform::controls::TDBNumber* tdbadconvenio;
    QGroupBox* fraNotsimples;
    platform::controls::TDBNumber* tdbpercvendas;
    platform::controls::TDBNumber* tdbpercservicos;
    QPushButton* cmdEnquadra;
    QLabel* lblEnquadramento;
    QLabel* lblD_enquadr;
    platform::controls::TDBDate* tdbfundacao;
    QComboBox* cmbTipo_empresa;
    QPushButton* cmdContrato;
    QLabel* lblCapital;
    QComboBox* cmbTpEscri;
    QComboBox* cmbTpIpi;
    QComboBox* cmbTpIss;
    QComboBox* cmbIcms;
    QComboBox* cmbGrIcms;
    QComboBox* cmbSp;
    platform::controls::MultiLineText* txtObserv;
    QPushButton* cmdPesquisar;
    QPushButton* cmdGravar;
    QPushButton* cmdApagar;
    QPushButton* cmdCancelar;
    QPushButton* cmdImprimir;
    QPushButton* cmdSair;
    // Caption labels, by the tab index of the field each captions.
    platform::ui::LabelArray lblTit;

    // The record-window frame that runs the lookup, save, delete, cancel and the close guard.
    shell::JanelaCadastro& Cadastro();
    // 1 idle, 2 company loaded, 3 new company.
    int Estado() const;

    // Handlers.
    void txtCodigo_GotFocus();
    void txtCodigo_KeyPress(int& KeyAscii);
    void cmdPesquisar_Click();
    void mskCgc_LostFocus();
    void cmdEnquadra_Click();
    void cmdContrato_Click();
    void cmdImprimir_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    friend class CadastroEmpresas;
    void Monta();
    void Liga();
    void AjustaBotao(shell::EstadoCadastro estado);
    void TestaRegras();
    void PreencheCombos();
    void LimpaMask();
    QComboBox* Combo(Lista lista) const;
    // The fields the frame reads and writes, each with its column.
    std::vector<shell::CampoCadastro> Campos();
    void MostraEnquadramento(qint64 codigo);
    void MostraCapital(qint64 codauto);

    CadastroEmpresas* cadastro_;
    registers::BlocoEndereco* endereco_;
    // The tax-regime and contract rows of the loaded company.
    Recordset enquadramento_;
    Recordset contrato_;
    int destaqueGuardado_ = 0;
    // The tax-regime labels as the last save found them, for the print.
    QString enquadramentoGravado_;
    QString desdeGravado_;
};

}  // namespace Empresas
