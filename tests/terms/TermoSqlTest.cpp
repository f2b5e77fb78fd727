#include <gtest/gtest.h>

#include "TermoFixture.h"
#include "terms/FormulasTermo.h"
#include "terms/termo_sql.h"

using namespace terms;
using platform::db::Param;

namespace {

using TermoSqlTest = TermoFixture;

TEST(ValorColunaTest, EachFormOfColumnFromItsFieldText) {
    struct Caso {
        Forma forma;
        QString texto;
        bool p1a;
        Param::Value esperado;
    };
    const std::vector<Caso> casos = {
        {Forma::Zeros4, QString(), false, QStringLiteral("0000")},              // empty first folio
        {Forma::Zeros3, QStringLiteral("7"), false, QStringLiteral("007")},     // ICMS folio count
        {Forma::Texto, QStringLiteral("7"), false, QStringLiteral("7")},        // ICMS order number
        {Forma::Zeros4, QStringLiteral(" 7 "), false, QStringLiteral("0007")},  // entries order number
        {Forma::Texto, QStringLiteral("  JUCESP "), false, QStringLiteral("  JUCESP ")},
        {Forma::Texto, QStringLiteral("123.45_.___-__"), false, QStringLiteral("123.45_.___-__")},
        {Forma::Data, QStringLiteral("__/__/____"), false, platform::db::Null{}},
        {Forma::Data, QStringLiteral("05/03/2011"), false, QDate(2011, 3, 5)},
        {Forma::Modelo, QString(), true, true},
        {Forma::ModeloOposto, QString(), true, false},
        {Forma::Modelo, QString(), false, false},
        {Forma::ModeloOposto, QString(), false, true},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(ValorColuna(c.forma, c.texto, c.p1a).value(), c.esperado) << c.texto.toStdString();
    EXPECT_EQ(ColunasTermo().size(), std::size_t(NumeroColunas));
}

TEST_F(TermoSqlTest, AFreshRowHoldsItsKeyAloneAndASaveRewritesEveryColumn) {
    const qint64 codauto = Empresa(7);
    CriaTermo(db, codauto);
    auto fresco = LeTermo(db, codauto);
    ASSERT_FALSE(fresco.Eof());
    EXPECT_EQ(fresco.Fields(QStringLiteral("codcli")).toLongLong(), codauto);
    for (const ColunaTermo& c : ColunasTermo())
        EXPECT_TRUE(fresco.Fields(c.nome).isNull()) << c.nome.toStdString();

    GravaTextos(codauto, TextosCompletos(), true);
    auto rs = LeTermo(db, codauto);
    const QStringList esperado = TextosLidos();
    for (int i = 0; i < NumeroColunas; ++i)
        EXPECT_EQ(rs.Fields(ColunasTermo()[std::size_t(i)].nome).toString(), esperado[i])
            << ColunasTermo()[std::size_t(i)].nome.toStdString();
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT * FROM Termo")).RecordCount(), 1);
}

// Quotes are plain characters, and a name that is also a column's is just a name.
TEST_F(TermoSqlTest, TextsWithQuotesAndColumnNamesAreStoredAsTyped) {
    const qint64 codauto = Empresa(8);
    CriaTermo(db, codauto);
    QStringList textos = TextosCompletos();
    textos[0] = QStringLiteral("Cont");
    textos[3] = QStringLiteral("Junta \"Comercial\" d'Oeste");
    GravaTextos(codauto, textos, false);
    auto rs = LeTermo(db, codauto);
    EXPECT_EQ(rs.Fields(QStringLiteral("Resp")).toString(), QStringLiteral("Cont"));
    EXPECT_EQ(rs.Fields(QStringLiteral("ESOrg")).toString(), QStringLiteral("Junta \"Comercial\" d'Oeste"));
    EXPECT_FALSE(rs.Fields(QStringLiteral("ESP1a")).toBool());
    EXPECT_TRUE(rs.Fields(QStringLiteral("ESP1")).toBool());
}

TEST_F(TermoSqlTest, TheRowAndTheCompanyAsThePrintReadsThem) {
    const qint64 codauto = Empresa(9);
    CriaTermo(db, codauto);
    const LinhaTermo vazia = LeLinhaTermo(LeTermo(db, codauto));
    EXPECT_FALSE(vazia.p1a);
    for (const QDate& d : vazia.datas) EXPECT_TRUE(d.isNull());
    GravaTextos(codauto, TextosCompletos(), true);
    const LinhaTermo linha = LeLinhaTermo(LeTermo(db, codauto));
    EXPECT_TRUE(linha.p1a);
    EXPECT_EQ(linha.ordens, (std::array<QString, 5>{"0001", "0002", "3", "4", "5"}));
    EXPECT_EQ(linha.datas[0], QDate(2011, 3, 5));
    EXPECT_EQ(linha.datas[9], QDate(2010, 12, 31));
    const auto empresa = LeEmpresaTermo(db, codauto);
    ASSERT_TRUE(empresa);
    EXPECT_EQ(empresa->ccm, QStringLiteral("1.234.567-8"));
    EXPECT_FALSE(LeEmpresaTermo(db, codauto + 100));
}

// Every term: its formulas' names in order, with the values that change from box to box.
TEST(FormulasTermoTest, TheTenTermsWithEachModelAndWithOrWithoutADate) {
    const EmpresaTermo empresa{"Comércio Exemplo", "Rua A", "10", "Centro", "Campinas", "SP", "244",
                               "11.222",           "1.234"};
    const QStringList comuns = {"Empr", "Rua", "Numero", "Bairro", "Cid", "Uf", "Ie", "CNPJ"};
    for (int caixa = 0; caixa < NumeroTermos; ++caixa) {
        for (bool p1a : {true, false}) {
            for (bool comData : {true, false}) {
                LinhaTermo termo;
                termo.p1a = p1a;
                termo.ordens = {"0001", "0002", "1", "", "9"};
                if (comData)
                    termo.datas[std::size_t(caixa)] = caixa % 2 ? QDate(2010, 12, 31) : QDate(2011, 3, 5);
                const auto f = FormulasTermo(caixa, termo, empresa, "(DOZE)", "(DUZENTAS)");
                QStringList nomes;
                std::map<QString, QString> valor;
                for (const auto& [n, v] : f) {
                    nomes << n;
                    valor[n] = v;
                }
                QStringList esperado = {"Titu", "Titu1"};
                if (caixa < 8) esperado << "Titu2";
                esperado << "Titu3" << comuns;
                if (caixa >= 8) esperado << "CCM";
                if (caixa == 4) esperado << "ExtICM";
                if (caixa == 6) esperado << "ExtIPI";
                if (comData) esperado << "Dat";
                const std::string onde = "caixa " + std::to_string(caixa) + (p1a ? " P1A" : " P1") +
                                         (comData ? " com data" : " sem data");
                ASSERT_EQ(nomes, esperado) << onde;
                EXPECT_EQ(int(f.size()), (caixa == 4 || caixa == 6 ? 14 : 13) - (comData ? 0 : 1)) << onde;
                EXPECT_EQ(valor["Titu1"], caixa % 2 ? "Termo de Encerramento" : "Termo de Abertura") << onde;
                const QString modelos[] = {p1a ? "Modelo : P1A" : "Modelo : P1",
                                           p1a ? "Modelo : P2A" : "Modelo : P2", "Modelo : 9", "Modelo : 8"};
                if (caixa < 8) {
                    EXPECT_EQ(valor["Titu2"], modelos[caixa / 2]) << onde;
                }
                const QString ordens[] = {"0001", "0002", "1", "", "9"};
                EXPECT_EQ(valor["Titu3"], "Nº de Ordem : " + ordens[caixa / 2]) << onde;
                if (comData) {
                    EXPECT_EQ(valor["Dat"], caixa % 2 ? "31 de Dezembro de 2010" : "05 de Março de 2011")
                        << onde;
                }
            }
        }
    }
    LinhaTermo termo;
    EXPECT_EQ(FormulasTermo(8, termo, empresa, {}, {})[0].second, "REGISTRO DE NOTAS FISCAIS DE SERVIÇOS");
    EXPECT_EQ(FormulasTermo(4, termo, empresa, {}, {})[12], std::make_pair(QString("ExtICM"), QString()));
    EXPECT_EQ(FormulasTermo(6, termo, empresa, "", "(DUZENTAS)")[12].second, "(DUZENTAS)");
    EXPECT_EQ(FormulasTermo(9, termo, empresa, {}, {})[11], std::make_pair(QString("CCM"), QString("1.234")));
}

}  // namespace
