#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "LinhaEmpresa.h"
#include "books/Relatorios.h"
#include "books/frmLivrosIss.h"
#include "movement/ArquivoMovimento.h"
#include "platform/controls/TDBDate.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/PrintEngine.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "support/Golden.h"
#include "support/Money.h"
#include "support/RegistryWindowFixture.h"

using namespace LivrosIss;
using namespace testsupport;
using platform::db::Connection;
using platform::db::ObjectState;
using platform::report::frmRelatorio;
using platform::ui::Msg::OK;
using platform::values::Currency;

namespace {

const QString ErroFatal = QStringLiteral(
    "Esta empresa não está classificada para impressão de Livros de ISS, no cadastro da empresa informe "
    "Mod.51 ou Mod.53 para poder digitar e imprimir livros de ISS !");
const QString Inexistente = QStringLiteral("Arquivo de Movimento da Empresa Inexistente, Verifique !!!");

// Companies of March 2011: 7 of model 53 and 8 of model 51 with that year's movement file, 12 of model
// 53 whose working period is a year without one, and three of no ISS model.
class frmLivrosIssTest : public RegistryWindowFixture {
  protected:
    void SetUp() override {
        RegistryWindowFixture::SetUp();
        books::RegistraRelatorios();
        platform::report::PEOpenEngine();
        cadastro.Open(Geral::ConexaoCadastro);
        cadastro.Execute(
            "INSERT INTO Empresas(codigo,nome,tpescri,TpIss,mes_base_fiscal,endereco,numero,complemento,"
            "inscr_estadual,ccm,cgc) VALUES"
            "(7,'Obras Sete','P','53',?,'Rua das Flores','120',NULL,'123.456','9.876-5',"
            "'12.345.678/0001-95'),"
            "(8,'Oito Serviços','C','51',?,'Av. Brasil','8','sala 2','','55','11.222.333/0001-81'),"
            "(12,'Doze','P','53',?,'','',NULL,'','',''),"
            "(9,'Nove','P','52',?,'','',NULL,'','',''),(10,'Dez','P','',?,'','',NULL,'','',''),"
            "(11,'Onze','P',NULL,?,'','',NULL,'','','')",
            {QDate(2011, 3, 1), QDate(2011, 3, 1), QDate(2010, 3, 1), QDate(2011, 3, 1), QDate(2011, 3, 1),
             QDate(2011, 3, 1)});
        for (int i : {0, 1}) movimento[i].Open(pasta.movementConnection(movimento::NomeArquivo(7 + i, 2011)));
        Janela();
    }
    void TearDown() override {
        if (w) w->close();
        settle();
        delete w;
        for (auto& m : movimento) m.Close();
        cadastro.Close();
        platform::report::PECloseEngine();
        RegistryWindowFixture::TearDown();
    }
    void Janela() {
        if (w) w->close();
        settle();
        w = static_cast<frmLivrosIss*>(platform::ui::ShowInstance(new frmLivrosIss));
        ASSERT_NE(w, nullptr);
        settle();
    }
    void Codigo(const QString& texto) {
        clickInto(w->txtCodigo);
        w->txtCodigo->clear();
        typeText(texto);
        pressEnter();
        settle();
    }
    void Periodo(const QDate& periodo) {
        clickInto(w->tdbAnomes);
        w->tdbAnomes->setValue(periodo);
        pressEnter();
        settle();
    }
    void Servico(int codigo, int dia, const char* numero, const char* tipo, const char* base,
                 const char* aliq, const char* iss, const char* materiais = "0", const char* subempr = "0") {
        movimento[codigo == 8].Execute(
            "INSERT INTO DIGISS03(datalan,codserv,serie,docinicial,docfinal,base,aliq,iss,tipo,observ,"
            "materiais,subempr) VALUES(?,'0701','A',?,0,?,?,?,?,'',?,?)",
            {QDate(2011, 3, dia), QString::fromLatin1(numero), C(base), C(aliq), C(iss),
             QString::fromLatin1(tipo), C(materiais), C(subempr)});
    }
    static std::vector<frmRelatorio*> Previas() {
        std::vector<frmRelatorio*> r;
        for (QWidget* p : QApplication::allWidgets())
            if (auto* f = qobject_cast<frmRelatorio*>(p)) r.push_back(f);
        return r;
    }
    bool Pronta() const { return w->txtNpag->isEnabled() && w->cmdEmissao->isEnabled(); }

