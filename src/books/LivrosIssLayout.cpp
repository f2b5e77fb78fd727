#include "books/LivrosIssLayout.h"

#include "books/LayoutLivro.h"
#include "platform/report/LayoutRegistry.h"

namespace LivrosIss {

using namespace Livros::Layout;
using platform::report::Align;
using platform::report::Band;
using platform::report::TotalOf;

namespace {

const QString Documento = QStringLiteral("DOCUMENTO FISCAL");

// The last number prints only when there is one: a single-number document stores 0 or nothing.
QString numeroFinal(const ReportContext& c) {
    const QString t = platform::report::displayText(c.field(QStringLiteral("docfinal"))).trimmed();
    return t.toLongLong() > 0 ? t : QString();
}

Column valor(const char* titulo, const char* campo, double mm, int chars) {
    return ColunaValor(QString::fromUtf8(titulo), QString::fromLatin1(campo), mm, chars)
        .zeroBlank()
        .totalled();
}

Column codigoServico() { return Column("Código\nServiço", "codserv", 14.5, 10).widest(QString(10, u'9')); }

Column numero(const char* titulo, const char* campo) {
    return Column(QString::fromUtf8(titulo), QString::fromLatin1(campo), 10, 7)
        .widest(MaiorNumero)
        .grouped(Documento)
        .aligned(Align::Right);
}

Column data() {
    return Column("Data", "datalan", 13, 10).widest(MaiorData).grouped(Documento).formatted(Data);
}

// The remark of 50 characters prints whole on the continuous form and wraps on A4.
std::vector<Column> colunas53() {
    return {codigoServico(),
            numero("Número\nInicial", "docinicial"),
            numero("Número\nFinal", "docfinal").computedBy(numeroFinal),
            data(),
            valor("Valor da\nNota", "vlrnota", 22.5, 18),
            valor("Materiais", "materiais", 22.5, 18),
            valor("Subempreitadas", "subempr", 22.5, 18),
            valor("Base de\nCálculo", "base", 22.5, 18),
            ColunaAliquota("aliq", 9.5, 7),
            valor("Imposto", "iss", 22.5, 18),
            valor("Isentas ou Não\nTributadas", "isentas", 22.5, 18),
            Column("Tipo", "tipo", 7, 4).widest(QStringLiteral("9")),
            Column("Observações", "observ", 60, 50)};
}

std::vector<Column> colunas51() {
    return {codigoServico(),
            data(),
            Column("Série", "serie", 12, 5).widest(Letras(5)).grouped(Documento),
            numero("Número\nInicial", "docinicial"),
            numero("Número\nFinal", "docfinal").computedBy(numeroFinal),
            valor("Base de\nCálculo", "base", 22.5, 18),
            ColunaAliquota("aliq", 9.5, 7),
            valor("Imposto", "iss", 22.5, 18),
            valor("Isentas ou Não\nTributadas", "isentas", 22.5, 18),
            valor("Remessas", "remessas", 22.5, 18),
            Column("Observações", "observ", 100, 50)};
}

// The month's totals of the amount columns, under the last line.
Section totaisDoMes(const ColumnTable& table, const QString& query) {
    Section s;
    s.query = query;
    s.printWhen = [](const ReportContext& c) { return !c.formulaSet(QStringLiteral("sem_movimento")); };
    table.declareSums(s.sums);
    table.totals(s.footer, QStringLiteral("Total do mês"), TotalOf::Body);
    return s;
}

Section porAliquota(const TableForm& form) {
    const ColumnTable table(
        {Column("Alíquota", "aliq", 20, 8).widest(MaiorAliquota).aligned(Align::Right).formatted(Aliquota),
         ColunaValor("Base de Cálculo", "base", 32, 18).totalled(),
         ColunaValor("Imposto", "iss", 32, 18).totalled()},
        form);
    Section s;
    s.query = QStringLiteral("SELECT aliq, base, iss FROM MovAliqIss ORDER BY aliq");
    s.printWhen = [](const ReportContext& c) { return !c.formulaSet(QStringLiteral("sem_movimento")); };
    s.columnHeader.text(form.leftMm, 2, 150, form.lineMm, QStringLiteral("RESUMO POR ALÍQUOTA"), form.head);
    s.columnHeader.height = 2 + form.lineMm + 1;
    table.header(s.columnHeader);
    table.detail(s.detail);
    table.declareSums(s.sums);
    table.totals(s.footer, QStringLiteral("Total"), TotalOf::Body);
    return s;
}

class LayoutIss : public ReportLayout {
  public:
    LayoutIss(const TableForm& form, bool modelo53) {
        const ColumnTable table(modelo53 ? colunas53() : colunas51(), form);
        cabecalho(*this, table,
                  modelo53 ? QStringLiteral("REGISTRO DE SERVIÇOS PRESTADOS - MODELO 53")
                           : QStringLiteral("REGISTRO DE SERVIÇOS PRESTADOS - MODELO 51"),
                  false);
        // The heading also carries the company's address and municipal registration.
        Band& band = pageHeader;
        const double largura = table.right() - form.leftMm;
        for (const auto& [rotulo, formula] :
             {std::pair{"Endereço: ", "end"}, std::pair{"Inscrição Municipal: ", "ccm"}}) {
            const QString nome = QString::fromLatin1(formula);
            const QString texto = QString::fromUtf8(rotulo);
            declareFormula(nome);
            band.computed(form.leftMm, band.height, largura, form.lineMm, form.body, Align::Left,
                          [nome, texto](const ReportContext& c) { return texto + impresso(c, nome); })
                .wrap();
            band.height += form.lineMm;
        }
        band.height += 1;
        table.detail(detail);
        query = modelo53
                    ? QStringLiteral(
                          "SELECT codserv, docinicial, docfinal, datalan, vlrnota, materiais, subempr, base, "
                          "aliq, iss, isentas, tipo, observ FROM MovIss53 ORDER BY rowid")
                    : QStringLiteral(
                          "SELECT codserv, datalan, serie, docinicial, docfinal, base, aliq, iss, isentas, "
                          "remessas, observ FROM MovIss51 ORDER BY rowid");
        declareFormula(QStringLiteral("sem_movimento"));
        sections.push_back(semMovimento(table));
        sections.push_back(totaisDoMes(table, query));
        sections.push_back(porAliquota(form));
    }
};

}  // namespace

void RegistraLayouts() {
    const TableForm a4 = FormaA4();
    const TableForm continuo = FormaContinua();
    auto& registro = platform::report::layoutRegistry();
    registro.add(QStringLiteral("JtIss53.rpt"), [a4] { return std::make_unique<LayoutIss>(a4, true); });
    registro.add(QStringLiteral("MaIss53.rpt"),
                 [continuo] { return std::make_unique<LayoutIss>(continuo, true); });
    registro.add(QStringLiteral("JtIss51.rpt"), [a4] { return std::make_unique<LayoutIss>(a4, false); });
    registro.add(QStringLiteral("MaIss51.rpt"),
                 [continuo] { return std::make_unique<LayoutIss>(continuo, false); });
}

}  // namespace LivrosIss
