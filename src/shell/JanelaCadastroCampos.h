#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/db/Field.h"
#include "platform/db/Param.h"

class QWidget;

namespace shell {

// What the record-window frame does to a field by its kind, so that a window only lists its fields.

// The text a field shows (a mask with its prompts, a date as "dd/mm/yyyy" or its empty mask, a group
// of options the caption of the one chosen).
QString TextoCampo(const QWidget* campo);
void DefineTextoCampo(QWidget* campo, const QString& texto);
// Empties a field as the state "idle" does: text fields, date fields (their empty mask) and number
// fields (0); a check box loses its tick; a plain combo box and a mask field keep their text.
void EsvaziaCampo(QWidget* campo);
// Enabled and white, or disabled with the colour of the buttons; a group of options is left as it is.
void HabilitaCampo(QWidget* campo, bool habilita);
bool CampoHabilitado(const QWidget* campo);
// The value a field writes into its column, typed by the field's kind (an empty date is NULL); the
// stored value it keeps (GuardaValorCampo) while the clerk has not edited it.
platform::db::Param ValorCampo(const QWidget* campo);
// Shows a column's value in a field. A number beyond the field's limits shows 0 and a date beyond them
// shows empty: shown, the field would refuse it as the clerk leaves it, and nothing else could be done.
void MostraValorCampo(QWidget* campo, const platform::db::Field& valor);
void MostraValorCampo(QWidget* campo, const platform::db::Param& valor);

// A bound field remembers the stored value it was given. Where it cannot show that value as stored
// (too long, beyond its limits, not of its kind, a null), it keeps it and ValorCampo gives it back,
// byte for byte, until the clerk edits the field (any editing key or paste in it, even one that leaves
// the text as it was), the window's code changes its value, or the field is emptied: a save writes
// back what the clerk did not change.

// How a window writes a field's value (ValorCampo) into its column, where it rewrites it.
using EscritaCampo = std::function<platform::db::Param(const platform::db::Param&)>;
// Called once `campo` shows `gravado`, its column's stored value typed by the column's kind (a null
// text is DbNull): true when the field cannot show it as stored (its value, written by `escrita`,
// would differ; a masked field's trailing prompts and literals aside), and then keeps it.
bool GuardaValorCampo(QWidget* campo, const platform::db::Param& gravado, const EscritaCampo& escrita = {});
// A column's stored value typed for the field that shows it: a date, an amount, a yes/no, a text (a
// null is DbNull, in a date field the null date); a column of another kind shown as text is taken as
// the field shows it, since only a null of it could not be written back as stored. A field with a
// writing of its own (`proprio`) compares it with the column's value as the column's type holds it.
platform::db::Param ValorGravado(const QWidget* campo, const platform::db::Field& valor,
                                 bool proprio = false);
// The value a field writes into its column: the stored value it keeps, or its own value written by
// `escrita` (as it stands when none is given).
platform::db::Param ValorEscrito(const QWidget* campo, const EscritaCampo& escrita);
// The text of a field as a rule of the save reads it: the stored text it keeps (a value the clerk did
// not edit is checked as stored, not as the field shows it), or the field's text.
QString TextoGravado(const QWidget* campo);
// The field gives back a stored value it cannot show.
bool ValorGuardado(const QWidget* campo);
// The field still holds the stored value it was given: not edited, changed or emptied since.
bool CampoIntacto(const QWidget* campo);
// The program filled `campo` with a value of its own (a month's stored credit): from then on
// DigitadoDesde tells whether the clerk edited it (any editing key, paste or drop in it, even one that
// leaves the text as it was). What the program writes into the field is no typing.
void MarcaPreenchido(QWidget* campo);
bool DigitadoDesde(const QWidget* campo);
// A stored value as the clerk is told of it: "observ: texto", an amount with every decimal
// ("922337203685477,5807"), a date "dd/mm/yyyy", a yes/no "Verdadeiro" or "Falso"; a long text is cut
// and its length told.
QString NomeValorGuardado(const QString& rotulo, const platform::db::Param& gravado);
// Tells the clerk, under "Atenção", the values of the `registro` ("documento", "registro") just shown
// that its fields cannot show as stored and that a save keeps unless typed over; nothing when none.
void AvisaValoresGuardados(const QStringList& nomes, const QString& registro);
// The text of a field as its list cell shows it.
QString CelulaCampo(const QWidget* campo);

}  // namespace shell
