#include "movement/frmMovIcms.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

#include "movement/ArquivoMovimento.h"
#include "movement/CadastroMovimento.h"
#include "movement/CamposMes.h"
#include "movement/DocumentoIcms.h"
#include "movement/EmpresaPeriodo.h"
#include "movement/LancamentoIcms.h"
#include "movement/RegrasDocumentoIcms.h"
#include "movement/ValoresGuardados.h"
#include "movement/frmMovPesq.h"
#include "movement/movimento_sql.h"
#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBGrid.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "registers/ChaveCgc.h"
#include "registers/codfiscal_sql.h"
#include "registers/forcli_sql.h"
#include "registers/frmForCliGeral.h"
#include "registers/frmPesqCGC.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/GeralConsultas.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/ListaPesquisa.h"
#include "shell/RotinasControles.h"

namespace movimento {

using platform::controls::setBackColor;
using shell::EstadoCadastro;
namespace values = platform::values;

namespace {
bool ExisteEstado(const QString& uf) { return Geral::ExisteUF(uf); }

// A state as the register keeps it, put into the document: its letters, in upper case as the field
// leaves a typed one (a padded one would not fit the field).
QString UfDoCadastro(const QString& uf) { return values::Trim(uf).toUpper(); }
}  // namespace

// The movement frame with this window's own reading, writing and rules.
class CadastroIcms : public CadastroMovimento {
  public:
    CadastroIcms(frmMovIcms& janela, shell::DefinicaoCadastro definicao, CamposMes<DocumentoIcms> campos)
        : CadastroMovimento(janela, std::move(definicao), janela.mskCodigo),
          janela_(janela),
          campos_(std::move(campos)) {}

  protected:
    bool IncluiChaveDesconhecida() override {
        AvisaNaoCadastrado();
        return false;
    }

    void EsvaziaChave() override {
        CadastroMovimento::EsvaziaChave();
        const auto& cfop = registers::cfop::DefinicaoDe(janela_.TabelaCfop);
        janela_.mskCfiscal->setMask(cfop.mascara);
        janela_.mskCfiscal->setText(QString());
    }

    void MostraRegistro() override {
        auto& j = janela_;
        const auto gravado = LeDocumentoDaLinha<DocumentoIcms>(Registro());
        const DocumentoIcms d = DocumentoNaJanela(gravado, j.TabelaCfop);
        j.mskCodigo->setText(Geral::Zeros(d.codauto, 6));
        campos_.Mostra(d);
        PreencheItens(j.ArrayItens, ItensDoDocumento(d));
        j.tdgItens->ReBind();
        mostrado_ = DocumentoDaJanela();
        AvisaGuardados(gravado);
    }

    // The company fields are part of the state too: open while idle or without a company, locked
    // (menu grey) while a document is open.
    void AjustaBotao(EstadoCadastro estado) override {
        auto& j = janela_;
        if (proximo_ > 0) {
            (j.Entradas ? j.ProximoEntradas : j.ProximoSaidas) = proximo_;
            proximo_ = 0;
        }
        AjustaEmpresa(estado, j.txtCodigo, j.tdbAnomes, j.Empresa());
        if (estado == shell::Ocioso || estado == shell::SemEmpresa) j.LimpaItens();
        if (estado == shell::Carregado || estado == shell::Novo)
            setBackColor(j.mskCodigo, platform::controls::menuColor());
    }

    void AoFechar() override { janela_.Empresa().Form_Unload(); }

    void TestaRegras() override {
        auto& j = janela_;
        const auto cadastrado = [&j](const QString& cgc) {
            return registers::forcli::Existe(j.Empresa().BancoCadastro(), j.TabelaParticipante, cgc);
        };
        const DestinoDocumento destino{j.Entradas, j.lblUf->text(), j.Empresa().Periodo(), ExisteEstado};
        for (const auto& e : RegrasGravacao(DocumentoDaJanela(), destino, cadastrado))
            shell::AdicionaErro(e.severidade, e.mensagem);
    }

