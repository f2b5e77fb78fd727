#include "books/Apuracao.h"

#include <utility>

#include "books/ConfereDocumento.h"

namespace Livros {

Apuracao ApuraIcms(Currency ImpostoEntradas, Currency ImpostoSaidas, const PosIcms::OutrosValores& outros,
                   Currency SaldoCredorAnterior) {
    Apuracao a;
    a.SubtotalSaidas = ImpostoSaidas + outros.o_deb + outros.estcr;
    a.SubtotalEntradas = ImpostoEntradas + outros.o_cre + outros.estdb;
    a.TotalEntradas = a.SubtotalEntradas + SaldoCredorAnterior;
    a.SaldoApurado = a.SubtotalSaidas - a.TotalEntradas;
    // The book prints every figure whole or the assessment is refused, naming the item, before anything
    // is printed or stored: a cut carried credit would be carried on as another amount.
    const std::pair<const char*, Currency> itens[] = {
        {"001", ImpostoSaidas},
        {"002", outros.o_deb},
        {"003", outros.estcr},
        {"004", a.SubtotalSaidas},
        {"005", ImpostoEntradas},
        {"006", outros.o_cre},
        {"007", outros.estdb},
        {"008", a.SubtotalEntradas},
        {"009", SaldoCredorAnterior},
        {"010", a.TotalEntradas},
        {a.devedor() ? "011" : "014", a.devedor() ? a.SaldoApurado : -a.SaldoApurado}};
    for (const auto& [item, valor] : itens)
        ConfereCalculado(QStringLiteral("O item %1 da apuração").arg(QLatin1String(item)), valor);
    return a;
}

Apuracao Atualiza_Saldo(Connection& movimento, int mes, Currency ImpostoEntradas, Currency ImpostoSaidas,
                        Currency SaldoCredorAnterior) {
    platform::db::Transaction trans(movimento);
    const Apuracao a = ApuraIcms(ImpostoEntradas, ImpostoSaidas, PosIcms::LeOutrosDoMes(movimento, mes),
                                 SaldoCredorAnterior);
    PosIcms::GravaApuracao(movimento, mes, ImpostoSaidas, ImpostoEntradas, SaldoCredorAnterior);
    if (mes != 12 && a.SaldoApurado < Currency())
        PosIcms::GravaSaldoCredor(movimento, mes + 1, -a.SaldoApurado);
    trans.commit();
    return a;
}

}  // namespace Livros
