#include "partners/JanelaPessoa.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "companies/CampoEmpresa.h"
#include "partners/pessoas_sql.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "registers/BlocoEndereco.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/RotinasControles.h"

namespace partners {

namespace ui = platform::ui;
namespace values = platform::values;
using shell::EstadoCadastro;

// The frame's part of a person: the row is read by its automatic number within the company, and
// deleted with its class history in one transaction.
class CadastroPessoa : public shell::JanelaCadastro {
  public:
    CadastroPessoa(JanelaPessoa& janela, shell::DefinicaoCadastro definicao)
        : JanelaCadastro(janela, std::move(definicao)), janela_(janela) {}

  protected:
    void TestaRegras() override {
        if (values::Trim(shell::TextoGravado(janela_.txtNome)).isEmpty())
            shell::AdicionaErro(shell::ErroFatal, janela_.textos_.nomeObrigatorio);
        janela_.endereco_->TestaCep();
        // A number the clerk typed that a click left unchecked.
        const QString cpf = values::Trim(janela_.mskCpf->ClipText());
        if (!shell::CampoIntacto(janela_.mskCpf) && !cpf.isEmpty() && !Geral::CpfConfere(cpf))
            shell::AdicionaErro(
                shell::ErroFatal,
                QStringLiteral("CPF Inválido, digite os 11 dígitos corretamente ou deixe o campo vazio !"));
    }

    bool LocalizaRegistro(const QString& chave) override {
        Registro() = LePessoa(Conexao(), janela_.textos_.familia, janela_.codempr_, chave.toLongLong());
        return !Registro().Eof();
    }

    void MostraRegistro() override {
        JanelaCadastro::MostraRegistro();
        janela_.MostraProprios(Registro());
        janela_.MostraClasse(Registro().Fields(QStringLiteral("codauto")).toLongLong());
    }

    void ApagaRegistro() override {
        ApagaPessoa(Conexao(), janela_.textos_.familia, ChaveAtual().toLongLong());
    }

    void PreencheLista() override {
        Lista().Carrega(janela_.codempr_ > 0
                            ? ListaPessoas(Conexao(), janela_.textos_.familia, janela_.codempr_)
                            : std::vector<QStringList>());
    }

    void AjustaBotao(EstadoCadastro estado) override { janela_.AjustaBotao(estado); }

    // The names are sorted only while no person is open.
    bool OrdenacaoPermitida() const override { return !janela_.mskCpf->isEnabled(); }

