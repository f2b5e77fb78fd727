#pragma once

#include <QString>

#include "shell/JanelaCadastro.h"

class QPushButton;

namespace platform::controls {
class TDBDate;
}

namespace Empresas {

// What the dated-history dialogs of a company share: the record-window frame keyed by a date among
// the rows of one owner (whose key the owner put into ChaveComum), the question for a new date, the
// two rules of the date, and the list sorted as dates from the start.
class HistoricoDatado : public shell::JanelaCadastro {
  public:
    // The common part of a dialog's definition: `tabela` with its date column and owner column, the
    // date field `data`, and the question "Data Não Registrada, Incluir ?".
    static shell::DefinicaoCadastro Definicao(const QString& tabela, const QString& colunaData,
                                              const QString& colunaDono, platform::controls::TDBDate* data);

    HistoricoDatado(QWidget& janela, shell::DefinicaoCadastro definicao);

    // Names the four buttons both dialogs carry, with their tips; Enter never presses them.
    static void PreparaBotoes(QPushButton* gravar, QPushButton* apagar, QPushButton* cancelar,
                              QPushButton* sair);

    // The owner's key handed over on opening, as a number.
    qint64 Dono() const;
    // The date of the row being looked up or saved (null before the first).
    QDate DataAtual() const;

  protected:
    // A row needs a date, and a new row a date its owner does not have yet (another copy of the
    // program may have written it since the lookup); then the dialog's own rules.
    void TestaRegras() override;
    virtual void RegrasProprias() {}
};

}  // namespace Empresas
