#include <gtest/gtest.h>

#include "UsuariosFixture.h"
#include "platform/report/Automation.h"
#include "platform/report/LayoutRegistry.h"
#include "support/Golden.h"

using namespace platform::report;

namespace {

using RelatorioUsuarioGoldenTest = UsuariosFixture;

TEST_F(RelatorioUsuarioGoldenTest, TheUserSheet) {
    auto layout = layoutRegistry().create(QStringLiteral("Usuario.rpt"));
    ASSERT_NE(layout, nullptr);
    CrystalDataObject dados;
    for (const char* campo : {"codigo", "nome", "data"})
        dados.AddField(QString::fromLatin1(campo), FieldType::Text);
    for (const char* campo :
         {"Bdcon", "Bdadi", "Bdexc", "Bdalt", "Cfcon", "Cfadi", "Cfexc", "Cfalt", "Cfbai"})
        dados.AddField(QString::fromLatin1(campo), FieldType::Boolean);
    dados.AddRows({{QStringLiteral("12"), QStringLiteral("Ana D'Ávila"), QStringLiteral("05/01/2012"), true,
                    false, true, false, true, false, false, true, true}});
    PrintValues valores;
    valores.title = QStringLiteral("Cadastro de Usuário");
    testsupport::expectGolden("Usuario", buildDocument(*layout, dados.data(), valores));
}

}  // namespace
