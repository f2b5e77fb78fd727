#pragma once

#include <QString>
#include <functional>
#include <utility>

class QAbstractButton;
class QWidget;

namespace platform::ui {

// Runs `body` and catches whatever it throws, so that no exception leaves a handler through Qt's
// signal code: the program's run-time error shows "Erro número " + number + " " + description under
// "Erro"; any other exception the same with the number the original platform gave its kind (7 out of
// memory, 9 out of range, 5 otherwise). The program goes on. Returns false when something was caught.
bool Guarded(const std::function<void()>& body) noexcept;

// The text shown for an untrapped error.
QString errorText(long number, const QString& description);
// Shows that text under "Erro".
void showError(long number, const QString& description);

// A handler slot of `receiver` entered through Guarded.
template <class R>
auto handler(R* receiver, void (R::*slot)()) {
    return [receiver, slot] { Guarded([&] { (receiver->*slot)(); }); };
}

// `_Click` of a button. A push button runs it when clicked (by mouse, key or shortcut); a check box
// whenever its value changes, by the user or by the code; an option button whenever it becomes selected,
// also by the code.
void onClick(QAbstractButton* button, std::function<void()> slot);
template <class R>
void onClick(QAbstractButton* button, R* receiver, void (R::*slot)()) {
    onClick(button, std::function<void()>([receiver, slot] { (receiver->*slot)(); }));
}

// Runs `check` when a push button of `form` is clicked, before its `_Click`, for every button but
// the exits (see leavesUnchecked): what the window still owes before any button acts (a value shown
// but not yet confirmed). When `check` returns false (or throws) the button's `_Click` does not run.
void onBeforeClick(QWidget* form, std::function<bool(QAbstractButton*)> check);

// `_DblClick` of a widget (a double click with the left button).
void onDblClick(QWidget* control, std::function<void()> slot);

// `_KeyPress(KeyAscii)`: runs before the control sees a typed character (Enter 13, Backspace 8, Esc 27
// and printable characters by their Windows-1252 code). Setting KeyAscii to 0 drops the key; another
// code replaces it.
void onKeyPress(QWidget* control, std::function<void(int& KeyAscii)> slot);
template <class R>
void onKeyPress(QWidget* control, R* receiver, void (R::*slot)(int&)) {
    onKeyPress(control, std::function<void(int&)>([receiver, slot](int& k) { (receiver->*slot)(k); }));
}

}  // namespace platform::ui
