#include "books/FormulasLivro.h"

#include "books/Apuracao.h"
#include "platform/report/Formula.h"
#include "platform/report/PrintRoutines.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"

namespace Livros {

using platform::report::quoted;
using platform::values::Format;

namespace {

const QString Valor = QStringLiteral("###,###,##0.00");
const QString Faturamento = QStringLiteral("#,###,##0.00");

// A number typed in a field, written back as plain digits ("015" gives 15, nothing gives 0).
QString numero(const QString& texto) { return QString::number(qint64(platform::values::Val(texto))); }

// An observation line that is null or one blank prints one blank.
QString observacao(const QString& texto) {
    return texto.isNull() || texto == u' ' ? QStringLiteral(" ") : texto;
}

QString faixa(const char* serie, qint64 inicio, qint64 fim) {
    if (inicio <= 0 || fim <= 0) return QStringLiteral("*");
    return QStringLiteral("NF %1 de %2 a %3")
        .arg(QLatin1String(serie), Geral::Zeros(inicio, 6), Geral::Zeros(fim, 6));
}

QString acumulado(Currency FatAcu) {
    return FatAcu > Currency() ? QStringLiteral("Faturamento Acumulado: ") + Format(FatAcu, Faturamento)
                               : QStringLiteral(" ");
}

}  // namespace

RelatorioLivro RelatorioDoLivro(LivroIcms livro, bool completo, const QString& TipoImpressora) {
    const bool matricial = TipoImpressora == u"M";
    switch (livro) {
        case LivroIcms::Entradas:
            return {!completo   ? QStringLiteral("LEntPar.rpt")
                    : matricial ? QStringLiteral("MaEntrada.rpt")
                                : QStringLiteral("JtEntrada.rpt"),
                    QStringLiteral("Livro de Entrada")};
        case LivroIcms::Apuracao:
            return {matricial ? QStringLiteral("MaApura.rpt") : QStringLiteral("JtApura.rpt"),
                    QStringLiteral("Livro de Apuração")};
        case LivroIcms::Saidas:
            break;
    }
    return {!completo   ? QStringLiteral("LSaiPar.rpt")
            : matricial ? QStringLiteral("MaSaida.rpt")
                        : QStringLiteral("JtSaida.rpt"),
            QStringLiteral("Livro de Saída")};
}

Formulas FormulasComuns(const Cabecalho& c) {
    return {{QStringLiteral("empr"), quoted(c.empr)},
            {QStringLiteral("ie"), quoted(c.ie)},
            {QStringLiteral("nfolha"), numero(c.txtNpag)},
            {QStringLiteral("cgc"), quoted(c.cgc)},
            {QStringLiteral("mesano"), quoted(c.mesano)}};
}

Formulas FormulasApuracao(const DadosApuracao& d) {
    const auto valor = [](Currency v) { return quoted(Format(v, Valor)); };
    Formulas f{
        {QStringLiteral("NMovEnt"), quoted(d.SemMovEntradas ? QStringLiteral("1") : QStringLiteral("0"))},
        {QStringLiteral("NMovSai"), quoted(d.SemMovSaidas ? QStringLiteral("1") : QStringLiteral("0"))}};
    if (!d.SaldoCredorAnterior.isZero())
        f.emplace_back(QStringLiteral("SldCred"), valor(d.SaldoCredorAnterior));
    const Apuracao a = ApuraIcms(d.ImpostoEntradas, d.ImpostoSaidas, d.outros, d.SaldoCredorAnterior);
    // The credit side's other credits and reversed debits print under these names.
    f.insert(f.end(), {{QStringLiteral("ImpEnt"), valor(d.ImpostoEntradas)},
                       {QStringLiteral("OuDebEnt"), valor(d.outros.o_cre)},
                       {QStringLiteral("EstoCredEnt"), valor(d.outros.estdb)},
                       {QStringLiteral("ImpSai"), valor(d.ImpostoSaidas)},
                       {QStringLiteral("OuDebSai"), valor(d.outros.o_deb)},
                       {QStringLiteral("EstoCredSai"), valor(d.outros.estcr)},
                       {QStringLiteral("SubSai"), valor(a.SubtotalSaidas)},
                       {QStringLiteral("SubEnt"), valor(a.SubtotalEntradas)},
                       {QStringLiteral("TotEnt"), valor(a.TotalEntradas)}});
    if (a.devedor()) {
        // No deductions are kept: the tax to pay is the debit balance.
        f.emplace_back(QStringLiteral("SldDev"), valor(a.SaldoApurado));
        f.emplace_back(QStringLiteral("ImpRec"), valor(a.SaldoApurado));
    } else {
        f.emplace_back(QStringLiteral("SldPSe"), valor(-a.SaldoApurado));
    }
    return f;
}

Formulas FormulasEntradas(const PosIcms::InformacoesMes& info) {
    return {{QStringLiteral("Fat1"),
             quoted(info.Fat > Currency()
                        ? QStringLiteral("Faturamento Bruto de Vendas: ") + Format(info.Fat, Faturamento)
                        : QStringLiteral("*"))},
            {QStringLiteral("Fat2"), quoted(faixa("M1", info.M1Ini, info.M1Fim))},
            {QStringLiteral("Fat3"), quoted(faixa("D1", info.D1Ini, info.D1Fim))},
            {QStringLiteral("Fat4"), quoted(acumulado(info.FatAcu))},
            {QStringLiteral("Obs1"), quoted(observacao(info.Obsent1))},
            {QStringLiteral("Obs2"), quoted(observacao(info.Obsent2))}};
}

Formulas FormulasSaidas(const PosIcms::InformacoesMes& info, bool HaMovUf, bool HaMovUfnc) {
    const auto flag = [](bool ha) { return quoted(ha ? QStringLiteral("0") : QStringLiteral("1")); };
    return {{QStringLiteral("Fat2"), quoted(acumulado(info.FatAcu))},
            {QStringLiteral("haufnc"), flag(HaMovUfnc)},
            {QStringLiteral("hauf"), flag(HaMovUf)},
            {QStringLiteral("Obs1"), quoted(observacao(info.Obssai1))},
            {QStringLiteral("Obs2"), quoted(observacao(info.Obssai2))}};
}

Formulas FormulasFinais(bool SemMovimento, bool LivroParcial, const QString& txtDataIni,
                        const QString& txtDataFim) {
    Formulas f;
    if (SemMovimento)
        f.emplace_back(QStringLiteral("sem_movimento"), quoted(QStringLiteral("SEM  MOVIMENTO")));
    if (LivroParcial)
        f.emplace_back(QStringLiteral("Peri"),
                       quoted(QStringLiteral("Período: do Dia ") + numero(txtDataIni) +
                              QStringLiteral(" Até o Dia ") + numero(txtDataFim)));
    return f;
}

platform::report::frmRelatorio* ImprimeLivro(const RelatorioLivro& relatorio,
                                             const std::function<Formulas()>& formulas,
                                             const std::function<void()>& afterClose) {
    platform::report::EnginePrint impressao;
    impressao.reportPath = Geral::DiretorioSistema + relatorio.arquivo;
    impressao.caption = relatorio.titulo;
    impressao.formulas = [&formulas](int job) {
        for (const auto& [nome, texto] : formulas()) platform::report::PESetFormula(job, nome, texto);
    };
    impressao.afterClose = afterClose;
    return platform::report::PrintOnEngine(impressao);
}

}  // namespace Livros
