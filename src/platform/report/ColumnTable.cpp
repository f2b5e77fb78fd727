#include "platform/report/ColumnTable.h"

#include <algorithm>
#include <cmath>

#include "platform/values/Vb.h"

namespace platform::report {

Column::Column(QString caption, QString field, double widthMm, int widthChars)
    : caption(std::move(caption)), field(std::move(field)), widthMm(widthMm), widthChars(widthChars) {}

Column& Column::grouped(QString caption) {
    group = std::move(caption);
    return *this;
}
Column& Column::aligned(Align a) {
    align = a;
    return *this;
}
Column& Column::formatted(QString pattern) {
    format = std::move(pattern);
    return *this;
}
Column& Column::widest(QString text) {
    widestText = std::move(text);
    return *this;
}
Column& Column::wrapped() {
    wraps = true;
    return *this;
}
Column& Column::zeroBlank() {
    blankWhenZero = true;
    return *this;
}
Column& Column::totalled() {
    total = true;
    return *this;
}
Column& Column::computedBy(std::function<QString(const ReportContext&)> text) {
    compute = std::move(text);
    return *this;
}

Column& Column::masked() {
    mask = true;
    return *this;
}

TableForm TableForm::A4Landscape() {
    TableForm f;
    f.page = PageSize::A4Landscape();
    f.head = FontSpec::sans(7, true);
    f.body = FontSpec::sans(7);
    return f;
}

TableForm TableForm::ContinuousForm() {
    TableForm f;
    f.page = PageSize::ContinuousForm();
    f.head = FontSpec::monoPitch(17, true);
    f.body = FontSpec::monoPitch(17);
    f.lineMm = 25.4 / 6;
    f.inCharacters = true;
    f.charMm = 25.4 / 17;
    f.gapMm = f.charMm;
    f.meetingGapMm = f.charMm;
    return f;
}

namespace {
// Whether a column's text can reach its right edge, or its left edge: a text aligned to that side,
// or a free text, which may fill its line.
bool reachesRight(const Column& c) { return c.align == Align::Right || c.wraps || c.widestText.isEmpty(); }
bool reachesLeft(const Column& c) { return c.align == Align::Left || c.wraps || c.widestText.isEmpty(); }
}  // namespace

ColumnTable::ColumnTable(std::vector<Column> columns, TableForm form)
    : columns_(std::move(columns)), form_(std::move(form)) {
    // Columns stand on the character grid; a text may reach half a blank beyond its last character,
    // since the face's advance is the pitch only to within half a percent: a text aligned right
    // reaches it on its left, so that its last character stays on the grid, any other on its right.
    const double beyond = form_.inCharacters ? form_.gapMm / 2 : 0;
    double x = form_.leftMm;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        const bool right = c.align == Align::Right;
        if (i > 0 && reachesRight(columns_[i - 1]) && reachesLeft(c)) {
            const bool previousBeyond = columns_[i - 1].align != Align::Right;
            double extra = std::max(form_.meetingGapMm, form_.gapMm) - form_.gapMm +
                           (previousBeyond ? beyond : 0) + (right ? beyond : 0);
            if (form_.inCharacters) extra = std::ceil(extra / form_.charMm - 1e-9) * form_.charMm;
            x += extra;
        }
        const double w = form_.inCharacters ? c.widthChars * form_.charMm : c.widthMm;
        cx_.push_back(x);
        cw_.push_back(w);
        x_.push_back(right ? x - beyond : x);
        w_.push_back(w + beyond);
        x += w + form_.gapMm;
    }
}

double ColumnTable::right() const { return x_.empty() ? form_.leftMm : x_.back() + w_.back(); }

