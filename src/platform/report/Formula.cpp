#include "platform/report/Formula.h"

#include <QRegularExpression>

#include "platform/values/TextCompare.h"

namespace platform::report {

namespace {

bool isBareNumber(const QString& s) {
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+([.,][0-9]+)?$"));
    return number.match(s).hasMatch();
}

// Reads a quoted text starting at `pos` (at its opening quote); returns the position after it.
std::optional<int> readQuoted(const QString& s, int pos, QString& out) {
    out.clear();
    for (int i = pos + 1; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('"')) {
            if (i + 1 < s.size() && s[i + 1] == QLatin1Char('"')) {
                out += QLatin1Char('"');
                ++i;
            } else {
                return i + 1;
            }
        } else {
            out += s[i];
        }
    }
    return std::nullopt;
}

int compareValues(const Value& field, const Value& constant, bool& comparable) {
    comparable = true;
    if (const auto* text = std::get_if<QString>(&constant)) {
        if (isNull(field)) {
            comparable = false;
            return 0;
        }
        return values::compareText(displayText(field), *text);
    }
    std::optional<double> a = numericValue(field);
    if (!a) {
        if (const auto* s = std::get_if<QString>(&field)) {
            bool ok = false;
            const double v = QString(*s).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
            if (ok) a = v;
        }
    }
    const std::optional<double> b = numericValue(constant);
    if (!a || !b) {
        comparable = false;
        return 0;
    }
    return *a < *b ? -1 : (*a > *b ? 1 : 0);
}

}  // namespace

std::optional<QString> formulaValue(const QString& formulaText) {
    const QString t = formulaText.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"'))) {
        QString decoded;
        const auto end = readQuoted(t, 0, decoded);
        if (end && *end == t.size()) return decoded;
        return t.mid(1, t.size() - 2);
    }
    if (isBareNumber(t)) return t;
    return std::nullopt;
}

QString quoted(const QString& value) {
    QString s = value;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

std::optional<SelectionFormula> SelectionFormula::parse(const QString& text) {
    static const QRegularExpression head(
        QStringLiteral("\\s*\\{\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*\\.\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*\\}\\s*(<=|"
                       ">=|<>|=|<|>)\\s*"));
    static const QRegularExpression number(QStringLiteral("[+-]?[0-9]+(\\.[0-9]+)?"));
    static const QRegularExpression andWord(QStringLiteral("\\s+and\\s+"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression boolWord(QStringLiteral("(true|false)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    SelectionFormula result;
    int pos = 0;
    const QString s = text.trimmed();
    if (s.isEmpty()) return std::nullopt;
    while (true) {
        const auto m = head.match(s, pos, QRegularExpression::NormalMatch,
                                  QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch()) return std::nullopt;
        SelectionTerm term{m.captured(1), m.captured(2), m.captured(3), {}};
        pos = m.capturedEnd();
        if (pos < s.size() && s[pos] == QLatin1Char('"')) {
            QString value;
            const auto end = readQuoted(s, pos, value);
            if (!end) return std::nullopt;
            term.value = value;
            pos = *end;
        } else if (const auto b = boolWord.match(s, pos, QRegularExpression::NormalMatch,
                                                 QRegularExpression::AnchorAtOffsetMatchOption);
                   b.hasMatch()) {
            term.value = b.captured(1).compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
            pos = b.capturedEnd();
        } else if (const auto n = number.match(s, pos, QRegularExpression::NormalMatch,
                                               QRegularExpression::AnchorAtOffsetMatchOption);
                   n.hasMatch()) {
            term.value = n.captured(0).toDouble();
            pos = n.capturedEnd();
        } else {
            return std::nullopt;
        }
        result.terms.push_back(term);
        if (pos == s.size()) return result;
        const auto a = andWord.match(s, pos, QRegularExpression::NormalMatch,
                                     QRegularExpression::AnchorAtOffsetMatchOption);
        if (!a.hasMatch()) return std::nullopt;
        pos = a.capturedEnd();
    }
}

bool SelectionFormula::fitsData(const DataSet& data, const QString& table) const {
    for (const auto& t : terms) {
        if (!table.isEmpty() && t.table.compare(table, Qt::CaseInsensitive) != 0) return false;
        if (data.indexOf(t.field) < 0) return false;
    }
    return true;
}

bool SelectionFormula::matches(const DataSet& data, std::size_t row) const {
    for (const auto& t : terms) {
        const int field = data.indexOf(t.field);
        if (field < 0) return false;
        bool comparable = false;
        const int c = compareValues(data.value(row, field), t.value, comparable);
        if (!comparable) return false;
        const bool ok = t.op == QLatin1String("=")    ? c == 0
                        : t.op == QLatin1String("<>") ? c != 0
                        : t.op == QLatin1String("<")  ? c < 0
                        : t.op == QLatin1String(">")  ? c > 0
                        : t.op == QLatin1String("<=") ? c <= 0
                                                      : c >= 0;
        if (!ok) return false;
    }
    return true;
}

}  // namespace platform::report
