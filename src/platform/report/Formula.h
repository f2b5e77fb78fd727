#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "platform/report/DataSet.h"

namespace platform::report {

// The value of a formula text as the print handlers write it: a text between double quotes (two
// double quotes inside stand for one) or a bare number. A quoted text whose inner quotes are not
// doubled (a value pasted in without escaping) gives its inside exactly as typed. Anything else is
// not a constant of the report language: null.
std::optional<QString> formulaValue(const QString& formulaText);

// The formula text of a value: the value between double quotes, inner double quotes doubled.
QString quoted(const QString& value);

// A record selection: terms "{Table.field} op value" joined by "and", op one of = <> < > <= >=,
// value a bare number, a quoted text or True/False.
struct SelectionTerm {
    QString table;
    QString field;
    QString op;
    Value value;
};

struct SelectionFormula {
    std::vector<SelectionTerm> terms;

    // Null when the text is not a selection of that form.
    static std::optional<SelectionFormula> parse(const QString& text);
    // Every term names a field of `data` (and, when `table` is not empty, that table).
    bool fitsData(const DataSet& data, const QString& table) const;
    // The row satisfies every term; a term on a missing field or a null value fails.
    bool matches(const DataSet& data, std::size_t row) const;
};

}  // namespace platform::report
