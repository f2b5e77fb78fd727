#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>

#include "ReportTestSupport.h"
#include "platform/report/Render.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/MsgBox.h"
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

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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

// A saved PDF takes the place of the file of its name only once whole and on disk: writes that fail
// (a file-size limit) are told with the file and the cause, and leave the earlier file byte for byte
// and no file where there was none; a working file a killed save left behind goes with the next save.
TEST(OutputTest, ASavedPdfReplacesTheFileWholeOrSaysWhyAndLeavesIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("salvo.pdf");
    const struct {
        rlim_t limite;  // bytes a file may take; 0: no limit
        bool existia;
    } casos[] = {{0, true}, {8192, true}, {8192, false}, {0, false}};
    std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.limite) + (c.existia ? " existia" : ""));
        QFile::remove(path);
        if (c.existia) {
            QFile velho(path);
            ASSERT_TRUE(velho.open(QIODevice::WriteOnly));
            velho.write("PDF anterior");
        }
        QFile resto(dir.filePath(".salvo.pdf.novo-morto"));
        ASSERT_TRUE(resto.open(QIODevice::WriteOnly));
        resto.close();
        testsupport::MessageScript script;
        script.onDialog("savePdfDialog", [&](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            files->setDirectory(dir.path());
            // The clerk has answered the dialog's own question to replace the file.
            files->setOption(QFileDialog::DontConfirmOverwrite);
            files->findChild<QLineEdit*>("fileNameEdit")->setText("salvo.pdf");
            dialog.accept();
        });
        if (c.limite)
            script.expect(QStringLiteral("Não foi possível gravar o arquivo ") + path +
                              ": o arquivo passa do tamanho que o sistema permite." +
                              (c.existia ? "\nO arquivo que já havia com esse nome ficou como estava." : ""),
                          "Erro", platform::ui::Msg::OK);
        ReportPreview preview(sample(60), PreviewOptions{});
        rlimit antes{};
        getrlimit(RLIMIT_FSIZE, &antes);
        rlimit limite = antes;
        if (c.limite) limite.rlim_cur = c.limite;
        setrlimit(RLIMIT_FSIZE, &limite);
        const bool salvo = preview.savePdf();
        setrlimit(RLIMIT_FSIZE, &antes);
        EXPECT_EQ(salvo, c.limite == 0);
        EXPECT_TRUE(script.allAnswered());
        if (salvo) {
            EXPECT_EQ(testsupport::pdfPages(path), 2);
        } else if (c.existia) {
            EXPECT_EQ(Bytes(path), QByteArray("PDF anterior"));
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  salvo || c.existia ? QStringList{"salvo.pdf"} : QStringList{});
    }
    std::signal(SIGXFSZ, SIG_DFL);
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
