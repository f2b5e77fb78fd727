#include "platform/ui/Activation.h"

#include <QApplication>
#include <QWidget>

namespace platform::ui {

void reactivate(QWidget* window) {
    if (!window || !window->isVisible()) return;
    window->activateWindow();
    if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
}

}  // namespace platform::ui
