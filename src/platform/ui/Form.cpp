#include "platform/ui/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStyle>
#include <map>

#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MdiHost.h"

namespace platform::ui {

namespace {
// Not owners: the MDI area owns the windows.
std::map<std::type_index, QPointer<Form>>& registry() {
    static std::map<std::type_index, QPointer<Form>> forms;
    return forms;
}

// The window in front of the MDI area, even while a message box has the focus.
QMdiSubWindow* frontWindow() {
    MdiHost* host = mdiHost();
    return host ? host->mdiArea()->currentSubWindow() : nullptr;
}

// A window opens whole inside the MDI area, so that none of its buttons is out of sight or under the
// window behind: one cascade step below and right of the last window opened when it fits there, else
// at the top left, where a window larger than the area opens too.
void placeWhole(QMdiSubWindow* sub) {
    QMdiArea* area = sub->mdiArea();
    if (!area) return;
    int others = 0;
    for (QMdiSubWindow* w : area->subWindowList())
        if (w != sub && w->isVisible() && !w->isMinimized()) ++others;
    const int step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
    QRect frame(QPoint(others * step, others * step), sub->size());
    if (!area->viewport()->rect().contains(frame)) frame.moveTopLeft(QPoint(0, 0));
    sub->move(frame.topLeft());
}

void forget(Form* form) {
    auto& r = registry();
    for (auto it = r.begin(); it != r.end();) {
        if (it->second == form || it->second.isNull())
            it = r.erase(it);
        else
            ++it;
    }
}
}  // namespace

Form::Form(QWidget* parent) : QWidget(parent) { markAsForm(this); }

QMdiSubWindow* Form::subWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void Form::setOpener(QMdiSubWindow* opener) {
    if (opener != subWindow()) opener_ = opener;
}

bool Form::Load() {
    if (unloaded_ || loaded_) return !unloaded_;
    loaded_ = true;
    Guarded([this] { Form_Load(); });
    return !unloaded_;
}

bool Form::Unload() {
    if (unloaded_) return true;
    close();
    return unloaded_;
}

void Form::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    bool cancel = false;
    Guarded([&] { Form_Unload(cancel); });
    if (cancel) {
        event->ignore();
        return;
    }
    unloaded_ = true;
    event->accept();
    forget(this);
    if (QMdiSubWindow* sub = subWindow()) {
        const bool inFront = frontWindow() == sub;
        sub->hide();
        sub->deleteLater();
        // The user goes on where the window was opened from, not in another open window.
        if (inFront && opener_ && opener_->isVisible())
            if (QMdiArea* area = opener_->mdiArea()) area->setActiveSubWindow(opener_);
    } else {
        deleteLater();
    }
}

// The frame shows the window's own picture when it has one, as it changes (it is the program's icon
// otherwise, given when the window is shown).
bool Form::event(QEvent* event) {
    QMdiSubWindow* sub = subWindow();
    if (event->type() == QEvent::WindowIconChange && sub && testAttribute(Qt::WA_SetWindowIcon) &&
        sub->windowIcon().cacheKey() != windowIcon().cacheKey())
        sub->setWindowIcon(windowIcon());
    return QWidget::event(event);
}

Dialog::Dialog(QWidget* parent) : QDialog(parent) { markAsForm(this); }

bool Dialog::Load() {
    if (unloaded_) {
        unloaded_ = false;
        loaded_ = false;
    }
    if (loaded_) return true;
    loaded_ = true;
    Guarded([this] { Form_Load(); });
    return !unloaded_;
}

bool Dialog::runUnload() {
    bool cancel = false;
    Guarded([&] { Form_Unload(cancel); });
    return !cancel;
}

void Dialog::done(int result) {
    if (!unloaded_) {
        if (!runUnload()) return;
        unloaded_ = true;
    }
    QDialog::done(result);
}

void Dialog::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        if (!runUnload()) {
            event->ignore();
            return;
        }
        unloaded_ = true;
        QDialog::done(QDialog::Rejected);
    }
    event->accept();
}

namespace detail {

Form* findForm(std::type_index type) {
    auto& r = registry();
    auto it = r.find(type);
    if (it == r.end()) return nullptr;
    if (it->second.isNull() || it->second->isUnloaded()) {
        r.erase(it);
        return nullptr;
    }
    return it->second;
}

void activateForm(Form* form) {
    if (QMdiSubWindow* sub = form->subWindow()) {
        sub->showNormal();
        if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
    } else {
        form->show();
        form->raise();
        form->activateWindow();
    }
}

void reopenForm(Form* form) {
    form->setOpener(frontWindow());
    activateForm(form);
}

Form* showNewForm(std::type_index type, Form* form) {
    registry()[type] = form;
    return ShowInstance(form);
}

}  // namespace detail

Form* ShowInstance(Form* form) {
    QMdiSubWindow* sub = nullptr;
    form->setOpener(frontWindow());
    if (MdiHost* host = mdiHost()) {
        sub = host->mdiArea()->addSubWindow(form);
        // The window decides its own end: it deletes its frame when it unloads.
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    QPointer<Form> guard = form;
    if (!form->Load()) {
        if (guard) forget(guard);
        return nullptr;
    }
    if (!guard) return nullptr;
    fitFieldsToLengths(form);
    // Where the load put the focus, if it did.
    const QPointer<QWidget> chosen = form->focusWidget();
    // The window opens at least as large as what its load put in it asks for.
    if (sub) sub->resize(sub->size().expandedTo(sub->sizeHint()));
    // An MDI frame shows the toolkit's icon unless given one: it takes the window's own picture, or
    // else the program's icon.
    if (sub) sub->setWindowIcon(form->windowIcon());
    keepTitleWhole(sub ? static_cast<QWidget*>(sub) : form);
    form->show();
    detail::activateForm(form);
    if (sub && !sub->isMaximized()) placeWhole(sub);
    // The MDI area gives a window opened over a maximized one whatever focus its frame remembers; the
    // window opens where its load put the focus, or else in its first control.
    if (QWidget* start = chosen ? chosen.data() : firstInTabOrder(form);
        start && form->isActiveWindow() && QApplication::focusWidget() != start)
        start->setFocus(Qt::OtherFocusReason);
    return form;
}

QList<Form*> loadedForms() {
    QList<Form*> out;
    for (auto& [type, f] : registry())
        if (f && !f->isUnloaded()) out.push_back(f);
    return out;
}

void destroyAllForms() {
    auto& r = registry();
    std::vector<QPointer<Form>> all;
    for (auto& [type, f] : r) all.push_back(f);
    r.clear();
    for (auto& f : all) {
        if (!f) continue;
        if (QMdiSubWindow* sub = f->subWindow())
            delete sub;
        else
            delete f.data();
    }
}

}  // namespace platform::ui
