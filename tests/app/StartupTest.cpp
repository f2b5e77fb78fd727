#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <cmath>

#include "AppFixture.h"
#include "app/MotorImpressao.h"
#include "app/Relatorios.h"
#include "platform/db/Connection.h"
#include "platform/report/Fonts.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/ui/Form.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "shell/EstadoGeral.h"
#include "shell/SenhaAdm.h"

using namespace apptest;
using platform::ui::Msg::No;
using platform::ui::Msg::OK;
using platform::ui::Msg::Yes;

namespace {
const QString PrimeiraInstalacao = QStringLiteral("Trata-se da primeira instalação ?");
const QString Saida = QStringLiteral("Você Quer Realmente Sair ?");

// A window that counts how often the menus asked for it.
struct Contador {
    std::map<QString, int> vezes;
    app::TabelaJanelas tabela(std::initializer_list<const char*> nomes) {
        app::TabelaJanelas t;
        for (const char* n : nomes) {
            const QString nome = QString::fromUtf8(n);
            t[nome] = [this, nome] { ++vezes[nome]; };
        }
        return t;
    }
};

class JanelaTeste : public platform::ui::Form {
  public:
    JanelaTeste() { setWindowTitle(QStringLiteral("Janela de Teste")); }
};

// How colourful a toolbar picture is (mean saturation) and how much it stands out (spread of the
// lightness of its visible pixels), as a 24-pixel button shows it.
std::pair<double, double> SaturacaoContraste(const QIcon& icone, QIcon::Mode modo) {
    const QImage imagem = icone.pixmap(24, modo).toImage();
    double saturacao = 0, soma = 0, quadrados = 0, n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            if (const QColor c = imagem.pixelColor(x, y); c.alpha() >= 128) {
                saturacao += c.hsvSaturationF();
                soma += c.lightnessF();
                quadrados += c.lightnessF() * c.lightnessF();
                ++n;
            }
    return {saturacao / n, std::sqrt(quadrados / n - (soma / n) * (soma / n))};
}

// A register window holding an unsaved record: it refuses to close.
class JanelaOcupada : public platform::ui::Form {
  protected:
    void Form_Unload(bool& Cancel) override { Cancel = true; }
};
}  // namespace

class StartupTest : public AppTest {};

TEST_F(StartupTest, FirstStartAnsweredYesInstallsTheTemplateAndAsksTheAdministratorsPassword) {
    Prepara(PastaPrograma::Ajuste | PastaPrograma::Movimento);
    script->expect(PrimeiraInstalacao, QStringLiteral("Atenção"), Yes)
        .onDialog(QStringLiteral("frmSenhaAdm"),
                  [](QDialog& d) {
                      testsupport::typeInto(&d, QStringLiteral("txtEscritorio"),
                                            QStringLiteral("Escritório D'Ávila"));
                      NovaSenhaAdm("Segredo1", "Segredo1")(d);
                  })
        .onDialog(QStringLiteral("frmSenha"), Entra("Administrador", "Segredo1"));
    Inicia();
    {
        platform::db::Connection cn;
        cn.Open(Geral::ConexaoCadastro);
        EXPECT_EQ(shell::LeEscritorio(cn), QStringLiteral("Escritório D'Ávila"));
    }
    EXPECT_TRUE(pasta->existe("Trabdados.mdb"));
    EXPECT_FALSE(pasta->existe("Ajuste.mdb"));
    EXPECT_TRUE(pasta->ehPasta("Tarvel"));
    EXPECT_TRUE(shell::ConfereSenhaAdm("Segredo1", SenhaAdmGuardada()));
    EXPECT_EQ(Geral::UsuarioAtual, "Administrador");
    ASSERT_FALSE(script->shown().empty());
    EXPECT_EQ(script->shown()[0].style,
              platform::ui::Msg::YesNo + platform::ui::Msg::Critical + platform::ui::Msg::DefaultButton2);
    EXPECT_TRUE(script->allAnswered());
}

