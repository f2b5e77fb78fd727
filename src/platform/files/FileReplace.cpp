#include "platform/files/FileReplace.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>

#include "platform/files/FailureReason.h"
#include "platform/files/FileCopy.h"

namespace platform::files {

namespace {

const QLatin1String Marca(".novo-");

QString Erro() { return FailureReason(errno); }

// Working files of `name`: its own ("." name ".novo-...", a journal beside it) and the temporary
// file a copy onto one of those writes first ("." of that name ".XXXXXX").
bool EhTrabalho(const QString& entrada, const QString& name) {
    const QString prefixo = u'.' + name + Marca;
    return entrada.startsWith(prefixo) || entrada.startsWith(u'.' + prefixo);
}

}  // namespace

QString WorkingFileName(const QString& target) {
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + Marca +
           QUuid::createUuid().toString(QUuid::Id128);
}

void RemoveWorkingFiles(const QString& target, const QString& backup) {
    const QFileInfo alvo(target);
    QDir pasta(alvo.absolutePath());
    for (const QString& entrada : pasta.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (EhTrabalho(entrada, alvo.fileName()) ||
            (!backup.isEmpty() && EhTrabalho(entrada, QFileInfo(backup).fileName())))
            pasta.remove(entrada);
    }
}

bool SyncToDisk(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool KeepBackup(const QString& file, const QString& backup, QString& reason) {
    const QString trabalho = WorkingFileName(backup);
    const QByteArray de = QFile::encodeName(file);
    const QByteArray temporario = QFile::encodeName(trabalho);
    if (::link(de.constData(), temporario.constData()) != 0 && !CopyNewFile(file, trabalho, reason))
        return false;
    if (::rename(temporario.constData(), QFile::encodeName(backup).constData()) != 0) {
        reason = Erro();
        QFile::remove(trabalho);
        return false;
    }
    // A backup that already is this very file (a run stopped after keeping it) makes the rename do
    // nothing, leaving the working name behind.
    ::unlink(temporario.constData());
    SyncToDisk(QFileInfo(backup).absolutePath());
    return true;
}

bool ReplaceWith(const QString& working, const QString& target, QString& reason) {
    if (!SyncToDisk(working) ||
        ::rename(QFile::encodeName(working).constData(), QFile::encodeName(target).constData()) != 0) {
        reason = Erro();
        return false;
    }
    SyncToDisk(QFileInfo(target).absolutePath());
    return true;
}

}  // namespace platform::files
