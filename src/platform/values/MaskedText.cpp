#include "platform/values/MaskedText.h"

#include <algorithm>

namespace platform::values {

namespace {

bool isMaskPunctuation(QChar c) { return c == u'.' || c == u'-' || c == u'/'; }

bool isMaskCharacter(QChar c) {
    return (c.unicode() < 128 && c.isLetterOrNumber()) || c == u'_' || isMaskPunctuation(c);
}

// [begin, end) of `text` is a masked value left partly unfilled.
bool isPartlyFilledMask(const QString& text, qsizetype begin, qsizetype end) {
    bool prompt = false;
    bool filledOrPunctuated = false;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        if (!isMaskCharacter(c)) return false;
        prompt = prompt || c == u'_';
        filledOrPunctuated = filledOrPunctuated || c.isDigit() || isMaskPunctuation(c);
    }
    return prompt && filledOrPunctuated;
}

}  // namespace

QString blankIfEmptyMask(const QString& text) {
    bool prompt = false;
    for (QChar c : text) {
        if (c.isLetterOrNumber()) return text;
        prompt = prompt || c == u'_';
    }
    return prompt ? QString() : text;
}

QString withoutPrompts(const QString& text) {
    QString printed = blankIfEmptyMask(text);
    if (!printed.contains(u'_')) return printed;
    bool changed = false;
    for (qsizetype begin = 0; begin < printed.size();) {
        qsizetype end = begin;
        while (end < printed.size() && !printed.at(end).isSpace()) ++end;
        if (isPartlyFilledMask(printed, begin, end)) {
            // A word never typed goes whole, its punctuation with its prompts.
            const bool typed = std::any_of(printed.cbegin() + begin, printed.cbegin() + end,
                                           [](QChar c) { return c.isLetterOrNumber(); });
            for (qsizetype i = begin; i < end; ++i)
                if (!typed || printed.at(i) == u'_') printed[i] = u' ';
            changed = true;
        }
        begin = end + 1;
    }
    if (!changed) return printed;
    qsizetype size = printed.size();
    while (size > 0 && printed.at(size - 1).isSpace()) --size;
    printed.truncate(size);
    return printed;
}

}  // namespace platform::values
