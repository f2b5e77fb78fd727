#include "registers/frmPesqCGC.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/controls/TDBList.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "registers/forcli_sql.h"
#include "shell/EstadoGeral.h"
#include "shell/ListaPesquisa.h"

namespace registers {

using shell::Pesquisa::CompComeca;
using shell::Pesquisa::TipoTexto;

frmPesqCGC::frmPesqCGC(QWidget* parent)
    : Dialog(parent),
      tdbPesq(new platform::controls::TDBList(this)),
      cmdOk(new QPushButton(QStringLiteral("&Ok"), this)),
      cmdCancela(new QPushButton(QStringLiteral("&Cancela"), this)) {
    setObjectName(QStringLiteral("frmPesqCGC"));
    setWindowTitle(QStringLiteral("Pesquisa de CNPJ"));
    tdbPesq->setObjectName(QStringLiteral("tdbPesq"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdCancela->setObjectName(QStringLiteral("cmdCancela"));
    cmdOk->setDefault(true);
    cmdCancela->setAutoDefault(false);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdCancela);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tdbPesq);
    layout->addLayout(botoes);
    resize(640, 420);

    // Every column sorts as text, the CNPJ/CPF with its punctuation included.
    lista_ = new shell::ListaPesquisa(*tdbPesq,
                                      {{QStringLiteral("CNPJ/CPF"), TipoTexto, CompComeca},
                                       {QStringLiteral("Fornecedor"), TipoTexto, CompComeca},
                                       {QStringLiteral("Inscrição Estadual"), TipoTexto, CompComeca},
                                       {QStringLiteral("UF"), TipoTexto, CompComeca}},
                                      nullptr, this);

    using namespace platform::ui;
    onClick(cmdOk, this, &frmPesqCGC::cmdOk_Click);
    onClick(cmdCancela, this, &frmPesqCGC::cmdCancela_Click);
    connect(tdbPesq, &platform::controls::TDBList::DblClick, this, handler(this, &frmPesqCGC::cmdOk_Click));
    connect(tdbPesq, &platform::controls::TDBList::HeadClick, this,
            [this](int coluna) { Guarded([&] { lista_->Cabecalho(coluna); }); });
    connect(tdbPesq, &platform::controls::TDBList::HeadRightClick, this,
            [this](int coluna) { Guarded([&] { lista_->Rodape(coluna); }); });
}

frmPesqCGC::~frmPesqCGC() = default;

void frmPesqCGC::Form_Load() {
    conexao_.Open(Geral::ConexaoCadastro);
    escolhido_ = false;
    tdbPesq->setColumnCaption(ColunaNome,
                              Geral::TabelaPesquisa.compare(forcli::Fornecedores, Qt::CaseInsensitive) == 0
                                  ? QStringLiteral("Fornecedor")
                                  : QStringLiteral("Cliente"));
    PreencheLista();
}

// Every row read is listed, however many the count said a moment before.
void frmPesqCGC::PreencheLista() {
    auto rs = forcli::Pesquisa(conexao_, Geral::TabelaPesquisa);
    if (lista_->Carrega(rs) <= 0) {
        platform::ui::MsgBox(QStringLiteral("Atenção, não há nenhum registro cadastrado !"),
                             platform::ui::Msg::Information, QCoreApplication::applicationName());
        Geral::Cancelado = true;
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
    escolhido_ = true;
    Geral::ChaveComum = lista_->Celula(linha, ColunaCgc);
    Geral::UfEscolhida = lista_->Celula(linha, ColunaUf);
    close();
}

void frmPesqCGC::cmdCancela_Click() {
    Geral::Cancelado = true;
    close();
}

void frmPesqCGC::Form_Unload(bool& /*Cancel*/) {
    if (!escolhido_) Geral::Cancelado = true;
    conexao_.Close();
}

}  // namespace registers
