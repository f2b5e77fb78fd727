#include "books/Relatorios.h"

#include "books/LayoutLivro.h"
#include "books/LivrosIssLayout.h"
#include "platform/report/LayoutRegistry.h"

namespace books {

using namespace Livros::Layout;
using platform::report::Align;
using platform::report::Band;
using platform::report::layoutRegistry;

namespace {

const QString Documento = QStringLiteral("DOCUMENTO FISCAL");
const QString Fiscais = QString::fromUtf8("ICMS – VALORES FISCAIS");

using Grupos = std::vector<std::pair<QString, QString>>;
const Grupos GruposEntradas = {{"1", QStringLiteral("ENTRADAS DO ESTADO")},
                               {"2", QStringLiteral("ENTRADAS DE OUTROS ESTADOS")},
                               {"3", QStringLiteral("ENTRADAS DO EXTERIOR")}};
const Grupos GruposSaidas = {{"5", QStringLiteral("SAÍDAS PARA O ESTADO")},
                             {"6", QStringLiteral("SAÍDAS PARA OUTROS ESTADOS")},
                             {"7", QStringLiteral("SAÍDAS PARA O EXTERIOR")}};

// The code of a fiscal-values line: "ICMS 1" (taxed), "ICMS 2" (exempt or not taxed), "ICMS 3" (other).
QString codigoLinha(const ReportContext& c) {
    const QString tipo = platform::report::displayText(c.field(QStringLiteral("tipoicms")));
    return tipo.startsWith(QStringLiteral("ICMS ")) ? tipo.mid(5).trimmed() : QString();
}

// Modelo 1/1-A: the document, its value, its code and the ICMS values, then the remarks. A line's
// amount is above zero (the preparation leaves out the others); the remark pieces are twelve
// characters, or an IPI amount of their own.
std::vector<Column> colunasEntradas() {
    return {
        Column("Data da\nEntrada", "datalan", 13, 10).widest(MaiorData).formatted(Data),
        Column("Espécie", "especie", 10, 7).widest(Letras(3)).grouped(Documento),
        Column("Série", "serie", 8, 5).widest(Letras(3)).grouped(Documento),
        Column("Número", "docinicial", 10, 6).widest(MaiorNumero).grouped(Documento).aligned(Align::Right),
        Column("Data do\nDocumento", "demiss", 14, 10).widest(MaiorData).grouped(Documento).formatted(Data),
        Column("Emitente", "empresa", 36, 40).grouped(Documento),
        Column("CNPJ/CPF", "cgc", 23, 18).widest(MaiorCnpj).grouped(Documento),
        Column("Inscrição\nEstadual", "inscrest", 19.5, 15).widest(MaiorInscricao).grouped(Documento),
        Column("Proce-\ndência", "uf", 8.5, 6).widest(Letras(2)),
        ColunaValor("Valor\nContábil", "vlrcontabil", 22.5, 18).zeroBlank(),
        Column("Código\nFiscal", "codfiscal", 9, 6).widest(MaiorCfop).masked(),
        Column("Cód.", "tipoicms", 6, 4).widest(QStringLiteral("3")).grouped(Fiscais).computedBy(codigoLinha),
        ColunaValor("Base de Cálculo\nou Valor", "baseicms", 22, 17, MaiorValor).grouped(Fiscais).zeroBlank(),
        ColunaAliquota("aliqicms", 9.5, 7).grouped(Fiscais),
        ColunaValor("Imposto\nCreditado", "valricms", 22.5, 18).grouped(Fiscais).zeroBlank(),
        Column("Observações", "observ", 24, 17).widest(MaiorFonte).wrapped()};
}

// Each row of the work table holds two book lines; the second prints only when it holds something.
const char* const LinhasEntradas =
    "SELECT datalan, demiss, especie, serie, docinicial, empresa, cgc, inscrest, uf, vlrcontabil, codfiscal, "
    "tipoicms0 AS tipoicms, baseicms0 AS baseicms, aliqicms0 AS aliqicms, valricms0 AS valricms, observ0 AS "
    "observ, "
    "rowid * 2 AS linha FROM MovEntrada "
    "UNION ALL SELECT NULL, NULL, ' ', ' ', ' ', ' ', ' ', ' ', ' ', 0, ' ', tipoicms1, baseicms1, "
    "aliqicms1, "
    "valricms1, observ1, rowid * 2 + 1 FROM MovEntrada "
    "WHERE COALESCE(tipoicms1, '') <> '' OR TRIM(COALESCE(observ1, '')) <> '' ORDER BY linha";

class LayoutEntradas : public ReportLayout {
  public:
    LayoutEntradas(const TableForm& form, bool parcial) {
        const ColumnTable table(colunasEntradas(), form);
        cabecalho(*this, table, QStringLiteral("REGISTRO DE ENTRADAS"), parcial);
        table.detail(detail);
        query = QString::fromLatin1(LinhasEntradas);
        declareFormula(QStringLiteral("sem_movimento"));
        sections.push_back(semMovimento(table));
        sections.push_back(resumoCfop(QStringLiteral("MovTent"), GruposEntradas,
                                      QStringLiteral("Imposto\nCreditado"), form));
        sections.push_back(resumoUf(QStringLiteral("MovUf"),
                                    QStringLiteral("ENTRADAS DE OUTRAS UNIDADES DA FEDERAÇÃO"), form));
        informacoes(*this, table, {"Fat1", "Fat2", "Fat3", "Fat4", "Obs1", "Obs2"});
    }
};

// Modelo 2/2-A: the document, its value, its code and the tax values, then the remarks (a line needs
// only one amount above zero; a document with a negative one is refused before it gets here); a
// non-industry's IPI stands in the remarks in its plain form.
std::vector<Column> colunasSaidas() {
    const QString valores = QStringLiteral("VALORES FISCAIS");
    return {Column("Espécie", "especie", 10, 7).widest(Letras(3)).grouped(Documento),
            Column("Série", "serie", 7.5, 5).widest(Letras(3)).grouped(Documento),
            Column("Número\nInicial", "docinicial", 10, 7)
                .widest(MaiorNumero)
                .grouped(Documento)
                .aligned(Align::Right),
            Column("Número\nFinal", "docfinal", 10, 7)
                .widest(MaiorNumero)
                .grouped(Documento)
                .aligned(Align::Right),
            Column("Data", "datalan", 13, 10).widest(MaiorData).grouped(Documento).formatted(Data),
            Column("Destinatário", "empresa", 28.5, 36),
            Column("CNPJ/CPF", "cgc", 23, 18).widest(MaiorCnpj),
            Column("UF", "uf", 6, 2).widest(Letras(2)),
            ColunaValor("Valor\nContábil", "vlrcontabil", 22.5, 18).zeroBlank(),
            Column("Código\nFiscal", "codfiscal", 9, 6).widest(MaiorCfop).masked(),
            Column("Imposto", "tipo", 10, 7).widest(QStringLiteral("ICMS")).grouped(valores),
            ColunaValor("Base de\nCálculo", "base", 22.5, 18).grouped(valores).zeroBlank(),
            ColunaAliquota("aliq", 9.5, 7).grouped(valores),
            ColunaValor("Imposto\nDebitado", "valr", 22.5, 18).grouped(valores).zeroBlank(),
            ColunaValor("Isentas ou\nNão Tributadas", "isen", 22.5, 18).grouped(valores).zeroBlank(),
            ColunaValor("Outras", "outr", 22.5, 18).grouped(valores).zeroBlank(),
            Column("Observações", "observ", 19, 14).widest(MaiorIpiSimples).wrapped()};
}

const char* const LinhasSaidas =
    "SELECT especie, serie, docinicial, docfinal, datalan, empresa, cgc, uf, vlrcontabil, codfiscal, tipo0 "
    "AS tipo, "
    "base0 AS base, aliq0 AS aliq, valr0 AS valr, isen0 AS isen, outr0 AS outr, observ0 AS observ, "
    "rowid * 2 AS linha FROM MovSaida "
    "UNION ALL SELECT ' ', ' ', ' ', ' ', NULL, ' ', ' ', ' ', 0, ' ', tipo1, base1, aliq1, valr1, isen1, "
    "outr1, "
    "observ1, rowid * 2 + 1 FROM MovSaida "
    "WHERE COALESCE(tipo1, '') <> '' OR TRIM(COALESCE(observ1, '')) <> '' ORDER BY linha";

class LayoutSaidas : public ReportLayout {
  public:
    LayoutSaidas(const TableForm& form, bool parcial) {
        const ColumnTable table(colunasSaidas(), form);
        cabecalho(*this, table, QStringLiteral("REGISTRO DE SAÍDAS"), parcial);
        table.detail(detail);
        query = QString::fromLatin1(LinhasSaidas);
        declareFormula(QStringLiteral("sem_movimento"));
        sections.push_back(semMovimento(table));
        sections.push_back(
            resumoCfop(QStringLiteral("MovTsai"), GruposSaidas, QStringLiteral("Imposto\nDebitado"), form));
        // The print says whether the state totals were written by this book ("0") or are another's.
        for (const auto& [tabela, flag, titulo] :
             {std::tuple{"MovUf", "hauf", "SAÍDAS PARA OUTRAS UNIDADES DA FEDERAÇÃO - CONTRIBUINTES"},
              std::tuple{"MovUfnc", "haufnc",
                         "SAÍDAS PARA OUTRAS UNIDADES DA FEDERAÇÃO - NÃO CONTRIBUINTES"}}) {
            const QString nome = QString::fromLatin1(flag);
            declareFormula(nome);
            Section s = resumoUf(QString::fromLatin1(tabela), QString::fromUtf8(titulo), form);
            s.printWhen = [nome](const ReportContext& c) {
                return !c.formulaSet(QStringLiteral("sem_movimento")) && c.formula(nome) == u"0";
            };
            sections.push_back(std::move(s));
        }
        informacoes(*this, table, {"Fat2", "Obs1", "Obs2"});
    }
};

// The assessment: the entries and exits per CFOP, the ICMS per rate, then the debit and credit
// sides and the balances as the print computes them.
class LayoutApuracao : public ReportLayout {
  public:
    explicit LayoutApuracao(const TableForm& form) {
        const ColumnTable largura({Column("", "", 240, 150)}, form);
        cabecalho(*this, largura, QStringLiteral("REGISTRO DE APURAÇÃO DO ICMS"), false);
        columnHeader = Band();
        for (const char* f : {"sem_movimento", "NMovEnt", "NMovSai"}) declareFormula(f);
        sections.push_back(lado(QStringLiteral("MovTent"), QStringLiteral("ENTRADAS"),
                                QStringLiteral("NMovEnt"), QStringLiteral("Imposto\nCreditado"), form,
                                GruposEntradas));
        sections.push_back(lado(QStringLiteral("MovTsai"), QStringLiteral("SAÍDAS"),
                                QStringLiteral("NMovSai"), QStringLiteral("Imposto\nDebitado"), form,
                                GruposSaidas));
        sections.push_back(porAliquota(form));
        saldos(form, largura.right());
    }

