#include "movement/frmMovIss.h"

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
#include <algorithm>

#include "companies/empresas_sql.h"
#include "movement/ArquivoMovimento.h"
#include "movement/CadastroMovimento.h"
#include "movement/CamposMes.h"
#include "movement/EmpresaPeriodo.h"
#include "movement/RegrasIss.h"
#include "movement/ValoresGuardados.h"
#include "movement/frmMovPesq.h"
#include "movement/movimento_sql.h"
#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/ListaPesquisa.h"
#include "shell/RotinasControles.h"

namespace movimento {

using platform::controls::setBackColor;
using platform::values::Currency;
using shell::EstadoCadastro;
namespace values = platform::values;

// The movement frame with this window's own rules and statements.
class CadastroIss : public CadastroMovimento {
  public:
    CadastroIss(frmMovIss& janela, shell::DefinicaoCadastro definicao, CamposMes<DocumentoIss> campos)
        : CadastroMovimento(janela, std::move(definicao), janela.mskCodigo),
          janela_(janela),
          campos_(std::move(campos)) {}

    // The document as the fields hold it, the type by its code.
    DocumentoIss DocumentoDaJanela() const {
        DocumentoIss d = campos_.Le();
        d.tipo = QString(CodigoTipoIss(d.tipo));
        return d;
    }

    // The tax is computed only from what the clerk typed: a stored document whose type, amounts and
    // rate nobody changed keeps its rate and ISS, even where the window cannot show its type.
    bool CalculaIss() const {
        const auto& j = janela_;
        const std::initializer_list<const QWidget*> origens = {j.cmbTipo, j.tdbVlrNota, j.tdbAliq, j.tdbSempr,
                                                               j.tdbVmateriais};
        return Inclusao() || std::any_of(origens.begin(), origens.end(),
                                         [](const QWidget* c) { return !shell::CampoIntacto(c); });
    }

  protected:
    // After a save the next document is still "new": a code typed then that is not found is ignored.
    bool IncluiChaveDesconhecida() override {
        if (!janela_.NovoRegistro) AvisaNaoCadastrado();
        return false;
    }

    // A model-51 document keeps the deductions it was stored with, out of sight.
    void MostraRegistro() override {
        auto& j = janela_;
        j.NovoRegistro = false;
        carregado_ = LeDocumentoDaLinha<DocumentoIss>(Registro());
        DocumentoIss d = carregado_;
        const QString& codigo = d.tipo;
        const int tipo =
            codigo.size() == 1 && codigo[0] >= u'0' && codigo[0] <= u'3' ? codigo[0].unicode() - u'0' : -1;
        if (!j.Modelo53()) d.subempr = d.materiais = Currency();
        j.mskCodigo->setText(Geral::Zeros(d.codauto, 6));
        campos_.Mostra(d);
        j.cmbTipo->setCurrentIndex(tipo);
        QStringList nomes = DatasForaDoMes(j.Empresa().Periodo(), d.datalan, nullptr, false);
        nomes << campos_.Guarda(d);
        shell::AvisaValoresGuardados(nomes, QStringLiteral("documento"));
    }

    void TestaRegras() override {
        const RegrasIss r = TestaRegrasIss(DocumentoDaJanela(), janela_.Modelo53());
        if (r.zeraIss && CalculaIss()) {
            janela_.tdbAliq->setValue(Currency());
            janela_.tdbIss->setValue(Currency());
        }
        for (const auto& e : r.erros) shell::AdicionaErro(e.severidade, e.mensagem);
    }

    // The numbers as their digits ("0" for no last number), the type by its code; a model-51 change
    // writes back the deductions it was loaded with.
    platform::db::ColumnList ColunasRegistro() const override {
        DocumentoIss d = DocumentoDaJanela();
        d.docinicial = QString::number(NumeroDoc(d.docinicial));
        d.docfinal = QString::number(NumeroDoc(d.docfinal));
        if (!janela_.Modelo53() && !Inclusao()) {
            d.subempr = carregado_.subempr;
            d.materiais = carregado_.materiais;
        }
        return campos_.Gravadas(d, campos_.Colunas());
    }

    // A single-number document stores no last number; numbers loaded and not typed over stay as stored.
    void GravaRegistro(bool inclusao) override {
        auto& j = janela_;
        const bool intactos = shell::CampoIntacto(j.txtNinicio) && shell::CampoIntacto(j.txtNfim);
        if (!intactos && NumeroDoc(j.txtNinicio->text()) == NumeroDoc(j.txtNfim->text())) j.txtNfim->clear();
        JanelaCadastro::GravaRegistro(inclusao);
        if (inclusao) proximo_ = ChaveAtual().toLongLong() + 1;
    }

