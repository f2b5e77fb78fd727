#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "MovimentoFixture.h"
#include "movement/ArquivoMovimento.h"
#include "movement/DocumentoIcms.h"
#include "movement/LancamentoIcms.h"
#include "movement/frmMovIcms.h"
#include "movement/frmMovIss.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBGrid.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"
#include "support/LinhasGravadas.h"

using namespace movimento;
using namespace movtest;
using namespace testsupport;
using platform::db::Connection;
using platform::ui::Msg::No;
using platform::ui::Msg::Yes;

namespace {

const QString Fornecedor = QStringLiteral("11.222.333/0001-81");
const QString Exclui = QStringLiteral("Deseja Realmente Excluir Este Registro ?");

Currency Valor(const char* texto) { return *Currency::parse(QString::fromLatin1(texto)); }

class frmMovIcmsGravaTest : public MovimentoTest {
  protected:
    void SetUp() override {
        MovimentoTest::SetUp();
        cadastro.Open(Geral::ConexaoCadastro);
        cadastro.Execute("INSERT INTO Empresas(codigo,nome,uf,mes_base_fiscal) VALUES(12,'Doze','SP',?)",
                         {QDate(2003, 3, 1)});
        cadastro.Execute("INSERT INTO ForGeral(cgc,nome) VALUES(?,'Fornecedor')", {Fornecedor});
        w = static_cast<frmMovIcms*>(platform::ui::ShowInstance(new frmMovIcms));
        ASSERT_NE(w, nullptr);
        settle();
        AbreEmpresa(*w, 12);
        ASSERT_EQ(Estado(), shell::Ocioso);
        banco.Open(Conexao(tarvel(QStringLiteral("MV030012.MDB"))));
    }
    void TearDown() override {
        FechaJanela(w);
        MovimentoTest::TearDown();
    }
    shell::EstadoCadastro Estado() { return w->Cadastro().EstadoAtual(); }
    // The items as typed: one row per item, the cells as Brazilian text.
    void Itens(const std::vector<std::vector<QString>>& linhas) {
        w->ArrayItens.ReDim(0, int(linhas.size()) - 1, 0, ColunaItem::Ultima);
        for (int r = 0; r < int(linhas.size()); ++r)
            for (int c = 0; c <= ColunaItem::Ultima; ++c)
                w->ArrayItens.setValue(r, c, c < int(linhas[r].size()) ? QVariant(linhas[r][c]) : QVariant());
        w->tdgItens->ReBind();
    }
    void Carrega(qint64 codigo) {
        clickInto(w->mskCodigo);
        typeText(QString::number(codigo));
        pressEnter();
        settle();
    }
    platform::db::Recordset Linha(qint64 codigo) {
        return banco.OpenRecordset("SELECT * FROM DIGE03 WHERE codauto = ?", {codigo});
    }

    Connection cadastro, banco;
    QPointer<frmMovIcms> w;
};

// A document of two items is typed, saved, read back, changed to one item and deleted; every amount
// is stored to the cent and the texts as typed, quotes included.
TEST_F(frmMovIcmsGravaTest, ADocumentIsSavedReloadedChangedAndDeleted) {
    click(w->cmdNovo);
    settle();
    ASSERT_EQ(Estado(), shell::Novo);
    w->tdbData->setValue(QDate(2003, 3, 9));
    w->txtEspecie->setText(QStringLiteral("NF"));
    w->txtSerie->setText(QStringLiteral("U"));
    w->txtNinicio->setText(QStringLiteral("123"));
    w->txtCgc->setText(Fornecedor);
    w->txtUf->setText(QStringLiteral("SP"));
    w->mskCfiscal->setText(QStringLiteral("1.102"));
    w->tdbVlrcont->setValue(Valor("1200,50"));
    w->txtObserv->setText(QStringLiteral("d'água \"x\""));
    Itens({{"1.000,00", "17", "170,00", "", "", "1"}, {"", "", "", "200,5", "", ""}});
    click(w->cmdGravar);
    settle();

    EXPECT_EQ(Estado(), shell::Ocioso);
    EXPECT_EQ(focusedName(), "cmdNovo");
    EXPECT_EQ(w->ProximoEntradas, 2);
    auto rs = Linha(1);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields("datalan").toDate(), QDate(2003, 3, 9));
    EXPECT_FALSE(banco.OpenRecordset("SELECT codauto FROM DIGE03 WHERE datalan = '2003-03-09'").Eof());
    EXPECT_EQ(rs.Fields("demiss").toDate(), QDate(2003, 3, 1));
    EXPECT_EQ(rs.Fields("especie").toString(), "NF");
    EXPECT_EQ(rs.Fields("docinicial").toString(), "123");
    EXPECT_EQ(rs.Fields("cgc").toString(), Fornecedor);
    EXPECT_EQ(rs.Fields("codfiscal").toString(), "1.102");
    EXPECT_EQ(rs.Fields("vlrcontabil").toCurrency(), Valor("1200,50"));
    EXPECT_EQ(rs.Fields("baseicms0").toCurrency(), Valor("1000"));
    EXPECT_EQ(rs.Fields("aliqicms0").toCurrency(), Valor("17"));
    EXPECT_EQ(rs.Fields("valricms0").toCurrency(), Valor("170"));
    EXPECT_EQ(rs.Fields("tipoicms0").toString(), "1");
    EXPECT_EQ(rs.Fields("isenicms1").toCurrency(), Valor("200,50"));
    EXPECT_EQ(rs.Fields("tipoicms1").toString(), "");
    EXPECT_EQ(rs.Fields("tipoicms2").toString(), " ");
    EXPECT_EQ(rs.Fields("observ").toString(), "d'água \"x\"");