TEST_F(StartupTest, CancelledFirstPasswordIsAskedAtTheFirstAdministratorLogin) {
    Prepara(PastaPrograma::Ajuste | PastaPrograma::Movimento);
    script->expect(PrimeiraInstalacao, Yes)
        .onDialog(QStringLiteral("frmSenhaAdm"), [](QDialog& d) { testsupport::click(&d, "cmdCancelar"); })
        .onDialog(QStringLiteral("frmSenha"), [](QDialog& d) {
            // Any password: with none stored the administrator's name leads to the new password.
            testsupport::typeInto(&d, "txtlogin", "Administrador");
            testsupport::click(&d, "cmdOk");
        });
    script->onDialog(QStringLiteral("frmSenhaAdm"), NovaSenhaAdm("Nova", "Nova"));
    Inicia();
    EXPECT_TRUE(pasta->existe("Trabdados.mdb"));
    EXPECT_EQ(Geral::UsuarioAtual, "Administrador");
    EXPECT_TRUE(shell::ConfereSenhaAdm("Nova", SenhaAdmGuardada()));
}

TEST_F(StartupTest, ProgramFolderAndConnectionStrings) {
    Prepara();
    DefineSenhaAdm("adm");
    // Without its final "/" the variable still gives a folder ending in one.
    qputenv("REDAZOR_DIR", pasta->path().chopped(1).toUtf8());
    script->onDialog(QStringLiteral("frmSenha"), Entra("Administrador", "adm"));
    Inicia();
    EXPECT_EQ(Geral::DiretorioSistema, pasta->path());
    const QString esperada =
        "Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=false; Data Source=" + pasta->path() +
        "Trabdados.mdb;Jet OLEDB:Database Password=;";
    EXPECT_EQ(Geral::ConexaoAcesso, esperada);
    EXPECT_EQ(Geral::ConexaoCadastro, esperada);
    EXPECT_EQ(Geral::SenhaCadastro, "");
    EXPECT_EQ(Geral::SenhaMovimento, "");
    EXPECT_FALSE(Geral::Cancelado);
    EXPECT_TRUE(app::MotorImpressaoAberto());
    EXPECT_TRUE(pasta->ehPasta("Tarvel"));
}

// A folder brought from another system may spell the template's name in another letter case.
TEST_F(StartupTest, TheMovementTemplateIsFoundInAnyLetterCase) {
    Prepara();
    ASSERT_TRUE(QFile::rename(pasta->arquivo("Movimento.mdb"), pasta->arquivo("movimento.MDB")));
    DefineSenhaAdm("adm");
    script->onDialog(QStringLiteral("frmSenha"), Entra("Administrador", "adm"));
    Inicia();
    EXPECT_EQ(Geral::UsuarioAtual, "Administrador");
    EXPECT_TRUE(script->shown().empty());
}

TEST_F(StartupTest, CloseAnsweredNoKeepsTheProgramAndTheEngine) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia({{"frmTeste", [] { platform::ui::ShowForm<JanelaTeste>(); }}});
    platform::ui::ShowForm<JanelaTeste>();
    script->expect(Saida, QStringLiteral("Mensagem de Saída"), No);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(app::MotorImpressaoAberto());
    // The child windows closed before the question stay closed.
    testsupport::settle();
    EXPECT_EQ(platform::ui::FindForm<JanelaTeste>(), nullptr);
    EXPECT_EQ(script->shown().back().style,
              platform::ui::Msg::YesNo + platform::ui::Msg::Question + platform::ui::Msg::DefaultButton2);
}

TEST_F(StartupTest, CloseAnsweredYesClosesTheEngineAndTheWindow) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia();
    script->expect(Saida, Yes);
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(app::MotorImpressaoAberto());
}

// Inside the program's main loop, as a person closes the window: Yes leaves the loop, No stays in it.
TEST_F(StartupTest, CloseAsksTheApplicationToQuitOnlyOnYes) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia();
    // Only the window's own request may end the loop, not Qt's rule for the last window.
    QApplication::setQuitOnLastWindowClosed(false);
    auto rodaFechando = [&w] {
        QTimer::singleShot(0, &w, [&w] { w.close(); });
        // Stopped with the loop, so that it never ends a later test's dialog.
        QTimer limite;
        limite.setSingleShot(true);
        QObject::connect(&limite, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        limite.start(2000);
        return QApplication::exec();
    };
    script->expect(Saida, No);
    EXPECT_EQ(rodaFechando(), 1);
    EXPECT_TRUE(w.isVisible());
    script->expect(Saida, Yes);
    EXPECT_EQ(rodaFechando(), 0);
    EXPECT_FALSE(w.isVisible());
    QApplication::setQuitOnLastWindowClosed(true);
}

