#include "registers/frmForCliGeral.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/controls/MaskEdBox.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/values/Vb.h"
#include "registers/BlocoEndereco.h"
#include "registers/ChaveCgc.h"
#include "registers/Impressao.h"
#include "registers/forcli_sql.h"
#include "registers/frmPesqCGC.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/GeralConsultas.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/ListaPesquisa.h"
#include "shell/RotinasControles.h"

namespace registers {

namespace ui = platform::ui;
namespace values = platform::values;

namespace {
constexpr int ImagemFornecedores = 0;
constexpr int ImagemClientes = 1;
}  // namespace

// The register on the record-window frame: the key is rewritten with its punctuation and checked
// before its lookup, a key handed over by another window starts its record without a question, and
// a new party may be written into both registers.
class CadastroForCli : public shell::JanelaCadastro {
  public:
    CadastroForCli(frmForCliGeral& janela, shell::DefinicaoCadastro definicao)
        : JanelaCadastro(janela, std::move(definicao)), w_(janela) {}

  protected:
    bool ChaveVazia(const QString& texto) const override { return values::Trim(texto).isEmpty(); }

    // The key is rewritten whether or not its check digits are right; only a valid CNPJ/CPF is
    // looked up. A key handed over is used by the first lookup after the load, found or not.
    std::optional<QString> ChaveAceita(const QString& texto) override {
        const ChaveCgc chave = ReescreveCgc(texto);
        w_.txtCgc->setText(chave.texto);
        bool valida = false;
        if (chave.tipo == TipoChave::Cpf) valida = Geral::ValidaCPF(chave.digitos);
        if (chave.tipo == TipoChave::Cnpj) valida = Geral::ValidaCGC(chave.digitos);
        if (!valida) {
            w_.FocaSelecionando(w_.txtCgc);
            return std::nullopt;
        }
        semPergunta_ = w_.entregaPendente_ && Geral::InclusaoAtiva;
        w_.entregaPendente_ = false;
        Geral::InclusaoAtiva = false;
        return chave.texto;
    }
    bool PerguntaInclusao() const override { return !semPergunta_; }

    void TestaRegras() override {
        const QString chave = ChaveAtual();
        auto& cn = Conexao();
        if (Inclusao() && forcli::Existe(cn, Tabela(), chave))
            shell::AdicionaErro(shell::ErroFatal, QStringLiteral("Código Já Cadastrado, Troque o Número !"));
        if (values::Trim(shell::TextoGravado(w_.txtNome)).isEmpty())
            shell::AdicionaErro(shell::ErroFatal, QStringLiteral("O campo nome é obrigatório !"));
        w_.endereco_->TestaCep();
        if (!Inclusao() || !w_.chkIncForCli->isChecked()) return;
        if (w_.modoFornecedor_ && forcli::Existe(cn, forcli::Clientes, chave))
            shell::AdicionaErro(
                shell::ErroFatal,
                QStringLiteral(
                    "Este registro já existe no cadastro de clientes, desligue a opção de inclusão dupla "
                    "se quiser coloca-lo apenas como fornecedor, verifique !"));
        if (!w_.modoFornecedor_ && forcli::Existe(cn, forcli::Fornecedores, chave))
            shell::AdicionaErro(
                shell::ErroFatal,
                QStringLiteral(
                    "Este registro já existe no cadastro de fornecedores, desligue a opção de inclusão "
                    "dupla se quiser coloca-lo apenas como cliente, verifique !"));
    }

    // A new party asked into both registers is written into the other one too, in the same
    // transaction.
    void GravaRegistro(bool inclusao) override {
        if (inclusao && w_.chkIncForCli->isChecked()) {
            const QString propria = Tabela();
            UsaTabela(w_.modoFornecedor_ ? forcli::Clientes : forcli::Fornecedores);
            const auto volta = qScopeGuard([&] { UsaTabela(propria); });
            JanelaCadastro::GravaRegistro(true);
        }
        JanelaCadastro::GravaRegistro(inclusao);
    }

    void AjustaBotao(shell::EstadoCadastro estado) override {
        if (estado != shell::Ocioso && estado != shell::Novo) return;
        w_.chkIncForCli->setChecked(w_.inclusaoDupla_);
        w_.endereco_->LimpaCep();
    }

    // A hand-over this window did not read must not reach its next opening.
    void AoFechar() override {
        forcli::GravaInclusaoDupla(Conexao(), w_.chkIncForCli->isChecked());
        Geral::InclusaoAtiva = false;
        Geral::InclusaoCgc.clear();
    }