  private:
    Section lado(const QString& tabela, const QString& titulo, const QString& vazio, const QString& imposto,
                 const TableForm& form, const Grupos& grupos) {
        Section s = resumoCfop(tabela, grupos, imposto, form);
        s.printWhen = {};
        s.header.text(form.leftMm, 2, 150, form.lineMm, titulo, form.head);
        s.header.height = 2 + form.lineMm;
        s.noRows
            .computed(form.leftMm, 1, 150, form.lineMm, form.head, Align::Left,
                      [vazio](const ReportContext& c) {
                          return c.formula(vazio) == u"1" ? SemMovimento : QString();
                      })
            .widest(SemMovimento);
        s.noRows.height = 1 + form.lineMm + 1;
        return s;
    }

    static Section porAliquota(const TableForm& form) {
        const ColumnTable table(
            {Column("Alíquota", "Aliquota", 20, 8)
                 .widest(MaiorAliquota)
                 .aligned(Align::Right)
                 .formatted(Aliquota),
             ColunaValor("Base de\nCálculo", "baseent", 32, 18).grouped("ENTRADAS").totalled(),
             ColunaValor("Imposto\nCreditado", "impent", 32, 18).grouped("ENTRADAS").totalled(),
             ColunaValor("Base de\nCálculo", "basesai", 32, 18).grouped("SAÍDAS").totalled(),
             ColunaValor("Imposto\nDebitado", "impsai", 32, 18).grouped("SAÍDAS").totalled()},
            form);
        Section s;
        s.query = QStringLiteral(
            "SELECT Aliquota, baseent, impent, basesai, impsai FROM MovAliq ORDER BY Aliquota");
        s.columnHeader.text(form.leftMm, 2, 150, form.lineMm, QStringLiteral("RESUMO POR ALÍQUOTA"),
                            form.head);
        s.columnHeader.height = 2 + form.lineMm + 1;
        table.header(s.columnHeader);
        table.detail(s.detail);
        table.declareSums(s.sums);
        table.totals(s.footer, QStringLiteral("Total"), platform::report::TotalOf::Body);
        return s;
    }

