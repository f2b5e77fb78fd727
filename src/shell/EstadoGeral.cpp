#include "shell/EstadoGeral.h"

#include "platform/values/RuntimeError.h"

namespace Geral {

namespace {
void confereLinha(int linha) {
    if (linha < 1 || linha > TabelaErros::Linhas)
        throw platform::values::RuntimeError(platform::values::ErrorNumber::SubscriptOutOfRange);
}
}  // namespace

LinhaErro& TabelaErros::operator[](int linha) {
    confereLinha(linha);
    return linhas_[linha - 1];
}

const LinhaErro& TabelaErros::operator[](int linha) const {
    confereLinha(linha);
    return linhas_[linha - 1];
}

void TabelaErros::Apaga() { linhas_.fill(LinhaErro{}); }

void ReiniciaEstadoGeral() {
    for (QString* texto :
         {&DiretorioSistema, &SenhaCadastro, &SenhaMovimento, &ConexaoCadastro, &ConexaoAcesso,
          &ConexaoMovimento, &UsuarioAtual,  &TipoImpressora, &SenhaCodificada, &TituloPesquisa,
          &TabelaPesquisa,   &ChaveComum,    &UfEscolhida,    &CidadePesquisa,  &UfPesquisa,
          &InclusaoCgc,      &TabelaForCli,  &NomeEmpresa,    &ExtensoIcms,     &ExtensoIpi,
          &ValorNempat})
        texto->clear();
    DireitosUsuario.fill(false);
    Cancelado = Alterado = ComErros = InclusaoAtiva = InclusaoFornecedor = false;
    ListaErros.Apaga();
    CodigoUsuario = 0;
    ContaErros = ValorEmpat = Contador1 = Contador2 = 0;
    DataReferencia = QDate();
}

}  // namespace Geral
