#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "MovimentoFixture.h"
#include "movement/ArquivoMovimento.h"
#include "movement/EmpresaPeriodo.h"
#include "movement/RegrasIss.h"
#include "movement/frmMovIss.h"
#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"
#include "support/Money.h"

using namespace movimento;
using namespace movtest;
using namespace testsupport;
using platform::db::Connection;
using platform::ui::Msg::OK;

namespace {

const QString SemModelo = QStringLiteral(
    "Esta empresa não está classificada para digitação de ISS, no cadastro da empresa informe Mod.51 ou "
    "Mod.53 para poder digitar ISS !");

class frmMovIssTest : public MovimentoTest {
  protected:
    void SetUp() override {
        MovimentoTest::SetUp();
        cadastro.Open(Geral::ConexaoCadastro);
        cadastro.Execute(
            "INSERT INTO Empresas(codigo,nome,TpIss,mes_base_fiscal) VALUES(51,'Cinquenta e um','51',?),"
            "(53,'Cinquenta e tres','53',?),(7,'Sem modelo','',?)",
            {QDate(2024, 2, 1), QDate(2024, 2, 1), QDate(2024, 2, 1)});
        w = static_cast<frmMovIss*>(platform::ui::ShowInstance(new frmMovIss));
        ASSERT_NE(w, nullptr);
        settle();
    }
    void TearDown() override {
        FechaJanela(w);
        MovimentoTest::TearDown();
    }
    void Abre(int codigo, QDate periodo = {}) { AbreEmpresa(*w, codigo, periodo); }
    // A new document of 1.000,00 at 5 %, leaving the rate so that the ISS is computed.
    void Novo(const char* sempr = "0", const char* materiais = "0") {
        click(w->cmdNovo);
        settle();
        w->txtCodServ->setText("101");
        w->txtNinicio->setText("10");
        w->tdbVlrNota->setValue(C("1000"));
        w->tdbSempr->setValue(C(sempr));
        w->tdbVmateriais->setValue(C(materiais));
        w->tdbAliq->setValue(C("5"));
        clickInto(w->tdbAliq);
        settle();
        clickInto(w->tdbIr);
        settle();
    }
    platform::db::Recordset Linhas() {
        Connection banco;
        banco.Open(Conexao(tarvel(NomeArquivo(w->Empresa().CodigoEmpresa(), 2024))));
        return banco.OpenRecordset("SELECT * FROM DIGISS02 ORDER BY codauto");
    }

    Connection cadastro;
    QPointer<frmMovIss> w;
};

TEST_F(frmMovIssTest, TheModelShapesTheWindowAndACompanyWithoutOneIsRefused) {
    Abre(53);
    EXPECT_EQ(w->windowTitle(), "Movimento de ISS - Modelo 53");
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Ocioso);
    click(w->cmdNovo);
    EXPECT_TRUE(w->tdbSempr->isEnabled());
    EXPECT_TRUE(w->tdbVmateriais->isEnabled());
    EXPECT_EQ(w->mskCodigo->Text(), "000001");
    EXPECT_EQ(w->txtSerie->text(), "A");
    EXPECT_EQ(w->cmbTipo->currentText(), "Tributado");
    EXPECT_EQ(w->tdbData->Value(), QDate(2024, 2, 1));
    EXPECT_EQ(w->tdbData->MaxDate(), QDate(2024, 2, 29));
    EXPECT_EQ(focusedName(), "tdbData");
    click(w->cmdCancelar);

    Abre(51);
    EXPECT_EQ(w->windowTitle(), "Movimento de ISS - Modelo 51");
    click(w->cmdNovo);
    EXPECT_FALSE(w->tdbSempr->isEnabled());
    EXPECT_EQ(platform::controls::backColor(w->tdbVmateriais), platform::controls::menuColor());
    click(w->cmdCancelar);

    script->expect(SemModelo, QStringLiteral("Erro Fatal"), OK);
    Abre(7);
    EXPECT_EQ(w->windowTitle(), "Movimento de ISS");
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::SemEmpresa);
    EXPECT_FALSE(w->cmdNovo->isEnabled());
    EXPECT_EQ(w->txtCodigo->text(), "");
    EXPECT_EQ(focusedName(), "txtCodigo");
}

// The ISS proposed on leaving the rate, for each layout.
TEST_F(frmMovIssTest, LeavingTheRateComputesTheIss) {
    const struct {
        int empresa;
        const char *sempr, *materiais, *iss;
    } casos[] = {{53, "200", "0", "40"}, {53, "200", "100", "35"}, {51, "200", "0", "50"}};
    for (const auto& c : casos) {
        Abre(c.empresa);
        Novo(c.sempr, c.materiais);
        EXPECT_EQ(w->tdbIss->Value(), C(c.iss)) << c.empresa << " " << c.materiais;
        click(w->cmdCancelar);
    }
}

