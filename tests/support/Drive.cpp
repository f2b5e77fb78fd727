#include "support/Drive.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QRadioButton>
#include <QTest>

namespace testsupport {

QWidget* control(QWidget* root, const QString& name) {
    if (!root) {
        ADD_FAILURE() << "no window to look for " << name.toStdString();
        return nullptr;
    }
    if (root->objectName() == name) return root;
    auto* w = root->findChild<QWidget*>(name);
    if (!w) ADD_FAILURE() << "no control named " << name.toStdString();
    return w;
}

void clickInto(QWidget* w) {
    if (!w) return;
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(2, w->height() / 2));
}

void typeInto(QWidget* root, const QString& name, const QString& text) {
    QWidget* w = control(root, name);
    if (!w) return;
    clickInto(w);
    typeText(text);
}

void typeText(const QString& text) {
    for (QChar c : text) {
        QWidget* f = QApplication::focusWidget();
        if (!f) {
            ADD_FAILURE() << "nothing has the focus to type into";
            return;
        }
        QTest::sendKeyEvent(QTest::Click, f, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
    }
}

void pressKey(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* f = QApplication::focusWidget();
    if (!f) f = QApplication::activeWindow();
    if (!f) {
        ADD_FAILURE() << "no focus and no active window for a key";
        return;
    }
    QTest::keyClick(f, static_cast<Qt::Key>(key), modifiers);
}

void pressEnter() { pressKey(Qt::Key_Return); }
void pressTab() { pressKey(Qt::Key_Tab); }
void pressEsc() { pressKey(Qt::Key_Escape); }

void click(QWidget* w) {
    if (!w) return;
    // A check box or option button reacts only on its box and caption, at its left.
    const bool boxed = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier,
                      boxed ? QPoint(6, w->height() / 2) : w->rect().center());
}

void click(QWidget* root, const QString& name) { click(control(root, name)); }

void pressShortcut(QChar letter) { pressKey(QChar(letter).toUpper().unicode(), Qt::AltModifier); }

void paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    pressKey(Qt::Key_V, Qt::ControlModifier);
}

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QWidget* focused() { return QApplication::focusWidget(); }
QString focusedName() { return focused() ? focused()->objectName() : QString(); }

}  // namespace testsupport
