#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "CadastroTeste.h"
#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/ui/Form.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

using namespace shell;
using namespace testsupport;
using platform::ui::Msg::No;
using platform::ui::Msg::OK;
using platform::ui::Msg::Yes;

namespace {

const QString NaoCadastrado = QStringLiteral("Código Não Cadastrado, Incluir Novo ?");
const QString Excluir = QStringLiteral("Deseja Realmente Excluir Este Registro ?");

class JanelaCadastroTest : public UiFixture {
  protected:
    void SetUp() override {
        Geral::ReiniciaEstadoGeral();
        UiFixture::SetUp();
        Geral::ConexaoCadastro = pasta.registryConnection();
        frmCadastroTeste::CriaTabela(Geral::ConexaoCadastro);
        db.Open(Geral::ConexaoCadastro);
        for (auto [codigo, descri] : {std::pair{10, "Dez"}, {30, "Trinta"}, {20, "Vinte"}})
            db.Execute(QStringLiteral("INSERT INTO Teste(codigo,Descri) VALUES(?,?)"), {codigo, descri});
        w = platform::ui::ShowForm<frmCadastroTeste>();
        ASSERT_NE(w, nullptr);
        settle();
    }

    // Types a key into the key field and leaves it with Tab.
    void Chave(const QString& texto) {
        typeInto(w, QStringLiteral("txtCodigo"), texto);
        pressTab();
        settle();
    }
    QString Descri(int codigo) {
        auto rs = db.OpenRecordset(QStringLiteral("SELECT Descri FROM Teste WHERE codigo = ?"), {codigo});
        return rs.Eof() ? QStringLiteral("<nenhum>") : rs.Fields(0).toString();
    }
    QStringList Coluna(int c) {
        QStringList r;
        for (int i = 0; i < w->cadastro().Lista().Linhas(); ++i) r << w->cadastro().Lista().Celula(i, c);
        return r;
    }
    void Grava() {
        click(w, QStringLiteral("cmdGravar"));
        settle();
    }

    TempProgramFolder pasta;
    platform::db::Connection db;
    frmCadastroTeste* w = nullptr;
};

TEST_F(JanelaCadastroTest, OpensIdleWithTheTableInTheList) {
    EXPECT_EQ(w->cadastro().EstadoAtual(), 1);
    EXPECT_FALSE(w->cmdGravar->isEnabled());
    EXPECT_FALSE(w->cmdApagar->isEnabled());
    EXPECT_FALSE(w->cmdCancelar->isEnabled());
    EXPECT_TRUE(w->cmdSair->isEnabled());
    EXPECT_TRUE(w->cmdImprimir->isEnabled());
    EXPECT_FALSE(w->txtDescri->isEnabled());
    EXPECT_EQ(Coluna(0), (QStringList{"10", "20", "30"}));
}

TEST_F(JanelaCadastroTest, LeavingAnEmptyOrIncompleteKeyRunsNoLookup) {
    clickInto(w->txtCodigo);
    pressTab();
    settle();
    EXPECT_EQ(w->cadastro().EstadoAtual(), 1);
    Chave(QStringLiteral("5"));
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtCodigo));
    EXPECT_EQ(w->cadastro().EstadoAtual(), 1);
    EXPECT_TRUE(script->shown().empty());
}

TEST_F(JanelaCadastroTest, AKnownKeyLoadsItsRecord) {
    Chave(QStringLiteral("20"));
    EXPECT_EQ(w->cadastro().EstadoAtual(), 2);
    EXPECT_EQ(w->txtDescri->text(), QStringLiteral("Vinte"));
    EXPECT_FALSE(w->txtCodigo->isEnabled());
    EXPECT_TRUE(w->cmdApagar->isEnabled());
    EXPECT_FALSE(w->cmdSair->isEnabled());
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtDescri));
    EXPECT_EQ(w->cadastro().Lista().LinhaAtual(), 1);
    EXPECT_EQ(Geral::ChaveComum, QStringLiteral("20"));
}

TEST_F(JanelaCadastroTest, AnUnknownKeyAnsweredNoEmptiesTheKeyAndKeepsTheFocus) {
    script->expect(NaoCadastrado, QStringLiteral("Atenção..."), No);
    Chave(QStringLiteral("55"));
    EXPECT_EQ(w->cadastro().EstadoAtual(), 1);
    EXPECT_TRUE(w->txtCodigo->text().isEmpty());
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtCodigo));
    EXPECT_FALSE(w->cadastro().Inclusao());
}

