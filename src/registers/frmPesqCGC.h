#pragma once

#include "shell/DialogoPesquisa.h"

namespace registers {

// The CNPJ/CPF search over the register named by TabelaPesquisa ("ForGeral" or "CliGeral"), in name
// order. OK (or a double click) puts the row's CNPJ/CPF into ChaveComum and its state into UfEscolhida;
// Cancel, Esc and the close box set Cancelado. An empty register is told and the dialog closes before
// it is shown, with Cancelado set.
class frmPesqCGC : public shell::DialogoPesquisa {
    Q_OBJECT
  public:
    // The list's columns.
    static constexpr int ColunaCgc = 0;
    static constexpr int ColunaNome = 1;
    static constexpr int ColunaIe = 2;
    static constexpr int ColunaUf = 3;

    explicit frmPesqCGC(QWidget* parent = nullptr);

    void PreencheLista();
    void cmdOk_Click() override;

  protected:
    void Form_Load() override;
};

}  // namespace registers
