#pragma once

#include <QDate>
#include <QString>
#include <utility>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/db/Field.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class MaskEdBox;
class TDBNumber;
}  // namespace platform::controls

namespace Livros {

// "Informações Adicionais": the additional information the ICMS books print for one month of a
// company (a micro company's billing and note ranges, the observations of the entries and exits
// books), kept in Pos_Icms of the company's movement database, month by month through the year. It
// works on the books window's open movement connection, which it neither opens nor closes; a month is
// left only by save, cancel or clear.
class frmInfoAdi : public platform::ui::Dialog {
    Q_OBJECT
  public:
    frmInfoAdi(platform::db::Connection& movimento, qint64 codigoEmpresa, const QString& NomeEmpresa,
               const QDate& DataReferencia, QWidget* parent = nullptr);

    QLabel* lblEmpresa;
    QLabel* lblMes;
    QGroupBox* fraFat;
    platform::ui::LabelArray lblTit;
    platform::controls::TDBNumber* tdbFat;
    platform::controls::TDBNumber* tdbFatAcu;
    QGroupBox* fraM1;
    platform::controls::MaskEdBox* mskM1Ini;
    platform::controls::MaskEdBox* mskM1Fim;
    QGroupBox* fraD1;
    platform::controls::MaskEdBox* mskD1Ini;
    platform::controls::MaskEdBox* mskD1Fim;
    QGroupBox* fraObsEnt;
    QLineEdit* txtObsent1;
    QLineEdit* txtObsent2;
    QGroupBox* fraObsSai;
    QLineEdit* txtObssai1;
    QLineEdit* txtObssai2;
    QPushButton* cmdGravar;
    QPushButton* cmdCancelar;
    QPushButton* cmdApagar;
    QPushButton* cmdAnterior;
    QPushButton* cmdProximo;
    QPushButton* cmdSair;

    int MesAtual = 1;
    bool MicroEmpresa = true;

    void LimpaMask();
    void CarregaRegistro();
    void cmdAnterior_Click();
    void cmdApagar_Click();
    void cmdCancelar_Click();
    void cmdGravar_Click();
    void cmdProximo_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void Constroi();
    QList<QWidget*> Campos() const;
    // The fields that show the month's columns, each with its column.
    std::vector<std::pair<QWidget*, QString>> Colunas() const;
    void MostraColunas(const platform::db::Recordset& rs);

    platform::db::Connection& movimento_;
    // The month's row as it was shown, for the save's check against another copy's.
    std::vector<platform::db::Field> carregado_;
    qint64 codigoEmpresa_;
    QString nomeEmpresa_;
    QDate dataReferencia_;
};

}  // namespace Livros
