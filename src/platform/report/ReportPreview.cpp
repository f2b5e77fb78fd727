#include "platform/report/ReportPreview.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/report/Render.h"
#include "platform/ui/Focus.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"

namespace platform::report {

namespace {
// Grey border around the paper in the view, in pixels.
constexpr int Border = 12;

QToolButton* button(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}
}  // namespace

PageView::PageView(const Document& document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document) {
    setObjectName(QStringLiteral("pageView"));
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void PageView::setPage(int index) {
    const int count = static_cast<int>(document_.pages.size());
    page_ = std::clamp(index, 0, std::max(0, count - 1));
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void PageView::setZoom(ZoomMode mode, int percent) {
    mode_ = mode;
    percent_ = std::clamp(percent, 10, 400);
    updateScrollBars();
    viewport()->update();
}

double PageView::scale() const {
    const PageSize& size = document_.pageSize;
    const double availableW = std::max(50, viewport()->width() - 2 * Border);
    const double availableH = std::max(50, viewport()->height() - 2 * Border);
    switch (mode_) {
        case ZoomMode::FitWidth:
            return availableW / size.widthMm;
        case ZoomMode::FitPage:
            return std::min(availableW / size.widthMm, availableH / size.heightMm);
        default:
            return logicalDpiX() / 25.4 * percent_ / 100.0;
    }
}

QImage PageView::renderedPage() const {
    const double k = scale();
    if (cachedPage_ == page_ && cachedScale_ == k && !cache_.isNull()) return cache_;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(document_.pageSize.widthMm * k * ratio),
                       qRound(document_.pageSize.heightMm * k * ratio));
    QImage image(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    if (page_ < static_cast<int>(document_.pages.size())) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        drawPage(painter, document_.pages[static_cast<std::size_t>(page_)], k);
    }
    cache_ = image;
    cachedPage_ = page_;
    cachedScale_ = k;
    return cache_;
}

void PageView::updateScrollBars() {
    const double k = scale();
    const int w = qRound(document_.pageSize.widthMm * k) + 2 * Border;
    const int h = qRound(document_.pageSize.heightMm * k) + 2 * Border;
    horizontalScrollBar()->setRange(0, std::max(0, w - viewport()->width()));
    verticalScrollBar()->setRange(0, std::max(0, h - viewport()->height()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setSingleStep(20);
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QImage image = renderedPage();
    const QSizeF size = image.deviceIndependentSize();
    const double x =
        std::max<double>(Border, (viewport()->width() - size.width()) / 2) - horizontalScrollBar()->value();
    const double y = Border - verticalScrollBar()->value();
    painter.drawImage(QPointF(x, y), image);
}

ReportPreview::ReportPreview(Document document, const PreviewOptions& options, QWidget* parent)
    : QWidget(parent), document_(std::move(document)) {
    setObjectName(QStringLiteral("reportPreview"));
    view_ = new PageView(document_, this);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    first_ = button(this, "firstPage", QStringLiteral("|<"), QStringLiteral("Primeira página"));
    previous_ = button(this, "previousPage", QStringLiteral("<"), QStringLiteral("Página anterior"));
    pageNumber_ = new QSpinBox(this);
    pageNumber_->setObjectName(QStringLiteral("pageNumber"));
    pageNumber_->setRange(1, std::max(1, pageCount()));
    pageCount_ = new QLabel(QStringLiteral("de %1").arg(pageCount()), this);
    pageCount_->setObjectName(QStringLiteral("pageCount"));
    next_ = button(this, "nextPage", QStringLiteral(">"), QStringLiteral("Próxima página"));
    last_ = button(this, "lastPage", QStringLiteral(">|"), QStringLiteral("Última página"));
    zoom_ = new QComboBox(this);
    zoom_->setObjectName(QStringLiteral("zoom"));
    zoom_->addItems(
        {QStringLiteral("Largura da página"), QStringLiteral("Página inteira"), QStringLiteral("100 %")});
    auto* print = button(this, "print", QStringLiteral("Imprimir"), QStringLiteral("Imprimir o relatório"));
    auto* pdf =
        button(this, "savePdf", QStringLiteral("Salvar PDF"), QStringLiteral("Salvar o relatório em PDF"));
    auto* close = ui::asExit(
        button(this, "closePreview", QStringLiteral("Fechar"), QStringLiteral("Fechar a visualização")));
    for (QWidget* w :
         {static_cast<QWidget*>(first_), static_cast<QWidget*>(previous_), static_cast<QWidget*>(pageNumber_),
          static_cast<QWidget*>(pageCount_), static_cast<QWidget*>(next_), static_cast<QWidget*>(last_)}) {
        w->setVisible(options.navigation);
        bar->addWidget(w);
    }
    bar->addSpacing(12);
    zoom_->setVisible(options.zoom);
    bar->addWidget(zoom_);
    bar->addSpacing(12);
    print->setVisible(options.print);
    pdf->setVisible(options.exportButton);
    close->setVisible(options.close);
    bar->addWidget(print);
    bar->addWidget(pdf);
    bar->addStretch(1);
    bar->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);

    connect(first_, &QToolButton::clicked, this, &ReportPreview::firstPage);
    connect(previous_, &QToolButton::clicked, this, &ReportPreview::previousPage);
    connect(next_, &QToolButton::clicked, this, &ReportPreview::nextPage);
    connect(last_, &QToolButton::clicked, this, &ReportPreview::lastPage);
    connect(pageNumber_, &QSpinBox::valueChanged, this, &ReportPreview::showPage);
    connect(zoom_, &QComboBox::currentIndexChanged, this, [this](int index) {
        setZoom(index == 0 ? ZoomMode::FitWidth : index == 1 ? ZoomMode::FitPage : ZoomMode::Percent, 100);
    });
    connect(print, &QToolButton::clicked, this, [this] { printReport(); });
    connect(pdf, &QToolButton::clicked, this, [this] { savePdf(); });
    connect(close, &QToolButton::clicked, this, &ReportPreview::closeRequested);
    updateControls();
}

void ReportPreview::showPage(int number) {
    view_->setPage(number - 1);
    updateControls();
}

void ReportPreview::firstPage() { showPage(1); }
void ReportPreview::previousPage() { showPage(currentPage() - 1); }
void ReportPreview::nextPage() { showPage(currentPage() + 1); }
void ReportPreview::lastPage() { showPage(pageCount()); }

void ReportPreview::setZoom(ZoomMode mode, int percent) {
    view_->setZoom(mode, percent);
    const int index = mode == ZoomMode::FitWidth ? 0 : mode == ZoomMode::FitPage ? 1 : 2;
    if (zoom_->currentIndex() != index) {
        const QSignalBlocker block(zoom_);
        zoom_->setCurrentIndex(index);
    }
}

void ReportPreview::updateControls() {
    const int page = currentPage();
    first_->setEnabled(page > 1);
    previous_->setEnabled(page > 1);
    next_->setEnabled(page < pageCount());
    last_->setEnabled(page < pageCount());
    if (pageNumber_->value() != page) {
        const QSignalBlocker block(pageNumber_);
        pageNumber_->setValue(page);
    }
}

bool ReportPreview::printReport() {
    QPrinter printer(QPrinter::HighResolution);
    setPaper(printer, document_.pageSize);
    printer.setDocName(document_.title);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setMinMax(1, std::max(1, pageCount()));
    if (platform::ui::ShowModal(dialog) != QDialog::Accepted) return false;
    QString reason;
    if (!printDocument(document_, printer, &reason)) {
        if (printer.outputFileName().isEmpty())
            platform::ui::MsgBox(QStringLiteral("Não foi possível imprimir o relatório."),
                                 platform::ui::Msg::OKOnly, QStringLiteral("Erro"));
        else
            tellUnsaved(printer.outputFileName(), reason);
        return false;
    }
    return true;
}

namespace {
// Kept for the running program only: the program keeps no settings file.
QString& lastPdfFolder() {
    static QString folder;
    return folder;
}
}  // namespace

QString proposedPdfPath(const QString& title) {
    QString name = title.trimmed();
    static const QRegularExpression notInNames(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    name.replace(notInNames, QStringLiteral("-"));
    if (name.isEmpty()) name = QStringLiteral("Relatório");
    QString folder = lastPdfFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    }
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

bool ReportPreview::savePdf() {
    const QFileInfo proposed(proposedPdfPath(document_.title));
    QFileDialog dialog(this, QStringLiteral("Salvar como PDF"), proposed.absolutePath(),
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setObjectName(QStringLiteral("savePdfDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(proposed.fileName());
    if (platform::ui::ShowModal(dialog) != QDialog::Accepted) return false;
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty()) return false;
    lastPdfFolder() = QFileInfo(path).absolutePath();
    QString reason;
    if (!writePdf(document_, path, &reason)) {
        tellUnsaved(path, reason);
        return false;
    }
    return true;
}

void ReportPreview::tellUnsaved(const QString& path, const QString& reason) {
    QString text = QStringLiteral("Não foi possível gravar o arquivo ") + QDir::toNativeSeparators(path) +
                   QStringLiteral(": ") + reason + QStringLiteral(".");
    if (QFileInfo::exists(path))
        text += QStringLiteral("\nO arquivo que já havia com esse nome ficou como estava.");
    platform::ui::MsgBox(text, platform::ui::Msg::OKOnly | platform::ui::Msg::Critical,
                         QStringLiteral("Erro"));
}

}  // namespace platform::report
