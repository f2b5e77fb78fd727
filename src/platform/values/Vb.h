#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

#include "platform/values/Currency.h"

namespace platform::values {

// Val: the number at the start of a text (blanks skipped, '.' as the decimal point, an optional sign),
// 0 when there is none. "12abc" -> 12; "1,5" -> 1.
double Val(QStringView text);

// CInt and CLng: a number rounded to a whole one, ties to even, as the original converted; out of the
// 16-bit (CInt) or 32-bit (CLng) range, or not a number, is a RuntimeError(Overflow).
qint16 CInt(double value);
qint32 CLng(double value);

// Trim as the original did it: blanks (code 32) only, at both ends; tabs and line ends stay.
QString Trim(QStringView text);
// The same, sharing `text` itself when it has no blanks at its ends.
QString Trim(const QString& text);
// The part of `text` Trim keeps, without a copy.
QStringView TrimmedView(QStringView text);

// A number written as text the way the Brazilian regional setting wrote it: decimal comma, no
// thousands separator, no trailing decimal zeros ("1234,5", "-0,25", "12").
QString regionalText(Currency value);
QString regionalText(qint64 value);
QString regionalText(double value);

// Format with the patterns the program uses, independent of the machine's locale, in Brazilian form
// ("." thousands, "," decimals): "###,###,##0.00", "#,###,##0.00", "####0.00", "#0.0000", "0000", ...
// The digits are built from the exact value itself.
QString Format(Currency value, QStringView pattern);
QString Format(qint64 value, QStringView pattern);
// Date patterns: "dd/mm/yyyy", "mm/yyyy", "dd", "mm", "yyyy", "yy", "mmyyyy"... A null date gives "".
QString Format(const QDate& date, QStringView pattern);

// "dd/mm/yyyy" <-> QDate. Parsing refuses impossible dates and anything but that exact form.
QString formatDate(const QDate& date);
std::optional<QDate> parseDate(QStringView text);
// "mm/yyyy" <-> the first day of that month.
QString formatPeriod(const QDate& date);
std::optional<QDate> parsePeriod(QStringView text);

// The latest date any date field accepts.
inline const QDate MaximumDate{2099, 12, 31};

}  // namespace platform::values
