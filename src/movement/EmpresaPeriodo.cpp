#include "movement/EmpresaPeriodo.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "companies/CampoEmpresa.h"
#include "companies/CodigosEmpresa.h"
#include "companies/empresas_sql.h"
#include "platform/controls/Colors.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/values/RuntimeError.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/RotinasControles.h"

namespace movimento {

using platform::controls::TDBDate;
namespace values = platform::values;

namespace {
// The longest company name the registry keeps.
constexpr int TamanhoNome = 50;
}  // namespace

EmpresaPeriodo::EmpresaPeriodo(QWidget& janela, Controles controles, platform::db::Connection& banco)
    : QObject(&janela), c_(controles), banco_(banco) {
    // Pasted text passes the same check as typed keys.
    c_.txtCodigo->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), c_.txtCodigo));
    using namespace platform::ui;
    // The code, the period and the longest name are shown whole, however narrow the window opens.
    fitToText(c_.txtCodigo, QStringLiteral("0000"));
    fitToText(c_.tdbAnomes, QStringLiteral("00/0000"));
    fitToLength(c_.lblNome, TamanhoNome);
    onGotFocus(c_.txtCodigo, this, &EmpresaPeriodo::txtCodigo_GotFocus);
    onLostFocus(c_.txtCodigo, this, &EmpresaPeriodo::txtCodigo_LostFocus);
    onLostFocus(c_.tdbAnomes, this, &EmpresaPeriodo::tdbAnomes_LostFocus);
    connect(c_.tdbAnomes, &QLineEdit::textChanged, this, [this] { MostraCamposDoPeriodo(); });
    onClick(c_.cmdPesqe, this, &EmpresaPeriodo::cmdPesqe_Click);
    onBeforeClick(&janela, [this](QAbstractButton* botao) { return ConfirmaPendente(botao); });
}

void EmpresaPeriodo::Form_Load() { bancoCadastro_.Open(Geral::ConexaoCadastro); }

void EmpresaPeriodo::Form_Unload() {
    rsEmpresa_.Close();
    bancoCadastro_.Close();
}

QString EmpresaPeriodo::PeriodoAtual() const {
    return periodo_.isValid() ? periodo_.toString(QStringLiteral("MM/yyyy")) : QString();
}

void EmpresaPeriodo::CampoDoPeriodo(QWidget* campo, std::function<void()> preenche) {
    campos_.push_back({campo, std::move(preenche)});
    shell::MarcaPreenchido(campo);
    MostraCamposDoPeriodo(true);
}

void EmpresaPeriodo::Repreenche(QWidget* campo) {
    for (CampoPeriodo& c : campos_)
        if (c.campo == campo && aberta_) {
            c.preenche();
            c.preenchido = true;
            shell::MarcaPreenchido(campo);
        }
}

void EmpresaPeriodo::MostraCamposDoPeriodo(bool esquece) {
    const QDate periodo = c_.tdbAnomes->Value();
    const bool doMes = aberta_ && periodo.isValid() && QDate(periodo.year(), periodo.month(), 1) == periodo_;
    for (CampoPeriodo& c : campos_) {
        if (esquece) {
            shell::MarcaPreenchido(c.campo);
            c.preenchido = !doMes;
        }
        if (shell::DigitadoDesde(c.campo) || c.preenchido == doMes) continue;
        c.preenchido = doMes;
        if (doMes) {
            c.preenche();
            continue;
        }
        shell::EsvaziaCampo(c.campo);
        // Blank, not a zero the month does not hold.
        if (auto* numero = qobject_cast<platform::controls::TDBNumber*>(c.campo)) numero->setText(QString());
    }
}

void EmpresaPeriodo::Fecha() {
    banco_.Close();
    aberta_ = false;
    pendente_ = false;
    if (lblTpescri) {
        c_.txtCodigo->setEnabled(true);
        platform::controls::setBackColor(c_.txtCodigo, platform::controls::White);
    }
    if (fechada) fechada();
    MostraCamposDoPeriodo(true);
}

// The name, state and period shown belong to the company being chosen, so they go as soon as the
// choice starts.
void EmpresaPeriodo::EsvaziaEmpresa() {
    c_.tdbAnomes->setEnabled(true);
    c_.tdbAnomes->clear();
    c_.tdbAnomes->setEnabled(false);
    for (QLabel* l : {c_.lblNome, c_.lblUf, lblTpescri}) {
        if (!l) continue;
        l->setEnabled(true);
        l->clear();
        l->setEnabled(false);
    }
}

void EmpresaPeriodo::txtCodigo_GotFocus() {
    EsvaziaEmpresa();
    Fecha();
}

// Closing the window moves the focus out of the company fields after its unload: nothing is looked
// up then.
bool EmpresaPeriodo::Fechando() const { return bancoCadastro_.State() != platform::db::ObjectState::Open; }

