#include "platform/db/Field.h"

#include <QLocale>
#include <cmath>

#include "platform/db/Error.h"
#include "platform/db/IsoDate.h"

namespace platform::db {
namespace {

using values::Currency;

// Whole units of ten-thousandths, ties to even.
qint64 unitsOf(qint64 raw) {
    qint64 q = raw / Currency::Scale;
    const qint64 rem = raw % Currency::Scale;
    const qint64 half = Currency::Scale / 2;
    if (rem > half || (rem == half && (q & 1))) ++q;
    if (rem < -half || (rem == -half && (q & 1))) --q;
    return q;
}

// The original's text of money: a decimal comma, the decimals it needs, no grouping.
QString plainMoney(qint64 raw) {
    const bool negative = raw < 0;
    const quint64 magnitude = negative ? 0 - quint64(raw) : quint64(raw);
    QString text = QString::number(magnitude / Currency::Scale);
    quint64 fraction = magnitude % Currency::Scale;
    if (fraction) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0')) digits.chop(1);
        text += u',' + digits;
    }
    return negative ? u'-' + text : text;
}

QString plainDouble(double value) { return QString::number(value, 'g', 15).replace(u'.', u','); }

}  // namespace

ColumnType columnTypeOf(QStringView declaredType) {
    const QString t = declaredType.trimmed().toString().toUpper();
    if (t.isEmpty()) return ColumnType::None;
    if (t == u"CURRENCY") return ColumnType::Currency;
    if (t == u"DATE") return ColumnType::Date;
    if (t == u"YESNO") return ColumnType::YesNo;
    if (t == u"TEXT") return ColumnType::Text;
    if (t == u"DOUBLE" || t == u"REAL" || t == u"FLOAT") return ColumnType::Double;
    if (t.startsWith(u"INT")) return ColumnType::Integer;
    return ColumnType::Other;
}

Field::Field(const QString& name, ColumnType type, Stored stored)
    : name_(name), type_(type), stored_(std::move(stored)) {}

QString Field::storedText() const {
    if (const auto* text = std::get_if<QString>(&stored_)) return u'"' + *text + u'"';
    if (const auto* i = std::get_if<qint64>(&stored_)) return QString::number(*i);
    if (const auto* d = std::get_if<double>(&stored_))
        return QString::number(*d, 'g', QLocale::FloatingPointShortest);
    if (const auto* b = std::get_if<QByteArray>(&stored_)) return QStringLiteral("x'%1'").arg(b->toHex());
    return QStringLiteral("NULL");
}

void Field::mismatch(const char* wanted) const {
    throw Error(DbErrorNumber::TypeMismatch,
                QStringLiteral("Tipo incompatível: o campo \"%1\" guarda %2, que não pode ser lido como %3.")
                    .arg(name_, storedText(), QString::fromUtf8(wanted)),
                QString(), QStringLiteral("Field"));
}

qint64 Field::amount() const {
    // An amount column stores whole ten-thousandths; its numeric affinity turns any whole REAL that
    // fits into an integer, so a REAL left there has a fraction of a ten-thousandth or is too large.
    if (const auto* i = std::get_if<qint64>(&stored_)) return *i;
    if (isNull()) return 0;
    mismatch(AmountWanted);
}

QString Field::toString() const {
    if (type_ == ColumnType::Currency && !isNull()) return plainMoney(amount());
    if (const auto* text = std::get_if<QString>(&stored_)) {
        if (type_ == ColumnType::Date) {
            const QDate d = QDate::fromString(text->left(10), Qt::ISODate);
            if (d.isValid()) return d.toString(QStringLiteral("dd/MM/yyyy"));
        }
        return *text;
    }
    if (const auto* i = std::get_if<qint64>(&stored_)) {
        if (type_ == ColumnType::YesNo) return *i ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
        return QString::number(*i);
    }
    if (const auto* d = std::get_if<double>(&stored_)) return plainDouble(*d);
    if (const auto* b = std::get_if<QByteArray>(&stored_)) return QString::fromUtf8(*b);
    return QString();
}

qint64 Field::toLongLong() const {
    if (type_ == ColumnType::Currency) return unitsOf(amount());
    if (const auto* i = std::get_if<qint64>(&stored_)) return *i;
    if (const auto* d = std::get_if<double>(&stored_)) {
        if (!(std::fabs(*d) < 9.2e18)) mismatch("número inteiro");
        return std::llrint(*d);
    }
    if (const auto* text = std::get_if<QString>(&stored_)) {
        bool ok = false;
        const qint64 value = text->trimmed().toLongLong(&ok);
        if (!ok) mismatch("número inteiro");
        return value;
    }
    if (isNull()) return 0;
    mismatch("número inteiro");
}

int Field::toInt() const {
    const qint64 value = toLongLong();
    if (value < INT_MIN || value > INT_MAX)
        throw Error(values::ErrorNumber::Overflow,
                    QStringLiteral("Estouro: o campo \"%1\" excede um inteiro.").arg(name_), QString(),
                    QStringLiteral("Field::toInt"));
    return int(value);
}

double Field::toDouble() const {
    if (type_ == ColumnType::Currency) return double(amount()) / Currency::Scale;
    if (const auto* i = std::get_if<qint64>(&stored_)) return double(*i);
    if (const auto* d = std::get_if<double>(&stored_)) return *d;
    if (const auto* text = std::get_if<QString>(&stored_)) {
        bool ok = false;
        const double value = text->trimmed().toDouble(&ok);
        if (!ok) mismatch("número");
        return value;
    }
    if (isNull()) return 0;
    mismatch("número");
}

Currency Field::toCurrency() const {
    if (type_ == ColumnType::Currency) return Currency::fromRaw(amount());
    if (isNull()) return Currency();
    if (const auto* text = std::get_if<QString>(&stored_)) {
        const auto parsed = Currency::parse(*text);
        if (!parsed) mismatch(AmountWanted);
        return *parsed;
    }
    switch (type_) {
        case ColumnType::Integer:
            if (const auto* i = std::get_if<qint64>(&stored_)) return Currency::fromUnits(*i);
            return Currency::fromDouble(std::get<double>(stored_));
        case ColumnType::Double:
            if (const auto* i = std::get_if<qint64>(&stored_)) return Currency::fromUnits(*i);
            return Currency::fromDouble(std::get<double>(stored_));
        default:
            mismatch("valor monetário (sem tipo declarado: use storedCurrency)");
    }
}

Currency Field::storedCurrency() const {
    // A sum over amount columns is a whole number unless some row holds what no amount can be.
    if (const auto* d = std::get_if<double>(&stored_); d && std::fabs(*d) < 9.2e18 && *d == std::trunc(*d))
        return Currency::fromRaw(qint64(*d));
    return Currency::fromRaw(amount());
}

QDate Field::toDate() const {
    if (isNull()) return QDate();
    if (const auto* text = std::get_if<QString>(&stored_)) {
        // Other tools store "no date" as an empty text.
        if (text->isEmpty()) return QDate();
        const QDate d = isoDate(text->utf16(), text->size());
        if (d.isValid()) return d;
    }
    mismatch("data");
}

bool Field::toBool() const {
    if (isNull()) return false;
    if (const auto* i = std::get_if<qint64>(&stored_)) return *i != 0;
    if (const auto* d = std::get_if<double>(&stored_)) return *d != 0;
    mismatch("sim/não");
}

}  // namespace platform::db
