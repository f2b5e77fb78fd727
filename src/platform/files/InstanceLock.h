#pragma once

#include <QString>

namespace platform::files {

// The lock file of a program folder. Every running copy of the program holds it shared; a rebuild of
// the folder's databases holds it exclusive, so no other copy has them open while they are replaced.
// The locks belong to the open file, so they end with the process however it ends.
inline constexpr const char* InstanceLockFile = "Tarvel.lck";

// Holds the shared lock on the lock file of `folder` for the rest of the program's life, waiting while
// a rebuild holds it exclusive. Calling it again for another folder lets go of the first one. False
// when the lock file cannot be made or locked (a folder that cannot be written): the program then runs
// without it.
bool HoldInstanceLock(const QString& folder);

// While it lives, holds the lock of `folder` exclusive, taken without waiting: acquired() is false
// when another running copy holds it. The program's own shared lock on that folder (HoldInstanceLock)
// is raised for that time and lowered again after, never let go. A lock file that cannot be made
// counts as acquired: such a folder cannot be written, and the work itself fails there.
class ExclusiveInstance {
  public:
    explicit ExclusiveInstance(const QString& folder);
    ~ExclusiveInstance();
    ExclusiveInstance(const ExclusiveInstance&) = delete;
    ExclusiveInstance& operator=(const ExclusiveInstance&) = delete;

    bool acquired() const { return acquired_; }

  private:
    int fd_ = -1;
    bool own_ = false;  // fd_ is the program's shared lock, raised
    bool acquired_ = false;
};

}  // namespace platform::files