void EmpresaPeriodo::txtCodigo_LostFocus() {
    if (Fechando()) return;
    auto empresa = Empresas::LeEmpresaDoCampo(*c_.txtCodigo, bancoCadastro_, Empresas::BotaoLista::Ativar);
    if (!empresa) return;
    rsEmpresa_ = std::move(*empresa);
    if (rsEmpresa_.Eof()) return;
    if (aceita && !aceita(rsEmpresa_)) return;
    c_.tdbAnomes->setEnabled(true);
    platform::controls::setBackColor(c_.tdbAnomes, platform::controls::White);
    codigoEmpresa_ = rsEmpresa_.Fields(QStringLiteral("codigo")).toLongLong();
    c_.lblNome->setEnabled(true);
    c_.lblNome->setText(rsEmpresa_.Fields(QStringLiteral("nome")).toString());
    if (c_.lblUf) {
        c_.lblUf->setEnabled(true);
        c_.lblUf->setText(rsEmpresa_.Fields(QStringLiteral("uf")).toString());
    }
    if (lblTpescri) {
        c_.txtCodigo->setText(Geral::Zeros(codigoEmpresa_, 4));
        c_.txtCodigo->setEnabled(false);
        platform::controls::setBackColor(c_.txtCodigo, platform::controls::buttonFaceColor());
        const QString tipo = rsEmpresa_.Fields(QStringLiteral("tpescri")).toString();
        QString legenda = QStringLiteral(" ");
        for (const auto& e : Empresas::Entradas(Empresas::Lista::TpEscri))
            if (tipo == e.codigo && !tipo.trimmed().isEmpty()) legenda = e.legenda;
        lblTpescri->setEnabled(true);
        lblTpescri->setText(legenda);
    }
    const auto base = rsEmpresa_.Fields(QStringLiteral("mes_base_fiscal"));
    if (!base.isNull()) c_.tdbAnomes->setValue(base.toDate());
    platform::ui::setFocusTo(c_.tdbAnomes);
}

// Tab and Enter confirm the period. A click confirms it only when it lands on a button (the company
// search aside), so that whatever the button prints or writes is of the month the field shows; a
// click into a field confirms nothing, and the month shown waits for the next Tab, Enter or button.
// One left as confirmed keeps its session and the document being typed. The exits never get here.
void EmpresaPeriodo::tdbAnomes_LostFocus() {
    if (Fechando()) return;
    const QDate periodo = c_.tdbAnomes->Value();
    const QDate mostrado = periodo.isValid() ? QDate(periodo.year(), periodo.month(), 1) : QDate();
    if (platform::ui::leavingByChoice()) {
        pendente_ = !aberta_ || mostrado != periodo_;
        QWidget* alvo = platform::ui::chosenWidget();
        if (!pendente_ || !qobject_cast<QAbstractButton*>(alvo) || alvo == c_.cmdPesqe) return;
    }
    Confirma();
}

bool EmpresaPeriodo::ConfirmaPendente(QAbstractButton* botao) {
    if (!pendente_ || botao == c_.cmdPesqe || Fechando()) return true;
    Confirma();
    return aberta_;
}

// The entry date is limited to the period's own days; periods run to the program's last date.
void EmpresaPeriodo::Confirma() {
    pendente_ = false;
    QDate periodo = c_.tdbAnomes->Value();
    if (!periodo.isValid() && semPeriodo) {
        FechaPeriodo(semPeriodo);
        return;
    }
    if (!periodo.isValid()) {
        const QDate hoje = QDate::currentDate();
        periodo = QDate(hoje.year(), hoje.month(), 1);
        c_.tdbAnomes->setValue(periodo);
    }
    periodo = QDate(periodo.year(), periodo.month(), 1);
    if (gravaPeriodo) Empresas::GravaPeriodo(bancoCadastro_, codigoEmpresa_, periodo);
    if (c_.tdbData) {
        c_.tdbData->setMinDate(periodo);
        c_.tdbData->setMaxDate(periodo.addMonths(1).addDays(-1));
    }
    periodo_ = periodo;
    if (somenteExistente && !LocalizaMovimento(codigoEmpresa_, periodo.year())) {
        if (semArquivo) {
            FechaPeriodo(semArquivo);
            return;
        }
        Fecha();
        c_.txtCodigo->clear();
        platform::ui::setFocusTo(c_.txtCodigo);
        return;
    }
    const Abertura abertura = AbreMovimento(banco_, codigoEmpresa_, periodo.year());
    if (!abertura.aberta()) {
        AvisaFalha(abertura);
        Fecha();
        // What the clerk types next is a company code afresh, not digits after the refused one.
        c_.txtCodigo->clear();
        platform::ui::setFocusTo(c_.txtCodigo);
        return;
    }
    aberta_ = true;
    if (aberta) aberta(abertura);
    MostraCamposDoPeriodo();
}

// The company stays chosen; only the session of the previous period ends.
void EmpresaPeriodo::FechaPeriodo(const std::function<void()>& depois) {
    banco_.Close();
    aberta_ = false;
    pendente_ = false;
    periodo_ = QDate();
    depois();
    MostraCamposDoPeriodo();
}

// A failure of the search only gives the focus back, as a cancelled search does.
void EmpresaPeriodo::cmdPesqe_Click() {
    EsvaziaEmpresa();
    Fecha();
    bool escolhida = false;
    try {
        const auto chave = Empresas::EscolheEmpresa(c_.txtCodigo->window());
        if (chave)
            c_.txtCodigo->setText(QString::number(Empresas::NumeroEmpresa(*chave)));
        else
            c_.txtCodigo->clear();
        escolhida = chave.has_value();
    } catch (const values::RuntimeError&) {
    }
    platform::ui::setFocusTo(c_.txtCodigo);
    Geral::SelecionaTexto(c_.txtCodigo);
    if (escolhida && tabAposPesquisa) platform::ui::postTab();
}

}  // namespace movimento
