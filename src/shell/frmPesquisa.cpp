#include "shell/frmPesquisa.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/controls/TDBList.h"
#include "platform/db/TableNames.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
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
    : DialogoPesquisa(QStringLiteral("frmPesquisa"), QStringLiteral("Pesquisa"), parent),
      lblColuna(new QLabel(QStringLiteral("Coluna Base:"), this)),
      cmbColuna(new QComboBox(this)),
      lblPesq(new QLabel(QStringLiteral("Chave da Pesquisa: "), this)),
      txtPesq(new QLineEdit(this)),
      cmdPesquisar(new QPushButton(QStringLiteral("&Pesquisar"), this)) {
    cmbColuna->setObjectName(QStringLiteral("cmbColuna"));
    txtPesq->setObjectName(QStringLiteral("txtPesq"));
    cmdPesquisar->setObjectName(QStringLiteral("cmdPesquisar"));
    cmdPesquisar->setToolTip(QStringLiteral("Efetua uma Pesquisa"));
    cmdOk->setAutoDefault(false);
    cmdPesquisar->setAutoDefault(false);
    // The search fields come between the list and the buttons, as they are laid out.
    QWidget* ordem[] = {tdbPesq, cmbColuna, txtPesq, cmdPesquisar, cmdOk, cmdCancela};
    for (std::size_t i = 1; i < std::size(ordem); ++i) setTabOrder(ordem[i - 1], ordem[i]);

    auto* busca = new QGridLayout;
    busca->addWidget(lblColuna, 0, 0);
    busca->addWidget(cmbColuna, 0, 1);
    busca->addWidget(lblPesq, 1, 0);
    busca->addWidget(txtPesq, 1, 1);
    busca->addWidget(cmdPesquisar, 1, 2);
    MontaLista({{Codigo, Pesquisa::TipoInteiro, Pesquisa::CompIgual},
                {Nome, Pesquisa::TipoTexto, Pesquisa::CompComeca}},
               cmbColuna, busca, 520);

    using namespace platform::ui;
    onClick(cmdPesquisar, this, &frmPesquisa::cmdPesquisar_Click);
    onGotFocus(txtPesq, this, &frmPesquisa::txtPesq_GotFocus);
    connect(cmbColuna, &QComboBox::activated, this, handler(this, &frmPesquisa::cmbColuna_Click));
}

void frmPesquisa::Form_Load() {
    DialogoPesquisa::Form_Load();
    conexao_.Open(Geral::ConexaoCadastro);
    tdbPesq->setCaption(Geral::TituloPesquisa);
    PreencheLista();
}

// Every row of the result is read, however many the count of codes would say.
void frmPesquisa::PreencheLista() {
    auto rs = conexao_.OpenRecordset(QStringLiteral("SELECT codigo,nome FROM ") +
                                     platform::db::tableName(Geral::TabelaPesquisa));
    if (!Carrega(rs)) return;
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
    Geral::ChaveComum = *chave;
    Escolhido();
}

}  // namespace shell
