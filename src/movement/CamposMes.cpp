#include "movement/CamposMes.h"

#include <algorithm>

namespace movimento {

template <typename D>
CamposMes<D>::CamposMes(const std::vector<std::pair<QWidget*, QString>>& pares) {
    for (const auto& [controle, coluna] : pares) pares_.emplace_back(controle, &ColunaDoMapa<D>(coluna));
}

template <typename D>
std::vector<shell::CampoCadastro> CamposMes<D>::Campos() const {
    std::vector<shell::CampoCadastro> campos;
    for (const auto& [controle, coluna] : pares_) campos.push_back({controle, coluna->nome});
    return campos;
}

template <typename D>
void CamposMes<D>::DefineEscrita(QWidget* controle, shell::EscritaCampo escrita) {
    escritas_.emplace_back(controle, std::move(escrita));
}

template <typename D>
void CamposMes<D>::Mostra(const D& d) const {
    for (const auto& [controle, coluna] : pares_) shell::MostraValorCampo(controle, Valor(d, *coluna));
}

template <typename D>
QStringList CamposMes<D>::Guarda(const D& gravado) const {
    QStringList nomes;
    for (const auto& [controle, coluna] : pares_) {
        const bool nulo = coluna->tipo == TipoMes::Texto && coluna->Texto(gravado).isNull();
        const platform::db::Param valor = nulo ? platform::db::DbNull : Valor(gravado, *coluna);
        shell::EscritaCampo escrita;
        for (const auto& [c, e] : escritas_)
            if (c == controle) escrita = e;
        if (shell::GuardaValorCampo(controle, valor, escrita) && !nulo && coluna->tipo != TipoMes::Data)
            nomes << shell::NomeValorGuardado(coluna->nome, valor);
    }
    return nomes;
}

template <typename D>
D CamposMes<D>::Le() const {
    D d;
    for (const auto& [controle, coluna] : pares_) Atribui(d, *coluna, shell::ValorCampo(controle));
    return d;
}

template <typename D>
Projecao<D> CamposMes<D>::Colunas() const {
    Projecao<D> colunas;
    for (const ColunaMes<D>& c : ColunasMes<D>())
        if (std::any_of(pares_.cbegin(), pares_.cend(), [&c](const auto& p) { return p.second == &c; }))
            colunas.push_back(&c);
    return colunas;
}

template <typename D>
platform::db::ColumnList CamposMes<D>::Gravadas(const D& d, const Projecao<D>& colunas,
                                                const D* mostrado) const {
    platform::db::ColumnList lista;
    for (const ColunaMes<D>* c : colunas) {
        const auto par =
            std::find_if(pares_.cbegin(), pares_.cend(), [c](const auto& p) { return p.second == c; });
        const platform::db::Param valor = Valor(d, *c);
        const bool intacto = par == pares_.cend() ? mostrado && Valor(*mostrado, *c).value() == valor.value()
                                                  : shell::CampoIntacto(par->first);
        if (!intacto) lista.add(c->nome, valor);
    }
    return lista;
}

template class CamposMes<DocumentoIcms>;
template class CamposMes<DocumentoIss>;

}  // namespace movimento
