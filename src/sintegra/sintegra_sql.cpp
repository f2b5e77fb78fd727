#include "sintegra/sintegra_sql.h"

#include <algorithm>
#include <optional>

#include "movement/ValoresGuardados.h"
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

namespace {

// Why the current row of `rs` gives no document, after `falha` stopped its reading (none: it was
// read): a missing entry date, an entry date or issue date that cannot be read as a day, or the
// failure itself. An empty text is no date, as NULL is.
QString Recusa(const Recordset& rs, const platform::values::RuntimeError* falha) {
    const auto vazia = [&rs](const QString& coluna) {
        return rs.Fields(coluna).isNull() || rs.Fields(coluna).toString().isEmpty();
    };
    const auto ilegivel = [&](const QString& coluna, const char* rotulo) -> std::optional<QString> {
        if (vazia(coluna)) return std::nullopt;
        try {
            rs.Fields(coluna).toDate();
            return std::nullopt;
        } catch (const platform::values::RuntimeError&) {
            return QString::fromUtf8(rotulo) + QStringLiteral(" ilegível: \"") +
                   rs.Fields(coluna).toString() + u'"';
        }
    };
    if (vazia(QStringLiteral("datalan"))) return QStringLiteral("Data de lançamento ausente");
    if (const auto e = ilegivel(QStringLiteral("datalan"), "Data de lançamento")) return *e;
    if (const auto e = ilegivel(QStringLiteral("demiss"), "Data de emissão")) return *e;
    return falha ? falha->description() : QString();
}

}  // namespace

void LeDocumentos(Connection& movimento, const QString& tabela, bool saida, bool doPeriodo,
                  const QDate& inicio, const QDate& fim, QStringList& recusas,
                  const std::function<void(const DocumentoIcms&)>& documento) {
    // The columns the file takes, found in the map once.
    static const auto colunas = movimento::Projeta<DocumentoIcms>(
        {"docinicial", "datalan", "demiss", "especie", "serie", "cgc", "uf", "codfiscal", "vlrcontabil",
         "baseicms", "isenicms", "outricms", "valricms", "aliqicms"});
    // A date is the day its first ten characters name, whatever another tool wrote after them
    // ("2004-03-31 00:00:00"). One missing, stored in another form, or not a day of the calendar
    // ('2003-02-31', '0000-00-00', '15/03/2003') is taken too, to be refused rather than left out
    // without a word.
    static const QString ilegivel =
        QStringLiteral(" OR datalan IS NULL OR date(substr(datalan, 1, 10)) IS NOT substr(datalan, 1, 10)");
    static const QString ordem = QStringLiteral(" ORDER BY substr(datalan, 1, 10), cgc, docinicial, codauto");
    const QDate primeiroDia(inicio.year(), movimento::MesDaTabela(tabela), 1);
    const QDate ultimoDia(inicio.year(), primeiroDia.month(), primeiroDia.daysInMonth());
    QString condicao;
    platform::db::Params valores{inicio, fim};
    if (!saida) {
        // An entry is in the file of its entry date; one that its month's table does not hold would be
        // in no file: it is taken to be refused, in its table's generation and in each whose period
        // holds its date.
        condicao = QStringLiteral("WHERE substr(datalan, 1, 10) BETWEEN ? AND ?");
        if (doPeriodo) {
            condicao += QStringLiteral(" OR substr(datalan, 1, 10) NOT BETWEEN ? AND ?") + ilegivel;
            valores.insert(valores.end(), {primeiroDia, ultimoDia});
        }
    } else {
        // An exit issued in another month of the year is in that month's file, whichever table holds it;
        // one issued in another year is in no file of this database.
        condicao =
            QStringLiteral("WHERE substr(coalesce(nullif(demiss, ''), datalan), 1, 10) BETWEEN ? AND ?");
        if (doPeriodo) {
            condicao += QStringLiteral(
                            " OR substr(datalan, 1, 10) BETWEEN ? AND ? AND (substr(demiss, 1, 10) NOT "
                            "BETWEEN ? AND ? OR date(substr(demiss, 1, 10)) IS NOT substr(demiss, 1, 10))") +
                        ilegivel;
            valores.insert(valores.end(),
                           {inicio, fim, QDate(inicio.year(), 1, 1), QDate(inicio.year(), 12, 31)});
        }
    }
    movimento::LeituraMes<DocumentoIcms> leitura(movimento, tabela, colunas, condicao + ordem, valores);
    Recordset& rs = leitura.Linhas();
    // Two documents serve the whole month in turns: the one read and the one before, whose repeated
    // texts the next shares.
    DocumentoIcms lidos[2];
    int atual = 0;
    bool algum = false;
    const DocumentoIcms nenhum;
    const QString onde = tabela.toUpper();
    for (; !rs.Eof(); rs.MoveNext()) {
        DocumentoIcms& d = lidos[atual];
        QString recusa;
        try {
            leitura.Le(d, algum ? lidos[1 - atual] : nenhum);
            if (!d.datalan.isValid())
                recusa = Recusa(rs, nullptr);
            else if (!saida && (d.datalan < primeiroDia || d.datalan > ultimoDia))
                recusa = movimento::DatasForaDoMes(primeiroDia, d.datalan, nullptr, false).front();
        } catch (const platform::values::RuntimeError& e) {
            recusa = Recusa(rs, &e);
        }
        // One unreadable value refuses its document; the others are still read, so that the user sees
        // every one at once.
        if (!recusa.isEmpty()) {
            recusas.append(
                IdentificaDocumento(saida, onde, rs.Fields(QStringLiteral("docinicial")).toString()) +
                recusa);
            continue;
        }
        documento(d);
        atual = 1 - atual;
        algum = true;
    }
}

void ApagaRegSint(Connection& cadastro) { cadastro.Execute(QStringLiteral("DELETE FROM RegSint")); }

void InsereRegSint(Connection& cadastro, std::span<const RegistroSintegra> registros) {
    // One statement for each number of rows, built once: several rows a statement spare SQLite the
    // start and end of a statement for each register.
    static QString comandos[RegistrosPorComando + 1];
    while (!registros.empty()) {
        const auto parte = registros.first(std::min(registros.size(), RegistrosPorComando));
        registros = registros.subspan(parte.size());
        QString& comando = comandos[parte.size()];
        if (comando.isEmpty()) {
            comando = QStringLiteral(
                "INSERT INTO RegSint(regtip,cgc,inscr_estadual,demis,uf,modelo,serie,subserie,nrnf,cfop,"
                "vlrtot,baseicms,vlricms,vlrisent,vlroutr,aliqicms,situacao) VALUES");
            for (std::size_t i = 0; i < parte.size(); ++i)
                comando += (i ? QStringLiteral(",") : QString()) +
                           QStringLiteral("(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        }
        platform::db::Params valores;
        valores.reserve(parte.size() * 17);
        for (const RegistroSintegra& r : parte)
            for (const QString* v : {&r.regtip, &r.cgc, &r.inscr_estadual, &r.demis, &r.uf, &r.modelo,
                                     &r.serie, &r.subserie, &r.nrnf, &r.cfop, &r.vlrtot, &r.baseicms,
                                     &r.vlricms, &r.vlrisent, &r.vlroutr, &r.aliqicms, &r.situacao})
                valores.emplace_back(*v);
        cadastro.Execute(comando, valores);
    }
}

}  // namespace sintegra
