#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "books/Relatorios.h"
#include "books/frmInfoAdi.h"
#include "books/frmLivrosIcms.h"
#include "books/pos_icms_sql.h"
#include "movement/ArquivoMovimento.h"
#include "movement/EmpresaPeriodo.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/report/PrintEngine.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "support/Money.h"
#include "support/RegistryWindowFixture.h"

using namespace Livros;
using namespace testsupport;
using platform::db::Connection;
using platform::ui::Msg::OK;
using platform::values::Currency;

namespace {

class frmLivrosIcmsTest : public RegistryWindowFixture {
  protected:
    void SetUp() override {
        RegistryWindowFixture::SetUp();
        books::RegistraRelatorios();
        platform::report::PEOpenEngine();
        cadastro.Open(Geral::ConexaoCadastro);
        cadastro.Execute(
            "INSERT INTO Empresas(codigo,nome,tpescri,mes_base_fiscal) VALUES(7,'Sete','C',?),"
            "(8,'Oito','I',?)",
            {QDate(2012, 2, 1), QDate(2011, 2, 1)});
        movimento.Open(pasta.movementConnection(movimento::NomeArquivo(7, 2012)));
        PosIcms::CompletaMeses(movimento);
        w = static_cast<frmLivrosIcms*>(platform::ui::ShowInstance(new frmLivrosIcms));
        ASSERT_NE(w, nullptr);
        settle();
    }
    void TearDown() override {
        if (w) w->close();
        settle();
        delete w;
        movimento.Close();
        cadastro.Close();
        platform::report::PECloseEngine();
        RegistryWindowFixture::TearDown();
    }
    // A company already chosen locks its code: Cancelar, as the user does, before choosing another.
    void Abre(int codigo) {
        if (!w->txtCodigo->isEnabled()) click(w->cmdCancelar);
        clickInto(w->txtCodigo);
        settle();
        w->txtCodigo->clear();
        typeText(QString::number(codigo));
        pressEnter();
        settle();
        pressEnter();
        settle();
    }
    void Documento(const char* tabela, int dia, const char* cfop, const char* base, const char* aliq,
                   const char* icms) {
        movimento.Execute(
            QStringLiteral("INSERT INTO ") + QString::fromLatin1(tabela) +
                QStringLiteral("(datalan,demiss,especie,docinicial,cgc,uf,codfiscal,vlrcontabil,"
                               "baseicms0,aliqicms0,valricms0) VALUES(?,?,'NF','1','','SP',?,?,?,?,?)"),
            {QDate(2012, 2, dia), QDate(2012, 2, dia), QString::fromLatin1(cfop), C(base), C(base), C(aliq),
             C(icms)});
    }
    // The captions of the previews the emissions opened.
    static QStringList Titulos() {
        QStringList titulos;
        for (QWidget* p : QApplication::allWidgets())
            if (qobject_cast<platform::report::frmRelatorio*>(p)) titulos << p->windowTitle();
        return titulos;
    }
    // The rows of a work table as the window's emission wrote them (private to its connection).
    int Conta(const char* tabela) {
        return w->BancoCadastro()
            .OpenRecordset(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(tabela))
            .Fields(0)
            .toInt();
    }

