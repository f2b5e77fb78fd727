#pragma once

#include <sys/types.h>

#include <QString>
#include <optional>

namespace platform::db {

// A file as the system knows it: the same file under any name or letter case.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};

// The identity of the file at `path`; none when it does not exist.
std::optional<FileId> fileIdOf(const QString& path);

// The count of this program's connections on each file, kept by Connection as it opens, attaches,
// detaches and closes files: a rebuild must not replace a file another window still writes to, since
// the rename would succeed and that window's later writes would go to the replaced file and vanish.
void countOpened(FileId file);
void countClosed(FileId file);

// How many of this program's connections have the file at `path` open, attached databases included;
// 0 for a missing file.
int openConnections(const QString& path);

}  // namespace platform::db
