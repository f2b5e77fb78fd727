#include "platform/report/LayoutChecks.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "platform/report/Fonts.h"
#include "platform/report/ReportLayout.h"

namespace platform::report {

namespace {

// A line or a box: it prints no text.
bool isRule(const Element& e) { return e.kind == Element::Kind::Line || e.kind == Element::Kind::Box; }

void cutTextsOf(const Band& band, const QString& name, const PageSize& page, const ReportFonts& fonts,
                QStringList& cut) {
    for (const Element& e : band.elements) {
        const double right = e.x + std::max(e.width, 0.0);
        if (right > page.widthMm + 1e-6)
            cut << QStringLiteral("%1: %2 ends at %3 mm, beyond the page's %4 mm")
                       .arg(name, isRule(e) ? QStringLiteral("a rule")
                                            : u'"' + (e.widest.isEmpty() ? e.text : e.widest) + u'"')
                       .arg(right, 0, 'f', 1)
                       .arg(page.widthMm, 0, 'f', 1);
        if (isRule(e)) continue;
        // A wrapped text needs room only for its widest word, when it declares one.
        const QString text =
            e.kind == Element::Kind::Text && e.widest.isEmpty() && !e.wrap ? e.text : e.widest;
        if (text.isEmpty() || fonts.fit(text, e.font, e.width) == text) continue;
        cut << QStringLiteral("%1: \"%2\" needs %3 mm, has %4 mm")
                   .arg(name, text)
                   .arg(fonts.widthMm(text, e.font), 0, 'f', 2)
                   .arg(e.width, 0, 'f', 2);
    }
}

// Where the ink of an element can reach on its line: its widest text (a literal text is its own)
// where its alignment puts it; a text that wraps may fill its box. A value without a widest value has
// no known reach.
struct Ink {
    double left, right;
    QString text;
};

std::optional<Ink> inkOf(const Element& e, const ReportFonts& fonts) {
    const QString text = e.kind == Element::Kind::Text && e.widest.isEmpty() ? e.text : e.widest;
    if (e.wrap) return Ink{e.x, e.x + e.width, text.isEmpty() ? e.text : text};
    if (text.isEmpty()) return std::nullopt;
    const double advance = std::min(fonts.widthMm(text, e.font), e.width);
    const double slack = e.width - advance;
    const double left = e.align == Align::Right    ? e.x + slack
                        : e.align == Align::Center ? e.x + slack / 2
                                                   : e.x;
    return Ink{left, left + advance, text};
}

void crowdedTextsOf(const Band& band, const QString& name, double gapMm, const ReportFonts& fonts,
                    QStringList& crowded) {
    std::vector<std::pair<const Element*, Ink>> inks;
    for (const Element& e : band.elements) {
        if (isRule(e) || e.width <= 0) continue;
        if (const auto ink = inkOf(e, fonts)) {
            inks.emplace_back(&e, *ink);
        } else if (e.kind != Element::Kind::Text) {
            // A value of unknown reach could touch any neighbour: none is let through unchecked.
            crowded << QStringLiteral("%1: the value at %2 mm (\"%3\") declares no widest value")
                           .arg(name)
                           .arg(e.x, 0, 'f', 1)
                           .arg(e.text);
        }
    }
    std::sort(inks.begin(), inks.end(),
              [](const auto& a, const auto& b) { return a.second.left < b.second.left; });
    constexpr double Tolerance = 1e-6;
    for (std::size_t i = 0; i < inks.size(); ++i)
        for (std::size_t j = i + 1; j < inks.size(); ++j) {
            const Element& a = *inks[i].first;
            const Element& b = *inks[j].first;
            // Only texts that share a line can touch.
            if (a.y >= b.y + b.height - Tolerance || b.y >= a.y + a.height - Tolerance) continue;
            const double gap = inks[j].second.left - inks[i].second.right;
            if (gap >= gapMm - Tolerance) continue;
            // Texts whose boxes overlap (a title over its columns, a page number at the end of the
            // heading's line) share the line by design, not as neighbours.
            if (b.x < a.x + a.width - Tolerance && a.x < b.x + b.width - Tolerance) continue;
            crowded << QStringLiteral("%1: \"%2\" and \"%3\" are %4 mm apart")
                           .arg(name, inks[i].second.text, inks[j].second.text)
                           .arg(gap, 0, 'f', 2);
        }
}

// Runs `check` over every band of `layout`, each with the name a message gives it.
void forEachBand(const ReportLayout& layout, const std::function<void(const Band&, const QString&)>& check) {
    const auto checkGroups = [&](const std::vector<GroupBand>& groups, const QString& prefix) {
        for (const GroupBand& g : groups) {
            check(g.header, prefix + QStringLiteral("group header ") + g.field);
            check(g.footer, prefix + QStringLiteral("group footer ") + g.field);
        }
    };
    check(layout.reportHeader, QStringLiteral("report header"));
    check(layout.pageHeader, QStringLiteral("page header"));
    check(layout.columnHeader, QStringLiteral("column header"));
    check(layout.detail, QStringLiteral("detail"));
    checkGroups(layout.groups, QString());
    check(layout.pageFooter, QStringLiteral("page footer"));
    check(layout.summary, QStringLiteral("summary"));
    for (std::size_t i = 0; i < layout.sections.size(); ++i) {
        const Section& s = layout.sections[i];
        const QString prefix = QStringLiteral("section %1 ").arg(i + 1);
        check(s.header, prefix + QStringLiteral("header"));
        check(s.columnHeader, prefix + QStringLiteral("column header"));
        check(s.detail, prefix + QStringLiteral("detail"));
        checkGroups(s.groups, prefix);
        check(s.footer, prefix + QStringLiteral("footer"));
        check(s.noRows, prefix + QStringLiteral("no rows"));
    }
}

}  // namespace

QStringList cutTexts(const ReportLayout& layout) {
    const ReportFonts& fonts = reportFonts();
    QStringList cut;
    forEachBand(layout, [&](const Band& band, const QString& name) {
        cutTextsOf(band, name, layout.pageSize, fonts, cut);
    });
    return cut;
}

QStringList crowdedTexts(const ReportLayout& layout) {
    const ReportFonts& fonts = reportFonts();
    QStringList crowded;
    forEachBand(layout, [&](const Band& band, const QString& name) {
        crowdedTextsOf(band, name, VisibleGapMm, fonts, crowded);
    });
    return crowded;
}

}  // namespace platform::report
