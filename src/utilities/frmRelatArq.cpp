#include "utilities/frmRelatArq.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "utilities/ImpressaoListagem.h"
#include "utilities/listagens_sql.h"

namespace utilities {

namespace ui = platform::ui;
namespace controls = platform::controls;

namespace {

const char* const Modelos[4][3] = {
    {"1", "Empresas", "Empresas: Código, CNPJ, I.E., CCM e UF"},
    {"2", "Empresas", "Empresas - Posição da Digitação e Observações do Cadastro"},
    {"3", "Empresas", "Empresas: Listagem de Endereços"},
    {"4", "Empresas", "Empresas: Listagem de Telefones e Internet"},
};

// The bounds of a company number: whole numbers of up to six digits.
const char* const FormatoNumero = "#####0";
// Set on a number bound once something is put in it.
const char* const Digitado = "digitado";

template <class W>
W* nomeado(W* w, const QString& nome) {
    w->setObjectName(nome);
    return w;
}

void mensagem(const char* texto, const char* titulo) {
    ui::MsgBox(QString::fromUtf8(texto), ui::Msg::Critical | ui::Msg::OKOnly, QString::fromUtf8(titulo));
}

}  // namespace

frmRelatArq::frmRelatArq(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmRelatArq"));
    setWindowTitle(QStringLiteral("Listagens Resumida de Arquivos"));
    tdlModelo = nomeado(new controls::TDBList(this), QStringLiteral("tdlModelo"));
    lbl1 = nomeado(new QLabel(QStringLiteral("Título"), this), QStringLiteral("lbl1"));
    txtTitu = nomeado(new QLineEdit(this), QStringLiteral("txtTitu"));
    lbl2 = nomeado(new QLabel(QStringLiteral("Ordem"), this), QStringLiteral("lbl2"));
    cmbOrdem = nomeado(new QComboBox(this), QStringLiteral("cmbOrdem"));
    fraSele =
        nomeado(new QGroupBox(QStringLiteral(" Parâmetros de Seleção "), this), QStringLiteral("fraSele"));
    auto* grade = new QGridLayout(fraSele);
    int tab = 3;
    ui::setTabIndex(tdlModelo, 0);
    ui::setTabIndex(txtTitu, 1);
    ui::setTabIndex(cmbOrdem, 2);
    for (int r = 0; r < Linhas; ++r) {
        const auto i = std::size_t(r);
        const QString n = QString::number(r);
        cmbCampo[i] = nomeado(new QComboBox(fraSele), QStringLiteral("cmbCampo") + n);
        lblDe[i] = nomeado(new QLabel(QStringLiteral("De:"), fraSele), QStringLiteral("lblDe%1").arg(r + 1));
        txtDe[i] = nomeado(new QLineEdit(fraSele), QStringLiteral("txtDe") + n);
        tdnDe[i] = nomeado(new controls::TDBNumber(fraSele), QStringLiteral("tdnDe") + n);
        tdbDe[i] = nomeado(new controls::TDBDate(fraSele), QStringLiteral("tdbDe") + n);
        lblAt[i] = nomeado(new QLabel(QStringLiteral("Até"), fraSele), QStringLiteral("lblAt%1").arg(r + 1));
        txtAt[i] = nomeado(new QLineEdit(fraSele), QStringLiteral("txtAt") + n);
        tdnAt[i] = nomeado(new controls::TDBNumber(fraSele), QStringLiteral("tdnAt") + n);
        tdbAt[i] = nomeado(new controls::TDBDate(fraSele), QStringLiteral("tdbAt") + n);
        grade->addWidget(cmbCampo[i], r, 0);
        grade->addWidget(lblDe[i], r, 1);
        grade->addWidget(lblAt[i], r, 3);
        ui::setTabIndex(cmbCampo[i], tab++);
        // The three pairs of bounds of a row lie in one place; only the pair of its kind shows.
        for (QWidget* w : {static_cast<QWidget*>(txtDe[i]), static_cast<QWidget*>(tdnDe[i]),
                           static_cast<QWidget*>(tdbDe[i])}) {
            grade->addWidget(w, r, 2);
            ui::setTabIndex(w, tab++);
        }
        for (QWidget* w : {static_cast<QWidget*>(txtAt[i]), static_cast<QWidget*>(tdnAt[i]),
                           static_cast<QWidget*>(tdbAt[i])}) {
            grade->addWidget(w, r, 4);
            ui::setTabIndex(w, tab++);
        }
        for (controls::TDBNumber* t : {tdnDe[i], tdnAt[i]}) {
            t->setDisplayFormat(QString::fromLatin1(FormatoNumero));
            t->setMaxValue(platform::values::Currency::fromUnits(999999));
            // A bound typed and then erased is a bound not given.
            t->setNullAllowed(true);
            connect(t, &QLineEdit::textChanged, t, [t] { t->setProperty(Digitado, true); });
        }
    }
    cmdLimpaFiltros = ui::FormBuilder::button(this, "cmdLimpaFiltros", "&Limpa Seleção", "Cancela Digitação");
    cmdImprimir = ui::FormBuilder::button(this, "cmdImprimir", "&Imprimir", "Imprimi a Pesquisa");
    cmdSair = ui::asExit(ui::FormBuilder::button(this, "cmdSair", "&Sair", "Sair"));
    for (QPushButton* b : {cmdLimpaFiltros, cmdImprimir, cmdSair}) ui::setTabIndex(b, tab++);

    auto* cabecalho = new QGridLayout;
    cabecalho->addWidget(lbl1, 0, 0);
    cabecalho->addWidget(txtTitu, 0, 1);
    cabecalho->addWidget(lbl2, 1, 0);
    cabecalho->addWidget(cmbOrdem, 1, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    for (QPushButton* b : {cmdLimpaFiltros, cmdImprimir, cmdSair}) botoes->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tdlModelo, 1);
    layout->addLayout(cabecalho);
    layout->addWidget(fraSele);
    layout->addLayout(botoes);
    ui::applyTabOrder(this);
    ui::installEntryKeys(this);

    connect(tdlModelo, &controls::ArrayList::RowColChange, this,
            ui::handler(this, &frmRelatArq::tdlModelo_RowColChange));
    connect(tdlModelo, &controls::ArrayList::DblClick, this,
            ui::handler(this, &frmRelatArq::tdlModelo_DblClick));
    const auto cabecalhoClicado = [this](int col) { ui::Guarded([&] { tdlModelo_HeadClick(col); }); };
    connect(tdlModelo, &controls::ArrayList::HeadClick, this, cabecalhoClicado);
    connect(tdlModelo, &controls::ArrayList::HeadRightClick, this, cabecalhoClicado);
    for (int r = 0; r < Linhas; ++r) {
        connect(cmbCampo[std::size_t(r)], &QComboBox::currentIndexChanged, this,
                [this, r] { ui::Guarded([&] { cmbCampo_Click(r); }); });
        ui::onLostFocus(cmbCampo[std::size_t(r)], [this, r] { cmbCampo_LostFocus(r); });
        LimpaLinha(r);
    }
    ui::onClick(cmdLimpaFiltros, this, &frmRelatArq::cmdLimpaFiltros_Click);
    ui::onClick(cmdImprimir, this, &frmRelatArq::cmdImprimir_Click);
    ui::onClick(cmdSair, this, &frmRelatArq::cmdSair_Click);
    resize(640, 480);
}

void frmRelatArq::Form_Load() {
    cn.Open(Geral::ConexaoCadastro);
    modelo_ = 0;
    modelos_.ReDim(0, 3, 0, 2);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) modelos_.setValue(r, c, QString::fromUtf8(Modelos[r][c]));
    tdlModelo->setArray(&modelos_);
    tdlModelo->setColumnCaption(0, QStringLiteral("Nr."));
    tdlModelo->setColumnCaption(1, QStringLiteral("Arquivo Base"));
    tdlModelo->setColumnCaption(2, QStringLiteral("Modelo/Conteúdo do Relatório"));
    tdlModelo->clearBookmark();
    cmbOrdem->addItem(QString());
    // The window opens wide enough for the models' whole descriptions and every caption.
    tdlModelo->setMinimumWidth(tdlModelo->FitColumns());
}

