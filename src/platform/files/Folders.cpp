#include "platform/files/Folders.h"

#include <QDir>

namespace platform::files {

QString folderPath(const QString& path) {
    QString clean = QDir::cleanPath(QDir(path).absolutePath());
    if (!clean.endsWith(u'/')) clean += u'/';
    return clean;
}

QString parentFolder(const QString& path) {
    QDir dir(folderPath(path));
    return dir.cdUp() ? folderPath(dir.path()) : QString();
}

QStringList subfolders(const QString& path) {
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

}  // namespace platform::files
