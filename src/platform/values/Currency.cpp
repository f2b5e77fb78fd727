#include "platform/values/Currency.h"

#include <cmath>
#include <limits>

#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"

namespace platform::values {

namespace {

using Wide = __int128;

constexpr Wide MaxRaw = std::numeric_limits<std::int64_t>::max();
constexpr Wide MinRaw = std::numeric_limits<std::int64_t>::min();

std::int64_t checked(Wide value) {
    if (value > MaxRaw || value < MinRaw) throw RuntimeError(ErrorNumber::Overflow);
    return static_cast<std::int64_t>(value);
}

// n / d rounded to the nearest integer, ties to even (the original's currency conversion); d > 0.
Wide divideTiesToEven(Wide n, Wide d) {
    Wide q = n / d;
    Wide r = n % d;  // same sign as n
    if (r < 0) {
        r = -r;
        const Wide twice = 2 * r;
        if (twice > d || (twice == d && (q & 1) != 0)) --q;
    } else {
        const Wide twice = 2 * r;
        if (twice > d || (twice == d && (q & 1) != 0)) ++q;
    }
    return q;
}

// floor(n / d) for d > 0.
Wide floorDivide(Wide n, Wide d) {
    Wide q = n / d;
    if (n % d != 0 && n < 0) --q;
    return q;
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

Currency Currency::fromUnits(std::int64_t units) { return Currency(checked(Wide(units) * Scale)); }

Currency Currency::fromDouble(double value) {
    const double scaled = value * static_cast<double>(Scale);
    // 2^63 is exactly representable; anything at or beyond it (or NaN) does not fit.
    if (!(scaled > -9223372036854775808.0 && scaled < 9223372036854775808.0))
        throw RuntimeError(ErrorNumber::Overflow);
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    auto raw = static_cast<std::int64_t>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && (raw & 1) != 0)) ++raw;
    return Currency(raw);
}

std::optional<Currency> Currency::parse(const QString& text) {
    const QStringView t = QStringView(text).trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    bool negative = false;
    if (i < n && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    const qsizetype commaAt = t.indexOf(u',', i);
    const qsizetype intEnd = commaAt < 0 ? n : commaAt;

    // Integer part: digits with optional thousands points, each followed by exactly three digits.
    // Without a comma, a single point not followed by exactly three digits is the decimal point.
    QStringView intPart = t.sliced(i, intEnd - i);
    QStringView fracPart;
    if (commaAt >= 0) {
        fracPart = t.sliced(commaAt + 1);
    } else {
        const qsizetype point = intPart.lastIndexOf(u'.');
        if (point >= 0 && intPart.size() - point - 1 != 3 && intPart.indexOf(u'.') == point) {
            fracPart = intPart.sliced(point + 1);
            intPart = intPart.first(point);
            if (fracPart.isEmpty()) return std::nullopt;
        }
    }
    if (intPart.isEmpty() && fracPart.isEmpty()) return std::nullopt;

    Wide units = 0;
    int digitsSincePoint = -1;  // -1: no point seen yet
    int intDigits = 0;
    for (QChar c : intPart) {
        if (c == u'.') {
            if (intDigits == 0 || (digitsSincePoint >= 0 && digitsSincePoint != 3)) return std::nullopt;
            digitsSincePoint = 0;
            continue;
        }
        if (!isDigit(c)) return std::nullopt;
        units = units * 10 + (c.unicode() - u'0');
        if (units > MaxRaw) return std::nullopt;
        ++intDigits;
        if (digitsSincePoint >= 0) ++digitsSincePoint;
    }
    if (digitsSincePoint >= 0 && digitsSincePoint != 3) return std::nullopt;

    // Decimals: any count; beyond four they round to four, ties to even.
    Wide frac = 0;
    Wide fracScale = 1;
    for (QChar c : fracPart) {
        if (!isDigit(c)) return std::nullopt;
        if (fracScale > MaxRaw) {
            // Digits far beyond the fourth can only decide a tie; keep a sticky non-zero marker.
            if (c != u'0') frac |= 1;
            continue;
        }
        frac = frac * 10 + (c.unicode() - u'0');
        fracScale *= 10;
    }
    Wide raw = units * Scale;
    if (fracScale >= Scale)
        raw += divideTiesToEven(frac, fracScale / Scale);
    else
        raw += frac * (Scale / fracScale);
    if (negative) raw = -raw;
    if (raw > MaxRaw || raw < MinRaw) return std::nullopt;
    return Currency(static_cast<std::int64_t>(raw));
}

QString Currency::toString() const { return Format(*this, u"#,##0.00"); }

Currency& Currency::operator+=(Currency o) {
    if (__builtin_add_overflow(raw_, o.raw_, &raw_)) throw RuntimeError(ErrorNumber::Overflow);
    return *this;
}

Currency& Currency::operator-=(Currency o) {
    if (__builtin_sub_overflow(raw_, o.raw_, &raw_)) throw RuntimeError(ErrorNumber::Overflow);
    return *this;
}

Currency operator*(Currency a, Currency b) {
    return Currency(checked(divideTiesToEven(Wide(a.raw_) * b.raw_, Currency::Scale)));
}

Currency operator/(Currency a, Currency b) {
    if (b.raw_ == 0) throw RuntimeError(ErrorNumber::DivisionByZero);
    Wide n = Wide(a.raw_) * Currency::Scale;
    Wide d = b.raw_;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    return Currency(checked(divideTiesToEven(n, d)));
}

Currency operator*(Currency a, std::int64_t n) { return Currency(checked(Wide(a.raw_) * n)); }

Currency roundHalfUp(Currency value, int places) {
    if (places >= 4) return value;
    if (places < -14) places = -14;
    Wide unit = 1;
    for (int k = places; k < 4; ++k) unit *= 10;
    const Wide rounded = floorDivide(Wide(value.raw()) + unit / 2, unit) * unit;
    return Currency::fromRaw(checked(rounded));
}

Currency taxAmount(Currency base, Currency ratePercent) {
    // raw(base) * raw(rate) is in 10^-8 units of a percent; the amount in 10^-4 units is that / 10^6.
    const Wide product = Wide(base.raw()) * ratePercent.raw();
    const Currency fourDecimals = Currency::fromRaw(checked(divideTiesToEven(product, 1000000)));
    return roundHalfUp(fourDecimals, 2);
}

}  // namespace platform::values
