#include "platform/report/ReportLayout.h"

#include <QHash>
#include <algorithm>
#include <cmath>

#include "platform/report/Fonts.h"
#include "platform/report/Render.h"
#include "platform/values/MaskedText.h"
#include "platform/values/Vb.h"

namespace platform::report {

namespace {

Element placed(Element::Kind kind, double x, double y, double w, double h, FontSpec font, Align align,
               const QString& text) {
    Element e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.width = w;
    e.height = h;
    e.font = font;
    e.align = align;
    e.text = text;
    return e;
}

// The value kept under `name` in a list or map of (name, value) pairs, names matched regardless of
// case; nullptr when none is.
template <typename Pairs>
const QString* findNamed(const Pairs& pairs, const QString& name) {
    for (const auto& [n, v] : pairs)
        if (n.compare(name, Qt::CaseInsensitive) == 0) return &v;
    return nullptr;
}

values::Currency moneyOf(const Value& v) {
    if (const auto* c = std::get_if<values::Currency>(&v)) return *c;
    if (const auto* n = std::get_if<std::int64_t>(&v)) return values::Currency::fromUnits(*n);
    if (const auto* x = std::get_if<double>(&v)) return values::Currency::fromDouble(*x);
    if (const auto* s = std::get_if<QString>(&v))
        return values::Currency::parse(*s).value_or(values::Currency());
    return {};
}

QString formatted(const Value& v, const QString& format) {
    if (format.isEmpty()) return displayText(v);
    if (const auto* b = std::get_if<bool>(&v)) {
        const QStringList texts = format.split(QLatin1Char(';'));
        return *b ? texts.value(0) : texts.value(1);
    }
    if (const auto* c = std::get_if<values::Currency>(&v)) return values::Format(*c, format);
    if (const auto* n = std::get_if<std::int64_t>(&v)) return values::Format(static_cast<qint64>(*n), format);
    if (const auto* x = std::get_if<double>(&v))
        return values::Format(values::Currency::fromDouble(*x), format);
    if (const auto* d = std::get_if<QDate>(&v)) return values::Format(*d, format);
    return displayText(v);
}

struct Totals {
    std::vector<values::Currency> page, carried, report;
    std::vector<std::vector<values::Currency>> group;
};

// What the builder prints from: the main detail or a section, with its rows and running totals.
struct Body {
    const Band* columnHeader = nullptr;
    const Band* detail = nullptr;
    const std::vector<GroupBand>* groups = nullptr;
    const std::vector<SumDef>* sums = nullptr;
    const DataSet* data = nullptr;
    std::vector<int> sumFields, groupFields;
    QHash<QString, int> fieldIndex;
    Totals totals;
    long printed = 0;

    void prepare() {
        const std::size_t n = sums->size();
        totals.page.assign(n, {});
        totals.carried.assign(n, {});
        totals.report.assign(n, {});
        totals.group.assign(groups->size(), std::vector<values::Currency>(n));
        for (std::size_t i = 0; i < data->fields.size(); ++i)
            fieldIndex.insert(data->fields[i].name.toCaseFolded(), static_cast<int>(i));
        for (const auto& s : *sums) sumFields.push_back(indexOf(s.field));
        for (const auto& g : *groups) groupFields.push_back(indexOf(g.field));
    }
    int indexOf(const QString& name) const { return fieldIndex.value(name.toCaseFolded(), -1); }
    int sumIndex(const QString& name) const {
        for (std::size_t i = 0; i < sums->size(); ++i)
            if ((*sums)[i].name.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
        return -1;
    }
};

class Builder : public ReportContext {
  public:
    Builder(const ReportLayout& layout, const DataSet& data, const PrintValues& values,
            const std::vector<DataSet>& sectionData)
        : layout_(layout), values_(values), fonts_(reportFonts()) {
        bodies_.resize(1 + layout.sections.size());
        Body& main = bodies_[0];
        main.columnHeader = &layout.columnHeader;
        main.detail = &layout.detail;
        main.groups = &layout.groups;
        main.sums = &layout.sums;
        main.data = &data;
        for (std::size_t s = 0; s < layout.sections.size(); ++s) {
            const Section& section = layout.sections[s];
            Body& b = bodies_[s + 1];
            b.columnHeader = &section.columnHeader;
            b.detail = &section.detail;
            b.groups = &section.groups;
            b.sums = &section.sums;
            b.data = s < sectionData.size() ? &sectionData[s] : &noRows_;
        }
        for (Body& b : bodies_) b.prepare();
        body_ = &bodies_[0];
        firstNumber_ = 1;
        if (!layout.pageStartFormula.isEmpty()) {
            if (const QString* v = findNamed(values.formulas, layout.pageStartFormula)) {
                bool ok = false;
                const int n = v->trimmed().toInt(&ok);
                if (ok) firstNumber_ = n + 1;
            }
        }
    }

