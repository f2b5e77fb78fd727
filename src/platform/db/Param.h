#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "platform/values/Currency.h"

namespace platform::db {

// The database null, as a value to bind.
struct Null {
    friend constexpr bool operator==(Null, Null) { return true; }
};
inline constexpr Null DbNull{};

// One value bound to a "?" of a statement, with its type: text as text (a null QString is the empty
// text, never NULL), whole numbers as INTEGER, money as INTEGER ten-thousandths, dates as ISO text
// yyyy-mm-dd (a null QDate is NULL), true/false as 1/0, doubles as REAL, DbNull as NULL.
class Param {
  public:
    using Value = std::variant<Null, bool, qint64, double, QString, values::Currency, QDate>;

    Param(Null) {}
    Param(bool v) : value_(v) {}
    Param(int v) : value_(qint64{v}) {}
    Param(unsigned v) : value_(qint64{v}) {}
    Param(long v) : value_(qint64{v}) {}
    Param(long long v) : value_(qint64{v}) {}
    Param(unsigned long v) : value_(static_cast<qint64>(v)) {}
    Param(double v) : value_(v) {}
    Param(const QString& v) : value_(v) {}
    Param(QString&& v) : value_(std::move(v)) {}
    Param(QStringView v) : value_(v.toString()) {}
    Param(const char* utf8) : value_(QString::fromUtf8(utf8)) {}
    Param(values::Currency v) : value_(v) {}
    Param(const QDate& v) : value_(v) {}
    // An empty optional is NULL.
    template <typename T>
    Param(const std::optional<T>& v) : Param(v ? Param(*v) : Param(DbNull)) {}

    const Value& value() const { return value_; }

  private:
    Value value_;
};

using Params = std::vector<Param>;
using ParamSpan = std::span<const Param>;

}  // namespace platform::db
