#include <gtest/gtest.h>

#include "platform/ui/MdiHost.h"
#include "platform/ui/MsgBox.h"
#include "support/MessageScript.h"

using namespace platform::ui;

TEST(MsgBoxTest, ScriptAnswersInOrderAndSeesTextAndTitle) {
    testsupport::MessageScript script;
    script.expect("Trata-se da primeira instalação ?", Msg::Yes).expect("Fim", "Atenção", Msg::OK);
    EXPECT_EQ(MsgBox("Trata-se da primeira instalação ?", Msg::YesNo + Msg::Question, "Atenção"), Msg::Yes);
    EXPECT_EQ(MsgBox("Fim", Msg::OKOnly, "Atenção"), Msg::OK);
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[0].style, Msg::YesNo + Msg::Question);
    EXPECT_TRUE(script.allAnswered());
}

TEST(MdiHostTest, SimpleHostRegistersItself) {
    {
        SimpleMdiHost host;
        EXPECT_EQ(mdiHost(), &host);
        EXPECT_EQ(host.windowTitle(), "Redazor Tarvel");
        EXPECT_NE(host.mdiArea(), nullptr);
    }
    EXPECT_EQ(mdiHost(), nullptr);
}
