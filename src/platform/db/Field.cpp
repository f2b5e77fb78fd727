#include "platform/db/Field.h"

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

void Field::mismatch(const char* wanted) const {
    throw Error(DbErrorNumber::TypeMismatch,
                QStringLiteral("Tipo incompatível: o campo \"%1\" não pode ser lido como %2.")
                    .arg(name_, QString::fromLatin1(wanted)),
                QString(), QStringLiteral("Field"));
}

QString Field::toString() const {
    if (const auto* text = std::get_if<QString>(&stored_)) {
        if (type_ == ColumnType::Date) {
            const QDate d = QDate::fromString(text->left(10), Qt::ISODate);
            if (d.isValid()) return d.toString(QStringLiteral("dd/MM/yyyy"));
        }
        return *text;
    }
    if (const auto* i = std::get_if<qint64>(&stored_)) {
        if (type_ == ColumnType::Currency) return plainMoney(*i);
        if (type_ == ColumnType::YesNo) return *i ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
        return QString::number(*i);
    }
    if (const auto* d = std::get_if<double>(&stored_)) {
        if (type_ == ColumnType::Currency) return plainMoney(std::llrint(*d));
        return plainDouble(*d);
    }
    if (const auto* b = std::get_if<QByteArray>(&stored_)) return QString::fromUtf8(*b);
    return QString();
}

qint64 Field::toLongLong() const {
    if (const auto* i = std::get_if<qint64>(&stored_))
        return type_ == ColumnType::Currency ? unitsOf(*i) : *i;
    if (const auto* d = std::get_if<double>(&stored_))
        return type_ == ColumnType::Currency ? unitsOf(std::llrint(*d)) : std::llrint(*d);
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
    if (const auto* i = std::get_if<qint64>(&stored_))
        return type_ == ColumnType::Currency ? double(*i) / Currency::Scale : double(*i);
    if (const auto* d = std::get_if<double>(&stored_))
        return type_ == ColumnType::Currency ? *d / Currency::Scale : *d;
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
    if (isNull()) return Currency();
    if (const auto* text = std::get_if<QString>(&stored_)) {
        const auto parsed = Currency::parse(*text);
        if (!parsed) mismatch("valor monetário");
        return *parsed;
    }
    switch (type_) {
        case ColumnType::Currency:
            return storedCurrency();
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
    if (isNull()) return Currency();
    if (const auto* i = std::get_if<qint64>(&stored_)) return Currency::fromRaw(*i);
    if (const auto* d = std::get_if<double>(&stored_)) return Currency::fromRaw(std::llrint(*d));
    mismatch("valor monetário");
}

QDate Field::toDate() const {
    if (isNull()) return QDate();
    if (const auto* text = std::get_if<QString>(&stored_)) {
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
