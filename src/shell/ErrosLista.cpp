#include "shell/ErrosLista.h"

#include "platform/ui/ShowModal.h"
#include "shell/EstadoGeral.h"
#include "shell/frmErros.h"

namespace shell {

void IniciaErros() {
    Geral::ContaErros = 1;
    Geral::ListaErros.Apaga();
}

void AdicionaErro(QStringView severidade, const QString& mensagem) {
    constexpr int ultima = Geral::TabelaErros::Linhas;
    if (Geral::ContaErros <= ultima) {
        auto& linha = Geral::ListaErros[Geral::ContaErros];
        linha.Numero = Geral::ContaErros;
        linha.Tipo = severidade.toString();
        linha.Descricao = mensagem;
        ++Geral::ContaErros;
        return;
    }
    // The last row stands for itself and every rule after it; it is fatal when any of them was.
    auto& linha = Geral::ListaErros[ultima];
    const bool fatal = linha.Tipo == ErroFatal || severidade == ErroFatal;
    linha.Numero = ultima;
    linha.Tipo = (fatal ? ErroFatal : AlertaErro).toString();
    linha.Descricao = OutrosErros.toString();
}

void AdicionaErros(const std::vector<ErroRegra>& erros) {
    for (const ErroRegra& e : erros) AdicionaErro(e.severidade, e.mensagem);
}

bool TemErroFatal() {
    for (int i = 1; i < Geral::ContaErros && i <= Geral::TabelaErros::Linhas; ++i)
        if (Geral::ListaErros[i].Tipo == ErroFatal) return true;
    return false;
}

bool ConcluiErros() {
    Geral::ComErros = Geral::ContaErros > 1;
    if (!Geral::ComErros) return true;
    frmErros dialogo;
    platform::ui::ShowModal(dialogo);
    if (Geral::Cancelado) {
        Geral::Cancelado = false;
        return false;
    }
    return true;
}

}  // namespace shell
