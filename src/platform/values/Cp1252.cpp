#include "platform/values/Cp1252.h"

namespace platform::values {

namespace {

// Characters of the codes 128 to 159; the five codes Windows-1252 leaves undefined keep the control
// character of the same number, so that such bytes survive a round trip.
constexpr char16_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr int Unmappable = 63;

}  // namespace

int ansiCode(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (int i = 0; i < 32; ++i)
        if (High[i] == u) return 0x80 + i;
    return Unmappable;
}

QChar fromAnsiCode(int code) {
    if (code >= 0x80 && code < 0xA0) return QChar(High[code - 0x80]);
    return QChar(static_cast<char16_t>(code & 0xFF));
}

QByteArray toCp1252(const QString& text) {
    QByteArray bytes;
    appendCp1252(bytes, text);
    return bytes;
}

void appendCp1252(QByteArray& bytes, QStringView text) {
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char* out = bytes.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80) {
            *out++ = static_cast<char>(c.unicode());
            continue;
        }
        // A character beyond the basic plane is one character, and so one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        *out++ = static_cast<char>(ansiCode(c));
    }
    bytes.resize(out - bytes.data());
}

QString fromCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) text += fromAnsiCode(static_cast<unsigned char>(b));
    return text;
}

}  // namespace platform::values
