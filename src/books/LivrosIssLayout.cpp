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
    return Column(QString::fromUtf8(titulo), QString::fromLatin1(campo), mm, chars)
        .aligned(Align::Right)
        .formatted(Valor)
        .zeroBlank()
        .totalled();
}

Column aliquota(double mm, int chars) {
    return Column("Alíq.", "aliq", mm, chars).aligned(Align::Right).formatted(Aliquota).zeroBlank();
}

std::vector<Column> colunas53() {
    return {Column("Código\nServiço", "codserv", 16, 7),
            Column("Número\nInicial", "docinicial", 16, 8).grouped(Documento).aligned(Align::Right),
            Column("Número\nFinal", "docfinal", 16, 8)
                .grouped(Documento)
                .aligned(Align::Right)
                .computedBy(numeroFinal),
            Column("Data", "datalan", 18, 10).grouped(Documento).formatted(Data),
            valor("Valor da\nNota", "vlrnota", 22, 12),
            valor("Materiais", "materiais", 20, 11),
            valor("Subempreitadas", "subempr", 22, 11),
            valor("Base de\nCálculo", "base", 22, 12),
            aliquota(10, 5),
            valor("Imposto", "iss", 20, 11),
            valor("Isentas ou Não\nTributadas", "isentas", 22, 12),
            Column("Tipo", "tipo", 8, 4),
            Column("Observações", "observ", 34, 14)};
}

std::vector<Column> colunas51() {
    return {Column("Código\nServiço", "codserv", 16, 7),
            Column("Data", "datalan", 18, 10).grouped(Documento).formatted(Data),
            Column("Série", "serie", 10, 4).grouped(Documento),
            Column("Número\nInicial", "docinicial", 18, 8).grouped(Documento).aligned(Align::Right),
            Column("Número\nFinal", "docfinal", 18, 8)
                .grouped(Documento)
                .aligned(Align::Right)
                .computedBy(numeroFinal),
            valor("Base de\nCálculo", "base", 26, 12),
            aliquota(12, 5),
            valor("Imposto", "iss", 24, 11),
            valor("Isentas ou Não\nTributadas", "isentas", 26, 12),
            valor("Remessas", "remessas", 26, 12),
            Column("Observações", "observ", 50, 20)};
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
        {Column("Alíquota", "aliq", 20, 8).aligned(Align::Right).formatted(Aliquota),
         Column("Base de Cálculo", "base", 32, 16).aligned(Align::Right).formatted(Valor).totalled(),
         Column("Imposto", "iss", 32, 16).aligned(Align::Right).formatted(Valor).totalled()},
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
                          [nome, texto](const ReportContext& c) { return texto + impresso(c, nome); });
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
    const TableForm a4 = TableForm::A4Landscape();
    TableForm continuo = TableForm::ContinuousForm();
    continuo.leftMm = 6;
    auto& registro = platform::report::layoutRegistry();
    registro.add(QStringLiteral("JtIss53.rpt"), [a4] { return std::make_unique<LayoutIss>(a4, true); });
    registro.add(QStringLiteral("MaIss53.rpt"),
                 [continuo] { return std::make_unique<LayoutIss>(continuo, true); });
    registro.add(QStringLiteral("JtIss51.rpt"), [a4] { return std::make_unique<LayoutIss>(a4, false); });
    registro.add(QStringLiteral("MaIss51.rpt"),
                 [continuo] { return std::make_unique<LayoutIss>(continuo, false); });
}

}  // namespace LivrosIss
