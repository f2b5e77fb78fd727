#pragma once

#include <QString>

namespace platform::values {

// A masked box stores its prompts ("_") and its punctuation with what was typed ("__.___.____-__" when
// nothing was). A text of prompts and punctuation only, with no letter or digit, was never typed: it
// shows and prints blank. Any other text comes back unchanged; the stored text is never touched.
QString blankIfEmptyMask(const QString& text);

// What paper shows of a text that may hold masked values, whole or within a caption ("R.G.: " + the
// stored RG): a text that blankIfEmptyMask blanks prints nothing; a word of a mask's kind (digits,
// letters, ". - /" and prompts, with a digit or a punctuation mark besides its prompts) prints its
// prompts as blanks (nothing of it when it holds no letter or digit), and the blanks this leaves at the end
// of the text are dropped. A word of prompts only (a line left to fill in by hand) and any other word print
// as they are.
QString withoutPrompts(const QString& text);

}  // namespace platform::values
