#pragma once

#include <QString>
#include <deque>

#include "platform/ui/UiScript.h"

namespace testsupport {

// Answers message boxes in the order a test expects them. A message nobody expected, or whose text
// differs from the expected one, fails the test; answers still queued when the script ends fail too.
class MessageScript : public platform::ui::UiScript {
public:
    MessageScript();
    ~MessageScript() override;

    // Expect a box whose text is exactly `text` and answer it with `answer` (a Msg result).
    MessageScript& expect(const QString& text, int answer);
    // Expect a box with this text and title.
    MessageScript& expect(const QString& text, const QString& title, int answer);

    int answerMessage(const platform::ui::MessageRequest& request) override;
    // Dialogs are not expected by a plain message script: one shown fails the test and is rejected.
    void dialogShown(QDialog& dialog) override;

    // Every box shown so far, in order.
    const std::deque<platform::ui::MessageRequest>& shown() const { return shown_; }
    bool allAnswered() const { return expected_.empty(); }

private:
    struct Expected {
        QString text;
        QString title;
        bool checkTitle;
        int answer;
    };
    std::deque<Expected> expected_;
    std::deque<platform::ui::MessageRequest> shown_;
    platform::ui::UiScript* previous_;
};

}  // namespace testsupport
