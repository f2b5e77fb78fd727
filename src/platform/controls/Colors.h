#pragma once

#include <QColor>

class QWidget;

namespace platform::controls {

// Back colour of an input field: white while it may be edited, the button face of the current palette
// while it is disabled.
inline const QColor White{255, 255, 255};
QColor buttonFaceColor();
// The system's menu colour: the grey of a field the window locks while a record is open.
QColor menuColor();
void setBackColor(QWidget* field, const QColor& color);
QColor backColor(const QWidget* field);

}  // namespace platform::controls
