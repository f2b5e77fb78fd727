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
// installed no message box is shown: the script answers it.
class UiScript {
public:
    virtual ~UiScript() = default;
    // Returns one of the Msg results.
    virtual int answerMessage(const MessageRequest& request) = 0;
};

// Installs (or, with nullptr, removes) the script. The caller keeps ownership.
void setUiScript(UiScript* script);
UiScript* uiScript();

}  // namespace platform::ui
