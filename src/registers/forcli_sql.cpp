#include "registers/forcli_sql.h"

#include "platform/db/ColumnList.h"
#include "platform/db/TableNames.h"
#include "platform/values/RuntimeError.h"

namespace registers::forcli {

using platform::db::ColumnList;
using platform::db::Connection;
using platform::db::Recordset;
using namespace Qt::StringLiterals;

namespace {

// Every column of a party but its key, each with its value.
ColumnList colunas(const Parceiro& p) {
    ColumnList c;
    c.add(u"nome"_s, p.nome).add(u"ie"_s, p.ie).add(u"endereco"_s, p.endereco).add(u"bairro"_s, p.bairro);
    c.add(u"cidade"_s, p.cidade).add(u"uf"_s, p.uf).add(u"cep"_s, p.cep).add(u"numero"_s, p.numero);
    c.add(u"complemento"_s, p.complemento).add(u"CodMun"_s, p.CodMun).add(u"xPais"_s, p.xPais);
    c.add(u"cPais"_s, p.cPais);
    return c;
}

ColumnList chave(const QString& cgc) { return ColumnList().add(u"cgc"_s, cgc); }

void insere(Connection& cn, const QString& tabela, const Parceiro& p) {
    ColumnList c = colunas(p);
    c.add(u"cgc"_s, p.cgc);
    cn.Execute(c.insertSql(tabela), c.values());
}

}  // namespace

QString TabelaValida(const QString& tabela) {
    const QString nome = platform::db::tableName(tabela);
    if (nome != Fornecedores && nome != Clientes)
        throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument);
    return nome;
}

Recordset Procura(Connection& cn, const QString& tabela, const QString& cgc) {
    return cn.OpenRecordset(
        QStringLiteral("SELECT * FROM ") + TabelaValida(tabela) + QStringLiteral(" Where Cgc = ?"), {cgc});
}

Parceiro LeParceiro(const Recordset& rs) {
    auto t = [&](const char* nome) { return rs.Fields(QString::fromLatin1(nome)).toString(); };
    return {t("cgc"),    t("nome"), t("ie"),  t("endereco"), t("numero"), t("complemento"), t("bairro"),
            t("cidade"), t("uf"),   t("cep"), t("CodMun"),   t("xPais"),  t("cPais")};
}

bool Existe(Connection& cn, const QString& tabela, const QString& cgc) {
    return !cn.OpenRecordset(QStringLiteral("SELECT cgc FROM ") + TabelaValida(tabela) +
                                 QStringLiteral(" Where Cgc = ?"),
                             {cgc})
                .Eof();
}

void Inclui(Connection& cn, const QString& tabela, const Parceiro& p) { insere(cn, TabelaValida(tabela), p); }

void IncluiDupla(Connection& cn, const Parceiro& p) {
    platform::db::Transaction tr(cn);
    insere(cn, QStringLiteral("cligeral"), p);
    insere(cn, QStringLiteral("forgeral"), p);
    tr.commit();
}

void Altera(Connection& cn, const QString& tabela, const Parceiro& p) {
    colunas(p).update(cn, TabelaValida(tabela), chave(p.cgc));
}

void Exclui(Connection& cn, const QString& tabela, const QString& cgc) {
    cn.Execute(QStringLiteral("DELETE FROM ") + TabelaValida(tabela) + QStringLiteral(" WHERE cgc = ?"),
               {cgc});
}

bool LeInclusaoDupla(Connection& cn) {
    Recordset rs = cn.OpenRecordset(QStringLiteral("SELECT pincforcli FROM parametros"));
    return !rs.Eof() && rs.Fields(QStringLiteral("pincforcli")).toBool();
}

void GravaInclusaoDupla(Connection& cn, bool valor) {
    cn.Execute(QStringLiteral("UPDATE Parametros Set pincforcli = ?"), {valor});
}

Recordset Impressao(Connection& cn, const QString& tabela) {
    return cn.OpenRecordset(QStringLiteral("SELECT cgc,nome FROM ") + TabelaValida(tabela) +
                            QStringLiteral(" ORDER BY cgc"));
}

Recordset Pesquisa(Connection& cn, const QString& tabela) {
    return cn.OpenRecordset(QStringLiteral("SELECT cgc,nome,ie,uf FROM ") + TabelaValida(tabela) +
                            QStringLiteral(" Order By cgc"));
}

}  // namespace registers::forcli
