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
#include "platform/ui/Handlers.h"
#include "shell/RotinasControles.h"

namespace Empresas {

namespace X = platform::controls;

namespace {

// Places a field with its caption (none when `titulo` is empty) in a grid, names it and gives it its
// tab index; the caption joins the window's caption array at that index.
class Grade {
  public:
    Grade(QWidget* dono, platform::ui::LabelArray& titulos, int& indice)
        : layout_(new QGridLayout(dono)), dono_(dono), titulos_(titulos), indice_(indice) {}
    template <class W>
    W* campo(W* w, const char* nome, const char* titulo, int linha, int coluna, int largura = 1) {
        w->setObjectName(QString::fromLatin1(nome));
        if (*titulo) {
            auto* rotulo = new QLabel(QString::fromUtf8(titulo), dono_);
            rotulo->setObjectName(QStringLiteral("lblTit") + QString::number(indice_));
            layout_->addWidget(rotulo, linha, coluna);
            titulos_.add(indice_, rotulo);
        }
        layout_->addWidget(w, linha, coluna + 1, 1, largura);
        platform::ui::setTabIndex(w, indice_++);
        return w;
    }
    QLineEdit* texto(const char* nome, const char* titulo, int limite, int linha, int coluna,
                     int largura = 1) {
        auto* t = campo(new QLineEdit(dono_), nome, titulo, linha, coluna, largura);
        t->setMaxLength(limite);
        return t;
    }
    X::MaskEdBox* mascara(const char* nome, const char* titulo, int linha, int coluna) {
        return campo(new X::MaskEdBox(dono_), nome, titulo, linha, coluna);
    }
    X::TDBDate* data(const char* nome, const char* titulo, int linha, int coluna) {
        return campo(new X::TDBDate(dono_), nome, titulo, linha, coluna);
    }
    X::TDBNumber* numero(const char* nome, const char* titulo, int linha, int coluna) {
        auto* n = campo(new X::TDBNumber(dono_), nome, titulo, linha, coluna);
        n->setDisplayFormat(QStringLiteral("###,###,##0.00"));
        n->setMinValue(Currency());
        return n;
    }
    QComboBox* lista(const char* nome, const char* titulo, int linha, int coluna) {
        return campo(new QComboBox(dono_), nome, titulo, linha, coluna);
    }
    QGridLayout* layout() const { return layout_; }

  private:
    QGridLayout* layout_;
    QWidget* dono_;
    platform::ui::LabelArray& titulos_;
    int& indice_;
};

QPushButton* botao(QWidget* dono, const char* nome, const char* legenda, const char* dica) {
    auto* b = new QPushButton(QString::fromUtf8(legenda), dono);
    b->setObjectName(QString::fromLatin1(nome));
    b->setToolTip(QString::fromUtf8(dica));
    b->setAutoDefault(false);
    return b;
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
    Grade cliente(fraCliente, lblTit, indice);
    txtCodigo = cliente.texto("txtCodigo", "Código", 4, 0, 0);
    txtCodigo->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtCodigo));
    txtNome = cliente.texto("txtNome", "Razão Social", 40, 0, 2);

    franEnd = new QGroupBox(QStringLiteral("Endereço"), this);
    franEnd->setObjectName(QStringLiteral("franEnd"));
    Grade endereco(franEnd, lblTit, indice);
    txtendereco = endereco.texto("txtendereco", "Rua/Praça/Avenida", 40, 0, 0, 3);
    txtNumero = endereco.texto("txtNumero", "Nr.:", 6, 0, 4);
    txtcomplemento = endereco.texto("txtcomplemento", "Complemento:", 20, 1, 0);
    txtBairro = endereco.texto("txtBairro", "Bairro:", 30, 1, 2, 3);
    txtCidade = endereco.texto("txtCidade", "Cidade:", 30, 2, 0);
    txtUf = endereco.texto("txtUf", "UF:", 2, 2, 2);
    mskCep = endereco.mascara("mskCep", "Cep:", 2, 4);
    txtPais = endereco.texto("txtPais", "País", 20, 3, 0);
    txtCPais = endereco.texto("txtCPais", "Cod.País", 4, 3, 2);
    txtCMun = endereco.texto("txtCMun", "Cód.Munic.", 7, 3, 4);
    cmdPesqMun = new QPushButton(franEnd);
    cmdPesqMun->setObjectName(QStringLiteral("cmdPesqMun"));
    cmdPesqMun->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    cmdPesqMun->setToolTip(QStringLiteral("Pesquisa de Municípios Brasileiros"));
    cmdPesqMun->setAutoDefault(false);
    endereco.layout()->addWidget(cmdPesqMun, 3, 6);
    platform::ui::setTabIndex(cmdPesqMun, indice++);

    fraIdent = new QGroupBox(QStringLiteral("Informações Adicionais"), this);
    fraIdent->setObjectName(QStringLiteral("fraIdent"));
    Grade ident(fraIdent, lblTit, indice);
    mskCgc = ident.mascara("mskCgc", "C.N.P.J.", 0, 0);
    txtInscrEstadual = ident.texto("txtInscrEstadual", "Inscrição Estadual", 14, 0, 2);
    mskCei = ident.mascara("mskCei", "CEI", 0, 4);
    mskCcm = ident.mascara("mskCcm", "CCM", 1, 0);
    tdbcadastro = ident.data("tdbcadastro", "D.Cadastro", 1, 2);
    mskCnae = ident.mascara("mskCnae", "CNAE", 1, 4);
    cmbSituacao = ident.lista("cmbSituacao", "Situação", 2, 0);
    txtAtividade = ident.texto("txtAtividade", "Descrição da Atividade", 50, 2, 2, 3);

