#pragma once

#include <QString>
#include <QStringList>

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

// Every column of a company's row, each as SQLite quotes its stored value (type and bytes): two reads
// are equal only when the row was not written in between with anything else.
inline QStringList LinhaEmpresa(platform::db::Connection& db, qint64 codigo) {
    auto colunas = db.OpenRecordset(QStringLiteral("SELECT name FROM pragma_table_info('Empresas')"));
    QStringList citadas;
    for (; !colunas.Eof(); colunas.MoveNext())
        citadas << QStringLiteral("quote(\"%1\")").arg(colunas.Fields(0).toString());
    const auto linha = db.OpenRecordset(
        QStringLiteral("SELECT ") + citadas.join(u',') + QStringLiteral(" FROM Empresas WHERE codigo = ?"),
        {codigo});
    QStringList valores;
    for (int i = 0; i < linha.FieldCount(); ++i) valores << linha.Fields(i).toString();
    return valores;
}
