#include "registers/frmForCliGeral.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/controls/MaskEdBox.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "registers/ChaveCgc.h"
#include "registers/Impressao.h"
#include "registers/forcli_sql.h"
#include "registers/frmPesqCGC.h"
#include "registers/frmPesqMun.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/GeralConsultas.h"
#include "shell/JanelaCadastro.h"
#include "shell/ListaPesquisa.h"
#include "shell/RotinasControles.h"

namespace registers {

namespace ui = platform::ui;
namespace values = platform::values;
using ui::Msg::Critical;
using ui::Msg::Exclamation;
using ui::Msg::Yes;
using ui::Msg::YesNo;

namespace {
const QString CepVazio = QStringLiteral("_____-___");
const QString MascaraCep = QStringLiteral("#####-###");
const QString Brasil = QStringLiteral("Brasil");
const QString CodigoBrasil = QStringLiteral("1058");
constexpr int ImagemFornecedores = 0;
constexpr int ImagemClientes = 1;

QLineEdit* campoTexto(QWidget* pai, const char* nome, int tamanho) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->setMaxLength(tamanho);
    return e;
}

QPushButton* botao(QWidget* pai, const char* nome, const QString& caption, const QString& dica) {
    auto* b = new QPushButton(caption, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setToolTip(dica);
    b->setAutoDefault(false);
    return b;
}
}  // namespace

frmForCliGeral::frmForCliGeral(QWidget* parent)
    : Form(parent),
      txtCgc(campoTexto(this, "txtCgc", 18)),
      txtInscrEstadual(campoTexto(this, "txtInscrEstadual", 15)),
      txtNome(campoTexto(this, "txtNome", 40)),
      franEnd(new QGroupBox(QStringLiteral("Endereço"), this)),
      txtendereco(campoTexto(franEnd, "txtendereco", 40)),
      txtNumero(campoTexto(franEnd, "txtNumero", 6)),
      txtcomplemento(campoTexto(franEnd, "txtcomplemento", 20)),
      txtBairro(campoTexto(franEnd, "txtBairro", 30)),
      txtCidade(campoTexto(franEnd, "txtCidade", 30)),
      txtUf(campoTexto(franEnd, "txtUf", 2)),
      mskCep(new platform::controls::MaskEdBox(franEnd)),
      txtCMun(campoTexto(franEnd, "txtCMun", 7)),
      txtPais(campoTexto(franEnd, "txtPais", 20)),
      txtCPais(campoTexto(franEnd, "txtCPais", 4)),
      cmdPesqMun(botao(franEnd, "cmdPesqMun", QStringLiteral("..."),
                       QStringLiteral("Pesquisa de Municípios Brasileiros"))),
      chkIncForCli(new QCheckBox(QStringLiteral("Incluir como Cliente e Fornecedor"), this)),
      cmdGravar(botao(this, "cmdGravar", QStringLiteral("&Gravar"), QStringLiteral("Grava as informações"))),
      cmdImprimir(
          botao(this, "cmdImprimir", QStringLiteral("&Imprimir"), QStringLiteral("Imprimi Relatório"))),
      cmdCancelar(botao(this, "cmdCancelar", QStringLiteral("&Cancelar"), QStringLiteral("Cancela"))),
      cmdApagar(botao(this, "cmdApagar", QStringLiteral("&Apagar"), QStringLiteral("Exclui Informações"))),
      cmdAltera(botao(this, "cmdAltera", QStringLiteral("&Clientes"),
                      QStringLiteral("Altera entre Clientes e Fornecedores"))),
      cmdSair(botao(this, "cmdSair", QStringLiteral("&Sair"), QStringLiteral("Sair"))),
      cmdPesquisar(
          botao(this, "cmdPesquisar", QStringLiteral("&Pesquisar"), QStringLiteral("Efetua uma Pesquisa"))) {
    setObjectName(QStringLiteral("frmForCliGeral"));
    mskCep->setObjectName(QStringLiteral("mskCep"));
    mskCep->setMask(MascaraCep);
    chkIncForCli->setObjectName(QStringLiteral("chkIncForCli"));
    franEnd->setObjectName(QStringLiteral("franEnd"));
    img1_[ImagemFornecedores] = style()->standardIcon(QStyle::SP_DriveNetIcon);
    img1_[ImagemClientes] = style()->standardIcon(QStyle::SP_DirHomeIcon);
    setWindowIcon(img1_[ImagemFornecedores]);
    cmdAltera->setIcon(img1_[ImagemClientes]);

    // Captions, indexed by the tab index of the field each one captions.
    const std::pair<int, const char*> captions[] = {{0, "CNPJ/CPF"},    {1, "Inscrição Estadual"},
                                                    {2, "Fornecedor"},  {3, "Rua/Praça/Avenida"},
                                                    {4, "Nr.:"},        {5, "Complemento:"},
                                                    {6, "Bairro:"},     {7, "Cidade:"},
                                                    {8, "UF:"},         {9, "Cep:"},
                                                    {10, "Cód.Munic."}, {11, "País"},
                                                    {12, "Cod.País"}};
    QWidget* campos[] = {txtCgc,         txtInscrEstadual, txtNome,   txtendereco, txtNumero,
                         txtcomplemento, txtBairro,        txtCidade, txtUf,       mskCep,
                         txtCMun,        txtPais,          txtCPais};
    QLabel* rotulos[13];
    for (const auto& [indice, texto] : captions) {
        auto* l = new QLabel(QString::fromUtf8(texto), indice >= 3 ? static_cast<QWidget*>(franEnd) : this);
        l->setObjectName(QStringLiteral("lblTit") + QString::number(indice));
        lblTit.add(indice, l);
        rotulos[indice] = l;
        ui::setTabIndex(campos[indice], indice);
    }
    ui::setTabIndex(chkIncForCli, 13);
    ui::setTabIndex(cmdGravar, 14);
    ui::setTabIndex(cmdImprimir, 15);
    ui::setTabIndex(cmdCancelar, 16);
    ui::setTabIndex(cmdApagar, 17);
    ui::setTabIndex(cmdAltera, 18);
    ui::setTabIndex(cmdSair, 19);
    ui::setTabIndex(cmdPesquisar, 23);
    ui::setTabIndex(cmdPesqMun, 25);

    auto* topo = new QGridLayout;
    topo->addWidget(rotulos[0], 0, 0);
    topo->addWidget(txtCgc, 0, 1);
    topo->addWidget(cmdPesquisar, 0, 2);
    topo->addWidget(rotulos[1], 0, 3);
    topo->addWidget(txtInscrEstadual, 0, 4);
    topo->addWidget(rotulos[2], 1, 0);
    topo->addWidget(txtNome, 1, 1, 1, 4);
    auto* endereco = new QGridLayout(franEnd);
    endereco->addWidget(rotulos[3], 0, 0);
    endereco->addWidget(txtendereco, 0, 1, 1, 3);
    endereco->addWidget(rotulos[4], 0, 4);
    endereco->addWidget(txtNumero, 0, 5);
    endereco->addWidget(rotulos[5], 1, 0);
    endereco->addWidget(txtcomplemento, 1, 1);
    endereco->addWidget(rotulos[6], 1, 2);
    endereco->addWidget(txtBairro, 1, 3, 1, 3);
    endereco->addWidget(rotulos[7], 2, 0);
    endereco->addWidget(txtCidade, 2, 1);
    endereco->addWidget(rotulos[8], 2, 2);
    endereco->addWidget(txtUf, 2, 3);
    endereco->addWidget(rotulos[9], 2, 4);
    endereco->addWidget(mskCep, 2, 5);
    endereco->addWidget(rotulos[10], 3, 0);
    endereco->addWidget(txtCMun, 3, 1);
    endereco->addWidget(cmdPesqMun, 3, 2);
    endereco->addWidget(rotulos[11], 3, 3);
    endereco->addWidget(txtPais, 3, 4);
    endereco->addWidget(rotulos[12], 4, 3);
    endereco->addWidget(txtCPais, 4, 4);
    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {cmdGravar, cmdImprimir, cmdCancelar, cmdApagar, cmdAltera, cmdSair})
        botoes->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addWidget(franEnd);
    layout->addWidget(chkIncForCli);
    layout->addLayout(botoes);
    resize(680, 380);