    Carrega(1);
    ASSERT_EQ(Estado(), shell::Carregado);
    EXPECT_EQ(w->ArrayItens.Count(1), 2);
    Itens({{"1.000,00", "17", "170,00", "", "", "1"}});
    w->tdbVlrcont->setValue(Valor("1000"));
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(Estado(), shell::Ocioso);
    EXPECT_EQ(focusedName(), "mskCodigo");
    rs = Linha(1);
    EXPECT_EQ(rs.Fields("vlrcontabil").toCurrency(), Valor("1000"));
    EXPECT_TRUE(rs.Fields("isenicms1").toCurrency().isZero());
    EXPECT_EQ(rs.Fields("tipoicms1").toString(), " ");

    Carrega(1);
    script->expect(Exclui, No);
    click(w->cmdApagar);
    settle();
    EXPECT_EQ(Estado(), shell::Carregado);
    EXPECT_FALSE(Linha(1).Eof());
    script->expect(Exclui, Yes);
    click(w->cmdApagar);
    settle();
    EXPECT_EQ(Estado(), shell::Ocioso);
    EXPECT_TRUE(Linha(1).Eof());
}

// A warning answered No writes nothing and keeps the document as typed; answered Yes, it is saved
// and the window ends as after any save, so an existing code typed next loads.
TEST_F(frmMovIcmsGravaTest, TheErrorListDecidesTheSave) {
    click(w->cmdNovo);
    settle();
    w->txtNinicio->setText(QStringLiteral("7"));
    w->txtCgc->setText(Fornecedor);
    w->txtUf->setText(QStringLiteral("SP"));
    w->mskCfiscal->setText(QStringLiteral("1.102"));
    w->tdbVlrcont->setValue(Valor("1000"));
    Itens({{"1.000,00", "17", "169,99"}});
    script->onDialog(QStringLiteral("frmErros"), [](QDialog& d) { click(&d, QStringLiteral("cmdNao")); });
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(Estado(), shell::Novo);
    EXPECT_TRUE(Linha(1).Eof());
    EXPECT_EQ(w->txtNinicio->text(), "7");
    EXPECT_EQ(w->ProximoEntradas, 1);

    script->onDialog(QStringLiteral("frmErros"), [](QDialog& d) { click(&d, QStringLiteral("cmdSim")); });
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(Estado(), shell::Ocioso);
    EXPECT_EQ(Linha(1).Fields("valricms0").toCurrency(), Valor("169,99"));
    EXPECT_EQ(w->ProximoEntradas, 2);
    Carrega(1);
    EXPECT_EQ(Estado(), shell::Carregado);
    EXPECT_TRUE(script->allAnswered());
}