    // The declared fields, the CFOP as the register keeps it and the five item slots: the items in
    // use, then every unused slot emptied, so a change that drops items leaves none behind; a slot
    // column the grid still holds as it showed it stays as stored.
    platform::db::ColumnList ColunasRegistro() const override {
        auto colunas = campos_.Colunas();
        for (const auto& c : ColunasIcms())
            if (c.slot >= 0) colunas.push_back(&c);
        DocumentoIcms d = DocumentoDaJanela();
        d.codfiscal = CodigoFiscalProcurado(d.codfiscal);
        return campos_.Gravadas(d, colunas, Inclusao() ? nullptr : &mostrado_);
    }

    // The next code moves only once the insert succeeded, past the code the database gave.
    void GravaRegistro(bool inclusao) override {
        JanelaCadastro::GravaRegistro(inclusao);
        gravouNovo_ = inclusao;
        if (inclusao) proximo_ = ChaveAtual().toLongLong() + 1;
    }

    QWidget* FocoAposGravar() const override {
        return gravouNovo_ ? static_cast<QWidget*>(janela_.cmdNovo) : janela_.mskCodigo;
    }

  private:
    // The document as the fields and the items grid hold it, the CFOP with its mask; a slot without an
    // item is empty, its type one blank.
    DocumentoIcms DocumentoDaJanela() const {
        DocumentoIcms d = campos_.Le();
        const auto itens = ItensParaGravar(janela_.ArrayItens);
        for (int slot = 0; slot < SlotsItens; ++slot) {
            const ItemGrade item = slot < int(itens.size()) ? itens[std::size_t(slot)] : ItemGrade{};
            d.itens[std::size_t(slot)] = item;
            d.tipos << (item == ItemGrade{} ? QStringLiteral(" ") : item.tipo);
        }
        return d;
    }

    // Names what the fields cannot show of `d` as stored: the dates by what keeps them from the month,
    // the fields' values, and the items' amounts beyond what a cell takes (the items keep their stored
    // amounts in the grid's array).
    void AvisaGuardados(const DocumentoIcms& d) {
        QStringList nomes = DatasForaDoMes(janela_.Empresa().Periodo(), d.datalan, &d.demiss, false);
        nomes << campos_.Guarda(d);
        for (const auto& c : ColunasIcms())
            if (c.slot >= 0 && c.tipo == TipoMes::Dinheiro)
                if (const QString nome = ValorAlemDoCampo(c.nome, c.Dinheiro(d)); !nome.isEmpty())
                    nomes << nome;
        shell::AvisaValoresGuardados(nomes, QStringLiteral("documento"));
    }

