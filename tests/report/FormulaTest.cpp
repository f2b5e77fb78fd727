#include <gtest/gtest.h>

#include "platform/report/Formula.h"

using namespace platform::report;

TEST(FormulaTest, TextConstantsAndBareNumbers) {
    EXPECT_EQ(formulaValue("\"Livro de Entrada\""), QString("Livro de Entrada"));
    EXPECT_EQ(formulaValue("\"\""), QString(""));
    EXPECT_EQ(formulaValue("\"SEM  MOVIMENTO\""), QString("SEM  MOVIMENTO"));
    EXPECT_EQ(formulaValue("\"Diz \"\"sim\"\"\""), QString("Diz \"sim\""));
    EXPECT_EQ(formulaValue("15"), QString("15"));
    EXPECT_EQ(formulaValue(" 0 "), QString("0"));
    EXPECT_EQ(formulaValue("1234,56"), QString("1234,56"));
    EXPECT_FALSE(formulaValue("Livro"));
    EXPECT_FALSE(formulaValue(""));
    EXPECT_FALSE(formulaValue("\"aberto"));
}

TEST(FormulaTest, AValuePastedWithoutEscapingReachesThePageAsTyped) {
    // The print handlers wrap values in quotes without doubling the quotes inside.
    EXPECT_EQ(formulaValue("\"Bar \"O Ponto\" Ltda\""), QString("Bar \"O Ponto\" Ltda"));
    EXPECT_EQ(formulaValue("\"\"\""), QString("\""));
    EXPECT_EQ(formulaValue(quoted("a\"\"b")), QString("a\"\"b"));
    EXPECT_EQ(quoted("x\"y"), QString("\"x\"\"y\""));
}

TEST(SelectionFormulaTest, ParsesTheFormsThePrintsSend) {
    auto s = SelectionFormula::parse("{Termo.Codcli} = 12");
    ASSERT_TRUE(s);
    ASSERT_EQ(s->terms.size(), 1u);
    EXPECT_EQ(s->terms[0].table, "Termo");
    EXPECT_EQ(s->terms[0].field, "Codcli");
    EXPECT_EQ(s->terms[0].op, "=");
    s = SelectionFormula::parse("{MovIss.codemp} = 3 AND {MovIss.uf} = \"S\"\"P\" and {MovIss.ok} <> false");
    ASSERT_TRUE(s);
    ASSERT_EQ(s->terms.size(), 3u);
    EXPECT_EQ(std::get<QString>(s->terms[1].value), "S\"P");
    EXPECT_EQ(std::get<bool>(s->terms[2].value), false);
    EXPECT_FALSE(SelectionFormula::parse(""));
    EXPECT_FALSE(SelectionFormula::parse("{Termo.Codcli} = "));
    EXPECT_FALSE(SelectionFormula::parse("Termo.Codcli = 1"));
    EXPECT_FALSE(SelectionFormula::parse("{Termo.Codcli} = 1 or {Termo.Codcli} = 2"));
    EXPECT_FALSE(SelectionFormula::parse("{Termo.Codcli} = 1; DROP TABLE Termo"));
}

TEST(SelectionFormulaTest, MatchesNumbersTextsInAnyCaseAndNulls) {
    DataSet data;
    data.fields = {{"codcli", FieldType::Text}, {"nome", FieldType::Text}};
    data.rows = {
        {std::int64_t{12}, QString("JOÃO")}, {QString("12"), QString("joão")}, {Value{}, QString("Ana")}};
    const auto byCode = SelectionFormula::parse("{Termo.codcli} = 12");
    EXPECT_TRUE(byCode->matches(data, 0));
    EXPECT_TRUE(byCode->matches(data, 1));
    EXPECT_FALSE(byCode->matches(data, 2));
    const auto byName = SelectionFormula::parse("{Termo.nome} = \"joão\"");
    EXPECT_TRUE(byName->matches(data, 0));
    EXPECT_FALSE(SelectionFormula::parse("{Termo.nome} = \"joao\"")->matches(data, 0));
    EXPECT_TRUE(byName->fitsData(data, "termo"));
    EXPECT_FALSE(byName->fitsData(data, "Empresas"));
    EXPECT_FALSE(SelectionFormula::parse("{Termo.outro} = 1")->fitsData(data, "Termo"));
}
