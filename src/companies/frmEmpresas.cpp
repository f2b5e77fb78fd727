#include "companies/frmEmpresas.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "companies/CamposEmpresa.h"
#include "companies/RegrasEmpresa.h"
#include "companies/RelatorioEmpresa.h"
#include "companies/frmCsocial.h"
#include "companies/frmPesqJur.h"
#include "companies/frmTenquad.h"
#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "registers/frmPesqMun.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/GeralConsultas.h"
#include "shell/RotinasControles.h"

namespace Empresas {

namespace X = platform::controls;
using platform::ui::MsgBox;
using platform::ui::setFocusTo;
using platform::ui::Msg::Critical;
using platform::values::Format;
using platform::values::Trim;

frmEmpresas::frmEmpresas(QWidget* parent) : Form(parent) {
    Monta();
    Liga();
}

frmEmpresas::~frmEmpresas() = default;

void frmEmpresas::Form_Load() {
    destaque_ = 0;
    for (Connection* c : {&conexaoRegistro_, &conexaoEnquadramento_, &conexaoContrato_})
        c->Open(Geral::ConexaoCadastro);
    Botao(1);
}

void frmEmpresas::Form_Unload(bool& Cancel) {
    if (txtNome->isEnabled()) {
        MsgBox(QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele antes..."),
               Critical, QStringLiteral("Atenção"));
        Cancel = true;
        return;
    }
    for (Connection* c : {&conexaoRegistro_, &conexaoEnquadramento_, &conexaoContrato_}) c->Close();
}

QComboBox* frmEmpresas::Combo(Lista lista) const {
    switch (lista) {
        case Lista::TipoEmpresa:
            return cmbTipo_empresa;
        case Lista::Situacao:
            return cmbSituacao;
        case Lista::TpEscri:
            return cmbTpEscri;
        case Lista::TpIpi:
            return cmbTpIpi;
        case Lista::TpIss:
            return cmbTpIss;
        case Lista::Icms:
            return cmbIcms;
        case Lista::GrIcms:
            return cmbGrIcms;
        case Lista::Sp:
            break;
    }
    return cmbSp;
}

// The municipality search stays out of reach while the address cannot be edited.
void frmEmpresas::Botao(int estado) {
    estado_ = estado;
    cmdPesquisar->setEnabled(estado == 1);
    cmdImprimir->setEnabled(estado == 2);
    cmdGravar->setEnabled(estado != 1);
    cmdCancelar->setEnabled(estado != 1);
    cmdApagar->setEnabled(estado == 2);
    if (estado != 1) {
        cmdEnquadra->setEnabled(estado == 2);
        cmdContrato->setEnabled(estado == 2);
    }
    cmdSair->setEnabled(estado == 1);
    cmdPesqMun->setEnabled(estado != 1);
    if (estado != 1) return;
    Geral::LimpaCampos(this);
    PreencheCombos();
    LimpaMask();
    Geral::HabilitaCampos(this, false);
    txtCodigo->setEnabled(true);
    X::setBackColor(txtCodigo, X::White);
}

void frmEmpresas::TravaChave() {
    txtCodigo->setEnabled(false);
    if (!Inclusao_) setFocusTo(txtNome);
}

void frmEmpresas::PreencheCombos() {
    for (Lista lista : TodasListas) {
        QComboBox* combo = Combo(lista);
        combo->clear();
        for (const Entrada& e : Entradas(lista)) combo->addItem(e.legenda);
        combo->setCurrentIndex(lista == Lista::Situacao ? -1 : 0);
    }
}

void frmEmpresas::LimpaMask() {
    const std::pair<X::MaskEdBox*, const QString*> caixas[] = {{mskCep, &MascaraCep},
                                                               {mskCei, &MascaraCei},
                                                               {mskCgc, &MascaraCgc},
                                                               {mskCcm, &MascaraCcm},
                                                               {mskCnae, &MascaraCnae}};
    mskCep->setPromptInclude(true);
    for (auto [caixa, mascara] : caixas) {
        caixa->setMask(QString());
        caixa->setText(MascaraVazia(*mascara));
        caixa->setMask(*mascara);
    }
    lblCapital->clear();
    lblEnquadramento->clear();
    lblD_enquadr->clear();
}

void frmEmpresas::DestacaCampo(QWidget* campo) {
    if (QLabel* anterior = lblTit(destaque_))
        platform::ui::setForeColor(anterior, platform::ui::CaptionNormal);
    destaque_ = platform::ui::tabIndex(campo);
    if (QLabel* atual = lblTit(destaque_))
        platform::ui::setForeColor(atual, platform::ui::CaptionHighlight);
    else
        destaque_ = 0;
}

void frmEmpresas::txtCodigo_GotFocus() {
    if (!txtCodigo->text().isEmpty()) Geral::SelecionaTexto();
    DestacaCampo(txtCodigo);
}

void frmEmpresas::txtCodigo_KeyPress(int& KeyAscii) {
    if ((KeyAscii < '0' || KeyAscii > '9') && KeyAscii != 8) KeyAscii = 0;
}

// An empty key, or one that is no number above 0, is left alone without a word. The key is looked up
// only in the idle state: the focus that a state change moves through the key field is no lookup.
void frmEmpresas::txtCodigo_LostFocus() {
    if (estado_ != 1 || Inclusao_) return;
    Geral::ChaveComum = txtCodigo->text();
    const auto codigo = ChaveNumerica(Geral::ChaveComum);
    if (!codigo || *codigo <= 0) return;
    txtCodigo->setText(QString::number(*codigo));
    registro_ = LeEmpresa(conexaoRegistro_, *codigo);
    if (!registro_.Eof()) {
        Geral::HabilitaCampos(this, true);
        CarregaRegistro();
        TravaChave();
        return;
    }
    if (MsgBox(QStringLiteral("Código Não Cadastrado, Incluir Novo ?"),
               platform::ui::Msg::YesNo | platform::ui::Msg::Exclamation,
               QStringLiteral("Atenção...")) == platform::ui::Msg::Yes) {
        Geral::HabilitaCampos(this, true);
        PreencheCombos();
        Geral::LimpaCampos(this);
        LimpaMask();
        Botao(3);
        Inclusao_ = true;
        txtCodigo->setText(Geral::ChaveComum);
        setFocusTo(txtNome);
        TravaChave();
    } else {
        txtCodigo->clear();
        setFocusTo(txtCodigo);
    }
}

void frmEmpresas::CarregaRegistro() {
    const Recordset& r = registro_;
    Inclusao_ = false;
    Botao(2);
    const auto texto = [&r](const char* coluna) { return r.Fields(QString::fromLatin1(coluna)).toString(); };
    txtCodigo->setText(texto("codigo"));
    txtNome->setText(texto("nome"));
    const std::pair<QLineEdit*, const char*> textos[] = {{txtendereco, "endereco"},
                                                         {txtNumero, "numero"},
                                                         {txtcomplemento, "complemento"},
                                                         {txtBairro, "bairro"},
                                                         {txtCidade, "cidade"},
                                                         {txtUf, "uf"},
                                                         {txtInscrEstadual, "inscr_estadual"},
                                                         {txtAtividade, "atividade"},
                                                         {txtcontato1, "contato1"},
                                                         {txtcontato2, "contato2"},
                                                         {txtDdd, "ddd"},
                                                         {txtFax, "fax"},
                                                         {txtFone1, "fone1"},
                                                         {txtFone2, "fone2"},
                                                         {txtEmail, "email"},
                                                         {txtHomepage, "homepage"},
                                                         {txtCMun, "cMun"},
                                                         {txtPais, "xPais"},
                                                         {txtCPais, "cPais"}};
    for (auto [campo, coluna] : textos) campo->setText(texto(coluna));
    mskCep->setText(texto("cep"));
    mskCgc->setText(texto("cgc"));
    mskCei->setText(texto("cei"));
    mskCcm->setText(texto("ccm"));
    tdbcadastro->setValue(r.Fields(QStringLiteral("data_cadastro")).toDate());
    mskCnae->setText(CnaeParaTela(texto("cnae")));
    cmbSituacao->setCurrentIndex(IndiceDe(Lista::Situacao, texto("situ")));
    tdbadipi->setValue(r.Fields(QStringLiteral("perc_ipi")).toCurrency());
    tdbadconvenio->setValue(r.Fields(QStringLiteral("perc_convenio")).toCurrency());
    tdbpercvendas->setValue(r.Fields(QStringLiteral("irpj_vendas")).toCurrency());
    tdbpercservicos->setValue(r.Fields(QStringLiteral("irpj_servicos")).toCurrency());
    cmbTipo_empresa->setCurrentIndex(IndiceDe(Lista::TipoEmpresa, texto("tipo_empresa")));
    tdbfundacao->setValue(r.Fields(QStringLiteral("fundacao")).toDate());
    txtObserv->setText(texto("observacao"));
    MostraEnquadramento(r.Fields(QStringLiteral("codigo")).toLongLong());
    MostraCapital(r.Fields(QStringLiteral("codauto")).toLongLong());
    const std::pair<Lista, const char*> codigos[] = {{Lista::TpEscri, "tpescri"}, {Lista::TpIpi, "tpipi"},
                                                     {Lista::TpIss, "tpiss"},     {Lista::Icms, "icms"},
                                                     {Lista::GrIcms, "gricms"},   {Lista::Sp, "sp"}};
    for (auto [lista, coluna] : codigos) Combo(lista)->setCurrentIndex(IndiceDe(lista, texto(coluna)));
}

// Without a tax-regime row the labels stay as they are: empty, since a company is only loaded from idle.
void frmEmpresas::MostraEnquadramento(qint64 codigo) {
    enquadramento_ = LeEnquadramentos(conexaoEnquadramento_, codigo);
    if (enquadramento_.Eof()) return;
    lblEnquadramento->setText(enquadramento_.Fields(QStringLiteral("Descricao")).toString());
    lblD_enquadr->setText(Format(enquadramento_.Fields(QStringLiteral("Denquadra")).toDate(), u"dd/mm/yyyy"));
}

void frmEmpresas::MostraCapital(qint64 codauto) {
    contrato_ = LeCapitais(conexaoContrato_, codauto);
    if (contrato_.Eof()) return;
    lblCapital->setText(Format(contrato_.Fields(QStringLiteral("capital")).toCurrency(), u"###,###,##0.00"));
}

// A run-time error of the search ends at its last step, the focus in the key field.
void frmEmpresas::cmdPesquisar_Click() {
    try {
        if (Trim(txtCodigo->text()).isEmpty()) {
            Geral::TituloPesquisa = QStringLiteral("Pesquisa de Empresas");
            Geral::TabelaPesquisa = QStringLiteral("Empresas");
            frmPesqJur pesquisa(this);
            platform::ui::ShowModal(pesquisa);
        }
        if (Geral::Cancelado) {
            Geral::Cancelado = false;
            setFocusTo(txtCodigo);
        } else {
            txtCodigo->setText(Geral::ChaveComum);
            setFocusTo(txtCodigo);
            platform::ui::postTab();
        }
    } catch (const std::exception&) {
    }
    setFocusTo(txtCodigo);
    Geral::SelecionaTexto();
}

// A run-time error of the lookup or the search ends at the last step, the focus in the code field.
void frmEmpresas::cmdPesqMun_Click() {
    try {
        if (!txtCidade->text().isEmpty() && !txtUf->text().isEmpty()) {
            const QString codigo = Geral::CodigoMunicipio(txtUf->text(), txtCidade->text());
            if (txtCMun->text().size() == 7 && txtCMun->text() == codigo) {
                MsgBox(QStringLiteral("O código do Município ") + txtCidade->text() + u'(' + txtUf->text() +
                       QStringLiteral(") é ") + codigo + QStringLiteral(" e está correto !"));
                return;
            }
            if (txtCMun->text().size() != 7 && !codigo.isEmpty()) {
                txtCMun->setText(codigo);
                txtPais->setText(PaisBrasil);
                txtCPais->setText(CodigoPaisBrasil);
                return;
            }
        }
        Geral::TituloPesquisa = QStringLiteral("Pesquisa de Municípios");
        Geral::TabelaPesquisa = QStringLiteral("Municipios");
        Geral::CidadePesquisa = Trim(txtCidade->text());
        Geral::UfPesquisa = txtUf->text();
        registers::frmPesqMun municipios(this);
        platform::ui::ShowModal(municipios);
        if (Geral::Cancelado) {
            Geral::Cancelado = false;
            setFocusTo(txtCMun);
        } else {
            txtCMun->setText(Geral::ChaveComum);
            txtUf->setText(Geral::UfPesquisa);
            txtCidade->setText(Geral::CidadePesquisa);
            setFocusTo(txtCMun);
            platform::ui::postTab();
        }
    } catch (const std::exception&) {
    }
    setFocusTo(txtCMun);
}

// The municipality, its country and the jump to the CNPJ come only while a new company is entered.
void frmEmpresas::mskCep_LostFocus() {
    if (mskCep->Text() == MascaraVazia(MascaraCep)) return;
    mskCep->setPromptInclude(false);
    const QString semPrompt = Trim(mskCep->Text());
    mskCep->setPromptInclude(true);
    if (semPrompt.size() < 8 || mskCep->Text() == QStringLiteral("00000-000")) {
        setFocusTo(mskCep);
        Geral::SelecionaTexto();
        return;
    }
    if (!Inclusao_) return;
    txtCMun->setText(Geral::CodigoMunicipio(txtUf->text(), txtCidade->text()));
    if (txtCMun->text().isEmpty()) return;
    txtPais->setText(PaisBrasil);
    txtCPais->setText(CodigoPaisBrasil);
    setFocusTo(mskCgc);
}

void frmEmpresas::mskCgc_LostFocus() {
    const QString digitos = Trim(mskCgc->ClipText());
    if (!digitos.isEmpty() && !Geral::ValidaCGC(digitos)) {
        setFocusTo(mskCgc);
        Geral::SelecionaTexto();
    }
}

void frmEmpresas::txtUf_LostFocus() {
    if (!Trim(txtUf->text()).isEmpty() && !Geral::ExisteUF(txtUf->text())) {
        setFocusTo(txtUf);
        Geral::SelecionaTexto();
        MsgBox(QStringLiteral("Sigla do Estado Inválido, digite corretamente ou deixe o campo vazio"),
               Critical, QStringLiteral("Erro"));
        return;
    }
    txtUf->setText(txtUf->text().toUpper());
}

DadosEmpresa frmEmpresas::Dados(qint64 codigo) const {
    DadosEmpresa e;
    e.codigo = codigo;
    e.nome = txtNome->text();
    e.endereco = txtendereco->text();
    e.numero = txtNumero->text();
    e.complemento = txtcomplemento->text();
    e.bairro = txtBairro->text();
    e.cidade = txtCidade->text();
    e.uf = txtUf->text();
    e.cep = mskCep->Text();
    e.cMun = txtCMun->text();
    e.xPais = txtPais->text();
    e.cPais = txtCPais->text();
    e.cgc = mskCgc->Text();
    e.inscr_estadual = txtInscrEstadual->text();
    e.cei = mskCei->Text();
    e.ccm = mskCcm->Text();
    e.data_cadastro = tdbcadastro->Value();
    e.cnae = mskCnae->Text();
    e.situ = CodigoDe(Lista::Situacao, cmbSituacao->currentIndex());
    e.atividade = txtAtividade->text();
    e.contato1 = txtcontato1->text();
    e.contato2 = txtcontato2->text();
    e.ddd = txtDdd->text();
    e.fax = txtFax->text();
    e.fone1 = txtFone1->text();
    e.fone2 = txtFone2->text();
    e.email = txtEmail->text();
    e.homepage = txtHomepage->text();
    e.perc_ipi = tdbadipi->Value();
    e.perc_convenio = tdbadconvenio->Value();
    e.irpj_vendas = tdbpercvendas->Value();
    e.irpj_servicos = tdbpercservicos->Value();
    e.tipo_empresa = CodigoDe(Lista::TipoEmpresa, cmbTipo_empresa->currentIndex());
    e.fundacao = tdbfundacao->Value();
    e.tpescri = CodigoDe(Lista::TpEscri, cmbTpEscri->currentIndex());
    e.tpipi = CodigoDe(Lista::TpIpi, cmbTpIpi->currentIndex());
    e.tpiss = CodigoDe(Lista::TpIss, cmbTpIss->currentIndex());
    e.icms = CodigoDe(Lista::Icms, cmbIcms->currentIndex());
    e.gricms = CodigoDe(Lista::GrIcms, cmbGrIcms->currentIndex());
    e.sp = CodigoDe(Lista::Sp, cmbSp->currentIndex());
    e.observacao = txtObserv->Text();
    return e;
}

// A new company stops being new only once its row is written; an update that finds no row (the
// company was deleted meanwhile) writes nothing and keeps the window as it is.
void frmEmpresas::cmdGravar_Click() {
    Geral::ChaveComum = txtCodigo->text();
    enquadramentoGravado_ = lblEnquadramento->text();
    desdeGravado_ = Trim(lblD_enquadr->text());
    for (X::TDBNumber* n : {tdbadipi, tdbadconvenio, tdbpercvendas, tdbpercservicos}) n->commitEdit();
    for (X::TDBDate* d : {tdbcadastro, tdbfundacao}) d->commitEdit();
    VerificaGravacao(
        conexaoRegistro_,
        {Geral::ChaveComum, Inclusao_, txtNome->text(), txtUf->text(), cmbSituacao->currentText()},
        registro_);
    if (!shell::ConcluiErros()) return;
    const DadosEmpresa empresa = Dados(*ChaveNumerica(Geral::ChaveComum));
    if (Inclusao_) {
        InsereEmpresa(conexaoRegistro_, empresa);
        Inclusao_ = false;
    } else if (AtualizaEmpresa(conexaoRegistro_, empresa) == 0) {
        MsgBox(QStringLiteral("Registro não encontrado, a gravação não foi realizada !"), Critical,
               QStringLiteral("Atenção"));
        return;
    }
    Botao(1);
    setFocusTo(txtCodigo);
}

void frmEmpresas::cmdApagar_Click() {
    const qint64 codauto = registro_.Fields(QStringLiteral("codauto")).toLongLong();
    Geral::ChaveComum = QString::number(codauto);
    if (MsgBox(QStringLiteral("Deseja Realmente Excluir Este Registro ? Todos os Sócios, Enquadramentos, "
                              "Alterações de Contrato e outras informações vinculados a empresa serão "
                              "excluídas !"),
               platform::ui::Msg::YesNo | Critical | platform::ui::Msg::DefaultButton2,
               QStringLiteral("Atenção...")) != platform::ui::Msg::Yes)
        return;
    ExcluiEmpresa(conexaoRegistro_, registro_.Fields(QStringLiteral("codigo")).toLongLong(), codauto);
    Botao(1);
    setFocusTo(txtCodigo);
}

void frmEmpresas::cmdCancelar_Click() {
    Inclusao_ = false;
    Botao(1);
    setFocusTo(txtCodigo);
}

// The tax-regime rows are kept by the company number.
void frmEmpresas::cmdEnquadra_Click() {
    const qint64 codigo = registro_.Fields(QStringLiteral("codigo")).toLongLong();
    Geral::ChaveComum = QString::number(codigo);
    frmTenquad enquadramentos(this);
    platform::ui::ShowModal(enquadramentos);
    if (Geral::Alterado) {
        Geral::Alterado = false;
        lblEnquadramento->clear();
        lblD_enquadr->clear();
        MostraEnquadramento(codigo);
    }
    if (QLabel* titulo = lblTit(destaqueGuardado_))
        platform::ui::setForeColor(titulo, platform::ui::CaptionNormal);
    setFocusTo(tdbadipi);
}

// The contract changes are kept by the automatic number.
void frmEmpresas::cmdContrato_Click() {
    const qint64 codauto = registro_.Fields(QStringLiteral("codauto")).toLongLong();
    Geral::ChaveComum = QString::number(codauto);
    frmCsocial contratos(this);
    platform::ui::ShowModal(contratos);
    if (Geral::Alterado) {
        Geral::Alterado = false;
        lblCapital->clear();
        MostraCapital(codauto);
    }
    if (QLabel* titulo = lblTit(destaqueGuardado_))
        platform::ui::setForeColor(titulo, platform::ui::CaptionNormal);
    setFocusTo(tdbfundacao);
}

// The sheet shows what the save has just written: a save refused by its rules prints nothing, and so
// does a company no longer in the table. The save leaves the window idle, so the regime comes from
// the texts it kept and the capital from the contract rows read when the company was loaded or its
// contract changes were last edited.
void frmEmpresas::cmdImprimir_Click() {
    platform::ui::HourglassGuard ampulheta;
    cmdGravar_Click();
    if (Geral::ComErros) return;
    const auto codigo = ChaveNumerica(Geral::ChaveComum);
    if (!codigo) return;
    registro_ = LeEmpresa(conexaoRegistro_, *codigo);
    if (registro_.Eof()) return;
    Geral::Contador1 = 0;

    ExtrasEmpresa extras{enquadramentoGravado_, desdeGravado_, {}};
    if (contrato_.State() == platform::db::ObjectState::Open && contrato_.RecordCount() > 0) {
        contrato_.MoveFirst();
        extras.capatual = contrato_.Fields(QStringLiteral("capital")).toCurrency();
    }
    ImprimeEmpresa(registro_, extras);
}

void frmEmpresas::cmdSair_Click() { Unload(); }

}  // namespace Empresas
