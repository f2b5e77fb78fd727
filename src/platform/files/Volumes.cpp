#include "platform/files/Volumes.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace platform::files {

namespace {

std::function<QList<Volume>()>& source() {
    static std::function<QList<Volume>()> s;
    return s;
}

QString withSlash(QString path) {
    if (!path.endsWith(u'/')) path += u'/';
    return path;
}

QList<Volume> systemVolumes() {
    QList<Volume> volumes;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid()) continue;
        const QString name = s.name().isEmpty() ? QString::fromLocal8Bit(s.device()) : s.name();
        volumes.append({withSlash(s.rootPath()), name, s.isReady()});
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const Volume& a, const Volume& b) { return a.root < b.root; });
    return volumes;
}

}  // namespace

QList<Volume> mountedVolumes() { return source() ? source()() : systemVolumes(); }

void setVolumeSource(std::function<QList<Volume>()> s) { source() = std::move(s); }

int volumeHolding(const QList<Volume>& volumes, const QString& path) {
    const QString target = withSlash(path);
    int found = -1;
    for (int i = 0; i < volumes.size(); ++i) {
        const QString root = withSlash(volumes[i].root);
        if (target.startsWith(root) && (found < 0 || root.size() > withSlash(volumes[found].root).size()))
            found = i;
    }
    return found;
}

bool isReadable(const Volume& volume) {
    const QFileInfo root(volume.root);
    return volume.ready && root.isDir() && root.isReadable();
}

}  // namespace platform::files
