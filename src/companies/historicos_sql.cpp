#include "companies/historicos_sql.h"

#include "platform/values/Vb.h"

namespace Empresas {

using platform::db::Connection;
using platform::db::Recordset;
namespace values = platform::values;

std::vector<TipoEnquadramento> LeTiposEnquadramento(Connection& db) {
    std::vector<TipoEnquadramento> tipos;
    for (Recordset rs = db.OpenRecordset(QStringLiteral("SELECT codtipo,descricao FROM Tipo_enquadr"));
         !rs.Eof(); rs.MoveNext())
        tipos.push_back({rs.Fields(QStringLiteral("codtipo")).toLongLong(),
                         rs.Fields(QStringLiteral("descricao")).toString()});
    return tipos;
}

std::vector<QStringList> LeHistoricoEnquadramento(Connection& db, qint64 codigo) {
    std::vector<QStringList> linhas;
    Recordset rs = db.OpenRecordset(
        QStringLiteral(
            "SELECT Enquadramento.Denquadra, Enquadramento.codtipo, Tipo_Enquadr.Descricao "
            "FROM Enquadramento LEFT JOIN Tipo_Enquadr ON Enquadramento.codtipo = "
            "Tipo_Enquadr.codtipo WHERE Enquadramento.codempr = ? ORDER BY Enquadramento.Denquadra"),
        {codigo});
    for (; !rs.Eof(); rs.MoveNext())
        linhas.push_back({values::formatDate(rs.Fields(QStringLiteral("Denquadra")).toDate()),
                          rs.Fields(QStringLiteral("Descricao")).toString()});
    return linhas;
}

QString CapitalNaLista(values::Currency capital) { return values::Format(capital, u"####,##0.00"); }

QStringList LinhaContrato(const Recordset& r) {
    return {values::formatDate(r.Fields(QStringLiteral("Dregistro")).toDate()),
            r.Fields(QStringLiteral("Nregistro")).toString(),
            CapitalNaLista(r.Fields(QStringLiteral("capital")).toCurrency()),
            r.Fields(QStringLiteral("Brelato")).toString()};
}

std::vector<QStringList> LeHistoricoContrato(Connection& db, qint64 codauto) {
    std::vector<QStringList> linhas;
    for (Recordset rs = db.OpenRecordset(
             QStringLiteral("SELECT * FROM Contrato WHERE codempr = ? ORDER BY Dregistro"), {codauto});
         !rs.Eof(); rs.MoveNext())
        linhas.push_back(LinhaContrato(rs));
    return linhas;
}

Recordset LeContrato(Connection& db, qint64 codauto, const QDate& data) {
    return db.OpenRecordset(QStringLiteral("SELECT * FROM Contrato WHERE Dregistro = ? AND codempr = ?"),
                            {data, codauto});
}

}  // namespace Empresas
