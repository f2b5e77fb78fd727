// The event behaviour windows rely on and Qt does not give by itself: focus handlers only for moves
// inside a window, clicks that first complete the field's check, the keyboard rule of the data-entry
// windows and the controls' own key handlers. One application-wide event filter applies them all.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/values/Cp1252.h"

namespace platform::ui {

namespace {

constexpr const char* FormProperty = "rt_form";
constexpr const char* FocusSeenProperty = "rt_focusSeen";
constexpr const char* EntryKeysProperty = "rt_entryKeys";
constexpr const char* TabIndexProperty = "TabIndex";
constexpr const char* QuoteHookProperty = "rt_quoteHook";
constexpr const char* OwnInputProperty = "rt_ownInput";

class ControlHandlers : public QObject {
  public:
    using QObject::QObject;
    std::vector<std::function<void()>> lost, got, dblClick;
    std::vector<std::function<void(int&)>> keys;
};

ControlHandlers* handlersOf(QWidget* w, bool create) {
    if (!w) return nullptr;
    // No meta-object of its own, so found by its dynamic type, not by qobject_cast.
    for (QObject* child : w->children())
        if (auto* h = dynamic_cast<ControlHandlers*>(child)) return h;
    return create ? new ControlHandlers(w) : nullptr;
}

// A composite control (a list over its inner view) takes its focus and keys through its focus proxy;
// its handlers are its own.
QWidget* ownerOf(QWidget* w) {
    while (w && w->parentWidget() && w->parentWidget()->focusProxy() == w) w = w->parentWidget();
    return w;
}

bool ignoredReason(Qt::FocusReason r) {
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason || r == Qt::MenuBarFocusReason;
}

// The window whose keyboard rule applies to `w`, or nullptr.
QWidget* entryForm(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (p->property(EntryKeysProperty).isValid()) return p;
    return nullptr;
}

bool quoteMode(const QWidget* form) {
    return form && form->property(EntryKeysProperty).toInt() == static_cast<int>(EntryKeys::EnterAndQuote);
}

int keyAsciiOf(const QKeyEvent* k) {
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
    switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Escape:
            return 27;
        default:
            break;
    }
    const QString t = k->text();
    if (t.size() != 1 || !t[0].isPrint()) return -1;
    return values::ansiCode(t[0]);
}

Qt::Key keyOf(int code) {
    switch (code) {
        case 13:
            return Qt::Key_Return;
        case 8:
            return Qt::Key_Backspace;
        case 27:
            return Qt::Key_Escape;
        default:
            return static_cast<Qt::Key>(values::fromAnsiCode(code).toUpper().unicode());
    }
}

bool focusable(QWidget* w, QWidget* form) {
    return w && form->isAncestorOf(w) && w->isEnabled() && w->isVisible() && !w->focusProxy() &&
           (w->focusPolicy() & Qt::TabFocus);
}

QWidget* nextInForm(QWidget* from, bool forward) {
    QWidget* form = formOf(from);
    if (!form) return nullptr;
    QWidget* w = from;
    for (int guard = 0; guard < 10000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from) return nullptr;
        if (focusable(w, form)) return w;
    }
    return nullptr;
}

void moveFocus(bool forward) {
    QWidget* f = QApplication::focusWidget();
    if (!f) return;
    if (QWidget* n = nextInForm(f, forward))
        n->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void stripQuotesOnEdit(QLineEdit* le) {
    if (le->property(QuoteHookProperty).toBool()) return;
    le->setProperty(QuoteHookProperty, true);
    QObject::connect(le, &QLineEdit::textEdited, le, [le](const QString& text) {
        if (!text.contains(QLatin1Char('"')) || !dropsQuotes(le)) return;
        const int cursor = le->cursorPosition();
        const int before = text.left(cursor).count(QLatin1Char('"'));
        QString clean = text;
        clean.remove(QLatin1Char('"'));
        le->setText(clean);
        le->setCursorPosition(cursor - before);
    });
}

class Rules : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* obj, QEvent* ev) override {
        if (!obj->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(obj);
        switch (ev->type()) {
            case QEvent::FocusOut:
                focusOut(w, static_cast<QFocusEvent*>(ev)->reason());
                return false;
            case QEvent::FocusIn:
                focusIn(w, static_cast<QFocusEvent*>(ev)->reason());
                return false;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (cancelPressOn_ && (w == cancelPressOn_ || cancelPressOn_->isAncestorOf(w))) {
                    cancelPressOn_ = nullptr;
                    return true;
                }
                if (ev->type() == QEvent::MouseButtonDblClick) dblClick(w);
                return false;
            case QEvent::KeyPress:
                return key(w, static_cast<QKeyEvent*>(ev));
            case QEvent::Shortcut:
                return shortcut(w, static_cast<QShortcutEvent*>(ev));
            default:
                return false;
        }
    }

