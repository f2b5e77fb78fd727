#pragma once

#include <QString>

// The widest values the windows let a clerk type, for the layouts to declare on the elements that
// print them (Element::widest).
namespace platform::report::widest {

inline const QString Date = QStringLiteral("31/12/2099");
inline const QString Cnpj = QStringLiteral("99.999.999/9999-99");
// A page number of a book of any length, after its label.
inline QString page(const QString& label) { return label + QStringLiteral("999999"); }
// A text of `n` characters of the widest letter.
inline QString letters(int n) { return QString(n, u'W'); }
inline QString digits(int n) { return QString(n, u'9'); }

}  // namespace platform::report::widest