    Document build() {
        doc_.title = values_.title;
        doc_.pageSize = layout_.pageSize;
        const DataSet& data = *bodies_[0].data;
        std::vector<std::size_t> rows;
        // A print without a data source still prints its details (the labels repeat them).
        const bool noSource = data.fields.empty() && data.rows.empty();
        if (!noSource) {
            for (std::size_t r = 0; r < data.rows.size(); ++r)
                if (!values_.selection || values_.selection->matches(data, r)) rows.push_back(r);
        }
        if (!rows.empty()) row_ = static_cast<long>(rows.front());
        startPage(true);
        if (noSource) {
            const int copies = std::max(1, values_.detailCopies);
            for (int c = 0; c < copies; ++c) printDetail(layout_.detail);
            endColumns();
            ++body_->printed;
        } else {
            printRows(rows);
        }
        // The summary closes the main detail: its rows, last row and totals, after the sections.
        const long lastRow = row_;
        for (std::size_t s = 0; s < layout_.sections.size(); ++s) printSection(s);
        body_ = &bodies_[0];
        row_ = lastRow;
        printBand(layout_.summary);
        endPage();
        return std::move(doc_);
    }

    // The main rows, given to the builder to let each go once printed.
    void releaseRows(DataSet& data) { released_ = &data; }

    const DataSet& data() const override { return *body_->data; }
    long row() const override { return row_; }
    QString formula(const QString& name) const override {
        if (const QString* v = findNamed(values_.formulas, name)) return *v;
        return layout_.designText(name);
    }
    bool formulaSet(const QString& name) const override {
        return findNamed(values_.formulas, name) != nullptr;
    }
    QString textObject(const QString& name) const override {
        if (const QString* v = findNamed(values_.textObjects, name)) return *v;
        return layout_.textObjectDesign(name);
    }
    int pageNumber() const override { return firstNumber_ + static_cast<int>(doc_.pages.size()) - 1; }
    long printedRows() const override { return body_->printed; }
    values::Currency sum(const QString& name, SumScope scope) const override {
        const Body* b = body_;
        int i = b->sumIndex(name);
        if (i < 0) {
            b = &bodies_[0];
            i = b->sumIndex(name);
        }
        if (i < 0) return {};
        const auto n = static_cast<std::size_t>(i);
        switch (scope) {
            case SumScope::Page:
                return b->totals.page[n];
            case SumScope::Carried:
                return b->totals.carried[n];
            case SumScope::Report:
                return b->totals.report[n];
            case SumScope::Group:
                return b->totals.group.empty() ? values::Currency() : b->totals.group.back()[n];
        }
        return {};
    }
    values::Currency groupSum(const QString& name, int level) const override {
        const int i = body_->sumIndex(name);
        if (i < 0 || level < 0 || static_cast<std::size_t>(level) >= body_->totals.group.size()) return {};
        return body_->totals.group[static_cast<std::size_t>(level)][static_cast<std::size_t>(i)];
    }

  protected:
    int fieldIndex(const QString& name) const override { return body_->indexOf(name); }

  private:
    double limit() const {
        return layout_.pageSize.heightMm - layout_.marginBottom - layout_.pageFooter.height;
    }

    void printRows(const std::vector<std::size_t>& rows) {
        const int copies = std::max(1, values_.detailCopies);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            row_ = static_cast<long>(rows[i]);
            groupBreaks(i == 0 ? nullptr : &rows[i - 1]);
            // The row counts on the page it prints on.
            if (printable(*body_->detail)) makeRoom(heightOf(*body_->detail));
            addToTotals();
            for (int c = 0; c < copies; ++c) printDetail(*body_->detail);
            ++body_->printed;
            // The row before this one is still wanted by the next row's group footers.
            if (i >= 1 && released_ && body_->data == released_)
                std::vector<Value>().swap(released_->rows[rows[i - 1]]);
        }
        endColumns();
        if (!rows.empty())
            for (std::size_t g = body_->groups->size(); g-- > 0;) printBand((*body_->groups)[g].footer);
    }

