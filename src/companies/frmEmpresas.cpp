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

    // The fields come from the frame; the tax regime and capital from their own tables.
    void MostraRegistro() override {
        Geral::HabilitaCampos(&w_, true);
        w_.txtCodigo->setText(Registro().Fields(QStringLiteral("codigo")).toString());
        JanelaCadastro::MostraRegistro();
        w_.MostraEnquadramento(Registro().Fields(QStringLiteral("codigo")).toLongLong());
        w_.MostraCapital(Registro().Fields(QStringLiteral("codauto")).toLongLong());
    }

    void TestaRegras() override { w_.TestaRegras(); }
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
    d.campos = Campos();
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

// A stored number the clerk did not edit is not checked again. Wrong check digits are told and keep
// the focus; a number of another length is sent back without a word by Tab or Enter, and let go by a
// click, the save refusing it.
void frmEmpresas::mskCgc_LostFocus() {
    if (shell::CampoIntacto(mskCgc)) return;
    const QString digitos = Trim(mskCgc->ClipText());
    if (!digitos.isEmpty() && !Geral::ValidaCGC(digitos)) {
        if (digitos.size() != 14 && platform::ui::leavingByChoice()) return;
        setFocusTo(mskCgc);
        Geral::SelecionaTexto();
    }
}

// Every field with its column; the captions are lit by the window itself. A list shows the entry of
// its stored code and writes the code of the entry chosen.
std::vector<shell::CampoCadastro> frmEmpresas::Campos() {
    std::vector<shell::CampoCadastro> campos;
    const auto campo = [&campos](QWidget* controle, const char* coluna) -> shell::CampoCadastro& {
        shell::CampoCadastro c;
        c.controle = controle;
        c.coluna = QString::fromLatin1(coluna);
        c.destaca = false;
        campos.push_back(std::move(c));
        return campos.back();
    };
    const std::pair<QWidget*, const char*> simples[] = {{txtNome, "nome"},
                                                        {txtendereco, "endereco"},
                                                        {txtNumero, "numero"},
                                                        {txtcomplemento, "complemento"},
                                                        {txtBairro, "bairro"},
                                                        {txtCidade, "cidade"},
                                                        {txtUf, "uf"},
                                                        {mskCep, "cep"},
                                                        {txtCMun, "cMun"},
                                                        {txtPais, "xPais"},
                                                        {txtCPais, "cPais"},
                                                        {mskCgc, "cgc"},
                                                        {txtInscrEstadual, "inscr_estadual"},
                                                        {mskCei, "cei"},
                                                        {mskCcm, "ccm"},
                                                        {tdbcadastro, "data_cadastro"},
                                                        {txtAtividade, "atividade"},
                                                        {txtcontato1, "contato1"},
                                                        {txtcontato2, "contato2"},
                                                        {txtDdd, "ddd"},
                                                        {txtFax, "fax"},
                                                        {txtFone1, "fone1"},
                                                        {txtFone2, "fone2"},
                                                        {txtEmail, "email"},
                                                        {txtHomepage, "homepage"},
                                                        {tdbadipi, "perc_ipi"},
                                                        {tdbadconvenio, "perc_convenio"},
                                                        {tdbpercvendas, "irpj_vendas"},
                                                        {tdbpercservicos, "irpj_servicos"},
                                                        {tdbfundacao, "fundacao"},
                                                        {txtObserv, "observacao"}};
    for (auto [controle, coluna] : simples) campo(controle, coluna);
    campo(mskCnae, "cnae").mostra = [](QWidget* w, const platform::db::Field& valor) {
        static_cast<X::MaskEdBox*>(w)->setText(CnaeParaTela(valor.toString()));
    };
    const std::pair<Lista, const char*> codigos[] = {
        {Lista::Situacao, "situ"},   {Lista::TipoEmpresa, "tipo_empresa"},
        {Lista::TpEscri, "tpescri"}, {Lista::TpIpi, "tpipi"},
        {Lista::TpIss, "tpiss"},     {Lista::Icms, "icms"},
        {Lista::GrIcms, "gricms"},   {Lista::Sp, "sp"}};
    for (auto [lista, coluna] : codigos) {
        shell::CampoCadastro& c = campo(Combo(lista), coluna);
        c.mostra = [lista](QWidget* w, const platform::db::Field& valor) {
            static_cast<QComboBox*>(w)->setCurrentIndex(IndiceDe(lista, valor.toString()));
        };
        c.escrita = [lista](const platform::db::Param& legenda) {
            return platform::db::Param(CodigoDaLegenda(lista, std::get<QString>(legenda.value())));
        };
    }
    return campos;
}

// The save keeps the tax-regime texts for the print that follows it.
void frmEmpresas::TestaRegras() {
    enquadramentoGravado_ = lblEnquadramento->text();
    desdeGravado_ = Trim(lblD_enquadr->text());
    for (X::TDBNumber* n : {tdbadipi, tdbadconvenio, tdbpercvendas, tdbpercservicos}) n->commitEdit();
    // A date the focus never left (set by a lookup, or reached by a shortcut) is checked here too.
    for (X::TDBDate* d : {tdbcadastro, tdbfundacao})
        if (!d->TextoValido()) shell::AdicionaErro(shell::ErroFatal, QStringLiteral("Data inválida !"));
    endereco_->TestaCep();
    // A number the clerk typed that a click left unchecked.
    if (const QString cgc = Trim(mskCgc->ClipText());
        !shell::CampoIntacto(mskCgc) && !cgc.isEmpty() && !Geral::CgcConfere(cgc))
        shell::AdicionaErro(
            shell::ErroFatal,
            QStringLiteral("C.N.P.J. Inválido, digite os 14 dígitos corretamente ou deixe o campo vazio !"));
    // A stored value the clerk left as it was is checked as stored, not as its field shows it.
    Recordset atual;
    shell::AdicionaErros(
        VerificaGravacao(cadastro_->Conexao(),
                         {txtCodigo->text(), cadastro_->Inclusao(), shell::TextoGravado(txtNome),
                          shell::TextoGravado(txtUf), shell::TextoGravado(cmbSituacao)},
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
