#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <numeric>

#include "books/LinhasLivro.h"
#include "books/PreparaLivros.h"
#include "books/livros_sql.h"
#include "platform/db/Error.h"
#include "support/TempProgramFolder.h"

using namespace Livros;
using platform::db::Param;
using platform::db::Params;
using platform::db::Recordset;
using testsupport::TempProgramFolder;

namespace {

Currency m(const char* texto) { return Currency::parse(QString::fromUtf8(texto)).value(); }

const QString Cnpj = QStringLiteral("11.222.333/0001-81");
const QString MascaraVazia = QStringLiteral("__.___.___/____-__");

class PreparaLivrosTest : public ::testing::Test {
  protected:
    void SetUp() override {
        cadastro.Open(pasta.registryConnection());
        movimento.Open(pasta.movementConnection(QStringLiteral("MV030012.MDB")));
        RecriaMovTPara(cadastro);
    }

    // A document of March 2003 numbered `numero`, entered on `dia`, with its items in the slots.
    DocumentoIcms doc(int numero, int dia, const char* cfop, std::vector<ItemIcms> itens = {},
                      const QString& cgc = Cnpj, const char* uf = "SP") {
        DocumentoIcms d;
        d.datalan = QDate(2003, 3, dia);
        d.demiss = QDate(2003, 3, 1);
        d.especie = QStringLiteral("nf");
        d.serie = QStringLiteral("1");
        d.docinicial = QString::number(numero);
        d.cgc = cgc;
        d.uf = QString::fromUtf8(uf);
        d.codfiscal = QString::fromUtf8(cfop);
        for (std::size_t i = 0; i < itens.size(); ++i) {
            d.itens[i] = itens[i];
            d.vlrcontabil += itens[i].base + itens[i].isento + itens[i].outros;
        }
        return d;
    }

    void grava(const QString& tabela, const DocumentoIcms& d) {
        Params p{d.datalan.isValid() ? Param(d.datalan) : Param(platform::db::DbNull),
                 d.demiss.isValid() ? Param(d.demiss) : Param(platform::db::DbNull),
                 d.especie,
                 d.serie,
                 d.docinicial,
                 d.docfinal,
                 d.cgc,
                 d.uf,
                 d.codfiscal,
                 d.observ,
                 d.vlrcontabil};
        for (const ItemIcms& i : d.itens) p.insert(p.end(), {i.base, i.aliquota, i.icms, i.isento, i.outros});
        p.insert(p.end(), {d.baseipi, d.valripi, d.isenipi, d.outripi, d.fonteicms});
        movimento.Execute(
            QStringLiteral("INSERT INTO ") + tabela +
                QStringLiteral("(datalan,demiss,especie,serie,docinicial,docfinal,cgc,uf,codfiscal,"
                               "observ,vlrcontabil,baseicms0,aliqicms0,valricms0,isenicms0,outricms0,"
                               "baseicms1,aliqicms1,valricms1,isenicms1,outricms1,baseicms2,"
                               "aliqicms2,valricms2,isenicms2,outricms2,baseicms3,aliqicms3,"
                               "valricms3,isenicms3,outricms3,baseicms4,aliqicms4,valricms4,"
                               "isenicms4,outricms4,baseipi,valripi,isenipi,outripi,fonteicms) "
                               "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
                               "?,?,?,?,?,?,?,?,?,?)"),
            p);
    }

    // Every row of a query as its values' texts joined by "|".
    QStringList linhas(const char* sql) {
        QStringList out;
        for (Recordset rs = cadastro.OpenRecordset(QString::fromUtf8(sql)); !rs.Eof(); rs.MoveNext()) {
            QStringList valores;
            for (int c = 0; c < rs.FieldCount(); ++c) valores << rs.Fields(c).toString();
            out << valores.join(u'|');
        }
        return out;
    }

    bool entradas(const EstadoLivro& estado = {}) {
        return PreparaEntradas(estado, movimento, QStringLiteral("DIGE03"), QDate(2003, 3, 1), cadastro);
    }
    ResultadoSaidas saidas(const EstadoLivro& estado = {}) {
        return PreparaSaidas(estado, movimento, QStringLiteral("DIGS03"), QDate(2003, 3, 1), cadastro);
    }

    TempProgramFolder pasta;
    platform::db::Connection cadastro, movimento;
};

QStringList lista(std::initializer_list<const char*> textos) {
    QStringList out;
    for (const char* t : textos) out << QString::fromUtf8(t);
    return out;
}

}  // namespace

