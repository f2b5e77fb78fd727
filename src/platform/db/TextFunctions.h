#pragma once

struct sqlite3;

namespace platform::db {

// Registers on a connection the text collation of the schema and LIKE with the program's case
// folding. Returns an SQLite result code.
int registerTextFunctions(sqlite3* db);

// The collation's order on stored UTF-8 texts (lengths in bytes): compareText's order, <0, 0 or >0.
int compareStoredText(const char* a, int lengthA, const char* b, int lengthB);

}  // namespace platform::db
