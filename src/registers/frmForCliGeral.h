#pragma once

#include <QIcon>
#include <QtGlobal>

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class MaskEdBox;
}

namespace shell {
class JanelaCadastro;
}

namespace registers {

class BlocoEndereco;
class CadastroForCli;

// The suppliers' and clients' registers (ForGeral, CliGeral) in one record window, one table at a
// time (cmdAltera switches them while no record is open). The key is the CNPJ or CPF, rewritten with
// its punctuation by its count of digits. A new party may be written into both tables at once; the
// default of that choice is kept in Parametros. A window that met an unregistered CNPJ/CPF hands it
// over in InclusaoAtiva, InclusaoCgc and InclusaoFornecedor before opening this one: the window reads
// them only when it loads, looks the key up at once and, when the key is new, begins the record
// without asking.
class frmForCliGeral : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmForCliGeral(QWidget* parent = nullptr);
    ~frmForCliGeral() override;

    QLineEdit* txtCgc;
    QLineEdit* txtInscrEstadual;
    QLineEdit* txtNome;
    QGroupBox* franEnd;
    QLineEdit* txtendereco;
    QLineEdit* txtNumero;
    QLineEdit* txtcomplemento;
    QLineEdit* txtBairro;
    QLineEdit* txtCidade;
    QLineEdit* txtUf;
    platform::controls::MaskEdBox* mskCep;
    QLineEdit* txtCMun;
    QLineEdit* txtPais;
    QLineEdit* txtCPais;
    QPushButton* cmdPesqMun;
    QCheckBox* chkIncForCli;
    QPushButton* cmdGravar;
    QPushButton* cmdImprimir;
    QPushButton* cmdCancelar;
    QPushButton* cmdApagar;
    QPushButton* cmdAltera;
    QPushButton* cmdSair;
    QPushButton* cmdPesquisar;
    platform::ui::LabelArray lblTit;

    bool ModoFornecedor() const { return modoFornecedor_; }
    bool InclusaoDupla() const { return inclusaoDupla_; }
    // The record-window frame that runs the lookup, save, delete, cancel and the close guard.
    shell::JanelaCadastro& Cadastro();
    // 1 idle, 2 record loaded, 3 new record.
    int EstadoAtual() const;

    void cmdAltera_Click();
    void cmdPesquisar_Click();
    void cmdImprimir_Click();
    void chkIncForCli_LostFocus();
    void txtCgc_KeyPress(int& KeyAscii);
    void txtUf_GotFocus();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    friend class CadastroForCli;
    void DestacaCampo();
    void FocaSelecionando(QWidget* campo);
    // The table of the current mode: ForGeral or CliGeral.
    QString Tabela() const;

    CadastroForCli* cadastro_;
    BlocoEndereco* endereco_;
    bool modoFornecedor_ = true;
    bool inclusaoDupla_ = false;
    // The hand-over read at load waits for its lookup; no other lookup may use it.
    bool entregaPendente_ = false;
    bool carregando_ = false;
    QIcon img1_[2];
};

}  // namespace registers
