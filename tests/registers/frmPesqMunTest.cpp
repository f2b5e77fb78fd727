#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "platform/controls/TDBList.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "registers/frmPesqMun.h"
#include "shell/EstadoGeral.h"
#include "shell/ListaPesquisa.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

using namespace testsupport;
using platform::ui::Msg::OK;
using registers::frmPesqMun;

namespace {

const QString NadaEncontrado =
    QStringLiteral("Atenção, não há nenhum registro cadastrado ! Experimente Pesquisar só cidade ou só UF");

class frmPesqMunTest : public UiFixture {
  protected:
    void SetUp() override {
        Geral::ReiniciaEstadoGeral();
        UiFixture::SetUp();
        Geral::ConexaoCadastro = pasta.registryConnection();
    }
    // Opens the search as the company window does; true when a municipality was chosen.
    bool Pesquisa(const QString& cidade, const QString& uf, std::function<void(frmPesqMun&)> drive) {
        script->onDialog(QStringLiteral("frmPesqMun"),
                         [drive](QDialog& d) { drive(static_cast<frmPesqMun&>(d)); });
        Geral::TituloPesquisa = QStringLiteral("Pesquisa de Municípios");
        Geral::TabelaPesquisa = QStringLiteral("Municipios");
        Geral::CidadePesquisa = cidade;
        Geral::UfPesquisa = uf;
        frmPesqMun dialogo;
        platform::ui::ShowModal(dialogo);
        const bool escolhido = !Geral::Cancelado;
        Geral::Cancelado = false;
        return escolhido;
    }
    static int Linhas(frmPesqMun& d) { return d.Lista().Linhas(); }

    TempProgramFolder pasta;
};

TEST_F(frmPesqMunTest, ByCityAndStateTheOneRowIsTakenWithItsCodeNameAndState) {
    EXPECT_TRUE(Pesquisa(QStringLiteral(" são paulo "), QStringLiteral("sp"), [](frmPesqMun& d) {
        EXPECT_EQ(d.windowTitle(), "Pesquisa de Municípios");
        EXPECT_EQ(d.tdbPesq->Caption(), "Pesquisa de Municípios");
        EXPECT_EQ(d.txtCidade->text(), "são paulo");
        EXPECT_EQ(Linhas(d), 0);  // nothing is listed before the first search
        click(&d, QStringLiteral("cmdPesquisar"));
        ASSERT_EQ(Linhas(d), 1);
        click(&d, QStringLiteral("cmdOk"));
    }));
    EXPECT_EQ(Geral::ChaveComum, "3550308");
    EXPECT_EQ(Geral::CidadePesquisa, "São Paulo");
    EXPECT_EQ(Geral::UfPesquisa, "SP");
}

TEST_F(frmPesqMunTest, ByCityAloneByStateAloneAndWithNeither) {
    Pesquisa(QStringLiteral("São Paulo"), QString(), [](frmPesqMun& d) {
        click(&d, QStringLiteral("cmdPesquisar"));
        EXPECT_EQ(Linhas(d), 1);
        // A city of two characters is no condition: the state's municipalities, by name.
        d.txtCidade->setText(QStringLiteral("Sã"));
        d.txtUf->setText(QStringLiteral("AC"));
        click(&d, QStringLiteral("cmdPesquisar"));
        EXPECT_EQ(Linhas(d), 22);
        EXPECT_EQ(d.Lista().Celula(0, 3), "Acrelândia");
        EXPECT_EQ(d.Lista().Celula(0, 2), "AC");
        // A state of one letter is no condition either: every municipality.
        d.txtCidade->clear();
        d.txtUf->setText(QStringLiteral("A"));
        click(&d, QStringLiteral("cmdPesquisar"));
        EXPECT_GT(Linhas(d), 5000);
        d.close();
    });
}

TEST_F(frmPesqMunTest, NamesWithApostrophesAreFound) {
    for (const char* nome : {"Dias d'Ávila", "Sant'Ana do Livramento"}) {
        EXPECT_TRUE(Pesquisa(QString::fromUtf8(nome), QString(), [](frmPesqMun& d) {
            click(&d, QStringLiteral("cmdPesquisar"));
            EXPECT_EQ(Linhas(d), 1);
            d.tdbPesq->setBookmark(0);
            emit d.tdbPesq->DblClick();
        }));
        EXPECT_EQ(Geral::CidadePesquisa, QString::fromUtf8(nome));
    }
}

TEST_F(frmPesqMunTest, ASearchThatFindsNothingKeepsTheListAndTheNextChoiceCounts) {
    script->expect(NadaEncontrado, OK);
    EXPECT_TRUE(Pesquisa(QStringLiteral("Ariquemes"), QStringLiteral("RO"), [](frmPesqMun& d) {
        click(&d, QStringLiteral("cmdPesquisar"));
        ASSERT_EQ(Linhas(d), 1);
        d.txtCidade->setText(QStringLiteral("Ariquem"));
        click(&d, QStringLiteral("cmdPesquisar"));
        EXPECT_EQ(Linhas(d), 1);
        click(&d, QStringLiteral("cmdOk"));
    }));
    EXPECT_EQ(Geral::ChaveComum, "1100023");
    EXPECT_EQ(script->shown().front().style, platform::ui::Msg::Information);
}

TEST_F(frmPesqMunTest, CancelOkBeforeAnySearchAndEscComeBackCancelled) {
    const std::vector<std::function<void(frmPesqMun&)>> saidas = {
        [](frmPesqMun& d) { click(&d, QStringLiteral("cmdCancelar")); },
        [](frmPesqMun& d) { click(&d, QStringLiteral("cmdOk")); },
        [](frmPesqMun& d) {
            clickInto(d.txtCidade);
            pressEsc();
        },
        [](frmPesqMun& d) { d.close(); }};
    for (const auto& saida : saidas) {
        Geral::ChaveComum = QStringLiteral("antes");
        EXPECT_FALSE(Pesquisa(QString(), QString(), saida));
        EXPECT_EQ(Geral::ChaveComum, "antes");
    }
}

TEST_F(frmPesqMunTest, TheStateIsCheckedUpperCasedAndEnterPressesNothing) {
    script->expect(QStringLiteral("Sigla do estado inválida, digite corretamente ou deixe o campo vazio"),
                   QStringLiteral("Atenção..."), OK);
    Pesquisa(QString(), QString(), [this](frmPesqMun& d) {
        typeInto(&d, QStringLiteral("txtUf"), QStringLiteral("ba"));
        pressTab();
        EXPECT_EQ(d.txtUf->text(), "BA");
        d.txtUf->setText(QStringLiteral("XX"));
        clickInto(d.txtUf);
        click(&d, QStringLiteral("cmdPesquisar"));  // the check keeps the focus: no search
        EXPECT_EQ(focusedName(), "txtUf");
        EXPECT_EQ(Linhas(d), 0);
        EXPECT_EQ(script->shown().back().style, platform::ui::Msg::Information);
        d.txtUf->clear();
        pressEnter();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(focusedName(), "txtUf");
        d.close();
    });
}

TEST_F(frmPesqMunTest, HeaderEventsSortAscendingAndDescending) {
    Pesquisa(QString(), QStringLiteral("AC"), [](frmPesqMun& d) {
        click(&d, QStringLiteral("cmdPesquisar"));
        emit d.tdbPesq->HeadRightClick(0);
        EXPECT_EQ(d.Lista().Celula(0, 0), "1200807");
        emit d.tdbPesq->HeadClick(0);
        EXPECT_EQ(d.Lista().Celula(0, 0), "1200013");
        d.close();
    });
}

}  // namespace
