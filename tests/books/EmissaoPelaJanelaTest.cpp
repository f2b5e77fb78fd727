#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "LinhaEmpresa.h"
#include "books/Relatorios.h"
#include "books/frmLivrosIcms.h"
#include "books/pos_icms_sql.h"
#include "movement/ArquivoMovimento.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/report/PrintEngine.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "support/Golden.h"
#include "support/Money.h"
#include "support/RegistryWindowFixture.h"

using namespace Livros;
using namespace testsupport;
using platform::db::Connection;
using platform::values::Currency;

namespace {

// The books of February 2012 of company 7, emitted from the books window as a user does: company
// and period typed, the book chosen, the last page printed so far typed, the emission button.
class EmissaoPelaJanelaTest : public RegistryWindowFixture {
  protected:
    void SetUp() override {
        RegistryWindowFixture::SetUp();
        books::RegistraRelatorios();
        platform::report::PEOpenEngine();
        Geral::TipoImpressora = QStringLiteral("J");
        db.Execute(
            "INSERT INTO Empresas(codigo,nome,tpescri,mes_base_fiscal,cgc,inscr_estadual) VALUES"
            "(7,'Comercial Sete Ltda','C',?,'12.345.678/0001-95','111.222.333.444')",
            {QDate(2011, 5, 1)});
        empresa = LinhaEmpresa(db, 7);
        db.Execute(
            "INSERT INTO ForGeral(cgc,nome,ie) VALUES('11.222.333/0001-81','Distribuidora Paulista','123')");
        db.Execute("INSERT INTO CliGeral(cgc,nome,ie) VALUES('33.444.555/0001-06','Mercado Central','456')");
        movimento.Open(pasta.movementConnection(movimento::NomeArquivo(7, 2012)));
        Documento("DIGE02", 3, "1.102", "11.222.333/0001-81", "SP", "1000", "18", "180");
        Documento("DIGE02", 9, "2.102", "22.333.444/0001-90", "MG", "500", "12", "60");
        Documento("DIGE02", 15, "1.403", "11.222.333/0001-81", "SP", "250", "18", "45");
        Documento("DIGS02", 4, "5.102", "33.444.555/0001-06", "SP", "2000", "18", "360");
        Documento("DIGS02", 20, "6.102", "44.555.666/0001-70", "RJ", "800", "12", "96");
        PosIcms::CompletaMeses(movimento);
        PosIcms::GravaSaldoCredor(movimento, 2, C("100"));
        PosIcms::InformacoesMes info;
        info.FatAcu = C("9000");
        info.Obsent1 = QStringLiteral("Entradas conferidas");
        info.Obssai1 = QStringLiteral("Saídas conferidas");
        PosIcms::GravaInformacoes(movimento, 2, info);

        w = static_cast<frmLivrosIcms*>(platform::ui::ShowInstance(new frmLivrosIcms));
        ASSERT_NE(w, nullptr);
        settle();
        clickInto(w->txtCodigo);
        typeText("7");
        pressEnter();
        settle();
        w->tdbAnomes->setValue(QDate(2012, 2, 1));
        pressEnter();
        settle();
        w->txtNpag->setText(QStringLiteral("14"));
    }
    void TearDown() override {
        if (w) w->close();
        settle();
        delete w;
        movimento.Close();
        platform::report::PECloseEngine();
        RegistryWindowFixture::TearDown();
    }
    void Documento(const char* tabela, int dia, const char* cfop, const char* cgc, const char* uf,
                   const char* base, const char* aliq, const char* icms) {
        movimento.Execute(
            QStringLiteral("INSERT INTO ") + QString::fromLatin1(tabela) +
                QStringLiteral("(datalan,demiss,especie,serie,docinicial,cgc,uf,codfiscal,vlrcontabil,"
                               "baseicms0,aliqicms0,valricms0) VALUES(?,?,'NF','1',?,?,?,?,?,?,?,?)"),
            {QDate(2012, 2, dia), QDate(2012, 2, dia), QString::number(100 + dia), QString::fromLatin1(cgc),
             QString::fromLatin1(uf), QString::fromLatin1(cfop), C(base), C(base), C(aliq), C(icms)});
    }

