#include "registers/Relatorios.h"

#include "platform/report/Fonts.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/values/Vb.h"

namespace registers {

using namespace platform::report;

namespace {

constexpr double Esquerda = 10;
constexpr double Direita = 200;

void cabecalhoComTitulo(ReportLayout& layout, const QString& formula) {
    layout.pageHeader.height = 12;
    layout.pageHeader.formula(Esquerda, 2, Direita - Esquerda, 7, formula, FontSpec::sans(12, true),
                              Align::Center);
}

void rodapeComPagina(ReportLayout& layout) {
    layout.pageFooter.height = 8;
    layout.pageFooter.line(Esquerda, 1, Direita, 1)
        .pageNumber(Esquerda, 2, Direita - Esquerda, 5, FontSpec::sans(8), Align::Right,
                    QStringLiteral("Página "));
}

}  // namespace

RelatorioForCliGeral::RelatorioForCliGeral() {
    declareFormula(QStringLiteral("Titu"));
    cabecalhoComTitulo(*this, QStringLiteral("Titu"));
    const FontSpec titulo = FontSpec::sans(9, true);
    const FontSpec corpo = FontSpec::sans(9);
    columnHeader.height = 8;
    columnHeader.text(Esquerda, 1, 42, 5, QStringLiteral("CNPJ/CPF"), titulo)
        .text(55, 1, Direita - 55, 5, QStringLiteral("Nome"), titulo)
        .line(Esquerda, 7, Direita, 7);
    detail.height = 5;
    detail.field(Esquerda, 0, 42, 5, QStringLiteral("cgc"), corpo)
        .field(55, 0, Direita - 55, 5, QStringLiteral("nome"), corpo);
    rodapeComPagina(*this);
}

QStringList QuebraLinhas(const QString& texto, const FontSpec& fonte, double larguraMm) {
    const ReportFonts& fontes = reportFonts();
    QStringList linhas;
    QString linha;
    for (const QString& palavra : texto.split(u' ', Qt::SkipEmptyParts)) {
        const QString tentativa = linha.isEmpty() ? palavra : linha + u' ' + palavra;
        if (fontes.widthMm(tentativa, fonte) <= larguraMm) {
            linha = tentativa;
            continue;
        }
        if (!linha.isEmpty()) linhas << linha;
        linha = palavra;
        while (fontes.widthMm(linha, fonte) > larguraMm) {
            const QString cabe = fontes.fit(linha, fonte, larguraMm);
            if (cabe.isEmpty()) break;
            linhas << cabe;
            linha = linha.mid(cabe.size());
        }
    }
    if (!linha.isEmpty()) linhas << linha;
    return linhas;
}

namespace {

// Where the code and the description of each level start.
constexpr double RecuoNivel = 5;
constexpr double LarguraCodigo = 20;
double xCodigo(int nivel) { return Esquerda + (nivel - 1) * RecuoNivel; }
double xDescricao(int nivel) { return xCodigo(nivel) + LarguraCodigo; }

int nivelDe(const ReportContext& c) {
    const int n = int(platform::values::Val(displayText(c.field(QStringLiteral("nivel")))));
    return n >= 1 && n <= 3 ? n : 3;
}

FontSpec fonteDoNivel(int nivel) { return FontSpec::sans(8, nivel < 3); }

QStringList linhasDe(const ReportContext& c) {
    const int nivel = nivelDe(c);
    return QuebraLinhas(displayText(c.field(QStringLiteral("descri"))), fonteDoNivel(nivel),
                        Direita - xDescricao(nivel));
}

// Line `indice` of the description: in the band of that line, for rows of `nivel` only; the last
// band takes what is left (and is cut at the edge).
void linhaDescricao(Band& band, int indice, int nivel) {
    band.computed(xDescricao(nivel), 0, Direita - xDescricao(nivel), 4, fonteDoNivel(nivel), Align::Left,
                  [indice, nivel](const ReportContext& c) {
                      if (nivelDe(c) != nivel) return QString();
                      const QStringList linhas = linhasDe(c);
                      if (indice >= linhas.size()) return QString();
                      if (indice == RelatorioCodFisc::MaximoLinhas - 1) return linhas.mid(indice).join(u' ');
                      return linhas[indice];
                  });
}

}  // namespace

// Each code is a group of its own: its header prints the code and the first line of the description,
// the detail the second line, the footer the third, each only when the description needs it.
RelatorioCodFisc::RelatorioCodFisc() {
    declareFormula(QStringLiteral("Tit"));
    cabecalhoComTitulo(*this, QStringLiteral("Tit"));
    const FontSpec titulo = FontSpec::sans(9, true);
    columnHeader.height = 8;
    columnHeader.text(Esquerda, 1, LarguraCodigo, 5, QStringLiteral("Código"), titulo)
        .text(xDescricao(1), 1, Direita - xDescricao(1), 5, QStringLiteral("Descrição"), titulo)
        .line(Esquerda, 7, Direita, 7);

    GroupBand codigo;
    codigo.field = QStringLiteral("codfiscal");
    codigo.header.height = 4;
    for (int nivel = 1; nivel <= 3; ++nivel) {
        codigo.header.computed(
            xCodigo(nivel), 0, LarguraCodigo, 4, fonteDoNivel(nivel), Align::Left,
            [nivel](const ReportContext& c) {
                return nivelDe(c) == nivel ? displayText(c.field(QStringLiteral("codfiscal"))) : QString();
            });
        linhaDescricao(codigo.header, 0, nivel);
        linhaDescricao(detail, 1, nivel);
        linhaDescricao(codigo.footer, 2, nivel);
    }
    detail.height = 4;
    detail.printWhen = [](const ReportContext& c) { return linhasDe(c).size() > 1; };
    codigo.footer.height = 4;
    codigo.footer.printWhen = [](const ReportContext& c) { return linhasDe(c).size() > 2; };
    groups.push_back(std::move(codigo));
    rodapeComPagina(*this);
}

void RegistraRelatorios() {
    layoutRegistry().add<RelatorioForCliGeral>(QStringLiteral("ForCliGeral.rpt"));
    layoutRegistry().add<RelatorioCodFisc>(QStringLiteral("CodFisc.rpt"));
}

}  // namespace registers