TEST_F(JanelaCadastroTest, AnInsertIsWrittenAndAppearsAtItsSortedPlace) {
    script->expect(NaoCadastrado, Yes);
    Chave(QStringLiteral("15"));
    EXPECT_EQ(w->cadastro().EstadoAtual(), 3);
    EXPECT_TRUE(w->cadastro().Inclusao());
    EXPECT_FALSE(w->txtCodigo->isEnabled());
    EXPECT_FALSE(w->cmdApagar->isEnabled());
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtDescri));
    typeText(QStringLiteral("Quinze d'água"));
    Grava();
    EXPECT_EQ(Descri(15), QStringLiteral("Quinze d'água"));
    EXPECT_EQ(w->cadastro().EstadoAtual(), 1);
    EXPECT_FALSE(w->cadastro().Inclusao());
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtCodigo));
    EXPECT_EQ(Coluna(0), (QStringList{"10", "15", "20", "30"}));
    EXPECT_EQ(Coluna(1)[1], QStringLiteral("Quinze d'água"));
}

TEST_F(JanelaCadastroTest, ASaveRefusedByItsRulesChangesNothing) {
    script->expect(NaoCadastrado, Yes);
    Chave(QStringLiteral("40"));
    script->onDialog(QStringLiteral("frmErros"), [](QDialog& d) { click(&d, QStringLiteral("cmdOk")); });
    Grava();
    EXPECT_EQ(Descri(40), QStringLiteral("<nenhum>"));
    EXPECT_EQ(w->cadastro().EstadoAtual(), 3);
    EXPECT_TRUE(w->cadastro().Inclusao());
    EXPECT_TRUE(Geral::ComErros);
    EXPECT_FALSE(Geral::Cancelado);
    EXPECT_EQ(Geral::ListaErros[1].Descricao, QStringLiteral("O Campo Descrição é Obrigatório !"));
    EXPECT_EQ(Coluna(0).size(), 3);
}

// A save writes the column of a field only when the clerk typed into it, even a value it shows as stored;
// a stored text longer than its field is named when shown and so kept whole unless typed over.
TEST_F(JanelaCadastroTest, ASaveWritesOnlyTheColumnsOfTheFieldsTyped) {
    w->txtDescri->setMaxLength(4);
    db.Execute(QStringLiteral("CREATE TABLE Escritas (coluna TEXT)"));
    db.Execute(
        QStringLiteral("CREATE TRIGGER Escreve AFTER UPDATE OF Descri ON Teste "
                       "BEGIN INSERT INTO Escritas VALUES ('Descri'); END"));
    const struct {
        int codigo;
        const char *digitado, *depois;
        int escritas;
    } casos[] = {{10, "", "Dez", 0}, {10, "s", "Dezs", 1}, {30, "", "Trinta", 1}, {30, "Trin", "Trin", 2}};
    for (const auto& c : casos) {
        if (c.codigo == 30) script->expectKept("Descri: Trinta");
        Chave(QString::number(c.codigo));
        typeText(QString::fromLatin1(c.digitado));
        Grava();
        EXPECT_EQ(Descri(c.codigo), QString::fromLatin1(c.depois)) << c.digitado;
        EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT count(*) FROM Escritas")).Fields(0).toInt(),
                  c.escritas);
        EXPECT_TRUE(script->allAnswered());
    }
}

// After a header sort the list has no current row: the save still changes the row of its key.
TEST_F(JanelaCadastroTest, AnUpdateAfterAHeaderSortChangesTheRowOfItsKey) {
    Chave(QStringLiteral("10"));
    w->cadastro().Lista_FootClick(1);  // descending by description: Vinte, Trinta, Dez
    EXPECT_EQ(w->cadastro().Lista().LinhaAtual(), -1);
    w->txtDescri->setText(QStringLiteral("Dezena"));
    Grava();
    EXPECT_EQ(Descri(10), QStringLiteral("Dezena"));
    // The sort after a save is on column 0 with the last header event's order and kind.
    EXPECT_EQ(Coluna(0), (QStringList{"30", "20", "10"}));
    EXPECT_EQ(Coluna(1), (QStringList{"Trinta", "Vinte", "Dezena"}));
}

TEST_F(JanelaCadastroTest, ADeleteConfirmedRemovesTheRowOfItsKeyEvenAfterASort) {
    Chave(QStringLiteral("30"));
    w->cadastro().Lista_HeadClick(1);
    script->expect(Excluir, QStringLiteral("Atenção..."), Yes);
    click(w, QStringLiteral("cmdApagar"));
    settle();
    EXPECT_EQ(Descri(30), QStringLiteral("<nenhum>"));
    EXPECT_EQ(Coluna(0), (QStringList{"10", "20"}));
    EXPECT_EQ(w->cadastro().EstadoAtual(), 1);
}

TEST_F(JanelaCadastroTest, ADeleteRefusedChangesNothing) {
    Chave(QStringLiteral("30"));
    script->expect(Excluir, No);
    click(w, QStringLiteral("cmdApagar"));
    settle();
    EXPECT_EQ(Descri(30), QStringLiteral("Trinta"));
    EXPECT_EQ(w->cadastro().EstadoAtual(), 2);
}

