#include "platform/db/Error.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

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

// A table or a column the statement names that the file lacks: the file is empty, of an older layout
// or not this program's; the rebuild that brings it to the current layout is named.
std::optional<QString> layoutDescription(const QString& message, const QString& path) {
    static const QRegularExpression missing(QStringLiteral("^no such (table|column): (\\S+)$"));
    const QRegularExpressionMatch m = missing.match(message);
    if (!m.hasMatch()) return std::nullopt;
    const bool table = m.captured(1) == u"table";
    QString name = m.captured(2);
    if (name.contains(u'.')) name = name.section(u'.', -1);
    const bool registry =
        QFileInfo(path).fileName().compare(QStringLiteral("Trabdados.mdb"), Qt::CaseInsensitive) == 0;
    return QStringLiteral("O arquivo ") + QDir::toNativeSeparators(path) +
           (table ? QStringLiteral(" não tem a tabela \"") : QStringLiteral(" não tem a coluna \"")) + name +
           QStringLiteral("\": é de uma versão anterior, está vazio ou não é um arquivo deste sistema. ") +
           (registry ? QStringLiteral("Ajuste-o pelo menu Ajuda, \"Ajuste\".")
                     : QStringLiteral("Ajuste-o pelo menu Config, Utilitários, \"Ajuste Individual de "
                                      "Movimento\"."));
}
}  // namespace

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
        case SQLITE_CANTOPEN:
            return QStringLiteral("O arquivo ") + arquivo +
                   QStringLiteral(
                       " não pode ser aberto: verifique se ele existe, se não há uma pasta com "
                       "esse nome e se há permissão para lê-lo.");
        default:
            return layoutDescription(message, path).value_or(message);
    }
}

void setLockWaitObserver(LockWaitObserver observer) { observer_ = observer; }
LockWaitObserver lockWaitObserver() { return observer_; }

}  // namespace platform::db
