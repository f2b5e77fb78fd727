// Times the preparation of the ICMS books on a month of 10 000 entry and 10 000 exit documents (one to
// five item slots, some with IPI, interstate or remarks, 40 CFOPs, 2 000 registered counterparts), run
// through the functions the books window calls, against the floor of that work: the same book lines
// inserted straight into the same work tables with one raw prepared SQLite statement in one
// transaction. Each figure is the best of its runs, taken in turns, so that a busy machine slows both
// alike.

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "books/PreparaLivros.h"
#include "platform/values/TextCompare.h"

using platform::db::Connection;
using platform::db::Params;
using platform::values::Currency;

namespace {

constexpr int Documentos = 10000;
constexpr int Participantes = 2000;
constexpr int Runs = 5;

QString cnpj(int i) {
    return QStringLiteral("%1.345.678/0001-%2").arg(10 + i % 90).arg(i / 90, 2, 10, QLatin1Char('0'));
}

void fill(Connection& cadastro, Connection& movimento) {
    {
        platform::db::Transaction t(cadastro);
        for (const char* tabela : {"ForGeral", "CliGeral"})
            for (int i = 0; i < Participantes; ++i)
                cadastro.Execute(
                    QStringLiteral("INSERT INTO %1(cgc,nome,ie) VALUES(?,?,?)").arg(tabela),
                    {cnpj(i), QStringLiteral("Participante %1 Ltda").arg(i), QString::number(100000 + i)});
        t.commit();
    }
    const Currency aliquotas[] = {Currency::fromUnits(7), Currency::fromUnits(12), Currency::fromUnits(18),
                                  Currency::fromUnits(25), Currency::fromRaw(45000)};
    const char* const ufs[] = {"RJ", "MG", "PR", "SC", "RS", "BA", "PE", "GO", "ES", "MT"};
    platform::db::Transaction t(movimento);
    for (const char* tabela : {"DIGE03", "DIGS03"}) {
        const bool entrada = tabela[3] == 'E';
        for (int i = 0; i < Documentos; ++i) {
            const bool interestadual = i % 3 == 0;
            const QString cfop = QStringLiteral("%1.1%2")
                                     .arg(entrada ? (interestadual ? 2 : 1) : (interestadual ? 6 : 5))
                                     .arg(i % 20, 2, 10, QLatin1Char('0'));
            // One number in ten is not registered.
            const int participante = i % (Participantes + Participantes / 10);
            Params p{QDate(2003, 3, 1 + i % 31),
                     QDate(2003, 2, 1 + i % 28),
                     QStringLiteral("nf"),
                     QStringLiteral("1"),
                     QString::number(1000 + i),
                     QString::number(1000 + i),
                     cnpj(participante),
                     QString::fromLatin1(interestadual ? ufs[i % 10] : "SP"),
                     cfop,
                     i % 4 == 0 ? QStringLiteral("Mercadoria em consignação") : QString()};
            Currency total;
            const int itens = 1 + i % 5;
            for (int s = 0; s < 5; ++s) {
                const bool usado = s < itens;
                const Currency base =
                    usado ? Currency::fromRaw(1000000 + (i * 37 + s) % 500000 * 100) : Currency();
                const Currency aliquota = usado ? aliquotas[(i + s) % 5] : Currency();
                const Currency isento = usado && (i + s) % 4 == 0 ? Currency::fromUnits(50) : Currency();
                const Currency outros = usado && (i + s) % 6 == 0 ? Currency::fromUnits(30) : Currency();
                p.insert(p.end(),
                         {base, aliquota, platform::values::taxAmount(base, aliquota), isento, outros});
                total += base + isento + outros;
            }
            const Currency ipi = i % 5 == 0 ? Currency::fromRaw(123400 + i * 100) : Currency();
            p.insert(p.end(), {total + ipi, total, ipi, Currency(), Currency(),
                               interestadual && i % 2 ? Currency::fromUnits(12) : Currency()});
            movimento.Execute(
                QStringLiteral("INSERT INTO ") + QString::fromLatin1(tabela) +
                    QStringLiteral("(datalan,demiss,especie,serie,docinicial,docfinal,cgc,uf,codfiscal,"
                                   "observ,baseicms0,aliqicms0,valricms0,isenicms0,outricms0,baseicms1,"
                                   "aliqicms1,valricms1,isenicms1,outricms1,baseicms2,aliqicms2,"
                                   "valricms2,isenicms2,outricms2,baseicms3,aliqicms3,valricms3,"
                                   "isenicms3,outricms3,baseicms4,aliqicms4,valricms4,isenicms4,"
                                   "outricms4,vlrcontabil,baseipi,valripi,isenipi,outripi,fonteicms) "
                                   "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
                                   "?,?,?,?,?,?,?,?,?,?,?)"),
                p);
        }
    }
    t.commit();
}

// One stored row, as the raw side binds it again.
using Value = std::variant<std::monostate, sqlite3_int64, std::string>;
using Row = std::vector<Value>;

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
    check(sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr), db);
    sqlite3_create_collation_v2(db, "PTBR", SQLITE_UTF16, nullptr, collate, nullptr);
    check(sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr),
          db);
    return db;
}

