#include "shell/frmUsuarios.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "platform/controls/MaskEdBox.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/ListaPesquisa.h"
#include "shell/RelatorioUsuario.h"
#include "shell/RotinasControles.h"
#include "shell/SenhaAdm.h"
#include "shell/Sessao.h"
#include "shell/frmPesquisa.h"
#include "shell/frmTrocasen.h"
#include "shell/usuarios_sql.h"

namespace shell {

namespace ui = platform::ui;
namespace values = platform::values;

namespace {

const QString MascaraCodigo = QStringLiteral("###");

bool Administrando() { return EhAdministrador(Geral::UsuarioAtual); }

qint64 NumeroDe(const QString& texto) { return static_cast<qint64>(values::Val(texto)); }

void Apaga(QLabel* rotulo) {
    if (rotulo) ui::setForeColor(rotulo, ui::CaptionNormal);
}

// The disabled look is left alone: a right that cannot be changed must look so.
void CorDaCaixa(QCheckBox* caixa, const QColor& cor) {
    QPalette p = caixa->palette();
    for (auto grupo : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(grupo, QPalette::WindowText, cor);
        p.setColor(grupo, QPalette::ButtonText, cor);
    }
    caixa->setPalette(p);
}

}  // namespace

// The users window on the record-window frame: the lookup is the administrator's alone, the rights
// and printer are read and written by the window, and the close guard watches the name field.
class CadastroUsuarios : public JanelaCadastro {
  public:
    CadastroUsuarios(frmUsuarios& janela, DefinicaoCadastro definicao)
        : JanelaCadastro(janela, std::move(definicao)), w_(janela) {}

  protected:
    // Another user's code field looks nothing up: his record comes as the field gets the focus.
    bool ConsultaPermitida() const override { return Administrando(); }
    bool ChaveVazia(const QString& texto) const override { return NumeroDe(texto) == 0; }
    QString NormalizaChave(const QString& texto) const override { return QString::number(NumeroDe(texto)); }
    void EsvaziaChave() override {
        w_.mskCodigo->setMask(MascaraCodigo);
        w_.mskCodigo->setText(QString());
    }

    // The administrator's lookup opens every field but the password, which only the password change
    // alters once the user exists.
    void MostraRegistro() override {
        const bool administrador = Administrando();
        if (administrador) {
            Geral::HabilitaCampos(&w_, true);
            HabilitaCampo(w_.txtsenha, false);
            // Locked at once: a button disabled next must not hand the focus to the code field.
            w_.mskCodigo->setEnabled(false);
        }
        JanelaCadastro::MostraRegistro();
        const QDate dsenha = Registro().Fields(QStringLiteral("dsenha")).toDate();
        w_.lblDsenha->setText(dsenha.isValid() ? values::formatDate(dsenha) : QString());
        if (!administrador)
            for (QCheckBox* consulta : {w_.chkBdcon, w_.chkCfcon})
                for (QCheckBox* governada : w_.Governadas(consulta)) governada->setEnabled(false);
    }

    void TestaRegras() override {
        Geral::PreencheBrancos(&w_);
        const qint64 codigo = NumeroDe(ChaveAtual());
        if (Inclusao() && usuarios::Existe(Conexao(), codigo))
            AdicionaErro(ErroFatal, QStringLiteral("Código Já Cadastrado, Troque o Número !"));
        const QString nome = TextoGravado(w_.txtNome);
        if (values::Trim(nome).isEmpty())
            AdicionaErro(ErroFatal, QStringLiteral("O nome do usuário é obrigatório !"));
        // The login finds a user by his name in any letter case: two users so named would share it.
        else if (usuarios::NomeDeOutro(Conexao(), nome, codigo))
            AdicionaErro(ErroFatal, QStringLiteral("Nome de usuário já cadastrado !"));
    }

    // A new user's password is stored in its encoded form, dated today; once he exists only the
    // password change alters it.
    platform::db::ColumnList ColunasRegistro() const override {
        platform::db::ColumnList colunas = JanelaCadastro::ColunasRegistro();
        if (Inclusao()) {
            colunas.add(QStringLiteral("senha"), Geral::SenhaCodificada);
            colunas.add(QStringLiteral("dsenha"), QDate::currentDate());
        }
        return colunas;
    }

    // A user saving his own record prints on the chosen kind from now on.
    void GravaRegistro(bool inclusao) override {
        if (inclusao) Geral::SenhaCodificada = HashSenhaAdm(w_.txtsenha->text());
        JanelaCadastro::GravaRegistro(inclusao);
        if (!inclusao) Geral::TipoImpressora = w_.LetraImpressora();
    }

