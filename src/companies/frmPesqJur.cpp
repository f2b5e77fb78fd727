#include "companies/frmPesqJur.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/controls/XArrayDB.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/ListaPesquisa.h"

namespace Empresas {

namespace {

namespace X = platform::controls;
using platform::values::Trim;

// The list's columns: caption, column read, width in pixels.
struct Coluna {
    const char* titulo;
    const char* coluna;
    int largura;
};
constexpr Coluna Colunas[] = {{"Código", "codigo", 53},
                              {"Nome", "nome", 173},
                              {"C.N.P.J.", "cgc", 120},
                              {"Inscr.Estadual", "inscr_estadual", 113},
                              {"C.E.I.", "cei", 123},
                              {"UF", "uf", 30},
                              {"Data Mov", "mes_base_fiscal", 60}};
constexpr int NumColunas = 7;
constexpr int ColunaCodigo = 0;
constexpr int ColunaNome = 1;
constexpr int ColunaDataMov = 6;

// The number column sorts and finds as a number, every other one as text.
int TipoDaColuna(int coluna) { return coluna == ColunaCodigo ? X::XType::Integer : X::XType::Text; }

const QString Campos[] = {QString(),
                          QStringLiteral("Código"),
                          QStringLiteral("Nome"),
                          QStringLiteral("Bairro"),
                          QStringLiteral("Cidade"),
                          QStringLiteral("Uf")};

}  // namespace

frmPesqJur::frmPesqJur(QWidget* parent)
    : Dialog(parent),
      tdbPesq(new X::TDBList(this)),
      lblColuna(new QLabel(QStringLiteral("Coluna Base:"), this)),
      cmbColuna(new QComboBox(this)),
      lblPesq(new QLabel(QStringLiteral("Chave da Pesquisa: "), this)),
      txtPesq(new QLineEdit(this)),
      cmdPesquisar(new QPushButton(QStringLiteral("&Pesquisar"), this)),
      cmdOk(new QPushButton(this)),
      cmdCancelar(new QPushButton(QStringLiteral("&Cancelar"), this)),
      cmdFiltro(new QPushButton(QStringLiteral("Filtrar"), this)),
      cmdDesfiltrar(new QPushButton(QStringLiteral("Apagar Filtro"), this)),
      fraFiltro(new QGroupBox(QStringLiteral(" Parâmetros Para Filtrar Pesquisa"), this)),
      cmdOkFiltro(new QPushButton(fraFiltro)),
      dados_(std::make_unique<X::XArrayDB>()) {
    setObjectName(QStringLiteral("frmPesqJur"));
    setWindowTitle(QStringLiteral("Pesquisa"));
    tdbPesq->setObjectName(QStringLiteral("tdbPesq"));
    cmbColuna->setObjectName(QStringLiteral("cmbColuna"));
    txtPesq->setObjectName(QStringLiteral("txtPesq"));
    cmdPesquisar->setObjectName(QStringLiteral("cmdPesquisar"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdFiltro->setObjectName(QStringLiteral("cmdFiltro"));
    cmdDesfiltrar->setObjectName(QStringLiteral("cmdDesfiltrar"));
    fraFiltro->setObjectName(QStringLiteral("fraFiltro"));
    cmdOkFiltro->setObjectName(QStringLiteral("cmdOkFiltro"));
    cmdPesquisar->setToolTip(QStringLiteral("Ativa uma Empresa"));
    cmdCancelar->setToolTip(QStringLiteral("Cancela"));
    cmdOkFiltro->setToolTip(QStringLiteral("Finalizar Seleção de Filtro"));
    cmdOk->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    cmdOkFiltro->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));

    auto* grade = new QGridLayout(fraFiltro);
    for (int i = 0; i < Filtros; ++i) {
        const QString n = QString::number(i);
        cmbCampo[i] = new QComboBox(fraFiltro);
        cmbCampo[i]->setObjectName(QStringLiteral("cmbCampo") + n);
        lblDe[i] = new QLabel(QStringLiteral("De:"), fraFiltro);
        lblDe[i]->setObjectName(QStringLiteral("lblDe") + QString::number(i + 1));
        lblAt[i] = new QLabel(QStringLiteral("Até"), fraFiltro);
        lblAt[i]->setObjectName(QStringLiteral("lblAt") + QString::number(i + 1));
        txtDe[i] = new QLineEdit(fraFiltro);
        txtDe[i]->setObjectName(QStringLiteral("txtDe") + n);
        txtAt[i] = new QLineEdit(fraFiltro);
        txtAt[i]->setObjectName(QStringLiteral("txtAt") + n);
        tdnDe[i] = new X::TDBNumber(fraFiltro);
        tdnDe[i]->setObjectName(QStringLiteral("tdnDe") + n);
        tdnAt[i] = new X::TDBNumber(fraFiltro);
        tdnAt[i]->setObjectName(QStringLiteral("tdnAt") + n);
        for (X::TDBNumber* numero : {tdnDe[i], tdnAt[i]}) {
            numero->setMinValue(Currency());
            numero->setMaxValue(Currency::fromUnits(9999));
        }
        grade->addWidget(cmbCampo[i], i, 0);
        grade->addWidget(lblDe[i], i, 1);
        grade->addWidget(txtDe[i], i, 2);
        grade->addWidget(tdnDe[i], i, 2);
        grade->addWidget(lblAt[i], i, 3);
        grade->addWidget(txtAt[i], i, 4);
        grade->addWidget(tdnAt[i], i, 4);
    }
    grade->addWidget(cmdOkFiltro, Filtros, 4, Qt::AlignRight);

    auto* busca = new QGridLayout;
    busca->addWidget(lblColuna, 0, 0);
    busca->addWidget(cmbColuna, 0, 1);
    busca->addWidget(lblPesq, 1, 0);
    busca->addWidget(txtPesq, 1, 1);
    busca->addWidget(cmdPesquisar, 1, 2);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdFiltro);
    botoes->addWidget(cmdDesfiltrar);
    botoes->addStretch();
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tdbPesq);
    layout->addWidget(fraFiltro);
    layout->addLayout(busca);
    layout->addLayout(botoes);
    resize(760, 440);

    for (int c = 0; c < NumColunas; ++c) tdbPesq->setColumnCaption(c, QString::fromUtf8(Colunas[c].titulo));
    dados_->ReDim(0, -1, 0, NumColunas - 1);
    tdbPesq->setArray(dados_.get());
    for (QPushButton* b : {cmdPesquisar, cmdOk, cmdCancelar, cmdFiltro, cmdDesfiltrar, cmdOkFiltro})
        b->setAutoDefault(false);

    int indice = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{tdbPesq, cmbColuna, txtPesq, cmdPesquisar, cmdOk})
        platform::ui::setTabIndex(w, indice++);
    for (int i = 0; i < Filtros; ++i)
        for (QWidget* w :
             std::initializer_list<QWidget*>{cmbCampo[i], txtDe[i], tdnDe[i], txtAt[i], tdnAt[i]})
            platform::ui::setTabIndex(w, indice++);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdOkFiltro, cmdFiltro, cmdDesfiltrar, cmdCancelar})
        platform::ui::setTabIndex(w, indice++);
    platform::ui::applyTabOrder(this);
    platform::ui::installEntryKeys(this);

    using namespace platform::ui;
    onClick(cmdOk, this, &frmPesqJur::cmdOk_Click);
    onClick(cmdCancelar, this, &frmPesqJur::cmdCancelar_Click);
    onClick(cmdPesquisar, this, &frmPesqJur::cmdPesquisar_Click);
    onClick(cmdFiltro, this, &frmPesqJur::cmdFiltro_Click);
    onClick(cmdOkFiltro, this, &frmPesqJur::cmdOkFiltro_Click);
    onClick(cmdDesfiltrar, this, &frmPesqJur::cmdDesfiltrar_Click);
    onLostFocus(cmbColuna, this, &frmPesqJur::cmbColuna_LostFocus);
    onGotFocus(txtPesq, this, &frmPesqJur::txtPesq_GotFocus);
    connect(tdbPesq, &X::TDBList::DblClick, this, handler(this, &frmPesqJur::cmdOk_Click));
    connect(tdbPesq, &X::TDBList::HeadClick, this,
            [this](int coluna) { Guarded([&] { tdbPesq_HeadClick(coluna); }); });
    connect(tdbPesq, &X::TDBList::HeadRightClick, this,
            [this](int coluna) { Guarded([&] { tdbPesq_HeadRightClick(coluna); }); });
    for (int i = 0; i < Filtros; ++i)
        connect(cmbCampo[i], &QComboBox::currentIndexChanged, this,
                [this, i] { Guarded([&] { cmbCampo_Click(i); }); });
}

