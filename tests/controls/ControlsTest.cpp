#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBCombo.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/controls/XArrayDB.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"
#include "support/UiFixture.h"

using namespace platform::controls;
using namespace platform::ui;
using namespace testsupport;
using platform::values::Currency;

namespace {

class frmCampos : public Form {
  public:
    frmCampos() {
        setObjectName("frmCampos");
        auto* lay = new QVBoxLayout(this);
        mskCgc = new MaskEdBox(this);
        mskCgc->setObjectName("mskCgc");
        mskCgc->setMask("##.###.###/####-##");
        mskCep = new MaskEdBox(this);
        mskCep->setObjectName("mskCep");
        mskCep->setMask("#####-###");
        tdbData = new TDBDate(this);
        tdbData->setObjectName("tdbData");
        tdbPeriodo = new TDBDate(this);
        tdbPeriodo->setObjectName("tdbPeriodo");
        tdbPeriodo->setDisplayFormat("mm/yyyy");
        tdnValor = new TDBNumber(this);
        tdnValor->setObjectName("tdnValor");
        txtObs = new MultiLineText(this);
        txtObs->setObjectName("txtObs");
        txtObs->setMaxLength(5);
        for (QWidget* w :
             std::initializer_list<QWidget*>{mskCgc, mskCep, tdbData, tdbPeriodo, tdnValor, txtObs})
            lay->addWidget(w);
        installEntryKeys(this);
        onLostFocus(tdbData, [this] { dataOnLeave = tdbData->Text(); });
    }
    MaskEdBox* mskCgc;
    MaskEdBox* mskCep;
    TDBDate* tdbData;
    TDBDate* tdbPeriodo;
    TDBNumber* tdnValor;
    MultiLineText* txtObs;
    QString dataOnLeave;
};

// A window with a multi-line remarks field on a tab page, between a field and the buttons in tab order.
class frmObs : public Form {
  public:
    frmObs() {
        setObjectName("frmObs");
        auto* lay = new QVBoxLayout(this);
        txtNome = new QLineEdit(this);
        txtNome->setObjectName("txtNome");
        sstab = new SSTab(this);
        sstab->setObjectName("sstab");
        auto* page = new QWidget;
        auto* pageLay = new QVBoxLayout(page);
        txtContato = new QLineEdit(page);
        txtContato->setObjectName("txtContato");
        txtObserv = new MultiLineText(page);
        txtObserv->setObjectName("txtObserv");
        pageLay->addWidget(txtContato);
        pageLay->addWidget(txtObserv);
        sstab->addTab(page, "Obs.");
        cmdGravar = new QPushButton("&Gravar", this);
        cmdGravar->setObjectName("cmdGravar");
        cmdSair = platform::ui::asExit(new QPushButton("&Sair", this));
        cmdSair->setObjectName("cmdSair");
        for (QWidget* w : std::initializer_list<QWidget*>{txtNome, sstab, cmdGravar, cmdSair})
            lay->addWidget(w);
        int index = 0;
        for (QWidget* w :
             std::initializer_list<QWidget*>{txtNome, sstab, txtContato, txtObserv, cmdGravar, cmdSair})
            setTabIndex(w, index++);
        applyTabOrder(this);
        installEntryKeys(this);
        onClick(cmdGravar, [this] { ++gravar; });
        onLostFocus(txtObserv, [this] {
            if (refuseObserv) setFocusTo(txtObserv);
        });
    }
    QLineEdit* txtNome;
    SSTab* sstab;
    QLineEdit* txtContato;
    MultiLineText* txtObserv;
    QPushButton* cmdGravar;
    QPushButton* cmdSair;
    int gravar = 0;
    bool refuseObserv = false;
};

class ControlsTest : public UiFixture {
  protected:
    frmCampos* open() {
        auto* f = ShowForm<frmCampos>();
        settle();
        return f;
    }
};

}  // namespace

TEST(MaskEngineTest, EmptyTextsClipTextAndPositionalText) {
    MaskEngine cnpj("##.###.###/####-##");
    EXPECT_EQ(cnpj.text(), "__.___.___/____-__");
    EXPECT_EQ(cnpj.length(), 18);
    cnpj.setText("12345678000190");
    EXPECT_EQ(cnpj.text(), "12.345.678/0001-90");
    EXPECT_EQ(cnpj.clipText(), "12345678000190");
    cnpj.setText("12.345.6__/____-__");
    EXPECT_EQ(cnpj.clipText(), "123456        ");
    EXPECT_EQ(cnpj.textWithoutPrompts(), "12.345.6  /    -  ");
    EXPECT_FALSE(cnpj.isComplete());
    MaskEngine ie("#AA######/#-#");
    ie.setText("1ab234567/8-9");
    EXPECT_EQ(ie.text(), "1ab234567/8-9");
    MaskEngine upper(">?\?-##");
    EXPECT_EQ(upper.type(0, 's'), 1);
    EXPECT_EQ(upper.text(), "S_-__");
    EXPECT_EQ(upper.type(0, '1'), -1);  // a digit is not a letter
}

