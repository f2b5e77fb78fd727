#include "terms/frmTermo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "companies/CampoEmpresa.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBDate.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/ListaPesquisa.h"
#include "shell/RotinasControles.h"
#include "shell/frmPesquisa.h"
#include "terms/FormulasTermo.h"
#include "terms/frmTerPara.h"
#include "terms/termo_sql.h"

namespace terms {

namespace X = platform::controls;
using platform::ui::FormBuilder;
using platform::ui::setFocusTo;

namespace {

const QString MascaraCpf = QStringLiteral("###.###.###-##");
const QString MascaraRg = QStringLiteral("##.###.###-#");
// A CRC carries a letter or a digit after its "/".
const QString MascaraCrc = QStringLiteral("#AA######/A-#");

void SoDigitos(QLineEdit* campo) {
    campo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), campo));
}

X::TDBDate* Data(FormBuilder& g, const char* nome, const char* titulo, int linha, int coluna,
                 const QDate& minima = QDate(1900, 1, 1)) {
    auto* d = g.field(new X::TDBDate(g.owner()), nome, titulo, linha, coluna);
    d->setMinDate(minima);
    d->setMaxDate(platform::values::MaximumDate);
    return d;
}

X::MaskEdBox* Mascara(FormBuilder& g, const char* nome, const char* titulo, const QString& mascara, int linha,
                      int coluna) {
    auto* m = g.field(new X::MaskEdBox(g.owner()), nome, titulo, linha, coluna);
    m->setMask(mascara);
    return m;
}

QLineEdit* Digitos(FormBuilder& g, const char* nome, const char* titulo, int limite, int linha, int coluna) {
    QLineEdit* t = g.text(nome, titulo, limite, linha, coluna);
    SoDigitos(t);
    return t;
}

}  // namespace

// The company's number is typed; the row is the company's terms row, keyed by its automatic number,
// created on the first lookup.
class CadastroTermo : public shell::JanelaCadastro {
  public:
    CadastroTermo(frmTermo& janela, shell::DefinicaoCadastro definicao)
        : JanelaCadastro(janela, std::move(definicao)), w_(janela) {}

    qint64 Codauto() const { return codauto_; }

  protected:
    bool ConsultaPermitida() const override { return EstadoAtual() == shell::Ocioso; }

    // Only a number above 0 is looked up, shown without its leading zeros; an unknown company is
    // told and its number emptied.
    std::optional<QString> ChaveAceita(const QString& texto) override {
        const qint64 codigo = Empresas::NumeroEmpresa(texto);
        if (codigo <= 0) return std::nullopt;
        w_.txtCodigo->setText(QString::number(codigo));
        const auto empresa =
            Empresas::LeEmpresaDoCampo(*w_.txtCodigo, Conexao(), Empresas::BotaoLista::PesquisarLista);
        if (!empresa || empresa->Eof()) return std::nullopt;
        codauto_ = empresa->Fields(QStringLiteral("codauto")).toLongLong();
        nome_ = empresa->Fields(QStringLiteral("nome")).toString();
        return QString::number(codauto_);
    }
    QString NormalizaChave(const QString& /*texto*/) const override { return QString::number(codauto_); }

    bool LocalizaRegistro(const QString& chave) override {
        Registro() = LeTermo(Conexao(), chave.toLongLong());
        return !Registro().Eof();
    }
    void CriaRegistro(const QString& chave) override { CriaTermo(Conexao(), chave.toLongLong()); }
    QWidget* FocoAoCarregar() const override { return Criado() ? w_.txtResponsavel : w_.txtRegN; }

    // A row just created keeps the empty fields of the idle state, "P1A/P2A" chosen, and its save
    // writes every column.
    void MostraRegistro() override {
        w_.lblNome->setText(nome_);
        if (!Criado()) JanelaCadastro::MostraRegistro();
    }

    void TestaRegras() override { w_.TestaRegras(); }

    void AjustaBotao(shell::EstadoCadastro estado) override {
        if (estado != shell::Ocioso) return;
        w_.optP1a->setChecked(true);
        w_.lblNome->clear();
        w_.ssTab->setTab(0);
    }

  private:
    frmTermo& w_;
    qint64 codauto_ = 0;
    QString nome_;
};

