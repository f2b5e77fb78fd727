#include "books/frmInfoAdi.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "books/pos_icms_sql.h"
#include "companies/empresas_sql.h"
#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/RotinasControles.h"

namespace Livros {

namespace values = platform::values;
using platform::controls::MaskEdBox;

namespace {
using platform::db::Param;
using values::Currency;

// A note number is written as the number its text begins with ("______" is 0).
Param NumeroNota(const Param& valor) {
    const auto* texto = std::get_if<QString>(&valor.value());
    return texto ? Param(static_cast<qint64>(values::Val(*texto))) : valor;
}
// What a save writes for a field: the stored value it keeps, or its own, a note as its number.
Param Escrito(const QWidget* campo) {
    const Param valor = shell::ValorCampo(campo);
    return qobject_cast<const MaskEdBox*>(campo) ? NumeroNota(valor) : valor;
}
qint64 Numero(const QWidget* campo) {
    const Param valor = Escrito(campo);
    const auto* n = std::get_if<qint64>(&valor.value());
    return n ? *n : 0;
}
Currency Dinheiro(const QWidget* campo) {
    const Param valor = Escrito(campo);
    const auto* c = std::get_if<Currency>(&valor.value());
    return c ? *c : Currency();
}
// A rule between two fields the clerk left as stored does not judge them again.
bool Tocado(const QWidget* a, const QWidget* b) { return !shell::CampoIntacto(a) || !shell::CampoIntacto(b); }
QLineEdit* Observacao(QWidget* dono, const char* nome) {
    auto* campo = new QLineEdit(dono);
    campo->setObjectName(QString::fromLatin1(nome));
    campo->setMaxLength(100);
    return campo;
}
MaskEdBox* Nota(QWidget* dono, const char* nome) {
    auto* campo = new MaskEdBox(dono);
    campo->setObjectName(QString::fromLatin1(nome));
    return campo;
}
QGroupBox* Quadro(QWidget* dono, const char* nome, const char* titulo) {
    auto* q = new QGroupBox(QString::fromUtf8(titulo), dono);
    q->setObjectName(QString::fromLatin1(nome));
    return q;
}
}  // namespace

frmInfoAdi::frmInfoAdi(platform::db::Connection& movimento, qint64 codigoEmpresa, const QString& NomeEmpresa,
                       const QDate& DataReferencia, QWidget* parent)
    : Dialog(parent),
      movimento_(movimento),
      codigoEmpresa_(codigoEmpresa),
      nomeEmpresa_(NomeEmpresa),
      dataReferencia_(DataReferencia) {
    setObjectName(QStringLiteral("frmInfoAdi"));
    setWindowTitle(QStringLiteral("Informações Adicionais"));
    Constroi();
    using namespace platform::ui;
    onClick(cmdGravar, this, &frmInfoAdi::cmdGravar_Click);
    onClick(cmdCancelar, this, &frmInfoAdi::cmdCancelar_Click);
    onClick(cmdApagar, this, &frmInfoAdi::cmdApagar_Click);
    onClick(cmdAnterior, this, &frmInfoAdi::cmdAnterior_Click);
    onClick(cmdProximo, this, &frmInfoAdi::cmdProximo_Click);
    onClick(cmdSair, [this] { close(); });
    // Enter moves to the next field; a double quote is never typed.
    platform::ui::installEntryKeys(this);
}

void frmInfoAdi::Constroi() {
    using platform::ui::FormBuilder;
    lblEmpresa = new QLabel(this);
    lblEmpresa->setObjectName(QStringLiteral("lblEmpresa"));
    lblMes = new QLabel(this);
    lblMes->setObjectName(QStringLiteral("lblMes"));

    fraFat = Quadro(this, "fraFat", "Micro Empresa: Faturamento e NF  ");
    auto* fat = new QGridLayout(fraFat);
    const char* titulos[] = {"Fat Bruto de Vendas", "Fat. Acumulado"};
    for (int i = 0; i < 2; ++i) {
        auto* l = new QLabel(QString::fromUtf8(titulos[i]), fraFat);
        l->setObjectName(QStringLiteral("lblTit%1").arg(i));
        lblTit.add(i, l);
        fat->addWidget(l, i, 0);
    }
    tdbFat = new platform::controls::TDBNumber(fraFat);
    tdbFat->setObjectName(QStringLiteral("tdbFat"));
    tdbFatAcu = new platform::controls::TDBNumber(fraFat);
    tdbFatAcu->setObjectName(QStringLiteral("tdbFatAcu"));
    fat->addWidget(tdbFat, 0, 1);
    fat->addWidget(tdbFatAcu, 1, 1);
    fraM1 = Quadro(fraFat, "fraM1", "NF Série M1: De... Até");
    mskM1Ini = Nota(fraM1, "mskM1Ini");
    mskM1Fim = Nota(fraM1, "mskM1Fim");
    fraD1 = Quadro(fraFat, "fraD1", "NF Série D1: De... Até");
    mskD1Ini = Nota(fraD1, "mskD1Ini");
    mskD1Fim = Nota(fraD1, "mskD1Fim");
    for (auto [quadro, de, ate] :
         {std::tuple{fraM1, mskM1Ini, mskM1Fim}, std::tuple{fraD1, mskD1Ini, mskD1Fim}}) {
        auto* l = new QHBoxLayout(quadro);
        l->addWidget(de);
        l->addWidget(ate);
    }
    fat->addWidget(fraM1, 2, 0, 1, 2);
    fat->addWidget(fraD1, 3, 0, 1, 2);

    fraObsEnt = Quadro(this, "fraObsEnt", " Observações Especiais do Livro de Entrada ");
    txtObsent1 = Observacao(fraObsEnt, "txtObsent1");
    txtObsent2 = Observacao(fraObsEnt, "txtObsent2");
    fraObsSai = Quadro(this, "fraObsSai", " Observações Especiais do Livro de Saída ");
    txtObssai1 = Observacao(fraObsSai, "txtObssai1");
    txtObssai2 = Observacao(fraObsSai, "txtObssai2");
    for (auto [quadro, a, b] :
         {std::tuple{fraObsEnt, txtObsent1, txtObsent2}, std::tuple{fraObsSai, txtObssai1, txtObssai2}}) {
        auto* l = new QVBoxLayout(quadro);
        l->addWidget(a);
        l->addWidget(b);
    }

    cmdGravar = FormBuilder::button(this, "cmdGravar", "&Gravar", "Grava Informações");
    cmdCancelar = platform::ui::asExit(FormBuilder::button(this, "cmdCancelar", "&Cancelar", "Cancela"));
    cmdApagar = FormBuilder::button(this, "cmdApagar", "&Apagar", "Exclui Informações");
    cmdAnterior = FormBuilder::button(this, "cmdAnterior", "", "");
    cmdAnterior->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    cmdProximo = FormBuilder::button(this, "cmdProximo", "", "");
    cmdProximo->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    cmdSair = platform::ui::asExit(FormBuilder::button(this, "cmdSair", "&Sair", ""));
    auto* botoes = new QHBoxLayout;
    for (auto* b : {cmdGravar, cmdCancelar, cmdApagar, cmdAnterior, cmdProximo, cmdSair})
        botoes->addWidget(b);

    int tab = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{
             tdbFat, tdbFatAcu, mskM1Ini, mskM1Fim, mskD1Ini, mskD1Fim, txtObsent1, txtObsent2, txtObssai1,
             txtObssai2, cmdGravar, cmdCancelar, cmdApagar, cmdAnterior, cmdProximo, cmdSair})
        platform::ui::setTabIndex(w, tab++);

