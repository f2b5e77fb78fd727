#include "registers/forcli_sql.h"

#include "platform/db/TableNames.h"
#include "platform/values/RuntimeError.h"

namespace registers::forcli {

using platform::db::Connection;
using platform::db::Recordset;

QString TabelaValida(const QString& tabela) {
    const QString nome = platform::db::tableName(tabela);
    if (nome != Fornecedores && nome != Clientes)
        throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument);
    return nome;
}

Recordset Procura(Connection& cn, const QString& tabela, const QString& cgc) {
    return cn.OpenRecordset(
        QStringLiteral("SELECT * FROM ") + TabelaValida(tabela) + QStringLiteral(" Where Cgc = ?"), {cgc});
}

bool Existe(Connection& cn, const QString& tabela, const QString& cgc) {
    return !cn.OpenRecordset(QStringLiteral("SELECT cgc FROM ") + TabelaValida(tabela) +
                                 QStringLiteral(" Where Cgc = ?"),
                             {cgc})
                .Eof();
}

bool LeInclusaoDupla(Connection& cn) {
    Recordset rs = cn.OpenRecordset(QStringLiteral("SELECT pincforcli FROM parametros"));
    return !rs.Eof() && rs.Fields(QStringLiteral("pincforcli")).toBool();
}

void GravaInclusaoDupla(Connection& cn, bool valor) {
    cn.Execute(QStringLiteral("UPDATE Parametros Set pincforcli = ?"), {valor});
}

Recordset Impressao(Connection& cn, const QString& tabela) {
    return cn.OpenRecordset(QStringLiteral("SELECT cgc,nome FROM ") + TabelaValida(tabela) +
                            QStringLiteral(" ORDER BY cgc"));
}

Recordset Pesquisa(Connection& cn, const QString& tabela) {
    return cn.OpenRecordset(QStringLiteral("SELECT cgc,nome,ie,uf FROM ") + TabelaValida(tabela) +
                            QStringLiteral(" Order By cgc"));
}

}  // namespace registers::forcli
