#include <gtest/gtest.h>

#include "shell/SenhaAdm.h"

using namespace shell;

TEST(SenhaAdmTest, HashIsSaltedAndChecksOnlyItsOwnPassword) {
    const QString a = HashSenhaAdm("segredo");
    const QString b = HashSenhaAdm("segredo");
    EXPECT_NE(a, b);
    EXPECT_FALSE(a.contains("segredo"));
    EXPECT_TRUE(a.startsWith("pbkdf2-sha256$" + QString::number(IteracoesSenhaAdm) + "$"));
    EXPECT_GE(IteracoesSenhaAdm, 100000);
    EXPECT_TRUE(ConfereSenhaAdm("segredo", a));
    EXPECT_TRUE(ConfereSenhaAdm("segredo", b));
    EXPECT_FALSE(ConfereSenhaAdm("Segredo", a));
    EXPECT_FALSE(ConfereSenhaAdm("", a));
    EXPECT_TRUE(ConfereSenhaAdm("çãé ü", HashSenhaAdm("çãé ü")));
}

TEST(SenhaAdmTest, EmptyOrForeignStoredFormMatchesNothing) {
    EXPECT_FALSE(ConfereSenhaAdm("", ""));
    EXPECT_FALSE(ConfereSenhaAdm("x", "x"));
    EXPECT_FALSE(ConfereSenhaAdm("x", "pbkdf2-sha256$abc$AAAA$AAAA"));
    EXPECT_FALSE(ConfereSenhaAdm("x", "pbkdf2-sha256$0$AAAA$AAAA"));
    EXPECT_FALSE(ConfereSenhaAdm("x", "pbkdf2-sha256$999999999$AAAA$AAAA"));
    const QString bom = HashSenhaAdm("x");
    EXPECT_FALSE(ConfereSenhaAdm("x", QString(bom).replace("pbkdf2-sha256", "md5")));
    EXPECT_FALSE(ConfereSenhaAdm("x", bom.left(bom.size() - 4)));
}
