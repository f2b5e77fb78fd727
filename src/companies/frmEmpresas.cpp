#include "companies/frmEmpresas.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "companies/CampoEmpresa.h"
#include "companies/CamposEmpresa.h"
#include "companies/RegrasEmpresa.h"
#include "companies/RelatorioEmpresa.h"
#include "companies/frmCsocial.h"
#include "companies/frmTenquad.h"
#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "registers/BlocoEndereco.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/ListaPesquisa.h"
#include "shell/RotinasControles.h"

namespace Empresas {

namespace X = platform::controls;
using platform::ui::setFocusTo;
using platform::ui::Msg::Critical;
using platform::values::Format;
using platform::values::Trim;

// The company register on the record-window frame: the window reads and writes its many fields
// itself and deletes a company with its dependants.
class CadastroEmpresas : public shell::JanelaCadastro {
  public:
    CadastroEmpresas(frmEmpresas& janela, shell::DefinicaoCadastro definicao)
        : JanelaCadastro(janela, std::move(definicao)), w_(janela) {}

  protected:
    // The key is looked up only in the idle state: the focus that a state change moves through the
    // key field is no lookup.
    bool ConsultaPermitida() const override { return EstadoAtual() == shell::Ocioso && !Inclusao(); }

    // A key that is no number above 0 is left alone without a word; a number is shown without its
    // leading zeros while it is looked up, and a new company keeps it as typed.
    std::optional<QString> ChaveAceita(const QString& texto) override {
        const auto codigo = ChaveNumerica(texto);
        if (!codigo || *codigo <= 0) return std::nullopt;
        w_.txtCodigo->setText(QString::number(*codigo));
        return texto;
    }

    void MostraRegistro() override {
        Geral::HabilitaCampos(&w_, true);
        w_.CarregaRegistro();
    }

    void TestaRegras() override { w_.TestaRegras(); }
    void GravaRegistro(bool inclusao) override {
        const DadosEmpresa empresa = w_.Dados(*ChaveNumerica(ChaveAtual()));
        if (inclusao)
            InsereEmpresa(Conexao(), empresa);
        else
            AtualizaEmpresa(Conexao(), empresa);
    }
    void ApagaRegistro() override {
        ExcluiEmpresa(Conexao(), Registro().Fields(QStringLiteral("codigo")).toLongLong(),
                      Registro().Fields(QStringLiteral("codauto")).toLongLong());
    }
    void AjustaBotao(shell::EstadoCadastro estado) override { w_.AjustaBotao(estado); }

