#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "support/UiFixture.h"

using namespace platform::ui;
using namespace testsupport;

namespace {

// A small record window: a key field whose check may keep the focus, a detail field and a button.
class frmFoco : public Form {
  public:
    frmFoco() {
        setObjectName("frmFoco");
        auto* lay = new QVBoxLayout(this);
        txtCodigo = new QLineEdit(this);
        txtCodigo->setObjectName("txtCodigo");
        txtNome = new QLineEdit(this);
        txtNome->setObjectName("txtNome");
        cmdGravar = new QPushButton("&Gravar", this);
        cmdGravar->setObjectName("cmdGravar");
        chkAtivo = new QCheckBox("Ativo", this);
        chkAtivo->setObjectName("chkAtivo");
        optA = new QRadioButton("A", this);
        optA->setObjectName("optA");
        cmdSair = platform::ui::asExit(new QPushButton("&Sair", this));
        cmdSair->setObjectName("cmdSair");
        for (QWidget* w :
             std::initializer_list<QWidget*>{txtCodigo, txtNome, cmdGravar, chkAtivo, optA, cmdSair})
            lay->addWidget(w);
        setTabIndex(txtCodigo, 0);
        setTabIndex(txtNome, 1);
        setTabIndex(cmdGravar, 2);
        setTabIndex(chkAtivo, 3);
        setTabIndex(optA, 4);
        setTabIndex(cmdSair, 5);
        applyTabOrder(this);
        installEntryKeys(this);
        onLostFocus(txtCodigo, this, &frmFoco::txtCodigo_LostFocus);
        onGotFocus(txtCodigo, this, &frmFoco::txtCodigo_GotFocus);
        onGotFocus(txtNome, [this] { ++nomeGot; });
        onClick(cmdGravar, this, &frmFoco::cmdGravar_Click);
        onClick(chkAtivo, [this] { ++chkClicks; });
        onClick(optA, [this] { ++optClicks; });
        onClick(cmdSair, [this] { ++sair; });
    }
    void txtCodigo_LostFocus() {
        ++codigoLost;
        if (keepFocus) txtCodigo->setFocus();
        if (keepFocus && selectOnKeep) txtCodigo->selectAll();
        if (!messageOnLeave.isEmpty()) MsgBox(messageOnLeave, Msg::OKOnly, "Atenção");
    }
    void txtCodigo_GotFocus() { ++codigoGot; }
    void cmdGravar_Click() {
        ++gravar;
        if (throwOnSave) throw platform::values::RuntimeError(94, "Uso inválido de Nulo");
    }

    QLineEdit* txtCodigo;
    QLineEdit* txtNome;
    QPushButton* cmdGravar;
    QCheckBox* chkAtivo;
    QRadioButton* optA;
    QPushButton* cmdSair;
    int codigoLost = 0, codigoGot = 0, nomeGot = 0, gravar = 0, chkClicks = 0, optClicks = 0, sair = 0;
    bool keepFocus = false, throwOnSave = false, selectOnKeep = false;
    QString messageOnLeave;
    int loads = 0;

  protected:
    void Form_Load() override { ++loads; }
};

class FocusTest : public UiFixture {
  protected:
    frmFoco* open() {
        auto* f = ShowForm<frmFoco>();
        settle();
        f->txtCodigo->setFocus();
        settle();
        return f;
    }
};

}  // namespace

// Everything else here depends on it: without an active window Qt sends no focus events.
TEST_F(FocusTest, OpenerIsActiveAgainAfterARealMessageBox) {
    delete script.release();
    auto* f = open();
    ASSERT_EQ(QApplication::activeWindow(), host.get());
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        box->close();
    });
    MsgBox("Fim", Msg::OKOnly, "Atenção");
    EXPECT_EQ(QApplication::activeWindow(), host.get());
    EXPECT_EQ(focused(), f->txtCodigo);
    script = std::make_unique<MessageScript>();
}

