// Times the SINTEGRA generation of a year without the window: a program folder from the build's
// templates, a movement database of 2004 with 100 000 taken slots over twelve months (entries and
// exits, several species, 5 000 parties per register), the collection into RegSint and the writing of
// the file. The floor reads the same rows with SQLite's own statements and writes as many 126-byte
// lines. Each figure is the best of five, the two sides in turns.

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <string>

#include "platform/db/Connection.h"
#include "platform/files/TextFile.h"
#include "platform/values/TextCompare.h"
#include "sintegra/ColetaMovimento.h"
#include "sintegra/GeracaoSintegra.h"
#include "sintegra/RegistrosArquivo.h"

using platform::db::Connection;
using platform::values::Currency;

namespace {

constexpr int Slots = 100000;
constexpr int Parties = 5000;
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

void fill(const QString& folder) {
    QDir().mkpath(folder + "/Tarvel");
    QFile::copy(QStringLiteral(RT_TEMPLATES_DIR "/Ajuste.mdb"), folder + "/Trabdados.mdb");
    QFile::copy(QStringLiteral(RT_TEMPLATES_DIR "/Movimento.mdb"), folder + "/Tarvel/MV040001.MDB");
    Connection cadastro;
    cadastro.OpenFile(folder + "/Trabdados.mdb");
    {
        platform::db::Transaction t(cadastro);
        for (int i = 0; i < Parties; ++i) {
            cadastro.Execute("INSERT INTO ForGeral (cgc, nome, ie) VALUES (?, ?, ?)",
                             {cgc(i), "Fornecedor",
                              QStringLiteral("110.%1.490.114").arg(i % 1000, 3, 10, QLatin1Char('0'))});
            cadastro.Execute("INSERT INTO CliGeral (cgc, nome, ie) VALUES (?, ?, ?)",
                             {cgc(Parties + i), "Cliente",
                              i % 3 ? QStringLiteral("ISENTO") : QStringLiteral("12.345.678")});
        }
        t.commit();
    }
    Connection movimento;
    movimento.OpenFile(folder + "/Tarvel/MV040001.MDB");
    platform::db::Transaction t(movimento);
    const char* especies[] = {"NF", "NF", "NFE", "NFC", "CT", "NSC", "NF", "NFP"};
    for (int i = 0; i < Slots; ++i) {
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
            {data, data, especie, cgc((saida ? Parties : 0) + i % Parties), "SP",
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

int collate(void*, int la, const void* a, int lb, const void* b) {
    return platform::values::compareText(QStringView(static_cast<const char16_t*>(a), la / 2),
                                         QStringView(static_cast<const char16_t*>(b), lb / 2));
}

// The same rows read with SQLite's own statements and as many lines written: what no program can beat.
double floorRun(const QString& folder, long lines) {
    return seconds([&] {
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(folder + "/Tarvel/MV040001.MDB").constData(), &db,
                        SQLITE_OPEN_READONLY, nullptr);
        sqlite3_create_collation_v2(db, "PTBR", SQLITE_UTF16, nullptr, collate, nullptr);
        std::string sum;
        for (int mes = 1; mes <= 12; ++mes) {
            for (bool saida : {false, true}) {
                const QByteArray sql =
                    ("SELECT datalan, demiss, especie, cgc, uf, docinicial, codfiscal, baseicms0, valricms0, "
                     "isenicms0, outricms0, aliqicms0, baseicms1, valricms1, isenicms1, outricms1, "
                     "aliqicms1, "
                     "baseicms2, valricms2, isenicms2, outricms2, aliqicms2, baseicms3, valricms3, "
                     "isenicms3, "
                     "outricms3, aliqicms3, baseicms4, valricms4, isenicms4, outricms4, aliqicms4 FROM " +
                     tabela(saida, mes) +
                     " WHERE datalan BETWEEN '2004-01-01' AND '2004-12-31' ORDER BY datalan, cgc, "
                     "docinicial, codauto")
                        .toLatin1();
                sqlite3_stmt* st = nullptr;
                sqlite3_prepare_v3(db, sql.constData(), -1, 0, &st, nullptr);
                while (sqlite3_step(st) == SQLITE_ROW) {
                    for (int c = 0; c < 7; ++c)
                        sum += reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                    for (int c = 7; c < 32; ++c) sum += char(sqlite3_column_int64(st, c) & 0x7f);
                    sum.clear();
                }
                sqlite3_finalize(st);
            }
        }
        sqlite3_close_v2(db);
        FILE* f = std::fopen(QFile::encodeName(folder + "/FLOOR.TXT").constData(), "wb");
        std::string line(126, '5');
        line += "\r\n";
        for (long i = 0; i < lines; ++i) std::fwrite(line.data(), 1, line.size(), f);
        std::fclose(f);
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.path();
    fill(folder);

    sintegra::EmpresaSintegra empresa{
        "12.345.678/0001-95", "110.042.490.114", "Empresa", "Cidade", "SP", "", "Rua", "1", "", "Centro",
        "01234-567"};
    const sintegra::ParametrosArquivo parametros{QDate(2004, 1, 1), QDate(2004, 12, 31), "Contato",
                                                 "1133334444"};
    double bestCollect = 1e9, bestFile = 1e9, bestTotal = 1e9, bestFloor = 1e9;
    std::size_t records = 0;
    for (int run = 0; run < Runs; ++run) {
        Connection cadastro, movimento;
        cadastro.OpenFile(folder + "/Trabdados.mdb");
        movimento.OpenFile(folder + "/Tarvel/MV040001.MDB");
        sintegra::Conversao coleta;
        const double collect = seconds([&] {
            coleta = sintegra::ColetaMovimento(
                movimento, cadastro, {parametros.inicio, parametros.fim, "SP", "12345678000195"}, tabela);
        });
        const double file = seconds([&] {
            platform::files::TextFile text(folder + "/SINT001.TXT");
            text.Open();
            for (const QString& line : sintegra::LinhasArquivo(empresa, parametros, coleta.registros))
                text.WriteLine(line);
            if (!text.Commit()) std::fprintf(stderr, "cannot write the file\n");
        });
        records = coleta.registros.size();
        if (!coleta.recusas.isEmpty())
            std::fprintf(stderr, "%lld documents refused, the first: %s\n", qint64(coleta.recusas.size()),
                         qPrintable(coleta.recusas.first()));
        bestCollect = std::min(bestCollect, collect);
        bestFile = std::min(bestFile, file);
        bestTotal = std::min(bestTotal, collect + file);
        bestFloor = std::min(bestFloor, floorRun(folder, long(records) + 3));
    }
    std::printf("collection: %.2f s\nfile: %.2f s\nfloor (raw read and write): %.2f s\n", bestCollect,
                bestFile, bestFloor);
    std::printf("sintegra: %zu records, %.2f s\n", records, bestTotal);
    std::printf("sintegra ratio: %.1f\n", bestTotal / bestFloor);
    return 0;
}
