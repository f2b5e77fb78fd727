#include "platform/values/Vb.h"

#include <QByteArray>
#include <cmath>

#include "platform/values/RuntimeError.h"

namespace platform::values {

namespace {

using Wide = unsigned __int128;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isValBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

Wide power10(int n) {
    Wide p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

QString digitsOf(Wide v) {
    if (v == 0) return QStringLiteral("0");
    char buffer[48];
    int i = sizeof buffer;
    while (v > 0) {
        buffer[--i] = static_cast<char>('0' + static_cast<int>(v % 10));
        v /= 10;
    }
    return QString::fromLatin1(buffer + i, static_cast<qsizetype>(sizeof buffer) - i);
}

struct NumberPattern {
    QString prefix;
    QString suffix;
    int minInt = 0;
    bool group = false;
    bool hasPoint = false;
    int decimals = 0;
    int minDecimals = 0;
};

NumberPattern parsePattern(QStringView pattern) {
    NumberPattern p;
    auto isPlaceholder = [](QChar c) { return c == u'0' || c == u'#' || c == u',' || c == u'.'; };
    qsizetype first = 0;
    while (first < pattern.size() && !isPlaceholder(pattern[first])) ++first;
    qsizetype last = pattern.size();
    while (last > first && !isPlaceholder(pattern[last - 1])) --last;
    p.prefix = pattern.first(first).toString();
    p.suffix = pattern.sliced(last).toString();
    bool afterPoint = false;
    for (QChar c : pattern.sliced(first, last - first)) {
        if (c == u'.') {
            if (afterPoint) continue;
            afterPoint = true;
            p.hasPoint = true;
        } else if (c == u',') {
            if (!afterPoint) p.group = true;
        } else if (c == u'0') {
            if (afterPoint) {
                ++p.decimals;
                p.minDecimals = p.decimals;
            } else {
                ++p.minInt;
            }
        } else if (c == u'#') {
            if (afterPoint) ++p.decimals;
        }
    }
    return p;
}

// The value is |value| in ten-thousandths; rounding to the pattern's decimals is half away from
// zero, as the original's Format did.
QString formatScaled(bool negative, Wide scaled, QStringView patternText) {
    const NumberPattern p = parsePattern(patternText);
    Wide rounded;
    if (p.decimals < 4) {
        const Wide unit = power10(4 - p.decimals);
        rounded = (scaled + unit / 2) / unit;
    } else {
        rounded = scaled * power10(p.decimals - 4);
    }
    const Wide divisor = power10(p.decimals);
    const Wide intPart = rounded / divisor;
    const Wide fracPart = rounded % divisor;

    QString intDigits = intPart == 0 ? QString() : digitsOf(intPart);
    if (intDigits.size() < p.minInt) intDigits.prepend(QString(p.minInt - intDigits.size(), u'0'));
    if (p.group && intDigits.size() > 3) {
        QString grouped;
        grouped.reserve(intDigits.size() + intDigits.size() / 3);
        const qsizetype lead = intDigits.size() % 3;
        for (qsizetype i = 0; i < intDigits.size(); ++i) {
            if (i > 0 && (i - lead) % 3 == 0) grouped += u'.';
            grouped += intDigits[i];
        }
        intDigits = grouped;
    }

    QString result;
    if (negative && rounded != 0) result += u'-';
    result += p.prefix;
    result += intDigits;
    if (p.hasPoint) {
        result += u',';
        if (p.decimals > 0) {
            QString frac = digitsOf(fracPart);
            frac.prepend(QString(p.decimals - frac.size(), u'0'));
            qsizetype keep = frac.size();
            while (keep > p.minDecimals && frac[keep - 1] == u'0') --keep;
            result += QStringView(frac).first(keep);
        }
    }
    result += p.suffix;
    return result;
}

Wide magnitude(qint64 v) {
    const auto u = static_cast<unsigned long long>(v);
    return v < 0 ? Wide(0ULL - u) : Wide(u);
}

// Reads exactly `count` digits at `pos`; -1 when any is not a digit.
int readDigits(QStringView text, qsizetype pos, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const QChar c = text[pos + i];
        if (!isDigit(c)) return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QString twoDigits(int v) { return QString::number(v).rightJustified(2, u'0'); }

}  // namespace

double Val(QStringView text) {
    QByteArray number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isValBlank(text[i])) ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        number += static_cast<char>(text[i].unicode());
        ++i;
    }
    bool anyDigit = false;
    bool point = false;
    for (skipBlanks(); i < n; skipBlanks()) {
        const QChar c = text[i];
        if (isDigit(c)) {
            number += static_cast<char>(c.unicode());
            anyDigit = true;
        } else if (c == u'.' && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (!anyDigit) return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        QByteArray exponent("e");
        ++i;
        skipBlanks();
        if (i < n && (text[i] == u'-' || text[i] == u'+')) {
            exponent += static_cast<char>(text[i].unicode());
            ++i;
        }
        bool expDigit = false;
        for (skipBlanks(); i < n && isDigit(text[i]); skipBlanks()) {
            exponent += static_cast<char>(text[i].unicode());
            expDigit = true;
            ++i;
        }
        if (expDigit) number += exponent;
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok ? v : 0.0;
}

// Rounds to the nearest whole number, ties to even, within [low, high].
static double wholeInRange(double value, double low, double high) {
    const double r = std::nearbyint(value);
    if (!(r >= low && r <= high)) throw RuntimeError(ErrorNumber::Overflow);
    return r;
}

qint16 CInt(double value) { return static_cast<qint16>(wholeInRange(value, -32768.0, 32767.0)); }

qint32 CLng(double value) { return static_cast<qint32>(wholeInRange(value, -2147483648.0, 2147483647.0)); }

QStringView TrimmedView(QStringView text) {
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b] == u' ') ++b;
    while (e > b && text[e - 1] == u' ') --e;
    return text.sliced(b, e - b);
}

QString Trim(QStringView text) { return TrimmedView(text).toString(); }

QString Trim(const QString& text) {
    const QStringView kept = TrimmedView(text);
    return kept.size() == text.size() ? text : kept.toString();
}

QString regionalText(Currency value) {
    const qint64 raw = value.raw();
    const Wide abs = magnitude(raw);
    QString text = raw < 0 ? QStringLiteral("-") : QString();
    text += digitsOf(abs / Currency::Scale);
    const int frac = static_cast<int>(abs % Currency::Scale);
    if (frac != 0) {
        QString f = QString::number(frac).rightJustified(4, u'0');
        while (f.endsWith(u'0')) f.chop(1);
        text += u',';
        text += f;
    }
    return text;
}

QString regionalText(qint64 value) { return QString::number(value); }

QString regionalText(double value) {
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', u',');
    text.replace(u'e', u'E');
    return text;
}

QString Format(Currency value, QStringView pattern) {
    return formatScaled(value.raw() < 0, magnitude(value.raw()), pattern);
}

QString Format(qint64 value, QStringView pattern) {
    return formatScaled(value < 0, magnitude(value) * Currency::Scale, pattern);
}

QString Format(const QDate& date, QStringView pattern) {
    if (!date.isValid()) return QString();
    QString out;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i].toLower();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run].toLower() == c) ++run;
        if (c == u'd') {
            out += run >= 2 ? twoDigits(date.day()) : QString::number(date.day());
        } else if (c == u'm') {
            out += run >= 2 ? twoDigits(date.month()) : QString::number(date.month());
        } else if (c == u'y') {
            out += run >= 3 ? QString::number(date.year()).rightJustified(4, u'0')
                            : twoDigits(date.year() % 100);
        } else {
            out += pattern.sliced(i, run);
        }
        i += run;
    }
    return out;
}

QString formatDate(const QDate& date) { return Format(date, u"dd/mm/yyyy"); }

std::optional<QDate> parseDate(QStringView text) {
    if (text.size() != 10 || text[2] != u'/' || text[5] != u'/') return std::nullopt;
    const int d = readDigits(text, 0, 2);
    const int m = readDigits(text, 3, 2);
    const int y = readDigits(text, 6, 4);
    if (d < 0 || m < 0 || y < 0) return std::nullopt;
    const QDate date(y, m, d);
    if (!date.isValid()) return std::nullopt;
    return date;
}

QString formatPeriod(const QDate& date) { return Format(date, u"mm/yyyy"); }

std::optional<QDate> parsePeriod(QStringView text) {
    if (text.size() != 7 || text[2] != u'/') return std::nullopt;
    const int m = readDigits(text, 0, 2);
    const int y = readDigits(text, 3, 4);
    if (m < 0 || y < 0) return std::nullopt;
    const QDate date(y, m, 1);
    if (!date.isValid()) return std::nullopt;
    return date;
}

}  // namespace platform::values