    Connection cadastro;
    Connection movimento[2];
    QPointer<frmLivrosIss> w;
};

TEST_F(frmLivrosIssTest, TheCompanyLookup) {
    EXPECT_EQ(w->windowTitle(), "Emissão dos Livros de ISS");
    EXPECT_EQ(w->lblTit->text(), "Número Última Página:");
    const struct {
        const char* digitado;
        bool fecha;
        const char* codigo;
        bool periodo;
        const char* tipo;
    } casos[] = {
        {"7", false, "0007", true, "Prestação de Serviço"},
        {"8", false, "0008", true, "Comércio"},
        {"0", false, "0", false, ""},
        {"", false, "", false, ""},
        {"9", true, "", false, ""},
        {"10", true, "", false, ""},
        {"11", true, "", false, ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.digitado);
        Janela();
        EXPECT_FALSE(w->tdbAnomes->isEnabled());
        EXPECT_FALSE(w->txtNpag->isEnabled());
        EXPECT_FALSE(w->cmdEmissao->isEnabled());
        EXPECT_FALSE(w->cmdCancelar->isEnabled());
        if (caso.fecha) script->expect(ErroFatal, QStringLiteral("Erro Fatal"), OK);
        Codigo(QString::fromLatin1(caso.digitado));
        EXPECT_TRUE(script->allAnswered());
        if (caso.fecha) {
            EXPECT_TRUE(w.isNull());
            continue;
        }
        ASSERT_FALSE(w.isNull());
        EXPECT_EQ(w->txtCodigo->text(), caso.codigo);
        EXPECT_EQ(w->txtCodigo->isEnabled(), !caso.periodo);
        EXPECT_EQ(w->tdbAnomes->isEnabled(), caso.periodo);
        EXPECT_EQ(w->lblTpescri->text(), QString::fromUtf8(caso.tipo));
        EXPECT_FALSE(Pronta());
        if (caso.periodo) {
            EXPECT_EQ(w->tdbAnomes->Value(), QDate(2011, 3, 1));
            pressEnter();
            settle();
            EXPECT_TRUE(Pronta());
            EXPECT_EQ(w->Modelo53, caso.codigo == QLatin1String("0007"));
            EXPECT_EQ(w->BancoMovimento.State(), ObjectState::Open);
        }
    }
}

// A period left empty or of a year without a movement file closes the file and goes back to choosing
// the period: the company stays, nothing can be printed.
TEST_F(frmLivrosIssTest, APeriodWithoutFileGoesBackToChoosingThePeriod) {
    script->expect(Inexistente, QStringLiteral("Erro ao Localizar Arquivo"), OK);
    Codigo(QStringLiteral("12"));
    pressEnter();
    settle();
    EXPECT_TRUE(script->allAnswered());
    EXPECT_FALSE(QFile::exists(pasta.filePath("Tarvel/" + movimento::NomeArquivo(12, 2010))));
    EXPECT_EQ(w->txtCodigo->text(), "0012");
    EXPECT_TRUE(w->tdbAnomes->isEnabled());
    EXPECT_FALSE(Pronta());

    Janela();
    Codigo(QStringLiteral("7"));
    pressEnter();
    settle();
    ASSERT_TRUE(Pronta());
    w->txtNpag->setText(QStringLiteral("3"));
    const struct {
        QDate periodo;
        bool avisa;
    } casos[] = {{QDate(2010, 3, 1), true}, {QDate(), false}};
    for (const auto& caso : casos) {
        Periodo(QDate(2011, 3, 1));
        ASSERT_TRUE(Pronta());
        if (caso.avisa) script->expect(Inexistente, QStringLiteral("Erro ao Localizar Arquivo"), OK);
        Periodo(caso.periodo);
        EXPECT_TRUE(script->allAnswered());
        EXPECT_FALSE(Pronta());
        EXPECT_TRUE(w->tdbAnomes->isEnabled());
        EXPECT_EQ(w->txtCodigo->text(), "0007");
        EXPECT_NE(w->BancoMovimento.State(), ObjectState::Open);
        click(w->cmdEmissao);
        EXPECT_TRUE(Previas().empty());
    }
    click(w->cmdCancelar);
    settle();
    EXPECT_TRUE(w->txtCodigo->hasFocus());
    EXPECT_EQ(w->txtCodigo->text() + w->lblNome->text() + w->lblTpescri->text(), "");
    EXPECT_FALSE(w->tdbAnomes->isEnabled());
    EXPECT_FALSE(w->cmdCancelar->isEnabled());
}

// Each emission refills the work tables and prints the company's book in a new preview.
TEST_F(frmLivrosIssTest, EachModelPrintsItsBook) {
    Servico(7, 2, "10", "0", "1000", "5", "42.50", "100", "50");
    Servico(7, 3, "11", "1", "300", "0", "0");
    Servico(7, 5, "12", "0", "200", "5", "10");
    Servico(8, 1, "20", "0", "500", "2", "10");
    Servico(8, 4, "21", "3", "300", "0", "0");
    const struct {
        const char* codigo;
        const char* impressora;
        const char* npag;
        const char* titulo;
        const char* golden;
        int linhas;
    } casos[] = {{"7", "J", "0006", "Livro de ISS - Modelo 53", "JanelaJtIss53", 3},
                 {"8", "M", "", "Livro de ISS - Modelo 51", "JanelaMaIss51", 2}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.golden);
        Geral::TipoImpressora = QString::fromLatin1(caso.impressora);
        Janela();
        Codigo(QString::fromLatin1(caso.codigo));
        pressEnter();
        settle();
        clickInto(w->txtNpag);
        typeText(QString::fromLatin1(caso.npag));
        click(w->cmdEmissao);
        settle();
        EXPECT_EQ(w->txtNpag->text(), caso.npag[0] ? caso.npag : "0");
        const auto previas = Previas();
        ASSERT_EQ(previas.size(), 1u);
        EXPECT_EQ(previas[0]->caption(), caso.titulo);
        EXPECT_FALSE(platform::ui::hourglassShown());
        ASSERT_EQ(previas[0]->previews().size(), 1u);
        expectGolden(QString::fromLatin1(caso.golden), previas[0]->previews()[0]->document());
        const char* tabela = w->Modelo53 ? "MovIss53" : "MovIss51";
        EXPECT_EQ(w->BancoCadastro()
                      .OpenRecordset(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(tabela))
                      .Fields(0)
                      .toInt(),
                  caso.linhas);
        previas[0]->close();
        settle();
    }
}

