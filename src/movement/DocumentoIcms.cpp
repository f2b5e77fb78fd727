#include "movement/DocumentoIcms.h"

#include <QVariant>
#include <algorithm>

#include "platform/controls/XArrayDB.h"
#include "platform/values/Vb.h"

namespace movimento {

namespace values = platform::values;

namespace {

// A document number shows without its leading zeros, and not at all when it is not above 0.
QString Numero(const QString& texto) {
    const double valor = values::Val(texto);
    return valor > 0 ? QString::number(static_cast<qint64>(valor)) : QString();
}

bool Ocupado(const ItemGrade& item) {
    return !item.base.isZero() || !item.aliquota.isZero() || !item.icms.isZero() || !item.isento.isZero() ||
           !item.outros.isZero() || !item.tipo.isEmpty();
}

}  // namespace

std::vector<ItemGrade> ItensDoDocumento(const DocumentoIcms& d) {
    std::vector<ItemGrade> itens;
    for (int slot = 0; slot < SlotsItens; ++slot) {
        ItemGrade item{d.itens[std::size_t(slot)], values::Trim(d.tipos.value(slot))};
        if (Ocupado(item)) itens.push_back(std::move(item));
    }
    return itens;
}

DocumentoIcms DocumentoNaJanela(DocumentoIcms d, registers::cfop::Tabela cfop) {
    d.especie = d.especie.toUpper();
    d.serie = d.serie.toUpper();
    d.docinicial = Numero(d.docinicial);
    d.docfinal = Numero(d.docfinal);
    d.codfiscal = registers::cfop::TextoNaMascara(cfop, d.codfiscal);
    d.tipolan = values::Trim(d.tipolan);
    return d;
}

void PreencheItens(platform::controls::XArrayDB& array, const std::vector<ItemGrade>& itens) {
    array.ReDim(0, std::max<int>(int(itens.size()), 1) - 1, 0, ColunaItem::Ultima);
    for (int linha = 0; linha < array.Count(1); ++linha)
        for (int coluna = 0; coluna <= ColunaItem::Ultima; ++coluna)
            array.setValue(linha, coluna, QVariant());
    for (int linha = 0; linha < int(itens.size()); ++linha) {
        const ItemGrade& item = itens[std::size_t(linha)];
        array.setValue(linha, ColunaItem::Base, QVariant::fromValue(item.base));
        array.setValue(linha, ColunaItem::Aliquota, QVariant::fromValue(item.aliquota));
        array.setValue(linha, ColunaItem::Icms, QVariant::fromValue(item.icms));
        array.setValue(linha, ColunaItem::Isento, QVariant::fromValue(item.isento));
        array.setValue(linha, ColunaItem::Outros, QVariant::fromValue(item.outros));
        array.setValue(linha, ColunaItem::Tipo, item.tipo);
    }
}

}  // namespace movimento
