#include <gtest/gtest.h>

#include "MovimentoFixture.h"
#include "movement/ArquivoMovimento.h"
#include "movement/DocumentoIcms.h"
#include "movement/movimento_sql.h"
#include "platform/controls/XArrayDB.h"
#include "support/Money.h"

using namespace movimento;
using namespace movtest;
using platform::db::Connection;

using testsupport::C;

namespace {

class DocumentoIcmsTest : public MovimentoTest {
  protected:
    void SetUp() override {
        MovimentoTest::SetUp();
        ASSERT_TRUE(AbreMovimento(banco, 12, 2002).aberta());
    }
    // A document whose slot s holds `vagas[s]`, written as a change writes it (the rest '0' and ' ').
    qint64 Documento(const std::vector<ItemGrade>& vagas) {
        const qint64 codigo = InsereIcms(banco, "DIGE03", QDate(2002, 3, 5));
        for (int s = 0; s < int(vagas.size()); ++s) {
            const QString n = QString::number(s);
            banco.Execute("UPDATE DIGE03 SET baseicms" + n + "=?, aliqicms" + n + "=?, valricms" + n +
                              "=?, isenicms" + n + "=?, outricms" + n + "=?, tipoicms" + n +
                              "=? WHERE codauto=?",
                          {vagas[s].base, vagas[s].aliquota, vagas[s].icms, vagas[s].isento, vagas[s].outros,
                           vagas[s].tipo, codigo});
        }
        return codigo;
    }
    std::vector<ItemGrade> Itens(qint64 codigo) {
        return ItensDoDocumento(LeDocumentoDaLinha<DocumentoIcms>(LeDocumento(banco, "DIGE03", codigo)));
    }

    Connection banco;
};

// Every slot that holds anything is shown, in slot order, whatever empty slot lies between.
TEST_F(DocumentoIcmsTest, TheItemsAreEverySlotThatHoldsAnything) {
    const ItemGrade vazio{{{}, {}, {}, {}, {}}, " "};
    const ItemGrade a{{C("1000"), C("17"), C("170"), {}, {}}, "1"};
    const ItemGrade b{{C("33,33"), C("7"), C("2,33"), C("10"), C("5,5")}, "2"};
    const ItemGrade soIcms{{{}, {}, C("1,5"), {}, {}}, ""};
    const ItemGrade soTipo{{{}, {}, {}, {}, {}}, "3"};
    const ItemGrade soAliquota{{{}, C("12,0001"), {}, {}, {}}, ""};
    struct Caso {
        std::vector<ItemGrade> vagas, itens;
    };
    const Caso casos[] = {
        {{}, {}},
        {{a}, {a}},
        {{a, vazio, b}, {a, b}},
        {{vazio, vazio, vazio, vazio, b}, {b}},
        {{soIcms, soTipo, soAliquota, vazio, a}, {soIcms, soTipo, soAliquota, a}},
        {{a, b, a, b, a}, {a, b, a, b, a}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.vagas.size());
        EXPECT_EQ(Itens(Documento(c.vagas)), c.itens);
    }
}

TEST_F(DocumentoIcmsTest, TheItemsArrayHoldsValuesOrOneEmptyRow) {
    platform::controls::XArrayDB array;
    array.ReDim(0, 3, 0, 6);
    array.setValue(2, 4, "antigo");
    const ItemGrade a{{C("1000"), C("17"), C("170"), C("0"), C("2,5")}, "1"};
    PreencheItens(array, {a, a});
    ASSERT_EQ(array.Count(1), 2);
    ASSERT_EQ(array.Count(2), 7);
    EXPECT_EQ(array.Value(1, ColunaItem::Base).value<Currency>(), C("1000"));
    EXPECT_EQ(array.Value(1, ColunaItem::Outros).value<Currency>(), C("2,5"));
    EXPECT_EQ(array.Value(1, ColunaItem::Tipo).toString(), "1");
    PreencheItens(array, {});
    ASSERT_EQ(array.Count(1), 1);
    for (int c = 0; c <= ColunaItem::Ultima; ++c) EXPECT_FALSE(array.Value(0, c).isValid()) << c;
}

TEST_F(DocumentoIcmsTest, TheDocumentFieldsAsTheWindowShowsThem) {
    banco.Execute(
        "INSERT INTO DIGE03 (datalan,demiss,especie,serie,docinicial,docfinal,cgc,uf,codfiscal,vlrcontabil,"
        "tipolan,baseipi,valripi,isenipi,outripi,fonteicms,descicms,observ) "
        "VALUES('2002-03-05',NULL,'nf','u1','000123','0','11.222.333/0001-81','SP','1.10',?,' 99 "
        "',?,?,?,?,?,?,"
        "'obs')",
        {C("1100"), C("1000"), C("100"), C("1"), C("2"), C("3"), C("4")});
    const auto d = DocumentoNaJanela(LeDocumentoDaLinha<DocumentoIcms>(LeDocumento(banco, "DIGE03", 1)),
                                     TabelaCfop(2002));
    EXPECT_EQ(d.codauto, 1);
    EXPECT_EQ(d.datalan, QDate(2002, 3, 5));
    EXPECT_TRUE(d.demiss.isNull());
    EXPECT_EQ(d.especie, "NF");
    EXPECT_EQ(d.serie, "U1");
    EXPECT_EQ(d.docinicial, "123");
    EXPECT_EQ(d.docfinal, "");
    EXPECT_EQ(d.cgc, "11.222.333/0001-81");
    EXPECT_EQ(d.codfiscal, "1.10._");
    EXPECT_EQ(d.vlrcontabil, C("1100"));
    EXPECT_EQ(d.tipolan, "99");
    EXPECT_TRUE(ItensDoDocumento(d).empty());
    EXPECT_EQ(d.baseipi + d.valripi + d.isenipi + d.outripi + d.fonteicms + d.descicms, C("1110"));
    EXPECT_EQ(d.observ, "obs");
    EXPECT_TRUE(LeDocumento(banco, "DIGE03", 2).Eof());
}

}  // namespace