frmTermo::frmTermo(QWidget* parent) : Form(parent) {
    Monta();
    shell::DefinicaoCadastro d;
    d.tabela = QStringLiteral("Termo");
    d.colunaChave = QStringLiteral("codcli");
    d.tipoChave = shell::TipoColuna::Numero;
    d.procura = shell::Procura::CriaSemPergunta;
    d.chave = txtCodigo;
    for (QWidget* campo : {static_cast<QWidget*>(txtRegN),        static_cast<QWidget*>(txtOrg),
                           static_cast<QWidget*>(tdbArqui),       static_cast<QWidget*>(optP1a),
                           static_cast<QWidget*>(optP1),          static_cast<QWidget*>(txtPriFolEnt),
                           static_cast<QWidget*>(txtUltFolEnt),   static_cast<QWidget*>(txtOrdEnt),
                           static_cast<QWidget*>(tdbInEnt),       static_cast<QWidget*>(tdbFimEnt),
                           static_cast<QWidget*>(txtPriFolSai),   static_cast<QWidget*>(txtUltFolSai),
                           static_cast<QWidget*>(txtOrdSai),      static_cast<QWidget*>(tdbInSai),
                           static_cast<QWidget*>(tdbFimSai),      static_cast<QWidget*>(txtOrdIc),
                           static_cast<QWidget*>(txtFolhasIc),    static_cast<QWidget*>(tdbPeriodoIc),
                           static_cast<QWidget*>(tdbAteIc),       static_cast<QWidget*>(txtOrdIp),
                           static_cast<QWidget*>(txtFolhasIp),    static_cast<QWidget*>(tdbPeriodoIp),
                           static_cast<QWidget*>(tdbAteIp),       static_cast<QWidget*>(txtModelo),
                           static_cast<QWidget*>(txtNfolhas),     static_cast<QWidget*>(txtPpag),
                           static_cast<QWidget*>(txtUpag),        static_cast<QWidget*>(txtNOrder),
                           static_cast<QWidget*>(tdbLiss),        static_cast<QWidget*>(tdbFiss),
                           static_cast<QWidget*>(txtResponsavel), static_cast<QWidget*>(mskCpf),
                           static_cast<QWidget*>(mskRg),          static_cast<QWidget*>(txtContador),
                           static_cast<QWidget*>(mskCrc)})
        d.campos.push_back(CampoTermo(campo));
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.cmdPesquisar = cmdPesquisar;
    d.cmdImprimirRegistro = cmdImprimir;
    d.controles = {{ssTab, {shell::Carregado}}};
    cadastro_ = new CadastroTermo(*this, std::move(d));
    cadastro_->Liga();

    using platform::ui::onClick;
    using platform::ui::onLostFocus;
    onClick(cmdPesquisar, this, &frmTermo::cmdPesquisar_Click);
    onClick(cmdImprimir, this, &frmTermo::cmdImprimir_Click);
    onLostFocus(txtFolhasIc, [this] { NormalizaFolhas(txtFolhasIc); });
    onLostFocus(txtFolhasIp, [this] { NormalizaFolhas(txtFolhasIp); });
    onLostFocus(tdbFimSai, [this] { ProximaAba(txtOrdIc); });
    onLostFocus(tdbAteIp, [this] { ProximaAba(txtModelo); });
    onLostFocus(tdbFiss, [this] { ProximaAba(txtResponsavel); });
}

frmTermo::~frmTermo() = default;

shell::JanelaCadastro& frmTermo::Cadastro() { return *cadastro_; }

// A field with its column. Page counts and order numbers are written with their zeros; the model is
// shown by ESP1a alone and ESP1 written as its opposite.
shell::CampoCadastro frmTermo::CampoTermo(QWidget* campo) {
    const int i = int(CamposColunas().indexOf(campo));
    const ColunaTermo& coluna = ColunasTermo()[std::size_t(i)];
    shell::CampoCadastro c{campo, coluna.nome};
    const Forma forma = coluna.forma;
    if (forma == Forma::Zeros4 || forma == Forma::Zeros3)
        c.escrita = [forma](const platform::db::Param& texto) {
            return ValorColuna(forma, std::get<QString>(texto.value()), false);
        };
    if (forma == Forma::Modelo)
        c.mostra = [this](QWidget*, const platform::db::Field& p1a) {
            optP1a->setChecked(p1a.toBool());
            optP1->setChecked(!p1a.toBool());
        };
    if (forma == Forma::ModeloOposto) c.mostra = [](QWidget*, const platform::db::Field&) {};
    return c;
}

