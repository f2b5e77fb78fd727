#pragma once

#include <QString>
#include <array>

#include "books/PreparaLivros.h"
#include "platform/db/Connection.h"
#include "platform/ui/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace platform::controls {
class TDBDate;
class TDBNumber;
}  // namespace platform::controls

namespace movimento {
class EmpresaPeriodo;
}

namespace Livros {

// "Emissão dos Livros de ICMS": one company, one month, the book (entries, exits or the assessment),
// complete or for a day range by entry or issue date; the emission fills the work tables of the
// registry database from the company's movement database of the period's year, which this window only
// opens, never makes.
class frmLivrosIcms : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmLivrosIcms(QWidget* parent = nullptr);
    ~frmLivrosIcms() override;

    QGroupBox* fraAtiva;
    QLineEdit* txtCodigo;
    platform::controls::TDBDate* tdbAnomes;
    QLabel* lblTpescri;
    QLabel* lblNome;
    QPushButton* cmdPesqe;
    QGroupBox* fraLivro;
    QRadioButton* OptEnt;
    QRadioButton* OptSai;
    QRadioButton* OptApu;
    QGroupBox* fraTipo;
    QRadioButton* optLCompleto;
    std::array<QRadioButton*, 2> optLParcial;
    QGroupBox* fraPeri;
    std::array<QLabel*, 2> lbldat;
    QLineEdit* txtDataIni;
    QLineEdit* txtDataFim;
    QLineEdit* txtNpag;
    platform::controls::TDBNumber* tdbSalCredAnt;
    QPushButton* cmdEmissao;
    QPushButton* cmdInfoAdi;
    QPushButton* cmdRanual;
    QPushButton* cmdCancelar;
    QPushButton* cmdSair;

    platform::db::Connection BancoMovimento;
    QString TabelaAtual;
    bool LivroParcial = false;
    bool SemMovimento = false;
    bool SemMovEntradas = false;
    bool SemMovSaidas = false;
    bool HaMovUf = false;
    bool HaMovUfnc = false;
    ResultadoAliquotas Aliquotas;

    movimento::EmpresaPeriodo& Empresa() { return *empresa_; }
    platform::db::Connection& BancoCadastro();

    void Ocioso();
    void SemLivro();
    void PeriodoConfirmado();
    void MostraSaldoCredor();
    void OptEnt_Click();
    void OptApu_Click();
    void optLCompleto_Click();
    void optLParcial_Click();
    void LimitaDia(QLineEdit* campo);
    void cmdEmissao_Click();
    void cmdInfoAdi_Click();
    void cmdRanual_Click();
    void cmdCancelar_Click();

    void Prepara_Entradas();
    void Prepara_Saidas();
    void Resume_Aliquotas();
    void Imprime_Livro();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void Constroi();
    EstadoLivro Estado() const;

    movimento::EmpresaPeriodo* empresa_;
};

}  // namespace Livros