  private:
    JanelaPessoa& janela_;
};

JanelaPessoa::JanelaPessoa(const TextosPessoa& textos, QWidget* parent)
    : Form(parent),
      txtCodigo(new QLineEdit(this)),
      cmdPesqe(ui::FormBuilder::button(this, "cmdPesqe", "A&tivar", "Ativa uma Empresa")),
      lblNome(new QLabel(this)),
      txtNome(new QLineEdit(this)),
      mskCpf(new platform::controls::MaskEdBox(this)),
      txtendereco(new QLineEdit(this)),
      txtNumero(new QLineEdit(this)),
      txtcomplemento(new QLineEdit(this)),
      txtBairro(new QLineEdit(this)),
      txtCidade(new QLineEdit(this)),
      txtUf(new QLineEdit(this)),
      mskCep(new platform::controls::MaskEdBox(this)),
      mskInscricao(new platform::controls::MaskEdBox(this)),
      txtObservacao(new platform::controls::MultiLineText(this)),
      cmdEnquadra(ui::FormBuilder::button(this, "cmdEnquadra", "&Enquadramento", "Edita Enquadramento")),
      lblD_enquadr(new QLabel(this)),
      lblClasse(new QLabel(this)),
      cmdNovo(ui::FormBuilder::button(this, "cmdNovo", "&Novo", "")),
      cmdGravar(ui::FormBuilder::button(this, "cmdGravar", "&Gravar", "")),
      cmdCancelar(ui::FormBuilder::button(this, "cmdCancelar", "&Cancelar", "Cancela")),
      cmdApagar(ui::FormBuilder::button(this, "cmdApagar", "&Apagar", "Exclui Informações")),
      cmdImprimir(ui::FormBuilder::button(this, "cmdImprimir", "&Imprimir", "Imprimi Relatório")),
      cmdSair(ui::FormBuilder::button(this, "cmdSair", "&Sair", "")),
      lista(new platform::controls::TDBList(this)),
      abas(new platform::controls::SSTab(this)),
      paginaInss(new QWidget(abas)),
      gradeInss(new QGridLayout(paginaInss)),
      paginaObs(new QWidget(abas)),
      lblDataInicio(new QLabel(QStringLiteral("Data Início"), paginaInss)),
      textos_(textos),
      txtCodauto_(new QLineEdit(this)) {
    setObjectName(QString::fromLatin1(textos.janela));
    setWindowTitle(textos.titulo);
    cmdGravar->setToolTip(textos.dicaGravar);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    lblD_enquadr->setObjectName(QStringLiteral("lblD_enquadr"));
    lblClasse->setObjectName(QStringLiteral("lblClasse"));
    lista->setObjectName(QString::fromLatin1(textos.lista));
    lista->setCaption(textos.tituloLista);
    abas->setObjectName(QString::fromLatin1(textos.abas));
    // The automatic number of the loaded person: the frame's key, never shown.
    txtCodauto_->setObjectName(QStringLiteral("txtCodauto"));
    txtCodauto_->hide();
    txtCodigo->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtCodigo));

    int tab = 0;
    auto* quadroEmpresa = new QGroupBox(QStringLiteral("Código - Empresa Ativa"), this);
    ui::FormBuilder empresa(quadroEmpresa, lblTit, tab);
    empresa.field(txtCodigo, "txtCodigo", "", 0, 0);
    txtCodigo->setMaxLength(4);
    empresa.layout()->addWidget(cmdPesqe, 0, 2);
    empresa.layout()->addWidget(lblNome, 0, 3);
    empresa.layout()->setColumnStretch(3, 1);

    auto* quadroPessoa = new QGroupBox(this);
    ui::FormBuilder pessoa(quadroPessoa, lblTit, tab);
    const QByteArray tituloNome = textos.tituloNome.toUtf8();
    pessoa.field(txtNome, textos.campoNome, tituloNome.constData(), 0, 0, 5);
    pessoa.field(mskCpf, "mskCpf", "CPF", 0, 6);
    pessoa.field(txtendereco, "txtendereco", "Rua/Avenida", 1, 0, 3);
    pessoa.field(txtNumero, "txtNumero", "Nr.", 1, 4);
    pessoa.field(txtcomplemento, "txtcomplemento", "Complemento", 1, 6);
    pessoa.field(txtBairro, "txtBairro", "Bairro", 2, 0);
    pessoa.field(txtCidade, "txtCidade", "Cidade", 2, 2);
    pessoa.field(txtUf, "txtUf", "UF", 2, 4);
    pessoa.field(mskCep, "mskCep", "CEP", 2, 6);
    txtNome->setMaxLength(40);
    mskCpf->setMask(QStringLiteral("###.###.###-##"));
    txtendereco->setMaxLength(40);
    txtNumero->setMaxLength(6);
    txtcomplemento->setMaxLength(20);
    txtBairro->setMaxLength(20);
    txtCidade->setMaxLength(20);
    txtUf->setMaxLength(2);

    mskInscricao->setObjectName(QStringLiteral("mskInscricao"));
    mskInscricao->setMask(QStringLiteral("############"));
    ui::setTabIndex(mskInscricao, textos.tabInscricao);
    auto* lblInscricao = new QLabel(QStringLiteral("Nr. Inscrição"), paginaInss);
    lblTit.add(textos.tabInscricao, lblInscricao);
    gradeInss->addWidget(lblInscricao, 0, 0);
    gradeInss->addWidget(mskInscricao, 0, 1);
    auto* lblclass = new QLabel(QStringLiteral("Classe"), paginaInss);
    gradeInss->addWidget(cmdEnquadra, 0, 2, 1, 2);
    gradeInss->addWidget(lblDataInicio, 1, 2);
    gradeInss->addWidget(lblD_enquadr, 2, 2);
    gradeInss->addWidget(lblclass, 1, 3);
    gradeInss->addWidget(lblClasse, 2, 3);
    gradeInss->setColumnStretch(1, 1);

    txtObservacao->setObjectName(QStringLiteral("txtObservacao"));
    txtObservacao->setMaxLength(438);
    ui::setTabIndex(txtObservacao, textos.tabObservacao);
    (new QVBoxLayout(paginaObs))->addWidget(txtObservacao);

    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {cmdNovo, cmdGravar, cmdCancelar, cmdApagar, cmdImprimir, cmdSair})
        botoes->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(quadroEmpresa);
    layout->addWidget(quadroPessoa);
    layout->addWidget(abas);
    layout->addLayout(botoes);
    layout->addWidget(lista, 1);
    layout->addWidget(txtCodauto_);
    resize(640, 620);
}

