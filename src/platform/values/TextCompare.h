#pragma once

#include <QString>
#include <QStringView>

namespace platform::values {

// The one text comparison of the program, as the original database compared text:
// letter case is ignored (accented letters included: "joão" equals "JOÃO"), accents are
// significant ("joao" is not "joão"), and the order is Portuguese ("Álvaro" sorts between
// "Alberto" and "Bruno"). Returns <0, 0 or >0. Used by the database collation, LIKE and the
// in-memory lists alike.
int compareText(QStringView a, QStringView b);
inline bool equalText(QStringView a, QStringView b) { return compareText(a, b) == 0; }

// The case folding compareText ignores: the text with every letter folded to one case, accents kept.
QString foldCase(QStringView text);

// Case-insensitive prefix test under the same folding (the lists' "begins with" find).
bool startsWithText(QStringView text, QStringView prefix);

// SQL LIKE under the same folding: '%' any run, '_' one character; no escape character.
bool likeText(QStringView text, QStringView pattern);

}  // namespace platform::values
