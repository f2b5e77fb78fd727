#include "app/MDIformTarvel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include "app/IconePrograma.h"
#include "app/IconesBarra.h"
#include "app/MotorImpressao.h"
#include "platform/files/FileLookup.h"
#include "platform/files/InstanceLock.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "shell/DiretorioPrograma.h"
#include "shell/EstadoGeral.h"
#include "shell/Sessao.h"
#include "shell/frmSenha.h"
#include "shell/frmSenhaAdm.h"

namespace app {

namespace {

enum class Tipo {
    Menu,    // opens its submenu
    Janela,  // shows a window: available only once that window is built
    Acao,    // runs its handler
    Separador,
    Inerte,  // present, never available
};

struct ItemMenu {
    const char* nome;
    const char* legenda;
    const char* pai;  // nullptr: the menu bar
    Tipo tipo;
    const char* janela;
    void (MDIformTarvel::*acao)();
};

using M = MDIformTarvel;

// The menu tree in the order it is shown.
const ItemMenu Itens[] = {
    {"mnuArquivo", "&Arquivo", nullptr, Tipo::Menu, nullptr, nullptr},
    {"mnuEmpresas", "&Empresas", "mnuArquivo", Tipo::Janela, "frmEmpresas", &M::mnuEmpresas_Click},
    {"mnuSocios", "&Sócios", "mnuArquivo", Tipo::Janela, "frmSocios", &M::mnuSocios_Click},
    {"mnuTerceiros", "&Terceiros", "mnuArquivo", Tipo::Janela, "frmTerceiros", &M::mnuTerceiros_Click},
    {"mnuSep1", "-", "mnuArquivo", Tipo::Separador, nullptr, nullptr},
    {"mnuSair", "Sai&r", "mnuArquivo", Tipo::Acao, nullptr, &M::mnuSair_Click},
    {"mnuEscrita", "&Redazor Tarvel", nullptr, Tipo::Menu, nullptr, nullptr},
    {"mnuCodfiscal", "Código Fiscal - &Até 2002", "mnuEscrita", Tipo::Janela, "frmCodFiscal",
     &M::mnuCodfiscal_Click},
    {"mnuCodfiscal03", "&Código Fiscal - 2003", "mnuEscrita", Tipo::Janela, "frmCodFiscal03",
     &M::mnuCodfiscal03_Click},
    {"mnuForCliGeral", "&Fornecedores/Clientes Geral", "mnuEscrita", Tipo::Janela, "frmForCliGeral",
     &M::mnuForCliGeral_Click},
    {"mnuMovICMS", "&Movimento ICMS", "mnuEscrita", Tipo::Janela, "frmMovIcms", &M::mnuMovICMS_Click},
    {"mnuMovIss", "Movimento &ISS", "mnuEscrita", Tipo::Janela, "frmMovIss", &M::mnuMovIss_Click},
    {"mnuIntegracoes", "&Integrações", nullptr, Tipo::Menu, nullptr, nullptr},
    {"mnuSintegra", "&Sintegra", "mnuIntegracoes", Tipo::Janela, "frmSintegra", &M::mnuSintegra_Click},
    {"mnuLivros", "&Livros", nullptr, Tipo::Menu, nullptr, nullptr},
    {"mnuLICMS", "&Livros de ICMS", "mnuLivros", Tipo::Janela, "frmLivrosIcms", &M::mnuLICMS_Click},
    {"mnuLISS", "Livros de &ISS", "mnuLivros", Tipo::Janela, "frmLivrosIss", &M::mnuLISS_Click},
    {"mnuTerAE", "&Termo Abert./Encerr.", "mnuLivros", Tipo::Janela, "frmTermo", &M::mnuTerAE_Click},
    {"mnuFinanceiro", "&Financeiro", nullptr, Tipo::Inerte, nullptr, nullptr},
    {"mnuAcumulos", "&Acúmulos", "mnuFinanceiro", Tipo::Inerte, nullptr, nullptr},
    {"mnuHonorarios", "&Honorários", "mnuFinanceiro", Tipo::Inerte, nullptr, nullptr},
    {"mnuListagens", "&Listagens", "mnuFinanceiro", Tipo::Inerte, nullptr, nullptr},
    {"mnuPesquisa", "&Pesquisa", "mnuFinanceiro", Tipo::Inerte, nullptr, nullptr},
    {"mnuRecibos", "&Recibos", "mnuFinanceiro", Tipo::Inerte, nullptr, nullptr},
    {"mnuBaixa", "&Baixa", "mnuRecibos", Tipo::Inerte, nullptr, nullptr},
    {"mnuBancos", "Ban&cos", "mnuRecibos", Tipo::Inerte, nullptr, nullptr},
    {"mnuEmissao", "&Emissão", "mnuRecibos", Tipo::Inerte, nullptr, nullptr},
    {"mnuManutencao", "&Manutenção", "mnuRecibos", Tipo::Inerte, nullptr, nullptr},
    {"mnuPre", "&Pré Digitação", "mnuRecibos", Tipo::Inerte, nullptr, nullptr},
    {"mnuEventos", "&Eventos", "mnuFinanceiro", Tipo::Inerte, nullptr, nullptr},
    {"mnuRelatorios", "&Relatórios", nullptr, Tipo::Menu, nullptr, nullptr},
    {"mnuRelArq", "&Relatórios de Arquivos", "mnuRelatorios", Tipo::Janela, "frmRelatArq",
     &M::mnuRelArq_Click},
    {"mnuEtiq", "E&tiquetas", "mnuRelatorios", Tipo::Menu, nullptr, nullptr},
    {"mnuEtiqNor", "&Normal", "mnuEtiq", Tipo::Inerte, nullptr, nullptr},
    {"mnuEtiqPdr", "&Padrão", "mnuEtiq", Tipo::Janela, "frmPadrao", &M::mnuEtiqPdr_Click},
    {"mnuJanelas", "&Janelas", nullptr, Tipo::Menu, nullptr, nullptr},
    {"mnuCascata", "&Cascata", "mnuJanelas", Tipo::Acao, nullptr, &M::mnuCascata_Click},
    {"mnuConfig", "&Config", nullptr, Tipo::Menu, nullptr, nullptr},
    {"mnuUsuario", "U&suários", "mnuConfig", Tipo::Janela, "frmUsuarios", &M::mnuUsuario_Click},
    {"mnuAjMov", "&Utilitários", "mnuConfig", Tipo::Menu, nullptr, nullptr},
    {"mnuAjIndMov", "Ajuste Individual de &Movimento", "mnuAjMov", Tipo::Janela, "frmAjMov",
     &M::mnuAjIndMov_Click},
    {"mnuMusu", "&Mudar Usuário", "mnuConfig", Tipo::Acao, nullptr, &M::mnuMusu_Click},
    {"mnuAjuda", "Aju&da", nullptr, Tipo::Menu, nullptr, nullptr},
    {"mnuAjuste", "&Ajuste", "mnuAjuda", Tipo::Janela, "frmAjuste", &M::mnuAjuste_Click},
    {"mnuZelmorI", "&Zelmor na Internet", "mnuAjuda", Tipo::Acao, nullptr, &M::mnuZelmorI_Click},
    {"mnuSobre", "&Sobre o Redazor Tarvel...", "mnuAjuda", Tipo::Janela, "frmSobre", &M::mnuSobre_Click},
};

struct BotaoBarra {
    const char* dica;    // nullptr: a button with no action, drawn as a gap
    const char* item;    // the menu item whose window (or action) the button shares
    const char* janela;  // a window of its own, when no menu item opens it
    void (*figura)(QPainter&);
};

// The buttons by index - 1.
const BotaoBarra Botoes[MDIformTarvel::NumeroBotoes] = {
    {nullptr, nullptr, nullptr, nullptr},
    {"Cadastro de Empresas", "mnuEmpresas", nullptr, Figuras::Empresas},
    {"Cadastro de Sócios", "mnuSocios", nullptr, Figuras::Socios},
    {"Cadastro de Terceiros", "mnuTerceiros", nullptr, Figuras::Terceiros},
    {nullptr, nullptr, nullptr, nullptr},
    {"Códigos Fiscais", "mnuCodfiscal03", nullptr, Figuras::CodigosFiscais},
    {"Fornecedores e Clientes Geral", "mnuForCliGeral", nullptr, Figuras::ForCli},
    {nullptr, nullptr, nullptr, nullptr},
    {"Movimento de ICMS", "mnuMovICMS", nullptr, Figuras::MovimentoIcms},
    {"Movimento de ISS", "mnuMovIss", nullptr, Figuras::MovimentoIss},
    {nullptr, nullptr, nullptr, nullptr},
    {"Mudar Usuário", "mnuMusu", nullptr, Figuras::MudaUsuario},
    {"Mudar Impressora", nullptr, "frmAtImpr", Figuras::MudaImpressora},
};

const ItemMenu* ItemDe(const QString& nome) {
    for (const auto& i : Itens)
        if (nome == QLatin1String(i.nome)) return &i;
    return nullptr;
}

}  // namespace

MDIformTarvel::MDIformTarvel(TabelaJanelas janelas, QWidget* parent)
    : QMainWindow(parent), janelas_(std::move(janelas)), mdiArea_(new QMdiArea(this)), tobMdi_(nullptr) {
    setObjectName(QStringLiteral("MDIformTarvel"));
    // Every window, dialog and preview of the program carries its icon unless it has a picture of its own.
    QApplication::setWindowIcon(IconePrograma());
    setWindowTitle(QStringLiteral("Redazor Tarvel"));
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea_);
    CriaMenus();
    CriaBarra();
    AtualizaMenus();
    // A desktop business program fills the screen, so that every window it opens has the most room to
    // open whole; it takes the screen's free area itself where no window manager maximizes it.
    if (const QScreen* tela = screen()) setGeometry(tela->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    platform::ui::setMdiHost(this);
}

MDIformTarvel::~MDIformTarvel() {
    if (platform::ui::mdiHost() == this) platform::ui::setMdiHost(nullptr);
}

void MDIformTarvel::CriaMenus() {
    std::map<QString, QMenu*> menus;
    for (const auto& i : Itens) {
        const QString nome = QString::fromUtf8(i.nome);
        const QString legenda = QString::fromUtf8(i.legenda);
        QMenu* pai = i.pai ? menus.at(QString::fromUtf8(i.pai)) : nullptr;
        QAction* acao = nullptr;
        const bool temFilhos = [&] {
            for (const auto& f : Itens)
                if (f.pai && nome == QLatin1String(f.pai)) return true;
            return false;
        }();
        if (temFilhos) {
            auto* menu = pai ? pai->addMenu(legenda) : menuBar()->addMenu(legenda);
            menu->setObjectName(nome);
            menus[nome] = menu;
            acao = menu->menuAction();
        } else if (i.tipo == Tipo::Separador) {
            acao = pai->addSeparator();
        } else {
            acao = pai->addAction(legenda);
            if (i.acao) connect(acao, &QAction::triggered, this, platform::ui::handler(this, i.acao));
        }
        acao->setObjectName(nome);
        itens_[nome] = acao;
    }
    mnuJanelas_ = menus.at(QStringLiteral("mnuJanelas"));
    // The window list under "&Janelas" follows the open child windows.
    connect(mnuJanelas_, &QMenu::aboutToShow, this, &MDIformTarvel::AtualizaListaJanelas);
}

void MDIformTarvel::CriaBarra() {
    tobMdi_ = addToolBar(QString());
    tobMdi_->setObjectName(QStringLiteral("tobMdi"));
    tobMdi_->setMovable(false);
    for (int indice = 1; indice <= NumeroBotoes; ++indice) {
        const BotaoBarra& b = Botoes[indice - 1];
        QAction* acao = nullptr;
        if (b.dica) {
            acao = tobMdi_->addAction(IconeDesenhado(b.figura), QString());
            acao->setToolTip(QString::fromUtf8(b.dica));
            connect(acao, &QAction::triggered, this, [this, indice] {
                platform::ui::Guarded([this, indice] { tobMdi_ButtonClick(indice); });
            });
        } else {
            acao = tobMdi_->addSeparator();
        }
        acao->setObjectName(QStringLiteral("tobMdi_%1").arg(indice));
        botoes_.push_back(acao);
    }
}

QAction* MDIformTarvel::item(const QString& nome) const {
    auto it = itens_.find(nome);
    return it == itens_.end() ? nullptr : it->second;
}

QAction* MDIformTarvel::botao(int indice) const {
    return indice >= 1 && indice <= NumeroBotoes ? botoes_[indice - 1] : nullptr;
}

// The one place that decides what is available: the login's rules for the user logged in, and
// whether the window an item opens has been built.
void MDIformTarvel::AtualizaMenus() {
    const QString& usuario = Geral::UsuarioAtual;
    auto construida = [this](const char* janela) {
        return !janela || janelas_.count(QString::fromUtf8(janela));
    };
    for (const auto& i : Itens) {
        const QString nome = QString::fromUtf8(i.nome);
        const bool liberado =
            i.tipo != Tipo::Inerte && shell::ItemLiberado(nome, usuario) && construida(i.janela);
        itens_.at(nome)->setEnabled(liberado);
    }
    for (int indice = 1; indice <= NumeroBotoes; ++indice) {
        const BotaoBarra& b = Botoes[indice - 1];
        const ItemMenu* i = b.item ? ItemDe(QString::fromUtf8(b.item)) : nullptr;
        const bool liberado =
            b.dica && shell::BotaoLiberado(indice, usuario) && construida(i ? i->janela : b.janela);
        botoes_[indice - 1]->setEnabled(liberado);
    }
}

void MDIformTarvel::AtualizaListaJanelas() {
    for (QAction* a : listaJanelas_) {
        mnuJanelas_->removeAction(a);
        delete a;
    }
    listaJanelas_.clear();
    const auto janelas = mdiArea_->subWindowList();
    if (janelas.isEmpty()) return;
    listaJanelas_.push_back(mnuJanelas_->addSeparator());
    int numero = 0;
    for (QMdiSubWindow* w : janelas) {
        ++numero;
        QAction* a = mnuJanelas_->addAction(QStringLiteral("&%1 %2").arg(numero).arg(w->windowTitle()));
        a->setCheckable(true);
        a->setChecked(w == mdiArea_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w = QPointer<QMdiSubWindow>(w)] {
            if (w) mdiArea_->setActiveSubWindow(w);
        });
        listaJanelas_.push_back(a);
    }
}