    void printSection(std::size_t index) {
        const Section& section = layout_.sections[index];
        body_ = &bodies_[index + 1];
        const DataSet& data = *body_->data;
        row_ = data.rows.empty() ? -1 : 0;
        // Until its own column header has printed, a page break repeats none.
        repeatHeader_ = false;
        if (section.printWhen && !section.printWhen(*this)) return;
        if (section.newPage && !pageEmpty()) {
            endPage();
            startPage(false);
        }
        // A section's headings never stand alone at a page's foot: they go with its first row (or
        // with its no-rows band).
        if (data.rows.empty()) {
            makeRoom(heightIfPrinted(section.header) + heightIfPrinted(section.noRows));
            printBand(section.header);
            printBand(section.noRows);
            return;
        }
        makeRoom(heightIfPrinted(section.header) + heightIfPrinted(section.columnHeader) +
                 openingHeight(groupChange(nullptr)));
        printBand(section.header);
        printBand(section.columnHeader);
        repeatHeader_ = true;
        std::vector<std::size_t> rows(data.rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) rows[r] = r;
        printRows(rows);
        repeatHeader_ = false;
        printBand(section.footer);
    }

    bool pageEmpty() const { return y_ <= pageBodyTop_ + 1e-9; }

    void startPage(bool first) {
        // Pages of a report are alike: each takes the room its predecessor needed, so that a long
        // book's texts are not grown item by item, page after page.
        const Page* previous = doc_.pages.empty() ? nullptr : &doc_.pages.back();
        const std::size_t texts = previous ? previous->texts.size() : 0;
        const std::size_t lines = previous ? previous->lines.size() : 0;
        const std::size_t boxes = previous ? previous->boxes.size() : 0;
        doc_.pages.emplace_back();
        doc_.pages.back().texts.reserve(texts);
        doc_.pages.back().lines.reserve(lines);
        doc_.pages.back().boxes.reserve(boxes);
        doc_.pages.back().number = pageNumber();
        y_ = layout_.marginTop;
        if (first) place(layout_.reportHeader);
        place(layout_.pageHeader);
        if (repeatHeader_) place(*body_->columnHeader);
        pageBodyTop_ = y_;
    }

    void endPage() {
        y_ = limit();
        place(layout_.pageFooter);
        // A page that outgrew its reserve keeps no spare room for the rest of the document's life.
        Page& page = doc_.pages.back();
        if (page.texts.capacity() > page.texts.size()) page.texts.shrink_to_fit();
        if (page.lines.capacity() > page.lines.size()) page.lines.shrink_to_fit();
        if (page.boxes.capacity() > page.boxes.size()) page.boxes.shrink_to_fit();
        // What the next page carries: everything up to the end of this one.
        for (Body& b : bodies_) {
            b.totals.carried = b.totals.report;
            std::fill(b.totals.page.begin(), b.totals.page.end(), values::Currency());
        }
    }

    bool printable(const Band& band) const {
        if (band.height <= 0 && band.elements.empty()) return false;
        return !band.printWhen || band.printWhen(*this);
    }

    void makeRoom(double height) {
        if (y_ + height > limit() + 1e-9 && !pageEmpty()) {
            endPage();
            startPage(false);
        }
    }

    double heightIfPrinted(const Band& band) { return printable(band) ? heightOf(band) : 0; }

    // The group headers that open from level `from` on, and the detail of the row printing now.
    double openingHeight(std::size_t from) {
        double height = heightIfPrinted(*body_->detail);
        for (std::size_t g = from; g < body_->groups->size(); ++g)
            height += heightIfPrinted((*body_->groups)[g].header);
        return height;
    }

    void printBand(const Band& band) {
        if (!printable(band)) return;
        makeRoom(heightOf(band));
        place(band, false);
    }

    // A detail of the main body in its column of the row; other bodies print one detail per row.
    void printDetail(const Band& band) {
        if (layout_.detailColumns <= 1 || body_ != &bodies_[0]) {
            printBand(band);
            return;
        }
        if (!printable(band)) return;
        if (column_ == 0) makeRoom(heightOf(band));
        const double top = y_;
        dx_ = column_ * layout_.columnPitch;
        place(band, false);
        dx_ = 0;
        rowEnd_ = std::max(rowEnd_, y_);
        if (++column_ < layout_.detailColumns) {
            y_ = top;
        } else {
            endColumns();
        }
    }