TEST_F(ControlsTest, MaskedBoxTakesDigitsOnlyAndKeepsPrompts) {
    auto* f = open();
    clickInto(f->mskCep);
    typeText("12a-3-45");
    EXPECT_EQ(f->mskCep->Text(), "12345-___");
    pressKey(Qt::Key_Backspace);
    EXPECT_EQ(f->mskCep->Text(), "1234_-___");
    f->mskCep->setPromptInclude(false);
    EXPECT_EQ(f->mskCep->Text(), "1234 -   ");
    EXPECT_EQ(f->mskCep->ClipText().trimmed(), "1234");
    f->mskCep->setPromptInclude(true);
    f->mskCep->setText("");
    clickInto(f->mskCep);
    paste("01310-100");
    EXPECT_EQ(f->mskCep->Text(), "01310-100");
}

TEST_F(ControlsTest, MaskedBoxRefusesTheQuoteByKeyAndPaste) {
    auto* f = open();
    auto* any = new MaskEdBox(f);
    any->setObjectName("mskLivre");
    any->setMask("&&&&");
    any->show();
    clickInto(any);
    typeText("a\"b");
    paste("\"c");
    EXPECT_EQ(any->Text(), "abc_");
}

TEST_F(ControlsTest, DatesAndPeriodsWithTheirLimits) {
    auto* f = open();
    EXPECT_EQ(f->tdbData->Text(), "__/__/____");
    EXPECT_EQ(f->tdbPeriodo->Text(), "__/____");
    EXPECT_TRUE(f->tdbData->ValueIsNull());
    clickInto(f->tdbData);
    typeText("29022024");
    pressEnter();
    EXPECT_EQ(f->tdbData->Value(), QDate(2024, 2, 29));
    EXPECT_EQ(f->dataOnLeave, "29/02/2024");
    // An impossible date is told and kept, selected, with the focus: the click that was leaving it is
    // cancelled and the window's own check never sees it.
    clickInto(f->tdbData);
    f->tdbData->selectAll();
    typeText("30022023");
    script->expect("Data inválida !", "Atenção", platform::ui::Msg::OK);
    click(f->tdbPeriodo);
    settle();
    EXPECT_EQ(f->tdbData->Text(), "30/02/2023");
    EXPECT_EQ(focused(), f->tdbData);
    EXPECT_EQ(f->tdbData->selectedText(), "30/02/2023");
    EXPECT_EQ(f->dataOnLeave, "29/02/2024");
    EXPECT_FALSE(f->tdbData->TextoValido());
    typeText("31012023");
    pressTab();
    EXPECT_EQ(f->dataOnLeave, "31/01/2023");
    f->tdbData->setText("01/01/2100");
    EXPECT_TRUE(f->tdbData->ValueIsNull());
    f->tdbData->setMaxDate(QDate(2200, 1, 1));
    EXPECT_EQ(f->tdbData->MaxDate(), platform::values::MaximumDate);
    f->tdbData->setText("31/12/2099");
    EXPECT_EQ(f->tdbData->Value(), platform::values::MaximumDate);
    f->tdbData->setMinDate(QDate(2000, 1, 1));
    f->tdbData->setText("31/12/1999");
    EXPECT_TRUE(f->tdbData->ValueIsNull());
    clickInto(f->tdbPeriodo);
    typeText("132024");
    script->expect("Data inválida !", "Atenção", platform::ui::Msg::OK);
    pressTab();
    EXPECT_EQ(focused(), f->tdbPeriodo);
    EXPECT_EQ(f->tdbPeriodo->Text(), "13/2024");
    typeText("032024");
    pressTab();
    EXPECT_EQ(f->tdbPeriodo->Value(), QDate(2024, 3, 1));
}

