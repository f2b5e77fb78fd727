#include "platform/ui/Hourglass.h"

#include <QApplication>
#include <QCursor>

namespace platform::ui {

void setHourglass() {
    if (!QApplication::overrideCursor()) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void resetPointer() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

bool hourglassShown() { return QApplication::overrideCursor() != nullptr; }

}  // namespace platform::ui