// A new document is saved with every column, read back, changed and read back; a model-51 document
// keeps the deductions it was stored with.
TEST_F(frmMovIssTest, ADocumentIsSavedLoadedAndChanged) {
    Abre(53);
    Novo("100", "100");
    w->tdbIss->setValue(C("40"));
    w->txtNfim->setText("10");
    w->txtTalao->setText("3");
    w->txtObs->setText("obs");
    w->tdbIr->setValue(C("1,5"));
    click(w->cmdGravar);
    settle();
    auto rs = Linhas();
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields("datalan").toDate(), QDate(2024, 2, 1));
    EXPECT_EQ(rs.Fields("codserv").toString(), "101");
    EXPECT_EQ(rs.Fields("serie").toString(), "A");
    EXPECT_EQ(rs.Fields("docinicial").toString(), "10");
    EXPECT_EQ(rs.Fields("docfinal").toString(), "0");
    EXPECT_EQ(rs.Fields("talao").toString(), "3");
    EXPECT_EQ(rs.Fields("base").toCurrency(), C("1000"));
    EXPECT_EQ(rs.Fields("aliq").toCurrency(), C("5"));
    EXPECT_EQ(rs.Fields("iss").toCurrency(), C("40"));
    EXPECT_EQ(rs.Fields("ir").toCurrency(), C("1,5"));
    EXPECT_EQ(rs.Fields("tipo").toString(), "0");
    EXPECT_EQ(rs.Fields("observ").toString(), "obs");
    EXPECT_EQ(rs.Fields("subempr").toCurrency(), C("100"));
    EXPECT_EQ(rs.Fields("materiais").toCurrency(), C("100"));
    EXPECT_EQ(w->ProximoCodigo, 2);
    EXPECT_EQ(focusedName(), "cmdNovo");

    Abre(51);
    cadastro.Execute("UPDATE Empresas SET TpIss = '51' WHERE codigo = 53");
    Abre(53);
    EXPECT_EQ(w->windowTitle(), "Movimento de ISS - Modelo 51");
    typeInto(w, "mskCodigo", "1");
    pressEnter();
    settle();
    ASSERT_EQ(w->Cadastro().EstadoAtual(), shell::Carregado);
    EXPECT_EQ(w->mskCodigo->Text(), "000001");
    EXPECT_EQ(w->tdbSempr->Value(), Currency());
    w->cmbTipo->setCurrentIndex(2);
    click(w->cmdGravar);
    settle();
    rs = Linhas();
    EXPECT_EQ(rs.Fields("tipo").toString(), "2");
    EXPECT_EQ(rs.Fields("iss").toCurrency(), Currency());
    EXPECT_EQ(rs.Fields("subempr").toCurrency(), C("100"));
    EXPECT_EQ(rs.Fields("materiais").toCurrency(), C("100"));
}

// An ISS that differs from the computed one is a warning: Não keeps the document open, Sim saves it.
TEST_F(frmMovIssTest, AWarningIsSavedOnlyOnSim) {
    Abre(51);
    Novo();
    w->tdbIss->setValue(C("45"));
    script->onDialog(QStringLiteral("frmErros"), [](QDialog& d) { click(&d, QStringLiteral("cmdNao")); });
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Novo);
    EXPECT_EQ(Linhas().RecordCount(), 0);
    script->onDialog(QStringLiteral("frmErros"), [](QDialog& d) { click(&d, QStringLiteral("cmdSim")); });
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(Linhas().RecordCount(), 1);
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Ocioso);
}

// The search is opened only from an empty record code.
TEST_F(frmMovIssTest, ARecordCodeIsShownInSixDigitsAndTheSearchNeedsAnEmptyOne) {
    Abre(51);
    {
        Connection banco;
        banco.Open(Conexao(tarvel(NomeArquivo(51, 2024))));
        for (int i = 0; i < 7; ++i)
            banco.Execute("INSERT INTO DIGISS02 (datalan,base,tipo) VALUES(?,?,'1')",
                          {QDate(2024, 2, 3), C("70")});
    }
    typeInto(w, "mskCodigo", "0");
    pressEnter();
    settle();
    EXPECT_TRUE(w->mskCodigo->ClipText().trimmed().isEmpty());
    EXPECT_EQ(focusedName(), "mskCodigo");
    w->mskCodigo->setText("000003");
    w->cmdPesquisar_Click();
    settle();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Ocioso);
    w->mskCodigo->setText(QString());
    typeInto(w, "mskCodigo", "7");
    pressEnter();
    settle();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Carregado);
    EXPECT_EQ(w->mskCodigo->Text(), "000007");
    EXPECT_EQ(w->cmbTipo->currentText(), TiposIss[1]);
    EXPECT_EQ(w->tdbVlrNota->Value(), C("70"));
}

TEST_F(frmMovIssTest, ClosingIsRefusedWhileADocumentIsOpen) {
    Abre(51);
    click(w->cmdNovo);
    script->expect(shell::GuardaCurta.toString(), QStringLiteral("Atenção"), OK);
    EXPECT_FALSE(w->Unload());
    click(w->cmdCancelar);
    EXPECT_TRUE(w->Unload());
}

}  // namespace
