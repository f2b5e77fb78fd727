// Times the database layer against SQLite's own C API on the same work: 100 000 inserts of a
// movement-like row in one transaction (the layer: Execute with bound parameters; raw: one prepared
// statement, bound and stepped), and the snapshot open of those rows (the layer converts and copies
// every value; raw steps and reads every column). The two sides run in turns, seven times each, and
// each figure is the best of its seven, so that a busy machine slows both alike.

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/values/TextCompare.h"

using platform::db::Connection;
using platform::db::OpenMode;
using platform::values::Currency;

namespace {

constexpr int Rows = 100000;
constexpr int Runs = 7;

const char* const Ddl =
    "CREATE TABLE DIGE01 (codauto INTEGER PRIMARY KEY AUTOINCREMENT, datalan DATE, demiss DATE, "
    "especie TEXT COLLATE PTBR, serie TEXT COLLATE PTBR, docinicial TEXT COLLATE PTBR, docfinal TEXT COLLATE "
    "PTBR, "
    "cgc TEXT COLLATE PTBR, uf TEXT COLLATE PTBR, codfiscal TEXT COLLATE PTBR, vlrcontabil CURRENCY DEFAULT "
    "0, "
    "baseicms0 CURRENCY DEFAULT 0, aliqicms0 CURRENCY DEFAULT 0, valricms0 CURRENCY DEFAULT 0, "
    "tipoicms0 TEXT COLLATE PTBR, observ TEXT COLLATE PTBR)";
const char* const Insert =
    "INSERT INTO DIGE01 (datalan, demiss, especie, serie, docinicial, docfinal, cgc, uf, codfiscal, "
    "vlrcontabil, "
    "baseicms0, aliqicms0, valricms0, tipoicms0, observ) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
    "?)";
const char* const Select = "SELECT * FROM DIGE01";

struct Row {
    QDate datalan, demiss;
    QString especie, serie, docinicial, docfinal, cgc, uf, codfiscal, tipoicms, observ;
    Currency vlrcontabil, base, aliq, icms;
};

struct RawRow {
    std::string datalan, demiss, especie, serie, docinicial, docfinal, cgc, uf, codfiscal, tipoicms, observ;
    sqlite3_int64 vlrcontabil, base, aliq, icms;
};

std::vector<Row> makeRows() {
    std::vector<Row> rows;
    rows.reserve(Rows);
    for (int i = 0; i < Rows; ++i) {
        Row r;
        r.datalan = QDate(2008, 1, 1 + i % 31);
        r.demiss = QDate(2007, 12, 1 + i % 31);
        r.especie = QStringLiteral("NF");
        r.serie = QString::number(1 + i % 3);
        r.docinicial = QString::number(100000 + i);
        r.docfinal = r.docinicial;
        r.cgc = QStringLiteral("%1.222.333/0001-%2").arg(10 + i % 90).arg(i % 100, 2, 10, QLatin1Char('0'));
        r.uf = i % 2 ? QStringLiteral("SP") : QStringLiteral("MG");
        r.codfiscal = i % 2 ? QStringLiteral("1.102") : QStringLiteral("2.102");
        r.tipoicms = QStringLiteral("1");
        r.observ = QStringLiteral("Aquisição nº %1 — São João").arg(i);
        r.vlrcontabil = Currency::fromRaw(1000000 + i * 137);
        r.base = r.vlrcontabil;
        r.aliq = Currency::fromUnits(18);
        r.icms = Currency::fromRaw((1000000 + i * 137) * 18 / 100);
        rows.push_back(std::move(r));
    }
    return rows;
}

std::vector<RawRow> rawRows(const std::vector<Row>& rows) {
    std::vector<RawRow> raw;
    raw.reserve(rows.size());
    auto s = [](const QString& q) { return q.toStdString(); };
    for (const Row& r : rows)
        raw.push_back({r.datalan.toString(Qt::ISODate).toStdString(),
                       r.demiss.toString(Qt::ISODate).toStdString(), s(r.especie), s(r.serie),
                       s(r.docinicial), s(r.docfinal), s(r.cgc), s(r.uf), s(r.codfiscal), s(r.tipoicms),
                       s(r.observ), r.vlrcontabil.raw(), r.base.raw(), r.aliq.raw(), r.icms.raw()});
    return raw;
}

int collate(void*, int la, const void* a, int lb, const void* b) {
    return platform::values::compareText(QStringView(static_cast<const char16_t*>(a), la / 2),
                                         QStringView(static_cast<const char16_t*>(b), lb / 2));
}

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

sqlite3* openRaw(const QString& path) {
    sqlite3* db = nullptr;
    check(sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                          SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
          db);
    sqlite3_create_collation_v2(db, "PTBR", SQLITE_UTF16, nullptr, collate, nullptr);
    check(sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr),
          db);
    return db;
}

double seconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

