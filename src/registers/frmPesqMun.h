#pragma once

#include <QString>

#include "platform/db/Connection.h"
#include "shell/DialogoPesquisa.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace registers {

// The municipalities of a city name, of a state, or of both, from the registry's reference table
// (every municipality when neither is given), ordered by name.
platform::db::Recordset PesquisaMunicipios(platform::db::Connection& db, const QString& tabela,
                                           const QString& cidade, const QString& uf);

// The municipality search: a city (more than two characters, the whole name) and a state (two letters)
// filter the reference table named by TabelaPesquisa, under the list caption TituloPesquisa. The fields
// start with CidadePesquisa and UfPesquisa. OK or a double click on a row with a code takes its code
// into ChaveComum, its name into CidadePesquisa and its state into UfPesquisa; every other way of
// closing sets Cancelado. Enter presses no button and moves nowhere.
class frmPesqMun : public shell::DialogoPesquisa {
    Q_OBJECT
  public:
    explicit frmPesqMun(QWidget* parent = nullptr);
    ~frmPesqMun() override;

    QLabel* lblCidade;
    QLineEdit* txtCidade;
    QLabel* lblUf;
    QLineEdit* txtUf;
    QPushButton* cmdPesquisar;

    void PreencheLista();
    void cmdPesquisar_Click();
    void cmdOk_Click() override;
    void txtUf_LostFocus();

  protected:
    void Form_Load() override;
};

}  // namespace registers