TEST_F(ControlsTest, ADateFieldDropsDownAMonthCalendarWithPortugueseDayNames) {
    auto* f = open();
    f->tdbData->setValue(QDate(2024, 2, 10));
    clickInto(f->tdbData);
    pressKey(Qt::Key_F4);
    QFrame* calendario = f->tdbData->Calendario();
    ASSERT_NE(calendario, nullptr);
    EXPECT_TRUE(calendario->isVisible());
    auto* dias = calendario->findChild<QTableWidget*>("tdbDias");
    ASSERT_NE(dias, nullptr);
    QStringList nomes;
    for (int c = 0; c < dias->columnCount(); ++c) nomes << dias->horizontalHeaderItem(c)->text();
    EXPECT_EQ(nomes.join(u','), "Dom,Seg,Ter,Qua,Qui,Sex,Sáb");
    EXPECT_EQ(calendario->findChild<QLabel*>("lblMes")->text(), "Fevereiro 2024");
    // 01/02/2024 was a Thursday, so the 29th closes the fifth week on a Thursday.
    EXPECT_EQ(dias->item(4, 4)->text(), "29");
    click(calendario->findChild<QToolButton*>("cmdMesSeguinte"));
    EXPECT_EQ(calendario->findChild<QLabel*>("lblMes")->text(), "Março 2024");
    QTest::mouseClick(dias->viewport(), Qt::LeftButton, {}, dias->visualItemRect(dias->item(0, 5)).center());
    settle();
    EXPECT_EQ(f->tdbData->Value(), QDate(2024, 3, 1));
    EXPECT_EQ(f->tdbData->Calendario(), nullptr);
    EXPECT_EQ(focused(), f->tdbData);
    f->tdbPeriodo->AbreCalendario();
    EXPECT_EQ(f->tdbPeriodo->Calendario(), nullptr);
}

TEST_F(ControlsTest, NumberFieldFormatsRoundsAndKeepsLimits) {
    auto* f = open();
    EXPECT_EQ(f->tdnValor->Text(), "0,00");
    f->tdnValor->setText("1234567,895");
    f->tdnValor->commitEdit();
    EXPECT_EQ(f->tdnValor->Value(), Currency::fromRaw(12345679000));
    EXPECT_EQ(f->tdnValor->Text(), "1.234.567,90");
    f->tdnValor->setMinValue(Currency());
    f->tdnValor->setText("-5");
    f->tdnValor->commitEdit();
    EXPECT_EQ(f->tdnValor->Text(), "1.234.567,90");
    f->tdnValor->setMaxValue(Currency::fromUnits(100));
    f->tdnValor->setText("100,01");
    script->expect(
        "O valor digitado está fora dos limites deste campo (de 0,00 a 100,00); o valor anterior "
        "foi mantido.",
        "Atenção", platform::ui::Msg::OK);
    f->tdnValor->commitEdit();
    EXPECT_EQ(f->tdnValor->Value(), Currency::fromRaw(12345679000));
    clickInto(f->tdnValor);
    f->tdnValor->selectAll();
    typeText("12a,5");
    pressTab();
    EXPECT_EQ(f->tdnValor->Value(), Currency::fromRaw(125000));
    EXPECT_EQ(f->tdnValor->Text(), "12,50");
    // Entered by a move of the code, or by a click at the left of the value, the field takes what is
    // typed in place of what it showed.
    setFocusTo(f->tdnValor);
    settle();
    typeText("2,5");
    pressTab();
    EXPECT_EQ(f->tdnValor->Text(), "2,50");
    QTest::mouseClick(f->tdnValor, Qt::LeftButton, {}, QPoint(2, f->tdnValor->height() / 2));
    settle();
    typeText("3,5");
    pressTab();
    EXPECT_EQ(f->tdnValor->Text(), "3,50");
}

TEST_F(ControlsTest, MultiLineFieldMovesOnEnterAndKeepsItsLimitOnPaste) {
    auto* f = open();
    clickInto(f->txtObs);
    typeText("abc");
    paste("d\"efgh");
    EXPECT_EQ(f->txtObs->Text(), "abcde");
    typeText("x");
    EXPECT_EQ(f->txtObs->Text(), "abcde");
    pressEnter();
    EXPECT_NE(focused(), f->txtObs);
    EXPECT_EQ(f->txtObs->Text(), "abcde");
}

