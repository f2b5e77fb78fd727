#pragma once

#include <QString>

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class MaskEdBox;
class TDBDate;
class TDBNumber;
}  // namespace platform::controls

namespace shell {
class JanelaCadastro;
}

namespace movimento {

class CadastroIss;
class EmpresaPeriodo;
struct Abertura;

// "Movimento de ISS": the service documents of one company of ISS model 51 or 53 for one month. The
// model (shown at the end of the caption) decides whether the deductions of model 53 take part; a
// company of any other model is refused and no document of it can be typed.
class frmMovIss : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmMovIss(QWidget* parent = nullptr);
    ~frmMovIss() override;

    QGroupBox* fraAtiva;
    QLineEdit* txtCodigo;
    platform::controls::TDBDate* tdbAnomes;
    QLabel* lblNome;
    QPushButton* cmdPesqe;

    platform::controls::MaskEdBox* mskCodigo;
    platform::controls::TDBDate* tdbData;
    QLineEdit* txtCodServ;
    QLineEdit* txtSerie;
    QLineEdit* txtNinicio;
    QLineEdit* txtNfim;
    QLineEdit* txtTalao;
    platform::controls::TDBNumber* tdbVlrNota;
    platform::controls::TDBNumber* tdbAliq;
    platform::controls::TDBNumber* tdbIss;
    QComboBox* cmbTipo;
    platform::controls::TDBNumber* tdbIr;
    QLineEdit* txtObs;
    QGroupBox* fra53;
    platform::controls::TDBNumber* tdbSempr;
    platform::controls::TDBNumber* tdbVmateriais;
    platform::ui::LabelArray lblTit;

    QPushButton* cmdPesquisar;
    QPushButton* cmdNovo;
    QPushButton* cmdCancelar;
    QPushButton* cmdGravar;
    QPushButton* cmdApagar;
    QPushButton* cmdSair;

    QString TabelaAtual;
    qint64 ProximoCodigo = 0;
    bool NovoRegistro = false;

    shell::JanelaCadastro& Cadastro();
    EmpresaPeriodo& Empresa() { return *empresa_; }
    // The caption ends in "53".
    bool Modelo53() const;

    void cmdNovo_Click();
    void cmdPesquisar_Click();
    void tdbAliq_LostFocus();
    void tdbVlrNota_LostFocus();
    void tdbVmateriais_LostFocus();
    void TravaCodigo();
    void AjustaModelo();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void Constroi();
    void AbreMovimento(const Abertura& abertura);
    void RecusaEmpresa(const QString& mensagem);

    CadastroIss* cadastro_;
    EmpresaPeriodo* empresa_;
    QString conexaoMovimento_;
};

}  // namespace movimento