namespace {

using platform::ui::Msg::Critical;
using platform::ui::Msg::OKOnly;

// Tells a start-up failure under `titulo` and ends the program.
[[noreturn]] void Encerra(const QString& mensagem, const QString& titulo = QStringLiteral("Erro Fatal")) {
    platform::ui::MsgBox(mensagem, OKOnly + Critical, titulo);
    platform::ui::EndProgram(platform::ui::FatalErrorExitCode);
}

bool ExisteArquivo(const QString& caminho) { return QFileInfo(caminho).isFile(); }

QString ConexaoRegistro(const QString& diretorio, const QString& senha) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=false; Data Source=") +
           diretorio + QStringLiteral("Trabdados.mdb;Jet OLEDB:Database Password=") + senha + u';';
}

// The first installation: the shipped registry becomes the office's registry, and the administrator
// chooses a password at once (Cancel leaves it to the first administrator login).
void PrimeiraInstalacao(const QString& dir) {
    const QString modelo = dir + QStringLiteral("Ajuste.mdb");
    if (!ExisteArquivo(modelo))
        Encerra(QStringLiteral("Ajuste.mdb não está presente no diretório, Sistema Encerrado !"));
    QFile arquivo(modelo);
    if (!arquivo.rename(dir + QStringLiteral("Trabdados.mdb")))
        Encerra(QStringLiteral("Não foi possível renomear Ajuste.mdb para Trabdados.mdb (") +
                arquivo.errorString() + QStringLiteral("), Sistema Encerrado !"));
    shell::frmSenhaAdm senhaAdm(ConexaoRegistro(dir, QString()));
    platform::ui::ShowModal(senhaAdm);
}

