#include "books/frmLivrosIss.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

#include "books/LivrosIss.h"
#include "books/LivrosIss_sql.h"
#include "movement/EmpresaPeriodo.h"
#include "platform/controls/Colors.h"
#include "platform/controls/TDBDate.h"
#include "platform/report/PrintEngine.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"

namespace LivrosIss {

using platform::controls::setBackColor;

frmLivrosIss::frmLivrosIss(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmLivrosIss"));
    setWindowTitle(QStringLiteral("Emissão dos Livros de ISS"));
    // The picture of the ISS movement's toolbar button.
    setWindowIcon(style()->standardIcon(QStyle::SP_FileLinkIcon));
    Constroi();

    empresa_ = new movimento::EmpresaPeriodo(
        *this, {txtCodigo, tdbAnomes, lblNome, nullptr, cmdPesqe, nullptr}, BancoMovimento);
    empresa_->somenteExistente = true;
    empresa_->tabAposPesquisa = true;
    empresa_->lblTpescri = lblTpescri;
    empresa_->aceita = [this](const platform::db::Recordset& rs) { return AceitaEmpresa(rs); };
    empresa_->fechada = [this] { EscolhendoEmpresa(); };
    empresa_->semPeriodo = [this] { EscolhendoPeriodo(); };
    empresa_->semArquivo = [this] { EscolhendoPeriodo(); };
    empresa_->aberta = [this](const movimento::Abertura&) { Pronto(); };

    using namespace platform::ui;
    onLostFocus(txtNpag, [this] {
        if (txtNpag->text().isEmpty()) txtNpag->setText(QStringLiteral("0"));
    });
    onClick(cmdEmissao, this, &frmLivrosIss::cmdEmissao_Click);
    onClick(cmdCancelar, this, &frmLivrosIss::cmdCancelar_Click);
    onClick(cmdSair, [this] { close(); });
    applyTabOrder(this);
    // Enter moves to the next field; a double quote is never typed.
    installEntryKeys(this);
}

frmLivrosIss::~frmLivrosIss() = default;

platform::db::Connection& frmLivrosIss::BancoCadastro() { return empresa_->BancoCadastro(); }

void frmLivrosIss::Constroi() {
    using platform::ui::FormBuilder;
    fraAtiva = new QGroupBox(QStringLiteral("Código - Data Base - Tipo de Redazor - Empresa Ativa"), this);
    fraAtiva->setObjectName(QStringLiteral("fraAtiva"));
    txtCodigo = new QLineEdit(fraAtiva);
    txtCodigo->setObjectName(QStringLiteral("txtCodigo"));
    txtCodigo->setMaxLength(4);
    cmdPesqe = FormBuilder::button(fraAtiva, "cmdPesqe", "&Ativar", "Ativa uma Empresa");
    tdbAnomes = new platform::controls::TDBDate(fraAtiva);
    tdbAnomes->setObjectName(QStringLiteral("tdbAnomes"));
    tdbAnomes->setDisplayFormat(QString::fromLatin1(platform::controls::TDBDate::PeriodFormat));
    lblTpescri = new QLabel(fraAtiva);
    lblTpescri->setObjectName(QStringLiteral("lblTpescri"));
    lblNome = new QLabel(fraAtiva);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    auto* ativa = new QHBoxLayout(fraAtiva);
    for (QWidget* w : std::initializer_list<QWidget*>{txtCodigo, tdbAnomes, lblTpescri, lblNome, cmdPesqe})
        ativa->addWidget(w, w == lblNome ? 1 : 0);

    lblTit = new QLabel(QStringLiteral("Número Última Página:"), this);
    lblTit->setObjectName(QStringLiteral("lblTit"));
    txtNpag = new QLineEdit(this);
    txtNpag->setObjectName(QStringLiteral("txtNpag"));
    txtNpag->setMaxLength(4);
    txtNpag->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtNpag));
    auto* pagina = new QHBoxLayout;
    pagina->addWidget(lblTit);
    pagina->addWidget(txtNpag);
    pagina->addStretch();

    cmdEmissao = FormBuilder::button(this, "cmdEmissao", "&Inicia a Emissão", "Imprime Livro");
    cmdCancelar = platform::ui::asExit(FormBuilder::button(this, "cmdCancelar", "&Cancelar", ""));
    cmdSair = platform::ui::asExit(FormBuilder::button(this, "cmdSair", "&Sair", ""));
    auto* botoes = new QHBoxLayout;
    for (auto* b : {cmdEmissao, cmdCancelar, cmdSair}) botoes->addWidget(b);

    int tab = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{txtCodigo, cmdPesqe, tdbAnomes, txtNpag, cmdEmissao,
                                                      cmdCancelar, cmdSair})
        platform::ui::setTabIndex(w, tab++);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraAtiva);
    layout->addLayout(pagina);
    layout->addLayout(botoes);
}

