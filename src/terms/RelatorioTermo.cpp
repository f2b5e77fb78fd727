#include "terms/RelatorioTermo.h"

#include "platform/report/LayoutRegistry.h"
#include "platform/values/MaskedText.h"
#include "terms/FormulasTermo.h"

namespace terms {

using namespace platform::report;

namespace {

constexpr double Esquerda = 20;
constexpr double Largura = 170;
constexpr double Linha = 7;
// The body takes at most this many lines, so the company's lines below it never move.
constexpr int LinhasCorpo = 5;

QString Campo(const ReportContext& c, const char* nome) {
    return displayText(c.field(QString::fromLatin1(nome)));
}

QString Formula(const ReportContext& c, const char* nome) { return c.formula(QString::fromLatin1(nome)); }

// A value typed into a masked field prints its unfilled positions as blanks; the texts around it print
// as stored.
QString Mascarado(const QString& valor) { return platform::values::withoutPrompts(valor); }

// A count of folios or pages as its number, without the stored zeros.
QString Numero(const ReportContext& c, const char* nome) {
    return QString::number(Campo(c, nome).toLongLong());
}

// The folios of the book that Titu names.
QString Folhas(const ReportContext& c) {
    const QString livro = Formula(c, "Titu");
    const auto comExtenso = [&](const char* contagem, const char* extenso) {
        QString texto = Numero(c, contagem);
        if (c.formulaSet(QString::fromLatin1(extenso))) texto += QLatin1Char(' ') + Formula(c, extenso);
        return texto + QStringLiteral(" folhas numeradas");
    };
    if (livro.contains(QStringLiteral("ENTRADAS")))
        return QStringLiteral("as folhas numeradas de ") + Campo(c, "EPriFol") + QStringLiteral(" a ") +
               Campo(c, "EUltFol");
    if (livro.contains(QStringLiteral("SAIDAS")))
        return QStringLiteral("as folhas numeradas de ") + Campo(c, "SPriFol") + QStringLiteral(" a ") +
               Campo(c, "SUltFol");
    if (livro.contains(QStringLiteral("ICMS"))) return comExtenso("ApuIcmNFol", "ExtICM");
    if (livro.contains(QStringLiteral("IPI"))) return comExtenso("ApuIpiNFol", "ExtIPI");
    return Numero(c, "IsNfol") + QStringLiteral(" folhas, com as páginas numeradas de ") +
           Campo(c, "IsPPag") + QStringLiteral(" a ") + Campo(c, "IsUltPag");
}

QString Corpo(const ReportContext& c) {
    const bool abertura = Formula(c, "Titu1") != QStringLiteral("Termo de Encerramento");
    return QStringLiteral("Contém este livro ") + Folhas(c) +
           (abertura ? QStringLiteral(", que servirá") : QStringLiteral(", que serviu")) +
           QStringLiteral(
               " para o lançamento das operações próprias do estabelecimento do contribuinte abaixo "
               "identificado.");
}

// The model: the print's, or for the ISS book the row's own.
QString Modelo(const ReportContext& c) {
    if (c.formulaSet(QStringLiteral("Titu2"))) return Formula(c, "Titu2");
    const QString modelo = Campo(c, "IsMod");
    return modelo.isEmpty() ? QString() : QStringLiteral("Modelo : ") + modelo;
}

// The company's lines, the municipal registration and the registry's only where they apply.
QStringList LinhasEmpresa(const ReportContext& c) {
    QStringList linhas{
        QStringLiteral("Contribuinte: ") + Formula(c, "Empr"),
        QStringLiteral("Endereço: ") + Formula(c, "Rua") + QStringLiteral(", ") + Formula(c, "Numero") +
            QStringLiteral(" - ") + Formula(c, "Bairro"),
        QStringLiteral("Município: ") + Formula(c, "Cid") + QStringLiteral(" - ") + Formula(c, "Uf"),
        QStringLiteral("C.N.P.J.: ") + Mascarado(Formula(c, "CNPJ")) +
            QStringLiteral("   Inscrição Estadual: ") + Formula(c, "Ie")};
    if (c.formulaSet(QStringLiteral("CCM")))
        linhas << QStringLiteral("C.C.M.: ") + Mascarado(Formula(c, "CCM"));
    const QString registro = Campo(c, "ESRegN");
    if (!registro.isEmpty())
        linhas << QStringLiteral("Registro Nº ") + registro + QStringLiteral(" - ") + Campo(c, "ESOrg") +
                      QStringLiteral(" - ") + Campo(c, "ESDatArq");
    return linhas;
}

}  // namespace

RelatorioTermo::RelatorioTermo() {
    query = QStringLiteral("SELECT * FROM Termo");
    table = QStringLiteral("Termo");
    for (const char* nome : {"Titu", "Titu1", "Titu2", "Titu3", "Empr", "Rua", "Numero", "Bairro", "Cid",
                             "Uf", "Ie", "CNPJ", "CCM", "ExtICM", "ExtIPI"})
        declareFormula(QString::fromLatin1(nome));
    declareFormula(QStringLiteral("Dat"), QStringLiteral("____ de ______________ de ______"));

    const FontSpec titulo = FontSpec::sans(14, true);
    const FontSpec texto = FontSpec::sans(11);
    Band& d = detail;
    // Every value wraps in its room rather than reach its neighbour; what stands below moves down.
    d.formula(Esquerda, 20, Largura, 8, QStringLiteral("Titu"), titulo, Align::Center).wrap();
    d.formula(Esquerda, 30, Largura, 8, QStringLiteral("Titu1"), titulo, Align::Center).wrap();
    constexpr double Meio = Largura / 2 - 2;
    d.computed(Esquerda, 48, Meio, Linha, texto, Align::Left, Modelo).wrap();
    d.formula(Esquerda + Largura - Meio, 48, Meio, Linha, QStringLiteral("Titu3"), texto, Align::Right)
        .wrap();
    d.computed(Esquerda, 66, Largura, Linha, texto, Align::Left, Corpo).wrap(LinhasCorpo);
    constexpr int LinhasDaEmpresa = 6;
    for (int i = 0; i < LinhasDaEmpresa; ++i)
        d.computed(Esquerda, 110 + i * Linha, Largura, Linha, texto, Align::Left,
                   [i](const ReportContext& c) { return LinhasEmpresa(c).value(i); })
            .wrap();
    d.computed(Esquerda, 170, Largura, Linha, texto, Align::Right, [](const ReportContext& c) {
         return Formula(c, "Cid") + QStringLiteral(", ") + Formula(c, "Dat");
     }).wrap();
    constexpr double Assinatura = 215;
    constexpr double Coluna = 75;
    const double direita = Esquerda + Largura - Coluna;
    d.line(Esquerda, Assinatura, Esquerda + Coluna, Assinatura);
    d.line(direita, Assinatura, direita + Coluna, Assinatura);
    d.field(Esquerda, Assinatura + 2, Coluna, Linha, QStringLiteral("Resp"), texto, Align::Center).wrap();
    d.computed(Esquerda, Assinatura + 2 + Linha, Coluna, Linha, texto, Align::Center,
               [](const ReportContext& c) { return QStringLiteral("C.P.F.: ") + Mascarado(Campo(c, "Cpf")); })
        .wrap();
    d.computed(Esquerda, Assinatura + 2 + 2 * Linha, Coluna, Linha, texto, Align::Center,
               [](const ReportContext& c) { return QStringLiteral("R.G.: ") + Mascarado(Campo(c, "Rg")); })
        .wrap();
    d.field(direita, Assinatura + 2, Coluna, Linha, QStringLiteral("Cont"), texto, Align::Center).wrap();
    d.computed(direita, Assinatura + 2 + Linha, Coluna, Linha, texto, Align::Center,
               [](const ReportContext& c) { return QStringLiteral("C.R.C.: ") + Mascarado(Campo(c, "Crc")); })
        .wrap();
    d.height = Assinatura + 2 + 3 * Linha;
}

void RegistraRelatorios() { layoutRegistry().add<RelatorioTermo>(QString::fromLatin1(ArquivoTermo)); }

}  // namespace terms
