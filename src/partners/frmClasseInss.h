#pragma once

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"

class QLineEdit;
class QPushButton;

namespace platform::controls {
class TDBDate;
class TDBList;
}  // namespace platform::controls

namespace shell {
class JanelaCadastro;
}

namespace partners {

struct FamiliaPessoa;
class CadastroClasse;

// The dated history of one person's INSS contribution class (1 to 10 from each start date on), for
// the person whose automatic number the owner window put into ChaveComum. A partner's and a third
// party's dialogs differ only in what this describes.
struct DiferencasClasse {
    const char* nome;
    QString titulo;
    const FamiliaPessoa& familia;
    // The third parties' dialog reaches Sair before Cancelar with Tab.
    bool sairAntesDeCancelar;
};

// "Enquadramentos no INSS": a start date is looked up among the person's rows and loaded or offered
// as a new row; the class is typed as digits. Alterado is cleared on opening and set by every save and
// delete, so that the owner shows the newest class again.
class frmClasseInss : public platform::ui::Dialog {
    Q_OBJECT
  public:
    // The list's columns.
    static constexpr int ColunaData = 0;
    static constexpr int ColunaClasse = 1;

    frmClasseInss(const DiferencasClasse& diferencas, QWidget* parent);
    ~frmClasseInss() override;

    platform::controls::TDBDate* tdbDinicio;
    QLineEdit* txtClasse;
    platform::controls::TDBList* tdbClasse;
    platform::ui::LabelArray lblTit;
    QPushButton* cmdGravar;
    QPushButton* cmdCancelar;
    QPushButton* cmdApagar;
    QPushButton* cmdSair;

    shell::JanelaCadastro& Cadastro();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void txtClasse_GotFocus();
    void txtClasse_KeyPress(int& KeyAscii);

    CadastroClasse* cadastro_;
};

// "Enquadramentos no INSS (Sócios)": the classes of a partner, in ClasseSoc.
class frmSocInss : public frmClasseInss {
    Q_OBJECT
  public:
    explicit frmSocInss(QWidget* parent = nullptr);
};

// "Enquadramentos no INSS (Terceiros)": the classes of a third party, in ClasseTer.
class frmTerInss : public frmClasseInss {
    Q_OBJECT
  public:
    explicit frmTerInss(QWidget* parent = nullptr);
};

}  // namespace partners
