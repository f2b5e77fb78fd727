#pragma once

#include <QIcon>
#include <QtGlobal>

#include "platform/db/Connection.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class MaskEdBox;
}

namespace registers {

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
    bool Inclusao() const { return inclusao_; }
    int EstadoAtual() const { return estado_; }

    // 1 idle, 2 record loaded, 3 new record.
    void Botao(qint16 estado);

    void cmdAltera_Click();
    void cmdPesquisar_Click();
    void cmdPesqMun_Click();
    void cmdGravar_Click();
    void cmdApagar_Click();
    void cmdCancelar_Click();
    void cmdImprimir_Click();
    void cmdSair_Click();
    void chkIncForCli_LostFocus();
    void txtCgc_KeyPress(int& KeyAscii);
    void txtCgc_LostFocus();
    void txtUf_GotFocus();
    void txtUf_LostFocus();
    void mskCep_LostFocus();
    void txtCMun_LostFocus();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void TravaChave();
    void CarregaRegistro();
    void LimpaMask();
    void DestacaCampo();
    void IniciaInclusao();
    void FocaSelecionando(QWidget* campo);
    // The table of the current mode: ForGeral or CliGeral.
    QString Tabela() const;

    platform::db::Connection conexao_;
    platform::db::Recordset registro_;
    bool modoFornecedor_ = true;
    bool inclusaoDupla_ = false;
    bool inclusao_ = false;
    int estado_ = 1;
    // The hand-over read at load waits for its lookup; no other lookup may use it.
    bool entregaPendente_ = false;
    bool carregando_ = false;
    QIcon img1_[2];
};

}  // namespace registers
