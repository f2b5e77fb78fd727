#include "platform/controls/XArrayDB.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

#include "platform/values/RuntimeError.h"
#include "platform/values/TextCompare.h"
#include "platform/values/Vb.h"

namespace platform::controls {

using values::Currency;

namespace {

[[noreturn]] void outOfRange() {
    throw values::RuntimeError(9, QStringLiteral("Subscrito fora do intervalo"));
}

QString textOf(const QVariant& v) {
    if (v.metaType() == QMetaType::fromType<Currency>()) return v.value<Currency>().toString();
    if (v.metaType().id() == QMetaType::QDate) return values::formatDate(v.toDate());
    return v.toString();
}

std::optional<Currency> moneyOf(const QVariant& v) {
    if (v.metaType() == QMetaType::fromType<Currency>()) return v.value<Currency>();
    switch (v.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
            return Currency::fromUnits(v.toLongLong());
        case QMetaType::Double:
            return Currency::fromDouble(v.toDouble());
        default:
            return Currency::parse(v.toString());
    }
}

std::optional<QDate> dateOf(const QVariant& v) {
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate().isValid() ? std::optional(v.toDate()) : std::nullopt;
    const QString t = v.toString().trimmed();
    if (auto d = values::parseDate(t)) return d;
    return values::parsePeriod(t);
}

std::optional<double> numberOf(const QVariant& v) {
    switch (v.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Double:
            return v.toDouble();
        default:
            break;
    }
    const QString t = v.toString().trimmed();
    if (t.isEmpty() || !(t[0].isDigit() || t[0] == u'-' || t[0] == u'+' || t[0] == u'.')) return std::nullopt;
    return values::Val(t);
}

template <class T>
int order3(const std::optional<T>& a, const std::optional<T>& b) {
    if (!a || !b) return (a ? 1 : 0) - (b ? 1 : 0);
    return *a < *b ? -1 : (*b < *a ? 1 : 0);
}

}  // namespace

int XArrayDB::compare(const QVariant& a, const QVariant& b, int type) {
    switch (type) {
        case XType::Currency:
            return order3(moneyOf(a), moneyOf(b));
        case XType::Date:
            return order3(dateOf(a), dateOf(b));
        case XType::Integer:
            return order3(numberOf(a), numberOf(b));
        default:
            return values::compareText(textOf(a), textOf(b));
    }
}

void XArrayDB::ReDim(int rowLower, int rowUpper, int colLower, int colUpper) {
    const int rows = std::max(0, rowUpper - rowLower + 1);
    const int cols = std::max(0, colUpper - colLower + 1);
    std::vector<QVariant> cells(static_cast<size_t>(rows) * cols);
    for (int r = rowLower; r < rowLower + rows; ++r)
        for (int c = colLower; c < colLower + cols; ++c)
            if (r >= rowLower_ && r < rowLower_ + rows_ && c >= colLower_ && c < colLower_ + cols_)
                cells[static_cast<size_t>(r - rowLower) * cols + (c - colLower)] = cells_[index(r, c)];
    cells_ = std::move(cells);
    rowLower_ = rowLower;
    colLower_ = colLower;
    rows_ = rows;
    cols_ = cols;
}

int XArrayDB::Count(int dim) const { return dim == 1 ? rows_ : cols_; }

int XArrayDB::index(int row, int col) const {
    if (row < rowLower_ || row >= rowLower_ + rows_ || col < colLower_ || col >= colLower_ + cols_)
        outOfRange();
    return (row - rowLower_) * cols_ + (col - colLower_);
}

const QVariant& XArrayDB::Value(int row, int col) const { return cells_[index(row, col)]; }
void XArrayDB::setValue(int row, int col, const QVariant& value) { cells_[index(row, col)] = value; }
QVariant& XArrayDB::operator()(int row, int col) { return cells_[index(row, col)]; }

void XArrayDB::Insert(int dim, int at, int count) {
    if (count <= 0) return;
    if (at < LowerBound(dim) || at > UpperBound(dim) + 1) outOfRange();
    XArrayDB grown;
    if (dim == 1)
        grown.ReDim(rowLower_, rowLower_ + rows_ + count - 1, colLower_, colLower_ + cols_ - 1);
    else
        grown.ReDim(rowLower_, rowLower_ + rows_ - 1, colLower_, colLower_ + cols_ + count - 1);
    for (int r = rowLower_; r < rowLower_ + rows_; ++r)
        for (int c = colLower_; c < colLower_ + cols_; ++c) {
            const int nr = (dim == 1 && r >= at) ? r + count : r;
            const int nc = (dim == 2 && c >= at) ? c + count : c;
            grown(nr, nc) = Value(r, c);
        }
    *this = std::move(grown);
}

void XArrayDB::Delete(int dim, int at, int count) {
    if (count <= 0) return;
    if (at < LowerBound(dim) || at + count - 1 > UpperBound(dim)) outOfRange();
    XArrayDB shrunk;
    if (dim == 1)
        shrunk.ReDim(rowLower_, rowLower_ + rows_ - count - 1, colLower_, colLower_ + cols_ - 1);
    else
        shrunk.ReDim(rowLower_, rowLower_ + rows_ - 1, colLower_, colLower_ + cols_ - count - 1);
    for (int r = rowLower_; r < rowLower_ + rows_; ++r)
        for (int c = colLower_; c < colLower_ + cols_; ++c) {
            if ((dim == 1 && r >= at && r < at + count) || (dim == 2 && c >= at && c < at + count)) continue;
            const int nr = (dim == 1 && r >= at + count) ? r - count : r;
            const int nc = (dim == 2 && c >= at + count) ? c - count : c;
            shrunk(nr, nc) = Value(r, c);
        }
    *this = std::move(shrunk);
}

void XArrayDB::QuickSort(int firstRow, int lastRow, int col, int order, int type) {
    if (rows_ == 0 || lastRow < firstRow) return;
    index(firstRow, col);
    index(lastRow, col);
    std::vector<int> rows(static_cast<size_t>(lastRow - firstRow + 1));
    std::iota(rows.begin(), rows.end(), firstRow);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        const int c = compare(Value(a, col), Value(b, col), type);
        return order == XOrder::Descending ? c > 0 : c < 0;
    });
    std::vector<QVariant> sorted;
    sorted.reserve(rows.size() * cols_);
    for (int r : rows)
        for (int c = colLower_; c < colLower_ + cols_; ++c) sorted.push_back(Value(r, c));
    std::move(sorted.begin(), sorted.end(), cells_.begin() + static_cast<long>(index(firstRow, colLower_)));
}

int XArrayDB::Find(int startRow, int col, const QVariant& value, int order, int comparison, int type) const {
    (void)order;
    if (rows_ == 0) return -1;
    for (int r = std::max(startRow, rowLower_); r < rowLower_ + rows_; ++r) {
        const QVariant& cell = Value(r, col);
        if (comparison == XComp::Like) {
            if (values::startsWithText(textOf(cell), textOf(value))) return r;
        } else if (type == XType::Text) {
            if (values::equalText(textOf(cell), textOf(value))) return r;
        } else {
            const int c = compare(cell, value, type);
            if (c == 0 && compare(cell, QVariant(), type) != 0) return r;
        }
    }
    return -1;
}

}  // namespace platform::controls