// The folder of the movement databases; a plain file of that name would make every movement
// database fail later, so it stops the start-up instead.
void CriaPastaMovimento(const QString& dir) {
    const QFileInfo pasta(dir + QStringLiteral("Tarvel"));
    if (pasta.isDir()) return;
    if (pasta.exists() || pasta.isSymLink())
        Encerra(QStringLiteral("Tarvel no diretório não é uma pasta, Sistema Encerrado !"));
    if (!QDir(dir).mkdir(QStringLiteral("Tarvel")))
        Encerra(QStringLiteral("Não foi possível criar a pasta Tarvel no diretório, Sistema Encerrado !"));
}

}  // namespace

void MDIformTarvel::MDIForm_Load() {
    AbreMotorImpressao();
    Geral::DiretorioSistema = shell::DiretorioPrograma();
    const QString& dir = Geral::DiretorioSistema;
    platform::files::HoldInstanceLock(dir);
    if (!ExisteArquivo(dir + QStringLiteral("Trabdados.mdb"))) {
        platform::ui::resetPointer();
        if (platform::ui::MsgBox(QStringLiteral("Trata-se da primeira instalação ?"),
                                 platform::ui::Msg::YesNo + Critical + platform::ui::Msg::DefaultButton2,
                                 QStringLiteral("Atenção")) == platform::ui::Msg::Yes)
            PrimeiraInstalacao(dir);
        else
            Encerra(QStringLiteral("Trabdados.mdb não está presente no diretório, Sistema Encerrado !"));
    }
    if (!platform::files::FileExists(dir, QStringLiteral("Movimento.mdb"))) {
        platform::ui::resetPointer();
        Encerra(QStringLiteral("Movimento.mdb não está presente no diretório, Sistema Encerrado !"),
                QStringLiteral("Erro Fatal !"));
    }
    CriaPastaMovimento(dir);
    Geral::SenhaCadastro = QString();
    Geral::SenhaMovimento = QString();
    Geral::ConexaoAcesso = ConexaoRegistro(dir, Geral::SenhaCadastro);
    Geral::ConexaoCadastro = Geral::ConexaoAcesso;
    Geral::Cancelado = false;
    AbreSessao();
    platform::ui::resetPointer();
}