// A limit that falls inside a character (an emoji is two UTF-16 units) cuts before it, never in half.
TEST_F(ControlsTest, MultiLineFieldCutsAtWholeCharacters) {
    auto* f = open();
    clickInto(f->txtObs);
    typeText("abcd");
    paste(QString::fromUtf8("\U0001F600\U0001F600"));
    EXPECT_EQ(f->txtObs->Text(), "abcd");
    f->txtObs->setText(QString::fromUtf8("ab\U0001F600\U0001F600"));
    EXPECT_EQ(f->txtObs->Text(), QString::fromUtf8("ab\U0001F600"));

    // A plain text field with its length limit, the paste cut by the field itself.
    auto* o = ShowForm<frmObs>();
    settle();
    o->txtNome->setMaxLength(5);
    clickInto(o->txtNome);
    typeText("ab");
    paste(QString::fromUtf8("\U0001F600\U0001F600"));
    EXPECT_EQ(o->txtNome->text(), QString::fromUtf8("ab\U0001F600"));
    typeText("x");
    EXPECT_EQ(o->txtNome->text(), QString::fromUtf8("ab\U0001F600x"));
}

// A number beyond the field's limits is not taken, and the user is told so.
TEST_F(ControlsTest, NumberFieldSaysWhyAValueBeyondItsLimitsIsDropped) {
    auto* f = open();
    f->tdnValor->setValue(Currency::fromUnits(7));
    for (const char* typed : {"9999999999999,99", "99999999999999999999999"}) {
        script->expect(
            "O valor digitado está fora dos limites deste campo (de -99.999.999.999,00 a "
            "99.999.999.999,00); o valor anterior foi mantido.",
            "Atenção", platform::ui::Msg::OK);
        f->tdnValor->setText(typed);
        f->tdnValor->commitEdit();
        EXPECT_TRUE(script->allAnswered()) << typed;
        EXPECT_EQ(f->tdnValor->Text(), "7,00");
    }
}