    // A row of columns left unfinished ends below its tallest detail.
    void endColumns() {
        y_ = std::max(y_, rowEnd_);
        column_ = 0;
        rowEnd_ = 0;
    }

    // The outermost group level whose value changes from the row `previous` (none: the first row) to
    // the row printing now; the number of groups when none does.
    std::size_t groupChange(const std::size_t* previous) const {
        const auto& groups = *body_->groups;
        const DataSet& data = *body_->data;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const int f = body_->groupFields[g];
            if (!previous || displayText(data.value(*previous, f)) !=
                                 displayText(data.value(static_cast<std::size_t>(row_), f)))
                return g;
        }
        return groups.size();
    }

    void groupBreaks(const std::size_t* previous) {
        const auto& groups = *body_->groups;
        const std::size_t changed = groupChange(previous);
        if (changed == groups.size()) return;
        if (previous) {
            const long current = row_;
            row_ = static_cast<long>(*previous);
            for (std::size_t g = groups.size(); g-- > changed;) printBand(groups[g].footer);
            row_ = current;
        }
        // A group's headers go to the next page with its first row.
        makeRoom(openingHeight(changed));
        for (std::size_t g = changed; g < groups.size(); ++g) {
            std::fill(body_->totals.group[g].begin(), body_->totals.group[g].end(), values::Currency());
            printBand(groups[g].header);
        }
    }

    void addToTotals() {
        if (row_ < 0) return;
        Totals& t = body_->totals;
        for (std::size_t i = 0; i < body_->sumFields.size(); ++i) {
            const values::Currency v =
                moneyOf(body_->data->value(static_cast<std::size_t>(row_), body_->sumFields[i]));
            t.page[i] += v;
            t.report[i] += v;
            for (auto& g : t.group) g[i] += v;
        }
    }

    // The field of each element of a band in the data printing now, looked up once.
    const std::vector<int>& fieldsOf(const Band& band) {
        auto& indexes = fieldIndexes_[{&band, body_->data}];
        if (indexes.size() != band.elements.size()) {
            indexes.clear();
            for (const Element& e : band.elements)
                indexes.push_back(e.kind == Element::Kind::Field ? body_->indexOf(e.text) : -1);
        }
        return indexes;
    }

    // What reaches paper of an element. The layout's own texts print as written; a value (stored or
    // handed over) prints without its control characters, each a blank, since a tab, a line break or an
    // escape pasted into a name or remark would move or garble the line; a masked field's value prints
    // its unfilled positions as blanks, and nothing when it was never typed.
    QString textOf(const Element& e, int field) const {
        if (e.kind == Element::Kind::Text) return e.text;
        QString text = valueOf(e, field);
        if (e.masked) text = values::withoutPrompts(text);
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text.at(i).category() == QChar::Other_Control) text[i] = u' ';
        return text;
    }

    QString valueOf(const Element& e, int field) const {
        switch (e.kind) {
            case Element::Kind::Field: {
                const Value& v =
                    row_ < 0 ? noValue_ : body_->data->value(static_cast<std::size_t>(row_), field);
                if (e.blankWhenZero && (isNull(v) || numericValue(v) == 0.0)) return {};
                return formatted(v, e.format);
            }
            case Element::Kind::Formula:
                return formula(e.text);
            case Element::Kind::TextObject:
                return textObject(e.text);
            case Element::Kind::PageNumber:
                return e.text + QString::number(pageNumber());
            case Element::Kind::Computed:
                return e.compute ? e.compute(*this) : QString();
            default:
                return {};
        }
    }

    QStringList linesOf(const Element& e, const QString& text) const {
        QStringList lines = fonts_.wrap(text, e.font, e.width);
        if (e.maxLines > 0 && lines.size() > e.maxLines) {
            const QString rest = lines.mid(e.maxLines - 1).join(u' ');
            lines = lines.mid(0, e.maxLines - 1);
            lines << rest;
        }
        return lines;
    }

