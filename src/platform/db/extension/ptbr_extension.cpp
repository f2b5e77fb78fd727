// The program's text collation and LIKE as an SQLite loadable extension, so that the standard sqlite3
// tool can read, check and write the program's files: ".load <program folder>/ptbr".
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include "platform/db/TextFunctions.h"

extern "C" int sqlite3_ptbr_init(sqlite3* db, char**, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    return platform::db::registerTextFunctions(db);
}
