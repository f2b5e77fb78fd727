// maketemplates --out <folder> --reference <folder> <schema.sql>...
//
// Writes "Ajuste.mdb" from the files named registry_*.sql and "Movimento.mdb" from those named
// movement_*.sql, each from scratch: the new file is built beside the old one and then renamed
// over it, so that a reader never sees half a template.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <exception>

#include "SchemaScript.h"
#include "platform/db/Connection.h"

namespace {

void build(const QString& target, const QStringList& scripts, const QString& referenceDir) {
    const QString temporary = target + QStringLiteral(".new");
    QFile::remove(temporary);
    QFile::remove(temporary + QStringLiteral("-journal"));
    {
        platform::db::Connection db;
        db.OpenFile(temporary, platform::db::OpenMode::Create);
        platform::db::Transaction transaction(db);
        for (const QString& script : scripts) runSchemaScript(db, script, referenceDir);
        transaction.commit();
        db.Close();
    }
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0)
        throw std::runtime_error(("cannot rename " + temporary + " to " + target).toStdString());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString out, reference;
    QStringList registry, movement;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--out" && i + 1 < args.size()) {
            out = args[++i];
        } else if (args[i] == u"--reference" && i + 1 < args.size()) {
            reference = args[++i];
        } else {
            const QString name = QFileInfo(args[i]).fileName();
            if (name.startsWith(u"registry_")) {
                registry.append(args[i]);
            } else if (name.startsWith(u"movement_")) {
                movement.append(args[i]);
            } else {
                std::fprintf(stderr, "maketemplates: %s is neither registry_*.sql nor movement_*.sql\n",
                             qPrintable(args[i]));
                return 2;
            }
        }
    }
    if (out.isEmpty() || reference.isEmpty() || registry.isEmpty() || movement.isEmpty()) {
        std::fprintf(stderr, "usage: maketemplates --out <folder> --reference <folder> <schema.sql>...\n");
        return 2;
    }
    try {
        if (!QDir().mkpath(out)) throw std::runtime_error(("cannot create " + out).toStdString());
        build(QDir(out).filePath(QStringLiteral("Ajuste.mdb")), registry, reference);
        build(QDir(out).filePath(QStringLiteral("Movimento.mdb")), movement, reference);
    } catch (const platform::db::Error& e) {
        std::fprintf(stderr, "maketemplates: error %ld: %s\n  in: %s\n", e.number(),
                     qPrintable(e.description()), qPrintable(e.statement()));
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "maketemplates: %s\n", e.what());
        return 1;
    }
    return 0;
}
