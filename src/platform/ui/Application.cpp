#include "platform/ui/Application.h"

#include "platform/ui/Handlers.h"

namespace platform::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    Guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

}  // namespace platform::ui
