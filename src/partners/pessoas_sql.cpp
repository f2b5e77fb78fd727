#include "partners/pessoas_sql.h"

#include "platform/values/Vb.h"

namespace partners {

using platform::db::Connection;
using platform::db::Recordset;
namespace values = platform::values;

const FamiliaPessoa& FamiliaSocios() {
    static const FamiliaPessoa f{QStringLiteral("Socios"), QStringLiteral("ClasseSoc"),
                                 QStringLiteral("codsoc")};
    return f;
}

const FamiliaPessoa& FamiliaTerceiros() {
    static const FamiliaPessoa f{QStringLiteral("Terceiros"), QStringLiteral("ClasseTer"),
                                 QStringLiteral("codter")};
    return f;
}

std::vector<QStringList> ListaPessoas(Connection& db, const FamiliaPessoa& familia, qint64 codempr) {
    std::vector<QStringList> linhas;
    for (Recordset rs = db.OpenRecordset(QStringLiteral("SELECT codauto,nome FROM ") + familia.tabela +
                                             QStringLiteral(" WHERE codempr = ? ORDER BY codauto"),
                                         {codempr});
         !rs.Eof(); rs.MoveNext())
        linhas.push_back({rs.Fields(0).toString(), rs.Fields(1).toString()});
    return linhas;
}

Recordset LePessoa(Connection& db, const FamiliaPessoa& familia, qint64 codempr, qint64 codauto) {
    return db.OpenRecordset(QStringLiteral("SELECT * FROM ") + familia.tabela +
                                QStringLiteral(" WHERE codauto = ? AND codempr = ?"),
                            {codauto, codempr});
}

void ApagaPessoa(Connection& db, const FamiliaPessoa& familia, qint64 codauto) {
    platform::db::Transaction transacao(db);
    db.Execute(QStringLiteral("DELETE FROM ") + familia.tabelaClasse + QStringLiteral(" WHERE ") +
                   familia.colunaDono + QStringLiteral(" = ?"),
               {codauto});
    db.Execute(QStringLiteral("DELETE FROM ") + familia.tabela + QStringLiteral(" WHERE codauto = ?"),
               {codauto});
    transacao.commit();
}

std::optional<ClasseInss> ClasseAtual(Connection& db, const FamiliaPessoa& familia, qint64 codauto) {
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT dinicio, classe FROM ") + familia.tabelaClasse +
                                        QStringLiteral(" WHERE ") + familia.colunaDono +
                                        QStringLiteral(" = ? ORDER BY dinicio DESC"),
                                    {codauto});
    if (rs.Eof()) return std::nullopt;
    return ClasseInss{rs.Fields(0).toDate(), rs.Fields(1).toLongLong()};
}

namespace {
QStringList Linha(const Recordset& rs) {
    return {values::formatDate(rs.Fields(QStringLiteral("dinicio")).toDate()),
            rs.Fields(QStringLiteral("classe")).toString()};
}
}  // namespace

std::vector<QStringList> HistoricoClasse(Connection& db, const FamiliaPessoa& familia, qint64 codauto) {
    std::vector<QStringList> linhas;
    for (Recordset rs =
             db.OpenRecordset(QStringLiteral("SELECT dinicio, classe FROM ") + familia.tabelaClasse +
                                  QStringLiteral(" WHERE ") + familia.colunaDono +
                                  QStringLiteral(" = ? ORDER BY dinicio DESC"),
                              {codauto});
         !rs.Eof(); rs.MoveNext())
        linhas.push_back(Linha(rs));
    return linhas;
}

QStringList LinhaClasse(Connection& db, const FamiliaPessoa& familia, qint64 codauto, const QDate& inicio) {
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT dinicio, classe FROM ") + familia.tabelaClasse +
                                        QStringLiteral(" WHERE dinicio = ? AND ") + familia.colunaDono +
                                        QStringLiteral(" = ?"),
                                    {inicio, codauto});
    return rs.Eof() ? QStringList() : Linha(rs);
}

}  // namespace partners
