#include "shell/DialogoPesquisa.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/controls/TDBList.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"

namespace shell {

DialogoPesquisa::DialogoPesquisa(const QString& nome, const QString& titulo, QWidget* parent,
                                 const QString& cancela)
    : Dialog(parent),
      tdbPesq(new platform::controls::TDBList(this)),
      cmdOk(new QPushButton(QStringLiteral("&Ok"), this)),
      cmdCancela(platform::ui::asExit(new QPushButton(QLatin1Char('&') + cancela.mid(3), this))) {
    setObjectName(nome);
    setWindowTitle(titulo);
    tdbPesq->setObjectName(QStringLiteral("tdbPesq"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdCancela->setObjectName(cancela);
    cmdOk->setDefault(true);
    cmdCancela->setAutoDefault(false);
}

DialogoPesquisa::~DialogoPesquisa() = default;

void DialogoPesquisa::MontaLista(std::vector<ColunaPesquisa> colunas, QComboBox* seletor, QLayout* busca,
                                 int largura, QLayout* acima, const std::vector<QWidget*>& botoes) {
    auto* linhaBotoes = new QHBoxLayout;
    for (QWidget* b : botoes) linhaBotoes->addWidget(b);
    linhaBotoes->addStretch();
    linhaBotoes->addWidget(cmdOk);
    linhaBotoes->addWidget(cmdCancela);
    auto* layout = new QVBoxLayout(this);
    if (acima) layout->addLayout(acima);
    layout->addWidget(tdbPesq);
    if (busca) layout->addLayout(busca);
    layout->addLayout(linhaBotoes);
    resize(largura, 420);

    lista_ = new ListaPesquisa(*tdbPesq, std::move(colunas), seletor, this);

    using namespace platform::ui;
    onClick(cmdOk, this, &DialogoPesquisa::cmdOk_Click);
    onClick(cmdCancela, this, &DialogoPesquisa::cmdCancela_Click);
    connect(tdbPesq, &platform::controls::TDBList::DblClick, this,
            handler(this, &DialogoPesquisa::cmdOk_Click));
    connect(tdbPesq, &platform::controls::TDBList::HeadClick, this,
            [this](int coluna) { Guarded([&] { lista_->Cabecalho(coluna); }); });
    connect(tdbPesq, &platform::controls::TDBList::HeadRightClick, this,
            [this](int coluna) { Guarded([&] { lista_->Rodape(coluna); }); });
}

// The columns take the width of their widest value or caption (a whole CNPJ), and the dialog grows to
// show them.
bool DialogoPesquisa::Carrega(platform::db::Recordset& rs, const LinhaVazia& semChave) {
    if (lista_->Carrega(rs, semChave) > 0) {
        const int largura = tdbPesq->FitColumns();
        const QMargins m = contentsMargins() + (layout() ? layout()->contentsMargins() : QMargins());
        resize(std::max(width(), largura + m.left() + m.right()), height());
        return true;
    }
    platform::ui::MsgBox(QStringLiteral("Atenção, não há nenhum registro cadastrado !"),
                         platform::ui::Msg::Information, QCoreApplication::applicationName());
    Geral::Cancelado = true;
    return false;
}

void DialogoPesquisa::Escolhido() {
    escolhido_ = true;
    close();
}

void DialogoPesquisa::cmdCancela_Click() {
    Geral::Cancelado = true;
    close();
}

void DialogoPesquisa::Form_Load() { escolhido_ = false; }

void DialogoPesquisa::Form_Unload(bool& /*Cancel*/) {
    if (!escolhido_) Geral::Cancelado = true;
    conexao_.Close();
}

}  // namespace shell
