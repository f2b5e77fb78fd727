#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/report/Automation.h"
#include "platform/report/PrintEngine.h"

namespace platform::report {

class frmRelatorio;
class frmRelatorioModal;

// The messages of the print-engine path besides ReportNotFoundMessage, each shown alone with an OK
// button, no icon and the program's title.
inline const char* const WindowDefinitionErrorMessage = "Definição de Janela com Erro !";
inline const char* const WindowOptionsErrorMessage = "Erro nas opções da janela !";
inline const char* const StartPrintErrorMessage = "Erro ao Iniciar a Impressão!";
inline const char* const RowMissingMessage = "Erro";
inline const char* const SelectionErrorMessage = "Erro na Seleção!";
inline const char* const ZoomErrorMessage = "Erro ao fazer o zoom !";

// A print of the books, the ISS books and the terms on the print engine.
struct EnginePrint {
    // The program folder + the report file name.
    QString reportPath;
    // The new preview window's caption, also the title of the job's output.
    QString caption;
    // Sets the job's formulas (PESetFormula on the job given), after the window options.
    std::function<void(int job)> formulas;
    // Runs after the job is closed, whether it printed or failed (the assessment book's balance).
    std::function<void()> afterClose;
    // The steps of the terms, each left out when not set. `readRows` reads what the formulas need,
    // after the window options; false means the rows are missing.
    std::function<bool()> readRows;
    // The record selection, set after the formulas.
    QString selection;
    // The preview's zoom after the start (a PEZoom level or a percentage).
    std::optional<int> zoom;
};

// The engine calls PrintOnEngine makes; tests replace one to fail its step.
struct EngineCalls {
    std::function<int(const QString&)> open = PEOpenPrintJob;
    std::function<int(int, const QString&, int, int, int, int, std::uint32_t, QWidget*)> output =
        PEOutputToWindow;
    std::function<int(int, const PEWindowOptions&)> options = PESetWindowOptions;
    std::function<int(int, const QString&)> selection = PESetSelectionFormula;
    std::function<int(int, bool)> start = PEStartPrintJob;
    std::function<std::exception_ptr(int)> startError = PEStartError;
    std::function<int(int, int)> zoom = PEZoomPreviewWindow;
    std::function<int(int)> close = PEClosePrintJob;
};

// The print-engine sequence: a new preview window shown first, the job opened, its output to that
// window maximised, the window options, the formulas, the start, the job closed at once. A step that
// fails shows its message and skips to the close (the window stays open, empty); a start that failed
// by an error (the rows could not be read) then shows that error as every run-time error is shown. Then
// `afterClose`, and the pointer back to normal on every way out, exceptions included. Returns the preview
// window.
frmRelatorio* PrintOnEngine(const EnginePrint& print, const EngineCalls& calls = {});

// What a print into a modal preview came to.
enum class EngineOutcome { Shown, Failed, RowMissing };

// The same sequence into `host`, the caller's own modal preview (the terms): its caption set, the job
// opened, output, options, readRows, formulas, selection, start and zoom. A step that fails shows its
// message and closes the job; missing rows show RowMissingMessage and put the pointer back to normal,
// other failures leave the pointer as it is. A print that gets through puts the pointer back to
// normal, shows the host modal, and closes the job when the user closes it.
EngineOutcome PrintOnEngineModal(const EnginePrint& print, frmRelatorioModal& host,
                                 const EngineCalls& calls = {});

// A print of the listings, labels and registers through the automation object: the report at
// `reportPath` (program folder + file name) gets the rows of `data` and the formula texts of
// `formulas` (formula field, text), and previews in the shared preview window under `caption`, the
// pointer back to normal first. A report without a layout is told by the automation object and
// nothing is shown. True when the preview was shown.
bool PrintByAutomation(const QString& reportPath, const CrystalDataObject& data, const QString& caption,
                       const std::vector<std::pair<QString, QString>>& formulas = {});

}  // namespace platform::report