    frmMovIcms& janela_;
    CamposMes<DocumentoIcms> campos_;
    // The document loaded, as the window would write it back untouched.
    DocumentoIcms mostrado_;
    bool gravouNovo_ = false;
    // The code after the one just inserted, taken over once the save has ended.
    qint64 proximo_ = 0;
};

frmMovIcms::frmMovIcms(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmMovIcms"));
    setWindowTitle(QStringLiteral("Movimento de Entrada"));
    Constroi();

    shell::DefinicaoCadastro d;
    d.colunaChave = QStringLiteral("codauto");
    d.tipoChave = shell::TipoColuna::Numero;
    d.chaveAutomatica = true;
    d.procura = shell::Procura::Codigo;
    d.chave = mskCodigo;
    CamposMes<DocumentoIcms> campos({{tdbData, "datalan"},
                                     {tdbDemiss, "demiss"},
                                     {txtEspecie, "especie"},
                                     {txtSerie, "serie"},
                                     {txtNinicio, "docinicial"},
                                     {txtNfim, "docfinal"},
                                     {txtCgc, "cgc"},
                                     {txtUf, "uf"},
                                     {mskCfiscal, "codfiscal"},
                                     {tdbVlrcont, "vlrcontabil"},
                                     {txtTipolan, "tipolan"},
                                     {tdbBipi, "baseipi"},
                                     {tdbVipi, "valripi"},
                                     {tdbIipi, "isenipi"},
                                     {tdbOipi, "outripi"},
                                     {tdbFicms, "fonteicms"},
                                     {tdbDicms, "descicms"},
                                     {txtObserv, "observ"}});
    d.campos = campos.Campos();
    // The issue date copies the entry date before its caption lights.
    for (shell::CampoCadastro& c : d.campos) c.destaca = c.controle != tdbDemiss;
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdApagar = cmdApagar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.cmdPesquisar = cmdPesquisar;
    using shell::Carregado;
    using shell::Novo;
    using shell::Ocioso;
    using shell::SemEmpresa;
    d.controles = {{cmdNovo, {Ocioso}},           {cmdPesqe, {Ocioso, SemEmpresa}},
                   {cmdMovimento, {Ocioso}},      {cmdPcgc, {Carregado, Novo}},
                   {tdgItens, {Carregado, Novo}}, {fraAtiva, {Ocioso, SemEmpresa}}};
    d.textoGuarda = shell::GuardaCurta.toString();
    cadastro_ = new CadastroIcms(*this, std::move(d), std::move(campos));
    cadastro_->Liga();

    empresa_ = new EmpresaPeriodo(*this, {txtCodigo, tdbAnomes, lblNome, lblUf, cmdPesqe, tdbData},
                                  cadastro_->Conexao());
    empresa_->gravaPeriodo = true;
    empresa_->fechada = [this] { cadastro_->Botao(shell::SemEmpresa); };
    empresa_->aberta = [this](const Abertura& a) { AbreMovimento(a); };

    using namespace platform::ui;
    onClick(cmdNovo, this, &frmMovIcms::cmdNovo_Click);
    onClick(cmdMovimento, this, &frmMovIcms::cmdMovimento_Click);
    onClick(cmdPesquisar, this, &frmMovIcms::cmdPesquisar_Click);
    onGotFocus(tdbDemiss, this, &frmMovIcms::tdbDemiss_GotFocus);
    onLostFocus(txtTipolan, this, &frmMovIcms::txtTipolan_LostFocus);
    onLostFocus(txtCgc, this, &frmMovIcms::txtCgc_LostFocus);
    onClick(cmdPcgc, this, &frmMovIcms::cmdPcgc_Click);
    onLostFocus(mskCfiscal, this, &frmMovIcms::mskCfiscal_LostFocus);
    onLostFocus(txtUf, this, &frmMovIcms::txtUf_LostFocus);
    onLostFocus(txtEspecie, this, &frmMovIcms::txtEspecie_LostFocus);
    onLostFocus(txtSerie, this, &frmMovIcms::txtSerie_LostFocus);
    onLostFocus(txtNinicio, this, &frmMovIcms::txtNinicio_LostFocus);
    onLostFocus(txtNfim, this, &frmMovIcms::txtNfim_LostFocus);
    connect(tdgItens, &platform::controls::TDBGrid::BeforeInsert, this, &frmMovIcms::tdgItens_BeforeInsert);
    connect(tdgItens, &platform::controls::TDBGrid::BeforeDelete, this, &frmMovIcms::tdgItens_BeforeDelete);
    connect(tdgItens, &platform::controls::TDBGrid::AfterColUpdate, this,
            &frmMovIcms::tdgItens_AfterColUpdate);
    connect(tdgItens, &platform::controls::TDBGrid::KeyPress, this, &frmMovIcms::tdgItens_KeyPress);
    applyTabOrder(this);
}

frmMovIcms::~frmMovIcms() = default;

shell::JanelaCadastro& frmMovIcms::Cadastro() { return *cadastro_; }

bool frmMovIcms::NovoRegistro() const { return cadastro_->Inclusao(); }

namespace {
QPushButton* Botao(QWidget* dono, const char* nome, const char* texto, const char* dica) {
    return platform::ui::FormBuilder::button(dono, nome, texto, dica);
}
platform::controls::TDBNumber* Valor(QWidget* dono) { return new platform::controls::TDBNumber(dono); }
}  // namespace

// The controls, their captions and tab indexes: the company frame first, then the document in the
// order it is keyed, each field's caption at its tab index, then the buttons.
void frmMovIcms::Constroi() {
    using platform::controls::MaskEdBox;
    using platform::controls::TDBDate;
    using platform::ui::FormBuilder;
    int tab = 0;

    fraAtiva = new QGroupBox(QStringLiteral(" Código - Data Base - UF - Empresa Ativa "), this);
    fraAtiva->setObjectName(QStringLiteral("fraAtiva"));
    FormBuilder ativa(fraAtiva, lblTit, tab);
    txtCodigo = ativa.field(new QLineEdit(fraAtiva), "txtCodigo", "", 0, 0);
    tdbAnomes = ativa.field(new TDBDate(fraAtiva), "tdbAnomes", "", 0, 2);
    tdbAnomes->setDisplayFormat(QString::fromLatin1(TDBDate::PeriodFormat));
    lblUf = new QLabel(fraAtiva);
    lblUf->setObjectName(QStringLiteral("lblUf"));
    lblNome = new QLabel(fraAtiva);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    ativa.layout()->addWidget(lblUf, 0, 4);
    ativa.layout()->addWidget(lblNome, 0, 5);
    ativa.layout()->setColumnStretch(5, 1);
    cmdPesqe = Botao(fraAtiva, "cmdPesqe", "A&tivar", "Ativa uma Empresa");
    ativa.layout()->addWidget(cmdPesqe, 0, 6);
    platform::ui::setTabIndex(cmdPesqe, 22);

    auto* documento = new QWidget(this);
    FormBuilder doc(documento, lblTit, tab);
    mskCodigo = doc.field(new MaskEdBox(documento), "mskCodigo", "Número", 0, 0);
    mskCodigo->setMask(QStringLiteral("######"));
    tdbData = doc.field(new TDBDate(documento), "tdbData", "Data", 0, 2);
    tdbDemiss = doc.field(new TDBDate(documento), "tdbDemiss", "Emissão", 0, 4);
    txtEspecie = doc.text("txtEspecie", "Espécie", 5, 1, 0);
    txtSerie = doc.text("txtSerie", "Série", 5, 1, 2);
    txtNinicio = doc.text("txtNinicio", "Nr.Inicial", 6, 1, 4);
    txtNfim = doc.text("txtNfim", "Nr.Final", 6, 1, 6);
    txtCgc = doc.text("txtCgc", "CNPJ/CPF Fornecedor", 18, 2, 0, 3);
    txtUf = doc.text("txtUf", "UF", 2, 2, 4);
    mskCfiscal = doc.field(new MaskEdBox(documento), "mskCfiscal", "Cód.Fiscal", 2, 6);
    tdbVlrcont = doc.field(Valor(documento), "tdbVlrcont", "Valor Contábil", 3, 0);
    txtTipolan = doc.text("txtTipolan", "Tipo", 2, 3, 2);
    tdgItens = doc.field(new platform::controls::TDBGrid(documento), "tdgItens", "", 4, 0, 7);
    const char* titulos[] = {"Base de Cálculo", "Alíquota", "ICMS", "Isento", "Outros", "Tipo"};
    for (int c = 0; c < int(std::size(titulos)); ++c)
        tdgItens->setColumnCaption(c, QString::fromUtf8(titulos[c]));
    tdgItens->setColumnVisible(ColunaItem::Ultima, false);
    const char* formatos[] = {"####,##0.00", "#0.0000", "####,##0.00", "####,##0.00", "####,##0.00", "##"};
    for (int c = 0; c < int(std::size(formatos)); ++c)
        tdgItens->setColumnFormat(c, QString::fromLatin1(formatos[c]));
    tdgItens->setAllowUpdate(true);
    tdgItens->setAllowAddNew(true);
    tdgItens->setAllowDelete(true);
    tdgItens->setArray(&ArrayItens);
    // Every caption whole ("Base de Cálculo"), and the widest value each column takes: the largest
    // amount the windows accept, a rate of four decimals, a two-digit type.
    tdgItens->view()->resizeColumnsToContents();
    const char* maiores[] = {"99.999.999.999,99", "99,9999",           "99.999.999.999,99",
                             "99.999.999.999,99", "99.999.999.999,99", "99"};
    for (int c = 0; c < int(std::size(maiores)); ++c)
        tdgItens->fitColumnToText(c, QString::fromLatin1(maiores[c]));

    fraIPI = new QGroupBox(QStringLiteral("IPI"), documento);
    fraIPI->setObjectName(QStringLiteral("fraIPI"));
    FormBuilder ipi(fraIPI, lblTit, tab);
    tdbBipi = ipi.field(Valor(fraIPI), "tdbBipi", "Base IPI", 0, 0);
    tdbVipi = ipi.field(Valor(fraIPI), "tdbVipi", "IPI", 0, 2);
    tdbIipi = ipi.field(Valor(fraIPI), "tdbIipi", "Isento", 1, 0);
    tdbOipi = ipi.field(Valor(fraIPI), "tdbOipi", "Outras", 1, 2);
    fraIcms = new QGroupBox(QStringLiteral("ICMS"), documento);
    fraIcms->setObjectName(QStringLiteral("fraIcms"));
    FormBuilder icms(fraIcms, lblTit, tab);
    tdbFicms = icms.field(Valor(fraIcms), "tdbFicms", "ICMS na Fonte", 0, 0);
    tdbDicms = icms.field(Valor(fraIcms), "tdbDicms", "Desconto", 1, 0);
    doc.layout()->addWidget(fraIPI, 5, 0, 1, 4);
    doc.layout()->addWidget(fraIcms, 5, 4, 1, 4);
    txtObserv = doc.text("txtObserv", "Observações", 50, 6, 0, 7);

    auto* descricao = new QLabel(QStringLiteral("Descrição"), documento);
    descricao->setObjectName(QStringLiteral("lblTit0"));
    lblTit.add(0, descricao);
    lblDescr = new QLabel(documento);
    lblDescr->setObjectName(QStringLiteral("lblDescr"));
    doc.layout()->addWidget(descricao, 3, 4);
    doc.layout()->addWidget(lblDescr, 3, 5, 1, 3);

    // What the books and the files print of each text.
    const std::pair<QLineEdit*, int> tamanhos[] = {{txtEspecie, 3}, {txtSerie, 3},  {txtNinicio, 6},
                                                   {txtNfim, 6},    {txtCgc, 18},   {txtUf, 2},
                                                   {txtTipolan, 2}, {txtObserv, 24}};
    for (const auto& [campo, tamanho] : tamanhos) campo->setMaxLength(tamanho);
    for (auto* campo : {txtNinicio, txtNfim, txtTipolan})
        campo->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), campo));
    txtCgc->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-./0-9]*")), txtCgc));

    cmdNovo = Botao(this, "cmdNovo", "&Novo", "Nova Movimentação");
    cmdGravar = Botao(this, "cmdGravar", "&Gravar", "Grava as informações");
    cmdApagar = Botao(this, "cmdApagar", "&Apagar", "Exclui Informações");
    cmdCancelar = Botao(this, "cmdCancelar", "&Cancelar", "Cancela");
    cmdSair = Botao(this, "cmdSair", "&Sair", "Sair");
    cmdPesquisar = Botao(this, "cmdPesquisar", "&Pesquisar", "Efetua uma Pesquisa");
    cmdMovimento = Botao(this, "cmdMovimento", "&Saída", "Altera Entre Entrada e Saída");
    cmdPcgc = Botao(this, "cmdPcgc", "&Pesquisa CNPJ", "Pesquisa de CGC de Fornecedores/Clientes");
    doc.layout()->addWidget(cmdPcgc, 2, 3);
    auto* botoes = new QHBoxLayout;
    int indice = 23;
    for (QPushButton* b : {cmdNovo, cmdGravar, cmdApagar, cmdCancelar, cmdPesquisar, cmdMovimento, cmdSair}) {
        botoes->addWidget(b);
        platform::ui::setTabIndex(b, indice++);
    }
    platform::ui::setTabIndex(cmdPcgc, indice);

    // Style pictures, as the toolbar's: one tells exits, the other entries.
    imlColecao = {style()->standardIcon(QStyle::SP_ArrowLeft), style()->standardIcon(QStyle::SP_ArrowRight)};
    setWindowIcon(imlColecao[1]);
    cmdMovimento->setIcon(imlColecao[0]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraAtiva);
    layout->addWidget(documento, 1);
    layout->addLayout(botoes);
    resize(760, 560);
}

