#include "platform/controls/MaskEdBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "platform/ui/KeyFilter.h"

namespace platform::controls {

MaskEdBox::MaskEdBox(QWidget* parent) : QLineEdit(parent) {
    // Its input is its own: the window's quote rule does not rewrite it behind the engine's back.
    setProperty("rt_ownInput", true);
    setAcceptDrops(false);
}

void MaskEdBox::setMask(const QString& mask) {
    const QString current = engine_.hasMask() ? engine_.text() : QLineEdit::text();
    engine_.setMask(mask);
    if (engine_.hasMask()) {
        engine_.setText(current);
        refresh(0);
    }
}

QString MaskEdBox::Text() const {
    if (!engine_.hasMask()) return QLineEdit::text();
    return promptInclude_ ? engine_.text() : engine_.textWithoutPrompts();
}

void MaskEdBox::setText(const QString& text) {
    if (!engine_.hasMask()) {
        QLineEdit::setText(text);
        return;
    }
    engine_.setText(text);
    refresh(0);
}

QString MaskEdBox::ClipText() const { return engine_.hasMask() ? engine_.clipText() : QLineEdit::text(); }

int MaskEdBox::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void MaskEdBox::setSelStart(int start) { setCursorPosition(start); }

int MaskEdBox::SelLength() const { return hasSelectedText() ? selectionLength() : 0; }

void MaskEdBox::setSelLength(int length) { setSelection(SelStart(), length); }

void MaskEdBox::refresh(int cursor) {
    QLineEdit::setText(engine_.text());
    setCursorPosition(std::clamp(cursor, 0, engine_.length()));
}

void MaskEdBox::clearSelectionOrAt(int pos, bool backwards) {
    if (hasSelectedText()) {
        const int start = selectionStart();
        engine_.clearRange(start, selectionLength());
        refresh(start);
        return;
    }
    const int p = backwards ? engine_.previousInput(pos) : engine_.nextInput(pos);
    if (p < 0 || p >= engine_.length()) return;
    engine_.clearRange(p, 1);
    refresh(backwards ? p : pos);
}

void MaskEdBox::pasteText(const QString& text) {
    QString t = text;
    if (ui::dropsQuotes(this)) t.remove(QLatin1Char('"'));
    if (!engine_.hasMask()) {
        insert(t);
        return;
    }
    int start = cursorPosition();
    if (hasSelectedText()) {
        start = selectionStart();
        engine_.clearRange(start, selectionLength());
    }
    const int after = engine_.paste(start, t);
    refresh(engine_.nextInput(after));
}

void MaskEdBox::keyPressEvent(QKeyEvent* event) {
    if (!engine_.hasMask()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteText(QApplication::clipboard()->text());
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        if (hasSelectedText()) {
            QApplication::clipboard()->setText(selectedText());
            clearSelectionOrAt(cursorPosition(), false);
        }
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) return;
    if (event->key() == Qt::Key_Backspace) {
        clearSelectionOrAt(cursorPosition(), true);
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        clearSelectionOrAt(cursorPosition(), false);
        return;
    }
    const QString t = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && t.size() == 1 && t[0].isPrint()) {
        int start = cursorPosition();
        if (hasSelectedText()) start = selectionStart();
        const int p = engine_.nextInput(start);
        if (p < engine_.length() && engine_.accepts(p, t[0])) {
            if (hasSelectedText()) engine_.clearRange(selectionStart(), selectionLength());
            const int after = engine_.type(p, t[0]);
            refresh(engine_.nextInput(after));
        }
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void MaskEdBox::contextMenuEvent(QContextMenuEvent* event) {
    if (!engine_.hasMask()) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    QMenu* menu = createStandardContextMenu();
    for (QAction* a : menu->actions()) {
        const QString name = a->objectName();
        if (name == QLatin1String("edit-paste")) {
            a->disconnect();
            connect(a, &QAction::triggered, this, [this] { pasteText(QApplication::clipboard()->text()); });
        } else if (name == QLatin1String("edit-cut") || name == QLatin1String("edit-delete") ||
                   name == QLatin1String("edit-undo") || name == QLatin1String("edit-redo")) {
            a->setVisible(false);
        }
    }
    menu->exec(event->globalPos());
    delete menu;
}

void MaskEdBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!engine_.hasMask()) QLineEdit::inputMethodEvent(event);
}

void MaskEdBox::mousePressEvent(QMouseEvent* event) {
    // The middle button would paste the selection past the mask.
    if (event->button() == Qt::MiddleButton && engine_.hasMask()) return;
    QLineEdit::mousePressEvent(event);
    // An empty field is typed from its first position, wherever it was clicked.
    if (event->button() == Qt::LeftButton && engine_.hasMask() && engine_.isEmpty())
        setCursorPosition(engine_.nextInput(0));
}

}  // namespace platform::controls
