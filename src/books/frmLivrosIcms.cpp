#include "books/frmLivrosIcms.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "books/Apuracao.h"
#include "books/ConfereDocumento.h"
#include "books/FormulasLivro.h"
#include "books/frmInfoAdi.h"
#include "books/frmPos_Anual.h"
#include "books/livros_sql.h"
#include "books/pos_icms_sql.h"
#include "companies/empresas_sql.h"
#include "movement/ArquivoMovimento.h"
#include "movement/EmpresaPeriodo.h"
#include "movement/movimento_sql.h"
#include "platform/controls/Colors.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/report/PrintEngine.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/RotinasControles.h"

namespace Livros {

using platform::controls::setBackColor;
namespace values = platform::values;

namespace {
QLineEdit* Digitos(QWidget* dono, const char* nome, int tamanho) {
    auto* campo = new QLineEdit(dono);
    campo->setObjectName(QString::fromLatin1(nome));
    campo->setMaxLength(tamanho);
    campo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), campo));
    return campo;
}
QRadioButton* Opcao(QWidget* dono, const char* nome, const char* texto) {
    auto* b = new QRadioButton(QString::fromUtf8(texto), dono);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}
// A radio button left unchecked even when it is the last checked of its group.
void Desmarca(QRadioButton* b) {
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(true);
}
int Numero(const QLineEdit* campo) { return static_cast<int>(values::Val(campo->text())); }
PosIcms::InformacoesMes InformacoesDoMes(platform::db::Connection& movimento, int mes) {
    const platform::db::Recordset rs = PosIcms::LeInformacoes(movimento, mes);
    PosIcms::InformacoesMes i;
    if (rs.Eof()) return i;
    auto numero = [&](const char* c) { return rs.Fields(QString::fromLatin1(c)).toLongLong(); };
    auto texto = [&](const char* c) { return rs.Fields(QString::fromLatin1(c)).toString(); };
    i.Fat = rs.Fields(QStringLiteral("Fat")).toCurrency();
    i.FatAcu = rs.Fields(QStringLiteral("FatAcu")).toCurrency();
    i.M1Ini = numero("M1Ini");
    i.M1Fim = numero("M1Fim");
    i.D1Ini = numero("D1Ini");
    i.D1Fim = numero("D1Fim");
    i.Obsent1 = texto("Obsent1");
    i.Obsent2 = texto("Obsent2");
    i.Obssai1 = texto("Obssai1");
    i.Obssai2 = texto("Obssai2");
    return i;
}
}  // namespace

frmLivrosIcms::frmLivrosIcms(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmLivrosIcms"));
    setWindowTitle(QStringLiteral("Emissão dos Livros de ICMS"));
    Constroi();

    empresa_ = new movimento::EmpresaPeriodo(
        *this, {txtCodigo, tdbAnomes, lblNome, nullptr, cmdPesqe, nullptr}, BancoMovimento);
    empresa_->somenteExistente = true;
    empresa_->tabAposPesquisa = true;
    empresa_->lblTpescri = lblTpescri;
    empresa_->fechada = [this] { Ocioso(); };
    empresa_->semPeriodo = [this] { SemLivro(); };
    empresa_->aberta = [this](const movimento::Abertura&) { PeriodoConfirmado(); };
    empresa_->CampoDoPeriodo(tdbSalCredAnt, [this] { MostraSaldoCredor(); });

    using namespace platform::ui;
    onClick(OptEnt, this, &frmLivrosIcms::OptEnt_Click);
    onClick(OptSai, this, &frmLivrosIcms::OptEnt_Click);
    onClick(OptApu, this, &frmLivrosIcms::OptApu_Click);
    onClick(optLCompleto, this, &frmLivrosIcms::optLCompleto_Click);
    for (auto* b : optLParcial) onClick(b, this, &frmLivrosIcms::optLParcial_Click);
    onLostFocus(txtDataIni, [this] { LimitaDia(txtDataIni); });
    onLostFocus(txtDataFim, [this] { LimitaDia(txtDataFim); });
    onLostFocus(txtNpag, [this] {
        if (txtNpag->text().isEmpty()) txtNpag->setText(QStringLiteral("0"));
    });
    onClick(cmdEmissao, this, &frmLivrosIcms::cmdEmissao_Click);
    onClick(cmdInfoAdi, this, &frmLivrosIcms::cmdInfoAdi_Click);
    onClick(cmdRanual, this, &frmLivrosIcms::cmdRanual_Click);
    onClick(cmdCancelar, this, &frmLivrosIcms::cmdCancelar_Click);
    onClick(cmdSair, [this] { close(); });
    applyTabOrder(this);
    // Enter moves to the next field; a double quote is never typed.
    platform::ui::installEntryKeys(this);
}

