#pragma once

#include <QApplication>

namespace platform::ui {

// The program's application object. Its notify is the last guard against an error no handler
// trapped: it shows "Erro número " + number + " " + description under "Erro" and the program goes on.
class Application : public QApplication {
    Q_OBJECT
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace platform::ui
