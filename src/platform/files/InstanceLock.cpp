#include "platform/files/InstanceLock.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform::files {

namespace {

// The program's own shared lock: the open lock file and the folder it belongs to.
struct Compartilhado {
    int fd = -1;
    QString pasta;
};
Compartilhado& compartilhado() {
    static Compartilhado c;
    return c;
}

QString PastaCanonica(const QString& folder) {
    const QString canonica = QFileInfo(folder).canonicalFilePath();
    return canonica.isEmpty() ? QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) : canonica;
}

int AbreArquivo(const QString& pasta) {
    return ::open(QFile::encodeName(pasta + u'/' + QLatin1String(InstanceLockFile)).constData(),
                  O_RDWR | O_CREAT | O_CLOEXEC, 0666);
}

// Locks of the open file (not of the process), so that two of them in one process also exclude
// each other, as two running copies do.
bool Trava(int fd, short tipo, bool espera) {
    struct flock trava {};
    trava.l_type = tipo;
    trava.l_whence = SEEK_SET;
    return ::fcntl(fd, espera ? F_OFD_SETLKW : F_OFD_SETLK, &trava) == 0;
}

}  // namespace

bool HoldInstanceLock(const QString& folder) {
    Compartilhado& c = compartilhado();
    if (c.fd >= 0) {
        ::close(c.fd);
        c.fd = -1;
    }
    const QString pasta = PastaCanonica(folder);
    const int fd = AbreArquivo(pasta);
    if (fd < 0) return false;
    if (!Trava(fd, F_RDLCK, true)) {
        ::close(fd);
        return false;
    }
    c.fd = fd;
    c.pasta = pasta;
    return true;
}

ExclusiveInstance::ExclusiveInstance(const QString& folder) {
    const QString pasta = PastaCanonica(folder);
    Compartilhado& c = compartilhado();
    own_ = c.fd >= 0 && c.pasta == pasta;
    fd_ = own_ ? c.fd : AbreArquivo(pasta);
    if (fd_ < 0) {
        acquired_ = true;
        return;
    }
    // Raising a lock the file already holds is one step: a refusal leaves the shared lock held.
    acquired_ = Trava(fd_, F_WRLCK, false);
}

ExclusiveInstance::~ExclusiveInstance() {
    if (fd_ < 0) return;
    if (own_) {
        if (acquired_) Trava(fd_, F_RDLCK, false);
    } else {
        ::close(fd_);
    }
}

}  // namespace platform::files
