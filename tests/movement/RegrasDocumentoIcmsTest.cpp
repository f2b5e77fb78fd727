#include <gtest/gtest.h>

#include <QSet>
#include <functional>

#include "movement/LancamentoIcms.h"
#include "movement/RegrasDocumentoIcms.h"
#include "platform/controls/XArrayDB.h"
#include "shell/ErrosLista.h"

using namespace movimento;
using platform::controls::XArrayDB;

namespace {

Currency R(const char* texto) { return *Currency::parse(QString::fromUtf8(texto)); }

// The items grid's array, one row per item: base, rate, ICMS, exempt, other, type (column 6 unused).
XArrayDB Itens(const std::vector<std::vector<QVariant>>& linhas) {
    XArrayDB a;
    a.ReDim(0, static_cast<int>(linhas.size()) - 1, 0, ColunaItem::Ultima);
    for (int r = 0; r < static_cast<int>(linhas.size()); ++r)
        for (int c = 0; c < static_cast<int>(linhas[r].size()); ++c) a(r, c) = linhas[r][c];
    return a;
}

const QString Fatal = shell::ErroFatal.toString();
const QString Alerta = shell::AlertaErro.toString();
const QString Inadequado = "Código fiscal inadequado !";
const QString Soma = "Erro de Soma: Valor Contábil = Base ICMS + Isentas + Outras + ICMS Fonte + IPI";
const QString Aliquota = "Alíquota de ICMS não pode ser maior que 99,9999 %, Verifique";

struct CasoRegras {
    const char* nome;
    std::vector<std::vector<QVariant>> itens;
    std::function<void(DocumentoIcms&, DestinoDocumento&)> muda;
    QStringList esperado;  // "severity|message", in order
};

}  // namespace

