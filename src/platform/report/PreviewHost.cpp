#include "platform/report/PreviewHost.h"

#include "platform/report/ReportPreview.h"

namespace platform::report {

PreviewTabs::PreviewTabs(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("previews"));
    setTabBarAutoHide(true);
    setDocumentMode(true);
}

void PreviewTabs::add(ReportPreview* preview, const QString& title) {
    const int index =
        addTab(preview, title.isEmpty() ? QStringLiteral("Relatório %1").arg(count() + 1) : title);
    setCurrentIndex(index);
    connect(preview, &ReportPreview::closeRequested, preview, &QObject::deleteLater);
}

std::vector<ReportPreview*> PreviewTabs::previews() const {
    std::vector<ReportPreview*> result;
    for (int i = 0; i < count(); ++i)
        if (auto* p = qobject_cast<ReportPreview*>(widget(i))) result.push_back(p);
    return result;
}

PreviewHost* previewHostOf(QWidget* widget) { return dynamic_cast<PreviewHost*>(widget); }

}  // namespace platform::report
