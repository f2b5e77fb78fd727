#include "platform/report/BookHeading.h"

#include "platform/report/Widest.h"

namespace platform::report {

double addBookHeading(ReportLayout& layout, const BookHeading& h, double left, double right) {
    for (const QString* name :
         {&h.companyFormula, &h.cnpjFormula, &h.ieFormula, &h.periodFormula, &h.lastPageFormula})
        if (!name->isEmpty() && !layout.hasFormula(*name)) layout.declareFormula(*name);
    if (!h.lastPageFormula.isEmpty()) layout.pageStartFormula = h.lastPageFormula;

    const FontSpec titleFont = h.dotMatrix ? FontSpec::monoPitch(10, true) : FontSpec::sans(12, true);
    const FontSpec body = h.dotMatrix ? FontSpec::monoPitch(17) : FontSpec::sans(9);
    const double line = h.dotMatrix ? 4.2 : 5;
    const double width = right - left;
    const double top = layout.pageHeader.height;
    Band& band = layout.pageHeader;

    auto labelled = [](QString label, QString formula) {
        return [label, formula](const ReportContext& c) { return label + c.formula(formula); };
    };
    const double pageWidth = 30;
    band.text(left + pageWidth, top, width - 2 * pageWidth, line + 1, h.title, titleFont, Align::Center);
    band.pageNumber(right - pageWidth, top, pageWidth, line + 1, body, Align::Right,
                    QStringLiteral("Folha: "))
        .widest(widest::page(QStringLiteral("Folha: ")));
    double y = top + line + 1;
    const auto item = [&](double x, double w, Align align, const QString& label, const QString& formula,
                          const QString& widest, bool masked = false) {
        band.computed(x, y, w, line, body, align, labelled(label, formula)).widest(label + widest);
        if (masked) band.masked();
    };
    item(left, width, Align::Left, QStringLiteral("Empresa: "), h.companyFormula, h.widestCompany);
    y += line;
    const double third = width / 3;
    item(left, third, Align::Left, QStringLiteral("CNPJ: "), h.cnpjFormula, h.widestCnpj, true);
    item(left + third, third, Align::Left, QStringLiteral("Inscrição Estadual: "), h.ieFormula, h.widestIe);
    item(left + 2 * third, third, Align::Right, QStringLiteral("Período: "), h.periodFormula, h.widestPeriod);
    y += line + 1;
    band.line(left, y, right, y, 0.3);
    y += 1;
    band.height = y;
    return y - top;
}

}  // namespace platform::report
