// Builds a book of the entries book's shape, 1000 pages of 60 lines of 16 columns under a two-row
// heading, with a total per CFOP, a carried page total and a summary section, as a page model and
// then as a PDF. For comparison only (it is no floor: it is slower than the layer, which caches the
// glyphs), it draws the very same texts and lines onto a PDF with one QPainter::drawText per text.
// The goal on the report layer is its absolute time. The first run is printed apart, then the
// min/median/max of the rounds after it, and the peak resident memory.
#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

#include "../books_bench/Figures.h"
#include "platform/report/BookHeading.h"
#include "platform/report/ColumnTable.h"
#include "platform/report/Fonts.h"
#include "platform/report/Render.h"
#include "platform/report/ReportLayout.h"
#include "platform/values/Vb.h"

using namespace platform::report;
using platform::values::Currency;

namespace {

constexpr int Pages = 1000;
constexpr int LinesPerPage = 60;
constexpr int Cfops = 10;
constexpr int Rounds = 5;
const QString Money = QStringLiteral("###,###,##0.00");

ColumnTable bookColumns(const TableForm& form) {
    const QString documento = QStringLiteral("DOCUMENTO FISCAL");
    const QString valores = QString::fromUtf8("ICMS – VALORES FISCAIS");
    const auto money = [&](const char* caption, const char* field, double mm, int chars) {
        return Column(QString::fromUtf8(caption), QString::fromLatin1(field), mm, chars)
            .aligned(Align::Right)
            .formatted(Money)
            .zeroBlank()
            .totalled();
    };
    return ColumnTable(
        {Column("Data de\nEntrada", "entrada", 13, 10),
         Column("Espécie", "especie", 11, 4).grouped(documento),
         Column("Série", "serie", 7, 3).grouped(documento),
         Column("Número", "numero", 12, 8).grouped(documento).aligned(Align::Right),
         Column("Data", "data", 13, 10).grouped(documento),
         Column("Código\nEmitente", "emitente", 14, 8).aligned(Align::Right),
         Column("UF\nOrigem", "uf", 10, 2), money("Valor\nContábil", "valor", 20, 12),
         Column("CFOP", "cfop", 9, 5), money("Base de\nCálculo", "base", 20, 12).grouped(valores),
         Column("Alíq.", "aliquota", 8, 5).grouped(valores).aligned(Align::Right),
         money("Imposto\nCreditado", "icms", 18, 11).grouped(valores),
         money("Isentas ou\nNão Tribut.", "isentas", 18, 11).grouped(valores),
         money("Outras", "outras", 18, 11).grouped(valores), money("IPI", "ipi", 16, 10),
         Column("Observações", "obs", 30, 12)},
        form);
}

class BenchLayout : public ReportLayout {
  public:
    BenchLayout() {
        TableForm form = TableForm::A4Landscape();
        const ColumnTable heading = bookColumns(form);
        pageSize = form.page;
        BookHeading book;
        book.title = QStringLiteral("REGISTRO DE ENTRADAS");
        addBookHeading(*this, book, form.leftMm, heading.right());
        heading.header(columnHeader);
        heading.declareSums(sums);
        heading.totals(pageFooter, QStringLiteral("A transportar"), TotalOf::CarriedForward);
        pageFooter.height += 1;

        // Sixty lines fill a page.
        form.lineMm = (pageSize.heightMm - marginTop - marginBottom - pageHeader.height -
                       columnHeader.height - pageFooter.height) /
                      (LinesPerPage + 0.5);
        const ColumnTable lines = bookColumns(form);
        lines.detail(detail);
        GroupBand cfop{QStringLiteral("cfop"), {}, {}};
        lines.totals(cfop.footer, QStringLiteral("Total do CFOP"), TotalOf::Group);
        groups.push_back(std::move(cfop));
        lines.totals(summary, QStringLiteral("Total do mês"), TotalOf::Body);

        Section resumo;
        resumo.query = QStringLiteral("resumo");
        resumo.header.text(form.leftMm, 2, 120, 5, QStringLiteral("RESUMO POR CFOP"), form.head);
        resumo.header.height = 8;
        const ColumnTable porCfop(
            {Column("CFOP", "cfop", 20, 8),
             Column("Valor Contábil", "valor", 40, 20).aligned(Align::Right).formatted(Money).totalled(),
             Column("Base de Cálculo", "base", 40, 20).aligned(Align::Right).formatted(Money).totalled(),
             Column("Imposto", "icms", 40, 20).aligned(Align::Right).formatted(Money).totalled()},
            TableForm::A4Landscape());
        porCfop.header(resumo.columnHeader);
        porCfop.detail(resumo.detail);
        porCfop.declareSums(resumo.sums);
        porCfop.totals(resumo.footer, QStringLiteral("Total"), TotalOf::Body);
        sections.push_back(std::move(resumo));
    }
};

QString cfopOf(int group) { return QStringLiteral("1.%1").arg(101 + group); }

DataSet rows() {
    DataSet data;
    for (const char* f :
         {"entrada", "especie", "serie", "numero", "data", "emitente", "uf", "cfop", "aliquota", "obs"})
        data.fields.push_back({QString::fromLatin1(f), FieldType::Text});
    for (const char* f : {"valor", "base", "icms", "isentas", "outras", "ipi"})
        data.fields.push_back({QString::fromLatin1(f), FieldType::Currency});
    // With one total line per CFOP, the book is a thousand full pages.
    const int count = Pages * LinesPerPage - Cfops;
    data.rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QString day = QDate(2011, 3, 1 + i % 28).toString("dd/MM/yyyy");
        const Currency valor = Currency::fromRaw(1000000LL + i * 1234LL);
        const bool isenta = i % 7 == 0;
        data.rows.push_back(
            {day, QStringLiteral("NF"), QStringLiteral("1"), QString::number(100000 + i), day,
             QString::number(1000 + i % 500), QStringLiteral("SP"), cfopOf(i * Cfops / count),
             isenta ? QString() : QStringLiteral("18,00"),
             i % 11 == 0 ? QStringLiteral("Devolução") : QString(), valor, isenta ? Currency() : valor,
             isenta ? Currency() : Currency::fromRaw(180000LL + i * 222LL), isenta ? valor : Currency(),
             Currency(), Currency::fromRaw(i % 3 == 0 ? 50000LL : 0)});
    }
    return data;
}

