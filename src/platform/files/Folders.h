#pragma once

#include <QString>
#include <QStringList>

namespace platform::files {

// `path` made absolute and clean, ending in "/" (the form the program keeps folders in).
QString folderPath(const QString& path);

// The folder that holds `path` (in folderPath's form); empty at the root.
QString parentFolder(const QString& path);

// The names of the folders directly inside `path`, hidden ones left out, in name order ignoring letter
// case; none when it cannot be read.
QStringList subfolders(const QString& path);

}  // namespace platform::files
