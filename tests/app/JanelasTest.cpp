// What every window shows in its frame, and which window comes back to the front when one closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <memory>

#include "AppFixture.h"
#include "app/Janelas.h"
#include "app/Relatorios.h"
#include "companies/frmEmpresas.h"
#include "movement/frmMovIcms.h"
#include "platform/db/Connection.h"
#include "platform/report/Fonts.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "registers/frmCodFiscal.h"
#include "registers/frmForCliGeral.h"
#include "shell/frmColaboradores.h"
#include "shell/frmSobre.h"
#include "shell/frmUsuarios.h"

using namespace apptest;
using namespace testsupport;
using platform::ui::Form;
namespace Msg = platform::ui::Msg;

namespace {

class JanelasTest : public AppTest {
  protected:
    void SetUp() override {
        fontes = std::make_unique<platform::report::ReportFonts>(QStringLiteral(RT_BIN_DIR "/fonts"));
        app::RegistraRelatorios();
        Prepara();
        CriaUsuario({1, "Maria", "m1"});
        platform::db::Connection cn;
        cn.Open(pasta->conexao());
        cn.Execute("INSERT INTO Empresas(codigo,nome,uf,mes_base_fiscal) VALUES(12,'Doze','SP',?)",
                   {QDate(2003, 3, 1)});
        script->onDialog(QStringLiteral("frmSenha"), [this](QDialog& d) {
            iconeLogin = d.windowIcon().cacheKey();
            Entra("Maria", "m1")(d);
        });
        Inicia(app::JanelasDoPrograma());
    }
    void TearDown() override {
        AppTest::TearDown();
        fontes.reset();
    }
    QMdiSubWindow* Frente() const { return janela->mdiArea()->currentSubWindow(); }

    std::unique_ptr<platform::report::ReportFonts> fontes;
    qint64 iconeLogin = 0;
};

// Every window the menus open, the preview and the dialogs carry the program's icon, or the picture of
// their own, and a caption from the start.
TEST_F(JanelasTest, EveryWindowCarriesTheProgramsIconOrItsOwnPictureAndACaption) {
    const qint64 programa = QApplication::windowIcon().cacheKey();
    ASSERT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(iconeLogin, programa);
    const QStringList propria = {"frmForCliGeral", "frmMovIcms", "frmMovIss", "frmLivrosIss"};
    for (const auto& [nome, mostra] : app::JanelasDoPrograma()) {
        if (nome == "frmAjuste") script->expect(QStringLiteral("Este ajuste já foi feito !"), Msg::OK);
        mostra();
        settle();
    }
    platform::report::frmRelatorio::ShowNew()->setCaption(QStringLiteral("Prévia"));
    settle();
    const auto janelas = janela->mdiArea()->subWindowList();
    EXPECT_EQ(janelas.size(), int(app::JanelasDoPrograma().size()) + 1);
    for (QMdiSubWindow* sub : janelas) {
        const QString nome = sub->widget()->objectName();
        SCOPED_TRACE(nome.toStdString());
        EXPECT_FALSE(sub->windowTitle().trimmed().isEmpty());
        EXPECT_TRUE(sub->testAttribute(Qt::WA_SetWindowIcon));
        const qint64 icone = sub->windowIcon().cacheKey();
        if (propria.contains(nome)) {
            EXPECT_EQ(icone, sub->widget()->windowIcon().cacheKey());
            EXPECT_NE(icone, programa);
        } else {
            EXPECT_EQ(icone, programa);
        }
    }
    // The suppliers' and clients' picture follows its toggle.
    auto* forcli = platform::ui::FindForm<registers::frmForCliGeral>();
    click(forcli->cmdAltera);
    settle();
    EXPECT_EQ(forcli->subWindow()->windowIcon().cacheKey(), forcli->windowIcon().cacheKey());
    EXPECT_EQ(forcli->windowTitle(), QStringLiteral("Clientes"));
}

// A window that closes gives the front back to the window it was opened from, whatever other windows
// are open, and the user types on in that window.
TEST_F(JanelasTest, AClosedWindowGivesTheFrontBackToTheOneThatOpenedIt) {
    const struct {
        const char* caso;
        std::function<Form*()> abreOrigem;
        std::function<void(Form*)> abre;  // opens the second window from the first
    } casos[] = {
        {"suppliers registered from the ICMS window",
         [] {
             auto* w = platform::ui::ShowForm<movimento::frmMovIcms>();
             settle();
             clickInto(w->txtCodigo);
             typeText(QStringLiteral("12"));
             pressEnter();
             settle();
             pressEnter();
             settle();
             click(w->cmdNovo);
             settle();
             return w;
         },
         [this](Form* origem) {
             clickInto(static_cast<movimento::frmMovIcms*>(origem)->txtCgc);
             typeText(QStringLiteral("11444777000161"));
             script->expect(QStringLiteral("CNPJ/CPF não cadastrado, cadastra agora ?"), Msg::Yes);
             pressTab();
             settle();
             click(platform::ui::FindForm<registers::frmForCliGeral>()->cmdCancelar);
         }},
        {"the collaborators from the About box", [] { return platform::ui::ShowForm<shell::frmSobre>(); },
         [](Form* origem) { click(origem, QStringLiteral("cmdColabora")); }},
        {"the preview of a print", [] { return platform::ui::ShowForm<registers::frmCodFiscal03>(); },
         [](Form* origem) { click(origem, QStringLiteral("cmdImprimir")); }},
        {"a window opened from the menu", [] { return platform::ui::ShowForm<shell::frmUsuarios>(); },
         [this](Form*) { janela->item("mnuCodfiscal")->trigger(); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        platform::ui::ShowForm<shell::frmUsuarios>();
        platform::ui::ShowForm<Empresas::frmEmpresas>();
        settle();
        QPointer<Form> origem = c.abreOrigem();
        ASSERT_TRUE(origem);
        settle();
        c.abre(origem);
        settle();
        QMdiSubWindow* aberta = Frente();
        ASSERT_NE(aberta, nullptr);
        ASSERT_NE(aberta, origem->subWindow());
        qobject_cast<Form*>(aberta->widget())->Unload();
        settle();
        EXPECT_EQ(Frente(), origem->subWindow());
        EXPECT_TRUE(origem->isAncestorOf(QApplication::focusWidget()));
        EXPECT_FALSE(origem->subWindow()->isMaximized());
        platform::ui::destroyAllForms();
        settle();
    }
}

}  // namespace
