#include "movement/ValoresGuardados.h"

#include "platform/values/Vb.h"

namespace movimento {

namespace {

constexpr qint64 MaiorValor = 999'999'999'999'900;

// An amount as stored, every decimal kept: "922337203685477,5807".
QString Dinheiro(Currency valor) {
    const qint64 raw = valor.raw();
    const quint64 modulo = raw < 0 ? 0 - quint64(raw) : quint64(raw);
    QString texto = QString::number(modulo / Currency::Scale);
    if (const quint64 fracao = modulo % Currency::Scale) {
        QString digitos = QString::number(fracao).rightJustified(4, u'0');
        while (digitos.endsWith(u'0')) digitos.chop(1);
        texto += u',' + digitos;
    }
    return raw < 0 ? u'-' + texto : texto;
}

QString Texto(const platform::db::Param& valor) {
    if (const auto* c = std::get_if<Currency>(&valor.value())) return Dinheiro(*c);
    if (const auto* d = std::get_if<QDate>(&valor.value())) return d->toString(u"dd/MM/yyyy");
    return QString();
}

}  // namespace

QString ValorAlemDoCampo(const QString& rotulo, Currency valor) {
    if (valor.raw() <= MaiorValor && valor.raw() >= -MaiorValor) return QString();
    return rotulo + QStringLiteral(": ") + Dinheiro(valor);
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

template <typename D>
QString ValoresGuardados<D>::Confere(const CamposMes<D>& campos, const D& mostrado, const QDate& periodo,
                                     const QStringList& extras) {
    guardados_.clear();
    // The dates are named by what is wrong with them; an empty issue date is how the window stores
    // none, and the entry date places the document.
    const QDate* demiss = nullptr;
    if constexpr (requires { mostrado.demiss; }) demiss = &mostrado.demiss;
    QStringList nomes = DatasForaDoMes(periodo, mostrado.datalan, demiss, false);
    const D lido = campos.Le();
    for (const ColunaMes<D>* c : campos.Colunas()) {
        if (c->tipo != TipoMes::Dinheiro && c->tipo != TipoMes::Data) continue;
        const platform::db::Param gravado = Valor(mostrado, *c);
        const platform::db::Param visto = Valor(lido, *c);
        if (visto.value() == gravado.value()) continue;
        guardados_.push_back({c, visto, gravado});
        if (c->tipo == TipoMes::Dinheiro) nomes << c->nome + QStringLiteral(": ") + Texto(gravado);
    }
    nomes << extras;
    if (nomes.isEmpty()) return QString();
    return QStringLiteral(
               "Este documento guarda o que a janela não pode mostrar como está gravado; o que não for "
               "digitado será gravado como está:\n") +
           nomes.join(u'\n');
}

template <typename D>
void ValoresGuardados<D>::Restaura(D& lido) const {
    for (const Guardado& g : guardados_)
        if (Valor(lido, *g.coluna).value() == g.mostrado.value()) Atribui(lido, *g.coluna, g.gravado);
}

template class ValoresGuardados<DocumentoIcms>;
template class ValoresGuardados<DocumentoIss>;

}  // namespace movimento
