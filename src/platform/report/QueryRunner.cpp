
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/report/PrintEngine.h"

namespace platform::report {

namespace {

QueryRunner& installed() {
    static QueryRunner runner;
    return runner;
}

Value valueOf(const db::Field& f) {
    if (f.isNull()) return {};
    switch (f.type()) {
        case db::ColumnType::Integer:
            return static_cast<std::int64_t>(f.toLongLong());
        case db::ColumnType::Currency:
            return f.toCurrency();
        case db::ColumnType::Double:
            return f.toDouble();
        case db::ColumnType::Date:
            return f.toDate();
        case db::ColumnType::YesNo:
            return f.toBool();
        default:
            return f.toString();
    }
}

int fieldTypeOf(db::ColumnType t) {
    switch (t) {
        case db::ColumnType::Currency:
            return FieldType::Currency;
        case db::ColumnType::YesNo:
            return FieldType::Boolean;
        default:
            return FieldType::Text;
    }
}

std::vector<db::Connection*>& lent() {
    static std::vector<db::Connection*> connections;
    return connections;
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    return fa.exists() && fb.exists()
               ? fa.canonicalFilePath() == fb.canonicalFilePath()
               : QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

DataSet storageQuery(const QString& databasePath, const QString& sql) {
    db::Connection own;
    db::Connection* connection = nullptr;
    for (auto it = lent().rbegin(); it != lent().rend() && !connection; ++it)
        if ((*it)->State() == db::ObjectState::Open && sameFile((*it)->path(), databasePath))
            connection = *it;
    if (!connection) {
        own.OpenFile(databasePath);
        connection = &own;
    }
    db::Recordset rs = connection->OpenRecordset(sql);
    DataSet data;
    const int columns = rs.FieldCount();
    for (int i = 0; i < columns; ++i) data.fields.push_back({rs.FieldName(i), fieldTypeOf(rs.FieldType(i))});
    // Every row's room is taken before any text is read: the rows then lie side by side, and a print
    // that lets them go as they are printed leaves room its pages can use.
    data.rows.resize(static_cast<std::size_t>(rs.RecordCount()));
    for (auto& row : data.rows) row.reserve(static_cast<std::size_t>(columns));
    // A column's texts mostly repeat (a state, a kind of document, a supplier's name): each distinct
    // text is held once for the whole column, up to a bound past which the column is taken as one of
    // unique values (a document's number) and its texts are no longer looked up.
    constexpr qsizetype Distinct = 4096;
    std::vector<QSet<QString>> seen(static_cast<std::size_t>(columns));
    std::vector<bool> unique(static_cast<std::size_t>(columns));
    for (std::size_t r = 0; !rs.Eof(); rs.MoveNext(), ++r) {
        std::vector<Value>& row = data.rows[r];
        for (int i = 0; i < columns; ++i) {
            row.push_back(valueOf(rs.Fields(i)));
            auto* text = std::get_if<QString>(&row.back());
            if (!text) continue;
            QSet<QString>& texts = seen[static_cast<std::size_t>(i)];
            if (unique[static_cast<std::size_t>(i)]) continue;
            if (const auto found = texts.constFind(*text); found != texts.cend()) {
                *text = *found;
            } else if (texts.size() < Distinct) {
                texts.insert(*text);
            } else {
                unique[static_cast<std::size_t>(i)] = true;
                texts.clear();
            }
        }
    }
    return data;
}

}  // namespace

QueriesOn::QueriesOn(db::Connection& connection) { lent().push_back(&connection); }

QueriesOn::~QueriesOn() { lent().pop_back(); }

void setQueryRunner(QueryRunner runner) { installed() = std::move(runner); }

DataSet runQuery(const QString& databasePath, const QString& sql) {
    if (installed()) return installed()(databasePath, sql);
    return storageQuery(databasePath, sql);
}

}  // namespace platform::report
