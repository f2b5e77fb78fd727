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
        QStringLiteral("SELECT datalan, demiss, especie, cgc, uf, docinicial, codfiscal, vlrcontabil, "
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
    for (; !rs.Eof(); rs.MoveNext()) {
        DocumentoIcms d;
        d.docinicial = rs.Fields(5).toString();
        const auto data = [&](int coluna, const char* nome) {
            const platform::db::Field& campo = rs.Fields(coluna);
            if (campo.isNull()) return QDate();
            try {
                return campo.toDate();
            } catch (const platform::values::RuntimeError&) {
                throw platform::values::RuntimeError(
                    platform::values::ErrorNumber::InvalidArgument,
                    QString::fromUtf8(nome) + QStringLiteral(" ilegível: \"") + campo.toString() + u'"');
            }
        };
        try {
            d.datalan = data(0, "Data de lançamento");
            if (!d.datalan.isValid())
                throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument,
                                                     QStringLiteral("Data de lançamento ausente"));
            d.demiss = data(1, "Data de emissão");
            d.especie = rs.Fields(2).toString();
            d.cgc = rs.Fields(3).toString();
            d.uf = rs.Fields(4).toString();
            d.codfiscal = rs.Fields(6).toString();
            d.vlrcontabil = rs.Fields(7).toCurrency();
            // The ICMS amount and the rate of a slot matter only when the slot is taken.
            for (int slot = 0, coluna = 8; slot < 5; ++slot, coluna += 5) {
                ItemIcms& item = d.itens[std::size_t(slot)];
                item.base = rs.Fields(coluna).toCurrency();
                item.isento = rs.Fields(coluna + 1).toCurrency();
                item.outros = rs.Fields(coluna + 2).toCurrency();
                if (SlotTomado(item)) {
                    item.icms = rs.Fields(coluna + 3).toCurrency();
                    item.aliquota = rs.Fields(coluna + 4).toCurrency();
                }
            }
        } catch (const platform::values::RuntimeError& e) {
            // One unreadable value refuses its document; the others are still read, so that the
            // user sees every one at once.
            recusas.append(IdentificaDocumento(saida, onde, d.docinicial) + e.description());
            continue;
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
