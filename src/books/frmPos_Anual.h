#pragma once

#include <QVariant>
#include <array>
#include <optional>
#include <vector>

#include "books/pos_icms_sql.h"
#include "platform/controls/XArrayDB.h"
#include "platform/db/ColumnList.h"
#include "platform/db/Connection.h"
#include "platform/db/Field.h"
#include "platform/ui/Form.h"

class QPushButton;

namespace platform::controls {
class TDBGrid;
}

namespace Livros {

// The columns of the annual summary's grid: the month, the seven items of Pos_Icms, the final balance.
namespace ColunaAnual {
constexpr int Mes = 0, Saida = 1, O_deb = 2, Estcr = 3, Entra = 4, O_cre = 5, Estdb = 6, Scant = 7, Final = 8;
}

// The final balance of a month: Entra + O_cre + Estdb + Scant - (Saida + O_deb + Estcr); above 0 it is
// a credit, below 0 ICMS due.
platform::values::Currency SaldoFinal(const PosIcms::ItensIcms& m);

// The items of row `linha` of the annual grid's array (columns Saida to Scant), each cell read as an
// amount (a written Currency or the Brazilian text typed, an empty cell 0) and rounded to cents with
// Arredonda; null when a cell is no amount ("1,2,3"), its column then in `invalida`.
std::optional<PosIcms::ItensIcms> ItensDaLinha(const platform::controls::XArrayDB& a, int linha,
                                               int& invalida);

// The refusal of a cell that is no amount, naming its month (linha 0 is January) and its column.
QString CelulaInvalida(int linha, int coluna, const QString& texto);

// "Resumo de Apuração Anual - ICMS": the ICMS items of the twelve months of the movement database's
// year side by side, corrected in place and written back together. It works on the books window's
// open movement connection, which it neither opens nor closes. Months the table lacks are added
// first, so row i is month i + 1. The month and the final balance are not editable; only digits, the
// comma and Backspace are typed, and a cell that reads as no amount is refused and keeps its value.
// The save writes the cells the user changed, rounded to cents, in one transaction and closes
// (Accepted), or writes nothing, says so and stays open; an item not changed stays as stored.
class frmPos_Anual : public platform::ui::Dialog {
    Q_OBJECT
  public:
    explicit frmPos_Anual(platform::db::Connection& movimento, QWidget* parent = nullptr);

    platform::controls::TDBGrid* tdgIcms;
    QPushButton* cmdGravar;
    QPushButton* cmdCancelar;
    platform::controls::XArrayDB ArrayPosicao;

    void cmdGravar_Click();
    void tdgIcms_AfterColUpdate(int ColIndex);
    void tdgIcms_BeforeColUpdate(int ColIndex, const QVariant& OldValue, bool& Cancel);
    void tdgIcms_BeforeInsert(bool& Cancel);
    void tdgIcms_KeyPress(int& KeyAscii);

  protected:
    void Form_Load() override;

  private:
    // Shows the row's final balance; empty when a cell of it is no amount.
    void MostraSaldo(int linha);

    // Tells which stored items the grid cannot show as stored (a fraction of a cent).
    void AvisaGuardados();
    // Why the save of `ano` would write over an item another copy changed since the load; empty when
    // none of the items written changed.
    QString MudancaDoAno(const std::array<platform::db::ColumnList, 12>& ano);

    platform::db::Connection& BancoMovimento;
    // The cells the user changed: the save writes only these, every other item stays as stored.
    std::array<std::array<bool, 9>, 12> editadas_{};
    // Each month's items as loaded, for the save's check against another copy's.
    std::array<std::vector<platform::db::Field>, 12> carregados_;
    // A cell was refused since the user last typed in the grid.
    bool recusada_ = false;
};

}  // namespace Livros
