#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "CadastroTeste.h"
#include "platform/controls/TDBList.h"
#include "platform/db/Connection.h"
#include "platform/db/TableNames.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/ListaPesquisa.h"
#include "shell/frmPesquisa.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

using namespace shell;
using namespace testsupport;
using platform::ui::Msg::OK;

namespace {

const QString Titulo = QStringLiteral("Pesquisa de Teste");
const QString NenhumRegistro = QStringLiteral("Atenção, não há nenhum registro cadastrado !");

class frmPesquisaTest : public UiFixture {
  protected:
    void SetUp() override {
        Geral::ReiniciaEstadoGeral();
        UiFixture::SetUp();
        Geral::ConexaoCadastro = pasta.registryConnection();
        db.Open(Geral::ConexaoCadastro);
        db.Execute(QStringLiteral("CREATE TABLE Pessoas (codigo INTEGER, nome TEXT COLLATE PTBR)"));
        platform::db::registerTables({QStringLiteral("Pessoas")});
    }
    void Insere(std::initializer_list<std::pair<int, const char*>> linhas) {
        for (auto [codigo, nome] : linhas)
            db.Execute(QStringLiteral("INSERT INTO Pessoas(codigo,nome) VALUES(?,?)"), {codigo, nome});
    }
    // Opens the search over "Pessoas" and drives it with `drive`; returns what the opener got.
    std::optional<QString> Pesquisa(std::function<void(frmPesquisa&)> drive) {
        script->onDialog(QStringLiteral("frmPesquisa"),
                         [drive](QDialog& d) { drive(static_cast<frmPesquisa&>(d)); });
        frmPesquisa dialogo;
        return AbrePesquisa(dialogo, Titulo, QStringLiteral("Pessoas"));
    }
    static QStringList Nomes(frmPesquisa& d) {
        QStringList r;
        for (int i = 0; i < d.Lista().Linhas(); ++i) r << d.Lista().Celula(i, 1);
        return r;
    }

