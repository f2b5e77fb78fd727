#include "platform/report/TextLines.h"

namespace platform::report {

QStringList breakLines(const QString& text, const std::function<bool(const QString&)>& fits) {
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        QString line;
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const QString tried = line.isEmpty() ? word : line + u' ' + word;
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