frmLivrosIcms::~frmLivrosIcms() = default;

platform::db::Connection& frmLivrosIcms::BancoCadastro() { return empresa_->BancoCadastro(); }

void frmLivrosIcms::Constroi() {
    using platform::ui::FormBuilder;
    using platform::ui::setTabIndex;
    fraAtiva = new QGroupBox(QStringLiteral("Código - Data Base - Tipo de Redazor - Empresa Ativa"), this);
    fraAtiva->setObjectName(QStringLiteral("fraAtiva"));
    txtCodigo = Digitos(fraAtiva, "txtCodigo", 4);
    tdbAnomes = new platform::controls::TDBDate(fraAtiva);
    tdbAnomes->setObjectName(QStringLiteral("tdbAnomes"));
    tdbAnomes->setDisplayFormat(QString::fromLatin1(platform::controls::TDBDate::PeriodFormat));
    lblTpescri = new QLabel(fraAtiva);
    lblTpescri->setObjectName(QStringLiteral("lblTpescri"));
    lblNome = new QLabel(fraAtiva);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    cmdPesqe = FormBuilder::button(fraAtiva, "cmdPesqe", "&Ativar", "Ativa uma Empresa");
    auto* ativa = new QHBoxLayout(fraAtiva);
    for (QWidget* w : std::initializer_list<QWidget*>{txtCodigo, tdbAnomes, lblTpescri, lblNome, cmdPesqe})
        ativa->addWidget(w, w == lblNome ? 1 : 0);

    fraLivro = new QGroupBox(QStringLiteral("Tipo de Livro"), this);
    fraLivro->setObjectName(QStringLiteral("fraLivro"));
    OptEnt = Opcao(fraLivro, "OptEnt", "Entradas");
    OptSai = Opcao(fraLivro, "OptSai", "Saídas");
    OptApu = Opcao(fraLivro, "OptApu", "Apuração");
    auto* livro = new QVBoxLayout(fraLivro);
    for (auto* b : {OptEnt, OptSai, OptApu}) livro->addWidget(b);

    fraTipo = new QGroupBox(QStringLiteral("Tipo de Emissão"), this);
    fraTipo->setObjectName(QStringLiteral("fraTipo"));
    optLCompleto = Opcao(fraTipo, "optLCompleto", "Livro Completo");
    optLParcial = {Opcao(fraTipo, "optLParcial0", "Livro Parcial (Data Digitação)"),
                   Opcao(fraTipo, "optLParcial1", "Livro Parcial (Data Emissão)")};
    auto* tipo = new QVBoxLayout(fraTipo);
    for (auto* b : {optLCompleto, optLParcial[0], optLParcial[1]}) tipo->addWidget(b);

    fraPeri = new QGroupBox(QStringLiteral("Período Parcial"), this);
    fraPeri->setObjectName(QStringLiteral("fraPeri"));
    lbldat = {new QLabel(QStringLiteral("Dia Inicial"), fraPeri),
              new QLabel(QStringLiteral("Dia Final"), fraPeri)};
    lbldat[0]->setObjectName(QStringLiteral("lbldat0"));
    lbldat[1]->setObjectName(QStringLiteral("lbldat1"));
    txtDataIni = Digitos(fraPeri, "txtDataIni", 2);
    txtDataFim = Digitos(fraPeri, "txtDataFim", 2);
    auto* peri = new QGridLayout(fraPeri);
    peri->addWidget(lbldat[0], 0, 0);
    peri->addWidget(txtDataIni, 0, 1);
    peri->addWidget(lbldat[1], 1, 0);
    peri->addWidget(txtDataFim, 1, 1);

    txtNpag = Digitos(this, "txtNpag", 4);
    tdbSalCredAnt = new platform::controls::TDBNumber(this);
    tdbSalCredAnt->setObjectName(QStringLiteral("tdbSalCredAnt"));
    tdbSalCredAnt->setMaxValue(values::Currency::fromRaw(MaiorValorImpresso));
    auto* valores = new QGridLayout;
    valores->addWidget(new QLabel(QStringLiteral("Nr.Última Página:"), this), 0, 0);
    valores->addWidget(txtNpag, 0, 1);
    valores->addWidget(new QLabel(QStringLiteral("Saldo Credor Mês Anterior:"), this), 1, 0);
    valores->addWidget(tdbSalCredAnt, 1, 1);

    cmdEmissao = FormBuilder::button(this, "cmdEmissao", "&Inicia a Emissão", "Imprime Livro");
    cmdInfoAdi = FormBuilder::button(this, "cmdInfoAdi", "&Informações Adicionais", "");
    cmdRanual = FormBuilder::button(this, "cmdRanual", "&Resumo Anual", "");
    cmdCancelar = platform::ui::asExit(FormBuilder::button(this, "cmdCancelar", "&Cancelar", ""));
    cmdSair = platform::ui::asExit(FormBuilder::button(this, "cmdSair", "&Sair", ""));
    auto* botoes = new QHBoxLayout;
    for (auto* b : {cmdEmissao, cmdInfoAdi, cmdRanual, cmdCancelar, cmdSair}) botoes->addWidget(b);

    int tab = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{
             txtCodigo, tdbAnomes, cmdPesqe, OptEnt, OptSai, OptApu, optLCompleto, optLParcial[0],
             optLParcial[1], txtDataIni, txtDataFim, txtNpag, tdbSalCredAnt, cmdEmissao, cmdInfoAdi,
             cmdRanual, cmdCancelar, cmdSair})
        setTabIndex(w, tab++);

    auto* meio = new QHBoxLayout;
    for (QWidget* w : {fraLivro, fraTipo, fraPeri}) meio->addWidget(w);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraAtiva);
    layout->addLayout(meio);
    layout->addLayout(valores);
    layout->addLayout(botoes);
}