    // Emits the book `livro` as a user does and hands its one preview to `confere`, then closes it.
    template <typename Conferir>
    void Emite(QRadioButton* frmLivrosIcms::*livro, Conferir&& confere) {
        click(w->*livro);
        click(w->cmdEmissao);
        settle();
        const auto previas = previewWindows();
        ASSERT_EQ(previas.size(), 1);
        ASSERT_FALSE(previas[0]->previews().empty());
        confere(*previas[0]);
        const QPointer<platform::report::frmRelatorio> previa = previas[0];
        previa->close();
        settle();
        delete previa;
    }

    Connection movimento;
    QPointer<frmLivrosIcms> w;
    QStringList empresa;
};

}  // namespace

// Each emission ends in a new preview whose pages match the book's golden pages; the company's row is
// never written.
TEST_F(EmissaoPelaJanelaTest, EachBookEmittedFromTheWindowMatchesItsGoldenPages) {
    const struct {
        QRadioButton* frmLivrosIcms::*livro;
        const char* titulo;
        const char* golden;
    } livros[] = {{&frmLivrosIcms::OptEnt, "Livro de Entrada", "JanelaJtEntrada"},
                  {&frmLivrosIcms::OptSai, "Livro de Saída", "JanelaJtSaida"},
                  {&frmLivrosIcms::OptApu, "Livro de Apuração", "JanelaJtApura"}};
    for (const auto& l : livros) {
        SCOPED_TRACE(l.golden);
        Emite(l.livro, [&l](platform::report::frmRelatorio& previa) {
            EXPECT_EQ(previa.windowTitle(), QString::fromUtf8(l.titulo));
            expectGolden(QString::fromLatin1(l.golden), previa.previews()[0]->document());
        });
    }
    // The month of the books is not the company's working period: its row is as it was.
    EXPECT_EQ(LinhaEmpresa(db, 7), empresa);
}