TEST(RegrasDocumentoIcmsTest, SaveRulesInTheirOrder) {
    const QSet<QString> cadastrados{"12.345.678/0001-95", "00.123.456/0001-91", "00.000.000/0000-00"};
    const std::vector<std::vector<QVariant>> mil{{"1.000,00", "17", "170,00"}};
    auto entradaSp = [](DocumentoIcms&, DestinoDocumento&) {};
    const std::vector<CasoRegras> casos{
        {"a balanced document", mil, entradaSp, {}},
        {"rate 99,99", {{"1.000,00", "99,99", "999,90"}}, entradaSp, {}},
        {"rate 99,995", {{"1.000,00", "99,995", "999,95"}}, entradaSp, {Fatal + "|" + Aliquota}},
        {"rate 100", {{"1.000,00", "100", "1.000,00"}}, entradaSp, {Fatal + "|" + Aliquota}},
        {"ICMS a cent short",
         {{"1.000,00", "17", "169,99"}},
         entradaSp,
         {Alerta + "|Valor do ICMS (169,99) calculado não corresponde a BASE x Alíquota"}},
        {"33,33 at 7 %",
         {{"33,33", "7", "2,33"}},
         [](DocumentoIcms& d, DestinoDocumento&) { d.vlrcontabil = R("33,33"); },
         {}},
        {"written amounts",
         {{QVariant::fromValue(R("1000")), QVariant::fromValue(R("17")), QVariant::fromValue(R("170"))}},
         entradaSp,
         {}},
        {"an empty rate reads 0",
         {{"100", "", ""}},
         [](DocumentoIcms& d, DestinoDocumento&) { d.vlrcontabil = R("100"); },
         {}},
        {"IPI included in the base",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) {
             d.tipolan = "99";
             d.valripi = R("100");
         },
         {}},
        {"IPI included, but summed",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) {
             d.tipolan = "99";
             d.valripi = R("100");
             d.vlrcontabil = R("1100");
         },
         {Fatal + "|Erro de Soma, IPI embutido: Valor Contábil = Base ICMS + Isentas + Outras + ICMS Fonte"}},
        {"IPI added",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) {
             d.valripi = R("100");
             d.vlrcontabil = R("1100");
         },
         {}},
        {"IPI left out",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) { d.valripi = R("100"); },
         {Fatal + "|" + Soma}},
        {"exits without CNPJ or issue date",
         mil,
         [](DocumentoIcms& d, DestinoDocumento& destino) {
             destino.entradas = false;
             d.cgc = "";
             d.codfiscal = "5.102";
             d.demiss = QDate();
         },
         {}},
        {"a negative exempt amount balanced by the base",
         {{"1.500,00", "17", "255,00", "-500,00"}},
         entradaSp,
         {Fatal +
          "|Valor negativo em \"Isento\" do item 1: os livros fiscais não imprimem valores negativos !"}},
        {"a negative IPI exempt amount",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) { d.isenipi = R("-0,01"); },
         {Fatal + "|Valor negativo em \"Isento (IPI)\": os livros fiscais não imprimem valores negativos !"}},
        {"issued on the period's last day",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) { d.demiss = QDate(2003, 3, 31); },
         {}},
        {"issued after the period",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) { d.demiss = QDate(2003, 4, 1); },
         {Fatal + "|Data de emissão posterior ao período"}},
        {"entries without CNPJ",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) { d.cgc = "  .   .   /    -  "; },
         {Fatal + "|O campo CNPJ/CPF é de preenchimento obrigatório !"}},
        {"a registered CNPJ beginning 00.",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) { d.cgc = "00.123.456/0001-91"; },
         {}},
        {"the all-zero CNPJ registered",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) { d.cgc = "00.000.000/0000-00"; },
         {}},
        {"an unregistered CNPJ",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) { d.cgc = "11.111.111/0001-91"; },
         {Fatal + "|O CNPJ/CPF utilizado no lançamento não foi cadastrado !"}},
        {"a CNPJ cut short",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) { d.cgc = "11.111.111/0"; },
         {Fatal + "|CNPJ/CPF Inválido, digite os 14 dígitos do CNPJ ou os 11 do CPF !"}},
        {"5.102 in entries of another state",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) {
             d.uf = "RJ";
             d.codfiscal = "5.102";
         },
         {Fatal + "|" + Inadequado}},
        {"2.102 in entries of another state",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) {
             d.uf = "RJ";
             d.codfiscal = "2.102";
         },
         {}},
        {"1.102 where the company's state is stored padded in lower case",
         mil,
         [](DocumentoIcms&, DestinoDocumento& destino) { destino.uf = "  sp  "; },
         {}},
        {"6.102 in exits of the company's state",
         mil,
         [](DocumentoIcms& d, DestinoDocumento& destino) {
             destino.entradas = false;
             d.codfiscal = "6.102";
         },
         {Fatal + "|" + Inadequado}},
        {"no CFOP in another state",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) {
             d.uf = "";
             d.codfiscal = "_.___";
         },
         {Fatal + "|Todo registro deve ter código fiscal !"}},
        {"a zero accounting value with items",
         mil,
         [](DocumentoIcms& d, DestinoDocumento&) { d.vlrcontabil = Currency(); },
         {Fatal + "|" + Soma, Fatal + "|Um registro não pode ser gravado sem valor contábil !"}},
        {"every rule broken, in order",
         {{"10", "100", "0"}},
         [](DocumentoIcms& d, DestinoDocumento&) {
             d.vlrcontabil = Currency();
             d.datalan = QDate();
             d.demiss = QDate();
             d.cgc = "";
             d.codfiscal = "_.___";
             d.docinicial = "";
         },
         {Fatal + "|" + Aliquota,
          Alerta + "|Valor do ICMS (0,00) calculado não corresponde a BASE x Alíquota", Fatal + "|" + Soma,
          Fatal + "|Um registro não pode ser gravado sem valor contábil !",
          Fatal + "|Todo registro deve ter uma data !", Fatal + "|Data de emissão ausente",
          Fatal + "|O campo CNPJ/CPF é de preenchimento obrigatório !", Fatal + "|" + Inadequado,
          Fatal + "|O Campo Número Inicial é Obrigatório !",
          Fatal + "|Todo registro deve ter código fiscal !"}},
    };
    for (const CasoRegras& caso : casos) {
        DocumentoIcms doc;
        const auto itens = ItensParaGravar(Itens(caso.itens));
        std::copy(itens.cbegin(), itens.cend(), doc.itens.begin());
        doc.vlrcontabil = R("1000");
        doc.datalan = doc.demiss = QDate(2003, 3, 5);
        doc.cgc = "12.345.678/0001-95";
        doc.uf = "SP";
        doc.codfiscal = "1.102";
        doc.docinicial = "123";
        DestinoDocumento destino{true, "SP", QDate(2003, 3, 1), {}};
        caso.muda(doc, destino);
        QStringList procurados;
        const auto erros = RegrasGravacao(doc, destino, [&](const QString& cgc) {
            procurados << cgc;
            return cadastrados.contains(cgc);
        });
        QStringList linhas;
        for (const ErroDocumento& e : erros) linhas << e.severidade.toString() + "|" + e.mensagem;
        EXPECT_EQ(linhas, caso.esperado) << caso.nome;
        EXPECT_EQ(procurados.size(), CgcPreenchido(doc.cgc) ? 1 : 0) << caso.nome;
    }
}

