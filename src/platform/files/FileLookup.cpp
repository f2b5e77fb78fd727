#include "platform/files/FileLookup.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace platform::files {

std::optional<QString> FindFile(const QString& folder, const QString& name) {
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name)).isFile()) return dir.filePath(name);
    QStringList nomes = dir.entryList(QDir::Files | QDir::Hidden);
    // Code-point order, so that the same folder gives the same file on every machine.
    std::sort(nomes.begin(), nomes.end());
    for (const QString& candidato : nomes)
        if (candidato.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(candidato);
    return std::nullopt;
}

bool FileExists(const QString& folder, const QString& name) { return FindFile(folder, name).has_value(); }

}  // namespace platform::files
