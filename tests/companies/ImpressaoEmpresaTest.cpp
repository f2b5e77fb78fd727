#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "EmpresaFixture.h"
#include "companies/CamposEmpresa.h"
#include "companies/RelatorioEmpresa.h"
#include "platform/controls/SSTab.h"
#include "platform/report/Automation.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Hourglass.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "support/EmpresaGravada.h"

using namespace testsupport;
using namespace platform::report;
using platform::values::Currency;

namespace {

class ImpressaoEmpresaTest : public EmpresaFixture {
  protected:
    // A company with every field of the sheet filled.
    testsupport::DadosEmpresa Completa() {
        testsupport::DadosEmpresa e = Empresa(7, QStringLiteral("Padaria D'Ávila Ltda"));
        e.endereco = QStringLiteral("Rua do Sol");
        e.numero = QStringLiteral("12");
        e.complemento = QStringLiteral("Sala 3");
        e.bairro = QStringLiteral("Centro");
        e.cidade = QStringLiteral("Dias d'Ávila");
        e.uf = QStringLiteral("BA");
        e.cep = QStringLiteral("42850-000");
        e.cgc = QStringLiteral("11.222.333/0001-81");
        e.inscr_estadual = QStringLiteral("123456");
        e.cei = QStringLiteral("12.345.67890-12");
        e.ccm = QStringLiteral("12.345.678-90");
        e.data_cadastro = QDate(2004, 3, 15);
        e.cnae = QStringLiteral("12345-67");
        e.situ = QStringLiteral("I");
        e.atividade = QStringLiteral("Pães e doces");
        e.contato1 = QStringLiteral("João");
        e.contato2 = QStringLiteral("Maria");
        e.ddd = QStringLiteral("071");
        e.fax = QStringLiteral("33334444");
        e.fone1 = QStringLiteral("33335555");
        e.fone2 = QStringLiteral("33336666");
        e.email = QStringLiteral("a@b.com.br");
        e.homepage = QStringLiteral("www.b.com.br");
        e.perc_ipi = Currency::fromRaw(15000);
        e.perc_convenio = Currency::fromRaw(25000);
        e.irpj_vendas = Currency::fromRaw(80000);
        e.irpj_servicos = Currency::fromRaw(322500);
        e.tipo_empresa = QStringLiteral("Sociedade Civil");
        e.fundacao = QDate(1999, 12, 31);
        e.tpescri = QStringLiteral("C");
        e.tpipi = QStringLiteral("M");
        e.tpiss = QStringLiteral("53");
        e.icms = QStringLiteral("R");
        e.gricms = QStringLiteral("2");
        e.sp = QStringLiteral("B");
        e.observacao = QStringLiteral("Cliente desde a fundação.");
        return e;
    }
    void Imprime() {
        w->sstabCli->setTab(0);
        clickInto(w->txtNome);
        click(w, QStringLiteral("cmdImprimir"));
        settle();
    }
    bool Contem(const QStringList& linhas, const QString& texto) {
        for (const QString& l : linhas)
            if (l.contains(texto)) return true;
        ADD_FAILURE() << "no line holds " << texto.toStdString()
                      << " in: " << linhas.join(u'|').toStdString();
        return false;
    }
};

TEST_F(ImpressaoEmpresaTest, TheRowHasTheFortyThreeFieldsInTheirOrderNamesAndTypes) {
    const auto& campos = Empresas::CamposEmpresa();
    ASSERT_EQ(campos.size(), 43u);
    EXPECT_STREQ(campos[0].nome, "Codigo");
    EXPECT_STREQ(campos[24].nome, "email");
    EXPECT_STREQ(campos[26].nome, "enquadra");
    EXPECT_STREQ(campos[34].nome, "capatual");
    EXPECT_EQ(campos[34].tipo, FieldType::Currency);
    EXPECT_STREQ(campos[40].nome, "sp");
    EXPECT_STREQ(campos[42].nome, "observacao");
    for (std::size_t i = 0; i < campos.size(); ++i)
        if (i != 34) {
            EXPECT_EQ(campos[i].tipo, FieldType::Text) << campos[i].nome;
        }

    // Codes as codes, numbers in the system's text form, the period as its first day.
    Insere(Completa());
    db.Execute(QStringLiteral("UPDATE Empresas Set apelido = 'Padoca', mes_base_fiscal = ? Where codigo = 7"),
               {QDate(2005, 4, 1)});
    const auto linha = Empresas::LinhaEmpresa(
        Empresas::LeEmpresa(db, 7),
        {QStringLiteral("Microempresa"), QStringLiteral(" 01/01/2005 "), Currency::fromRaw(15004560)});
    ASSERT_EQ(linha.size(), 43u);
    const auto texto = [&linha](int i) { return std::get<QString>(linha[std::size_t(i)]); };
    EXPECT_EQ(texto(0), QStringLiteral("7"));
    EXPECT_EQ(texto(2), QStringLiteral("Padoca"));
    EXPECT_EQ(texto(14), QStringLiteral("15/03/2004"));
    EXPECT_EQ(texto(16), QStringLiteral("I"));
    EXPECT_EQ(texto(27), QStringLiteral("01/01/2005"));
    EXPECT_EQ(texto(28), QStringLiteral("1,5"));
    EXPECT_EQ(texto(31), QStringLiteral("32,25"));
    EXPECT_EQ(texto(33), QStringLiteral("31/12/1999"));
    EXPECT_EQ(std::get<Currency>(linha[34]), Currency::fromRaw(15004600));
    EXPECT_EQ(texto(37), QStringLiteral("53"));
    EXPECT_EQ(texto(41), QStringLiteral("01/04/2005"));
}

TEST_F(ImpressaoEmpresaTest, ACompanyWithEveryFieldPrintsItsWholeSheetAfterTheSave) {
    const qint64 codauto = Insere(Completa());
    db.Execute(
        QStringLiteral("INSERT INTO Enquadramento (codempr, denquadra, codtipo) VALUES (7, ?, 1), (7, ?, 3)"),
        {QDate(2003, 2, 1), QDate(2005, 1, 1)});
    db.Execute(
        QStringLiteral("INSERT INTO Contrato (codempr, Dregistro, capital) VALUES (?, ?, ?), (?, ?, ?)"),
        {codauto, QDate(2006, 1, 1), Currency::fromRaw(15004560), codauto, QDate(2001, 1, 1),
         Currency::fromUnits(10)});
    Carrega(7);
    // The sheet shows what the save writes.
    w->txtBairro->setText(QStringLiteral("Pelourinho"));
    Imprime();
    EXPECT_EQ(w->Estado(), 1);
    EXPECT_FALSE(platform::ui::hourglassShown());
    EXPECT_EQ(Empresas::LeEmpresa(db, 7).Fields("bairro").toString(), QStringLiteral("Pelourinho"));
    EXPECT_EQ(CaptionPrevia(), QStringLiteral("Cadastro de Empresas"));
    const auto previas = Previas();
    ASSERT_EQ(previas.size(), 1u);
    ASSERT_EQ(previas[0].pages.size(), 1u);
    const QStringList l = previas[0].pages[0].textLines();
    EXPECT_EQ(l.value(0), QStringLiteral("Cadastro de Empresas"));
    for (const char* t : {"Identificação",
                          "Código: 7",
                          "Razão Social: Padaria D'Ávila Ltda",
                          "Situação: Inativo",
                          "D.Cadastro: 15/03/2004",
                          "Data de Fundação: 31/12/1999",
                          "CNAE: 12345-67",
                          "Descrição da Atividade: Pães e doces",
                          "Tipo de Empresa: Sociedade Civil",
                          "Endereço",
                          "Rua/Praça/Avenida: Rua do Sol",
                          "Nr.: 12",
                          "Complemento: Sala 3",
                          "Bairro: Pelourinho",
                          "Cidade: Dias d'Ávila",
                          "UF: BA",
                          "Cep: 42850-000",
                          "Inscrições",
                          "C.N.P.J.: 11.222.333/0001-81",
                          "Inscrição Estadual: 123456",
                          "CEI: 12.345.67890-12",
                          "CCM: 12.345.678-90",
                          "Regimes",
                          "Tipo de Redazor: Comércio",
                          "Tipo de IPI: Mensal",
                          "Tipo de ISS: Mod.53",
                          "Regime de Apuração do ICMS: RPA",
                          "Vencimento GR.ICMS: 2 Mêses Após",
                          "Simples Paulista: EPP/B",
                          "Enquadramento: Microempresa",
                          "Desde: 01/01/2005",
                          "Adicional IPI: 1,50",
                          "Ad.Convênios: 2,50",
                          "% Vendas: 8,00",
                          "% Serviços: 32,25",
                          "Capital Social Atual: 1.500,46",
                          "Contatos",
                          "Contato 1: João",
                          "Contato 2: Maria",
                          "DDD: 071",
                          "Telefones: 33335555 / 33336666",
                          "Fax: 33334444",
                          "E-mail: a@b.com.br",
                          "Home-Page: www.b.com.br",
                          "Observações",
                          "Cliente desde a fundação."})
        Contem(l, QString::fromUtf8(t));
}

TEST_F(ImpressaoEmpresaTest, ACompanyWithMostFieldsEmptyPrintsEmptyTextsAndACapitalOfZero) {
    Insere(7, QStringLiteral("Nova"));
    Carrega(7);
    Imprime();
    const auto previas = Previas();
    ASSERT_EQ(previas.size(), 1u);
    const QStringList l = previas[0].pages.at(0).textLines();
    for (const char* t : {"Código: 7", "Razão Social: Nova", "Situação: Ativo", "UF: SP",
                          "Capital Social Atual: 0,00", "Adicional IPI: 0,00"})
        Contem(l, QString::fromUtf8(t));
    // Empty values, and masks never typed, print nothing after their captions: each line holds its
    // captions side by side.
    for (const char* t : {"D.Cadastro: Data de Fundação: CNAE:", "Cidade: UF: SP Cep:", "CEI: CCM:",
                          "Enquadramento: Desde:", "Capital Social Atual: 0,00 Período de Trabalho:",
                          "Tipo de ISS: Regime de Apuração do ICMS:", "Apelido: Situação: Ativo"})
        Contem(l, QString::fromUtf8(t));
}

TEST_F(ImpressaoEmpresaTest, ASaveRefusedByItsRulesPrintsNothingAndKeepsTheRecord) {
    Insere(7);
    Carrega(7);
    w->txtNome->clear();
    QStringList erros;
    EsperaErros(&erros);
    Imprime();
    EXPECT_EQ(erros, QStringList{QStringLiteral("O campo Empresa é obrigatório !")});
    EXPECT_EQ(w->Estado(), 2);
    EXPECT_EQ(platform::report::frmRelatorio::shared(), nullptr);
    EXPECT_FALSE(platform::ui::hourglassShown());
    EXPECT_EQ(Empresas::LeEmpresa(db, 7).Fields("nome").toString(), QStringLiteral("Empresa"));
}

}  // namespace
