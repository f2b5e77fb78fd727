#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace utilities {

// The moments of a rebuild an observer is told about (tests stop a run there): the working copy made,
// one table carried (its name given), every table compared and the copy checked, the old file kept as
// backup, the copy renamed over the target.
enum class Etapa { Copia, Tabela, Conferido, Reserva, Renomeado };

// What the user chose for a table that failed: end the program, carry it again, or go on without it.
enum class Decisao { Aborta, Repete, Ignora };

// What a rebuild ended in: done; kept out by the guard (`impedimento`, the message to show); refused
// before anything was written (`recusas`, one line per table, column or type); stopped with tables
// left out (`ignoradas`) or on the user's abort (`abortado`); or failed (`numero`, `erro`). In all but
// the first the target is as it was.
struct ResultadoReconstrucao {
    bool feito = false;
    QString impedimento;
    QStringList recusas;
    QStringList ignoradas;
    bool abortado = false;
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
    QString pasta;             // the program folder whose other running copies keep the rebuild out
    bool apagaModelo = false;  // the template is the release's, used up by the rebuild: deleted last
    std::function<Decisao(const QString& tabela, long numero, const QString& erro)> falhaTabela;
};

// Rebuilds `alvo` in the layout of `modelo`, never losing a row. First the guard: another running copy
// on `pasta`, or a connection of this program on the target or the template, keeps it out. Then a
// file that is not a sound database, an old column the template lacks, a column whose declared type
// differs and (with `recusaOutras`) a non-empty table not carried are refused before anything is
// written. The work is done on a copy of the template under a unique name beside the target: each
// carried table found in the old file (its name in any letter case) is emptied and filled with the old
// rows column by column by name, in a transaction of its own, its automatic-number counter kept at the
// higher of both files, and compared with the old one row for row; a table that fails is put to
// `falhaTabela` (none: the run fails). With every table carried the copy is checked, the old file kept
// as `reserva` (when given) and the copy renamed over the target in one step, so a failure, a full
// disk or a kill leaves the old file or the complete new one. Tables of the template the old file
// lacks keep the template's content. Working files left by an interrupted run are removed first.
ResultadoReconstrucao Reconstroi(const Reconstrucao& pedido);

// The rebuild of a company's movement database `arquivo` (its path as found) in the layout of the
// program folder's "Movimento.mdb": the entry, exit and ISS month tables and the monthly positions;
// the old file kept beside it under its name plus ".bak".
Reconstrucao PedidoMovimento(const QString& pasta, const QString& arquivo);

// The rebuild of the registry database "Trabdados.mdb" of the program folder from the release's
// "Ajuste.mdb": the office's thirteen tables in their order; the old file kept as "seguro.bak" and
// "Ajuste.mdb" deleted last, its absence meaning the rebuild is done.
Reconstrucao PedidoCadastro(const QString& pasta);

}  // namespace utilities
