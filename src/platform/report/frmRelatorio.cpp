#include "platform/report/frmRelatorio.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "platform/report/ReportPreview.h"

namespace platform::report {

namespace {
PreviewTabs* fill(QWidget* host) {
    auto* tabs = new PreviewTabs(host);
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);
    return tabs;
}

// The preview is drawn maximised inside the main window, so the sheet is seen at once.
frmRelatorio* maximised(frmRelatorio* host) {
    if (!host) return host;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(host->parentWidget()))
        sub->showMaximized();
    else
        host->showMaximized();
    return host;
}
}  // namespace

frmRelatorio::frmRelatorio(QWidget* parent) : platform::ui::Form(parent) {
    setObjectName(QStringLiteral("frmRelatorio"));
    resize(900, 700);
    tabs_ = fill(this);
}

frmRelatorio* frmRelatorio::ShowShared() { return maximised(platform::ui::ShowForm<frmRelatorio>()); }

frmRelatorio* frmRelatorio::ShowNew() {
    return maximised(static_cast<frmRelatorio*>(platform::ui::ShowInstance(new frmRelatorio)));
}

frmRelatorio* frmRelatorio::shared() { return platform::ui::FindForm<frmRelatorio>(); }

void frmRelatorio::addPreview(ReportPreview* preview, const QString& title) {
    tabs_->add(preview, title.isEmpty() ? caption() : title);
}

std::vector<ReportPreview*> frmRelatorio::previews() const { return tabs_->previews(); }

frmRelatorioModal::frmRelatorioModal(QWidget* parent)
    : platform::ui::Dialog(parent ? parent : QApplication::activeWindow()) {
    setObjectName(QStringLiteral("frmRelatorioModal"));
    tabs_ = fill(this);
    resize(900, 700);
}

void frmRelatorioModal::addPreview(ReportPreview* preview, const QString& title) {
    for (ReportPreview* old : tabs_->previews()) delete old;
    tabs_->add(preview, title.isEmpty() ? caption() : title);
    // Closing the preview closes the dialog: the terms go on with the next one.
    connect(preview, &ReportPreview::closeRequested, this, &QDialog::accept);
}

std::vector<ReportPreview*> frmRelatorioModal::previews() const { return tabs_->previews(); }

}  // namespace platform::report