QList<QWidget*> frmTermo::CamposColunas() const {
    return {txtResponsavel, mskCpf,       txtRegN,      txtOrg,   tdbArqui,    optP1a,       optP1,
            txtPriFolEnt,   txtUltFolEnt, txtOrdEnt,    tdbInEnt, tdbFimEnt,   txtPriFolSai, txtUltFolSai,
            txtOrdSai,      tdbInSai,     tdbFimSai,    txtOrdIc, txtFolhasIc, tdbPeriodoIc, tdbAteIc,
            txtOrdIp,       txtFolhasIp,  tdbPeriodoIp, tdbAteIp, txtModelo,   txtNfolhas,   txtPpag,
            txtUpag,        txtNOrder,    tdbLiss,      tdbFiss,  mskRg,       mskCrc,       txtContador};
}

void frmTermo::Monta() {
    setObjectName(QStringLiteral("frmTermo"));
    setWindowTitle(QString::fromUtf8(TituloTermos));
    int indice = 0;

    auto* topo = new QWidget(this);
    FormBuilder empresa(topo, lblTit, indice);
    txtCodigo = empresa.text("txtCodigo", "Codigo", 32767, 0, 0);
    SoDigitos(txtCodigo);
    txtCodigo->setMaximumWidth(80);
    cmdPesquisar = FormBuilder::button(topo, "cmdPesquisar", "&Pesquisar", "Efetua uma Pesquisa");
    empresa.layout()->addWidget(cmdPesquisar, 0, 2);
    auto* lblEmpresa = new QLabel(QStringLiteral("Empresa"), topo);
    lblEmpresa->setObjectName(QStringLiteral("lblTit36"));
    lblNome = new QLabel(topo);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    lblNome->setFrameShape(QFrame::Panel);
    lblNome->setFrameShadow(QFrame::Sunken);
    lblNome->setMinimumWidth(300);
    empresa.layout()->addWidget(lblEmpresa, 0, 3);
    empresa.layout()->addWidget(lblNome, 0, 4);
    empresa.layout()->setColumnStretch(4, 1);

    ssTab = new X::SSTab(this);
    ssTab->setObjectName(QStringLiteral("ssTab"));

    auto* entradaSaida = new QWidget;
    FormBuilder registro(entradaSaida, lblTit, indice);
    txtRegN = registro.text("txtRegN", "Registro Nº", 12, 0, 0);
    txtOrg = registro.text("txtOrg", "Orgão", 20, 0, 2);
    tdbArqui = Data(registro, "tdbArqui", "Data Arquivo", 0, 4);
    fraModel = new QGroupBox(QStringLiteral(" Modelo "), entradaSaida);
    fraModel->setObjectName(QStringLiteral("fraModel"));
    FormBuilder modelo(fraModel, lblTit, indice);
    optP1a = modelo.field(new QRadioButton(QStringLiteral("P1A/P2A"), fraModel), "optP1a", "", 0, 0);
    optP1 = modelo.field(new QRadioButton(QStringLiteral("P1/P2"), fraModel), "optP1", "", 0, 2);
    registro.layout()->addWidget(fraModel, 1, 0, 1, 6);
    const auto livroFiscal = [&](QGroupBox*& quadro, const char* nomeQuadro, const char* titulo,
                                 QLineEdit*& primeira, QLineEdit*& ultima, QLineEdit*& ordem,
                                 X::TDBDate*& inicio, X::TDBDate*& fim, const char* const nomes[5],
                                 const char* tituloInicio, const char* tituloFim, int linha) {
        quadro = new QGroupBox(QString::fromUtf8(titulo), entradaSaida);
        quadro->setObjectName(QString::fromLatin1(nomeQuadro));
        FormBuilder g(quadro, lblTit, indice);
        primeira = Digitos(g, nomes[0], "Primeira Folha", 4, 0, 0);
        ultima = Digitos(g, nomes[1], "Ultima Folha", 4, 0, 2);
        ordem = g.text(nomes[2], "Nº Ordem", 4, 0, 4);
        inicio = Data(g, nomes[3], tituloInicio, 1, 0);
        fim = Data(g, nomes[4], tituloFim, 1, 2);
        registro.layout()->addWidget(quadro, linha, 0, 1, 6);
    };
    static const char* const entrada[] = {"txtPriFolEnt", "txtUltFolEnt", "txtOrdEnt", "tdbInEnt",
                                          "tdbFimEnt"};
    static const char* const saida[] = {"txtPriFolSai", "txtUltFolSai", "txtOrdSai", "tdbInSai", "tdbFimSai"};
    livroFiscal(fraEntr, "fraEntr", " Entrada ", txtPriFolEnt, txtUltFolEnt, txtOrdEnt, tdbInEnt, tdbFimEnt,
                entrada, "Inicio Reg.Entradas", "Fim Reg.Entradas", 2);
    livroFiscal(fraSai, "fraSai", " Saída ", txtPriFolSai, txtUltFolSai, txtOrdSai, tdbInSai, tdbFimSai,
                saida, "Inicio Reg.Saidas", "Fim Reg.Saidas", 3);
    ssTab->addTab(entradaSaida, QStringLiteral("Entrada/Saída"));

    auto* apuracao = new QWidget;
    auto* apuracaoLayout = new QVBoxLayout(apuracao);
    const auto livroApuracao = [&](QGroupBox*& quadro, const char* nomeQuadro, const char* titulo,
                                   QLineEdit*& ordem, QLineEdit*& folhas, X::TDBDate*& periodo,
                                   X::TDBDate*& ate, const char* const nomes[4]) {
        quadro = new QGroupBox(QString::fromUtf8(titulo), apuracao);
        quadro->setObjectName(QString::fromLatin1(nomeQuadro));
        FormBuilder g(quadro, lblTit, indice);
        ordem = g.text(nomes[0], "Nº Ordem", 4, 0, 0);
        folhas = Digitos(g, nomes[1], "Nº de Folhas", 3, 0, 2);
        periodo = Data(g, nomes[2], "Período", 1, 0);
        ate = Data(g, nomes[3], "Até", 1, 2);
        apuracaoLayout->addWidget(quadro);
    };
    static const char* const icms[] = {"txtOrdIc", "txtFolhasIc", "tdbPeriodoIc", "tdbAteIc"};
    static const char* const ipi[] = {"txtOrdIp", "txtFolhasIp", "tdbPeriodoIp", "tdbAteIp"};
    livroApuracao(fraIcms, "fraIcms", "ICMS", txtOrdIc, txtFolhasIc, tdbPeriodoIc, tdbAteIc, icms);
    livroApuracao(Frame1, "Frame1", "IPI", txtOrdIp, txtFolhasIp, tdbPeriodoIp, tdbAteIp, ipi);
    apuracaoLayout->addStretch(1);
    ssTab->addTab(apuracao, QStringLiteral("Apuração"));

    auto* iss = new QWidget;
    FormBuilder livroIss(iss, lblTit, indice);
    txtModelo = livroIss.text("txtModelo", "Modelo", 4, 0, 0);
    txtNfolhas = Digitos(livroIss, "txtNfolhas", "Nº Folhas", 4, 1, 0);
    txtPpag = Digitos(livroIss, "txtPpag", "Primeira Pag.", 4, 1, 2);
    txtUpag = Digitos(livroIss, "txtUpag", "Ultima Pag.", 4, 1, 4);
    txtNOrder = livroIss.text("txtNOrder", "Nº Ordem", 4, 2, 0);
    tdbLiss = Data(livroIss, "tdbLiss", "Inicio Livro ISS", 3, 0, QDate(2000, 1, 1));
    tdbFiss = Data(livroIss, "tdbFiss", "Fim Livro ISS", 3, 2, QDate(2000, 1, 1));
    livroIss.layout()->setRowStretch(4, 1);
    ssTab->addTab(iss, QStringLiteral("Livro ISS"));

    auto* pessoas = new QWidget;
    FormBuilder responsavel(pessoas, lblTit, indice);
    txtResponsavel = responsavel.text("txtResponsavel", "Nome do Responsável", 40, 0, 0, 3);
    mskCpf = Mascara(responsavel, "mskCpf", "C.P.F.", MascaraCpf, 1, 0);
    mskRg = Mascara(responsavel, "mskRg", "RG", MascaraRg, 1, 2);
    txtContador = responsavel.text("txtContador", "Nome do Contador", 40, 2, 0, 3);
    mskCrc = Mascara(responsavel, "mskCrc", "C.R.C.", MascaraCrc, 3, 0);
    responsavel.layout()->setRowStretch(4, 1);
    ssTab->addTab(pessoas, QStringLiteral("Responsável/Contador"));
    lblTit.add(indice, lblEmpresa);

    cmdGravar = FormBuilder::button(this, "cmdGravar", "&Gravar", "Grava Informações");
    cmdCancelar = FormBuilder::button(this, "cmdCancelar", "&Cancelar", "Cancela");
    cmdImprimir = FormBuilder::button(this, "cmdImprimir", "&Imprimir", "Imprimi Relatório");
    cmdSair = FormBuilder::button(this, "cmdSair", "&Sair", "Sair");
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    for (QPushButton* b : {cmdGravar, cmdCancelar, cmdImprimir, cmdSair}) {
        platform::ui::setTabIndex(b, ++indice);
        botoes->addWidget(b);
    }
    platform::ui::setTabIndex(cmdPesquisar, ++indice);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(topo);
    layout->addWidget(ssTab, 1);
    layout->addLayout(botoes);
    platform::ui::applyTabOrder(this);
    resize(640, 420);
}

