#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "EmpresaFixture.h"
#include "companies/frmCsocial.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"

using namespace testsupport;
using platform::values::Currency;
namespace Msg = platform::ui::Msg;

namespace {

const QString Incluir = QStringLiteral("Data Não Registrada, Incluir ?");
const QString Excluir = QStringLiteral("Deseja Realmente Excluir Este Registro ?");

class frmCsocialTest : public EmpresaFixture {
  protected:
    void SetUp() override {
        EmpresaFixture::SetUp();
        // Company 7 gets another automatic number than its number.
        outra_ = Insere(50, QStringLiteral("Outra"));
        codauto_ = Insere(7);
        ASSERT_NE(codauto_, 7);
    }
    void Alteracao(qint64 codauto, const QDate& data, Currency capital, const QVariant& nregistro = "123",
                   const QVariant& relato = "Relato") {
        db.Execute(
            QStringLiteral(
                "INSERT INTO Contrato (codempr, Dregistro, Nregistro, Brelato, capital) VALUES (?,?,?,?,?)"),
            {codauto, data,
             nregistro.isNull() ? platform::db::Param(platform::db::DbNull)
                                : platform::db::Param(nregistro.toString()),
             relato.isNull() ? platform::db::Param(platform::db::DbNull)
                             : platform::db::Param(relato.toString()),
             capital});
    }
    platform::db::Recordset Linha(const QDate& data) {
        return db.OpenRecordset(QStringLiteral("SELECT * FROM Contrato WHERE codempr = ? AND Dregistro = ?"),
                                {codauto_, data});
    }
    void Contratos(std::function<void(Empresas::frmCsocial&)> drive) {
        Carrega(7);
        Abre(QStringLiteral("frmCsocial"), QStringLiteral("cmdContrato"), [drive](QDialog& d) {
            auto& c = static_cast<Empresas::frmCsocial&>(d);
            drive(c);
            if (c.isVisible()) click(c.cmdSair);
        });
    }
    void Data(Empresas::frmCsocial& c, const QString& digitos) {
        typeInto(&c, QStringLiteral("tdbDregistro"), digitos);
        pressTab();
        settle();
    }

