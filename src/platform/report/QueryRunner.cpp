
#include "platform/report/PrintEngine.h"
#include "platform/values/RuntimeError.h"

#ifdef RT_REPORT_WITH_DB
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#endif

namespace platform::report {

namespace {

QueryRunner& installed() {
    static QueryRunner runner;
    return runner;
}

#ifdef RT_REPORT_WITH_DB
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

DataSet storageQuery(const QString& databasePath, const QString& sql) {
    db::Connection connection;
    connection.OpenFile(databasePath);
    db::Recordset rs = connection.OpenRecordset(sql);
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
#else
DataSet storageQuery(const QString& databasePath, const QString&) {
    throw values::RuntimeError(
        3704, QStringLiteral("Banco de dados indisponível para o relatório: ") + databasePath);
}
#endif

}  // namespace

void setQueryRunner(QueryRunner runner) { installed() = std::move(runner); }

DataSet runQuery(const QString& databasePath, const QString& sql) {
    if (installed()) return installed()(databasePath, sql);
    return storageQuery(databasePath, sql);
}

}  // namespace platform::report
