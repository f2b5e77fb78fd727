#pragma once

#include <QString>
#include <QTabWidget>
#include <vector>

namespace platform::report {

class ReportPreview;

// A window that report previews are drawn into: frmRelatorio (MDI child) or frmRelatorioModal (the
// terms' modal dialog). The print engine and the automation object accept either as the parent
// window of a preview.
class PreviewHost {
  public:
    virtual ~PreviewHost() = default;
    // Takes the preview and shows it in front.
    virtual void addPreview(ReportPreview* preview, const QString& title) = 0;
    virtual std::vector<ReportPreview*> previews() const = 0;
};

// The previews of one host, one tab each (the tab bar shows from the second preview on).
class PreviewTabs : public QTabWidget {
    Q_OBJECT
  public:
    explicit PreviewTabs(QWidget* parent = nullptr);
    void add(ReportPreview* preview, const QString& title);
    std::vector<ReportPreview*> previews() const;
};

// The host a widget is, or nullptr.
PreviewHost* previewHostOf(QWidget* widget);

}  // namespace platform::report