  private:
    frmForCliGeral& w_;
    bool semPergunta_ = false;
};

frmForCliGeral::frmForCliGeral(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmForCliGeral"));
    using ui::FormBuilder;
    int indice = 0;
    auto* topo = new QWidget(this);
    FormBuilder chave(topo, lblTit, indice);
    txtCgc = chave.text("txtCgc", "CNPJ/CPF", 18, 0, 0);
    txtInscrEstadual = chave.text("txtInscrEstadual", "Inscrição Estadual", 15, 0, 3);
    txtNome = chave.text("txtNome", "Fornecedor", 40, 1, 0, 4);
    cmdPesquisar = FormBuilder::button(topo, "cmdPesquisar", "&Pesquisar", "Efetua uma Pesquisa");
    chave.layout()->addWidget(cmdPesquisar, 0, 2);

    franEnd = new QGroupBox(QStringLiteral("Endereço"), this);
    franEnd->setObjectName(QStringLiteral("franEnd"));
    FormBuilder endereco(franEnd, lblTit, indice);
    txtendereco = endereco.text("txtendereco", "Rua/Praça/Avenida", 40, 0, 0, 3);
    txtNumero = endereco.text("txtNumero", "Nr.:", 6, 0, 4);
    txtcomplemento = endereco.text("txtcomplemento", "Complemento:", 20, 1, 0);
    txtBairro = endereco.text("txtBairro", "Bairro:", 30, 1, 2, 3);
    txtCidade = endereco.text("txtCidade", "Cidade:", 30, 2, 0);
    txtUf = endereco.text("txtUf", "UF:", 2, 2, 2);
    mskCep = endereco.field(new platform::controls::MaskEdBox(franEnd), "mskCep", "Cep:", 2, 4);
    txtCMun = endereco.text("txtCMun", "Cód.Munic.", 7, 3, 0);
    txtPais = endereco.text("txtPais", "País", 20, 3, 3);
    txtCPais = endereco.text("txtCPais", "Cod.País", 4, 4, 3);
    cmdPesqMun = FormBuilder::button(franEnd, "cmdPesqMun", "...", "Pesquisa de Municípios Brasileiros");
    endereco.layout()->addWidget(cmdPesqMun, 3, 2);

    chkIncForCli = new QCheckBox(QStringLiteral("Incluir como Cliente e Fornecedor"), this);
    chkIncForCli->setObjectName(QStringLiteral("chkIncForCli"));
    ui::setTabIndex(chkIncForCli, indice++);
    cmdGravar = FormBuilder::button(this, "cmdGravar", "&Gravar", "Grava as informações");
    cmdImprimir = FormBuilder::button(this, "cmdImprimir", "&Imprimir", "Imprimi Relatório");
    cmdCancelar = FormBuilder::button(this, "cmdCancelar", "&Cancelar", "Cancela");
    cmdApagar = FormBuilder::button(this, "cmdApagar", "&Apagar", "Exclui Informações");
    cmdAltera = FormBuilder::button(this, "cmdAltera", "&Clientes", "Altera entre Clientes e Fornecedores");
    cmdSair = FormBuilder::button(this, "cmdSair", "&Sair", "Sair");
    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {cmdGravar, cmdImprimir, cmdCancelar, cmdApagar, cmdAltera, cmdSair}) {
        ui::setTabIndex(b, indice++);
        botoes->addWidget(b);
    }
    // The search buttons come last in the tab order.
    ui::setTabIndex(cmdPesquisar, 23);
    ui::setTabIndex(cmdPesqMun, 25);

