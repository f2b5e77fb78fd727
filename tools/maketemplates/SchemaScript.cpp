#include "SchemaScript.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <stdexcept>

#include "CsvReader.h"

using platform::db::Connection;
using platform::db::Param;
using platform::db::Params;

namespace {

[[noreturn]] void fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

void runStatement(Connection& db, const QString& sql) {
    if (!sql.contains(QLatin1String("@MM@"))) {
        db.Execute(sql);
        return;
    }
    for (int month = 1; month <= 12; ++month)
        db.Execute(
            QString(sql).replace(QLatin1String("@MM@"), QString::number(month).rightJustified(2, u'0')));
}

void importCsv(Connection& db, const QString& directive, const QString& referenceDir, const QString& origin) {
    static const QRegularExpression form(
        QStringLiteral(R"(^--\s*@import\s+(\S+)\s+INTO\s+(\w+)\s*\(([^)]*)\)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = form.match(directive.trimmed());
    if (!match.hasMatch()) fail(origin + ": malformed directive: " + directive);
    const QString file = QDir(referenceDir).filePath(match.captured(1));
    const QString table = match.captured(2);
    QStringList columns = match.captured(3).split(u',', Qt::SkipEmptyParts);
    for (QString& c : columns) c = c.trimmed();

    const auto records = readCsv(file);
    if (records.isEmpty()) fail(file + ": no header");
    if (records.first().size() != columns.size())
        fail(QStringLiteral("%1: %2 columns in the header, %3 named in %4")
                 .arg(file)
                 .arg(records.first().size())
                 .arg(columns.size())
                 .arg(origin));
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i) marks.append(QStringLiteral("?"));
    const QString sql =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(u','), marks.join(u','));
    for (qsizetype r = 1; r < records.size(); ++r) {
        const QStringList& record = records[r];
        if (record.size() != columns.size())
            fail(QStringLiteral("%1: record %2 has %3 fields").arg(file).arg(r + 1).arg(record.size()));
        Params params;
        params.reserve(record.size());
        for (const QString& value : record) params.emplace_back(value);
        db.Execute(sql, params);
    }
}

bool onlyComments(const QString& text) {
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (!t.isEmpty() && !t.startsWith(QLatin1String("--"))) return false;
    }
    return true;
}

}  // namespace

void runSchemaScript(Connection& db, const QString& scriptPath, const QString& referenceDir) {
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) fail("cannot read " + scriptPath);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    QString pending;
    int lineNumber = 0;
    for (const QString& line : lines) {
        ++lineNumber;
        if (line.trimmed().startsWith(QLatin1String("-- @import"))) {
            if (!onlyComments(pending))
                fail(QStringLiteral("%1:%2: directive inside a statement").arg(scriptPath).arg(lineNumber));
            pending.clear();
            importCsv(db, line, referenceDir, QStringLiteral("%1:%2").arg(scriptPath).arg(lineNumber));
            continue;
        }
        pending += line;
        pending += u'\n';
        if (sqlite3_complete(pending.toUtf8().constData())) {
            runStatement(db, pending.trimmed());
            pending.clear();
        }
    }
    if (!onlyComments(pending)) fail(scriptPath + ": the last statement has no ';'");
}