frmPesqJur::~frmPesqJur() = default;

QString frmPesqJur::Atribui(const QString& campo) {
    struct Mapa {
        const char* legenda;
        const char* coluna;
        qint16 tamanho;
    };
    static constexpr Mapa mapas[] = {
        {"Nome", "nome", 40}, {"Bairro", "bairro", 20}, {"Cidade", "cidade", 20}, {"Uf", "uf", 2}};
    if (campo == QStringLiteral("Código")) {
        Tipo = QStringLiteral("N");
        Mascara = QStringLiteral("####");
        return QStringLiteral("codigo");
    }
    for (const Mapa& m : mapas)
        if (campo == QLatin1String(m.legenda)) {
            Tipo = QStringLiteral("S");
            Tamanho = m.tamanho;
            return QString::fromLatin1(m.coluna);
        }
    return QString();
}

void frmPesqJur::Form_Load() {
    conexao_.Open(Geral::ConexaoCadastro);
    escolheu_ = false;
    tdbPesq->setCaption(Geral::TituloPesquisa);
    for (const Coluna& c : Colunas) cmbColuna->addItem(QString::fromUtf8(c.titulo));
    ordem_ = X::XOrder::Ascending;
    tipo_ = X::XType::Integer;
    filtro_ = {};
    for (int i = 0; i < Filtros; ++i) {
        const QSignalBlocker calado(cmbCampo[i]);
        for (const QString& campo : Campos) cmbCampo[i]->addItem(campo);
        cmbCampo[i]->setCurrentIndex(-1);
        for (QWidget* w : std::initializer_list<QWidget*>{txtDe[i], txtAt[i], tdnDe[i], tdnAt[i]}) w->hide();
    }
    cmdDesfiltrar->setEnabled(false);
    PreencheLista();
}