    qint64 outra_ = 0;
    qint64 codauto_ = 0;
};

TEST_F(frmCsocialTest, ACapitalWithCentsRoundTripsAndTheWindowShowsTheNewestCapital) {
    Alteracao(codauto_, QDate(2006, 1, 10), Currency::fromUnits(50000));
    Alteracao(codauto_, QDate(2001, 3, 2), Currency::fromUnits(10000));
    Alteracao(outra_, QDate(2008, 5, 5), Currency::fromUnits(999));
    Carrega(7);
    EXPECT_EQ(w->lblCapital->text(), QStringLiteral("50.000,00"));
    Abre(QStringLiteral("frmCsocial"), QStringLiteral("cmdContrato"), [this](QDialog& d) {
        auto& c = static_cast<Empresas::frmCsocial&>(d);
        EXPECT_EQ(c.windowTitle(), QStringLiteral("Alterações no Contrato Social"));
        EXPECT_EQ(Linhas(c.tdbCSocial), QStringList({QStringLiteral("02/03/2001|123|10.000,00|Relato"),
                                                     QStringLiteral("10/01/2006|123|50.000,00|Relato")}));
        // The date of the other company is new to this one.
        script->expect(Incluir, Msg::Yes);
        Data(c, QStringLiteral("05052008"));
        EXPECT_EQ(c.Cadastro().EstadoAtual(), 3);
        EXPECT_EQ(focusedName(), QStringLiteral("txtnregistro"));
        EXPECT_EQ(c.TDBcapital->Value(), Currency());
        EXPECT_EQ(c.tdbDregistro->Text(), QStringLiteral("05/05/2008"));
        typeText(QStringLiteral("JUCESP'9"));
        pressTab();
        c.TDBcapital->selectAll();
        typeText(QStringLiteral("1234567,89"));
        pressTab();
        typeText(QStringLiteral("Aumento de capital"));
        clickInto(c.txtnregistro);
        click(c.cmdGravar);
        settle();
        EXPECT_EQ(c.Cadastro().EstadoAtual(), 1);
        EXPECT_EQ(Linhas(c.tdbCSocial).at(2),
                  QStringLiteral("05/05/2008|JUCESP'9|1.234.567,89|Aumento de capital"));
        EXPECT_EQ(c.tdbCSocial->Bookmark(), 2);

        // Read back, the capital shows to the cent.
        Data(c, QStringLiteral("05052008"));
        EXPECT_EQ(c.Cadastro().EstadoAtual(), 2);
        EXPECT_EQ(c.TDBcapital->Text(), QStringLiteral("1.234.567,89"));
        EXPECT_EQ(c.txtnregistro->text(), QStringLiteral("JUCESP'9"));
        EXPECT_EQ(c.txtBrelato->Text(), QStringLiteral("Aumento de capital"));
        click(c.cmdCancelar);
        click(c.cmdSair);
    });
    platform::db::Recordset r = Linha(QDate(2008, 5, 5));
    ASSERT_FALSE(r.Eof());
    EXPECT_EQ(r.Fields("capital").toCurrency(), Currency::fromRaw(12345678900));
    EXPECT_EQ(r.Fields("Nregistro").toString(), QStringLiteral("JUCESP'9"));
    EXPECT_FALSE(Geral::Alterado);
    EXPECT_EQ(w->lblCapital->text(), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(focusedName(), QStringLiteral("tdbfundacao"));
}

TEST_F(frmCsocialTest, AnEmptyRowIsSavedAsItIsAndTheListSortsByDate) {
    Alteracao(codauto_, QDate(2005, 2, 1), Currency::fromUnits(100), QVariant(), QVariant());
    Contratos([this](Empresas::frmCsocial& c) {
        // A row written elsewhere with null texts loads with empty fields.
        Data(c, QStringLiteral("01022005"));
        EXPECT_EQ(c.Cadastro().EstadoAtual(), 2);
        EXPECT_TRUE(c.txtnregistro->text().isEmpty());
        EXPECT_TRUE(c.txtBrelato->Text().isEmpty());
        EXPECT_EQ(focusedName(), QStringLiteral("txtnregistro"));
        click(c.cmdCancelar);
        settle();

        script->expect(Incluir, Msg::No);
        Data(c, QStringLiteral("15012006"));
        EXPECT_EQ(c.tdbDregistro->Text(), QStringLiteral("__/__/____"));
        EXPECT_EQ(focusedName(), QStringLiteral("tdbDregistro"));

        script->expect(Incluir, Msg::Yes);
        Data(c, QStringLiteral("15012004"));
        click(c.cmdGravar);
        settle();
        EXPECT_EQ(c.Cadastro().EstadoAtual(), 1);
        EXPECT_EQ(Linhas(c.tdbCSocial),
                  QStringList({QStringLiteral("15/01/2004||0,00|"), QStringLiteral("01/02/2005||100,00|")}));
        EXPECT_TRUE(Geral::Alterado);
    });
    platform::db::Recordset r = Linha(QDate(2004, 1, 15));
    ASSERT_FALSE(r.Eof());
    EXPECT_EQ(r.Fields("Nregistro").toString(), QString());
    EXPECT_EQ(r.Fields("capital").toCurrency(), Currency());
    // The newest row is still the 2005 one.
    EXPECT_EQ(w->lblCapital->text(), QStringLiteral("100,00"));
}

TEST_F(frmCsocialTest, ADuplicateDateFromAnotherWorkstationIsRefusedAndADeleteEmptiesTheCapital) {
    Alteracao(codauto_, QDate(2005, 2, 1), Currency::fromUnits(100));
    Contratos([this](Empresas::frmCsocial& c) {
        script->expect(Incluir, Msg::Yes);
        Data(c, QStringLiteral("03032009"));
        Alteracao(codauto_, QDate(2009, 3, 3), Currency::fromUnits(7));
        QStringList erros;
        EsperaErros(&erros);
        click(c.cmdGravar);
        settle();
        EXPECT_EQ(erros, QStringList{QStringLiteral("Data Já Cadastrada !")});
        EXPECT_EQ(c.Cadastro().EstadoAtual(), 3);
        click(c.cmdCancelar);
        settle();

        // Both rows go; the list keeps the one the dialog read.
        for (const QString& data : {QStringLiteral("01022005"), QStringLiteral("03032009")}) {
            Data(c, data);
            EXPECT_EQ(c.Cadastro().EstadoAtual(), 2);
            script->expect(Excluir, Msg::Yes);
            click(c.cmdApagar);
            settle();
        }
        EXPECT_TRUE(Linhas(c.tdbCSocial).isEmpty());
    });
    EXPECT_TRUE(w->lblCapital->text().isEmpty());
}

}  // namespace
