#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "platform/controls/TDBGrid.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "support/UiFixture.h"

using namespace platform::controls;
using namespace platform::ui;
using namespace testsupport;

namespace {

// A window with an items grid between two fields, the way the document windows place theirs: numbers
// only outside the first column, at most two rows, a row deleted only when allowed.
class frmGrade : public Form {
  public:
    frmGrade() {
        setObjectName("frmGrade");
        auto* lay = new QVBoxLayout(this);
        txtAntes = new QLineEdit(this);
        txtAntes->setObjectName("txtAntes");
        tdgItens = new TDBGrid(this);
        tdgItens->setObjectName("tdgItens");
        cmdGravar = new QPushButton("&Gravar", this);
        cmdGravar->setObjectName("cmdGravar");
        for (QWidget* w : std::initializer_list<QWidget*>{txtAntes, tdgItens, cmdGravar}) lay->addWidget(w);
        int index = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{txtAntes, tdgItens, cmdGravar})
            setTabIndex(w, index++);
        applyTabOrder(this);
        installEntryKeys(this);
        itens.ReDim(0, 0, 0, 3);
        const QStringList captions{"Base", "Alíquota", "ICMS", ""};
        for (int c = 0; c < 4; ++c) tdgItens->setColumnCaption(c, captions[c]);
        tdgItens->setColumnFormat(0, "####,##0.00");
        tdgItens->setColumnFormat(1, "#0.0000");
        tdgItens->setColumnLocked(2, true);
        tdgItens->setColumnVisible(3, false);
        tdgItens->setAllowAddNew(true);
        tdgItens->setAllowDelete(true);
        tdgItens->setArray(&itens);
        connect(tdgItens, &TDBGrid::KeyPress, this, [this](int& KeyAscii) {
            const bool number = KeyAscii == 8 || (KeyAscii == ',' && !tdgItens->EditText().contains(',')) ||
                                (KeyAscii >= '0' && KeyAscii <= '9');
            if (tdgItens->Col() != 0 && !number) KeyAscii = 0;
        });
        connect(tdgItens, &TDBGrid::BeforeInsert, this, [this](bool& Cancel) {
            tdgItens->Refresh();
            Cancel = itens.Count(1) >= 2;
        });
        connect(tdgItens, &TDBGrid::BeforeDelete, this, [this](bool& Cancel) { Cancel = !apaga; });
        connect(tdgItens, &TDBGrid::AfterColUpdate, this, [this](int ColIndex) {
            atualizados << QString("%1,%2=%3")
                               .arg(tdgItens->Row())
                               .arg(ColIndex)
                               .arg(tdgItens->Columns(ColIndex).toString());
            if (ColIndex == 1) tdgItens->setColumns(2, "calculado");
            // The routing of a base of 0: "0" leaves for the button, "0,00" moves on two more cells.
            if (ColIndex == 0 && tdgItens->Columns(0).toString() == "0") setFocusTo(cmdGravar);
            if (ColIndex == 0 && tdgItens->Columns(0).toString() == "0,00") {
                postTab();
                postTab();
            }
        });
        onLostFocus(tdgItens, [this] { ++saidas; });
        onClick(cmdGravar, [this] { gravadoCom = itens.Value(itens.UpperBound(1), 0).toString(); });
    }
    QString shown(int row, int col) const {
        return tdgItens->view()->model()->index(row, col).data().toString();
    }
    QLineEdit* txtAntes;
    TDBGrid* tdgItens;
    QPushButton* cmdGravar;
    XArrayDB itens;
    QStringList atualizados;
    bool apaga = false;
    int saidas = 0;
    QString gravadoCom = "-";
};

class TDBGridTest : public UiFixture {
  protected:
    frmGrade* open() {
        auto* f = ShowForm<frmGrade>();
        settle();
        clickInto(f->txtAntes);
        pressTab();
        return f;
    }
    static QString cell(const frmGrade* f) {
        return QString("%1,%2").arg(f->tdgItens->Row()).arg(f->tdgItens->Col());
    }
};

}  // namespace