    sstabCli = new X::SSTab(this);
    sstabCli->setObjectName(QStringLiteral("sstabCli"));
    platform::ui::setTabIndex(sstabCli, indice++);
    auto* fone = new QWidget;
    Grade g0(fone, lblTit, indice);
    txtcontato1 = g0.texto("txtcontato1", "Contato 1", 20, 0, 0);
    txtcontato2 = g0.texto("txtcontato2", "Contato 2", 20, 0, 2);
    txtDdd = g0.texto("txtDdd", "DDD", 5, 1, 0);
    txtFone1 = g0.texto("txtFone1", "Telefones", 11, 1, 2);
    txtFone2 = g0.texto("txtFone2", "", 11, 1, 3);
    txtFax = g0.texto("txtFax", "Fax", 11, 2, 0);
    txtEmail = g0.texto("txtEmail", "E-mail", 30, 2, 2);
    txtHomepage = g0.texto("txtHomepage", "Home-Page", 30, 3, 0);
    sstabCli->addTab(fone, QStringLiteral("Fone"));

    auto* imp = new QWidget;
    auto* impLayout = new QGridLayout(imp);
    fraSimples = new QGroupBox(QStringLiteral("Simples"), imp);
    fraSimples->setObjectName(QStringLiteral("fraSimples"));
    Grade simples(fraSimples, lblTit, indice);
    tdbadipi = simples.numero("tdbadipi", "Adicional IPI", 0, 0);
    tdbadconvenio = simples.numero("tdbadconvenio", "Ad.Convênios", 1, 0);
    fraNotsimples = new QGroupBox(QStringLiteral("Normal"), imp);
    fraNotsimples->setObjectName(QStringLiteral("fraNotsimples"));
    Grade normal(fraNotsimples, lblTit, indice);
    tdbpercvendas = normal.numero("tdbpercvendas", "% Vendas", 0, 0);
    tdbpercservicos = normal.numero("tdbpercservicos", "% Serviços", 1, 0);
    cmdEnquadra = botao(imp, "cmdEnquadra", "&Enquadramento", "Edita Enquadramento");
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
    Grade g2(cs, lblTit, indice);
    tdbfundacao = g2.data("tdbfundacao", "Data de Fundação", 0, 0);
    cmbTipo_empresa = g2.lista("cmbTipo_empresa", "Tipo de Empresa:", 1, 0);
    cmdContrato = botao(cs, "cmdContrato", "&C.Social", "Alterações de Contrato");
    platform::ui::setTabIndex(cmdContrato, indice++);
    lblCapital = informacao(cs, "lblCapital");
    g2.layout()->addWidget(cmdContrato, 2, 0);
    g2.layout()->addWidget(new QLabel(QStringLiteral("Capital Social Atual"), cs), 3, 0);
    g2.layout()->addWidget(lblCapital, 3, 1);
    sstabCli->addTab(cs, QStringLiteral("C.S."));

    auto* tributos = new QWidget;
    Grade g3(tributos, lblTit, indice);
    cmbTpEscri = g3.lista("cmbTpEscri", "Tipo de Redazor", 0, 0);
    cmbTpIpi = g3.lista("cmbTpIpi", "Tipo de IPI", 1, 0);
    cmbTpIss = g3.lista("cmbTpIss", "Tipo de ISS", 2, 0);
    cmbIcms = g3.lista("cmbIcms", "Regime de Apuração do ICMS", 0, 2);
    cmbGrIcms = g3.lista("cmbGrIcms", "Vencimento GR.ICMS", 1, 2);
    cmbSp = g3.lista("cmbSp", "Simples Paulista", 2, 2);
    sstabCli->addTab(tributos, QStringLiteral("Tributação"));

    auto* obs = new QWidget;
    txtObserv = new X::MultiLineText(obs);
    txtObserv->setObjectName(QStringLiteral("txtObserv"));
    txtObserv->setMaxLength(438);
    (new QVBoxLayout(obs))->addWidget(txtObserv);
    platform::ui::setTabIndex(txtObserv, indice++);
    sstabCli->addTab(obs, QStringLiteral("Obs."));

    cmdPesquisar = botao(this, "cmdPesquisar", "&Pesquisar", "Efetua uma Pesquisa");
    cmdGravar = botao(this, "cmdGravar", "&Gravar", "Grava Informações");
    cmdApagar = botao(this, "cmdApagar", "&Apagar", "Exclui Informações");
    cmdCancelar = botao(this, "cmdCancelar", "&Cancelar", "Cancela");
    cmdImprimir = botao(this, "cmdImprimir", "&Imprimir", "Imprimi Relatório");
    cmdSair = botao(this, "cmdSair", "&Sair", "Sair");
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
        onGotFocus(w, [this, w] {
            DestacaCampo(w);
            Geral::SelecionaTexto();
        });
    for (QWidget* w : destacam) onGotFocus(w, [this, w] { DestacaCampo(w); });
    for (QPushButton* b : {cmdEnquadra, cmdContrato})
        onGotFocus(b, [this] { destaqueGuardado_ = destaque_; });

    // Leaving the last field of a part shows the next tab and its first field.
    const std::pair<QWidget*, std::pair<int, QWidget*>> viradas[] = {{txtAtividade, {0, txtcontato1}},
                                                                     {txtHomepage, {1, tdbadipi}},
                                                                     {tdbpercservicos, {2, tdbfundacao}},
                                                                     {cmbTipo_empresa, {3, cmbTpEscri}},
                                                                     {cmbSp, {4, txtObserv}}};
    for (const auto& [campo, destino] : viradas)
        onLostFocus(campo, [this, aba = destino.first, alvo = destino.second] {
            sstabCli->setTab(aba);
            setFocusTo(alvo);
        });
}

}  // namespace Empresas