// Each field settles its text on leaving it, or is refused with its message and keeps the focus.
TEST_F(frmMovIcmsGravaTest, TheFieldsSettleOrRefuseTheirText) {
    click(w->cmdNovo);
    settle();
    struct Caso {
        QLineEdit* campo;
        QString digitado, fica, mensagem, titulo;
    };
    const Caso casos[] = {
        {w->txtEspecie, " nf ", "NF", {}, {}},
        {w->txtEspecie, "nff", "NFF", "Especie de documento não cadastrada, verifique o manual",
         "Verifique o Manual..."},
        {w->txtSerie, "a1 ", "A1 ", {}, {}},
        {w->txtNinicio, "000123", "123", {}, {}},
        {w->txtNfim, "0", "", {}, {}},
        {w->txtUf, "sp", "SP", {}, {}},
        {w->txtUf, "XX", "XX", "Sigla do Estado Inválido, digite corretamente ou deixe o campo vazio",
         "Erro"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.digitado.toStdString());
        clickInto(c.campo);
        c.campo->clear();
        typeText(c.digitado);
        if (!c.mensagem.isEmpty()) script->expect(c.mensagem, c.titulo, platform::ui::Msg::OK);
        pressTab();
        settle();
        EXPECT_EQ(c.campo->text(), c.fica);
        EXPECT_EQ(focused() == c.campo,
                  !c.mensagem.isEmpty() || c.fica.size() == 13 || c.fica.endsWith(u'2'));
        EXPECT_TRUE(script->allAnswered());
        c.campo->clear();
    }

    // An unknown CNPJ left unregistered empties the field.
    clickInto(w->txtCgc);
    typeText(QStringLiteral("11444777000161"));
    script->expect(QStringLiteral("CNPJ/CPF não cadastrado, cadastra agora ?"), QStringLiteral("Atenção"),
                   No);
    pressTab();
    settle();
    EXPECT_TRUE(w->txtCgc->text().isEmpty());
    EXPECT_EQ(focused(), w->txtCgc);
    EXPECT_TRUE(script->allAnswered());

    // A supplier's state as the register keeps it was not typed: passing through it tells nothing, and
    // only a CFOP that needs a state refuses it, naming it.
    for (const QString uf : {" sp ", "xx"}) {
        cadastro.Execute("UPDATE ForGeral SET uf = ?", {uf});
        clickInto(w->txtCgc);
        typeText(Fornecedor);
        for (int i = 0; i < 2; ++i) pressTab(), settle();
        typeText("1102");
        if (uf == "xx")
            script->expect(
                "Código fiscal inadequado, verifique se o UF da empresa combina ou se o código fiscal "
                "esta correto! A UF gravada do fornecedor " +
                    Fornecedor + ", \"XX\", não é sigla de Estado: digite a UF do documento.",
                "Atenção...", platform::ui::Msg::OK);
        pressTab();
        settle();
        EXPECT_EQ(w->mskCfiscal->Text(), uf == "xx" ? "_.___" : "1.102");
        w->txtCgc->clear();
        w->mskCfiscal->setText({});
    }

    // The launch type fills the first item from the accounting value and goes to the save.
    w->tdbVlrcont->setValue(Valor("1000"));
    clickInto(w->txtTipolan);
    typeText(QStringLiteral("18"));
    pressTab();
    settle();
    EXPECT_EQ(w->ArrayItens.Count(1), 1);
    EXPECT_EQ(LeCelula(w->ArrayItens.Value(0, ColunaItem::Base)), Valor("1000"));
    EXPECT_EQ(LeCelula(w->ArrayItens.Value(0, ColunaItem::Icms)), Valor("180"));
    EXPECT_EQ(focusedName(), "cmdGravar");
}

// A confirmed rate recomputes the ICMS over a typed one; the grid holds no sixth item.
TEST_F(frmMovIcmsGravaTest, TheItemsGridKeepsItsRules) {
    click(w->cmdNovo);
    settle();
    const auto digitaTaxa = [this](int linha, const char* taxa) {
        w->tdgItens->setFocus();
        w->tdgItens->setRow(linha);
        w->tdgItens->setCol(ColunaItem::Aliquota);
        typeText(QString::fromLatin1(taxa));
        pressTab();
        settle();
    };
    Itens({{"200", "", "35,00"}});
    digitaTaxa(0, "17");
    EXPECT_EQ(LeCelula(w->ArrayItens.Value(0, ColunaItem::Icms)), Valor("34"));

    bool cancela = false;
    w->tdgItens_BeforeInsert(cancela);
    EXPECT_FALSE(cancela);
    Itens({{"1"}, {"1"}, {"1"}, {"1"}, {"1"}});
    // With five items held, a rate typed in the last one is kept and nothing is said.
    digitaTaxa(4, "12");
    EXPECT_EQ(LeCelula(w->ArrayItens.Value(4, ColunaItem::Aliquota)), Valor("12"));
    // The sixth is refused, and told once.
    script->expect(
        QStringLiteral("Você não pode gravar mais de 5 itens... Grave, cancele ou tente ajustar !"),
        platform::ui::Msg::OK);
    w->tdgItens_BeforeInsert(cancela);
    EXPECT_TRUE(cancela);
    EXPECT_TRUE(script->allAnswered());
}

