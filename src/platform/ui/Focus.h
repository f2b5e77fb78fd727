#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <functional>
#include <map>

class QWidget;

namespace platform::ui {

// `_LostFocus` and `_GotFocus` of a control. They run only for focus moves inside one window (Tab,
// Enter, a click, a move the code makes), never when a message box, a modal dialog or another window
// takes the focus or gives it back; the first focus a window receives after it opens counts as a move
// inside it. `_LostFocus` runs once the field being left has finished its own focus-out (so the text a
// check selects when it keeps the focus stays selected) and before the next control's `_GotFocus`. A
// click or shortcut on a button first completes the `_LostFocus` of the field being left; when that
// handler keeps the focus in its field, that click (and no later one) is cancelled. Both run through
// Guarded.
void onLostFocus(QWidget* control, std::function<void()> slot);
void onGotFocus(QWidget* control, std::function<void()> slot);
template <class R>
void onLostFocus(QWidget* control, R* receiver, void (R::*slot)()) {
    onLostFocus(control, std::function<void()>([receiver, slot] { (receiver->*slot)(); }));
}
template <class R>
void onGotFocus(QWidget* control, R* receiver, void (R::*slot)()) {
    onGotFocus(control, std::function<void()>([receiver, slot] { (receiver->*slot)(); }));
}

// A control that settles its own value when the focus leaves it (a date or number field): it does so
// before the window's `_LostFocus` runs. commitEdit returns false when the control refused its text
// and kept the focus: the window's `_LostFocus` does not run then, and a click that was leaving the
// field is cancelled.
class CommitsOnLeave {
  public:
    virtual ~CommitsOnLeave() = default;
    virtual bool commitEdit() = 0;
};

// The window (form or dialog) a control belongs to, for the focus rules.
QWidget* formOf(const QWidget* control);
// Marks `w` as a window of the program (the Form and Dialog bases do it).
void markAsForm(QWidget* w);

// Moves the focus to the next control in tab order at once, as the Tab key does.
void sendTab();
// Queues that move: it runs after the current handler and whatever is already queued.
void postTab();
// Queues a focus move to `control`.
void postFocus(QWidget* control);
// Puts the focus on `control` the way the code of a window does (a move inside the window). A check
// that refuses the value of the field being left takes the focus back with it: a click that was
// leaving the field is then cancelled.
void setFocusTo(QWidget* control);
// The jump a `_LostFocus` makes only to lead the keyboard onward (to the next field or tab page). It
// belongs to Tab and Enter: when the field is being left by a click (on a button, a field or a tab)
// or an access key, nothing moves: the focus lands where the user pointed and a button runs.
void jumpTo(QWidget* control);
// True while a `_LostFocus` runs for a leave the user pointed at (a click or an access key), false for
// Tab, Enter and the moves the code makes: a rule that acts only on leaving onward checks it.
bool leavingByChoice();
// The queued form of jumpTo: nothing is queued when the field is being left by a click or access key.
void postJumpTo(QWidget* control);

// The tab index the window's layout gives a control; tabIndex is -1 for a control without one.
void setTabIndex(QWidget* control, int index);
int tabIndex(const QWidget* control);
// Builds the tab order of `form`'s controls from their tab indexes.
void applyTabOrder(QWidget* form);
// The control of `form` that Tab reaches first: the enabled, visible control of the lowest tab index
// that takes the focus (the widget that really takes it, for a compound control); nullptr when none.
QWidget* firstInTabOrder(QWidget* form);

// Caption colours of input fields: the caption of the field with the focus is blue, the others black.
inline const QColor CaptionHighlight{0, 0, 255};
inline const QColor CaptionNormal{0, 0, 0};

// A control array of caption labels indexed by the tab index of the field each captions (`lblTit`).
class LabelArray {
  public:
    void add(int index, QLabel* label) { labels_[index] = label; }
    QLabel* operator()(int index) const;
    bool contains(int index) const { return labels_.count(index) != 0; }
    // The caption highlight: the previous caption turns black, the one of `index` blue.
    void highlight(int index);
    int highlighted() const { return current_; }

  private:
    std::map<int, QPointer<QLabel>> labels_;
    int current_ = 0;
};

// Sets the text colour of a label.
void setForeColor(QLabel* label, const QColor& color);
QColor foreColor(const QLabel* label);

}  // namespace platform::ui
