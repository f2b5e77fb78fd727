#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include "books/Relatorios.h"
#include "books/frmLivrosIcms.h"
#include "movement/ArquivoMovimento.h"
#include "platform/report/Fonts.h"
#include "platform/report/PageModel.h"
#include "platform/report/PrintEngine.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "shell/EstadoGeral.h"
#include "support/RegistryWindowFixture.h"
#include "support/TempProgramFolder.h"

using namespace testsupport;

namespace {

// What the parent tells each copy it starts: the program folder, the company, how many books to
// emit, and the file its books' page models go to (each followed by a form feed line).
const char* const Pasta = "RT_EMISSAO_PASTA";
const char* const Empresa = "RT_EMISSAO_EMPRESA";
const char* const Vezes = "RT_EMISSAO_VEZES";
const char* const Saida = "RT_EMISSAO_SAIDA";
const QString FimDoLivro = QStringLiteral("\f\n");

// One copy of the program: the ICMS books window of the parent's folder, emitting the entries book
// of March 2003 of one company again and again.
class UmaCopia : public UiFixture {
  protected:
    void SetUp() override {
        Geral::ReiniciaEstadoGeral();
        UiFixture::SetUp();
        fontes_ = std::make_unique<platform::report::ReportFonts>(QStringLiteral(RT_BIN_DIR "/fonts"));
        const QString pasta = qEnvironmentVariable(Pasta);
        Geral::DiretorioSistema = pasta;
        Geral::ConexaoCadastro = QStringLiteral("Data Source=") + pasta + QStringLiteral("Trabdados.mdb");
        Geral::TipoImpressora = QStringLiteral("J");
        books::RegistraRelatorios();
        platform::report::PEOpenEngine();
    }
    void TearDown() override {
        platform::report::PECloseEngine();
        UiFixture::TearDown();
        Geral::ReiniciaEstadoGeral();
    }
    std::unique_ptr<platform::report::ReportFonts> fontes_;
};

// Run only as a child of the test below.
TEST_F(UmaCopia, DISABLED_EmiteOLivroDeEntradas) {
    if (qEnvironmentVariable(Pasta).isEmpty()) GTEST_SKIP();
    QPointer<Livros::frmLivrosIcms> w =
        static_cast<Livros::frmLivrosIcms*>(platform::ui::ShowInstance(new Livros::frmLivrosIcms));
    ASSERT_NE(w, nullptr);
    settle();
    clickInto(w->txtCodigo);
    typeText(qEnvironmentVariable(Empresa));
    pressEnter();
    settle();
    pressEnter();
    settle();
    ASSERT_TRUE(w->cmdEmissao->isEnabled());
    QFile saida(qEnvironmentVariable(Saida));
    ASSERT_TRUE(saida.open(QIODevice::WriteOnly));
    const int vezes = qEnvironmentVariableIntValue(Vezes);
    for (int i = 0; i < vezes; ++i) {
        click(w->cmdEmissao);
        settle();
        const auto previas = previewWindows();
        ASSERT_EQ(previas.size(), 1);
        const QString livro = previas[0]->previews().empty()
                                  ? QStringLiteral("sem páginas\n")
                                  : platform::report::dump(previas[0]->previews()[0]->document());
        saida.write((livro + FimDoLivro).toUtf8());
        const QPointer<platform::report::frmRelatorio> previa = previas[0];
        previa->close();
        settle();
        delete previa;
    }
    w->close();
    settle();
    delete w;
}

// Two copies of the program on one folder, each emitting another company's entries book of the same
// month at the same time, print each book exactly as that copy prints it alone.
TEST(EmissaoSimultanea, CadaCopiaImprimeSoAsLinhasQuePreparou) {
    TempProgramFolder pasta;
    {
        platform::db::Connection cadastro;
        cadastro.Open(pasta.registryConnection());
        cadastro.Execute(
            "INSERT INTO Empresas(codigo,nome,tpescri,mes_base_fiscal,cgc,inscr_estadual) VALUES "
            "(21,'Vinte e Um Comércio','C',?,'21.000.000/0001-21','121'),"
            "(22,'Vinte e Dois Comércio','C',?,'22.000.000/0001-22','122')",
            {QDate(2003, 3, 1), QDate(2003, 3, 1)});
        for (int empresa : {21, 22}) {
            platform::db::Connection movimento;
            movimento.Open(pasta.movementConnection(movimento::NomeArquivo(empresa, 2003)));
            // 400 entries; the companies' amounts and numbers differ, so that a line of the other's shows.
            movimento.Execute(
                QStringLiteral(
                    "INSERT INTO DIGE03(datalan,demiss,especie,serie,docinicial,cgc,uf,codfiscal,vlrcontabil,"
                    "baseicms0,aliqicms0,valricms0) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                    "FROM n WHERE i < 400) SELECT printf('2003-03-%02d', 1 + i % 28), '2003-03-01', 'NF', "
                    "'1', printf('%d%04d', ?, i), '11.222.333/0001-81', 'SP', CASE WHEN i % 3 THEN "
                    "'1.102' ELSE '2.102' END, (1000 + i + ?) * 10000, (1000 + i + ?) * 10000, 180000, "
                    "(1000 + i + ?) * 1800 FROM n"),
                {empresa, empresa, empresa, empresa});
        }
    }
    const auto inicia = [&](QProcess& copia, int empresa, int vezes, const QString& saida) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QString::fromLatin1(Pasta), pasta.path());
        ambiente.insert(QString::fromLatin1(Empresa), QString::number(empresa));
        ambiente.insert(QString::fromLatin1(Vezes), QString::number(vezes));
        ambiente.insert(QString::fromLatin1(Saida), saida);
        copia.setProcessEnvironment(ambiente);
        copia.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copia.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=UmaCopia.*", "--gtest_also_run_disabled_tests"});
    };
    const auto livros = [](const QString& arquivo) {
        QFile f(arquivo);
        if (!f.open(QIODevice::ReadOnly)) return QStringList();
        QStringList l = QString::fromUtf8(f.readAll()).split(FimDoLivro);
        l.removeLast();
        return l;
    };
    const auto termina = [](QProcess& copia) {
        EXPECT_TRUE(copia.waitForFinished(300000));
        EXPECT_EQ(copia.exitCode(), 0) << copia.readAllStandardOutput().toStdString();
    };

    // Each company's book emitted alone.
    QString sozinho[2];
    for (int k : {0, 1}) {
        QProcess copia;
        const QString saida = pasta.filePath(QStringLiteral("sozinho%1.txt").arg(k));
        inicia(copia, 21 + k, 1, saida);
        termina(copia);
        const QStringList l = livros(saida);
        ASSERT_EQ(l.size(), 1);
        sozinho[k] = l[0];
    }
    ASSERT_NE(sozinho[0], sozinho[1]);
    ASSERT_TRUE(sozinho[0].contains(QStringLiteral("210400"))) << "the last entry is printed";

    // Both at once, many times.
    constexpr int Vezes = 40;
    QProcess copias[2];
    for (int k : {0, 1})
        inicia(copias[k], 21 + k, Vezes, pasta.filePath(QStringLiteral("juntos%1.txt").arg(k)));
    for (auto& copia : copias) termina(copia);
    for (int k : {0, 1}) {
        const QStringList l = livros(pasta.filePath(QStringLiteral("juntos%1.txt").arg(k)));
        ASSERT_EQ(l.size(), Vezes);
        EXPECT_EQ(l.count(sozinho[k]), Vezes) << "company " << 21 + k;
    }
}

}  // namespace