void frmLivrosIcms::Form_Load() {
    empresa_->Form_Load();
    OptEnt->setChecked(true);
    optLCompleto->setChecked(true);
    Ocioso();
}

void frmLivrosIcms::Form_Unload(bool& /*Cancel*/) {
    BancoMovimento.Close();
    empresa_->Form_Unload();
}

// Only the company code, its search and the exit stay usable.
void frmLivrosIcms::Ocioso() {
    lblNome->clear();
    tdbAnomes->setEnabled(false);
    cmdCancelar->setEnabled(false);
    SemLivro();
}

// Back to choosing the period: no book can be chosen or printed until a period opens its file.
void frmLivrosIcms::SemLivro() {
    SemMovimento = false;
    for (auto* b : optLParcial) Desmarca(b);
    optLCompleto->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{fraLivro, fraTipo, fraPeri, lbldat[0], lbldat[1],
                                                      txtDataIni, txtDataFim, OptEnt, OptSai, OptApu,
                                                      optLParcial[0], optLParcial[1], optLCompleto, txtNpag,
                                                      cmdEmissao, cmdInfoAdi, cmdRanual, tdbSalCredAnt})
        w->setEnabled(false);
    setBackColor(txtNpag, platform::controls::buttonFaceColor());
}

// The movement database is open: the book, the emission and the month's carried credit.
void frmLivrosIcms::PeriodoConfirmado() {
    for (QWidget* w : std::initializer_list<QWidget*>{tdbAnomes, fraLivro, fraTipo, OptEnt, OptSai, OptApu,
                                                      optLParcial[0], optLParcial[1], optLCompleto, txtNpag,
                                                      cmdEmissao, cmdInfoAdi, cmdCancelar, cmdRanual})
        w->setEnabled(true);
    setBackColor(txtNpag, platform::controls::White);
    PosIcms::CompletaMeses(BancoMovimento);
    platform::ui::setFocusTo(OptEnt);
}

// The month's carried credit as stored; a debit balance carries nothing.
void frmLivrosIcms::MostraSaldoCredor() {
    const auto scant = PosIcms::LeSaldoCredor(BancoMovimento, empresa_->Periodo().month());
    // A stored credit beyond what can be typed is shown as stored: the assessment refuses it by name
    // rather than carry 0 in its place.
    const values::Currency maior = tdbSalCredAnt->MaxValue();
    tdbSalCredAnt->setMaxValue(std::max(maior, scant));
    tdbSalCredAnt->setValue(scant > values::Currency() ? scant : values::Currency());
    tdbSalCredAnt->setMaxValue(maior);
}

void frmLivrosIcms::OptEnt_Click() {
    for (QWidget* w : std::initializer_list<QWidget*>{optLParcial[0], optLParcial[1], optLCompleto, fraTipo})
        w->setEnabled(true);
    optLCompleto->setChecked(true);
    optLCompleto_Click();
    tdbSalCredAnt->setEnabled(false);
}