    ui::installEntryKeys(this, ui::EntryKeys::EnterAndQuote);
    ui::onClick(cmdAltera, this, &frmForCliGeral::cmdAltera_Click);
    ui::onClick(cmdPesquisar, this, &frmForCliGeral::cmdPesquisar_Click);
    ui::onClick(cmdPesqMun, this, &frmForCliGeral::cmdPesqMun_Click);
    ui::onClick(cmdGravar, this, &frmForCliGeral::cmdGravar_Click);
    ui::onClick(cmdApagar, this, &frmForCliGeral::cmdApagar_Click);
    ui::onClick(cmdCancelar, this, &frmForCliGeral::cmdCancelar_Click);
    ui::onClick(cmdImprimir, this, &frmForCliGeral::cmdImprimir_Click);
    ui::onClick(cmdSair, this, &frmForCliGeral::cmdSair_Click);
    ui::onLostFocus(chkIncForCli, this, &frmForCliGeral::chkIncForCli_LostFocus);
    ui::onKeyPress(txtCgc, this, &frmForCliGeral::txtCgc_KeyPress);
    ui::onLostFocus(txtCgc, this, &frmForCliGeral::txtCgc_LostFocus);
    ui::onGotFocus(txtUf, this, &frmForCliGeral::txtUf_GotFocus);
    ui::onLostFocus(txtUf, this, &frmForCliGeral::txtUf_LostFocus);
    ui::onLostFocus(mskCep, this, &frmForCliGeral::mskCep_LostFocus);
    ui::onLostFocus(txtCMun, this, &frmForCliGeral::txtCMun_LostFocus);
    // The district, complement and country fields have no caption highlight of their own.
    for (QWidget* w :
         {static_cast<QWidget*>(txtCgc), static_cast<QWidget*>(txtInscrEstadual),
          static_cast<QWidget*>(txtNome), static_cast<QWidget*>(txtendereco),
          static_cast<QWidget*>(txtNumero), static_cast<QWidget*>(txtCidade), static_cast<QWidget*>(mskCep)})
        ui::onGotFocus(w, this, &frmForCliGeral::DestacaCampo);
    ui::applyTabOrder(this);
}