    // The lines of the assessment: code, caption and the formula holding the amount.
    void saldos(const TableForm& form, double direita) {
        struct Linha {
            const char* codigo;
            const char* texto;
            const char* formula;
        };
        const std::vector<std::pair<const char*, std::vector<Linha>>> blocos = {
            {"DÉBITO DO IMPOSTO",
             {{"001", "Por saídas/prestações com débito do imposto", "ImpSai"},
              {"002", "Outros débitos", "OuDebSai"},
              {"003", "Estornos de créditos", "EstoCredSai"},
              {"004", "Subtotal", "SubSai"}}},
            {"CRÉDITO DO IMPOSTO",
             {{"005", "Por entradas/aquisições com crédito do imposto", "ImpEnt"},
              {"006", "Outros créditos", "OuDebEnt"},
              {"007", "Estornos de débitos", "EstoCredEnt"},
              {"008", "Subtotal", "SubEnt"},
              {"009", "Saldo credor do período anterior", "SldCred"},
              {"010", "Total", "TotEnt"}}},
            {"APURAÇÃO DOS SALDOS",
             {{"011", "Saldo devedor (débito menos crédito)", "SldDev"},
              {"012", "Deduções", ""},
              {"013", "Imposto a recolher", "ImpRec"},
              {"014", "Saldo credor (crédito menos débito) a transportar para o período seguinte",
               "SldPSe"}}}};
        const double x = form.leftMm;
        const double valorX = direita - 40;
        double y = 4;
        for (const auto& [titulo, linhas] : blocos) {
            summary.line(x, y, direita, y);
            summary.text(x, y + 0.5, valorX - x, form.lineMm, QString::fromUtf8(titulo), form.head);
            summary.text(valorX, y + 0.5, 40, form.lineMm, QStringLiteral("Valores"), form.head,
                         Align::Right);
            y += form.lineMm + 1;
            summary.line(x, y, direita, y);
            for (const Linha& l : linhas) {
                summary.text(x, y + 0.5, 12, form.lineMm, QString::fromLatin1(l.codigo), form.body);
                summary.text(x + 14, y + 0.5, valorX - x - 14, form.lineMm, QString::fromUtf8(l.texto),
                             form.body);
                const QString formula = QString::fromLatin1(l.formula);
                if (!formula.isEmpty()) {
                    declareFormula(formula);
                    summary
                        .computed(valorX, y + 0.5, 40, form.lineMm, form.body, Align::Right,
                                  [formula](const ReportContext& c) { return impresso(c, formula); })
                        .widest(MaiorNegativo);
                }
                y += form.lineMm + 1;
            }
        }
        summary.line(x, y, direita, y);
        summary.height = y + 1;
    }
};

template <class Layout, class... Args>
void registra(const char* nome, Args... args) {
    layoutRegistry().add(QString::fromLatin1(nome), [args...] { return std::make_unique<Layout>(args...); });
}

}  // namespace

void RegistraRelatorios() {
    const TableForm a4 = FormaA4();
    const TableForm continuo = FormaContinua();
    registra<LayoutEntradas>("JtEntrada.rpt", a4, false);
    registra<LayoutEntradas>("MaEntrada.rpt", continuo, false);
    registra<LayoutEntradas>("LEntPar.rpt", a4, true);
    registra<LayoutSaidas>("JtSaida.rpt", a4, false);
    registra<LayoutSaidas>("MaSaida.rpt", continuo, false);
    registra<LayoutSaidas>("LSaiPar.rpt", a4, true);
    registra<LayoutApuracao>("JtApura.rpt", a4);
    registra<LayoutApuracao>("MaApura.rpt", continuo);
    LivrosIss::RegistraLayouts();
}

}  // namespace books
