#include "platform/report/DataSet.h"

#include "platform/values/Vb.h"

namespace platform::report {

int DataSet::indexOf(const QString& name) const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

const Value& DataSet::value(std::size_t row, int field) const {
    static const Value null;
    if (row >= rows.size() || field < 0 || static_cast<std::size_t>(field) >= rows[row].size()) return null;
    return rows[row][static_cast<std::size_t>(field)];
}

bool isNull(const Value& v) { return std::holds_alternative<std::monostate>(v); }

QString displayText(const Value& v) {
    struct Visitor {
        QString operator()(std::monostate) const { return {}; }
        QString operator()(const QString& s) const { return s; }
        QString operator()(bool b) const { return b ? QStringLiteral("Sim") : QStringLiteral("Não"); }
        QString operator()(values::Currency c) const { return values::Format(c, u"###,###,##0.00"); }
        QString operator()(const QDate& d) const { return values::formatDate(d); }
        QString operator()(std::int64_t n) const { return QString::number(n); }
        QString operator()(double x) const { return QString::number(x, 'g', 15).replace('.', ','); }
    };
    return std::visit(Visitor{}, v);
}

std::optional<double> numericValue(const Value& v) {
    if (const auto* n = std::get_if<std::int64_t>(&v)) return static_cast<double>(*n);
    if (const auto* x = std::get_if<double>(&v)) return *x;
    if (const auto* c = std::get_if<values::Currency>(&v)) return c->toDouble();
    if (const auto* b = std::get_if<bool>(&v)) return *b ? -1.0 : 0.0;
    return std::nullopt;
}

}  // namespace platform::report
