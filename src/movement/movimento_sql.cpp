#include "movement/movimento_sql.h"

namespace movimento {

using platform::db::Connection;
using platform::db::Recordset;

qint64 ProximoCodigo(Connection& banco, const QString& tabela) {
    const QString t = TabelaDoMovimento(tabela);
    return banco
        .OpenRecordset(QStringLiteral("SELECT MAX(COALESCE((SELECT MAX(codauto) FROM ") + t +
                           QStringLiteral("), 0), COALESCE((SELECT seq FROM sqlite_sequence "
                                          "WHERE name = ? COLLATE NOCASE), 0)) + 1"),
                       {t})
        .Fields(0)
        .toLongLong();
}

Recordset LeDocumento(Connection& banco, const QString& tabela, qint64 codauto) {
    return banco.OpenRecordset(
        QStringLiteral("Select * FROM ") + TabelaDoMovimento(tabela) + QStringLiteral(" Where codauto = ?"),
        {codauto});
}

Recordset ListaIcms(Connection& banco, const QString& tabela) {
    return banco.OpenRecordset(QStringLiteral("SELECT codauto,Datalan,cgc,codfiscal,uf,vlrcontabil FROM ") +
                               TabelaDoMovimento(tabela) + QStringLiteral(" ORDER BY codauto"));
}

Recordset ListaIss(Connection& banco, const QString& tabela) {
    return banco.OpenRecordset(QStringLiteral("SELECT codauto,Datalan,base,iss FROM ") +
                               TabelaDoMovimento(tabela) + QStringLiteral(" ORDER BY codauto"));
}

}  // namespace movimento