void MDIformTarvel::AbreSessao() {
    shell::frmSenha login(this);
    platform::ui::ShowModal(login);
    AtualizaMenus();
    setWindowTitle(shell::TituloPrincipal(Geral::UsuarioAtual));
}

void MDIformTarvel::closeEvent(QCloseEvent* event) {
    // The child windows close first, each through its own close handling; one refusal keeps them all.
    for (QMdiSubWindow* w : mdiArea_->subWindowList()) {
        if (!w->close()) {
            event->ignore();
            return;
        }
    }
    if (MDIForm_Unload()) {
        event->ignore();
        return;
    }
    event->accept();
}

namespace {
int PerguntaSaida() {
    return platform::ui::MsgBox(
        QStringLiteral("Você Quer Realmente Sair ?"),
        platform::ui::Msg::YesNo + platform::ui::Msg::Question + platform::ui::Msg::DefaultButton2,
        QStringLiteral("Mensagem de Saída"));
}
}  // namespace

bool MDIformTarvel::MDIForm_Unload() {
    if (PerguntaSaida() == platform::ui::Msg::No) return true;
    FechaMotorImpressao();
    QCoreApplication::quit();
    return false;
}

// Ends at once: no close handling runs, so a window with an unsaved record does not stop it.
void MDIformTarvel::mnuSair_Click() {
    if (PerguntaSaida() == platform::ui::Msg::Yes) platform::ui::EndProgram();
}

