#include "platform/report/TextLines.h"

namespace platform::report {

namespace {
// A control character prints as a blank (a tab or an escape pasted in from another program), so a
// line breaks at it as at a blank.
bool blank(QChar c) { return c == u' ' || c.category() == QChar::Other_Control; }
}  // namespace

QStringList breakLines(const QString& text, const std::function<bool(const QString&)>& fits) {
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        QString line;
        qsizetype at = 0;
        while (at < paragraph.size()) {
            // A word and the blanks before it: blanks inside a line print as typed.
            const qsizetype start = at;
            while (at < paragraph.size() && blank(paragraph[at])) ++at;
            const qsizetype wordStart = at;
            while (at < paragraph.size() && !blank(paragraph[at])) ++at;
            if (wordStart == at) break;
            const QString word = paragraph.mid(wordStart, at - wordStart);
            const QString tried = line + paragraph.mid(start, at - start);
            if (fits(tried)) {
                line = tried;
                continue;
            }
            if (!line.isEmpty()) lines << line;
            line = word;
            while (!fits(line)) {
                qsizetype n = 0;
                while (n < line.size() && fits(line.left(n + 1))) ++n;
                // Not even one character fits: the word stands whole on its line.
                if (n == 0) break;
                lines << line.left(n);
                line = line.mid(n);
            }
        }
        if (!line.isEmpty()) lines << line;
    }
    return lines;
}

QStringList breakLines(const QString& text, int characters) {
    return breakLines(text, [characters](const QString& line) { return line.size() <= characters; });
}

}  // namespace platform::report
