// Times the SINTEGRA generation of a year without the window, at 1 000, 10 000 and 100 000 taken slots
// over the twelve months of 2004 (entries and exits, several species, up to 5 000 parties per
// register): the collection that stages RegSint, the line check and the file, as the generation
// runs them. The fair floor does the same work with SQLite's own statements: it reads the same
// columns of the same rows with the text functions registered as the program registers them, refills
// RegSint with prepared statements in one transaction, and writes as many 126-byte lines through one
// buffered stream and one fsync. Each size runs five rounds, the program and the floor in turns; the
// first run of each is printed apart (it is what a user waits for), then min/median/max, the peak
// resident memory, and the ratios last.

#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/db/TextFunctions.h"
#include "platform/files/TextFile.h"
#include "sintegra/ColetaMovimento.h"
#include "sintegra/GeracaoSintegra.h"
#include "sintegra/RegistrosArquivo.h"

using platform::db::Connection;
using platform::values::Currency;

namespace {

constexpr int Sizes[] = {1000, 10000, 100000};
constexpr int MaxParties = 5000;
constexpr int Runs = 5;

QString tabela(bool saida, int mes) { return sintegra::AcessoDoPrograma().tabelaMes(saida, mes); }

// A CNPJ with its check digits right, as the file takes it.
QString cgc(int i) {
    QString digitos = QStringLiteral("%1%2%3")
                          .arg(10 + i / 1000000 % 90)
                          .arg(i / 1000 % 1000, 3, 10, QLatin1Char('0'))
                          .arg(i % 1000, 3, 10, QLatin1Char('0')) +
                      QStringLiteral("0001");
    for (int passo = 0; passo < 2; ++passo) {
        int soma = 0, peso = 2;
        for (qsizetype k = digitos.size() - 1; k >= 0; --k) {
            soma += peso * (digitos[k].unicode() - u'0');
            if (++peso > 9) peso = 2;
        }
        const int dv = 11 - soma % 11;
        digitos += QChar(u'0' + (dv >= 10 ? 0 : dv));
    }
    return digitos.left(2) + u'.' + digitos.mid(2, 3) + u'.' + digitos.mid(5, 3) + u'/' + digitos.mid(8, 4) +
           u'-' + digitos.right(2);
}

void fill(const QString& folder, int count) {
    QDir().mkpath(folder + "/Tarvel");
    QFile::copy(QStringLiteral(RT_TEMPLATES_DIR "/Ajuste.mdb"), folder + "/Trabdados.mdb");
    QFile::copy(QStringLiteral(RT_TEMPLATES_DIR "/Movimento.mdb"), folder + "/Tarvel/MV040001.MDB");
    const int parties = std::min(MaxParties, count);
    Connection cadastro;
    cadastro.OpenFile(folder + "/Trabdados.mdb");
    {
        platform::db::Transaction t(cadastro);
        for (int i = 0; i < parties; ++i) {
            cadastro.Execute("INSERT INTO ForGeral (cgc, nome, ie) VALUES (?, ?, ?)",
                             {cgc(i), "Fornecedor",
                              QStringLiteral("110.%1.490.114").arg(i % 1000, 3, 10, QLatin1Char('0'))});
            cadastro.Execute("INSERT INTO CliGeral (cgc, nome, ie) VALUES (?, ?, ?)",
                             {cgc(MaxParties + i), "Cliente",
                              i % 3 ? QStringLiteral("ISENTO") : QStringLiteral("12.345.678")});
        }
        t.commit();
    }
    Connection movimento;
    movimento.OpenFile(folder + "/Tarvel/MV040001.MDB");
    platform::db::Transaction t(movimento);
    const char* especies[] = {"NF", "NF", "NFE", "NFC", "CT", "NSC", "NF", "NFP"};
    for (int i = 0; i < count; ++i) {
        const bool saida = i % 2;
        const int mes = 1 + i % 12;
        const QDate data(2004, mes, 1 + i / 24 % 28);
        const QString especie = QString::fromLatin1(especies[i / 2 % 8]);
        const QString cfop = saida ? (especie == u"CT" ? QStringLiteral("5.352") : QStringLiteral("5.102"))
                                   : QStringLiteral("1.102");
        const Currency base = Currency::fromRaw(1000000 + qint64(i) * 1371);
        const Currency isento = Currency::fromRaw(i % 5 ? 0 : 50000);
        movimento.Execute(
            QStringLiteral("INSERT INTO %1 (datalan, demiss, especie, cgc, uf, docinicial, codfiscal, "
                           "baseicms0, valricms0, aliqicms0, isenicms0, vlrcontabil) "
                           "VALUES (?,?,?,?,?,?,?,?,?,?,?,?)")
                .arg(tabela(saida, mes)),
            {data, data, especie, cgc((saida ? MaxParties : 0) + i % parties), "SP",
             QString::number(1 + i % 999999), cfop, base,
             platform::values::taxAmount(base, Currency::fromUnits(18)), Currency::fromUnits(18), isento,
             Currency::fromRaw(base.raw() + isento.raw())});
    }
    t.commit();
}

double seconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

const sintegra::EmpresaSintegra Empresa{
    "12.345.678/0001-95", "110.042.490.114", "Empresa", "Cidade", "SP", "", "Rua", "1", "", "Centro",
    "01234-567"};
const sintegra::ParametrosArquivo Parametros{QDate(2004, 1, 1), QDate(2004, 12, 31), "Contato", "1133334444"};

// The program's side: the generation's collection, check and file; the number of registers.
std::size_t programRun(const QString& folder) {
    Connection cadastro, movimento;
    cadastro.OpenFile(folder + "/Trabdados.mdb");
    movimento.OpenFile(folder + "/Tarvel/MV040001.MDB");
    sintegra::LinhasRegistros registros(true);
    const QStringList recusas = sintegra::ColetaMovimento(
        movimento, cadastro, {Parametros.inicio, Parametros.fim, "SP", "12345678000195"}, tabela, registros);
    if (!recusas.isEmpty())
        std::fprintf(stderr, "%lld documents refused, the first: %s\n", qint64(recusas.size()),
                     qPrintable(recusas.first()));
    platform::files::TextFile text(folder + "/SINT001.TXT");
    std::size_t lines = 0;
    if (text.Open()) {
        sintegra::LinhasArquivo(Empresa, Parametros, registros, [&](QByteArrayView line) {
            if (!sintegra::LinhaValida(line)) std::fprintf(stderr, "bad line %zu\n", lines);
            ++lines;
            text.WriteEncodedLine(line);
        });
    }
    if (!text.Commit()) std::fprintf(stderr, "cannot write the file\n");
    return lines - 3;
}

sqlite3* openRaw(const QString& path, int flags) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    platform::db::registerTextFunctions(db);
    return db;
}