// The period chosen for the book is not the company's working period: the row stays as it was.
TEST_F(frmLivrosIssTest, AnEmptyMonthAndAMissingLayout) {
    const QStringList empresa = LinhaEmpresa(cadastro, 7);
    Codigo(QStringLiteral("7"));
    Periodo(QDate(2011, 4, 1));
    click(w->cmdEmissao);
    settle();
    EXPECT_EQ(LinhaEmpresa(cadastro, 7), empresa);
    ASSERT_EQ(Previas().size(), 1u);
    const auto paginas = Previas()[0]->previews()[0]->document().pages;
    ASSERT_EQ(paginas.size(), 1u);
    EXPECT_TRUE(paginas[0].textLines().join(u'\n').contains(QStringLiteral("SEM  MOVIMENTO")));
    Previas()[0]->close();
    settle();

    platform::report::layoutRegistry().remove(QStringLiteral("JtIss53.rpt"));
    script->expect(QStringLiteral("Arquivo Rpt não encontrado!"), OK);
    click(w->cmdEmissao);
    settle();
    EXPECT_TRUE(script->allAnswered());
    ASSERT_EQ(Previas().size(), 1u);
    EXPECT_TRUE(Previas()[0]->previews().empty());
    EXPECT_FALSE(platform::ui::hourglassShown());
}

}  // namespace

