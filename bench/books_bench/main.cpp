// Times the preparation of the ICMS books at 1 000, 10 000 and 100 000 documents of a year's scale, half
// entries and half exits (one to five item slots, some with IPI, interstate or remarks, 40 CFOPs, 2 000
// registered counterparts), run through the functions the books window calls, against the floor of
// that work: the same columns of the same documents read with SQLite's own statements (the text
// collation registered as the program registers it), the counterparts read the same way, and the same
// book lines stored into the same work tables with one raw prepared statement in one transaction. The
// program and the floor run in turns, so that a busy machine slows both alike.

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "Figures.h"
#include "RawRead.h"
#include "books/PreparaLivros.h"
#include "platform/db/TextFunctions.h"

using platform::db::Connection;
using platform::db::Params;
using platform::values::Currency;

namespace {

constexpr int Sizes[] = {1000, 10000, 100000};
constexpr int Participantes = 2000;
constexpr int Rounds = 5;

QString cnpj(int i) {
    return QStringLiteral("%1.345.678/0001-%2").arg(10 + i % 90).arg(i / 90, 2, 10, QLatin1Char('0'));
}

// `documentos` documents in each of the entries and the exits tables.
void fill(Connection& cadastro, Connection& movimento, int documentos) {
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
        for (int i = 0; i < documentos; ++i) {
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

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

sqlite3* openRaw(const QString& path) {
    sqlite3* db = nullptr;
    check(sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr), db);
    check(platform::db::registerTextFunctions(db), db);
    check(sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr),
          db);
    return db;
}

// One stored row, as the raw side binds it again.
using Value = std::variant<std::monostate, sqlite3_int64, std::string>;
using Row = std::vector<Value>;

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

std::size_t seen = 0;

// One book of the floor: the documents' columns and the counterparts read, the lines stored again.
void floorBook(sqlite3* movimento, sqlite3* cadastro, const char* documentos, const char* colunas,
               const char* participantes, const char* tabela, const std::vector<Row>& rows) {
    seen += bench::readRaw(movimento,
                           std::string("SELECT ") + colunas + " FROM " + documentos + " ORDER BY codauto");
    seen +=
        bench::readRaw(cadastro, std::string("SELECT cgc,nome,ie FROM ") + participantes + " ORDER BY rowid");
    check(sqlite3_exec(cadastro, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), cadastro);
    check(sqlite3_exec(cadastro, (std::string("DELETE FROM ") + tabela).c_str(), nullptr, nullptr, nullptr),
          cadastro);
    std::string sql = std::string("INSERT INTO ") + tabela + " VALUES (?";
    for (std::size_t c = 1; c < rows.front().size(); ++c) sql += ",?";
    sql += ")";
    sqlite3_stmt* stmt = nullptr;
    check(sqlite3_prepare_v3(cadastro, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr), cadastro);
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
        check(sqlite3_step(stmt), cadastro);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    check(sqlite3_exec(cadastro, "COMMIT", nullptr, nullptr, nullptr), cadastro);
}

// The columns each book reads.
constexpr const char* ItensIcms =
    "baseicms0,aliqicms0,valricms0,isenicms0,outricms0,baseicms1,aliqicms1,valricms1,isenicms1,outricms1,"
    "baseicms2,aliqicms2,valricms2,isenicms2,outricms2,baseicms3,aliqicms3,valricms3,isenicms3,outricms3,"
    "baseicms4,aliqicms4,valricms4,isenicms4,outricms4";
const std::string ColunasEntradas = std::string(
                                        "datalan,demiss,especie,serie,docinicial,cgc,uf,codfiscal,"
                                        "observ,vlrcontabil,") +
                                    ItensIcms + ",valripi,fonteicms";
const std::string ColunasSaidas = std::string(
                                      "datalan,especie,serie,docinicial,docfinal,cgc,uf,codfiscal,"
                                      "observ,vlrcontabil,") +
                                  ItensIcms + ",valripi,fonteicms";

struct Figures {
    int documentos = 0;
    bench::Times program, floor;
};

Figures measure(int documentos) {
    QTemporaryDir dir;
    const QString templates = QStringLiteral(RT_TEMPLATES_DIR);
    const QString registro = dir.filePath(QStringLiteral("Trabdados.mdb"));
    const QString arquivo = dir.filePath(QStringLiteral("Tarvel/MV030001.MDB"));
    QDir(dir.path()).mkpath(QStringLiteral("Tarvel"));
    if (!QFile::copy(templates + QStringLiteral("/Ajuste.mdb"), registro) ||
        !QFile::copy(templates + QStringLiteral("/Movimento.mdb"), arquivo)) {
        std::fprintf(stderr, "templates not found in %s\n", RT_TEMPLATES_DIR);
        std::exit(1);
    }
    Figures f;
    f.documentos = 2 * documentos;
    const Livros::EstadoLivro estado;
    std::vector<Row> linhasEntrada, linhasSaida;
    {
        Connection cadastro, movimento;
        cadastro.OpenFile(registro);
        movimento.OpenFile(arquivo);
        fill(cadastro, movimento, documentos);
        sqlite3* rawMovimento = openRaw(arquivo);
        sqlite3* rawCadastro = openRaw(registro);
        for (int run = 0; run <= Rounds; ++run) {
            f.program.add(bench::seconds([&] {
                Livros::PreparaEntradas(estado, movimento, QStringLiteral("DIGE03"), QDate(2003, 3, 1),
                                        cadastro);
                Livros::PreparaSaidas(estado, movimento, QStringLiteral("DIGS03"), QDate(2003, 3, 1),
                                      cadastro);
                Livros::ResumeAliquotas(cadastro);
            }));
            if (run == 0) {
                linhasEntrada = readRows(registro, "MovEntrada");
                linhasSaida = readRows(registro, "MovSaida");
            }
            f.floor.add(bench::seconds([&] {
                floorBook(rawMovimento, rawCadastro, "DIGE03", ColunasEntradas.c_str(), "ForGeral",
                          "MovEntrada", linhasEntrada);
                floorBook(rawMovimento, rawCadastro, "DIGS03", ColunasSaidas.c_str(), "CliGeral", "MovSaida",
                          linhasSaida);
            }));
        }
        sqlite3_close_v2(rawMovimento);
        sqlite3_close_v2(rawCadastro);
    }
    const std::string nome = "books " + std::to_string(f.documentos);
    std::printf("%s: %zu rows of MovEntrada, %zu of MovSaida\n", nome.c_str(), linhasEntrada.size(),
                linhasSaida.size());
    bench::print(nome + " preparation", f.program);
    bench::print(nome + " floor", f.floor);
    std::printf("%s: %.2f us per document (median)\n", nome.c_str(), f.program.median() * 1e6 / f.documentos);
    std::printf("%s: peak resident %.1f MB\n", nome.c_str(), bench::peakMegabytes());
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<Figures> all;
    // Each size counts its documents half in the entries and half in the exits.
    for (const int size : Sizes) all.push_back(measure(size / 2));
    for (const Figures& f : all)
        std::printf("books %d ratio (median/median): %.2f\n", f.documentos,
                    f.program.median() / f.floor.median());
    const auto perDocument = [](const Figures& f) { return f.program.median() / f.documentos; };
    std::printf("books growth per document 10000 -> 100000: %.2f\n",
                perDocument(all[2]) / perDocument(all[1]));
    return seen == 0;
}
