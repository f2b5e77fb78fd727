#include "platform/ui/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "platform/ui/Activation.h"
#include "platform/ui/UiScript.h"

namespace platform::ui {

namespace {
UiScript* currentScript = nullptr;

QList<QMessageBox::StandardButton> buttonsOf(int style) {
    switch (style & 7) {
        case Msg::OKCancel:
            return {QMessageBox::Ok, QMessageBox::Cancel};
        case Msg::AbortRetryIgnore:
            return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
        case Msg::YesNoCancel:
            return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        case Msg::YesNo:
            return {QMessageBox::Yes, QMessageBox::No};
        case Msg::RetryCancel:
            return {QMessageBox::Retry, QMessageBox::Cancel};
        default:
            return {QMessageBox::Ok};
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case Msg::Critical:
            return QMessageBox::Critical;
        case Msg::Question:
            return QMessageBox::Question;
        case Msg::Exclamation:
            return QMessageBox::Warning;
        case Msg::Information:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int resultOf(QMessageBox::StandardButton b) {
    switch (b) {
        case QMessageBox::Ok:
            return Msg::OK;
        case QMessageBox::Cancel:
            return Msg::Cancel;
        case QMessageBox::Abort:
            return Msg::Abort;
        case QMessageBox::Retry:
            return Msg::Retry;
        case QMessageBox::Ignore:
            return Msg::Ignore;
        case QMessageBox::Yes:
            return Msg::Yes;
        case QMessageBox::No:
            return Msg::No;
        default:
            return Msg::Cancel;
    }
}
}  // namespace

void setUiScript(UiScript* script) { currentScript = script; }
UiScript* uiScript() { return currentScript; }

namespace {
int shown = 0;
}  // namespace

int messagesShown() { return shown; }

int MsgBox(const QString& text, int style, const QString& title) {
    ++shown;
    if (currentScript) return currentScript->answerMessage({text, style, title});

    QPointer<QWidget> opener = QApplication::activeWindow();
    QMessageBox box(iconOf(style), title.isEmpty() ? QApplication::applicationName() : title, text,
                    QMessageBox::NoButton, opener);
    const auto buttons = buttonsOf(style);
    for (auto b : buttons) box.addButton(b);
    const int defaultIndex = (style & 0x300) >> 8;
    if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex]);
    if (buttons.contains(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.size() == 1)
        box.setEscapeButton(buttons.front());
    box.exec();
    reactivate(opener);
    auto* clicked = box.clickedButton();
    return clicked ? resultOf(box.standardButton(clicked)) : resultOf(buttons.back());
}

}  // namespace platform::ui
