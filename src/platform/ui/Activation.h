#pragma once

class QWidget;

namespace platform::ui {

// Makes `window` the active window again after a modal returned (the offscreen platform does not do
// it, and without an active window Qt sends no focus events). Does nothing for nullptr.
void reactivate(QWidget* window);

}  // namespace platform::ui
