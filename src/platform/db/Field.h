#pragma once

#include <QDate>
#include <QString>
#include <variant>

#include "platform/values/Currency.h"

namespace platform::db {

// The declared type of a result column, as the schema files write it; None for an expression.
enum class ColumnType { None, Integer, Text, Currency, Double, Date, YesNo, Other };

// The column type a declared type text names ("CURRENCY" -> Currency; unknown -> Other).
ColumnType columnTypeOf(QStringView declaredType);

// One value of the current row of a recordset, converted on request by its column's declared type.
// A Field is a copy: it stays valid after the recordset moves or closes.
class Field {
  public:
    using Stored = std::variant<std::monostate, qint64, double, QString, QByteArray>;

    Field(const QString& name, ColumnType type, Stored stored);

    const QString& name() const { return name_; }
    ColumnType type() const { return type_; }
    bool isNull() const { return std::holds_alternative<std::monostate>(stored_); }

    // The text of the value as the original's text conversion gave it in Brazil: null -> "";
    // money and doubles with a decimal comma and no grouping ("1234,5"); dates dd/mm/yyyy;
    // true/false "Verdadeiro"/"Falso".
    QString toString() const;
    // Whole numbers; null -> 0; money and doubles rounded to the nearest, ties to even.
    qint64 toLongLong() const;
    int toInt() const;
    double toDouble() const;
    // Money of a CURRENCY column (stored ten-thousandths; a REAL, a text or a blob there throws, and
    // so do toString, toLongLong and toDouble of such a value); of an INTEGER or DOUBLE column, the
    // number as an amount; of a text column, the Brazilian text; null -> 0. An expression has no declared
    // type: reading it here throws, since only the caller knows its scale (use storedCurrency or toLongLong).
    values::Currency toCurrency() const;
    // An expression over money columns (SUM(base), MAX(capital)): the stored ten-thousandths; a value
    // that is not a whole number of them throws.
    values::Currency storedCurrency() const;
    // A date stored as ISO text (any declared type: MAX(datalan) has none); null or an empty text -> a
    // null QDate.
    QDate toDate() const;
    // Yes/no: null -> false, otherwise the number is not 0.
    bool toBool() const;
    // The same stored value (type and contents) as `other`, whatever the names.
    bool sameValue(const Field& other) const { return stored_ == other.stored_; }

    // What a value that does not convert is said to be wanted as ("valor monetário").
    static constexpr const char* AmountWanted = "valor monetário (décimos de milésimo inteiros)";

  private:
    // Throws the type-mismatch Error naming the field and the value it holds.
    [[noreturn]] void mismatch(const char* wanted) const;
    // The stored value as the sqlite3 tool would write it: texts quoted, REALs in full.
    QString storedText() const;
    // The ten-thousandths of an amount column's value; null -> 0; anything but a whole number (a REAL,
    // a text, a blob) throws, since no amount was stored as such.
    qint64 amount() const;

    QString name_;
    ColumnType type_;
    Stored stored_;
};

}  // namespace platform::db
