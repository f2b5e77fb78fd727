#include "platform/report/PageModel.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace platform::report {

PageSize PageSize::A4Portrait() { return {QStringLiteral("A4"), 210, 297}; }
PageSize PageSize::A4Landscape() { return {QStringLiteral("A4 paisagem"), 297, 210}; }
PageSize PageSize::Letter() { return {QStringLiteral("Carta"), 215.9, 279.4}; }
PageSize PageSize::ContinuousForm() { return {QStringLiteral("Formulário contínuo"), 241.3, 279.4}; }
PageSize PageSize::WideContinuousForm() {
    return {QStringLiteral("Formulário contínuo 132 colunas"), 377.825, 279.4};
}

FontSpec FontSpec::monoPitch(int cpi, bool bold) {
    // A mono face's advance is 0.6 of its size: 10 cpi is 12 points, 17 cpi about 7 points.
    return {72.0 / (0.6 * cpi), FontFace::Mono, bold, false};
}

namespace {

QString mm(double v) { return QString::number(static_cast<long long>(std::lround(v))); }

QString faceName(FontFace f) {
    switch (f) {
        case FontFace::Serif:
            return QStringLiteral("serif");
        case FontFace::Mono:
            return QStringLiteral("mono");
        default:
            return QStringLiteral("sans");
    }
}

QString alignName(Align a) {
    switch (a) {
        case Align::Center:
            return QStringLiteral("center");
        case Align::Right:
            return QStringLiteral("right");
        default:
            return QStringLiteral("left");
    }
}

QString fontName(const FontSpec& f) {
    QString s = faceName(f.face) + QLatin1Char(' ') + QString::number(f.sizePt, 'g', 4);
    if (f.bold) s += QStringLiteral(" bold");
    if (f.italic) s += QStringLiteral(" italic");
    return s;
}

}  // namespace

QStringList Page::textLines() const {
    std::vector<const TextItem*> sorted;
    sorted.reserve(texts.size());
    for (const auto& t : texts)
        if (!t.text.trimmed().isEmpty()) sorted.push_back(&t);
    // Texts whose tops lie within a millimetre of each other are one line of the page.
    std::stable_sort(sorted.begin(), sorted.end(), [](const TextItem* a, const TextItem* b) {
        if (std::abs(a->y - b->y) >= 1.0) return a->y < b->y;
        return a->x < b->x;
    });
    QStringList result;
    double lineTop = -1000;
    for (const TextItem* t : sorted) {
        if (result.isEmpty() || std::abs(t->y - lineTop) >= 1.0) {
            result.append(t->text.trimmed());
            lineTop = t->y;
        } else {
            result.last() += QLatin1Char(' ') + t->text.trimmed();
        }
    }
    return result;
}

std::vector<const TextItem*> Page::find(const QString& text) const {
    std::vector<const TextItem*> found;
    for (const auto& t : texts)
        if (t.text == text) found.push_back(&t);
    return found;
}

QString dump(const Document& document) {
    QString out;
    out += QStringLiteral("document \"%1\" %2 %3x%4 pages %5\n")
               .arg(document.title, document.pageSize.name, mm(document.pageSize.widthMm),
                    mm(document.pageSize.heightMm))
               .arg(document.pages.size());
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        const Page& p = document.pages[i];
        out += QStringLiteral("page %1 number %2\n").arg(i + 1).arg(p.number);
        for (const auto& b : p.boxes)
            out += QStringLiteral("  box %1,%2 %3x%4\n").arg(mm(b.x), mm(b.y), mm(b.width), mm(b.height));
        for (const auto& l : p.lines)
            out += QStringLiteral("  line %1,%2 %3,%4\n").arg(mm(l.x1), mm(l.y1), mm(l.x2), mm(l.y2));
        for (const auto& t : p.texts)
            out += QStringLiteral("  text %1,%2 %3x%4 %5 %6 \"%7\"\n")
                       .arg(mm(t.x), mm(t.y), mm(t.width), mm(t.height), fontName(t.font), alignName(t.align),
                            t.text);
    }
    return out;
}

}  // namespace platform::report
