#include "sintegra/sintegra_sql.h"

#include "platform/db/Recordset.h"
#include "platform/db/TableNames.h"
#include "platform/values/RuntimeError.h"

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

std::vector<DocumentoIcms> LeDocumentos(Connection& movimento, const QString& tabela, bool saida,
                                        const QDate& inicio, const QDate& fim, QStringList& recusas) {
    // A date missing, stored in another form, or not a day of the calendar ('2003-02-31',
    // '0000-00-00', '15/03/2003') is taken too, to be refused rather than left out without a word.
    Recordset rs = movimento.OpenRecordset(
        QStringLiteral("SELECT docinicial, datalan, demiss, especie, cgc, uf, codfiscal, vlrcontabil, "
                       "baseicms0, isenicms0, outricms0, valricms0, aliqicms0, "
                       "baseicms1, isenicms1, outricms1, valricms1, aliqicms1, "
                       "baseicms2, isenicms2, outricms2, valricms2, aliqicms2, "
                       "baseicms3, isenicms3, outricms3, valricms3, aliqicms3, "
                       "baseicms4, isenicms4, outricms4, valricms4, aliqicms4 FROM ") +
            platform::db::tableName(tabela) +
            QStringLiteral(" WHERE datalan BETWEEN ? AND ? OR datalan IS NULL OR "
                           "date(substr(datalan, 1, 10)) IS NOT substr(datalan, 1, 10) "
                           "ORDER BY datalan, cgc, docinicial, codauto"),
        {inicio, fim});
    std::vector<DocumentoIcms> documentos;
    documentos.reserve(std::size_t(rs.RecordCount()));
    const QString onde = tabela.toUpper();
    DocumentoIcms anterior;
    for (; !rs.Eof(); rs.MoveNext()) {
        DocumentoIcms d;
        Recordset::RowValues v(rs);
        d.docinicial = v.text();
        const auto data = [&](int coluna, const char* nome) {
            try {
                return v.date();
            } catch (const platform::values::RuntimeError&) {
                throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument,
                                                     QString::fromUtf8(nome) +
                                                         QStringLiteral(" ilegível: \"") +
                                                         rs.Fields(coluna).toString() + u'"');
            }
        };
        try {
            d.datalan = data(1, "Data de lançamento");
            if (!d.datalan.isValid())
                throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument,
                                                     QStringLiteral("Data de lançamento ausente"));
            d.demiss = data(2, "Data de emissão");
            // Species, state and CFOP mostly repeat from one document to the next: they share its texts.
            d.especie = v.text(anterior.especie);
            d.cgc = v.text();
            d.uf = v.text(anterior.uf);
            d.codfiscal = v.text(anterior.codfiscal);
            d.vlrcontabil = v.currency();
            for (ItemIcms& item : d.itens)
                for (Currency* valor : {&item.base, &item.isento, &item.outros, &item.icms, &item.aliquota})
                    *valor = v.currency();
        } catch (const platform::values::RuntimeError& e) {
            // One unreadable value refuses its document; the others are still read, so that the
            // user sees every one at once.
            recusas.append(IdentificaDocumento(saida, onde, d.docinicial) + e.description());
            continue;
        }
        anterior = d;
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
