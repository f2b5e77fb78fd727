#include "movement/movimento_sql.h"

#include "platform/db/ColumnList.h"
#include "platform/db/TableNames.h"
#include "platform/values/RuntimeError.h"

namespace movimento {

using platform::db::Connection;
using platform::db::Recordset;

namespace {

[[noreturn]] void NomeInvalido(const QString& texto) {
    throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument,
                                         QStringLiteral("Tabela de movimento inválida: ") + texto);
}

// `tabela` when TabelaMes makes it; a run-time error otherwise.
const QString& Valida(const QString& tabela) {
    for (const QString& familia : {Iss, Entradas, Saidas}) {
        if (!tabela.startsWith(familia, Qt::CaseInsensitive)) continue;
        bool numero = false;
        const int mes = tabela.mid(familia.size()).toInt(&numero);
        if (numero && tabela.size() == familia.size() + 2 && TabelaMes(familia, mes) == tabela.toUpper())
            return tabela;
        break;
    }
    NomeInvalido(tabela);
}

}  // namespace

QString TabelaMes(const QString& familia, int mes) {
    const bool conhecida = familia.compare(Entradas, Qt::CaseInsensitive) == 0 ||
                           familia.compare(Saidas, Qt::CaseInsensitive) == 0 ||
                           familia.compare(Iss, Qt::CaseInsensitive) == 0;
    if (!conhecida) NomeInvalido(familia + QString::number(mes));
    return platform::db::monthTable(familia.toUpper(), mes);
}

qint64 ProximoCodigo(Connection& banco, const QString& tabela) {
    const QString t = Valida(tabela);
    return banco
        .OpenRecordset(QStringLiteral("SELECT MAX(COALESCE((SELECT MAX(codauto) FROM ") + t +
                           QStringLiteral("), 0), COALESCE((SELECT seq FROM sqlite_sequence "
                                          "WHERE name = ? COLLATE NOCASE), 0)) + 1"),
                       {t})
        .Fields(0)
        .toLongLong();
}

Recordset LeDocumento(Connection& banco, const QString& tabela, qint64 codauto) {
    return banco.OpenRecordset(
        QStringLiteral("Select * FROM ") + Valida(tabela) + QStringLiteral(" Where codauto = ?"), {codauto});
}

Recordset ListaIcms(Connection& banco, const QString& tabela) {
    return banco.OpenRecordset(QStringLiteral("SELECT codauto,Datalan,cgc,codfiscal,uf,vlrcontabil FROM ") +
                               Valida(tabela) + QStringLiteral(" ORDER BY codauto"));
}

Recordset ListaIss(Connection& banco, const QString& tabela) {
    return banco.OpenRecordset(QStringLiteral("SELECT codauto,Datalan,base,iss FROM ") + Valida(tabela) +
                               QStringLiteral(" ORDER BY codauto"));
}

namespace {
platform::db::ColumnList ColunasIss(const DadosIss& d) {
    platform::db::ColumnList c;
    c.add(QStringLiteral("datalan"), d.datalan)
        .add(QStringLiteral("codserv"), d.codserv)
        .add(QStringLiteral("serie"), d.serie)
        .add(QStringLiteral("docinicial"), QString::number(d.docinicial))
        .add(QStringLiteral("docfinal"), QString::number(d.docfinal))
        .add(QStringLiteral("talao"), d.talao)
        .add(QStringLiteral("base"), d.base)
        .add(QStringLiteral("aliq"), d.aliq)
        .add(QStringLiteral("iss"), d.iss)
        .add(QStringLiteral("ir"), d.ir)
        .add(QStringLiteral("tipo"), QString(d.tipo))
        .add(QStringLiteral("observ"), d.observ)
        .add(QStringLiteral("subempr"), d.subempr)
        .add(QStringLiteral("materiais"), d.materiais);
    return c;
}
}  // namespace

qint64 InsereIss(Connection& banco, const QString& tabela, const DadosIss& d) {
    return ColunasIss(d).insert(banco, Valida(tabela));
}

long long AlteraIss(Connection& banco, const QString& tabela, qint64 codauto, const DadosIss& d) {
    platform::db::ColumnList chave;
    chave.add(QStringLiteral("codauto"), codauto);
    return ColunasIss(d).update(banco, Valida(tabela), chave);
}

}  // namespace movimento