void frmMovIcms::Form_Load() {
    empresa_->Form_Load();
    Entradas = true;
    LimpaItens();
    cadastro_->Botao(shell::SemEmpresa);
    Geral::Cancelado = false;
}

void frmMovIcms::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

void frmMovIcms::LimpaItens() {
    ArrayItens.ReDim(0, -1, 0, ColunaItem::Ultima);
    tdgItens->ReBind();
}

// The steps only this window takes once the company's database is open: both month tables of the
// period, their next codes and the CFOP table of its year.
void frmMovIcms::AbreMovimento(const Abertura& abertura) {
    conexaoMovimento_ = abertura.conexao;
    const QDate periodo = empresa_->Periodo();
    auto& banco = cadastro_->Conexao();
    TabelaEntradas = TabelaMes(movimento::Entradas, periodo.month());
    TabelaSaidas = TabelaMes(movimento::Saidas, periodo.month());
    TabelaAtual = Entradas ? TabelaEntradas : TabelaSaidas;
    TabelaParticipante = Entradas ? QStringLiteral("ForGeral") : QStringLiteral("CliGeral");
    ProximoEntradas = ProximoCodigo(banco, TabelaEntradas);
    ProximoSaidas = ProximoCodigo(banco, TabelaSaidas);
    TabelaCfop = movimento::TabelaCfop(periodo.year());
    cadastro_->UsaTabela(TabelaAtual);
    cadastro_->Botao(shell::Ocioso);
    platform::ui::setFocusTo(mskCodigo);
}

