#pragma once

#include <QString>

namespace platform::values {

// A masked box stores its prompts ("_") and its punctuation with what was typed ("__.___.____-__" when
// nothing was). A text of prompts and punctuation only, with no letter or digit, was never typed: it
// shows and prints blank. Any other text comes back unchanged; the stored text is never touched.
QString blankIfEmptyMask(const QString& text);

}  // namespace platform::values
