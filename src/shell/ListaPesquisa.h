#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/db/Recordset.h"

class QComboBox;
class QDialog;
class QWidget;

namespace platform::controls {
class TDBList;
class XArrayDB;
}  // namespace platform::controls

namespace shell {

// The codes the lists of the search dialogs sort and find with.
namespace Pesquisa {
inline constexpr int Ascendente = 0;
inline constexpr int Descendente = 1;
inline constexpr int TipoMoeda = 3;
inline constexpr int TipoData = 4;
inline constexpr int TipoInteiro = 6;
inline constexpr int TipoTexto = 9;
inline constexpr int CompIgual = 1;
inline constexpr int CompComeca = 5;
}  // namespace Pesquisa

// How a cell of a search list is written from the value read: the value's own text unless a column
// gives its form.
using FormaCelula = std::function<QString(const platform::db::Field&)>;

// The cell forms of the lists; each writes a null value as the empty text.
namespace Forma {
// The whole number filled with zeros on the left to `largura` digits ("000012").
FormaCelula Zeros(int largura);
// A date or a number in one of the program's patterns ("dd/mm/yyyy", "####,##0.00").
FormaCelula Data(const QString& padrao);
FormaCelula Numero(const QString& padrao);
// A value typed into a masked field: the empty mask ("__.___.___/____-__") shows blank. A column
// without a form shows its text as stored.
FormaCelula Mascara();
}  // namespace Forma

// One column of a search list: its caption, its value type (3, 4, 6, 9), the comparison a find in it
// uses (1 equality, 5 a case-insensitive match of the typed beginning) and the form of its cells.
struct ColunaPesquisa {
    QString titulo;
    int tipo = Pesquisa::TipoTexto;
    int comparacao = Pesquisa::CompComeca;
    FormaCelula forma = {};
};

// A row read that the list shows empty: a record no one can choose (a company without a number).
using LinhaVazia = std::function<bool(const platform::db::Recordset&)>;

// The list of a search dialog: an in-memory array of values (one row per record) shown by a TDBList,
// with the sort and find that every search dialog offers. The array's rows are read until the end of
// the result. The column chooser (when the dialog has one) always shows the column the list is sorted
// by. The key of a row is the text of its column 0.
class ListaPesquisa : public QObject {
    Q_OBJECT
  public:
    ListaPesquisa(platform::controls::TDBList& lista, std::vector<ColunaPesquisa> colunas,
                  QComboBox* seletor = nullptr, QObject* parent = nullptr);
    ~ListaPesquisa() override;

    // Replaces the rows with every row of `rs` (one cell per column, by position, in the column's form;
    // null is the empty text; every cell empty in a row `semChave` names) and binds the array, standing
    // on the first row. Returns the number of rows.
    int Carrega(platform::db::Recordset& rs, const LinhaVazia& semChave = {});
    int Linhas() const;
    QString Celula(int linha, int coluna) const;

    // Sorts every row by `coluna` with `ordem` (0, 1); the order, value type and comparison become
    // that column's; the chooser shows the column.
    void Ordena(int coluna, int ordem);
    // The header click (ascending) and the list's second column event (descending).
    void Cabecalho(int coluna) { Ordena(coluna, Pesquisa::Ascendente); }
    void Rodape(int coluna) { Ordena(coluna, Pesquisa::Descendente); }
    // The chooser's selection: ascending by the chosen column.
    void SeletorMudou();

    // The first row, from row 0, whose cell in `coluna` matches `valor` by the column's comparison
    // (equality of numbers, dates or money; a typed beginning of a text), in any sort order; -1 when
    // none.
    int Procura(int coluna, const QString& valor) const;

    int Ordem() const { return ordem_; }
    int Tipo() const { return tipo_; }
    int Comparacao() const { return comparacao_; }
    int ColunaOrdenada() const { return coluna_; }

    int LinhaAtual() const;
    void DefineLinhaAtual(int linha);
    // The key (column 0) of the current row; none without a current row.
    std::optional<QString> ChaveAtual() const;

  private:
    platform::controls::TDBList& lista_;
    std::unique_ptr<platform::controls::XArrayDB> dados_;
    std::vector<ColunaPesquisa> colunas_;
    QComboBox* seletor_;
    int coluna_ = 1;
    int ordem_ = Pesquisa::Ascendente;
    int tipo_ = Pesquisa::TipoTexto;
    int comparacao_ = Pesquisa::CompComeca;
};

// The opener's side of a search: sets TituloPesquisa and TabelaPesquisa and shows `dialogo` modal.
// Returns the chosen key (ChaveComum), or none when the dialog ended with Cancelado, which is then
// cleared.
std::optional<QString> AbrePesquisa(QDialog& dialogo, const QString& titulo, const QString& tabela);

// The end of a search for a register's key field: the key (when one was chosen) goes into the field,
// the field gets the focus, and a Tab is queued so that the field's own lookup runs as if the key had
// been typed. Without a key the focus just goes back to the field.
void DevolveChave(QWidget* campoChave, const std::optional<QString>& chave);

// The search button beside a register's key field: `abre` (the search) runs only while the key field
// is empty. With a key typed, the key its own lookup left in ChaveComum is looked up again (unless
// Cancelado is set, which is cleared). Whatever happens, a run-time error included, the key field ends
// with the focus and its whole text selected.
void PesquisaDaChave(QWidget* campoChave, bool chaveVazia,
                     const std::function<std::optional<QString>()>& abre);

}  // namespace shell
