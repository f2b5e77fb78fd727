// Prepares a month of entries whose book runs to about a thousand pages of "JtEntrada.rpt" with the
// functions the books window calls, emits the book's page model through its registered layout (its rows
// and sections read as the print engine reads them for the preview, with the book's formulas) and writes
// the PDF. The floor is the raw read alone: the same rows of the layout's queries stepped through with
// SQLite's own statements, every value taken as SQLite hands it (no drawing). The first emission in the
// process is printed apart: it is what a user waits for when the preview opens. The peak resident
// memory is printed right after that first emission (the preview's) and at the end (the PDF's too).

#include <sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "../books_bench/Figures.h"
#include "../books_bench/RawRead.h"
#include "books/FormulasLivro.h"
#include "books/PreparaLivros.h"
#include "books/Relatorios.h"
#include "books/livros_sql.h"
#include "platform/db/TextFunctions.h"
#include "platform/report/Fonts.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/PrintEngine.h"
#include "platform/report/Render.h"

using platform::db::Connection;
using platform::db::Params;
using platform::values::Currency;
using namespace platform::report;

namespace {

// Two book lines per document (one row of the work table), about forty lines a page.
constexpr int Documentos = 20000;
constexpr int Rounds = 5;

void fill(Connection& cadastro, Connection& movimento) {
    {
        platform::db::Transaction t(cadastro);
        for (int i = 0; i < 500; ++i)
            cadastro.Execute(QStringLiteral("INSERT INTO ForGeral(cgc,nome,ie) VALUES(?,?,?)"),
                             {QStringLiteral("%1.345.678/0001-00").arg(10 + i),
                              QStringLiteral("Fornecedor %1 Ltda").arg(i), QString::number(100000 + i)});
        t.commit();
    }
    platform::db::Transaction t(movimento);
    for (int i = 0; i < Documentos; ++i) {
        const bool interestadual = i % 4 == 0;
        const Currency base = Currency::fromRaw(1000000 + (i * 37) % 500000 * 100);
        const Currency outros = Currency::fromUnits(10 + i % 50);
        Params p{QDate(2011, 3, 1 + i % 31),
                 QDate(2011, 3, 1 + i % 28),
                 QStringLiteral("NF"),
                 QStringLiteral("1"),
                 QString::number(1000 + i),
                 QStringLiteral("%1.345.678/0001-00").arg(10 + i % 550),
                 QString::fromLatin1(interestadual ? "MG" : "SP"),
                 QStringLiteral("%1.1%2").arg(interestadual ? 2 : 1).arg(i % 20, 2, 10, QLatin1Char('0')),
                 base + outros,
                 base,
                 Currency::fromUnits(18),
                 Currency::fromRaw(base.raw() * 18 / 100),
                 outros};
        movimento.Execute(
            QStringLiteral("INSERT INTO DIGE03(datalan,demiss,especie,serie,docinicial,cgc,uf,codfiscal,"
                           "vlrcontabil,baseicms0,aliqicms0,valricms0,outricms0) "
                           "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"),
            p);
    }
    t.commit();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ReportFonts fonts(QStringLiteral(RT_FONTS_DIR));
    QTemporaryDir dir;
    const QString templates = QStringLiteral(RT_TEMPLATES_DIR);
    const QString registro = dir.filePath(QStringLiteral("Trabdados.mdb"));
    const QString arquivo = dir.filePath(QStringLiteral("MV110001.MDB"));
    if (!QFile::copy(templates + QStringLiteral("/Ajuste.mdb"), registro) ||
        !QFile::copy(templates + QStringLiteral("/Movimento.mdb"), arquivo)) {
        std::fprintf(stderr, "templates not found in %s\n", RT_TEMPLATES_DIR);
        return 1;
    }
    Connection cadastro, movimento;
    cadastro.OpenFile(registro);
    movimento.OpenFile(arquivo);
    fill(cadastro, movimento);
    Livros::RecriaMovTPara(cadastro);
    books::RegistraRelatorios();

    PrintValues values;
    Livros::Formulas formulas = Livros::FormulasComuns(
        {QStringLiteral("Indústria Exemplo Ltda"), QStringLiteral("123.456.789.110"),
         QStringLiteral("12.345.678/0001-95"), QStringLiteral("0"), QStringLiteral("03/2011")});
    for (auto& f : Livros::FormulasEntradas({})) formulas.push_back(f);
    for (const auto& [nome, texto] : formulas)
        values.formulas[nome] = formulaValue(texto).value_or(QString());

    const auto layout = layoutRegistry().create(dir.filePath(QStringLiteral("JtEntrada.rpt")));
    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(registro).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    platform::db::registerTextFunctions(raw);

    bench::Times preparation, emission, pdf, floor;
    std::size_t pages = 0, lines = 0, seen = 0;
    double preparedPeak = 0, previewPeak = 0;
    for (int run = 0; run <= Rounds; ++run) {
        preparation.add(bench::seconds([&] {
            Livros::PreparaEntradas({}, movimento, QStringLiteral("DIGE03"), QDate(2011, 3, 1), cadastro);
        }));
        if (run == 0) preparedPeak = bench::peakMegabytes();
        // What the print engine does when the preview is asked for.
        Document document;
        emission.add(bench::seconds([&] {
            DataSet data = runQuery(registro, layout->query);
            std::vector<DataSet> sections;
            for (const Section& s : layout->sections)
                sections.push_back(s.query.isEmpty() ? DataSet() : runQuery(registro, s.query));
            lines = data.rows.size();
            document = buildDocument(*layout, std::move(data), values, sections);
        }));
        if (run == 0) previewPeak = bench::peakMegabytes();
        pages = document.pages.size();
        floor.add(bench::seconds([&] {
            seen += bench::readRaw(raw, layout->query.toStdString());
            for (const Section& s : layout->sections)
                if (!s.query.isEmpty()) seen += bench::readRaw(raw, s.query.toStdString());
        }));
        pdf.add(bench::seconds([&] {
            if (!writePdf(document, dir.filePath(QStringLiteral("JtEntrada.pdf")))) {
                std::fprintf(stderr, "the PDF was not written\n");
                std::exit(1);
            }
        }));
    }
    sqlite3_close_v2(raw);
    std::printf("pages: %zu (%zu book lines)\n", pages, lines);
    bench::print("book preparation", preparation);
    bench::print("book emission to the preview page model", emission);
    bench::print("book raw read (floor)", floor);
    bench::print("book pdf writing", pdf);
    std::printf("book peak resident before the first emission (data and preparation): %.1f MB\n",
                preparedPeak);
    std::printf("book preview peak resident after the first emission: %.1f MB\n", previewPeak);
    std::printf("book peak resident at the end (pdf included): %.1f MB\n", bench::peakMegabytes());
    std::printf("book emission ratio to the raw read (median/median): %.2f\n",
                emission.median() / floor.median());
    return seen == 0;
}