TEST_F(StartupTest, AWindowThatRefusesToCloseStopsTheCloseWithoutTheQuestion) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia();
    platform::ui::ShowForm<JanelaOcupada>();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(app::MotorImpressaoAberto());
}

TEST_F(StartupTest, ToolbarButtonSixOpensTheTableFrom2003) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    Contador c;
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia(c.tabela({"frmCodFiscal", "frmCodFiscal03", "frmEmpresas", "frmAtImpr"}));
    ASSERT_TRUE(w.botao(6)->isEnabled());
    w.botao(6)->trigger();
    EXPECT_EQ(c.vezes["frmCodFiscal03"], 1);
    EXPECT_EQ(c.vezes["frmCodFiscal"], 0);
    w.item("mnuCodfiscal")->trigger();
    EXPECT_EQ(c.vezes["frmCodFiscal"], 1);
    w.botao(2)->trigger();
    w.botao(13)->trigger();
    EXPECT_EQ(c.vezes["frmEmpresas"], 1);
    EXPECT_EQ(c.vezes["frmAtImpr"], 1);
}

TEST_F(StartupTest, AWindowFailingToOpenIsReportedAndTheProgramGoesOn) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia({{"frmEmpresas", [] { throw platform::values::RuntimeError(5, "Falhou"); }}});
    script->expect("Erro número 5 Falhou", "Erro", OK);
    w.botao(2)->trigger();
    EXPECT_FALSE(platform::ui::hourglassShown());
    EXPECT_TRUE(w.isVisible());
}

TEST_F(StartupTest, ItemsOfWindowsNotBuiltAndInertItemsAreDisabled) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    Contador c;
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia(c.tabela({"frmEmpresas"}));
    EXPECT_TRUE(w.item("mnuEmpresas")->isEnabled());
    EXPECT_TRUE(w.botao(2)->isEnabled());
    for (const char* i : {"mnuSocios", "mnuCodfiscal03", "mnuMovICMS", "mnuSintegra", "mnuLICMS",
                          "mnuUsuario", "mnuSobre", "mnuAjIndMov"})
        EXPECT_FALSE(w.item(i)->isEnabled()) << i;
    for (int b : {3, 4, 6, 7, 9, 10, 13}) EXPECT_FALSE(w.botao(b)->isEnabled()) << b;
    for (const char* i :
         {"mnuFinanceiro", "mnuAcumulos", "mnuRecibos", "mnuBaixa", "mnuEventos", "mnuEtiqNor"})
        EXPECT_FALSE(w.item(i)->isEnabled()) << i;
    for (const char* i : {"mnuSair", "mnuCascata", "mnuMusu", "mnuZelmorI", "mnuEscrita", "mnuConfig"})
        EXPECT_TRUE(w.item(i)->isEnabled()) << i;
    EXPECT_TRUE(w.botao(12)->isEnabled());
}