TEST_F(FocusTest, TabAndEnterRunLostAndGotFocusOnceEach) {
    auto* f = open();
    const int got = f->codigoGot;
    typeText("12");
    pressEnter();
    EXPECT_EQ(focusedName(), "txtNome");
    EXPECT_EQ(f->codigoLost, 1);
    EXPECT_EQ(f->nomeGot, 1);
    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusedName(), "txtCodigo");
    EXPECT_EQ(f->codigoGot, got + 1);
}

TEST_F(FocusTest, MessageBoxInLostFocusDoesNotRunGotFocusAgain) {
    delete script.release();
    auto* f = open();
    f->messageOnLeave = "Código inválido";
    f->keepFocus = true;
    const int got = f->codigoGot;
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    pressTab();
    EXPECT_EQ(f->codigoLost, 1);
    // The field took the focus back once (its own SetFocus); the box closing added no GotFocus.
    EXPECT_EQ(f->codigoGot, got + 1);
    EXPECT_EQ(focused(), f->txtCodigo);
    EXPECT_EQ(QApplication::activeWindow(), host.get());
    script = std::make_unique<MessageScript>();
}

TEST_F(FocusTest, ScriptedMessageWhileFieldHasFocusFiresNoFocusEvent) {
    auto* f = open();
    const int got = f->codigoGot, lost = f->codigoLost;
    script->expect("Olá", Msg::OK);
    MsgBox("Olá");
    settle();
    EXPECT_EQ(f->codigoGot, got);
    EXPECT_EQ(f->codigoLost, lost);
    EXPECT_EQ(focused(), f->txtCodigo);
}

TEST_F(FocusTest, ClickOnButtonCompletesLostFocusAndIsCancelledWhenFocusKept) {
    auto* f = open();
    f->keepFocus = true;
    script->expect(QStringLiteral("Este campo não aceita o valor informado, corrija-o !"), Msg::OK);
    click(f->cmdGravar);
    EXPECT_EQ(f->codigoLost, 1);
    EXPECT_EQ(f->gravar, 0);
    EXPECT_EQ(focused(), f->txtCodigo);
    f->keepFocus = false;
    click(f->cmdGravar);
    EXPECT_EQ(f->codigoLost, 2);
    EXPECT_EQ(f->gravar, 1);
}

// While the field is left by a click or an access key, no move the code asks, through any call, takes
// the focus away from where the user pointed, and the button pointed at runs; Tab keeps every move.
// Sair runs no check of the field left at all.
TEST_F(FocusTest, NoCodeMovesTheFocusAwayFromWhereTheUserPointed) {
    const std::pair<const char*, std::function<void(QWidget*)>> chamadas[] = {
        {"setFocusTo", [](QWidget* w) { setFocusTo(w); }},
        {"postFocus", [](QWidget* w) { postFocus(w); }},
        {"QWidget::setFocus", [](QWidget* w) { w->setFocus(); }},
        {"sendTab", [](QWidget*) { sendTab(); }},
        {"postTab",
         [](QWidget*) {
             postTab();
             postTab();
         }},
    };
    enum Saida { Clique, Botao, Tecla, Tab };
    for (const auto& [nome, move] : chamadas)
        for (Saida saida : {Clique, Botao, Tecla, Tab}) {
            SCOPED_TRACE(std::string(nome) + " " + std::to_string(saida));
            auto* f = open();
            onLostFocus(f->txtCodigo, [f, move = move] {
                if (f->txtCodigo->text() == "1") move(f->chkAtivo);
            });
            typeText("1");
            const int gravar = f->gravar;
            if (saida == Clique) clickInto(f->txtNome);
            if (saida == Botao) click(f->cmdGravar);
            if (saida == Tecla) pressShortcut('g');
            if (saida == Tab) pressTab();
            settle();
            EXPECT_EQ(f->codigoLost, 1);
            EXPECT_EQ(f->gravar, gravar + (saida == Botao || saida == Tecla ? 1 : 0));
            QWidget* esperado = f->cmdGravar;
            if (saida == Clique) esperado = f->txtNome;
            if (saida == Tab && std::string(nome) != "sendTab") esperado = f->chkAtivo;
            EXPECT_EQ(focused(), esperado) << focusedName().toStdString();
            destroyAllForms();
            settle();
        }
    auto* f = open();
    f->keepFocus = true;
    typeText("1");
    click(f->cmdSair);
    pressShortcut('s');
    EXPECT_EQ(f->codigoLost, 0);
    EXPECT_EQ(f->sair, 2);
    // The widget pointed at moves the focus from its own click and double click.
    onClick(f->chkAtivo, [f] { setFocusTo(f->txtNome); });
    onDblClick(f->txtNome, [f] { setFocusTo(f->optA); });
    click(f->chkAtivo);
    EXPECT_EQ(focused(), f->txtNome);
    QTest::mouseDClick(f->txtNome, Qt::LeftButton);
    EXPECT_EQ(focused(), f->optA);
}

