#include "platform/files/FileCopy.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>

#include "platform/files/FailureReason.h"

namespace platform::files {

namespace {

// Moves `from` to `to` in one step, only while `to` does not exist; 0 or the system's error number.
int RenameNoReplace(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system without that rename: a hard link refuses an existing name just as well.
    if (::link(from.constData(), to.constData()) != 0) return errno;
    ::unlink(from.constData());
    return 0;
}

bool CopyContents(QFile& from, QFileDevice& to, QString& reason) {
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 read = from.read(buffer.data(), buffer.size());
        if (read < 0) {
            reason = FailureReason(from.errorString());
            return false;
        }
        if (read == 0) break;
        if (to.write(buffer.constData(), read) != read) {
            reason = FailureReason(to.errorString());
            return false;
        }
    }
    if (!to.flush() || ::fsync(to.handle()) != 0) {
        reason = FailureReason(to.errorString());
        return false;
    }
    return true;
}

}  // namespace

bool CopyNewFile(const QString& source, const QString& target, QString& reason) {
    const QFileInfo destino(target);
    if (destino.exists() || destino.isSymLink()) {
        reason = FailureReason(destino.isDir() ? EISDIR : EEXIST);
        return false;
    }
    QFile origem(source);
    if (!origem.open(QIODevice::ReadOnly)) {
        reason = FailureReason(origem.errorString());
        return false;
    }
    QTemporaryFile copia(destino.absolutePath() + QStringLiteral("/.") + destino.fileName() +
                         QStringLiteral(".XXXXXX"));
    if (!copia.open()) {
        reason = FailureReason(copia.errorString());
        return false;
    }
    if (!CopyContents(origem, copia, reason)) return false;
    if (!copia.setPermissions(origem.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        reason = FailureReason(copia.errorString());
        return false;
    }
    copia.close();
    const int erro = RenameNoReplace(QFile::encodeName(copia.fileName()), QFile::encodeName(target));
    if (erro != 0) {
        reason = FailureReason(erro);
        return false;
    }
    copia.setAutoRemove(false);
    return true;
}

}  // namespace platform::files
