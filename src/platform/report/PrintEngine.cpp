#include "platform/report/PrintEngine.h"

#include <QPointer>
#include <QWidget>
#include <exception>
#include <map>
#include <memory>

#include "platform/report/Fonts.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/PreviewHost.h"
#include "platform/report/ReportPreview.h"

namespace platform::report {

namespace {

struct Job {
    QString path;
    std::unique_ptr<ReportLayout> layout;
    PrintValues values;
    QPointer<QWidget> host;
    bool hasOutput = false;
    PreviewOptions options;
    QPointer<ReportPreview> preview;
    std::exception_ptr startError;
};

struct Engine {
    bool open = false;
    int nextJob = 1;
    std::map<int, Job> jobs;
};

Engine& engine() {
    static Engine e;
    return e;
}

Job* jobOf(int job) {
    auto& jobs = engine().jobs;
    const auto it = jobs.find(job);
    return it == jobs.end() ? nullptr : &it->second;
}

}  // namespace

int PEOpenEngine() {
    engine().open = true;
    return 1;
}

void PECloseEngine() {
    engine().jobs.clear();
    engine().open = false;
}

bool PEEngineOpen() { return engine().open; }

int PEOpenPrintJob(const QString& reportPath) {
    Engine& e = engine();
    if (!e.open) return 0;
    std::unique_ptr<ReportLayout> layout = layoutRegistry().create(reportPath);
    if (!layout) return 0;
    const int number = e.nextJob++;
    Job& job = e.jobs[number];
    job.path = reportPath;
    job.layout = std::move(layout);
    return number;
}

int PEOutputToWindow(int job, const QString& title, int, int, int, int, std::uint32_t,
                     QWidget* parentWindow) {
    Job* j = jobOf(job);
    if (!j || !parentWindow || !previewHostOf(parentWindow)) return 0;
    j->host = parentWindow;
    j->hasOutput = true;
    j->values.title = title;
    return 1;
}

int PESetWindowOptions(int job, const PEWindowOptions& o) {
    Job* j = jobOf(job);
    if (!j || o.StructSize != 26) return 0;
    j->options.navigation = o.hasNavigationControls != 0;
    j->options.print = o.hasPrintButton != 0;
    j->options.exportButton = o.hasExportButton != 0;
    j->options.zoom = o.hasZoomControl != 0;
    j->options.close = o.hasCloseButton != 0;
    return 1;
}

int PESetFormula(int job, const QString& formulaName, const QString& formulaText) {
    Job* j = jobOf(job);
    if (!j || !j->layout->hasFormula(formulaName)) return 0;
    const std::optional<QString> value = formulaValue(formulaText);
    if (!value) return 0;
    for (auto it = j->values.formulas.begin(); it != j->values.formulas.end(); ++it) {
        if (it->first.compare(formulaName, Qt::CaseInsensitive) == 0) {
            it->second = *value;
            return 1;
        }
    }
    j->values.formulas[formulaName] = *value;
    return 1;
}

int PESetSelectionFormula(int job, const QString& selectionText) {
    Job* j = jobOf(job);
    if (!j) return 0;
    std::optional<SelectionFormula> selection = SelectionFormula::parse(selectionText);
    if (!selection) return 0;
    if (!j->layout->table.isEmpty())
        for (const auto& t : selection->terms)
            if (t.table.compare(j->layout->table, Qt::CaseInsensitive) != 0) return 0;
    j->values.selection = std::move(selection);
    return 1;
}

int PEStartPrintJob(int job, bool) {
    Job* j = jobOf(job);
    if (!j) return 0;
    j->startError = nullptr;
    if (!j->hasOutput || !j->host) return 0;
    PreviewHost* host = previewHostOf(j->host);
    if (!host) return 0;
    Document document;
    try {
        const QString database = reportFolder(j->path) + j->layout->databaseFile;
        DataSet data;
        if (!j->layout->query.isEmpty()) data = runQuery(database, j->layout->query);
        if (j->values.selection && !j->values.selection->fitsData(data, j->layout->table)) return 0;
        std::vector<DataSet> sections;
        for (const Section& s : j->layout->sections)
            sections.push_back(s.query.isEmpty() ? DataSet() : runQuery(database, s.query));
        document = buildDocument(*j->layout, std::move(data), j->values, sections);
    } catch (const std::exception&) {
        // The caller reports a start that failed ("Erro ao Iniciar a Impressão!") and then what failed,
        // a storage error with its statement and routine, as every other storage error is told.
        j->startError = std::current_exception();
        return 0;
    }
    auto* preview = new ReportPreview(std::move(document), j->options);
    host->addPreview(preview, j->values.title);
    j->preview = preview;
    return 1;
}

std::exception_ptr PEStartError(int job) {
    const Job* j = jobOf(job);
    return j ? j->startError : nullptr;
}

int PEZoomPreviewWindow(int job, int level) {
    Job* j = jobOf(job);
    if (!j || !j->preview) return 0;
    switch (level) {
        case PEZoom::FullSize:
            j->preview->setZoom(ZoomMode::Percent, 100);
            return 1;
        case PEZoom::FitOneSide:
            j->preview->setZoom(ZoomMode::FitWidth);
            return 1;
        case PEZoom::FitBothSides:
            j->preview->setZoom(ZoomMode::FitPage);
            return 1;
        default:
            if (level < 25 || level > 400) return 0;
            j->preview->setZoom(ZoomMode::Percent, level);
            return 1;
    }
}

int PEClosePrintJob(int job) { return engine().jobs.erase(job) ? 1 : 0; }

}  // namespace platform::report