  private:
    void focusOut(QWidget* inner, Qt::FocusReason reason) {
        QWidget* w = ownerOf(inner);
        QPointer<QWidget> next = QApplication::focusWidget();
        lastOut_ = w;
        if (ignoredReason(reason) || !next || formOf(next) != formOf(w) || ownerOf(next) == w) return;
        if (auto* c = dynamic_cast<CommitsOnLeave*>(w)) Guarded([c] { c->commitEdit(); });
        auto* h = handlersOf(w, false);
        if (!h || h->lost.empty()) return;
        const auto calls = h->lost;
        for (const auto& f : calls) Guarded(f);
        if (next && QApplication::focusWidget() != next) {
            // The check kept (or moved) the focus: the click that was taking it is cancelled.
            cancelPressOn_ = next;
            QTimer::singleShot(0, this, [this] { cancelPressOn_ = nullptr; });
        }
    }

    void focusIn(QWidget* inner, Qt::FocusReason reason) {
        QWidget* w = ownerOf(inner);
        QWidget* form = formOf(w);
        if (!form) return;
        if (quoteMode(entryForm(w)))
            if (auto* le = qobject_cast<QLineEdit*>(w); le && !le->property(OwnInputProperty).toBool())
                stripQuotesOnEdit(le);
        const bool first = !form->property(FocusSeenProperty).toBool();
        form->setProperty(FocusSeenProperty, true);
        QWidget* prev = lastOut_;
        const bool inside = prev && ownerOf(prev) != w && formOf(prev) == form && !ignoredReason(reason);
        if (!inside && !first) return;
        auto* h = handlersOf(w, false);
        if (!h) return;
        const auto calls = h->got;
        for (const auto& f : calls) Guarded(f);
    }

    void dblClick(QWidget* w) {
        auto* h = handlersOf(w, false);
        if (!h && w->parentWidget() && qobject_cast<QAbstractScrollArea*>(w->parentWidget()))
            h = handlersOf(w->parentWidget(), false);
        if (!h) return;
        const auto calls = h->dblClick;
        for (const auto& f : calls) Guarded(f);
    }

    bool key(QWidget* w, QKeyEvent* k) {
        if (replaying_) return false;
        const bool popup = QApplication::activePopupWidget() != nullptr;
        QWidget* form = entryForm(w);
        const bool plain = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (form && !popup && plain && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
            if (auto* b = qobject_cast<QPushButton*>(w)) {
                b->click();
                return true;
            }
            sendTab();
            return true;
        }
        if (!popup && formOf(w) && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            moveFocus(k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier));
            return true;
        }
        if (quoteMode(form)) {
            if (k->text() == QStringLiteral("\"")) return true;
            if (k->matches(QKeySequence::Paste)) {
                auto* le = qobject_cast<QLineEdit*>(w);
                if (le && !le->property(OwnInputProperty).toBool()) {
                    QString t = QApplication::clipboard()->text();
                    t.remove(QLatin1Char('"'));
                    le->insert(t);
                    return true;
                }
            }
        }
        auto* h = handlersOf(ownerOf(w), false);
        if (!h || h->keys.empty()) return false;
        const int original = keyAsciiOf(k);
        if (original < 0) return false;
        int code = original;
        const auto calls = h->keys;
        for (const auto& f : calls) {
            Guarded([&] { f(code); });
            if (code == 0) return true;
        }
        if (code == original) return false;
        QKeyEvent replaced(QEvent::KeyPress, keyOf(code), k->modifiers(),
                           QString(values::fromAnsiCode(code)));
        replaying_ = true;
        QCoreApplication::sendEvent(w, &replaced);
        replaying_ = false;
        return true;
    }

    bool shortcut(QWidget* w, QShortcutEvent* se) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (!button || se->isAmbiguous() || !formOf(w) || !button->isEnabled()) return false;
        if (button->focusPolicy() != Qt::NoFocus && QApplication::focusWidget() != button) {
            button->setFocus(Qt::ShortcutFocusReason);
            if (QApplication::focusWidget() != button) return true;
        }
        button->click();
        return true;
    }

    QPointer<QWidget> lastOut_;
    QPointer<QWidget> cancelPressOn_;
    bool replaying_ = false;
};

