#pragma once

#include <QString>
#include <deque>
#include <functional>

#include "platform/ui/UiScript.h"

class QDialog;

namespace testsupport {

// Answers message boxes in the order a test expects them, and drives the modal dialogs it expects. A
// message or dialog nobody expected, or a message whose text differs from the expected one, fails the
// test; answers and dialog handlers still queued when the script ends fail too. Inside a death test's
// child (whose failures never reach the parent) such a failure writes a line to stderr and aborts, and
// so does an answer still unused when the program ends.
class MessageScript : public platform::ui::UiScript {
  public:
    MessageScript();
    ~MessageScript() override;

    // Expect a box whose text is exactly `text` and answer it with `answer` (a Msg result).
    MessageScript& expect(const QString& text, int answer);
    // Expect a box with this text and title.
    MessageScript& expect(const QString& text, const QString& title, int answer);
    // Expect the warning, answered OK, that the `record` shown keeps values its fields cannot show as
    // stored, naming them one a line.
    MessageScript& expectKept(const QString& names, const QString& record = QStringLiteral("registro"));
    // When the next modal dialog opens, it must have this objectName or class name (or a class it
    // inherits); `drive` fills it and must close it (accept, reject, a button click...).
    MessageScript& onDialog(const QString& nameOrClass, std::function<void(QDialog&)> drive);

    int answerMessage(const platform::ui::MessageRequest& request) override;
    void dialogShown(QDialog& dialog) override;
    void programEnding() override;

    // Every box shown so far, in order.
    const std::deque<platform::ui::MessageRequest>& shown() const { return shown_; }
    bool allAnswered() const { return expected_.empty() && dialogs_.empty(); }

  private:
    struct Expected {
        QString text;
        QString title;
        bool checkTitle;
        int answer;
    };
    struct DialogHandler {
        QString nameOrClass;
        std::function<void(QDialog&)> drive;
    };
    void fail(const std::string& what);

    std::deque<Expected> expected_;
    std::deque<DialogHandler> dialogs_;
    std::deque<platform::ui::MessageRequest> shown_;
    platform::ui::UiScript* previous_;
};

// True inside the child process of a death test.
bool inDeathTestChild();

}  // namespace testsupport
