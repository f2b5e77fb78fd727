#include <gtest/gtest.h>

#include "platform/db/Connection.h"
#include "registers/codfiscal_sql.h"
#include "registers/forcli_sql.h"
#include "support/TempProgramFolder.h"

using namespace registers;
using platform::db::Connection;
using testsupport::TempProgramFolder;

namespace {

forcli::Parceiro fornecedor() {
    return {QStringLiteral("11.222.333/0001-81"),
            QStringLiteral("Casa \"Central\" d'Água"),
            QStringLiteral("110'042"),
            QStringLiteral("Rua A"),
            QStringLiteral("12"),
            QStringLiteral("sala 3"),
            QStringLiteral("Centro"),
            QStringLiteral("cidade"),
            QStringLiteral("SP"),
            QStringLiteral("01001-000"),
            QStringLiteral("3550308"),
            QStringLiteral("Brasil"),
            QStringLiteral("1058")};
}

class Registers : public ::testing::Test {
  protected:
    void SetUp() override { cn.Open(folder.registryConnection()); }
    TempProgramFolder folder;
    Connection cn;
};

TEST_F(Registers, PartyRoundTripsEveryColumnAsTyped) {
    const auto p = fornecedor();
    forcli::Inclui(cn, forcli::Fornecedores, p);
    auto rs = forcli::Procura(cn, QStringLiteral("forgeral"), p.cgc);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(forcli::LeParceiro(rs), p);
    EXPECT_FALSE(forcli::Existe(cn, forcli::Clientes, p.cgc));

    auto changed = p;
    changed.nome = QStringLiteral("Outro");
    changed.complemento.clear();
    forcli::Altera(cn, forcli::Fornecedores, changed);
    EXPECT_EQ(forcli::LeParceiro(forcli::Procura(cn, forcli::Fornecedores, p.cgc)), changed);
}

TEST_F(Registers, DualInsertWritesBothOrNeither) {
    const auto p = fornecedor();
    forcli::IncluiDupla(cn, p);
    EXPECT_EQ(forcli::LeParceiro(forcli::Procura(cn, forcli::Clientes, p.cgc)), p);
    EXPECT_EQ(forcli::LeParceiro(forcli::Procura(cn, forcli::Fornecedores, p.cgc)), p);
    forcli::Exclui(cn, forcli::Fornecedores, p.cgc);
    EXPECT_FALSE(forcli::Existe(cn, forcli::Fornecedores, p.cgc));
    EXPECT_TRUE(forcli::Existe(cn, forcli::Clientes, p.cgc));

    // The second insert fails: the first one must not stay.
    cn.Execute(
        QStringLiteral("CREATE TRIGGER falha BEFORE INSERT ON ForGeral BEGIN SELECT RAISE(ABORT, 'x'); END"));
    auto q = p;
    q.cgc = QStringLiteral("123.456.789-09");
    EXPECT_THROW(forcli::IncluiDupla(cn, q), platform::db::Error);
    EXPECT_FALSE(forcli::Existe(cn, forcli::Clientes, q.cgc));
}

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
    cfop::Inclui(cn, Tabela::Ate2002, QStringLiteral("8.00"), QStringLiteral("d'a"));
    cfop::Inclui(cn, Tabela::Ate2002, QStringLiteral("8.10"), QStringLiteral("b"));
    cfop::Inclui(cn, Tabela::Ate2002, QStringLiteral("8.11"), QStringLiteral("c"));
    cfop::Inclui(cn, Tabela::Desde2003, QStringLiteral("8.100"), QStringLiteral("d"));
    cfop::Inclui(cn, Tabela::Desde2003, QStringLiteral("8.110"), QStringLiteral("e"));
    cfop::Inclui(cn, Tabela::Desde2003, QStringLiteral("8.101"), QStringLiteral("f"));
    auto nivel = [&](Tabela t, const char* c) {
        return cfop::Procura(cn, t, QString::fromLatin1(c)).Fields(QStringLiteral("Nivel")).toString();
    };
    EXPECT_EQ(nivel(Tabela::Ate2002, "8.00"), QStringLiteral("1"));
    EXPECT_EQ(nivel(Tabela::Ate2002, "8.10"), QStringLiteral("2"));
    EXPECT_EQ(nivel(Tabela::Ate2002, "8.11"), QStringLiteral("3"));
    EXPECT_EQ(nivel(Tabela::Desde2003, "8.100"), QStringLiteral("2"));
    EXPECT_EQ(nivel(Tabela::Desde2003, "8.110"), QStringLiteral("3"));
    EXPECT_EQ(nivel(Tabela::Desde2003, "8.101"), QStringLiteral("3"));
    EXPECT_TRUE(cfop::Existe(cn, Tabela::Ate2002, QStringLiteral("8.00")));
    EXPECT_EQ(cfop::Procura(cn, Tabela::Ate2002, QStringLiteral("8.00"))
                  .Fields(QStringLiteral("descri"))
                  .toString(),
              QStringLiteral("d'a"));

    cfop::Altera(cn, Tabela::Desde2003, QStringLiteral("8.100"), QStringLiteral("nova"));
    EXPECT_EQ(nivel(Tabela::Desde2003, "8.100"), QStringLiteral("2"));
    cfop::Exclui(cn, Tabela::Desde2003, QStringLiteral("8.100"));
    EXPECT_FALSE(cfop::Existe(cn, Tabela::Desde2003, QStringLiteral("8.100")));
}

}  // namespace
