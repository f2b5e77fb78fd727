#include <gtest/gtest.h>

#include <map>

#include "books/FormulasLivro.h"
#include "platform/report/Formula.h"

using Livros::Formulas;
using Livros::LivroIcms;
using platform::values::Currency;

namespace {

Currency reais(double v) { return Currency::fromDouble(v); }

QStringList nomes(const Formulas& f) {
    QStringList n;
    for (const auto& [nome, texto] : f) n << nome;
    return n;
}

// The values the report receives, by name.
std::map<QString, QString> valores(const Formulas& f) {
    std::map<QString, QString> v;
    for (const auto& [nome, texto] : f) v[nome] = platform::report::formulaValue(texto).value_or("<invalid>");
    return v;
}

}  // namespace

TEST(FormulasLivroTest, ReportFileByBookFormAndPrinterKind) {
    struct Caso {
        LivroIcms livro;
        bool completo;
        const char* tipo;
        const char* arquivo;
    };
    const Caso casos[] = {
        {LivroIcms::Entradas, true, "M", "MaEntrada.rpt"}, {LivroIcms::Entradas, true, "m", "JtEntrada.rpt"},
        {LivroIcms::Entradas, true, "J", "JtEntrada.rpt"}, {LivroIcms::Entradas, true, "L", "JtEntrada.rpt"},
        {LivroIcms::Entradas, true, "S", "JtEntrada.rpt"}, {LivroIcms::Entradas, false, "M", "LEntPar.rpt"},
        {LivroIcms::Entradas, false, "J", "LEntPar.rpt"},  {LivroIcms::Saidas, true, "M", "MaSaida.rpt"},
        {LivroIcms::Saidas, true, "m", "JtSaida.rpt"},     {LivroIcms::Saidas, false, "M", "LSaiPar.rpt"},
        {LivroIcms::Saidas, false, "S", "LSaiPar.rpt"},    {LivroIcms::Apuracao, true, "M", "MaApura.rpt"},
        {LivroIcms::Apuracao, false, "M", "MaApura.rpt"},  {LivroIcms::Apuracao, false, "L", "JtApura.rpt"},
        {LivroIcms::Apuracao, true, "m", "JtApura.rpt"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(Livros::RelatorioDoLivro(c.livro, c.completo, c.tipo).arquivo, c.arquivo)
            << c.arquivo << ' ' << c.tipo;
    EXPECT_EQ(Livros::RelatorioDoLivro(LivroIcms::Entradas, false, "M").titulo, "Livro de Entrada");
    EXPECT_EQ(Livros::RelatorioDoLivro(LivroIcms::Saidas, true, "M").titulo, "Livro de Saída");
    EXPECT_EQ(Livros::RelatorioDoLivro(LivroIcms::Apuracao, true, "M").titulo, "Livro de Apuração");
}

TEST(FormulasLivroTest, HeadingInOrderWithTheLastPageBare) {
    const Formulas f = Livros::FormulasComuns(
        {"Irmãos \"Silva\" Ltda", "123.456.789.110", "12.345.678/0001-95", "015", "03/2011"});
    EXPECT_EQ(nomes(f), QStringList({"empr", "ie", "nfolha", "cgc", "mesano"}));
    EXPECT_EQ(f[2].second, "15");
    EXPECT_EQ(valores(f)["empr"], "Irmãos \"Silva\" Ltda");
    EXPECT_EQ(valores(f)["cgc"], "12.345.678/0001-95");
    EXPECT_EQ(Livros::FormulasComuns({"", "", "", "", ""})[2].second, "0");
}

TEST(FormulasLivroTest, AssessmentSidesAndBalance) {
    struct Caso {
        const char* nome;
        double entradas, saidas, anterior;
        std::map<QString, QString> esperado;
        QStringList ausentes;
    };
    const Caso casos[] = {
        {"credit carried on",
         1000,
         700,
         200,
         {{"ImpEnt", "1.000,00"},
          {"ImpSai", "700,00"},
          {"SubSai", "700,00"},
          {"SubEnt", "1.000,00"},
          {"SldCred", "200,00"},
          {"TotEnt", "1.200,00"},
          {"SldPSe", "500,00"}},
         {"SldDev", "ImpRec"}},
        {"debit balance",
         1000,
         1500,
         200,
         {{"SubSai", "1.500,00"}, {"SldDev", "300,00"}, {"ImpRec", "300,00"}},
         {"SldPSe"}},
        {"debits equal to credits", 1000, 1200, 200, {{"SldPSe", "0,00"}}, {"SldDev", "ImpRec"}},
        {"no previous balance", 1000, 700, 0, {{"TotEnt", "1.000,00"}, {"SubEnt", "1.000,00"}}, {"SldCred"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Livros::DadosApuracao d;
        d.ImpostoEntradas = reais(c.entradas);
        d.ImpostoSaidas = reais(c.saidas);
        d.SaldoCredorAnterior = reais(c.anterior);
        const auto v = valores(Livros::FormulasApuracao(d));
        for (const auto& [nome, valor] : c.esperado)
            EXPECT_EQ(v.count(nome) ? v.at(nome) : "<unset>", valor) << nome.toStdString();
        for (const QString& nome : c.ausentes) EXPECT_EQ(v.count(nome), 0u) << nome.toStdString();
    }
    // The other credits and reversed debits are the credit side's, printed under the debit-like names.
    Livros::DadosApuracao d;
    d.SemMovSaidas = true;
    d.ImpostoSaidas = reais(1234.56);
    d.outros = {reais(1), reais(2), reais(30), reais(40)};
    const Formulas f = Livros::FormulasApuracao(d);
    EXPECT_EQ(nomes(f),
              QStringList({"NMovEnt", "NMovSai", "ImpEnt", "OuDebEnt", "EstoCredEnt", "ImpSai", "OuDebSai",
                           "EstoCredSai", "SubSai", "SubEnt", "TotEnt", "SldDev", "ImpRec"}));
    const auto v = valores(f);
    EXPECT_EQ(v.at("NMovEnt"), "0");
    EXPECT_EQ(v.at("NMovSai"), "1");
    EXPECT_EQ(v.at("OuDebEnt"), "30,00");
    EXPECT_EQ(v.at("EstoCredEnt"), "40,00");
    EXPECT_EQ(v.at("OuDebSai"), "1,00");
    EXPECT_EQ(v.at("EstoCredSai"), "2,00");
    EXPECT_EQ(v.at("SubSai"), "1.237,56");
    EXPECT_EQ(v.at("ImpRec"), "1.167,56");
}

TEST(FormulasLivroTest, EntriesAndExitsAdditionalInformation) {
    PosIcms::InformacoesMes info;
    info.M1Ini = 12;
    info.M1Fim = 345;
    info.D1Ini = 7;
    info.Obsent1 = " ";
    info.Obsent2 = "Segunda linha";
    info.Obssai1 = "Primeira";
    const Formulas entradas = Livros::FormulasEntradas(info);
    EXPECT_EQ(nomes(entradas), QStringList({"Fat1", "Fat2", "Fat3", "Fat4", "Obs1", "Obs2"}));
    auto v = valores(entradas);
    EXPECT_EQ(v["Fat1"], "*");
    EXPECT_EQ(v["Fat2"], "NF M1 de 000012 a 000345");
    EXPECT_EQ(v["Fat3"], "*");
    EXPECT_EQ(v["Fat4"], " ");
    EXPECT_EQ(v["Obs1"], " ");
    EXPECT_EQ(v["Obs2"], "Segunda linha");

    info.Fat = reais(1234.5);
    info.FatAcu = reais(98765.43);
    v = valores(Livros::FormulasEntradas(info));
    EXPECT_EQ(v["Fat1"], "Faturamento Bruto de Vendas: 1.234,50");
    EXPECT_EQ(v["Fat4"], "Faturamento Acumulado: 98.765,43");

    const Formulas saidas = Livros::FormulasSaidas(info, true, false);
    EXPECT_EQ(nomes(saidas), QStringList({"Fat2", "haufnc", "hauf", "Obs1", "Obs2"}));
    v = valores(saidas);
    EXPECT_EQ(v["Fat2"], "Faturamento Acumulado: 98.765,43");
    EXPECT_EQ(v["hauf"], "0");
    EXPECT_EQ(v["haufnc"], "1");
    EXPECT_EQ(v["Obs1"], "Primeira");
    EXPECT_EQ(v["Obs2"], " ");
    EXPECT_EQ(valores(Livros::FormulasSaidas({}, false, true))["Fat2"], " ");
}

TEST(FormulasLivroTest, EmptyMonthAndDayRange) {
    EXPECT_TRUE(Livros::FormulasFinais(false, false, "01", "15").empty());
    const auto v = valores(Livros::FormulasFinais(true, true, "01", "15"));
    EXPECT_EQ(v.at("sem_movimento"), "SEM  MOVIMENTO");
    EXPECT_EQ(v.at("Peri"), "Período: do Dia 1 Até o Dia 15");
}
