#include "platform/db/Error.h"

#include <sqlite3.h>

#include <QDir>

namespace platform::db {

Error::Error(long number, const QString& description, const QString& statement, const QString& routine)
    : values::RuntimeError(number, description), statement_(statement), routine_(routine) {}

Error inDocument(const Error& e, const QString& table, const QString& number) {
    return Error(
        e.number(),
        QStringLiteral("Documento %1 da tabela %2: %3").arg(number.trimmed(), table, e.description()),
        e.statement(), e.routine());
}

}  // namespace platform::db

namespace platform::db {
namespace {
LockWaitObserver observer_ = nullptr;
}

QString storageDescription(int code, const QString& message, const QString& path) {
    const QString arquivo = QDir::toNativeSeparators(path);
    switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QStringLiteral("O arquivo ") + arquivo +
                   QStringLiteral(
                       " está sendo gravado por outra cópia do programa; aguarde e tente novamente.");
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return QStringLiteral("Sem permissão para gravar o arquivo ") + arquivo +
                   QStringLiteral("; peça ao responsável pelo computador a permissão de gravação.");
        case SQLITE_FULL:
            return QStringLiteral("O disco do arquivo ") + arquivo +
                   QStringLiteral(" está cheio; libere espaço e tente novamente.");
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return QStringLiteral("O arquivo ") + arquivo +
                   QStringLiteral(" está danificado; restaure a cópia de segurança mais recente.");
        case SQLITE_IOERR:
            return QStringLiteral("Falha de leitura ou gravação no arquivo ") + arquivo +
                   QStringLiteral("; verifique o disco e tente novamente.");
        default:
            return message;
    }
}

void setLockWaitObserver(LockWaitObserver observer) { observer_ = observer; }
LockWaitObserver lockWaitObserver() { return observer_; }

}  // namespace platform::db