TEST_F(StartupTest, MenuCaptionsToolbarTipsAndTheWindowList) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia({{"frmTeste", [] { platform::ui::ShowForm<JanelaTeste>(); }}});
    EXPECT_EQ(w.item("mnuArquivo")->text(), "&Arquivo");
    EXPECT_EQ(w.item("mnuSair")->text(), "Sai&r");
    EXPECT_EQ(w.item("mnuCodfiscal")->text(), "Código Fiscal - &Até 2002");
    EXPECT_EQ(w.item("mnuSobre")->text(), "&Sobre o Redazor Tarvel...");
    EXPECT_EQ(w.item("mnuPre")->text(), "&Pré Digitação");
    EXPECT_EQ(w.item("mnuMusu")->text(), "&Mudar Usuário");
    EXPECT_TRUE(w.item("mnuSep1")->isSeparator());
    EXPECT_EQ(w.botao(6)->toolTip(), "Códigos Fiscais");
    EXPECT_EQ(w.botao(12)->toolTip(), "Mudar Usuário");
    EXPECT_EQ(w.botao(13)->toolTip(), "Mudar Impressora");
    for (int b : {1, 5, 8, 11}) EXPECT_TRUE(w.botao(b)->isSeparator()) << b;
    EXPECT_EQ(w.tobMdi()->objectName(), "tobMdi");
    // Each button has a picture of its own, in colour; greyed, it plainly cannot be pressed.
    std::vector<QImage> figuras;
    for (int b : {2, 3, 4, 6, 7, 9, 10, 12, 13}) {
        SCOPED_TRACE(b);
        const QIcon icone = w.botao(b)->icon();
        const auto [saturacao, contraste] = SaturacaoContraste(icone, QIcon::Normal);
        const auto [saturacaoApagada, contrasteApagado] = SaturacaoContraste(icone, QIcon::Disabled);
        EXPECT_GT(saturacao, 0.15);
        EXPECT_LT(saturacaoApagada, 0.02);
        EXPECT_LT(contrasteApagado, contraste / 2);
        const QImage figura = icone.pixmap(24).toImage();
        EXPECT_EQ(std::count(figuras.begin(), figuras.end(), figura), 0);
        figuras.push_back(figura);
    }

    // One shared instance however often it is asked for, and listed under "&Janelas".
    platform::ui::ShowForm<JanelaTeste>();
    platform::ui::ShowForm<JanelaTeste>();
    EXPECT_EQ(w.mdiArea()->subWindowList().size(), 1);
    auto* janelas = w.item("mnuJanelas")->menu();
    ASSERT_NE(janelas, nullptr);
    emit janelas->aboutToShow();
    QStringList textos;
    for (QAction* a : janelas->actions()) textos << a->text();
    EXPECT_TRUE(textos.contains("&1 Janela de Teste")) << textos.join('|').toStdString();
    w.item("mnuCascata")->trigger();
}

TEST_F(StartupTest, TheProgramsOwnTableOpensTheCfopWindowsBuiltSoFar) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia(app::JanelasDoPrograma());
    EXPECT_TRUE(w.item("mnuCodfiscal")->isEnabled());
    ASSERT_TRUE(w.botao(6)->isEnabled());
    w.botao(6)->trigger();
    testsupport::settle();
    ASSERT_NE(w.mdiArea()->activeSubWindow(), nullptr);
    EXPECT_EQ(w.mdiArea()->activeSubWindow()->widget()->objectName(), "frmCodFiscal03");
    w.botao(6)->trigger();
    EXPECT_EQ(w.mdiArea()->subWindowList().size(), 1);
}

// Every window built so far is reachable from its menu item by an ordinary user, and opens once.
TEST_F(StartupTest, TheProgramsOwnTableOpensEveryWindowBuiltFromItsMenuItem) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia(app::JanelasDoPrograma());
    // The program fills the screen; on a 1366x768 screen each window opens whole inside the area
    // left, after all those opened before it.
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    w.setWindowState(Qt::WindowNoState);
    w.resize(1366, 745);
    testsupport::settle();
    const QRect area = w.mdiArea()->viewport()->rect();
    const std::pair<const char*, const char*> itens[] = {
        {"mnuEmpresas", "frmEmpresas"},
        {"mnuCodfiscal", "frmCodFiscal"},
        {"mnuForCliGeral", "frmForCliGeral"},
        {"mnuUsuario", "frmUsuarios"},
        {"mnuSobre", "frmSobre"},
        {"mnuTerAE", "frmTermo"},
        {"mnuSintegra", "frmSintegra"},
        {"mnuSocios", "frmSocios"},
        {"mnuTerceiros", "frmTerceiros"},
        {"mnuMovICMS", "frmMovIcms"},
        {"mnuAjIndMov", "frmAjMov"},
        {"mnuRelArq", "frmRelatArq"},
        {"mnuLISS", "frmLivrosIss"},
        {"mnuLICMS", "frmLivrosIcms"},
        {"mnuMovIss", "frmMovIss"},
        {"mnuEtiqPdr", "frmPadrao"},
    };
    // Each frame shows a caption and the program's icon, or the window's own picture.
    const QStringList propria = {"frmForCliGeral", "frmMovIcms", "frmMovIss", "frmLivrosIss"};
    for (const auto& [item, janela] : itens) {
        SCOPED_TRACE(item);
        ASSERT_TRUE(w.item(item)->isEnabled());
        w.item(item)->trigger();
        testsupport::settle();
        QMdiSubWindow* sub = w.mdiArea()->activeSubWindow();
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->widget()->objectName(), janela);
        EXPECT_FALSE(sub->windowTitle().isEmpty());
        EXPECT_TRUE(sub->testAttribute(Qt::WA_SetWindowIcon));
        const QIcon& icone =
            propria.contains(janela) ? sub->widget()->windowIcon() : QApplication::windowIcon();
        EXPECT_EQ(sub->windowIcon().cacheKey(), icone.cacheKey());
        // A field that holds n characters shows about n: never as wide as n of the widest letter and
        // its frame, nor narrower than n of average width.
        for (QLineEdit* campo : sub->widget()->findChildren<QLineEdit*>()) {
            const int n = campo->maxLength();
            if (n >= QLineEdit().maxLength() || !campo->isVisible()) continue;
            const QFontMetrics medida(campo->font());
            EXPECT_LE(campo->width(), medida.horizontalAdvance(QString(n, u'W')) + 16)
                << campo->objectName().toStdString();
            EXPECT_GE(campo->width(), medida.averageCharWidth() * std::min(n, 60))
                << campo->objectName().toStdString();
        }
        if (sub->width() <= area.width() && sub->height() <= area.height())
            EXPECT_TRUE(area.contains(sub->geometry())) << sub->geometry().x() << "," << sub->geometry().y();
        else
            EXPECT_EQ(sub->pos(), QPoint(0, 0));
    }
    EXPECT_EQ(w.mdiArea()->subWindowList().size(), static_cast<int>(std::size(itens)));
    ASSERT_TRUE(w.botao(13)->isEnabled());
}

