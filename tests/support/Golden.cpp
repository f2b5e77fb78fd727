#include "support/Golden.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <vector>

#include "platform/report/Render.h"

namespace testsupport {

namespace {

// Above this many cells the middle of the two texts is shown whole instead of matched line by line.
constexpr long long MaxMatchCells = 4'000'000;

}  // namespace

QStringList lineDiff(const QStringList& expected, const QStringList& actual, int limit) {
    qsizetype head = 0;
    while (head < expected.size() && head < actual.size() && expected[head] == actual[head]) ++head;
    qsizetype tail = 0;
    while (tail < expected.size() - head && tail < actual.size() - head &&
           expected[expected.size() - 1 - tail] == actual[actual.size() - 1 - tail])
        ++tail;
    const QStringList a = expected.mid(head, expected.size() - head - tail);
    const QStringList b = actual.mid(head, actual.size() - head - tail);
    if (a.isEmpty() && b.isEmpty()) return {};

    // Longest common subsequence of the middle, from the end, so that the walk below goes forward.
    const auto n = static_cast<std::size_t>(a.size()), m = static_cast<std::size_t>(b.size());
    std::vector<std::vector<int>> common;
    if (static_cast<long long>(n) * static_cast<long long>(m) <= MaxMatchCells) {
        common.assign(n + 1, std::vector<int>(m + 1, 0));
        for (std::size_t i = n; i-- > 0;)
            for (std::size_t j = m; j-- > 0;)
                common[i][j] = a[qsizetype(i)] == b[qsizetype(j)]
                                   ? common[i + 1][j + 1] + 1
                                   : std::max(common[i + 1][j], common[i][j + 1]);
    }
    QStringList out;
    bool inRun = false;
    std::size_t i = 0, j = 0;
    const auto add = [&](const QString& line, std::size_t at) {
        if (!inRun) out << QStringLiteral("@@ line %1").arg(qsizetype(at) + head + 1);
        inRun = true;
        out << line;
    };
    while ((i < n || j < m) && out.size() < limit) {
        if (i < n && j < m && a[qsizetype(i)] == b[qsizetype(j)]) {
            inRun = false;
            ++i;
            ++j;
        } else if (j == m || (i < n && (common.empty() || common[i + 1][j] >= common[i][j + 1]))) {
            add(QStringLiteral("- ") + a[qsizetype(i)], i);
            ++i;
        } else {
            add(QStringLiteral("+ ") + b[qsizetype(j)], i);
            ++j;
        }
    }
    if (i < n || j < m) out << QStringLiteral("...");
    return out;
}

void expectGoldenIn(const QString& folder, const QString& name, const platform::report::Document& document) {
    const QString text = platform::report::dump(document);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".txt");
    if (qEnvironmentVariable("RT_UPDATE_GOLDEN") == QLatin1String("1")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        out.write(text.toUtf8());
        const QString pdf =
            QDir::temp().filePath(QStringLiteral("rt-golden-") + name + QStringLiteral(".pdf"));
        ASSERT_TRUE(platform::report::writePdf(document, pdf)) << pdf.toStdString();
        std::printf("golden %s written; look at %s\n", qPrintable(name), qPrintable(pdf));
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly))
        << "golden file missing (RT_UPDATE_GOLDEN=1 writes it): " << path.toStdString();
    const QString expected = QString::fromUtf8(in.readAll());
    if (expected == text) return;
    ADD_FAILURE() << "golden " << name.toStdString() << " differs (RT_UPDATE_GOLDEN=1 rewrites it):\n"
                  << lineDiff(expected.split(QLatin1Char('\n')), text.split(QLatin1Char('\n')))
                         .join(QLatin1Char('\n'))
                         .toStdString();
}

QStringList pdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    QStringList lines;
    for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        lines.append(l.simplified());
    return lines;
}

int pdfPages(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    if (!p.waitForFinished(30000)) return -1;
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

}  // namespace testsupport