    // How far each element of `band` moves down: a text that wraps onto more lines than its band has
    // room for pushes down what stands below it, as far as its last line reaches. The last entry is the
    // band's height.
    std::vector<double> shiftsOf(const Band& band, const std::vector<int>& fields,
                                 std::vector<QStringList>& wrapped) {
        constexpr double Tolerance = 1e-6;
        const std::size_t n = band.elements.size();
        wrapped.assign(n, {});
        std::vector<std::size_t> wraps;
        for (std::size_t i = 0; i < n; ++i)
            if (band.elements[i].wrap) {
                wrapped[i] = linesOf(band.elements[i], textOf(band.elements[i], fields[i]));
                wraps.push_back(i);
            }
        std::vector<std::size_t> order(n);
        for (std::size_t i = 0; i < n; ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return band.elements[a].y < band.elements[b].y;
        });
        std::vector<double> shifts(n + 1, 0.0);
        // Where the last line of a wrapped text reaches, once moved down (an empty text keeps one line).
        const auto bottomOf = [&](std::size_t w) {
            const Element& e = band.elements[w];
            return e.y + shifts[w] +
                   static_cast<double>(std::max<qsizetype>(wrapped[w].size(), 1)) * e.height;
        };
        double height = band.height;
        double most = 0;
        for (const std::size_t i : order) {
            const Element& f = band.elements[i];
            for (const std::size_t w : wraps) {
                const Element& e = band.elements[w];
                if (e.y + e.height > f.y + Tolerance) continue;
                shifts[i] = std::max(shifts[i], bottomOf(w) - f.y);
            }
            most = std::max(most, shifts[i]);
            if (f.wrap) height = std::max(height, bottomOf(i));
        }
        shifts[n] = std::max(height, band.height + most);
        return shifts;
    }

    // The band's height with its wrapped texts.
    double heightOf(const Band& band) {
        std::vector<QStringList> wrapped;
        const std::vector<double> shifts = shiftsOf(band, fieldsOf(band), wrapped);
        return shifts.back();
    }

    void place(const Band& band, bool checkPrintWhen = true) {
        if (checkPrintWhen && band.printWhen && !band.printWhen(*this)) return;
        Page& page = doc_.pages.back();
        const std::vector<int>& fields = fieldsOf(band);
        std::vector<QStringList> wrapped;
        const std::vector<double> shifts = shiftsOf(band, fields, wrapped);
        for (std::size_t i = 0; i < band.elements.size(); ++i) {
            const Element& e = band.elements[i];
            const double top = y_ + e.y + shifts[i];
            switch (e.kind) {
                case Element::Kind::Line:
                    page.lines.push_back({dx_ + e.x, top, dx_ + e.x + e.width, top + e.height, e.penMm});
                    continue;
                case Element::Kind::Box:
                    page.boxes.push_back({dx_ + e.x, top, e.width, e.height, e.penMm});
                    continue;
                default:
                    break;
            }
            if (e.wrap) {
                double y = top;
                for (const QString& line : wrapped[i]) {
                    placeText(page, e, y, line);
                    y += e.height;
                }
                continue;
            }
            const QString text = textOf(e, fields[i]);
            if (!text.isEmpty()) placeText(page, e, top, text);
        }
        y_ += shifts.back();
    }

    void placeText(Page& page, const Element& e, double y, const QString& text) {
        double advance = 0;
        QString fitted = fonts_.fit(text, e.font, e.width, &advance);
        // A column mostly prints what it printed a line or two before (a date, a state, a rate, the
        // blank of a document's second line): that text is shared rather than held once per line of
        // a long book.
        RecentTexts& recent = recentTexts_[&e];
        if (fitted == recent.texts[0]) {
            fitted = recent.texts[0];
        } else if (fitted == recent.texts[1]) {
            fitted = recent.texts[1];
        } else {
            recent.texts[recent.next] = fitted;
            recent.next ^= 1;
        }
        page.texts.push_back({dx_ + e.x, y, e.width, e.height, advance, std::move(fitted), e.font, e.align});
    }

    const ReportLayout& layout_;
    const PrintValues& values_;
    ReportFonts& fonts_;
    const DataSet noRows_;
    const Value noValue_;
    Document doc_;
    // The column of the next detail in a row of columns, the x offset of the one printing, and the
    // bottom of the row so far.
    int column_ = 0;
    double dx_ = 0;
    double rowEnd_ = 0;
    std::vector<Body> bodies_;
    Body* body_ = nullptr;
    DataSet* released_ = nullptr;
    std::map<std::pair<const Band*, const DataSet*>, std::vector<int>> fieldIndexes_;
    struct RecentTexts {
        QString texts[2];
        int next = 0;
    };
    QHash<const Element*, RecentTexts> recentTexts_;
    bool repeatHeader_ = true;
    int firstNumber_ = 1;
    long row_ = -1;
    double y_ = 0;
    double pageBodyTop_ = 0;
};

}  // namespace

