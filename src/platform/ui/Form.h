#pragma once

#include <QDialog>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <typeindex>
#include <typeinfo>

class QMdiSubWindow;

namespace platform::ui {

// A modeless window of the program, shown in the main window's MDI area, one shared instance per
// class (ShowForm). It is loaded when first shown (Form_Load runs then) and unloaded when it closes:
// its close box, close() and Unload() all run Form_Unload, which may cancel; an unloaded window is
// destroyed, and the next ShowForm loads a new one.
class Form : public QWidget {
    Q_OBJECT
  public:
    explicit Form(QWidget* parent = nullptr);

    // Runs Form_Load (once) through the handler guard; false when the load closed the window.
    bool Load();
    // Closes the window through Form_Unload; false when Form_Unload cancelled.
    bool Unload();
    bool isLoaded() const { return loaded_ && !unloaded_; }
    bool isUnloaded() const { return unloaded_; }
    QMdiSubWindow* subWindow() const;
    // The window that was in front when this one was opened or asked for again: it comes to the front
    // again when this one closes, rather than whichever window the MDI area would pick.
    QMdiSubWindow* opener() const { return opener_; }
    void setOpener(QMdiSubWindow* opener);

  protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(bool& Cancel) { (void)Cancel; }
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    bool loaded_ = false;
    bool unloaded_ = false;
    QPointer<QMdiSubWindow> opener_;
};

// A dialog the program shows modal with ShowModal. ShowModal runs Form_Load before the dialog's loop and
// does not enter the loop when the load closed the dialog. Every way of closing it (close box, Esc,
// reject(), accept(), done(), close()) runs Form_Unload first, which may cancel.
class Dialog : public QDialog {
    Q_OBJECT
  public:
    explicit Dialog(QWidget* parent = nullptr);

    bool Load();
    bool Unload() { return close(); }
    bool isLoaded() const { return loaded_ && !unloaded_; }
    bool isUnloaded() const { return unloaded_; }

    void done(int result) override;

  protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(bool& Cancel) { (void)Cancel; }
    void closeEvent(QCloseEvent* event) override;

  private:
    bool runUnload();
    bool loaded_ = false;
    bool unloaded_ = false;
};

namespace detail {
Form* findForm(std::type_index type);
Form* showNewForm(std::type_index type, Form* form);
void activateForm(Form* form);
// Brings an open window forward, asked for again from the window in front.
void reopenForm(Form* form);
}  // namespace detail

// Shows the one shared instance of W in the MDI area: a loaded one is activated; otherwise a new one
// is created, loaded and shown. Returns nullptr when the new window's load closed it.
template <class W>
W* ShowForm() {
    static_assert(std::is_base_of_v<Form, W>);
    if (Form* open = detail::findForm(typeid(W))) {
        detail::reopenForm(open);
        return static_cast<W*>(open);
    }
    return static_cast<W*>(detail::showNewForm(typeid(W), new W()));
}

// Shows a window that is not shared (a new one each time, such as a report preview) in the MDI area:
// loads it and shows it. Returns nullptr when its load closed it.
Form* ShowInstance(Form* form);

// The loaded instance of W, or nullptr.
template <class W>
W* FindForm() {
    return static_cast<W*>(detail::findForm(typeid(W)));
}

// Every loaded shared window.
QList<Form*> loadedForms();
// Destroys every shared window at once, without their Form_Unload (tests and the end of the program).
void destroyAllForms();

}  // namespace platform::ui
