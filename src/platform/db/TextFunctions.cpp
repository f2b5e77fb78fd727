#include "platform/db/TextFunctions.h"

// Built twice: into the program, and into the loadable extension that lets the standard sqlite3 tool
// read and write the files with the same collation (there SQLite's calls go through its routine table).
#ifdef RT_SQLITE_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#include <QStringView>

#include "platform/db/Connection.h"
#include "platform/values/TextCompare.h"

namespace platform::db {
namespace {

// SQLite hands both functions UTF-16 in the machine's byte order, which is what QStringView reads.
QStringView view(const void* data, int bytes) {
    return QStringView(static_cast<const char16_t*>(data), bytes / 2);
}

int collate(void*, int lengthA, const void* a, int lengthB, const void* b) {
    try {
        return values::compareText(view(a, lengthA), view(b, lengthB));
    } catch (...) {
        // An exception must not cross SQLite's C frames; a byte order is still a consistent order.
        return view(a, lengthA).compare(view(b, lengthB));
    }
}

// X LIKE Y calls like(Y, X): the pattern comes first.
void like(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const void* pattern = sqlite3_value_text16(argv[0]);
    const int patternBytes = sqlite3_value_bytes16(argv[0]);
    const void* text = sqlite3_value_text16(argv[1]);
    const int textBytes = sqlite3_value_bytes16(argv[1]);
    if (!pattern || !text) {
        sqlite3_result_error_nomem(context);
        return;
    }
    try {
        sqlite3_result_int(context,
                           values::likeText(view(text, textBytes), view(pattern, patternBytes)) ? 1 : 0);
    } catch (...) {
        sqlite3_result_error(context, "LIKE failed", -1);
    }
}

}  // namespace

int registerTextFunctions(sqlite3* db) {
    int rc =
        sqlite3_create_collation_v2(db, Connection::TextCollation, SQLITE_UTF16, nullptr, collate, nullptr);
    if (rc != SQLITE_OK) return rc;
    return sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF16 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                      nullptr, like, nullptr, nullptr, nullptr);
}

}  // namespace platform::db
