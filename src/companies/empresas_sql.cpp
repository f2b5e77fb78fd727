#include "companies/empresas_sql.h"

#include "platform/values/RuntimeError.h"

namespace Empresas {

using platform::db::Param;
using platform::db::Params;
using platform::db::Transaction;

namespace {

// The columns both statements write, in the order of the window's fields, with the value of each.
Params valoresComuns(const DadosEmpresa& e) {
    return {e.nome,
            e.endereco,
            e.numero,
            e.complemento,
            e.bairro,
            e.cidade,
            e.uf,
            e.cep,
            e.cMun,
            e.xPais,
            e.cPais,
            e.cgc,
            e.inscr_estadual,
            e.cei,
            e.ccm,
            e.data_cadastro,
            e.cnae,
            e.situ,
            e.atividade,
            e.contato1,
            e.contato2,
            e.ddd,
            e.fax,
            e.fone1,
            e.fone2,
            e.email,
            e.homepage,
            e.perc_ipi,
            e.perc_convenio,
            e.irpj_vendas,
            e.irpj_servicos,
            e.tipo_empresa,
            e.fundacao,
            e.tpescri,
            e.tpipi,
            e.tpiss,
            e.icms,
            e.gricms,
            e.sp,
            e.observacao};
}

const QString ColunasComuns = QStringLiteral(
    "nome,endereco,numero,complemento,bairro,cidade,uf,cep,cMun,xPais,cPais,cgc,inscr_estadual,cei,"
    "ccm,data_cadastro,cnae,situ,atividade,contato1,contato2,ddd,fax,fone1,fone2,email,homepage,"
    "perc_ipi,perc_convenio,irpj_vendas,irpj_servicos,tipo_empresa,fundacao,tpescri,tpipi,tpiss,icms,"
    "gricms,sp,observacao");

}  // namespace

Recordset LeEmpresa(Connection& db, qint64 codigo) {
    return db.OpenRecordset(QStringLiteral("SELECT * FROM Empresas Where Codigo = ?"), {codigo});
}

void InsereEmpresa(Connection& db, const DadosEmpresa& empresa) {
    Params valores{empresa.codigo};
    for (Param& p : valoresComuns(empresa)) valores.push_back(std::move(p));
    // The working period, null for a new company, stands before the remarks.
    valores.insert(valores.end() - 1, platform::db::DbNull);
    QString marcas = QStringLiteral("?");
    for (std::size_t i = 1; i < valores.size(); ++i) marcas += QStringLiteral(",?");
    QString colunas = ColunasComuns;
    colunas.replace(QStringLiteral(",observacao"), QStringLiteral(",mes_base_fiscal,observacao"));
    db.Execute(QStringLiteral("INSERT INTO Empresas (codigo,") + colunas + QStringLiteral(")VALUES (") +
                   marcas + u')',
               valores);
}

long long AtualizaEmpresa(Connection& db, const DadosEmpresa& empresa) {
    Params valores = valoresComuns(empresa);
    QString atribuicoes;
    for (const QString& coluna : ColunasComuns.split(u',')) {
        if (!atribuicoes.isEmpty()) atribuicoes += u',';
        atribuicoes += coluna + QStringLiteral(" = ?");
    }
    valores.push_back(empresa.codigo);
    return db.Execute(
        QStringLiteral("UPDATE Empresas Set ") + atribuicoes + QStringLiteral(" Where codigo = ?"), valores);
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
        const QString coluna = NomeTabela(tabela) + u'.' + NomeTabela(c.coluna);
        filtro.clausula += filtro.clausula.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        filtro.clausula += coluna + QStringLiteral(" >= ? AND ") + coluna + QStringLiteral(" <= ?");
        if (c.tipo == u"N") {
            filtro.valores.push_back(c.deNumero);
            filtro.valores.push_back(c.ateNumero);
        } else {
            filtro.valores.push_back(c.de);
            filtro.valores.push_back(c.ate);
        }
    }
    return filtro;
}

qint64 ContaEmpresas(Connection& db, const QString& tabela, const FiltroEmpresas& filtro) {
    return db
        .OpenRecordset(
            QStringLiteral("SELECT Count(codigo) As I FROM ") + NomeTabela(tabela) + filtro.clausula,
            filtro.valores)
        .Fields(QStringLiteral("I"))
        .toLongLong();
}

Recordset ListaEmpresas(Connection& db, const QString& tabela, const FiltroEmpresas& filtro) {
    return db.OpenRecordset(
        QStringLiteral("SELECT codigo,nome,cgc,inscr_estadual,cei,uf,mes_base_fiscal FROM ") +
            NomeTabela(tabela) + filtro.clausula + QStringLiteral(" ORDER BY codigo"),
        filtro.valores);
}

const QString& NomeTabela(const QString& nome) {
    bool valido = !nome.isEmpty();
    for (QChar c : nome)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'_') valido = false;
    if (!valido)
        throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument,
                                             QStringLiteral("Nome de tabela inválido: ") + nome);
    return nome;
}

void GravaPeriodo(Connection& db, qint64 codigo, const QDate& periodo) {
    db.Execute(QStringLiteral("UPDATE Empresas Set mes_base_fiscal = ? Where Codigo = ?"),
               {QDate(periodo.year(), periodo.month(), 1), codigo});
}

}  // namespace Empresas