    void AjustaBotao(EstadoCadastro estado) override {
        auto& j = janela_;
        if (proximo_ > 0) {
            j.ProximoCodigo = proximo_;
            proximo_ = 0;
        }
        AjustaEmpresa(estado, j.txtCodigo, j.tdbAnomes, j.Empresa());
        if (estado == shell::Ocioso || estado == shell::SemEmpresa) j.cmbTipo->setCurrentIndex(-1);
        if (estado == shell::Carregado) j.AjustaModelo();
    }

    QWidget* FocoAposGravar() const override {
        return janela_.NovoRegistro ? static_cast<QWidget*>(janela_.cmdNovo) : janela_.mskCodigo;
    }

    void AoFechar() override { janela_.Empresa().Form_Unload(); }

  private:
    frmMovIss& janela_;
    CamposMes<DocumentoIss> campos_;
    DocumentoIss carregado_;
    // The code after the one just inserted, taken over once the save has ended.
    qint64 proximo_ = 0;
};

namespace {
QPushButton* Botao(QWidget* dono, const char* nome, const char* texto) {
    return platform::ui::FormBuilder::button(dono, nome, texto, "");
}
platform::controls::TDBNumber* Valor(QWidget* dono) { return new platform::controls::TDBNumber(dono); }
void SoDigitos(QLineEdit* campo) {
    campo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), campo));
}
}  // namespace

frmMovIss::frmMovIss(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmMovIss"));
    setWindowTitle(QStringLiteral("Movimento de ISS"));
    // The picture of its toolbar button.
    setWindowIcon(style()->standardIcon(QStyle::SP_FileLinkIcon));
    Constroi();

    shell::DefinicaoCadastro d;
    d.colunaChave = QStringLiteral("codauto");
    d.tipoChave = shell::TipoColuna::Numero;
    d.chaveAutomatica = true;
    d.procura = shell::Procura::Codigo;
    d.chave = mskCodigo;
    CamposMes<DocumentoIss> campos({{tdbData, "datalan"},
                                    {txtCodServ, "codserv"},
                                    {txtSerie, "serie"},
                                    {txtNinicio, "docinicial"},
                                    {txtNfim, "docfinal"},
                                    {txtTalao, "talao"},
                                    {tdbVlrNota, "base"},
                                    {tdbAliq, "aliq"},
                                    {tdbIss, "iss"},
                                    {cmbTipo, "tipo"},
                                    {tdbIr, "ir"},
                                    {txtObs, "observ"},
                                    {tdbSempr, "subempr"},
                                    {tdbVmateriais, "materiais"}});
    // The numbers are written as their digits and the type as its code: a stored value that would
    // not come back so is kept.
    const auto numero = [](const platform::db::Param& p) {
        return platform::db::Param(QString::number(NumeroDoc(std::get<QString>(p.value()))));
    };
    campos.DefineEscrita(txtNinicio, numero);
    campos.DefineEscrita(txtNfim, numero);
    campos.DefineEscrita(cmbTipo, [](const platform::db::Param& p) {
        return platform::db::Param(QString(CodigoTipoIss(std::get<QString>(p.value()))));
    });
    d.campos = campos.Campos();
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdApagar = cmdApagar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.cmdPesquisar = cmdPesquisar;
    using shell::Ocioso;
    using shell::SemEmpresa;
    d.controles = {{cmdNovo, {Ocioso}}, {cmdPesqe, {Ocioso, SemEmpresa}}, {fraAtiva, {Ocioso, SemEmpresa}}};
    d.textoGuarda = shell::GuardaCurta.toString();
    cadastro_ = new CadastroIss(*this, std::move(d), std::move(campos));
    cadastro_->Liga();

    empresa_ = new EmpresaPeriodo(*this, {txtCodigo, tdbAnomes, lblNome, nullptr, cmdPesqe, tdbData},
                                  cadastro_->Conexao());
    empresa_->tabAposPesquisa = true;
    empresa_->gravaPeriodo = true;
    empresa_->fechada = [this] { cadastro_->Botao(shell::SemEmpresa); };
    empresa_->aberta = [this](const Abertura& a) { AbreMovimento(a); };

    using namespace platform::ui;
    onClick(cmdNovo, this, &frmMovIss::cmdNovo_Click);
    onClick(cmdPesquisar, this, &frmMovIss::cmdPesquisar_Click);
    onClick(cmdCancelar, [this] { NovoRegistro = false; });
    onLostFocus(tdbAliq, this, &frmMovIss::tdbAliq_LostFocus);
    onLostFocus(tdbVlrNota, this, &frmMovIss::tdbVlrNota_LostFocus);
    onLostFocus(tdbVmateriais, this, &frmMovIss::tdbVmateriais_LostFocus);
    applyTabOrder(this);
}

frmMovIss::~frmMovIss() = default;

shell::JanelaCadastro& frmMovIss::Cadastro() { return *cadastro_; }

