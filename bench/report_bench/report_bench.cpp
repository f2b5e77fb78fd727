// Builds a book of 1000 pages of 60 detail lines each, as a page model and then as a PDF, and prints
// the pages per second of each step.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/report/BookHeading.h"
#include "platform/report/Fonts.h"
#include "platform/report/Render.h"
#include "platform/report/ReportLayout.h"
#include "platform/values/Vb.h"

using namespace platform::report;
using platform::values::Currency;

namespace {

constexpr int Pages = 1000;
constexpr int LinesPerPage = 60;

class BenchLayout : public ReportLayout {
  public:
    BenchLayout() {
        BookHeading heading;
        heading.title = QStringLiteral("REGISTRO DE ENTRADAS");
        addBookHeading(*this, heading, 10, 200);
        const FontSpec head = FontSpec::sans(7, true);
        const FontSpec body = FontSpec::sans(7);
        columnHeader.height = 6;
        columnHeader.text(10, 0, 16, 5, "Data", head)
            .text(27, 0, 12, 5, "Espécie", head)
            .text(40, 0, 16, 5, "Número", head)
            .text(57, 0, 70, 5, "Emitente", head)
            .text(128, 0, 14, 5, "CFOP", head)
            .text(143, 0, 27, 5, "Valor Contábil", head, Align::Right)
            .text(171, 0, 29, 5, "ICMS", head, Align::Right)
            .line(10, 5.5, 200, 5.5);
        pageFooter.height = 8;
        sums.push_back({"valor", "valor"});
        pageFooter.computed(110, 2, 90, 5, body, Align::Right, [](const ReportContext& c) {
            return "A transportar: " +
                   platform::values::Format(
                       c.sum("valor", SumScope::Carried) + c.sum("valor", SumScope::Page), u"###,###,##0.00");
        });
        const double available = pageSize.heightMm - marginTop - marginBottom - pageHeader.height -
                                 columnHeader.height - pageFooter.height;
        detail.height = available / (LinesPerPage + 0.5);
        const double h = detail.height;
        detail.field(10, 0, 16, h, "data", body)
            .field(27, 0, 12, h, "especie", body)
            .field(40, 0, 16, h, "numero", body)
            .field(57, 0, 70, h, "emitente", body)
            .field(128, 0, 14, h, "cfop", body)
            .field(143, 0, 27, h, "valor", body, Align::Right, "###,###,##0.00")
            .field(171, 0, 29, h, "icms", body, Align::Right, "###,###,##0.00");
    }
};

DataSet rows() {
    DataSet data;
    data.fields = {{"data", FieldType::Text},    {"especie", FieldType::Text},
                   {"numero", FieldType::Text},  {"emitente", FieldType::Text},
                   {"cfop", FieldType::Text},    {"valor", FieldType::Currency},
                   {"icms", FieldType::Currency}};
    const int count = Pages * LinesPerPage;
    data.rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QDate day(2011, 3, 1 + i % 28);
        data.rows.push_back({day.toString("dd/MM/yyyy"), QStringLiteral("NF"), QString::number(100000 + i),
                             QStringLiteral("Fornecedor de Exemplo %1 Ltda").arg(i % 500),
                             QStringLiteral("1.102"), Currency::fromRaw(1000000LL + i * 1234LL),
                             Currency::fromRaw(180000LL + i * 222LL)});
    }
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ReportFonts fonts(QStringLiteral(RT_FONTS_DIR));
    const DataSet data = rows();
    BenchLayout layout;
    PrintValues values;
    values.title = QStringLiteral("Livro de Entrada");
    values.formulas = {{"empr", "Comércio Exemplo Ltda"},
                       {"cgc", "12.345.678/0001-95"},
                       {"ie", "110.042.490.114"},
                       {"mesano", "03/2011"},
                       {"nfolha", "0"}};

    QElapsedTimer timer;
    timer.start();
    const Document document = buildDocument(layout, data, values);
    const double modelSeconds = timer.nsecsElapsed() / 1e9;

    QTemporaryDir dir;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath("bench.pdf");
    timer.restart();
    const bool written = writePdf(document, path);
    const double pdfSeconds = timer.nsecsElapsed() / 1e9;

    const auto pages = document.pages.size();
    std::printf("pages: %zu (%zu texts on the first page)\n", pages, document.pages.front().texts.size());
    std::printf("page model: %.3f s, %.0f pages/s\n", modelSeconds, pages / modelSeconds);
    std::printf("pdf: %.3f s, %.0f pages/s, %lld bytes%s\n", pdfSeconds, pages / pdfSeconds,
                static_cast<long long>(QFileInfo(path).size()), written ? "" : " (WRITE FAILED)");
    std::printf("total: %.3f s\n", modelSeconds + pdfSeconds);
    return written && pages == Pages ? 0 : 1;
}
