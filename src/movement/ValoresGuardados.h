#pragma once

#include <QDate>
#include <QStringList>
#include <vector>

#include "movement/CamposMes.h"

// What a movement window's fields cannot show of a stored document as it is stored: an amount beyond
// what its field holds (another tool wrote it), a missing entry date, a date outside the month. The
// window names them when it shows the document, and its save writes each such value back as stored
// unless the clerk typed into its field: a save never changes what the clerk did not change.
namespace movimento {

template <typename Documento>
class ValoresGuardados {
  public:
    // After `campos` showed `mostrado` (the document as the window meant to show it): each field whose
    // value now differs from it is kept, and the dates are checked against the month of `periodo`.
    // `extras` are further texts to name (the items' amounts, say). Returns the message to show,
    // empty when all is shown as stored.
    QString Confere(const CamposMes<Documento>& campos, const Documento& mostrado, const QDate& periodo,
                    const QStringList& extras = {});
    // `lido` (as the fields hold it) with every kept value the clerk did not type put back.
    void Restaura(Documento& lido) const;
    // Nothing kept (a new document).
    void Esquece() { guardados_.clear(); }

  private:
    struct Guardado {
        const ColunaMes<Documento>* coluna;
        platform::db::Param mostrado, gravado;
    };
    std::vector<Guardado> guardados_;
};

// The name of an amount beyond the widest the window takes (±99.999.999.999,99), "" otherwise.
QString ValorAlemDoCampo(const QString& rotulo, platform::values::Currency valor);

// What keeps a document's dates from placing it in the month of `periodo`, in the order a clerk mends
// them: a missing entry date, an entry date of another month, then, where `demiss` is given, a missing
// issue date (only where `emissaoExigida`) and an issue date after the month.
QStringList DatasForaDoMes(const QDate& periodo, const QDate& datalan, const QDate* demiss,
                           bool emissaoExigida);

}  // namespace movimento
