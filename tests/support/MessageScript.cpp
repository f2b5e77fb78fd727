#include "support/MessageScript.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <cstdio>
#include <cstdlib>

#include "platform/ui/MsgBox.h"

namespace testsupport {

bool inDeathTestChild() { return !GTEST_FLAG_GET(internal_run_death_test).empty(); }

MessageScript::MessageScript() : previous_(platform::ui::uiScript()) { platform::ui::setUiScript(this); }

MessageScript::~MessageScript() {
    platform::ui::setUiScript(previous_);
    for (const auto& e : expected_) fail("expected message never shown: " + e.text.toStdString());
    for (const auto& d : dialogs_) fail("expected dialog never shown: " + d.nameOrClass.toStdString());
}

void MessageScript::fail(const std::string& what) {
    if (inDeathTestChild()) {
        std::fprintf(stderr, "%s\n", what.c_str());
        std::fflush(stderr);
        std::abort();
    }
    ADD_FAILURE() << what;
}

MessageScript& MessageScript::expect(const QString& text, int answer) {
    expected_.push_back({text, QString(), false, answer});
    return *this;
}

MessageScript& MessageScript::expect(const QString& text, const QString& title, int answer) {
    expected_.push_back({text, title, true, answer});
    return *this;
}

MessageScript& MessageScript::expectKept(const QString& names, const QString& record) {
    return expect(
        "Este " + record +
            " guarda o que a janela não pode mostrar como está gravado; o que não for digitado será "
            "gravado como está:\n" +
            names,
        QStringLiteral("Atenção"), platform::ui::Msg::OK);
}

MessageScript& MessageScript::onDialog(const QString& nameOrClass, std::function<void(QDialog&)> drive) {
    dialogs_.push_back({nameOrClass, std::move(drive)});
    return *this;
}

int MessageScript::answerMessage(const platform::ui::MessageRequest& request) {
    shown_.push_back(request);
    if (expected_.empty()) {
        fail("unexpected message: \"" + request.text.toStdString() + "\" (title \"" +
             request.title.toStdString() + "\")");
        return platform::ui::Msg::Cancel;
    }
    Expected e = expected_.front();
    expected_.pop_front();
    if (request.text != e.text)
        fail("message \"" + request.text.toStdString() + "\" where \"" + e.text.toStdString() +
             "\" was expected");
    if (e.checkTitle && request.title != e.title)
        fail("message title \"" + request.title.toStdString() + "\" where \"" + e.title.toStdString() +
             "\" was expected");
    return e.answer;
}

void MessageScript::dialogShown(QDialog& dialog) {
    const std::string name =
        dialog.objectName().toStdString() + " (" + dialog.metaObject()->className() + ")";
    if (dialogs_.empty()) {
        fail("unexpected dialog: " + name);
        return;
    }
    DialogHandler h = std::move(dialogs_.front());
    dialogs_.pop_front();
    if (dialog.objectName() != h.nameOrClass && !dialog.inherits(h.nameOrClass.toLatin1().constData())) {
        fail("dialog " + name + " where " + h.nameOrClass.toStdString() + " was expected");
        return;
    }
    h.drive(dialog);
    if (dialog.isVisible()) fail("dialog " + name + " still open after its script");
}

void MessageScript::programEnding() {
    for (const auto& e : expected_) {
        std::fprintf(stderr, "expected message never shown: %s\n", e.text.toStdString().c_str());
        std::fflush(stderr);
        std::abort();
    }
    for (const auto& d : dialogs_) {
        std::fprintf(stderr, "expected dialog never shown: %s\n", d.nameOrClass.toStdString().c_str());
        std::fflush(stderr);
        std::abort();
    }
}

}  // namespace testsupport