Band& Band::text(double x, double y, double w, double h, const QString& t, FontSpec font, Align align) {
    elements.push_back(placed(Element::Kind::Text, x, y, w, h, font, align, t));
    return *this;
}

Band& Band::field(double x, double y, double w, double h, const QString& name, FontSpec font, Align align,
                  const QString& format) {
    elements.push_back(placed(Element::Kind::Field, x, y, w, h, font, align, name));
    elements.back().format = format;
    return *this;
}

Band& Band::formula(double x, double y, double w, double h, const QString& name, FontSpec font, Align align) {
    elements.push_back(placed(Element::Kind::Formula, x, y, w, h, font, align, name));
    return *this;
}

Band& Band::textObject(double x, double y, double w, double h, const QString& name, FontSpec font,
                       Align align) {
    elements.push_back(placed(Element::Kind::TextObject, x, y, w, h, font, align, name));
    return *this;
}

Band& Band::pageNumber(double x, double y, double w, double h, FontSpec font, Align align,
                       const QString& prefix) {
    elements.push_back(placed(Element::Kind::PageNumber, x, y, w, h, font, align, prefix));
    return *this;
}

Band& Band::computed(double x, double y, double w, double h, FontSpec font, Align align,
                     std::function<QString(const ReportContext&)> compute) {
    elements.push_back(placed(Element::Kind::Computed, x, y, w, h, font, align, QString()));
    elements.back().compute = std::move(compute);
    return *this;
}

Band& Band::line(double x1, double y1, double x2, double y2, double penMm) {
    Element e = placed(Element::Kind::Line, x1, y1, x2 - x1, y2 - y1, {}, Align::Left, QString());
    e.penMm = penMm;
    elements.push_back(e);
    return *this;
}

Band& Band::box(double x, double y, double w, double h, double penMm) {
    Element e = placed(Element::Kind::Box, x, y, w, h, {}, Align::Left, QString());
    e.penMm = penMm;
    elements.push_back(e);
    return *this;
}

Band& Band::blankWhenZero() {
    if (!elements.empty()) elements.back().blankWhenZero = true;
    return *this;
}

Band& Band::wrap(int maxLines) {
    if (!elements.empty()) {
        elements.back().wrap = true;
        elements.back().maxLines = maxLines;
    }
    return *this;
}

Band& Band::widest(const QString& text) {
    if (!elements.empty()) elements.back().widest = text;
    return *this;
}

Band& Band::masked() {
    if (!elements.empty()) elements.back().masked = true;
    return *this;
}

void ReportLayout::declareFormula(const QString& name, const QString& designText) {
    formulas_.emplace_back(name, designText);
}
bool ReportLayout::hasFormula(const QString& name) const { return findNamed(formulas_, name) != nullptr; }
QString ReportLayout::designText(const QString& name) const {
    const QString* v = findNamed(formulas_, name);
    return v ? *v : QString();
}
void ReportLayout::declareTextObject(const QString& name, const QString& designText) {
    textObjects_.emplace_back(name, designText);
}
bool ReportLayout::hasTextObject(const QString& name) const {
    return findNamed(textObjects_, name) != nullptr;
}
QString ReportLayout::textObjectDesign(const QString& name) const {
    const QString* v = findNamed(textObjects_, name);
    return v ? *v : QString();
}

Value ReportContext::field(const QString& name) const {
    if (row() < 0) return {};
    return data().value(static_cast<std::size_t>(row()), fieldIndex(name));
}

Document buildDocument(const ReportLayout& layout, const DataSet& data, const PrintValues& values,
                       const std::vector<DataSet>& sectionData) {
    keepHeap();
    Builder builder(layout, data, values, sectionData);
    return builder.build();
}

Document buildDocument(const ReportLayout& layout, DataSet&& data, const PrintValues& values,
                       const std::vector<DataSet>& sectionData) {
    keepHeap();
    DataSet rows = std::move(data);
    Builder builder(layout, rows, values, sectionData);
    builder.releaseRows(rows);
    return builder.build();
}

}  // namespace platform::report
