#include "registers/Relatorios.h"

#include "platform/report/LayoutRegistry.h"
#include "platform/report/Widest.h"
#include "platform/values/Vb.h"

namespace registers {

using namespace platform::report;

namespace {

constexpr double Esquerda = 10;
constexpr double Direita = 200;

void cabecalhoComTitulo(ReportLayout& layout, const QString& formula) {
    layout.pageHeader.height = 12;
    layout.pageHeader
        .formula(Esquerda, 2, Direita - Esquerda, 7, formula, FontSpec::sans(12, true), Align::Center)
        .wrap();
}

void rodapeComPagina(ReportLayout& layout) {
    layout.pageFooter.height = 8;
    layout.pageFooter.line(Esquerda, 1, Direita, 1)
        .pageNumber(Esquerda, 2, Direita - Esquerda, 5, FontSpec::sans(8), Align::Right,
                    QStringLiteral("Página "))
        .widest(widest::page(QStringLiteral("Página ")));
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
        .widest(widest::Cnpj)
        .field(55, 0, Direita - 55, 5, QStringLiteral("nome"), corpo)
        .wrap();
    rodapeComPagina(*this);
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

}  // namespace

RelatorioCodFisc::RelatorioCodFisc() {
    declareFormula(QStringLiteral("Tit"));
    cabecalhoComTitulo(*this, QStringLiteral("Tit"));
    const FontSpec titulo = FontSpec::sans(9, true);
    columnHeader.height = 8;
    columnHeader.text(Esquerda, 1, LarguraCodigo, 5, QStringLiteral("Código"), titulo)
        .text(xDescricao(1), 1, Direita - xDescricao(1), 5, QStringLiteral("Descrição"), titulo)
        .line(Esquerda, 7, Direita, 7);

    // The code and its description at the indent of the code's level.
    detail.height = 4;
    for (int nivel = 1; nivel <= 3; ++nivel) {
        const auto doNivel = [nivel](const char* campo) {
            return [nivel, campo](const ReportContext& c) {
                return nivelDe(c) == nivel ? displayText(c.field(QString::fromLatin1(campo))) : QString();
            };
        };
        detail
            .computed(xCodigo(nivel), 0, LarguraCodigo, 4, fonteDoNivel(nivel), Align::Left,
                      doNivel("codfiscal"))
            .widest(QStringLiteral("9.99.9"))
            .masked()
            .computed(xDescricao(nivel), 0, Direita - xDescricao(nivel), 4, fonteDoNivel(nivel), Align::Left,
                      doNivel("descri"))
            .wrap(MaximoLinhas);
    }
    rodapeComPagina(*this);
}

void RegistraRelatorios() {
    layoutRegistry().add<RelatorioForCliGeral>(QStringLiteral("ForCliGeral.rpt"));
    layoutRegistry().add<RelatorioCodFisc>(QStringLiteral("CodFisc.rpt"));
}

}  // namespace registers