void ColumnTable::header(Band& band) const {
    const double top = band.height + 0.5;
    const double row = form_.lineMm;
    bool grouped = false;
    qsizetype rows = 1;
    for (const Column& c : columns_) {
        grouped = grouped || !c.group.isEmpty();
        rows = std::max(rows, c.caption.split(u'\n').size());
    }
    const double height = (rows + (grouped ? 1 : 0)) * row;
    band.line(form_.leftMm, band.height, right(), band.height);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        // A caption's rows sit centred in the height under its group caption (or the whole heading).
        const double areaTop = c.group.isEmpty() ? top : top + row;
        const QStringList parts = c.caption.split(u'\n');
        const double first = areaTop + (top + height - areaTop - static_cast<double>(parts.size()) * row) / 2;
        // A caption is centred on its column's own characters, whatever side its values may overrun.
        const double half = (w_[i] - cw_[i]) / 2;
        for (qsizetype p = 0; p < parts.size(); ++p)
            band.text(cx_[i] - half, first + static_cast<double>(p) * row, w_[i], row, parts[p], form_.head,
                      Align::Center);
        // A group caption spans its run of columns, once, with a rule under it.
        if (c.group.isEmpty() || (i > 0 && columns_[i - 1].group == c.group)) continue;
        std::size_t last = i;
        while (last + 1 < columns_.size() && columns_[last + 1].group == c.group) ++last;
        const double span = cx_[last] + cw_[last] - cx_[i];
        band.text(cx_[i], top, span, row, c.group, form_.head, Align::Center);
        band.line(cx_[i], top + row, cx_[i] + span, top + row);
    }
    const double bottom = top + height + 0.5;
    band.line(form_.leftMm, bottom, right(), bottom);
    band.height = bottom + 0.5;
}

void ColumnTable::detail(Band& band) const {
    const double y = band.height;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        if (c.compute) {
            band.computed(x_[i], y, w_[i], form_.lineMm, form_.body, c.align, c.compute);
        } else {
            band.field(x_[i], y, w_[i], form_.lineMm, c.field, form_.body, c.align, c.format);
            if (c.blankWhenZero) band.blankWhenZero();
        }
        // A free text is never cut: it goes on under itself.
        if (c.widestText.isEmpty() || c.wraps) band.wrap();
        band.widest(c.widestText);
        if (c.mask) band.masked();
    }
    band.height = y + form_.lineMm;
}

void ColumnTable::totals(Band& band, const QString& label, TotalOf of, int groupLevel) const {
    const double y = band.height;
    std::size_t first = columns_.size();
    for (std::size_t i = 0; i < columns_.size() && first == columns_.size(); ++i)
        if (columns_[i].total) first = i;
    // Nothing is brought forward to the first page of a body.
    const auto shown = [of](const ReportContext& ctx) {
        return of != TotalOf::BroughtForward || ctx.printedRows() > 0;
    };
    if (first > 0 && !label.isEmpty()) {
        // On the character grid the label, like a column, may reach half a blank further.
        const double w =
            (first < columns_.size() ? cx_[first] - form_.gapMm - form_.leftMm : right() - form_.leftMm) +
            (form_.inCharacters && first < columns_.size() ? form_.gapMm / 2 : 0);
        band.computed(form_.leftMm, y, w, form_.lineMm, form_.head, Align::Left,
                      [label, shown](const ReportContext& ctx) { return shown(ctx) ? label : QString(); })
            .widest(label);
    }
    for (std::size_t i = first; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        if (!c.total) continue;
        const QString format = c.format.isEmpty() ? QStringLiteral("###,###,##0.00") : c.format;
        band.computed(x_[i], y, w_[i], form_.lineMm, form_.head, c.align,
                      [name = c.field, format, of, groupLevel, shown](const ReportContext& ctx) {
                          if (!shown(ctx)) return QString();
                          values::Currency total;
                          switch (of) {
                              case TotalOf::Page:
                                  total = ctx.sum(name, SumScope::Page);
                                  break;
                              case TotalOf::BroughtForward:
                                  total = ctx.sum(name, SumScope::Carried);
                                  break;
                              case TotalOf::CarriedForward:
                                  total = ctx.sum(name, SumScope::Carried) + ctx.sum(name, SumScope::Page);
                                  break;
                              case TotalOf::Body:
                                  total = ctx.sum(name, SumScope::Report);
                                  break;
                              case TotalOf::Group:
                                  total = groupLevel < 0 ? ctx.sum(name, SumScope::Group)
                                                         : ctx.groupSum(name, groupLevel);
                                  break;
                          }
                          return values::Format(total, format);
                      })
            .widest(c.widestText);
    }
    band.height = y + form_.lineMm;
}

void ColumnTable::declareSums(std::vector<SumDef>& sums) const {
    for (const Column& c : columns_)
        if (c.total) sums.push_back({c.field, c.field});
}

}  // namespace platform::report