void frmLivrosIss::Form_Load() {
    empresa_->Form_Load();
    EscolhendoEmpresa();
}

void frmLivrosIss::Form_Unload(bool& /*Cancel*/) {
    BancoMovimento.Close();
    empresa_->Form_Unload();
}

// Only a company of ISS model 51 or 53 has ISS books; any other closes the window.
bool frmLivrosIss::AceitaEmpresa(const platform::db::Recordset& empresa) {
    const QString modelo = empresa.Fields(QStringLiteral("TpIss")).toString();
    if (modelo != QLatin1String("51") && modelo != QLatin1String("53")) {
        platform::ui::MsgBox(
            QStringLiteral(
                "Esta empresa não está classificada para impressão de Livros de ISS, no cadastro "
                "da empresa informe Mod.51 ou Mod.53 para poder digitar e imprimir livros de ISS !"),
            platform::ui::Msg::Critical, QStringLiteral("Erro Fatal"));
        close();
        return false;
    }
    Modelo53 = modelo == QLatin1String("53");
    return true;
}

void frmLivrosIss::EscolhendoEmpresa() {
    setBackColor(tdbAnomes, platform::controls::menuColor());
    cmdCancelar->setEnabled(false);
    EscolhendoPeriodo();
}

// The company stays chosen; no book can be printed until a period opens its file.
void frmLivrosIss::EscolhendoPeriodo() {
    SemMovimento = false;
    txtNpag->setEnabled(false);
    setBackColor(txtNpag, platform::controls::menuColor());
    cmdEmissao->setEnabled(false);
}

void frmLivrosIss::Pronto() {
    txtNpag->setEnabled(true);
    setBackColor(txtNpag, platform::controls::White);
    setBackColor(tdbAnomes, platform::controls::White);
    cmdCancelar->setEnabled(true);
    cmdEmissao->setEnabled(true);
    platform::ui::setFocusTo(txtNpag);
}

void frmLivrosIss::cmdCancelar_Click() {
    BancoMovimento.Close();
    lblTpescri->clear();
    lblNome->clear();
    txtCodigo->setEnabled(true);
    setBackColor(txtCodigo, platform::controls::White);
    txtCodigo->clear();
    platform::ui::setFocusTo(txtCodigo);
}

// The month's book afresh in the work tables, committed before it is printed.
void frmLivrosIss::cmdEmissao_Click() {
    TabelasDaEmissao(BancoCadastro());
    SemMovimento = PreparaLivroIss(BancoCadastro(), BancoMovimento, empresa_->Periodo(),
                                   Modelo53 ? Modelo::M53 : Modelo::M51);
    Imprime_Livro();
}

// The heading's company is read by its code once the preview's options are set; its name is the one
// the lookup showed.
void frmLivrosIss::Imprime_Livro() {
    platform::ui::setHourglass();
    const Livros::RelatorioLivro relatorio =
        RelatorioIss(Modelo53 ? Modelo::M53 : Modelo::M51, Geral::TipoImpressora);
    const platform::report::QueriesOn linhas(BancoCadastro());
    Livros::ImprimeLivro(relatorio, [this] {
        EmpresaIss e = LeEmpresaIss(BancoCadastro(), empresa_->CodigoEmpresa());
        e.nome = lblNome->text();
        return FormulasIss(e, empresa_->PeriodoAtual(), txtNpag->text(), SemMovimento);
    });
}

}  // namespace LivrosIss
