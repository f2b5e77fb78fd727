#include "movement/DocumentoIcms.h"

#include <QVariant>
#include <algorithm>

#include "platform/controls/XArrayDB.h"
#include "platform/values/Vb.h"
#include "shell/Geral.h"

namespace movimento {

namespace values = platform::values;
using platform::db::Recordset;

namespace {

Currency Dinheiro(const Recordset& rs, const QString& coluna) { return rs.Fields(coluna).toCurrency(); }
QString Texto(const Recordset& rs, const QString& coluna) { return rs.Fields(coluna).toString(); }

// A document number shows without its leading zeros, and not at all when it is not above 0.
QString Numero(const QString& texto) {
    const double valor = values::Val(texto);
    return valor > 0 ? QString::number(static_cast<qint64>(valor)) : QString();
}

bool Ocupado(const ItemIcms& item) {
    return !item.base.isZero() || !item.aliquota.isZero() || !item.icms.isZero() || !item.isento.isZero() ||
           !item.outros.isZero() || !item.tipo.isEmpty();
}

}  // namespace

std::vector<ItemIcms> ItensDoDocumento(const Recordset& rs) {
    std::vector<ItemIcms> itens;
    for (int slot = 0; slot < SlotsItens; ++slot) {
        const QString n = QString::number(slot);
        ItemIcms item{Dinheiro(rs, QStringLiteral("baseicms") + n),
                      Dinheiro(rs, QStringLiteral("aliqicms") + n),
                      Dinheiro(rs, QStringLiteral("valricms") + n),
                      Dinheiro(rs, QStringLiteral("isenicms") + n),
                      Dinheiro(rs, QStringLiteral("outricms") + n),
                      values::Trim(Texto(rs, QStringLiteral("tipoicms") + n))};
        if (Ocupado(item)) itens.push_back(std::move(item));
    }
    return itens;
}

DocumentoIcms LeDocumentoIcms(const Recordset& rs, registers::cfop::Tabela cfop) {
    DocumentoIcms d;
    d.codigo = Geral::Zeros(rs.Fields(QStringLiteral("codauto")).toLongLong(), 6);
    d.datalan = rs.Fields(QStringLiteral("datalan")).toDate();
    d.demiss = rs.Fields(QStringLiteral("demiss")).toDate();
    d.especie = Texto(rs, QStringLiteral("especie")).toUpper();
    d.serie = Texto(rs, QStringLiteral("serie")).toUpper();
    d.docinicial = Numero(Texto(rs, QStringLiteral("docinicial")));
    d.docfinal = Numero(Texto(rs, QStringLiteral("docfinal")));
    d.cgc = Texto(rs, QStringLiteral("cgc"));
    d.uf = Texto(rs, QStringLiteral("uf"));
    d.codfiscal = registers::cfop::TextoNaMascara(cfop, Texto(rs, QStringLiteral("codfiscal")));
    d.vlrcontabil = Dinheiro(rs, QStringLiteral("vlrcontabil"));
    d.tipolan = values::Trim(Texto(rs, QStringLiteral("tipolan")));
    d.itens = ItensDoDocumento(rs);
    d.baseipi = Dinheiro(rs, QStringLiteral("baseipi"));
    d.valripi = Dinheiro(rs, QStringLiteral("valripi"));
    d.isenipi = Dinheiro(rs, QStringLiteral("isenipi"));
    d.outripi = Dinheiro(rs, QStringLiteral("outripi"));
    d.fonteicms = Dinheiro(rs, QStringLiteral("fonteicms"));
    d.descicms = Dinheiro(rs, QStringLiteral("descicms"));
    d.observ = Texto(rs, QStringLiteral("observ"));
    return d;
}

void PreencheItens(platform::controls::XArrayDB& array, const std::vector<ItemIcms>& itens) {
    array.ReDim(0, std::max<int>(int(itens.size()), 1) - 1, 0, ColunaItem::Ultima);
    for (int linha = 0; linha < array.Count(1); ++linha)
        for (int coluna = 0; coluna <= ColunaItem::Ultima; ++coluna)
            array.setValue(linha, coluna, QVariant());
    for (int linha = 0; linha < int(itens.size()); ++linha) {
        const ItemIcms& item = itens[std::size_t(linha)];
        array.setValue(linha, ColunaItem::Base, QVariant::fromValue(item.base));
        array.setValue(linha, ColunaItem::Aliquota, QVariant::fromValue(item.aliquota));
        array.setValue(linha, ColunaItem::Icms, QVariant::fromValue(item.icms));
        array.setValue(linha, ColunaItem::Isento, QVariant::fromValue(item.isento));
        array.setValue(linha, ColunaItem::Outros, QVariant::fromValue(item.outros));
        array.setValue(linha, ColunaItem::Tipo, item.tipo);
    }
}

}  // namespace movimento