// The best time of each of two jobs, run in turns.
std::pair<double, double> bestOfTurns(const std::function<double()>& first,
                                      const std::function<double()>& second) {
    double a = 1e9, b = 1e9;
    for (int i = 0; i < Runs; ++i) {
        a = std::min(a, first());
        b = std::min(b, second());
    }
    return {a, b};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const std::vector<Row> rows = makeRows();
    const std::vector<RawRow> raw = rawRows(rows);
    const QString insert = QString::fromLatin1(Insert);
    const QString select = QString::fromLatin1(Select);
    int file = 0;

    QString layerFile, rawFile;
    auto layerInsertRun = [&] {
        layerFile = dir.filePath(QStringLiteral("layer%1.mdb").arg(file++));
        Connection db;
        db.OpenFile(layerFile, OpenMode::Create);
        db.Execute(QString::fromLatin1(Ddl));
        return seconds([&] {
            platform::db::Transaction t(db);
            for (const Row& r : rows)
                db.Execute(insert,
                           {r.datalan, r.demiss, r.especie, r.serie, r.docinicial, r.docfinal, r.cgc, r.uf,
                            r.codfiscal, r.vlrcontabil, r.base, r.aliq, r.icms, r.tipoicms, r.observ});
            t.commit();
        });
    };

    auto rawInsertRun = [&] {
        rawFile = dir.filePath(QStringLiteral("raw%1.mdb").arg(file++));
        sqlite3* db = openRaw(rawFile);
        check(sqlite3_exec(db, Ddl, nullptr, nullptr, nullptr), db);
        const double s = seconds([&] {
            check(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), db);
            sqlite3_stmt* stmt = nullptr;
            check(sqlite3_prepare_v3(db, Insert, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr), db);
            for (const RawRow& r : raw) {
                int i = 0;
                for (const std::string* t : {&r.datalan, &r.demiss, &r.especie, &r.serie, &r.docinicial,
                                             &r.docfinal, &r.cgc, &r.uf, &r.codfiscal})
                    sqlite3_bind_text(stmt, ++i, t->data(), int(t->size()), SQLITE_STATIC);
                for (sqlite3_int64 v : {r.vlrcontabil, r.base, r.aliq, r.icms})
                    sqlite3_bind_int64(stmt, ++i, v);
                sqlite3_bind_text(stmt, ++i, r.tipoicms.data(), int(r.tipoicms.size()), SQLITE_STATIC);
                sqlite3_bind_text(stmt, ++i, r.observ.data(), int(r.observ.size()), SQLITE_STATIC);
                check(sqlite3_step(stmt), db);
                sqlite3_reset(stmt);
            }
            sqlite3_finalize(stmt);
            check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
        });
        sqlite3_close_v2(db);
        return s;
    };
    const auto [layerInsert, rawInsert] = bestOfTurns(layerInsertRun, rawInsertRun);

    long layerCount = 0;
    auto layerSnapshotRun = [&] {
        Connection db;
        db.OpenFile(layerFile);
        // The snapshot is released after the clock stops: the open is what is timed.
        platform::db::Recordset rs;
        const double s = seconds([&] { rs = db.OpenRecordset(select); });
        layerCount = rs.RecordCount();
        return s;
    };

    long rawCount = 0;
    std::size_t checksum = 0;
    auto rawSnapshotRun = [&] {
        sqlite3* db = openRaw(layerFile);
        const double s = seconds([&] {
            sqlite3_stmt* stmt = nullptr;
            check(sqlite3_prepare_v3(db, Select, -1, 0, &stmt, nullptr), db);
            const int columns = sqlite3_column_count(stmt);
            rawCount = 0;
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                ++rawCount;
                for (int c = 0; c < columns; ++c) {
                    if (sqlite3_column_type(stmt, c) == SQLITE_TEXT)
                        checksum +=
                            std::size_t(sqlite3_column_bytes(stmt, c)) + *sqlite3_column_text(stmt, c);
                    else
                        checksum += std::size_t(sqlite3_column_int64(stmt, c));
                }
            }
            sqlite3_finalize(stmt);
        });
        sqlite3_close_v2(db);
        return s;
    };
    const auto [layerSnapshot, rawSnapshot] = bestOfTurns(layerSnapshotRun, rawSnapshotRun);

    if (layerCount != Rows || rawCount != Rows) {
        std::fprintf(stderr, "row counts differ: %ld, %ld\n", layerCount, rawCount);
        return 1;
    }
    std::printf("%d inserts in one transaction, layer (Execute with parameters): %.3f s\n", Rows,
                layerInsert);
    std::printf("%d inserts in one transaction, raw SQLite prepared statement: %.3f s\n", Rows, rawInsert);
    std::printf("snapshot open of %d rows, layer (Recordset): %.3f s\n", Rows, layerSnapshot);
    std::printf("read of %d rows, raw SQLite step and column reads: %.3f s (checksum %zu)\n", Rows,
                rawSnapshot, checksum);
    std::printf("insert ratio: %.2f\n", layerInsert / rawInsert);
    std::printf("snapshot ratio: %.2f\n", layerSnapshot / rawSnapshot);
    return 0;
}
