#include <gtest/gtest.h>

#include "sintegra/RegistroSintegra.h"

using namespace sintegra;

namespace {

Currency v(const char* texto) { return *Currency::parse(QString::fromLatin1(texto)); }

// A document entered on 05/03 of the year and issued the same day, with one item in slot 0 unless
// `itens` says otherwise, of a company of São Paulo whose CNPJ is 12.345.678/0001-95, in the file of
// March; its valor contábil is the sum of its taken slots unless `contabil` says otherwise.
struct Caso {
    const char* nome;
    int ano;
    bool saida;
    const char* especie;
    const char* cgc;
    const char* uf;
    const char* numero;
    const char* cfop;
    std::vector<std::array<const char*, 5>> itens;  // base, icms, isento, outros, aliquota
    QStringList esperado;                           // the registers, fields joined by "|", or refusals
    const char* emissao = "-03-05";                 // month and day of issue, or a date; "" for none
    const char* contabil = nullptr;
    const char* lancamento = "-03-05";
    int mes = 3;  // of the file
    const char* serie = "";
    const char* ufEmpresa = "SP";  // the company's state as stored
};

Inscricoes fornecedores() {
    Inscricoes campos;
    for (const auto& [cgc, ie] : {std::pair{"11.222.333/0001-81", "110.042.490.114"},
                                  {"123.456.789-09", "ISENTO"},
                                  {"22.333.444/0001-81", "1234567"},
                                  {"33.444.555/0001-81", "12.345.678.901.234.567"},
                                  {"111.444.777-35", "P-01100424.3/002"}})
        campos.insert(cgc, CampoInscricao(ie));
    return campos;
}

QString junta(const RegistroSintegra& r) {
    return QStringList{r.regtip,  r.cgc,      r.inscr_estadual, r.demis,    r.uf,      r.modelo,
                       r.serie,   r.subserie, r.nrnf,           r.cfop,     r.vlrtot,  r.baseicms,
                       r.vlricms, r.vlrisent, r.vlroutr,        r.aliqicms, r.situacao}
        .join(u'|');
}

const char* const Cnpj = "11.222.333/0001-81";
const std::array<const char*, 5> Cem = {"100", "17", "0", "0", "17"};
// The fields of a register of Cnpj after its date and state, and its money of Cem.
const QString Parte = "11222333000181|110042490114  |";
const QString Valores = "0000000010000|0000000010000|0000000001700|0000000000000|0000000000000|1700|N";

// clang-format off
const std::vector<Caso> Casos = {
    {"cfop x35x is record 70", 2004, true, "NFT", Cnpj, "SP", "123", "5.352", {Cem},
     {"70|" + Parte + "20040305|SP|07|   |1 |000123|5352|" + Valores}},
    {"cfop 6932 is record 70, to another state", 2004, true, "CT", Cnpj, "RJ", "1", "6.932", {Cem},
     {"70|" + Parte + "20040305|RJ|08|   |1 |000001|6932|" + Valores}},
    {"a transport model is record 70 whatever the cfop", 2004, false, "CTF", Cnpj, "SP", "1", "1.102", {Cem},
     {"70|" + Parte + "20040305|SP|11|   |1 |000001|1102|" + Valores}},
    {"NFC is record 61", 2004, true, "NFC", Cnpj, "SP", "7", "5.102", {Cem},
     {"61|" + Parte + "20040305|SP|02|   |P |000007|5102|" + Valores}},
    {"a ticket is record 61", 2004, true, "BPR", Cnpj, "SP", "7", "5.102", {Cem},
     {"61|" + Parte + "20040305|SP|13|   |P |000007|5102|" + Valores}},
    {"NFP issued is record 61", 2004, true, "NFP", Cnpj, "SP", "7", "5.102", {Cem},
     {"61|" + Parte + "20040305|SP|04|   |P |000007|5102|" + Valores}},
    {"NFP received is record 50 with the producer's data, by a third party", 2004, false, "NFP",
     "123.456.789-09", "SP", "8", "1.102", {Cem},
     {"50|00012345678909|ISENTO        |20040305|SP|04|   |T |000008|1102|" + Valores}},
    {"NSC of an exit is record 76", 2004, true, "NSC", Cnpj, "SP", "7", "5.303", {Cem},
     {"76|" + Parte + "20040305|SP|21|   |P |000007|5303|" + Valores}},
    {"NSC of an entry is record 50 of a third party", 2004, false, "NSC", Cnpj, "SP", "7", "1.303", {Cem},
     {"50|" + Parte + "20040305|SP|21|   |T |000007|1303|" + Valores}},
    {"an entry issued the month before is dated when received", 2004, false, "NF", Cnpj, "SP", "7", "1.102",
     {Cem}, {"50|" + Parte + "20040305|SP|01|   |T |000007|1102|" + Valores}, "-02-27"},
    {"a company state stored padded and in small letters is still its own", 2004, false, "NF", Cnpj, "SP", "7",
     "1.102", {Cem}, {"50|" + Parte + "20040305|SP|01|   |T |000007|1102|" + Valores}, "-03-05", nullptr,
     "-03-05", 3, "", "  sp "},
    {"an exit is dated when issued", 2004, true, "NF", Cnpj, "SP", "7", "5.102", {Cem},
     {"50|" + Parte + "20040301|SP|01|   |P |000007|5102|" + Valores}, "-03-01"},
    {"an entry under the company's own CNPJ is its own", 2004, false, "NF", "12.345.678/0001-95", "SP", "7",
     "1.102", {Cem}, {"50|12345678000195|ISENTO        |20040305|SP|01|   |P |000007|1102|" + Valores}},
    {"the company's own entry invoice is its own, model 01 from 2003", 2003, false, "NFE", Cnpj, "SP", "7",
     "1.102", {Cem}, {"50|" + Parte + "20030305|SP|01|   |P |000007|1102|" + Valores}},
    {"before 2003 the company's own entry invoice is model 03", 2002, false, "NFE", Cnpj, "SP", "7", "1.12",
     {Cem}, {"50|" + Parte + "20020305|SP|03|   |  |000007|112|" + Valores}},
    {"an import under the company's own CNPJ names no party", 2004, false, "NFE", "12.345.678/0001-95", "SP",
     "7", "3.102", {Cem}, {"50|00000000000000|ISENTO        |20040305|EX|01|   |P |000007|3102|" + Valores}},
    {"an export names no party", 2004, true, "NF", Cnpj, "EX", "7", "7.101", {Cem},
     {"50|00000000000000|ISENTO        |20040305|EX|01|   |P |000007|7101|" + Valores}},
    {"a ticket under a transport cfop is record 61", 2004, true, "BPR", Cnpj, "SP", "7", "5.357", {Cem},
     {"61|" + Parte + "20040305|SP|13|   |P |000007|5357|" + Valores}},
    {"an exit issued on 31/03 and entered on 01/04 is March's", 2004, true, "NF", Cnpj, "SP", "7", "5.102",
     {Cem}, {"50|" + Parte + "20040331|SP|01|   |P |000007|5102|" + Valores}, "-03-31", nullptr, "-04-01"},
    {"and not April's", 2004, true, "NF", Cnpj, "SP", "7", "5.102", {Cem}, {}, "-03-31", nullptr, "-04-01", 4},
    {"the total holds the IPI, shared out by the slots' amounts", 2004, false, "NF", Cnpj, "SP", "7", "1.102",
     {{"1000", "180", "0", "0", "18"}, {"400", "28", "100", "0", "7"}},
     {"50|" + Parte + "20040305|SP|01|   |T |000007|1102|0000000110000|0000000100000|0000000018000|"
      "0000000000000|0000000000000|1800|N",
     "50|" + Parte + "20040305|SP|01|   |T |000007|1102|0000000055000|0000000040000|0000000002800|"
      "0000000010000|0000000000000|0700|N"},
     "-03-05", "1650"},
    {"the last slot takes the cent the shares leave", 2004, true, "NF", Cnpj, "SP", "7", "5.102",
     {{"1", "0", "0", "0", "0"}, {"1", "0", "0", "0", "0"}},
     {"50|" + Parte + "20040305|SP|01|   |P |000007|5102|0000000000100|0000000000100|0000000000000|"
      "0000000000000|0000000000000|0000|N",
     "50|" + Parte + "20040305|SP|01|   |P |000007|5102|0000000000101|0000000000100|0000000000000|"
      "0000000000000|0000000000000|0000|N"},
     "-03-05", "2,01"},
    {"before 2003: three-digit cfop, NFC in record 61, blank sub-series", 2002, true, "NFC", Cnpj, "SP", "7",
     "5.12.1", {Cem}, {"61|" + Parte + "20020305|SP|02|   |  |000007|512|" + Valores}},
    {"before 2003: NFP received in record 61", 2002, false, "NFP", Cnpj, "SP", "7", "1.12", {Cem},
     {"61|" + Parte + "20020305|SP|04|   |  |000007|112|" + Valores}},
    {"before 2003: electricity in record 50", 2002, false, "NEE", Cnpj, "SP", "7", "1.12", {Cem},
     {"50|" + Parte + "20020305|SP|06|   |  |000007|112|" + Valores}},
    {"cpf, registered ISENTO, from abroad; no issue date", 2004, true, "XYZ", "123.456.789-09", "", "123",
     "7.102", {Cem}, {"50|00000000000000|ISENTO        |20040305|EX|01|   |P |000123|7102|" + Valores}, ""},
    {"a São Paulo rural producer's registration keeps its letter", 2004, false, "NFP", "111.444.777-35", "SP",
     "8", "1.102", {Cem}, {"50|00011144477735|P011004243002 |20040305|SP|04|   |T |000008|1102|" + Valores}},
    {"the series is the document's", 2004, true, "NF", Cnpj, "SP", "7", "5.102", {Cem},
     {"50|" + Parte + "20040305|SP|01|A1 |P |000007|5102|" + Valores}, "-03-05", nullptr, "-03-05", 3, " A1 "},
    {"a series of two has no room in record 70", 2004, true, "CT", Cnpj, "RJ", "1", "6.932", {Cem},
     {"Saídas 05/03/2004 Nº 1: Série maior que o campo do arquivo"}, "-03-05", nullptr, "-03-05", 3, "AB"},
    {"a series of three has no room in record 76", 2004, true, "NSC", Cnpj, "SP", "7", "5.303", {Cem},
     {"Saídas 05/03/2004 Nº 7: Série maior que o campo do arquivo"}, "-03-05", nullptr, "-03-05", 3, "ABC"},
    {"empty mask", 2004, false, "NF", "__.___.___/____-__", "MG", "1", "2.102", {{"1234,57", "0", "0", "0",
     "7"}},
     {"50|00000000000000|ISENTO        |20040305|MG|01|   |T |000001|2102|0000000123457|0000000123457|"
      "0000000000000|0000000000000|0000000000000|0700|N"}},
    {"registration of fewer than 8 digits", 2004, false, "NF", "22.333.444/0001-81", "sp", "1", "1.102",
     {{"1", "0", "0", "0", "12,5"}},
     {"50|22333444000181|ISENTO        |20040305|SP|01|   |T |000001|1102|0000000000100|0000000000100|"
      "0000000000000|0000000000000|0000000000000|1250|N"}},
    {"registration beyond 14 digits is cut; the total leaves the icms out", 2004, false, "NF",
     "33.444.555/0001-81", "MG", "1", "2.102", {{"100", "9", "20,5", "0", "0"}},
     {"50|33444555000181|12345678901234|20040305|MG|01|   |T |000001|2102|0000000012050|0000000010000|"
      "0000000000900|0000000002050|0000000000000|0000|N"}},
    {"unregistered party; only an exempt amount in slot 2; rounding half up", 2004, false, "NF",
     "99.999.999/0001-91", "SP", "5", "1.102", {{"0", "0", "0", "0", "0"}, {"-3", "0", "0", "0", "0"}, {"0",
     "0", "10,005", "0", "0"}},
     {"50|99999999000191|ISENTO        |20040305|SP|01|   |T |000005|1102|0000000001001|0000000000000|"
      "0000000000000|0000000001001|0000000000000|0000|N"},
     "-03-05", "10,01"},
    {"no positive amount gives nothing, even with wrong fields", 2004, false, "NF", "1", "SP", "", "", {{"0",
     "5", "0", "0", "18"}}, {}},
    {"five slots, five registers", 2004, false, "NF", Cnpj, "SP", "9", "1.102", {{"1", "0", "0", "0", "0"},
     {"2", "0", "0", "0", "0"}, {"0", "0", "3", "0", "0"}, {"0", "0", "0", "4", "0"}, {"5", "0,9", "0", "0",
     "18"}},
     {"50|" + Parte + "20040305|SP|01|   |T |000009|1102|0000000000100|0000000000100|"
      "0000000000000|0000000000000|0000000000000|0000|N",
     "50|" + Parte + "20040305|SP|01|   |T |000009|1102|0000000000200|0000000000200|"
      "0000000000000|0000000000000|0000000000000|0000|N",
     "50|" + Parte + "20040305|SP|01|   |T |000009|1102|0000000000300|0000000000000|"
      "0000000000000|0000000000300|0000000000000|0000|N",
     "50|" + Parte + "20040305|SP|01|   |T |000009|1102|0000000000400|0000000000000|"
      "0000000000000|0000000000000|0000000000400|0000|N",
     "50|" + Parte + "20040305|SP|01|   |T |000009|1102|0000000000500|0000000000500|"
      "0000000000090|0000000000000|0000000000000|1800|N"}},
    // Refusals.
    {"incomplete cnpj", 2004, false, "NF", "11.222.333/0001", "SP", "12", "1.102", {Cem},
     {"Entradas 05/03/2004 Nº 12: CNPJ/CPF incompleto"}},
    {"cnpj with wrong check digits", 2004, false, "NF", "16.017.230/0001-11", "SP", "12", "1.102", {Cem},
     {"Entradas 05/03/2004 Nº 12: CNPJ/CPF com dígitos verificadores inválidos"}},
    {"cpf with wrong check digits", 2004, true, "NF", "123.456.789-00", "SP", "12", "5.102", {Cem},
     {"Saídas 05/03/2004 Nº 12: CNPJ/CPF com dígitos verificadores inválidos"}},
    {"an entry with an exit cfop", 2004, false, "NF", Cnpj, "SP", "12", "5.102", {Cem},
     {"Entradas 05/03/2004 Nº 12: CFOP não é de entrada"}},
    {"an exit with an entry cfop", 2004, true, "NF", Cnpj, "SP", "12", "2.102", {Cem},
     {"Saídas 05/03/2004 Nº 12: CFOP não é de saída"}},
    {"a cfop of another state for a party of the company's own", 2004, false, "NF", Cnpj, "SP", "12", "2.102",
     {Cem}, {"Entradas 05/03/2004 Nº 12: CFOP incompatível com a UF do participante"}},
    {"a cfop of the state for a party abroad", 2004, true, "NF", Cnpj, "EX", "12", "5.102", {Cem},
     {"Saídas 05/03/2004 Nº 12: CFOP incompatível com a UF do participante"}},
    {"a transport cfop on an invoice", 2004, true, "NF", Cnpj, "SP", "12", "5.352", {Cem},
     {"Saídas 05/03/2004 Nº 12: CFOP de transporte num documento que não é de transporte"}},
    {"before 2003 a communication service has no register", 2002, true, "NSC", Cnpj, "SP", "12", "5.12",
     {Cem}, {"Saídas 05/03/2002 Nº 12: Modelo 21 sem registro no leiaute anterior a 2003"}},
    {"an exit issued in the year before", 2004, true, "NF", Cnpj, "SP", "12", "5.102", {Cem},
     {"Saídas 05/03/2004 Nº 12: Data de emissão fora do período"}, "2003-12-31"},
    {"valor contábil below the slots", 2004, false, "NF", Cnpj, "SP", "12", "1.102", {Cem},
     {"Entradas 05/03/2004 Nº 12: Valor contábil menor que a soma dos valores do ICMS"}, "-03-05", "99,99"},
    {"incomplete cfop", 2004, true, "NF", Cnpj, "SP", "12", "5.1__", {Cem},
     {"Saídas 05/03/2004 Nº 12: CFOP incompleto"}},
    {"incomplete cfop before 2003", 2002, true, "NF", Cnpj, "SP", "12", "5.1", {Cem},
     {"Saídas 05/03/2002 Nº 12: CFOP incompleto"}},
    {"document number of 7 digits", 2004, false, "NF", Cnpj, "SP", "1234567", "1.102", {Cem},
     {"Entradas 05/03/2004 Nº 1234567: Número do documento inválido"}},
    {"document number with a letter, negative amount and rate of 100", 2004, true, "NF", Cnpj, "SP", "12A",
     "5.102", {{"100", "-1", "0", "0", "100"}}, {"Saídas 05/03/2004 Nº 12A: Número do documento inválido",
     "Saídas 05/03/2004 Nº 12A: Valor negativo", "Saídas 05/03/2004 Nº 12A: Alíquota inválida"}},
    {"total beyond 13 digits of cents", 2004, false, "NF", Cnpj, "SP", "1", "1.102", {{"99999999999,99", "0",
     "0,01", "0", "0"}}, {"Entradas 05/03/2004 Nº 1: Valor acima do limite do arquivo"}},
    {"icms beyond 12 digits in record 61, which 50 takes", 2004, true, "NFC", Cnpj, "SP", "1", "5.102",
     {{"20000000000", "10000000000", "0", "0", "50"}},
     {"Saídas 05/03/2004 Nº 1: Valor acima do limite do arquivo"}},
    {"other beyond 12 digits in record 76", 2004, true, "NSC", Cnpj, "SP", "1", "5.102",
     {{"0", "0", "0", "10000000000", "0"}},
     {"Saídas 05/03/2004 Nº 1: Valor acima do limite do arquivo"}},
};
// clang-format on

TEST(ConverteDocumento, GivesTheRegistersOfEachTakenSlotOrTheFaultsOfTheDocument) {
    for (const Caso& c : Casos) {
        DocumentoIcms d;
        const auto data = [&c](const char* texto) {
            const QString t = QString::fromLatin1(texto);
            return QDate::fromString(t.startsWith(u'-') ? QString::number(c.ano) + t : t, Qt::ISODate);
        };
        d.datalan = data(c.lancamento);
        d.demiss = data(c.emissao);
        d.especie = QString::fromLatin1(c.especie);
        d.cgc = QString::fromLatin1(c.cgc);
        d.uf = QString::fromLatin1(c.uf);
        d.docinicial = QString::fromLatin1(c.numero);
        d.codfiscal = QString::fromLatin1(c.cfop);
        d.serie = QString::fromLatin1(c.serie);
        for (std::size_t i = 0; i < c.itens.size(); ++i) {
            ItemIcms& item = d.itens[i];
            item.base = v(c.itens[i][0]);
            item.icms = v(c.itens[i][1]);
            item.isento = v(c.itens[i][2]);
            item.outros = v(c.itens[i][3]);
            item.aliquota = v(c.itens[i][4]);
            if (SlotTomado(d.itens[i]))
                d.vlrcontabil += d.itens[i].base + d.itens[i].isento + d.itens[i].outros;
        }
        if (c.contabil) d.vlrcontabil = v(c.contabil);
        Conversao conversao;
        conversao.registros.push_back({});  // registers of earlier documents stay
        const QDate inicio(c.ano, c.mes, 1);
        ConverteDocumento(d, {inicio, inicio.addMonths(1).addDays(-1), c.ufEmpresa, "12345678000195"},
                          c.saida, fornecedores(), conversao);
        QStringList obtido = conversao.recusas;
        for (std::size_t i = 1; i < conversao.registros.size(); ++i)
            obtido.append(junta(conversao.registros[i]));
        EXPECT_EQ(obtido, c.esperado) << c.nome;
        EXPECT_TRUE(conversao.recusas.isEmpty() || conversao.registros.size() == 1) << c.nome;
    }
}

TEST(ConverteDocumento, ModelOfEverySpecies) {
    const QStringList especies{"NF",  "NFC", "NFE", "NFP", "NEE", "NFT", "CT",  "CTA", "CA",
                               "CTF", "BPR", "BPA", "BP",  "BPF", "DT",  "RMD", "OCC", "NSC",
                               "NTL", "ACT", "MC",  "CMR", "PDV", "ECF", "DVS", "",    "nf"};
    QStringList modelos;
    for (const QString& e : especies) modelos.append(ModeloEspecie(e));
    EXPECT_EQ(modelos.join(u' '),
              "01 02 03 04 06 07 08 09 10 11 13 14 15 16 17 18 20 21 22 24 25 2B 2C 2D 99 01 01");
}

}  // namespace