TEST_F(PreparaLivrosTest, EntriesFillLinesTotalsAndFlags) {
    cadastro.Execute(QStringLiteral("INSERT INTO ForGeral(cgc,nome,ie) VALUES(?,?,?),(?,?,?)"),
                     {Cnpj, "Primeiro D'Ávila", "111", Cnpj, "Segundo", "222"});
    DocumentoIcms a = doc(10, 5, "2.102", {{m("1000"), m("12"), m("120"), {}, {}}}, Cnpj, "sp");
    a.fonteicms = m("10");
    a.docinicial = QStringLiteral("00010");
    DocumentoIcms b = doc(11, 6, "2.102", {{m("500"), m("18"), m("90"), {}, m("100")}},
                          QStringLiteral("99.999.999/0001-91"), "SP");
    b.demiss = QDate(2003, 3, 2);
    b.fonteicms = m("5");
    grava(QStringLiteral("DIGE03"), a);
    grava(QStringLiteral("DIGE03"), b);
    grava(QStringLiteral("DIGE03"), doc(12, 7, "1.102", {{{}, {}, {}, m("300"), {}}}, Cnpj, "MG"));
    grava(QStringLiteral("DIGE03"), doc(13, 8, "3.102", {{{}, m("18"), m("5"), {}, {}}}));

    EXPECT_FALSE(entradas());
    EXPECT_EQ(linhas("SELECT datalan,demiss,especie,docinicial,cgc,inscrest,empresa,uf,codfiscal,vlrcontabil,"
                     "tipoicms0,baseicms0,aliqicms0,valricms0,observ0,tipoicms1,baseicms1,observ1 "
                     "FROM MovEntrada ORDER BY rowid"),
              lista({"05/03/2003|01/03/2003|NF|10|11.222.333/0001-81|111|Primeiro D'Ávila|sp|2.102|1000|"
                     "ICMS 1|1000|12|120| IF=10,00||0| ",
                     "06/03/2003|02/03/2003|NF|11|99.999.999/0001-91| | |SP|2.102|600|ICMS 1|500|18|90| "
                     "IF=5,00|ICMS 3|100|",
                     "07/03/2003|01/03/2003|NF|12|11.222.333/0001-81|111|Primeiro D'Ávila|MG|1.102|300|ICMS "
                     "2|300|0|0|||0| "}));
    EXPECT_EQ(linhas("SELECT * FROM MovTent ORDER BY rowid"),
              lista({"2.102|1600|1500|210|0|100", "1.102|300|0|0|300|0"}));
    EXPECT_EQ(linhas("SELECT * FROM MovUf ORDER BY rowid"), lista({"sp|1600|1500|100|15"}));
    EXPECT_EQ(linhas("SELECT \"100\",\"200\",\"300\",\"500\" FROM MovTPara"),
              lista({"Verdadeiro|Verdadeiro|Falso|Falso"}));
}

TEST_F(PreparaLivrosTest, ExitsSplitContributorsAndFlagGroups) {
    cadastro.Execute(QStringLiteral("INSERT INTO CliGeral(cgc,nome,ie) VALUES(?,?,?)"),
                     {Cnpj, "Cliente", "333"});
    const ItemIcms cem{m("100"), m("12"), m("12"), {}, {}};
    grava(QStringLiteral("DIGS03"), doc(1, 5, "6.108", {cem}, Cnpj, "RJ"));
    grava(QStringLiteral("DIGS03"), doc(2, 5, "6.18", {cem}, Cnpj, "rj"));
    grava(QStringLiteral("DIGS03"), doc(3, 5, "6.99", {cem}, MascaraVazia, "MG"));
    grava(QStringLiteral("DIGS03"), doc(4, 5, "6.99", {cem, cem}, Cnpj, "MG"));
    grava(QStringLiteral("DIGS03"), doc(5, 5, "5.102", {cem}, Cnpj, "SP"));
    // From 2003 the table's own codes for non-contributors, and any client with a CPF.
    grava(QStringLiteral("DIGS03"), doc(6, 5, "6.102", {cem}, QStringLiteral("123.456.789-09"), "BA"));
    grava(QStringLiteral("DIGS03"), doc(7, 5, "6.107", {cem}, Cnpj, "BA"));

    const ResultadoSaidas r = saidas();
    EXPECT_FALSE(r.SemMovimento);
    EXPECT_TRUE(r.HaMovUf);
    EXPECT_TRUE(r.HaMovUfnc);
    EXPECT_EQ(linhas("SELECT * FROM MovUf ORDER BY rowid"), lista({"MG|200|200|0|0"}));
    EXPECT_EQ(linhas("SELECT * FROM MovUfnc ORDER BY rowid"),
              lista({"RJ|200|200|0|0", "MG|100|100|0|0", "BA|200|200|0|0"}));
    EXPECT_EQ(linhas("SELECT * FROM MovTsai ORDER BY rowid"),
              lista({"6.108|100|100|12|0|0", "6.18|100|100|12|0|0", "6.99|300|300|36|0|0",
                     "5.102|100|100|12|0|0", "6.102|100|100|12|0|0", "6.107|100|100|12|0|0"}));
    EXPECT_EQ(linhas("SELECT docinicial,docfinal,empresa,inscrest FROM MovSaida WHERE codfiscal = '5.102'"),
              lista({"5||Cliente|333"}));
    EXPECT_EQ(linhas("SELECT \"100\",\"500\",\"600\",\"700\" FROM MovTPara"),
              lista({"Falso|Verdadeiro|Verdadeiro|Falso"}));
}

