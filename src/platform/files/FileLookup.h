#pragma once

#include <QString>
#include <optional>

namespace platform::files {

// The path of the file `name` in `folder` (ending in "/" or not), its name matched without regard to
// letter case, since the program's files may have come from a system that ignored it ("mv080001.mdb"
// is "MV080001.MDB"): the exact spelling when that file exists, otherwise the first match in name
// order. Only files count, not folders. None when the folder holds no such file or cannot be read.
std::optional<QString> FindFile(const QString& folder, const QString& name);

// Whether FindFile finds the file.
bool FileExists(const QString& folder, const QString& name);

}  // namespace platform::files
