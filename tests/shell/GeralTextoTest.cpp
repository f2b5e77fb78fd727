#include <gtest/gtest.h>

#include "platform/values/Cp1252.h"
#include "platform/values/RuntimeError.h"
#include "shell/Geral.h"

using platform::values::Currency;
using platform::values::RuntimeError;

namespace {

Currency money(const char* text) { return Currency::parse(QString::fromUtf8(text)).value(); }

template <class F>
long errorNumber(F&& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(SoNumerosTest, KeepsDigitsColonAndTheFirstComma) {
    struct Case {
        const char* in;
        const char* soNumeros;
        const char* comSinal;
    } cases[] = {
        {"12.34/5-6", "123456", "12345-6"},
        {"1,5,3", "1,53", "1,53"},
        {"12:30", "12:30", "12:30"},
        {"-5", "5", "-5"},
        {"1-2-3", "123", "1-2-3"},
        {"", "", ""},
        {"abc", "", ""},
        {" 1 2 ", "12", "12"},
        {"R$ -1.234,56", "1234,56", "-1234,56"},
    };
    for (const auto& c : cases) {
        QString a = QString::fromUtf8(c.in), b = a;
        EXPECT_EQ(Geral::SoNumeros(a), c.soNumeros) << c.in;
        EXPECT_EQ(Geral::SoNumerosSinal(b), c.comSinal) << c.in;
    }
}

TEST(SoNumerosTest, LeavesTheCallersTextTrimmed) {
    QString texto = " 123 ";
    EXPECT_EQ(Geral::SoNumeros(texto), "123");
    EXPECT_EQ(texto, "123");
    QString outro = "  -4 ";
    EXPECT_EQ(Geral::SoNumerosSinal(outro), "-4");
    EXPECT_EQ(outro, "-4");
    QVariant variante(QStringLiteral(" 9 "));
    EXPECT_EQ(Geral::SoNumeros(variante), "9");
    EXPECT_EQ(variante.toString(), "9");
    QVariant nulo;
    EXPECT_EQ(Geral::SoNumerosSinal(nulo), "");
    EXPECT_TRUE(nulo.isNull());
}

TEST(TiraAcentosTest, PlainLettersForAccentedOnes) {
    EXPECT_EQ(Geral::TiraAcentos(QString::fromUtf8("Ação D'Água")), "Acao D Agua");
    EXPECT_EQ(Geral::TiraAcentos(QString::fromUtf8("ÀÁÂÃÄÅ ÈÉÊË ÌÍÎÏ ÒÓÔÕÖ ÙÚÛÜ Ç Ñ")),
              "AAAAAA EEEE IIII OOOOO UUUU C N");
    EXPECT_EQ(Geral::TiraAcentos(QString::fromUtf8("àáâãäå èéêë ìíîï òóôõö ùúûü ç ñ")),
              "aaaaaa eeee iiii ooooo uuuu c n");
    const QString ficam = QString::fromUtf8("ÆÐ×ØÝÞßæð÷øýþÿ€Œ");
    EXPECT_EQ(Geral::TiraAcentos(ficam), ficam);
    EXPECT_EQ(Geral::TiraAcentos(QVariant(QStringLiteral("São"))), "Sao");
    EXPECT_EQ(errorNumber([] { Geral::TiraAcentos(QVariant()); }), 94);
}

TEST(TrocaVirgulaTest, PointForComma) {
    EXPECT_EQ(Geral::TrocaVirgula(1234.56), "1234.56");
    EXPECT_EQ(Geral::TrocaVirgula(money("1234,5")), "1234.5");
    EXPECT_EQ(Geral::TrocaVirgula(QStringLiteral("1.234,56")), "1.234.56");
    EXPECT_EQ(Geral::TrocaVirgula(QStringLiteral("  ")), "");
    EXPECT_EQ(Geral::TrocaVirgula(QStringLiteral(" 0,5 ")), "0.5");
    EXPECT_EQ(Geral::TrocaVirgula(QVariant()), "");
    EXPECT_EQ(Geral::TrocaVirgula(QVariant(2.5)), "2.5");
    EXPECT_EQ(Geral::TrocaVirgula(QVariant::fromValue(money("-7,25"))), "-7.25");
}

TEST(ArredondaTest, ExactDecimalHalfUp) {
    struct Case {
        const char* valor;
        int casas;
        const char* esperado;
    } cases[] = {
        {"0,125", 2, "0,13"}, {"-0,125", 2, "-0,12"}, {"2,5", 0, "3"},        {"-2,5", 0, "-2"},
        {"1,234", 2, "1,23"}, {"1,005", 2, "1,01"},   {"1,015", 2, "1,02"},   {"-1,005", 2, "-1,00"},
        {"7", 2, "7"},        {"0,0004", 3, "0"},     {"0,0005", 3, "0,001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Geral::Arredonda(money(c.valor), c.casas), money(c.esperado)) << c.valor;
}

TEST(NumeroExtensoTest, WordsOfZeroToNineHundredNinetyNine) {
    struct Case {
        const char* numero;
        bool masculino;
        bool silabas;
        const char* palavras;
    } cases[] = {
        {"0", true, false, ""},
        {"", true, false, ""},
        {"1", true, false, "UM"},
        {"1", false, false, "UMA"},
        {"1", true, true, "UM"},
        {"1", false, true, "U-MA"},
        {"5", true, false, "CINCO"},
        {"05", true, false, "CINCO"},
        {"005", true, false, "CINCO"},
        {"2", false, false, "DUAS"},
        {"2", true, true, "DO-IS"},
        {"3", false, true, "TRES"},
        {"6", true, true, "SE-IS"},
        {"10", true, false, "DEZ"},
        {"14", true, true, "QUA-TOR-ZE"},
        {"16", true, true, "DE-ZES-SE-IS"},
        {"19", false, false, "DEZENOVE"},
        {"21", true, false, "VINTE E UM"},
        {"50", true, false, "CINQUENTA"},
        {"100", true, false, "CEM"},
        {"100", false, true, "CEM"},
        {"101", true, false, "CENTO E UM"},
        {"110", true, false, "CENTO E DEZ"},
        {"121", true, false, "CENTO E VINTE E UM"},
        {"200", true, false, "DUZENTOS"},
        {"200", false, false, "DUZENTAS"},
        {"600", true, true, "SEIS-CEN-TOS"},
        {"999", true, false, "NOVECENTOS E NOVENTA E NOVE"},
        {"222", false, true, "DU-ZEN-TAS E VIN-TE E DU-AS"},
        {"315", true, false, "TREZENTOS E QUINZE"},
        {""
         " 7 ",
         true, false, "SETE"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Geral::NumeroExtenso(QString::fromUtf8(c.numero), c.masculino, c.silabas), c.palavras)
            << c.numero;
    EXPECT_EQ(errorNumber([] { Geral::NumeroExtenso("1000", true, false); }), 5);
}

TEST(ZerosTest, FillsOnTheLeftAndNeverCuts) {
    EXPECT_EQ(Geral::Zeros(7, 3), "007");
    EXPECT_EQ(Geral::Zeros(" 12 ", 2), "12");
    EXPECT_EQ(Geral::Zeros("", 3), "000");
    EXPECT_EQ(Geral::Zeros("", 0), "");
    EXPECT_EQ(Geral::Zeros(-5, 4), "00-5");
    EXPECT_EQ(Geral::Zeros(QVariant(qlonglong(42)), 4), "0042");
    EXPECT_EQ(Geral::Zeros(QVariant(QStringLiteral("AB")), 3), "0AB");
    EXPECT_EQ(errorNumber([] { Geral::Zeros("1234", 3); }), 5);
    EXPECT_EQ(errorNumber([] { Geral::Zeros(QVariant(), 3); }), 94);
}

TEST(UltimoDiaMesTest, GregorianMonths) {
    struct Case {
        QDate data;
        const char* dia;
    } cases[] = {
        {QDate(2000, 2, 10), "29"},
        {QDate(2100, 2, 1), "28"},
        {QDate(1900, 2, 28), "28"},
        {QDate(2023, 2, 1), "28"},
        {QDate(2024, 2, 29), "29"},
        {QDate(2024, 4, 15), "30"},
        {QDate(2024, 1, 31), "31"},
        {QDate(2024, 12, 1), "31"},
        {QDate(2024, 11, 1), "30"},
        {QDate(2024, 8, 1), "31"},
        {QDate(), "31"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Geral::UltimoDiaMes(c.data), c.dia) << c.data.toString().toStdString();
}

TEST(NomeMesTest, NamesAndDezembroForEverythingElse) {
    const char* nomes[] = {"Dezembro", "Janeiro", "Fevereiro", "Março",   "Abril",    "Maio",     "Junho",
                           "Julho",    "Agosto",  "Setembro",  "Outubro", "Novembro", "Dezembro", "Dezembro"};
    for (int mes = 0; mes <= 13; ++mes) EXPECT_EQ(Geral::NomeMes(mes), QString::fromUtf8(nomes[mes])) << mes;
    EXPECT_EQ(Geral::NomeMes(255), "Dezembro");
}

TEST(CodificaSenhaTest, StoredForms) {
    struct Case {
        const char* senha;
        const char* forma;
    } cases[] = {
        {"abc", " 38920.5]a"}, {"", " 0"},           {" ", " 364.5\x1c"},
        {"&", " 544.5\""},     {"ção", " 153458ãm"},  // Windows-1252 231, 227, 111
        {"€", " 7564.5|"},                            // 128 -> 123, shifted to 124
        {"ab", " 17112.5]"},                          // the second character counts only in the sum
    };
    for (const auto& c : cases)
        EXPECT_EQ(Geral::CodificaSenha(QString::fromUtf8(c.senha)), QString::fromUtf8(c.forma)) << c.senha;
}

TEST(CodificaSenhaTest, OutOfRangeAndOverflowAreErrors) {
    // Position 7 moves ÿ (255) to 257.
    EXPECT_EQ(errorNumber([] { Geral::CodificaSenha(QString::fromUtf8("abcdefÿ")); }), 5);
    // Code 1 at position 1 moves to -3.
    EXPECT_EQ(errorNumber([] { Geral::CodificaSenha(QString(QChar(1))); }), 5);
    // A character outside Windows-1252 is not a question mark, even at an even position.
    EXPECT_EQ(errorNumber([] { Geral::CodificaSenha(QString::fromUtf8("a密")); }), 5);
    EXPECT_NO_THROW(Geral::CodificaSenha(QStringLiteral("a?")));
    // Even positions at 255 and odd ones as high as their shift allows: the sum passes 32767.
    QString longa;
    for (int i = 1; i <= 255; ++i)
        longa += platform::values::fromAnsiCode(i % 2 == 0 ? 0xFF : std::min(255, 260 - i));
    EXPECT_EQ(errorNumber([&] { Geral::CodificaSenha(longa); }), 6);
}
