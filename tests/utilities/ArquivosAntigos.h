#pragma once

#include <QFile>
#include <QStringList>

#include "platform/db/Connection.h"

// The old files the rebuild tests start from, and ways to compare files.
namespace arquivosantigos {

using platform::db::Connection;

inline QByteArray Conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The rows of a table as text, in key order, for comparing two files.
inline QStringList Linhas(Connection& banco, const QString& tabela, const QString& colunas,
                          const QString& ordem) {
    QStringList linhas;
    auto rs =
        banco.OpenRecordset(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(colunas, tabela, ordem));
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList valores;
        for (int i = 0; i < rs.FieldCount(); ++i)
            valores << (rs.Fields(i).isNull() ? QStringLiteral("<null>") : rs.Fields(i).toString());
        linhas << valores.join(u'|');
    }
    return linhas;
}

// A movement file of an older release: month tables in small letters, entries without "serie",
// amounts in ten-thousandths as every release stored them,
// no ISS family, its own monthly positions, key gaps and a counter beyond the last row.
inline void EscreveMovimentoAntigo(const QString& modelo, const QString& caminho) {
    QFile::remove(caminho);
    QFile::copy(modelo, caminho);
    QFile::setPermissions(caminho, QFile::ReadOwner | QFile::WriteOwner);
    Connection banco;
    banco.OpenFile(caminho);
    for (int mes = 1; mes <= 12; ++mes) {
        const QString m = QStringLiteral("%1").arg(mes, 2, 10, QChar(u'0'));
        for (const char* familia : {"DIGE", "DIGS"}) {
            banco.Execute(QStringLiteral("ALTER TABLE %1%2 RENAME TO tmp%2").arg(familia, m));
            banco.Execute(
                QStringLiteral("ALTER TABLE tmp%2 RENAME TO %1%2").arg(QString(familia).toLower(), m));
        }
        banco.Execute(QStringLiteral("ALTER TABLE dige%1 DROP COLUMN serie").arg(m));
        banco.Execute(QStringLiteral("DROP TABLE DIGISS%1").arg(m));
    }
    banco.Execute(
        "INSERT INTO dige03 (codauto, datalan, especie, cgc, vlrcontabil, baseicms0) VALUES "
        "(3, '2005-03-10', 'NF', 'Açúcar & Cia', 12345600, 100), (7, NULL, NULL, NULL, 9900, 0)");
    banco.Execute("INSERT INTO dige03 (codauto, especie) VALUES (9, 'apagar')");
    banco.Execute("DELETE FROM dige03 WHERE codauto = 9");
    banco.Execute("INSERT INTO digs12 (codauto, serie, vlrcontabil) VALUES (41, 'ÚNICA', 999999999900)");
    banco.Execute("DELETE FROM Pos_Icms WHERE Mes_Base > 2");
    banco.Execute("UPDATE Pos_Icms SET Saida = 100500, Obsent1 = 'Observação' WHERE Mes_Base = 2");
}

}  // namespace arquivosantigos
