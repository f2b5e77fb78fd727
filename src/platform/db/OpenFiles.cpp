#include "platform/db/OpenFiles.h"

#include <sys/stat.h>

#include <QFile>
#include <mutex>
#include <vector>

namespace platform::db {
namespace {

struct Count {
    FileId file;
    int connections;
};

// Few files are open at once: a list is enough.
std::mutex mutex;
std::vector<Count>& counts() {
    static std::vector<Count> all;
    return all;
}

}  // namespace

std::optional<FileId> fileIdOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
    return FileId{info.st_dev, info.st_ino};
}

void countOpened(FileId file) {
    const std::lock_guard lock(mutex);
    for (Count& c : counts())
        if (c.file == file) {
            ++c.connections;
            return;
        }
    counts().push_back({file, 1});
}

void countClosed(FileId file) {
    const std::lock_guard lock(mutex);
    auto& all = counts();
    for (auto it = all.begin(); it != all.end(); ++it)
        if (it->file == file) {
            if (--it->connections == 0) all.erase(it);
            return;
        }
}

int openConnections(const QString& path) {
    const auto file = fileIdOf(path);
    if (!file) return 0;
    const std::lock_guard lock(mutex);
    for (const Count& c : counts())
        if (c.file == *file) return c.connections;
    return 0;
}

}  // namespace platform::db
