#include "movement/DocumentoMes.h"

#include <algorithm>

#include "platform/db/Connection.h"
#include "platform/db/TableNames.h"
#include "platform/values/RuntimeError.h"

namespace movimento {

using platform::db::ColumnList;
using platform::db::Param;
using platform::db::Recordset;

namespace {

[[noreturn]] void ColunaDesconhecida(const QString& nome) {
    throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument,
                                         QStringLiteral("Coluna de movimento inválida: ") + nome);
}

// Declares the columns of one document kind in table order.
template <typename D>
class Mapa {
  public:
    Mapa& numero(const char* nome, qint64 D::*m) {
        return poe(nome, TipoMes::Numero, [&](auto& c) { c.numero = m; });
    }
    Mapa& data(const char* nome, QDate D::*m) {
        return poe(nome, TipoMes::Data, [&](auto& c) { c.data = m; });
    }
    Mapa& dinheiro(const char* nome, Currency D::*m) {
        return poe(nome, TipoMes::Dinheiro, [&](auto& c) { c.dinheiro = m; });
    }
    Mapa& texto(const char* nome, QString D::*m, bool repete = false) {
        return poe(nome, TipoMes::Texto, [&](auto& c) {
            c.texto = m;
            c.repete = repete;
        });
    }
    // The column `raiz` of each item slot, 0 to 4 ("baseicms0" to "baseicms4"): an amount, or a text.
    Mapa& item(const char* raiz, Currency ItemIcms::*dinheiro, QStringList D::*textos = nullptr) {
        for (int slot = 0; slot < SlotsItens; ++slot)
            poe(raiz, textos ? TipoMes::Texto : TipoMes::Dinheiro, [&](auto& c) {
                c.dinheiroItem = dinheiro;
                c.textosItens = textos;
                c.slot = slot;
            });
        return *this;
    }
    std::vector<ColunaMes<D>> colunas;

  private:
    template <typename F>
    Mapa& poe(const char* nome, TipoMes tipo, F&& define) {
        ColunaMes<D> c;
        c.raiz = QString::fromLatin1(nome);
        c.tipo = tipo;
        define(c);
        c.nome = c.slot < 0 ? c.raiz : c.raiz + QString::number(c.slot);
        colunas.push_back(std::move(c));
        return *this;
    }
};

[[noreturn]] void TabelaInvalida(const QString& nome) {
    throw platform::values::RuntimeError(platform::values::ErrorNumber::InvalidArgument,
                                         QStringLiteral("Tabela de movimento inválida: ") + nome);
}

}  // namespace

QString TabelaMes(const QString& familia, int mes) {
    for (const QString& f : {Entradas, Saidas, Iss})
        if (familia.compare(f, Qt::CaseInsensitive) == 0) return platform::db::monthTable(f, mes);
    TabelaInvalida(familia + QString::number(mes));
}

QString TabelaDoMovimento(const QString& tabela) {
    static const QStringList tabelas = [] {
        QStringList nomes;
        for (const QString& familia : {Entradas, Saidas, Iss})
            for (int mes = 1; mes <= 12; ++mes) nomes << TabelaMes(familia, mes);
        return nomes;
    }();
    for (const QString& t : tabelas)
        if (t.compare(tabela, Qt::CaseInsensitive) == 0) return t;
    TabelaInvalida(tabela);
}

int MesDaTabela(const QString& tabela) { return TabelaDoMovimento(tabela).right(2).toInt(); }

const std::vector<ColunaMes<DocumentoIcms>>& ColunasIcms() {
    using D = DocumentoIcms;
    static const std::vector<ColunaMes<D>> colunas = Mapa<D>()
                                                         .numero("codauto", &D::codauto)
                                                         .data("datalan", &D::datalan)
                                                         .data("demiss", &D::demiss)
                                                         .texto("especie", &D::especie, true)
                                                         .texto("serie", &D::serie, true)
                                                         .texto("docinicial", &D::docinicial)
                                                         .texto("docfinal", &D::docfinal)
                                                         .texto("cgc", &D::cgc)
                                                         .texto("uf", &D::uf, true)
                                                         .texto("codfiscal", &D::codfiscal, true)
                                                         .dinheiro("vlrcontabil", &D::vlrcontabil)
                                                         .texto("tipolan", &D::tipolan, true)
                                                         .item("baseicms", &ItemIcms::base)
                                                         .item("aliqicms", &ItemIcms::aliquota)
                                                         .item("valricms", &ItemIcms::icms)
                                                         .item("isenicms", &ItemIcms::isento)
                                                         .item("outricms", &ItemIcms::outros)
                                                         .item("tipoicms", nullptr, &D::tipos)
                                                         .dinheiro("baseipi", &D::baseipi)
                                                         .dinheiro("valripi", &D::valripi)
                                                         .dinheiro("isenipi", &D::isenipi)
                                                         .dinheiro("outripi", &D::outripi)
                                                         .dinheiro("fonteicms", &D::fonteicms)
                                                         .dinheiro("descicms", &D::descicms)
                                                         .texto("observ", &D::observ, true)
                                                         .colunas;
    return colunas;
}

