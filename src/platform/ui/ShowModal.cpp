#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include "platform/ui/Activation.h"
#include "platform/ui/Form.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/UiScript.h"

namespace platform::ui {

int ShowModal(QDialog& dialog) {
    QPointer<QWidget> opener = QApplication::activeWindow();
    if (auto* own = qobject_cast<Dialog*>(&dialog)) {
        // Several dialogs close themselves while loading: entering the loop then would hang.
        if (!own->Load()) {
            reactivate(opener);
            return dialog.result();
        }
    }
    if (UiScript* script = uiScript()) {
        QPointer<QDialog> shown = &dialog;
        QTimer::singleShot(0, &dialog, [shown, script] {
            // The offscreen platform activates a new window only later; the script types into it now.
            reactivate(shown);
            script->dialogShown(*shown);
            if (shown && shown->isVisible()) {
                shown->reject();
                // A close the dialog's own unload refused must still end the loop.
                if (shown && shown->isVisible()) {
                    shown->setResult(QDialog::Rejected);
                    shown->hide();
                }
            }
        });
    }
    fitFieldsToLengths(&dialog);
    keepTitleWhole(&dialog);
    const int result = dialog.exec();
    reactivate(opener);
    return result;
}

}  // namespace platform::ui
