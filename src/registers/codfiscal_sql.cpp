#include "registers/codfiscal_sql.h"

namespace registers::cfop {

using platform::db::Connection;
using platform::db::Recordset;

namespace {
const QString& tabela(Tabela t) { return DefinicaoDe(t).tabela; }
}  // namespace

Recordset Procura(Connection& cn, Tabela t, const QString& codigo) {
    return cn.OpenRecordset(
        QStringLiteral("SELECT * FROM ") + tabela(t) + QStringLiteral(" Where codfiscal = ?"), {codigo});
}

bool Existe(Connection& cn, Tabela t, const QString& codigo) {
    return !cn.OpenRecordset(QStringLiteral("SELECT ") + DefinicaoDe(t).colunaDuplicado +
                                 QStringLiteral(" FROM ") + tabela(t) +
                                 QStringLiteral(" Where codfiscal = ?"),
                             {codigo})
                .Eof();
}

void Exclui(Connection& cn, Tabela t, const QString& codigo) {
    cn.Execute(QStringLiteral("DELETE FROM ") + tabela(t) + QStringLiteral(" WHERE codfiscal = ?"), {codigo});
}

Recordset Impressao(Connection& cn, Tabela t) {
    return cn.OpenRecordset(QStringLiteral("SELECT codfiscal,descri,nivel FROM ") + tabela(t) +
                            QStringLiteral(" ORDER BY codfiscal"));
}

}  // namespace registers::cfop
