#include <gtest/gtest.h>

#include <limits>

#include "platform/values/Str.h"

using platform::values::Currency;
using platform::values::Str;

TEST(StrTest, PlainNumberWithSignPosition) {
    struct Case {
        qint64 raw;
        const char* text;
    } cases[] = {
        {1505000, " 150.5"},
        {4167, " .4167"},
        {1000000000, " 100000"},
        {123456700, " 12345.67"},
        {12345000, " 1234.5"},
        {5000, " .5"},
        {75000, " 7.5"},
        {0, " 0"},
        {-5000, "-.5"},
        {-12345600, "-1234.56"},
        {10000, " 1"},
        {1, " .0001"},
        {std::numeric_limits<qint64>::min(), "-922337203685477.5808"},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(Currency::fromRaw(c.raw)), c.text) << c.raw;
}
