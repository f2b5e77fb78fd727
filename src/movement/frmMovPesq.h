#pragma once

#include <QString>
#include <vector>

#include "shell/DialogoPesquisa.h"

namespace movimento {

// What tells the two record searches apart: the dialog's name, its columns and the query that lists
// a month table's documents in those columns.
struct ModeloPesquisa {
    QString nome;
    std::vector<shell::ColunaPesquisa> colunas;
    platform::db::Recordset (*lista)(platform::db::Connection&, const QString& tabela);
};

// The ICMS search (frmMovIcmsPesq) over an entries or exits table, and the ISS search (frmMovIssPesq).
const ModeloPesquisa& PesquisaIcms();
const ModeloPesquisa& PesquisaIss();

// A record search over the month table TabelaPesquisa of the caller's own movement database (its
// connection string, since ConexaoMovimento may by now name another company's or year's file), under
// the list caption TituloPesquisa, in record-code order. OK (or a double click on a row) puts the
// row's six-digit code into ChaveComum; Cancel, Esc and the close box set Cancelado. An empty table is
// told and the dialog closes before it is shown, with Cancelado set.
class frmMovPesq : public shell::DialogoPesquisa {
    Q_OBJECT
  public:
    static constexpr int ColunaCodigo = 0;

    frmMovPesq(const ModeloPesquisa& modelo, const QString& conexao, QWidget* parent = nullptr);

    void PreencheLista();
    void cmdOk_Click() override;

  protected:
    void Form_Load() override;

  private:
    const ModeloPesquisa& modelo_;
    QString conexaoMovimento_;
};

}  // namespace movimento
