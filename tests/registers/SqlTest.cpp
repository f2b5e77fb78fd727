#include <gtest/gtest.h>

#include "platform/db/Connection.h"
#include "registers/codfiscal_sql.h"
#include "registers/forcli_sql.h"
#include "support/TempProgramFolder.h"

using namespace registers;
using platform::db::Connection;
using testsupport::TempProgramFolder;

namespace {

class Registers : public ::testing::Test {
  protected:
    void SetUp() override { cn.Open(folder.registryConnection()); }
    TempProgramFolder folder;
    Connection cn;
};

TEST_F(Registers, OnlyTheTwoRegistersAreTables) {
    EXPECT_THROW(forcli::Existe(cn, QStringLiteral("Usuarios"), QStringLiteral("1")),
                 platform::values::RuntimeError);
    EXPECT_THROW(forcli::Pesquisa(cn, QStringLiteral("ForGeral; DROP TABLE CliGeral")),
                 platform::values::RuntimeError);
}

TEST_F(Registers, DualInsertDefaultIsStored) {
    EXPECT_FALSE(forcli::LeInclusaoDupla(cn));
    forcli::GravaInclusaoDupla(cn, true);
    EXPECT_TRUE(forcli::LeInclusaoDupla(cn));
    cn.Execute(QStringLiteral("DELETE FROM Parametros"));
    EXPECT_FALSE(forcli::LeInclusaoDupla(cn));
}

TEST_F(Registers, CfopInsertDerivesTheLevelOfEachTable) {
    using cfop::Tabela;
    EXPECT_EQ(cfop::Nivel(Tabela::Ate2002, QStringLiteral("8.00")), QStringLiteral("1"));
    EXPECT_EQ(cfop::Nivel(Tabela::Ate2002, QStringLiteral("8.10")), QStringLiteral("2"));
    EXPECT_EQ(cfop::Nivel(Tabela::Ate2002, QStringLiteral("8.11")), QStringLiteral("3"));
    EXPECT_EQ(cfop::Nivel(Tabela::Desde2003, QStringLiteral("8.100")), QStringLiteral("2"));
    EXPECT_EQ(cfop::Nivel(Tabela::Desde2003, QStringLiteral("8.110")), QStringLiteral("3"));
    EXPECT_EQ(cfop::Nivel(Tabela::Desde2003, QStringLiteral("8.101")), QStringLiteral("3"));
    cn.Execute(QStringLiteral("INSERT INTO CodFiscal (codfiscal, Descri) VALUES ('8.00', 'd''a')"));
    cn.Execute(QStringLiteral("INSERT INTO CodFiscal2003 (codfiscal) VALUES ('8.100')"));
    EXPECT_TRUE(cfop::Existe(cn, Tabela::Ate2002, QStringLiteral("8.00")));
    EXPECT_EQ(cfop::Procura(cn, Tabela::Ate2002, QStringLiteral("8.00"))
                  .Fields(QStringLiteral("descri"))
                  .toString(),
              QStringLiteral("d'a"));

    cfop::Exclui(cn, Tabela::Desde2003, QStringLiteral("8.100"));
    EXPECT_FALSE(cfop::Existe(cn, Tabela::Desde2003, QStringLiteral("8.100")));
}

}  // namespace
