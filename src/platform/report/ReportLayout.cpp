#include "platform/report/ReportLayout.h"

#include "platform/report/Fonts.h"
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

const QString* findNamed(const std::vector<std::pair<QString, QString>>& list, const QString& name) {
    for (const auto& [n, v] : list)
        if (n.compare(name, Qt::CaseInsensitive) == 0) return &v;
    return nullptr;
}

const QString* findValue(const std::map<QString, QString>& map, const QString& name) {
    for (const auto& [n, v] : map)
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

class Builder : public ReportContext {
  public:
    Builder(const ReportLayout& layout, const DataSet& data, const PrintValues& values)
        : layout_(layout), data_(data), values_(values), fonts_(reportFonts()) {
        const std::size_t n = layout.sums.size();
        totals_.page.assign(n, {});
        totals_.carried.assign(n, {});
        totals_.report.assign(n, {});
        totals_.group.assign(layout.groups.size(), std::vector<values::Currency>(n));
        for (const auto& s : layout.sums) sumFields_.push_back(data.indexOf(s.field));
        for (const auto& g : layout.groups) groupFields_.push_back(data.indexOf(g.field));
        firstNumber_ = 1;
        if (!layout.pageStartFormula.isEmpty()) {
            if (const QString* v = findValue(values.formulas, layout.pageStartFormula)) {
                bool ok = false;
                const int n = v->trimmed().toInt(&ok);
                if (ok) firstNumber_ = n + 1;
            }
        }
    }

    Document build() {
        doc_.title = values_.title;
        doc_.pageSize = layout_.pageSize;
        std::vector<std::size_t> rows;
        // A print without a data source still prints its details (the labels repeat them).
        const bool noSource = data_.fields.empty() && data_.rows.empty();
        if (!noSource) {
            for (std::size_t r = 0; r < data_.rows.size(); ++r)
                if (!values_.selection || values_.selection->matches(data_, r)) rows.push_back(r);
        }
        if (!rows.empty()) row_ = static_cast<long>(rows.front());
        startPage(true);
        const int copies = std::max(1, values_.detailCopies);
        const std::size_t count = noSource ? 1 : rows.size();
        for (std::size_t i = 0; i < count; ++i) {
            row_ = noSource ? -1 : static_cast<long>(rows[i]);
            if (!noSource) groupBreaks(i == 0 ? nullptr : &rows[i - 1]);
            addToTotals();
            for (int c = 0; c < copies; ++c) printBand(layout_.detail);
            ++printed_;
        }
        if (printed_ > 0 && !noSource)
            for (std::size_t g = layout_.groups.size(); g-- > 0;) printBand(layout_.groups[g].footer);
        printBand(layout_.summary);
        endPage();
        return std::move(doc_);
    }

    const DataSet& data() const override { return data_; }
    long row() const override { return row_; }
    QString formula(const QString& name) const override {
        if (const QString* v = findValue(values_.formulas, name)) return *v;
        return layout_.designText(name);
    }
    bool formulaSet(const QString& name) const override {
        return findValue(values_.formulas, name) != nullptr;
    }
    QString textObject(const QString& name) const override {
        if (const QString* v = findValue(values_.textObjects, name)) return *v;
        return layout_.textObjectDesign(name);
    }
    int pageNumber() const override { return firstNumber_ + static_cast<int>(doc_.pages.size()) - 1; }
    long printedRows() const override { return printed_; }
    values::Currency sum(const QString& name, SumScope scope) const override {
        for (std::size_t i = 0; i < layout_.sums.size(); ++i) {
            if (layout_.sums[i].name.compare(name, Qt::CaseInsensitive) != 0) continue;
            switch (scope) {
                case SumScope::Page:
                    return totals_.page[i];
                case SumScope::Carried:
                    return totals_.carried[i];
                case SumScope::Report:
                    return totals_.report[i];
                case SumScope::Group:
                    return totals_.group.empty() ? values::Currency() : totals_.group.back()[i];
            }
        }
        return {};
    }

  private:
    double limit() const {
        return layout_.pageSize.heightMm - layout_.marginBottom - layout_.pageFooter.height;
    }

    void startPage(bool first) {
        doc_.pages.emplace_back();
        doc_.pages.back().number = pageNumber();
        y_ = layout_.marginTop;
        if (first) place(layout_.reportHeader);
        place(layout_.pageHeader);
        place(layout_.columnHeader);
        pageBodyTop_ = y_;
    }

    void endPage() {
        y_ = limit();
        place(layout_.pageFooter);
        // What the next page carries: everything up to the end of this one.
        totals_.carried = totals_.report;
        std::fill(totals_.page.begin(), totals_.page.end(), values::Currency());
    }

    void printBand(const Band& band) {
        if (band.height <= 0 && band.elements.empty()) return;
        if (band.printWhen && !band.printWhen(*this)) return;
        if (y_ + band.height > limit() + 1e-9 && y_ > pageBodyTop_ + 1e-9) {
            endPage();
            startPage(false);
        }
        place(band, false);
    }

    void groupBreaks(const std::size_t* previous) {
        std::size_t changed = layout_.groups.size();
        for (std::size_t g = 0; g < layout_.groups.size(); ++g) {
            if (!previous || displayText(data_.value(*previous, groupFields_[g])) !=
                                 displayText(data_.value(static_cast<std::size_t>(row_), groupFields_[g]))) {
                changed = g;
                break;
            }
        }
        if (changed == layout_.groups.size()) return;
        if (previous) {
            const long current = row_;
            row_ = static_cast<long>(*previous);
            for (std::size_t g = layout_.groups.size(); g-- > changed;) printBand(layout_.groups[g].footer);
            row_ = current;
        }
        for (std::size_t g = changed; g < layout_.groups.size(); ++g) {
            std::fill(totals_.group[g].begin(), totals_.group[g].end(), values::Currency());
            printBand(layout_.groups[g].header);
        }
    }

    void addToTotals() {
        if (row_ < 0) return;
        for (std::size_t i = 0; i < sumFields_.size(); ++i) {
            const values::Currency v = moneyOf(data_.value(static_cast<std::size_t>(row_), sumFields_[i]));
            totals_.page[i] += v;
            totals_.report[i] += v;
            for (auto& g : totals_.group) g[i] += v;
        }
    }

    void place(const Band& band, bool checkPrintWhen = true) {
        if (checkPrintWhen && band.printWhen && !band.printWhen(*this)) return;
        Page& page = doc_.pages.back();
        for (const Element& e : band.elements) {
            switch (e.kind) {
                case Element::Kind::Line:
                    page.lines.push_back({e.x, y_ + e.y, e.x + e.width, y_ + e.y + e.height, e.penMm});
                    continue;
                case Element::Kind::Box:
                    page.boxes.push_back({e.x, y_ + e.y, e.width, e.height, e.penMm});
                    continue;
                default:
                    break;
            }
            QString text;
            switch (e.kind) {
                case Element::Kind::Text:
                    text = e.text;
                    break;
                case Element::Kind::Field:
                    text = formatted(field(e.text), e.format);
                    break;
                case Element::Kind::Formula:
                    text = formula(e.text);
                    break;
                case Element::Kind::TextObject:
                    text = textObject(e.text);
                    break;
                case Element::Kind::PageNumber:
                    text = e.text + QString::number(pageNumber());
                    break;
                case Element::Kind::Computed:
                    text = e.compute ? e.compute(*this) : QString();
                    break;
                default:
                    break;
            }
            if (text.isEmpty()) continue;
            double advance = 0;
            text = fonts_.fit(text, e.font, e.width, &advance);
            page.texts.push_back({e.x, y_ + e.y, e.width, e.height, text, e.font, e.align, advance});
        }
        y_ += band.height;
    }

    const ReportLayout& layout_;
    const DataSet& data_;
    const PrintValues& values_;
    ReportFonts& fonts_;
    Document doc_;
    Totals totals_;
    std::vector<int> sumFields_;
    std::vector<int> groupFields_;
    int firstNumber_ = 1;
    long row_ = -1;
    long printed_ = 0;
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
    return data().value(static_cast<std::size_t>(row()), data().indexOf(name));
}

Document buildDocument(const ReportLayout& layout, const DataSet& data, const PrintValues& values) {
    Builder builder(layout, data, values);
    return builder.build();
}

}  // namespace platform::report
