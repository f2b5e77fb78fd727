#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "platform/values/Currency.h"

namespace platform::report {

// One value of a report row: null, text, true/false, money, date, whole or real number.
using Value = std::variant<std::monostate, QString, bool, values::Currency, QDate, std::int64_t, double>;

// The field types of the in-memory data source, with the codes the print handlers pass.
namespace FieldType {
constexpr int Currency = 6;
constexpr int Text = 8;
constexpr int Boolean = 11;
}  // namespace FieldType

struct FieldDecl {
    QString name;
    int type = FieldType::Text;
};

// The rows a report prints: named fields (names compare in any letter case) and rows of values in
// the order of the fields.
class DataSet {
  public:
    std::vector<FieldDecl> fields;
    std::vector<std::vector<Value>> rows;

    // Index of a field, or -1.
    int indexOf(const QString& name) const;
    // The value of a field in a row; null when the field or the value is missing.
    const Value& value(std::size_t row, int field) const;
};

bool isNull(const Value& v);
// The value as the page shows it when no format is given: texts as they are, dates "dd/mm/yyyy",
// money "1.234,56", numbers in plain digits, true/false as "Sim"/"Não", null as "".
QString displayText(const Value& v);
// Numeric value for comparisons, when the value is a number, money or true/false.
std::optional<double> numericValue(const Value& v);

}  // namespace platform::report
