#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace platform::files {

// A text file for another program: every line in Windows-1252 (a character outside it becomes "?")
// followed by CR LF, the last one included. It is written beside its target and renamed over it only
// by Commit, so a failure, or an object destroyed without Commit, leaves no partial file and an
// existing file as it was.
class TextFile {
  public:
    explicit TextFile(const QString& path);
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Creates the new file beside the target; false when the folder cannot take it.
    bool Open();
    // Appends `line` and CR LF; a failure is kept and reported by Commit.
    void WriteLine(const QString& line);
    // Appends `line`, already in Windows-1252, and CR LF.
    void WriteEncodedLine(QByteArrayView line);
    // Flushes and puts the new file in place of the target; false, with the target untouched and the
    // new file removed, when anything failed since Open.
    bool Commit();

  private:
    void endLine();
    QSaveFile file_;
    QByteArray buffer_;
    bool failed_ = false;
};

}  // namespace platform::files
