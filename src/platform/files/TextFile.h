#pragma once

#include <QByteArray>
#include <QString>

#include "platform/files/FileReplace.h"

namespace platform::files {

// A text file for another program: every line in Windows-1252 (a character outside it becomes "?")
// followed by CR LF, the last one included. It replaces its target whole (FileReplacement): a failure,
// a kill, or an object destroyed without Commit leaves no partial file and an existing file as it was.
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
    // Why Open or Commit failed, in the user's words.
    const QString& Motivo() const { return file_.reason(); }

  private:
    void endLine();
    FileReplacement file_;
    QByteArray buffer_;
    bool failed_ = false;
};

}  // namespace platform::files