    img1_[ImagemFornecedores] = style()->standardIcon(QStyle::SP_DriveNetIcon);
    img1_[ImagemClientes] = style()->standardIcon(QStyle::SP_DirHomeIcon);
    setWindowIcon(img1_[ImagemFornecedores]);
    cmdAltera->setIcon(img1_[ImagemClientes]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(topo);
    layout->addWidget(franEnd);
    layout->addWidget(chkIncForCli);
    layout->addLayout(botoes);
    resize(680, 380);

    shell::DefinicaoCadastro d;
    d.tabela = forcli::Fornecedores;
    d.colunaChave = QStringLiteral("cgc");
    d.chave = txtCgc;
    // The district, complement and country fields leave the last caption lit; the state lights its
    // own as it selects its text.
    const auto campo = [](QWidget* controle, const char* coluna, bool destaca) {
        shell::CampoCadastro c;
        c.controle = controle;
        c.coluna = QString::fromLatin1(coluna);
        c.destaca = destaca;
        return c;
    };
    d.campos = {campo(txtNome, "nome", true),
                campo(txtInscrEstadual, "ie", true),
                campo(txtendereco, "endereco", true),
                campo(txtNumero, "numero", true),
                campo(txtcomplemento, "complemento", false),
                campo(txtBairro, "bairro", false),
                campo(txtCidade, "cidade", true),
                campo(txtUf, "uf", false),
                campo(mskCep, "cep", true),
                campo(txtCMun, "CodMun", false),
                campo(txtPais, "xPais", false),
                campo(txtCPais, "cPais", false)};
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdApagar = cmdApagar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.cmdPesquisar = cmdPesquisar;
    d.controles = {{cmdAltera, {shell::Ocioso}}, {chkIncForCli, {shell::Novo}}};
    cadastro_ = new CadastroForCli(*this, std::move(d));
    cadastro_->Liga();
    endereco_ = new BlocoEndereco(*this, {txtCidade, txtUf, mskCep, txtCMun, txtPais, txtCPais, cmdPesqMun},
                                  {[this] { return cadastro_->Inclusao(); },
                                   [this] { return cadastro_->EstadoAtual() != shell::Ocioso; },
                                   [this] { ui::setFocusTo(cmdGravar); }, true});

    ui::onClick(cmdAltera, this, &frmForCliGeral::cmdAltera_Click);
    ui::onClick(cmdPesquisar, this, &frmForCliGeral::cmdPesquisar_Click);
    ui::onClick(cmdImprimir, this, &frmForCliGeral::cmdImprimir_Click);
    ui::onLostFocus(chkIncForCli, this, &frmForCliGeral::chkIncForCli_LostFocus);
    ui::onKeyPress(txtCgc, this, &frmForCliGeral::txtCgc_KeyPress);
    ui::onGotFocus(txtUf, this, &frmForCliGeral::txtUf_GotFocus);
    ui::applyTabOrder(this);
}

frmForCliGeral::~frmForCliGeral() = default;

QString frmForCliGeral::Tabela() const { return modoFornecedor_ ? forcli::Fornecedores : forcli::Clientes; }

shell::JanelaCadastro& frmForCliGeral::Cadastro() { return *cadastro_; }
int frmForCliGeral::EstadoAtual() const { return cadastro_->EstadoAtual(); }

void frmForCliGeral::Form_Load() {
    modoFornecedor_ = true;
    // Named from the start after the register it shows, not only once the toggle has been used.
    setWindowTitle(QStringLiteral("Fornecedores"));
    Geral::TabelaForCli = forcli::Fornecedores;
    cadastro_->Form_Load();
    inclusaoDupla_ = forcli::LeInclusaoDupla(cadastro_->Conexao());
    chkIncForCli->setChecked(inclusaoDupla_);
    if (!Geral::InclusaoAtiva) return;
    // The key handed over is looked up as soon as the window is shown, as if typed and left.
    carregando_ = true;
    if (!Geral::InclusaoFornecedor) cmdAltera_Click();
    carregando_ = false;
    txtCgc->setText(Geral::InclusaoCgc);
    Geral::InclusaoCgc.clear();
    entregaPendente_ = true;
    ui::postFocus(txtCgc);
    ui::postTab();
}

void frmForCliGeral::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

void frmForCliGeral::DestacaCampo() { cadastro_->DestacaCampo(); }

void frmForCliGeral::FocaSelecionando(QWidget* campo) {
    ui::setFocusTo(campo);
    Geral::SelecionaTexto(this);
}

void frmForCliGeral::cmdAltera_Click() {
    modoFornecedor_ = !modoFornecedor_;
    if (modoFornecedor_) {
        setWindowTitle(QStringLiteral("Fornecedores"));
        cmdAltera->setText(QStringLiteral("Clientes"));
        lblTit(2)->setText(QStringLiteral("Fornecedor"));
        setWindowIcon(img1_[ImagemFornecedores]);
        cmdAltera->setIcon(img1_[ImagemClientes]);
    } else {
        setWindowTitle(QStringLiteral("Clientes"));
        cmdAltera->setText(QStringLiteral("Fornecedores"));
        lblTit(2)->setText(QStringLiteral("Cliente"));
        setWindowIcon(img1_[ImagemClientes]);
        cmdAltera->setIcon(img1_[ImagemFornecedores]);
    }
    Geral::TabelaForCli = Tabela();
    cadastro_->UsaTabela(Tabela());
    if (!carregando_) ui::setFocusTo(txtCgc);
}

void frmForCliGeral::txtCgc_KeyPress(int& KeyAscii) {
    if (KeyAscii != 8 && (KeyAscii < 45 || KeyAscii > 57)) KeyAscii = 0;
}

void frmForCliGeral::cmdPesquisar_Click() {
    shell::PesquisaDaChave(txtCgc, values::Trim(txtCgc->text()).isEmpty(), [this] {
        frmPesqCGC pesquisa(this);
        return modoFornecedor_
                   ? shell::AbrePesquisa(pesquisa, QStringLiteral("Pesquisa de Fornecedores"),
                                         forcli::Fornecedores)
                   : shell::AbrePesquisa(pesquisa, QStringLiteral("Pesquisa de Clientes"), forcli::Clientes);
    });
}

// A record being edited is saved first; the register prints whatever that save's outcome.
void frmForCliGeral::cmdImprimir_Click() {
    if (txtNome->isEnabled()) cadastro_->Grava();
    const QString tabela = Tabela();
    ImprimeRelacao(
        {QStringLiteral("ForCliGeral.rpt"),
         {QStringLiteral("cgc"), QStringLiteral("nome")},
         QStringLiteral("Titu"),
         modoFornecedor_ ? QStringLiteral("Fornecedores Cadastrados")
                         : QStringLiteral("Clientes Cadastrados"),
         modoFornecedor_ ? QStringLiteral("Relação de Fornecedores") : QStringLiteral("Relação de Clientes")},
        [tabela](platform::db::Connection& cn) { return forcli::Impressao(cn, tabela); },
        cadastro_->Conexao());
}

void frmForCliGeral::chkIncForCli_LostFocus() { inclusaoDupla_ = chkIncForCli->isChecked(); }

void frmForCliGeral::txtUf_GotFocus() {
    Geral::SelecionaTexto(this);
    DestacaCampo();
}

}  // namespace registers