frmForCliGeral::~frmForCliGeral() = default;

QString frmForCliGeral::Tabela() const { return modoFornecedor_ ? forcli::Fornecedores : forcli::Clientes; }

void frmForCliGeral::Form_Load() {
    conexao_.Open(Geral::ConexaoCadastro);
    modoFornecedor_ = true;
    Geral::TabelaForCli = forcli::Fornecedores;
    inclusaoDupla_ = forcli::LeInclusaoDupla(conexao_);
    Botao(1);
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

// A hand-over this window did not read must not reach its next opening.
void frmForCliGeral::Form_Unload(bool& Cancel) {
    if (txtNome->isEnabled()) {
        Cancel = true;
        ui::MsgBox(shell::GuardaLonga.toString(), Critical, QStringLiteral("Atenção"));
        return;
    }
    forcli::GravaInclusaoDupla(conexao_, chkIncForCli->isChecked());
    conexao_.Close();
    Geral::InclusaoAtiva = false;
    Geral::InclusaoCgc.clear();
}

void frmForCliGeral::Botao(qint16 estado) {
    estado_ = estado;
    const bool ocioso = estado == 1;
    cmdPesquisar->setEnabled(ocioso);
    cmdAltera->setEnabled(ocioso);
    cmdGravar->setEnabled(!ocioso);
    cmdCancelar->setEnabled(!ocioso);
    cmdApagar->setEnabled(estado == 2);
    cmdSair->setEnabled(ocioso);
    if (!ocioso) return;
    Geral::LimpaCampos(this);
    chkIncForCli->setChecked(inclusaoDupla_);
    LimpaMask();
    Geral::HabilitaCampos(this, false);
    Geral::HabilitaCampos(QList<QWidget*>{txtCgc}, true);
}

void frmForCliGeral::TravaChave() {
    txtCgc->setEnabled(false);
    if (!inclusao_) ui::setFocusTo(txtNome);
}

void frmForCliGeral::CarregaRegistro() {
    inclusao_ = false;
    const forcli::Parceiro p = forcli::LeParceiro(registro_);
    txtNome->setText(p.nome);
    txtInscrEstadual->setText(p.ie);
    txtUf->setText(p.uf);
    txtendereco->setText(p.endereco);
    txtNumero->setText(p.numero);
    txtcomplemento->setText(p.complemento);
    txtBairro->setText(p.bairro);
    mskCep->setText(p.cep);
    txtCidade->setText(p.cidade);
    txtCMun->setText(p.CodMun);
    txtPais->setText(p.xPais);
    txtCPais->setText(p.cPais);
    Botao(2);
}

void frmForCliGeral::LimpaMask() {
    mskCep->setText(CepVazio);
    mskCep->setMask(MascaraCep);
}

void frmForCliGeral::DestacaCampo() {
    if (QWidget* foco = focusWidget()) lblTit.highlight(ui::tabIndex(foco));
}

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
    if (!carregando_) ui::setFocusTo(txtCgc);
}

