#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "companies/empresas_sql.h"
#include "companies/frmPesqJur.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "shell/EstadoGeral.h"
#include "shell/ListaPesquisa.h"
#include "support/EmpresaGravada.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

using namespace Empresas;
using namespace testsupport;
using platform::ui::Msg::OK;

namespace {

const QString NenhumRegistro = QStringLiteral("Atenção, não há nenhum registro cadastrado !");

class frmPesqJurTest : public UiFixture {
  protected:
    void SetUp() override {
        Geral::ReiniciaEstadoGeral();
        UiFixture::SetUp();
        Geral::ConexaoCadastro = pasta.registryConnection();
        db.Open(Geral::ConexaoCadastro);
    }
    void Insere(qint64 codigo, const char* nome, const char* uf = "SP") {
        DadosEmpresa e;
        e.codigo = codigo;
        e.nome = QString::fromUtf8(nome);
        e.uf = QString::fromUtf8(uf);
        e.cgc = QStringLiteral("__.___.___/____-__");
        e.cei = QStringLiteral("__.___.____-__");
        InsereEmpresa(db, e);
    }
    void InsereVarias() {
        Insere(1, "Alfa", "SP");
        Insere(2, "B", "RJ");
        Insere(3, "BANCO", "SP");
        Insere(4, "banana", "RJ");
        Insere(5, "Árvore", "SP");
        Insere(40, "Zeta", "MG");
    }
    // Opens the search as an opener does and returns the key, or none when it came back cancelled.
    std::optional<QString> Pesquisa(std::function<void(frmPesqJur&)> drive) {
        script->onDialog(QStringLiteral("frmPesqJur"),
                         [drive](QDialog& d) { drive(static_cast<frmPesqJur&>(d)); });
        Geral::TituloPesquisa = QStringLiteral("Pesquisa de Empresas");
        Geral::TabelaPesquisa = QStringLiteral("Empresas");
        frmPesqJur dialogo;
        platform::ui::ShowModal(dialogo);
        if (Geral::Cancelado) {
            Geral::Cancelado = false;
            return std::nullopt;
        }
        return Geral::ChaveComum;
    }
    static QStringList Coluna(frmPesqJur& d, int coluna) {
        QStringList r;
        for (int i = 0; i < d.Lista().Linhas(); ++i) r << d.Lista().Celula(i, coluna);
        return r;
    }
    static void Escolhe(frmPesqJur& d, int linha, const QString& campo, const QString& de,
                        const QString& ate) {
        d.cmbCampo[std::size_t(linha)]->setCurrentText(campo);
        typeInto(&d, QStringLiteral("txtDe") + QString::number(linha), de);
        typeInto(&d, QStringLiteral("txtAt") + QString::number(linha), ate);
    }