void frmRelatArq::Form_Unload(bool&) {
    resultado_.Close();
    cn.Close();
}

QString frmRelatArq::BaseAtual() const {
    return tdlModelo->Bookmark() >= 0 ? tdlModelo->Columns(1).toString() : QString();
}

QString frmRelatArq::Atribui(const QString& campo) {
    if (BaseAtual() != u"Empresas") return {};
    const Listagens::CampoFiltro* c = Listagens::ProcuraCampo(campo);
    if (!c) return {};
    TipoCampo = QString::fromLatin1(c->tipo);
    TamanhoCampo = c->tamanho;
    return QString::fromLatin1(c->coluna);
}

void frmRelatArq::tdlModelo_RowColChange() {
    if (tdlModelo->Bookmark() < 0) return;
    modelo_ = tdlModelo->Columns(0).toInt();
    CarregaOpcoes();
}

void frmRelatArq::tdlModelo_DblClick() {
    if (tdlModelo->Bookmark() < 0) return;
    tdlModelo_RowColChange();
    ui::setFocusTo(txtTitu);
}

void frmRelatArq::tdlModelo_HeadClick(int ColIndex) {
    ui::HourglassGuard ampulheta;
    modelos_.QuickSort(0, modelos_.UpperBound(1), ColIndex, controls::XOrder::Ascending,
                       ColIndex == 0 ? controls::XType::Integer : controls::XType::Text);
    tdlModelo->Refresh();
}

