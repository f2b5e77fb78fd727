#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "movement/DocumentoMes.h"
#include "shell/JanelaCadastro.h"

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
    // Each control shows its column of `d`, by the column's kind.
    void Mostra(const Documento& d) const;
    // A document holding each control's value in its column; the other columns empty.
    Documento Le() const;
    // The paired columns, in map order.
    Projecao<Documento> Colunas() const;

  private:
    std::vector<std::pair<QWidget*, const ColunaMes<Documento>*>> pares_;
};

}  // namespace movimento
