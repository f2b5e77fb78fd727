#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

#include "MovimentoFixture.h"
#include "movement/ArquivoMovimento.h"
#include "movement/DocumentoIcms.h"
#include "movement/EmpresaPeriodo.h"
#include "movement/frmMovIcms.h"
#include "movement/frmMovPesq.h"
#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"

using namespace movimento;
using namespace movtest;
using namespace testsupport;
using platform::db::Connection;
using platform::ui::Msg::OK;

namespace {

const QString NaoCadastrado =
    QStringLiteral("Lançamento não cadastrado, Utilize o botão Novo ou \"Alt + N\" para novos lançamentos !");
const QString Guarda =
    QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele !");

class frmMovIcmsTest : public MovimentoTest {
  protected:
    void SetUp() override {
        MovimentoTest::SetUp();
        cadastro.Open(Geral::ConexaoCadastro);
        cadastro.Execute("INSERT INTO Empresas(codigo,nome,uf,mes_base_fiscal) VALUES(12,'Doze','SP',?)",
                         {QDate(2003, 3, 1)});
        cadastro.Execute("INSERT INTO Empresas(codigo,nome,uf) VALUES(13,'Treze','RJ')");
        w = static_cast<frmMovIcms*>(platform::ui::ShowInstance(new frmMovIcms));
        ASSERT_NE(w, nullptr);
        settle();
    }
    void TearDown() override {
        FechaJanela(w);
        MovimentoTest::TearDown();
    }
    // Types the company code and confirms the period (the company's own when none is given).
    void Abre(int codigo, QDate periodo = {}) { AbreEmpresa(*w, codigo, periodo); }
    void Codigo(const QString& texto) {
        typeInto(w, "mskCodigo", texto);
        pressEnter();
        settle();
    }
    Connection Movimento(const QString& arquivo) {
        Connection c;
        c.Open(Conexao(tarvel(arquivo)));
        return c;
    }
    shell::EstadoCadastro Estado() { return w->Cadastro().EstadoAtual(); }

