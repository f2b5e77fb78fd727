#include "CsvReader.h"

#include <QFile>
#include <stdexcept>

QList<QStringList> parseCsv(const QString& text, const QString& origin) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    const qsizetype n = text.size();
    auto endField = [&] {
        record.append(field);
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        if (!(record.size() == 1 && record.first().isEmpty())) records.append(record);
        record.clear();
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == u'"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == u',') {
            endField();
        } else if (c == u'\n') {
            endRecord();
        } else if (c == u'\r') {
            // CRLF ends a record like LF does.
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) throw std::runtime_error(("unterminated quoted field in " + origin).toStdString());
    if (fieldStarted || !record.isEmpty()) endRecord();
    return records;
}

QList<QStringList> readCsv(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error(("cannot read " + path).toStdString());
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    return parseCsv(QString::fromUtf8(bytes), path);
}