// Every row read is listed, however many the count says; a company without a number is an empty row,
// which no one can choose.
void frmPesqJur::PreencheLista() {
    if (ContaEmpresas(conexao_, Geral::TabelaPesquisa, filtro_) <= 0) {
        platform::ui::MsgBox(QStringLiteral("Atenção, não há nenhum registro cadastrado !"),
                             platform::ui::Msg::Information, QCoreApplication::applicationName());
        Geral::Cancelado = true;
    } else {
        Recordset rs = ListaEmpresas(conexao_, Geral::TabelaPesquisa, filtro_);
        dados_->ReDim(0, int(rs.RecordCount()) - 1, 0, NumColunas - 1);
        for (int linha = 0; !rs.Eof(); rs.MoveNext(), ++linha) {
            if (rs.Fields(ColunaCodigo).toLongLong() == 0) continue;
            for (int c = 0; c < NumColunas; ++c)
                dados_->setValue(linha, c,
                                 c == ColunaDataMov
                                     ? platform::values::Format(rs.Fields(c).toDate(), u"mm/yyyy")
                                     : rs.Fields(c).toString());
        }
        tdbPesq->setArray(dados_.get());
        for (int c = 0; c < NumColunas; ++c) tdbPesq->setColumnWidth(c, Colunas[c].largura);
        tdbPesq->ReBind();
        tdbPesq->setBookmark(dados_->Count(1) > 0 ? 0 : -1);
        // The list is in number order again, and the chooser says so.
        ordem_ = X::XOrder::Ascending;
        tipo_ = X::XType::Integer;
        const QSignalBlocker calado(cmbColuna);
        cmbColuna->setCurrentIndex(ColunaCodigo);
    }
    fraFiltro->hide();
}

// A real choice is a choice, even after a filter that found nothing had set Cancelado.
void frmPesqJur::cmdOk_Click() {
    const int linha = tdbPesq->Bookmark();
    if (linha >= 0) {
        Geral::ChaveComum = dados_->Value(linha, ColunaCodigo).toString();
        escolheu_ = platform::values::Val(Geral::ChaveComum) > 0;
        if (escolheu_) Geral::Cancelado = false;
    }
    close();
}

void frmPesqJur::cmdCancelar_Click() {
    Geral::Cancelado = true;
    close();
}

void frmPesqJur::Form_Unload(bool& /*Cancel*/) {
    if (!escolheu_) Geral::Cancelado = true;
    if (conexao_.State() == platform::db::ObjectState::Open) {
        dados_->Clear();
        tdbPesq->ReBind();
        conexao_.Close();
    }
}

void frmPesqJur::Ordena(int coluna, int ordem) {
    ordem_ = ordem;
    tipo_ = TipoDaColuna(coluna);
    if (dados_->Count(1) > 1) dados_->QuickSort(0, dados_->UpperBound(1), coluna, ordem_, tipo_);
    tdbPesq->Refresh();
}

void frmPesqJur::cmbColuna_LostFocus() {
    const int coluna = cmbColuna->currentIndex();
    if (coluna < 0) return;
    platform::ui::HourglassGuard ampulheta;
    Ordena(coluna, X::XOrder::Ascending);
    if (!Trim(txtPesq->text()).isEmpty()) cmdPesquisar_Click();
}

void frmPesqJur::tdbPesq_HeadClick(int coluna) {
    Ordena(coluna, X::XOrder::Ascending);
    const QSignalBlocker calado(cmbColuna);
    cmbColuna->setCurrentIndex(coluna);
}

