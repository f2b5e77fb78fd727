#include <gtest/gtest.h>

#include "books/LivrosIss.h"
#include "books/LivrosIss_sql.h"
#include "platform/db/Recordset.h"
#include "support/TempProgramFolder.h"

using namespace LivrosIss;
using platform::db::DbNull;
using platform::db::Param;
using platform::db::Recordset;
using testsupport::TempProgramFolder;

namespace {

Currency m(const char* texto) { return Currency::parse(QString::fromUtf8(texto)).value(); }

DocumentoIss doc(const char* tipo, const char* base, const char* materiais = "0", const char* subempr = "0") {
    DocumentoIss d;
    d.datalan = QDate(2003, 3, 10);
    d.codserv = QStringLiteral("0101");
    d.serie = QStringLiteral("A");
    d.docinicial = QStringLiteral("15");
    d.docfinal = QStringLiteral("18");
    d.base = m(base);
    d.materiais = m(materiais);
    d.subempr = m(subempr);
    d.aliq = m("5");
    d.iss = m("42,5");
    d.tipo = tipo ? QString::fromLatin1(tipo) : QString();
    d.observ = QStringLiteral("obs");
    return d;
}

TEST(LinhaDoLivroIss, FollowsTheKindOfTheDocumentInEachModel) {
    struct Caso {
        Modelo modelo;
        const char* tipo;
        const char* base;
        const char* vlrnota;
        const char* lbase;
        const char* aliq;
        const char* iss;
        const char* isentas;
        const char* remessas;
    };
    const Caso casos[] = {
        {Modelo::M53, "0", "1000", "1000", "850", "5", "42,5", "0", "0"},
        {Modelo::M53, "1", "1000", "1000", "0", "0", "0", "850", "0"},
        {Modelo::M53, "2", "1000", "1000", "0", "0", "0", "850", "0"},
        {Modelo::M53, "3", "1000", "1000", "0", "0", "0", "0", "0"},
        {Modelo::M53, nullptr, "1000", "1000", "850", "5", "42,5", "0", "0"},
        {Modelo::M51, "0", "1000", "0", "1000", "5", "42,5", "0", "0"},
        {Modelo::M51, "1", "1000", "0", "0", "0", "0", "1000", "0"},
        {Modelo::M51, "2", "1000", "0", "0", "0", "0", "1000", "0"},
        {Modelo::M51, "3", "300", "0", "0", "0", "0", "0", "300"},
        {Modelo::M51, nullptr, "1000", "0", "1000", "5", "42,5", "0", "0"},
    };
    for (const Caso& c : casos) {
        const LinhaIss l = LinhaDoLivro(c.modelo, doc(c.tipo, c.base, "100", "50"));
        const std::string id =
            std::string(c.modelo == Modelo::M53 ? "53/" : "51/") + (c.tipo ? c.tipo : "null");
        EXPECT_EQ(l.vlrnota, m(c.vlrnota)) << id;
        EXPECT_EQ(l.base, m(c.lbase)) << id;
        EXPECT_EQ(l.aliq, m(c.aliq)) << id;
        EXPECT_EQ(l.iss, m(c.iss)) << id;
        EXPECT_EQ(l.isentas, m(c.isentas)) << id;
        EXPECT_EQ(l.remessas, m(c.remessas)) << id;
        EXPECT_EQ(l.materiais, c.modelo == Modelo::M53 ? m("100") : Currency()) << id;
        EXPECT_EQ(l.subempr, c.modelo == Modelo::M53 ? m("50") : Currency()) << id;
        EXPECT_EQ(l.docfinal, QStringLiteral("18")) << id;
        EXPECT_EQ(l.serie, c.modelo == Modelo::M51 ? QStringLiteral("A") : QString()) << id;
    }
}

TEST(LinhaDoLivroIss, ANullLastNumberIsEmptyInModel53AndZeroInModel51) {
    DocumentoIss d = doc("0", "100");
    d.docfinal = QString();
    EXPECT_EQ(LinhaDoLivro(Modelo::M53, d).docfinal, QString());
    EXPECT_EQ(LinhaDoLivro(Modelo::M51, d).docfinal, QStringLiteral("0"));
}

class PreparaLivroIssTest : public ::testing::Test {
  protected:
    void SetUp() override {
        cadastro.Open(pasta.registryConnection());
        movimento.Open(pasta.movementConnection(QStringLiteral("MV030012.MDB")));
    }
    void grava(int dia, const char* numero, const char* tipo, const char* base, const char* aliq,
               const char* iss) {
        movimento.Execute(
            QStringLiteral("INSERT INTO DIGISS03(datalan,codserv,serie,docinicial,docfinal,base,"
                           "aliq,iss,tipo,observ) VALUES (?,'01','A',?,'0',?,?,?,?,'')"),
            {QDate(2003, 3, dia), QString::fromLatin1(numero), m(base), m(aliq), m(iss),
             tipo ? Param(QString::fromLatin1(tipo)) : Param(DbNull)});
    }
    std::vector<std::vector<QString>> linhas(const QString& sql) {
        std::vector<std::vector<QString>> r;
        Recordset rs;
        rs.Open(cadastro, sql);
        for (; !rs.Eof(); rs.MoveNext()) {
            std::vector<QString> l;
            for (int i = 0; i < rs.FieldCount(); ++i) l.push_back(rs.Fields(i).toString());
            r.push_back(l);
        }
        return r;
    }
    TempProgramFolder pasta;
    platform::db::Connection cadastro, movimento;
};

TEST_F(PreparaLivroIssTest, SumsTheTaxedLinesPerExactRateRoundedBeforeTheyAreAdded) {
    grava(12, "3", "0", "200", "5", "10");
    grava(5, "9", "0", "100", "5", "5");
    // One day's numbers in the order of their values: 9 before 100.
    grava(5, "100", "0", "100,0049", "7,5", "7,5049");
    grava(20, "4", nullptr, "100,0051", "7,5", "7,5051");
    grava(21, "5", "0", "80", "0", "0");
    grava(22, "6", "1", "50", "5", "2,5");
    ASSERT_FALSE(PreparaLivroIss(cadastro, movimento, QDate(2003, 3, 1), Modelo::M53));
    EXPECT_EQ(linhas(QStringLiteral("SELECT docinicial FROM MovIss53 ORDER BY rowid")),
              (std::vector<std::vector<QString>>{{"9"}, {"100"}, {"3"}, {"4"}, {"5"}, {"6"}}));
    EXPECT_EQ(linhas(QStringLiteral("SELECT aliq, base, iss FROM MovAliqIss ORDER BY rowid")),
              (std::vector<std::vector<QString>>{{"5", "300", "15"}, {"7,5", "200,01", "15,01"}}));
    EXPECT_TRUE(linhas(QStringLiteral("SELECT * FROM MovIss51")).empty());

    // Another model's emission empties the other book; an empty month empties all three.
    ASSERT_FALSE(PreparaLivroIss(cadastro, movimento, QDate(2003, 3, 1), Modelo::M51));
    EXPECT_TRUE(linhas(QStringLiteral("SELECT * FROM MovIss53")).empty());
    EXPECT_EQ(linhas(QStringLiteral("SELECT * FROM MovIss51")).size(), 6u);
    EXPECT_TRUE(PreparaLivroIss(cadastro, movimento, QDate(2003, 4, 1), Modelo::M51));
    for (const char* t : {"MovIss53", "MovIss51", "MovAliqIss"})
        EXPECT_TRUE(linhas(QStringLiteral("SELECT * FROM ") + QString::fromLatin1(t)).empty()) << t;
}

TEST_F(PreparaLivroIssTest, TheHeadingKeepsTheAddressFormAndAGoneCompanyPrintsEmptyTexts) {
    cadastro.Execute(
        QStringLiteral("INSERT INTO Empresas(codigo,nome,endereco,numero,ccm) VALUES (7,?,?,?,?)"),
        {QStringLiteral("Serviços \"Sul\""), QStringLiteral("Rua A"), QStringLiteral("12"),
         QStringLiteral("555")});
    const Livros::Formulas f =
        FormulasIss(LeEmpresaIss(cadastro, 7), QStringLiteral("03/2003"), QString(), false);
    const Livros::Formulas esperado{{"empr", "\"Serviços \"\"Sul\"\"\""},
                                    {"end", "\"Rua A, 12 \""},
                                    {"ie", "\"\""},
                                    {"ccm", "\"555\""},
                                    {"cgc", "\"\""},
                                    {"mesano", "\"03/2003\""},
                                    {"nfolha", "0"}};
    EXPECT_EQ(f, esperado);
    const EmpresaIss vazia = LeEmpresaIss(cadastro, 8);
    EXPECT_TRUE(vazia.nome.isEmpty() && vazia.endereco.isEmpty() && vazia.ccm.isEmpty());
    EXPECT_EQ(FormulasIss(vazia, QString(), QStringLiteral("0006"), true).back().first,
              QStringLiteral("sem_movimento"));
}

}  // namespace

