#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>

#include "PessoaFixture.h"
#include "partners/frmTerceiros.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "shell/JanelaCadastro.h"

using namespace testsupport;
namespace Msg = platform::ui::Msg;
using partners::frmTerceiros;
using platform::values::Currency;

namespace {

const QString SemTerceiros = QStringLiteral("Não existe nenhum terceiro cadastrado, cadastrar agora ?");

class frmTerceirosTest : public PessoaFixture {
  protected:
    void SetUp() override {
        PessoaFixture::SetUp();
        empresa_ = Empresa(7, QStringLiteral("Padaria"));
        w = static_cast<frmTerceiros*>(platform::ui::ShowInstance(new frmTerceiros));
        ASSERT_NE(w, nullptr);
        settle();
    }
    void TearDown() override {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        PessoaFixture::TearDown();
    }
    void Novo() {
        script->expect(SemTerceiros, Msg::Yes);
        typeInto(w, QStringLiteral("txtCodigo"), QStringLiteral("7"));
        pressTab();
        settle();
        ASSERT_EQ(w->Cadastro().EstadoAtual(), shell::Novo);
    }
    qint64 empresa_ = 0;
    QPointer<frmTerceiros> w;
};

TEST_F(frmTerceirosTest, ANewThirdPartyStartsAtZeroAndNeedsAName) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Arquivo de Terceiros"));
    EXPECT_EQ(w->lblTit(1)->text(), QStringLiteral("Nome "));
    EXPECT_EQ(w->lblTit(12)->text(), QStringLiteral("Salário de Contribuição "));
    EXPECT_EQ(w->lblTit(13)->text(), QString());
    Novo();
    EXPECT_EQ(w->txtNome->objectName(), QStringLiteral("txtterceiros"));
    EXPECT_EQ(w->tdbScinss->Text(), QStringLiteral("0,00"));
    EXPECT_EQ(w->cmbTinscr->count(), 5);
    QStringList erros;
    EsperaErros(&erros);
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(erros, QStringList({QStringLiteral("O campo nome é obrigatório !")}));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Novo);
}

TEST_F(frmTerceirosTest, EmployersAndSelfEmployedPassOverTheSalary) {
    Novo();
    for (auto [tipo, salta] : {std::pair{"Autônomo", true},
                               {"Contr.em Dobro", false},
                               {"Empr.Doméstica", false},
                               {"Empregador", true}}) {
        click(w->cmdCancelar);
        click(w->cmdNovo);
        settle();
        platform::ui::setFocusTo(w->mskInscricao);
        pressTab();
        settle();
        ASSERT_EQ(focusedName(), QStringLiteral("cmbTinscr"));
        w->cmbTinscr->setCurrentText(QString::fromUtf8(tipo));
        pressTab();
        settle();
        EXPECT_EQ(focusedName(), salta ? QStringLiteral("txtObservacao") : QStringLiteral("tdbScinss"))
            << tipo;
        EXPECT_EQ(w->abas->Tab(), salta ? 1 : 0) << tipo;
        // The salary is left for the remarks too.
        if (!salta) {
            pressTab();
            settle();
            EXPECT_EQ(focusedName(), QStringLiteral("txtObservacao")) << tipo;
            EXPECT_EQ(w->abas->Tab(), 1) << tipo;
        }
    }
}

TEST_F(frmTerceirosTest, TheSalaryGoesInAndComesBackExactWhateverTheLocale) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Novo();
    typeText(QStringLiteral("Rui"));
    platform::ui::setFocusTo(w->tdbScinss);
    settle();
    w->tdbScinss->selectAll();
    typeText(QStringLiteral("1234,56"));
    pressTab();
    settle();
    w->cmbTinscr->setCurrentIndex(2);
    click(w->cmdGravar);
    settle();
    auto r = db.OpenRecordset(QStringLiteral("SELECT * FROM Terceiros WHERE nome = 'Rui'"));
    ASSERT_FALSE(r.Eof());
    EXPECT_EQ(r.Fields(QStringLiteral("scinss")).toCurrency(), Currency::fromRaw(12345600));
    EXPECT_EQ(r.Fields(QStringLiteral("tipoinscr_inss")).toString(), QStringLiteral("Contr.em Dobro"));
    EXPECT_EQ(r.Fields(QStringLiteral("codempr")).toLongLong(), empresa_);
    EscolheLinha(w->lista, 0);
    EXPECT_EQ(w->tdbScinss->Value(), Currency::fromRaw(12345600));
    EXPECT_EQ(w->tdbScinss->Text(), QStringLiteral("1.234,56"));
    EXPECT_EQ(w->cmbTinscr->currentText(), QStringLiteral("Contr.em Dobro"));
}

TEST_F(frmTerceirosTest, AThirdPartyIsDeletedWithItsClasses) {
    const qint64 rui = Pessoa(QStringLiteral("Terceiros"), empresa_, QStringLiteral("Rui"));
    const qint64 ana = Pessoa(QStringLiteral("Terceiros"), empresa_, QStringLiteral("Ana"));
    for (qint64 p : {rui, ana})
        for (int ano : {2001, 2002})
            Classe(QStringLiteral("ClasseTer"), QStringLiteral("codter"), p, QDate(ano, 1, 1), 2);
    typeInto(w, QStringLiteral("txtCodigo"), QStringLiteral("7"));
    pressTab();
    settle();
    EscolheLinha(w->lista, 0);
    EXPECT_EQ(w->lblClasse->text(), QStringLiteral("2"));
    EXPECT_EQ(w->lblD_enquadr->text(), QStringLiteral("01/01/2002"));
    script->expect(QStringLiteral("Deseja Realmente Excluir Este Registro ?"), Msg::Yes);
    click(w->cmdApagar);
    settle();
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT * FROM Terceiros")).RecordCount(), 1);
    EXPECT_EQ(
        db.OpenRecordset(QStringLiteral("SELECT * FROM ClasseTer WHERE codter = ?"), {rui}).RecordCount(), 0);
    EXPECT_EQ(
        db.OpenRecordset(QStringLiteral("SELECT * FROM ClasseTer WHERE codter = ?"), {ana}).RecordCount(), 2);
    EXPECT_EQ(Linhas(w->lista), QStringList({QString::number(ana) + QStringLiteral("|Ana")}));
}

}  // namespace
