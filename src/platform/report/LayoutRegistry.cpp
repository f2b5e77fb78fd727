#include "platform/report/LayoutRegistry.h"

namespace platform::report {

namespace {
int lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}
}  // namespace

void LayoutRegistry::add(const QString& reportName, Factory factory) {
    remove(reportName);
    entries_.emplace_back(reportName, std::move(factory));
}

void LayoutRegistry::remove(const QString& reportName) {
    std::erase_if(entries_,
                  [&](const auto& e) { return e.first.compare(reportName, Qt::CaseInsensitive) == 0; });
}

bool LayoutRegistry::contains(const QString& reportName) const {
    for (const auto& e : entries_)
        if (e.first.compare(reportName, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QStringList LayoutRegistry::names() const {
    QStringList list;
    for (const auto& e : entries_) list << e.first;
    return list;
}

std::unique_ptr<ReportLayout> LayoutRegistry::create(const QString& path) const {
    const QString name = reportFileName(path);
    for (const auto& e : entries_)
        if (e.first.compare(name, Qt::CaseInsensitive) == 0) return e.second();
    return nullptr;
}

LayoutRegistry& layoutRegistry() {
    static LayoutRegistry registry;
    return registry;
}

QString reportFileName(const QString& path) { return path.mid(lastSeparator(path) + 1); }

QString reportFolder(const QString& path) {
    const int i = lastSeparator(path);
    return i < 0 ? QString() : path.left(i).replace(QLatin1Char('\\'), QLatin1Char('/')) + QLatin1Char('/');
}

}  // namespace platform::report
