#include "utilities/Relatorios.h"

#include <QStringLiteral>
#include <vector>

#include "platform/report/ColumnTable.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/Widest.h"
#include "platform/values/Vb.h"

namespace utilities {

using namespace platform::report;

namespace {

// The label sheet, in millimetres.
constexpr double EsquerdaEtiqueta = 3.97;
constexpr double TopoEtiqueta = 12.7;
constexpr double LarguraEtiqueta = 101.6;
constexpr double AlturaEtiqueta = 25.4;
constexpr double PassoColuna = 106.36;
constexpr double RecuoLinha = 5;
constexpr double TopoLinha = 2.7;
constexpr double AlturaLinhaEtiqueta = 5;

constexpr double Esquerda = 10;
constexpr double Folga = 2;
constexpr double AlturaDetalhe = 4.5;

QString textoDe(const ReportContext& c, const char* campo) {
    return displayText(c.field(QString::fromLatin1(campo)));
}

// A listing's column, `largura` the room it takes up to the next column; its value prints on one line,
// the remarks aside.
Column Listada(const char* titulo, const char* campo, double largura, Align alinhamento = Align::Left) {
    return Column(QString::fromUtf8(titulo), QString::fromLatin1(campo), largura - Folga, 0)
        .aligned(alinhamento);
}

Column Codigo() { return Listada("Código", "Codigo", 15, Align::Right).widest(widest::digits(6)); }

std::vector<Column> colunasDe(int modelo) {
    switch (modelo) {
        case 1:
            return {Codigo(),
                    Listada("Nome", "Nome", 70),
                    Listada("CNPJ", "Cgc", 35).masked(),
                    Listada("Inscr. Estadual", "Inscr_estadual", 30),
                    Listada("CCM", "Ccm", 28).masked(),
                    Listada("UF", "Uf", 12)};
        case 2:
            return {
                Codigo(), Listada("Nome", "Nome", 70),
                // The working period reaches the row as the first day of its month.
                Listada("Mês Base", "mes_base_fiscal", 18)
                    .widest(QStringLiteral("12/2099"))
                    .computedBy([](const ReportContext& c) { return textoDe(c, "mes_base_fiscal").mid(3); }),
                Listada("Observações", "observacao", 87).wrapped()};
        case 3:
            return {Codigo(),
                    Listada("Nome", "Nome", 60),
                    Listada("Endereço", "Endereco", 55),
                    Listada("Nr.", "Numero", 12),
                    Listada("Complemento", "Complemento", 28),
                    Listada("Bairro", "Bairro", 32),
                    Listada("Cidade", "Cidade", 40),
                    Listada("UF", "Uf", 10),
                    Listada("CEP", "Cep", 25).masked()};
        default:
            return {Codigo(),
                    Listada("Nome", "Nome", 60),
                    Listada("Contato", "Contato1", 35),
                    Listada("DDD", "Ddd", 10),
                    Listada("Fone 1", "Fone1", 22),
                    Listada("Fone 2", "Fone2", 22),
                    Listada("Fax", "Fax", 22),
                    Listada("E-mail", "email", 46),
                    Listada("Home page", "homepage", 45)};
    }
}

}  // namespace

EtiquetaPadrao::EtiquetaPadrao() {
    pageSize = PageSize::Letter();
    marginTop = TopoEtiqueta;
    marginBottom = 0;
    detailColumns = 2;
    columnPitch = PassoColuna;
    detail.height = AlturaEtiqueta;
    for (int i = 0; i < 4; ++i) {
        const QString nome = QStringLiteral("L") + QString::number(i);
        declareFormula(nome);
        detail
            .formula(EsquerdaEtiqueta + RecuoLinha, TopoLinha + AlturaLinhaEtiqueta * i,
                     LarguraEtiqueta - 2 * RecuoLinha, AlturaLinhaEtiqueta, nome, FontSpec::mono(10))
            .widest(widest::letters(LetrasLinhaEtiqueta));
    }
}

ListagemResumida::ListagemResumida(int modelo) {
    pageSize = modelo >= 3 ? PageSize::A4Landscape() : PageSize::A4Portrait();
    const double direita = pageSize.widthMm - Esquerda;
    const double largura = direita - Esquerda;
    declareFormula(QStringLiteral("Titu"));
    declareFormula(QStringLiteral("uEmpat"));
    declareFormula(QStringLiteral("uNempat"));
    declareFormula(QStringLiteral("gClient"));

    const FontSpec titulo = FontSpec::sans(8, true);
    const FontSpec corpo = FontSpec::sans(8);
    pageHeader.height = 26;
    pageHeader.formula(Esquerda, 0, largura / 2, 5, QStringLiteral("gClient"), FontSpec::sans(9))
        .wrap()
        .pageNumber(Esquerda + largura / 2, 0, largura / 2, 5, FontSpec::sans(9), Align::Right,
                    QStringLiteral("Página "))
        .widest(widest::page(QStringLiteral("Página ")))
        .formula(Esquerda, 7, largura, 7, QStringLiteral("Titu"), FontSpec::sans(12, true), Align::Center)
        .wrap()
        .line(Esquerda, 16, direita, 16)
        .line(Esquerda, 23, direita, 23);
    detail.height = AlturaDetalhe;
    const ColumnTable tabela(
        colunasDe(modelo),
        {.page = pageSize, .head = titulo, .body = corpo, .leftMm = Esquerda, .gapMm = Folga});
    // The captions stand between the page header's rules in their column's alignment, and each value
    // prints in the room of its column.
    for (std::size_t i = 0; i < tabela.columns().size(); ++i) {
        const Column& c = tabela.columns()[i];
        const double x = tabela.x(i);
        const double w = tabela.width(i);
        pageHeader.text(x, 17.5, w, 4.5, c.caption, titulo, c.align);
        if (c.compute)
            detail.computed(x, 0.5, w, 4, corpo, c.align, c.compute);
        else
            detail.field(x, 0.5, w, 4, c.field, corpo, c.align);
        // A value without a widest value of its own is a free text: it wraps rather than reach its
        // neighbour.
        if (!c.widestText.isEmpty())
            detail.widest(c.widestText);
        else
            detail.wrap(c.wraps ? LinhasObservacao : 0);
        if (c.mask) detail.masked();
    }
}

void RegistraRelatorios() {
    LayoutRegistry& registro = layoutRegistry();
    registro.add<EtiquetaPadrao>(QStringLiteral("EtiqPadr.rpt"));
    for (int modelo = 1; modelo <= 4; ++modelo)
        registro.add(QStringLiteral("lrMod0%1.rpt").arg(modelo),
                     [modelo] { return std::make_unique<ListagemResumida>(modelo); });
}

}  // namespace utilities