TEST(XArrayDBTest, SortsByMoneyDateNumberAndText) {
    XArrayDB a;
    a.ReDim(0, 3, 0, 3);
    const char* rows[4][4] = {{"10", "05/03/2011", "1.234,56", "joão"},
                              {"9", "28/02/2011", "99,90", "Álvaro"},
                              {"000012", "05/03/2010", "-1,00", "alberto"},
                              {"", "", "", "Bruno"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) a(r, c) = QString(rows[r][c]);
    auto column = [&](int c) {
        QStringList out;
        for (int r = 0; r <= a.UpperBound(1); ++r) out << a(r, c).toString();
        return out.join('|');
    };
    a.QuickSort(0, 3, 0, XOrder::Ascending, XType::Integer);
    EXPECT_EQ(column(0), "|9|10|000012");
    a.QuickSort(0, 3, 1, XOrder::Descending, XType::Date);
    EXPECT_EQ(column(1), "05/03/2011|28/02/2011|05/03/2010|");
    a.QuickSort(0, 3, 2, XOrder::Ascending, XType::Currency);
    EXPECT_EQ(column(2), "|-1,00|99,90|1.234,56");
    a.QuickSort(0, 3, 3, XOrder::Ascending, XType::Text);
    EXPECT_EQ(column(3), "alberto|Álvaro|Bruno|joão");
    // Rows move whole.
    EXPECT_EQ(a(0, 0).toString(), "000012");
    a(1, 2) = QVariant::fromValue(Currency::fromUnits(5));
    a.QuickSort(0, 3, 2, XOrder::Descending, XType::Currency);
    EXPECT_EQ(a(0, 2).toString(), "1.234,56");
    EXPECT_EQ(a(1, 2).value<Currency>(), Currency::fromUnits(5));
    EXPECT_EQ(a(2, 2).toString(), "-1,00");
    EXPECT_EQ(a(3, 2).toString(), "");
}

TEST(XArrayDBTest, FindIsLinearWithEqualityOrTextBeginning) {
    XArrayDB a;
    a.ReDim(0, 2, 0, 1);
    a(0, 0) = "30";
    a(0, 1) = "Zeca";
    a(1, 0) = "7";
    a(1, 1) = "JOÃO DA SILVA";
    a(2, 0) = "0012";
    a(2, 1) = "Maria";
    // Descending data, found by code although the order passed says ascending.
    EXPECT_EQ(a.Find(0, 0, 12, XOrder::Ascending, XComp::Equal, XType::Integer), 2);
    EXPECT_EQ(a.Find(0, 0, 8, XOrder::Ascending, XComp::Equal, XType::Integer), -1);
    EXPECT_EQ(a.Find(0, 1, "joão", XOrder::Descending, XComp::Like, XType::Text), 1);
    EXPECT_EQ(a.Find(0, 1, "joao", XOrder::Ascending, XComp::Like, XType::Text), -1);
    EXPECT_EQ(a.Find(2, 1, "jo", XOrder::Ascending, XComp::Like, XType::Text), -1);
    EXPECT_EQ(a.Find(0, 0, 0, XOrder::Ascending, XComp::Equal, XType::Integer), -1);
}

TEST(XArrayDBTest, InsertDeleteAndBounds) {
    XArrayDB a;
    a.ReDim(0, 1, 0, 1);
    a(0, 0) = "a";
    a(1, 0) = "b";
    a.Insert(1, 2);
    a(2, 0) = "c";
    a.Insert(1, 0);
    EXPECT_EQ(a.Count(1), 4);
    EXPECT_EQ(a(1, 0).toString(), "a");
    a.Delete(1, 2);
    EXPECT_EQ(a(2, 0).toString(), "c");
    EXPECT_EQ(a.UpperBound(1), 2);
    EXPECT_THROW(a(3, 0), platform::values::RuntimeError);
    a.ReDim(0, -1, 0, 1);
    EXPECT_EQ(a.Count(1), 0);
    a.QuickSort(0, -1, 0, 0, XType::Text);
    EXPECT_EQ(a.Find(0, 0, "a", 0, XComp::Like, XType::Text), -1);
}

TEST_F(ControlsTest, ListRaisesBothHeaderEventsAndKeepsTheBookmark) {
    auto* f = open();
    XArrayDB a;
    a.ReDim(0, 2, 0, 1);
    for (int r = 0; r < 3; ++r) {
        a(r, 0) = QString::number(r + 1);
        a(r, 1) = QString("Nome %1").arg(r + 1);
    }
    auto* tdbLista = new TDBList(f);
    tdbLista->setObjectName("tdbLista");
    tdbLista->setColumnCaption(0, "Código");
    tdbLista->setColumnCaption(1, "Nome");
    tdbLista->setArray(&a);
    tdbLista->ReBind();
    f->layout()->addWidget(tdbLista);
    tdbLista->show();
    settle();
    QSignalSpy up(tdbLista, &ArrayList::HeadClick), down(tdbLista, &ArrayList::HeadRightClick),
        moved(tdbLista, &ArrayList::RowColChange);
    QHeaderView* header = tdbLista->view()->horizontalHeader();
    const QPoint second(header->sectionViewportPosition(1) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, second);
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up[0][0].toInt(), 1);
    emit header->customContextMenuRequested(second);
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0][0].toInt(), 1);
    tdbLista->setBookmark(2);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(tdbLista->Columns(1).toString(), "Nome 3");
    tdbLista->Refresh();
    EXPECT_EQ(tdbLista->Bookmark(), 2);
    const QRect row0 = tdbLista->view()->visualRect(tdbLista->view()->model()->index(0, 0));
    QTest::mouseClick(tdbLista->view()->viewport(), Qt::LeftButton, Qt::NoModifier, row0.center());
    EXPECT_EQ(tdbLista->Bookmark(), 0);
    EXPECT_EQ(moved.count(), 1);
}

TEST_F(ControlsTest, AMultiLineFieldTakesItsPlaceInTheTabOrder) {
    auto* f = ShowForm<frmObs>();
    settle();
    clickInto(f->txtNome);
    auto owner = [] {
        QWidget* w = focused();
        return w && w->parentWidget() && w->parentWidget()->focusProxy() == w
                   ? w->parentWidget()->objectName()
                   : focusedName();
    };
    QStringList forward;
    for (int i = 0; i < 6; ++i) {
        pressTab();
        forward << owner();
    }
    EXPECT_EQ(forward.join(' ').toStdString(), "sstab txtContato txtObserv cmdGravar cmdSair txtNome");
    QStringList back;
    for (int i = 0; i < 6; ++i) {
        pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        back << owner();
    }
    EXPECT_EQ(back.join(' ').toStdString(), "cmdSair cmdGravar txtObserv txtContato sstab txtNome");
}

