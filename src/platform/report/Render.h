#pragma once

#include <QString>
#include <vector>

#include "platform/report/PageModel.h"

class QPainter;
class QPrinter;
class QPagedPaintDevice;

namespace platform::report {

// Draws one page on a painter whose device has its origin at the paper's top-left corner, at
// `dotsPerMm` device pixels per millimetre. The same drawing serves the preview, the PDF and the printer.
void drawPage(QPainter& painter, const Page& page, double dotsPerMm);

// Sets the device's paper to the document's page size with no margins.
void setPaper(QPagedPaintDevice& device, const PageSize& size);

// Tunes the C heap once for the process so that the large blocks of a long report (a PDF page's
// compression state, a thousand pages of page model) are kept and reused rather than handed back
// to the system and faulted in again. The page model's emission, every output and the readers of a
// year's documents call it.
void keepHeap();

// Writes the document's pages (all, or the indexes `pages` in their order) to a PDF file that takes the
// place of `path` only once complete and on disk (files::FileReplacement): a failure or a kill leaves
// the earlier file as it was. False, with the cause in `reason` ("o disco está cheio"), when the file
// cannot be written.
bool writePdf(const Document& document, const QString& path, QString* reason = nullptr,
              const std::vector<std::size_t>& pages = {});

// Prints the document on a printer the print dialog has set up (its page range and copies);
// the paper is set to the document's page size. A printer that writes a PDF file writes it as
// writePdf does. False when the printer cannot be opened or the file written (the cause in `reason`).
bool printDocument(const Document& document, QPrinter& printer, QString* reason = nullptr);

}  // namespace platform::report
