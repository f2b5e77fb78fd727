#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <map>

#include "SintegraFixture.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "sintegra/sintegra_sql.h"
#include "support/Golden.h"

namespace Msg = platform::ui::Msg;
using sintegra::ResultadoGeracao;

namespace {

// The layouts of the file as the validator reads them, position by position (1-based start, width):
// 'D' digits, 'A' a date yyyymmdd, 'T' any text, 'B' blanks. Named fields are read back.
struct Campo {
    int inicio, largura;
    char tipo;
    const char* nome = "";
};

const std::map<QByteArray, std::vector<Campo>> Novos = {
    {"10",
     {{3, 14, 'D'},
      {17, 14, 'T'},
      {31, 35, 'T'},
      {66, 30, 'T'},
      {96, 2, 'T'},
      {98, 10, 'D'},
      {108, 8, 'A'},
      {116, 8, 'A'},
      {124, 3, 'D'}}},
    {"11",
     {{3, 34, 'T'}, {37, 5, 'D'}, {42, 22, 'T'}, {64, 15, 'T'}, {79, 8, 'D'}, {87, 28, 'T'}, {115, 12, 'D'}}},
    {"50",
     {{3, 14, 'D'},
      {17, 14, 'T'},
      {31, 8, 'A'},
      {39, 2, 'T'},
      {41, 2, 'T'},
      {43, 3, 'T'},
      {46, 6, 'D', "numero"},
      {52, 4, 'D'},
      {56, 1, 'T'},
      {57, 13, 'D', "total"},
      {70, 13, 'D', "base"},
      {83, 13, 'D', "icms"},
      {96, 13, 'D', "isento"},
      {109, 13, 'D', "outros"},
      {122, 4, 'D'},
      {126, 1, 'T'}}},
    {"61",
     {{3, 28, 'B'},
      {31, 8, 'A'},
      {39, 2, 'T'},
      {41, 3, 'T'},
      {44, 2, 'T'},
      {46, 6, 'D', "numero"},
      {52, 6, 'D'},
      {58, 13, 'D', "total"},
      {71, 13, 'D', "base"},
      {84, 12, 'D', "icms"},
      {96, 13, 'D', "isento"},
      {109, 13, 'D', "outros"},
      {122, 4, 'D'},
      {126, 1, 'B'}}},
    {"70",
     {{3, 14, 'D'},
      {17, 14, 'T'},
      {31, 8, 'A'},
      {39, 2, 'T'},
      {41, 2, 'T'},
      {43, 3, 'T'},
      {46, 6, 'D', "numero"},
      {52, 4, 'D'},
      {56, 13, 'D', "total"},
      {69, 14, 'D', "base"},
      {83, 14, 'D', "icms"},
      {97, 14, 'D', "isento"},
      {111, 14, 'D', "outros"},
      {125, 1, 'D'},
      {126, 1, 'T'}}},
    {"76",
     {{3, 14, 'D'},
      {17, 14, 'T'},
      {31, 2, 'T'},
      {33, 2, 'T'},
      {35, 2, 'T'},
      {37, 10, 'D', "numero"},
      {47, 4, 'D'},
      {51, 1, 'D'},
      {52, 8, 'A'},
      {60, 2, 'T'},
      {62, 13, 'D', "total"},
      {75, 13, 'D', "base"},
      {88, 12, 'D', "icms"},
      {100, 12, 'D', "isento"},
      {112, 12, 'D', "outros"},
      {124, 2, 'D'},
      {126, 1, 'T'}}},
};

const std::vector<Campo> Antigo50 = {{3, 14, 'D'},
                                     {17, 14, 'T'},
                                     {31, 8, 'A'},
                                     {39, 2, 'T'},
                                     {41, 2, 'T'},
                                     {43, 3, 'T'},
                                     {46, 2, 'T'},
                                     {48, 6, 'D', "numero"},
                                     {54, 3, 'D'},
                                     {57, 13, 'D', "total"},
                                     {70, 13, 'D', "base"},
                                     {83, 13, 'D', "icms"},
                                     {96, 13, 'D', "isento"},
                                     {109, 13, 'D', "outros"},
                                     {122, 4, 'D'},
                                     {126, 1, 'T'}};

// The models each register takes.
const std::map<QByteArray, QByteArrayList> Modelos = {
    {"50", {"01", "03", "04", "06", "21", "22"}}, {"61", {"02", "04", "13", "14", "15", "16"}},
    {"70", {"07", "08", "09", "10", "11"}},       {"76", {"21", "22"}},
    {"50<2003", {"01", "03", "06", "22"}},        {"61<2003", {"02", "04", "13", "14", "15", "16"}},
};

// Reads the file as the validator would, from the layouts above alone: checks every line, record 90
// against the lines counted, and returns the amounts of every register.
std::vector<ValoresSlot> le(const QByteArray& bytes, const QDate& inicio, const QDate& fim) {
    const bool novo = inicio.year() >= 2003;
    std::vector<ValoresSlot> valores;
    EXPECT_EQ(bytes.size() % 128, 0);
    const qsizetype n = bytes.size() / 128;
    std::map<QByteArray, qint64> porTipo;
    for (qsizetype i = 0; i < n; ++i) {
        const QByteArray linha = bytes.mid(i * 128, 126);
        const QByteArray onde = "line " + QByteArray::number(i + 1) + ": " + linha;
        EXPECT_EQ(bytes.mid(i * 128 + 126, 2), "\r\n") << onde.constData();
        EXPECT_FALSE(linha.contains('\r') || linha.contains('\n')) << onde.constData();
        const QByteArray tipo = linha.left(2);
        ++porTipo[tipo];
        EXPECT_EQ(tipo, i == 0 ? "10" : i == 1 ? "11" : i == n - 1 ? "90" : tipo) << onde.constData();
        if (tipo == "90") {
            EXPECT_EQ(i, n - 1);
            EXPECT_EQ(linha.mid(2, 28), bytes.mid(2, 28));
            int p = 30;
            std::map<QByteArray, qint64> pares;
            while (p + 10 <= 125 && linha.mid(p, 2) != "99") {
                pares[linha.mid(p, 2)] = linha.mid(p + 2, 8).toLongLong();
                p += 10;
            }
            EXPECT_EQ(linha.mid(p, 2), "99");
            EXPECT_EQ(linha.mid(p + 2, 8).toLongLong(), n) << onde.constData();
            EXPECT_EQ(linha.mid(p + 10, 125 - p - 10), QByteArray(125 - p - 10, ' '));
            EXPECT_EQ(linha.at(125), '1');
            std::map<QByteArray, qint64> registros = porTipo;
            registros.erase("10");
            registros.erase("11");
            registros.erase("90");
            EXPECT_EQ(pares, registros);
            continue;
        }
        const auto layout =
            novo || tipo == "10" || tipo == "11" || tipo == "61" ? Novos.find(tipo) : Novos.end();
        const std::vector<Campo>* campos = layout != Novos.end()     ? &layout->second
                                           : (!novo && tipo == "50") ? &Antigo50
                                                                     : nullptr;
        if (!campos) {
            ADD_FAILURE() << "unexpected record " << onde.constData();
            continue;
        }
        std::map<std::string, qint64> lido;
        for (const Campo& c : *campos) {
            const QByteArray v = linha.mid(c.inicio - 1, c.largura);
            const bool digitos =
                std::all_of(v.begin(), v.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
            EXPECT_TRUE(digitos || (c.tipo != 'D' && c.tipo != 'A')) << c.inicio << " " << onde.constData();
            EXPECT_TRUE(c.tipo != 'B' || v == QByteArray(c.largura, ' '))
                << c.inicio << " " << onde.constData();
            if (c.tipo == 'A') {
                const QDate d = QDate::fromString(QString::fromLatin1(v), "yyyyMMdd");
                EXPECT_TRUE(d.isValid() && d >= inicio && d <= fim) << c.inicio << " " << onde.constData();
            }
            if (*c.nome) lido[c.nome] = v.toLongLong();
        }
        if (tipo == "10") {
            EXPECT_EQ(linha.mid(107, 8), inicio.toString("yyyyMMdd").toLatin1());
            EXPECT_EQ(linha.mid(115, 8), fim.toString("yyyyMMdd").toLatin1());
        }
        if (lido.empty()) continue;
        const QByteArray modelo = linha.mid(tipo == "61" ? 38 : tipo == "76" ? 30 : 40, 2);
        EXPECT_TRUE(Modelos.at(novo ? tipo : tipo + "<2003").contains(modelo)) << onde.constData();
        if (novo && tipo == "50") {
            EXPECT_TRUE(linha.at(55) == 'P' || linha.at(55) == 'T') << onde.constData();
        }
        // The total is the valor contábil's share: IPI and ICMS at source may lie beyond the slot.
        EXPECT_GE(lido["total"], lido["base"] + lido["isento"] + lido["outros"]) << onde.constData();
        valores.push_back({lido["numero"], lido["base"], lido["icms"], lido["isento"], lido["outros"]});
    }
    std::sort(valores.begin(), valores.end());
    return valores;
}

// The file compared byte for byte with its golden copy, a mismatch shown line by line;
// RT_UPDATE_GOLDEN=1 writes the golden copy instead.
void confereGolden(const char* nome, const QByteArray& bytes) {
    QFile f(QStringLiteral(RT_TEST_SOURCE_DIR "/golden/") + nome);
    if (qEnvironmentVariable("RT_UPDATE_GOLDEN") == QLatin1String("1")) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return;
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << nome;
    const QByteArray esperado = f.readAll();
    EXPECT_TRUE(esperado == bytes) << nome << "\n"
                                   << testsupport::lineDiff(QString::fromLatin1(esperado).split("\r\n"),
                                                            QString::fromLatin1(bytes).split("\r\n"))
                                          .join(u'\n')
                                          .toStdString();
}

class ArquivoSintegra : public SintegraFixture {
  protected:
    // A quarter of 2004 with every register type, a CPF, the empty mask, two documents of one date and
    // CNPJ, a document without issue date, one without amounts and one of April.
    void movimento2004() {
        participante("ForGeral", "11.222.333/0001-81", "110.042.490.114");
        participante("ForGeral", "11.222.333/0001-81", "999.999.999.999");
        participante("ForGeral", "123.456.789-09", "ISENTO");
        participante("CliGeral", "33.444.555/0001-81", "12.345.678");
        participante("CliGeral", "44.555.666/0001-81", "ISENTO");
        participante("CliGeral", "11.222.333/0001-81", "1");
        documento(false, "2004-01-10", "2004-01-08", "NF", "11.222.333/0001-81", "SP", "123", "1.102",
                  {{"1000", "180", "0", "0", "18"}, {"500", "35", "20,5", "0", "7"}});
        documento(false, "2004-01-15", "", "NF", "123.456.789-09", "MG", "45", "2.102",
                  {{"0", "0", "0", "99,99", "0"}});
        documento(false, "2004-02-03", "2004-02-01", "NFE", "__.___.___/____-__", "", "7", "3.949",
                  {{"0", "0", "10", "0", "0"}});
        documento(false, "2004-02-20", "2004-02-20", "NF", "22.333.444/0001-81", "RJ", "900", "2.102",
                  {{"100", "12", "0", "0", "12"}});
        documento(false, "2004-02-20", "2004-02-20", "NF", "22.333.444/0001-81", "RJ", "899", "2.102",
                  {{"200", "24", "0", "0", "12"}});
        documento(false, "2004-03-05", "2004-03-04", "NSC", "11.222.333/0001-81", "SP", "31", "1.303",
                  {{"60", "7,2", "0", "0", "12"}});
        documento(false, "2004-03-06", "2004-03-06", "NF", "11.222.333/0001-81", "SP", "32", "1.102",
                  {{"0", "0", "0", "0", "0"}});
        documento(false, "2004-04-01", "2004-04-01", "NF", "11.222.333/0001-81", "SP", "40", "1.102",
                  {{"100", "18", "0", "0", "18"}});
        // Received in March, issued in February, with IPI; and one under the company's own CNPJ.
        documento(false, "2004-03-02", "2004-02-27", "NF", "22.333.444/0001-81", "RJ", "61", "2.101",
                  {{"1000", "120", "0", "0", "12"}}, "100");
        documento(false, "2004-03-09", "2004-03-09", "NF", "12.345.678/0001-95", "SP", "62", "1.209",
                  {{"0", "0", "0", "75", "0"}});
        documento(true, "2004-01-20", "2004-01-20", "NFC", "33.444.555/0001-81", "SP", "501", "5.102",
                  {{"250", "42,5", "0", "0", "17"}});
        documento(true, "2004-02-10", "2004-02-10", "CT", "33.444.555/0001-81", "SP", "502", "5.352",
                  {{"300", "36", "0", "0", "12"}});
        documento(true, "2004-03-15", "2004-03-15", "NSC", "44.555.666/0001-81", "SP", "503", "5.303",
                  {{"80", "20", "0", "5", "25"}});
        documento(true, "2004-03-31", "2004-03-31", "CT", "33.444.555/0001-81", "BA", "504", "6.932",
                  {{"400", "48", "0", "0", "12"}});
        documento(true, "2004-03-02", "2004-03-01", "NF", "33.444.555/0001-81", "SP", "505", "5.102",
                  {{"1234,57", "222,22", "0", "0", "18"}, {"0", "0", "0", "0,01", "0"}});
        documento(true, "2004-04-01", "2004-03-31", "NF", "33.444.555/0001-81", "SP", "506", "5.102",
                  {{"10", "1,8", "0", "0", "18"}});
        esperados.erase(std::remove_if(esperados.begin(), esperados.end(),
                                       [](const ValoresSlot& v) { return v.numero == 40; }),
                        esperados.end());
        std::sort(esperados.begin(), esperados.end());
    }
};

TEST_F(ArquivoSintegra, QuarterOf2004IsWrittenByteForByteAndReadsBack) {
    movimento2004();
    script->expect("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !", "Finalização...",
                   Msg::OK);
    ASSERT_EQ(gera(pedido(QDate(2004, 1, 1), QDate(2004, 3, 31))), ResultadoGeracao::Concluida);
    const QByteArray bytes = arquivo();
    confereGolden("SINT2004.TXT", bytes);
    EXPECT_EQ(le(bytes, QDate(2004, 1, 1), QDate(2004, 3, 31)), esperados);
    EXPECT_EQ(linhasRegSint(), 16);
    EXPECT_EQ(movimento.State(), platform::db::ObjectState::Closed);
    EXPECT_TRUE(Geral::ConexaoMovimento.contains("MV040007.MDB"));

    // March alone: the entry issued in February is dated when it was received, and its total holds
    // its IPI.
    script->expect(
        QString::fromUtf8("Já existe o arquivo SINT007.TXT, deseja substitui-lo ? Você pode clicar "
                          "não e mudar o nome ou o local..."),
        Msg::Yes);
    script->expect("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !", Msg::OK);
    ASSERT_EQ(gera(pedido(QDate(2004, 3, 1), QDate(2004, 3, 31))), ResultadoGeracao::Concluida);
    const QByteArray marco = arquivo();
    le(marco, QDate(2004, 3, 1), QDate(2004, 3, 31));
    EXPECT_TRUE(
        marco.contains("5022333444000181ISENTO        20040302RJ01   0000612101T0000000110000"
                       "00000001000000000000012000"));
    EXPECT_TRUE(marco.contains("20040331SP01   0005065102P"));

    // April's file leaves out the exit entered in April and issued in March.
    script->expect(
        QString::fromUtf8("Já existe o arquivo SINT007.TXT, deseja substitui-lo ? Você pode clicar "
                          "não e mudar o nome ou o local..."),
        Msg::Yes);
    script->expect("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !", Msg::OK);
    ASSERT_EQ(gera(pedido(QDate(2004, 4, 1), QDate(2004, 4, 30))), ResultadoGeracao::Concluida);
    const std::vector<ValoresSlot> abril{{40, 10000, 1800, 0, 0}};
    EXPECT_EQ(le(arquivo(), QDate(2004, 4, 1), QDate(2004, 4, 30)), abril);
}

TEST_F(ArquivoSintegra, QuarterOf2002IsWrittenInTheOldLayout) {
    participante("ForGeral", "11.222.333/0001-81", "110.042.490.114");
    documento(false, "2002-10-05", "2002-10-05", "NF", "11.222.333/0001-81", "SP", "10", "1.12.1",
              {{"100", "18", "0", "0", "18"}});
    documento(true, "2002-11-11", "2002-11-10", "NFC", "33.444.555/0001-81", "SP", "11", "5.12",
              {{"50", "8,5", "0", "0", "17"}});
    documento(false, "2002-11-20", "2002-11-18", "NFP", "123.456.789-09", "SP", "13", "1.12",
              {{"40", "4,8", "0", "0", "12"}});
    documento(true, "2002-12-01", "2002-12-01", "NTL", "__.___.___/____-__", "", "12", "7.99",
              {{"0", "0", "30", "0", "0"}});
    documento(false, "2002-12-31", "", "NF", "11.222.333/0001-81", "SP", "1", "1.99",
              {{"10", "1", "0", "0", "10"}});
    std::sort(esperados.begin(), esperados.end());
    script->expect("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !", Msg::OK);
    ASSERT_EQ(gera(pedido(QDate(2002, 10, 1), QDate(2002, 12, 31))), ResultadoGeracao::Concluida);
    const QByteArray bytes = arquivo();
    confereGolden("SINT2002.TXT", bytes);
    EXPECT_EQ(le(bytes, QDate(2002, 10, 1), QDate(2002, 12, 31)), esperados);
}

TEST_F(ArquivoSintegra, EveryWrongFieldIsListedAtOnceBeforeAnythingIsTouched) {
    esperaErros();
    EXPECT_EQ(gera({"", {}, {}, "", "", folder.path(), ""}), ResultadoGeracao::Recusada);
    EXPECT_EQ(
        erros(),
        QStringList({"O Campo Código da Empresa é Obrigatório !", "O Campo Data Inicial é Obrigatório !",
                     "O Campo Data Final é Obrigatório !", "O Campo Nome do Arquivo é Obrigatório !"}));

    esperaErros();
    EXPECT_EQ(gera({"8", QDate(2004, 5, 1), QDate(2003, 4, 1), "", "", folder.path(), "a/b"}),
              ResultadoGeracao::Recusada);
    EXPECT_EQ(erros(), QStringList({"Empresa Não Cadastrada, Utilize o Botão Pesquisar !",
                                    "A Data Final é Menor que a Data Inicial !",
                                    "O Período Deve Estar Dentro de um Mesmo Ano !",
                                    "O Nome do Arquivo Não Pode Conter Barras !"}));

    // The company that informs must be registered in its state: "ISENTO" is for the other parties.
    cadastro.Execute("UPDATE Empresas SET cgc = ?, inscr_estadual = ?, uf = ? WHERE codigo = 7",
                     {"12.345.678/0001", "ISENTO", ""});
    esperaErros();
    EXPECT_EQ(gera(pedido(QDate(2004, 1, 1), QDate(2004, 1, 31))), ResultadoGeracao::Recusada);
    EXPECT_EQ(erros(),
              QStringList({"O CNPJ da Empresa Deve Ter 14 Dígitos !",
                           "A Empresa Não Possui Inscrição Estadual, o Arquivo Não Pode Ser Gerado !",
                           "O Campo UF da Empresa é Obrigatório !"}));
    EXPECT_TRUE(Geral::ConexaoMovimento.isEmpty());
    EXPECT_EQ(arquivo(), "missing");
}

TEST_F(ArquivoSintegra, AnExistingFileIsReplacedOnlyOnYes) {
    documento(false, "2004-01-10", "2004-01-10", "NF", "11.222.333/0001-81", "SP", "1", "1.102",
              {{"10", "0", "0", "0", "0"}});
    QFile antigo(folder.filePath("SINT007.TXT"));
    ASSERT_TRUE(antigo.open(QIODevice::WriteOnly));
    antigo.write("old");
    antigo.close();
    const QString pergunta =
        "Já existe o arquivo SINT007.TXT, deseja substitui-lo ? Você pode clicar não e mudar "
        "o nome ou o local...";
    script->expect(pergunta, "Erro ao Localizar Arquivo", Msg::No);
    EXPECT_EQ(gera(pedido(QDate(2004, 1, 1), QDate(2004, 1, 31))), ResultadoGeracao::NaoSubstituida);
    EXPECT_EQ(arquivo(), "old");
    script->expect(pergunta, Msg::Yes);
    script->expect("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !", Msg::OK);
    EXPECT_EQ(gera(pedido(QDate(2004, 1, 1), QDate(2004, 1, 31))), ResultadoGeracao::Concluida);
    EXPECT_EQ(arquivo().size(), 4 * 128);
}

TEST_F(ArquivoSintegra, MissingMovementRefusedDocumentOrUnwritableFolderWriteNothing) {
    script->expect("Arquivo de Movimento da Empresa Inexistente, Verifique !!!", "Erro ao Localizar Arquivo",
                   Msg::OK);
    EXPECT_EQ(gera(pedido(QDate(2005, 1, 1), QDate(2005, 1, 31))), ResultadoGeracao::SemMovimento);

    documento(false, "2004-01-10", "2004-01-10", "NF", "11.222.333/0001-81", "SP", "1", "1.102",
              {{"10", "0", "0", "0", "0"}});
    script->expect("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !", Msg::OK);
    ASSERT_EQ(gera(pedido(QDate(2004, 1, 1), QDate(2004, 1, 31))), ResultadoGeracao::Concluida);
    const QByteArray escrito = arquivo();

    documento(true, "2004-01-12", "2004-01-12", "NF", "33.444.555/0001-81", "SP", "77", "5.1",
              {{"-5", "0", "10", "0", "0"}});
    // Issued in the year before: no file of this year's movement can take it.
    documento(true, "2004-01-13", "2003-12-31", "NF", "33.444.555/0001-81", "SP", "78", "5.102",
              {{"10", "0", "0", "0", "0"}});
    script->expect(
        QString::fromUtf8("Já existe o arquivo SINT007.TXT, deseja substitui-lo ? Você pode clicar não e "
                          "mudar o nome ou o local..."),
        Msg::Yes);
    esperaErros();
    EXPECT_EQ(gera(pedido(QDate(2004, 1, 1), QDate(2004, 1, 31))), ResultadoGeracao::DocumentosRecusados);
    EXPECT_EQ(erros(), QStringList({"Saídas 12/01/2004 Nº 77: CFOP incompleto",
                                    "Saídas 12/01/2004 Nº 77: Valor negativo",
                                    "Saídas 13/01/2004 Nº 78: Data de emissão fora do período"}));
    EXPECT_EQ(arquivo(), escrito);
    EXPECT_EQ(linhasRegSint(), 1);
    EXPECT_EQ(movimento.State(), platform::db::ObjectState::Closed);

    sintegra::PedidoSintegra p = pedido(QDate(2004, 2, 1), QDate(2004, 2, 29));
    p.pasta = folder.filePath("sem/pasta");
    script->expect("Erro ao Gravar o Arquivo " + folder.filePath("sem/pasta/SINT007.TXT") +
                       " !\nO arquivo ou a pasta não existe.",
                   "Erro", Msg::OK);
    EXPECT_EQ(gera(p), ResultadoGeracao::FalhaGravacao);
    EXPECT_FALSE(QDir(folder.filePath("sem")).exists());
}

TEST_F(ArquivoSintegra, PastTwentyRefusalsTheListSaysThereAreMore) {
    for (int numero = 1; numero <= 21; ++numero)
        documento(false, "2004-06-01", "2004-06-01", "NF", "11.222.333/0001-81", "SP",
                  QByteArray::number(numero).constData(), "1.1", {{"10", "0", "0", "0", "0"}});
    esperaErros();
    EXPECT_EQ(gera(pedido(QDate(2004, 6, 1), QDate(2004, 6, 30))), ResultadoGeracao::DocumentosRecusados);
    const QStringList linhas = erros();
    ASSERT_EQ(linhas.size(), 20);
    EXPECT_EQ(linhas.first(), "Entradas 01/06/2004 Nº 1: CFOP incompleto");
    EXPECT_EQ(linhas.last(), "Há outros erros não listados !");
    EXPECT_EQ(arquivo(), "missing");
}

TEST_F(ArquivoSintegra, ControlCharactersStoredByOtherToolsBecomeBlanks) {
    cadastro.Execute(
        "UPDATE Empresas SET nome = ?, endereco = ?, complemento = ?, bairro = ? WHERE codigo = 7",
        {"Linha\nQuebrada\tLtda", "Rua A\r\nfundos", QString::fromUtf8("Sala\u0085\u0081"), "Centro\x7f"});
    documento(false, "2004-01-10", "2004-01-10", "NF", "11.222.333/0001-81", "SP", "1", "1.102",
              {{"10", "0", "0", "0", "0"}});
    script->expect("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !", Msg::OK);
    ASSERT_EQ(gera(pedido(QDate(2004, 1, 1), QDate(2004, 1, 31))), ResultadoGeracao::Concluida);
    const QByteArray bytes = arquivo();
    le(bytes, QDate(2004, 1, 1), QDate(2004, 1, 31));
    EXPECT_EQ(bytes.mid(30, 35), QByteArray("Linha Quebrada Ltda").leftJustified(35, ' '));
    EXPECT_EQ(bytes.mid(128 + 2, 34), QByteArray("Rua A  fundos").leftJustified(34, ' '));
    EXPECT_EQ(bytes.mid(128 + 41, 22), QByteArray("Sala  ").leftJustified(22, ' '));
}

TEST_F(ArquivoSintegra, UnreadableStoredDatesAndAmountsAreRefusedByName) {
    participante("ForGeral", "11.222.333/0001-81", "110.042.490.114");
    documento(false, "2003-03-10", "2003-03-10", "NF", "11.222.333/0001-81", "SP", "1", "1.102",
              {{"10", "0", "0", "0", "0"}});
    script->expect("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !", Msg::OK);
    ASSERT_EQ(gera(pedido(QDate(2003, 2, 1), QDate(2003, 3, 31))), ResultadoGeracao::Concluida);
    const QByteArray escrito = arquivo();

    const QString insere =
        "INSERT INTO %1 (datalan, demiss, docinicial, cgc, uf, codfiscal, baseicms0, "
        "vlrcontabil) VALUES (?, ?, ?, '11.222.333/0001-81', 'SP', '1.102', ?, ?)";
    struct Linha {
        const char* tabela;
        const char *datalan, *demiss, *numero, *base;
    };
    for (const Linha& l : {Linha{"DIGE02", "2003-02-31", "2003-02-28", "91", "100000"},
                           Linha{"DIGE03", "0000-00-00", "2003-03-01", "92", "100000"},
                           Linha{"DIGE03", "15/03/2003", "2003-03-01", "93", "100000"},
                           Linha{"DIGS03", "2003-03-05", "2003-13-01", "94", "100000"},
                           Linha{"DIGE03", "2003-03-06", "2003-03-06", "95", "abc"},
                           Linha{"DIGE03", "2003-03-07", "2003-03-07", "97", "1234.56"},
                           Linha{"DIGE03", "2003-03-08", "2003-03-08", "98", "1e308"},
                           // No file takes an entry its month's table does not hold.
                           Linha{"DIGE03", "2003-04-02", "2003-04-02", "99", "100000"}})
        executa(2003, insere.arg(l.tabela), {l.datalan, l.demiss, l.numero, l.base, 100000});
    executa(2003, insere.arg("DIGS02"), {platform::db::DbNull, "2003-02-03", "96", "100000", 100000});
    script->expect(
        QString::fromUtf8("Já existe o arquivo SINT007.TXT, deseja substitui-lo ? Você pode clicar "
                          "não e mudar o nome ou o local..."),
        Msg::Yes);
    esperaErros();
    EXPECT_EQ(gera(pedido(QDate(2003, 2, 1), QDate(2003, 3, 31))), ResultadoGeracao::DocumentosRecusados);
    QStringList linhas = erros();
    ASSERT_EQ(linhas.size(), 9);
    EXPECT_EQ(linhas[0], "Entradas DIGE02 Nº 91: Data de lançamento ilegível: \"2003-02-31\"");
    EXPECT_EQ(linhas[1], "Saídas DIGS02 Nº 96: Data de lançamento ausente");
    linhas.removeAt(1);
    EXPECT_EQ(linhas[1], "Entradas DIGE03 Nº 92: Data de lançamento ilegível: \"0000-00-00\"");
    EXPECT_EQ(linhas[2], "Entradas DIGE03 Nº 93: Data de lançamento ilegível: \"15/03/2003\"");
    EXPECT_TRUE(linhas[3].startsWith("Entradas DIGE03 Nº 95: Tipo incompatível: o campo \"baseicms0\""))
        << linhas[3].toStdString();
    // Amounts stored as a fraction or beyond any amount by another tool.
    for (int i : {4, 5})
        EXPECT_TRUE(linhas[i].startsWith(QStringLiteral("Entradas DIGE03 Nº %1: Tipo incompatível: o campo "
                                                        "\"baseicms0\"")
                                             .arg(93 + i)))
            << linhas[i].toStdString();
    EXPECT_EQ(linhas[6], "Entradas DIGE03 Nº 99: Data de lançamento fora do período: 02/04/2003");
    EXPECT_EQ(linhas[7], "Saídas DIGS03 Nº 94: Data de emissão ilegível: \"2003-13-01\"");
    EXPECT_EQ(arquivo(), escrito);
    EXPECT_EQ(linhasRegSint(), 1);
    // April's file, whose period holds the date of March's number 99, refuses it too.
    script->expect(QString::fromUtf8("Já existe o arquivo SINT007.TXT, deseja substitui-lo ? Você pode "
                                     "clicar não e mudar o nome ou o local..."),
                   Msg::Yes);
    esperaErros();
    EXPECT_EQ(gera(pedido(QDate(2003, 4, 1), QDate(2003, 4, 30))), ResultadoGeracao::DocumentosRecusados);
    EXPECT_EQ(erros(), QStringList{linhas[6]});
    EXPECT_EQ(arquivo(), escrito);
}

// A date stored by another tool with a time after it is the day it names, and an empty issue date is
// none: each document is in the file of its day, and in no other. A movement file of an older layout,
// which the windows and the books refuse, gives no file.
TEST_F(ArquivoSintegra, ADateIsTheDayItNamesAndAnOlderMovementFileGivesNoFile) {
    const QString insere =
        "INSERT INTO %1 (datalan, demiss, docinicial, cgc, uf, codfiscal, baseicms0, "
        "vlrcontabil) VALUES (?, ?, ?, '11.222.333/0001-81', 'SP', ?, 100000, 100000)";
    executa(2004, insere.arg("DIGS04"), {"2004-04-01", "2004-03-31 00:00:00", "1", "5.102"});
    executa(2004, insere.arg("DIGE03"), {"2004-03-31 00:00:00", "2004-03-30", "2", "1.102"});
    executa(2004, insere.arg("DIGS03"), {"2004-03-10", "", "3", "5.102"});
    for (const int mes : {3, 4}) {
        script->expect("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !", Msg::OK);
        sintegra::PedidoSintegra p =
            pedido(QDate(2004, mes, 1), QDate(2004, mes, 1).addMonths(1).addDays(-1));
        p.nome = QStringLiteral("MES%1").arg(mes);
        ASSERT_EQ(gera(p), ResultadoGeracao::Concluida);
        const QByteArray bytes = arquivo(p.nome);
        QStringList registros;
        for (qsizetype linha = 2; linha < bytes.size() / 128 - 1; ++linha)
            registros << bytes.mid(linha * 128 + 30, 8) + ' ' + bytes.mid(linha * 128 + 45, 6);
        registros.sort();
        const QStringList marco{"20040310 000003", "20040331 000001", "20040331 000002"};
        EXPECT_EQ(registros, mes == 3 ? marco : QStringList());
    }
    executa(2004, "ALTER TABLE DIGS07 DROP COLUMN talao");
    script->expect(
        QStringLiteral("Não foi possível abrir o arquivo de movimento MV040007.MDB (O arquivo %1 "
                       "não tem a coluna \"talao\": é de uma versão anterior, está vazio ou não é "
                       "um arquivo deste sistema. Ajuste-o pelo menu Config, Utilitários, \"Ajuste "
                       "Individual de Movimento\".) !")
            .arg(folder.filePath("Tarvel/MV040007.MDB")),
        "Erro", Msg::OK);
    EXPECT_EQ(gera(pedido(QDate(2004, 3, 1), QDate(2004, 3, 31))), ResultadoGeracao::MovimentoIlegivel);
    EXPECT_EQ(arquivo(), "missing");
}

// RegSint takes the registers several rows a statement, in their order, however many there are.
TEST_F(ArquivoSintegra, RegSintTakesTheRegistersInTheirOrder) {
    for (const int quantos : {0, 1, 16, 37}) {
        std::vector<sintegra::RegistroSintegra> registros(quantos);
        QStringList esperados;
        for (int i = 0; i < quantos; ++i) esperados << (registros[i].nrnf = QString::number(i));
        sintegra::ApagaRegSint(cadastro);
        sintegra::InsereRegSint(cadastro, registros);
        QStringList lidos;
        for (auto rs = cadastro.OpenRecordset("SELECT nrnf FROM RegSint ORDER BY codauto"); !rs.Eof();
             rs.MoveNext())
            lidos << rs.Fields(0).toString();
        EXPECT_EQ(lidos, esperados) << quantos;
    }
}

TEST(NumeroEmpresa, ACompanyNamesItsDefaultFile) {
    EXPECT_EQ(sintegra::NomeArquivoPadrao(7), "SINT007");
    EXPECT_EQ(sintegra::NomeArquivoPadrao(1234), "SINT1234");
}

}  // namespace
