#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "movement/DocumentoMes.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"

class QWidget;

namespace movimento {

// A movement window's fields, each paired with the column of the month table's map it shows and
// edits: the one declaration from which the frame's detail fields, the load and the save are made.
template <typename Documento>
class CamposMes {
  public:
    // `pares`: each control with its column's name; a name the map lacks is a run-time error.
    explicit CamposMes(const std::vector<std::pair<QWidget*, QString>>& pares);

    // The frame's detail fields, in the same order.
    std::vector<shell::CampoCadastro> Campos() const;
    // How the window writes `controle`'s value into its column, where it rewrites it (a number from its
    // digits, a choice as its code): the field shows a stored value as stored when it writes it back so.
    void DefineEscrita(QWidget* controle, shell::EscritaCampo escrita);
    // Each control shows its column of `d`, by the column's kind.
    void Mostra(const Documento& d) const;
    // Once the controls show `gravado` (as stored), each remembers its column's value; the names of the
    // values they cannot show as stored and keep, dates and nulls aside (the window names a date by
    // what is wrong with it; a null shows empty).
    QStringList Guarda(const Documento& gravado) const;
    // A document holding each control's value in its column; the other columns empty.
    Documento Le() const;
    // The paired columns, in map order.
    Projecao<Documento> Colunas() const;
    // The columns of `colunas` with their values in `d`, as a save writes them: a column whose control
    // still holds the stored value it was given is left out, so that it stays as stored, byte for byte
    // (a date with a time part, a null amount); a new document has none. A column no control shows (an
    // item slot of a grid) is left out where its value is the one of `mostrado`, the document as the
    // window showed it when loaded: what the clerk left as shown stays as stored. Without `mostrado`
    // (a new document) every such column is written.
    platform::db::ColumnList Gravadas(const Documento& d, const Projecao<Documento>& colunas,
                                      const Documento* mostrado = nullptr) const;

  private:
    std::vector<std::pair<QWidget*, const ColunaMes<Documento>*>> pares_;
    std::vector<std::pair<QWidget*, shell::EscritaCampo>> escritas_;
};

}  // namespace movimento
