#include "companies/frmPesqJur.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/KeyFilter.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/ListaPesquisa.h"

namespace Empresas {

namespace {

namespace X = platform::controls;
using platform::values::Trim;
using namespace shell::Pesquisa;

constexpr int ColunaCodigo = 0;
constexpr int ColunaNome = 1;

// The number sorts and finds as a number, every other column as the typed beginning of a text.
std::vector<shell::ColunaPesquisa> Colunas() {
    const auto texto = [](const char* titulo, shell::FormaCelula forma = {}) {
        return shell::ColunaPesquisa{QString::fromUtf8(titulo), TipoTexto, CompComeca, std::move(forma)};
    };
    return {
        {QStringLiteral("Código"), TipoInteiro, CompIgual},
        texto("Nome"),
        texto("C.N.P.J.", shell::Forma::Mascara()),
        texto("Inscr.Estadual"),
        texto("C.E.I.", shell::Forma::Mascara()),
        texto("UF"),
        {QStringLiteral("Data Mov"), TipoTexto, CompComeca, shell::Forma::Data(QStringLiteral("mm/yyyy"))}};
}

const QString Campos[] = {QString(),
                          QStringLiteral("Código"),
                          QStringLiteral("Nome"),
                          QStringLiteral("Bairro"),
                          QStringLiteral("Cidade"),
                          QStringLiteral("Uf")};

}  // namespace

frmPesqJur::frmPesqJur(QWidget* parent)
    : DialogoPesquisa(QStringLiteral("frmPesqJur"), QStringLiteral("Pesquisa"), parent,
                      QStringLiteral("cmdCancelar")),
      lblColuna(new QLabel(QStringLiteral("Coluna Base:"), this)),
      cmbColuna(new QComboBox(this)),
      lblPesq(new QLabel(QStringLiteral("Chave da Pesquisa: "), this)),
      txtPesq(new QLineEdit(this)),
      cmdPesquisar(new QPushButton(QStringLiteral("&Pesquisar"), this)),
      cmdFiltro(new QPushButton(QStringLiteral("Filtrar"), this)),
      cmdDesfiltrar(new QPushButton(QStringLiteral("Apagar Filtro"), this)),
      fraFiltro(new QGroupBox(QStringLiteral(" Parâmetros Para Filtrar Pesquisa"), this)),
      cmdOkFiltro(new QPushButton(fraFiltro)) {
    cmbColuna->setObjectName(QStringLiteral("cmbColuna"));
    txtPesq->setObjectName(QStringLiteral("txtPesq"));
    cmdPesquisar->setObjectName(QStringLiteral("cmdPesquisar"));
    cmdFiltro->setObjectName(QStringLiteral("cmdFiltro"));
    cmdDesfiltrar->setObjectName(QStringLiteral("cmdDesfiltrar"));
    fraFiltro->setObjectName(QStringLiteral("fraFiltro"));
    cmdOkFiltro->setObjectName(QStringLiteral("cmdOkFiltro"));
    cmdPesquisar->setToolTip(QStringLiteral("Ativa uma Empresa"));
    cmdCancela->setToolTip(QStringLiteral("Cancela"));
    cmdOkFiltro->setToolTip(QStringLiteral("Finalizar Seleção de Filtro"));
    cmdOk->setText(QString());
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

    auto* grelha = new QGridLayout;
    grelha->addWidget(lblColuna, 0, 0);
    grelha->addWidget(cmbColuna, 0, 1);
    grelha->addWidget(lblPesq, 1, 0);
    grelha->addWidget(txtPesq, 1, 1);
    grelha->addWidget(cmdPesquisar, 1, 2);
    // The filter takes the list's place while it is being filled, above the search fields.
    auto* busca = new QVBoxLayout;
    busca->addWidget(fraFiltro);
    busca->addLayout(grelha);
    MontaLista(Colunas(), cmbColuna, busca, 760, nullptr, {cmdFiltro, cmdDesfiltrar});
    resize(760, 440);
    cmdOk->setDefault(false);
    for (QPushButton* b : {cmdPesquisar, cmdOk, cmdCancela, cmdFiltro, cmdDesfiltrar, cmdOkFiltro})
        b->setAutoDefault(false);

    int indice = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{tdbPesq, cmbColuna, txtPesq, cmdPesquisar, cmdOk})
        platform::ui::setTabIndex(w, indice++);
    for (int i = 0; i < Filtros; ++i)
        for (QWidget* w :
             std::initializer_list<QWidget*>{cmbCampo[i], txtDe[i], tdnDe[i], txtAt[i], tdnAt[i]})
            platform::ui::setTabIndex(w, indice++);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdOkFiltro, cmdFiltro, cmdDesfiltrar, cmdCancela})
        platform::ui::setTabIndex(w, indice++);
    platform::ui::applyTabOrder(this);
    platform::ui::installEntryKeys(this);

    using namespace platform::ui;
    onClick(cmdPesquisar, this, &frmPesqJur::cmdPesquisar_Click);
    onClick(cmdFiltro, this, &frmPesqJur::cmdFiltro_Click);
    onClick(cmdOkFiltro, this, &frmPesqJur::cmdOkFiltro_Click);
    onClick(cmdDesfiltrar, this, &frmPesqJur::cmdDesfiltrar_Click);
    onLostFocus(cmbColuna, this, &frmPesqJur::cmbColuna_LostFocus);
    onGotFocus(txtPesq, this, &frmPesqJur::txtPesq_GotFocus);
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
    DialogoPesquisa::Form_Load();
    conexao_.Open(Geral::ConexaoCadastro);
    tdbPesq->setCaption(Geral::TituloPesquisa);
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

