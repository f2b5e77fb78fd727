#pragma once

#include <QString>
#include <QStringList>

#include "platform/report/PageModel.h"

namespace testsupport {

// Compares the dump of `document` with the golden file `folder`/<name>.txt; a mismatch fails the
// test with a line diff. With RT_UPDATE_GOLDEN=1 in the environment the file is written instead,
// and the document is written as a PDF in the temporary folder (its path printed) to be looked at.
void expectGoldenIn(const QString& folder, const QString& name, const platform::report::Document& document);

#ifdef RT_TEST_SOURCE_DIR
// The golden files of a test folder lie in its golden/ folder.
inline void expectGolden(const QString& name, const platform::report::Document& document) {
    expectGoldenIn(QStringLiteral(RT_TEST_SOURCE_DIR "/golden"), name, document);
}
#endif

// The lines where `expected` and `actual` differ: "-" lines only in `expected`, "+" lines only in
// `actual`, each run headed by its line number in `expected`; at most `limit` lines. Empty when equal.
QStringList lineDiff(const QStringList& expected, const QStringList& actual, int limit = 60);

// The lines of a PDF's text, read back with pdftotext; the page count with pdfinfo.
QStringList pdfText(const QString& path);
int pdfPages(const QString& path);

}  // namespace testsupport
