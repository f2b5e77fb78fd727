#pragma once

class QDialog;

namespace platform::ui {

// Shows `dialog` modal and returns its result (QDialog::Accepted or Rejected). Runs the dialog's load
// first and does not enter its loop when the load closed it; makes the opener the active window
// again when the dialog returns. Under a test script the script drives the dialog.
int ShowModal(QDialog& dialog);

}  // namespace platform::ui