// The ISS book names the document whose stored value it cannot read.
TEST_F(PreparaLivroIssTest, StoredValuesNoBookCanReadNameTheirDocument) {
    grava(12, "31", "0", "200", "5", "10");
    for (const auto& [sql, mensagem] :
         {std::pair{
              "UPDATE DIGISS03 SET iss = 10.5",
              "Documento 31 da tabela DIGISS03: Tipo incompatível: o campo \"iss\" guarda 10.5, que não "
              "pode ser lido como valor monetário (décimos de milésimo inteiros)."},
          std::pair{"UPDATE DIGISS03 SET iss = 100000, datalan = '2003-02-31'",
                    "Documento 31 da tabela DIGISS03: Tipo incompatível: o campo \"datalan\" guarda "
                    "\"2003-02-31\", que não pode ser lido como data."},
          std::pair{
              "UPDATE DIGISS03 SET datalan = '2003-03-12', materiais = 9223372036854775807",
              "Documento 31 da tabela DIGISS03: o campo \"materiais\" guarda 922.337.203.685.477,5807, além "
              "do que os livros imprimem inteiro (99.999.999.999,99)."},
          std::pair{"UPDATE DIGISS03 SET materiais = 999999999999900, subempr = 999999999999900, base = 0",
                    "Documento 31 da tabela DIGISS03: base - (materiais + subempr) dá -199.999.999.999,98, "
                    "além do que os livros imprimem inteiro (99.999.999.999,99)."},
          std::pair{"UPDATE DIGISS03 SET materiais = 0, subempr = -1",
                    "Documento 31 da tabela DIGISS03: o campo \"subempr\" guarda -0,0001, valor negativo que "
                    "os livros não imprimem."},
          std::pair{"UPDATE DIGISS03 SET subempr = 0, datalan = NULL",
                    "Documento 31 da tabela DIGISS03: Data de lançamento ausente; preencha-a no documento."},
          std::pair{"UPDATE DIGISS03 SET datalan = '9999-12-31'",
                    "Documento 31 da tabela DIGISS03: Data de lançamento fora do período: 31/12/9999"},
          // Each document prints whole; their sum does not.
          std::pair{
              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 9300) "
              "INSERT OR REPLACE INTO DIGISS03(codauto,datalan,docinicial,base,aliq,iss,tipo) "
              "SELECT i, '2003-03-12', i, 999999999999900, 50000, 0, '0' FROM n",
              "Estouro nas somas do livro de ISS: confira os valores dos documentos da tabela DIGISS03."},
          // A document of March kept in April's table is refused by March's book too, before its sums.
          std::pair{"INSERT INTO DIGISS04(datalan,docinicial) VALUES ('2003-03-31 00:00:00','44')",
                    "Documento 44 da tabela DIGISS04: Data de lançamento fora do período: 31/03/2003"}}) {
        movimento.Execute(QString::fromUtf8(sql));
        try {
            PreparaLivroIss(cadastro, movimento, QDate(2003, 3, 1), Modelo::M53);
            ADD_FAILURE() << sql;
        } catch (const platform::values::RuntimeError& e) {
            EXPECT_EQ(e.description(), QString::fromUtf8(mensagem));
        }
    }
}