TEST_F(PreparaLivrosTest, PartialBooksIncludeBothEndsOfTheRange) {
    const ItemIcms item{m("10"), m("18"), m("1,8"), {}, {}};
    const struct {
        int numero, lancamento, emissao;
    } documentos[] = {{1, 4, 5}, {2, 5, 4}, {3, 10, 11}, {4, 11, 10}, {5, 12, 0}};
    for (const auto& d : documentos)
        for (const char* tabela : {"DIGE03", "DIGS03"}) {
            DocumentoIcms documento = doc(d.numero, d.lancamento, "1.102", {item});
            documento.demiss = d.emissao ? QDate(2003, 3, d.emissao) : QDate();
            grava(QString::fromLatin1(tabela), documento);
        }
    // A date is the day it names, whatever another tool wrote after it.
    for (const char* tabela : {"DIGE03", "DIGS03"})
        movimento.Execute(
            QStringLiteral("UPDATE %1 SET datalan = datalan || ' 00:00:00', demiss = demiss || 'T08:00'")
                .arg(QLatin1String(tabela)));
    for (const bool porEmissao : {false, true}) {
        const EstadoLivro estado{true, QDate(2003, 3, 5), QDate(2003, 3, 10), porEmissao, false};
        const QStringList esperado = porEmissao ? lista({"1", "4"}) : lista({"2", "3"});
        EXPECT_FALSE(entradas(estado));
        EXPECT_EQ(linhas("SELECT docinicial FROM MovEntrada ORDER BY rowid"), esperado) << porEmissao;
        EXPECT_FALSE(saidas(estado).SemMovimento);
        EXPECT_EQ(linhas("SELECT docinicial FROM MovSaida ORDER BY rowid"), esperado) << porEmissao;
    }
    const EstadoLivro vazio{true, QDate(2003, 3, 20), QDate(2003, 3, 31), false, false};
    EXPECT_TRUE(entradas(vazio));
    EXPECT_TRUE(saidas(vazio).SemMovimento);
}

TEST_F(PreparaLivrosTest, EmptyMonthEmptiesTheBooks) {
    const ItemIcms item{m("10"), m("18"), m("1,8"), {}, {}};
    grava(QStringLiteral("DIGE03"), doc(1, 5, "2.102", {item}));
    grava(QStringLiteral("DIGS03"), doc(1, 5, "6.18", {item}));
    grava(QStringLiteral("DIGS03"), doc(2, 5, "6.102", {item}));
    ASSERT_FALSE(entradas());
    ASSERT_FALSE(saidas().SemMovimento);
    ResumeAliquotas(cadastro);
    movimento.Execute(QStringLiteral("DELETE FROM DIGE03"));
    movimento.Execute(QStringLiteral("DELETE FROM DIGS03"));

    EXPECT_TRUE(entradas());
    const ResultadoSaidas r = saidas();
    EXPECT_TRUE(r.SemMovimento);
    EXPECT_FALSE(r.HaMovUf);
    EXPECT_FALSE(r.HaMovUfnc);
    const ResultadoAliquotas a = ResumeAliquotas(cadastro);
    EXPECT_TRUE(a.ImpostoEntradas.isZero());
    EXPECT_TRUE(a.ImpostoSaidas.isZero());
    for (const char* tabela : {"MovEntrada", "MovTent", "MovUf", "MovSaida", "MovTsai", "MovUfnc", "MovAliq"})
        EXPECT_EQ(cadastro.OpenRecordset(QStringLiteral("SELECT * FROM ") + QString::fromLatin1(tabela))
                      .RecordCount(),
                  0)
            << tabela;
    EXPECT_EQ(linhas("SELECT \"100\",\"200\",\"300\",\"500\",\"600\",\"700\" FROM MovTPara"),
              lista({"Falso|Falso|Falso|Falso|Falso|Falso"}));
}

