#include "movement/CamposMes.h"

#include <algorithm>

#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "shell/JanelaCadastroCampos.h"

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
void CamposMes<D>::Mostra(const D& d) const {
    for (const auto& [controle, coluna] : pares_) {
        if (auto* data = qobject_cast<platform::controls::TDBDate*>(controle);
            data && coluna->tipo == TipoMes::Data) {
            // A date beyond the field's limits shows empty: shown, the field would refuse it as the
            // clerk leaves it, and nothing else could be done in the window, not even cancel.
            const QDate valor = d.*(coluna->data);
            const bool cabe = !valor.isValid() || ((!data->MinDate().isValid() || valor >= data->MinDate()) &&
                                                   (!data->MaxDate().isValid() || valor <= data->MaxDate()));
            data->setValue(cabe ? valor : QDate());
        } else if (auto* numero = qobject_cast<platform::controls::TDBNumber*>(controle);
                   numero && coluna->tipo == TipoMes::Dinheiro) {
            // A value the field cannot hold leaves it as it was: it shows none rather than the
            // previous document's.
            numero->setValue(Currency());
            numero->setValue(coluna->Dinheiro(d));
        } else if (coluna->tipo == TipoMes::Texto)
            shell::DefineTextoCampo(controle, coluna->Texto(d));
    }
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

template class CamposMes<DocumentoIcms>;
template class CamposMes<DocumentoIss>;

}  // namespace movimento