void frmForCliGeral::txtCgc_KeyPress(int& KeyAscii) {
    if (KeyAscii != 8 && (KeyAscii < 45 || KeyAscii > 57)) KeyAscii = 0;
}

// The key is rewritten with its punctuation whether or not its check digits are right; only a valid
// CNPJ/CPF is looked up. A key handed over by another window is used by the first lookup after the
// load, found or not; any later lookup asks its question again.
void frmForCliGeral::txtCgc_LostFocus() {
    if (values::Trim(txtCgc->text()).isEmpty()) {
        Geral::SelecionaTexto();
        return;
    }
    const ChaveCgc chave = ReescreveCgc(txtCgc->text());
    txtCgc->setText(chave.texto);
    bool valida = false;
    if (chave.tipo == TipoChave::Cpf) valida = Geral::ValidaCPF(chave.digitos);
    if (chave.tipo == TipoChave::Cnpj) valida = Geral::ValidaCGC(chave.digitos);
    if (!valida) {
        FocaSelecionando(txtCgc);
        return;
    }
    const bool entrega = entregaPendente_ && Geral::InclusaoAtiva;
    entregaPendente_ = false;
    Geral::InclusaoAtiva = false;
    Geral::ChaveComum = chave.texto;
    registro_ = forcli::Procura(conexao_, Tabela(), chave.texto);
    if (!registro_.Eof()) {
        Geral::HabilitaCampos(this, true);
        CarregaRegistro();
        TravaChave();
        chkIncForCli->setEnabled(false);
        return;
    }
    if (!entrega && ui::MsgBox(QStringLiteral("Código Não Cadastrado, Incluir Novo ?"), YesNo + Exclamation,
                               QStringLiteral("Atenção...")) != Yes) {
        txtCgc->clear();
        ui::setFocusTo(txtCgc);
        return;
    }
    IniciaInclusao();
}

void frmForCliGeral::IniciaInclusao() {
    Geral::HabilitaCampos(this, true);
    Geral::LimpaCampos(this);
    chkIncForCli->setChecked(inclusaoDupla_);
    LimpaMask();
    Botao(3);
    inclusao_ = true;
    txtCgc->setText(Geral::ChaveComum);
    ui::setFocusTo(txtNome);
    TravaChave();
}

