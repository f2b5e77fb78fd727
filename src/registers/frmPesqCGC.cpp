#include "registers/frmPesqCGC.h"

#include <QTableView>

#include "platform/controls/TDBList.h"
#include "registers/forcli_sql.h"
#include "shell/EstadoGeral.h"

namespace registers {

using shell::Pesquisa::CompComeca;
using shell::Pesquisa::TipoTexto;

frmPesqCGC::frmPesqCGC(QWidget* parent)
    : DialogoPesquisa(QStringLiteral("frmPesqCGC"), QStringLiteral("Pesquisa de CNPJ"), parent) {
    // Every column sorts as text, the CNPJ/CPF with its punctuation included.
    MontaLista({{QStringLiteral("CNPJ/CPF"), TipoTexto, CompComeca},
                {QStringLiteral("Fornecedor"), TipoTexto, CompComeca},
                {QStringLiteral("Inscrição Estadual"), TipoTexto, CompComeca},
                {QStringLiteral("UF"), TipoTexto, CompComeca}},
               nullptr, nullptr, 640);
}

void frmPesqCGC::Form_Load() {
    DialogoPesquisa::Form_Load();
    conexao_.Open(Geral::ConexaoCadastro);
    tdbPesq->setColumnCaption(ColunaNome,
                              Geral::TabelaPesquisa.compare(forcli::Fornecedores, Qt::CaseInsensitive) == 0
                                  ? QStringLiteral("Fornecedor")
                                  : QStringLiteral("Cliente"));
    PreencheLista();
}

// Every row read is listed, however many the count said a moment before.
void frmPesqCGC::PreencheLista() {
    auto rs = forcli::Pesquisa(conexao_, Geral::TabelaPesquisa);
    if (!Carrega(rs)) {
        close();
        return;
    }
    lista_->Ordena(ColunaNome, shell::Pesquisa::Ascendente);
    lista_->DefineLinhaAtual(0);
    // The key, the name and the registration are read whole.
    tdbPesq->view()->resizeColumnsToContents();
}

void frmPesqCGC::cmdOk_Click() {
    const int linha = lista_->LinhaAtual();
    if (linha < 0 || linha >= lista_->Linhas()) return;
    Geral::ChaveComum = lista_->Celula(linha, ColunaCgc);
    Geral::UfEscolhida = lista_->Celula(linha, ColunaUf);
    Escolhido();
}

}  // namespace registers
