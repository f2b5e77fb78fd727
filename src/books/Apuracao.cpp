#include "books/Apuracao.h"

namespace Livros {

Apuracao ApuraIcms(Currency ImpostoEntradas, Currency ImpostoSaidas, const PosIcms::OutrosValores& outros,
                   Currency SaldoCredorAnterior) {
    Apuracao a;
    a.SubtotalSaidas = ImpostoSaidas + outros.o_deb + outros.estcr;
    a.SubtotalEntradas = ImpostoEntradas + outros.o_cre + outros.estdb;
    a.TotalEntradas = a.SubtotalEntradas + SaldoCredorAnterior;
    a.SaldoApurado = a.SubtotalSaidas - a.TotalEntradas;
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