TEST_F(JanelaCadastroTest, ChoosingAListRowWhileEditingLoadsThatRow) {
    Chave(QStringLiteral("10"));
    w->txtDescri->setText(QStringLiteral("alterado"));
    w->cadastro().Lista_RowChosen(2);
    settle();
    EXPECT_EQ(w->cadastro().EstadoAtual(), 2);
    EXPECT_EQ(w->txtCodigo->text(), QStringLiteral("30"));
    EXPECT_EQ(w->txtDescri->text(), QStringLiteral("Trinta"));
    EXPECT_EQ(Descri(10), QStringLiteral("Dez"));
}

TEST_F(JanelaCadastroTest, CloseIsRefusedInStatesTwoAndThreeAndAllowedAfterCancel) {
    Chave(QStringLiteral("10"));
    script->expect(GuardaCurta.toString(), QStringLiteral("Atenção"), OK);
    EXPECT_FALSE(w->Unload());
    click(w, QStringLiteral("cmdCancelar"));
    settle();
    script->expect(NaoCadastrado, Yes);
    Chave(QStringLiteral("77"));
    script->expect(GuardaCurta.toString(), QStringLiteral("Atenção"), OK);
    EXPECT_FALSE(w->Unload());
    click(w, QStringLiteral("cmdCancelar"));
    settle();
    EXPECT_EQ(w->cadastro().EstadoAtual(), 1);
    EXPECT_FALSE(w->cadastro().Inclusao());
    EXPECT_TRUE(w->Unload());
}

TEST_F(JanelaCadastroTest, EnterMovesOnAndTheDoubleQuoteNeverArrives) {
    script->expect(NaoCadastrado, Yes);
    typeInto(w, QStringLiteral("txtCodigo"), QStringLiteral("6\"6"));
    pressEnter();
    settle();
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtDescri));
    EXPECT_EQ(Geral::ChaveComum, QStringLiteral("66"));
}

TEST_F(JanelaCadastroTest, TheCaptionOfTheFocusedFieldIsBlue) {
    Chave(QStringLiteral("10"));
    EXPECT_EQ(platform::ui::foreColor(w->lblDescri), platform::ui::CaptionHighlight);
    EXPECT_EQ(platform::ui::foreColor(w->lblCodigo), platform::ui::CaptionNormal);
}

// A failed write leaves state, Inclusao, list and input as they were, and says what failed.
// Two copies saving the same new key: the rules run under the write lock, so the other copy cannot
// slip its row in between this one's duplicate test and its INSERT, and once it gets the lock it sees
// this row.
TEST_F(JanelaCadastroTest, TheRulesAndTheInsertShareOneWriteLock) {
    platform::db::Connection outra;
    outra.Open(Geral::ConexaoCadastro);
    outra.setBusyTimeout(0);
    int bloqueios = 0;
    w->antesDasRegras = [&] {
        try {
            outra.Execute(QStringLiteral("INSERT INTO Teste(codigo,Descri) VALUES(40,'Outra')"));
        } catch (const platform::db::Error& e) {
            if ((e.number() & 0xff) == 5) ++bloqueios;
        }
    };
    script->expect(NaoCadastrado, Yes);
    Chave(QStringLiteral("40"));
    typeInto(w, QStringLiteral("txtDescri"), QStringLiteral("Quarenta"));
    Grava();
    EXPECT_EQ(bloqueios, 1);
    EXPECT_EQ(Descri(40), QStringLiteral("Quarenta"));
    EXPECT_EQ(w->cadastro().EstadoAtual(), 1);
}

TEST_F(JanelaCadastroTest, AFailedWriteLeavesTheWindowAsItWas) {
    db.Execute(QStringLiteral(
        "CREATE TRIGGER recusa BEFORE INSERT ON Teste BEGIN SELECT RAISE(ABORT, 'recusado'); END"));
    QString esperado;
    try {
        db.Execute(QStringLiteral("INSERT INTO Teste(codigo,Descri) VALUES(1,'x')"));
    } catch (const platform::values::RuntimeError& e) {
        esperado = platform::ui::errorText(e.number(), e.description());
    }
    ASSERT_FALSE(esperado.isEmpty());
    script->expect(NaoCadastrado, Yes);
    Chave(QStringLiteral("44"));
    typeText(QStringLiteral("Quarenta e quatro"));
    script->expect(esperado, OK);
    Grava();
    EXPECT_EQ(w->cadastro().EstadoAtual(), 3);
    EXPECT_TRUE(w->cadastro().Inclusao());
    EXPECT_EQ(w->txtDescri->text(), QStringLiteral("Quarenta e quatro"));
    EXPECT_EQ(Coluna(0).size(), 3);
}

}  // namespace
