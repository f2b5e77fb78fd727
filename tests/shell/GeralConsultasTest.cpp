#include <gtest/gtest.h>

#include "platform/db/Connection.h"
#include "shell/EstadoGeral.h"
#include "shell/GeralConsultas.h"
#include "support/TempProgramFolder.h"

using testsupport::TempProgramFolder;

namespace {

class GeralConsultasTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = Geral::ConexaoCadastro;
        Geral::ConexaoCadastro = folder.registryConnection();
    }
    void TearDown() override { Geral::ConexaoCadastro = saved; }

    TempProgramFolder folder;
    QString saved;
};

TEST_F(GeralConsultasTest, ExisteUF) {
    EXPECT_TRUE(Geral::ExisteUF(QStringLiteral("SP")));
    EXPECT_TRUE(Geral::ExisteUF(QStringLiteral("EX")));
    EXPECT_TRUE(Geral::ExisteUF(QStringLiteral("df")));  // the database ignores letter case
    EXPECT_FALSE(Geral::ExisteUF(QStringLiteral("XX")));
    EXPECT_FALSE(Geral::ExisteUF(QString()));
    EXPECT_FALSE(Geral::ExisteUF(QStringLiteral("SP ")));  // not trimmed
    EXPECT_FALSE(Geral::ExisteUF(QStringLiteral("S'")));
    EXPECT_FALSE(Geral::ExisteUF(QStringLiteral("' OR '1'='1")));
    EXPECT_TRUE(Geral::ExisteUF(folder.registryConnection(), QStringLiteral("RJ")));
}

TEST_F(GeralConsultasTest, CodigoMunicipio) {
    EXPECT_EQ(Geral::CodigoMunicipio(QStringLiteral("SP"), QStringLiteral("São Paulo")),
              QStringLiteral("3550308"));
    EXPECT_EQ(Geral::CodigoMunicipio(QStringLiteral("sp"), QStringLiteral("SÃO PAULO")),
              QStringLiteral("3550308"));
    EXPECT_EQ(Geral::CodigoMunicipio(QStringLiteral("BA"), QStringLiteral("Dias d'Ávila")),
              QStringLiteral("2910057"));
    EXPECT_EQ(Geral::CodigoMunicipio(QStringLiteral("RO"), QStringLiteral("Alta Floresta D'Oeste")),
              QStringLiteral("1100015"));
    // Accents count, and a name in another state or a part of a name is not found.
    EXPECT_EQ(Geral::CodigoMunicipio(QStringLiteral("SP"), QStringLiteral("Sao Paulo")), QString());
    EXPECT_EQ(Geral::CodigoMunicipio(QStringLiteral("RJ"), QStringLiteral("São Paulo")), QString());
    EXPECT_EQ(Geral::CodigoMunicipio(QStringLiteral("SP"), QStringLiteral("São")), QString());
    EXPECT_EQ(Geral::CodigoMunicipio(QStringLiteral("SP"), QStringLiteral("x\" OR \"1\"=\"1")), QString());
    EXPECT_EQ(
        Geral::CodigoMunicipio(folder.registryConnection(), QStringLiteral("DF"), QStringLiteral("Brasília")),
        QStringLiteral("5300108"));
}

TEST_F(GeralConsultasTest, AMissingDatabaseReachesTheCaller) {
    Geral::ConexaoCadastro =
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=false; Data Source=") +
        folder.filePath(QStringLiteral("Nada.mdb")) + QStringLiteral(";");
    EXPECT_THROW(Geral::ExisteUF(QStringLiteral("SP")), platform::db::Error);
    EXPECT_THROW(Geral::CodigoMunicipio(QStringLiteral("SP"), QStringLiteral("São Paulo")),
                 platform::db::Error);
}

}  // namespace
