#pragma once

#include <QDialog>

#include "platform/report/PreviewHost.h"
#include "platform/ui/Form.h"

namespace platform::report {

// The preview host: an empty child window of the main window that report previews are drawn into.
// The automation prints share its default instance (a second print adds a second preview and the
// caption is the last one set); the book prints each make a new instance. Closing it unloads it
// with its previews, and closing its last preview closes it.
class frmRelatorio : public platform::ui::Form, public PreviewHost {
    Q_OBJECT
  public:
    explicit frmRelatorio(QWidget* parent = nullptr);

    // Shows the shared instance modeless in the MDI area (loading a new one when none is open) and
    // returns it: platform::ui::ShowForm<frmRelatorio>().
    static frmRelatorio* ShowShared();
    // Shows a new instance modeless in the MDI area and returns it.
    static frmRelatorio* ShowNew();
    // The shared instance when one is open, else nullptr.
    static frmRelatorio* shared();

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }

    void addPreview(ReportPreview* preview, const QString& title) override;
    std::vector<ReportPreview*> previews() const override;

  private:
    PreviewTabs* tabs_;
};

// The modal preview host of the terms: a dialog, since an MDI child cannot be modal. It shows one
// preview at a time: each new preview replaces the one before. The caller shows it with
// platform::ui::ShowModal.
class frmRelatorioModal : public platform::ui::Dialog, public PreviewHost {
    Q_OBJECT
  public:
    explicit frmRelatorioModal(QWidget* parent = nullptr);

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }

    void addPreview(ReportPreview* preview, const QString& title) override;
    std::vector<ReportPreview*> previews() const override;

  private:
    PreviewTabs* tabs_;
};

}  // namespace platform::report