    auto* cabeca = new QHBoxLayout;
    cabeca->addWidget(lblEmpresa, 1);
    cabeca->addWidget(lblMes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(cabeca);
    layout->addWidget(fraFat);
    layout->addWidget(fraObsEnt);
    layout->addWidget(fraObsSai);
    layout->addLayout(botoes);
    platform::ui::applyTabOrder(this);
}

std::vector<std::pair<QWidget*, QString>> frmInfoAdi::Colunas() const {
    return {{tdbFat, QStringLiteral("Fat")},         {tdbFatAcu, QStringLiteral("FatAcu")},
            {mskM1Ini, QStringLiteral("M1Ini")},     {mskM1Fim, QStringLiteral("M1Fim")},
            {mskD1Ini, QStringLiteral("D1Ini")},     {mskD1Fim, QStringLiteral("D1Fim")},
            {txtObsent1, QStringLiteral("Obsent1")}, {txtObsent2, QStringLiteral("Obsent2")},
            {txtObssai1, QStringLiteral("Obssai1")}, {txtObssai2, QStringLiteral("Obssai2")}};
}

QList<QWidget*> frmInfoAdi::Campos() const {
    return {fraFat,   tdbFat,    tdbFatAcu,  fraM1,      mskM1Ini,  mskM1Fim,   fraD1,     mskD1Ini,
            mskD1Fim, fraObsEnt, txtObsent1, txtObsent2, fraObsSai, txtObssai1, txtObssai2};
}

// The company is found by its code; a failing load is told and closes this dialog only.
void frmInfoAdi::Form_Load() {
    MesAtual = dataReferencia_.month();
    lblEmpresa->setText(nomeEmpresa_);
    try {
        platform::db::Connection cadastro;
        cadastro.Open(Geral::ConexaoCadastro);
        MicroEmpresa = Empresas::EnquadradaComoMicro(cadastro, codigoEmpresa_);
        cadastro.Close();
        PosIcms::CompletaMeses(movimento_);
        CarregaRegistro();
    } catch (const values::RuntimeError& e) {
        platform::ui::MsgBox(
            QStringLiteral("Erro número ") + QString::number(e.number()) + u' ' + e.description(),
            platform::ui::Msg::Critical, QStringLiteral("Erro Fatal"));
        cmdSair->setEnabled(true);
        reject();
    }
}

void frmInfoAdi::Form_Unload(bool& Cancel) {
    if (cmdSair->isEnabled()) return;
    Cancel = true;
    platform::ui::MsgBox(
        QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele antes..."),
        platform::ui::Msg::Critical, QStringLiteral("Atenção"));
}

void frmInfoAdi::LimpaMask() {
    for (auto* m : {mskM1Ini, mskM1Fim, mskD1Ini, mskD1Fim}) {
        m->setText(QStringLiteral("______"));
        m->setMask(QStringLiteral("######"));
    }
}

void frmInfoAdi::CarregaRegistro() {
    const platform::db::Recordset rs = PosIcms::LeInformacoes(movimento_, MesAtual);
    if (rs.Eof()) return;
    carregado_.clear();
    for (int i = 0; i < rs.FieldCount(); ++i) carregado_.push_back(rs.Fields(i));
    lblMes->setText(Geral::NomeMes(MesAtual));
    for (auto* b : {cmdGravar, cmdCancelar, cmdApagar}) b->setEnabled(true);
    cmdSair->setEnabled(false);
    Geral::LimpaCampos(this);
    LimpaMask();
    Geral::HabilitaCampos(Campos(), true);
    if (!MicroEmpresa) {
        for (QWidget* w : std::initializer_list<QWidget*>{lblTit(0), lblTit(1), fraFat, fraM1, fraD1, tdbFat,
                                                          tdbFatAcu, mskM1Ini, mskM1Fim, mskD1Ini, mskD1Fim})
            w->setEnabled(false);
        for (QWidget* w :
             std::initializer_list<QWidget*>{tdbFat, tdbFatAcu, mskM1Ini, mskM1Fim, mskD1Ini, mskD1Fim})
            platform::controls::setBackColor(w, platform::controls::buttonFaceColor());
    }
    MostraColunas(rs);
}

// A micro company's billing and notes show when not null, a note in six digits; the observations
// always. Each field keeps the stored value it cannot show; those of the billing group of a company
// that is not micro are kept unseen, and the others named.
void frmInfoAdi::MostraColunas(const platform::db::Recordset& rs) {
    QStringList nomes;
    for (const auto& [campo, coluna] : Colunas()) {
        const auto v = rs.Fields(coluna);
        const bool nota = qobject_cast<MaskEdBox*>(campo);
        const bool micro = fraFat->isAncestorOf(campo);
        const Param gravado = v.isNull() ? Param(platform::db::DbNull)
                              : nota     ? Param(v.toLongLong())
                                         : shell::ValorGravado(campo, v);
        if (!micro || MicroEmpresa) {
            if (!nota)
                shell::MostraValorCampo(campo, gravado);
            else if (const qint64 n = v.toLongLong(); !v.isNull() && n >= 0 && n <= 999999)
                static_cast<MaskEdBox*>(campo)->setText(Geral::Zeros(n, 6));
        }
        const shell::EscritaCampo escrita = nota ? shell::EscritaCampo(NumeroNota) : shell::EscritaCampo();
        if (shell::GuardaValorCampo(campo, gravado, escrita) && !v.isNull() && (!micro || MicroEmpresa))
            nomes << shell::NomeValorGuardado(coluna, gravado);
    }
    shell::AvisaValoresGuardados(nomes, QStringLiteral("mês"));
}

// Writes only the columns of the fields the clerk changed; the others stay as stored. A column another
// copy changed since this month was shown is not written over: the save is refused and what was typed
// stays on screen.
void frmInfoAdi::cmdGravar_Click() {
    shell::IniciaErros();
    const auto maior = [](const QWidget* de, const QWidget* ate) {
        return Tocado(de, ate) && Numero(de) > Numero(ate);
    };
    if (maior(mskM1Ini, mskM1Fim) || maior(mskD1Ini, mskD1Fim))
        shell::AdicionaErro(shell::ErroFatal,
                            QStringLiteral("O Número Inicial da Nota Fiscal é Maior que o Número Final !"));
    if (Tocado(tdbFat, tdbFatAcu) && Dinheiro(tdbFat) > Dinheiro(tdbFatAcu))
        shell::AdicionaErro(shell::ErroFatal,
                            QStringLiteral("O Valor do Faturamento é Maior que o Faturamento Acumulado !"));
    if (!shell::ConcluiErros()) return;
    platform::db::ColumnList colunas;
    for (const auto& [campo, coluna] : Colunas())
        if (!shell::CampoIntacto(campo)) colunas.add(coluna, Escrito(campo));
    platform::db::Transaction gravacao(movimento_);
    const QString aviso = shell::MudancaDaLinha(
        carregado_, PosIcms::LeInformacoes(movimento_, MesAtual),
        [&colunas](const QString& c) { return colunas.columns().contains(c, Qt::CaseInsensitive); },
        QStringLiteral("a gravação"));
    if (!aviso.isEmpty()) {
        gravacao.rollback();
        platform::ui::MsgBox(aviso, platform::ui::Msg::Critical, QStringLiteral("Atenção"));
        return;
    }
    PosIcms::GravaInformacoes(movimento_, MesAtual, colunas);
    gravacao.commit();
    cmdCancelar_Click();
}

void frmInfoAdi::cmdCancelar_Click() {
    Geral::LimpaCampos(this);
    LimpaMask();
    Geral::HabilitaCampos(Campos(), false);
    for (auto* b : {cmdGravar, cmdCancelar, cmdApagar}) b->setEnabled(false);
    cmdSair->setEnabled(true);
    platform::ui::setFocusTo(cmdProximo);
}

void frmInfoAdi::cmdApagar_Click() {
    // Every column is cleared, also a value the fields kept.
    for (const auto& par : Colunas()) shell::EsvaziaCampo(par.first);
    LimpaMask();
    cmdGravar_Click();
    cmdCancelar_Click();
}

void frmInfoAdi::cmdAnterior_Click() {
    if (MesAtual == 1) return;
    --MesAtual;
    CarregaRegistro();
}

void frmInfoAdi::cmdProximo_Click() {
    if (MesAtual == 12) return;
    ++MesAtual;
    CarregaRegistro();
}

}  // namespace Livros
