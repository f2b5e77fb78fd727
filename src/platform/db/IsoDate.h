#pragma once

#include <QDate>

namespace platform::db {

// A stored date, "yyyy-mm-dd" at the start of the text, read digit by digit (a result set may hold
// many dates) from UTF-8 bytes or UTF-16 units; the null date when the text is not one.
template <typename Char>
QDate isoDate(const Char* s, qsizetype length) {
    if (length < 10 || s[4] != Char('-') || s[7] != Char('-')) return QDate();
    const auto digits = [s](int from, int count) {
        int n = 0;
        for (int i = from; i < from + count; ++i) {
            if (s[i] < Char('0') || s[i] > Char('9')) return -1;
            n = n * 10 + int(s[i] - Char('0'));
        }
        return n;
    };
    return QDate(digits(0, 4), digits(5, 2), digits(8, 2));
}

}  // namespace platform::db
