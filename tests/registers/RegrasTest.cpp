#include <gtest/gtest.h>

#include "registers/ChaveCgc.h"
#include "registers/CodigoFiscal.h"

using namespace registers;
using cfop::Chave;
using cfop::Tabela;

TEST(ReescreveCgc, RewritesByTheCountOfDigits) {
    auto cpf = ReescreveCgc(QStringLiteral("12345678909"));
    EXPECT_EQ(cpf.tipo, TipoChave::Cpf);
    EXPECT_EQ(cpf.texto, QStringLiteral("123.456.789-09"));
    EXPECT_EQ(cpf.digitos, QStringLiteral("12345678909"));
    // Already punctuated, or punctuated oddly: only the digits count.
    EXPECT_EQ(ReescreveCgc(QStringLiteral("123.456.789-09")).texto, QStringLiteral("123.456.789-09"));
    EXPECT_EQ(ReescreveCgc(QStringLiteral("1234/5678-909")).texto, QStringLiteral("123.456.789-09"));

    auto cnpj = ReescreveCgc(QStringLiteral("11.222.333/0001-81"));
    EXPECT_EQ(cnpj.tipo, TipoChave::Cnpj);
    EXPECT_EQ(cnpj.texto, QStringLiteral("11.222.333/0001-81"));
    EXPECT_EQ(ReescreveCgc(QStringLiteral("11222333000181")).texto, QStringLiteral("11.222.333/0001-81"));
}

TEST(ReescreveCgc, OtherCountsAreInvalidAndKeptAsTyped) {
    for (const char* typed : {"123456789012", "1234567890123", "1234567890", "123456789012345", "1.2"}) {
        auto k = ReescreveCgc(QString::fromLatin1(typed));
        EXPECT_EQ(k.tipo, TipoChave::Invalida) << typed;
        EXPECT_EQ(k.texto, QString::fromLatin1(typed));
    }
    // The digit filter keeps a comma; a comma is not a digit, so the key is not a CPF.
    EXPECT_EQ(ReescreveCgc(QStringLiteral("1234567890,1")).tipo, TipoChave::Invalida);
}

TEST(ChaveCfop, UpTo2002ThreeOrFourDigits) {
    const auto t = Tabela::Ate2002;
    EXPECT_EQ(cfop::AnalisaChave(t, QStringLiteral("_.__._")).estado, Chave::Vazia);
    auto tres = cfop::AnalisaChave(t, QStringLiteral("1.11._"));
    EXPECT_EQ(tres.estado, Chave::Completa);
    EXPECT_EQ(tres.codigo, QStringLiteral("1.11"));
    auto quatro = cfop::AnalisaChave(t, QStringLiteral("1.11.1"));
    EXPECT_EQ(quatro.estado, Chave::Completa);
    EXPECT_EQ(quatro.codigo, QStringLiteral("1.11.1"));
    // Too short, a leading 0, and gaps between the digits are all refused alike.
    for (const char* text : {"1.__._", "1.1_._", "0.11._", "0.11.1", "1._1._", "1.1_.1", "_.11.1", "1._1.1"})
        EXPECT_EQ(cfop::AnalisaChave(t, QString::fromLatin1(text)).estado, Chave::Incompleta) << text;
}

TEST(ChaveCfop, From2003FourDigitsLeadingZeroAccepted) {
    const auto t = Tabela::Desde2003;
    EXPECT_EQ(cfop::AnalisaChave(t, QStringLiteral("_.___")).estado, Chave::Vazia);
    EXPECT_EQ(cfop::AnalisaChave(t, QStringLiteral("1.101")).codigo, QStringLiteral("1.101"));
    EXPECT_EQ(cfop::AnalisaChave(t, QStringLiteral("0.101")).estado, Chave::Completa);
    for (const char* text : {"1.10_", "1.___", "1._01", "1.1_1", "_.101"})
        EXPECT_EQ(cfop::AnalisaChave(t, QString::fromLatin1(text)).estado, Chave::Incompleta) << text;
}

TEST(NivelCfop, UpTo2002FromTheLastDigits) {
    EXPECT_EQ(cfop::Nivel(Tabela::Ate2002, QStringLiteral("1.00")), QStringLiteral("1"));
    EXPECT_EQ(cfop::Nivel(Tabela::Ate2002, QStringLiteral("1.10")), QStringLiteral("2"));
    EXPECT_EQ(cfop::Nivel(Tabela::Ate2002, QStringLiteral("1.11")), QStringLiteral("3"));
    EXPECT_EQ(cfop::Nivel(Tabela::Ate2002, QStringLiteral("1.11.1")), QStringLiteral("3"));
}

TEST(NivelCfop, From2003ByTheTablesStructure) {
    const auto t = Tabela::Desde2003;
    EXPECT_EQ(cfop::Nivel(t, QStringLiteral("5.000")), QStringLiteral("1"));
    EXPECT_EQ(cfop::Nivel(t, QStringLiteral("5.100")), QStringLiteral("2"));
    EXPECT_EQ(cfop::Nivel(t, QStringLiteral("5.150")), QStringLiteral("2"));
    EXPECT_EQ(cfop::Nivel(t, QStringLiteral("5.110")), QStringLiteral("3"));
    EXPECT_EQ(cfop::Nivel(t, QStringLiteral("5.910")), QStringLiteral("3"));
    EXPECT_EQ(cfop::Nivel(t, QStringLiteral("5.101")), QStringLiteral("3"));
}

TEST(TextoNaMascara, ThreeDigitCodesFillTheMask) {
    EXPECT_EQ(cfop::TextoNaMascara(Tabela::Ate2002, QStringLiteral("1.11")), QStringLiteral("1.11._"));
    EXPECT_EQ(cfop::TextoNaMascara(Tabela::Ate2002, QStringLiteral("1.11.1")), QStringLiteral("1.11.1"));
    EXPECT_EQ(cfop::TextoNaMascara(Tabela::Desde2003, QStringLiteral("1.101")), QStringLiteral("1.101"));
}
