#include "sintegra/frmSintegra.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "companies/CampoEmpresa.h"
#include "platform/controls/TDBDate.h"
#include "platform/files/Folders.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "sintegra/GeracaoSintegra.h"

namespace sintegra {

namespace {

namespace Msg = platform::ui::Msg;
namespace files = platform::files;
using platform::ui::FormBuilder;
using platform::ui::setFocusTo;

// The first date the date boxes take.
const QDate DataMinima{2000, 1, 1};

QLabel* rotulo(QWidget* owner, const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromUtf8(caption), owner);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLineEdit* caixa(QWidget* owner, const char* name, int maxLength) {
    auto* t = new QLineEdit(owner);
    t->setObjectName(QString::fromLatin1(name));
    t->setMaxLength(maxLength);
    return t;
}

platform::controls::TDBDate* caixaData(QWidget* owner, const char* name) {
    auto* d = new platform::controls::TDBDate(owner);
    d->setObjectName(QString::fromLatin1(name));
    d->setMinDate(DataMinima);
    d->setMaxDate(platform::values::MaximumDate);
    return d;
}

QGroupBox* moldura(QWidget* owner, const char* name, const char* caption) {
    auto* g = new QGroupBox(QString::fromUtf8(caption), owner);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

// The entry of a volume in the drive list: its mount point and, in brackets, its name.
QString textoUnidade(const files::Volume& v) {
    return v.name.isEmpty() ? v.root : v.root + QStringLiteral(" [") + v.name + u']';
}

}  // namespace

frmSintegra::frmSintegra(QWidget* parent)
    : Form(parent),
      fraAtiva(moldura(this, "fraAtiva", "Código - Empresa Ativa")),
      txtCodigo(caixa(fraAtiva, "txtCodigo", 4)),
      cmdPesqe(FormBuilder::button(fraAtiva, "cmdPesqe", "A&tivar", "Ativa uma Empresa")),
      lblNome(rotulo(fraAtiva, "lblNome", "")),
      Frame2(moldura(this, "Frame2", " Parâmetros de Seleção ")),
      lblDe1(rotulo(Frame2, "lblDe1", "De:")),
      tdbDini(caixaData(Frame2, "tdbDini")),
      lblAt1(rotulo(Frame2, "lblAt1", "Até")),
      tdbDfin(caixaData(Frame2, "tdbDfin")),
      txtContato(caixa(Frame2, "txtContato", 28)),
      txtFone(caixa(Frame2, "txtFone", 12)),
      fraArquivo(moldura(this, "fraArquivo", " Informações do Arquivo a Ser Gerado ")),
      driDrive(new QComboBox(fraArquivo)),
      dirPasta(new QListWidget(fraArquivo)),
      txtNome(caixa(fraArquivo, "txtNome", 20)),
      lblCaminho(rotulo(fraArquivo, "lblCaminho", "")),
      cmdGeraSint(
          FormBuilder::button(this, "cmdGeraSint", "&Gerar Arquivo do Sintegra", "Gera o Arquivo Sintegra")),
      cmdAjuda(FormBuilder::button(this, "cmdAjuda", "&Ajuda Layout", "Filtro para Pesquisa")),
      cmdSair(platform::ui::asExit(FormBuilder::button(this, "cmdSair", "&Sair", "Saída"))) {
    setObjectName(QStringLiteral("frmSintegra"));
    setWindowTitle(QStringLiteral("Integração Sistema Sintegra - Para Versão 5.2.7"));
    driDrive->setObjectName(QStringLiteral("driDrive"));
    dirPasta->setObjectName(QStringLiteral("dirPasta"));

    auto* ativa = new QHBoxLayout(fraAtiva);
    ativa->addWidget(txtCodigo);
    ativa->addWidget(cmdPesqe);
    ativa->addWidget(lblNome, 1);

    auto* selecao = new QGridLayout(Frame2);
    selecao->addWidget(lblDe1, 0, 0);
    selecao->addWidget(tdbDini, 0, 1);
    selecao->addWidget(lblAt1, 0, 2);
    selecao->addWidget(tdbDfin, 0, 3);
    selecao->addWidget(rotulo(Frame2, "lblContato", "Pessoa Para Contato:"), 1, 0);
    selecao->addWidget(txtContato, 1, 1, 1, 3);
    selecao->addWidget(rotulo(Frame2, "lblFone", "Telefone:"), 2, 0);
    selecao->addWidget(txtFone, 2, 1);

    auto* arquivo = new QGridLayout(fraArquivo);
    arquivo->addWidget(rotulo(fraArquivo, "lblUnidade", "Unidade Selecionada"), 0, 0);
    arquivo->addWidget(driDrive, 0, 1);
    arquivo->addWidget(rotulo(fraArquivo, "lblPasta", "Pasta Selecionada:"), 1, 0);
    arquivo->addWidget(dirPasta, 1, 1);
    arquivo->addWidget(rotulo(fraArquivo, "lblArquivo", "Nome do Arquivo:"), 2, 0);
    arquivo->addWidget(txtNome, 2, 1);
    arquivo->addWidget(rotulo(fraArquivo, "lblLocal", "Local do Arquivo a Ser Criado:"), 3, 0);
    arquivo->addWidget(lblCaminho, 3, 1);
    // A deep folder's path is wrapped after its slashes rather than cut at the window's edge.
    lblCaminho->setWordWrap(true);

    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {cmdGeraSint, cmdAjuda, cmdSair}) botoes->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w :
         {static_cast<QWidget*>(fraAtiva), static_cast<QWidget*>(Frame2), static_cast<QWidget*>(fraArquivo)})
        layout->addWidget(w);
    layout->addLayout(botoes);
    resize(560, 520);

