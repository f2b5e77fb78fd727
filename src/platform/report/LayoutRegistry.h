#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "platform/report/ReportLayout.h"

namespace platform::report {

// The report files of the program: each name ("Usuario.rpt", "JtEntrada.rpt"...) with the factory of
// its layout class. Names compare in any letter case, as the report files were found on the
// original system.
class LayoutRegistry {
  public:
    using Factory = std::function<std::unique_ptr<ReportLayout>()>;

    // Registers (or replaces) the layout of a report file name.
    void add(const QString& reportName, Factory factory);
    template <class Layout>
    void add(const QString& reportName) {
        add(reportName, [] { return std::make_unique<Layout>(); });
    }
    void remove(const QString& reportName);
    bool contains(const QString& reportName) const;
    // Every report name registered, in the order they were added.
    QStringList names() const;
    // A new layout for the report named by `path` (its file name; any folder before it is the
    // program folder it lies in), or nullptr when no layout has that name.
    std::unique_ptr<ReportLayout> create(const QString& path) const;

  private:
    std::vector<std::pair<QString, Factory>> entries_;
};

// The registry the print engine and the automation object open reports from. Each subsystem adds
// its layouts at start-up (main calls its registration function); tests add their own.
LayoutRegistry& layoutRegistry();

// The file-name part of a report path, with "/" or "\" as separators.
QString reportFileName(const QString& path);
// The folder part of a report path, ending in "/" (empty when the path has no folder).
QString reportFolder(const QString& path);

}  // namespace platform::report
