#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <functional>

namespace testsupport {

// Driving a window as a person does, offscreen: the focus moves, the key filter and the focus rules
// apply exactly as for a user.

// The control of `root` with this objectName; fails the test when there is none.
QWidget* control(QWidget* root, const QString& name);
template <class T>
T* control(QWidget* root, const QString& name) {
    auto* w = qobject_cast<T*>(control(root, name));
    if (!w)
        ADD_FAILURE() << "control " << name.toStdString() << " is not a " << T::staticMetaObject.className();
    return w;
}

// Gives `w` the focus with a mouse click near its left edge (the cursor of a text field goes to its start).
void clickInto(QWidget* w);
// Clicks into the control by name and types `text` there (each character a key press).
void typeInto(QWidget* root, const QString& name, const QString& text);
// Types into whatever has the focus.
void typeText(const QString& text);
// Presses a key (with modifiers) on whatever has the focus.
void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void pressEnter();
void pressTab();
void pressEsc();
// Clicks a control by name with the left button (a button is pressed only when the focus rules let it).
void click(QWidget* root, const QString& name);
void click(QWidget* w);
// Presses the keyboard shortcut Alt+letter.
void pressShortcut(QChar letter);
// Pastes `text` from the clipboard into the focused field with Ctrl+V.
void paste(const QString& text);
// Runs everything queued (posted events, zero timers, deferred deletes).
void settle();
// The widget that has the focus now (nullptr when none).
QWidget* focused();
QString focusedName();

}  // namespace testsupport
