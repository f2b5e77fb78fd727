#include "movement/LancamentoIcms.h"

#include <array>

#include "platform/values/Vb.h"

namespace movimento {

using platform::values::Trim;

namespace {

Currency percent(std::int64_t tenThousandths) { return Currency::fromRaw(tenThousandths); }

}  // namespace

std::optional<Currency> NumeroDaCelula(const QVariant& celula) {
    if (celula.metaType() == QMetaType::fromType<Currency>()) return celula.value<Currency>();
    const QString texto = Trim(celula.toString());
    if (texto.isEmpty()) return Currency();
    return Currency::parse(texto);
}

Currency LeCelula(const QVariant& celula) { return NumeroDaCelula(celula).value_or(Currency()); }

QString TextoDaCelula(const QVariant& celula) {
    if (celula.metaType() == QMetaType::fromType<Currency>())
        return platform::values::regionalText(celula.value<Currency>());
    return celula.toString();
}

std::optional<Currency> IcmsDaAliquota(const QVariant& base, const QVariant& aliquota) {
    const auto b = NumeroDaCelula(base);
    const auto a = NumeroDaCelula(aliquota);
    if (!b || !a) return std::nullopt;
    return platform::values::taxAmount(*b, *a);
}

int TeclaDaGrade(int coluna, int KeyAscii, QStringView texto) {
    if (coluna == ColunaItem::Base || KeyAscii == 8 || (KeyAscii >= '0' && KeyAscii <= '9')) return KeyAscii;
    return KeyAscii == ',' && !texto.contains(u',') ? KeyAscii : 0;
}

SaidaDaBase SaidaAposBase(const QVariant& base, QStringView tipolan) {
    if (!LeCelula(base).isZero()) return SaidaDaBase::Fica;
    if (Trim(tipolan) != u"99" && platform::values::Val(tipolan) > 0) return SaidaDaBase::Gravar;
    if (TextoDaCelula(base) == u"0,00") return SaidaDaBase::DoisTabs;
    return SaidaDaBase::BaseIpi;
}

std::optional<ItemIcms> ItemDoTipoLancamento(QStringView tipolan, Currency valor) {
    const auto tipo = static_cast<float>(platform::values::Val(tipolan));
    ItemIcms item;
    auto tributa = [&](int aliquota) {
        item.aliquota = Currency::fromUnits(aliquota);
        item.icms = platform::values::taxAmount(item.base, item.aliquota);
    };
    // The exempt share of a base reduction, as a rate in percent of the value, and the rate of the rest.
    struct Reducao {
        int codigo;
        Currency isento;
        int aliquota;
    };
    static const std::array<Reducao, 4> reducoes{{{50, percent(200000), 12},
                                                  {51, percent(416700), 12},
                                                  {52, percent(611100), 18},
                                                  {53, percent(333000), 18}}};
    for (const Reducao& r : reducoes) {
        if (tipo != static_cast<float>(r.codigo)) continue;
        item.isento = platform::values::taxAmount(valor, r.isento);
        item.base = valor - item.isento;
        tributa(r.aliquota);
        return item;
    }
    for (int aliquota : {7, 12, 17, 18, 25}) {
        if (tipo != static_cast<float>(aliquota)) continue;
        item.base = valor;
        tributa(aliquota);
        return item;
    }
    if (tipo == 1.0f) {
        item.base = valor;
        return item;
    }
    if (tipo == 2.0f) {
        item.isento = valor;
        return item;
    }
    if (tipo == 3.0f) {
        item.outros = valor;
        return item;
    }
    return std::nullopt;
}

}  // namespace movimento