bool frmMovIss::Modelo53() const { return windowTitle().endsWith(QLatin1String("53")); }

// The controls, their captions and tab indexes: the document in the order it is keyed, each field's
// caption at its tab index, then the company frame and the buttons.
void frmMovIss::Constroi() {
    using platform::controls::MaskEdBox;
    using platform::controls::TDBDate;
    using platform::ui::FormBuilder;
    int tab = 0;

    auto* documento = new QWidget(this);
    FormBuilder doc(documento, lblTit, tab);
    mskCodigo = doc.field(new MaskEdBox(documento), "mskCodigo", "Número", 0, 0);
    mskCodigo->setMask(QStringLiteral("######"));
    tdbData = doc.field(new TDBDate(documento), "tdbData", "Data", 0, 2);
    txtCodServ = doc.text("txtCodServ", "Cód.Serviço", 10, 1, 0);
    txtSerie = doc.text("txtSerie", "Série", 5, 1, 2);
    txtNinicio = doc.text("txtNinicio", "Nr.Inicial", 6, 2, 0);
    txtNfim = doc.text("txtNfim", "Nr.Final", 6, 2, 2);
    txtTalao = doc.text("txtTalao", "Talão", 10, 2, 4);
    tdbVlrNota = doc.field(Valor(documento), "tdbVlrNota", "Valor da Nota", 3, 0);
    tdbAliq = doc.field(Valor(documento), "tdbAliq", "Aliq.", 3, 2);
    tdbIss = doc.field(Valor(documento), "tdbIss", "I.S.S.", 3, 4);
    cmbTipo = doc.field(new QComboBox(documento), "cmbTipo", "Tipo", 4, 0, 3);
    cmbTipo->setEditable(false);
    tdbIr = doc.field(Valor(documento), "tdbIr", "I.R. Fonte", 4, 4);
    txtObs = doc.text("txtObs", "Observações", 50, 5, 0, 5);
    fra53 = new QGroupBox(QStringLiteral(" Modelo 53"), documento);
    fra53->setObjectName(QStringLiteral("fra53"));
    FormBuilder modelo(fra53, lblTit, tab);
    tdbSempr = modelo.field(Valor(fra53), "tdbSempr", "S/Empreitadas", 0, 0);
    tdbVmateriais = modelo.field(Valor(fra53), "tdbVmateriais", "Materiais", 0, 2);
    doc.layout()->addWidget(fra53, 6, 0, 1, 6);
    for (QLineEdit* campo : {txtCodServ, txtNinicio, txtNfim, txtTalao}) SoDigitos(campo);

    fraAtiva = new QGroupBox(QStringLiteral("Código - Data Base - Empresa Ativa"), this);
    fraAtiva->setObjectName(QStringLiteral("fraAtiva"));
    FormBuilder ativa(fraAtiva, lblTit, tab);
    txtCodigo = ativa.field(new QLineEdit(fraAtiva), "txtCodigo", "", 0, 0);
    tdbAnomes = ativa.field(new TDBDate(fraAtiva), "tdbAnomes", "", 0, 2);
    tdbAnomes->setDisplayFormat(QString::fromLatin1(TDBDate::PeriodFormat));
    lblNome = new QLabel(fraAtiva);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    ativa.layout()->addWidget(lblNome, 0, 4);
    ativa.layout()->setColumnStretch(4, 1);
    cmdPesqe = ativa.next(Botao(fraAtiva, "cmdPesqe", "A&tivar"), "cmdPesqe");
    ativa.layout()->addWidget(cmdPesqe, 0, 5);

    cmdPesquisar = Botao(this, "cmdPesquisar", "&Pesquisar");
    cmdNovo = Botao(this, "cmdNovo", "&Novo");
    cmdCancelar = Botao(this, "cmdCancelar", "&Cancelar");
    cmdGravar = Botao(this, "cmdGravar", "&Gravar");
    cmdApagar = Botao(this, "cmdApagar", "&Apagar");
    cmdSair = Botao(this, "cmdSair", "&Sair");
    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {cmdPesquisar, cmdNovo, cmdCancelar, cmdGravar, cmdApagar, cmdSair}) {
        botoes->addWidget(b);
        platform::ui::setTabIndex(b, tab++);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraAtiva);
    layout->addWidget(documento, 1);
    layout->addLayout(botoes);
    resize(640, 420);
}

void frmMovIss::Form_Load() {
    empresa_->Form_Load();
    cmbTipo->addItems(TiposIss);
    cadastro_->Botao(shell::SemEmpresa);
    // A company code typed at once goes into its field.
    platform::ui::setFocusTo(txtCodigo);
}

void frmMovIss::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

void frmMovIss::RecusaEmpresa(const QString& mensagem) {
    platform::ui::MsgBox(mensagem, platform::ui::Msg::Critical, QStringLiteral("Erro Fatal"));
    empresa_->Fecha();
    txtCodigo->clear();
    platform::ui::setFocusTo(txtCodigo);
}