DataSet summaryRows() {
    DataSet data;
    data.fields = {{"cfop", FieldType::Text},
                   {"valor", FieldType::Currency},
                   {"base", FieldType::Currency},
                   {"icms", FieldType::Currency}};
    for (int g = 0; g < Cfops; ++g)
        data.rows.push_back({cfopOf(g), Currency::fromRaw(1000000000LL * (g + 1)),
                             Currency::fromRaw(900000000LL * (g + 1)),
                             Currency::fromRaw(162000000LL * (g + 1))});
    return data;
}

// The same page model drawn with nothing but QPainter's own text and line calls, one drawText per text.
bool drawStraight(const Document& document, const QString& path) {
    constexpr int Dpi = 1200;
    const double k = Dpi / 25.4;
    QPdfWriter writer(path);
    writer.setResolution(Dpi);
    setPaper(writer, document.pageSize);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    ReportFonts& fonts = reportFonts();
    QPen pen(Qt::black);
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0) writer.newPage();
        const Page& page = document.pages[i];
        for (const auto& l : page.lines) {
            pen.setWidthF(l.penMm * k);
            painter.setPen(pen);
            painter.drawLine(QPointF(l.x1 * k, l.y1 * k), QPointF(l.x2 * k, l.y2 * k));
        }
        const FontSpec* current = nullptr;
        for (const auto& t : page.texts) {
            if (!current || !(*current == t.font)) {
                painter.setFont(fonts.font(t.font));
                current = &t.font;
            }
            double x = t.x;
            if (t.align == Align::Right)
                x = t.x + t.width - t.advance;
            else if (t.align == Align::Center)
                x = t.x + (t.width - t.advance) / 2;
            const double ascent = fonts.ascentMm(t.font), descent = fonts.descentMm(t.font);
            const double baseline = t.y + (t.height - (ascent + descent)) / 2 + ascent;
            painter.drawText(QPointF(x * k, baseline * k), t.text);
        }
    }
    return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ReportFonts fonts(QStringLiteral(RT_FONTS_DIR));
    const DataSet data = rows();
    const std::vector<DataSet> sections{summaryRows()};
    BenchLayout layout;
    PrintValues values;
    values.title = QStringLiteral("Livro de Entrada");
    values.formulas = {{"empr", "Comércio Exemplo Ltda"},
                       {"cgc", "12.345.678/0001-95"},
                       {"ie", "110.042.490.114"},
                       {"mesano", "03/2011"},
                       {"nfolha", "0"}};

    QTemporaryDir dir;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath("bench.pdf");
    bench::Times model, pdf, drawText, total;
    Document document;
    bool written = true, straight = true;
    for (int run = 0; run <= Rounds; ++run) {
        document = Document();
        const double m = bench::seconds([&] { document = buildDocument(layout, data, values, sections); });
        const double p = bench::seconds([&] { written = writePdf(document, path) && written; });
        model.add(m);
        pdf.add(p);
        total.add(m + p);
        drawText.add(bench::seconds(
            [&] { straight = drawStraight(document, dir.filePath("straight.pdf")) && straight; }));
    }
    const auto pages = document.pages.size();
    std::printf("pages: %zu (%zu texts, %zu lines on the first page)\n", pages,
                document.pages.front().texts.size(), document.pages.front().lines.size());
    std::printf("pdf bytes: %lld%s\n", static_cast<long long>(QFileInfo(path).size()),
                written ? "" : " (WRITE FAILED)");
    bench::print("report page model", model);
    bench::print("report pdf writing", pdf);
    bench::print("report pdf total (model and pdf)", total);
    bench::print("comparison, each text drawn with drawText (not a floor)", drawText);
    std::printf("report peak resident: %.1f MB\n", bench::peakMegabytes());
    std::printf("report pages per second (median): %.0f\n", double(pages) / total.median());
    std::printf("report pdf total to drawText comparison (median/median): %.2f%s\n",
                total.median() / drawText.median(), straight ? "" : " (WRITE FAILED)");
    return written && straight ? 0 : 1;
}