    int indice = 0;
    for (QWidget* w :
         std::initializer_list<QWidget*>{txtCodigo, cmdPesqe, tdbDini, tdbDfin, txtContato, txtFone, driDrive,
                                         dirPasta, txtNome, cmdGeraSint, cmdAjuda, cmdSair})
        platform::ui::setTabIndex(w, indice++);
    platform::ui::applyTabOrder(this);
    platform::ui::installEntryKeys(this, platform::ui::EntryKeys::EnterOnly);

    using namespace platform::ui;
    onLostFocus(txtCodigo, this, &frmSintegra::txtCodigo_LostFocus);
    onKeyPress(txtFone, this, &frmSintegra::txtFone_KeyPress);
    onClick(cmdPesqe, this, &frmSintegra::cmdPesqe_Click);
    onClick(cmdGeraSint, this, &frmSintegra::cmdGeraSint_Click);
    onClick(cmdSair, this, &frmSintegra::cmdSair_Click);
    connect(driDrive, &QComboBox::activated, this, handler(this, &frmSintegra::driDrive_Change));
    connect(dirPasta, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Guarded([&] { dirPasta_Activated(item); }); });
}

void frmSintegra::Form_Load() {
    unidades_ = files::mountedVolumes();
    for (const files::Volume& v : unidades_) driDrive->addItem(textoUnidade(v));
    MudaPasta(Geral::DiretorioSistema);
    cn.Open(Geral::ConexaoCadastro);
}

// Neither connection outlives the window, and it never refuses to close.
void frmSintegra::Form_Unload(bool&) {
    movimento_.Close();
    cn.Close();
}

void frmSintegra::MudaPasta(const QString& path) {
    pasta_ = files::folderPath(path);
    dirPasta->clear();
    const QString acima = files::parentFolder(pasta_);
    if (!acima.isEmpty()) {
        auto* item = new QListWidgetItem(QStringLiteral(".."), dirPasta);
        item->setData(Qt::UserRole, acima);
    }
    for (const QString& nome : files::subfolders(pasta_)) {
        auto* item = new QListWidgetItem(nome, dirPasta);
        item->setData(Qt::UserRole, pasta_ + nome);
    }
    MostraUnidade(pasta_);
    dirPasta_Change();
}

void frmSintegra::dirPasta_Activated(QListWidgetItem* item) {
    MudaPasta(item->data(Qt::UserRole).toString());
}

// The label always names the folder the file goes to.
void frmSintegra::dirPasta_Change() { lblCaminho->setText(pasta_); }

void frmSintegra::MostraUnidade(const QString& path) {
    driDrive->setCurrentIndex(files::volumeHolding(unidades_, path));
}

// A volume is opened at its root, but the program's own volume brings back the program folder.
void frmSintegra::driDrive_Change() {
    const int escolhida = driDrive->currentIndex();
    if (escolhida < 0) return;
    const files::Volume& unidade = unidades_[escolhida];
    if (!files::isReadable(unidade)) {
        platform::ui::MsgBox(QStringLiteral("Unidade Selecionada Não Possui Disquete"),
                             Msg::OKOnly | Msg::Critical, QStringLiteral("Atenção"));
        MostraUnidade(pasta_);
        return;
    }
    if (escolhida == files::volumeHolding(unidades_, Geral::DiretorioSistema))
        MudaPasta(Geral::DiretorioSistema);
    else
        MudaPasta(unidade.root);
}

// Only a positive whole number is looked up: anything else is emptied without a word, and Tab or Enter
// bring the focus back; a click goes where it points, and Gerar asks for the code.
void frmSintegra::txtCodigo_LostFocus() {
    if (platform::values::Trim(txtCodigo->text()).isEmpty()) return;
    if (const auto rs = Empresas::LeEmpresaDoCampo(*txtCodigo, cn, Empresas::BotaoLista::Pesquisar);
        rs && !rs->Eof()) {
        txtCodigo->setText(rs->Fields(QStringLiteral("codigo")).toString());
        lblNome->setText(rs->Fields(QStringLiteral("nome")).toString());
        txtNome->setText(NomeArquivoPadrao(rs->Fields(QStringLiteral("codigo")).toLongLong()));
        return;
    }
    txtCodigo->clear();
    if (!platform::ui::leavingByChoice()) setFocusTo(txtCodigo);
}

void frmSintegra::txtFone_KeyPress(int& KeyAscii) {
    if ((KeyAscii < '0' || KeyAscii > '9') && KeyAscii != 8) KeyAscii = 0;
}

// Whatever the search ends in, even an error, the code field has the focus.
void frmSintegra::cmdPesqe_Click() { Empresas::PesquisaEmpresa(txtCodigo); }

void frmSintegra::cmdGeraSint_Click() {
    const PedidoSintegra pedido{txtCodigo->text(), tdbDini->Value(), tdbDfin->Value(), txtContato->text(),
                                txtFone->text(),   pasta_,           txtNome->text()};
    if (GeraArquivoSintegra(pedido, cn, movimento_, AcessoDoPrograma()) == ResultadoGeracao::NaoSubstituida)
        setFocusTo(txtNome);
}

void frmSintegra::cmdSair_Click() { close(); }

}  // namespace sintegra