const std::vector<ColunaMes<DocumentoIss>>& ColunasIss() {
    using D = DocumentoIss;
    static const std::vector<ColunaMes<D>> colunas = Mapa<D>()
                                                         .numero("codauto", &D::codauto)
                                                         .data("datalan", &D::datalan)
                                                         .texto("codserv", &D::codserv, true)
                                                         .texto("serie", &D::serie, true)
                                                         .texto("docinicial", &D::docinicial)
                                                         .texto("docfinal", &D::docfinal)
                                                         .texto("talao", &D::talao)
                                                         .dinheiro("base", &D::base)
                                                         .dinheiro("aliq", &D::aliq)
                                                         .dinheiro("iss", &D::iss)
                                                         .dinheiro("ir", &D::ir)
                                                         .texto("tipo", &D::tipo, true)
                                                         .texto("observ", &D::observ, true)
                                                         .dinheiro("subempr", &D::subempr)
                                                         .dinheiro("materiais", &D::materiais)
                                                         .colunas;
    return colunas;
}

template <typename D>
const ColunaMes<D>& ColunaDoMapa(const QString& nome) {
    for (const ColunaMes<D>& c : ColunasMes<D>())
        if (c.nome.compare(nome, Qt::CaseInsensitive) == 0) return c;
    ColunaDesconhecida(nome);
}

template <typename D>
Projecao<D> Projeta(const std::vector<const char*>& raizes) {
    const auto tomada = [&raizes](const ColunaMes<D>& c, const char* raiz) {
        return c.raiz.compare(QLatin1String(raiz), Qt::CaseInsensitive) == 0 ||
               c.nome.compare(QLatin1String(raiz), Qt::CaseInsensitive) == 0;
    };
    for (const char* raiz : raizes)
        if (std::none_of(ColunasMes<D>().cbegin(), ColunasMes<D>().cend(),
                         [&](const ColunaMes<D>& c) { return tomada(c, raiz); }))
            ColunaDesconhecida(QString::fromLatin1(raiz));
    // In the order asked, the slots of item columns asked one after another taken slot by slot
    // (base0, aliq0, ..., base1, ...): SQLite reads a row's columns fastest in that order.
    Projecao<D> projecao;
    for (std::size_t i = 0; i < raizes.size();) {
        std::size_t fim = i + 1;
        const auto deItem = [&](const char* raiz) {
            return std::any_of(ColunasMes<D>().cbegin(), ColunasMes<D>().cend(),
                               [&](const ColunaMes<D>& c) { return c.slot >= 0 && tomada(c, raiz); });
        };
        if (deItem(raizes[i]))
            while (fim < raizes.size() && deItem(raizes[fim])) ++fim;
        for (int slot = -1; slot < SlotsItens; ++slot)
            for (std::size_t r = i; r < fim; ++r)
                for (const ColunaMes<D>& c : ColunasMes<D>())
                    if (c.slot == slot && tomada(c, raizes[r])) projecao.push_back(&c);
        i = fim;
    }
    return projecao;
}

template <typename D>
Projecao<D> SemChave() {
    Projecao<D> projecao;
    for (const ColunaMes<D>& c : ColunasMes<D>())
        if (c.tipo != TipoMes::Numero) projecao.push_back(&c);
    return projecao;
}

template <typename D>
Param Valor(const D& d, const ColunaMes<D>& c) {
    switch (c.tipo) {
        case TipoMes::Numero:
            return Param(d.*(c.numero));
        case TipoMes::Data:
            return Param(d.*(c.data));
        case TipoMes::Dinheiro:
            return Param(c.Dinheiro(d));
        case TipoMes::Texto:
            break;
    }
    return Param(c.Texto(d));
}

template <typename D>
void Atribui(D& d, const ColunaMes<D>& c, const Param& valor) {
    const auto& v = valor.value();
    switch (c.tipo) {
        case TipoMes::Numero:
            d.*(c.numero) = std::holds_alternative<qint64>(v) ? std::get<qint64>(v) : 0;
            break;
        case TipoMes::Data:
            d.*(c.data) = std::holds_alternative<QDate>(v) ? std::get<QDate>(v) : QDate();
            break;
        case TipoMes::Dinheiro:
            c.Dinheiro(d) = std::holds_alternative<Currency>(v) ? std::get<Currency>(v) : Currency();
            break;
        case TipoMes::Texto:
            c.Texto(d) = std::holds_alternative<QString>(v) ? std::get<QString>(v) : QString();
            break;
    }
}

