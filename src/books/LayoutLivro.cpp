#include "books/LayoutLivro.h"

#include <algorithm>

#include "platform/report/BookHeading.h"

namespace Livros::Layout {

using platform::report::Align;
using platform::report::Band;
using platform::report::BookHeading;
using platform::report::TotalOf;

namespace {

double esquerda(const ColumnTable& t) { return t.form().leftMm; }
double largura(const ColumnTable& t) { return t.right() - t.form().leftMm; }

// The section's title above its column heading, so that an empty section prints nothing.
void titulo(Section& s, const ColumnTable& t, const QString& texto) {
    s.columnHeader.text(esquerda(t), 2, largura(t), t.form().lineMm, texto, t.form().head);
    s.columnHeader.height = 2 + t.form().lineMm + 1;
}

bool comMovimento(const ReportContext& c) { return !c.formulaSet(QStringLiteral("sem_movimento")); }

}  // namespace

Column ColunaAliquota(const QString& campo, double mm, int caracteres) {
    return Column("Alíq.", campo, mm, caracteres)
        .widest(MaiorAliquota)
        .aligned(Align::Right)
        .formatted(Aliquota)
        .zeroBlank();
}

TableForm FormaA4() {
    TableForm form = TableForm::A4Landscape();
    form.leftMm = 5;
    form.gapMm = 1;
    return form;
}

TableForm FormaContinua() {
    TableForm form = TableForm::ContinuousForm();
    form.page = platform::report::PageSize::WideContinuousForm();
    form.leftMm = 6;
    return form;
}

QString impresso(const ReportContext& c, const QString& formula) {
    if (!c.formulaSet(formula)) return {};
    const QString v = c.formula(formula);
    const bool vazio = std::all_of(v.cbegin(), v.cend(), [](QChar ch) {
        return ch == u'*' || ch == u'_' || ch == u'.' || ch == u'-' || ch == u'/' || ch.isSpace();
    });
    return vazio ? QString() : v;
}

Column ColunaValor(const QString& titulo, const QString& campo, double mm, int caracteres,
                   const QString& maior) {
    return Column(titulo, campo, mm, caracteres).widest(maior).aligned(Align::Right).formatted(Valor);
}

void cabecalho(ReportLayout& layout, const ColumnTable& table, const QString& titulo, bool parcial) {
    const TableForm& form = table.form();
    layout.pageSize = form.page;
    BookHeading heading;
    heading.title = titulo;
    heading.dotMatrix = form.inCharacters;
    addBookHeading(layout, heading, esquerda(table), table.right());
    if (parcial) {
        layout.declareFormula(QStringLiteral("Peri"));
        Band& band = layout.pageHeader;
        band.computed(esquerda(table), band.height, largura(table), form.lineMm, form.body, Align::Left,
                      [](const ReportContext& c) { return impresso(c, QStringLiteral("Peri")); })
            .wrap();
        band.height += form.lineMm + 1;
    }
    table.header(layout.columnHeader);
}

Section semMovimento(const ColumnTable& table) {
    Section s;
    s.printWhen = [](const ReportContext& c) { return !comMovimento(c); };
    s.noRows.text(esquerda(table), 2, largura(table), table.form().lineMm, SemMovimento, table.form().head,
                  Align::Center);
    s.noRows.height = 2 + table.form().lineMm + 2;
    return s;
}

Section resumoCfop(const QString& tabela, const std::vector<std::pair<QString, QString>>& grupos,
                   const QString& imposto, const TableForm& form) {
    // The code column also holds the total lines' labels.
    const ColumnTable table({Column("Código\nFiscal", "CodFiscal", 20, 12).widest(MaiorCfop).masked(),
                             ColunaValor("Valor\nContábil", "VContabil", 32, 18).totalled(),
                             ColunaValor("Base de Cálculo\nou Valor", "Base", 32, 18).totalled(),
                             ColunaValor(imposto, "Icms", 32, 18).totalled(),
                             ColunaValor("Isentas ou Não\nTributadas", "Isentos", 32, 18).totalled(),
                             ColunaValor("Outras", "Outras", 32, 18).totalled()},
                            form);
    QString filtro;
    for (const auto& [digito, nome] : grupos) {
        if (!filtro.isEmpty()) filtro += QStringLiteral(" OR ");
        filtro += QStringLiteral("(substr(t.CodFiscal, 1, 1) = '") + digito + QStringLiteral("' AND p.\"") +
                  digito + QStringLiteral("00\")");
    }
    Section s;
    s.query = QStringLiteral(
                  "SELECT substr(t.CodFiscal, 1, 1) AS grupo, t.CodFiscal, t.VContabil, t.Base, t.Icms, "
                  "t.Isentos, t.Outras FROM %1 t, MovTPara p WHERE %2 ORDER BY t.CodFiscal")
                  .arg(tabela, filtro);
    s.printWhen = comMovimento;
    titulo(s, table, QStringLiteral("RESUMO POR CÓDIGO FISCAL"));
    table.header(s.columnHeader);
    table.detail(s.detail);
    table.declareSums(s.sums);
    platform::report::GroupBand grupo{QStringLiteral("grupo"), {}, {}};
    grupo.header
        .computed(form.leftMm, 1, table.right() - form.leftMm, form.lineMm, form.head, Align::Left,
                  [grupos](const ReportContext& c) {
                      const QString g = platform::report::displayText(c.field(QStringLiteral("grupo")));
                      for (const auto& [digito, nome] : grupos)
                          if (digito == g) return g + QStringLiteral(".000 - ") + nome;
                      return g;
                  })
        .wrap();
    grupo.header.height = 1 + form.lineMm;
    table.totals(grupo.footer, QStringLiteral("Subtotal"), TotalOf::Group, 0);
    s.groups.push_back(std::move(grupo));
    table.totals(s.footer, QStringLiteral("Total do mês"), TotalOf::Body);
    return s;
}

Section resumoUf(const QString& tabela, const QString& titulo_, const TableForm& form) {
    const ColumnTable table({Column("UF", "uf", 20, 8).widest(Letras(2)),
                             ColunaValor("Valor\nContábil", "vcontabil", 32, 18).totalled(),
                             ColunaValor("Base de\nCálculo", "base", 32, 18).totalled(),
                             ColunaValor("Outras", "outras", 32, 18).totalled(),
                             ColunaValor("ICMS Cobrado por\nSubstituição", "icmsfonte", 32, 18).totalled()},
                            form);
    Section s;
    s.query = QStringLiteral("SELECT uf, vcontabil, base, outras, icmsfonte FROM %1 ORDER BY uf").arg(tabela);
    s.printWhen = comMovimento;
    titulo(s, table, titulo_);
    table.header(s.columnHeader);
    table.detail(s.detail);
    table.declareSums(s.sums);
    table.totals(s.footer, QStringLiteral("Total"), TotalOf::Body);
    return s;
}

void informacoes(ReportLayout& layout, const ColumnTable& table, const QStringList& formulas) {
    Band& band = layout.summary;
    double y = band.height + 2;
    for (const QString& f : formulas) {
        layout.declareFormula(f);
        band.computed(esquerda(table), y, largura(table), table.form().lineMm, table.form().body, Align::Left,
                      [f](const ReportContext& c) { return impresso(c, f); })
            .wrap();
        y += table.form().lineMm;
    }
    band.height = y;
}

}  // namespace Livros::Layout
