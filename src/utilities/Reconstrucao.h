#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace utilities {

// The moments of a rebuild an observer is told about (tests stop a run there).
enum class Etapa { Copia, Tabela, Conferido, Reserva, Renomeado };

// What a rebuild ended in: done, refused before anything was written (`recusas`, one line per table,
// column or type), or failed (`numero`, `erro`); in the last two the target is as it was.
struct ResultadoReconstrucao {
    bool feito = false;
    QStringList recusas;
    long numero = 0;
    QString erro;
};

struct Reconstrucao {
    QString modelo;             // the template of the current layout
    QString alvo;               // the old file, replaced by the rebuilt one
    QStringList tabelas;        // the tables carried, as the template spells them
    QString reserva;            // where the old file is kept; empty: nowhere
    bool recusaOutras = false;  // refuse a non-empty old table that is not carried
    std::function<void(Etapa, const QString&)> observador;
};

// Rebuilds `alvo` in the layout of `modelo`, never losing a row. A file that is not a sound database,
// an old column the template lacks, a column whose declared type differs and (with `recusaOutras`) a
// non-empty table not carried are refused before anything is written. The work is done on a copy of
// the template under a unique name beside the target: each carried table found in the old file (its
// name in any letter case) is emptied and filled with the old rows column by column by name, in one
// transaction, its automatic-number counter kept at the higher of both files, then every table is
// compared with the old one row for row and the copy checked. Only then is the old file kept as
// `reserva` (when given) and the copy renamed over the target in one step, so a failure, a full disk
// or a kill leaves the old file or the complete new one; a failed run removes its copy. Tables of the
// template the old file lacks keep the template's content.
ResultadoReconstrucao Reconstroi(const Reconstrucao& pedido);

}  // namespace utilities
