// The controls of the company window, their captions, limits and tab order, and the handlers they
// raise.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

#include "companies/frmEmpresas.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "shell/JanelaCadastro.h"
#include "shell/RotinasControles.h"

namespace Empresas {

namespace X = platform::controls;

namespace {

using platform::ui::FormBuilder;

X::MaskEdBox* mascara(FormBuilder& g, const char* nome, const char* titulo, int linha, int coluna) {
    return g.field(new X::MaskEdBox(g.owner()), nome, titulo, linha, coluna);
}

X::TDBDate* campoData(FormBuilder& g, const char* nome, const char* titulo, int linha, int coluna) {
    return g.field(new X::TDBDate(g.owner()), nome, titulo, linha, coluna);
}

X::TDBNumber* numero(FormBuilder& g, const char* nome, const char* titulo, int linha, int coluna) {
    auto* n = g.field(new X::TDBNumber(g.owner()), nome, titulo, linha, coluna);
    n->setDisplayFormat(QStringLiteral("###,###,##0.00"));
    n->setMinValue(Currency());
    return n;
}

QComboBox* lista(FormBuilder& g, const char* nome, const char* titulo, int linha, int coluna) {
    return g.field(new QComboBox(g.owner()), nome, titulo, linha, coluna);
}

QLabel* informacao(QWidget* dono, const char* nome) {
    auto* l = new QLabel(dono);
    l->setObjectName(QString::fromLatin1(nome));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(160);
    return l;
}

}  // namespace

void frmEmpresas::Monta() {
    setObjectName(QStringLiteral("frmEmpresas"));
    setWindowTitle(QStringLiteral("Arquivo de Empresas"));
    int indice = 0;

    fraCliente = new QGroupBox(this);
    fraCliente->setObjectName(QStringLiteral("fraCliente"));
    FormBuilder cliente(fraCliente, lblTit, indice);
    txtCodigo = cliente.text("txtCodigo", "Código", 4, 0, 0);
    txtCodigo->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtCodigo));
    txtNome = cliente.text("txtNome", "Razão Social", 40, 0, 2);

    franEnd = new QGroupBox(QStringLiteral("Endereço"), this);
    franEnd->setObjectName(QStringLiteral("franEnd"));
    FormBuilder endereco(franEnd, lblTit, indice);
    txtendereco = endereco.text("txtendereco", "Rua/Praça/Avenida", 40, 0, 0, 3);
    txtNumero = endereco.text("txtNumero", "Nr.:", 6, 0, 4);
    txtcomplemento = endereco.text("txtcomplemento", "Complemento:", 20, 1, 0);
    txtBairro = endereco.text("txtBairro", "Bairro:", 30, 1, 2, 3);
    txtCidade = endereco.text("txtCidade", "Cidade:", 30, 2, 0);
    txtUf = endereco.text("txtUf", "UF:", 2, 2, 2);
    mskCep = mascara(endereco, "mskCep", "Cep:", 2, 4);
    txtPais = endereco.text("txtPais", "País", 20, 3, 0);
    txtCPais = endereco.text("txtCPais", "Cod.País", 4, 3, 2);
    txtCMun = endereco.text("txtCMun", "Cód.Munic.", 7, 3, 4);
    cmdPesqMun = endereco.next(new QPushButton(franEnd), "cmdPesqMun");
    cmdPesqMun->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    cmdPesqMun->setToolTip(QStringLiteral("Pesquisa de Municípios Brasileiros"));
    cmdPesqMun->setAutoDefault(false);
    endereco.layout()->addWidget(cmdPesqMun, 3, 6);

    fraIdent = new QGroupBox(QStringLiteral("Informações Adicionais"), this);
    fraIdent->setObjectName(QStringLiteral("fraIdent"));
    FormBuilder ident(fraIdent, lblTit, indice);
    mskCgc = mascara(ident, "mskCgc", "C.N.P.J.", 0, 0);
    txtInscrEstadual = ident.text("txtInscrEstadual", "Inscrição Estadual", 14, 0, 2);
    mskCei = mascara(ident, "mskCei", "CEI", 0, 4);
    mskCcm = mascara(ident, "mskCcm", "CCM", 1, 0);
    tdbcadastro = campoData(ident, "tdbcadastro", "D.Cadastro", 1, 2);
    mskCnae = mascara(ident, "mskCnae", "CNAE", 1, 4);
    cmbSituacao = lista(ident, "cmbSituacao", "Situação", 2, 0);
    txtAtividade = ident.text("txtAtividade", "Descrição da Atividade", 50, 2, 2, 3);

    sstabCli = new X::SSTab(this);
    sstabCli->setObjectName(QStringLiteral("sstabCli"));
    platform::ui::setTabIndex(sstabCli, indice++);
    auto* fone = new QWidget;
    FormBuilder g0(fone, lblTit, indice);
    txtcontato1 = g0.text("txtcontato1", "Contato 1", 20, 0, 0);
    txtcontato2 = g0.text("txtcontato2", "Contato 2", 20, 0, 2);
    txtDdd = g0.text("txtDdd", "DDD", 5, 1, 0);
    txtFone1 = g0.text("txtFone1", "Telefones", 11, 1, 2);
    txtFone2 = g0.text("txtFone2", "", 11, 1, 3);
    txtFax = g0.text("txtFax", "Fax", 11, 2, 0);
    txtEmail = g0.text("txtEmail", "E-mail", 30, 2, 2);
    txtHomepage = g0.text("txtHomepage", "Home-Page", 30, 3, 0);
    sstabCli->addTab(fone, QStringLiteral("Fone"));

    auto* imp = new QWidget;
    auto* impLayout = new QGridLayout(imp);
    fraSimples = new QGroupBox(QStringLiteral("Simples"), imp);
    fraSimples->setObjectName(QStringLiteral("fraSimples"));
    FormBuilder simples(fraSimples, lblTit, indice);
    tdbadipi = numero(simples, "tdbadipi", "Adicional IPI", 0, 0);
    tdbadconvenio = numero(simples, "tdbadconvenio", "Ad.Convênios", 1, 0);
    fraNotsimples = new QGroupBox(QStringLiteral("Normal"), imp);
    fraNotsimples->setObjectName(QStringLiteral("fraNotsimples"));
    FormBuilder normal(fraNotsimples, lblTit, indice);
    tdbpercvendas = numero(normal, "tdbpercvendas", "% Vendas", 0, 0);
    tdbpercservicos = numero(normal, "tdbpercservicos", "% Serviços", 1, 0);
    cmdEnquadra = FormBuilder::button(imp, "cmdEnquadra", "&Enquadramento", "Edita Enquadramento");
    platform::ui::setTabIndex(cmdEnquadra, indice++);
    lblEnquadramento = informacao(imp, "lblEnquadramento");
    lblD_enquadr = informacao(imp, "lblD_enquadr");
    impLayout->addWidget(fraSimples, 0, 0, 2, 1);
    impLayout->addWidget(fraNotsimples, 0, 1, 2, 1);
    impLayout->addWidget(cmdEnquadra, 2, 0);
    impLayout->addWidget(new QLabel(QStringLiteral("Enquadramento"), imp), 3, 0);
    impLayout->addWidget(lblEnquadramento, 3, 1);
    impLayout->addWidget(new QLabel(QStringLiteral("Desde"), imp), 4, 0);
    impLayout->addWidget(lblD_enquadr, 4, 1);
    sstabCli->addTab(imp, QStringLiteral("Imp"));

    auto* cs = new QWidget;
    FormBuilder g2(cs, lblTit, indice);
    tdbfundacao = campoData(g2, "tdbfundacao", "Data de Fundação", 0, 0);
    cmbTipo_empresa = lista(g2, "cmbTipo_empresa", "Tipo de Empresa:", 1, 0);
    cmdContrato = FormBuilder::button(cs, "cmdContrato", "&C.Social", "Alterações de Contrato");
    platform::ui::setTabIndex(cmdContrato, indice++);
    lblCapital = informacao(cs, "lblCapital");
    g2.layout()->addWidget(cmdContrato, 2, 0);
    g2.layout()->addWidget(new QLabel(QStringLiteral("Capital Social Atual"), cs), 3, 0);
    g2.layout()->addWidget(lblCapital, 3, 1);
    sstabCli->addTab(cs, QStringLiteral("C.S."));

    auto* tributos = new QWidget;
    FormBuilder g3(tributos, lblTit, indice);
    cmbTpEscri = lista(g3, "cmbTpEscri", "Tipo de Redazor", 0, 0);
    cmbTpIpi = lista(g3, "cmbTpIpi", "Tipo de IPI", 1, 0);
    cmbTpIss = lista(g3, "cmbTpIss", "Tipo de ISS", 2, 0);
    cmbIcms = lista(g3, "cmbIcms", "Regime de Apuração do ICMS", 0, 2);
    cmbGrIcms = lista(g3, "cmbGrIcms", "Vencimento GR.ICMS", 1, 2);
    cmbSp = lista(g3, "cmbSp", "Simples Paulista", 2, 2);
    sstabCli->addTab(tributos, QStringLiteral("Tributação"));

    auto* obs = new QWidget;
    txtObserv = new X::MultiLineText(obs);
    txtObserv->setObjectName(QStringLiteral("txtObserv"));
    txtObserv->setMaxLength(438);
    (new QVBoxLayout(obs))->addWidget(txtObserv);
    platform::ui::setTabIndex(txtObserv, indice++);
    sstabCli->addTab(obs, QStringLiteral("Obs."));

    cmdPesquisar = FormBuilder::button(this, "cmdPesquisar", "&Pesquisar", "Efetua uma Pesquisa");
    cmdGravar = FormBuilder::button(this, "cmdGravar", "&Gravar", "Grava Informações");
    cmdApagar = FormBuilder::button(this, "cmdApagar", "&Apagar", "Exclui Informações");
    cmdCancelar = FormBuilder::button(this, "cmdCancelar", "&Cancelar", "Cancela");
    cmdImprimir = FormBuilder::button(this, "cmdImprimir", "&Imprimir", "Imprimi Relatório");
    cmdSair = FormBuilder::button(this, "cmdSair", "&Sair", "Sair");
    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {cmdPesquisar, cmdGravar, cmdApagar, cmdCancelar, cmdImprimir, cmdSair}) {
        platform::ui::setTabIndex(b, indice++);
        botoes->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraCliente);
    layout->addWidget(franEnd);
    layout->addWidget(fraIdent);
    layout->addWidget(sstabCli);
    layout->addLayout(botoes);
    platform::ui::applyTabOrder(this);
}

