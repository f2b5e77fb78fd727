#include "books/documentos_sql.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

#include "platform/values/RuntimeError.h"
#include "platform/values/TextCompare.h"

namespace Livros {

using platform::db::Params;
using platform::db::Recordset;
using platform::values::compareText;
using platform::values::Currency;
using platform::values::foldCase;

namespace {

// The columns the books read, in the order DocumentoDaLinha takes them.
const QString Colunas = QStringLiteral(
    "datalan,demiss,especie,serie,docinicial,docfinal,cgc,uf,codfiscal,observ,vlrcontabil,"
    "baseicms0,aliqicms0,valricms0,isenicms0,outricms0,baseicms1,aliqicms1,valricms1,isenicms1,outricms1,"
    "baseicms2,aliqicms2,valricms2,isenicms2,outricms2,baseicms3,aliqicms3,valricms3,isenicms3,outricms3,"
    "baseicms4,aliqicms4,valricms4,isenicms4,outricms4,baseipi,valripi,isenipi,outripi,fonteicms");

QString TabelaValida(Livro livro, const QString& tabela) {
    static const QRegularExpression entradas(QStringLiteral("^DIGE(0[1-9]|1[0-2])$"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression saidas(QStringLiteral("^DIGS(0[1-9]|1[0-2])$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (!(livro == Livro::Entradas ? entradas : saidas).match(tabela).hasMatch())
        throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument);
    return tabela;
}

DocumentoIcms DocumentoDaLinha(const Recordset& rs) {
    Recordset::RowValues v(rs);
    DocumentoIcms d;
    d.datalan = v.date();
    d.demiss = v.date();
    for (QString* texto :
         {&d.especie, &d.serie, &d.docinicial, &d.docfinal, &d.cgc, &d.uf, &d.codfiscal, &d.observ})
        *texto = v.text();
    d.vlrcontabil = v.currency();
    for (ItemIcms& item : d.itens)
        for (Currency* valor : {&item.base, &item.aliquota, &item.icms, &item.isento, &item.outros})
            *valor = v.currency();
    for (Currency* valor : {&d.baseipi, &d.valripi, &d.isenipi, &d.outripi, &d.fonteicms})
        *valor = v.currency();
    return d;
}

}  // namespace

std::vector<DocumentoIcms> LeDocumentos(Connection& movimento, Livro livro, const QString& tabela,
                                        const std::optional<FaixaDias>& faixa) {
    QString sql =
        QStringLiteral("SELECT ") + Colunas + QStringLiteral(" FROM ") + TabelaValida(livro, tabela);
    Params params;
    if (faixa) {
        sql += faixa->porEmissao ? QStringLiteral(" WHERE Demiss BETWEEN ? AND ?")
                                 : QStringLiteral(" WHERE Datalan BETWEEN ? AND ?");
        params = {faixa->inicio, faixa->fim};
    }
    sql += QStringLiteral(" ORDER BY codauto");
    Recordset rs = movimento.OpenRecordset(sql, params);
    std::vector<DocumentoIcms> documentos;
    documentos.reserve(std::size_t(rs.RecordCount()));
    for (; !rs.Eof(); rs.MoveNext()) documentos.push_back(DocumentoDaLinha(rs));
    // The book's order is the one "ORDER BY datalan, cgc, docinicial" gives (entries; the exits leave
    // out cgc), taken here in memory with the same text comparison: the database would convert every
    // text it compares for the collation, which costs more than reading the month. Documents equal in
    // all three keep the order in which they were entered.
    const bool porCgc = livro == Livro::Entradas;
    std::vector<const DocumentoIcms*> ordem;
    ordem.reserve(documentos.size());
    for (const DocumentoIcms& d : documentos) ordem.push_back(&d);
    std::stable_sort(ordem.begin(), ordem.end(), [porCgc](const DocumentoIcms* a, const DocumentoIcms* b) {
        if (a->datalan != b->datalan)
            return !a->datalan.isValid() || (b->datalan.isValid() && a->datalan < b->datalan);
        if (porCgc) {
            const int c = compareText(a->cgc, b->cgc);
            if (c != 0) return c < 0;
        }
        return compareText(a->docinicial, b->docinicial) < 0;
    });
    std::vector<DocumentoIcms> ordenados;
    ordenados.reserve(documentos.size());
    for (const DocumentoIcms* d : ordem) ordenados.push_back(std::move(*const_cast<DocumentoIcms*>(d)));
    return ordenados;
}

QHash<QString, Participante> LeParticipantes(Connection& cadastro, Livro livro,
                                             const std::vector<DocumentoIcms>& documentos) {
    QSet<QString> vistos;
    QJsonArray numeros;
    for (const DocumentoIcms& d : documentos)
        if (!vistos.contains(d.cgc)) {
            vistos.insert(d.cgc);
            numeros.append(d.cgc);
        }
    // The numbers go in as one bound JSON array, so the query is one whatever the month holds.
    const QString tabela = livro == Livro::Entradas ? QStringLiteral("ForGeral") : QStringLiteral("CliGeral");
    Recordset rs = cadastro.OpenRecordset(
        QStringLiteral("SELECT cgc, nome, ie FROM ") + tabela +
            QStringLiteral(" WHERE cgc IN (SELECT value FROM json_each(?)) ORDER BY rowid"),
        {QString::fromUtf8(QJsonDocument(numeros).toJson(QJsonDocument::Compact))});
    QHash<QString, Participante> participantes;
    participantes.reserve(rs.RecordCount());
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString chave = foldCase(rs.Fields(0).toString());
        if (!participantes.contains(chave))
            participantes.insert(chave, {rs.Fields(1).toString(), rs.Fields(2).toString()});
    }
    return participantes;
}

}  // namespace Livros