// The floor: the same rows read, RegSint refilled and as many lines written, with nothing in between.
void floorRun(const QString& folder) {
    sqlite3* mv = openRaw(folder + "/Tarvel/MV040001.MDB", SQLITE_OPEN_READONLY);
    sqlite3* reg = openRaw(folder + "/Trabdados.mdb", SQLITE_OPEN_READWRITE);
    sqlite3_exec(reg, "BEGIN IMMEDIATE; DELETE FROM RegSint", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v3(reg,
                       "INSERT INTO RegSint(regtip,cgc,inscr_estadual,demis,uf,modelo,serie,subserie,nrnf,"
                       "cfop,vlrtot,baseicms,vlricms,vlrisent,vlroutr,aliqicms,situacao) "
                       "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                       -1, SQLITE_PREPARE_PERSISTENT, &insert, nullptr);
    FILE* f = std::fopen(QFile::encodeName(folder + "/FLOOR.TXT").constData(), "wb");
    std::setvbuf(f, nullptr, _IOFBF, 256 * 1024);
    std::string out;
    char amounts[5][24];
    for (int mes = 1; mes <= 12; ++mes) {
        for (bool saida : {false, true}) {
            const QByteArray sql =
                ("SELECT datalan, demiss, especie, cgc, uf, docinicial, codfiscal, vlrcontabil, "
                 "baseicms0, isenicms0, outricms0, valricms0, aliqicms0, "
                 "baseicms1, isenicms1, outricms1, valricms1, aliqicms1, "
                 "baseicms2, isenicms2, outricms2, valricms2, aliqicms2, "
                 "baseicms3, isenicms3, outricms3, valricms3, aliqicms3, "
                 "baseicms4, isenicms4, outricms4, valricms4, aliqicms4 FROM " +
                 tabela(saida, mes) +
                 " WHERE datalan BETWEEN '2004-01-01' AND '2004-12-31' OR (datalan IS NOT NULL AND "
                 "date(substr(datalan, 1, 10)) IS NOT substr(datalan, 1, 10)) "
                 "ORDER BY datalan, cgc, docinicial, codauto")
                    .toLatin1();
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v3(mv, sql.constData(), -1, 0, &st, nullptr);
            while (sqlite3_step(st) == SQLITE_ROW) {
                for (int slot = 0; slot < 5; ++slot) {
                    const int c = 8 + slot * 5;
                    if (sqlite3_column_int64(st, c) <= 0 && sqlite3_column_int64(st, c + 1) <= 0 &&
                        sqlite3_column_int64(st, c + 2) <= 0)
                        continue;
                    for (int k = 0; k < 5; ++k)
                        std::snprintf(amounts[k], sizeof amounts[k], "%013lld",
                                      static_cast<long long>(sqlite3_column_int64(st, c + k) / 100));
                    const char* texts[17] = {"50",
                                             reinterpret_cast<const char*>(sqlite3_column_text(st, 3)),
                                             "ISENTO        ",
                                             reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                                             reinterpret_cast<const char*>(sqlite3_column_text(st, 4)),
                                             "01",
                                             "   ",
                                             "P ",
                                             reinterpret_cast<const char*>(sqlite3_column_text(st, 5)),
                                             reinterpret_cast<const char*>(sqlite3_column_text(st, 6)),
                                             amounts[0],
                                             amounts[0],
                                             amounts[3],
                                             amounts[1],
                                             amounts[2],
                                             "1800",
                                             "N"};
                    std::size_t width = 0;
                    for (int k = 0; k < 17; ++k) {
                        sqlite3_bind_text(insert, k + 1, texts[k], -1, SQLITE_STATIC);
                        width += std::strlen(texts[k]);
                    }
                    sqlite3_step(insert);
                    sqlite3_reset(insert);
                    out.clear();
                    for (const char* t : texts) out += t;
                    out.resize(out.size() - width + 126, ' ');
                    out += "\r\n";
                    std::fwrite(out.data(), 1, out.size(), f);
                }
            }
            sqlite3_finalize(st);
        }
    }
    sqlite3_finalize(insert);
    sqlite3_exec(reg, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close_v2(reg);
    sqlite3_close_v2(mv);
    std::fflush(f);
    fsync(fileno(f));
    std::fclose(f);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void report(const char* side, int size, const std::vector<double>& runs) {
    std::printf("sintegra %d %s: first %.3f s; min %.3f, median %.3f, max %.3f s\n", size, side, runs.front(),
                *std::min_element(runs.begin(), runs.end()), median(runs),
                *std::max_element(runs.begin(), runs.end()));
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::pair<int, double>> perRecord;  // median microseconds per record, by size
    std::vector<std::pair<int, double>> ratios;
    for (const int size : Sizes) {
        QTemporaryDir dir;
        const QString folder = dir.path();
        fill(folder, size);
        std::vector<double> program, floor;
        std::size_t records = 0;
        for (int run = 0; run < Runs; ++run) {
            program.push_back(seconds([&] { records = programRun(folder); }));
            floor.push_back(seconds([&] { floorRun(folder); }));
        }
        report("program", size, program);
        report("floor", size, floor);
        std::printf("sintegra %d: %zu records, %.2f us per record (median)\n", size, records,
                    median(program) * 1e6 / double(records));
        std::printf("sintegra %d: peak resident %.1f MB\n", size, peakMegabytes());
        perRecord.emplace_back(size, median(program) * 1e6 / double(records));
        ratios.emplace_back(size, median(program) / median(floor));
    }
    for (const auto& [size, ratio] : ratios)
        std::printf("sintegra %d ratio (median/median): %.2f\n", size, ratio);
    std::printf("sintegra growth per record 10000 -> 100000: %.2f\n",
                perRecord[2].second / perRecord[1].second);
    return 0;
}
