#include "utilities/Relatorios.h"

#include <QStringLiteral>
#include <vector>

#include "platform/report/LayoutRegistry.h"
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

// A column of a listing: its caption, the field it prints (or a value computed from the row) and
// its width, the gap to the next column included.
struct Coluna {
    const char* titulo;
    const char* campo;
    double largura;
    Align alinhamento = Align::Left;
    std::function<QString(const ReportContext&)> valor = {};
    int linhas = 0;
};

QString textoDe(const ReportContext& c, const char* campo) {
    return displayText(c.field(QString::fromLatin1(campo)));
}

std::vector<Coluna> colunasDe(int modelo) {
    switch (modelo) {
        case 1:
            return {{"Código", "Codigo", 15, Align::Right},    {"Nome", "Nome", 70}, {"CNPJ", "Cgc", 35},
                    {"Inscr. Estadual", "Inscr_estadual", 30}, {"CCM", "Ccm", 28},   {"UF", "Uf", 12}};
        case 2:
            return {{"Código", "Codigo", 15, Align::Right},
                    {"Nome", "Nome", 70},
                    // The working period reaches the row as the first day of its month.
                    {"Mês Base", "mes_base_fiscal", 18, Align::Left,
                     [](const ReportContext& c) { return textoDe(c, "mes_base_fiscal").mid(3); }},
                    {"Observações", "observacao", 87, Align::Left,
                     [](const ReportContext& c) { return textoDe(c, "observacao").replace(u'\n', u' '); },
                     ListagemResumida::LinhasObservacao}};
        case 3:
            return {{"Código", "Codigo", 15, Align::Right},
                    {"Nome", "Nome", 60},
                    {"Endereço", "Endereco", 55},
                    {"Nr.", "Numero", 12},
                    {"Complemento", "Complemento", 28},
                    {"Bairro", "Bairro", 32},
                    {"Cidade", "Cidade", 40},
                    {"UF", "Uf", 10},
                    {"CEP", "Cep", 25}};
        default:
            return {{"Código", "Codigo", 15, Align::Right},
                    {"Nome", "Nome", 60},
                    {"Contato", "Contato1", 35},
                    {"DDD", "Ddd", 10},
                    {"Fone 1", "Fone1", 22},
                    {"Fone 2", "Fone2", 22},
                    {"Fax", "Fax", 22},
                    {"E-mail", "email", 46},
                    {"Home page", "homepage", 45}};
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
        detail.formula(EsquerdaEtiqueta + RecuoLinha, TopoLinha + AlturaLinhaEtiqueta * i,
                       LarguraEtiqueta - 2 * RecuoLinha, AlturaLinhaEtiqueta, nome, FontSpec::mono(10));
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
        .pageNumber(Esquerda + largura / 2, 0, largura / 2, 5, FontSpec::sans(9), Align::Right,
                    QStringLiteral("Página "))
        .formula(Esquerda, 7, largura, 7, QStringLiteral("Titu"), FontSpec::sans(12, true), Align::Center)
        .line(Esquerda, 16, direita, 16)
        .line(Esquerda, 23, direita, 23);
    detail.height = AlturaDetalhe;
    double x = Esquerda;
    for (const Coluna& c : colunasDe(modelo)) {
        const double w = c.largura - Folga;
        pageHeader.text(x, 17.5, w, 4.5, QString::fromUtf8(c.titulo), titulo, c.alinhamento);
        if (c.valor) {
            detail.computed(x, 0.5, w, 4, corpo, c.alinhamento, c.valor);
            if (c.linhas > 0) detail.wrap(c.linhas);
        } else {
            detail.field(x, 0.5, w, 4, QString::fromLatin1(c.campo), corpo, c.alinhamento);
        }
        x += c.largura;
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