// The widest values of an ISS book print whole on both forms: the largest amount the movement window
// accepts and, in model 53, the net base of its negative, a code of service of ten digits, a series of five
// characters, a remark of 50; a company without municipal registration prints none (not its empty mask).
TEST_F(frmLivrosIssTest, TheWidestValuesPrintWholeInBothModelsOnBothForms) {
    const QString nome = QStringLiteral("Construtora e Incorporadora Paulista S/A");
    const QString observ = QStringLiteral("Nota fiscal de serviço substituída pela NF 88/2011");
    ASSERT_EQ(nome.size(), 40);
    ASSERT_EQ(observ.size(), 50);
    cadastro.Execute(
        "INSERT INTO Empresas(codigo,nome,tpescri,TpIss,mes_base_fiscal,endereco,numero,complemento,"
        "inscr_estadual,ccm,cgc) VALUES(13,?,'P','53',?,'Rua A','1','','111.222.333.111',"
        "'__.___.___-__','99.888.777/0001-66'),(14,?,'P','51',?,'Rua B','2','',"
        "'111.222.333.111','__.___.___-__','99.888.777/0001-66')",
        {nome, QDate(2011, 3, 1), nome, QDate(2011, 3, 1)});
    for (int codigo : {13, 14}) {
        Connection m;
        m.Open(pasta.movementConnection(movimento::NomeArquivo(codigo, 2011)));
        for (const auto& [tipo, valor] : {std::pair{"0", "99999999999,99"}, std::pair{"1", "99999999999,99"}})
            m.Execute(
                "INSERT INTO DIGISS03(datalan,codserv,serie,docinicial,docfinal,base,aliq,iss,tipo,observ,"
                "materiais,subempr) VALUES(?,'9999999999','SERIE','999999','999999',?,?,?,?,?,?,?)",
                {QDate(2011, 3, 31), C(valor), C("99,9999"), C(valor), QString::fromLatin1(tipo), observ,
                 C(valor), C(valor)});
        m.Close();
    }
    for (const auto& [codigo, impressora, golden] :
         {std::tuple{"13", "J", "LargoJtIss53"}, std::tuple{"13", "M", "LargoMaIss53"},
          std::tuple{"14", "J", "LargoJtIss51"}, std::tuple{"14", "M", "LargoMaIss51"}}) {
        SCOPED_TRACE(golden);
        Geral::TipoImpressora = QString::fromLatin1(impressora);
        Janela();
        Codigo(QString::fromLatin1(codigo));
        pressEnter();
        settle();
        click(w->cmdEmissao);
        settle();
        const auto previas = Previas();
        ASSERT_EQ(previas.size(), 1u);
        ASSERT_EQ(previas[0]->previews().size(), 1u);
        const platform::report::Document& d = previas[0]->previews()[0]->document();
        expectGolden(QString::fromLatin1(golden), d);
        const QString texto = d.pages[0].textLines().join(u'\n');
        EXPECT_TRUE(texto.contains(QStringLiteral("\nInscrição Municipal:\n")));
        EXPECT_EQ(texto.contains(QStringLiteral("-99.999.999.999,99")), codigo[1] == '3');
        EXPECT_TRUE(texto.contains(QStringLiteral("9999999999")));
        previas[0]->close();
        settle();
    }
}
