#include <gtest/gtest.h>

#include "EmpresaFixture.h"
#include "companies/CamposEmpresa.h"
#include "companies/empresas_sql.h"
#include "platform/report/Automation.h"
#include "platform/report/LayoutRegistry.h"
#include "support/EmpresaGravada.h"
#include "support/Golden.h"

using namespace platform::report;
using platform::values::Currency;

namespace {

using RelatorioEmpresaGoldenTest = EmpresaFixture;

TEST_F(RelatorioEmpresaGoldenTest, TheRegistrationSheet) {
    testsupport::DadosEmpresa e = Empresa(7, QStringLiteral("Padaria D'Ávila Ltda"));
    e.endereco = QStringLiteral("Rua do Sol");
    e.numero = QStringLiteral("12");
    // Pasted control characters print as blanks; the masks never typed (CNAE, CEI) print nothing, the
    // CCM partly typed prints its prompts as blanks.
    e.ccm = QStringLiteral("31.459.265-__");
    e.complemento = QStringLiteral("Sala\t3\x1b");
    e.bairro = QStringLiteral("Centro");
    e.cidade = QStringLiteral("Dias d'Ávila");
    e.uf = QStringLiteral("BA");
    e.cep = QStringLiteral("42850-000");
    e.cgc = QStringLiteral("11.222.333/0001-81");
    e.inscr_estadual = QStringLiteral("123456");
    e.data_cadastro = QDate(2004, 3, 15);
    e.situ = QStringLiteral("I");
    e.atividade = QStringLiteral("Pães e doces");
    e.contato1 = QStringLiteral("João");
    e.ddd = QStringLiteral("071");
    e.fone1 = QStringLiteral("33335555");
    e.fone2 = QStringLiteral("33336666");
    e.perc_ipi = Currency::fromRaw(15000);
    e.irpj_vendas = Currency::fromRaw(80000);
    e.tpescri = QStringLiteral("C");
    e.icms = QStringLiteral("R");
    e.observacao = QStringLiteral(
        "Cliente desde a fundação, atendida pelo escritório em todos os livros fiscais e trabalhistas; "
        "os documentos do mês chegam até o dia cinco e as guias vão por correio ao endereço da sede.\n"
        "Segunda linha das observações.");
    Insere(e);
    auto layout = layoutRegistry().create(QStringLiteral("Empr.rpt"));
    ASSERT_NE(layout, nullptr);
    CrystalDataObject dados;
    Empresas::DeclaraCamposEmpresa(dados);
    dados.AddRows({Empresas::LinhaEmpresa(
        Empresas::LeEmpresa(db, 7),
        {QStringLiteral("Microempresa"), QStringLiteral("01/01/2005"), Currency::fromRaw(15004600)})});
    PrintValues valores;
    valores.title = QStringLiteral("Cadastro de Empresas");
    testsupport::expectGolden("Empr", buildDocument(*layout, dados.data(), valores));
}

}  // namespace
