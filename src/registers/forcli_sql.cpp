#include "registers/forcli_sql.h"

#include "platform/values/RuntimeError.h"

namespace registers::forcli {

using platform::db::Connection;
using platform::db::Params;
using platform::db::Recordset;

namespace {

const QString ColunasInsert =
    QStringLiteral("(cgc,nome,ie,endereco,bairro,cidade,uf,cep,numero,complemento,CodMun,xPais,cPais)");

Params valoresInsert(const Parceiro& p) {
    return {p.cgc, p.nome,   p.ie,          p.endereco, p.bairro, p.cidade, p.uf,
            p.cep, p.numero, p.complemento, p.CodMun,   p.xPais,  p.cPais};
}

void insere(Connection& cn, const QString& tabela, const Parceiro& p) {
    cn.Execute(QStringLiteral("INSERT INTO ") + tabela + ColunasInsert +
                   QStringLiteral(" VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"),
               valoresInsert(p));
}

}  // namespace

QString TabelaValida(const QString& tabela) {
    if (tabela.compare(Fornecedores, Qt::CaseInsensitive) == 0) return Fornecedores;
    if (tabela.compare(Clientes, Qt::CaseInsensitive) == 0) return Clientes;
    throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument);
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
    cn.Execute(QStringLiteral("UPDATE ") + TabelaValida(tabela) +
                   QStringLiteral(" Set nome = ?,ie = ?,endereco = ?,bairro = ?,cidade = ?,UF = ?,cep = ?,"
                                  "numero = ?,complemento = ?,codMun = ?,xPais = ?,cPais = ? WHERE cgc = ?"),
               {p.nome, p.ie, p.endereco, p.bairro, p.cidade, p.uf, p.cep, p.numero, p.complemento, p.CodMun,
                p.xPais, p.cPais, p.cgc});
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
