#include <gtest/gtest.h>

#include "platform/values/Currency.h"
#include "platform/values/RuntimeError.h"

using platform::values::Currency;
using platform::values::roundHalfUp;
using platform::values::RuntimeError;
using platform::values::taxAmount;

namespace {

Currency money(const char* text) {
    const auto c = Currency::parse(QString::fromUtf8(text));
    if (!c) ADD_FAILURE() << "not an amount: " << text;
    return c.value_or(Currency());
}

}  // namespace

TEST(CurrencyTest, ParsesBrazilianTexts) {
    struct Case {
        const char* text;
        std::int64_t raw;
    } cases[] = {
        {"1.234,56", 12345600},
        {"1234,56", 12345600},
        {"-0,5", -5000},
        {"12", 120000},
        {"  12  ", 120000},
        {"0,0001", 1},
        {"0,00005", 0},
        {"0,00015", 2},
        {"0,000051", 1},
        {"1.234.567,8", 12345678000},
        {"+3", 30000},
        {",5", 5000},
        {"1.234", 12340000},
        {"1.5", 15000},
        {"-1.000,00", -10000000},
    };
    for (const auto& c : cases) {
        const auto v = Currency::parse(QString::fromUtf8(c.text));
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(v->raw(), c.raw) << c.text;
    }
}

TEST(CurrencyTest, RejectsWhatIsNotAnAmount) {
    for (const char* text : {"", "   ", "abc", "12abc", "1,2,3", "12.34,5", "1.2.3", "-", ",", "1 000",
                             "99999999999999999999", "R$ 5"}) {
        EXPECT_FALSE(Currency::parse(QString::fromUtf8(text)).has_value()) << text;
    }
}

TEST(CurrencyTest, FormatsWithTwoDecimalsAndThousandsPoints) {
    struct Case {
        std::int64_t raw;
        const char* text;
    } cases[] = {
        {12345600, "1.234,56"}, {0, "0,00"},           {-5000, "-0,50"}, {1234567890000, "123.456.789,00"},
        {125, "0,01"},          {-125, "-0,01"},       {124, "0,01"},    {49, "0,00"},
        {-49, "0,00"},          {9999999, "1.000,00"},
    };
    for (const auto& c : cases) EXPECT_EQ(Currency::fromRaw(c.raw).toString(), c.text) << c.raw;
}

TEST(CurrencyTest, ParseAndFormatRoundTrip) {
    for (const char* text : {"0,00", "1,00", "-1,99", "1.234,56", "999.999.999,99", "0,01", "-123.456,78"}) {
        EXPECT_EQ(money(text).toString(), text);
    }
}

TEST(CurrencyTest, SumsAreExact) {
    Currency total;
    for (int i = 0; i < 1000; ++i) total += money("0,10");
    EXPECT_EQ(total, money("100,00"));
    EXPECT_EQ(money("0,10") * 1000, money("100"));
    EXPECT_EQ(money("0,30") - money("0,10") - money("0,20"), Currency());
}

TEST(CurrencyTest, ProductAndQuotientRoundToFourDecimalsTiesToEven) {
    EXPECT_EQ((money("1,5") * money("2")).raw(), 30000);
    EXPECT_EQ((money("0,0001") * money("0,5")).raw(), 0);  // 0,00005 -> even 0
    EXPECT_EQ((money("0,0003") * money("0,5")).raw(), 2);  // 0,00015 -> even 2
    EXPECT_EQ((money("10") / money("3")).raw(), 33333);
    EXPECT_EQ((money("-10") / money("3")).raw(), -33333);
    EXPECT_EQ((money("2") / money("-0,5")).raw(), -40000);
    EXPECT_EQ((money("0,0001") / money("2")).raw(), 0);  // 0,00005 -> even 0
}

TEST(CurrencyTest, OverflowAndDivisionByZeroAreRunTimeErrors) {
    const Currency max = Currency::fromRaw(INT64_MAX);
    EXPECT_THROW(max + Currency::fromRaw(1), RuntimeError);
    EXPECT_THROW(max * money("2"), RuntimeError);
    EXPECT_THROW(Currency::fromUnits(INT64_MAX / 1000), RuntimeError);
    try {
        (void)(money("1") / Currency());
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 11);
    }
    try {
        (void)Currency::fromDouble(1e300);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.description(), "Estouro");
    }
}

TEST(CurrencyTest, FromDoubleTiesToEvenAtFourDecimals) {
    EXPECT_EQ(Currency::fromDouble(1234.5).raw(), 12345000);
    EXPECT_EQ(Currency::fromDouble(0.1).raw(), 1000);
    EXPECT_EQ(Currency::fromDouble(-7.00004).raw(), -70000);
    EXPECT_EQ(Currency::fromDouble(-7.00006).raw(), -70001);
    // Values whose product by 10000 is an exact half go to the even count.
    for (int k : {0, 1, 2, 3, 124, 125, -1, -2, -125}) {
        const double v = (k + (k < 0 ? -0.5 : 0.5)) / 10000;
        if (v * 10000 != k + (k < 0 ? -0.5 : 0.5)) continue;
        const std::int64_t even = (k % 2 == 0) ? k : (k < 0 ? k - 1 : k + 1);
        EXPECT_EQ(Currency::fromDouble(v).raw(), even) << k;
    }
    EXPECT_EQ(Currency::fromUnits(-7).raw(), -70000);
}

TEST(CurrencyTest, RoundHalfUpIsExactDecimal) {
    struct Case {
        const char* value;
        int places;
        const char* expected;
    } cases[] = {
        {"0,125", 2, "0,13"},   {"-0,125", 2, "-0,12"},   {"2,5", 0, "3"},      {"-2,5", 0, "-2"},
        {"1,234", 2, "1,23"},   {"1,005", 2, "1,01"},     {"1,015", 2, "1,02"}, {"2,675", 2, "2,68"},
        {"-1,006", 2, "-1,01"}, {"1,23456", 4, "1,2346"}, {"0,0049", 2, "0"},   {"15", -1, "20"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfUp(money(c.value), c.places), money(c.expected)) << c.value;
}

TEST(CurrencyTest, TaxRoundsToFourDecimalsThenHalfUpToTwo) {
    struct Case {
        const char* base;
        const char* rate;
        const char* tax;
    } cases[] = {
        {"0,33", "1,5", "0,01"},                                 // 0,00495 -> 0,0050 -> 0,01
        {"1000,00", "18", "180,00"}, {"123,45", "17", "20,99"},  // 20,9865
        {"100,00", "0", "0"},        {"-100,00", "12", "-12,00"}, {"10,05", "5", "0,50"},  // 0,5025
        {"0,10", "5", "0,01"},                                                             // 0,005 -> 0,01
    };
    for (const auto& c : cases) EXPECT_EQ(taxAmount(money(c.base), money(c.rate)), money(c.tax)) << c.base;
}