// Tab from the name lands on the button, and the name's check sends the focus back to the code (as
// the last field of a tab page sends it to the next page): no click on that button is cancelled by it.
TEST_F(FocusTest, ACheckThatMovesTheFocusOnTabCancelsNoLaterClick) {
    auto* f = open();
    onLostFocus(f->txtNome, [f] { setFocusTo(f->txtCodigo); });
    clickInto(f->txtNome);
    pressTab();
    EXPECT_EQ(focused(), f->txtCodigo);
    // No event loop turn in between, as when a click comes right after the key.
    click(f->cmdGravar);
    EXPECT_EQ(f->gravar, 1);
    EXPECT_EQ(focused(), f->cmdGravar);
}

TEST_F(FocusTest, TheTextACheckSelectsWhenItKeepsTheFocusStaysSelected) {
    auto* f = open();
    typeText("0000");
    f->keepFocus = true;
    f->selectOnKeep = true;
    pressTab();
    EXPECT_EQ(focused(), f->txtCodigo);
    EXPECT_EQ(f->txtCodigo->selectedText(), "0000");
    typeText("12");  // typed over, as after any refused entry
    EXPECT_EQ(f->txtCodigo->text(), "12");
    f->keepFocus = false;
    click(f->cmdGravar);
    EXPECT_EQ(f->gravar, 1);
}

TEST_F(FocusTest, AMessageBoxInTheCheckOfTheFieldLeftStillRunsGotFocusOfTheNext) {
    delete script.release();
    auto* f = open();
    f->messageOnLeave = "Confira o código";
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    pressTab();
    EXPECT_EQ(f->codigoLost, 1);
    EXPECT_EQ(focused(), f->txtNome);
    EXPECT_EQ(f->nomeGot, 1);
    script = std::make_unique<MessageScript>();
}

TEST_F(FocusTest, ShortcutRunsLostFocusFirstAndIsCancelledWhenFocusKept) {
    auto* f = open();
    f->keepFocus = true;
    script->expect(QStringLiteral("Este campo não aceita o valor informado, corrija-o !"), Msg::OK);
    pressShortcut('g');
    EXPECT_EQ(f->codigoLost, 1);
    EXPECT_EQ(f->gravar, 0);
    f->keepFocus = false;
    pressShortcut('g');
    EXPECT_EQ(f->gravar, 1);
    EXPECT_EQ(focused(), f->cmdGravar);
}

TEST_F(FocusTest, AnAccessKeyOfTheWindowsButtonsComesBeforeTheMainMenus) {
    QMenu* menu = host->menuBar()->addMenu("&Gerar");
    auto* f = open();
    pressShortcut('g');
    settle();
    EXPECT_EQ(f->gravar, 1);
    EXPECT_FALSE(menu->isVisible());
    // A disabled button leaves the key to the menu.
    f->cmdGravar->setEnabled(false);
    f->txtCodigo->setFocus();
    pressShortcut('g');
    settle();
    EXPECT_EQ(f->gravar, 1);
}

