#pragma once

// The floors' read: a query's rows stepped through with SQLite's own statement, every value taken as
// SQLite hands it.

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {

// Returns the bytes seen, so that the read is not optimised away.
inline std::size_t readRaw(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
    std::size_t bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            if (sqlite3_column_type(stmt, c) == SQLITE_INTEGER) {
                bytes += std::size_t(sqlite3_column_int64(stmt, c) & 1);
            } else {
                sqlite3_column_text(stmt, c);
                bytes += std::size_t(sqlite3_column_bytes(stmt, c));
            }
        }
    sqlite3_finalize(stmt);
    return bytes;
}

}  // namespace bench
