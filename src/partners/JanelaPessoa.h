#pragma once

#include <QString>
#include <vector>

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "shell/JanelaCadastro.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class MaskEdBox;
class MultiLineText;
class SSTab;
class TDBList;
}  // namespace platform::controls

namespace registers {
class BlocoEndereco;
}

namespace partners {

struct FamiliaPessoa;
class CadastroPessoa;

// What tells the partners' window from the third parties' in the part they share.
struct TextosPessoa {
    const char* janela;
    QString titulo;
    const FamiliaPessoa& familia;
    const char* campoNome;
    QString tituloNome;
    const char* lista;
    QString tituloLista;
    const char* abas;
    QString perguntaSemPessoas;
    QString nomeObrigatorio;
    QString dicaGravar;
    int tabInscricao;
    int tabObservacao;
};

// The people of one company, chosen inside the window by its number (typed or searched): the list of
// their names, a person loaded by choosing a name (by its automatic number, never by its name) or
// started by Novo, the save with its one rule (a name), the delete with the INSS class history, and
// the current INSS class, whose history the class dialog keeps. The states: no company (only the
// company can be chosen), a company and no person, a person loaded, a new person. A window of this
// kind adds its own fields, tabs and exits.
class JanelaPessoa : public platform::ui::Form {
    Q_OBJECT
  public:
    // The list's columns: the hidden automatic number and the name.
    static constexpr int ColunaCodauto = 0;
    static constexpr int ColunaNome = 1;

    ~JanelaPessoa() override;

    QLineEdit* txtCodigo;
    QPushButton* cmdPesqe;
    QLabel* lblNome;
    QLineEdit* txtNome;
    platform::controls::MaskEdBox* mskCpf;
    QLineEdit* txtendereco;
    QLineEdit* txtNumero;
    QLineEdit* txtcomplemento;
    QLineEdit* txtBairro;
    QLineEdit* txtCidade;
    QLineEdit* txtUf;
    platform::controls::MaskEdBox* mskCep;
    platform::controls::MaskEdBox* mskInscricao;
    platform::controls::MultiLineText* txtObservacao;
    QPushButton* cmdEnquadra;
    QLabel* lblD_enquadr;
    QLabel* lblClasse;
    QPushButton* cmdNovo;
    QPushButton* cmdGravar;
    QPushButton* cmdCancelar;
    QPushButton* cmdApagar;
    QPushButton* cmdImprimir;
    QPushButton* cmdSair;
    platform::controls::TDBList* lista;
    platform::controls::SSTab* abas;
    platform::ui::LabelArray lblTit;

    shell::JanelaCadastro& Cadastro();

  protected:
    explicit JanelaPessoa(const TextosPessoa& textos, QWidget* parent = nullptr);

    // The tab pages the shared fields stand on: the inscription (row 0, columns 0 and 1; the window's
    // own rows follow) with the class button and labels beside it, and the remarks.
    QWidget* paginaInss;
    QGridLayout* gradeInss;
    QWidget* paginaObs;
    // The caption of the class's start date.
    QLabel* lblDataInicio;

    // Declares the frame with the shared fields and the window's own, and connects the handlers.
    void Liga(std::vector<shell::CampoCadastro> proprios);

    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

    // The window's own part: its lists filled on load, its fields as a row shows them or as the idle
    // state leaves them, where a valid postal code sends the focus, and its class dialog.
    virtual void PreencheListas() = 0;
    virtual void MostraProprios(const platform::db::Recordset& registro) = 0;
    virtual void LimpaProprios() = 0;
    virtual void AposCep() = 0;
    virtual void AbreClasse() = 0;

    // Brings tab `aba` to the front and puts the focus on `campo`.
    void VaiPara(QWidget* campo);

  private:
    friend class CadastroPessoa;
    void AjustaBotao(shell::EstadoCadastro estado);
    void MostraClasse(qint64 codauto);
    void txtCodigo_KeyPress(int& KeyAscii);
    void txtCodigo_LostFocus();
    void cmdPesqe_Click();
    void mskCpf_LostFocus();
    void txtUf_GotFocus();
    void cmdEnquadra_Click();

    const TextosPessoa textos_;
    QLineEdit* txtCodauto_;
    CadastroPessoa* cadastro_ = nullptr;
    registers::BlocoEndereco* endereco_ = nullptr;
    // The automatic number of the chosen company (0: none).
    qint64 codempr_ = 0;
};

}  // namespace partners