void frmPesqJur::tdbPesq_HeadRightClick(int coluna) {
    Ordena(coluna, X::XOrder::Descending);
    const QSignalBlocker calado(cmbColuna);
    cmbColuna->setCurrentIndex(coluna);
}

void frmPesqJur::txtPesq_GotFocus() {
    if (cmbColuna->currentIndex() < 0) {
        const QSignalBlocker calado(cmbColuna);
        cmbColuna->setCurrentIndex(ColunaNome);
    }
}

// A number beyond any company number is simply not found.
void frmPesqJur::cmdPesquisar_Click() {
    if (Trim(txtPesq->text()).isEmpty()) {
        platform::ui::setFocusTo(txtPesq);
        return;
    }
    const int coluna = cmbColuna->currentIndex() < 0 ? ColunaNome : cmbColuna->currentIndex();
    int linha = -1;
    if (tipo_ == X::XType::Integer) {
        const double numero = platform::values::Val(txtPesq->text());
        if (!(numero > 0)) {
            platform::ui::setFocusTo(txtPesq);
            return;
        }
        if (numero <= 32767)
            linha = dados_->Find(0, coluna, qint64(platform::values::CInt(numero)), ordem_, X::XComp::Equal,
                                 tipo_);
    } else {
        linha = dados_->Find(0, coluna, txtPesq->text(), ordem_, X::XComp::Like, tipo_);
    }
    if (linha < 0) return;
    tdbPesq->setBookmark(linha);
    platform::ui::setFocusTo(cmdOk);
}

void frmPesqJur::ModoLista(bool lista) {
    tdbPesq->setVisible(lista);
    fraFiltro->setVisible(!lista);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPesquisar, cmdOk, txtPesq, cmbColuna})
        w->setEnabled(lista);
}

void frmPesqJur::cmdFiltro_Click() {
    ModoLista(false);
    platform::ui::setFocusTo(cmbCampo[0]);
}

void frmPesqJur::cmbCampo_Click(int i) {
    if (Trim(cmbCampo[i]->currentText()).isEmpty()) {
        txtDe[i]->clear();
        txtAt[i]->clear();
        tdnDe[i]->setValue(Currency());
        tdnAt[i]->setValue(Currency());
        for (QWidget* w : std::initializer_list<QWidget*>{txtDe[i], txtAt[i], tdnDe[i], tdnAt[i]}) w->hide();
        colunaFiltro_[i].clear();
        tipoFiltro_[i].clear();
        return;
    }
    const QString anterior = tipoFiltro_[i];
    colunaFiltro_[i] = Atribui(cmbCampo[i]->currentText());
    tipoFiltro_[i] = Tipo;
    if (anterior == QStringLiteral("S") && Tipo != anterior) {
        txtDe[i]->hide();
        txtAt[i]->hide();
    } else if (anterior == QStringLiteral("N") && Tipo != anterior) {
        tdnDe[i]->hide();
        tdnAt[i]->hide();
    }
    if (Tipo == QStringLiteral("S")) {
        for (QLineEdit* t : {txtDe[i], txtAt[i]}) {
            t->setMaxLength(Tamanho);
            t->show();
        }
    } else {
        for (X::TDBNumber* n : {tdnDe[i], tdnAt[i]}) {
            n->setDisplayFormat(Mascara);
            n->setValue(n->Value());
            n->show();
        }
    }
}

// The conditions come from the rows that name a field, wherever they stand.
void frmPesqJur::cmdOkFiltro_Click() {
    ModoLista(true);
    cmdDesfiltrar->setEnabled(true);
    cmdFiltro->setEnabled(false);
    if (dados_->Count(1) > 0) {
        dados_->ReDim(0, -1, 0, NumColunas - 1);
        tdbPesq->ReBind();
    }
    std::vector<CondicaoFiltro> condicoes;
    for (int i = 0; i < Filtros; ++i) {
        if (Trim(cmbCampo[i]->currentText()).isEmpty() || colunaFiltro_[i].isEmpty()) continue;
        tdnDe[i]->commitEdit();
        tdnAt[i]->commitEdit();
        condicoes.push_back({colunaFiltro_[i], tipoFiltro_[i], txtDe[i]->text(), txtAt[i]->text(),
                             tdnDe[i]->Value().raw() / Currency::Scale,
                             tdnAt[i]->Value().raw() / Currency::Scale});
    }
    filtro_ = MontaFiltro(Geral::TabelaPesquisa, condicoes);
    PreencheLista();
}

void frmPesqJur::cmdDesfiltrar_Click() {
    cmdFiltro->setEnabled(true);
    cmdDesfiltrar->setEnabled(false);
    filtro_ = {};
    PreencheLista();
}

}  // namespace Empresas
