#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "platform/controls/TDBList.h"
#include "platform/controls/XArrayDB.h"
#include "platform/ui/MsgBox.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/frmErros.h"
#include "support/UiFixture.h"

using namespace shell;
using namespace testsupport;

namespace {

// What the error dialog showed when it opened.
struct Visto {
    QString questao;
    bool ok = false, sim = false, nao = false;
    int linhas = 0;
};

class ErrosListaTest : public UiFixture {
  protected:
    void SetUp() override {
        Geral::ReiniciaEstadoGeral();
        UiFixture::SetUp();
    }
    // The next error dialog is recorded and closed with the button `botao` (empty: its close box).
    void EsperaDialogo(const QString& botao) {
        script->onDialog(QStringLiteral("frmErros"), [this, botao](QDialog& d) {
            visto.questao = control<QLabel>(&d, QStringLiteral("lblQuestao"))->text();
            visto.ok = control(&d, QStringLiteral("cmdOk"))->isVisible();
            visto.sim = control(&d, QStringLiteral("cmdSim"))->isVisible();
            visto.nao = control(&d, QStringLiteral("cmdNao"))->isVisible();
            visto.linhas =
                control<platform::controls::TDBList>(&d, QStringLiteral("tdbErros"))->Array()->Count(1);
            if (botao.isEmpty())
                d.close();
            else
                click(&d, botao);
        });
    }
    Visto visto;
};

const QString Fatal = QStringLiteral("Corrija os erros fatais, a gravação não pode ser realizada !");
const QString Pergunta = QStringLiteral("Deseja gravar assim mesmo ?");

TEST_F(ErrosListaTest, ARowGrowsToShowItsWholeMessage) {
    IniciaErros();
    AdicionaErro(AlertaErro, QStringLiteral("Curta !"));
    AdicionaErro(AlertaErro,
                 QString(QStringLiteral("Inscrição estadual de outro contribuinte ")).repeated(6));
    int curta = 0, longa = 0;
    bool cabe = false;
    script->onDialog(QStringLiteral("frmErros"), [&](QDialog& d) {
        QTableView* vista = control<platform::controls::TDBList>(&d, QStringLiteral("tdbErros"))->view();
        settle();
        curta = vista->rowHeight(0);
        longa = vista->rowHeight(1);
        cabe = vista->columnViewportPosition(2) + vista->columnWidth(2) <= vista->viewport()->width();
        d.close();
    });
    ConcluiErros();
    EXPECT_GT(longa, 2 * curta);
    EXPECT_TRUE(cabe);
}

TEST_F(ErrosListaTest, SaveWithoutBrokenRuleShowsNoDialogAndKeepsCancelado) {
    Geral::Cancelado = true;
    Geral::ComErros = true;
    IniciaErros();
    EXPECT_TRUE(ConcluiErros());
    EXPECT_FALSE(Geral::ComErros);
    EXPECT_TRUE(Geral::Cancelado);
    EXPECT_EQ(Geral::ContaErros, 1);
}

TEST_F(ErrosListaTest, WarningsConfirmedLetTheSaveWrite) {
    IniciaErros();
    AdicionaErro(AlertaErro, QStringLiteral("primeiro"));
    AdicionaErro(AlertaErro, QStringLiteral("segundo"));
    EsperaDialogo(QStringLiteral("cmdSim"));
    EXPECT_TRUE(ConcluiErros());
    EXPECT_EQ(visto.questao, Pergunta);
    EXPECT_FALSE(visto.ok);
    EXPECT_TRUE(visto.sim && visto.nao);
    EXPECT_EQ(visto.linhas, 2);
    EXPECT_TRUE(Geral::ComErros);
    EXPECT_FALSE(Geral::Cancelado);
}

TEST_F(ErrosListaTest, WarningsRefusedByNaoOrCloseBoxStopTheSave) {
    for (const QString& botao : {QStringLiteral("cmdNao"), QString()}) {
        IniciaErros();
        AdicionaErro(AlertaErro, QStringLiteral("suspeito"));
        EsperaDialogo(botao);
        EXPECT_FALSE(ConcluiErros()) << botao.toStdString();
        EXPECT_FALSE(Geral::Cancelado);
        EXPECT_TRUE(Geral::ComErros);
    }
}

TEST_F(ErrosListaTest, OneFatalAmongWarningsOnlyLetsTheUserAcknowledge) {
    IniciaErros();
    AdicionaErro(AlertaErro, QStringLiteral("a"));
    AdicionaErro(ErroFatal, QStringLiteral("b"));
    AdicionaErro(AlertaErro, QStringLiteral("c"));
    EsperaDialogo(QStringLiteral("cmdOk"));
    EXPECT_FALSE(ConcluiErros());
    EXPECT_EQ(visto.questao, Fatal);
    EXPECT_TRUE(visto.ok);
    EXPECT_FALSE(visto.sim || visto.nao);
    EXPECT_EQ(visto.linhas, 3);
    EXPECT_FALSE(Geral::Cancelado);
}

TEST_F(ErrosListaTest, RowsCarryTheirOwnNumbersAndASecondSaveStartsAgainFromOne) {
    IniciaErros();
    AdicionaErro(ErroFatal, QStringLiteral("um"));
    AdicionaErro(ErroFatal, QStringLiteral("dois"));
    IniciaErros();
    AdicionaErro(AlertaErro, QStringLiteral("só este"));
    EXPECT_EQ(Geral::ContaErros, 2);
    EXPECT_EQ(Geral::ListaErros[1].Numero, 1);
    EXPECT_EQ(Geral::ListaErros[1].Descricao, QStringLiteral("só este"));
    EXPECT_TRUE(Geral::ListaErros[2].vazia());
}

TEST_F(ErrosListaTest, TwentyRulesFillTheListExactly) {
    IniciaErros();
    for (int i = 1; i <= 20; ++i) AdicionaErro(AlertaErro, QStringLiteral("regra %1").arg(i));
    EXPECT_EQ(Geral::ContaErros, 21);
    EXPECT_EQ(Geral::ListaErros[20].Descricao, QStringLiteral("regra 20"));
    EXPECT_EQ(Geral::ListaErros[20].Numero, 20);
}

TEST_F(ErrosListaTest, MoreRulesThanRowsEndWithTheOverflowRow) {
    IniciaErros();
    for (int i = 1; i <= 25; ++i) AdicionaErro(AlertaErro, QStringLiteral("regra %1").arg(i));
    EXPECT_EQ(Geral::ContaErros, 21);
    EXPECT_EQ(Geral::ListaErros[19].Descricao, QStringLiteral("regra 19"));
    EXPECT_EQ(Geral::ListaErros[20].Descricao, OutrosErros.toString());
    EXPECT_EQ(Geral::ListaErros[20].Tipo, AlertaErro.toString());
    EXPECT_EQ(Geral::ListaErros[20].Numero, 20);
}

// The fatal rule that does not fit still blocks the save: the dialog is in fatal mode.
TEST_F(ErrosListaTest, AFatalRuleBeyondTheListMakesTheOverflowRowFatal) {
    IniciaErros();
    for (int i = 1; i <= 20; ++i) AdicionaErro(AlertaErro, QStringLiteral("regra %1").arg(i));
    AdicionaErro(ErroFatal, QStringLiteral("a 21ª é fatal"));
    AdicionaErro(AlertaErro, QStringLiteral("a 22ª não"));
    EXPECT_EQ(Geral::ListaErros[20].Tipo, ErroFatal.toString());
    EsperaDialogo(QStringLiteral("cmdOk"));
    EXPECT_FALSE(ConcluiErros());
    EXPECT_EQ(visto.questao, Fatal);
    EXPECT_EQ(visto.linhas, 20);
}

TEST_F(ErrosListaTest, TheTwentiethRuleFatalAndDisplacedKeepsTheOverflowRowFatal) {
    IniciaErros();
    for (int i = 1; i <= 19; ++i) AdicionaErro(AlertaErro, QStringLiteral("regra %1").arg(i));
    AdicionaErro(ErroFatal, QStringLiteral("regra 20"));
    AdicionaErro(AlertaErro, QStringLiteral("regra 21"));
    EXPECT_EQ(Geral::ListaErros[20].Descricao, OutrosErros.toString());
    EXPECT_EQ(Geral::ListaErros[20].Tipo, ErroFatal.toString());
}

}  // namespace
