#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QWidget>

#include "platform/report/PageModel.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace platform::report {

// Which controls a preview shows (the print job's window options).
struct PreviewOptions {
    bool navigation = true;
    bool print = true;
    bool exportButton = true;
    bool zoom = true;
    bool close = true;
};

enum class ZoomMode { FitWidth, FitPage, Percent };

// The page view: one page at a time, drawn from the page model at the zoom's scale (only the page
// shown is ever drawn, so a book of a thousand pages previews at once).
class PageView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit PageView(const Document& document, QWidget* parent = nullptr);

    int page() const { return page_; }
    void setPage(int index);
    void setZoom(ZoomMode mode, int percent = 100);
    ZoomMode zoomMode() const { return mode_; }
    // Screen pixels per millimetre of paper now.
    double scale() const;
    // The page as shown now (for tests).
    QImage renderedPage() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void updateScrollBars();
    const Document& document_;
    int page_ = 0;
    ZoomMode mode_ = ZoomMode::FitWidth;
    int percent_ = 100;
    mutable QImage cache_;
    mutable int cachedPage_ = -1;
    mutable double cachedScale_ = 0;
};

// The file "Salvar como PDF" proposes for a report titled `title`: the title (characters a file name
// cannot hold made "-"; "Relatório" when empty) with ".pdf", in the folder last chosen while the
// program runs, else in the user's documents folder, else in the home folder.
QString proposedPdfPath(const QString& title);

// One report's preview: the pages with first/previous/next/last, the page number, the zoom (fit
// width, fit page, 100 %), print (Qt's printer dialog) and save as PDF (Qt's file dialog). Both
// dialogs open through platform::ui::ShowModal, so a test script answers them.
class ReportPreview : public QWidget {
    Q_OBJECT
  public:
    ReportPreview(Document document, const PreviewOptions& options, QWidget* parent = nullptr);

    const Document& document() const { return document_; }
    PageView* view() const { return view_; }
    // The page shown, from 1.
    int currentPage() const { return view_->page() + 1; }
    int pageCount() const { return static_cast<int>(document_.pages.size()); }

  public slots:
    void showPage(int number);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void setZoom(ZoomMode mode, int percent = 100);
    // Opens the printer dialog and prints what it sets up; true when pages were sent.
    bool printReport();
    // Opens the save dialog and writes the PDF chosen, replacing a file of that name whole; true when
    // written. A failure is told with the file and its cause, and leaves the earlier file as it was.
    bool savePdf();

  signals:
    void closeRequested();

  private:
    void updateControls();
    // Tells that the PDF `path` was not written, and why.
    void tellUnsaved(const QString& path, const QString& reason);

    Document document_;
    PageView* view_;
    QToolButton* first_;
    QToolButton* previous_;
    QToolButton* next_;
    QToolButton* last_;
    QSpinBox* pageNumber_;
    QLabel* pageCount_;
    QComboBox* zoom_;
};

}  // namespace platform::report