void frmTermo::Form_Load() { cadastro_->Form_Load(); }

void frmTermo::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

// A stored value the clerk left as it was is checked as stored, not as its field shows it.
void frmTermo::TestaRegras() {
    using shell::AdicionaErro;
    using shell::ErroFatal;
    using shell::TextoGravado;
    if (platform::values::Trim(TextoGravado(txtResponsavel)).isEmpty())
        AdicionaErro(ErroFatal, QStringLiteral("O Campo Responsável é Obrigatório !"));
    if (TextoGravado(mskCpf) == QStringLiteral("___.___.___-__"))
        AdicionaErro(ErroFatal, QStringLiteral("O Campo CPF é Obrigatório !"));
    if (TextoGravado(mskRg) == QStringLiteral("__.___.___-_"))
        AdicionaErro(ErroFatal, QStringLiteral("O Campo RG é Obrigatório !"));
    if (platform::values::Trim(TextoGravado(txtContador)).isEmpty())
        AdicionaErro(ErroFatal, QStringLiteral("O Campo Contador é Obrigatório !"));
    if (TextoGravado(mskCrc) == QStringLiteral("_________/_-_"))
        AdicionaErro(ErroFatal, QStringLiteral("O Campo CRC é Obrigatório !"));
}

// A stored count the clerk did not edit stays as stored.
void frmTermo::NormalizaFolhas(QLineEdit* campo) {
    if (shell::CampoIntacto(campo)) return;
    campo->setText(QString::number(campo->text().toLongLong()));
}