// The carried credit can be corrected before an assessment, which is always of the whole month.
void frmLivrosIcms::OptApu_Click() {
    for (auto* b : {optLParcial[0], optLParcial[1], optLCompleto}) {
        b->setEnabled(false);
        Desmarca(b);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{fraTipo, fraPeri, lbldat[0], lbldat[1], txtDataIni, txtDataFim})
        w->setEnabled(false);
    tdbSalCredAnt->setEnabled(true);
}

void frmLivrosIcms::optLCompleto_Click() {
    for (QWidget* w : std::initializer_list<QWidget*>{fraPeri, lbldat[0], lbldat[1], txtDataIni, txtDataFim})
        w->setEnabled(false);
}

void frmLivrosIcms::optLParcial_Click() {
    for (QWidget* w : std::initializer_list<QWidget*>{fraPeri, lbldat[0], lbldat[1], txtDataIni, txtDataFim})
        w->setEnabled(true);
}

// A day past the month's last becomes the last; none or 0 becomes empty.
void frmLivrosIcms::LimitaDia(QLineEdit* campo) {
    const int ultimo = Geral::UltimoDiaMes(tdbAnomes->Value()).toInt();
    const int dia = Numero(campo);
    if (dia > ultimo)
        campo->setText(QString::number(ultimo));
    else if (dia <= 0)
        campo->clear();
}

EstadoLivro frmLivrosIcms::Estado() const {
    EstadoLivro e;
    e.LivroParcial = LivroParcial;
    if (LivroParcial) {
        const QDate mes = empresa_->Periodo();
        e.DataInicial = QDate(mes.year(), mes.month(), Numero(txtDataIni));
        e.DataFinal = QDate(mes.year(), mes.month(), Numero(txtDataFim));
        e.PorEmissao = optLParcial[1]->isChecked();
    }
    const auto& rs = empresa_->Empresa();
    e.Industria = rs.State() == platform::db::ObjectState::Open && !rs.Eof() &&
                  rs.Fields(QStringLiteral("tpescri")).toString() == u'I';
    return e;
}

void frmLivrosIcms::Prepara_Entradas() {
    TabelaAtual = movimento::TabelaMes(movimento::Entradas, empresa_->Periodo().month());
    SemMovimento =
        PreparaEntradas(Estado(), BancoMovimento, TabelaAtual, empresa_->Periodo(), BancoCadastro());
}

void frmLivrosIcms::Prepara_Saidas() {
    TabelaAtual = movimento::TabelaMes(movimento::Saidas, empresa_->Periodo().month());
    const ResultadoSaidas r =
        PreparaSaidas(Estado(), BancoMovimento, TabelaAtual, empresa_->Periodo(), BancoCadastro());
    SemMovimento = r.SemMovimento;
    HaMovUf = r.HaMovUf;
    HaMovUfnc = r.HaMovUfnc;
}

void frmLivrosIcms::Resume_Aliquotas() { Aliquotas = ResumeAliquotas(BancoCadastro()); }

// The preparations of the chosen book write the work tables, private to this window's connection, in
// one transaction; the print reads them on that connection.
void frmLivrosIcms::cmdEmissao_Click() {
    platform::ui::HourglassGuard ampulheta;
    LivroParcial = false;
    SemMovimento = false;
    if (fraPeri->isEnabled() && Numero(txtDataIni) > 0) {
        if (Numero(txtDataFim) < Numero(txtDataIni)) {
            platform::ui::resetPointer();
            platform::ui::MsgBox(
                QStringLiteral("Deve ser estabelecido um período válido para livros parciais !"),
                platform::ui::Msg::Critical, QStringLiteral("Erro"));
            platform::ui::setFocusTo(txtDataIni);
            return;
        }
        LivroParcial = true;
    }
    TabelasDaEmissao(BancoCadastro());
    {
        platform::db::Transaction emissao(BancoCadastro());
        RecriaMovTPara(BancoCadastro());
        if (OptApu->isChecked()) {
            SemMovEntradas = false;
            SemMovSaidas = false;
        }
        if (OptSai->isChecked())
            Prepara_Saidas();
        else
            Prepara_Entradas();
        if (OptApu->isChecked()) {
            if (SemMovimento) {
                SemMovimento = false;
                SemMovEntradas = true;
            }
            Prepara_Saidas();
            if (SemMovimento) SemMovSaidas = true;
            Resume_Aliquotas();
        }
        emissao.commit();
    }
    // A movement file gone meanwhile is told as at the period's confirmation; the window goes idle.
    if (!movimento::LocalizaMovimento(empresa_->CodigoEmpresa(), empresa_->Periodo().year())) {
        cmdCancelar_Click();
        return;
    }
    Imprime_Livro();
}