TEST_F(TDBGridTest, TypesCellsAndMovesWithTabEnterAndPostedTabs) {
    auto* f = open();
    EXPECT_EQ(focused(), f->tdgItens->view());
    EXPECT_EQ(cell(f), "0,0");
    typeText("1.000,5");
    EXPECT_NE(f->tdgItens->editor(), nullptr);
    pressTab();
    EXPECT_EQ(f->itens.Value(0, 0).toString(), "1.000,5");
    EXPECT_EQ(f->shown(0, 0), "1.000,50");
    EXPECT_EQ(cell(f), "0,1");
    // The key filter of the window drops the letter, the point and a second comma.
    typeText("1a7.5,2,5");
    pressEnter();
    EXPECT_EQ(f->itens.Value(0, 1).toString(), "175,25");
    EXPECT_EQ(f->shown(0, 1), "175,2500");
    // The handler wrote the locked cell of the row it was raised on; the hidden column is skipped.
    EXPECT_EQ(f->itens.Value(0, 2).toString(), "calculado");
    EXPECT_EQ(f->atualizados.join(' '), "0,0=1.000,5 0,1=175,25");
    EXPECT_EQ(cell(f), "0,2");
    pressTab();
    EXPECT_EQ(cell(f), "1,0");
    EXPECT_EQ(f->itens.Count(1), 1);
    // Two tabs posted by the program move two cells; the grid keeps the focus all along.
    postTab();
    postTab();
    settle();
    EXPECT_EQ(cell(f), "1,2");
    EXPECT_EQ(focused(), f->tdgItens->view());
    EXPECT_EQ(f->saidas, 0);
    // Shift+Tab moves back; on the first cell it leaves the grid, as does Tab on the last cell.
    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(cell(f), "1,1");
    f->tdgItens->setRow(0);
    f->tdgItens->setCol(0);
    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), f->txtAntes);
    EXPECT_EQ(f->saidas, 1);
    pressTab();
    f->tdgItens->setRow(1);
    f->tdgItens->setCol(2);
    pressTab();
    EXPECT_EQ(focused(), f->cmdGravar);
    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    pressKey(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(focused(), f->cmdGravar);
    EXPECT_EQ(f->saidas, 3);
}

TEST_F(TDBGridTest, AddsCancelsAndDeletesRowsAndCommitsBeforeAClick) {
    auto* f = open();
    // Esc drops the open edit, and a row just added with nothing in it.
    typeText("7");
    pressEsc();
    EXPECT_EQ(f->tdgItens->editor(), nullptr);
    EXPECT_EQ(f->itens.Value(0, 0).toString(), "");
    f->tdgItens->setRow(1);
    typeText("9");
    EXPECT_EQ(f->itens.Count(1), 2);
    pressEsc();
    EXPECT_EQ(f->itens.Count(1), 1);
    // A row typed on the new-row line; a third one is refused by BeforeInsert.
    typeText("250");
    pressTab();
    EXPECT_EQ(f->itens.Count(1), 2);
    EXPECT_EQ(f->itens.Value(1, 0).toString(), "250");
    f->tdgItens->setRow(2);
    typeText("3");
    EXPECT_EQ(f->itens.Count(1), 2);
    EXPECT_EQ(f->tdgItens->editor(), nullptr);
    // A click on a button commits the open cell first, and the window sees the grid left; a key typed
    // on a cell replaces what it held.
    f->tdgItens->setRow(1);
    f->tdgItens->setCol(0);
    typeText("40");
    click(f->cmdGravar);
    EXPECT_EQ(f->gravadoCom, "40");
    EXPECT_EQ(f->atualizados.last(), "1,0=40");
    EXPECT_EQ(f->saidas, 1);
    // Delete on a row chosen by its row header, after BeforeDelete.
    setFocusTo(f->tdgItens);
    QHeaderView* rows = f->tdgItens->view()->verticalHeader();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(rows->width() / 2, rows->sectionViewportPosition(0) + 3));
    pressKey(Qt::Key_Delete);
    EXPECT_EQ(f->itens.Count(1), 2);
    f->apaga = true;
    pressKey(Qt::Key_Delete);
    ASSERT_EQ(f->itens.Count(1), 1);
    EXPECT_EQ(f->itens.Value(0, 0).toString(), "40");
}

TEST_F(TDBGridTest, AfterColUpdateSendsTheCursorOnOrOut) {
    auto* f = open();
    f->itens.ReDim(0, 1, 0, 3);
    f->tdgItens->ReBind();
    typeText("0,00");
    pressEnter();
    settle();
    EXPECT_EQ(cell(f), "1,0");
    EXPECT_EQ(focused(), f->tdgItens->view());
    typeText("0");
    pressTab();
    EXPECT_EQ(focused(), f->cmdGravar);
    EXPECT_EQ(f->atualizados.join(' '), "0,0=0,00 1,0=0");
    EXPECT_EQ(f->saidas, 1);
}
