#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace testsupport {
namespace {

QString connectionString(const QString& file) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=false; Data Source=") +
           file + QStringLiteral(";Jet OLEDB:Database Password=;");
}

}  // namespace

TempProgramFolder::TempProgramFolder(int content) {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary program folder");
    if (content & Ajuste) copyTemplate(QStringLiteral("Ajuste.mdb"), QStringLiteral("Ajuste.mdb"));
    if (content & Trabdados) copyTemplate(QStringLiteral("Ajuste.mdb"), QStringLiteral("Trabdados.mdb"));
    if (content & Movimento) copyTemplate(QStringLiteral("Movimento.mdb"), QStringLiteral("Movimento.mdb"));
    if (content & Tarvel) QDir(dir_.path()).mkdir(QStringLiteral("Tarvel"));
}

QString TempProgramFolder::path() const { return dir_.path() + u'/'; }

QString TempProgramFolder::filePath(const QString& name) const { return path() + name; }

QString TempProgramFolder::registryConnection() const {
    return connectionString(filePath(QStringLiteral("Trabdados.mdb")));
}

QString TempProgramFolder::movementConnection(const QString& fileName, bool fromTemplate) const {
    const QString relative = QStringLiteral("Tarvel/") + fileName;
    if (fromTemplate) {
        QDir(dir_.path()).mkpath(QStringLiteral("Tarvel"));
        copyTemplate(QStringLiteral("Movimento.mdb"), relative);
    }
    return connectionString(filePath(relative));
}

QString TempProgramFolder::templatePath(const QString& templateName) {
    return QStringLiteral(RT_TEMPLATES_DIR) + u'/' + templateName;
}

void TempProgramFolder::copyTemplate(const QString& templateName, const QString& asName) const {
    const QString source = templatePath(templateName);
    const QString target = filePath(asName);
    QFile::remove(target);
    if (!QFile::copy(source, target))
        throw std::runtime_error(
            ("cannot copy the template " + source + " (is the build complete?)").toStdString());
    // A copy keeps the template's permissions; the program writes its databases.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

}  // namespace testsupport