// The book's report with its heading and the figures that are not in the work tables, in a new
// preview; the assessment's position is stored whether its report printed or not. The heading's
// company is read by its code.
void frmLivrosIcms::Imprime_Livro() {
    const LivroIcms livro = OptEnt->isChecked()   ? LivroIcms::Entradas
                            : OptApu->isChecked() ? LivroIcms::Apuracao
                                                  : LivroIcms::Saidas;
    const RelatorioLivro relatorio =
        RelatorioDoLivro(livro, optLCompleto->isChecked(), Geral::TipoImpressora);
    const int mes = empresa_->Periodo().month();
    const platform::db::Recordset empresa = Empresas::LeEmpresa(BancoCadastro(), empresa_->CodigoEmpresa());
    auto daEmpresa = [&](const char* coluna) {
        return empresa.Eof() ? QString() : empresa.Fields(QString::fromLatin1(coluna)).toString();
    };
    Formulas formulas = FormulasComuns({lblNome->text(), daEmpresa("inscr_estadual"), daEmpresa("cgc"),
                                        txtNpag->text(), empresa_->PeriodoAtual()});
    auto junta = [&](const Formulas& mais) { formulas.insert(formulas.end(), mais.begin(), mais.end()); };
    const values::Currency saldoAnterior = tdbSalCredAnt->Value();
    if (livro == LivroIcms::Apuracao) {
        DadosApuracao d;
        d.SemMovEntradas = SemMovEntradas;
        d.SemMovSaidas = SemMovSaidas;
        d.ImpostoEntradas = Aliquotas.ImpostoEntradas;
        d.ImpostoSaidas = Aliquotas.ImpostoSaidas;
        d.SaldoCredorAnterior = saldoAnterior;
        d.outros = PosIcms::LeOutrosDoMes(BancoMovimento, mes);
        junta(FormulasApuracao(d));
    } else if (livro == LivroIcms::Entradas) {
        junta(FormulasEntradas(InformacoesDoMes(BancoMovimento, mes)));
    } else {
        junta(FormulasSaidas(InformacoesDoMes(BancoMovimento, mes), HaMovUf, HaMovUfnc));
    }
    junta(FormulasFinais(SemMovimento, LivroParcial, txtDataIni->text(), txtDataFim->text()));
    SemMovimento = false;

    std::function<void()> depois;
    if (livro == LivroIcms::Apuracao)
        depois = [this, mes, saldoAnterior] {
            Atualiza_Saldo(BancoMovimento, mes, Aliquotas.ImpostoEntradas, Aliquotas.ImpostoSaidas,
                           saldoAnterior);
            // What was typed is now the month's stored credit.
            empresa_->Repreenche(tdbSalCredAnt);
        };
    const platform::report::QueriesOn linhas(BancoCadastro());
    ImprimeLivro(
        relatorio, [&formulas] { return formulas; }, depois);
}

// The dialog works on this window's open movement database, whatever another window opened since.
void frmLivrosIcms::cmdInfoAdi_Click() {
    frmInfoAdi informacoes(BancoMovimento, empresa_->CodigoEmpresa(), lblNome->text(), empresa_->Periodo(),
                           this);
    platform::ui::ShowModal(informacoes);
}

// The summary corrects this window's open movement database. The assessment stores the carried credit
// as this window shows it, so a credit the summary changed is shown again before it could be written
// back; any other month's change leaves the field as it was, typed or not.
void frmLivrosIcms::cmdRanual_Click() {
    const int mes = empresa_->Periodo().month();
    const values::Currency antes = PosIcms::LeSaldoCredor(BancoMovimento, mes);
    frmPos_Anual resumo(BancoMovimento, this);
    if (platform::ui::ShowModal(resumo) == QDialog::Accepted &&
        PosIcms::LeSaldoCredor(BancoMovimento, mes) != antes)
        empresa_->Repreenche(tdbSalCredAnt);
}

void frmLivrosIcms::cmdCancelar_Click() {
    BancoMovimento.Close();
    Geral::LimpaCampos(this);
    tdbSalCredAnt->setValue(values::Currency());
    lblTpescri->clear();
    txtCodigo->setEnabled(true);
    setBackColor(txtCodigo, platform::controls::White);
    platform::ui::setFocusTo(txtCodigo);
}

}  // namespace Livros