    Connection cadastro, movimento;
    QPointer<frmLivrosIcms> w;
};

TEST_F(frmLivrosIcmsTest, OpensIdleAndAConfirmedPeriodShowsACreditOnlyWhenPositive) {
    EXPECT_EQ(w->windowTitle(), "Emissão dos Livros de ICMS");
    EXPECT_TRUE(w->OptEnt->isChecked());
    EXPECT_TRUE(w->optLCompleto->isChecked());
    for (QWidget* c : std::initializer_list<QWidget*>{w->tdbAnomes, w->fraLivro, w->cmdEmissao, w->cmdInfoAdi,
                                                      w->txtNpag, w->tdbSalCredAnt})
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    // No month open, no month's credit shown.
    EXPECT_EQ(w->tdbSalCredAnt->text(), "");

    const struct {
        const char* scant;
        const char* mostrado;
    } casos[] = {{"250.75", "250.75"}, {"-10", "0"}, {"0", "0"}};
    for (const auto& caso : casos) {
        PosIcms::GravaSaldoCredor(movimento, 2, C(caso.scant));
        Abre(7);
        EXPECT_EQ(w->txtCodigo->text(), "0007");
        EXPECT_FALSE(w->txtCodigo->isEnabled());
        EXPECT_EQ(w->lblTpescri->text(), "Comércio");
        EXPECT_EQ(w->lblNome->text(), "Sete");
        EXPECT_TRUE(w->cmdEmissao->isEnabled());
        EXPECT_FALSE(w->tdbSalCredAnt->isEnabled());
        EXPECT_EQ(w->tdbSalCredAnt->Value(), C(caso.mostrado)) << caso.scant;
        EXPECT_EQ(w->tdbSalCredAnt->text(), platform::values::Format(C(caso.mostrado), u"###,###,##0.00"));
    }
    click(w->OptApu);
    EXPECT_TRUE(w->tdbSalCredAnt->isEnabled());
    EXPECT_FALSE(w->optLCompleto->isChecked());
    EXPECT_FALSE(w->fraTipo->isEnabled());
    click(w->OptSai);
    EXPECT_TRUE(w->optLCompleto->isChecked());
    EXPECT_FALSE(w->tdbSalCredAnt->isEnabled());
}

TEST_F(frmLivrosIcmsTest, AYearWithoutMovementFileIsToldAndNothingIsMade) {
    script->expect(QStringLiteral("Arquivo de Movimento da Empresa Inexistente, Verifique !!!"),
                   QStringLiteral("Erro ao Localizar Arquivo"), OK);
    Abre(8);
    EXPECT_TRUE(script->allAnswered());
    EXPECT_FALSE(QFile::exists(pasta.filePath("Tarvel/" + movimento::NomeArquivo(8, 2011))));
    EXPECT_EQ(w->txtCodigo->text(), "");
    EXPECT_FALSE(w->cmdEmissao->isEnabled());
    EXPECT_FALSE(w->BancoMovimento.State() == platform::db::ObjectState::Open);
}

// A period left empty closes the file: the company stays, no book can be chosen or printed until a
// period opens one again.
TEST_F(frmLivrosIcmsTest, AnEmptyPeriodClosesTheFileAndTheBook) {
    Abre(7);
    for (const QDate& periodo : {QDate(), QDate(2012, 2, 1)}) {
        clickInto(w->tdbAnomes);
        w->tdbAnomes->setValue(periodo);
        pressEnter();
        settle();
        const bool aberta = periodo.isValid();
        EXPECT_EQ(w->BancoMovimento.State() == platform::db::ObjectState::Open, aberta);
        for (QWidget* c : std::initializer_list<QWidget*>{w->fraLivro, w->OptEnt, w->txtNpag, w->cmdEmissao,
                                                          w->cmdInfoAdi, w->cmdRanual})
            EXPECT_EQ(c->isEnabled(), aberta) << c->objectName().toStdString();
        EXPECT_TRUE(w->tdbAnomes->isEnabled());
        EXPECT_EQ(w->txtCodigo->text(), "0007");
    }
}

TEST_F(frmLivrosIcmsTest, DaysAreClampedToTheMonth) {
    Abre(7);
    click(w->optLParcial[0]);
    const struct {
        QDate periodo;
        const char* digitado;
        const char* fica;
    } casos[] = {{QDate(2012, 2, 1), "45", "29"},
                 {QDate(2011, 2, 1), "45", "28"},
                 {QDate(2012, 2, 1), "0", ""},
                 {QDate(2012, 2, 1), "12", "12"}};
    for (const auto& caso : casos) {
        w->tdbAnomes->setValue(caso.periodo);
        w->txtDataFim->setText(QString::fromLatin1(caso.digitado));
        w->LimitaDia(w->txtDataFim);
        EXPECT_EQ(w->txtDataFim->text(), caso.fica) << caso.digitado;
    }
}

TEST_F(frmLivrosIcmsTest, TheEmissionPreparesTheChosenBook) {
    Documento("DIGE02", 5, "1.102", "100", "18", "18");
    Documento("DIGE02", 20, "1.102", "50", "7", "3.5");
    Abre(7);

    // A partial book needs a final day not before the initial one; nothing is prepared otherwise.
    w->BancoCadastro().Execute("DELETE FROM MovTPara");
    click(w->optLParcial[0]);
    w->txtDataIni->setText("10");
    script->expect(QStringLiteral("Deve ser estabelecido um período válido para livros parciais !"),
                   QStringLiteral("Erro"), OK);
    click(w->cmdEmissao);
    EXPECT_TRUE(script->allAnswered());
    EXPECT_EQ(Conta("MovTPara"), 0);

    w->txtDataFim->setText("25");
    click(w->cmdEmissao);
    EXPECT_TRUE(w->LivroParcial);
    EXPECT_EQ(Conta("MovTPara"), 1);
    EXPECT_EQ(Conta("MovEntrada"), 1);

    click(w->optLCompleto);
    click(w->cmdEmissao);
    EXPECT_FALSE(w->LivroParcial);
    EXPECT_EQ(Conta("MovEntrada"), 2);

    // The assessment of a month with entries but no exits.
    click(w->OptApu);
    click(w->cmdEmissao);
    EXPECT_FALSE(w->SemMovEntradas);
    EXPECT_TRUE(w->SemMovSaidas);
    EXPECT_FALSE(w->SemMovimento);  // told to the print, which clears it
    EXPECT_EQ(w->Aliquotas.ImpostoEntradas, C("21.5"));
    EXPECT_EQ(Conta("MovAliq"), 2);
    // Each emission printed its book; the assessment stored the month and carried its credit.
    EXPECT_EQ(Titulos().count("Livro de Entrada"), 2);
    EXPECT_EQ(Titulos().count("Livro de Apuração"), 1);
    EXPECT_EQ(movimento.OpenRecordset("SELECT Entra FROM Pos_Icms WHERE Mes_Base = 2").Fields(0).toCurrency(),
              C("21.5"));
    EXPECT_EQ(PosIcms::LeSaldoCredor(movimento, 3), C("21.5"));
}

TEST_F(frmLivrosIcmsTest, TheAssessmentOfAMonthWithExitsOnly) {
    Documento("DIGS02", 3, "5.102", "200", "18", "36");
    Abre(7);
    click(w->OptApu);
    click(w->cmdEmissao);
    EXPECT_TRUE(w->SemMovEntradas);
    EXPECT_FALSE(w->SemMovSaidas);
    EXPECT_FALSE(w->SemMovimento);
    EXPECT_EQ(w->Aliquotas.ImpostoSaidas, C("36"));
}

// A movement file gone by the time the book is printed is told as at the period's confirmation.
TEST_F(frmLivrosIcmsTest, AMovementFileGoneAtEmissionIsToldAndNothingPrints) {
    Abre(7);
    ASSERT_TRUE(QFile::remove(pasta.filePath("Tarvel/" + movimento::NomeArquivo(7, 2012))));
    script->expect(QStringLiteral("Arquivo de Movimento da Empresa Inexistente, Verifique !!!"),
                   QStringLiteral("Erro ao Localizar Arquivo"), OK);
    click(w->cmdEmissao);
    EXPECT_TRUE(script->allAnswered());
    EXPECT_TRUE(Titulos().isEmpty());
    EXPECT_FALSE(w->cmdEmissao->isEnabled());
    EXPECT_EQ(w->txtCodigo->text(), "");
}

// The dialog edits this window's company and month, on this window's movement database, even after
// another window pointed the shared movement connection elsewhere; months missing are added first.
TEST_F(frmLivrosIcmsTest, TheAdditionalInformationOfTheMonthIsKept) {
    cadastro.Execute("INSERT INTO Empresas(codigo,nome,tpescri,mes_base_fiscal) VALUES(9,'Sete','C',?)",
                     {QDate(2012, 2, 1)});
    cadastro.Execute("INSERT INTO Enquadramento(codempr,denquadra,codtipo) VALUES(7,?,1),(7,?,3),(9,?,1)",
                     {QDate(2010, 1, 1), QDate(2011, 6, 1), QDate(2011, 1, 1)});
    cadastro.Execute("UPDATE Empresas SET nome = 'D''Ávila' WHERE codigo IN (7, 9)");
    Abre(7);
    movimento.Execute("DELETE FROM Pos_Icms WHERE Mes_Base <> 5");
    Geral::ConexaoMovimento = pasta.registryConnection();
    script->onDialog(QStringLiteral("frmInfoAdi"), [&](QDialog& d) {
        auto& i = static_cast<frmInfoAdi&>(d);
        EXPECT_EQ(i.lblEmpresa->text(), "D'Ávila");
        EXPECT_EQ(i.lblMes->text(), "Fevereiro");
        EXPECT_TRUE(i.MicroEmpresa);
        EXPECT_TRUE(i.tdbFat->isEnabled());
        EXPECT_EQ(i.mskM1Ini->Text(), "000000");
        i.tdbFat->setValue(C("1500.5"));
        i.tdbFatAcu->setValue(C("1500.5"));
        i.mskM1Ini->setText("000120");
        i.mskM1Fim->setText("000100");
        i.mskD1Ini->setText("000009");
        i.mskD1Fim->setText("000001");
        i.txtObsent1->setText("Obs d'água");
        script->onDialog(QStringLiteral("frmErros"), [](QDialog& e) { e.reject(); });
        i.cmdGravar_Click();
        EXPECT_FALSE(i.cmdSair->isEnabled());
        script->expect(
            QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele antes..."),
            QStringLiteral("Atenção"), OK);
        i.close();
        EXPECT_TRUE(i.isVisible());
        i.mskM1Fim->setText("000200");
        i.mskD1Fim->setText("000009");
        i.cmdGravar_Click();
        EXPECT_TRUE(i.cmdSair->isEnabled());
        EXPECT_FALSE(i.txtObsent1->isEnabled());
        i.cmdAnterior_Click();
        i.cmdAnterior_Click();
        EXPECT_EQ(i.MesAtual, 1);
        i.cmdAnterior_Click();
        EXPECT_EQ(i.MesAtual, 1);
        i.cmdCancelar_Click();
        i.close();
    });
    click(w->cmdInfoAdi);
    EXPECT_TRUE(script->allAnswered());
    EXPECT_EQ(movimento.OpenRecordset("SELECT COUNT(*) FROM Pos_Icms").Fields(0).toInt(), 12);
    const auto rs = movimento.OpenRecordset(
        "SELECT Fat,FatAcu,M1Ini,M1Fim,D1Ini,D1Fim,Obsent1 FROM Pos_Icms WHERE Mes_Base = 2");
    EXPECT_EQ(rs.Fields(0).toCurrency(), C("1500.5"));
    EXPECT_EQ(rs.Fields(3).toLongLong(), 200);
    EXPECT_EQ(rs.Fields(4).toLongLong(), 9);
    EXPECT_EQ(rs.Fields(6).toString(), "Obs d'água");
}

// The newest classification decides; none, or one of another kind, is not micro and stores zeros.
TEST_F(frmLivrosIcmsTest, OnlyAMicroCompanyKeepsItsBilling) {
    cadastro.Execute("INSERT INTO Enquadramento(codempr,denquadra,codtipo) VALUES(7,?,3),(7,?,1)",
                     {QDate(2010, 1, 1), QDate(2011, 6, 1)});
    movimento.Execute("UPDATE Pos_Icms SET Fat = 10, M1Ini = 5 WHERE Mes_Base = 2");
    Abre(7);
    script->onDialog(QStringLiteral("frmInfoAdi"), [&](QDialog& d) {
        auto& i = static_cast<frmInfoAdi&>(d);
        EXPECT_FALSE(i.MicroEmpresa);
        EXPECT_FALSE(i.fraFat->isEnabled());
        EXPECT_EQ(i.tdbFat->Value(), Currency());
        i.cmdApagar_Click();
        EXPECT_TRUE(i.cmdSair->isEnabled());
        i.close();
    });
    click(w->cmdInfoAdi);
    EXPECT_TRUE(script->allAnswered());
    const auto rs = movimento.OpenRecordset("SELECT Fat, M1Ini FROM Pos_Icms WHERE Mes_Base = 2");
    EXPECT_EQ(rs.Fields(0).toCurrency(), Currency());
    EXPECT_EQ(rs.Fields(1).toLongLong(), 0);
}

}  // namespace
