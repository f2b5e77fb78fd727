#include "platform/report/PrintRoutines.h"

#include "platform/report/frmRelatorio.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"

namespace platform::report {

namespace {

struct PointerReset {
    PointerReset() = default;
    PointerReset(const PointerReset&) = delete;
    PointerReset& operator=(const PointerReset&) = delete;
    ~PointerReset() { ui::resetPointer(); }
};

void tell(const char* message) { ui::MsgBox(QString::fromUtf8(message), ui::Msg::OKOnly); }

// Output, options, formulas and start of an open job; the first failure is told and ends it.
void runJob(int job, const EnginePrint& print, frmRelatorio* host, const EngineCalls& calls) {
    if (!calls.output(job, print.caption, 1, 1, host->width(), host->height(), WindowStyleMaximized, host)) {
        tell(WindowDefinitionErrorMessage);
        return;
    }
    if (!calls.options(job, PEWindowOptions{})) {
        tell(WindowOptionsErrorMessage);
        return;
    }
    if (print.formulas) print.formulas(job);
    if (!calls.start(job, true)) tell(StartPrintErrorMessage);
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
