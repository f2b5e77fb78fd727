#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBCombo.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/Form.h"
#include "shell/EstadoGeral.h"
#include "shell/RotinasControles.h"
#include "support/UiFixture.h"

using namespace platform::controls;
using namespace testsupport;

namespace {

class frmRotinas : public platform::ui::Form {
  public:
    frmRotinas() {
        setObjectName("frmRotinas");
        auto* lay = new QVBoxLayout(this);
        txtNome = new QLineEdit(this);
        cmbUf = new QComboBox(this);
        cmbUf->setEditable(true);
        tdbCombo = new TDBCombo(this);
        chkAtivo = new QCheckBox("Ativo", this);
        optA = new QRadioButton("A", this);
        fraDados = new QGroupBox("Dados", this);
        mskCgc = new MaskEdBox(this);
        mskCgc->setMask("##.###.###/####-##");
        tdbData = new TDBDate(this);
        tdbPeriodo = new TDBDate(this);
        tdbPeriodo->setDisplayFormat("mm/yyyy");
        tdnValor = new TDBNumber(this);
        sstab = new SSTab(this);
        sstab->addTab(new QWidget, "Geral");
        sstab->addTab(new QWidget, "INSS");
        cmdOk = new QPushButton("&Ok", this);
        for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) lay->addWidget(w);
    }
    QLineEdit* txtNome;
    QComboBox* cmbUf;
    TDBCombo* tdbCombo;
    QCheckBox* chkAtivo;
    QRadioButton* optA;
    QGroupBox* fraDados;
    MaskEdBox* mskCgc;
    TDBDate* tdbData;
    TDBDate* tdbPeriodo;
    TDBNumber* tdnValor;
    SSTab* sstab;
    QPushButton* cmdOk;
};

class RotinasControlesTest : public UiFixture {
  protected:
    void SetUp() override {
        setModuleStateReset([] { Geral::ReiniciaEstadoGeral(); });
        UiFixture::SetUp();
        f = platform::ui::ShowForm<frmRotinas>();
        settle();
    }
    frmRotinas* f = nullptr;
};

}  // namespace

TEST_F(RotinasControlesTest, LimpaCamposEmptiesEachKindAsItShould) {
    f->txtNome->setText("Maria");
    f->cmbUf->setEditText("SP");
    f->tdbCombo->setText("Lucro Real");
    f->chkAtivo->setChecked(true);
    f->optA->setChecked(true);
    f->mskCgc->setText("12345678000190");
    f->tdbData->setValue(QDate(2024, 5, 1));
    f->tdbPeriodo->setValue(QDate(2024, 5, 1));
    f->tdnValor->setValue(platform::values::Currency::fromUnits(7));
    f->sstab->setTab(1);
    Geral::LimpaCampos(f);
    EXPECT_EQ(f->txtNome->text(), "");
    EXPECT_EQ(f->cmbUf->currentText(), "SP");
    EXPECT_EQ(f->tdbCombo->Text(), "");
    EXPECT_FALSE(f->chkAtivo->isChecked());
    EXPECT_TRUE(f->optA->isChecked());
    EXPECT_EQ(f->mskCgc->Text(), "12.345.678/0001-90");
    EXPECT_EQ(f->mskCgc->Mask(), "##.###.###/####-##");
    EXPECT_EQ(f->tdbData->Text(), "__/__/____");
    EXPECT_EQ(f->tdbPeriodo->Text(), "__/____");
    EXPECT_TRUE(f->tdnValor->Value().isZero());
    EXPECT_EQ(f->sstab->Tab(), 0);
}

TEST_F(RotinasControlesTest, HabilitaCamposGreysFieldsAndLeavesFramesAndListCombos) {
    Geral::HabilitaCampos(f, false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{f->txtNome, f->cmbUf, f->mskCgc, f->tdbData, f->tdnValor}) {
        EXPECT_FALSE(w->isEnabled());
        EXPECT_EQ(backColor(w), buttonFaceColor());
    }
    const QColor chkColor = backColor(f->chkAtivo);
    EXPECT_FALSE(f->chkAtivo->isEnabled());
    EXPECT_FALSE(f->optA->isEnabled());
    EXPECT_FALSE(f->sstab->isEnabled());
    EXPECT_EQ(backColor(f->chkAtivo), chkColor);
    EXPECT_TRUE(f->fraDados->isEnabled());
    EXPECT_TRUE(f->tdbCombo->isEnabled());
    EXPECT_TRUE(f->cmdOk->isEnabled());
    Geral::HabilitaCampos(f, true);
    EXPECT_TRUE(f->txtNome->isEnabled());
    EXPECT_EQ(backColor(f->txtNome), White);
}

TEST_F(RotinasControlesTest, PreencheBrancosFillsOnlyEmptyTextFields) {
    auto* txtDois = new QLineEdit("  ", f);
    auto* txtA = new QLineEdit("A", f);
    Geral::PreencheBrancos(f);
    EXPECT_EQ(f->txtNome->text(), " ");
    EXPECT_EQ(f->cmbUf->currentText(), " ");
    EXPECT_EQ(txtDois->text(), "  ");
    EXPECT_EQ(txtA->text(), "A");
    EXPECT_EQ(f->tdbCombo->Text(), "");
    EXPECT_EQ(f->mskCgc->Text(), "__.___.___/____-__");
}

TEST_F(RotinasControlesTest, SelecionaTextoSelectsTheWholeMaskOrText) {
    f->mskCgc->setText("12");
    f->mskCgc->setFocus();
    Geral::SelecionaTexto();
    EXPECT_EQ(f->mskCgc->SelStart(), 0);
    EXPECT_EQ(f->mskCgc->SelLength(), 18);
    f->txtNome->setText("abc");
    f->txtNome->setFocus();
    f->txtNome->deselect();
    Geral::SelecionaTexto();
    EXPECT_EQ(f->txtNome->selectedText(), "abc");
    f->cmdOk->setFocus();
    Geral::SelecionaTexto();
    EXPECT_TRUE(script->allAnswered());
}
