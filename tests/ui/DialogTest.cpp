#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "platform/ui/Application.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/Form.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/RuntimeError.h"
#include "support/UiFixture.h"

using namespace platform::ui;
using namespace testsupport;

namespace {

class frmDialogo : public Dialog {
  public:
    explicit frmDialogo(QWidget* parent = nullptr) : Dialog(parent) {
        setObjectName("frmDialogo");
        auto* lay = new QVBoxLayout(this);
        txtPesq = new QLineEdit(this);
        txtPesq->setObjectName("txtPesq");
        lay->addWidget(txtPesq);
    }
    QLineEdit* txtPesq;
    bool closeInLoad = false;
    bool refuseUnload = false;
    bool endOnUnload = false;
    int loads = 0, unloads = 0;

  protected:
    void Form_Load() override {
        ++loads;
        if (closeInLoad) close();
    }
    void Form_Unload(bool& Cancel) override {
        ++unloads;
        if (endOnUnload) EndProgram();
        Cancel = refuseUnload;
    }
};

using DialogTest = UiFixture;

void showDialogLeftOpen() {
    MessageScript inner;
    inner.onDialog("frmDialogo", [](QDialog&) {});
    frmDialogo dlg(QApplication::activeWindow());
    EXPECT_EQ(ShowModal(dlg), QDialog::Rejected);
}

void showUnexpectedMessage() {
    MessageScript inner;
    MsgBox("Surpresa");
}

}  // namespace

TEST_F(DialogTest, ScriptDrivesTheDialogAfterItsLoadAndOpenerIsActiveAfterwards) {
    frmDialogo dlg(host.get());
    script->onDialog("frmDialogo", [](QDialog& d) {
        auto& f = static_cast<frmDialogo&>(d);
        EXPECT_EQ(f.loads, 1);
        EXPECT_EQ(QApplication::activeWindow(), &d);
        typeInto(&d, "txtPesq", "abc");
        d.accept();
    });
    EXPECT_EQ(ShowModal(dlg), QDialog::Accepted);
    EXPECT_EQ(dlg.txtPesq->text(), "abc");
    EXPECT_EQ(dlg.unloads, 1);
    EXPECT_EQ(QApplication::activeWindow(), host.get());
}

TEST_F(DialogTest, DialogClosedDuringItsLoadReturnsAtOnce) {
    frmDialogo dlg(host.get());
    dlg.closeInLoad = true;
    EXPECT_EQ(ShowModal(dlg), QDialog::Rejected);
    EXPECT_EQ(dlg.loads, 1);
    EXPECT_EQ(dlg.unloads, 1);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(DialogTest, EscRejectAndCloseBoxAllRunFormUnload) {
    frmDialogo dlg(host.get());
    script->onDialog("frmDialogo", [](QDialog& d) {
        auto& f = static_cast<frmDialogo&>(d);
        f.refuseUnload = true;
        pressEsc();
        EXPECT_EQ(f.unloads, 1);
        EXPECT_TRUE(d.isVisible());
        d.reject();
        EXPECT_EQ(f.unloads, 2);
        d.close();
        EXPECT_EQ(f.unloads, 3);
        EXPECT_TRUE(d.isVisible());
        f.refuseUnload = false;
        pressEsc();
    });
    EXPECT_EQ(ShowModal(dlg), QDialog::Rejected);
    EXPECT_EQ(dlg.unloads, 4);
}

TEST_F(DialogTest, DialogLeftOpenByItsScriptFailsAndIsRejected) {
    EXPECT_NONFATAL_FAILURE(showDialogLeftOpen(), "still open");
}

TEST_F(DialogTest, UnexpectedMessageFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(showUnexpectedMessage(), "unexpected message");
}

TEST_F(DialogTest, QtStandardButtonsReadInPortuguese) {
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text(), "&Sim");
    EXPECT_EQ(box.button(QDialogButtonBox::No)->text(), "&Não");
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "Cancelar");
}

TEST_F(DialogTest, HourglassIsSetAndResetAbsolutely) {
    setHourglass();
    setHourglass();
    EXPECT_TRUE(hourglassShown());
    resetPointer();
    EXPECT_FALSE(hourglassShown());
    {
        HourglassGuard busy;
        EXPECT_TRUE(hourglassShown());
    }
    EXPECT_FALSE(hourglassShown());
}

TEST_F(DialogTest, NotifyGuardShowsAnUntrappedErrorAndGoesOn) {
    class Thrower : public QObject {
      protected:
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User) throw platform::values::RuntimeError(6, "Estouro");
            return QObject::event(e);
        }
    } thrower;
    script->expect("Erro número 6 Estouro", "Erro", Msg::OK);
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &e);
    EXPECT_TRUE(script->allAnswered());
}

using DialogDeathTest = UiFixture;

TEST_F(DialogDeathTest, EndProgramEndsAtOnceFromInsideAModalDialog) {
    EXPECT_EXIT(
        {
            frmDialogo dlg(host.get());
            dlg.endOnUnload = true;
            script->onDialog("frmDialogo", [](QDialog& d) { d.reject(); });
            ShowModal(dlg);
            std::fprintf(stderr, "still running\n");
            std::exit(3);
        },
        ::testing::ExitedWithCode(ProgramEndedExitCode), "");
}

TEST_F(DialogDeathTest, UnusedScriptedAnswerAtTheEndAbortsTheChild) {
    EXPECT_DEATH(
        {
            script->expect("Você Quer Realmente Sair ?", Msg::Yes);
            EndProgram();
        },
        "expected message never shown: Você Quer Realmente Sair");
}

TEST_F(DialogDeathTest, UnexpectedMessageInTheChildAborts) {
    EXPECT_DEATH(
        {
            MsgBox("Surpresa");
            EndProgram();
        },
        "unexpected message: \"Surpresa\"");
}
