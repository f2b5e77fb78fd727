#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>

#include "platform/db/Connection.h"
#include "support/TempProgramFolder.h"

using platform::db::Connection;
using platform::db::Error;
using testsupport::TempProgramFolder;

namespace {

std::vector<bool> waits;
void recordWait(bool waiting) { waits.push_back(waiting); }

// The error a statement throws, or a default one when it runs.
Error failureOf(const std::function<void()>& body) {
    try {
        body();
    } catch (const Error& e) {
        return e;
    }
    return Error(0, {}, {}, {});
}

}  // namespace

// Each storage failure says in Portuguese what happened and what to do, and keeps SQLite's number.
TEST(StorageError, SaysInPortugueseWhatHappenedAndWhatToDo) {
    TempProgramFolder folder;
    const QString file = folder.filePath("Trabdados.mdb");
    Connection a, b;
    a.Open(folder.registryConnection());
    b.Open(folder.registryConnection());

    // Another copy holds the file: the statement waits (the observer hears of it), then gives up.
    waits.clear();
    platform::db::setLockWaitObserver(recordWait);
    a.BeginTrans();
    b.setBusyTimeout(60);
    Error busy = failureOf([&] { b.Execute("UPDATE Parametros SET pincforcli = 1"); });
    a.RollbackTrans();
    platform::db::setLockWaitObserver(nullptr);
    EXPECT_EQ(busy.number() & 0xff, SQLITE_BUSY);
    EXPECT_EQ(
        busy.description(),
        "O arquivo " + file + " está sendo gravado por outra cópia do programa; aguarde e tente novamente.");
    EXPECT_EQ(waits, (std::vector<bool>{true, false}));

    b.Execute("PRAGMA query_only = 1");
    Error readOnly = failureOf([&] { b.Execute("UPDATE Parametros SET pincforcli = 1"); });
    EXPECT_EQ(readOnly.number() & 0xff, SQLITE_READONLY);
    EXPECT_TRUE(readOnly.description().startsWith("Sem permissão para gravar o arquivo " + file));

    a.Execute("PRAGMA max_page_count = 1");
    Error full = failureOf([&] {
        for (int i = 0; i < 1000; ++i)
            a.Execute("INSERT INTO ForGeral (nome) VALUES (?)", {QString(200, QChar(u'x'))});
    });
    EXPECT_EQ(full.number() & 0xff, SQLITE_FULL);
    EXPECT_TRUE(full.description().startsWith("O disco do arquivo " + file + " está cheio"));

    QFile damaged(folder.filePath("Danificado.mdb"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'z'));
    damaged.close();
    Connection c;
    Error notADatabase = failureOf([&] { c.OpenFile(damaged.fileName()); });
    EXPECT_EQ(notADatabase.number(), SQLITE_NOTADB);
    EXPECT_EQ(
        notADatabase.description(),
        "O arquivo " + damaged.fileName() + " está danificado; restaure a cópia de segurança mais recente.");

    // A fault of the statement itself keeps SQLite's text: it is the program's, not the office's.
    Error syntax = failureOf([&] { a.Execute("SELECT * FROM nenhuma"); });
    EXPECT_EQ(syntax.description(), "no such table: nenhuma");
}

// The standard sqlite3 tool reads and checks the files with the extension built beside the program.
TEST(StorageError, CollationExtensionLetsAPlainConnectionCheckAndSort) {
    TempProgramFolder folder;
    Connection program;
    program.Open(folder.registryConnection());
    QStringList expected;
    const QString sql = "SELECT nomeMun FROM Municipios WHERE uf = 'ba' ORDER BY nomeMun LIMIT 40";
    for (auto rs = program.OpenRecordset(sql); !rs.Eof(); rs.MoveNext())
        expected << rs.Fields("nomeMun").toString();
    program.Close();

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(folder.filePath("Trabdados.mdb")).constData(), &db,
                              SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 1, nullptr);
    char* message = nullptr;
    ASSERT_EQ(sqlite3_load_extension(db, RT_BIN_DIR "/ptbr", nullptr, &message), SQLITE_OK) << message;

    auto column = [&](const QString& query) {
        QStringList out;
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, query.toUtf8().constData(), -1, &stmt, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return out;
    };
    EXPECT_EQ(column("PRAGMA integrity_check"), QStringList{"ok"});
    const QStringList sorted = column(sql);
    EXPECT_EQ(sorted, expected);
    EXPECT_GE(sorted.size(), 40);
    sqlite3_close(db);
}
