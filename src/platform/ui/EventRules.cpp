// The event behaviour windows rely on and Qt does not give by itself: focus handlers only for moves
// inside a window, clicks that first complete the field's check and then land where they point
// whatever the window's code asks, exits that leave a field unchecked, a wheel that changes no field,
// the keyboard rule of the data-entry windows and the controls' own key handlers. One
// application-wide event filter applies them all.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcutEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Cp1252.h"

namespace platform::ui {

namespace {

constexpr const char* FormProperty = "rt_form";
constexpr const char* FocusSeenProperty = "rt_focusSeen";
constexpr const char* EntryKeysProperty = "rt_entryKeys";
constexpr const char* TabIndexProperty = "TabIndex";
constexpr const char* QuoteHookProperty = "rt_quoteHook";
constexpr const char* OwnInputProperty = "rt_ownInput";
constexpr const char* ExitProperty = "rt_exit";

class ControlHandlers : public QObject {
  public:
    using QObject::QObject;
    std::vector<std::function<void()>> lost, got, dblClick;
    std::vector<std::function<void(int&)>> keys;
    std::vector<std::function<bool(QAbstractButton*)>> beforeClick;
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

// The window whose keyboard rule applies to `w`, or nullptr. A dialog has its own rules (or none),
// never those of the window that opened it.
QWidget* entryForm(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (p->property(EntryKeysProperty).isValid()) return p;
        if (p->isWindow()) return nullptr;
    }
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

// What a single-line field of a data-entry window never takes: control characters (a tab or line
// feed would end up inside fixed-width files and printed lines) and, where the window says so, the
// double quote.
bool refused(QChar c, bool quotes) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F || (quotes && c == u'"');
}

QString withoutRefused(QString t, bool quotes) {
    t.removeIf([quotes](QChar c) { return refused(c, quotes); });
    return t;
}

// The refused characters of the text an edit put in (typed, pasted from the context menu, dropped),
// never those the field already held: loaded data is never changed behind the user's back.
void stripQuotesOnEdit(QLineEdit* le) {
    if (le->property(QuoteHookProperty).toBool()) return;
    le->setProperty(QuoteHookProperty, true);
    // The text before the edit: Qt reports an edit before the change it makes. Read from the field,
    // not from the signal, since a change that the filter itself made is reported afterwards with the
    // text as it was edited.
    auto before = std::make_shared<QString>(le->text());
    QObject::connect(le, &QLineEdit::textChanged, le, [le, before] { *before = le->text(); });
    QObject::connect(le, &QLineEdit::textEdited, le, [le, before](const QString& text) {
        // The field's length limit cut a character in two (an emoji is two UTF-16 units): its first
        // half goes too, so the text holds whole characters.
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i].isHighSurrogate() && (i + 1 == text.size() || !text[i + 1].isLowSurrogate())) {
                const int cursor = le->cursorPosition();
                le->setText(QString(text).remove(i, 1));
                le->setCursorPosition(cursor > i ? cursor - 1 : cursor);
                return;
            }
        const bool quotes = dropsQuotes(le);
        if (std::none_of(text.begin(), text.end(), [quotes](QChar c) { return refused(c, quotes); })) return;
        const QString& old = *before;
        // The edit replaced old[prefix, old.size() - suffix) by text[prefix, text.size() - suffix).
        // The cursor stands at the end of what was put in, which places the change among equal
        // characters (a quote put before a quote).
        const qsizetype cursor = le->cursorPosition();
        const qsizetype shorter = std::min(old.size(), text.size());
        const qsizetype growth = std::max<qsizetype>(0, text.size() - old.size());
        const qsizetype limit = std::clamp<qsizetype>(cursor - growth, 0, shorter);
        qsizetype prefix = 0;
        while (prefix < limit && old[prefix] == text[prefix]) ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix && old[old.size() - 1 - suffix] == text[text.size() - 1 - suffix])
            ++suffix;
        const QString inserted = text.mid(prefix, text.size() - prefix - suffix);
        const QString kept = withoutRefused(inserted, quotes);
        if (kept.size() == inserted.size()) return;
        // The cursor keeps its place in the text; the characters dropped before it move it back.
        const QString upToCursor = inserted.left(std::clamp(cursor - prefix, qsizetype(0), inserted.size()));
        const qsizetype dropped = upToCursor.size() - withoutRefused(upToCursor, quotes).size();
        le->setText(text.left(prefix) + kept + text.right(suffix));
        le->setCursorPosition(static_cast<int>(cursor - dropped));
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
            case QEvent::Polish:
                // The wheel never moves the focus: the keys go where the clerk clicked.
                if ((w->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus) w->setFocusPolicy(Qt::StrongFocus);
                return false;
            case QEvent::Wheel:
                // A value changes only by the clerk's click or keys: the wheel over a field that steps
                // its value goes on to what holds the field (a list or page around it still scrolls).
                if (!stepsByWheel(w)) return false;
                ev->ignore();
                return true;
            case QEvent::FocusOut:
                focusOut(w, static_cast<QFocusEvent*>(ev)->reason());
                return false;
            case QEvent::FocusIn:
                return focusIn(w, static_cast<QFocusEvent*>(ev)->reason());
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                // A tab clicked hides the page holding the focus: the focus leaves its field while the
                // press is being handled.
                tabPress_ = qobject_cast<QTabBar*>(w) != nullptr;
                // The press that took the focus reaches the filters only after the focus moved, so
                // the first press seen after the cancel was armed is that press.
                if (cancelPress_) {
                    cancelPress_ = false;
                    return true;
                }
                if (ev->type() == QEvent::MouseButtonDblClick)
                    dblClick(w);
                else
                    pointedAt(w);
                return false;
            case QEvent::MouseButtonRelease:
                cancelPress_ = false;
                tabPress_ = false;
                // The press is over: the widget clicked holds the focus, and its click is its own.
                endChoice();
                return false;
            case QEvent::ShortcutOverride:
                // An access key of the window's own buttons comes before the main menu's: the key
                // press is then delivered, and presses the button.
                if (!accessKeyButtons(w, static_cast<QKeyEvent*>(ev)).empty()) {
                    ev->accept();
                    return true;
                }
                return false;
            case QEvent::KeyPress:
                endChoice();
                return key(w, static_cast<QKeyEvent*>(ev));
            case QEvent::Shortcut:
                return shortcut(w, static_cast<QShortcutEvent*>(ev));
            default:
                return false;
        }
    }

