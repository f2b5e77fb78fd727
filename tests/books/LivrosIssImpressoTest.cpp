#include <gtest/gtest.h>

#include "books/LivrosIss.h"
#include "books/LivrosIss_sql.h"
#include "books/Relatorios.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/PrintRoutines.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "support/Golden.h"
#include "support/RegistryWindowFixture.h"

using namespace LivrosIss;
using platform::db::Connection;
using platform::report::Document;

namespace {

Currency m(const char* texto) { return Currency::parse(QString::fromUtf8(texto)).value(); }

// A month of March 2011 of service documents, prepared and printed as the ISS books window does.
class LivrosIssImpressoTest : public testsupport::RegistryWindowFixture {
  protected:
    void SetUp() override {
        RegistryWindowFixture::SetUp();
        books::RegistraRelatorios();
        platform::report::PEOpenEngine();
        movimento.Open(pasta.movementConnection(QStringLiteral("MV110001.MDB")));
    }
    void TearDown() override {
        platform::report::PECloseEngine();
        RegistryWindowFixture::TearDown();
    }

    void grava(int dia, int numero, const char* final, const char* tipo, Currency base, const char* aliq,
               const char* materiais = "0", const char* subempr = "0", const char* observ = "") {
        const Currency liquido = base - (m(materiais) + m(subempr));
        movimento.Execute(
            QStringLiteral(
                "INSERT INTO DIGISS03(datalan,codserv,serie,docinicial,docfinal,base,aliq,iss,tipo,"
                "observ,materiais,subempr) VALUES (?,'0701','A',?,?,?,?,?,?,?,?,?)"),
            {QDate(2011, 3, dia), QString::number(numero), QString::fromLatin1(final), base, m(aliq),
             platform::values::taxAmount(liquido, m(aliq)), QString::fromLatin1(tipo),
             QString::fromUtf8(observ), m(materiais), m(subempr)});
    }

    void mesDeMarco() {
        grava(1, 101, "0", "0", m("1000"), "5", "100", "50", "Obra da Rua \"Augusta\"");
        grava(1, 102, "105", "1", m("2000"), "0");
        grava(2, 106, "0", "2", m("350"), "0");
        grava(2, 107, "0", "3", m("300"), "0", "0", "0", "Remessa para conserto");
        grava(3, 108, "0", "0", m("1234.56"), "7.5");
        for (int n = 0; n < 45; ++n)
            grava(4 + n % 24, 200 + n, "0", n % 9 ? "0" : "1", Currency::fromUnits(100 + 10 * n),
                  n % 2 ? "2" : "5");
    }

    Document emite(const char* arquivo, int mes = 3) {
        const QString nome = QString::fromLatin1(arquivo);
        const Modelo modelo = nome.contains(QStringLiteral("53")) ? Modelo::M53 : Modelo::M51;
        const bool sem = PreparaLivroIss(db, movimento, QDate(2011, mes, 1), modelo);
        const EmpresaIss empresa{QStringLiteral("Serviços \"Exemplo\" Ltda"),
                                 QStringLiteral("Rua das Flores"),
                                 QStringLiteral("120"),
                                 QString(),
                                 QStringLiteral("123.456.789.110"),
                                 QStringLiteral("9.876.543-2"),
                                 QStringLiteral("12.345.678/0001-95")};
        const Livros::Formulas f =
            FormulasIss(empresa, QStringLiteral("%1/2011").arg(mes, 2, 10, QLatin1Char('0')), "0006", sem);
        platform::report::EnginePrint print;
        print.reportPath = pasta.path() + nome;
        print.caption = RelatorioIss(modelo, QStringLiteral("J")).titulo;
        print.formulas = [f](int job) {
            for (const auto& [nomeFormula, texto] : f)
                EXPECT_EQ(platform::report::PESetFormula(job, nomeFormula, texto), 1)
                    << nomeFormula.toStdString();
        };
        platform::report::frmRelatorio* previa = platform::report::PrintOnEngine(print);
        if (!previa || previa->previews().empty()) {
            ADD_FAILURE() << "no preview of " << arquivo;
            return {};
        }
        return previa->previews()[0]->document();
    }

    Connection movimento;
};

const char* const Livros4[] = {"JtIss53.rpt", "MaIss53.rpt", "JtIss51.rpt", "MaIss51.rpt"};

}  // namespace

TEST_F(LivrosIssImpressoTest, EveryBookOfAMonthMatchesItsGoldenPages) {
    mesDeMarco();
    for (const char* arquivo : Livros4) {
        SCOPED_TRACE(arquivo);
        const Document d = emite(arquivo);
        ASSERT_GE(d.pages.size(), 2u);
        EXPECT_TRUE(d.pages[0].textLines().value(0).endsWith(QStringLiteral("Folha: 7")));
        testsupport::expectGolden(QString::fromLatin1(arquivo).section(u'.', 0, 0), d);
    }
}

TEST_F(LivrosIssImpressoTest, AnEmptyMonthPrintsOnePageSayingSo) {
    for (const char* arquivo : Livros4) {
        SCOPED_TRACE(arquivo);
        const Document d = emite(arquivo, 4);
        ASSERT_EQ(d.pages.size(), 1u);
        testsupport::expectGolden(QStringLiteral("Vazio") + QString::fromLatin1(arquivo).section(u'.', 0, 0),
                                  d);
    }
}

TEST(RelatorioIss, TheContinuousFormOnlyForPrinterKindM) {
    EXPECT_EQ(RelatorioIss(Modelo::M53, QStringLiteral("M")).arquivo, QStringLiteral("MaIss53.rpt"));
    EXPECT_EQ(RelatorioIss(Modelo::M53, QStringLiteral("m")).arquivo, QStringLiteral("JtIss53.rpt"));
    EXPECT_EQ(RelatorioIss(Modelo::M51, QString()).arquivo, QStringLiteral("JtIss51.rpt"));
    EXPECT_EQ(RelatorioIss(Modelo::M51, QStringLiteral("M")).titulo,
              QStringLiteral("Livro de ISS - Modelo 51"));
}
