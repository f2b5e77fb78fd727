#include "shell/frmPesquisa.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/controls/TDBList.h"
#include "platform/db/TableNames.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/ListaPesquisa.h"

namespace shell {

namespace {
const QString Codigo = QStringLiteral("Código");
const QString Nome = QStringLiteral("Nome");
constexpr int ColunaCodigo = 0;
constexpr int ColunaNome = 1;

}  // namespace

frmPesquisa::frmPesquisa(QWidget* parent)
    : Dialog(parent),
      tdbPesq(new platform::controls::TDBList(this)),
      lblColuna(new QLabel(QStringLiteral("Coluna Base:"), this)),
      cmbColuna(new QComboBox(this)),
      lblPesq(new QLabel(QStringLiteral("Chave da Pesquisa: "), this)),
      txtPesq(new QLineEdit(this)),
      cmdPesquisar(new QPushButton(QStringLiteral("&Pesquisar"), this)),
      cmdOk(new QPushButton(QStringLiteral("&Ok"), this)),
      cmdCancela(new QPushButton(QStringLiteral("&Cancela"), this)) {
    setObjectName(QStringLiteral("frmPesquisa"));
    setWindowTitle(QStringLiteral("Pesquisa"));
    tdbPesq->setObjectName(QStringLiteral("tdbPesq"));
    cmbColuna->setObjectName(QStringLiteral("cmbColuna"));
    txtPesq->setObjectName(QStringLiteral("txtPesq"));
    cmdPesquisar->setObjectName(QStringLiteral("cmdPesquisar"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdCancela->setObjectName(QStringLiteral("cmdCancela"));
    cmdPesquisar->setToolTip(QStringLiteral("Efetua uma Pesquisa"));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(false);
    cmdCancela->setAutoDefault(false);
    cmdPesquisar->setAutoDefault(false);

    auto* busca = new QGridLayout;
    busca->addWidget(lblColuna, 0, 0);
    busca->addWidget(cmbColuna, 0, 1);
    busca->addWidget(lblPesq, 1, 0);
    busca->addWidget(txtPesq, 1, 1);
    busca->addWidget(cmdPesquisar, 1, 2);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdCancela);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tdbPesq);
    layout->addLayout(busca);
    layout->addLayout(botoes);
    resize(520, 420);

    lista_ = new ListaPesquisa(*tdbPesq,
                               {{Codigo, Pesquisa::TipoInteiro, Pesquisa::CompIgual},
                                {Nome, Pesquisa::TipoTexto, Pesquisa::CompComeca}},
                               cmbColuna, this);

    using namespace platform::ui;
    onClick(cmdPesquisar, this, &frmPesquisa::cmdPesquisar_Click);
    onClick(cmdOk, this, &frmPesquisa::cmdOk_Click);
    onClick(cmdCancela, this, &frmPesquisa::cmdCancela_Click);
    onGotFocus(txtPesq, this, &frmPesquisa::txtPesq_GotFocus);
    connect(tdbPesq, &platform::controls::TDBList::DblClick, this, handler(this, &frmPesquisa::cmdOk_Click));
    connect(cmbColuna, &QComboBox::activated, this, handler(this, &frmPesquisa::cmbColuna_Click));
    connect(tdbPesq, &platform::controls::TDBList::HeadClick, this,
            [this](int coluna) { Guarded([&] { lista_->Cabecalho(coluna); }); });
    connect(tdbPesq, &platform::controls::TDBList::HeadRightClick, this,
            [this](int coluna) { Guarded([&] { lista_->Rodape(coluna); }); });
}

frmPesquisa::~frmPesquisa() = default;

void frmPesquisa::Form_Load() {
    conexao_.Open(Geral::ConexaoCadastro);
    escolhido_ = false;
    tdbPesq->setCaption(Geral::TituloPesquisa);
    PreencheLista();
}

// Every row of the result is read, however many the count of codes would say.
void frmPesquisa::PreencheLista() {
    auto rs = conexao_.OpenRecordset(QStringLiteral("SELECT codigo,nome FROM ") +
                                     platform::db::tableName(Geral::TabelaPesquisa));
    if (lista_->Carrega(rs) <= 0) {
        platform::ui::MsgBox(QStringLiteral("Atenção, não há nenhum registro cadastrado !"),
                             platform::ui::Msg::Information, QCoreApplication::applicationName());
        Geral::Cancelado = true;
        return;
    }
    lista_->Ordena(ColunaNome, Pesquisa::Ascendente);
}

void frmPesquisa::cmbColuna_Click() { lista_->SeletorMudou(); }

void frmPesquisa::txtPesq_GotFocus() {
    if (cmbColuna->currentIndex() < 0) {
        const QSignalBlocker calado(cmbColuna);
        cmbColuna->setCurrentIndex(ColunaNome);
    }
}

void frmPesquisa::cmdPesquisar_Click() {
    const QString chave = platform::values::Trim(txtPesq->text());
    const QString coluna = platform::values::Trim(cmbColuna->currentText());
    if (chave.isEmpty() || coluna.isEmpty()) {
        platform::ui::setFocusTo(txtPesq);
        return;
    }
    const int linha = lista_->Procura(coluna == Nome ? ColunaNome : ColunaCodigo, txtPesq->text());
    if (linha < 0) return;
    lista_->DefineLinhaAtual(linha);
    platform::ui::setFocusTo(cmdOk);
}

// With no current row (an empty table, or nothing chosen yet) there is nothing to take.
void frmPesquisa::cmdOk_Click() {
    const auto chave = lista_->ChaveAtual();
    if (!chave) return;
    escolhido_ = true;
    Geral::ChaveComum = *chave;
    close();
}

void frmPesquisa::cmdCancela_Click() {
    Geral::Cancelado = true;
    close();
}

void frmPesquisa::Form_Unload(bool& /*Cancel*/) {
    if (!escolhido_) Geral::Cancelado = true;
    conexao_.Close();
}

}  // namespace shell
