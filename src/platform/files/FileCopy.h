#pragma once

#include <QString>

namespace platform::files {

// Creates `target` as a copy of `source` and never overwrites a file: the copy is written beside the
// target under a temporary name, flushed to the disk, given owner read and write (a copy would keep
// the source's mode, and a template may be kept read-only) and renamed into place only while no file
// of that name exists, in one step. Returns true when the target was created; otherwise false with
// the reason in the user's words in `reason` (an existing file or folder of the target's name, an
// unreadable source, a folder that cannot be written), leaving no file behind.
bool CopyNewFile(const QString& source, const QString& target, QString& reason);

}  // namespace platform::files
