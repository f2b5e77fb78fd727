#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace platform::report {

// `text` broken into lines that each `fits`: between words (at blanks and at the other control
// characters, which print as blanks; no line keeps them at its ends) and at every line break of the text;
// only a word that does not fit a line alone is cut, where it no longer fits. Empty text gives no line.
QStringList breakLines(const QString& text, const std::function<bool(const QString&)>& fits);

// The same, on lines of at most `characters` characters (a remark kept in pieces of a fixed length).
QStringList breakLines(const QString& text, int characters);

}  // namespace platform::report