// The list is in number order again, and the chooser says so. A company without a number is an empty
// row, which no one can choose.
void frmPesqJur::PreencheLista() {
    Recordset rs = ListaEmpresas(conexao_, Geral::TabelaPesquisa, filtro_);
    const auto semNumero = [](const Recordset& r) { return r.Fields(ColunaCodigo).toLongLong() == 0; };
    if (Carrega(rs, semNumero)) lista_->Ordena(ColunaCodigo, Ascendente);
    fraFiltro->hide();
}

// A real choice is a choice, even after a filter that found nothing had set Cancelado.
void frmPesqJur::cmdOk_Click() {
    if (const auto chave = lista_->ChaveAtual()) {
        Geral::ChaveComum = *chave;
        if (platform::values::Val(*chave) > 0) {
            Geral::Cancelado = false;
            Escolhido();
            return;
        }
    }
    close();
}

void frmPesqJur::cmbColuna_LostFocus() {
    const int coluna = cmbColuna->currentIndex();
    if (coluna < 0) return;
    platform::ui::HourglassGuard ampulheta;
    lista_->Ordena(coluna, Ascendente);
    if (!Trim(txtPesq->text()).isEmpty()) cmdPesquisar_Click();
}

void frmPesqJur::tdbPesq_HeadClick(int coluna) { lista_->Cabecalho(coluna); }

void frmPesqJur::tdbPesq_HeadRightClick(int coluna) { lista_->Rodape(coluna); }

void frmPesqJur::txtPesq_GotFocus() {
    if (cmbColuna->currentIndex() < 0) {
        const QSignalBlocker calado(cmbColuna);
        cmbColuna->setCurrentIndex(ColunaNome);
    }
}

// A number is looked for only above 0; one beyond any company number is simply not found.
void frmPesqJur::cmdPesquisar_Click() {
    if (Trim(txtPesq->text()).isEmpty() ||
        (lista_->Tipo() == TipoInteiro && !(platform::values::Val(txtPesq->text()) > 0))) {
        platform::ui::setFocusTo(txtPesq);
        return;
    }
    const int coluna = cmbColuna->currentIndex() < 0 ? ColunaNome : cmbColuna->currentIndex();
    const int linha = lista_->Procura(coluna, txtPesq->text());
    if (linha < 0) return;
    lista_->DefineLinhaAtual(linha);
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
