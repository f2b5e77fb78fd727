#include <gtest/gtest.h>

#include <QRegularExpression>

#include "shell/Sessao.h"

using namespace shell;

TEST(SessaoTest, OnlyTheExactNameIsTheAdministrator) {
    EXPECT_TRUE(EhAdministrador("Administrador"));
    EXPECT_FALSE(EhAdministrador("administrador"));
    EXPECT_FALSE(EhAdministrador("ADMINISTRADOR"));
    EXPECT_FALSE(EhAdministrador("Administrador "));
}

TEST(SessaoTest, AdministratorLosesTheWorkingMenusAndGainsAjuste) {
    for (const char* item : {"mnuEmpresas", "mnuSocios", "mnuTerceiros", "mnuEscrita", "mnuIntegracoes",
                             "mnuLivros", "mnuEtiq", "mnuRelatorios"}) {
        EXPECT_FALSE(ItemLiberado(QString::fromUtf8(item), "Administrador")) << item;
        EXPECT_TRUE(ItemLiberado(QString::fromUtf8(item), "administrador")) << item;
    }
    EXPECT_TRUE(ItemLiberado(u"mnuAjuste", "Administrador"));
    EXPECT_FALSE(ItemLiberado(u"mnuAjuste", "Maria"));
    for (const char* item : {"mnuSair", "mnuJanelas", "mnuConfig", "mnuUsuario", "mnuMusu", "mnuSobre"}) {
        EXPECT_TRUE(ItemLiberado(QString::fromUtf8(item), "Administrador")) << item;
        EXPECT_TRUE(ItemLiberado(QString::fromUtf8(item), "Maria")) << item;
    }
}

TEST(SessaoTest, AdministratorKeepsOnlyTheChangeOfUserButton) {
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(BotaoLiberado(i, "Administrador"), i == 12) << i;
        EXPECT_TRUE(BotaoLiberado(i, "Maria")) << i;
    }
}

TEST(SessaoTest, CaptionCarriesVersionAndUser) {
    EXPECT_EQ(TituloPrincipal("João").toStdString(),
              "Redazor Tarvel - Zelmor Informática Vs." RT_VERSION " - Usuário: João");
    EXPECT_TRUE(QStringLiteral(RT_VERSION).contains(QRegularExpression("^\\d+\\.\\d+\\.\\d+$")));
}
