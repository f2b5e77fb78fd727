#pragma once

#include <QString>

#include "platform/db/Field.h"
#include "platform/db/Param.h"

class QWidget;

namespace shell {

// What the record-window frame does to a field by its kind, so that a window only lists its fields.

// The text a field shows (a mask with its prompts, a date as "dd/mm/yyyy" or its empty mask).
QString TextoCampo(const QWidget* campo);
void DefineTextoCampo(QWidget* campo, const QString& texto);
// Empties a field as the state "idle" does: text fields, date fields (their empty mask) and number
// fields (0); a check box loses its tick; a plain combo box and a mask field keep their text.
void EsvaziaCampo(QWidget* campo);
// Enabled and white, or disabled with the colour of the buttons.
void HabilitaCampo(QWidget* campo, bool habilita);
bool CampoHabilitado(const QWidget* campo);
// The value a field writes into its column, typed by the field's kind (an empty date is NULL).
platform::db::Param ValorCampo(const QWidget* campo);
// Shows a column's value in a field.
void MostraValorCampo(QWidget* campo, const platform::db::Field& valor);
// The text of a field as its list cell shows it.
QString CelulaCampo(const QWidget* campo);

}  // namespace shell
