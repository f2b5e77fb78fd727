#include "platform/report/Render.h"

#include <QGlyphRun>
#include <QHash>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRawFont>
#include <array>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <deque>
#include <vector>

#include "platform/files/FileReplace.h"
#include "platform/report/Fonts.h"

namespace platform::report {

namespace {
constexpr int PdfDpi = 1200;

// The glyphs of each face at the device's size, looked up once per character: drawing glyph runs
// skips the text shaping a thousand-page book would otherwise pay for every field.
class GlyphCache {
  public:
    struct Face {
        FontSpec fontSpec;
        QRawFont raw;
        double ascentMm;
        double descentMm;
        std::array<std::pair<quint32, double>, 256> latin;
        QHash<char16_t, std::pair<quint32, double>> other;
    };

    explicit GlyphCache(double dotsPerMm) : k_(dotsPerMm) {}

    Face& face(const FontSpec& fontSpec) {
        for (auto& f : faces_)
            if (f.fontSpec == fontSpec) return f;
        ReportFonts& fonts = reportFonts();
        QFont font = fonts.font(fontSpec);
        QRawFont raw = QRawFont::fromFont(font);
        raw.setPixelSize(fontSpec.sizePt / 72.0 * 25.4 * k_);
        faces_.push_back({fontSpec, raw, fonts.ascentMm(fontSpec), fonts.descentMm(fontSpec), {}, {}});
        faces_.back().latin.fill({0, -1});
        return faces_.back();
    }

    static const std::pair<quint32, double>& glyph(Face& f, QChar c) {
        const char16_t u = c.unicode();
        std::pair<quint32, double>* slot;
        if (u < 256) {
            slot = &f.latin[u];
        } else {
            auto it = f.other.find(u);
            if (it == f.other.end()) it = f.other.insert(u, {0, -1});
            slot = &*it;
        }
        if (slot->second < 0) {
            const QList<quint32> index = f.raw.glyphIndexesForString(QString(c));
            const quint32 g = index.isEmpty() ? 0 : index.front();
            const QList<QPointF> advance = f.raw.advancesForGlyphIndexes(QList<quint32>{g});
            *slot = {g, advance.isEmpty() ? 0.0 : advance.front().x()};
        }
        return *slot;
    }

  private:
    double k_;
    std::deque<Face> faces_;
};

void drawTexts(QPainter& painter, const Page& page, double k, GlyphCache& cache) {
    // Texts of one face on one baseline, one after the other (the fields of a detail line), go out
    // as one glyph run: a book page then costs a few dozen runs instead of hundreds.
    QList<quint32> indexes;
    QList<QPointF> positions;
    GlyphCache::Face* runFace = nullptr;
    double runX = 0, runBaseline = 0;
    auto flush = [&] {
        if (!runFace || indexes.isEmpty()) return;
        QGlyphRun run;
        run.setRawFont(runFace->raw);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(runX * k, runBaseline * k), run);
        indexes.clear();
        positions.clear();
    };
    for (const auto& t : page.texts) {
        GlyphCache::Face& f = cache.face(t.font);
        double x = t.x;
        if (t.align == Align::Right)
            x = t.x + t.width - t.advance;
        else if (t.align == Align::Center)
            x = t.x + (t.width - t.advance) / 2;
        // The line of text is centred in its box.
        const double baseline = t.y + (t.height - (f.ascentMm + f.descentMm)) / 2 + f.ascentMm;
        if (&f != runFace || baseline != runBaseline) {
            flush();
            runFace = &f;
            runX = x;
            runBaseline = baseline;
        }
        double pen = (x - runX) * k;
        for (QChar c : t.text) {
            const auto& [g, advance] = GlyphCache::glyph(f, c);
            indexes.append(g);
            positions.append(QPointF(pen, 0));
            pen += advance;
        }
    }
    flush();
}

void drawShapes(QPainter& painter, const Page& page, double k) {
    painter.setBrush(Qt::NoBrush);
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::FlatCap);
    for (const auto& b : page.boxes) {
        pen.setWidthF(b.penMm * k);
        painter.setPen(pen);
        painter.drawRect(QRectF(b.x * k, b.y * k, b.width * k, b.height * k));
    }
    for (const auto& l : page.lines) {
        pen.setWidthF(l.penMm * k);
        painter.setPen(pen);
        painter.drawLine(QPointF(l.x1 * k, l.y1 * k), QPointF(l.x2 * k, l.y2 * k));
    }
    painter.setPen(QPen(Qt::black));
}

