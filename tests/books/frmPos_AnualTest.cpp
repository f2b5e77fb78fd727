#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "books/frmLivrosIcms.h"
#include "books/frmPos_Anual.h"
#include "books/pos_icms_sql.h"
#include "movement/ArquivoMovimento.h"
#include "platform/controls/TDBGrid.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "support/LinhasGravadas.h"
#include "support/Money.h"
#include "support/QtPrinters.h"
#include "support/RegistryWindowFixture.h"

using namespace Livros;
using namespace testsupport;
using platform::db::Connection;
using platform::ui::Msg::OK;
using platform::values::Currency;

namespace {

// The summary opened from the books window of company 7, February 2012.
class frmPos_AnualTest : public RegistryWindowFixture {
  protected:
    void SetUp() override {
        RegistryWindowFixture::SetUp();
        Connection cadastro;
        cadastro.Open(Geral::ConexaoCadastro);
        cadastro.Execute("INSERT INTO Empresas(codigo,nome,tpescri,mes_base_fiscal) VALUES(7,'Sete','C',?)",
                         {QDate(2012, 2, 1)});
        movimento.Open(pasta.movementConnection(movimento::NomeArquivo(7, 2012)));
        w = static_cast<frmLivrosIcms*>(platform::ui::ShowInstance(new frmLivrosIcms));
        ASSERT_NE(w, nullptr);
        settle();
        clickInto(w->txtCodigo);
        typeText("7");
        pressEnter();
        settle();
        pressEnter();
        settle();
        ASSERT_TRUE(w->cmdRanual->isEnabled());
        // The summary must keep to the books window's database, wherever the shared connection points.
        Geral::ConexaoMovimento = pasta.registryConnection();
    }
    void TearDown() override {
        if (w) w->close();
        settle();
        delete w;
        movimento.Close();
        RegistryWindowFixture::TearDown();
    }
    // Opens the summary from the books window and hands it to `drive`.
    void Resumo(const std::function<void(frmPos_Anual&)>& drive) {
        script->onDialog(QStringLiteral("frmPos_Anual"),
                         [&](QDialog& d) { drive(static_cast<frmPos_Anual&>(d)); });
        click(w->cmdRanual);
        settle();
        EXPECT_TRUE(script->allAnswered());
    }
    // Types `texto` into a cell (replacing it) and leaves it with Tab.
    static void Digita(frmPos_Anual& r, int linha, int coluna, const QString& texto, bool sai = true) {
        r.tdgIcms->setFocus();
        r.tdgIcms->setRow(linha);
        r.tdgIcms->setCol(coluna);
        // A key and Backspace empty the cell when nothing is to be typed.
        typeText(texto.isEmpty() ? QStringLiteral("1") : texto);
        if (texto.isEmpty()) pressKey(Qt::Key_Backspace);
        if (sai) pressTab();
        settle();
    }
    static QString Mostra(const frmPos_Anual& r, int linha, int coluna) {
        return r.tdgIcms->view()->model()->index(linha, coluna).data().toString();
    }
    QString Tabela() {
        QString t;
        for (auto rs = movimento.OpenRecordset("SELECT * FROM Pos_Icms ORDER BY Mes_Base"); !rs.Eof();
             rs.MoveNext())
            for (int c = 0; c < rs.FieldCount(); ++c) t += rs.Fields(c).toString() + u'|';
        return t;
    }

