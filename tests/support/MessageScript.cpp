#include "support/MessageScript.h"

#include <gtest/gtest.h>

#include <QDialog>

#include "platform/ui/MsgBox.h"

namespace testsupport {

MessageScript::MessageScript() : previous_(platform::ui::uiScript()) { platform::ui::setUiScript(this); }

MessageScript::~MessageScript() {
    platform::ui::setUiScript(previous_);
    for (const auto& e : expected_) ADD_FAILURE() << "expected message never shown: " << e.text.toStdString();
}

MessageScript& MessageScript::expect(const QString& text, int answer) {
    expected_.push_back({text, QString(), false, answer});
    return *this;
}

MessageScript& MessageScript::expect(const QString& text, const QString& title, int answer) {
    expected_.push_back({text, title, true, answer});
    return *this;
}

int MessageScript::answerMessage(const platform::ui::MessageRequest& request) {
    shown_.push_back(request);
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected message: \"" << request.text.toStdString() << "\" (title \""
                      << request.title.toStdString() << "\")";
        return platform::ui::Msg::Cancel;
    }
    Expected e = expected_.front();
    expected_.pop_front();
    EXPECT_EQ(request.text.toStdString(), e.text.toStdString());
    if (e.checkTitle) {
        EXPECT_EQ(request.title.toStdString(), e.title.toStdString());
    }
    return e.answer;
}

void MessageScript::dialogShown(QDialog& dialog) {
    ADD_FAILURE() << "unexpected dialog: " << dialog.objectName().toStdString();
    dialog.reject();
}

}  // namespace testsupport
