#include "platform/db/TableNames.h"

#include <QMutex>

#include "platform/values/RuntimeError.h"

namespace platform::db {

namespace {

// The tables of the schema files, written by the build; a monthly table ends in "@MM@".
constexpr const char16_t* SchemaTables[] = {
#include "SchemaTables.inc"
};

const QString MonthMark = QStringLiteral("@MM@");

[[noreturn]] void refuse(const QString& what, const QString& name) {
    throw values::RuntimeError(values::ErrorNumber::InvalidArgument, what + name);
}

QStringList& registered() {
    static QStringList names;
    return names;
}

QMutex& registeredLock() {
    static QMutex lock;
    return lock;
}

// The month 1..12 of a two-digit suffix, 0 when it is none.
int monthOf(QStringView suffix) {
    if (suffix.size() != 2 || !suffix[0].isDigit() || !suffix[1].isDigit()) return 0;
    const int month = suffix.toInt();
    return month >= 1 && month <= 12 ? month : 0;
}

}  // namespace

QString tableName(const QString& name) {
    for (const char16_t* known : SchemaTables) {
        const QString table = QString::fromUtf16(known);
        if (table.endsWith(MonthMark)) {
            const QStringView stem = QStringView(table).chopped(MonthMark.size());
            if (name.size() == stem.size() + 2 && name.startsWith(stem, Qt::CaseInsensitive) &&
                monthOf(QStringView(name).right(2)))
                return stem.toString() + name.right(2);
        } else if (table.compare(name, Qt::CaseInsensitive) == 0) {
            return table;
        }
    }
    QMutexLocker guard(&registeredLock());
    for (const QString& table : registered())
        if (table.compare(name, Qt::CaseInsensitive) == 0) return table;
    refuse(QStringLiteral("Nome de tabela inválido: "), name);
}

QString monthTable(const QString& stem, int month) {
    if (month < 1 || month > 12)
        refuse(QStringLiteral("Mês inválido para a tabela: "),
               stem + QLatin1Char(' ') + QString::number(month));
    for (const char16_t* known : SchemaTables) {
        const QString table = QString::fromUtf16(known);
        if (table.endsWith(MonthMark) &&
            table.chopped(MonthMark.size()).compare(stem, Qt::CaseInsensitive) == 0)
            return table.chopped(MonthMark.size()) + QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
    }
    refuse(QStringLiteral("Nome de tabela inválido: "), stem);
}

const QString& columnName(const QString& name) {
    bool valid = !name.isEmpty() && name[0].unicode() < 128 && name[0].isLetter();
    for (QChar c : name)
        if (!(c.unicode() < 128 && (c.isLetterOrNumber() || c == u'_'))) valid = false;
    if (!valid) refuse(QStringLiteral("Nome de coluna inválido: "), name);
    return name;
}

void registerTables(const QStringList& names) {
    QMutexLocker guard(&registeredLock());
    for (const QString& name : names) {
        columnName(name);
        if (!registered().contains(name, Qt::CaseInsensitive)) registered() << name;
    }
}

}  // namespace platform::db
