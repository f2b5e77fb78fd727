#include "utilities/padrao_sql.h"

#include "platform/db/Recordset.h"

namespace Padrao {

using platform::db::Connection;

std::optional<Etiqueta> LeEtiqueta(Connection& db) {
    const auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM Padrao Where Codigo = 1"));
    if (rs.Eof()) return std::nullopt;
    Etiqueta e;
    e.nvias = rs.Fields(QStringLiteral("nvias")).toString();
    for (int i = 0; i < 4; ++i) e.linhas[std::size_t(i)] = rs.Fields(QStringLiteral("L%1").arg(i)).toString();
    return e;
}

void GravaEtiqueta(Connection& db, const Etiqueta& e) {
    platform::db::Transaction t(db);
    const platform::db::Params valores{e.nvias, e.linhas[0], e.linhas[1], e.linhas[2], e.linhas[3]};
    if (db.Execute(QStringLiteral("Update Padrao Set Nvias = ?,L0 = ?,L1 = ?,L2 = ?,L3 = ? Where Codigo = 1"),
                   valores) == 0)
        db.Execute(
            QStringLiteral("INSERT INTO Padrao (Nvias, L0, L1, L2, L3, Codigo) VALUES (?, ?, ?, ?, ?, 1)"),
            valores);
    t.commit();
}

}  // namespace Padrao