// A move from the remarks to the button that the remarks' check refuses cancels no later click on the
// button, made straight from the multi-line field.
TEST_F(ControlsTest, AClickOnAButtonFromAMultiLineFieldIsDelivered) {
    auto* f = ShowForm<frmObs>();
    settle();
    clickInto(f->txtObserv);
    typeText("obs");
    f->refuseObserv = true;
    setFocusTo(f->cmdGravar);
    EXPECT_EQ(focused(), f->txtObserv);
    f->refuseObserv = false;
    typeText("!");
    click(f->cmdGravar);
    EXPECT_EQ(f->gravar, 1);
    EXPECT_EQ(focused(), f->cmdGravar);
    EXPECT_EQ(f->txtObserv->Text().toStdString(), "obs!");
    // A click on the button from the remarks while the check refuses is cancelled, and only that one.
    clickInto(f->txtObserv);
    f->refuseObserv = true;
    script->expect(QStringLiteral("Este campo não aceita o valor informado, corrija-o !"), Msg::OK);
    click(f->cmdGravar);
    EXPECT_EQ(f->gravar, 1);
    EXPECT_EQ(focused(), f->txtObserv);
    f->refuseObserv = false;
    click(f->cmdGravar);
    EXPECT_EQ(f->gravar, 2);
}

// The wheel over a field changes nothing and gives it no focus, whether or not it has the focus; over a
// list it still scrolls.
TEST_F(ControlsTest, TheWheelChangesNoFieldAndTakesNoFocusButAListStillScrolls) {
    auto* f = ShowForm<frmObs>();
    auto* lista = new QTableWidget(200, 1, f);
    auto* tdbCombo = new TDBCombo(f);
    tdbCombo->setEditable(true);
    const auto valor = [&](QWidget* c) {
        if (auto* cb = qobject_cast<QComboBox*>(c)) return cb->currentText();
        if (auto* spin = qobject_cast<QSpinBox*>(c)) return QString::number(spin->value());
        if (auto* l = qobject_cast<QLineEdit*>(c)) return l->text();
        return QString::number(lista->verticalScrollBar()->value());
    };
    for (QWidget* c : std::initializer_list<QWidget*>{new QComboBox(f), tdbCombo, new QSpinBox(f),
                                                      new TDBDate(f), new TDBNumber(f), lista}) {
        SCOPED_TRACE(c->metaObject()->className());
        if (auto* cb = qobject_cast<QComboBox*>(c)) cb->addItems({"Ativo", "Inativo", "Suspenso"});
        if (auto* l = qobject_cast<QLineEdit*>(c)) l->setText("12");
        f->layout()->addWidget(c);
        c->show();
        settle();
        // Where the wheel lands.
        QWidget* alvo = c == lista ? lista->viewport() : c == tdbCombo ? tdbCombo->lineEdit() : c;
        for (bool comFoco : {false, true}) {
            setFocusTo(comFoco ? c : f->txtNome);
            settle();
            const QString antes = valor(c);
            const QPointF meio = QRectF(alvo->rect()).center();
            QWheelEvent roda(meio, alvo->mapToGlobal(meio), QPoint(), QPoint(0, -120), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(alvo, &roda);
            settle();
            EXPECT_EQ(valor(c) != antes, c == lista) << valor(c).toStdString();
            EXPECT_EQ(focused() == f->txtNome, !comFoco);
            lista->verticalScrollBar()->setValue(0);
        }
        EXPECT_NE(c->focusPolicy() & Qt::WheelFocus, Qt::WheelFocus);
    }
}

// A year field shows "____" empty, takes four digits within its limits, and its value is the 1st of
// January; it has no calendar.
TEST(TDBDateAno, TakesAYearWithinItsLimits) {
    TDBDate ano;
    ano.setDisplayFormat(TDBDate::YearFormat);
    ano.setMinDate(QDate(2000, 1, 1));
    ano.setMaxDate(QDate(2099, 12, 31));
    ano.clear();
    EXPECT_EQ(ano.Text(), "____");
    EXPECT_TRUE(ano.TextoValido());
    const std::pair<const char*, QDate> casos[] = {{"2000", QDate(2000, 1, 1)},
                                                   {"2099", QDate(2099, 1, 1)},
                                                   {"2012", QDate(2012, 1, 1)},
                                                   {"1999", {}},
                                                   {"2100", {}},
                                                   {"20", {}}};
    for (const auto& [texto, valor] : casos) {
        SCOPED_TRACE(texto);
        ano.setText(texto);
        EXPECT_EQ(ano.Value(), valor);
        EXPECT_EQ(ano.TextoValido(), valor.isValid());
    }
    ano.setValue(QDate(2005, 7, 9));
    EXPECT_EQ(ano.Text(), "2005");
    EXPECT_EQ(ano.Value(), QDate(2005, 1, 1));
    ano.AbreCalendario();
    EXPECT_EQ(ano.Calendario(), nullptr);
}