    TempProgramFolder pasta;
    platform::db::Connection db;
};

TEST_F(frmPesqJurTest, ListsEveryCompanyByNumberWithItsPeriod) {
    InsereVarias();
    db.Execute(QStringLiteral("UPDATE Empresas Set mes_base_fiscal = ? Where Codigo = 3"),
               {QDate(2005, 4, 1)});
    Insere(0, "Sem número");
    EXPECT_FALSE(Pesquisa([](frmPesqJur& d) {
                     EXPECT_EQ(d.windowTitle(), "Pesquisa");
                     EXPECT_EQ(d.tdbPesq->Caption(), "Pesquisa de Empresas");
                     EXPECT_EQ(Coluna(d, 0), (QStringList{"", "1", "2", "3", "4", "5", "40"}));
                     EXPECT_EQ(d.Lista().Celula(3, 6), "04/2005");
                     // Masks never typed list blank.
                     EXPECT_EQ(d.Lista().Celula(3, 2), "");
                     EXPECT_EQ(d.Lista().Celula(3, 4), "");
                     EXPECT_EQ(d.cmbColuna->currentText(), "Código");
                     EXPECT_FALSE(d.fraFiltro->isVisible());
                     EXPECT_FALSE(d.cmdDesfiltrar->isEnabled());
                     // The company without a number is an empty row, and choosing it is no choice.
                     d.tdbPesq->setBookmark(0);
                     click(&d, QStringLiteral("cmdOk"));
                 }).has_value());
}

TEST_F(frmPesqJurTest, CancelEscAndTheCloseBoxComeBackCancelled) {
    InsereVarias();
    const std::vector<std::function<void(frmPesqJur&)>> saidas = {
        [](frmPesqJur& d) { click(&d, QStringLiteral("cmdCancelar")); },
        [](frmPesqJur& d) {
            clickInto(d.txtPesq);
            pressEsc();
        },
        [](frmPesqJur& d) { d.close(); }};
    for (const auto& saida : saidas) {
        Geral::ChaveComum = QStringLiteral("antes");
        EXPECT_FALSE(Pesquisa(saida).has_value());
        EXPECT_EQ(Geral::ChaveComum, "antes");
    }
}

TEST_F(frmPesqJurTest, AnEmptyTableSaysSoAndComesBackCancelled) {
    script->expect(NenhumRegistro, OK);
    EXPECT_FALSE(Pesquisa([](frmPesqJur& d) {
                     EXPECT_TRUE(d.isVisible());
                     EXPECT_EQ(d.Lista().Linhas(), 0);
                     click(&d, QStringLiteral("cmdOk"));
                 }).has_value());
    EXPECT_EQ(script->shown().front().style, platform::ui::Msg::Information);
}

TEST_F(frmPesqJurTest, HeaderSortsAndFindsByNameOrNumber) {
    InsereVarias();
    const auto chave = Pesquisa([](frmPesqJur& d) {
        d.tdbPesq_HeadClick(1);
        EXPECT_EQ(d.cmbColuna->currentText(), "Nome");
        EXPECT_EQ(Coluna(d, 1), (QStringList{"Alfa", "Árvore", "B", "banana", "BANCO", "Zeta"}));
        d.tdbPesq_HeadRightClick(1);
        EXPECT_EQ(Coluna(d, 1).front(), "Zeta");
        EXPECT_EQ(d.Lista().Ordem(), 1);
        // A text find: the typed beginning, in any letter case.
        typeInto(&d, QStringLiteral("txtPesq"), QStringLiteral("bA"));
        click(&d, QStringLiteral("cmdPesquisar"));
        EXPECT_EQ(focusedName(), "cmdOk");
        click(&d, QStringLiteral("cmdOk"));
    });
    ASSERT_TRUE(chave);
    EXPECT_EQ(*chave, "3");  // descending: BANCO comes before banana

    const auto numero = Pesquisa([](frmPesqJur& d) {
        for (const char* nada : {"0", "abc"}) {
            d.tdbPesq->setBookmark(1);
            d.txtPesq->setText(QString::fromLatin1(nada));
            click(&d, QStringLiteral("cmdPesquisar"));
            EXPECT_EQ(focusedName(), "txtPesq");
            EXPECT_EQ(d.tdbPesq->Bookmark(), 1);
        }
        d.txtPesq->setText(QStringLiteral("99999"));  // beyond every company number: not found
        click(&d, QStringLiteral("cmdPesquisar"));
        EXPECT_EQ(d.tdbPesq->Bookmark(), 1);
        d.txtPesq->setText(QStringLiteral("40"));
        click(&d, QStringLiteral("cmdPesquisar"));
        pressEnter();  // Enter on the focused OK presses it
    });
    ASSERT_TRUE(numero);
    EXPECT_EQ(*numero, "40");
}

TEST_F(frmPesqJurTest, LeavingTheColumnChooserSortsAndSearchesAgain) {
    InsereVarias();
    const auto chave = Pesquisa([](frmPesqJur& d) {
        typeInto(&d, QStringLiteral("txtPesq"), QStringLiteral("Zet"));
        d.cmbColuna->setCurrentIndex(1);
        clickInto(d.cmbColuna);
        clickInto(d.txtPesq);  // the chooser loses the focus: ascending by name, then the find
        EXPECT_EQ(Coluna(d, 1).front(), "Alfa");
        EXPECT_EQ(d.tdbPesq->Bookmark(), 5);
        click(&d, QStringLiteral("cmdOk"));
    });
    ASSERT_TRUE(chave);
    EXPECT_EQ(*chave, "40");
}

TEST_F(frmPesqJurTest, FiltersByNameRangeAndStateFromWhicheverRowsNameAField) {
    InsereVarias();
    Pesquisa([](frmPesqJur& d) {
        click(&d, QStringLiteral("cmdFiltro"));
        EXPECT_TRUE(d.fraFiltro->isVisible());
        EXPECT_FALSE(d.tdbPesq->isVisible());
        EXPECT_FALSE(d.cmdOk->isEnabled());
        EXPECT_EQ(focusedName(), "cmbCampo0");
        // Row 0 left empty: the conditions come from rows 1 and 2.
        Escolhe(d, 1, QStringLiteral("Nome"), QStringLiteral("a"), QStringLiteral("b"));
        EXPECT_EQ(d.txtDe[1]->maxLength(), 40);
        Escolhe(d, 2, QStringLiteral("Uf"), QStringLiteral("SP"), QStringLiteral("SP"));
        EXPECT_EQ(d.txtDe[2]->maxLength(), 2);
        click(&d, QStringLiteral("cmdOkFiltro"));
        EXPECT_FALSE(d.fraFiltro->isVisible());
        EXPECT_TRUE(d.cmdDesfiltrar->isEnabled());
        EXPECT_FALSE(d.cmdFiltro->isEnabled());
        EXPECT_EQ(Coluna(d, 1), (QStringList{"Alfa", "Árvore"}));
        click(&d, QStringLiteral("cmdDesfiltrar"));
        EXPECT_EQ(Coluna(d, 0).size(), 6);
        EXPECT_TRUE(d.cmdFiltro->isEnabled());
        d.close();
    });
}

TEST_F(frmPesqJurTest, FiltersByNumberRangeAndWithNoFieldListsEverything) {
    InsereVarias();
    Pesquisa([](frmPesqJur& d) {
        click(&d, QStringLiteral("cmdFiltro"));
        d.cmbCampo[0]->setCurrentText(QStringLiteral("Código"));
        EXPECT_TRUE(d.tdnDe[0]->isVisible());
        EXPECT_FALSE(d.txtDe[0]->isVisible());
        typeInto(&d, QStringLiteral("tdnDe0"), QStringLiteral("2"));
        typeInto(&d, QStringLiteral("tdnAt0"), QStringLiteral("4"));
        click(&d, QStringLiteral("cmdOkFiltro"));
        EXPECT_EQ(Coluna(d, 0), (QStringList{"2", "3", "4"}));
        click(&d, QStringLiteral("cmdDesfiltrar"));
        click(&d, QStringLiteral("cmdFiltro"));
        d.cmbCampo[0]->setCurrentIndex(0);  // the blank again: the row's inputs go away
        EXPECT_FALSE(d.tdnDe[0]->isVisible());
        click(&d, QStringLiteral("cmdOkFiltro"));
        EXPECT_TRUE(d.Filtro().clausula.isEmpty());
        EXPECT_EQ(Coluna(d, 0).size(), 6);
        d.close();
    });
}

TEST_F(frmPesqJurTest, AChoiceAfterAFilterThatFoundNothingIsAChoice) {
    InsereVarias();
    script->expect(NenhumRegistro, OK);
    const auto chave = Pesquisa([](frmPesqJur& d) {
        click(&d, QStringLiteral("cmdFiltro"));
        Escolhe(d, 0, QStringLiteral("Nome"), QStringLiteral("X"), QStringLiteral("Y"));
        click(&d, QStringLiteral("cmdOkFiltro"));
        EXPECT_EQ(d.Lista().Linhas(), 0);
        EXPECT_TRUE(Geral::Cancelado);
        click(&d, QStringLiteral("cmdDesfiltrar"));
        d.tdbPesq->setBookmark(2);
        click(&d, QStringLiteral("cmdOk"));
    });
    ASSERT_TRUE(chave);
    EXPECT_EQ(*chave, "3");
}

TEST_F(frmPesqJurTest, EnterMovesOnAndTheDoubleQuoteNeverReachesAField) {
    InsereVarias();
    Pesquisa([](frmPesqJur& d) {
        typeInto(&d, QStringLiteral("txtPesq"), QStringLiteral("a\"b"));
        EXPECT_EQ(d.txtPesq->text(), "ab");
        paste(QStringLiteral("\"c\""));
        EXPECT_EQ(d.txtPesq->text(), "abc");
        pressEnter();
        EXPECT_EQ(focusedName(), "cmdPesquisar");
        d.close();
    });
}

TEST(AtribuiEmpresas, MapsTheFilterCaptions) {
    frmPesqJur d;
    EXPECT_EQ(d.Atribui(QStringLiteral("Código")), "codigo");
    EXPECT_EQ(d.Atribui(QStringLiteral("Cidade")), "cidade");
    EXPECT_EQ(d.Atribui(QStringLiteral("Bairro")), "bairro");
    EXPECT_EQ(d.Atribui(QStringLiteral("Outro")), "");
}

}  // namespace
