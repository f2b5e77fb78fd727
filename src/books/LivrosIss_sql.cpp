#include "books/LivrosIss_sql.h"

#include "platform/db/Recordset.h"
#include "platform/db/TableNames.h"

namespace LivrosIss {

using platform::db::DbNull;
using platform::db::Param;
using platform::db::Recordset;

namespace {

Param Data(const QDate& data) { return data.isValid() ? Param(data) : Param(DbNull); }

const QString Insere53 = QStringLiteral(
    "INSERT INTO MovISS53(codserv,docinicial,docfinal,datalan,vlrnota,materiais,subempr,base,aliq,iss,"
    "isentas,tipo,observ) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)");

const QString Insere51 = QStringLiteral(
    "INSERT INTO MovISS51(codserv,datalan,serie,docinicial,docfinal,base,aliq,iss,isentas,remessas,observ) "
    "VALUES (?,?,?,?,?,?,?,?,?,?,?)");

void Insere(Connection& cadastro, Modelo modelo, const LinhaIss& l) {
    if (modelo == Modelo::M53)
        cadastro.Execute(Insere53, {l.codserv, l.docinicial, l.docfinal, Data(l.datalan), l.vlrnota,
                                    l.materiais, l.subempr, l.base, l.aliq, l.iss, l.isentas,
                                    l.tipo.isNull() ? Param(DbNull) : Param(l.tipo), l.observ});
    else
        cadastro.Execute(Insere51, {l.codserv, Data(l.datalan), l.serie, l.docinicial, l.docfinal, l.base,
                                    l.aliq, l.iss, l.isentas, l.remessas, l.observ});
}

}  // namespace

std::vector<DocumentoIss> LeDocumentos(Connection& movimento, int mes) {
    // The numbers of a day in the order of their values: 9 before 10.
    const QString tabela = platform::db::monthTable(QStringLiteral("DIGISS"), mes);
    Recordset rs;
    rs.Open(movimento, QStringLiteral("SELECT datalan,codserv,serie,docinicial,docfinal,base,aliq,iss,"
                                      "materiais,subempr,tipo,observ FROM ") +
                           tabela +
                           QStringLiteral(" ORDER BY datalan, CAST(docinicial AS INTEGER), docinicial"));
    std::vector<DocumentoIss> docs;
    for (; !rs.Eof(); rs.MoveNext()) try {
            DocumentoIss d;
            d.datalan = rs.Fields(QStringLiteral("datalan")).toDate();
            d.codserv = rs.Fields(QStringLiteral("codserv")).toString();
            d.serie = rs.Fields(QStringLiteral("serie")).toString();
            d.docinicial = rs.Fields(QStringLiteral("docinicial")).toString();
            const auto docfinal = rs.Fields(QStringLiteral("docfinal"));
            d.temDocfinal = !docfinal.isNull();
            d.docfinal = docfinal.toString().trimmed().toLongLong();
            d.base = rs.Fields(QStringLiteral("base")).toCurrency();
            d.aliq = rs.Fields(QStringLiteral("aliq")).toCurrency();
            d.iss = rs.Fields(QStringLiteral("iss")).toCurrency();
            d.materiais = rs.Fields(QStringLiteral("materiais")).toCurrency();
            d.subempr = rs.Fields(QStringLiteral("subempr")).toCurrency();
            const auto tipo = rs.Fields(QStringLiteral("tipo"));
            d.tipo = tipo.isNull() ? QString() : tipo.toString();
            d.observ = rs.Fields(QStringLiteral("observ")).toString();
            docs.push_back(d);
        } catch (const platform::db::Error& e) {
            throw platform::db::inDocument(e, tabela, rs.Fields(QStringLiteral("docinicial")).toString());
        }
    return docs;
}

bool PreparaLivroIss(Connection& cadastro, Connection& movimento, int mes, Modelo modelo) {
    const std::vector<DocumentoIss> docs = LeDocumentos(movimento, mes);
    std::vector<LinhaIss> linhas;
    linhas.reserve(docs.size());
    for (const DocumentoIss& d : docs) linhas.push_back(LinhaDoLivro(modelo, d));

    platform::db::Transaction t(cadastro);
    cadastro.Execute(QStringLiteral("DELETE FROM MovAliqIss"));
    cadastro.Execute(QStringLiteral("DELETE FROM MovIss53"));
    cadastro.Execute(QStringLiteral("DELETE FROM MovIss51"));
    for (const LinhaIss& l : linhas) Insere(cadastro, modelo, l);
    for (const TotalAliquotaIss& a : SomaPorAliquota(linhas))
        cadastro.Execute(QStringLiteral("INSERT INTO MovAliqIss(aliq,base,iss) VALUES (?,?,?)"),
                         {a.aliq, a.base, a.iss});
    t.commit();
    return docs.empty();
}

void TabelasDaEmissao(Connection& cadastro) {
    cadastro.PrivateTables(
        {QStringLiteral("MovIss51"), QStringLiteral("MovIss53"), QStringLiteral("MovAliqIss")});
}

EmpresaIss LeEmpresaIss(Connection& cadastro, qint64 codigo) {
    Recordset rs;
    rs.Open(
        cadastro,
        QStringLiteral("SELECT nome,endereco,numero,complemento,inscr_estadual,ccm,cgc FROM Empresas WHERE "
                       "codigo = ?"),
        {codigo});
    if (rs.Eof()) return {};
    const auto texto = [&rs](const char* coluna) {
        return rs.Fields(QString::fromLatin1(coluna)).toString();
    };
    return {texto("nome"),           texto("endereco"), texto("numero"), texto("complemento"),
            texto("inscr_estadual"), texto("ccm"),      texto("cgc")};
}

}  // namespace LivrosIss
