#include "sintegra/sintegra_sql.h"

#include "platform/db/Recordset.h"
#include "platform/db/TableNames.h"

namespace sintegra {

using platform::db::Recordset;

Inscricoes LeInscricoes(Connection& cadastro, const QString& tabela) {
    Recordset rs =
        cadastro.OpenRecordset(QStringLiteral("SELECT cgc, ie FROM ") + platform::db::tableName(tabela) +
                               QStringLiteral(" ORDER BY rowid"));
    Inscricoes inscricoes;
    inscricoes.reserve(rs.RecordCount());
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString cgc = rs.Fields(0).toString();
        if (!inscricoes.contains(cgc)) inscricoes.insert(cgc, CampoInscricao(rs.Fields(1).toString()));
    }
    return inscricoes;
}

std::vector<DocumentoIcms> LeDocumentos(Connection& movimento, const QString& tabela, const QDate& inicio,
                                        const QDate& fim) {
    Recordset rs = movimento.OpenRecordset(
        QStringLiteral("SELECT datalan, demiss, especie, cgc, uf, docinicial, codfiscal, "
                       "baseicms0, isenicms0, outricms0, valricms0, aliqicms0, "
                       "baseicms1, isenicms1, outricms1, valricms1, aliqicms1, "
                       "baseicms2, isenicms2, outricms2, valricms2, aliqicms2, "
                       "baseicms3, isenicms3, outricms3, valricms3, aliqicms3, "
                       "baseicms4, isenicms4, outricms4, valricms4, aliqicms4 FROM ") +
            platform::db::tableName(tabela) +
            QStringLiteral(" WHERE datalan BETWEEN ? AND ? ORDER BY datalan, cgc, docinicial, codauto"),
        {inicio, fim});
    std::vector<DocumentoIcms> documentos;
    documentos.reserve(std::size_t(rs.RecordCount()));
    for (; !rs.Eof(); rs.MoveNext()) {
        DocumentoIcms d;
        d.datalan = rs.Fields(0).toDate();
        d.demiss = rs.Fields(1).toDate();
        d.especie = rs.Fields(2).toString();
        d.cgc = rs.Fields(3).toString();
        d.uf = rs.Fields(4).toString();
        d.docinicial = rs.Fields(5).toString();
        d.codfiscal = rs.Fields(6).toString();
        // The ICMS amount and the rate of a slot matter only when the slot is taken.
        for (int slot = 0, coluna = 7; slot < 5; ++slot, coluna += 5) {
            ItemIcms& item = d.itens[std::size_t(slot)];
            item.base = rs.Fields(coluna).toCurrency();
            item.isento = rs.Fields(coluna + 1).toCurrency();
            item.outros = rs.Fields(coluna + 2).toCurrency();
            if (SlotTomado(item)) {
                item.icms = rs.Fields(coluna + 3).toCurrency();
                item.aliquota = rs.Fields(coluna + 4).toCurrency();
            }
        }
        documentos.push_back(std::move(d));
    }

    return documentos;
}

void ApagaRegSint(Connection& cadastro) { cadastro.Execute(QStringLiteral("DELETE FROM RegSint")); }

void InsereRegSint(Connection& cadastro, const RegistroSintegra& r) {
    static const QString Insere = QStringLiteral(
        "INSERT INTO RegSint(regtip,cgc,inscr_estadual,demis,uf,modelo,serie,subserie,nrnf,cfop,vlrtot,"
        "baseicms,vlricms,vlrisent,vlroutr,aliqicms,situacao) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    cadastro.Execute(
        Insere, {r.regtip, r.cgc, r.inscr_estadual, r.demis, r.uf, r.modelo, r.serie, r.subserie, r.nrnf,
                 r.cfop, r.vlrtot, r.baseicms, r.vlricms, r.vlrisent, r.vlroutr, r.aliqicms, r.situacao});
}

}  // namespace sintegra
