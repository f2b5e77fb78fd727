#pragma once

#include "platform/db/Connection.h"
#include "platform/ui/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class TDBDate;
}

namespace movimento {
class EmpresaPeriodo;
}

namespace LivrosIss {

// "Emissão dos Livros de ISS": the ISS book of one company of model 51 or 53 and one month, from the
// company's movement database of the period's year, which this window only opens, never makes. The
// emission refills the ISS work tables of the registry database and prints the book in a new preview.
// States: choosing the company, choosing the period (the company found), ready (the period's file
// open: the last page and the emission usable).
class frmLivrosIss : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmLivrosIss(QWidget* parent = nullptr);
    ~frmLivrosIss() override;

    QGroupBox* fraAtiva;
    QLineEdit* txtCodigo;
    QPushButton* cmdPesqe;
    platform::controls::TDBDate* tdbAnomes;
    QLabel* lblNome;
    QLabel* lblTpescri;
    QLabel* lblTit;
    QLineEdit* txtNpag;
    QPushButton* cmdEmissao;
    QPushButton* cmdCancelar;
    QPushButton* cmdSair;

    platform::db::Connection BancoMovimento;
    bool SemMovimento = false;
    bool Modelo53 = false;

    platform::db::Connection& BancoCadastro();

    void cmdEmissao_Click();
    void cmdCancelar_Click();
    void Imprime_Livro();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void Constroi();
    bool AceitaEmpresa(const platform::db::Recordset& empresa);
    void EscolhendoEmpresa();
    void EscolhendoPeriodo();
    void Pronto();

    movimento::EmpresaPeriodo* empresa_;
};

}  // namespace LivrosIss
