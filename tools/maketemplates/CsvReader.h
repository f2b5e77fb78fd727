#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reads a CSV file as the reference tables are written: UTF-8, comma-separated, fields quoted only
// when they hold a comma, a quote or a line break, quotes doubled inside. Returns every record,
// the header included. Throws std::runtime_error on a file it cannot read or a quote left open.
QList<QStringList> readCsv(const QString& path);

// The same over text already read.
QList<QStringList> parseCsv(const QString& text, const QString& origin);
