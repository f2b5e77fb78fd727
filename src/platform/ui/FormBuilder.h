#pragma once

#include <QString>

#include "platform/ui/Focus.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace platform::ui {

// Builds the controls of a window part on a grid: one call creates a control's place, gives it its
// name (its objectName, as tests find it), its caption and its tab index. Tab indexes are counted on
// one counter shared by every part of the window, so the tab order follows the calls; a caption
// joins the window's caption array at its control's tab index.
class FormBuilder {
  public:
    // A grid on `owner`; `captions` and `tabIndex` belong to the window and outlive the builder.
    FormBuilder(QWidget* owner, LabelArray& captions, int& tabIndex);

    // Names `control`, captions it (no caption when `caption` is empty) at (row, column) with the
    // control itself in the next column over `span` columns, and gives it the next tab index.
    template <class W>
    W* field(W* control, const char* name, const char* caption, int row, int column, int span = 1) {
        place(control, name, caption, row, column, span);
        return control;
    }
    // A text box of at most `maxLength` characters.
    QLineEdit* text(const char* name, const char* caption, int maxLength, int row, int column, int span = 1);
    // Gives `control` (a button, a tab control) its name and the next tab index, without a caption.
    template <class W>
    W* next(W* control, const char* name) {
        name_(control, name);
        return control;
    }
    QGridLayout* layout() const { return layout_; }
    QWidget* owner() const { return owner_; }

    // A button of the window that Enter never presses, with its name, caption and tool tip.
    static QPushButton* button(QWidget* owner, const char* name, const char* caption, const char* tip);

  private:
    void place(QWidget* control, const char* name, const char* caption, int row, int column, int span);
    void name_(QWidget* control, const char* name);

    QGridLayout* layout_;
    QWidget* owner_;
    LabelArray& captions_;
    int& tabIndex_;
};

// Makes `field` a password field: what is typed shows as "*".
void makePasswordField(QLineEdit* field);

// Gives `field` (a line field or a label) the least width that shows `widest`, the longest text it
// holds, whole: a layout never squeezes it below that.
void fitToText(QWidget* field, const QString& widest);
// The same for a text of `characters` characters of average width (a name of that length).
void fitToLength(QWidget* field, int characters);

// Sizes every line field of `window` that holds a fixed number of characters to about that many:
// never wider, so that a box that stops at 24 characters does not look as if it took a line, and not
// narrower (up to a limit) than what it holds. Runs when the window opens, after its load, so that
// every window gets it whoever set the lengths.
void fitFieldsToLengths(QWidget* window);

// Widens `window` (a dialog, or the frame of a child window) so that its caption is never cut, with
// room for the title bar's icon and buttons.
void keepTitleWhole(QWidget* window);

}  // namespace platform::ui