void frmEmpresas::Liga() {
    using namespace platform::ui;
    onGotFocus(txtCodigo, this, &frmEmpresas::txtCodigo_GotFocus);
    onKeyPress(txtCodigo, this, &frmEmpresas::txtCodigo_KeyPress);
    onLostFocus(mskCgc, this, &frmEmpresas::mskCgc_LostFocus);
    onClick(cmdPesquisar, this, &frmEmpresas::cmdPesquisar_Click);
    onClick(cmdEnquadra, this, &frmEmpresas::cmdEnquadra_Click);
    onClick(cmdContrato, this, &frmEmpresas::cmdContrato_Click);
    onClick(cmdImprimir, this, &frmEmpresas::cmdImprimir_Click);

    // The caption highlight; these fields also select their whole text.
    const QList<QWidget*> selecionam{txtNome, txtendereco, txtUf,  txtPais,  txtCPais,   txtInscrEstadual,
                                     txtDdd,  txtFone1,    txtFax, txtEmail, txtHomepage};
    const QList<QWidget*> destacam{
        txtNumero,       txtcomplemento, txtBairro,     txtCidade,       txtCMun,
        txtcontato1,     txtcontato2,    txtAtividade,  mskCep,          mskCgc,
        mskCei,          mskCcm,         mskCnae,       tdbcadastro,     tdbfundacao,
        tdbadipi,        tdbadconvenio,  tdbpercvendas, tdbpercservicos, cmbSituacao,
        cmbTipo_empresa, cmbTpEscri,     cmbTpIpi,      cmbTpIss,        cmbIcms,
        cmbGrIcms,       cmbSp};
    for (QWidget* w : selecionam)
        onGotFocus(w, [this] {
            Cadastro().DestacaCampo();
            Geral::SelecionaTexto();
        });
    for (QWidget* w : destacam) onGotFocus(w, [this] { Cadastro().DestacaCampo(); });
    for (QPushButton* b : {cmdEnquadra, cmdContrato})
        onGotFocus(b, [this] { destaqueGuardado_ = lblTit.highlighted(); });

    // Leaving the last field of a part by Tab or Enter goes on to the first field of the next tab,
    // which shows its page; a click goes where it points.
    const std::pair<QWidget*, QWidget*> viradas[] = {{txtAtividade, txtcontato1},
                                                     {txtHomepage, tdbadipi},
                                                     {tdbpercservicos, tdbfundacao},
                                                     {cmbTipo_empresa, cmbTpEscri},
                                                     {cmbSp, txtObserv}};
    for (const auto& [campo, alvo] : viradas) onLostFocus(campo, [alvo] { setFocusTo(alvo); });
}

}  // namespace Empresas
