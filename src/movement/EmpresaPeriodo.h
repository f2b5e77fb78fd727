#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "movement/ArquivoMovimento.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace platform::controls {
class TDBDate;
}

namespace movimento {

// The company and period of a movement window (ICMS, ISS, the ICMS books): the company code field
// (digits only), the company search, the period field, the company's name and state labels, and the
// movement database of that company and year opened on the window's movement connection.
//
// Contract: a session is open from a confirmed period until the company code field gets the focus or
// the company search is pressed; then the movement connection is closed and `fechada` runs (the
// window enters its state without a company), the typed code kept. A company found leads on to the
// period field unless the code was left by a click elsewhere. Leaving the period field by Tab or
// Enter, or a button other than an exit or the company search clicked while it shows another month
// than the one confirmed (see tdbAnomes_LostFocus), stores the period as the company's working
// period (in the movement windows only, see `gravaPeriodo`), limits the window's entry date to the
// period's days, opens the movement database (creating it from the template the first time) and runs
// `aberta`; a file that cannot be made or opened is told, the session stays closed and the company code,
// emptied, gets the focus. The company's row stays readable in Empresa() while the session is open.
class EmpresaPeriodo : public QObject {
    Q_OBJECT
  public:
    struct Controles {
        QLineEdit* txtCodigo;
        platform::controls::TDBDate* tdbAnomes;
        QLabel* lblNome;
        QLabel* lblUf;  // none in a window that does not show the state
        QPushButton* cmdPesqe;
        // The window's entry date, limited to the period's days; none in a window without one.
        platform::controls::TDBDate* tdbData;
    };

    // `banco` is the window's movement connection (BancoMovimento).
    EmpresaPeriodo(QWidget& janela, Controles controles, platform::db::Connection& banco);

    // The window's own registry connection (BancoCadastro), open from Form_Load to Form_Unload.
    void Form_Load();
    void Form_Unload();

    // The session ended: the window enters its state without a company.
    std::function<void()> fechada;
    // The period was confirmed and the movement database is open on the movement connection.
    std::function<void(const Abertura&)> aberta;
    // A company chosen in the search queues a Tab after it, so that the lookup runs at once; a
    // cancelled search leaves the focus in the code field.
    bool tabAposPesquisa = false;
    // The confirmed period becomes the company's working period (`mes_base_fiscal`). Only the movement
    // windows keep it there; the books read it and never write the company's row.
    bool gravaPeriodo = false;
    // The movement database is only looked for, never made (the books): a missing one is told, the
    // session stays closed and the company code is emptied and focused (see `semArquivo`).
    bool somenteExistente = false;
    // After a company is found, before its period is shown: false refuses it (the window has told why
    // and closed), and nothing more is done.
    std::function<bool(const platform::db::Recordset&)> aceita;
    // When set (the books), a period left empty does not become the current month: the movement
    // connection is closed and this runs, the window back to choosing the period.
    std::function<void()> semPeriodo;
    // When set, a year without a movement file, once told, closes the movement connection and runs
    // this instead of emptying the company code (find-only mode).
    std::function<void()> semArquivo;
    // The books: the company's bookkeeping kind in words, shown with the code's four digits after the
    // lookup; the code is then locked until the session ends (Cancelar, the search).
    QLabel* lblTpescri = nullptr;

    // A field the open period fills with its month's stored value (the books' carried credit): `preenche`
    // shows it. The field shows that month's value or nothing: it is filled as the period opens and
    // blank while the period field shows another month (being typed, or left by a click before it is
    // confirmed). A value the clerk typed into it since it was filled is the clerk's: no confirmation
    // replaces it, and it goes only with the company (Cancelar, the company search).
    void CampoDoPeriodo(QWidget* campo, std::function<void()> preenche);
    // The period's field shows the stored value again (the window stored what the clerk typed, or
    // another window changed what is stored): `preenche` runs, whatever was typed.
    void Repreenche(QWidget* campo);

    qint64 CodigoEmpresa() const { return codigoEmpresa_; }
    // The confirmed period: its first day; PeriodoAtual as "mm/yyyy".
    QDate Periodo() const { return periodo_; }
    QString PeriodoAtual() const;
    bool Aberta() const { return aberta_; }
    platform::db::Connection& BancoCadastro() { return bancoCadastro_; }
    // The company's row (every column) as the lookup read it.
    const platform::db::Recordset& Empresa() const { return rsEmpresa_; }
    // Closes the session (the movement connection) and runs `fechada`.
    void Fecha();

    void txtCodigo_GotFocus();
    void txtCodigo_LostFocus();
    void tdbAnomes_LostFocus();
    void cmdPesqe_Click();

  private:
    struct CampoPeriodo {
        QWidget* campo;
        std::function<void()> preenche;
        bool preenchido = false;
    };
    // Fills or blanks the period's fields by the month the period field shows; `esquece` (the company
    // is gone) blanks also what the clerk typed.
    void MostraCamposDoPeriodo(bool esquece = false);
    void EsvaziaEmpresa();
    void Confirma();
    // Before a button of the window runs: a period shown and not confirmed is confirmed first; false
    // when it could not open its session.
    bool ConfirmaPendente(QAbstractButton* botao);
    bool Fechando() const;
    void FechaPeriodo(const std::function<void()>& depois);

    Controles c_;
    platform::db::Connection& banco_;
    platform::db::Connection bancoCadastro_;
    platform::db::Recordset rsEmpresa_;
    qint64 codigoEmpresa_ = 0;
    QDate periodo_;
    bool aberta_ = false;
    // The period field was left by a click into a field while it showed a month not confirmed.
    bool pendente_ = false;
    std::vector<CampoPeriodo> campos_;
};

}  // namespace movimento