    TempProgramFolder pasta;
    platform::db::Connection db;
};

TEST_F(frmPesquisaTest, CancelEscAndTheCloseBoxAllLeaveChaveComumAndReportCancelado) {
    Insere({{1, "Ana"}});
    const std::vector<std::function<void(frmPesquisa&)>> saidas = {
        [](frmPesquisa& d) { click(&d, QStringLiteral("cmdCancela")); },
        [](frmPesquisa& d) {
            clickInto(d.txtPesq);
            pressEsc();
        },
        [](frmPesquisa& d) { d.close(); }};
    for (const auto& saida : saidas) {
        Geral::ChaveComum = QStringLiteral("antes");
        EXPECT_FALSE(Pesquisa(saida).has_value());
        EXPECT_EQ(Geral::ChaveComum, QStringLiteral("antes"));
        EXPECT_FALSE(Geral::Cancelado);
    }
}

TEST_F(frmPesquisaTest, AnEmptyTableSaysSoAndOkWithoutARowDoesNothing) {
    script->expect(NenhumRegistro, OK);
    bool aberto = false;
    EXPECT_FALSE(Pesquisa([&](frmPesquisa& d) {
                     click(&d, QStringLiteral("cmdOk"));
                     aberto = d.isVisible();
                     d.close();
                 }).has_value());
    EXPECT_TRUE(aberto);
    EXPECT_EQ(script->shown().front().style, platform::ui::Msg::Information);
}

TEST_F(frmPesquisaTest, AOneRowTableReturnsItsCode) {
    Insere({{7, "Sete"}});
    const auto chave = Pesquisa([](frmPesquisa& d) {
        EXPECT_EQ(d.tdbPesq->Caption(), Titulo);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Pesquisa"));
        EXPECT_EQ(d.cmbColuna->currentText(), QStringLiteral("Nome"));
        d.Lista().DefineLinhaAtual(0);
        click(&d, QStringLiteral("cmdOk"));
    });
    ASSERT_TRUE(chave.has_value());
    EXPECT_EQ(*chave, QStringLiteral("7"));
}

// Every row is read, even those whose code is null (a count of codes would have dropped one).
TEST_F(frmPesquisaTest, TheListShowsEveryRowSortedByName) {
    Insere({{3, "carlos"}, {1, "Álvaro"}, {2, "bruno"}});
    db.Execute(QStringLiteral("INSERT INTO Pessoas(codigo,nome) VALUES(NULL,'Sem código')"));
    Pesquisa([](frmPesquisa& d) {
        EXPECT_EQ(Nomes(d), (QStringList{"Álvaro", "bruno", "carlos", "Sem código"}));
        d.close();
    });
}

TEST_F(frmPesquisaTest, FindByNameMatchesTheTypedBeginningInAnyCase) {
    Insere({{1, "Maria"}, {2, "joão"}, {3, "José"}, {4, "Ana"}});
    const auto chave = Pesquisa([](frmPesquisa& d) {
        d.Lista().Rodape(1);  // descending by name: the find passes that order
        typeInto(&d, QStringLiteral("txtPesq"), QStringLiteral("JO"));
        click(&d, QStringLiteral("cmdPesquisar"));
        EXPECT_EQ(focused(), static_cast<QWidget*>(d.cmdOk));
        click(&d, QStringLiteral("cmdOk"));
    });
    ASSERT_TRUE(chave.has_value());
    EXPECT_EQ(*chave, QStringLiteral("3"));  // "José" comes before "joão" in descending order
}

TEST_F(frmPesquisaTest, FindByCodeAfterAHeaderClickSearchesTheCodesInAnyOrder) {
    Insere({{12, "Doze"}, {5, "Cinco"}, {40, "Quarenta"}});
    const auto chave = Pesquisa([](frmPesquisa& d) {
        d.Lista().Rodape(0);
        EXPECT_EQ(d.cmbColuna->currentText(), QStringLiteral("Código"));
        typeInto(&d, QStringLiteral("txtPesq"), QStringLiteral("12"));
        click(&d, QStringLiteral("cmdPesquisar"));
        click(&d, QStringLiteral("cmdOk"));
    });
    ASSERT_TRUE(chave.has_value());
    EXPECT_EQ(*chave, QStringLiteral("12"));
}

TEST_F(frmPesquisaTest, AFindThatMatchesNothingOrHasNoTextMovesNothing) {
    Insere({{1, "Ana"}, {2, "Bia"}});
    Pesquisa([](frmPesquisa& d) {
        d.Lista().DefineLinhaAtual(1);
        typeInto(&d, QStringLiteral("txtPesq"), QStringLiteral("Zé"));
        click(&d, QStringLiteral("cmdPesquisar"));
        EXPECT_EQ(d.Lista().LinhaAtual(), 1);
        d.txtPesq->clear();
        click(&d, QStringLiteral("cmdPesquisar"));
        EXPECT_EQ(focused(), static_cast<QWidget*>(d.txtPesq));
        // A code beyond the 16-bit range matches nothing.
        d.Lista().Cabecalho(0);
        d.Lista().DefineLinhaAtual(0);
        d.txtPesq->setText(QStringLiteral("70000"));
        click(&d, QStringLiteral("cmdPesquisar"));
        EXPECT_EQ(d.Lista().LinhaAtual(), 0);
        d.close();
    });
}

TEST_F(frmPesquisaTest, ASecondOpeningStartsSortedByNameAgain) {
    Insere({{2, "Bia"}, {1, "Ana"}});
    Pesquisa([](frmPesquisa& d) {
        d.Lista().Rodape(0);
        d.close();
    });
    Pesquisa([](frmPesquisa& d) {
        EXPECT_EQ(Nomes(d), (QStringList{"Ana", "Bia"}));
        EXPECT_EQ(d.cmbColuna->currentText(), QStringLiteral("Nome"));
        d.close();
    });
}

// The key chosen goes back into the opener's key field, whose own lookup then runs from the Tab.
// Opened from a data-entry window, the search keeps its own keys: the quote can be typed and Enter
// presses OK at once, which takes the first row of the list just loaded.
TEST_F(frmPesquisaTest, EnterTakesTheFirstRowAndTheQuoteIsTypedWhateverWindowOpenedIt) {
    Insere({{3, "Três"}, {7, "Sete"}});
    frmCadastroTeste::CriaTabela(Geral::ConexaoCadastro);
    auto* w = platform::ui::ShowForm<frmCadastroTeste>();
    ASSERT_NE(w, nullptr);
    settle();
    script->onDialog(QStringLiteral("frmPesquisa"), [](QDialog& d) {
        auto& p = static_cast<frmPesquisa&>(d);
        clickInto(p.txtPesq);
        typeText(QStringLiteral("a\"b"));
        EXPECT_EQ(p.txtPesq->text(), QStringLiteral("a\"b"));
        pressEnter();
    });
    frmPesquisa dialogo(w);
    const auto chave = AbrePesquisa(dialogo, Titulo, QStringLiteral("Pessoas"));
    ASSERT_TRUE(chave.has_value());
    EXPECT_EQ(*chave, QStringLiteral("7"));
}

TEST_F(frmPesquisaTest, TheChosenKeyReachesTheOpenersLookupThroughTheQueuedTab) {
    frmCadastroTeste::CriaTabela(Geral::ConexaoCadastro);
    db.Execute(QStringLiteral("INSERT INTO Teste(codigo,Descri) VALUES(25,'Vinte e cinco')"));
    auto* w = platform::ui::ShowForm<frmCadastroTeste>();
    ASSERT_NE(w, nullptr);
    settle();
    clickInto(w->txtCodigo);
    DevolveChave(w->txtCodigo, QStringLiteral("25"));
    EXPECT_EQ(w->cadastro().EstadoAtual(), 1);  // queued, not yet run
    settle();
    EXPECT_EQ(w->cadastro().EstadoAtual(), 2);
    EXPECT_EQ(w->txtDescri->text(), QStringLiteral("Vinte e cinco"));
}

}  // namespace