TEST_F(FocusTest, EnterOnFocusedButtonPressesItAndQuoteNeverArrives) {
    auto* f = open();
    typeText("a\"b");
    EXPECT_EQ(f->txtCodigo->text(), "ab");
    paste("x\"y");
    EXPECT_EQ(f->txtCodigo->text(), "abxy");
    // Control characters never reach a single-line field: a pasted tab, line feed or DEL.
    paste("1\t2\n3\x7f\x01");
    EXPECT_EQ(f->txtCodigo->text(), "abxy123");
    QApplication::clipboard()->setText("\t4\r\n");
    f->txtCodigo->paste();
    EXPECT_EQ(f->txtCodigo->text(), "abxy1234");
    f->cmdGravar->setFocus();
    pressEnter();
    EXPECT_EQ(f->gravar, 1);
}

// Loaded data is never changed behind the user's back: only the quote typed or pasted is dropped.
TEST_F(FocusTest, EditingALoadedTextKeepsItsQuotesAndDropsOnlyThoseTypedOrPasted) {
    auto* f = open();
    QLineEdit* nome = f->txtNome;
    nome->setText("Sete \"Aspas\"");
    clickInto(nome);
    nome->end(false);
    typeText("x");
    EXPECT_EQ(nome->text().toStdString(), "Sete \"Aspas\"x");
    pressKey(Qt::Key_Backspace);
    EXPECT_EQ(nome->text().toStdString(), "Sete \"Aspas\"");
    // The paste of the context menu and Ctrl+V.
    QApplication::clipboard()->setText("a\"b");
    nome->paste();
    EXPECT_EQ(nome->text().toStdString(), "Sete \"Aspas\"ab");
    EXPECT_EQ(nome->cursorPosition(), nome->text().size());
    nome->setCursorPosition(5);
    paste("\"");
    EXPECT_EQ(nome->text().toStdString(), "Sete \"Aspas\"ab");
    // A quote put right before a loaded one, and a selection replaced by a text with a quote.
    QApplication::clipboard()->setText("\"");
    nome->paste();
    EXPECT_EQ(nome->text().toStdString(), "Sete \"Aspas\"ab");
    EXPECT_EQ(nome->cursorPosition(), 5);
    nome->setSelection(6, 5);
    QApplication::clipboard()->setText("y\"z");
    nome->paste();
    EXPECT_EQ(nome->text().toStdString(), "Sete \"yz\"ab");
    EXPECT_EQ(nome->cursorPosition(), 8);
}

TEST_F(FocusTest, CheckBoxAndOptionSetInCodeRunTheirClick) {
    auto* f = open();
    f->chkAtivo->setChecked(true);
    f->chkAtivo->setChecked(true);
    f->chkAtivo->setChecked(false);
    EXPECT_EQ(f->chkClicks, 2);
    f->optA->setChecked(true);
    EXPECT_EQ(f->optClicks, 1);
    click(f->chkAtivo);
    EXPECT_EQ(f->chkClicks, 3);
}

TEST_F(FocusTest, QueuedTabRunsAfterTheHandler) {
    auto* f = open();
    postTab();
    EXPECT_EQ(focused(), f->txtCodigo);
    settle();
    EXPECT_EQ(focused(), f->txtNome);
    EXPECT_EQ(f->codigoLost, 1);
}

TEST_F(FocusTest, ExceptionInHandlerIsShownAndTheProgramGoesOn) {
    auto* f = open();
    f->throwOnSave = true;
    script->expect("Erro número 94 Uso inválido de Nulo", "Erro", Msg::OK);
    click(f->cmdGravar);
    EXPECT_EQ(f->gravar, 1);
    f->throwOnSave = false;
    click(f->cmdGravar);
    EXPECT_EQ(f->gravar, 2);
}

TEST_F(FocusTest, SharedInstanceIsActivatedAndLoadedAfreshAfterClose) {
    auto* f = ShowForm<frmFoco>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->loads, 1);
    EXPECT_EQ(ShowForm<frmFoco>(), f);
    EXPECT_EQ(f->loads, 1);
    QPointer<frmFoco> old = f;
    EXPECT_TRUE(f->Unload());
    settle();
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(FindForm<frmFoco>(), nullptr);
    auto* again = ShowForm<frmFoco>();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->loads, 1);
}
