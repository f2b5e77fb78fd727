#include "companies/empresas_sql.h"

#include "platform/db/TableNames.h"

namespace Empresas {

using platform::db::Transaction;
using namespace Qt::StringLiterals;

Recordset LeEmpresa(Connection& db, qint64 codigo) {
    return db.OpenRecordset(QStringLiteral("SELECT * FROM Empresas Where Codigo = ?"), {codigo});
}

void ExcluiEmpresa(Connection& db, qint64 codigo, qint64 codauto) {
    Transaction t(db);
    db.Execute(QStringLiteral("DELETE FROM Enquadramento WHERE codempr = ?"), {codigo});
    db.Execute(QStringLiteral("DELETE FROM Terceiros WHERE codempr = ?"), {codauto});
    db.Execute(QStringLiteral("DELETE FROM Socios WHERE codempr = ?"), {codauto});
    db.Execute(QStringLiteral("DELETE FROM Contrato WHERE codempr = ?"), {codauto});
    db.Execute(QStringLiteral("DELETE FROM Empresas WHERE codauto = ?"), {codauto});
    t.commit();
}

Recordset LeEnquadramentos(Connection& db, qint64 codigo) {
    return db.OpenRecordset(
        QStringLiteral("SELECT Enquadramento.Denquadra, Tipo_Enquadr.Descricao, Enquadramento.codempr "
                       "FROM Tipo_Enquadr INNER JOIN Enquadramento ON Tipo_Enquadr.codtipo = "
                       "Enquadramento.codtipo WHERE enquadramento.codempr = ? "
                       "ORDER BY enquadramento.denquadra DESC"),
        {codigo});
}

Recordset LeCapitais(Connection& db, qint64 codauto) {
    return db.OpenRecordset(
        QStringLiteral("SELECT capital FROM contrato WHERE codempr = ? ORDER BY dregistro DESC"), {codauto});
}

FiltroEmpresas MontaFiltro(const QString& tabela, const std::vector<CondicaoFiltro>& condicoes) {
    FiltroEmpresas filtro;
    for (const CondicaoFiltro& c : condicoes) {
        const QString coluna = platform::db::tableName(tabela) + u'.' + platform::db::columnName(c.coluna);
        filtro.clausula += filtro.clausula.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        filtro.clausula += coluna + QStringLiteral(" >= ? AND ") + coluna + QStringLiteral(" <= ?");
        if (c.tipo == u"N") {
            filtro.valores.push_back(c.deNumero);
            filtro.valores.push_back(c.ateNumero);
        } else if (c.tipo == u"D") {
            filtro.valores.push_back(c.deData);
            filtro.valores.push_back(c.ateData);
        } else {
            filtro.valores.push_back(c.de);
            filtro.valores.push_back(c.ate);
        }
    }
    return filtro;
}

qint64 ContaEmpresas(Connection& db, const QString& tabela, const FiltroEmpresas& filtro) {
    return db
        .OpenRecordset(QStringLiteral("SELECT Count(codigo) As I FROM ") + platform::db::tableName(tabela) +
                           filtro.clausula,
                       filtro.valores)
        .Fields(QStringLiteral("I"))
        .toLongLong();
}

Recordset ListaEmpresas(Connection& db, const QString& tabela, const FiltroEmpresas& filtro) {
    return db.OpenRecordset(
        QStringLiteral("SELECT codigo,nome,cgc,inscr_estadual,cei,uf,mes_base_fiscal FROM ") +
            platform::db::tableName(tabela) + filtro.clausula + QStringLiteral(" ORDER BY codigo"),
        filtro.valores);
}

void GravaPeriodo(Connection& db, qint64 codigo, const QDate& periodo) {
    db.Execute(QStringLiteral("UPDATE Empresas Set mes_base_fiscal = ? Where Codigo = ?"),
               {QDate(periodo.year(), periodo.month(), 1), codigo});
}

bool EnquadradaComoMicro(Connection& db, qint64 codigo) {
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT codtipo FROM Enquadramento WHERE codempr = ? "
                                                   "ORDER BY denquadra DESC LIMIT 1"),
                                    {codigo});
    if (rs.Eof()) return false;
    const auto tipo = rs.Fields(0);
    if (tipo.isNull()) return true;
    const qint64 codtipo = tipo.toLongLong();
    return codtipo == 3 || codtipo == 5;
}

}  // namespace Empresas