// A window that closes gives the front back to the one it was opened from, whatever else is open.
TEST_F(StartupTest, AClosedWindowGivesTheFrontBackToTheOneThatOpenedIt) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    platform::report::ReportFonts fontes(QStringLiteral(RT_BIN_DIR "/fonts"));
    app::RegistraRelatorios();
    script->onDialog(QStringLiteral("frmSenha"), Entra("Maria", "m1"));
    auto& w = Inicia(app::JanelasDoPrograma());
    const auto frente = [&w] {
        return qobject_cast<platform::ui::Form*>(w.mdiArea()->currentSubWindow()->widget());
    };
    const std::function<void(platform::ui::Form*)> abre[] = {
        [](platform::ui::Form* f) { testsupport::click(f, QStringLiteral("cmdImprimir")); },
        [&w](platform::ui::Form*) { w.item("mnuCodfiscal")->trigger(); }};
    for (const auto& abreDali : abre) {
        for (const char* item : {"mnuCodfiscal03", "mnuUsuario", "mnuEmpresas", "mnuCodfiscal03"})
            w.item(item)->trigger();
        const QPointer<platform::ui::Form> origem = frente();
        abreDali(origem);
        testsupport::settle();
        ASSERT_NE(frente(), origem);
        frente()->Unload();
        testsupport::settle();
        EXPECT_EQ(frente(), origem);
        EXPECT_TRUE(origem->isAncestorOf(QApplication::focusWidget()));
        platform::ui::destroyAllForms();
    }
}

// The start-up registers the layout of every report file the built windows print.
TEST(RelatoriosDoProgramaTest, EveryPrintedReportHasItsLayout) {
    app::RegistraRelatorios();
    for (const char* nome : {"Usuario.rpt", "Empr.rpt", "ForCliGeral.rpt", "CodFisc.rpt", "Termo.rpt"}) {
        EXPECT_TRUE(platform::report::layoutRegistry().contains(QString::fromLatin1(nome))) << nome;
    }
    // No two texts of a line of any layout come closer than a visible gap with their widest values.
    platform::report::ReportFonts fontes(QStringLiteral(RT_BIN_DIR "/fonts"));
    for (const QString& nome : platform::report::layoutRegistry().names()) {
        const QStringList juntos =
            platform::report::crowdedTexts(*platform::report::layoutRegistry().create(nome));
        EXPECT_TRUE(juntos.isEmpty()) << nome.toStdString() << '\n' << juntos.join(u'\n').toStdString();
    }
}