JanelaPessoa::~JanelaPessoa() = default;

shell::JanelaCadastro& JanelaPessoa::Cadastro() { return *cadastro_; }

void JanelaPessoa::Liga(std::vector<shell::CampoCadastro> proprios) {
    using shell::Carregado;
    using shell::Novo;
    shell::DefinicaoCadastro d;
    d.tabela = textos_.familia.tabela;
    d.colunaChave = QStringLiteral("codauto");
    d.tipoChave = shell::TipoColuna::Numero;
    d.chaveAutomatica = true;
    d.procura = shell::Procura::EscolhaOuNovo;
    d.colunaDono = QStringLiteral("codempr");
    d.chave = txtCodauto_;
    d.campos = {{txtNome, QStringLiteral("nome"), ColunaNome},
                {mskCpf, QStringLiteral("cpf")},
                {txtendereco, QStringLiteral("endereco")},
                {txtNumero, QStringLiteral("numero")},
                {txtcomplemento, QStringLiteral("complemento")},
                {txtBairro, QStringLiteral("bairro")},
                {txtCidade, QStringLiteral("cidade")},
                {txtUf, QStringLiteral("uf")},
                {mskCep, QStringLiteral("cep")},
                {mskInscricao, QStringLiteral("inscr_inss")}};
    d.campos.insert(d.campos.end(), proprios.begin(), proprios.end());
    // The remarks light no caption.
    d.campos.push_back({txtObservacao, QStringLiteral("observacao"), -1, -1, false});
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdApagar = cmdApagar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.cmdNovo = cmdNovo;
    d.botoesRegistro = {cmdEnquadra};
    // Nothing is printed from here, and the company is chosen only while no person is open.
    d.controles = {
        {cmdImprimir, {}}, {cmdPesqe, {shell::Ocioso, shell::SemEmpresa}}, {abas, {Carregado, Novo}}};
    d.lista = lista;
    d.colunas = {{QStringLiteral("Nº"), QStringLiteral("codauto"), shell::TipoColuna::Numero},
                 {QStringLiteral("Nome"), QStringLiteral("nome"), shell::TipoColuna::Texto}};
    cadastro_ = new CadastroPessoa(*this, std::move(d));
    cadastro_->Liga();
    lista->setColumnVisible(ColunaCodauto, false);

    registers::BlocoEndereco::Campos campos;
    campos.cidade = txtCidade;
    campos.uf = txtUf;
    campos.cep = mskCep;
    registers::BlocoEndereco::Regras regras;
    regras.inclusao = [this] { return cadastro_->Inclusao(); };
    regras.aberto = [this] { return mskCpf->isEnabled(); };
    regras.aposCep = [this] { AposCep(); };
    endereco_ = new registers::BlocoEndereco(*this, campos, std::move(regras));

    ui::onKeyPress(txtCodigo, this, &JanelaPessoa::txtCodigo_KeyPress);
    ui::onLostFocus(txtCodigo, this, &JanelaPessoa::txtCodigo_LostFocus);
    ui::onClick(cmdPesqe, this, &JanelaPessoa::cmdPesqe_Click);
    ui::onLostFocus(mskCpf, this, &JanelaPessoa::mskCpf_LostFocus);
    ui::onGotFocus(txtUf, this, &JanelaPessoa::txtUf_GotFocus);
    ui::onClick(cmdEnquadra, this, &JanelaPessoa::cmdEnquadra_Click);
    ui::applyTabOrder(this);
}

void JanelaPessoa::Form_Load() {
    cadastro_->Form_Load();
    Geral::Cancelado = false;
    PreencheListas();
    cadastro_->Botao(shell::SemEmpresa);
    ui::setFocusTo(txtCodigo);
}

void JanelaPessoa::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