// A write the month table refuses leaves the document as typed, unsaved, and the next code as it was.
TEST_F(frmMovIcmsGravaTest, ARefusedWriteKeepsTheDocument) {
    banco.Execute("CREATE TRIGGER recusa BEFORE INSERT ON DIGE03 BEGIN SELECT RAISE(ABORT, 'x'); END");
    click(w->cmdNovo);
    settle();
    w->txtNinicio->setText(QStringLiteral("7"));
    w->txtCgc->setText(Fornecedor);
    w->txtUf->setText(QStringLiteral("SP"));
    w->mskCfiscal->setText(QStringLiteral("1.102"));
    w->tdbVlrcont->setValue(Valor("1000"));
    Itens({{"1.000,00", "17", "170,00"}});
    script->expect(QStringLiteral("Erro número 1811 x"), QStringLiteral("Erro"), platform::ui::Msg::OK);
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(Estado(), shell::Novo);
    EXPECT_EQ(w->txtNinicio->text(), "7");
    EXPECT_EQ(w->ArrayItens.Count(1), 1);
    EXPECT_EQ(w->ProximoEntradas, 1);
    EXPECT_TRUE(Linha(1).Eof());
    EXPECT_TRUE(script->allAnswered());
}

// A value another tool stored that the window cannot show as stored is named when the document is
// shown, and Gravar writes it back byte for byte unless the clerk typed into its field (even the very
// text shown); the rules judge the document as stored, so what they refuse is refused by name.
TEST_F(frmMovIcmsGravaTest, StoredValuesTheFieldsCannotShowAreNamedAndKept) {
    cadastro.Execute("UPDATE Empresas SET TpIss = '51'");
    QPointer<frmMovIss> iss = static_cast<frmMovIss*>(platform::ui::ShowInstance(new frmMovIss));
    settle();
    AbreEmpresa(*iss, 12);
    banco.Execute("INSERT INTO DIGE03(cgc) VALUES (?)", {Fornecedor});
    banco.Execute("INSERT INTO DIGISS03(subempr) VALUES (0)");
    const QString valido[] = {
        "UPDATE DIGE03 SET vlrcontabil = 10000000, baseicms0 = 10000000, aliqicms0 = 170000, "
        "valricms0 = 1700000, fonteicms = 0, valripi = 0, datalan = '2003-03-09', demiss = '2003-03-09', "
        "especie = 'NF', serie = 'U', docinicial = '7', docfinal = '', uf = 'SP', codfiscal = '1.102', "
        "tipolan = '', observ = ''",
        "UPDATE DIGISS03 SET datalan = '2003-03-09', codserv = '1', serie = 'A', docinicial = '7', "
        "docfinal = '0', talao = '', base = 10000000, aliq = 50000, iss = 500000, ir = 0, tipo = '0', "
        "observ = '', materiais = 0"};
    const QString longo = "replace(hex(zeroblob(1001)), '0', 'o')", cortado = QString(60, u'o') + "... (2002";
    // Each row: the window (0 ICMS, 1 ISS), what another tool stored over a valid document, the names
    // told, the field the clerk types into and what (nothing: Delete), the error-list row of the save
    // (none: it writes), and the columns afterwards, quoted.
    const struct {
        int janela;
        QString grava, nomes;
        const char *campo, *digitado, *erro;
        QString colunas, depois;
    } casos[] = {
        {0, "fonteicms = 9223372036854775807", "fonteicms: 922337203685477,5807", "tdbFicms", "0", "",
         "fonteicms", "0"},
        {0, "valripi = -1000000000000000", "valripi: -100000000000", "", "",
         "Erro de Soma: Valor Contábil = Base ICMS + Isentas + Outras + ICMS Fonte + IPI", "valripi",
         "-1000000000000000"},
        {0, "vlrcontabil = 10000005, baseicms0 = 10000005", "vlrcontabil: 1000,0005", "", "", "",
         "vlrcontabil", "10000005"},
        {0, "datalan = '9999-12-31'", "Data de lançamento fora do período: 31/12/9999", "", "", "", "datalan",
         "'9999-12-31'"},
        {0, "demiss = '2003-04-01'", "Data de emissão fora do período: 01/04/2003", "", "",
         "Data de emissão posterior ao período", "demiss", "'2003-04-01'"},
        {0, "datalan = NULL", "Data de lançamento ausente", "", "", "Todo registro deve ter uma data !",
         "datalan", "NULL"},
        // A date shown empty and erased is no date.
        {0, "demiss = '9999-12-31'", "Data de emissão fora do período: 31/12/9999", "tdbDemiss", "",
         "Data de emissão ausente", "demiss", "'9999-12-31'"},
        {0,
         "especie = 'NFEX', serie = 'ABCD', codfiscal = '1.102.999.999', tipolan = '123', "
         "docinicial = '1234567', observ = " +
             longo,
         "especie: NFEX\nserie: ABCD\ndocinicial: 1234567\ncodfiscal: 1.102.999.999\ntipolan: 123\nobserv: " +
             cortado + " caracteres)",
         "", "", "", "especie||serie||docinicial||codfiscal||tipolan||length(observ)",
         "'NFEXABCD12345671.102.999.9991232002'"},
        {0, "docinicial = '12A45', docfinal = NULL, tipolan = NULL, serie = 'nf'",
         "serie: nf\ndocinicial: 12A45", "", "", "", "docinicial||quote(docfinal)||quote(tipolan)||serie",
         "'12A45NULLNULLnf'"},
        {0, "especie = 'NFEX'", "especie: NFEX", "txtEspecie", "NFE", "", "especie", "'NFE'"},
        {0, "uf = '  sp  '", "uf:   sp  ", "", "", "", "uf", "'  sp  '"},
        {0, "uf = 'xx'", "", "", "",
         "Código fiscal inadequado ! A UF gravada do fornecedor 11.222.333/0001-81, \"xx\", não é sigla de "
         "Estado: digite a UF do documento.",
         "uf", "'xx'"},
        {1,
         "codserv = '12345678901', serie = 'ABCDEF', talao = 'T2345678901', "
         "docinicial = '99999999999999999999', docfinal = NULL, observ = " +
             longo,
         "codserv: 12345678901\nserie: ABCDEF\ndocinicial: 99999999999999999999\ntalao: T2345678901\n"
         "observ: " +
             cortado + " caracteres)",
         "", "", "", "codserv||serie||docinicial||quote(docfinal)||talao||length(observ)",
         "'12345678901ABCDEF99999999999999999999NULLT23456789012002'"},
        {1, "docinicial = '12A45', tipo = '7', aliq = 0, iss = 0", "docinicial: 12A45\ntipo: 7", "", "", "",
         "docinicial||tipo", "'12A457'"},
        {1, "tipo = NULL, aliq = 0, iss = 0", "", "", "", "", "tipo", "NULL"},
        {1, "tipo = 'X', aliq = 0, iss = 0", "tipo: X", "", "", "", "tipo", "'X'"},
        {1, "tipo = '0ZZZ', aliq = 0, iss = 0", "tipo: 0ZZZ", "", "", "", "tipo", "'0ZZZ'"},
        {1, "base = 9223372036854775807, aliq = 0, iss = 0, tipo = '3'", "base: 922337203685477,5807",
         "tdbVlrNota", "1000", "", "base", "10000000"},
        {1, "datalan = ''", "Data de lançamento ausente", "", "", "Todo registro deve ter uma data !",
         "datalan", "''"},
        {0, "datalan = ''", "Data de lançamento ausente", "", "", "Todo registro deve ter uma data !",
         "datalan", "''"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.grava.left(120).toStdString());
        QWidget* janela = c.janela ? static_cast<QWidget*>(iss) : w;
        auto& quadro = c.janela ? iss->Cadastro() : w->Cadastro();
        banco.Execute(valido[c.janela] + ", " + c.grava);
        const QString tabela = c.janela ? "DIGISS03" : "DIGE03";
        const auto antes = LinhasGravadas(banco, tabela);
        if (!c.nomes.isEmpty()) script->expectKept(c.nomes, "documento");
        typeInto(janela, "mskCodigo", "1");
        pressEnter();
        settle();
        ASSERT_EQ(quadro.EstadoAtual(), shell::Carregado);
        if (*c.campo) {
            clickInto(control(janela, c.campo));
            pressKey(Qt::Key_A, Qt::ControlModifier);
            *c.digitado ? typeText(c.digitado) : pressKey(Qt::Key_Delete);
        }
        if (*c.erro) script->onDialog("frmErros", [](QDialog& d) { click(&d, "cmdOk"); });
        click(janela, "cmdGravar");
        settle();
        EXPECT_EQ(Geral::ListaErros[1].Descricao, c.erro);
        if (quadro.EstadoAtual() != shell::Ocioso) quadro.cmdCancelar_Click();
        // Only the column typed into changes, and only when the save is made.
        EXPECT_EQ(Mudadas(antes, LinhasGravadas(banco, tabela)), *c.campo && !*c.erro ? c.colunas : "");
        EXPECT_EQ(banco.OpenRecordset("SELECT quote(" + c.colunas + ") FROM " + tabela).Fields(0).toString(),
                  c.depois);
        EXPECT_TRUE(script->allAnswered());
    }
    FechaJanela(iss);
}

}  // namespace
