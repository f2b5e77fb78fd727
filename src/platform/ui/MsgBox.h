#pragma once

#include <QString>

namespace platform::ui {

// Style flags and results of the original message box, with their original values.
namespace Msg {
constexpr int OKOnly = 0;
constexpr int OKCancel = 1;
constexpr int AbortRetryIgnore = 2;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int RetryCancel = 5;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int DefaultButton1 = 0;
constexpr int DefaultButton2 = 256;
constexpr int DefaultButton3 = 512;

constexpr int OK = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace Msg

// Shows a modal message box (icon, buttons and default button from `style`) and returns the button
// pressed as one of the Msg results. Under a test script the script answers instead.
int MsgBox(const QString& text, int style = Msg::OKOnly, const QString& title = QString());
// How many messages MsgBox has shown so far, so that a rule can tell whether a handler said anything.
int messagesShown();

}  // namespace platform::ui