// Idle, with or without a company, the person's fields are emptied and the company may be chosen; a
// loaded person keeps its name, the key of the list. The company's list is where the keys go next,
// unless the company code was left by a click on a button (Novo, Sair), which runs.
void JanelaPessoa::AjustaBotao(EstadoCadastro estado) {
    const bool ocioso = estado == shell::Ocioso || estado == shell::SemEmpresa;
    shell::HabilitaCampo(txtCodigo, ocioso);
    if (ocioso) {
        lblD_enquadr->clear();
        lblClasse->clear();
        LimpaProprios();
        abas->setTab(0);
        lista->clearBookmark();
        lblTit.highlight(-1);
        if (estado == shell::Ocioso) ui::setFocusTo(lista);
    } else if (estado == shell::Carregado) {
        shell::HabilitaCampo(txtNome, false);
        ui::setFocusTo(mskCpf);
    }
}

void JanelaPessoa::MostraClasse(qint64 codauto) {
    const auto classe = ClasseAtual(cadastro_->Conexao(), textos_.familia, codauto);
    lblD_enquadr->setText(classe ? values::formatDate(classe->inicio) : QString());
    lblClasse->setText(classe ? QString::number(classe->classe) : QString());
}

// The field shows its own tab page when it takes the focus.
void JanelaPessoa::VaiPara(QWidget* campo) { ui::setFocusTo(campo); }

void JanelaPessoa::txtCodigo_KeyPress(int& KeyAscii) {
    if ((KeyAscii < '0' || KeyAscii > '9') && KeyAscii != 8) KeyAscii = 0;
}

// The company's people are read before anything changes, so a failing statement leaves the window as
// it was.
void JanelaPessoa::txtCodigo_LostFocus() {
    Geral::ChaveComum = txtCodigo->text();
    if (values::Trim(txtCodigo->text()).isEmpty()) return;
    const auto empresa =
        Empresas::LeEmpresaDoCampo(*txtCodigo, cadastro_->Conexao(), Empresas::BotaoLista::Pesquisar);
    if (!empresa) {
        cadastro_->Botao(shell::SemEmpresa);
        return;
    }
    if (empresa->Eof()) return;
    const qint64 antes = codempr_;
    codempr_ = empresa->Fields(QStringLiteral("codauto")).toLongLong();
    try {
        cadastro_->UsaDono(QString::number(codempr_));
    } catch (const values::RuntimeError&) {
        codempr_ = antes;
        throw;
    }
    txtCodigo->setText(empresa->Fields(QStringLiteral("codigo")).toString());
    lblNome->setText(empresa->Fields(QStringLiteral("nome")).toString());
    if (cadastro_->Lista().Linhas() > 0) {
        cadastro_->cmdCancelar_Click();
        return;
    }
    if (ui::MsgBox(textos_.perguntaSemPessoas, ui::Msg::YesNo | ui::Msg::Question,
                   QStringLiteral("Atenção...")) == ui::Msg::Yes) {
        cadastro_->Botao(shell::Ocioso);
        cadastro_->cmdNovo_Click();
        return;
    }
    lblNome->clear();
    txtCodigo->clear();
    cadastro_->Botao(shell::SemEmpresa);
    ui::setFocusTo(txtCodigo);
}

// A run-time error of the search ends with the focus in the code field.
void JanelaPessoa::cmdPesqe_Click() { Empresas::PesquisaEmpresa(txtCodigo); }

// A stored number the clerk did not edit is not checked again: it would block every save unseen. Wrong
// check digits are told and keep the focus; a number of another length is sent back without a word by
// Tab or Enter, and let go by a click, the save refusing it.
void JanelaPessoa::mskCpf_LostFocus() {
    if (shell::CampoIntacto(mskCpf)) return;
    const QString digitos = values::Trim(mskCpf->ClipText());
    if (!digitos.isEmpty() && !Geral::ValidaCPF(digitos)) {
        if (digitos.size() != 11 && ui::leavingByChoice()) return;
        ui::setFocusTo(mskCpf);
        Geral::SelecionaTexto(this);
    }
}

void JanelaPessoa::txtUf_GotFocus() { Geral::SelecionaTexto(this); }

void JanelaPessoa::cmdEnquadra_Click() {
    const qint64 codauto = cadastro_->ChaveAtual().toLongLong();
    Geral::ChaveComum = QString::number(codauto);
    AbreClasse();
    if (Geral::Alterado) {
        Geral::Alterado = false;
        MostraClasse(codauto);
    }
    lblTit.highlight(-1);
    ui::setFocusTo(mskInscricao);
}

}  // namespace partners