TEST_F(PreparaLivrosTest, FailingPreparationKeepsThePreviousBook) {
    grava(QStringLiteral("DIGE03"), doc(1, 5, "1.102", {{m("10"), m("18"), m("1,8"), {}, {}}}));
    ASSERT_FALSE(entradas());
    const QStringList antes = linhas("SELECT * FROM MovEntrada ORDER BY rowid");
    grava(QStringLiteral("DIGE03"), doc(2, 6, "1.102", {{m("20"), m("18"), m("3,6"), {}, {}}}));
    // The flags are written last, after every line and total.
    cadastro.Execute(QStringLiteral("DROP TABLE MovTPara"));

    EXPECT_THROW(entradas(), platform::db::Error);
    EXPECT_EQ(linhas("SELECT * FROM MovEntrada ORDER BY rowid"), antes);
    EXPECT_EQ(linhas("SELECT * FROM MovTent"), lista({"1.102|10|10|1,8|0|0"}));
    EXPECT_EQ(cadastro.TransactionDepth(), 0);
}

TEST_F(PreparaLivrosTest, AssessmentSumsPerRateAndPerCfop) {
    auto item = [](const char* base, const char* aliq, const char* icms) {
        return ItemIcms{m(base), m(aliq), m(icms), {}, {}};
    };
    grava(QStringLiteral("DIGE03"), doc(1, 5, "1.102", {item("100", "12", "12"), item("200", "18", "36")}));
    // Amounts of four decimals written straight into the month table.
    grava(QStringLiteral("DIGE03"),
          doc(2, 5, "1.102",
              {item("0,005", "7,5", "0,005"), item("0,005", "7,5", "0"), item("1000", "0,4167", "4,17")}));
    grava(QStringLiteral("DIGE03"), doc(3, 5, "2.102", {item("1000", "0,4167", "4,17")}));
    grava(QStringLiteral("DIGS03"), doc(1, 5, "5.102", {item("300", "18", "54"), item("400", "25", "100")}));
    // ICMS on a line of rate 0.
    grava(QStringLiteral("DIGS03"), doc(2, 5, "5.102", {item("50", "0", "9")}));
    grava(QStringLiteral("DIGS03"), doc(3, 5, "5.405", {item("10", "7,5", "0,75")}));
    entradas();
    saidas();

    const ResultadoAliquotas r = ResumeAliquotas(cadastro);
    EXPECT_EQ(linhas("SELECT * FROM MovTent ORDER BY rowid"),
              lista({"1.102|1300,01|1300,02|52,18|0|0", "2.102|1000|1000|4,17|0|0"}));
    EXPECT_EQ(linhas("SELECT * FROM MovAliq ORDER BY rowid"),
              lista({"12|100|12|0|0", "18|200|36|300|54", "7,5|0,02|0,01|10|0,75", "0,4167|2000|8,34|0|0",
                     "25|0|0|400|100"}));
    EXPECT_EQ(r.ImpostoEntradas, m("56,35"));
    EXPECT_EQ(r.ImpostoSaidas, m("163,75"));
}

// A counterpart is found whatever the letter case of its number and whatever characters the number
// holds; of two rows of one number the first wins, for every spelling of it.
TEST_F(PreparaLivrosTest, CounterpartsFoundByNumbersOfAnyCaseAndCharacters) {
    const QString aspas = QStringLiteral("x\"1\\a\tç");
    cadastro.Execute(QStringLiteral("INSERT INTO ForGeral(cgc,nome,ie) VALUES(?,?,?),(?,?,?),(?,?,?)"),
                     {aspas, "Aspas", "1", aspas.toUpper(), "Outro", "2", "Ab-2", "Letras", "3"});
    const ItemIcms item{m("10"), m("18"), m("1,8"), {}, {}};
    const QString numeros[] = {aspas.toUpper(), aspas, QStringLiteral("aB-2"), QStringLiteral("zz")};
    for (int i = 0; i < 4; ++i) grava(QStringLiteral("DIGE03"), doc(i + 1, 5, "1.102", {item}, numeros[i]));
    entradas();
    EXPECT_EQ(linhas("SELECT empresa, inscrest FROM MovEntrada ORDER BY rowid"),
              lista({"Letras|3", "Aspas|1", "Aspas|1", " | "}));
}

