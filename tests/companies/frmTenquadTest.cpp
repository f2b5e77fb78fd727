#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "EmpresaFixture.h"
#include "companies/frmTenquad.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"

using namespace testsupport;
namespace Msg = platform::ui::Msg;

namespace {

const QString Incluir = QStringLiteral("Data Não Registrada, Incluir ?");
const QString Excluir = QStringLiteral("Deseja Realmente Excluir Este Registro ?");
const QString Guarda =
    QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele antes...");

class frmTenquadTest : public EmpresaFixture {
  protected:
    void SetUp() override {
        EmpresaFixture::SetUp();
        Insere(50, QStringLiteral("Outra"));
        Insere(7);
    }
    void Regime(qint64 codigo, const QDate& data, qint64 codtipo) {
        db.Execute(QStringLiteral("INSERT INTO Enquadramento (codempr, denquadra, codtipo) VALUES (?, ?, ?)"),
                   {codigo, data, codtipo});
    }
    long Regimes(qint64 codigo) {
        return db.OpenRecordset(QStringLiteral("SELECT * FROM Enquadramento WHERE codempr = ?"), {codigo})
            .RecordCount();
    }
    // Opens the history of company 7 from its window.
    void Historico(std::function<void(Empresas::frmTenquad&)> drive) {
        Carrega(7);
        Abre(QStringLiteral("frmTenquad"), QStringLiteral("cmdEnquadra"), [drive](QDialog& d) {
            auto& t = static_cast<Empresas::frmTenquad&>(d);
            drive(t);
            if (t.isVisible()) click(t.cmdSair);
        });
    }
    void Data(Empresas::frmTenquad& t, const QString& digitos) {
        typeInto(&t, QStringLiteral("tdbDenquad"), digitos);
        pressTab();
        settle();
    }
    // A new row of `digitos` with the type at `tipo` in the list, saved.
    void NovoRegime(Empresas::frmTenquad& t, const QString& digitos, int tipo) {
        script->expect(Incluir, Msg::Yes);
        Data(t, digitos);
        ASSERT_EQ(t.Cadastro().EstadoAtual(), 3);
        t.cmbTenquadra->setCurrentIndex(tipo);
        click(t.cmdGravar);
        settle();
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 1);
    }
};

TEST_F(frmTenquadTest, AHistorySavedInAnyOrderListsByDateAndTheWindowShowsTheNewest) {
    Regime(7, QDate(2005, 2, 1), 2);
    Regime(7, QDate(2003, 1, 15), 1);
    Regime(50, QDate(2006, 3, 20), 3);
    Historico([this](Empresas::frmTenquad& t) {
        EXPECT_EQ(t.windowTitle(), QStringLiteral("Enquadramentos"));
        EXPECT_FALSE(Geral::Alterado);
        EXPECT_EQ(Linhas(t.tdbEnquadra),
                  QStringList({QStringLiteral("15/01/2003|Regime Periódico de Apuração"),
                               QStringLiteral("01/02/2005|Estimativa")}));
        EXPECT_EQ(t.cmbTenquadra->count(), 5);
        EXPECT_EQ(t.cmbTenquadra->currentIndex(), -1);
        EXPECT_FALSE(t.cmbTenquadra->isEditable());
        EXPECT_FALSE(t.cmbTenquadra->isEnabled());

        // The date of another company is not this company's: it is offered as new.
        NovoRegime(t, QStringLiteral("20032006"), 2);
        // A date earlier than the others but with a later day: a text order would put it last.
        NovoRegime(t, QStringLiteral("28022004"), 3);
        EXPECT_EQ(Linhas(t.tdbEnquadra),
                  QStringList({QStringLiteral("15/01/2003|Regime Periódico de Apuração"),
                               QStringLiteral("28/02/2004|Simples Nacional"),
                               QStringLiteral("01/02/2005|Estimativa"),
                               QStringLiteral("20/03/2006|Microempresa")}));
        EXPECT_EQ(t.tdbEnquadra->Bookmark(), 1);
        EXPECT_TRUE(Geral::Alterado);
        EXPECT_EQ(focusedName(), QStringLiteral("tdbDenquad"));
        // A new row starts with the type last shown.
        script->expect(Incluir, Msg::Yes);
        Data(t, QStringLiteral("01012001"));
        EXPECT_EQ(t.cmbTenquadra->currentText(), QStringLiteral("Simples Nacional"));
        click(t.cmdCancelar);
    });
    EXPECT_FALSE(Geral::Alterado);
    EXPECT_EQ(w->lblEnquadramento->text(), QStringLiteral("Microempresa"));
    EXPECT_EQ(w->lblD_enquadr->text(), QStringLiteral("20/03/2006"));
    EXPECT_EQ(focusedName(), QStringLiteral("tdbadipi"));
    EXPECT_EQ(Regimes(7), 4);
    EXPECT_EQ(Regimes(50), 1);
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT codtipo FROM Enquadramento WHERE codempr = 7 AND "
                                              "denquadra = ?"),
                               {QDate(2004, 2, 28)})
                  .Fields(0)
                  .toLongLong(),
              4);
}

