#pragma once

#include <QString>
#include <array>

#include "companies/empresas_sql.h"
#include "shell/DialogoPesquisa.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class TDBNumber;
}

namespace Empresas {

// The company search: every company of the table named by TabelaPesquisa (number, name, CNPJ, state
// registration, CEI, state and working period) under the list caption TituloPesquisa, sorted by any
// column, found by any column, and restricted by up to three ranges on number, name, district, city
// or state. OK on a company puts its number into ChaveComum and leaves Cancelado clear; every other
// way of closing sets Cancelado. Enter moves to the next field and the double quote is dropped.
class frmPesqJur : public shell::DialogoPesquisa {
    Q_OBJECT
  public:
    static constexpr int Filtros = 3;

    explicit frmPesqJur(QWidget* parent = nullptr);
    ~frmPesqJur() override;

    QLabel* lblColuna;
    QComboBox* cmbColuna;
    QLabel* lblPesq;
    QLineEdit* txtPesq;
    QPushButton* cmdPesquisar;
    QPushButton* cmdFiltro;
    QPushButton* cmdDesfiltrar;
    QGroupBox* fraFiltro;
    std::array<QComboBox*, Filtros> cmbCampo;
    std::array<QLabel*, Filtros> lblDe;
    std::array<QLabel*, Filtros> lblAt;
    std::array<QLineEdit*, Filtros> txtDe;
    std::array<QLineEdit*, Filtros> txtAt;
    std::array<platform::controls::TDBNumber*, Filtros> tdnDe;
    std::array<platform::controls::TDBNumber*, Filtros> tdnAt;
    QPushButton* cmdOkFiltro;

    // The column of a filter field's caption ("Código", "Nome", "Bairro", "Cidade", "Uf"); sets the
    // kind ("N" or "S") and the input limit of that field. Any other caption gives "".
    QString Atribui(const QString& campo);

    void PreencheLista();
    void cmdOk_Click() override;
    void cmdPesquisar_Click();
    void cmbColuna_LostFocus();
    void tdbPesq_HeadClick(int coluna);
    void tdbPesq_HeadRightClick(int coluna);
    void txtPesq_GotFocus();
    void cmdFiltro_Click();
    void cmbCampo_Click(int linha);
    void cmdOkFiltro_Click();
    void cmdDesfiltrar_Click();

    // The filter in force, for the window's tests.
    const FiltroEmpresas& Filtro() const { return filtro_; }

  protected:
    void Form_Load() override;

  private:
    void ModoLista(bool lista);

    FiltroEmpresas filtro_;
    std::array<QString, Filtros> colunaFiltro_;
    std::array<QString, Filtros> tipoFiltro_;
    QString Tipo;
    qint16 Tamanho = 0;
    QString Mascara;
};

}  // namespace Empresas
