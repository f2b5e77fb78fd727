#pragma once

#include <QString>
#include <ostream>

// How GoogleTest prints a QString in a failure: as its UTF-8 text in quotes, so that tests compare
// QStrings directly instead of converting both sides to std::string.
void PrintTo(const QString& text, std::ostream* out);
