#include "platform/report/frmRelatorio.h"

#include <QApplication>
#include <QMdiArea>
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

// The preview is drawn maximised inside the main window, so the sheet is seen at once. It is given a
// size of its own first: the main area restores it when another window is opened over it, and a
// window maximised before it was ever laid out would come back as a bare title bar.
frmRelatorio* maximised(frmRelatorio* host) {
    if (!host) return host;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(host->parentWidget())) {
        if (!sub->isMaximized())
            if (QMdiArea* area = sub->mdiArea())
                sub->setGeometry(QRect(QPoint(0, 0), area->viewport()->size()));
        sub->showMaximized();
    } else {
        host->showMaximized();
    }
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

// Closing the last preview closes the window too: an empty window titled after the book would stay
// over the window that printed it.
void frmRelatorio::addPreview(ReportPreview* preview, const QString& title) {
    tabs_->add(preview, title.isEmpty() ? caption() : title);
    connect(preview, &ReportPreview::closeRequested, this, [this, preview] {
        const auto open = previews();
        if (open.size() == 1 && open.front() == preview) Unload();
    });
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
