#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/report/PageModel.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

namespace platform::report {
class ReportFonts;
class frmRelatorio;
}  // namespace platform::report

namespace testsupport {

// The preview windows open now, each print of the books in a window of its own.
QList<platform::report::frmRelatorio*> previewWindows();

// A registry window's test: a fresh installed program folder that the module state names (registry
// connection and program folder), a connection of the test's own that prepares and checks the rows
// as another workstation would, the report fonts, and the previews the shared preview window shows.
// The module state starts and ends as the program starts.
class RegistryWindowFixture : public UiFixture {
  protected:
    RegistryWindowFixture();
    ~RegistryWindowFixture() override;
    void SetUp() override;
    void TearDown() override;

    // The documents of the previews in the shared preview window, and its caption.
    std::vector<platform::report::Document> Previas() const;
    QString CaptionPrevia() const;

    TempProgramFolder pasta;
    platform::db::Connection db;

  private:
    std::unique_ptr<platform::report::ReportFonts> fontes_;
};

}  // namespace testsupport
