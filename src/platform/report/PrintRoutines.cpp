#include "platform/report/PrintRoutines.h"

#include <QScopeGuard>

#include "platform/report/frmRelatorio.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"

namespace platform::report {

namespace {

struct PointerReset {
    PointerReset() = default;
    PointerReset(const PointerReset&) = delete;
    PointerReset& operator=(const PointerReset&) = delete;
    ~PointerReset() { ui::resetPointer(); }
};

void tell(const char* message) { ui::MsgBox(QString::fromUtf8(message), ui::Msg::OKOnly); }

enum class JobEnd { Started, Failed, RowMissing };

// Output, options, rows, formulas, selection, start and zoom of an open job; the first failure is told
// and ends it.
JobEnd runJob(int job, const EnginePrint& print, QWidget* host, const EngineCalls& calls) {
    if (!calls.output(job, print.caption, 1, 1, host->width(), host->height(), WindowStyleMaximized, host)) {
        tell(WindowDefinitionErrorMessage);
        return JobEnd::Failed;
    }
    if (!calls.options(job, PEWindowOptions{})) {
        tell(WindowOptionsErrorMessage);
        return JobEnd::Failed;
    }
    if (print.readRows && !print.readRows()) {
        tell(RowMissingMessage);
        return JobEnd::RowMissing;
    }
    if (print.formulas) print.formulas(job);
    if (!print.selection.isEmpty() && !calls.selection(job, print.selection)) {
        tell(SelectionErrorMessage);
        return JobEnd::Failed;
    }
    if (!calls.start(job, true)) {
        tell(StartPrintErrorMessage);
        if (const std::exception_ptr error = calls.startError(job))
            ui::Guarded([&] { std::rethrow_exception(error); });
        return JobEnd::Failed;
    }
    if (print.zoom && !calls.zoom(job, *print.zoom)) {
        tell(ZoomErrorMessage);
        return JobEnd::Failed;
    }
    return JobEnd::Started;
}

}  // namespace

frmRelatorio* PrintOnEngine(const EnginePrint& print, const EngineCalls& calls) {
    const PointerReset reset;
    frmRelatorio* host = frmRelatorio::ShowNew();
    host->setCaption(print.caption);
    const int job = calls.open(print.reportPath);
    try {
        if (job == 0)
            tell(ReportNotFoundMessage);
        else
            runJob(job, print, host, calls);
    } catch (...) {
        calls.close(job);
        throw;
    }
    calls.close(job);
    if (print.afterClose) print.afterClose();
    return host;
}

EngineOutcome PrintOnEngineModal(const EnginePrint& print, frmRelatorioModal& host,
                                 const EngineCalls& calls) {
    host.setCaption(print.caption);
    const int job = calls.open(print.reportPath);
    if (job == 0) {
        tell(ReportNotFoundMessage);
        return EngineOutcome::Failed;
    }
    const auto closeJob = qScopeGuard([&] { calls.close(job); });
    switch (runJob(job, print, &host, calls)) {
        case JobEnd::Failed:
            return EngineOutcome::Failed;
        case JobEnd::RowMissing:
            ui::resetPointer();
            return EngineOutcome::RowMissing;
        case JobEnd::Started:
            break;
    }
    ui::resetPointer();
    ui::ShowModal(host);
    return EngineOutcome::Shown;
}

bool PrintByAutomation(const QString& reportPath, const CrystalDataObject& data, const QString& caption,
                       const std::vector<std::pair<QString, QString>>& formulas) {
    Application application;
    std::unique_ptr<Report> report = application.OpenReport(reportPath);
    if (!report) return false;
    report->Database().Tables().item(1).SetPrivateData(3, data);
    for (const auto& [name, text] : formulas) report->FormulaFields().item(name).Text = text;
    report->PrintWindowOptions().hasPrintSetupButton = true;
    report->PrintWindowOptions().hasRefreshButton = true;
    frmRelatorio* host = frmRelatorio::ShowShared();
    host->setCaption(caption);
    ui::resetPointer();
    return report->Preview(QString(), 1, 1, 0, 0, WindowStyleMaximized, host);
}

}  // namespace platform::report