    Connection cadastro;
    QPointer<frmMovIcms> w;
};

// Each state's row of enabled controls, reached the way a user reaches it.
TEST_F(frmMovIcmsTest, EachStateEnablesItsControls) {
    struct Linha {
        shell::EstadoCadastro estado;
        std::function<void()> chega;
    };
    const char* nomes[] = {"cmdNovo",  "cmdGravar", "cmdApagar",    "cmdCancelar", "cmdPesquisar",
                           "cmdPesqe", "cmdSair",   "cmdMovimento", "cmdPcgc",     "tdbData",
                           "tdgItens", "txtCodigo", "tdbAnomes",    "mskCodigo"};
    // One column per name above.
    const std::vector<std::pair<Linha, std::string>> tabela = {
        {{shell::SemEmpresa, [] {}}, "00000110000100"},
        {{shell::Ocioso, [&] { Abre(12); }}, "10001111000101"},
        {{shell::Carregado, [&] { Codigo("1"); }}, "01110000111000"},
        {{shell::Novo,
          [&] {
              click(w->cmdCancelar);
              click(w->cmdNovo);
          }},
         "01010000111000"},
    };
    Connection banco;
    for (const auto& [linha, ligados] : tabela) {
        linha.chega();
        if (linha.estado == shell::Ocioso) {
            banco = Movimento("MV030012.MDB");
            InsereIcms(banco, "DIGE03", QDate(2003, 3, 5));
        }
        SCOPED_TRACE(int(linha.estado));
        EXPECT_EQ(Estado(), linha.estado);
        for (std::size_t i = 0; i < std::size(nomes); ++i)
            EXPECT_EQ(control(w, nomes[i])->isEnabled(), ligados[i] == '1') << nomes[i];
    }
    EXPECT_EQ(platform::controls::backColor(w->txtCodigo), platform::controls::menuColor());
}

// A company without a working period takes the current month, stored as the month's first day; the
// entry date is limited to the period's own days, whatever the year.
TEST_F(frmMovIcmsTest, ThePeriodIsStoredAndLimitsTheEntryDate) {
    Abre(13);
    const QDate hoje = QDate::currentDate();
    const QDate mes(hoje.year(), hoje.month(), 1);
    EXPECT_EQ(
        cadastro.OpenRecordset("SELECT mes_base_fiscal FROM Empresas WHERE codigo = 13").Fields(0).toDate(),
        mes);
    EXPECT_EQ(Estado(), shell::Ocioso);
    EXPECT_EQ(focusedName(), "mskCodigo");
    struct Caso {
        QDate periodo, primeiro, ultimo;
    };
    const Caso casos[] = {{QDate(2012, 2, 1), QDate(2012, 2, 1), QDate(2012, 2, 29)},
                          {QDate(2011, 2, 1), QDate(2011, 2, 1), QDate(2011, 2, 28)},
                          {QDate(2030, 7, 1), QDate(2030, 7, 1), QDate(2030, 7, 31)}};
    for (const auto& c : casos) {
        Abre(13, c.periodo);
        EXPECT_EQ(w->tdbData->MinDate(), c.primeiro);
        EXPECT_EQ(w->tdbData->MaxDate(), c.ultimo);
        EXPECT_EQ(w->tdbAnomes->Value(), c.periodo);
        EXPECT_TRUE(QFile::exists(tarvel(NomeArquivo(13, c.periodo.year()))));
    }
}

TEST_F(frmMovIcmsTest, ARecordCodeIsShownInSixDigitsAndLoadedOrTold) {
    Abre(12);
    Connection banco = Movimento("MV030012.MDB");
    for (int i = 0; i < 12; ++i) InsereIcms(banco, "DIGE03", QDate(2003, 3, 5));
    banco.Execute(
        "UPDATE DIGE03 SET baseicms0 = 1000000, tipoicms0 = '1', aliqicms2 = 180000 WHERE codauto = 12");

    Codigo("12");
    EXPECT_EQ(Estado(), shell::Carregado);
    EXPECT_EQ(w->mskCodigo->Text(), "000012");
    EXPECT_EQ(w->tdbData->Value(), QDate(2003, 3, 5));
    EXPECT_EQ(w->ArrayItens.Count(1), 2);
    EXPECT_EQ(focusedName(), "tdbData");
    click(w->cmdCancelar);

    Codigo("0");
    EXPECT_TRUE(w->mskCodigo->ClipText().trimmed().isEmpty());
    EXPECT_EQ(focusedName(), "mskCodigo");

    script->expect(NaoCadastrado, QStringLiteral("Atenção..."), OK);
    Codigo("99");
    EXPECT_EQ(Estado(), shell::Ocioso);
    EXPECT_TRUE(w->mskCodigo->ClipText().trimmed().isEmpty());

    // A document the window cannot read is told once and leaves no code behind, so that Novo then
    // starts a new document instead of refusing the code.
    banco.Execute("UPDATE DIGE03 SET baseicms0 = 'abc' WHERE codauto = 1");
    script->expect(
        QStringLiteral("Erro número 13 Tipo incompatível: o campo \"baseicms0\" guarda \"abc\", que não "
                       "pode ser lido como valor monetário (décimos de milésimo inteiros)."),
        QStringLiteral("Erro"), OK);
    Codigo("1");
    EXPECT_EQ(Estado(), shell::Ocioso);
    EXPECT_TRUE(w->mskCodigo->ClipText().trimmed().isEmpty());
    EXPECT_EQ(focusedName(), "mskCodigo");
    click(w->cmdNovo);
    EXPECT_EQ(Estado(), shell::Novo);
}

// The widest item a document holds shows whole in every column at the window's opening size.
TEST_F(frmMovIcmsTest, TheWidestItemShowsWholeInTheGrid) {
    Abre(12);
    Connection banco = Movimento("MV030012.MDB");
    InsereIcms(banco, "DIGE03", QDate(2003, 3, 5));
    banco.Execute(
        "UPDATE DIGE03 SET baseicms0 = 999999999999900, aliqicms0 = 999999, valricms0 = "
        "999999999999900, isenicms0 = 999999999999900, outricms0 = 999999999999900, tipoicms0 = '99'");
    Codigo("1");
    const QTableView* v = w->tdgItens->view();
    const int margem = 2 * (v->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1);
    for (int c = 0; c < ColunaItem::Ultima; ++c) {
        const QString texto = v->model()->index(0, c).data().toString();
        EXPECT_GE(v->columnWidth(c), v->fontMetrics().horizontalAdvance(texto) + margem)
            << texto.toStdString();
        EXPECT_LE(v->columnViewportPosition(c) + v->columnWidth(c), v->viewport()->width()) << c;
    }
    EXPECT_EQ(v->model()->index(0, ColunaItem::Icms).data().toString(), "99.999.999.999,99");
}

TEST_F(frmMovIcmsTest, NovoOffersTheNextCodeAndTheFirstOfThePeriod) {
    Abre(12);
    click(w->cmdNovo);
    settle();
    EXPECT_EQ(Estado(), shell::Novo);
    EXPECT_EQ(w->mskCodigo->Text(), "000001");
    EXPECT_EQ(w->tdbData->Value(), QDate(2003, 3, 1));
    EXPECT_EQ(w->tdbDemiss->Value(), QDate(2003, 3, 1));
    EXPECT_EQ(focusedName(), "tdbData");
    w->tdbData->setValue(QDate(2003, 3, 9));
    pressEnter();
    settle();
    EXPECT_EQ(focusedName(), "tdbDemiss");
    EXPECT_EQ(w->tdbDemiss->Value(), QDate(2003, 3, 9));
}

// The switch changes the table, its captions, its search and its next code; nothing is reread.
TEST_F(frmMovIcmsTest, TheSwitchMovesToExitsAndBack) {
    Abre(12);
    Connection banco = Movimento("MV030012.MDB");
    InsereIcms(banco, "DIGS03", QDate(2003, 3, 5));
    Abre(12);
    click(w->cmdMovimento);
    EXPECT_EQ(w->windowTitle(), "Movimento de Saída");
    EXPECT_EQ(w->cmdMovimento->text(), "Entradas");
    EXPECT_EQ(w->lblTit(9)->text(), "CNPJ/CPF Cliente");
    EXPECT_EQ(w->Cadastro().Tabela(), "DIGS03");
    QString titulo, tabela;
    script->onDialog(PesquisaIcms().nome, [&](QDialog& d) {
        titulo = Geral::TituloPesquisa;
        tabela = Geral::TabelaPesquisa;
        static_cast<frmMovPesq&>(d).cmdOk_Click();
    });
    click(w->cmdPesquisar);
    settle();
    EXPECT_EQ(titulo, "Pesquisa de Lançamentos de Saída");
    EXPECT_EQ(tabela, "DIGS03");
    EXPECT_EQ(Estado(), shell::Carregado);
    EXPECT_EQ(w->mskCodigo->Text(), "000001");
    click(w->cmdCancelar);
    click(w->cmdNovo);
    EXPECT_EQ(w->mskCodigo->Text(), "000002");
    click(w->cmdCancelar);
    click(w->cmdMovimento);
    EXPECT_EQ(w->windowTitle(), "Movimento de Entrada");
    EXPECT_EQ(w->cmdMovimento->text(), "Saídas");
    EXPECT_EQ(w->lblTit(9)->text(), "CNPJ/CPF Fornecedor");
    click(w->cmdNovo);
    EXPECT_EQ(w->mskCodigo->Text(), "000001");
}

TEST_F(frmMovIcmsTest, ClosingIsRefusedWhileADocumentIsOpen) {
    Abre(12);
    click(w->cmdNovo);
    script->expect(Guarda, QStringLiteral("Atenção"), OK);
    EXPECT_FALSE(w->Unload());
    click(w->cmdCancelar);
    Connection banco = Movimento("MV030012.MDB");
    InsereIcms(banco, "DIGE03", QDate(2003, 3, 5));
    Codigo("1");
    script->expect(Guarda, QStringLiteral("Atenção"), OK);
    EXPECT_FALSE(w->Unload());
    click(w->cmdCancelar);
    EXPECT_TRUE(w->Unload());
    settle();
    EXPECT_TRUE(w.isNull() || w->isUnloaded());
}

// Choosing another company closes the open one: nothing of it can be used meanwhile.
TEST_F(frmMovIcmsTest, ACancelledCompanySearchLeavesNoCompany) {
    Abre(12);
    script->onDialog(QStringLiteral("frmPesqJur"), [](QDialog& d) { d.reject(); });
    click(w->cmdPesqe);
    settle();
    EXPECT_EQ(Estado(), shell::SemEmpresa);
    EXPECT_EQ(w->txtCodigo->text(), "");
    EXPECT_EQ(w->lblNome->text(), "");
    EXPECT_EQ(w->tdbAnomes->Value(), QDate());
    EXPECT_EQ(focusedName(), "txtCodigo");
    EXPECT_FALSE(w->cmdNovo->isEnabled());
    EXPECT_FALSE(w->Cadastro().Conexao().State() == platform::db::ObjectState::Open);

    Abre(12);
    clickInto(w->txtCodigo);
    settle();
    w->txtCodigo->clear();
    EXPECT_FALSE(w->cmdNovo->isEnabled());
    EXPECT_FALSE(w->cmdPesquisar->isEnabled());
}

TEST_F(frmMovIcmsTest, AnUnknownCompanyIsToldAndAFolderThatCannotBeWrittenLeavesNoCompany) {
    script->expect(
        QStringLiteral("Empresa Não Cadastrada, Utilize o Botão Ativar para acionar uma lista de empresas !"),
        QStringLiteral("Atenção..."), OK);
    typeInto(w, "txtCodigo", "77");
    pressEnter();
    settle();
    EXPECT_EQ(w->txtCodigo->text(), "");
    EXPECT_EQ(focusedName(), "txtCodigo");

    // A plain file where the folder should be stops every user, root included; a file of an older layout
    // is refused. Either is told once, and the code typed again is a company code afresh.
    const std::function<void()> falhas[] = {
        [this] {
            ASSERT_TRUE(QDir(pasta.path()).rmdir("Tarvel"));
            ASSERT_TRUE(QFile(pasta.filePath("Tarvel")).open(QIODevice::WriteOnly));
        },
        [this] {
            QFile::remove(pasta.filePath("Tarvel"));
            QDir(pasta.path()).mkdir("Tarvel");
            pasta.copyTemplate("Movimento.mdb", "Tarvel/MV030012.MDB");
            Movimento("MV030012.MDB").Execute("DROP TABLE DIGE05");
        }};
    for (const auto& prepara : falhas) {
        prepara();
        Connection outra;
        const QString falha = "Não foi possível abrir o arquivo de movimento MV030012.MDB (" +
                              AbreMovimento(outra, 12, 2003).falha + ") !";
        script->expect(falha, "Erro", OK);
        Abre(12);
        EXPECT_EQ(Estado(), shell::SemEmpresa);
        EXPECT_EQ(focusedName(), "txtCodigo");
        EXPECT_FALSE(w->cmdNovo->isEnabled());
        script->expect(falha, "Erro", OK);
        typeText("12");
        pressEnter();
        settle();
        pressEnter();
        settle();
        EXPECT_TRUE(script->allAnswered());
    }
}

}  // namespace