    void ApagaRegistro() override { usuarios::Exclui(Conexao(), NumeroDe(ChaveAtual())); }

    void AjustaBotao(EstadoCadastro estado) override { w_.AjustaBotao(estado); }

    bool RegistroAberto() const override { return w_.txtNome->isEnabled(); }

  private:
    frmUsuarios& w_;
};

frmUsuarios::frmUsuarios(QWidget* parent)
    : Form(parent),
      mskCodigo(new platform::controls::MaskEdBox(this)),
      txtNome(new QLineEdit(this)),
      txtsenha(new QLineEdit(this)),
      cmdTrocasen(new QPushButton(QStringLiteral("&Mudar"), this)),
      lblData(new QLabel(QStringLiteral("Data "), this)),
      lblDsenha(new QLabel(this)),
      fraImp(new QGroupBox(QStringLiteral(" Impressora Ativa "), this)),
      optIm(new QRadioButton(QStringLiteral("Matricial"), fraImp)),
      OptIj(new QRadioButton(QStringLiteral("Jato de Tinta"), fraImp)),
      optIl(new QRadioButton(QStringLiteral("Laser"), fraImp)),
      optIn(new QRadioButton(QStringLiteral("Sem Impressora"), fraImp)),
      frmBdados(new QGroupBox(QStringLiteral(" Tarefas do Banco de Dados "), this)),
      chkBdcon(new QCheckBox(frmBdados)),
      chkBdadi(new QCheckBox(frmBdados)),
      chkBdexc(new QCheckBox(frmBdados)),
      chkBdalt(new QCheckBox(frmBdados)),
      frmCFinc(new QGroupBox(QStringLiteral(" Tarefas do Controle Financeiro "), this)),
      chkCfcon(new QCheckBox(frmCFinc)),
      chkCfadi(new QCheckBox(frmCFinc)),
      chkCfexc(new QCheckBox(frmCFinc)),
      chkCfalt(new QCheckBox(frmCFinc)),
      chkCfbai(new QCheckBox(frmCFinc)),
      cmdGravar(new QPushButton(QStringLiteral("&Gravar"), this)),
      cmdCancelar(new QPushButton(QStringLiteral("&Cancelar"), this)),
      cmdApagar(new QPushButton(QStringLiteral("&Apagar"), this)),
      cmdImprimir(new QPushButton(QStringLiteral("&Imprimir"), this)),
      cmdPesquisar(new QPushButton(QStringLiteral("&Pesquisar"), this)),
      cmdSair(new QPushButton(QStringLiteral("&Sair"), this)) {
    setObjectName(QStringLiteral("frmUsuarios"));
    setWindowTitle(QStringLiteral("Cadastro de Usuários"));
    auto nomeia = [](QWidget* w, const char* nome) { w->setObjectName(QString::fromLatin1(nome)); };
    nomeia(mskCodigo, "mskCodigo");
    nomeia(txtNome, "txtNome");
    nomeia(txtsenha, "txtsenha");
    nomeia(cmdTrocasen, "cmdTrocasen");
    nomeia(lblData, "lblData");
    nomeia(lblDsenha, "lblDsenha");
    nomeia(fraImp, "fraImp");
    nomeia(optIm, "optIm");
    nomeia(OptIj, "OptIj");
    nomeia(optIl, "optIl");
    nomeia(optIn, "optIn");
    nomeia(frmBdados, "frmBdados");
    nomeia(frmCFinc, "frmCFinc");
    nomeia(cmdGravar, "cmdGravar");
    nomeia(cmdCancelar, "cmdCancelar");
    nomeia(cmdApagar, "cmdApagar");
    nomeia(cmdImprimir, "cmdImprimir");
    nomeia(cmdPesquisar, "cmdPesquisar");
    nomeia(cmdSair, "cmdSair");
    const auto caixas = Caixas();
    const char* nomesCaixas[Direitos] = {"chkBdcon", "chkBdadi", "chkBdexc", "chkBdalt", "chkCfcon",
                                         "chkCfadi", "chkCfexc", "chkCfalt", "chkCfbai"};
    for (int i = 0; i < Direitos; ++i) {
        nomeia(caixas[i], nomesCaixas[i]);
        caixas[i]->setText(QString::fromUtf8(usuarios::TitulosDireitos[i]));
    }

    mskCodigo->setMask(MascaraCodigo);
    // The code is read without its prompts: an empty field reads as blanks.
    mskCodigo->setPromptInclude(false);
    mskCodigo->setMaximumWidth(60);
    txtNome->setMaxLength(TamanhoNome);
    txtsenha->setMaxLength(TamanhoSenha);
    platform::ui::makePasswordField(txtsenha);
    cmdTrocasen->setToolTip(QStringLiteral("Muda Senha"));
    cmdGravar->setToolTip(QStringLiteral("Grava as informações"));
    cmdCancelar->setToolTip(QStringLiteral("Cancela"));
    cmdApagar->setToolTip(QStringLiteral("Exclui Informações"));
    cmdImprimir->setToolTip(QStringLiteral("Imprimi Relatório"));
    cmdPesquisar->setToolTip(QStringLiteral("Efetua uma Pesquisa"));
    cmdSair->setToolTip(QStringLiteral("Sair"));

    auto* lblCodigo = new QLabel(QStringLiteral("Código"), this);
    auto* lblNome = new QLabel(QStringLiteral("Nome "), this);
    auto* lblSenha = new QLabel(QStringLiteral("Senha"), this);
    nomeia(lblCodigo, "lblTit0");
    nomeia(lblNome, "lblTit1");
    nomeia(lblSenha, "lblTit2");
    lblTit.add(0, lblCodigo);
    lblTit.add(1, lblNome);
    lblTit.add(2, lblSenha);

    int indice = 0;
    // Another user, whose code field locks as his record loads, lands on the printer he may change.
    for (QWidget* c : std::initializer_list<QWidget*>{mskCodigo, txtNome, txtsenha, optIm, OptIj, optIl,
                                                      optIn, cmdTrocasen})
        ui::setTabIndex(c, indice++);
    for (QCheckBox* c : caixas) ui::setTabIndex(c, indice++);
    for (QPushButton* b : {cmdGravar, cmdCancelar, cmdApagar, cmdImprimir, cmdPesquisar, cmdSair})
        ui::setTabIndex(b, indice++);

    auto* campos = new QGridLayout;
    campos->addWidget(lblCodigo, 0, 0);
    campos->addWidget(mskCodigo, 0, 1);
    campos->addWidget(lblNome, 1, 0);
    campos->addWidget(txtNome, 1, 1, 1, 3);
    campos->addWidget(lblSenha, 2, 0);
    campos->addWidget(txtsenha, 2, 1);
    campos->addWidget(cmdTrocasen, 2, 2);
    campos->addWidget(lblData, 3, 0);
    campos->addWidget(lblDsenha, 3, 1);
    campos->setColumnStretch(3, 1);
    auto* impressoras = new QVBoxLayout(fraImp);
    for (QRadioButton* o : {optIm, OptIj, optIl, optIn}) impressoras->addWidget(o);
    auto* banco = new QVBoxLayout(frmBdados);
    for (QCheckBox* c : {chkBdcon, chkBdadi, chkBdexc, chkBdalt}) banco->addWidget(c);
    banco->addStretch(1);
    auto* financeiro = new QVBoxLayout(frmCFinc);
    for (QCheckBox* c : {chkCfcon, chkCfadi, chkCfexc, chkCfalt, chkCfbai}) financeiro->addWidget(c);
    auto* quadros = new QHBoxLayout;
    quadros->addWidget(fraImp);
    quadros->addWidget(frmBdados);
    quadros->addWidget(frmCFinc);
    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {cmdGravar, cmdCancelar, cmdApagar, cmdImprimir, cmdPesquisar, cmdSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(quadros);
    layout->addLayout(botoes);
    resize(680, 360);

    DefinicaoCadastro d;
    d.tabela = QStringLiteral("usuarios");
    d.colunaChave = QStringLiteral("codigo");
    d.tipoChave = TipoColuna::Numero;
    d.chave = mskCodigo;
    d.campos = Campos();
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdApagar = cmdApagar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.cmdPesquisar = cmdPesquisar;
    d.cmdImprimirRegistro = cmdImprimir;
    d.botoesRegistro = {cmdTrocasen};
    d.perguntaExclusao = QStringLiteral("Deseja Realmente Excluir Este Usuário ?");
    // The password change writes these while the user is loaded.
    d.colunasAlheias = {QStringLiteral("senha"), QStringLiteral("dsenha")};
    cadastro_ = new CadastroUsuarios(*this, std::move(d));
    cadastro_->Liga();

    ui::onGotFocus(mskCodigo, this, &frmUsuarios::mskCodigo_GotFocus);
    ui::onClick(cmdPesquisar, this, &frmUsuarios::cmdPesquisar_Click);
    ui::onClick(cmdTrocasen, this, &frmUsuarios::cmdTrocasen_Click);
    ui::onClick(cmdImprimir, this, &frmUsuarios::cmdImprimir_Click);
    ui::onClick(chkBdcon, this, &frmUsuarios::chkBdcon_Click);
    ui::onClick(chkCfcon, this, &frmUsuarios::chkCfcon_Click);
    for (QCheckBox* consulta : {chkBdcon, chkCfcon}) {
        ui::onGotFocus(consulta, [this, consulta] { Consulta_GotFocus(consulta); });
        for (QCheckBox* governada : Governadas(consulta))
            ui::onGotFocus(governada, [this, governada] { Governada_GotFocus(governada); });
    }
    for (QCheckBox* c : caixas) ui::onLostFocus(c, [this, c] { Caixa_LostFocus(c); });
    ui::applyTabOrder(this);
}

frmUsuarios::~frmUsuarios() = default;

// The name, the password (which the frame does not write), the printer by its letter and the rights;
// a right shows only under its consult right.
std::vector<CampoCadastro> frmUsuarios::Campos() {
    std::vector<CampoCadastro> campos{{txtNome, QStringLiteral("nome")}, {txtsenha, QString()}};
    CampoCadastro impressora{fraImp, QStringLiteral("impressora")};
    impressora.destaca = false;
    impressora.mostra = [this](QWidget*, const platform::db::Field& letra) {
        MostraImpressora(letra.toString());
    };
    impressora.escrita = [this](const platform::db::Param&) {
        return platform::db::Param(LetraImpressora());
    };
    campos.push_back(impressora);
    const auto caixas = Caixas();
    for (int i = 0; i < Direitos; ++i) {
        CampoCadastro direito{caixas[i], QString::fromLatin1(usuarios::ColunasDireitos[i])};
        direito.destaca = false;
        QCheckBox* caixa = caixas[i];
        QCheckBox* consulta = i < usuarios::DireitosBanco ? chkBdcon : chkCfcon;
        direito.mostra = [this, caixa, consulta](QWidget*, const platform::db::Field& valor) {
            caixa->setChecked(valor.toBool() && (caixa == consulta || consulta->isChecked()));
            if (caixa == consulta) Governa(consulta);
        };
        campos.push_back(direito);
    }
    return campos;
}

std::array<QCheckBox*, frmUsuarios::Direitos> frmUsuarios::Caixas() const {
    return {chkBdcon, chkBdadi, chkBdexc, chkBdalt, chkCfcon, chkCfadi, chkCfexc, chkCfalt, chkCfbai};
}

JanelaCadastro& frmUsuarios::Cadastro() { return *cadastro_; }

void frmUsuarios::Form_Load() { cadastro_->Form_Load(); }

void frmUsuarios::Recomeca() {
    cadastro_->UsaTabela(Geral::ConexaoCadastro, QStringLiteral("usuarios"));
    mskCodigo_GotFocus();
}

void frmUsuarios::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

void frmUsuarios::AjustaBotao(EstadoCadastro estado) {
    const bool administrador = Administrando();
    switch (estado) {
        case Ocioso:
            Geral::LimpaCampos(this);
            // A cleared form shows the printer a new user gets.
            MostraImpressora(QString());
            cadastro_->LimpaMask();
            Geral::HabilitaCampos(this, false);
            for (QPushButton* b : {cmdImprimir, cmdGravar, cmdCancelar, cmdApagar, cmdTrocasen})
                b->setEnabled(false);
            cmdSair->setEnabled(true);
            lblDsenha->clear();
            HabilitaCampo(mskCodigo, true);
            cmdPesquisar->setEnabled(administrador);
            frmBdados->setEnabled(administrador);
            frmCFinc->setEnabled(administrador);
            break;
        case Carregado:
            for (QPushButton* b : {cmdImprimir, cmdGravar, cmdTrocasen}) b->setEnabled(true);
            cmdPesquisar->setEnabled(false);
            cmdApagar->setEnabled(administrador);
            cmdCancelar->setEnabled(administrador);
            frmBdados->setEnabled(administrador);
            frmCFinc->setEnabled(administrador);
            cmdSair->setEnabled(!administrador);
            if (!administrador) {
                ui::setForeColor(lblTit(0), palette().color(QPalette::ButtonText));
                for (QRadioButton* o : {optIm, OptIj, optIl, optIn}) o->setEnabled(true);
                mskCodigo->setEnabled(false);
            }
            break;
        case Novo:
            // A new user starts from empty fields, every one of them open but the code, which the
            // lookup locks next (so no button disabled here hands it the focus).
            Geral::HabilitaCampos(this, true);
            mskCodigo->setEnabled(false);
            Geral::LimpaCampos(this);
            MostraImpressora(QString());
            for (QPushButton* b : {cmdPesquisar, cmdImprimir, cmdApagar, cmdTrocasen, cmdSair})
                b->setEnabled(false);
            cmdCancelar->setEnabled(true);
            cmdGravar->setEnabled(administrador);
            frmBdados->setEnabled(administrador);
            frmCFinc->setEnabled(administrador);
            break;
        default:
            break;
    }
}

QString frmUsuarios::LetraImpressora() const { return Opcoes().Letra(); }

OpcoesImpressora frmUsuarios::Opcoes() const { return {optIm, OptIj, optIl, optIn}; }

void frmUsuarios::MostraImpressora(const QString& letra) { Opcoes().Marca(letra); }

// Another user's record is his own, the row he logged in with.
void frmUsuarios::mskCodigo_GotFocus() {
    if (Administrando()) return;
    auto rs = usuarios::PorCodigo(cadastro_->Conexao(), Geral::CodigoUsuario);
    if (rs.Eof()) return;
    mskCodigo->setText(rs.Fields(QStringLiteral("codigo")).toString());
    cadastro_->Registro() = std::move(rs);
    cadastro_->CarregaRegistro();
}

void frmUsuarios::cmdPesquisar_Click() {
    PesquisaDaChave(mskCodigo, values::Trim(mskCodigo->Text()).isEmpty(), [this] {
        frmPesquisa pesquisa(this);
        return AbrePesquisa(pesquisa, QStringLiteral("Pesquisa de Usuários"), QStringLiteral("Usuarios"));
    });
}

void frmUsuarios::cmdTrocasen_Click() {
    Geral::ChaveComum = QString::number(NumeroDe(mskCodigo->Text()));
    frmTrocasen dialogo(this);
    ui::ShowModal(dialogo);
    if (!Geral::Cancelado)
        lblDsenha->setText(values::formatDate(QDate::currentDate()));
    else
        Geral::Cancelado = false;
}

void frmUsuarios::cmdImprimir_Click() { ImprimeUsuario(cadastro_->Conexao(), NumeroDe(mskCodigo->Text())); }

std::vector<QCheckBox*> frmUsuarios::Governadas(const QCheckBox* consulta) const {
    if (consulta == chkBdcon) return {chkBdadi, chkBdexc, chkBdalt};
    if (consulta == chkCfcon) return {chkCfadi, chkCfexc, chkCfalt, chkCfbai};
    return {};
}

void frmUsuarios::Governa(QCheckBox* consulta) {
    const bool marcada = consulta->isChecked();
    for (QCheckBox* governada : Governadas(consulta)) {
        governada->setChecked(false);
        governada->setEnabled(marcada);
    }
}

void frmUsuarios::chkBdcon_Click() { Governa(chkBdcon); }
void frmUsuarios::chkCfcon_Click() { Governa(chkCfcon); }

void frmUsuarios::Consulta_GotFocus(QCheckBox* caixa) {
    Apaga(lblTit(lblTit.highlighted()));
    CorDaCaixa(caixa, ui::CaptionHighlight);
}

// A right can be given only under its consult right: without it, the box's whole frame is locked.
void frmUsuarios::Governada_GotFocus(QCheckBox* caixa) {
    Apaga(lblTit(lblTit.highlighted()));
    CorDaCaixa(caixa, ui::CaptionHighlight);
    QCheckBox* consulta = frmBdados->isAncestorOf(caixa) ? chkBdcon : chkCfcon;
    const bool marcada = consulta->isChecked();
    for (QCheckBox* governada : Governadas(consulta)) {
        if (!marcada) governada->setChecked(false);
        governada->setEnabled(marcada);
    }
}

void frmUsuarios::Caixa_LostFocus(QCheckBox* caixa) { CorDaCaixa(caixa, ui::CaptionNormal); }

}  // namespace shell
