#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "platform/controls/TDBList.h"
#include "platform/controls/XArrayDB.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/InformacaoSistema.h"
#include "shell/frmColaboradores.h"
#include "shell/frmSobre.h"
#include "support/UiFixture.h"

using namespace shell;
using namespace testsupport;
using platform::ui::Msg::OK;

namespace {

const QString Indisponivel = QStringLiteral("As Informações do Sistema Não Estão Disponíveis No Momento");

// Finds the programs it is told of and records what would have been started.
class LancadorTeste : public LancadorPrograma {
  public:
    QStringList presentes;
    bool iniciaComSucesso = true;
    QStringList iniciados;

    QString Localiza(const QString& nome) const override {
        return presentes.contains(nome) ? QStringLiteral("/opt/teste/") + nome : QString();
    }
    bool Inicia(const QString& caminho) override {
        iniciados << caminho;
        return iniciaComSucesso;
    }
};

class frmSobreTest : public UiFixture {
  protected:
    void SetUp() override {
        UiFixture::SetUp();
        DefineLancador(&lancador);
        w = platform::ui::ShowForm<frmSobre>();
        ASSERT_NE(w, nullptr);
        settle();
    }
    void TearDown() override {
        DefineLancador(nullptr);
        UiFixture::TearDown();
    }
    void SysInfo() {
        click(w, QStringLiteral("cmdSysInfo"));
        settle();
    }

    LancadorTeste lancador;
    frmSobre* w = nullptr;
};

TEST_F(frmSobreTest, TheVersionIsShownAsPlainNumbersWithTheRelease) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Sobre o Redazor Tarvel"));
    EXPECT_EQ(w->lblTitle->text(), QStringLiteral("Redazor Tarvel"));
    EXPECT_EQ(frmSobre::TextoVersao(QStringLiteral("2.6.1")), QStringLiteral("Versão 2.6.1 Janeiro/2012"));
    EXPECT_EQ(frmSobre::TextoVersao(QStringLiteral("02.06.10")),
              QStringLiteral("Versão 2.6.10 Janeiro/2012"));
    EXPECT_EQ(w->lblVersion->text(), frmSobre::TextoVersao(QStringLiteral(RT_VERSION)));
    EXPECT_TRUE(w->lblVersion->text().startsWith(QStringLiteral("Versão ")));
}

TEST_F(frmSobreTest, SystemInformationStartsTheFirstProgramFound) {
    lancador.presentes = {QStringLiteral("gnome-system-monitor"), QStringLiteral("kinfocenter")};
    SysInfo();
    EXPECT_EQ(lancador.iniciados, QStringList{QStringLiteral("/opt/teste/kinfocenter")});
    EXPECT_TRUE(script->shown().empty());
}

TEST_F(frmSobreTest, WithoutAProgramOrWhenItsStartFailsTheBoxSaysSoAndStaysOpen) {
    script->expect(Indisponivel, QString(), OK);
    SysInfo();
    EXPECT_TRUE(lancador.iniciados.isEmpty());
    ASSERT_EQ(script->shown().size(), 1u);
    EXPECT_EQ(script->shown().back().style, platform::ui::Msg::OKOnly);

    lancador.presentes = {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter")};
    lancador.iniciaComSucesso = false;
    script->expect(Indisponivel, QString(), OK);
    SysInfo();
    EXPECT_EQ(lancador.iniciados, QStringList{QStringLiteral("/opt/teste/hardinfo")});
    EXPECT_EQ(platform::ui::FindForm<frmSobre>(), w);
}

TEST_F(frmSobreTest, TheContributorsWindowListsNobodyAndSortsByItsHeaders) {
    click(w, QStringLiteral("cmdColabora"));
    settle();
    auto* c = platform::ui::FindForm<frmColaboradores>();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->windowTitle(), QStringLiteral("Pesquisa de Moradores"));
    EXPECT_EQ(c->tdbColaboradores->ColumnCaption(0), QStringLiteral("Nome"));
    EXPECT_EQ(c->tdbColaboradores->ColumnCaption(1), QStringLiteral("E-mail "));
    EXPECT_EQ(c->Colaboradores().Count(1), 0);
    EXPECT_TRUE(c->lblDisclaimer->text().endsWith(QStringLiteral("Obrigado a todos :^) ! ")));

    auto& linhas = c->Colaboradores();
    linhas.ReDim(0, 2, 0, 1);
    const char* nomes[] = {"Bruno", "álvaro", "Carla"};
    for (int i = 0; i < 3; ++i) linhas.setValue(i, 0, QString::fromUtf8(nomes[i]));
    c->tdbColaboradores_HeadClick(0);
    EXPECT_EQ(linhas.Value(0, 0).toString(), QStringLiteral("álvaro"));
    EXPECT_EQ(linhas.Value(2, 0).toString(), QStringLiteral("Carla"));
    c->tdbColaboradores_HeadRightClick(0);
    EXPECT_EQ(linhas.Value(0, 0).toString(), QStringLiteral("Carla"));

    click(c, QStringLiteral("cmdSair"));
    settle();
    EXPECT_EQ(platform::ui::FindForm<frmColaboradores>(), nullptr);
    click(w, QStringLiteral("cmdOk"));
    settle();
    EXPECT_EQ(platform::ui::FindForm<frmSobre>(), nullptr);
}

}  // namespace