TEST_F(frmTenquadTest, LookupLoadsAKnownDateAndAsksForAnUnknownOne) {
    Regime(7, QDate(2003, 1, 15), 1);
    Regime(7, QDate(2005, 2, 1), 2);
    Historico([this](Empresas::frmTenquad& t) {
        // Nothing typed: no query and no question.
        clickInto(t.tdbDenquad);
        pressTab();
        settle();
        EXPECT_TRUE(script->shown().empty());
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 1);

        script->expect(Incluir, QStringLiteral("Atenção..."), Msg::Yes);
        Data(t, QStringLiteral("02022005"));
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 3);
        EXPECT_EQ(t.tdbDenquad->Text(), QStringLiteral("02/02/2005"));
        EXPECT_FALSE(t.tdbDenquad->isEnabled());
        EXPECT_EQ(focusedName(), QStringLiteral("cmbTenquadra"));
        EXPECT_FALSE(t.cmdApagar->isEnabled());

        // No type shown yet: the save refuses and writes nothing.
        QStringList erros;
        EsperaErros(&erros);
        click(t.cmdGravar);
        settle();
        EXPECT_EQ(erros, QStringList{QStringLiteral("O campo enquadramento é obrigatório !")});
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 3);
        EXPECT_EQ(Regimes(7), 2);

        // Choosing a list row ends the new row and loads the chosen one.
        EscolheLinha(t.tdbEnquadra, 0);
        EXPECT_FALSE(t.Cadastro().Inclusao());
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 2);
        EXPECT_EQ(t.tdbDenquad->Text(), QStringLiteral("15/01/2003"));
        EXPECT_EQ(t.cmbTenquadra->currentText(), QStringLiteral("Regime Periódico de Apuração"));

        // The close guard holds a loaded row; after Cancel the dialog may close.
        script->expect(Guarda, QStringLiteral("Atenção"), Msg::OK);
        t.close();
        settle();
        EXPECT_TRUE(t.isVisible());
        click(t.cmdCancelar);
        settle();
        EXPECT_EQ(focusedName(), QStringLiteral("tdbDenquad"));

        Data(t, QStringLiteral("01022005"));
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 2);
        EXPECT_EQ(t.cmbTenquadra->currentText(), QStringLiteral("Estimativa"));
        EXPECT_TRUE(t.cmdApagar->isEnabled());
        EXPECT_FALSE(t.cmdSair->isEnabled());
        EXPECT_FALSE(t.tdbDenquad->isEnabled());
        EXPECT_EQ(t.tdbEnquadra->Bookmark(), 1);
        EXPECT_EQ(focusedName(), QStringLiteral("cmbTenquadra"));
        click(t.cmdCancelar);
        settle();

        script->expect(Incluir, Msg::No);
        Data(t, QStringLiteral("02022005"));
        EXPECT_EQ(t.tdbDenquad->Text(), QStringLiteral("__/__/____"));
        EXPECT_EQ(focusedName(), QStringLiteral("tdbDenquad"));
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 1);
    });
    // Nothing saved nor deleted: the labels are not read again and Alterado stays clear.
    EXPECT_FALSE(Geral::Alterado);
    EXPECT_EQ(w->lblD_enquadr->text(), QStringLiteral("01/02/2005"));
}