template <typename D>
ColumnList ColunasGravadas(const D& d, const Projecao<D>& projecao) {
    ColumnList colunas;
    for (const ColunaMes<D>* c : projecao) colunas.add(c->nome, Valor(d, *c));
    return colunas;
}

template <typename D>
D LeDocumentoDaLinha(const Recordset& rs) {
    D d;
    for (int i = 0; i < rs.FieldCount(); ++i) {
        const QString nome = rs.FieldName(i);
        const ColunaMes<D>* c = nullptr;
        for (const ColunaMes<D>& k : ColunasMes<D>())
            if (k.nome.compare(nome, Qt::CaseInsensitive) == 0) c = &k;
        if (!c) continue;
        const auto campo = rs.Fields(i);
        switch (c->tipo) {
            case TipoMes::Numero:
                d.*(c->numero) = campo.toLongLong();
                break;
            case TipoMes::Data:
                d.*(c->data) = campo.toDate();
                break;
            case TipoMes::Dinheiro:
                c->Dinheiro(d) = campo.toCurrency();
                break;
            case TipoMes::Texto:
                c->Texto(d) = campo.isNull() ? QString() : campo.toString();
                break;
        }
    }
    return d;
}

template <typename D>
LeituraMes<D>::LeituraMes(platform::db::Connection& banco, const QString& tabela, Projecao<D> projecao,
                          const QString& resto, const platform::db::Params& params)
    : projecao_(std::move(projecao)) {
    QString lista;
    for (const ColunaMes<D>* c : projecao_) {
        if (!lista.isEmpty()) lista += u',';
        lista += c->nome;
    }
    rs_ = banco.OpenRecordset(QStringLiteral("SELECT ") + lista + QStringLiteral(" FROM ") +
                                  TabelaDoMovimento(tabela) + u' ' + resto,
                              params);
}

#define MOVIMENTO_MAPA(D)                                                 \
    template const ColunaMes<D>& ColunaDoMapa<D>(const QString&);         \
    template Projecao<D> Projeta<D>(const std::vector<const char*>&);     \
    template Projecao<D> SemChave<D>();                                   \
    template Param Valor<D>(const D&, const ColunaMes<D>&);               \
    template void Atribui<D>(D&, const ColunaMes<D>&, const Param&);      \
    template ColumnList ColunasGravadas<D>(const D&, const Projecao<D>&); \
    template D LeDocumentoDaLinha<D>(const Recordset&);                   \
    template class LeituraMes<D>;
MOVIMENTO_MAPA(DocumentoIcms)
MOVIMENTO_MAPA(DocumentoIss)
#undef MOVIMENTO_MAPA

QString ValorNegativo(const QString& raiz, int slot) {
    static const std::pair<const char*, const char*> titulos[] = {{"vlrcontabil", "Valor Contábil"},
                                                                  {"baseipi", "Base IPI"},
                                                                  {"valripi", "IPI"},
                                                                  {"isenipi", "Isento (IPI)"},
                                                                  {"outripi", "Outras (IPI)"},
                                                                  {"fonteicms", "ICMS na Fonte"},
                                                                  {"descicms", "Desconto"},
                                                                  {"baseicms", "Base de Cálculo"},
                                                                  {"aliqicms", "Alíquota"},
                                                                  {"valricms", "ICMS"},
                                                                  {"isenicms", "Isento"},
                                                                  {"outricms", "Outros"},
                                                                  {"base", "Valor da Nota"},
                                                                  {"aliq", "Aliq."},
                                                                  {"iss", "I.S.S."},
                                                                  {"ir", "I.R. Fonte"},
                                                                  {"subempr", "S/Empreitadas"},
                                                                  {"materiais", "Materiais"}};
    QString titulo = raiz;
    for (const auto& [nome, texto] : titulos)
        if (raiz.compare(QLatin1String(nome), Qt::CaseInsensitive) == 0) titulo = QString::fromUtf8(texto);
    const QString item = slot < 0 ? QString() : QStringLiteral(" do item %1").arg(slot + 1);
    return QStringLiteral("Valor negativo em \"") + titulo + QStringLiteral("\"") + item +
           QStringLiteral(": os livros fiscais não imprimem valores negativos !");
}

}  // namespace movimento
