#include <gtest/gtest.h>

#include "platform/values/Cp1252.h"
#include "shell/Geral.h"
#include "sintegra/RegistrosArquivo.h"

using namespace sintegra;

namespace {

QString b(int n) { return QString(n, u' '); }
// The field of a company registered as "ISENTO", which no generation takes.
const QString Isento = "ISENTO" + b(8);

EmpresaSintegra empresa() {
    EmpresaSintegra e;
    e.cgc = "12.345.678/0001-95";
    e.inscr_estadual = "ISENTO";
    e.nome = "Comercial de Ferragens Paulista Limitada";  // 40 characters
    e.cidade = "Municipio de Nome Muito Comprido No";     // 35 characters
    e.uf = "SP";
    e.fax = "(11) 2222-3333";
    e.endereco = "Rua das Flores";
    e.numero = "1234567";
    e.complemento = "Sala 4";
    e.bairro = "Centro Historico da Cidade";
    e.cep = "01234-567";
    return e;
}

TEST(Registros, IdentificationAndAddress) {
    EmpresaSintegra e = empresa();
    ParametrosArquivo p{QDate(2004, 1, 1), QDate(2004, 3, 31), "Maria \"Tina\"", ""};
    const QString r10 = Registro10(e, p);
    EXPECT_EQ(r10,
              "10"
              "12345678000195" +
                  Isento + "Comercial de Ferragens Paulista Lim" + "Municipio de Nome Muito Compri" + "SP" +
                  "1122223333" + "20040101" + "20040331" + "331");
    const QString r11 = Registro11(e, p);
    EXPECT_EQ(r11,
              "11"
              "Rua das Flores" +
                  b(20) + "34567" + "Sala 4" + b(16) + "Centro Historic" + "01234567" + "Maria \"Tina\"" +
                  b(16) + "000000000000");

    e.inscr_estadual = "110.042.490.114";
    e.fax = "2222-3333";
    e.numero = "123A";
    e.cep = "";
    p = {QDate(2003, 5, 1), QDate(2003, 5, 31), "", "1133334444"};
    EXPECT_EQ(Registro10(e, p).mid(16, 14), "110042490114  ");
    // A rural producer of São Paulo keeps its "P" in records 10 and 90, as in the registers.
    e.inscr_estadual = "P-01100424.3/002";
    EXPECT_EQ(Registro90(Registro10(e, p), {}).mid(16, 14), "P011004243002 ");
    EXPECT_EQ(Registro10(e, p).mid(97, 10), "0022223333");
    EXPECT_EQ(Registro10(e, p).right(3), "231");
    EXPECT_EQ(Registro11(e, p).mid(36, 5), "00123");
    EXPECT_EQ(Registro11(e, p).mid(78, 8), "00000000");
    EXPECT_EQ(Registro11(e, p).right(12), "001133334444");
    e.fax.clear();
    e.numero = "S/N";
    p.inicio = QDate(2002, 12, 1);
    EXPECT_EQ(Registro10(e, p).mid(97, 10), "0000000000");
    EXPECT_EQ(Registro10(e, p).right(3), "131");
    EXPECT_EQ(Registro11(e, p).mid(36, 5), "00000");
    for (const QString& r : {Registro10(e, p), Registro11(e, p)}) EXPECT_EQ(r.size(), 126);
}

RegistroSintegra registro(const char* tipo, const char* cgc) {
    return {tipo,
            cgc,
            "110042490114  ",
            "20040305",
            "SP",
            "21",
            "   ",
            "P ",
            "000123",
            "5102",
            "0000000012050",
            "0000000010000",
            "0000000001700",
            "0000000002050",
            "0000000000000",
            "1750",
            "N"};
}

TEST(Registros, RegisterRecordsOfEachLayout) {
    const QString cgc = "11222333000181";
    const QString ie = "110042490114  ";
    EXPECT_EQ(Registro50(registro("50", "11222333000181")), "50" + cgc + ie +
                                                                "20040305"
                                                                "SP"
                                                                "21"
                                                                "   "
                                                                "000123"
                                                                "5102"
                                                                "P"
                                                                "0000000012050"
                                                                "0000000010000"
                                                                "0000000001700"
                                                                "0000000002050"
                                                                "0000000000000"
                                                                "1750"
                                                                "N");
    EXPECT_EQ(Registro61(registro("61", "11222333000181")), "61" + b(28) +
                                                                "20040305"
                                                                "21"
                                                                "   "
                                                                "P "
                                                                "000123"
                                                                "000123"
                                                                "0000000012050"
                                                                "0000000010000"
                                                                "000000001700"
                                                                "0000000002050"
                                                                "0000000000000"
                                                                "1750"
                                                                " ");
    RegistroSintegra r70 = registro("70", "");
    r70.subserie = "1 ";
    EXPECT_EQ(Registro70(r70),
              "70"
              "00000000000000" +
                  ie +
                  "20040305"
                  "SP"
                  "21"
                  "   "
                  "000123"
                  "5102"
                  "0000000012050"
                  "00000000010000"
                  "00000000001700"
                  "00000000002050"
                  "00000000000000"
                  "1"
                  "N");
    EXPECT_EQ(Registro76(registro("76", "11222333000181")), "76" + cgc + ie +
                                                                "21"
                                                                "  "
                                                                "P "
                                                                "0000000123"
                                                                "5102"
                                                                "1"
                                                                "20040305"
                                                                "SP"
                                                                "0000000012050"
                                                                "0000000010000"
                                                                "000000001700"
                                                                "000000002050"
                                                                "000000000000"
                                                                "17"
                                                                "N");
    RegistroSintegra antigo = registro("50", "");
    antigo.subserie = "  ";
    antigo.cfop = "512";
    EXPECT_EQ(Registro50Antigo(antigo),
              "50"
              "00000000000000" +
                  ie +
                  "20040305"
                  "SP"
                  "21"
                  "   "
                  "  "
                  "000123"
                  "512"
                  "0000000012050"
                  "0000000010000"
                  "0000000001700"
                  "0000000002050"
                  "0000000000000"
                  "1750"
                  "N");
}

TEST(Registros, TotalsCountTheLinesOfTheFile) {
    const QString r10 = Registro10(empresa(), {QDate(2004, 1, 1), QDate(2004, 1, 31), "", ""});
    EXPECT_EQ(Registro90(r10, {}),
              "90"
              "12345678000195" +
                  Isento + "9900000003" + b(85) + "1");
    EXPECT_EQ(Registro90(r10, {{"50", 5}, {"61", 2}}),
              "90"
              "12345678000195" +
                  Isento +
                  "5000000005"
                  "6100000002"
                  "9900000010" +
                  b(65) + "1");
}

// A staged line is the record of its register with its accents taken off, in Windows-1252, whether it
// is written as bytes straight away or, holding other characters, built as text first.
TEST(Registros, AStagedLineIsItsRecordWithoutAccents) {
    struct Caso {
        const char* tipo;
        bool novo;
        QString RegistroSintegra::*campo;
        QString valor;
    };
    const QString surrogates = QString(QChar(0xD83D)) + QChar(0xDE00);
    const std::vector<Caso> casos = {
        {"50", true, &RegistroSintegra::uf, "SP"},       {"50", true, &RegistroSintegra::uf, "SÃ"},
        {"50", true, &RegistroSintegra::cgc, ""},        {"50", false, &RegistroSintegra::cfop, "51'"},
        {"61", true, &RegistroSintegra::serie, "Ç\t"},   {"70", true, &RegistroSintegra::vlricms, "12é4"},
        {"70", true, &RegistroSintegra::vlrisent, "1'"}, {"76", true, &RegistroSintegra::nrnf, surrogates},
        {"76", true, &RegistroSintegra::serie, "\x7F"},
    };
    for (const Caso& c : casos) {
        RegistroSintegra r = registro(c.tipo, "11222333000181");
        r.*(c.campo) = c.valor;
        const QString registro = !c.novo            ? Registro50Antigo(r)
                                 : r.regtip == "61" ? Registro61(r)
                                 : r.regtip == "70" ? Registro70(r)
                                 : r.regtip == "76" ? Registro76(r)
                                                    : Registro50(r);
        LinhasRegistros linhas(c.novo);
        linhas.acrescenta(r);
        QByteArray escrita;
        linhas.emOrdem([&](QByteArrayView linha) { escrita = linha.toByteArray(); });
        EXPECT_EQ(escrita, platform::values::toCp1252(Geral::TiraAcentos(registro)))
            << c.tipo << " " << c.valor.toStdString();
    }
}

TEST(Registros, TheFileIsCheckedLineByLineBeforeItIsWritten) {
    const auto valida = [](const QString& linha) { return LinhaValida(platform::values::toCp1252(linha)); };
    const QString boa(126, u'x');
    EXPECT_TRUE(valida(boa));
    EXPECT_FALSE(valida(boa.left(125)));
    EXPECT_FALSE(valida(boa + u'x'));
    // A character Windows-1252 lacks is one byte ("?"); a control character is no printable byte.
    EXPECT_TRUE(valida(boa.left(125) + QChar(0x4E2D)));
    for (const char16_t controle : {u'\n', u'\t', char16_t(0x7F), char16_t(0x81), char16_t(0x9D)})
        EXPECT_FALSE(valida(boa.left(125) + QChar(controle))) << int(controle);
}

}  // namespace
