#pragma once

#include <QVariant>
#include <vector>

#include "platform/values/Currency.h"

Q_DECLARE_METATYPE(platform::values::Currency)

namespace platform::controls {

// Codes of the array's sort and find.
namespace XOrder {
constexpr int Ascending = 0;
constexpr int Descending = 1;
}  // namespace XOrder
namespace XType {
constexpr int Currency = 3;
constexpr int Date = 4;
constexpr int Integer = 6;
constexpr int Text = 9;
}  // namespace XType
namespace XComp {
constexpr int Equal = 1;
constexpr int Like = 5;
}  // namespace XComp

// A two-dimensional array of values (rows, then columns, each with its own bounds) that the lists and
// grids show. Dimension 1 is the rows, 2 the columns. Cells hold text as a rule; Currency, QDate and
// whole numbers are read as such, and a text cell is read in the column's type when sorting or finding
// (the Brazilian money text "1.234,56", the date "dd/mm/yyyy", a number at the start of the text).
class XArrayDB {
  public:
    XArrayDB() = default;

    // Sizes the array to rows rowLower..rowUpper and columns colLower..colUpper (an upper bound below
    // its lower bound gives no rows or columns); cells that stay inside keep their values.
    void ReDim(int rowLower, int rowUpper, int colLower, int colUpper);
    void Clear() { ReDim(0, -1, 0, -1); }
    int LowerBound(int dim) const { return dim == 1 ? rowLower_ : colLower_; }
    int UpperBound(int dim) const { return LowerBound(dim) + Count(dim) - 1; }
    int Count(int dim) const;

    // Out of the bounds: RuntimeError 9.
    const QVariant& Value(int row, int col) const;
    void setValue(int row, int col, const QVariant& value);
    QVariant& operator()(int row, int col);
    const QVariant& operator()(int row, int col) const { return Value(row, col); }

    // Inserts `count` empty rows (dim 1) or columns (dim 2) before `index`; index = upper bound + 1 appends.
    void Insert(int dim, int index, int count = 1);
    // Deletes `count` rows or columns from `index`.
    void Delete(int dim, int index, int count = 1);

    // Sorts rows firstRow..lastRow on one column, order 0 ascending / 1 descending, by value type
    // 3 money, 4 date, 6 whole number, 9 text (the program's text comparison). Stable; cells that
    // cannot be read in the type (empty, not a number or date) come first in ascending order.
    void QuickSort(int firstRow, int lastRow, int col, int order, int type);
    // The first row from `startRow` on whose cell in `col` matches `value`: comparison 1 is equality
    // in the value type, 5 a beginning of the text under the program's text comparison (letter case
    // ignored). A linear search, whatever the order; `order` is accepted for the callers' sake.
    // Returns -1 when nothing matches.
    int Find(int startRow, int col, const QVariant& value, int order, int comparison, int type) const;

    // Compares two values in a value type (<0, 0, >0); an unreadable value is below every readable one.
    static int compare(const QVariant& a, const QVariant& b, int type);

  private:
    int index(int row, int col) const;
    int rowLower_ = 0;
    int colLower_ = 0;
    int rows_ = 0;
    int cols_ = 0;
    std::vector<QVariant> cells_;
};

}  // namespace platform::controls
