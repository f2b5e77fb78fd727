#pragma once

#include <QString>
#include <array>
#include <vector>

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "shell/JanelaCadastro.h"
#include "shell/OpcoesImpressora.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace platform::controls {
class MaskEdBox;
}

namespace shell {

class CadastroUsuarios;

// The users register. The built-in administrator looks users up by code, creates, changes, deletes,
// searches and prints them, rights included; any other user sees only his own record (loaded as the
// code field gets the focus) and changes only his printer kind and, through the password change, his
// password. In each frame of rights the consult box governs the others: unticked, they are unticked
// and locked.
class frmUsuarios : public platform::ui::Form {
    Q_OBJECT
  public:
    static constexpr int TamanhoNome = 20;
    static constexpr int TamanhoSenha = 15;
    static constexpr int Direitos = 9;

    explicit frmUsuarios(QWidget* parent = nullptr);
    ~frmUsuarios() override;

    platform::controls::MaskEdBox* mskCodigo;
    QLineEdit* txtNome;
    QLineEdit* txtsenha;
    QPushButton* cmdTrocasen;
    QLabel* lblData;
    QLabel* lblDsenha;
    QGroupBox* fraImp;
    QRadioButton* optIm;
    QRadioButton* OptIj;
    QRadioButton* optIl;
    QRadioButton* optIn;
    QGroupBox* frmBdados;
    QCheckBox* chkBdcon;
    QCheckBox* chkBdadi;
    QCheckBox* chkBdexc;
    QCheckBox* chkBdalt;
    QGroupBox* frmCFinc;
    QCheckBox* chkCfcon;
    QCheckBox* chkCfadi;
    QCheckBox* chkCfexc;
    QCheckBox* chkCfalt;
    QCheckBox* chkCfbai;
    QPushButton* cmdGravar;
    QPushButton* cmdCancelar;
    QPushButton* cmdApagar;
    QPushButton* cmdImprimir;
    QPushButton* cmdPesquisar;
    QPushButton* cmdSair;
    platform::ui::LabelArray lblTit;

    // The nine boxes in the order of the rights' columns (bdcon... cfbai).
    std::array<QCheckBox*, Direitos> Caixas() const;
    std::vector<CampoCadastro> Campos();

    // The record-window frame that runs the lookup, save, delete, cancel and the close guard.
    JanelaCadastro& Cadastro();
    // Starts the window again for the user now logged in, dropping whatever the last one had open:
    // after a change of user the window is the one the new user would open.
    void Recomeca();

    // The printer letter of the selected option: "M", "J", "L", otherwise "S".
    QString LetraImpressora() const;

    void mskCodigo_GotFocus();
    void cmdPesquisar_Click();
    void cmdTrocasen_Click();
    void cmdImprimir_Click();
    void chkBdcon_Click();
    void chkCfcon_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    friend class CadastroUsuarios;
    // The window's part of a state change, after the frame's: what each kind of login may touch.
    void AjustaBotao(EstadoCadastro estado);
    // The boxes that `consulta` governs.
    std::vector<QCheckBox*> Governadas(const QCheckBox* consulta) const;
    void Governa(QCheckBox* consulta);
    void Consulta_GotFocus(QCheckBox* caixa);
    void Governada_GotFocus(QCheckBox* caixa);
    void Caixa_LostFocus(QCheckBox* caixa);
    void MostraImpressora(const QString& letra);
    OpcoesImpressora Opcoes() const;

    CadastroUsuarios* cadastro_;
};

}  // namespace shell
