#pragma once

#include <QDate>
#include <QStringList>

#include "platform/values/Currency.h"

// What the movement windows and the books check of a document's stored values beyond what its fields
// do: the items' amounts and the dates against the month.
namespace movimento {

// The name of an amount beyond the widest the window takes (±99.999.999.999,99), "" otherwise.
QString ValorAlemDoCampo(const QString& rotulo, platform::values::Currency valor);

// What keeps a document's dates from placing it in the month of `periodo`, in the order a clerk mends
// them: a missing entry date, an entry date of another month, then, where `demiss` is given, a missing
// issue date (only where `emissaoExigida`) and an issue date after the month.
QStringList DatasForaDoMes(const QDate& periodo, const QDate& datalan, const QDate* demiss,
                           bool emissaoExigida);

}  // namespace movimento
