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
#include "platform/report/PrintEngine.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
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
        click(w->*l.livro);
        click(w->cmdEmissao);
        settle();
        QList<platform::report::frmRelatorio*> previas;
        for (QWidget* p : QApplication::allWidgets())
            if (auto* r = qobject_cast<platform::report::frmRelatorio*>(p)) previas << r;
        ASSERT_EQ(previas.size(), 1);
        EXPECT_EQ(previas[0]->windowTitle(), QString::fromUtf8(l.titulo));
        ASSERT_FALSE(previas[0]->previews().empty());
        expectGolden(QString::fromLatin1(l.golden), previas[0]->previews()[0]->document());
        const QPointer<platform::report::frmRelatorio> previa = previas[0];
        previa->close();
        settle();
        delete previa;
    }
    // The month of the books is not the company's working period: its row is as it was.
    EXPECT_EQ(LinhaEmpresa(db, 7), empresa);
}