  public:
    // True while a click (on a button, a field, a cell or a tab) or an access key is being carried
    // out: from the moment the field is left until the widget pointed at holds the focus and its
    // press has been handled.
    bool choosing() const { return choice_.to != nullptr; }
    QWidget* chosen() const { return choice_.to; }

    // True when a focus move the code asks to `target` must be dropped: a click or an access key is
    // being carried out and `target` is neither the widget pointed at nor the field being left (a
    // check that refuses its value keeps the focus there). When the check disabled or hid the widget
    // pointed at, the click is void and the code decides again; a dialog the check opened moves its
    // own focus freely.
    bool refuses(const QWidget* target) const {
        QWidget* to = choice_.to;
        if (!to || !target || !takesFocus(to) || formOf(target) != formOf(to)) return false;
        return !related(target, to) && !related(target, choice_.from);
    }

  private:
    struct Choice {
        QPointer<QWidget> from, to;
    };

    // A drop-down, a spin box, a slider other than a scroll bar, a tab bar (its page would hide the
    // field holding the focus), or a widget inside one in the same window (a combo's own line edit).
    static bool stepsByWheel(QWidget* w) {
        for (QWidget* p = w; p; p = p->parentWidget()) {
            if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p) ||
                qobject_cast<QTabBar*>(p) ||
                (qobject_cast<QAbstractSlider*>(p) && !qobject_cast<QScrollBar*>(p)))
                return true;
            if (p->isWindow()) break;
        }
        return false;
    }

    // The field's caption (the label its window built at its tab index), or none.
    static void tellKept(QWidget* field) {
        QLabel* caption = nullptr;
        if (QWidget* form = formOf(field); form && tabIndex(field) >= 0)
            caption = form->findChild<QLabel*>(QStringLiteral("lblTit") + QString::number(tabIndex(field)));
        QString name = caption ? caption->text() : QString();
        name.remove(QLatin1Char('&'));
        name = name.trimmed();
        if (name.endsWith(QLatin1Char(':'))) name.chop(1);
        MsgBox(name.isEmpty() ? QStringLiteral("Este campo não aceita o valor informado, corrija-o !")
                              : QStringLiteral("O campo ") + name +
                                    QStringLiteral(" não aceita o valor informado, corrija-o !"),
               Msg::Exclamation, QString());
        field->setFocus(Qt::OtherFocusReason);
    }

    static bool takesFocus(QWidget* w) {
        while (w->focusProxy()) w = w->focusProxy();
        return w->isEnabled() && w->isVisible() && w->focusPolicy() != Qt::NoFocus;
    }

    // One control seen from outside: a compound control and the widgets inside it that take its focus.
    static bool related(const QWidget* a, const QWidget* b) {
        if (!a || !b) return false;
        return a == b || b->isAncestorOf(a) || (a->isAncestorOf(b) && formOf(a) != a);
    }

    // The user points at `to` leaving `from`. It lasts until the press is released, or the button of
    // an access key is pressed, or the next key is typed: never by the turn of an event loop, so a
    // message box shown by the check of the field being left changes nothing.
    void choose(QWidget* from, QWidget* to) { choice_ = {from, to}; }
    void endChoice() { choice_ = {}; }

    // A press that moved no focus (a cell of the grid whose editor is open, the field that has the
    // focus) is a choice too: what the press sets off (the grid committing its cell) moves nothing. A
    // double click is the widget's own: its handler moves the focus as it pleases.
    void pointedAt(QWidget* pressed) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || choosing() || !formOf(pressed) || formOf(pressed) != formOf(focus)) return;
        choose(ownerOf(focus), ownerOf(focus));
    }

    // A focus move the code made by QWidget::setFocus while the user's choice is carried out goes
    // back to the widget pointed at; returns true when it did.
    bool divert(QWidget* inner, Qt::FocusReason reason) {
        QWidget* to = choice_.to;
        if (!to || chosenByUser(reason) || ignoredReason(reason) || !refuses(inner)) return false;
        QWidget* target = to;
        while (target->focusProxy()) target = target->focusProxy();
        pending_ = {};
        restoring_ = true;
        target->setFocus(Qt::OtherFocusReason);
        restoring_ = false;
        return true;
    }

    // Only Tab, Enter and the moves the code makes leave a field without the user naming where to.
    static bool chosenByUser(Qt::FocusReason reason) {
        return reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
    }

    // The eye follows the focus: a control that takes it on a hidden page of a tabbed container shows
    // that page (and those of the containers around it).
    static void showPageOf(QWidget* w) {
        for (QWidget* p = w; p && !p->isWindow(); p = p->parentWidget()) {
            auto* stack = qobject_cast<QStackedWidget*>(p->parentWidget());
            if (!stack || stack->currentWidget() == p) continue;
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
                const int page = tabs->indexOf(p);
                if (page >= 0 && tabs->isTabEnabled(page)) tabs->setCurrentIndex(page);
            }
        }
    }

    // A field's own focus-out (a line edit drops its selection and hides its cursor) must be over
    // before its `_LostFocus` runs, or what the handler does to the field it keeps (select its text)
    // is undone at once. So the focus-out only notes the move, and the handler runs when the focus-in
    // of the next control arrives, before that control sees it and before a click that moved the
    // focus is delivered.
    void focusOut(QWidget* inner, Qt::FocusReason reason) {
        if (restoring_) return;
        QWidget* w = ownerOf(inner);
        QPointer<QWidget> next = QApplication::focusWidget();
        lastOut_ = w;
        pending_ = {};
        // A control the focus left before its own focus-in arrived (the check of the field being
        // left took the focus back) was never entered, so it is not left either.
        if (inner == arriving_) return;
        if (ignoredReason(reason) || !next || formOf(next) != formOf(w) || ownerOf(next) == w) return;
        pending_ = {w, next, reason};
        if (chosenByUser(reason) || tabPress_) choose(w, ownerOf(next));
    }

    // Runs the pending `_LostFocus` of the control being left, when the focus arrives at `inner`;
    // false when that handler took the focus elsewhere.
    bool completeLeave(QWidget* inner) {
        const Leave leave = pending_;
        pending_ = {};
        if (!leave.from || leave.to != inner) return true;
        QWidget* w = leave.from;
        // An exit leaves a field as it is: no check, no lookup, no question. (A check box or
        // option button holds nothing typed to check: what its handler notes is still noted.) A window
        // being closed moves its focus through its fields as it hides: those are no moves either.
        if (chosenByUser(leave.reason) && leavesUnchecked(leave.to) && !qobject_cast<QAbstractButton*>(w))
            return true;
        if (QWidget* form = formOf(w); form && !form->isVisible()) return true;
        const QPointer<QWidget> arrivingBefore = arriving_;
        arriving_ = inner;
        const int messages = messagesShown();
        bool aceito = true;
        if (auto* c = dynamic_cast<CommitsOnLeave*>(w)) Guarded([c, &aceito] { aceito = c->commitEdit(); });
        if (auto* h = handlersOf(w, false); aceito && h && !h->lost.empty()) {
            const auto calls = h->lost;
            for (const auto& f : calls) Guarded(f);
        }
        arriving_ = arrivingBefore;
        if (QApplication::focusWidget() == inner) return true;
        // A check that keeps its field against the clerk's click says why: the clerk sees the click
        // refused, never swallowed.
        QWidget* now = QApplication::focusWidget();
        if (chosenByUser(leave.reason) && messagesShown() == messages && now && ownerOf(now) == w)
            Guarded([w] { tellKept(w); });
        // The check kept (or moved) the focus: the click that was taking it is cancelled. Only that
        // click: a move by Tab or by the code arms nothing, and the next press or release disarms it,
        // so no later click is ever lost.
        if (leave.reason == Qt::MouseFocusReason && QGuiApplication::mouseButtons() != Qt::NoButton)
            cancelPress_ = true;
        return false;
    }

    // Returns true when the focus-in is stale (the focus is no longer there) and must not be seen.
    bool focusIn(QWidget* inner, Qt::FocusReason reason) {
        if (restoring_) return false;
        if (divert(inner, reason)) return true;
        const QPointer<QWidget> from = pending_.to == inner ? pending_.from : QPointer<QWidget>();
        if (!completeLeave(inner)) return true;
        QWidget* w = ownerOf(inner);
        QWidget* form = formOf(w);
        if (!form || !form->isVisible()) return false;
        showPageOf(inner);
        if (entryForm(w))
            if (auto* le = qobject_cast<QLineEdit*>(w); le && !le->property(OwnInputProperty).toBool())
                stripQuotesOnEdit(le);
        const bool first = !form->property(FocusSeenProperty).toBool();
        form->setProperty(FocusSeenProperty, true);
        // A message box opened by the check of the field being left moves the focus away and back;
        // the move is still the one from that field.
        QWidget* prev = from ? from.data() : lastOut_.data();
        const bool inside = prev && ownerOf(prev) != w && formOf(prev) == form && !ignoredReason(reason);
        if (!inside && !first) return false;
        auto* h = handlersOf(w, false);
        if (!h) return false;
        // The widget pointed at reacts to the focus it was given as it pleases; what its press sets
        // off afterwards is again bound by the choice.
        const Choice choice = std::exchange(choice_, {});
        const auto calls = h->got;
        for (const auto& f : calls) Guarded(f);
        if (!choice_.to && choice.to && QApplication::focusWidget() == inner) choice_ = choice;
        return false;
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
        if (const auto buttons = accessKeyButtons(w, k); buttons.size() == 1) {
            pressByKey(buttons.front());
            return true;
        } else if (!buttons.empty()) {
            focusNextOf(buttons);
            return true;
        }
        const bool popup = QApplication::activePopupWidget() != nullptr;
        QWidget* form = entryForm(w);
        const bool plain = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (form && !popup && plain && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
            if (auto* b = qobject_cast<QPushButton*>(w)) {
                b->click();
                return true;
            }
            moveFocus(true);
            return true;
        }
        if (!popup && formOf(w) && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            moveFocus(k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier));
            return true;
        }
        if (form) {
            if (quoteMode(form) && k->text() == QStringLiteral("\"")) return true;
            if (k->matches(QKeySequence::Paste)) {
                auto* le = qobject_cast<QLineEdit*>(w);
                if (le && !le->property(OwnInputProperty).toBool()) {
                    le->insert(withoutRefused(QApplication::clipboard()->text(), quoteMode(form)));
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
        pressByKey(button);
        return true;
    }

    // The enabled, visible buttons of the window of `w` whose access key (Alt + its underlined
    // letter) `k` is, in tab order.
    static std::vector<QAbstractButton*> accessKeyButtons(QWidget* w, const QKeyEvent* k) {
        std::vector<QAbstractButton*> found;
        if (k->modifiers() != Qt::AltModifier || k->key() < Qt::Key_Space || k->key() > Qt::Key_ydiaeresis)
            return found;
        QWidget* form = formOf(w);
        if (!form) return found;
        const QKeySequence typed(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(k->key())));
        for (QAbstractButton* b : form->findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled() && formOf(b) == form &&
                QKeySequence::mnemonic(b->text()) == typed)
                found.push_back(b);
        std::stable_sort(found.begin(), found.end(),
                         [](QWidget* a, QWidget* b) { return tabIndex(a) < tabIndex(b); });
        return found;
    }

    // An access key that several controls share presses none of them: it moves the focus to the next
    // of them after the one that has it, as the desktop convention has it.
    static void focusNextOf(const std::vector<QAbstractButton*>& buttons) {
        QWidget* now = QApplication::focusWidget();
        auto at = std::find(buttons.begin(), buttons.end(), now);
        QAbstractButton* next = at == buttons.end() || at + 1 == buttons.end() ? buttons.front() : *(at + 1);
        next->setFocus(Qt::ShortcutFocusReason);
    }

    // A button pressed by its key first takes the focus, so that the field being left completes its
    // check; when that check keeps the focus, the button is not pressed.
    void pressByKey(QAbstractButton* button) {
        if (button->focusPolicy() != Qt::NoFocus && QApplication::focusWidget() != button) {
            button->setFocus(Qt::ShortcutFocusReason);
            if (QApplication::focusWidget() != button) return;
        }
        endChoice();
        button->click();
    }

    struct Leave {
        QPointer<QWidget> from, to;
        Qt::FocusReason reason = Qt::OtherFocusReason;
    };
    QPointer<QWidget> lastOut_;
    Leave pending_;
    QPointer<QWidget> arriving_;
    Choice choice_;
    bool restoring_ = false;
    bool cancelPress_ = false;
    bool replaying_ = false;
    bool tabPress_ = false;
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

namespace {
bool clearedToRun(QAbstractButton* button) {
    if (leavesUnchecked(button)) return true;
    auto* h = handlersOf(formOf(button), false);
    if (!h) return true;
    const auto checks = h->beforeClick;
    for (const auto& check : checks) {
        bool cleared = false;
        if (!Guarded([&] { cleared = check(button); }) || !cleared) return false;
    }
    return true;
}
}  // namespace

void onClick(QAbstractButton* button, std::function<void()> slot) {
    auto run = [slot = std::move(slot)] { Guarded(slot); };
    if (auto* check = qobject_cast<QCheckBox*>(button)) {
        QObject::connect(check, &QCheckBox::toggled, check, [run](bool) { run(); });
    } else if (auto* option = qobject_cast<QRadioButton*>(button)) {
        QObject::connect(option, &QRadioButton::toggled, option, [run](bool on) {
            if (on) run();
        });
    } else {
        QObject::connect(button, &QAbstractButton::clicked, button, [button, run] {
            if (clearedToRun(button)) run();
        });
    }
}

void onBeforeClick(QWidget* form, std::function<bool(QAbstractButton*)> check) {
    rules();
    handlersOf(form, true)->beforeClick.push_back(std::move(check));
}

void installEntryKeys(QWidget* form, EntryKeys keys) {
    rules();
    form->setProperty(EntryKeysProperty, static_cast<int>(keys));
}

bool dropsQuotes(const QWidget* control) { return quoteMode(entryForm(const_cast<QWidget*>(control))); }

bool leavingByChoice() {
    const Rules* r = rules();
    return r && r->choosing();
}

namespace {
bool refused(const QWidget* target) {
    const Rules* r = rules();
    return r && r->refuses(target);
}
}  // namespace

void sendTab() {
    if (!leavingByChoice()) moveFocus(true);
}

void postTab() {
    if (leavingByChoice()) return;
    QMetaObject::invokeMethod(
        rules(), [] { sendTab(); }, Qt::QueuedConnection);
}

void postFocus(QWidget* control) {
    if (refused(control)) return;
    QPointer<QWidget> target = control;
    QMetaObject::invokeMethod(
        rules(),
        [target] {
            if (target && !refused(target)) target->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void setFocusTo(QWidget* control) {
    if (!refused(control)) control->setFocus(Qt::OtherFocusReason);
}

QWidget* chosenWidget() {
    const Rules* r = rules();
    return r ? r->chosen() : nullptr;
}

void setExitRole(QAbstractButton* button) {
    rules();
    button->setProperty(ExitProperty, true);
}

bool leavesUnchecked(const QWidget* control) {
    return qobject_cast<const QAbstractButton*>(control) && control->property(ExitProperty).toBool();
}

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
    // Qt's setTabOrder moves a compound control together with what it takes for its last focus child
    // (the last focusable widget after its focus proxy inside it, such as every field of a tab
    // widget's pages, or a child that names the control as its own proxy, such as the viewport of a
    // multi-line field) as if they stood together in the focus chain. They often do not, and the chain
    // then splits in two rings, so that Tab never leaves one of them. So each control is chained by the
    // widget that really takes its focus, with those children's proxies lifted while the chain is
    // built: every move is one widget, and the ring stays whole.
    std::vector<QWidget*> targets;
    for (QWidget* w : ordered) {
        QWidget* t = w;
        while (t->focusProxy()) t = t->focusProxy();
        if (t->focusPolicy() != Qt::NoFocus && std::find(targets.begin(), targets.end(), t) == targets.end())
            targets.push_back(t);
    }
    std::vector<std::pair<QPointer<QWidget>, QWidget*>> lifted;
    for (QWidget* t : targets)
        for (QObject* o : t->children())
            if (auto* c = qobject_cast<QWidget*>(o); c && c->focusProxy() == t) {
                lifted.emplace_back(c, t);
                c->setFocusProxy(nullptr);
            }
    for (size_t i = 1; i < targets.size(); ++i) QWidget::setTabOrder(targets[i - 1], targets[i]);
    for (auto& [child, target] : lifted)
        if (child) child->setFocusProxy(target);
}

QWidget* firstInTabOrder(QWidget* form) {
    QWidget* first = nullptr;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (tabIndex(w) < 0 || (first && tabIndex(w) >= tabIndex(first))) continue;
        QWidget* t = w;
        while (t->focusProxy()) t = t->focusProxy();
        if (t->isEnabled() && t->isVisibleTo(form) && (t->focusPolicy() & Qt::TabFocus)) first = w;
    }
    if (!first) return nullptr;
    while (first->focusProxy()) first = first->focusProxy();
    return first;
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