void frmRelatArq::LimpaLinha(int r) {
    const auto i = std::size_t(r);
    txtDe[i]->clear();
    txtAt[i]->clear();
    tdbDe[i]->clear();
    tdbAt[i]->clear();
    for (controls::TDBNumber* t : {tdnDe[i], tdnAt[i]}) {
        t->setValue({});
        t->setProperty(Digitado, false);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{txtDe[i], txtAt[i], tdnDe[i], tdnAt[i], tdbDe[i], tdbAt[i]})
        w->setVisible(false);
    ColunaFiltro[i].clear();
    TipoFiltro[i].clear();
}

void frmRelatArq::CarregaOpcoes() {
    txtTitu->setText(tdlModelo->Columns(2).toString());
    cmbOrdem->clear();
    for (int r = 0; r < Linhas; ++r) {
        const QSignalBlocker bloqueio(cmbCampo[std::size_t(r)]);
        LimpaLinha(r);
        cmbCampo[std::size_t(r)]->clear();
    }
    if (BaseAtual() != u"Empresas") return;
    cmbOrdem->addItem(QString());
    for (const QString& l : Listagens::LegendasCampos()) cmbOrdem->addItem(l);
    cmbOrdem->setCurrentIndex(1);
    for (QComboBox* c : cmbCampo) {
        const QSignalBlocker bloqueio(c);
        c->addItem(QString());
        for (const QString& l : Listagens::LegendasCampos()) c->addItem(l);
    }
}

