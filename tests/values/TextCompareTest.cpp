#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>

#include "platform/values/TextCompare.h"

using namespace platform::values;

namespace {
int sign(int v) { return (v > 0) - (v < 0); }
}  // namespace

TEST(TextCompareTest, CaseIgnoredAccentsSignificant) {
    struct Case {
        const char* a;
        const char* b;
        int order;
    } cases[] = {
        {"joão", "JOÃO", 0},     {"joao", "joão", -1},    {"JOAO", "joão", -1},
        {"Ação", "AÇÃO", 0},     {"abc", "ABC", 0},       {"", "", 0},
        {"", "a", -1},           {"a", "ab", -1},         {"Alberto", "Álvaro", -1},
        {"Álvaro", "Bruno", -1}, {"álvaro", "ALVARO", 1}, {"Éder", "Edson", -1},
        {"maçã", "MACA", 1},     {"maçã", "macaco", -1},  {"Zé", "zebra", -1},
        {"10", "9", -1},         {"Ÿ", "ÿ", 0},           {"Œuvre", "œuvre", 0},
    };
    for (const auto& c : cases) {
        const QString a = QString::fromUtf8(c.a), b = QString::fromUtf8(c.b);
        EXPECT_EQ(sign(compareText(a, b)), c.order) << c.a << " / " << c.b;
        EXPECT_EQ(sign(compareText(b, a)), -c.order) << c.b << " / " << c.a;
        EXPECT_EQ(equalText(a, b), c.order == 0);
    }
}

TEST(TextCompareTest, SortsInPortugueseOrder) {
    QStringList names{"Bruno", "álvaro", "Alberto", "Álvaro", "alvaro", "Cecília",
                      "Célia", "Celso",  "avó",     "avô",    "avo"};
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return compareText(a, b) < 0; });
    const QStringList expected{"Alberto", "alvaro", "álvaro",  "Álvaro", "avo",  "avó",
                               "avô",     "Bruno",  "Cecília", "Célia",  "Celso"};
    // "álvaro" and "Álvaro" are equal: their relative order is the sort's; compare by folding.
    ASSERT_EQ(names.size(), expected.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        EXPECT_TRUE(equalText(names[i], expected[i])) << names[i].toStdString();
}

TEST(TextCompareTest, FoldingPrefixAndLike) {
    EXPECT_EQ(foldCase(u"JOÃO da Silva Ç"), QString::fromUtf8("joão da silva ç"));
    EXPECT_TRUE(startsWithText(u"José Antônio", u"JOSÉ"));
    EXPECT_FALSE(startsWithText(u"José Antônio", u"JOSE"));
    EXPECT_FALSE(startsWithText(u"Jo", u"José"));
    EXPECT_TRUE(startsWithText(u"anything", u""));

    struct Case {
        const char* text;
        const char* pattern;
        bool match;
    } cases[] = {
        {"São Paulo", "são%", true},
        {"São Paulo", "SAO%", false},
        {"São Paulo", "%PAULO", true},
        {"São Paulo", "S_o Paulo", true},
        {"São Paulo", "%ã%", true},
        {"abc", "a%c%", true},
        {"abc", "a_", false},
        {"", "%", true},
        {"", "", true},
        {"a", "", false},
        {"mississippi", "%iss%pi", true},
        {"mississippi", "m%ss%x", false},
        {"100%", "100%", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(likeText(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)), c.match)
            << c.text << " LIKE " << c.pattern;
}