// A book of many rows keeps every row, in order, with the header on each document's first row only.
TEST_F(PreparaLivrosTest, ManyRowsAreAllWrittenInOrder) {
    QStringList esperadas;
    for (int n = 1; n <= 45; ++n) {
        std::vector<ItemIcms> itens;
        for (int s = 0; s < 1 + n % 4; ++s)
            itens.push_back({m("10") * (s + 1), m("18"), m("1,8") * (s + 1), {}, {}});
        grava(QStringLiteral("DIGS03"), doc(n, 1 + n % 28, "5.102", itens));
        grava(QStringLiteral("DIGE03"), doc(n, 1 + n % 28, "1.102", itens));
    }
    // The book's order: by day, then number as a number (9, 10, 100).
    std::vector<int> ordem(45);
    std::iota(ordem.begin(), ordem.end(), 1);
    std::stable_sort(ordem.begin(), ordem.end(),
                     [](int a, int b) { return a % 28 != b % 28 ? a % 28 < b % 28 : a < b; });
    for (int n : ordem)
        for (int s = 0; s < 1 + n % 4; s += 2)
            esperadas << QStringLiteral("%1|%2|%3")
                             .arg(s == 0 ? QString::number(n) : QStringLiteral(" "))
                             .arg((s + 1) * 10)
                             .arg(s + 1 < 1 + n % 4 ? (s + 2) * 10 : 0);
    saidas();
    entradas();
    EXPECT_EQ(linhas("SELECT docinicial, base0, base1 FROM MovSaida ORDER BY rowid"), esperadas);
    EXPECT_EQ(linhas("SELECT docinicial, baseicms0, baseicms1 FROM MovEntrada ORDER BY rowid"), esperadas);
}

// Documents of one day print in the order of their numbers as numbers, in both books.
TEST_F(PreparaLivrosTest, NumbersOfOneDayInNumericOrder) {
    const ItemIcms cem{m("100"), m("12"), m("12"), {}, {}};
    for (int numero : {100, 10, 9}) {
        grava(QStringLiteral("DIGS03"), doc(numero, 5, "5.102", {cem}, Cnpj, "SP"));
        grava(QStringLiteral("DIGE03"), doc(numero, 5, "1.102", {cem}, Cnpj, "SP"));
    }
    saidas();
    entradas();
    EXPECT_EQ(linhas("SELECT docinicial FROM MovSaida ORDER BY rowid"), lista({"9", "10", "100"}));
    EXPECT_EQ(linhas("SELECT docinicial FROM MovEntrada ORDER BY rowid"), lista({"9", "10", "100"}));
}

