#include "movement/ValoresGuardados.h"

#include "shell/JanelaCadastroCampos.h"

namespace movimento {

namespace {
constexpr qint64 MaiorValor = 999'999'999'999'900;
}  // namespace

QString ValorAlemDoCampo(const QString& rotulo, platform::values::Currency valor) {
    if (valor.raw() <= MaiorValor && valor.raw() >= -MaiorValor) return QString();
    return shell::NomeValorGuardado(rotulo, platform::db::Param(valor));
}

QStringList DatasForaDoMes(const QDate& periodo, const QDate& datalan, const QDate* demiss,
                           bool emissaoExigida) {
    QStringList nomes;
    const QDate ultimo(periodo.year(), periodo.month(), periodo.daysInMonth());
    if (!datalan.isValid())
        nomes << QStringLiteral("Data de lançamento ausente");
    else if (datalan < QDate(periodo.year(), periodo.month(), 1) || datalan > ultimo)
        nomes << QStringLiteral("Data de lançamento fora do período: ") + datalan.toString(u"dd/MM/yyyy");
    if (!demiss) return nomes;
    if (!demiss->isValid()) {
        if (emissaoExigida) nomes << QStringLiteral("Data de emissão ausente");
    } else if (*demiss > ultimo) {
        nomes << QStringLiteral("Data de emissão fora do período: ") + demiss->toString(u"dd/MM/yyyy");
    }
    return nomes;
}

}  // namespace movimento
