#include "platform/controls/MultiLineText.h"

#include <QKeyEvent>
#include <QMimeData>

#include "platform/ui/Focus.h"
#include "platform/ui/KeyFilter.h"

namespace platform::controls {

MultiLineText::MultiLineText(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setProperty("rt_ownInput", true);
}

namespace {
// The first `length` UTF-16 units of `text`, one fewer when the cut would split a character in two
// (an emoji's surrogate pair).
QString wholeCharacters(const QString& text, int length) {
    if (length >= text.size()) return text;
    if (length > 0 && text[length - 1].isHighSurrogate()) --length;
    return text.left(length);
}
}  // namespace

void MultiLineText::setText(const QString& text) {
    setPlainText(maxLength_ > 0 ? wholeCharacters(text, maxLength_) : text);
}

int MultiLineText::room() const {
    if (maxLength_ <= 0) return INT_MAX;
    return maxLength_ - static_cast<int>(toPlainText().size()) +
           static_cast<int>(textCursor().selectedText().size());
}

void MultiLineText::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        ui::sendTab();
        return;
    }
    const QString t = event->text();
    if (plain && t.size() == 1 && t[0].isPrint() && room() <= 0) return;
    QPlainTextEdit::keyPressEvent(event);
}

bool MultiLineText::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void MultiLineText::insertFromMimeData(const QMimeData* source) {
    QString t = source->text();
    if (ui::dropsQuotes(this)) t.remove(QLatin1Char('"'));
    t = wholeCharacters(t, std::max(0, room()));
    textCursor().insertText(t);
}

}  // namespace platform::controls
