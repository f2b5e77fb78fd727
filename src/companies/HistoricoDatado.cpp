#include "companies/HistoricoDatado.h"

#include <QPushButton>

#include "platform/controls/TDBDate.h"
#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"

namespace Empresas {

void HistoricoDatado::PreparaBotoes(QPushButton* gravar, QPushButton* apagar, QPushButton* cancelar,
                                    QPushButton* sair) {
    const std::pair<QPushButton*, const char*> botoes[] = {
        {gravar, "cmdGravar"}, {apagar, "cmdApagar"}, {cancelar, "cmdCancelar"}, {sair, "cmdSair"}};
    for (auto [b, nome] : botoes) {
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
    }
    gravar->setToolTip(QStringLiteral("Grava as informações"));
    apagar->setToolTip(QStringLiteral("Exclui Informações"));
    cancelar->setToolTip(QStringLiteral("Cancela"));
    sair->setToolTip(QStringLiteral("Sair"));
}

shell::DefinicaoCadastro HistoricoDatado::Definicao(const QString& tabela, const QString& colunaData,
                                                    const QString& colunaDono,
                                                    platform::controls::TDBDate* data) {
    shell::DefinicaoCadastro d;
    d.tabela = tabela;
    d.colunaChave = colunaData;
    d.tipoChave = shell::TipoColuna::Data;
    d.procura = shell::Procura::DataDoDono;
    d.colunaDono = colunaDono;
    d.tipoDono = shell::TipoColuna::Numero;
    d.chave = data;
    d.tipoOrdemInicial = shell::TipoColuna::Data;
    d.perguntaInclusao = QStringLiteral("Data Não Registrada, Incluir ?");
    return d;
}

HistoricoDatado::HistoricoDatado(QWidget& janela, shell::DefinicaoCadastro definicao)
    : JanelaCadastro(janela, std::move(definicao)) {}

qint64 HistoricoDatado::Dono() const { return qint64(platform::values::Val(ChaveDono())); }

QDate HistoricoDatado::DataAtual() const {
    return platform::values::parseDate(ChaveAtual()).value_or(QDate());
}

void HistoricoDatado::TestaRegras() {
    if (ChaveVazia(TextoChave()))
        shell::AdicionaErro(shell::ErroFatal, QStringLiteral("Todo registro deve ter uma data !"));
    else if (Inclusao() && ExisteChave(ChaveAtual()))
        shell::AdicionaErro(shell::ErroFatal, QStringLiteral("Data Já Cadastrada !"));
    RegrasProprias();
}

}  // namespace Empresas