void frmMovIcms::cmdNovo_Click() {
    const QString codigo = QString::number(static_cast<qint64>(values::Val(mskCodigo->ClipText())));
    if (cadastro_->ExisteChave(codigo)) {
        platform::ui::MsgBox(QStringLiteral("Código Já Cadastrado, Utilize Outro !"),
                             platform::ui::Msg::Exclamation, QStringLiteral("Atenção..."));
        cadastro_->LimpaMask();
        cadastro_->FocaChave();
        return;
    }
    cadastro_->IniciaInclusao();
    mskCodigo->setText(Geral::Zeros(Entradas ? ProximoEntradas : ProximoSaidas, 6));
    TravaCodigo();
}

void frmMovIcms::TravaCodigo() {
    mskCodigo->setEnabled(false);
    setBackColor(mskCodigo, platform::controls::menuColor());
    tdgItens->setEnabled(true);
    if (NovoRegistro()) {
        tdbData->setValue(empresa_->Periodo());
        tdbDemiss->setValue(empresa_->Periodo());
    }
    platform::ui::setFocusTo(tdbData);
}

void frmMovIcms::tdbDemiss_GotFocus() {
    if (NovoRegistro()) tdbDemiss->setValue(tdbData->Value());
    cadastro_->DestacaCampo();
}