void drawWith(QPainter& painter, const Page& page, double k, GlyphCache& cache) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawShapes(painter, page, k);
    drawTexts(painter, page, k, cache);
    painter.restore();
}
}  // namespace

void drawPage(QPainter& painter, const Page& page, double k) {
    GlyphCache cache(k);
    drawWith(painter, page, k, cache);
}

// Qt's PDF writer compresses every page with a fresh zlib state of a few hundred kilobytes; left to
// its defaults, glibc hands that memory back to the system after each page and faults it in again
// for the next, which more than doubles the time of a long book. A long book's page model and the
// month's arrays behind it are of tens of megabytes: above glibc's mmap threshold each would be mapped
// afresh and faulted in page by page on every emission.
void keepHeap() {
#ifdef __GLIBC__
    static const bool tuned = [] {
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
        mallopt(M_TOP_PAD, 4 * 1024 * 1024);
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        return true;
    }();
    (void)tuned;
#endif
}

void setPaper(QPagedPaintDevice& device, const PageSize& size) {
    const bool landscape = size.widthMm > size.heightMm;
    const QSizeF portrait =
        landscape ? QSizeF(size.heightMm, size.widthMm) : QSizeF(size.widthMm, size.heightMm);
    const QPageSize pageSize(portrait, QPageSize::Millimeter, size.name, QPageSize::ExactMatch);
    device.setPageLayout(QPageLayout(pageSize, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

namespace {
// Draws the document's pages `pages` (indexes, in order; all when empty) one per page of `device`.
bool drawPages(QPagedPaintDevice& device, const Document& document, const std::vector<std::size_t>& pages,
               double dotsPerMm) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    GlyphCache cache(dotsPerMm);
    const std::size_t count = pages.empty() ? document.pages.size() : pages.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) device.newPage();
        drawWith(painter, document.pages[pages.empty() ? i : pages[i]], dotsPerMm, cache);
    }
    return painter.end();
}
}  // namespace

bool writePdf(const Document& document, const QString& path, QString* reason,
              const std::vector<std::size_t>& pages) {
    keepHeap();
    files::FileReplacement file(path);
    bool written = file.open();
    if (written) {
        QPdfWriter writer(&file.device());
        writer.setResolution(PdfDpi);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Redazor Tarvel"));
        setPaper(writer, document.pageSize);
        written = drawPages(writer, document, pages, PdfDpi / 25.4);
    }
    if (written) written = file.commit();
    if (!written && reason) *reason = file.reason();
    return written;
}

bool printDocument(const Document& document, QPrinter& printer, QString* reason) {
    keepHeap();
    const int count = static_cast<int>(document.pages.size());
    int from = 1, to = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
    }
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    const int copies = printer.supportsMultipleCopies() && !toFile ? 1 : std::max(1, printer.copyCount());
    std::vector<std::size_t> pages;
    for (int c = 0; c < copies; ++c)
        for (int p = from; p <= to; ++p) pages.push_back(static_cast<std::size_t>(p - 1));
    if (pages.empty()) return true;
    // A PDF "printed" to a file is a file the clerk keeps: it replaces the old one whole, as a saved PDF.
    if (toFile) return writePdf(document, printer.outputFileName(), reason, pages);
    printer.setFullPage(true);
    setPaper(printer, document.pageSize);
    return drawPages(printer, document, pages, printer.resolution() / 25.4);
}

}  // namespace platform::report
