#pragma once

#include <QString>

class QDialog;

namespace platform::ui {

struct MessageRequest {
    QString text;
    int style = 0;
    QString title;
};

// The hook through which tests answer message boxes and drive modal dialogs. While a script is
// installed no message box is shown: the script answers it; a modal dialog is shown and handed to
// the script, which fills it and closes it.
class UiScript {
  public:
    virtual ~UiScript() = default;
    // Returns one of the Msg results.
    virtual int answerMessage(const MessageRequest& request) = 0;
    // Called once a modal dialog is shown (its load done, inside its loop). The script drives it and
    // must close it; a dialog still open when this returns is a test failure and is rejected.
    virtual void dialogShown(QDialog& dialog) = 0;
    // Called by EndProgram just before the process ends (a script may report what it still expected).
    virtual void programEnding() {}
};

// Installs (or, with nullptr, removes) the script. The caller keeps ownership.
void setUiScript(UiScript* script);
UiScript* uiScript();

}  // namespace platform::ui