void frmMovIcms::cmdMovimento_Click() {
    Entradas = !Entradas;
    TabelaAtual = Entradas ? TabelaEntradas : TabelaSaidas;
    TabelaParticipante = Entradas ? QStringLiteral("ForGeral") : QStringLiteral("CliGeral");
    setWindowTitle(Entradas ? QStringLiteral("Movimento de Entrada") : QStringLiteral("Movimento de Saída"));
    cmdMovimento->setText(Entradas ? QStringLiteral("Saídas") : QStringLiteral("Entradas"));
    setWindowIcon(imlColecao[Entradas ? 1 : 0]);
    cmdMovimento->setIcon(imlColecao[Entradas ? 0 : 1]);
    lblTit(9)->setText(Entradas ? QStringLiteral("CNPJ/CPF Fornecedor") : QStringLiteral("CNPJ/CPF Cliente"));
    cadastro_->UsaTabela(TabelaAtual);
    platform::ui::setFocusTo(mskCodigo);
}

// The search lists this window's own file; a failure in it only gives the focus back.
void frmMovIcms::cmdPesquisar_Click() {
    try {
        frmMovPesq pesquisa(PesquisaIcms(), conexaoMovimento_, this);
        const auto chave = shell::AbrePesquisa(pesquisa,
                                               Entradas ? QStringLiteral("Pesquisa de Lançamentos de Entrada")
                                                        : QStringLiteral("Pesquisa de Lançamentos de Saída"),
                                               Entradas ? TabelaEntradas : TabelaSaidas);
        if (chave) {
            mskCodigo->setText(*chave);
            platform::ui::postTab();
        }
    } catch (const values::RuntimeError&) {
    }
    platform::ui::setFocusTo(mskCodigo);
    Geral::SelecionaTexto(mskCodigo);
}

