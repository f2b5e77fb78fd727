#pragma once

#include <QString>

#include "platform/db/Connection.h"

// Runs a schema file on a database: its SQL statements in order, each statement that names @MM@
// once per month with @MM@ replaced by 01 .. 12, and each directive line
//     -- @import <file.csv> INTO <Table> (<column>, ...)
// at its place, which inserts every record of that reference file (header skipped; the file's
// columns in order into the listed columns, as text). Throws on any failure.
void runSchemaScript(platform::db::Connection& db, const QString& scriptPath, const QString& referenceDir);