  private:
    frmEmpresas& w_;
};

frmEmpresas::frmEmpresas(QWidget* parent) : Form(parent) {
    Monta();
    shell::DefinicaoCadastro d;
    d.tabela = QStringLiteral("Empresas");
    d.colunaChave = QStringLiteral("codigo");
    d.tipoChave = shell::TipoColuna::Numero;
    d.chave = txtCodigo;
    shell::CampoCadastro nome;
    nome.controle = txtNome;
    nome.destaca = false;
    d.campos = {nome};
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdApagar = cmdApagar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.cmdPesquisar = cmdPesquisar;
    d.cmdImprimirRegistro = cmdImprimir;
    d.controles = {{cmdPesqMun, {shell::Carregado, shell::Novo}}};
    d.perguntaExclusao = QStringLiteral(
        "Deseja Realmente Excluir Este Registro ? Todos os Sócios, Enquadramentos, Alterações de Contrato e "
        "outras informações vinculados a empresa serão excluídas !");
    d.estiloExclusao = platform::ui::Msg::YesNo | Critical | platform::ui::Msg::DefaultButton2;
    // The movement windows keep the working period.
    d.colunasAlheias = {QStringLiteral("mes_base_fiscal")};
    cadastro_ = new CadastroEmpresas(*this, std::move(d));
    cadastro_->Liga();
    endereco_ = new registers::BlocoEndereco(
        *this, {txtCidade, txtUf, mskCep, txtCMun, txtPais, txtCPais, cmdPesqMun},
        {[this] { return cadastro_->Inclusao(); },
         [this] { return cadastro_->EstadoAtual() != shell::Ocioso; },
         [this] { platform::ui::setFocusTo(mskCgc); }, false});
    Liga();
}

frmEmpresas::~frmEmpresas() = default;

shell::JanelaCadastro& frmEmpresas::Cadastro() { return *cadastro_; }
int frmEmpresas::Estado() const { return cadastro_->EstadoAtual(); }

void frmEmpresas::Form_Load() { cadastro_->Form_Load(); }

void frmEmpresas::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

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

// The tax-regime and contract buttons are left as they are by the idle state.
void frmEmpresas::AjustaBotao(shell::EstadoCadastro estado) {
    if (estado != shell::Ocioso) {
        cmdEnquadra->setEnabled(estado == shell::Carregado);
        cmdContrato->setEnabled(estado == shell::Carregado);
    }
    if (estado == shell::Novo) {
        Geral::HabilitaCampos(this, true);
        PreencheCombos();
        Geral::LimpaCampos(this);
        LimpaMask();
        txtCodigo->setText(Geral::ChaveComum);
    }
    if (estado != shell::Ocioso) return;
    Geral::LimpaCampos(this);
    PreencheCombos();
    LimpaMask();
    Geral::HabilitaCampos(this, false);
    txtCodigo->setEnabled(true);
    X::setBackColor(txtCodigo, X::White);
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
    const std::pair<X::MaskEdBox*, const QString*> caixas[] = {
        {mskCei, &MascaraCei}, {mskCgc, &MascaraCgc}, {mskCcm, &MascaraCcm}, {mskCnae, &MascaraCnae}};
    endereco_->LimpaCep();
    for (auto [caixa, mascara] : caixas) {
        caixa->setMask(QString());
        caixa->setText(MascaraVazia(*mascara));
        caixa->setMask(*mascara);
    }
    lblCapital->clear();
    lblEnquadramento->clear();
    lblD_enquadr->clear();
}

void frmEmpresas::txtCodigo_GotFocus() {
    if (!txtCodigo->text().isEmpty()) Geral::SelecionaTexto();
}

void frmEmpresas::txtCodigo_KeyPress(int& KeyAscii) {
    if ((KeyAscii < '0' || KeyAscii > '9') && KeyAscii != 8) KeyAscii = 0;
}

void frmEmpresas::CarregaRegistro() {
    const Recordset& r = cadastro_->Registro();
    const auto texto = [&r](const char* coluna) { return r.Fields(QString::fromLatin1(coluna)).toString(); };
    txtCodigo->setText(texto("codigo"));
    // A stored text a field cannot show whole is named, and a save writes it back as stored.
    QStringList guardados;
    const auto guarda = [&](QWidget* campo, const char* coluna) {
        shell::GuardaTexto(guardados, campo, QLatin1String(coluna), texto(coluna));
    };
    for (const CampoTexto& c : CamposTexto()) {
        c.campo->setText(texto(c.coluna));
        guarda(c.campo, c.coluna);
    }
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
    guarda(txtObserv, "observacao");
    MostraEnquadramento(r.Fields(QStringLiteral("codigo")).toLongLong());
    MostraCapital(r.Fields(QStringLiteral("codauto")).toLongLong());
    const std::pair<Lista, const char*> codigos[] = {{Lista::TpEscri, "tpescri"}, {Lista::TpIpi, "tpipi"},
                                                     {Lista::TpIss, "tpiss"},     {Lista::Icms, "icms"},
                                                     {Lista::GrIcms, "gricms"},   {Lista::Sp, "sp"}};
    for (auto [lista, coluna] : codigos) Combo(lista)->setCurrentIndex(IndiceDe(lista, texto(coluna)));
    shell::AvisaValoresGuardados(guardados, QStringLiteral("registro"));
}

// Without a tax-regime row the labels stay as they are: empty, since a company is only loaded from idle.
void frmEmpresas::MostraEnquadramento(qint64 codigo) {
    enquadramento_ = LeEnquadramentos(cadastro_->Conexao(), codigo);
    if (enquadramento_.Eof()) return;
    lblEnquadramento->setText(enquadramento_.Fields(QStringLiteral("Descricao")).toString());
    lblD_enquadr->setText(Format(enquadramento_.Fields(QStringLiteral("Denquadra")).toDate(), u"dd/mm/yyyy"));
}

void frmEmpresas::MostraCapital(qint64 codauto) {
    contrato_ = LeCapitais(cadastro_->Conexao(), codauto);
    if (contrato_.Eof()) return;
    lblCapital->setText(Format(contrato_.Fields(QStringLiteral("capital")).toCurrency(), u"###,###,##0.00"));
}

void frmEmpresas::cmdPesquisar_Click() {
    shell::PesquisaDaChave(txtCodigo, Trim(txtCodigo->text()).isEmpty(),
                           [this] { return EscolheEmpresa(this); });
}

void frmEmpresas::mskCgc_LostFocus() {
    const QString digitos = Trim(mskCgc->ClipText());
    if (!digitos.isEmpty() && !Geral::ValidaCGC(digitos)) {
        setFocusTo(mskCgc);
        Geral::SelecionaTexto();
    }
}

std::vector<frmEmpresas::CampoTexto> frmEmpresas::CamposTexto() const {
    using D = DadosEmpresa;
    return {{txtNome, "nome", &D::nome},
            {txtendereco, "endereco", &D::endereco},
            {txtNumero, "numero", &D::numero},
            {txtcomplemento, "complemento", &D::complemento},
            {txtBairro, "bairro", &D::bairro},
            {txtCidade, "cidade", &D::cidade},
            {txtUf, "uf", &D::uf},
            {txtInscrEstadual, "inscr_estadual", &D::inscr_estadual},
            {txtAtividade, "atividade", &D::atividade},
            {txtcontato1, "contato1", &D::contato1},
            {txtcontato2, "contato2", &D::contato2},
            {txtDdd, "ddd", &D::ddd},
            {txtFax, "fax", &D::fax},
            {txtFone1, "fone1", &D::fone1},
            {txtFone2, "fone2", &D::fone2},
            {txtEmail, "email", &D::email},
            {txtHomepage, "homepage", &D::homepage},
            {txtCMun, "cMun", &D::cMun},
            {txtPais, "xPais", &D::xPais},
            {txtCPais, "cPais", &D::cPais}};
}

DadosEmpresa frmEmpresas::Dados(qint64 codigo) const {
    DadosEmpresa e;
    e.codigo = codigo;
    for (const CampoTexto& c : CamposTexto()) e.*c.membro = shell::TextoGravado(c.campo);
    e.cep = mskCep->Text();
    e.cgc = mskCgc->Text();
    e.cei = mskCei->Text();
    e.ccm = mskCcm->Text();
    e.data_cadastro = tdbcadastro->Value();
    e.cnae = mskCnae->Text();
    e.situ = CodigoDe(Lista::Situacao, cmbSituacao->currentIndex());
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
    e.observacao = shell::TextoGravado(txtObserv);
    return e;
}

// The save keeps the tax-regime texts for the print that follows it.
void frmEmpresas::TestaRegras() {
    enquadramentoGravado_ = lblEnquadramento->text();
    desdeGravado_ = Trim(lblD_enquadr->text());
    for (X::TDBNumber* n : {tdbadipi, tdbadconvenio, tdbpercvendas, tdbpercservicos}) n->commitEdit();
    // A date the focus never left (set by a lookup, or reached by a shortcut) is checked here too.
    for (X::TDBDate* d : {tdbcadastro, tdbfundacao})
        if (!d->TextoValido()) shell::AdicionaErro(shell::ErroFatal, QStringLiteral("Data inválida !"));
    Recordset atual;
    shell::AdicionaErros(VerificaGravacao(cadastro_->Conexao(),
                                          {txtCodigo->text(), cadastro_->Inclusao(), txtNome->text(),
                                           txtUf->text(), cmbSituacao->currentText()},
                                          atual));
}

// The tax-regime rows are kept by the company number.
void frmEmpresas::cmdEnquadra_Click() {
    const qint64 codigo = cadastro_->Registro().Fields(QStringLiteral("codigo")).toLongLong();
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
    const qint64 codauto = cadastro_->Registro().Fields(QStringLiteral("codauto")).toLongLong();
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
    if (!cadastro_->Grava()) return;
    const auto codigo = ChaveNumerica(Geral::ChaveComum);
    if (!codigo) return;
    const Recordset registro = LeEmpresa(cadastro_->Conexao(), *codigo);
    if (registro.Eof()) return;
    Geral::Contador1 = 0;

    ExtrasEmpresa extras{enquadramentoGravado_, desdeGravado_, {}};
    if (contrato_.State() == platform::db::ObjectState::Open && contrato_.RecordCount() > 0) {
        contrato_.MoveFirst();
        extras.capatual = contrato_.Fields(QStringLiteral("capital")).toCurrency();
    }
    ImprimeEmpresa(registro, extras);
}

}  // namespace Empresas
