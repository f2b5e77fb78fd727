#pragma once

#include <QString>

#include "platform/report/ReportLayout.h"

namespace platform::report {

// The heading every book and term page shares: the book's title and page number, the company's
// name, CNPJ and state registration, and the period. Each item is a formula the print sets; their
// names differ from report to report, so they are given here.
struct BookHeading {
    QString title;
    QString companyFormula = QStringLiteral("empr");
    QString cnpjFormula = QStringLiteral("cgc");
    QString ieFormula = QStringLiteral("ie");
    QString periodFormula = QStringLiteral("mesano");
    // The formula holding the last page already printed; the first page is that number plus one.
    // Empty: the pages count from 1 and the layout's own page-start formula is left as it is.
    QString lastPageFormula = QStringLiteral("nfolha");
    // The dot-matrix layouts print in the mono face at 17 characters per inch.
    bool dotMatrix = false;
    // The widest value of each item, which the heading gives room: a name of 40 characters, a CNPJ,
    // a state registration of 15 characters, a period.
    QString widestCompany = QString(40, u'W');
    QString widestCnpj = QStringLiteral("99.999.999/9999-99");
    QString widestIe = QStringLiteral("999.999.999.999");
    QString widestPeriod = QStringLiteral("99/9999");
};

// Declares the heading's formulas on the layout and adds the heading at the top of its page header,
// across the page between `left` and `right` (millimetres from the page's left edge). Returns the
// height the heading takes; the page header grows by it.
double addBookHeading(ReportLayout& layout, const BookHeading& heading, double left, double right);

}  // namespace platform::report
