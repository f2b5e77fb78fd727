#include <gtest/gtest.h>

#include "UsuariosFixture.h"
#include "platform/report/Automation.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/ReportLayout.h"
#include "shell/RelatorioUsuario.h"

using namespace platform::report;

namespace {

class RelatorioUsuarioTest : public UsuariosFixture {
  protected:
    // The page of one user as the users print hands him over: code, name, date and nine rights.
    Document Pagina(const std::vector<bool>& direitos) {
        auto layout = layoutRegistry().create(QStringLiteral("/pasta/Usuario.rpt"));
        EXPECT_NE(layout, nullptr);
        CrystalDataObject dados;
        for (const char* campo : {"codigo", "nome", "data"})
            dados.AddField(QString::fromLatin1(campo), FieldType::Text);
        for (const char* campo :
             {"Bdcon", "Bdadi", "Bdexc", "Bdalt", "Cfcon", "Cfadi", "Cfexc", "Cfalt", "Cfbai"})
            dados.AddField(QString::fromLatin1(campo), FieldType::Boolean);
        std::vector<Value> linha{QStringLiteral("12"), QStringLiteral("Ana D'Ávila"),
                                 QStringLiteral("05/01/2012")};
        for (bool d : direitos) linha.emplace_back(d);
        dados.AddRows({linha});
        return buildDocument(*layout, dados.data(), PrintValues{});
    }
};

TEST_F(RelatorioUsuarioTest, OnePageWithTheUserAndATickedBoxForEachRightGiven) {
    const Document doc = Pagina({true, false, true, false, false, false, false, false, true});
    ASSERT_EQ(doc.pages.size(), 1u);
    const Page& p = doc.pages[0];
    const QStringList linhas = p.textLines();
    EXPECT_EQ(linhas.value(0), QStringLiteral("Cadastro de Usuário"));
    EXPECT_TRUE(linhas.contains(QStringLiteral("Código: 12"))) << linhas.join(u'|').toStdString();
    EXPECT_TRUE(linhas.contains(QStringLiteral("Nome: Ana D'Ávila")));
    EXPECT_TRUE(linhas.contains(QStringLiteral("Data da Senha: 05/01/2012")));
    EXPECT_TRUE(linhas.contains(QStringLiteral("Tarefas do Banco de Dados")));
    EXPECT_TRUE(linhas.contains(QStringLiteral("Tarefas do Controle Financeiro")));
    EXPECT_TRUE(linhas.contains(QStringLiteral("Consulta de Registros X")));
    EXPECT_TRUE(linhas.contains(QStringLiteral("Inclusão de Registros")));
    EXPECT_TRUE(linhas.contains(QStringLiteral("Exclusão de Registros X")));
    EXPECT_TRUE(linhas.contains(QStringLiteral("Consultas Financeiras")));
    EXPECT_TRUE(linhas.contains(QStringLiteral("Baixa de Recibos X")));

    // Nine boxes, one under the other, and each tick inside its box.
    ASSERT_EQ(p.boxes.size(), 9u);
    const auto marcas = p.find(QStringLiteral("X"));
    ASSERT_EQ(marcas.size(), 3u);
    for (const TextItem* m : marcas) {
        bool dentro = false;
        for (const BoxItem& b : p.boxes)
            dentro = dentro || (m->x >= b.x && m->x + m->width <= b.x + b.width + 0.01 &&
                                m->y >= b.y - 0.01 && m->y + m->height <= b.y + b.height + 0.01);
        EXPECT_TRUE(dentro);
    }
    for (std::size_t i = 1; i < p.boxes.size(); ++i) EXPECT_GT(p.boxes[i].y, p.boxes[i - 1].y);
}

TEST_F(RelatorioUsuarioTest, AUserWithoutRightsPrintsNineEmptyBoxes) {
    const Document doc = Pagina(std::vector<bool>(9, false));
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_TRUE(doc.pages[0].find(QStringLiteral("X")).empty());
    EXPECT_EQ(doc.pages[0].boxes.size(), 9u);
}

}  // namespace
