#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "AppFixture.h"
#include "app/Janelas.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "support/Drive.h"

using namespace apptest;

namespace {

class JanelasMovimentoTest : public AppTest {};

// The menu items open their windows from the program's window table, each once, for the user allowed
// to use them (the files' adjustment is the administrator's); a toolbar button brings the open one
// forward.
TEST_F(JanelasMovimentoTest, TheMenuItemsAndButtonsOpenTheirWindowsOnce) {
    Prepara();
    CriaUsuario({1, "Maria", "m1"});
    DefineSenhaAdm("chefe");
    const struct {
        const char* item;
        int botao;  // 0: none
        const char* janela;
        bool administrador;
        const char* aviso;  // what the window says as it opens
    } casos[] = {{"mnuMovICMS", 9, "frmMovIcms", false, nullptr},
                 {"mnuMovIss", 10, "frmMovIss", false, nullptr},
                 {"mnuLICMS", 0, "frmLivrosIcms", false, nullptr},
                 {"mnuLISS", 0, "frmLivrosIss", false, nullptr},
                 {"mnuRelArq", 0, "frmRelatArq", false, nullptr},
                 {"mnuEtiqPdr", 0, "frmPadrao", false, nullptr},
                 {"mnuAjIndMov", 0, "frmAjMov", false, nullptr},
                 {"mnuAjuste", 0, "frmAjuste", true, "Este ajuste já foi feito !"}};
    const app::TabelaJanelas janelas = app::JanelasDoPrograma();
    for (bool administrador : {false, true}) {
        platform::ui::destroyAllForms();
        janela.reset();
        testsupport::settle();
        script->onDialog(QStringLiteral("frmSenha"),
                         administrador ? Entra("Administrador", "chefe") : Entra("Maria", "m1"));
        auto& w = Inicia(janelas);
        for (const auto& c : casos) {
            if (c.administrador != administrador) continue;
            SCOPED_TRACE(c.item);
            ASSERT_EQ(janelas.count(QString::fromLatin1(c.janela)), 1u);
            ASSERT_TRUE(w.item(c.item)->isEnabled());
            if (c.aviso) script->expect(QString::fromUtf8(c.aviso), platform::ui::Msg::OK);
            w.item(c.item)->trigger();
            testsupport::settle();
            ASSERT_NE(w.mdiArea()->activeSubWindow(), nullptr);
            EXPECT_EQ(w.mdiArea()->activeSubWindow()->widget()->objectName(), c.janela);
            const int abertas = w.mdiArea()->subWindowList().size();
            QAction* denovo = c.botao ? w.botao(c.botao) : w.item(c.item);
            ASSERT_TRUE(denovo->isEnabled());
            denovo->trigger();
            testsupport::settle();
            EXPECT_EQ(w.mdiArea()->subWindowList().size(), abertas);
            EXPECT_EQ(w.mdiArea()->activeSubWindow()->widget()->objectName(), c.janela);
        }
    }
}

// The administrator's menu of the books stays closed, and so do the buttons.
TEST_F(JanelasMovimentoTest, TheAdministratorCannotOpenThem) {
    Prepara();
    DefineSenhaAdm("chefe");
    script->onDialog(QStringLiteral("frmSenha"), Entra("Administrador", "chefe"));
    auto& w = Inicia(app::JanelasDoPrograma());
    EXPECT_FALSE(w.item("mnuEscrita")->isEnabled());
    EXPECT_FALSE(w.botao(9)->isEnabled());
    EXPECT_FALSE(w.botao(10)->isEnabled());
}

}  // namespace
