#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace platform::controls {
class TDBList;
class XArrayDB;
}  // namespace platform::controls

namespace shell {

// How a list column compares when the list is sorted on it.
enum class TipoColuna { Texto, Numero, Data, Moeda };

struct ColunaLista {
    QString titulo;
    // The table column read into it when the list is filled (empty: the window fills it).
    QString coluna;
    TipoColuna tipo = TipoColuna::Texto;
};

// The list of a record window: an in-memory array of text cells, one row per table row (column 0
// the key), shown by a TDBList, with the sort the list keeps: the sort that follows a save is on
// column 0, with the order and kind of the last header event (a date key always as dates); a list whose
// key column is hidden (an automatic number) is sorted on the column of that event instead, as the
// user chose it. Rows are found
// by their key, never taken as "the current row", since a header sort clears the current row.
class ListaCadastro {
  public:
    ListaCadastro();
    ~ListaCadastro();
    ListaCadastro(const ListaCadastro&) = delete;
    ListaCadastro& operator=(const ListaCadastro&) = delete;

    // Binds the list control (nullptr for a window without a list) and its columns.
    void Configura(platform::controls::TDBList* lista, std::vector<ColunaLista> colunas,
                   TipoColuna tipoInicial);
    bool Existe() const { return lista_ != nullptr; }

    // Replaces every row and binds the array; the sort state goes back to column 0, ascending, with
    // the initial kind.
    void Carrega(const std::vector<QStringList>& linhas);
    int Linhas() const;
    QString Celula(int linha, int coluna) const;
    // The array row whose key (column 0) equals `chave`, or -1.
    int LinhaDaChave(const QString& chave) const;

    // PosicionaLista: the row of `chave` becomes the current row; with none the current row stays.
    void Posiciona(const QString& chave);
    int LinhaAtual() const;

    // After a save: a new row appended, or the cells of the row of `chave` replaced; then the array
    // is sorted again on column 0 and the list refreshed.
    void Grava(const QString& chave, const QStringList& celulas, bool inclusao);
    // After a delete: the row of `chave` removed and the list rebound.
    void Remove(const QString& chave);

    // The two header events: the current row is cleared and the array sorted on `coluna`, ascending
    // (0) or descending (1), by the column's kind; the column, order and kind are remembered.
    void OrdenaCabecalho(int coluna, int ordem);

    int Ordem() const { return ordem_; }
    TipoColuna TipoOrdem() const { return tipo_; }

  private:
    void Ordena(int coluna, TipoColuna tipo);

    platform::controls::TDBList* lista_ = nullptr;
    std::unique_ptr<platform::controls::XArrayDB> dados_;
    std::vector<ColunaLista> colunas_;
    TipoColuna tipoInicial_ = TipoColuna::Texto;
    int ordem_ = 0;
    int colunaOrdem_ = 0;
    TipoColuna tipo_ = TipoColuna::Texto;
};

}  // namespace shell
