#include "platform/values/TextCompare.h"

#include <array>

namespace platform::values {

namespace {

// For each character below 256: its case-folded form (accents kept) and its base letter (folded,
// accents removed). Letters outside that range are folded through Qt's own tables.
struct Latin1Tables {
    std::array<char16_t, 256> fold{};
    std::array<char16_t, 256> base{};
};

char16_t stripAccent(char16_t folded) {
    const QChar c(folded);
    if (c.decompositionTag() == QChar::Canonical) {
        const QString d = c.decomposition();
        if (!d.isEmpty()) return d[0].unicode();
    }
    return folded;
}

Latin1Tables makeTables() {
    Latin1Tables t;
    for (int i = 0; i < 256; ++i) {
        const QChar c(static_cast<char16_t>(i));
        // ß and ÿ fold outside a single Latin-1 lower case; lower case keeps them single.
        const char16_t folded = c.toLower().unicode();
        t.fold[i] = folded;
        t.base[i] = stripAccent(folded);
    }
    return t;
}

const Latin1Tables& tables() {
    static const Latin1Tables t = makeTables();
    return t;
}

inline char16_t foldOf(char16_t u, const Latin1Tables& t) {
    if (u < 256) return t.fold[u];
    return QChar(u).toCaseFolded().unicode();
}

inline char16_t baseOf(char16_t u, const Latin1Tables& t) {
    if (u < 256) return t.base[u];
    return stripAccent(QChar(u).toCaseFolded().unicode());
}

}  // namespace

int compareText(QStringView a, QStringView b) {
    const Latin1Tables& t = tables();
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    // First the letters without accents, case ignored; only when those tie do the accents decide,
    // at their first difference, the plain letter before the accented one.
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i]) continue;
        const char16_t x = baseOf(pa[i], t);
        const char16_t y = baseOf(pb[i], t);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i]) continue;
        const char16_t x = foldOf(pa[i], t);
        const char16_t y = foldOf(pb[i], t);
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

QString foldCase(QStringView text) {
    const Latin1Tables& t = tables();
    QString out(text.size(), Qt::Uninitialized);
    char16_t* p = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < text.size(); ++i) p[i] = foldOf(text[i].unicode(), t);
    return out;
}

bool startsWithText(QStringView text, QStringView prefix) {
    if (prefix.size() > text.size()) return false;
    return compareText(text.first(prefix.size()), prefix) == 0;
}

bool likeText(QStringView text, QStringView pattern) {
    const Latin1Tables& t = tables();
    // Iterative wildcard match: on a mismatch, retry from the last '%' one character further on.
    qsizetype ti = 0, pi = 0;
    qsizetype starP = -1, starT = 0;
    while (ti < text.size()) {
        if (pi < pattern.size()) {
            const char16_t pc = pattern[pi].unicode();
            if (pc == u'%') {
                starP = pi++;
                starT = ti;
                continue;
            }
            if (pc == u'_' || foldOf(pc, t) == foldOf(text[ti].unicode(), t)) {
                ++pi;
                ++ti;
                continue;
            }
        }
        if (starP < 0) return false;
        pi = starP + 1;
        ti = ++starT;
    }
    while (pi < pattern.size() && pattern[pi] == u'%') ++pi;
    return pi == pattern.size();
}

}  // namespace platform::values
