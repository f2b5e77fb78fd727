#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A temporary program folder, removed with the object, holding fresh copies of the templates the
// build wrote into its templates/ folder.
class TempProgramFolder {
  public:
    enum Content {
        Empty = 0,
        Ajuste = 1,     // "Ajuste.mdb": the registry template, not yet installed
        Trabdados = 2,  // "Trabdados.mdb": a copy of the registry template under the installed name
        Movimento = 4,  // "Movimento.mdb": the movement template
        Tarvel = 8,     // the subfolder "Tarvel" of the movement databases
        Installed = Trabdados | Movimento | Tarvel,
    };

    explicit TempProgramFolder(int content = Installed);

    // The folder, ending in "/", as the program's folder is kept.
    QString path() const;
    QString filePath(const QString& name) const;
    // The program's registry connection string on this folder's "Trabdados.mdb".
    QString registryConnection() const;
    // The program's connection string on `fileName` in the folder's "Tarvel/" (a copy of the movement
    // template is put there first when `fromTemplate`).
    QString movementConnection(const QString& fileName, bool fromTemplate = true) const;
    // Copies a template of the build ("Ajuste.mdb" or "Movimento.mdb") into the folder as `asName`.
    void copyTemplate(const QString& templateName, const QString& asName) const;

    static QString templatePath(const QString& templateName);

  private:
    QTemporaryDir dir_;
};

}  // namespace testsupport
