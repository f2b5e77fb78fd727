#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <functional>
#include <map>

class QAbstractButton;
class QWidget;

namespace platform::ui {

// `_LostFocus` and `_GotFocus` of a control. They run only for focus moves inside one window (Tab,
// Enter, a click, a move the code makes), never when a message box, a modal dialog or another window
// takes the focus or gives it back; the first focus a window receives after it opens counts as a move
// inside it. `_LostFocus` runs once the field being left has finished its own focus-out (so the text a
// check selects when it keeps the focus stays selected) and before the next control's `_GotFocus`. A
// click or shortcut on a button first completes the `_LostFocus` of the field being left (but see
// leavesUnchecked); when that handler keeps the focus in its field, that click (and no later one) is
// cancelled. Both run through Guarded.
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

// Where the user clicks is where the keys go. While a field is being left by a click (on a field, a
// cell, a tab or a button) or by an access key, and until the widget pointed at holds the focus and
// its press has been handled, every focus move the code asks is dropped, whichever call asks it (the
// ones below, a move queued meanwhile, QWidget::setFocus): only a move back into the field being left
// is kept (a check that refuses the value keeps the focus, and the click is cancelled). Tab, Enter and
// the moves the code makes on its own keep every move. The widget pointed at may move the focus from
// its own `_GotFocus` and `_Click`.

// Moves the focus to the next control in tab order at once, as the Tab key does.
void sendTab();
// Queues that move: it runs after the current handler and whatever is already queued.
void postTab();
// Queues a focus move to `control`.
void postFocus(QWidget* control);
// Puts the focus on `control` the way the code of a window does (a move inside the window).
void setFocusTo(QWidget* control);
// True while a click or an access key is being carried out (see above): a rule that only leads the
// keyboard onward has nothing to do then.
bool leavingByChoice();
// The widget pointed at while leavingByChoice; nullptr otherwise.
QWidget* chosenWidget();
// The exits of a window (Sair, Cancelar, a search list's Cancela, the preview's Fechar, the Ok of a
// window that only shows something) always do what they say: a field left by a click or the access
// key of one of them runs no check and no lookup of its own (no `_LostFocus`, no commit of a date or
// number), so nothing is asked or written on the way out. A check box or option button left that way
// still runs its `_LostFocus`: it holds nothing typed. The role is given where the window builds the
// button, never read from its caption, so a reworded exit keeps it.
void setExitRole(QAbstractButton* button);
template <class B>
B* asExit(B* button) {
    setExitRole(button);
    return button;
}
// True for a button with the exit role.
bool leavesUnchecked(const QWidget* control);

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
