#pragma once

struct sqlite3;

namespace platform::db {

// Registers on a connection the text collation of the schema and LIKE with the program's case
// folding. Returns an SQLite result code.
int registerTextFunctions(sqlite3* db);

}  // namespace platform::db
