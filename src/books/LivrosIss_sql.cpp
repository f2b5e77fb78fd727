#include "books/LivrosIss_sql.h"

#include "books/ConfereDocumento.h"
#include "books/documentos_sql.h"
#include "platform/db/Recordset.h"

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

// The lines of `docs` into the work tables; the net amount of model 53 (the note less materials and
// sub-contracted works) is checked as the stored amounts are.
bool Prepara(Connection& cadastro, const std::vector<DocumentoIss>& docs, const QString& tabela,
             Modelo modelo) {
    std::vector<LinhaIss> linhas;
    linhas.reserve(docs.size());
    for (const DocumentoIss& d : docs) try {
            const LinhaIss& l = linhas.emplace_back(LinhaDoLivro(modelo, d));
            const QString liquido = QStringLiteral("base - (materiais + subempr)");
            Livros::ConfereCalculado(liquido, l.base);
            Livros::ConfereCalculado(liquido, l.isentas);
        } catch (const platform::db::Error& e) {
            throw platform::db::inDocument(e, tabela, d.docinicial);
        }
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
}  // namespace

std::vector<DocumentoIss> LeDocumentos(Connection& movimento, const QDate& periodo) {
    const QString tabela = movimento::TabelaMes(movimento::Iss, periodo.month());
    // The numbers of a day in the order of their values: 9 before 10.
    static const auto colunas =
        movimento::Projeta<DocumentoIss>({"datalan", "codserv", "serie", "docinicial", "docfinal", "base",
                                          "aliq", "iss", "materiais", "subempr", "tipo", "observ"});
    movimento::LeituraMes<DocumentoIss> leitura(
        movimento, tabela, colunas,
        QStringLiteral("ORDER BY substr(datalan, 1, 10), CAST(docinicial AS INTEGER), docinicial"));
    Recordset& rs = leitura.Linhas();
    std::vector<DocumentoIss> docs;
    docs.reserve(std::size_t(rs.RecordCount()));
    const DocumentoIss nenhum;
    for (; !rs.Eof(); rs.MoveNext()) try {
            const DocumentoIss& anterior = docs.empty() ? nenhum : docs.back();
            DocumentoIss d;
            leitura.Le(d, anterior);
            Livros::ConfereDatas(periodo, d.datalan);
            Livros::ConfereValores(colunas, d);
            docs.push_back(std::move(d));
        } catch (const platform::db::Error& e) {
            throw platform::db::inDocument(e, tabela, rs.Fields(QStringLiteral("docinicial")).toString());
        }
    Livros::ConfereOutrasTabelas(movimento, tabela, periodo);
    return docs;
}

bool PreparaLivroIss(Connection& cadastro, Connection& movimento, const QDate& periodo, Modelo modelo) {
    const QString tabela = movimento::TabelaMes(movimento::Iss, periodo.month());
    return Livros::SomasDoLivro(QStringLiteral("livro de ISS"), tabela, [&] {
        return Prepara(cadastro, LeDocumentos(movimento, periodo), tabela, modelo);
    });
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
