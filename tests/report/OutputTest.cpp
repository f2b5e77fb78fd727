#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "ReportTestSupport.h"
#include "platform/report/Render.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportPreview.h"
#include "support/Golden.h"
#include "support/MessageScript.h"

using namespace platform::report;
using namespace reporttest;

namespace {

Document sample(int rows) {
    SampleLayout layout;
    PrintValues values;
    values.title = "Amostra";
    values.formulas = {{"empr", "Comércio Exemplo Ltda"}, {"nfolha", "4"}};
    return buildDocument(layout, sampleRows(rows), values);
}

}  // namespace

TEST(OutputTest, PdfHoldsEveryPageAndItsText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("amostra.pdf");
    const Document doc = sample(100);
    ASSERT_TRUE(writePdf(doc, path));
    EXPECT_EQ(testsupport::pdfPages(path), 3);
    const QStringList text = testsupport::pdfText(path);
    EXPECT_TRUE(text.contains("Empresa: Comércio Exemplo Ltda")) << text.join('\n').toStdString();
    EXPECT_TRUE(text.filter("0042 Cliente 42 441,00 Não").size() == 1) << text.join('\n').toStdString();
    EXPECT_FALSE(text.filter("Folha: 7").isEmpty());
    EXPECT_FALSE(text.filter("Total geral: 53.025,00").isEmpty());
}

TEST(OutputTest, PdfOfALandscapeAndAContinuousFormPageKeepsItsSize) {
    QTemporaryDir dir;
    for (const PageSize& size : {PageSize::A4Landscape(), PageSize::ContinuousForm()}) {
        SampleLayout layout;
        layout.pageSize = size;
        const QString path = dir.filePath(size.name + ".pdf");
        ASSERT_TRUE(writePdf(buildDocument(layout, sampleRows(5), {}), path));
        QProcess p;
        p.start("pdfinfo", {path});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString info = QString::fromUtf8(p.readAllStandardOutput());
        const auto m = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts").match(info);
        ASSERT_TRUE(m.hasMatch()) << info.toStdString();
        EXPECT_NEAR(m.captured(1).toDouble(), size.widthMm / 25.4 * 72, 1.0);
        EXPECT_NEAR(m.captured(2).toDouble(), size.heightMm / 25.4 * 72, 1.0);
    }
}

TEST(OutputTest, PreviewNavigatesAndZooms) {
    ReportPreview preview(sample(100), PreviewOptions{});
    preview.resize(800, 600);
    preview.show();
    EXPECT_EQ(preview.pageCount(), 3);
    EXPECT_EQ(preview.currentPage(), 1);
    auto* next = preview.findChild<QWidget*>("nextPage");
    ASSERT_NE(next, nullptr);
    preview.nextPage();
    EXPECT_EQ(preview.currentPage(), 2);
    preview.lastPage();
    EXPECT_EQ(preview.currentPage(), 3);
    EXPECT_FALSE(next->isEnabled());
    preview.nextPage();
    EXPECT_EQ(preview.currentPage(), 3);
    preview.firstPage();
    preview.previousPage();
    EXPECT_EQ(preview.currentPage(), 1);
    preview.showPage(2);
    EXPECT_EQ(preview.currentPage(), 2);

    PageView* view = preview.view();
    preview.setZoom(ZoomMode::Percent, 100);
    EXPECT_NEAR(view->scale(), view->logicalDpiX() / 25.4, 1e-9);
    preview.setZoom(ZoomMode::FitWidth);
    const double fitWidth = view->scale();
    preview.setZoom(ZoomMode::FitPage);
    EXPECT_LT(view->scale(), fitWidth);
    const QImage image = view->renderedPage();
    EXPECT_NEAR(image.width() / image.devicePixelRatio(), 210 * view->scale(), 1.0);
    // The page is drawn: not all white.
    bool ink = false;
    for (int y = 0; y < image.height() && !ink; y += 2)
        for (int x = 0; x < image.width() && !ink; x += 2) ink = image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(ink);
}

// The dialog proposes the report's title in the user's documents folder, then the folder last chosen.
TEST(OutputTest, SaveAsPdfThroughTheScriptedFileDialog) {
    QTemporaryDir dir, home;
    const QByteArray homeBefore = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    const QString path = dir.filePath("salvo.pdf");
    QDir(home.path()).mkdir("Documents");
    testsupport::MessageScript script;
    script.onDialog("savePdfDialog", [&](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_TRUE(files->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(files->directory().absolutePath(), home.filePath("Documents"));
        EXPECT_EQ(files->findChild<QLineEdit*>("fileNameEdit")->text(), "Amostra.pdf");
        // Typed into the dialog's own name field, as a user would.
        files->setDirectory(dir.path());
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("salvo");
        dialog.accept();
        EXPECT_EQ(files->result(), QDialog::Accepted) << files->selectedFiles().join(",").toStdString();
    });
    script.onDialog("savePdfDialog", [&](QDialog& dialog) {
        EXPECT_EQ(qobject_cast<QFileDialog*>(&dialog)->directory().absolutePath(),
                  QDir(dir.path()).absolutePath());
        dialog.reject();
    });
    ReportPreview preview(sample(60), PreviewOptions{});
    EXPECT_TRUE(preview.savePdf());
    EXPECT_EQ(testsupport::pdfPages(path), 2);
    EXPECT_FALSE(preview.savePdf());
    qputenv("HOME", homeBefore);
}

TEST(OutputTest, PrintThroughTheScriptedPrinterDialogWithPagesAndCopies) {
    QTemporaryDir dir;
    const QString path = dir.filePath("impresso.pdf");
    testsupport::MessageScript script;
    script.onDialog("printDialog", [&](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        ASSERT_NE(print, nullptr);
        EXPECT_TRUE(print->testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_EQ(print->maxPage(), 3);
        QPrinter* printer = print->printer();
        // The paper is the report's, set before the dialog opens.
        EXPECT_NEAR(printer->pageLayout().fullRect(QPageLayout::Millimeter).width(), 210, 0.5);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 3);
        printer->setCopyCount(2);
        print->done(QDialog::Accepted);
    });
    script.onDialog("QDialog", [](QDialog& dialog) { dialog.reject(); });
    ReportPreview preview(sample(100), PreviewOptions{});
    EXPECT_TRUE(preview.printReport());
    EXPECT_EQ(testsupport::pdfPages(path), 4);
    const QStringList text = testsupport::pdfText(path);
    EXPECT_TRUE(text.filter("Cliente 1 ").isEmpty());
    EXPECT_EQ(text.filter("Total geral: 53.025,00").size(), 2);
    EXPECT_FALSE(preview.printReport());
}