void frmForCliGeral::cmdPesquisar_Click() {
    try {
        std::optional<QString> chave;
        if (values::Trim(txtCgc->text()).isEmpty()) {
            frmPesqCGC pesquisa(this);
            chave =
                modoFornecedor_
                    ? shell::AbrePesquisa(pesquisa, QStringLiteral("Pesquisa de Fornecedores"),
                                          forcli::Fornecedores)
                    : shell::AbrePesquisa(pesquisa, QStringLiteral("Pesquisa de Clientes"), forcli::Clientes);
        } else if (Geral::Cancelado) {
            Geral::Cancelado = false;
        } else {
            chave = Geral::ChaveComum;
        }
        shell::DevolveChave(txtCgc, chave);
    } catch (const values::RuntimeError&) {
        // As the search button always did: whatever failed, the key field gets the focus back.
    }
    FocaSelecionando(txtCgc);
}

// While no record is open the address fields are locked, so there is nothing to fill.
void frmForCliGeral::cmdPesqMun_Click() {
    if (estado_ == 1) return;
    try {
        const QString cidade = txtCidade->text();
        const QString uf = txtUf->text();
        if (!values::Trim(cidade).isEmpty() && !values::Trim(uf).isEmpty()) {
            const QString codigo = Geral::CodigoMunicipio(uf, cidade);
            if (txtCMun->text().size() == 7 && txtCMun->text() == codigo) {
                ui::MsgBox(QStringLiteral("O código do Município ") + cidade + QLatin1Char('(') + uf +
                               QStringLiteral(") é ") + codigo + QStringLiteral(" e está correto !"),
                           ui::Msg::OKOnly, QCoreApplication::applicationName());
                return;
            }
            if (!codigo.isEmpty() && txtCMun->text().size() != 7) {
                txtCMun->setText(codigo);
                txtPais->setText(Brasil);
                txtCPais->setText(CodigoBrasil);
                return;
            }
        }
        Geral::TituloPesquisa = QStringLiteral("Pesquisa de Municípios");
        Geral::TabelaPesquisa = QStringLiteral("Municipios");
        Geral::CidadePesquisa = values::Trim(cidade);
        Geral::UfPesquisa = uf;
        frmPesqMun pesquisa(this);
        ui::ShowModal(pesquisa);
        if (Geral::Cancelado) {
            Geral::Cancelado = false;
        } else {
            txtCMun->setText(Geral::ChaveComum);
            txtUf->setText(Geral::UfPesquisa);
            txtCidade->setText(Geral::CidadePesquisa);
            ui::setFocusTo(txtCMun);
            ui::postTab();
        }
    } catch (const values::RuntimeError&) {
        // As the municipality button always did: whatever failed, the code field gets the focus.
    }
    ui::setFocusTo(txtCMun);
}

void frmForCliGeral::cmdGravar_Click() {
    const QString chave = txtCgc->text();
    shell::IniciaErros();
    if (inclusao_ && forcli::Existe(conexao_, Tabela(), chave))
        shell::AdicionaErro(shell::ErroFatal, QStringLiteral("Código Já Cadastrado, Troque o Número !"));
    if (values::Trim(txtNome->text()).isEmpty())
        shell::AdicionaErro(shell::ErroFatal, QStringLiteral("O campo nome é obrigatório !"));
    if (inclusao_ && chkIncForCli->isChecked()) {
        if (modoFornecedor_ && forcli::Existe(conexao_, forcli::Clientes, chave))
            shell::AdicionaErro(
                shell::ErroFatal,
                QStringLiteral(
                    "Este registro já existe no cadastro de clientes, desligue a opção de inclusão dupla "
                    "se quiser coloca-lo apenas como fornecedor, verifique !"));
        if (!modoFornecedor_ && forcli::Existe(conexao_, forcli::Fornecedores, chave))
            shell::AdicionaErro(
                shell::ErroFatal,
                QStringLiteral(
                    "Este registro já existe no cadastro de fornecedores, desligue a opção de inclusão "
                    "dupla se quiser coloca-lo apenas como cliente, verifique !"));
    }
    if (!shell::ConcluiErros()) return;

    const forcli::Parceiro p{chave,
                             txtNome->text(),
                             txtInscrEstadual->text(),
                             txtendereco->text(),
                             txtNumero->text(),
                             txtcomplemento->text(),
                             txtBairro->text(),
                             txtCidade->text(),
                             txtUf->text(),
                             mskCep->Text(),
                             txtCMun->text(),
                             txtPais->text(),
                             txtCPais->text()};
    if (!inclusao_)
        forcli::Altera(conexao_, Tabela(), p);
    else if (chkIncForCli->isChecked())
        forcli::IncluiDupla(conexao_, p);
    else
        forcli::Inclui(conexao_, Tabela(), p);
    inclusao_ = false;
    Botao(1);
    ui::setFocusTo(txtCgc);
}