TEST(RegrasDocumentoIcmsTest, LaunchTypeFillsTheFirstItemToTheCent) {
    struct Caso {
        const char* tipo;
        const char* valor;
        std::vector<const char*> item;  // base, rate, ICMS, exempt, other; none when the grid is left
    };
    const std::vector<Caso> casos{
        {"18", "1000", {"1000", "18", "180", "0", "0"}},
        {"51", "1000", {"583,30", "12", "70", "416,70", "0"}},
        {"53", "100", {"66,70", "18", "12,01", "33,30", "0"}},
        {"50", "1000", {"800", "12", "96", "200", "0"}},
        {"52", "100", {"38,89", "18", "7", "61,11", "0"}},
        {"07", "33,33", {"33,33", "7", "2,33", "0", "0"}},
        {"25", "0,10", {"0,10", "25", "0,03", "0", "0"}},
        {"1", "500", {"500", "0", "0", "0", "0"}},
        {"2", "500", {"0", "0", "0", "500", "0"}},
        {"3", "500", {"0", "0", "0", "0", "500"}},
        {"", "500", {}},
        {"0", "500", {}},
        {"99", "500", {}},
        {"4", "500", {}},
        {"10", "500", {}},
    };
    for (const Caso& c : casos) {
        const auto item = ItemDoTipoLancamento(QString(c.tipo), R(c.valor));
        ASSERT_EQ(item.has_value(), !c.item.empty()) << c.tipo;
        if (!item) continue;
        const auto& e = c.item;
        EXPECT_EQ(*item, (ItemIcms{R(e[0]), R(e[1]), R(e[2]), R(e[3]), R(e[4])})) << c.tipo;
        EXPECT_EQ(item->base + item->isento + item->outros, R(c.valor)) << c.tipo;
    }
}

