#pragma once

#include <QString>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/ui/Form.h"
#include "shell/ListaPesquisa.h"

class QPushButton;

namespace platform::controls {
class TDBList;
}

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
class frmMovPesq : public platform::ui::Dialog {
    Q_OBJECT
  public:
    static constexpr int ColunaCodigo = 0;

    frmMovPesq(const ModeloPesquisa& modelo, const QString& conexao, QWidget* parent = nullptr);
    ~frmMovPesq() override;

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
    const ModeloPesquisa& modelo_;
    QString conexaoMovimento_;
    platform::db::Connection conexao_;
    shell::ListaPesquisa* lista_;
    bool escolhido_ = false;
};

}  // namespace movimento
