#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "MovimentoFixture.h"
#include "movement/ArquivoMovimento.h"
#include "movement/frmMovPesq.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "support/Money.h"

using namespace movimento;
using namespace movtest;
using namespace testsupport;
using platform::db::Connection;
using platform::ui::Msg::OK;

namespace {

const QString Titulo = QStringLiteral("Pesquisa de Lançamentos de Entrada");

class frmMovPesqTest : public MovimentoTest {
  protected:
    void SetUp() override {
        MovimentoTest::SetUp();
        const auto a = AbreMovimento(banco, 12, 2011);
        ASSERT_TRUE(a.aberta());
        conexao = a.conexao;
    }
    // Opens the search of `modelo` over `tabela` on the caller's connection and drives it.
    std::optional<QString> Pesquisa(const ModeloPesquisa& modelo, const QString& tabela,
                                    std::function<void(frmMovPesq&)> drive) {
        script->onDialog(modelo.nome, [drive](QDialog& d) { drive(static_cast<frmMovPesq&>(d)); });
        frmMovPesq dialogo(modelo, conexao);
        return shell::AbrePesquisa(dialogo, Titulo, tabela);
    }
    static QStringList Coluna(frmMovPesq& d, int coluna) {
        QStringList r;
        for (int i = 0; i < d.Lista().Linhas(); ++i) r << d.Lista().Celula(i, coluna);
        return r;
    }
    static QStringList Linha(frmMovPesq& d, int linha, int colunas) {
        QStringList r;
        for (int c = 0; c < colunas; ++c) r << d.Lista().Celula(linha, c);
        return r;
    }
    void InsereIss(const QDate& data, Currency base, Currency iss) {
        banco.Execute("INSERT INTO DIGISS03 (datalan,base,iss) VALUES(?,?,?)", {data, base, iss});
    }

    Connection banco;
    QString conexao;
};

TEST_F(frmMovPesqTest, OneDocumentIsListedInItsFormsAndOkOrADoubleClickReturnsTheCode) {
    InsereIcms(banco, "DIGE03", QDate(2011, 3, 5), "11.222.333/0001-81", C("1234,5"));
    const auto chave = Pesquisa(PesquisaIcms(), "DIGE03", [](frmMovPesq& d) {
        EXPECT_EQ(d.windowTitle(), "Pesquisa ");
        EXPECT_EQ(d.tdbPesq->Caption(), Titulo);
        EXPECT_EQ(Linha(d, 0, 6),
                  (QStringList{"000001", "05/03/2011", "11.222.333/0001-81", "5.102", "SP", "1.234,50"}));
        click(&d, QStringLiteral("cmdOk"));
    });
    ASSERT_TRUE(chave.has_value());
    EXPECT_EQ(*chave, "000001");

    InsereIcms(banco, "DIGE03", QDate(2011, 3, 6));
    const auto duploClique = Pesquisa(PesquisaIcms(), "DIGE03", [](frmMovPesq& d) {
        QTableView* v = d.tdbPesq->view();
        const QRect linha = v->visualRect(v->model()->index(1, 0));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, linha.center());
        QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, linha.center());
    });
    ASSERT_TRUE(duploClique.has_value());
    EXPECT_EQ(*duploClique, "000002");
}

// Each column sorts by its own kind: the code as a number, the date as a date, the CNPJ as text, money
// as money. A null date is an empty cell, and so is an empty text.
TEST_F(frmMovPesqTest, ColumnsSortByTheirKind) {
    InsereIcms(banco, "DIGS03", QDate(2011, 3, 12), "9.000");
    InsereIcms(banco, "DIGS03", QDate(2011, 3, 5), "10.000");
    InsereIcms(banco, "DIGS03", {}, "11.222.333/0001-81");
    for (int i = 0; i < 7; ++i) InsereIcms(banco, "DIGS03", QDate(2011, 3, 20));
    // Another tool's empty text is no date either.
    banco.Execute("UPDATE DIGS03 SET datalan = '' WHERE codauto = 4");
    InsereIss(QDate(2011, 3, 1), C("1000"), C("50"));
    InsereIss(QDate(2011, 3, 2), C("999,99"), C("49,99"));
    Pesquisa(PesquisaIcms(), "DIGS03", [](frmMovPesq& d) {
        EXPECT_EQ(Coluna(d, 0).mid(0, 3), (QStringList{"000001", "000002", "000003"}));
        EXPECT_EQ(d.Lista().Celula(2, 1), "");
        d.Lista().Rodape(0);
        EXPECT_EQ(Coluna(d, 0).mid(0, 2), (QStringList{"000010", "000009"}));
        d.Lista().Cabecalho(1);
        EXPECT_EQ(Coluna(d, 1).mid(0, 4), (QStringList{"", "", "05/03/2011", "12/03/2011"}));
        d.Lista().Cabecalho(2);
        EXPECT_EQ(Coluna(d, 2).mid(7), (QStringList{"10.000", "11.222.333/0001-81", "9.000"}));
        d.close();
    });
    Pesquisa(PesquisaIss(), "DIGISS03", [](frmMovPesq& d) {
        EXPECT_EQ(Linha(d, 0, 4), (QStringList{"000001", "01/03/2011", "1.000,00", "50,00"}));
        d.Lista().Cabecalho(2);
        EXPECT_EQ(Coluna(d, 2), (QStringList{"999,99", "1.000,00"}));
        d.Lista().Rodape(3);
        EXPECT_EQ(Coluna(d, 3), (QStringList{"50,00", "49,99"}));
        d.close();
    });
}

TEST_F(frmMovPesqTest, CancelAndTheCloseBoxLeaveChaveComumAndReportCancelado) {
    InsereIcms(banco, "DIGE03", QDate(2011, 3, 5));
    const std::vector<std::function<void(frmMovPesq&)>> saidas = {
        [](frmMovPesq& d) { click(&d, QStringLiteral("cmdCancela")); }, [](frmMovPesq& d) { d.close(); }};
    for (const auto& saida : saidas) {
        Geral::ChaveComum = "antes";
        EXPECT_FALSE(Pesquisa(PesquisaIcms(), "DIGE03", saida).has_value());
        EXPECT_EQ(Geral::ChaveComum, "antes");
    }
}

TEST_F(frmMovPesqTest, AnEmptyTableIsToldAndCancels) {
    InsereIcms(banco, "DIGS03", QDate(2011, 3, 5));
    script->expect("Atenção, não há nenhum registro cadastrado !", OK);
    frmMovPesq dialogo(PesquisaIcms(), conexao);
    Geral::ChaveComum = "antes";
    EXPECT_FALSE(shell::AbrePesquisa(dialogo, Titulo, "DIGE03").has_value());
    EXPECT_EQ(script->shown().back().style, platform::ui::Msg::Information);
    EXPECT_EQ(Geral::ChaveComum, "antes");
}

// Another window may have opened another company's file since: the search still lists the caller's.
TEST_F(frmMovPesqTest, TheCallersOwnDatabaseIsListed) {
    InsereIcms(banco, "DIGE03", QDate(2011, 3, 5), "do chamador");
    Connection outro;
    ASSERT_TRUE(AbreMovimento(outro, 13, 2011).aberta());
    InsereIcms(outro, "DIGE03", QDate(2011, 3, 6), "de outra empresa");
    ASSERT_NE(Geral::ConexaoMovimento, conexao);
    Pesquisa(PesquisaIcms(), "DIGE03", [](frmMovPesq& d) {
        EXPECT_EQ(Coluna(d, 2), QStringList{"do chamador"});
        d.close();
    });
}

}  // namespace