void frmForCliGeral::cmdApagar_Click() {
    Geral::ChaveComum = txtCgc->text();
    if (ui::MsgBox(QStringLiteral("Deseja Realmente Excluir Este Registro ?"), YesNo + Critical,
                   QStringLiteral("Atenção...")) != Yes)
        return;
    forcli::Exclui(conexao_, Tabela(), Geral::ChaveComum);
    Botao(1);
    ui::setFocusTo(txtCgc);
}

void frmForCliGeral::cmdCancelar_Click() {
    inclusao_ = false;
    Botao(1);
    ui::setFocusTo(txtCgc);
}

// A record being edited is saved first; the register prints whatever that save's outcome.
void frmForCliGeral::cmdImprimir_Click() {
    if (txtNome->isEnabled()) {
        try {
            cmdGravar_Click();
        } catch (const values::RuntimeError& e) {
            ui::showError(e.number(), e.description());
        }
    }
    const QString tabela = Tabela();
    ImprimeRelacao(
        {QStringLiteral("ForCliGeral.rpt"),
         {QStringLiteral("cgc"), QStringLiteral("nome")},
         QStringLiteral("Titu"),
         modoFornecedor_ ? QStringLiteral("Fornecedores Cadastrados")
                         : QStringLiteral("Clientes Cadastrados"),
         modoFornecedor_ ? QStringLiteral("Relação de Fornecedores") : QStringLiteral("Relação de Clientes")},
        [tabela](platform::db::Connection& cn) { return forcli::Impressao(cn, tabela); }, conexao_);
}

void frmForCliGeral::cmdSair_Click() { close(); }

void frmForCliGeral::chkIncForCli_LostFocus() { inclusaoDupla_ = chkIncForCli->isChecked(); }

void frmForCliGeral::txtUf_GotFocus() {
    Geral::SelecionaTexto(this);
    DestacaCampo();
}

void frmForCliGeral::txtUf_LostFocus() {
    if (!values::Trim(txtUf->text()).isEmpty() && !Geral::ExisteUF(txtUf->text())) {
        FocaSelecionando(txtUf);
        ui::MsgBox(QStringLiteral("Sigla do Estado Inválido, digite corretamente ou deixe o campo vazio"),
                   Critical, QStringLiteral("Erro"));
        return;
    }
    txtUf->setText(txtUf->text().toUpper());
}

// An incomplete CEP, or "00000-000", keeps the focus without a word; a complete one fills the
// municipality code of a new party from its city and state.
void frmForCliGeral::mskCep_LostFocus() {
    if (mskCep->Text() == CepVazio) return;
    const QString digitos = mskCep->ClipText().remove(QLatin1Char(' '));
    if (digitos.size() < 8 || mskCep->Text() == QStringLiteral("00000-000")) {
        FocaSelecionando(mskCep);
        return;
    }
    if (!inclusao_) return;
    txtCMun->setText(Geral::CodigoMunicipio(txtUf->text(), txtCidade->text()));
    if (txtCMun->text().isEmpty()) return;
    txtPais->setText(Brasil);
    txtCPais->setText(CodigoBrasil);
    ui::setFocusTo(cmdGravar);
}

// A foreign party (UF "EX") keeps its country, in a new record too.
void frmForCliGeral::txtCMun_LostFocus() {
    if (txtUf->text().compare(QStringLiteral("EX"), Qt::CaseInsensitive) == 0) return;
    if (!txtPais->text().isEmpty() && !inclusao_) return;
    txtPais->setText(Brasil);
    txtCPais->setText(CodigoBrasil);
}

}  // namespace registers
