#include <gtest/gtest.h>

#include <cmath>

#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"

using namespace platform::values;

namespace {
Currency money(const char* text) { return Currency::parse(QString::fromUtf8(text)).value(); }
}  // namespace

TEST(VbTest, ValReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"12abc", 12},  {"1,5", 1},     {"  -3.25x", -3.25}, {"", 0},       {"abc", 0},
        {"1 2 3", 123}, {"+7", 7},      {".5", 0.5},         {"1e3", 1000}, {"2E", 2},
        {"-", 0},       {"1.2.3", 1.2}, {"0012", 12},        {"\t4", 4},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(VbTest, TrimRemovesBlanksOnly) {
    EXPECT_EQ(Trim(u"  a b  "), "a b");
    EXPECT_EQ(Trim(u"\ta\t"), "\ta\t");
    EXPECT_EQ(Trim(u"   "), "");
}

TEST(VbTest, RegionalTextOfNumbers) {
    EXPECT_EQ(regionalText(money("1234,5")), "1234,5");
    EXPECT_EQ(regionalText(money("-0,25")), "-0,25");
    EXPECT_EQ(regionalText(money("12")), "12");
    EXPECT_EQ(regionalText(qint64(-7)), "-7");
    EXPECT_EQ(regionalText(1234.56), "1234,56");
    EXPECT_EQ(regionalText(0.1 + 0.2), "0,3");
}

TEST(VbTest, FormatNumberPatterns) {
    struct Case {
        const char* value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {"1234567,891", "###,###,##0.00", "1.234.567,89"},
        {"0", "###,###,##0.00", "0,00"},
        {"-1234,5", "#,###,##0.00", "-1.234,50"},
        {"1234,565", "####0.00", "1234,57"},  // half away from zero
        {"-1234,565", "####0.00", "-1234,57"},
        {"1,23456", "#0.0000", "1,2346"},
        {"0,5", "#0.0000", "0,5000"},
        {"7", "0000", "0007"},
        {"12345", "0000", "12345"},
        {"2,5", "0", "3"},
        {"-2,5", "0", "-3"},
        {"-0,001", "0.00", "0,00"},
        {"0,5", "#.##", ",5"},
        {"5", "#.##", "5,"},
        {"1,5", "0.0#", "1,5"},
        {"1,555", "0.0#", "1,56"},
        {"999,999", "#,##0.00", "1.000,00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(money(c.value), QString::fromUtf8(c.pattern)), QString::fromUtf8(c.text))
            << c.value << " " << c.pattern;
    EXPECT_EQ(Format(qint64(42), u"0000"), "0042");
    EXPECT_EQ(Format(qint64(-1234567), u"#,##0"), "-1.234.567");
    EXPECT_EQ(Format(INT64_MIN, u"0"), "-9223372036854775808");
}

TEST(VbTest, DatesAndPeriods) {
    const QDate d(2024, 3, 5);
    EXPECT_EQ(Format(d, u"dd/mm/yyyy"), "05/03/2024");
    EXPECT_EQ(Format(d, u"mm/yyyy"), "03/2024");
    EXPECT_EQ(Format(d, u"d/m/yy"), "5/3/24");
    EXPECT_EQ(Format(d, u"mmyyyy"), "032024");
    EXPECT_EQ(Format(d, u"yyyy"), "2024");
    EXPECT_EQ(Format(QDate(), u"dd/mm/yyyy"), "");
    EXPECT_EQ(formatDate(d), "05/03/2024");
    EXPECT_EQ(formatPeriod(d), "03/2024");

    EXPECT_EQ(parseDate(u"29/02/2024"), QDate(2024, 2, 29));
    for (const char16_t* bad : {u"29/02/2023", u"31/04/2024", u"1/1/2024", u"01-01-2024", u"__/__/____", u"",
                                u"01/13/2024", u"00/01/2024"})
        EXPECT_FALSE(parseDate(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(parsePeriod(u"12/2099"), QDate(2099, 12, 1));
    EXPECT_FALSE(parsePeriod(u"13/2024").has_value());
    EXPECT_FALSE(parsePeriod(u"__/____").has_value());
    EXPECT_EQ(MaximumDate, QDate(2099, 12, 31));
}

TEST(VbTest, CIntAndCLngRoundTiesToEvenAndRefuseOverflow) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(1.6), 2);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_THROW(CInt(32767.5), RuntimeError);
    EXPECT_THROW(CInt(-32769), RuntimeError);
    EXPECT_THROW(CInt(std::nan("")), RuntimeError);
    EXPECT_EQ(CLng(-2147483648.0), INT32_MIN);
    EXPECT_THROW(CLng(2147483648.0), RuntimeError);
}