// The grid never holds more than the five items a document stores; the attempt at a sixth is told.
void frmMovIcms::tdgItens_BeforeInsert(bool& Cancel) {
    tdgItens->Refresh();
    if (ArrayItens.Count(1) < SlotsItens) return;
    Cancel = true;
    platform::ui::MsgBox(
        QStringLiteral("Você não pode gravar mais de 5 itens... Grave, cancele ou tente ajustar !"));
}

void frmMovIcms::tdgItens_BeforeDelete(bool& Cancel) {
    using namespace platform::ui::Msg;
    if (platform::ui::MsgBox(QStringLiteral("Exclui o item selecionado ?"), Question | YesNo | DefaultButton2,
                             QStringLiteral("Atenção... Confirme")) != Yes)
        Cancel = true;
}

void frmMovIcms::tdgItens_AfterColUpdate(int ColIndex) {
    if (ColIndex == ColunaItem::Base) {
        switch (SaidaAposBase(tdgItens->Columns(ColunaItem::Base), txtTipolan->text())) {
            case SaidaDaBase::Fica:
                break;
            case SaidaDaBase::Gravar:
                platform::ui::setFocusTo(cmdGravar);
                break;
            case SaidaDaBase::DoisTabs:
                platform::ui::postTab();
                platform::ui::postTab();
                break;
            case SaidaDaBase::BaseIpi:
                platform::ui::setFocusTo(tdbBipi);
                break;
        }
    } else if (ColIndex == ColunaItem::Aliquota) {
        const auto icms =
            IcmsDaAliquota(tdgItens->Columns(ColunaItem::Base), tdgItens->Columns(ColunaItem::Aliquota));
        if (icms && NumeroDaCelula(tdgItens->Columns(ColunaItem::Icms)) != icms)
            tdgItens->setColumns(ColunaItem::Icms, QVariant::fromValue(*icms));
    }
}

void frmMovIcms::tdgItens_KeyPress(int& KeyAscii) {
    KeyAscii = TeclaDaGrade(tdgItens->Col(), KeyAscii, tdgItens->EditText());
}

// The launch type fills the first item from the accounting value, replacing whatever the grid held.
void frmMovIcms::txtTipolan_LostFocus() {
    const auto estado = cadastro_->EstadoAtual();
    if (estado != shell::Carregado && estado != shell::Novo) return;
    const auto item = ItemDoTipoLancamento(txtTipolan->text(), tdbVlrcont->Value());
    if (!item) {
        if (values::Val(txtTipolan->text()) == 0) {
            platform::ui::setFocusTo(tdgItens);
            if (ArrayItens.Count(1) == 0) {
                tdgItens->setRow(0);
                tdgItens->setCol(0);
            }
        }
        return;
    }
    PreencheItens(ArrayItens, {ItemGrade{*item}});
    tdgItens->ReBind();
    tdgItens->setRow(0);
    tdgItens->setCol(0);
    platform::ui::setFocusTo(cmdGravar);
}

bool frmMovIcms::Valida_Especie(const QString& pesq) { return EspecieValida(pesq); }

// A CFOP must suit the document's direction and be an operation code of the year's table.
void frmMovIcms::mskCfiscal_LostFocus() {
    const QString texto = mskCfiscal->Text();
    if (!TemCodigoFiscal(texto)) return;
    QString mensagem;
    if (!CodigoFiscalAdequado(Entradas, MesmoEstado(txtUf->text(), lblUf->text()), texto)) {
        mensagem = QStringLiteral(
                       "Código fiscal inadequado, verifique se o UF da empresa combina ou se o código "
                       "fiscal esta correto!") +
                   UfForaDosEstados(Entradas, txtCgc->text(), shell::TextoGravado(txtUf), ExisteEstado);
    } else {
        auto rs =
            registers::cfop::Procura(empresa_->BancoCadastro(), TabelaCfop, CodigoFiscalProcurado(texto));
        if (rs.Eof() || rs.Fields(QStringLiteral("Nivel")).toString().trimmed() != QLatin1String("3"))
            mensagem = QStringLiteral("Código fiscal não cadastrado !");
    }
    if (mensagem.isEmpty()) return;
    platform::ui::MsgBox(mensagem, platform::ui::Msg::Exclamation, QStringLiteral("Atenção..."));
    mskCfiscal->setMask(registers::cfop::DefinicaoDe(TabelaCfop).mascara);
    mskCfiscal->setText(QString());
    platform::ui::setFocusTo(mskCfiscal);
}

