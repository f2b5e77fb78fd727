#include <gtest/gtest.h>

#include "platform/ui/MsgBox.h"
#include "shell/Geral.h"
#include "support/MessageScript.h"

using platform::ui::Msg::OK;
using testsupport::MessageScript;

namespace {

// Check digits by the usual textbook form of the mod-11 rule, to judge the routines independently.
QString digitosCpf(const QString& base9) {
    QString n = base9;
    for (int passo = 0; passo < 2; ++passo) {
        int soma = 0;
        for (int i = 0; i < n.size(); ++i)
            soma += (n[i].digitValue() < 0 ? 0 : n[i].digitValue()) * (n.size() + 1 - i);
        n += QString::number(soma * 10 % 11 % 10);
    }
    return n;
}

QString digitosCnpj(const QString& base12) {
    static const int pesos[13] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    QString n = base12;
    for (int passo = 0; passo < 2; ++passo) {
        int soma = 0;
        const int deslocamento = 13 - n.size();
        for (int i = 0; i < n.size(); ++i) soma += n[i].digitValue() * pesos[i + deslocamento];
        const int resto = soma % 11;
        n += QString::number(resto < 2 ? 0 : 11 - resto);
    }
    return n;
}

}  // namespace

TEST(ValidaCpfTest, KnownNumbersAndRepeatedDigitsPass) {
    MessageScript script;  // no box expected
    for (const char* cpf : {"11144477735", "12345678909", "52998224725", "00000000000", "11111111111"})
        EXPECT_TRUE(Geral::ValidaCPF(QString::fromLatin1(cpf))) << cpf;
}

TEST(ValidaCpfTest, WrongLengthIsRefusedSilently) {
    MessageScript script;
    for (const char* cpf : {"111.444.777-35", "1114447773", "111444777350", "", " 1114447773", "           "})
        EXPECT_FALSE(Geral::ValidaCPF(QString::fromLatin1(cpf))) << cpf;
}

TEST(ValidaCpfTest, TrailingBlankPassesTheLengthButFailsTheComparison) {
    MessageScript script;
    script.expect("CPF Inválido !", "Erro", OK);
    EXPECT_FALSE(Geral::ValidaCPF("11144477735 "));
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].style, platform::ui::Msg::OKOnly + platform::ui::Msg::Critical);
}

TEST(ValidaCpfTest, ALetterInTheBaseCountsAsZero) {
    MessageScript script;
    const QString comZero = digitosCpf("123456780");
    EXPECT_TRUE(Geral::ValidaCPF("12345678A" + comZero.right(2)));
}

TEST(ValidaCpfTest, EverySingleDigitChange) {
    const QString valido = "11144477735";
    int caixas = 0;
    for (int pos = 0; pos < valido.size(); ++pos) {
        for (char d = '0'; d <= '9'; ++d) {
            QString n = valido;
            if (n[pos] == QChar(d)) continue;
            n[pos] = QChar(d);
            const bool esperado = digitosCpf(n.left(9)) == n;
            MessageScript script;
            if (!esperado) {
                script.expect("CPF Inválido !", "Erro", OK);
                ++caixas;
            }
            EXPECT_EQ(Geral::ValidaCPF(n), esperado) << n.toStdString();
        }
    }
    EXPECT_GT(caixas, 90);  // changing the last digit always fails; most base changes too
}

TEST(ValidaCgcTest, KnownNumbersAndRepeatedDigitsPass) {
    MessageScript script;
    for (const char* cnpj : {"11222333000181", "11444777000161", "00000000000000", "04252011000110"})
        EXPECT_TRUE(Geral::ValidaCGC(QString::fromLatin1(cnpj))) << cnpj;
}

TEST(ValidaCgcTest, WrongLengthIsRefusedSilently) {
    MessageScript script;
    for (const char* cnpj : {"1122233300018", "11.222.333/0001-81", "112223330001810", ""})
        EXPECT_FALSE(Geral::ValidaCGC(QString::fromLatin1(cnpj))) << cnpj;
}

TEST(ValidaCgcTest, EverySingleDigitChange) {
    const QString valido = "11222333000181";
    for (int pos = 0; pos < valido.size(); ++pos) {
        for (char d = '0'; d <= '9'; ++d) {
            QString n = valido;
            if (n[pos] == QChar(d)) continue;
            n[pos] = QChar(d);
            const bool esperado = digitosCnpj(n.left(12)) == n;
            MessageScript script;
            if (!esperado) script.expect("CGC Inválido !", "Erro", OK);
            EXPECT_EQ(Geral::ValidaCGC(n), esperado) << n.toStdString();
        }
    }
}
