#pragma once

#include <QString>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/ui/Form.h"
#include "shell/ListaPesquisa.h"

class QComboBox;
class QLayout;
class QPushButton;

namespace platform::controls {
class TDBList;
}

namespace shell {

// What every search dialog that lists rows and hands one back shares: the list, OK and Cancela under
// it, the header sorts, a double click as OK, and the rule that closing without a row taken (Cancela,
// Esc, the close box, an empty result) sets Cancelado. The dialog's own connection closes on unload.
class DialogoPesquisa : public platform::ui::Dialog {
    Q_OBJECT
  public:
    ~DialogoPesquisa() override;

    platform::controls::TDBList* tdbPesq;
    QPushButton* cmdOk;
    QPushButton* cmdCancela;

    ListaPesquisa& Lista() { return *lista_; }

    virtual void cmdOk_Click() = 0;
    void cmdCancela_Click();

  protected:
    // `cancela` is the cancel button's name ("cmdCancela", or "cmdCancelar" in the dialogs that name it
    // so); its caption is the name's word.
    DialogoPesquisa(const QString& nome, const QString& titulo, QWidget* parent,
                    const QString& cancela = QStringLiteral("cmdCancela"));
    // Builds the list over `colunas` (with its column chooser, if any) and lays the dialog out: `acima`
    // (filter fields above the list, if any), the list, then `busca` (the dialog's own search fields,
    // if any), then the buttons, the dialog's own `botoes` first.
    void MontaLista(std::vector<ColunaPesquisa> colunas, QComboBox* seletor, QLayout* busca, int largura,
                    QLayout* acima = nullptr, const std::vector<QWidget*>& botoes = {});
    // Loads the rows of `rs` (those `semChave` names as empty rows, which no one can choose); an empty
    // result is told and sets Cancelado, and false is returned.
    bool Carrega(platform::db::Recordset& rs, const LinhaVazia& semChave = {});
    // The current row was taken: the dialog closes without setting Cancelado.
    void Escolhido();
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

    platform::db::Connection conexao_;
    ListaPesquisa* lista_ = nullptr;

  private:
    bool escolhido_ = false;
};

}  // namespace shell
