#pragma once

#include <QString>
#include <memory>

#include "platform/db/Connection.h"
#include "platform/ui/Form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class TDBList;
}

namespace shell {

class ListaPesquisa;

// The generic search: the codes and names of the registry table named by TabelaPesquisa, under the
// list caption TituloPesquisa. OK (or a double click on a row) puts the row's code into ChaveComum;
// Cancel, Esc, the close box and an empty table leave ChaveComum alone and set Cancelado.
class frmPesquisa : public platform::ui::Dialog {
    Q_OBJECT
  public:
    explicit frmPesquisa(QWidget* parent = nullptr);
    ~frmPesquisa() override;

    platform::controls::TDBList* tdbPesq;
    QLabel* lblColuna;
    QComboBox* cmbColuna;
    QLabel* lblPesq;
    QLineEdit* txtPesq;
    QPushButton* cmdPesquisar;
    QPushButton* cmdOk;
    QPushButton* cmdCancela;

    ListaPesquisa& Lista() { return *lista_; }

    void PreencheLista();
    void cmbColuna_Click();
    void txtPesq_GotFocus();
    void cmdPesquisar_Click();
    void cmdOk_Click();
    void cmdCancela_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    platform::db::Connection conexao_;
    ListaPesquisa* lista_;
    bool escolhido_ = false;
};

}  // namespace shell
