#include <gtest/gtest.h>

#include "platform/values/Cp1252.h"

using namespace platform::values;

TEST(Cp1252Test, CodesOfCharacters) {
    struct Case {
        char16_t ch;
        int code;
    } cases[] = {
        {u'A', 65},        {u'\0', 0},        {u'\x7f', 127},    {u'À', 192},       {u'ç', 231},
        {u'ÿ', 255},       {u'\u00a0', 160},  {u'€', 128},       {u'‚', 130},       {u'…', 133},
        {u'Š', 138},       {u'Ÿ', 159},       {u'\u0081', 0x81}, {u'\u008d', 0x8d}, {u'\u008f', 0x8f},
        {u'\u0090', 0x90}, {u'\u009d', 0x9d}, {u'\u0080', 63},   {u'\u0100', 63},   {u'Ω', 63},
        {u'中', 63},
    };
    for (const auto& c : cases) EXPECT_EQ(ansiCode(QChar(c.ch)), c.code) << int(c.ch);
}

TEST(Cp1252Test, EveryCodeRoundTrips) {
    for (int code = 0; code < 256; ++code) EXPECT_EQ(ansiCode(fromAnsiCode(code)), code) << code;
    QByteArray all;
    for (int code = 0; code < 256; ++code) all += static_cast<char>(code);
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(Cp1252Test, TextConversion) {
    EXPECT_EQ(toCp1252(QString::fromUtf8("Ação €5")), QByteArray("A\xe7\xe3o \x80"
                                                                 "5"));
    EXPECT_EQ(fromCp1252(QByteArray("\x93Ol\xe1\x94")), QString::fromUtf8("“Olá”"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("a😀b")), QByteArray("a?b"));
}