Rules* rules() {
    static QPointer<Rules> instance;
    if (!instance && qApp) {
        instance = new Rules(qApp);
        qApp->installEventFilter(instance);
    }
    return instance;
}

}  // namespace

void markAsForm(QWidget* w) {
    w->setProperty(FormProperty, true);
    rules();
}

QWidget* formOf(const QWidget* control) {
    for (const QWidget* p = control; p; p = p->parentWidget())
        if (p->property(FormProperty).isValid()) return const_cast<QWidget*>(p);
    return nullptr;
}

void onLostFocus(QWidget* control, std::function<void()> slot) {
    rules();
    handlersOf(control, true)->lost.push_back(std::move(slot));
}

void onGotFocus(QWidget* control, std::function<void()> slot) {
    rules();
    handlersOf(control, true)->got.push_back(std::move(slot));
}

void onDblClick(QWidget* control, std::function<void()> slot) {
    rules();
    handlersOf(control, true)->dblClick.push_back(std::move(slot));
}

void onKeyPress(QWidget* control, std::function<void(int&)> slot) {
    rules();
    handlersOf(control, true)->keys.push_back(std::move(slot));
}

void onClick(QAbstractButton* button, std::function<void()> slot) {
    auto run = [slot = std::move(slot)] { Guarded(slot); };
    if (auto* check = qobject_cast<QCheckBox*>(button)) {
        QObject::connect(check, &QCheckBox::toggled, check, [run](bool) { run(); });
    } else if (auto* option = qobject_cast<QRadioButton*>(button)) {
        QObject::connect(option, &QRadioButton::toggled, option, [run](bool on) {
            if (on) run();
        });
    } else {
        QObject::connect(button, &QAbstractButton::clicked, button, [run] { run(); });
    }
}

void installEntryKeys(QWidget* form, EntryKeys keys) {
    rules();
    form->setProperty(EntryKeysProperty, static_cast<int>(keys));
}

bool dropsQuotes(const QWidget* control) { return quoteMode(entryForm(const_cast<QWidget*>(control))); }

void sendTab() { moveFocus(true); }

void postTab() {
    QMetaObject::invokeMethod(
        rules(), [] { sendTab(); }, Qt::QueuedConnection);
}

void postFocus(QWidget* control) {
    QPointer<QWidget> target = control;
    QMetaObject::invokeMethod(
        rules(),
        [target] {
            if (target) target->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void setFocusTo(QWidget* control) { control->setFocus(Qt::OtherFocusReason); }

void setTabIndex(QWidget* control, int index) { control->setProperty(TabIndexProperty, index); }

int tabIndex(const QWidget* control) {
    const QVariant v = control ? control->property(TabIndexProperty) : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

void applyTabOrder(QWidget* form) {
    auto all = form->findChildren<QWidget*>();
    std::vector<QWidget*> ordered;
    for (auto* w : all)
        if (tabIndex(w) >= 0) ordered.push_back(w);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](QWidget* a, QWidget* b) { return tabIndex(a) < tabIndex(b); });
    for (size_t i = 1; i < ordered.size(); ++i) QWidget::setTabOrder(ordered[i - 1], ordered[i]);
}

QLabel* LabelArray::operator()(int index) const {
    auto it = labels_.find(index);
    return it == labels_.end() ? nullptr : it->second.data();
}

void LabelArray::highlight(int index) {
    if (QLabel* old = (*this)(current_)) setForeColor(old, CaptionNormal);
    current_ = index;
    if (QLabel* now = (*this)(current_)) setForeColor(now, CaptionHighlight);
}

void setForeColor(QLabel* label, const QColor& color) {
    QPalette p = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::WindowText, color);
    label->setPalette(p);
}

QColor foreColor(const QLabel* label) {
    return label->palette().color(QPalette::Active, QPalette::WindowText);
}

}  // namespace platform::ui
