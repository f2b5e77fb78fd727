#pragma once

#include "shell/DialogoPesquisa.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

// The generic search: the codes and names of the registry table named by TabelaPesquisa, under the
// list caption TituloPesquisa. OK (or a double click on a row) puts the row's code into ChaveComum;
// Cancel, Esc, the close box and an empty table leave ChaveComum alone and set Cancelado.
class frmPesquisa : public DialogoPesquisa {
    Q_OBJECT
  public:
    explicit frmPesquisa(QWidget* parent = nullptr);

    QLabel* lblColuna;
    QComboBox* cmbColuna;
    QLabel* lblPesq;
    QLineEdit* txtPesq;
    QPushButton* cmdPesquisar;

    void PreencheLista();
    void cmbColuna_Click();
    void txtPesq_GotFocus();
    void cmdPesquisar_Click();
    void cmdOk_Click() override;

  protected:
    void Form_Load() override;
};

}  // namespace shell
