#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

namespace platform::values {

// Windows-1252 code of a character; the five codes Windows-1252 leaves undefined map to the control
// characters of the same number; a character outside Windows-1252 gives 63 ("?").
int ansiCode(QChar c);
// The character of a Windows-1252 code (0 to 255).
QChar fromAnsiCode(int code);

QByteArray toCp1252(const QString& text);
// Appends the Windows-1252 bytes of `text` to `bytes`.
void appendCp1252(QByteArray& bytes, QStringView text);
QString fromCp1252(const QByteArray& bytes);

}  // namespace platform::values
