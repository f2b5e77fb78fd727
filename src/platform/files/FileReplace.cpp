#include "platform/files/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
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

// The working file, written by the system's own calls so that a failed write keeps its exact cause
// (a full disk, a size limit), in blocks.
class FileReplacement::Device : public QIODevice {
  public:
    explicit Device(int fd) : fd_(fd) {
        if (fd_ >= 0) open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    ~Device() override { closeFile(); }
    bool isSequential() const override { return true; }
    // The first write's failure (an errno), 0 while every byte went out.
    int failure() const { return failure_; }
    // Writes what is held; true when the file got every byte.
    bool writeOut() {
        const char* p = held_.constData();
        qsizetype left = held_.size();
        while (left > 0 && failure_ == 0) {
            const ssize_t n = ::write(fd_, p, std::size_t(left));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                failure_ = n < 0 ? errno : ENOSPC;
                break;
            }
            p += n;
            left -= n;
        }
        held_.resize(0);
        return failure_ == 0;
    }
    bool closeFile() {
        if (fd_ < 0) return failure_ == 0;
        writeOut();
        if (::close(fd_) != 0 && failure_ == 0) failure_ = errno;
        fd_ = -1;
        QIODevice::close();
        return failure_ == 0;
    }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        if (failure_ != 0) return -1;
        held_.append(data, len);
        if (held_.size() >= Block && !writeOut()) return -1;
        return len;
    }

  private:
    static constexpr qsizetype Block = 256 * 1024;
    int fd_;
    int failure_ = 0;
    QByteArray held_;
};

FileReplacement::FileReplacement(const QString& target) : target_(target) {}

FileReplacement::~FileReplacement() { discard(); }

QIODevice& FileReplacement::device() {
    // Before open (or after a failed one) a device that takes nothing.
    if (!device_) device_ = std::make_unique<Device>(-1);
    return *device_;
}

void FileReplacement::discard() {
    if (device_) device_->closeFile();
    device_.reset();
    if (!working_.isEmpty()) QFile::remove(working_);
    working_.clear();
}

bool FileReplacement::open() {
    discard();
    RemoveWorkingFiles(target_);
    const QString working = WorkingFileName(target_);
    // A new file gets the usual permissions (the umask applies); one replaced keeps its own.
    const int fd =
        ::open(QFile::encodeName(working).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason_ = Erro();
        return false;
    }
    struct stat antigo {};
    if (::stat(QFile::encodeName(target_).constData(), &antigo) == 0) ::fchmod(fd, antigo.st_mode & 07777);
    working_ = working;
    device_ = std::make_unique<Device>(fd);
    return true;
}

bool FileReplacement::commit() {
    if (!device_ || working_.isEmpty()) {
        if (reason_.isEmpty()) reason_ = FailureReason(ENOENT);
        return false;
    }
    if (!device_->closeFile()) {
        reason_ = FailureReason(device_->failure());
        discard();
        return false;
    }
    if (!ReplaceWith(working_, target_, reason_)) {
        discard();
        return false;
    }
    working_.clear();
    device_.reset();
    return true;
}

}  // namespace platform::files
