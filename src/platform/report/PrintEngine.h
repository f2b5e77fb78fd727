#pragma once

#include <QString>
#include <cstdint>
#include <exception>
#include <functional>

#include "platform/report/DataSet.h"

class QWidget;

namespace platform::db {
class Connection;
}

namespace platform::report {

// The print engine of the books and terms: a job opened on a report file name, its output directed
// to a preview window inside a host (frmRelatorio or frmRelatorioModal), formulas and a record
// selection set, started, then closed. Every call returns 0 on failure, as the callers test it.
// The job's layout reads its own rows from the registry database of the report's folder.

// The window-options record: thirteen 16-bit values, the first the record's size (26).
struct PEWindowOptions {
    std::int16_t StructSize = 26;
    std::int16_t hasGroupTree = 0;
    std::int16_t canDrillDown = 0;
    std::int16_t hasNavigationControls = 1;
    std::int16_t hasCancelButton = 1;
    std::int16_t hasPrintButton = 1;
    std::int16_t hasExportButton = 1;
    std::int16_t hasZoomControl = 1;
    std::int16_t hasCloseButton = 1;
    std::int16_t hasProgressControls = 1;
    std::int16_t hasSearchButton = 0;
    std::int16_t hasPrintSetupButton = 1;
    std::int16_t hasRefreshButton = 1;
};

// The window style of a maximised window (the previews always fill their host).
constexpr std::uint32_t WindowStyleMaximized = 0x1000000;

// Zoom levels of PEZoomPreviewWindow besides a percentage from 25 to 400.
namespace PEZoom {
constexpr int FullSize = 0;
constexpr int FitOneSide = 1;
constexpr int FitBothSides = 2;
}  // namespace PEZoom

// Opens the engine (start-up); 1. Jobs can be opened only while it is open.
int PEOpenEngine();
// Closes the engine and every job still open (the main window's unload). Previews stay.
void PECloseEngine();
bool PEEngineOpen();

// A job on the report at `reportPath` (the program folder + the report file name): its number, from
// 1, or 0 when the engine is closed or no layout has that name.
int PEOpenPrintJob(const QString& reportPath);
// Directs the job's output to a new preview inside `parentWindow`, which must be a preview host;
// the position, size and style are accepted as given (the preview fills its host). 0 on failure.
int PEOutputToWindow(int job, const QString& title, int left, int top, int width, int height,
                     std::uint32_t style, QWidget* parentWindow);
// Sets which controls the preview shows; 0 when the record's size is not 26 or the job is unknown.
int PESetWindowOptions(int job, const PEWindowOptions& options);
// Sets a formula of the layout to a formula text ("quoted text" or a bare number); 0 when the
// layout has no formula of that name or the text is not a constant.
int PESetFormula(int job, const QString& formulaName, const QString& formulaText);
// Sets the record selection ("{Tabela.campo} = valor", terms joined by "and"); 0 when the text is
// not of that form or names another table than the layout's.
int PESetSelectionFormula(int job, const QString& selectionText);
// Reads the layout's rows (and each section's), builds the pages and shows them in the preview; 0 when no
// output was set, the host is gone, the rows cannot be read or the selection names a field the rows lack.
int PEStartPrintJob(int job, bool waitUntilDone);
// What made the job's last start fail, as it was thrown (a storage error keeps its statement and
// routine); null when that start did not fail by an error, or for an unknown job.
std::exception_ptr PEStartError(int job);
// Zooms the job's preview: PEZoom level or a percentage. 0 when the job has no preview.
int PEZoomPreviewWindow(int job, int level);
// Ends the job; its preview stays open. 0 for an unknown job (job 0 included).
int PEClosePrintJob(int job);

// How a layout's query reaches its database: (database file path, SQL) -> rows. The storage
// layer's runner is installed by default; tests may install their own (an empty function restores it).
using QueryRunner = std::function<DataSet(const QString& databasePath, const QString& sql)>;
void setQueryRunner(QueryRunner runner);
// Runs a query through the runner now installed.
DataSet runQuery(const QString& databasePath, const QString& sql);

// While it lives, the layouts' queries on the database file `connection` has open run on that
// connection instead of one of their own: they read what it sees, its private tables included (the
// lines one emission prepared, whatever another copy prepares meanwhile). Scopes nest.
class QueriesOn {
  public:
    explicit QueriesOn(db::Connection& connection);
    ~QueriesOn();
    QueriesOn(const QueriesOn&) = delete;
    QueriesOn& operator=(const QueriesOn&) = delete;
};

}  // namespace platform::report
