#include <gtest/gtest.h>

#include <QLineEdit>
#include <QVBoxLayout>

#include "companies/CampoEmpresa.h"
#include "companies/empresas_sql.h"
#include "platform/ui/MsgBox.h"
#include "support/EmpresaGravada.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

using namespace Empresas;
using namespace testsupport;

namespace {

TEST(NumeroEmpresaDoCampo, OnlyDigitsNameACompanyWhateverTheirLeadingZeros) {
    const std::pair<const char*, qint64> casos[] = {{"7", 7},
                                                    {"007", 7},
                                                    {" 12 ", 12},
                                                    {"0000000000000000000040", 40},
                                                    {"999999999999999999", 999999999999999999},
                                                    {"", 0},
                                                    {"0", 0},
                                                    {"000", 0},
                                                    {"-5", 0},
                                                    {"+5", 0},
                                                    {"7,5", 0},
                                                    {"1e3", 0},
                                                    {"abc", 0},
                                                    {"12abc", 0},
                                                    {"9999999999999999999", 0}};
    for (const auto& [texto, numero] : casos) EXPECT_EQ(NumeroEmpresa(texto), numero) << texto;
}

// The windows' company code field: no number is left alone, an unknown company is told in the
// window's own words and emptied, a known one is read whole.
class CampoEmpresaTest : public UiFixture {
  protected:
    void SetUp() override {
        UiFixture::SetUp();
        db.Open(pasta.registryConnection());
        DadosEmpresa e;
        e.codigo = 7;
        e.nome = QStringLiteral("Sete");
        e.uf = QStringLiteral("SP");
        InsereEmpresa(db, e);
        auto* layout = new QVBoxLayout(&janela);
        layout->addWidget(campo);
        layout->addWidget(outro);
        janela.show();
        settle();
    }
    TempProgramFolder pasta;
    platform::db::Connection db;
    QWidget janela;
    QLineEdit* campo = new QLineEdit(&janela);
    QLineEdit* outro = new QLineEdit(&janela);
};

TEST_F(CampoEmpresaTest, AnUnknownCompanyIsToldInTheWindowsWordsAndEmptied) {
    const std::pair<BotaoLista, const char*> avisos[] = {
        {BotaoLista::Pesquisar, "Empresa Não Cadastrada, Utilize o Botão Pesquisar !"},
        {BotaoLista::PesquisarLista,
         "Empresa Não Cadastrada, Utilize o Botão Pesquisar para acionar uma lista de empresas !"},
        {BotaoLista::Ativar,
         "Empresa Não Cadastrada, Utilize o Botão Ativar para acionar uma lista de empresas !"}};
    for (const auto& [botao, aviso] : avisos) {
        SCOPED_TRACE(aviso);
        for (const char* nada : {"", "0", "abc"}) {
            campo->setText(QString::fromLatin1(nada));
            EXPECT_FALSE(LeEmpresaDoCampo(*campo, db, botao));
            EXPECT_EQ(campo->text(), QString::fromLatin1(nada));
        }
        campo->setText(QStringLiteral("0007"));
        const auto sete = LeEmpresaDoCampo(*campo, db, botao);
        ASSERT_TRUE(sete && !sete->Eof());
        EXPECT_EQ(sete->Fields("nome").toString(), "Sete");
        EXPECT_EQ(campo->text(), "0007");

        script->expect(QString::fromUtf8(aviso), QStringLiteral("Atenção..."), platform::ui::Msg::OK);
        campo->setText(QStringLiteral("8"));
        outro->setFocus();
        const auto oito = LeEmpresaDoCampo(*campo, db, botao);
        settle();
        ASSERT_TRUE(oito);
        EXPECT_TRUE(oito->Eof());
        EXPECT_TRUE(campo->text().isEmpty());
        EXPECT_EQ(focused(), campo);
        EXPECT_EQ(script->shown().back().style, platform::ui::Msg::Exclamation);
    }
}

}  // namespace
