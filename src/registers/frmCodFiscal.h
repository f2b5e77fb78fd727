#pragma once

#include <QtGlobal>

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "registers/CodigoFiscal.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class MaskEdBox;
class TDBList;
}  // namespace platform::controls

namespace shell {
class JanelaCadastro;
}

namespace registers {

class CadastroCfop;

// The record window of one table of CFOP codes: the code in a masked key field, its description,
// the list of every code, and the print of the table. frmCodFiscal and frmCodFiscal03 are this
// window over the codes up to 2002 and from 2003.
class frmCodFiscalBase : public platform::ui::Form {
    Q_OBJECT
  public:
    // The list's columns.
    static constexpr int ColunaCodigo = 0;
    static constexpr int ColunaDescricao = 1;

    ~frmCodFiscalBase() override;

    cfop::Tabela tabela() const { return tabela_; }

    platform::controls::MaskEdBox* mskCodigo;
    QLineEdit* txtDescri;
    platform::controls::TDBList* tdbCodFiscal;
    platform::ui::LabelArray lblTit;
    QPushButton* cmdGravar;
    QPushButton* cmdApagar;
    QPushButton* cmdCancelar;
    QPushButton* cmdImprimir;
    QPushButton* cmdSair;

    // The record-window frame that runs the key lookup, save, delete, cancel and the list.
    shell::JanelaCadastro& Cadastro();

    void cmdImprimir_Click();
    void mskCodigo_KeyPress(int& KeyAscii);

  protected:
    frmCodFiscalBase(cfop::Tabela tabela, QWidget* parent);
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    cfop::Tabela tabela_;
    CadastroCfop* cadastro_;
};

// "Tabela de Códigos Fiscais - Até 2002": codes "9.99" and "9.99.9" in CodFiscal.
class frmCodFiscal : public frmCodFiscalBase {
    Q_OBJECT
  public:
    explicit frmCodFiscal(QWidget* parent = nullptr);
};

// "Tabela de Códigos Fiscais - 2003 em diante": codes "9.999" in CodFiscal2003.
class frmCodFiscal03 : public frmCodFiscalBase {
    Q_OBJECT
  public:
    explicit frmCodFiscal03(QWidget* parent = nullptr);
};

}  // namespace registers
