#pragma once

#include "platform/db/Connection.h"
#include "platform/ui/Form.h"

class QPushButton;

namespace platform::controls {
class TDBList;
}

namespace shell {
class ListaPesquisa;
}

namespace registers {

// The CNPJ/CPF search over the register named by TabelaPesquisa ("ForGeral" or "CliGeral"), in name
// order. OK (or a double click) puts the row's CNPJ/CPF into ChaveComum and its state into UfEscolhida;
// Cancel, Esc and the close box set Cancelado. An empty register is told and the dialog closes before
// it is shown, with Cancelado set.
class frmPesqCGC : public platform::ui::Dialog {
    Q_OBJECT
  public:
    // The list's columns.
    static constexpr int ColunaCgc = 0;
    static constexpr int ColunaNome = 1;
    static constexpr int ColunaIe = 2;
    static constexpr int ColunaUf = 3;

    explicit frmPesqCGC(QWidget* parent = nullptr);
    ~frmPesqCGC() override;

    platform::controls::TDBList* tdbPesq;
    QPushButton* cmdOk;
    QPushButton* cmdCancela;

    shell::ListaPesquisa& Lista() { return *lista_; }

    void PreencheLista();
    void cmdOk_Click();
    void cmdCancela_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    platform::db::Connection conexao_;
    shell::ListaPesquisa* lista_;
    bool escolhido_ = false;
};

}  // namespace registers
