
#include <QDir>
#include <QFileInfo>
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
    for (int i = 0; i < rs.FieldCount(); ++i)
        data.fields.push_back({rs.FieldName(i), fieldTypeOf(rs.FieldType(i))});
    for (; !rs.Eof(); rs.MoveNext()) {
        std::vector<Value> row;
        row.reserve(data.fields.size());
        for (int i = 0; i < rs.FieldCount(); ++i) row.push_back(valueOf(rs.Fields(i)));
        data.rows.push_back(std::move(row));
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