std::vector<Row> readRows(const QString& path, const char* table) {
    sqlite3* db = openRaw(path);
    sqlite3_stmt* stmt = nullptr;
    check(sqlite3_prepare_v2(db, (std::string("SELECT * FROM ") + table + " ORDER BY rowid").c_str(), -1,
                             &stmt, nullptr),
          db);
    std::vector<Row> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        Row row;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_NULL:
                    row.emplace_back();
                    break;
                case SQLITE_INTEGER:
                    row.emplace_back(sqlite3_column_int64(stmt, c));
                    break;
                default:
                    row.emplace_back(std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                                 std::size_t(sqlite3_column_bytes(stmt, c))));
            }
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    return rows;
}

// The floor: the rows stored again with one raw prepared statement in one transaction.
double rawInsert(const QString& path, const char* table, const std::vector<Row>& rows) {
    sqlite3* db = openRaw(path);
    QElapsedTimer timer;
    timer.start();
    check(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), db);
    check(sqlite3_exec(db, (std::string("DELETE FROM ") + table).c_str(), nullptr, nullptr, nullptr), db);
    std::string sql = std::string("INSERT INTO ") + table + " VALUES (?";
    for (std::size_t c = 1; c < rows.front().size(); ++c) sql += ",?";
    sql += ")";
    sqlite3_stmt* stmt = nullptr;
    check(sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr), db);
    for (const Row& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            const int i = int(c) + 1;
            if (const auto* v = std::get_if<sqlite3_int64>(&row[c]))
                sqlite3_bind_int64(stmt, i, *v);
            else if (const auto* s = std::get_if<std::string>(&row[c]))
                sqlite3_bind_text(stmt, i, s->data(), int(s->size()), SQLITE_STATIC);
            else
                sqlite3_bind_null(stmt, i);
        }
        check(sqlite3_step(stmt), db);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    const double s = double(timer.nsecsElapsed()) / 1e9;
    sqlite3_close_v2(db);
    return s;
}

double seconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString templates = QStringLiteral(RT_TEMPLATES_DIR);
    const QString registro = dir.filePath(QStringLiteral("Trabdados.mdb"));
    const QString arquivo = dir.filePath(QStringLiteral("Tarvel/MV030001.MDB"));
    QDir(dir.path()).mkpath(QStringLiteral("Tarvel"));
    if (!QFile::copy(templates + QStringLiteral("/Ajuste.mdb"), registro) ||
        !QFile::copy(templates + QStringLiteral("/Movimento.mdb"), arquivo)) {
        std::fprintf(stderr, "templates not found in %s\n", RT_TEMPLATES_DIR);
        return 1;
    }
    Connection cadastro, movimento;
    cadastro.OpenFile(registro);
    movimento.OpenFile(arquivo);
    fill(cadastro, movimento);

    const Livros::EstadoLivro estado;
    double entradas = 1e9, saidas = 1e9, apuracao = 1e9, pisoEntradas = 1e9, pisoSaidas = 1e9;
    std::vector<Row> linhasEntrada, linhasSaida;
    for (int run = 0; run < Runs; ++run) {
        entradas = std::min(
            entradas,
            seconds([&] { Livros::PreparaEntradas(estado, movimento, QStringLiteral("DIGE03"), cadastro); }));
        saidas = std::min(saidas, seconds([&] {
                              Livros::PreparaSaidas(estado, movimento, QStringLiteral("DIGS03"), cadastro);
                          }));
        apuracao = std::min(apuracao, seconds([&] { Livros::ResumeAliquotas(cadastro); }));
        if (run == 0) {
            linhasEntrada = readRows(registro, "MovEntrada");
            linhasSaida = readRows(registro, "MovSaida");
        }
        pisoEntradas = std::min(pisoEntradas, rawInsert(registro, "MovEntrada", linhasEntrada));
        pisoSaidas = std::min(pisoSaidas, rawInsert(registro, "MovSaida", linhasSaida));
    }
    std::printf("entries: %d documents, %zu rows of MovEntrada: %.3f s (floor %.3f s)\n", Documentos,
                linhasEntrada.size(), entradas, pisoEntradas);
    std::printf("exits: %d documents, %zu rows of MovSaida: %.3f s (floor %.3f s)\n", Documentos,
                linhasSaida.size(), saidas, pisoSaidas);
    std::printf("assessment (rates and month totals from the work tables): %.3f s\n", apuracao);
    std::printf("prepare seconds: %.2f\n", std::max({entradas, saidas, apuracao}));
    std::printf("prepare ratio: %.2f\n", std::max(entradas / pisoEntradas, saidas / pisoSaidas));
    return 0;
}
