#include "companies/empresas_sql.h"

#include "platform/db/ColumnList.h"
#include "platform/db/TableNames.h"

namespace Empresas {

using platform::db::ColumnList;
using platform::db::Transaction;
using namespace Qt::StringLiterals;

namespace {

const QString Tabela = QStringLiteral("Empresas");

// Every column the window edits, each with its value: both statements write these.
ColumnList colunasComuns(const DadosEmpresa& e) {
    ColumnList c;
    c.add(u"nome"_s, e.nome).add(u"endereco"_s, e.endereco).add(u"numero"_s, e.numero);
    c.add(u"complemento"_s, e.complemento).add(u"bairro"_s, e.bairro).add(u"cidade"_s, e.cidade);
    c.add(u"uf"_s, e.uf).add(u"cep"_s, e.cep).add(u"cMun"_s, e.cMun).add(u"xPais"_s, e.xPais);
    c.add(u"cPais"_s, e.cPais).add(u"cgc"_s, e.cgc).add(u"inscr_estadual"_s, e.inscr_estadual);
    c.add(u"cei"_s, e.cei).add(u"ccm"_s, e.ccm).add(u"data_cadastro"_s, e.data_cadastro);
    c.add(u"cnae"_s, e.cnae).add(u"situ"_s, e.situ).add(u"atividade"_s, e.atividade);
    c.add(u"contato1"_s, e.contato1).add(u"contato2"_s, e.contato2).add(u"ddd"_s, e.ddd);
    c.add(u"fax"_s, e.fax).add(u"fone1"_s, e.fone1).add(u"fone2"_s, e.fone2).add(u"email"_s, e.email);
    c.add(u"homepage"_s, e.homepage).add(u"perc_ipi"_s, e.perc_ipi).add(u"perc_convenio"_s, e.perc_convenio);
    c.add(u"irpj_vendas"_s, e.irpj_vendas).add(u"irpj_servicos"_s, e.irpj_servicos);
    c.add(u"tipo_empresa"_s, e.tipo_empresa).add(u"fundacao"_s, e.fundacao).add(u"tpescri"_s, e.tpescri);
    c.add(u"tpipi"_s, e.tpipi).add(u"tpiss"_s, e.tpiss).add(u"icms"_s, e.icms).add(u"gricms"_s, e.gricms);
    c.add(u"sp"_s, e.sp).add(u"observacao"_s, e.observacao);
    return c;
}

}  // namespace

Recordset LeEmpresa(Connection& db, qint64 codigo) {
    return db.OpenRecordset(QStringLiteral("SELECT * FROM Empresas Where Codigo = ?"), {codigo});
}

void InsereEmpresa(Connection& db, const DadosEmpresa& empresa) {
    ColumnList colunas = colunasComuns(empresa);
    colunas.add(u"codigo"_s, empresa.codigo);
    // The working period of a new company starts null.
    colunas.add(u"mes_base_fiscal"_s, platform::db::DbNull);
    db.Execute(colunas.insertSql(Tabela), colunas.values());
}

void ExcluiEmpresa(Connection& db, qint64 codigo, qint64 codauto) {
    Transaction t(db);
    db.Execute(QStringLiteral("DELETE FROM Enquadramento WHERE codempr = ?"), {codigo});
    db.Execute(QStringLiteral("DELETE FROM Terceiros WHERE codempr = ?"), {codauto});
    db.Execute(QStringLiteral("DELETE FROM Socios WHERE codempr = ?"), {codauto});
    db.Execute(QStringLiteral("DELETE FROM Contrato WHERE codempr = ?"), {codauto});
    db.Execute(QStringLiteral("DELETE FROM Empresas WHERE codauto = ?"), {codauto});
    t.commit();
}

Recordset LeEnquadramentos(Connection& db, qint64 codigo) {
    return db.OpenRecordset(
        QStringLiteral("SELECT Enquadramento.Denquadra, Tipo_Enquadr.Descricao, Enquadramento.codempr "
                       "FROM Tipo_Enquadr INNER JOIN Enquadramento ON Tipo_Enquadr.codtipo = "
                       "Enquadramento.codtipo WHERE enquadramento.codempr = ? "
                       "ORDER BY enquadramento.denquadra DESC"),
        {codigo});
}

Recordset LeCapitais(Connection& db, qint64 codauto) {
    return db.OpenRecordset(
        QStringLiteral("SELECT capital FROM contrato WHERE codempr = ? ORDER BY dregistro DESC"), {codauto});
}

FiltroEmpresas MontaFiltro(const QString& tabela, const std::vector<CondicaoFiltro>& condicoes) {
    FiltroEmpresas filtro;
    for (const CondicaoFiltro& c : condicoes) {
        const QString coluna = platform::db::tableName(tabela) + u'.' + platform::db::columnName(c.coluna);
        filtro.clausula += filtro.clausula.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        filtro.clausula += coluna + QStringLiteral(" >= ? AND ") + coluna + QStringLiteral(" <= ?");
        if (c.tipo == u"N") {
            filtro.valores.push_back(c.deNumero);
            filtro.valores.push_back(c.ateNumero);
        } else if (c.tipo == u"D") {
            filtro.valores.push_back(c.deData);
            filtro.valores.push_back(c.ateData);
        } else {
            filtro.valores.push_back(c.de);
            filtro.valores.push_back(c.ate);
        }
    }
    return filtro;
}

qint64 ContaEmpresas(Connection& db, const QString& tabela, const FiltroEmpresas& filtro) {
    return db
        .OpenRecordset(QStringLiteral("SELECT Count(codigo) As I FROM ") + platform::db::tableName(tabela) +
                           filtro.clausula,
                       filtro.valores)
        .Fields(QStringLiteral("I"))
        .toLongLong();
}

Recordset ListaEmpresas(Connection& db, const QString& tabela, const FiltroEmpresas& filtro) {
    return db.OpenRecordset(
        QStringLiteral("SELECT codigo,nome,cgc,inscr_estadual,cei,uf,mes_base_fiscal FROM ") +
            platform::db::tableName(tabela) + filtro.clausula + QStringLiteral(" ORDER BY codigo"),
        filtro.valores);
}

void GravaPeriodo(Connection& db, qint64 codigo, const QDate& periodo) {
    db.Execute(QStringLiteral("UPDATE Empresas Set mes_base_fiscal = ? Where Codigo = ?"),
               {QDate(periodo.year(), periodo.month(), 1), codigo});
}

bool EnquadradaComoMicro(Connection& db, qint64 codigo) {
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT codtipo FROM Enquadramento WHERE codempr = ? "
                                                   "ORDER BY denquadra DESC LIMIT 1"),
                                    {codigo});
    if (rs.Eof()) return false;
    const auto tipo = rs.Fields(0);
    if (tipo.isNull()) return true;
    const qint64 codtipo = tipo.toLongLong();
    return codtipo == 3 || codtipo == 5;
}

}  // namespace Empresas
