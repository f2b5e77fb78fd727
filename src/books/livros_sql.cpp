#include "books/livros_sql.h"

namespace Livros {

using platform::db::DbNull;
using platform::db::Param;

namespace {

// A first row's null date is written as null, as further rows' dates are.
Param Data(const QDate& data) { return data.isValid() ? Param(data) : Param(DbNull); }

// Rows written by one statement of GravaLinhas.
constexpr int LinhasPorComando = 32;

// The INSERT of `linhas` rows into the book's table.
QString InsercaoDeLinhas(Livro livro, int linhas) {
    const bool entradas = livro == Livro::Entradas;
    QString sql =
        entradas
            ? QStringLiteral(
                  "INSERT INTO MovEntrada(datalan,demiss,especie,serie,docinicial,cgc,inscrest,empresa,uf,"
                  "codfiscal,vlrcontabil,tipolan,tipoicms0,baseicms0,aliqicms0,valricms0,observ0,tipoicms1,"
                  "baseicms1,aliqicms1,valricms1,observ1) VALUES ")
            : QStringLiteral(
                  "INSERT INTO MovSaida(datalan,especie,serie,docinicial,docfinal,cgc,inscrest,empresa,uf,"
                  "codfiscal,vlrcontabil,tipolan,tipo0,base0,aliq0,valr0,isen0,outr0,observ0,tipo1,base1,"
                  "aliq1,valr1,isen1,outr1,observ1) VALUES ");
    const QString linha = entradas ? QStringLiteral("(?,?,?,?,?,?,?,?,?,?,?,'',?,?,?,?,?,?,?,?,?,?)")
                                   : QStringLiteral("(?,?,?,?,?,?,?,?,?,?,?,'',?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    for (int i = 0; i < linhas; ++i) {
        if (i) sql += u',';
        sql += linha;
    }
    return sql;
}

}  // namespace

void TabelasDaEmissao(Connection& cadastro) {
    cadastro.PrivateTables({QStringLiteral("MovEntrada"), QStringLiteral("MovSaida"),
                            QStringLiteral("MovTent"), QStringLiteral("MovTsai"), QStringLiteral("MovUf"),
                            QStringLiteral("MovUfnc"), QStringLiteral("MovAliq"),
                            QStringLiteral("MovTPara")});
}

void RecriaMovTPara(Connection& cadastro) {
    cadastro.Execute(QStringLiteral("DELETE FROM MovTPara"));
    cadastro.Execute(
        QStringLiteral("INSERT INTO MovTPara(Codigo,\"100\",\"200\",\"300\",\"500\",\"600\",\"700\") "
                       "Values(1,0,0,0,0,0,0)"));
}

void LimpaLivro(Connection& cadastro, Livro livro) {
    if (livro == Livro::Entradas) {
        cadastro.Execute(QStringLiteral("DELETE FROM MovEntrada"));
        cadastro.Execute(QStringLiteral("DELETE FROM MovTent"));
        cadastro.Execute(QStringLiteral("DELETE FROM MovUf"));
    } else {
        cadastro.Execute(QStringLiteral("DELETE FROM MovSaida"));
        cadastro.Execute(QStringLiteral("DELETE FROM MovTsai"));
        cadastro.Execute(QStringLiteral("DELETE FROM MovUf"));
        cadastro.Execute(QStringLiteral("DELETE FROM MovUfnc"));
    }
}

GravaLinhas::GravaLinhas(Connection& cadastro, Livro livro) : cadastro_(cadastro), livro_(livro) {}

void GravaLinhas::Insere(const LinhaTabela& linha) {
    const CabecalhoLivro& c = linha.cabecalho;
    const LinhaLivro& a = linha.linha0;
    const LinhaLivro& b = linha.linha1;
    // Each value is made once, in place (a braced list would copy every text twice).
    const auto acrescenta = [this](const auto&... valores) { (valores_.emplace_back(valores), ...); };
    if (livro_ == Livro::Entradas)
        acrescenta(Data(c.datalan), Data(c.demiss), c.especie, c.serie, c.docinicial, c.cgc, c.inscrest,
                   c.empresa, c.uf, c.codfiscal, c.vlrcontabil, a.tipo, a.base, a.aliquota, a.imposto,
                   a.observ, b.tipo, b.base, b.aliquota, b.imposto, b.observ);
    else
        acrescenta(Data(c.datalan), c.especie, c.serie, c.docinicial, c.docfinal, c.cgc, c.inscrest,
                   c.empresa, c.uf, c.codfiscal, c.vlrcontabil, a.tipo, a.base, a.aliquota, a.imposto,
                   a.isento, a.outros, a.observ, b.tipo, b.base, b.aliquota, b.imposto, b.isento, b.outros,
                   b.observ);
    if (++linhas_ < LinhasPorComando) return;
    static const QString entradas = InsercaoDeLinhas(Livro::Entradas, LinhasPorComando);
    static const QString saidas = InsercaoDeLinhas(Livro::Saidas, LinhasPorComando);
    cadastro_.Execute(livro_ == Livro::Entradas ? entradas : saidas, valores_);
    valores_.clear();
    linhas_ = 0;
}

void GravaLinhas::Termina() {
    // The last rows one by one, so that a book keeps two statement texts whatever its size.
    static const QString entrada = InsercaoDeLinhas(Livro::Entradas, 1);
    static const QString saida = InsercaoDeLinhas(Livro::Saidas, 1);
    const std::size_t porLinha = linhas_ > 0 ? valores_.size() / std::size_t(linhas_) : 0;
    for (auto inicio = valores_.cbegin(); inicio != valores_.cend(); inicio += std::ptrdiff_t(porLinha))
        cadastro_.Execute(livro_ == Livro::Entradas ? entrada : saida,
                          Params(inicio, inicio + std::ptrdiff_t(porLinha)));
    valores_.clear();
    linhas_ = 0;
}

void GravaTotaisCfop(Connection& cadastro, Livro livro, const TotaisPorChave& totais) {
    const QString sql = livro == Livro::Entradas
                            ? QStringLiteral(
                                  "INSERT INTO MovTent(CodFiscal,VContabil,Base,Icms,Isentos,Outras) "
                                  "VALUES (?,?,?,?,?,?)")
                            : QStringLiteral(
                                  "INSERT INTO MovTsai(CodFiscal,VContabil,Base,Icms,Isentos,Outras) "
                                  "VALUES (?,?,?,?,?,?)");
    for (const auto& [cfop, t] : totais.totais())
        cadastro.Execute(sql, {cfop, t.vcontabil, t.base, t.icms, t.isentos, t.outras});
}

void GravaTotaisUf(Connection& cadastro, TabelaUf tabela, const TotaisPorChave& totais) {
    const QString sql =
        tabela == TabelaUf::MovUf
            ? QStringLiteral("INSERT INTO MovUf(uf, vcontabil, base, outras, icmsfonte) VALUES(?,?,?,?,?)")
            : QStringLiteral("INSERT INTO MovUfnc(uf, vcontabil, base, outras, icmsfonte) VALUES(?,?,?,?,?)");
    for (const auto& [uf, t] : totais.totais())
        cadastro.Execute(sql, {uf, t.vcontabil, t.base, t.outras, t.icmsfonte});
}

void GravaGrupos(Connection& cadastro, Livro livro, const std::array<bool, 3>& grupos) {
    cadastro.Execute(
        livro == Livro::Entradas
            ? QStringLiteral("UPDATE MovTPara Set \"100\" = ?,\"200\" = ?,\"300\" = ? WHERE Codigo = 1")
            : QStringLiteral("UPDATE MovTPara Set \"500\" = ?,\"600\" = ?,\"700\" = ? WHERE Codigo = 1"),
        {grupos[0], grupos[1], grupos[2]});
}

Recordset LeLinhasTributadas(Connection& cadastro, Livro livro) {
    return cadastro.OpenRecordset(
        livro == Livro::Entradas
            ? QStringLiteral("SELECT aliqicms0, baseicms0, valricms0, aliqicms1, baseicms1, valricms1 From "
                             "MovEntrada WHERE aliqicms0 > 0 OR aliqicms1 > 0 ORDER BY rowid")
            : QStringLiteral(
                  "SELECT Aliq0, base0, valr0, Aliq1, base1, valr1 From MovSaida WHERE Aliq0 > 0 OR "
                  "Aliq1 > 0 ORDER BY rowid"));
}

Recordset LeIcmsPorCfop(Connection& cadastro, Livro livro) {
    return cadastro.OpenRecordset(livro == Livro::Entradas ? QStringLiteral("SELECT icms FROM MovTent")
                                                           : QStringLiteral("SELECT icms FROM MovTsai"));
}

void GravaAliquotas(Connection& cadastro, const std::vector<TotalAliquota>& aliquotas) {
    cadastro.Execute(QStringLiteral("DELETE FROM MovAliq"));
    for (const TotalAliquota& a : aliquotas)
        cadastro.Execute(
            QStringLiteral(
                "INSERT INTO MovAliq(Aliquota, baseent, impent, basesai, impsai) VALUES(?,?,?,?,?)"),
            {a.Aliquota, a.baseent, a.impent, a.basesai, a.impsai});
}

}  // namespace Livros