TEST_F(frmTenquadTest, ADuplicateDateFromAnotherWorkstationIsRefusedAtSave) {
    Historico([this](Empresas::frmTenquad& t) {
        EXPECT_TRUE(Linhas(t.tdbEnquadra).isEmpty());
        script->expect(Incluir, Msg::Yes);
        Data(t, QStringLiteral("10102010"));
        t.cmbTenquadra->setCurrentIndex(0);
        Regime(7, QDate(2010, 10, 10), 5);
        QStringList erros;
        EsperaErros(&erros);
        click(t.cmdGravar);
        settle();
        EXPECT_EQ(erros, QStringList{QStringLiteral("Data Já Cadastrada !")});
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 3);
        EXPECT_EQ(Regimes(7), 1);
        click(t.cmdCancelar);
        // The first saved row of an empty history appears in the list.
        NovoRegime(t, QStringLiteral("11102010"), 0);
        EXPECT_EQ(Linhas(t.tdbEnquadra),
                  QStringList{QStringLiteral("11/10/2010|Regime Periódico de Apuração")});
    });
    EXPECT_EQ(w->lblD_enquadr->text(), QStringLiteral("11/10/2010"));
}

TEST_F(frmTenquadTest, AfterAHeaderSortTheSaveAndDeleteActOnTheRowOfTheirDate) {
    Regime(7, QDate(2003, 1, 15), 1);
    Regime(7, QDate(2004, 6, 1), 2);
    Regime(7, QDate(2005, 2, 1), 3);
    // A type no longer in Tipo_enquadr is still listed, without a description.
    Regime(7, QDate(2006, 7, 1), 99);
    Historico([this](Empresas::frmTenquad& t) {
        ASSERT_EQ(Linhas(t.tdbEnquadra).size(), 4);
        EXPECT_EQ(Linhas(t.tdbEnquadra).at(3), QStringLiteral("01/07/2006|"));
        script->expectKept("codtipo: 99");
        Data(t, QStringLiteral("01072006"));
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 2);
        EXPECT_EQ(t.cmbTenquadra->currentIndex(), -1);
        t.cmbTenquadra->setCurrentIndex(4);
        click(t.cmdGravar);
        settle();
        EXPECT_EQ(Linhas(t.tdbEnquadra).at(3), QStringLiteral("01/07/2006|Empresa de Pequeno Porte"));

        // A change of the 2004 row after a sort descending by description, which clears the list's
        // current row.
        Data(t, QStringLiteral("01062004"));
        t.Cadastro().Lista_FootClick(1);
        EXPECT_EQ(Linhas(t.tdbEnquadra).at(0), QStringLiteral("15/01/2003|Regime Periódico de Apuração"));
        EXPECT_EQ(t.tdbEnquadra->Bookmark(), -1);
        t.cmbTenquadra->setCurrentIndex(3);
        click(t.cmdGravar);
        settle();
        // The save sorts on the date, descending as the last header event said.
        EXPECT_EQ(Linhas(t.tdbEnquadra),
                  QStringList({QStringLiteral("01/07/2006|Empresa de Pequeno Porte"),
                               QStringLiteral("01/02/2005|Microempresa"),
                               QStringLiteral("01/06/2004|Simples Nacional"),
                               QStringLiteral("15/01/2003|Regime Periódico de Apuração")}))
            << Linhas(t.tdbEnquadra).join(u' ').toStdString();

        Data(t, QStringLiteral("01022005"));
        t.Cadastro().Lista_HeadClick(0);
        script->expect(Excluir, QStringLiteral("Atenção..."), Msg::No);
        click(t.cmdApagar);
        settle();
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 2);
        script->expect(Excluir, Msg::Yes);
        click(t.cmdApagar);
        settle();
        EXPECT_EQ(t.Cadastro().EstadoAtual(), 1);
        EXPECT_EQ(Linhas(t.tdbEnquadra),
                  QStringList({QStringLiteral("15/01/2003|Regime Periódico de Apuração"),
                               QStringLiteral("01/06/2004|Simples Nacional"),
                               QStringLiteral("01/07/2006|Empresa de Pequeno Porte")}));
        EXPECT_TRUE(Geral::Alterado);
    });
    EXPECT_EQ(Regimes(7), 3);
    EXPECT_EQ(w->lblEnquadramento->text(), QStringLiteral("Empresa de Pequeno Porte"));
}

TEST_F(frmTenquadTest, DeletingTheLastRowEmptiesTheWindowsLabels) {
    Regime(7, QDate(2003, 1, 15), 1);
    Historico([this](Empresas::frmTenquad& t) {
        Data(t, QStringLiteral("15012003"));
        script->expect(Excluir, Msg::Yes);
        click(t.cmdApagar);
        settle();
        EXPECT_TRUE(Linhas(t.tdbEnquadra).isEmpty());
    });
    EXPECT_EQ(Regimes(7), 0);
    EXPECT_TRUE(w->lblEnquadramento->text().isEmpty());
    EXPECT_TRUE(w->lblD_enquadr->text().isEmpty());
}

}  // namespace