// The field shows its own tab page when it takes the focus.
void frmTermo::ProximaAba(QWidget* campo) {
    if (cadastro_->EstadoAtual() != shell::Carregado) return;
    platform::ui::setFocusTo(campo);
}

// The terms list the companies by code and name only, in the generic search.
void frmTermo::cmdPesquisar_Click() {
    shell::PesquisaDaChave(txtCodigo, platform::values::Trim(txtCodigo->text()).isEmpty(), [this] {
        shell::frmPesquisa pesquisa(this);
        return shell::AbrePesquisa(pesquisa, QStringLiteral("Pesquisa de Empresas"),
                                   QStringLiteral("Empresas"));
    });
}

// The page counts are spelled from the fields as they stand, before the save empties them.
void frmTermo::cmdImprimir_Click() {
    const auto extenso = [](const QLineEdit* campo) {
        return campo->text().isEmpty()
                   ? QString()
                   : QStringLiteral("(") + Geral::NumeroExtenso(campo->text(), false, false) +
                         QStringLiteral(")");
    };
    Geral::ExtensoIcms = extenso(txtFolhasIc);
    Geral::ExtensoIpi = extenso(txtFolhasIp);
    if (!lblNome->text().isEmpty() && !cadastro_->Grava()) return;
    Geral::ChaveComum = QString::number(cadastro_->Codauto());
    frmTerPara dialogo(this);
    platform::ui::ShowModal(dialogo);
}

}  // namespace terms
