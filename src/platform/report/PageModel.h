#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace platform::report {

// Paper of a report, in millimetres, always given explicitly: never taken from the locale or from a
// printer's default.
struct PageSize {
    QString name;
    double widthMm = 210;
    double heightMm = 297;

    static PageSize A4Portrait();
    static PageSize A4Landscape();
    // The fan-fold continuous form of the dot-matrix layouts: 9.5 x 11 inches (80 columns at 10 cpi,
    // 132 at 17 cpi).
    static PageSize ContinuousForm();
    // The wide fan-fold form of the books: 14 7/8 x 11 inches (132 columns at 10 cpi, 225 at 17 cpi).
    static PageSize WideContinuousForm();
    // The US Letter sheet ("Carta") of the label sheets: 8.5 x 11 inches.
    static PageSize Letter();
    friend bool operator==(const PageSize&, const PageSize&) = default;
};

// One byte each: a long book holds half a million placed texts.
enum class FontFace : std::uint8_t { Sans, Serif, Mono };
enum class Align : std::uint8_t { Left, Center, Right };

struct FontSpec {
    double sizePt = 9;
    FontFace face = FontFace::Sans;
    bool bold = false;
    bool italic = false;

    static FontSpec sans(double pt, bool bold = false) { return {pt, FontFace::Sans, bold, false}; }
    static FontSpec serif(double pt, bool bold = false) { return {pt, FontFace::Serif, bold, false}; }
    static FontSpec mono(double pt, bool bold = false) { return {pt, FontFace::Mono, bold, false}; }
    // The mono face at a pitch of `cpi` characters per inch (10 or 17 on the dot-matrix forms).
    static FontSpec monoPitch(int cpi, bool bold = false);
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// A text placed in a box: the box's top-left corner and size in millimetres; the text sits on one
// line inside the box, aligned as given, and has already been cut to fit the box's width.
// The small members come last, sharing one word.
struct TextItem {
    double x = 0, y = 0, width = 0, height = 0;
    // The text's measured width in millimetres (where an aligned text starts).
    double advance = 0;
    QString text;
    FontSpec font;
    Align align = Align::Left;
};

struct LineItem {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double penMm = 0.2;
};

struct BoxItem {
    double x = 0, y = 0, width = 0, height = 0;
    double penMm = 0.2;
};

struct Page {
    std::vector<TextItem> texts;
    std::vector<LineItem> lines;
    std::vector<BoxItem> boxes;
    // The number printed on the page (the first page of a book continues the last page printed).
    int number = 1;

    // Every text of the page, top to bottom and left to right, one line of the page per line of
    // the result, texts of one line joined by a blank: what a reader of the page sees.
    QStringList textLines() const;
    // The texts whose text equals `text`.
    std::vector<const TextItem*> find(const QString& text) const;
};

// A whole printed report: what the preview shows, the PDF holds and the printer receives.
struct Document {
    QString title;
    PageSize pageSize = PageSize::A4Portrait();
    std::vector<Page> pages;
};

// The plain-text dump of a document for golden files: one line per item, positions and sizes in
// whole millimetres, items in drawing order.
QString dump(const Document& document);

}  // namespace platform::report