    Connection movimento;
    QPointer<frmLivrosIcms> w;
};

// Rows come by month whatever the table's order, months missing are added, and each month's final
// balance is its credits less its debits; a null item shows empty, and so does its balance.
TEST_F(frmPos_AnualTest, ShowsTheYearByMonthWithItsFinalBalances) {
    // Amounts are stored in ten-thousandths.
    movimento.Execute("DELETE FROM Pos_Icms");
    movimento.Execute(
        "INSERT INTO Pos_Icms(Mes_Base,Saida,O_deb,Estcr,Entra,O_cre,Estdb,Scant) VALUES"
        "(12,10000,20000,30000,40000,NULL,50000,60000),(2,2000000,0,0,1000000,0,0,500000),"
        "(1,1200000,0,0,1000000,0,0,500000),(3,10000,20000,30000,400000,50000,60000,71250)");
    script->expectKept("S.Credor de Março: 7,125", "resumo");
    Resumo([&](frmPos_Anual& r) {
        EXPECT_EQ(r.windowTitle(), "Resumo de Apuração Anual - ICMS");
        EXPECT_EQ(movimento.OpenRecordset("SELECT COUNT(*) FROM Pos_Icms").Fields(0).toInt(), 12);
        const struct {
            int linha, coluna;
            const char* mostra;
        } celulas[] = {{0, ColunaAnual::Mes, "1"},        {0, ColunaAnual::Final, "30,00"},
                       {1, ColunaAnual::Final, "-50,00"}, {2, ColunaAnual::Scant, "7,13"},
                       {2, ColunaAnual::Final, "52,13"},  {6, ColunaAnual::Mes, "7"},
                       {6, ColunaAnual::Final, "0,00"},   {11, ColunaAnual::Mes, "12"},
                       {11, ColunaAnual::O_cre, ""},      {11, ColunaAnual::Final, ""}};
        for (const auto& c : celulas)
            EXPECT_EQ(Mostra(r, c.linha, c.coluna), c.mostra) << c.linha << "," << c.coluna;
        const auto* modelo = r.tdgIcms->view()->model();
        for (int coluna = 0; coluna < 9; ++coluna) {
            const bool editavel = modelo->flags(modelo->index(0, coluna)) & Qt::ItemIsEditable;
            EXPECT_EQ(editavel, coluna != ColunaAnual::Mes && coluna != ColunaAnual::Final) << coluna;
        }

        // A letter and a minus are never typed; the null item counts 0 once its month is changed.
        Digita(r, 11, ColunaAnual::O_cre, "a-5,5");
        EXPECT_EQ(r.ArrayPosicao(11, ColunaAnual::O_cre).toString(), "5,5");
        EXPECT_EQ(Mostra(r, 11, ColunaAnual::Final), "14,50");
        EXPECT_EQ(Mostra(r, 0, ColunaAnual::Final), "30,00");
        // December's reversals of debits lead to the save button.
        Digita(r, 11, ColunaAnual::Estdb, "1", false);
        pressEnter();
        settle();
        EXPECT_EQ(focusedName(), "cmdGravar");
        EXPECT_EQ(Mostra(r, 11, ColunaAnual::Final), "10,50");
        // No thirteenth month.
        bool cancela = false;
        r.tdgIcms_BeforeInsert(cancela);
        EXPECT_TRUE(cancela);
        EXPECT_EQ(r.ArrayPosicao.Count(1), 12);
        click(r.cmdCancelar);
    });
    EXPECT_TRUE(movimento.OpenRecordset("SELECT O_cre FROM Pos_Icms WHERE Mes_Base = 12").Fields(0).isNull());
}

// The save writes the items changed, rounded to cents, and the books window shows the corrected credit
// carried into its month; a month the database refuses leaves the whole year as it was, and says so.
// Another copy's change of an item the save writes refuses the whole save; of another item, it stays.
TEST_F(frmPos_AnualTest, TheSaveWritesTheTwelveMonthsOrNothing) {
    const char* alterado =
        "Registro alterado em outra estação depois de carregado, a gravação não foi realizada !";
    const struct {
        bool falhaEmJulho;
        const char* scantFevereiro;
        const char* mostrado;
        const char* outraCopia = nullptr;  // what another copy writes while the summary is open
        const char* mudadas = "2.Scant 3.Saida";
    } casos[] = {{false, "321,51", "321,51"},
                 {true, "10", "99"},
                 {false, "10", "99", "UPDATE Pos_Icms SET Saida = 10000 WHERE Mes_Base = 3"},
                 {false, "321,51", "321,51", "UPDATE Pos_Icms SET O_deb = 10000 WHERE Mes_Base = 12",
                  "12.O_deb 2.Scant 3.Saida"}};
    // Every month written leaves its number here.
    movimento.Execute("CREATE TABLE gravados(mes)");
    movimento.Execute(
        "CREATE TRIGGER conta AFTER UPDATE ON Pos_Icms BEGIN INSERT INTO gravados VALUES(NEW.Mes_Base); END");
    for (const auto& caso : casos) {
        // The credit typed for February is stored only by a save that went through.
        const bool gravou = !qstrcmp(caso.scantFevereiro, "321,51");
        movimento.Execute("DROP TRIGGER IF EXISTS julho");
        movimento.Execute("UPDATE Pos_Icms SET Saida = 0, Entra = ?, Scant = 0", {C("40")});
        movimento.Execute("UPDATE Pos_Icms SET Scant = ?, Saida = ? WHERE Mes_Base IN (2, 3)",
                          {C("10"), C("7")});
        // A fraction of a cent and a null not typed over stay as stored.
        movimento.Execute("UPDATE Pos_Icms SET O_cre = 7, Estdb = NULL WHERE Mes_Base = 1");
        script->expectKept("Outros Créditos de Janeiro: 0,0007", "resumo");
        const auto linhas = LinhasGravadas(movimento, "Pos_Icms", "ORDER BY Mes_Base");
        w->tdbSalCredAnt->setValue(C("99"));
        if (caso.falhaEmJulho)
            movimento.Execute(
                "CREATE TRIGGER julho BEFORE UPDATE ON Pos_Icms WHEN NEW.Mes_Base = 7 "
                "BEGIN SELECT RAISE(ABORT, 'julho recusado'); END");
        movimento.Execute("DELETE FROM gravados");
        const QString antes = Tabela();
        Resumo([&](frmPos_Anual& r) {
            Digita(r, 1, ColunaAnual::Scant, "321,505");
            Digita(r, 2, ColunaAnual::Saida, "");
            Digita(r, 6, ColunaAnual::Saida, "0,0");
            EXPECT_EQ(Mostra(r, 2, ColunaAnual::Final), "50,00");
            // A cell that is no amount is refused and keeps its value, also when the save button is
            // what leaves it; that press writes nothing.
            script->expect(QStringLiteral("O valor \"1,2,3\" de Abril em Entradas não é um valor válido !"),
                           QStringLiteral("Atenção"), OK);
            Digita(r, 3, ColunaAnual::Entra, "1,2,3", false);
            click(r.cmdGravar);
            settle();
            EXPECT_TRUE(r.isVisible());
            EXPECT_EQ(Tabela(), antes);
            EXPECT_EQ(r.ArrayPosicao(3, ColunaAnual::Entra).value<Currency>(), C("40"));
            if (caso.falhaEmJulho)
                script->expect(QStringLiteral("O Resumo Anual não foi gravado, nenhum mês foi alterado !\n"
                                              "Erro número 1811 julho recusado"),
                               QStringLiteral("Erro"), OK);
            if (caso.outraCopia) {
                movimento.Execute(QString::fromLatin1(caso.outraCopia));
                movimento.Execute("DELETE FROM gravados");
            }
            if (!gravou && !caso.falhaEmJulho)
                script->expect(QString::fromUtf8(alterado), QStringLiteral("Atenção"), OK);
            click(r.cmdGravar);
            settle();
            EXPECT_EQ(r.isVisible(), !gravou);
            if (r.isVisible()) click(r.cmdCancelar);
        });
        EXPECT_EQ(w->tdbSalCredAnt->Value(), C(caso.mostrado)) << caso.falhaEmJulho;
        EXPECT_EQ(PosIcms::LeSaldoCredor(movimento, 2), C(caso.scantFevereiro));
        const int gravados =
            movimento.OpenRecordset("SELECT COUNT(DISTINCT mes) FROM gravados").Fields(0).toInt();
        if (!gravou) {
            EXPECT_EQ(gravados, 0);
            EXPECT_TRUE(caso.outraCopia || Tabela() == antes);
            continue;
        }
        EXPECT_EQ(gravados, 3);
        EXPECT_EQ(Mudadas(linhas, LinhasGravadas(movimento, "Pos_Icms", "ORDER BY Mes_Base")),
                  QString::fromLatin1(caso.mudadas));
        const auto rs =
            movimento.OpenRecordset("SELECT COUNT(*), SUM(Saida), SUM(Entra), SUM(Scant) FROM Pos_Icms");
        EXPECT_EQ(rs.Fields(0).toInt(), 12);
        EXPECT_EQ(rs.Fields(1).storedCurrency(), C("7"));
        EXPECT_EQ(rs.Fields(2).storedCurrency(), C("480"));
        EXPECT_EQ(rs.Fields(3).storedCurrency(), C("331,51"));
    }
}

}  // namespace
