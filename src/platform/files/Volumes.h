#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace platform::files {

// A mounted volume, as a drive list shows it.
struct Volume {
    QString root;       // its mount point, ending in "/"
    QString name;       // its label, or its device when it has none
    bool ready = true;  // false when it holds no readable medium
};

// The mounted volumes in order of mount point, from the source that setVolumeSource installed or, by
// default, from the system's list of mounted file systems.
QList<Volume> mountedVolumes();

// Replaces the source of mountedVolumes (tests give their own volumes); an empty function restores the
// system's list.
void setVolumeSource(std::function<QList<Volume>()> source);

// The index in `volumes` of the volume that holds `path` (the longest root that begins it), -1 when none.
int volumeHolding(const QList<Volume>& volumes, const QString& path);

// Whether the volume can be read now: ready, and its root an existing readable folder.
bool isReadable(const Volume& volume);

}  // namespace platform::files