void MDIformTarvel::Mostra(const QString& janela) {
    auto it = janelas_.find(janela);
    if (it == janelas_.end()) return;
    platform::ui::HourglassGuard ampulheta;
    it->second();
}

void MDIformTarvel::mnuEmpresas_Click() { Mostra(QStringLiteral("frmEmpresas")); }
void MDIformTarvel::mnuSocios_Click() { Mostra(QStringLiteral("frmSocios")); }
void MDIformTarvel::mnuTerceiros_Click() { Mostra(QStringLiteral("frmTerceiros")); }
void MDIformTarvel::mnuCodfiscal_Click() { Mostra(QStringLiteral("frmCodFiscal")); }
void MDIformTarvel::mnuCodfiscal03_Click() { Mostra(QStringLiteral("frmCodFiscal03")); }
void MDIformTarvel::mnuForCliGeral_Click() { Mostra(QStringLiteral("frmForCliGeral")); }
void MDIformTarvel::mnuMovICMS_Click() { Mostra(QStringLiteral("frmMovIcms")); }
void MDIformTarvel::mnuMovIss_Click() { Mostra(QStringLiteral("frmMovIss")); }
void MDIformTarvel::mnuSintegra_Click() { Mostra(QStringLiteral("frmSintegra")); }
void MDIformTarvel::mnuLICMS_Click() { Mostra(QStringLiteral("frmLivrosIcms")); }
void MDIformTarvel::mnuLISS_Click() { Mostra(QStringLiteral("frmLivrosIss")); }
void MDIformTarvel::mnuTerAE_Click() { Mostra(QStringLiteral("frmTermo")); }
void MDIformTarvel::mnuRelArq_Click() { Mostra(QStringLiteral("frmRelatArq")); }
void MDIformTarvel::mnuEtiqPdr_Click() { Mostra(QStringLiteral("frmPadrao")); }
void MDIformTarvel::mnuUsuario_Click() { Mostra(QStringLiteral("frmUsuarios")); }
void MDIformTarvel::mnuAjIndMov_Click() { Mostra(QStringLiteral("frmAjMov")); }
void MDIformTarvel::mnuAjuste_Click() { Mostra(QStringLiteral("frmAjuste")); }
void MDIformTarvel::mnuSobre_Click() { Mostra(QStringLiteral("frmSobre")); }

void MDIformTarvel::mnuCascata_Click() { mdiArea_->cascadeSubWindows(); }

void MDIformTarvel::mnuZelmorI_Click() {
    platform::ui::setHourglass();
    platform::ui::resetPointer();
}

void MDIformTarvel::mnuMusu_Click() {
    platform::ui::HourglassGuard ampulheta;
    AbreSessao();
}

void MDIformTarvel::tobMdi_ButtonClick(int indice) {
    switch (indice) {
        case 2:
            mnuEmpresas_Click();
            break;
        case 3:
            mnuSocios_Click();
            break;
        case 4:
            mnuTerceiros_Click();
            break;
        case 6:
            mnuCodfiscal03_Click();
            break;
        case 7:
            mnuForCliGeral_Click();
            break;
        case 9:
            mnuMovICMS_Click();
            break;
        case 10:
            mnuMovIss_Click();
            break;
        case 12:
            mnuMusu_Click();
            break;
        case 13:
            Mostra(QStringLiteral("frmAtImpr"));
            break;
        default:
            break;
    }
}

}  // namespace app