// A state the clerk did not type (the document's as stored, the register's) was checked where it was
// typed; checked again, it would keep the focus with a message on every pass through the field.
void frmMovIcms::txtUf_LostFocus() {
    if (!txtUf->isModified()) return;
    const QString uf = txtUf->text();
    if (!uf.trimmed().isEmpty() && !Geral::ExisteUF(uf.toUpper())) {
        platform::ui::setFocusTo(txtUf);
        Geral::SelecionaTexto(txtUf);
        platform::ui::MsgBox(
            QStringLiteral("Sigla do Estado Inválido, digite corretamente ou deixe o campo vazio"),
            platform::ui::Msg::Critical, QStringLiteral("Erro"));
        return;
    }
    txtUf->setText(uf.toUpper());
}

void frmMovIcms::txtEspecie_LostFocus() {
    txtEspecie->setText(txtEspecie->text().toUpper().trimmed());
    if (Valida_Especie(txtEspecie->text())) return;
    platform::ui::MsgBox(QStringLiteral("Especie de documento não cadastrada, verifique o manual"),
                         platform::ui::Msg::OKOnly, QStringLiteral("Verifique o Manual..."));
    platform::ui::setFocusTo(txtEspecie);
}

void frmMovIcms::txtSerie_LostFocus() { txtSerie->setText(txtSerie->text().toUpper()); }

void frmMovIcms::txtNinicio_LostFocus() { txtNinicio->setText(NumeroDocumento(txtNinicio->text())); }

void frmMovIcms::txtNfim_LostFocus() { txtNfim->setText(NumeroDocumento(txtNfim->text())); }

// A filled CNPJ/CPF is rewritten by its digits and, when valid, looked up among the suppliers (entries)
// or clients (exits); an unknown one may be registered on the spot.
void frmMovIcms::txtCgc_LostFocus() {
    Geral::InclusaoFornecedor = Entradas;
    if (!CgcPreenchido(txtCgc->text())) return;
    const registers::ChaveCgc chave = registers::ReescreveCgc(txtCgc->text());
    txtCgc->setText(chave.texto);
    bool valida = false;
    if (chave.tipo == registers::TipoChave::Cpf) valida = Geral::ValidaCPF(chave.digitos);
    if (chave.tipo == registers::TipoChave::Cnpj) valida = Geral::ValidaCGC(chave.digitos);
    // Wrong check digits are told and keep the focus; another count of digits is sent back without a
    // word by Tab or Enter, and let go by a click, the save refusing it.
    if (!valida && chave.tipo == registers::TipoChave::Invalida && platform::ui::leavingByChoice()) return;
    if (!valida) {
        platform::ui::setFocusTo(txtCgc);
        Geral::SelecionaTexto(txtCgc);
        return;
    }
    const auto rs = registers::forcli::Procura(empresa_->BancoCadastro(), TabelaParticipante, chave.texto);
    if (!rs.Eof()) {
        txtUf->setText(UfDoCadastro(rs.Fields(QStringLiteral("uf")).toString()));
        return;
    }
    using namespace platform::ui::Msg;
    if (platform::ui::MsgBox(QStringLiteral("CNPJ/CPF não cadastrado, cadastra agora ?"), Question | YesNo,
                             QStringLiteral("Atenção")) == Yes) {
        Geral::InclusaoAtiva = true;
        Geral::InclusaoCgc = chave.texto;
        platform::ui::ShowForm<registers::frmForCliGeral>();
    } else {
        txtCgc->clear();
        platform::ui::setFocusTo(txtCgc);
    }
}

void frmMovIcms::cmdPcgc_Click() {
    registers::frmPesqCGC pesquisa(this);
    const auto chave = shell::AbrePesquisa(pesquisa, QString(), TabelaParticipante);
    if (!chave) {
        platform::ui::setFocusTo(txtCgc);
        return;
    }
    txtCgc->setText(*chave);
    txtUf->setText(UfDoCadastro(Geral::UfEscolhida));
    platform::ui::setFocusTo(txtUf);
}

}  // namespace movimento