// A value another tool stored that no book can read stops the book with the document named: its
// table, number and what the field holds; the previous book's lines stay.
TEST_F(PreparaLivrosTest, StoredValuesNoBookCanReadNameTheirDocument) {
    grava(QStringLiteral("DIGE03"), doc(1, 5, "1.102", {{m("10"), m("18"), m("1,8"), {}, {}}}));
    ASSERT_FALSE(entradas());
    const QStringList antes = linhas("SELECT * FROM MovEntrada ORDER BY rowid");
    grava(QStringLiteral("DIGE03"), doc(77, 6, "1.102", {{m("20"), m("18"), m("3,6"), {}, {}}}));
    const QString doc77 = QStringLiteral("Documento 77 da tabela DIGE03: ");
    const QString incompativel = doc77 + QStringLiteral("Tipo incompatível: o campo ");
    const QString alem = QStringLiteral(", além do que os livros imprimem inteiro (99.999.999.999,99).");
    const QString monetario =
        QStringLiteral(", que não pode ser lido como valor monetário (décimos de milésimo inteiros).");
    const struct {
        const char* coluna;
        const char* valor;
        QString mensagem;
    } casos[] = {
        {"vlrcontabil", "1234.56",
         incompativel + QStringLiteral("\"vlrcontabil\" guarda 1234.56") + monetario},
        {"baseicms0", "1e308", incompativel + QStringLiteral("\"baseicms0\" guarda 1e+308") + monetario},
        {"valricms0", "'abc'", incompativel + QStringLiteral("\"valricms0\" guarda \"abc\"") + monetario},
        {"fonteicms", "'12,50'", incompativel + QStringLiteral("\"fonteicms\" guarda \"12,50\"") + monetario},
        {"datalan", "'2003-02-31'",
         incompativel +
             QStringLiteral("\"datalan\" guarda \"2003-02-31\", que não pode ser lido como data.")},
        {"datalan", "'0000-00-00'",
         incompativel +
             QStringLiteral("\"datalan\" guarda \"0000-00-00\", que não pode ser lido como data.")},
        {"datalan", "'15/03/2003'",
         incompativel +
             QStringLiteral("\"datalan\" guarda \"15/03/2003\", que não pode ser lido como data.")},
        {"isenicms0", "9223372036854775807",
         doc77 + "o campo \"isenicms0\" guarda 922.337.203.685.477,5807" + alem},
        {"vlrcontabil", "1000000000000000",
         doc77 + "o campo \"vlrcontabil\" guarda 100.000.000.000,00" + alem},
        {"valripi", "-999999999999901", doc77 + "o campo \"valripi\" guarda -99.999.999.999,9901" + alem},
        {"aliqicms0", "1000000",
         doc77 + "o campo \"aliqicms0\" guarda 100,0000, além do que os livros imprimem inteiro (99,9999)."},
        // A negative amount alone in its slot would print no line and leave its valor contábil out.
        {"isenicms0", "-5000000",
         doc77 + "o campo \"isenicms0\" guarda -500,00, valor negativo que os livros não imprimem."},
        {"aliqicms0", "-10000",
         doc77 + "o campo \"aliqicms0\" guarda -1,0000, valor negativo que os livros não imprimem."},
        {"datalan", "NULL", doc77 + "Data de lançamento ausente; preencha-a no documento."},
        {"datalan", "''", doc77 + "Data de lançamento ausente; preencha-a no documento."},
        {"demiss", "NULL", doc77 + "Data de emissão ausente; preencha-a no documento."},
        {"demiss", "''", doc77 + "Data de emissão ausente; preencha-a no documento."},
        {"datalan", "'9999-12-31'", doc77 + "Data de lançamento fora do período: 31/12/9999"},
        {"demiss", "'2003-04-01'", doc77 + "Data de emissão fora do período: 01/04/2003"},
        // A date is the day it names, whatever another tool wrote after it.
        {"datalan", "'2003-03-31 00:00:00'", QString()},
        {"demiss", "'2003-03-31T23:59:59'", QString()},
        {"vlrcontabil", "NULL", QString()},
        {"valripi", "999999999999900", QString()},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        const auto antigo =
            movimento.OpenRecordset(QStringLiteral("SELECT quote(%1) FROM DIGE03 WHERE docinicial = '77'")
                                        .arg(QLatin1String(c.coluna)));
        const QString original = antigo.Fields(0).toString();
        movimento.Execute(QStringLiteral("UPDATE DIGE03 SET %1 = %2 WHERE docinicial = '77'")
                              .arg(QLatin1String(c.coluna), QLatin1String(c.valor)));
        try {
            entradas();
            EXPECT_TRUE(c.mensagem.isEmpty());
        } catch (const platform::db::Error& e) {
            EXPECT_EQ(e.description().toStdString(), c.mensagem.toStdString());
            EXPECT_EQ(linhas("SELECT * FROM MovEntrada ORDER BY rowid"), antes);
        }
        movimento.Execute(QStringLiteral("UPDATE DIGE03 SET %1 = %2 WHERE docinicial = '77'")
                              .arg(QLatin1String(c.coluna), original));
    }
    // The exits book prints no issue date: an exit without one is dated by its entry date.
    DocumentoIcms semEmissao = doc(78, 6, "5.102", {{m("10"), m("18"), m("1,8"), {}, {}}});
    semEmissao.demiss = QDate();
    grava(QStringLiteral("DIGS03"), semEmissao);
    EXPECT_FALSE(saidas().SemMovimento);
    // A document of March kept in another month's table is refused by March's book too.
    for (const char* tabela : {"DIGE02", "DIGS04"}) {
        grava(QString::fromLatin1(tabela), doc(55, 10, "1.102", {{m("10"), m("18"), m("1,8"), {}, {}}}));
        try {
            tabela[3] == 'E' ? (void)entradas() : (void)saidas();
            ADD_FAILURE() << tabela;
        } catch (const platform::db::Error& e) {
            EXPECT_EQ(e.description(), QStringLiteral("Documento 55 da tabela %1: Data de lançamento fora do "
                                                      "período: 10/03/2003")
                                           .arg(QLatin1String(tabela)));
        }
    }
}
