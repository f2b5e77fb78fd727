#pragma once

#include <QList>

class QWidget;

// The routines that act on a window's input controls by their kind (text box, combo box, check box,
// option button, frame, image, masked box, date, number, list combo, tabbed container); labels,
// buttons, lists and grids are never changed. `Controles` is a window (all its controls, in creation
// order) or a list of controls.
namespace Geral {

// Empties each field: an image loses its picture, a tabbed container shows tab 0, a check box is
// cleared, a text box or list combo gets "", a date field its empty text ("__/____" for a period,
// "__/__/____" otherwise), a number field 0. Masked boxes, plain combo boxes and option buttons stay.
void LimpaCampos(QWidget* Controles);
void LimpaCampos(const QList<QWidget*>& Controles);

// Enables or disables each field: tabbed containers, option buttons and check boxes only change their
// state; text boxes, combo boxes, masked boxes, date and number fields also turn white (enabled) or
// the button-face colour (disabled); frames and list combos stay as they are.
void HabilitaCampos(QWidget* Controles, bool Habilita);
void HabilitaCampos(const QList<QWidget*>& Controles, bool Habilita);

// Puts one blank into every empty text box and editable combo box (a field with anything, blanks
// included, stays as it is).
void PreencheBrancos(QWidget* Controles);
void PreencheBrancos(const QList<QWidget*>& Controles);

// Selects the whole text of the control that has the focus: a masked box over the whole width of its
// mask, any other field over its text; nothing for a control without text, and never an error.
void SelecionaTexto(QWidget* Controles = nullptr);

}  // namespace Geral