void frmRelatArq::cmbCampo_Click(int Index) {
    const auto i = std::size_t(Index);
    LimpaLinha(Index);
    const QString legenda = cmbCampo[i]->currentText();
    if (legenda.isEmpty()) return;
    ColunaFiltro[i] = Atribui(legenda);
    TipoFiltro[i] = TipoCampo;
    if (TipoCampo == u"S") {
        for (QLineEdit* t : {txtDe[i], txtAt[i]}) {
            t->setMaxLength(TamanhoCampo);
            t->setVisible(true);
        }
    } else if (TipoCampo == u"N") {
        tdnDe[i]->setVisible(true);
        tdnAt[i]->setVisible(true);
    } else if (TipoCampo == u"D") {
        tdbDe[i]->setVisible(true);
        tdbAt[i]->setVisible(true);
    }
}

void frmRelatArq::cmbCampo_LostFocus(int Index) {
    if (Index == 1 && cmbCampo[1]->currentText().isEmpty()) ui::setFocusTo(cmdImprimir);
}

bool frmRelatArq::ValidaFiltros() {
    bool valido = true;
    for (Geral::Contador1 = 0; Geral::Contador1 < Linhas; ++Geral::Contador1) {
        const auto i = std::size_t(Geral::Contador1);
        const QString legenda = cmbCampo[i]->currentText();
        if (legenda.isEmpty()) continue;
        Atribui(legenda);
        if (TipoCampo == u"D") {
            if (tdbDe[i]->ValueIsNull() || tdbAt[i]->ValueIsNull()) valido = false;
        } else if (TipoCampo == u"S") {
            if (txtDe[i]->text().isEmpty() || txtAt[i]->text().isEmpty()) valido = false;
        } else if (TipoCampo == u"N") {
            // A number field shows 0 until typed: a bound never typed is a bound not given.
            for (controls::TDBNumber* t : {tdnDe[i], tdnAt[i]})
                if (t->ValueIsNull() || !t->property(Digitado).toBool()) valido = false;
        }
    }
    return valido;
}

void frmRelatArq::cmdLimpaFiltros_Click() {
    if (modelo_ == 0) return;
    for (Geral::Contador1 = 0; Geral::Contador1 < Linhas; ++Geral::Contador1) {
        QComboBox* c = cmbCampo[std::size_t(Geral::Contador1)];
        if (!c->currentText().isEmpty()) c->setCurrentIndex(0);
    }
}

void frmRelatArq::cmdImprimir_Click() {
    if (!ValidaFiltros()) {
        mensagem("Você indicou Campos de Filtros e não preencheu os intervalos De... Até...; verifique !",
                 "Atenção...");
        return;
    }
    if (modelo_ == 0) {
        mensagem("Você Tem de Escolher um Modelo de Listagem !", "Atenção...");
        return;
    }
    ui::HourglassGuard ampulheta;
    std::vector<Empresas::CondicaoFiltro> filtros;
    for (int r = 0; r < Linhas; ++r) {
        const auto i = std::size_t(r);
        if (cmbCampo[i]->currentText().trimmed().isEmpty()) continue;
        Empresas::CondicaoFiltro f;
        f.coluna = ColunaFiltro[i];
        f.tipo = TipoFiltro[i];
        f.de = txtDe[i]->text();
        f.ate = txtAt[i]->text();
        tdnDe[i]->commitEdit();
        tdnAt[i]->commitEdit();
        f.deNumero = tdnDe[i]->Value().raw() / platform::values::Currency::Scale;
        f.ateNumero = tdnAt[i]->Value().raw() / platform::values::Currency::Scale;
        f.deData = tdbDe[i]->Value();
        f.ateData = tdbAt[i]->Value();
        filtros.push_back(f);
    }
    resultado_.Close();
    resultado_ =
        Listagens::AbreListagem(cn, Listagens::MontaConsulta(BaseAtual(), filtros, cmbOrdem->currentText()));
    if (resultado_.Eof()) {
        ui::resetPointer();
        mensagem("Não há registros na condição especificada !", "Erro");
        ui::setFocusTo(tdlModelo->view());
        return;
    }
    ImprimeListagem(resultado_, modelo_, txtTitu->text());
}

void frmRelatArq::cmdSair_Click() { Unload(); }

}  // namespace utilities
