#pragma once

#include <QString>
#include <array>

#include "platform/controls/XArrayDB.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class TDBDate;
class TDBList;
class TDBNumber;
}  // namespace platform::controls

namespace utilities {

// "Listagens Resumida de Arquivos": one of four listing models of the companies, its title, an
// order and up to three range filters; the print builds the query, keeps its rows until the next
// print or the window's unload, and previews the model's layout.
class frmRelatArq : public platform::ui::Form {
    Q_OBJECT
  public:
    static constexpr int Linhas = 3;

    explicit frmRelatArq(QWidget* parent = nullptr);

    platform::controls::TDBList* tdlModelo;
    QLabel* lbl1;
    QLineEdit* txtTitu;
    QLabel* lbl2;
    QComboBox* cmbOrdem;
    QGroupBox* fraSele;
    std::array<QComboBox*, Linhas> cmbCampo;
    std::array<QLineEdit*, Linhas> txtDe, txtAt;
    std::array<platform::controls::TDBNumber*, Linhas> tdnDe, tdnAt;
    std::array<platform::controls::TDBDate*, Linhas> tdbDe, tdbAt;
    std::array<QLabel*, Linhas> lblDe, lblAt;
    QPushButton* cmdLimpaFiltros;
    QPushButton* cmdImprimir;
    QPushButton* cmdSair;

    // The field table of the filters: the column of `campo`, its kind and length in TipoCampo and
    // TamanhoCampo; an unknown caption or a model on another base gives "" and leaves them.
    QString Atribui(const QString& campo);
    void CarregaOpcoes();
    bool ValidaFiltros();

    void tdlModelo_RowColChange();
    void tdlModelo_DblClick();
    void tdlModelo_HeadClick(int ColIndex);
    void cmbCampo_Click(int Index);
    void cmbCampo_LostFocus(int Index);
    void cmdLimpaFiltros_Click();
    void cmdImprimir_Click();
    void cmdSair_Click();

    int Modelo() const { return modelo_; }
    const platform::db::Recordset& Resultado() const { return resultado_; }

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    QString BaseAtual() const;
    void LimpaLinha(int r);

    platform::db::Connection cn;
    platform::db::Recordset resultado_;
    platform::controls::XArrayDB modelos_;
    int modelo_ = 0;
    QString TipoCampo;
    int TamanhoCampo = 0;
    std::array<QString, Linhas> ColunaFiltro, TipoFiltro;
};

}  // namespace utilities