// A month of 2002 holding the widest values every column can print: the largest amount the movement
// windows accept and its negative, a registration of 15 characters, a CFOP of six, a name of 40, a
// remark of 24, the ICMS at source; each book, on each form, prints every one of them whole.
TEST_F(EmissaoPelaJanelaTest, TheWidestValuesPrintWholeInEveryBookOnBothForms) {
    const QString nome = QStringLiteral("Comercial de Produtos Alimentícios Ltda.");
    ASSERT_EQ(nome.size(), 40);
    db.Execute(
        "INSERT INTO Empresas(codigo,nome,tpescri,mes_base_fiscal,cgc,inscr_estadual) VALUES"
        "(8,?,'C',?,'99.888.777/0001-66','111.222.333.111')",
        {nome, QDate(2002, 11, 1)});
    db.Execute("INSERT INTO ForGeral(cgc,nome,ie) VALUES('98.765.432/0001-98',?,'111.222.333.112')", {nome});
    db.Execute("INSERT INTO CliGeral(cgc,nome,ie) VALUES('123.456.789-09',?,'')", {nome});
    Connection largo;
    largo.Open(pasta.movementConnection(movimento::NomeArquivo(8, 2002)));
    const Currency maior = C("99999999999,99");
    const auto documento = [&](const char* tabela, const char* cfop, const char* cgc, const char* uf,
                               Currency contabil, Currency base, Currency icms, Currency isento,
                               Currency outros, Currency ipi) {
        largo.Execute(
            QStringLiteral("INSERT INTO ") + QString::fromLatin1(tabela) +
                QStringLiteral(
                    "(datalan,demiss,especie,serie,docinicial,docfinal,cgc,uf,codfiscal,vlrcontabil,"
                    "baseicms0,aliqicms0,valricms0,isenicms0,outricms0,valripi,observ) "
                    "VALUES(?,?,'NFE','ABC','999999','999999',?,?,?,?,?,?,?,?,?,?,?)"),
            {QDate(2002, 11, 30), QDate(2002, 11, 30), QString::fromLatin1(cgc), QString::fromLatin1(uf),
             QString::fromLatin1(cfop), contabil, base, C("99,9999"), icms, isento, outros, ipi,
             QStringLiteral("Pedido 123456 de 88/2011")});
    };
    documento("DIGE11", "2.91.1", "98.765.432/0001-98", "SP", maior, maior, maior, maior, maior, maior);
    // A person, never a contributor: the exit goes to the non-contributors' summary.
    documento("DIGS11", "6.11.1", "123.456.789-09", "RJ", maior, maior, maior, maior, maior, {});
    for (const char* tabela : {"DIGE11", "DIGS11"})
        largo.Execute(
            QStringLiteral("UPDATE ") + QString::fromLatin1(tabela) + QStringLiteral(" SET fonteicms = ?"),
            {maior});
    PosIcms::CompletaMeses(largo);

    click(w->cmdCancelar);
    clickInto(w->txtCodigo);
    w->txtCodigo->clear();
    typeText("8");
    pressEnter();
    settle();
    pressEnter();
    settle();
    const struct {
        QRadioButton* frmLivrosIcms::*livro;
        const char* golden;
    } livros[] = {{&frmLivrosIcms::OptEnt, "Entrada"},
                  {&frmLivrosIcms::OptSai, "Saida"},
                  {&frmLivrosIcms::OptApu, "Apura"}};
    for (const char* impressora : {"J", "M"}) {
        Geral::TipoImpressora = QString::fromLatin1(impressora);
        for (const auto& l : livros) {
            const QString golden = QStringLiteral("Largo") +
                                   QString::fromLatin1(impressora[0] == 'J' ? "Jt" : "Ma") +
                                   QString::fromLatin1(l.golden);
            SCOPED_TRACE(golden.toStdString());
            Emite(l.livro, [&golden, &l](platform::report::frmRelatorio& previa) {
                const platform::report::Document& d = previa.previews()[0]->document();
                expectGolden(golden, d);
                QString texto;
                for (const auto& p : d.pages) texto += p.textLines().join(u'\n') + u'\n';
                EXPECT_TRUE(texto.contains(QStringLiteral("99.999.999.999,99")));
                // The ICMS at source: whole in the entries' column, its amount on a line of its own in
                // the exits' narrower one (the golden pages show where).
                EXPECT_TRUE(l.golden[0] == 'A' ||
                            texto.contains(l.golden[0] == 'E' ? QStringLiteral("IF=99999999999,99")
                                                              : QStringLiteral("IF=")));
                EXPECT_TRUE(texto.contains(QStringLiteral("Inscrição Estadual: 111.222.333.111")));
            });
        }
    }
    largo.Close();
}

// The largest carried credit the field takes, with the month's credits, is beyond what the assessment
// prints: it is refused by name, nothing is previewed and no month's position is written.
TEST_F(EmissaoPelaJanelaTest, ACarriedCreditBeyondThePrintedTotalIsRefusedAndNothingWritten) {
    click(w->OptApu);
    clickInto(w->tdbSalCredAnt);
    typeText("99999999999,99");
    script->expect(QStringLiteral("Erro número 6 O item 010 da apuração dá 100.000.000.284,99, além do que "
                                  "os livros imprimem inteiro (99.999.999.999,99)."),
                   QStringLiteral("Erro"), platform::ui::Msg::OK);
    click(w->cmdEmissao);
    EXPECT_TRUE(script->allAnswered() && previewWindows().empty());
    EXPECT_EQ(PosIcms::LeSaldoCredor(movimento, 2), C("100"));
    EXPECT_EQ(PosIcms::LeSaldoCredor(movimento, 3), Currency());
}