TEST(RegrasDocumentoIcmsTest, DirectionSpeciesAndFieldForms) {
    struct Direcao {
        bool entradas, mesmoEstado;
        const char* cfop;
        bool adequado;
    };
    const std::vector<Direcao> direcoes{
        {true, true, "1.102", true},     {true, true, "5.102", false},   {true, true, "2.102", false},
        {true, false, "1.102", false},   {true, false, "5.102", false},  {true, false, "2.102", true},
        {true, false, "3.102", true},    {true, false, "5.000", true},   {false, true, "5.102", true},
        {false, true, "6.102", false},   {false, true, "1.102", false},  {false, false, "6.102", true},
        {false, false, "7.102", true},   {false, false, "5.102", false}, {false, false, "1.102", false},
        {false, false, "4.99._", false}, {true, true, "_.___", false},   {true, false, "_.___", true},
        {false, false, "_.__._", true},  {false, true, "_.__._", false}, {false, true, "5.12._", true},
    };
    for (const Direcao& d : direcoes)
        EXPECT_EQ(CodigoFiscalAdequado(d.entradas, d.mesmoEstado, QString(d.cfop)), d.adequado)
            << d.cfop << " entradas " << d.entradas << " mesmo estado " << d.mesmoEstado;

    EXPECT_EQ(EspeciesDocumento().size(), 26u);
    for (const char* e : {"", "NF", " NF ", "CMR", "ACT", "ECF"}) EXPECT_TRUE(EspecieValida(QString(e))) << e;
    for (const char* e : {"nf", "NFF", "N F", "X"}) EXPECT_FALSE(EspecieValida(QString(e))) << e;

    const std::vector<std::pair<const char*, const char*>> numeros{
        {"000123", "123"}, {"0", ""}, {"", ""}, {"12a", "12"}, {" 0700", "700"}, {"000", ""}};
    for (const auto& [texto, numero] : numeros) EXPECT_EQ(NumeroDocumento(QString(texto)), numero) << texto;

    EXPECT_EQ(CodigoFiscalProcurado(u"5.12._"), "5.12");
    EXPECT_EQ(CodigoFiscalProcurado(u"5.102"), "5.102");
    EXPECT_TRUE(CgcPreenchido(u"00.000.000/0001-91"));
    EXPECT_FALSE(CgcPreenchido(u"  .   .   /    -  "));
}

TEST(RegrasDocumentoIcmsTest, GridCellsAndTheCursorAfterTheBase) {
    EXPECT_EQ(IcmsDaAliquota("200", "17"), R("34"));
    EXPECT_EQ(IcmsDaAliquota(QVariant::fromValue(R("1000")), "18"), R("180"));
    EXPECT_EQ(IcmsDaAliquota("", "17"), Currency());
    EXPECT_FALSE(IcmsDaAliquota("abc", "17").has_value());
    EXPECT_EQ(IcmsDaAliquota("33,50", "3"), R("1,01"));

    struct Saida {
        QVariant base;
        const char* tipolan;
        SaidaDaBase saida;
    };
    const std::vector<Saida> saidas{
        {"", "", SaidaDaBase::BaseIpi},        {"0,00", "", SaidaDaBase::DoisTabs},
        {"0,00", "7", SaidaDaBase::Gravar},    {"", "7", SaidaDaBase::Gravar},
        {"0,00", "99", SaidaDaBase::DoisTabs}, {"0,50", "", SaidaDaBase::Fica},
        {"100", "7", SaidaDaBase::Fica},       {QVariant::fromValue(Currency()), "", SaidaDaBase::BaseIpi},
    };
    for (const Saida& s : saidas)
        EXPECT_EQ(SaidaAposBase(s.base, QString(s.tipolan)), s.saida) << s.base.toString().toStdString();

    struct Tecla {
        int coluna;
        int tecla;
        const char* texto;
        bool passa;
    };
    const std::vector<Tecla> teclas{
        {0, 'a', "", true},   {0, ',', "1,5", true},  {1, 'a', "", false},   {1, '.', "17", false},
        {1, ',', "17", true}, {2, ',', "1,5", false}, {4, '7', "1,5", true}, {3, 8, "1,5", true},
    };
    for (const Tecla& t : teclas)
        EXPECT_EQ(TeclaDaGrade(t.coluna, t.tecla, QString(t.texto)), t.passa ? t.tecla : 0)
            << t.coluna << " " << t.tecla << " " << t.texto;

    const auto itens =
        ItensParaGravar(Itens({{"1.000,50", "", QVariant::fromValue(R("12,5")), "", "abc", " 1 "}}));
    ASSERT_EQ(itens.size(), 1u);
    EXPECT_EQ(itens[0], (ItemGrade{{R("1000,50"), Currency(), R("12,5"), Currency(), Currency()}, "1"}));
}