// The company's model decides the layout; a company of no ISS model gets no session.
void frmMovIss::AbreMovimento(const Abertura& abertura) {
    NovoRegistro = false;
    conexaoMovimento_ = abertura.conexao;
    const QDate periodo = empresa_->Periodo();
    TabelaAtual = TabelaMes(movimento::Iss, periodo.month());
    ProximoCodigo = movimento::ProximoCodigo(cadastro_->Conexao(), TabelaAtual);
    cadastro_->UsaTabela(TabelaAtual);
    auto rs = Empresas::LeEmpresa(empresa_->BancoCadastro(), empresa_->CodigoEmpresa());
    if (rs.Eof()) {
        RecusaEmpresa(QStringLiteral("Erro, Empresa não Cadastrada !"));
        return;
    }
    const QString modelo = rs.Fields(QStringLiteral("TpIss")).toString();
    if (modelo != QLatin1String("51") && modelo != QLatin1String("53")) {
        setWindowTitle(QStringLiteral("Movimento de ISS"));
        for (QWidget* c : {static_cast<QWidget*>(fra53), static_cast<QWidget*>(lblTit(13)),
                           static_cast<QWidget*>(lblTit(14))})
            c->setEnabled(true);
        RecusaEmpresa(
            QStringLiteral("Esta empresa não está classificada para digitação de ISS, no cadastro da "
                           "empresa informe Mod.51 ou Mod.53 para poder digitar ISS !"));
        return;
    }
    setWindowTitle(QStringLiteral("Movimento de ISS - Modelo ") + modelo);
    lblTit(13)->setEnabled(modelo == QLatin1String("53"));
    lblTit(14)->setEnabled(modelo == QLatin1String("53"));
    cadastro_->Botao(shell::Ocioso);
    AjustaModelo();
    platform::ui::setFocusTo(mskCodigo);
}

void frmMovIss::AjustaModelo() {
    const bool m53 = Modelo53();
    fra53->setEnabled(m53);
    for (QWidget* c : {static_cast<QWidget*>(tdbSempr), static_cast<QWidget*>(tdbVmateriais)}) {
        c->setEnabled(m53 && tdbData->isEnabled());
        if (!m53) setBackColor(c, platform::controls::menuColor());
    }
}

void frmMovIss::cmdNovo_Click() {
    NovoRegistro = true;
    const QString codigo = QString::number(static_cast<qint64>(values::Val(mskCodigo->ClipText())));
    if (cadastro_->ExisteChave(codigo)) {
        platform::ui::MsgBox(QStringLiteral("Código Já Cadastrado, Utilize Outro !"),
                             platform::ui::Msg::Exclamation, QStringLiteral("Atenção..."));
        cadastro_->LimpaMask();
        cadastro_->FocaChave();
        return;
    }
    cadastro_->IniciaInclusao();
    AjustaModelo();
    mskCodigo->setText(Geral::Zeros(ProximoCodigo, 6));
    txtSerie->setText(QStringLiteral("A"));
    cmbTipo->setCurrentIndex(0);
    TravaCodigo();
}

void frmMovIss::TravaCodigo() {
    mskCodigo->setEnabled(false);
    if (NovoRegistro) tdbData->setValue(empresa_->Periodo());
    platform::ui::setFocusTo(tdbData);
}

// The result of the search is taken only when the search was shown; a failure in it only gives the
// focus back.
void frmMovIss::cmdPesquisar_Click() {
    if (values::Val(mskCodigo->ClipText()) != 0) return;
    try {
        frmMovPesq pesquisa(PesquisaIss(), conexaoMovimento_, this);
        const auto chave =
            shell::AbrePesquisa(pesquisa, QStringLiteral("Pesquisa de Lançamentos de ISS"), TabelaAtual);
        platform::ui::setFocusTo(mskCodigo);
        if (chave) {
            mskCodigo->setText(*chave);
            platform::ui::postTab();
        }
    } catch (const values::RuntimeError&) {
        platform::ui::setFocusTo(mskCodigo);
    }
}

void frmMovIss::tdbAliq_LostFocus() {
    if (!cadastro_->CalculaIss()) return;
    if (const auto iss = IssCalculado(cadastro_->DocumentoDaJanela(), Modelo53())) tdbIss->setValue(*iss);
}

void frmMovIss::tdbVlrNota_LostFocus() {
    if (Modelo53()) platform::ui::postFocus(tdbSempr);
}

void frmMovIss::tdbVmateriais_LostFocus() {
    if (Modelo53() && cmbTipo->currentText() == TiposIss[0] && tdbAliq->Value().isZero())
        platform::ui::postFocus(tdbAliq);
}

}  // namespace movimento
