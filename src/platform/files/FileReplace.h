#pragma once

#include <QIODevice>
#include <QString>
#include <memory>

namespace platform::files {

// Replacing a file whole, so that a failure, a full disk or a kill leaves either the old file or the
// complete new one. The new content is written to a working file beside the target, made durable,
// and renamed over the target in one step.

// A unique name beside `target` for its working file (hidden, named after the target).
QString WorkingFileName(const QString& target);

// Removes the working files an interrupted replacement of `target` or of the backup `backup` (may be
// empty) left behind, with their journals. Call it only while no replacement of them runs.
void RemoveWorkingFiles(const QString& target, const QString& backup = {});

// Writes the file or folder at `path` to the disk (fsync); false when it cannot be opened or synced.
bool SyncToDisk(const QString& path);

// Keeps the current `file` as `backup`, replacing an older one in one step: a hard link under a
// working name renamed over it, or a synced copy where the file system has no links. False with the
// reason in `reason` otherwise; `file` is never touched.
bool KeepBackup(const QString& file, const QString& backup, QString& reason);

// Renames the synced `working` file over `target` in one step and syncs the folder, so that the new
// name survives a crash. False with the reason when the rename fails (both files are as they were).
bool ReplaceWith(const QString& working, const QString& target, QString& reason);

// A new file for `target`, written to a working file beside it and put in its place by commit() only
// when it is complete and on disk: a failure, a full disk or a kill leaves the old file (or none) or the
// complete new one under the target's name. Opening removes the working files that an earlier
// replacement of the same target, killed, left behind. Destroyed without commit(), it removes its own.
class FileReplacement {
  public:
    explicit FileReplacement(const QString& target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Creates the working file (with the permissions of the file it replaces); false with reason().
    bool open();
    // Where the new content is written, once open (a device that only appends).
    QIODevice& device();
    // Checks that every write reached the working file, syncs it and renames it over the target;
    // false with reason(), the target as it was and the working file gone.
    bool commit();
    // Why open() or commit() failed, in the user's words ("o disco está cheio").
    const QString& reason() const { return reason_; }

  private:
    class Device;
    void discard();
    QString target_;
    QString working_;
    std::unique_ptr<Device> device_;
    QString reason_;
};

}  // namespace platform::files
