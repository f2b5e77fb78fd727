#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "companies/empresas_sql.h"
#include "companies/frmEmpresas.h"
#include "companies/frmPesqJur.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/db/Error.h"
#include "platform/ui/MsgBox.h"
#include "registers/frmPesqMun.h"
#include "shell/EstadoGeral.h"
#include "support/EmpresaGravada.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

using namespace Empresas;
using namespace testsupport;
namespace Msg = platform::ui::Msg;

namespace {

const QString Incluir = QStringLiteral("Código Não Cadastrado, Incluir Novo ?");
const QString Excluir = QStringLiteral(
    "Deseja Realmente Excluir Este Registro ? Todos os Sócios, Enquadramentos, Alterações de Contrato e "
    "outras "
    "informações vinculados a empresa serão excluídas !");

class frmEmpresasTest : public UiFixture {
  protected:
    void SetUp() override {
        Geral::ReiniciaEstadoGeral();
        UiFixture::SetUp();
        Geral::ConexaoCadastro = pasta.registryConnection();
        db.Open(Geral::ConexaoCadastro);
        w = platform::ui::ShowForm<frmEmpresas>();
        ASSERT_TRUE(w);
        settle();
    }
    void Insere(qint64 codigo, const char* nome = "Existente") {
        DadosEmpresa e;
        e.codigo = codigo;
        e.nome = QString::fromUtf8(nome);
        e.uf = QStringLiteral("SP");
        e.situ = QStringLiteral("A");
        e.cep = QStringLiteral("_____-___");
        e.cgc = QStringLiteral("__.___.___/____-__");
        e.cei = QStringLiteral("__.___._____-__");
        e.ccm = QStringLiteral("__.___.___-__");
        e.cnae = QStringLiteral("_____-__");
        e.tpiss = QString();
        InsereEmpresa(db, e);
    }
    // Types a number into the key field and leaves it.
    void Chave(const QString& texto) {
        typeInto(w, QStringLiteral("txtCodigo"), texto);
        pressTab();
        settle();
    }
    void NovaEmpresa(const QString& codigo) {
        script->expect(Incluir, Msg::Yes);
        Chave(codigo);
        ASSERT_EQ(w->Estado(), 3);
    }
    void DigitaCampos() {
        typeInto(w, "txtNome", "Padaria D'Ávila");
        typeInto(w, "txtendereco", "Rua do \"Sol\"");
        typeInto(w, "txtNumero", "12");
        typeInto(w, "txtcomplemento", "Sala 3");
        typeInto(w, "txtBairro", "Centro");
        typeInto(w, "txtCidade", "Dias d'Ávila");
        typeInto(w, "txtUf", "ba");
        typeInto(w, "mskCep", "42850000");
        pressTab();  // the CEP fills the municipality and jumps to the CNPJ
        EXPECT_EQ(focusedName(), QStringLiteral("mskCgc"));
        typeText("11222333000181");
        typeInto(w, "txtInscrEstadual", "123'456");
        typeInto(w, "mskCei", "12345678901");
        typeInto(w, "tdbcadastro", "15032004");
        typeInto(w, "mskCnae", "1234567");
        w->cmbSituacao->setCurrentIndex(1);
        typeInto(w, "txtAtividade", "Pães");
        pressTab();
        EXPECT_EQ(focusedName(), QStringLiteral("txtcontato1"));
        typeText("João");
        typeInto(w, "txtHomepage", "www.b.com.br");
        w->tdbadipi->setText(QString());
        typeInto(w, "tdbadipi", "1,5");
        w->tdbpercservicos->setText(QString());
        typeInto(w, "tdbpercservicos", "32,25");
        pressTab();
        EXPECT_EQ(w->sstabCli->Tab(), 2);
        w->cmbTipo_empresa->setCurrentText(QStringLiteral("Sociedade Civil"));
        w->cmbTpEscri->setCurrentIndex(1);
        w->cmbTpIss->setCurrentIndex(2);
        w->cmbGrIcms->setCurrentIndex(2);
        w->sstabCli->setTab(4);
        typeInto(w, "txtObserv", "observação");
    }
    Recordset Linha(qint64 codigo) { return LeEmpresa(db, codigo); }
    void ErrosFatais() {
        script->onDialog(QStringLiteral("frmErros"), [](QDialog& d) { click(&d, QStringLiteral("cmdOk")); });
    }

    TempProgramFolder pasta;
    platform::db::Connection db;
    frmEmpresas* w = nullptr;
};

TEST_F(frmEmpresasTest, ANewCompanyIsSavedWithEveryFieldAsTyped) {
    NovaEmpresa(QStringLiteral("007"));
    EXPECT_EQ(w->txtCodigo->text(), "007");
    EXPECT_FALSE(w->txtCodigo->isEnabled());
    EXPECT_EQ(focusedName(), QStringLiteral("txtNome"));
    for (QPushButton* b : {w->cmdEnquadra, w->cmdContrato, w->cmdApagar, w->cmdImprimir, w->cmdSair})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    DigitaCampos();
    ASSERT_EQ(focusedName(), QStringLiteral("txtObserv"));
    // The remarks take their place in the tab order: Tab goes on to the first button that is enabled.
    pressTab();
    EXPECT_EQ(focusedName(), QStringLiteral("cmdGravar"));
    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focusedName(), QStringLiteral("txtObserv"));
    click(w, QStringLiteral("cmdGravar"));  // straight from the multi-line remarks field
    EXPECT_EQ(w->Estado(), 1);
    EXPECT_EQ(focusedName(), QStringLiteral("txtCodigo"));
    Recordset r = Linha(7);
    ASSERT_FALSE(r.Eof());
    EXPECT_EQ(r.Fields("nome").toString(), "Padaria D'Ávila");
    EXPECT_EQ(r.Fields("endereco").toString(), "Rua do Sol");  // the double quote never got in
    EXPECT_EQ(r.Fields("cidade").toString(), "Dias d'Ávila");
    EXPECT_EQ(r.Fields("uf").toString(), "BA");
    EXPECT_EQ(r.Fields("cep").toString(), "42850-000");
    EXPECT_EQ(r.Fields("cMun").toString(), "2910057");
    EXPECT_EQ(r.Fields("xPais").toString(), "Brasil");
    EXPECT_EQ(r.Fields("cPais").toString(), "1058");
    EXPECT_EQ(r.Fields("cgc").toString(), "11.222.333/0001-81");
    EXPECT_EQ(r.Fields("inscr_estadual").toString(), "123'456");
    EXPECT_EQ(r.Fields("cei").toString(), "12.345.67890-1_");
    EXPECT_EQ(r.Fields("ccm").toString(), "__.___.___-__");
    EXPECT_EQ(r.Fields("data_cadastro").toDate(), QDate(2004, 3, 15));
    EXPECT_TRUE(r.Fields("fundacao").isNull());
    EXPECT_EQ(r.Fields("cnae").toString(), "12345-67");
    EXPECT_EQ(r.Fields("situ").toString(), "A");
    EXPECT_EQ(r.Fields("atividade").toString(), "Pães");
    EXPECT_EQ(r.Fields("contato1").toString(), "João");
    EXPECT_EQ(r.Fields("homepage").toString(), "www.b.com.br");
    EXPECT_EQ(r.Fields("perc_ipi").toCurrency(), Currency::fromRaw(15000));
    EXPECT_EQ(r.Fields("irpj_servicos").toCurrency(), Currency::fromRaw(322500));
    EXPECT_EQ(r.Fields("tipo_empresa").toString(), "Sociedade Civil");
    EXPECT_EQ(r.Fields("tpescri").toString(), "C");
    EXPECT_EQ(r.Fields("tpipi").toString(), " ");
    EXPECT_EQ(r.Fields("tpiss").toString(), "53");
    EXPECT_EQ(r.Fields("gricms").toString(), "2");
    EXPECT_EQ(r.Fields("sp").toString(), " ");
    EXPECT_TRUE(r.Fields("mes_base_fiscal").isNull());
    EXPECT_EQ(r.Fields("observacao").toString(), "observação");
}

TEST_F(frmEmpresasTest, ACompanyIsLoadedWithItsLabelsAndAnEditKeepsItsPeriod) {
    Insere(50);
    Insere(7, "Sete \"Aspas\"");
    // An address longer than its field, written by another tool, is named and kept whole.
    const QString endereco = QStringLiteral("Avenida Brigadeiro Faria Lima, conjunto 1203");
    db.Execute(QStringLiteral("UPDATE Empresas Set cnae = '12345', situ = '2', tpiss = '51', tpescri = 'X', "
                              "perc_ipi = NULL, perc_convenio = 0, mes_base_fiscal = ?, endereco = ?, "
                              "cidade = CAST(X'53E36F205061756C6F' AS TEXT) "
                              "Where Codigo = 7"),
               {QDate(2005, 4, 1), endereco});
    script->expectKept("endereco: " + endereco + "\ncidade: S\uFFFDo Paulo\ncnae: 12345\ntpescri: X");
    db.Execute(
        QStringLiteral("INSERT INTO Enquadramento (codempr, denquadra, codtipo) VALUES (7, ?, 1), (7, ?, 3)"),
        {QDate(2003, 2, 1), QDate(2005, 1, 1)});
    const qint64 codauto = Linha(7).Fields("codauto").toLongLong();
    db.Execute(
        QStringLiteral("INSERT INTO Contrato (codempr, Dregistro, capital) VALUES (?, ?, ?), (?, ?, ?)"),
        {codauto, QDate(2006, 1, 1), Currency::fromRaw(12000005000), codauto, QDate(2001, 1, 1),
         Currency::fromUnits(10)});
    Chave(QStringLiteral("007"));
    ASSERT_EQ(w->Estado(), 2);
    EXPECT_EQ(w->txtCodigo->text(), "7");
    EXPECT_EQ(w->txtNome->text(), "Sete \"Aspas\"");
    EXPECT_EQ(w->mskCnae->Text(), "12345-00");
    EXPECT_EQ(w->cmbSituacao->currentText(), "2");
    EXPECT_EQ(w->cmbTpIss->currentText(), "Mod.51");
    EXPECT_EQ(w->cmbTpEscri->currentIndex(), 0);
    EXPECT_EQ(w->tdbcadastro->Text(), "__/__/____");
    EXPECT_EQ(w->lblEnquadramento->text(), "Microempresa");
    EXPECT_EQ(w->lblD_enquadr->text(), "01/01/2005");
    EXPECT_EQ(w->lblCapital->text(), "1.200.000,50");
    // A stored zero, or nothing stored, shows as a new company's zero does.
    EXPECT_EQ(w->tdbadipi->text(), "0,00");
    EXPECT_EQ(w->tdbadconvenio->text(), "0,00");
    EXPECT_TRUE(w->cmdEnquadra->isEnabled());
    typeInto(w, "txtBairro", "Sé");
    click(w, QStringLiteral("cmdGravar"));
    EXPECT_EQ(w->Estado(), 1);
    Recordset r = Linha(7);
    EXPECT_EQ(r.Fields("nome").toString(), "Sete \"Aspas\"");
    EXPECT_EQ(r.Fields("bairro").toString(), "Sé");
    EXPECT_EQ(r.Fields("endereco").toString(), endereco);
    EXPECT_EQ(r.Fields("mes_base_fiscal").toDate(), QDate(2005, 4, 1));
    EXPECT_EQ(r.Fields("cnae").toString(), "12345");
    EXPECT_EQ(db.OpenRecordset("SELECT hex(cidade) FROM Empresas WHERE codigo = 7").Fields(0).toString(),
              "53E36F205061756C6F");
    // The idle window empties the labels again.
    EXPECT_TRUE(w->lblCapital->text().isEmpty());
    EXPECT_EQ(w->cmbSituacao->currentIndex(), -1);
}

TEST_F(frmEmpresasTest, KeysThatAreNoPositiveNumberAreIgnoredAndNoEmptiesTheKey) {
    Chave(QStringLiteral("0"));
    EXPECT_EQ(w->Estado(), 1);
    EXPECT_TRUE(script->shown().empty());
    clickInto(w->txtCodigo);
    w->txtCodigo->clear();
    paste(QStringLiteral("1a"));
    typeText(QStringLiteral("x-2"));
    EXPECT_EQ(w->txtCodigo->text(), "2");
    script->expect(Incluir, Msg::No);
    pressTab();
    settle();
    EXPECT_EQ(w->txtCodigo->text(), "");
    EXPECT_EQ(focusedName(), QStringLiteral("txtCodigo"));
    EXPECT_EQ(w->Estado(), 1);
}

TEST_F(frmEmpresasTest, EveryBrokenRuleIsListedAndNothingIsWritten) {
    NovaEmpresa(QStringLiteral("8"));
    ErrosFatais();
    click(w, QStringLiteral("cmdGravar"));
    EXPECT_EQ(w->Estado(), 3);
    EXPECT_TRUE(Geral::ComErros);
    EXPECT_FALSE(Geral::Cancelado);
    EXPECT_EQ(Geral::ContaErros, 4);
    EXPECT_EQ(Geral::ListaErros[1].Descricao, "O campo Empresa é obrigatório !");
    EXPECT_EQ(Geral::ListaErros[3].Descricao, "O campo situação é obrigatório !");
    EXPECT_TRUE(Linha(8).Eof());

    // A number registered meanwhile by another copy of the program is refused.
    typeInto(w, "txtNome", "Nova");
    typeInto(w, "txtUf", "SP");
    w->cmbSituacao->setCurrentIndex(3);
    Insere(8, "Outra");
    ErrosFatais();
    click(w, QStringLiteral("cmdGravar"));
    EXPECT_EQ(Geral::ContaErros, 2);
    EXPECT_EQ(Geral::ListaErros[1].Descricao, "Código Já Cadastrado, Troque o Número !");
    EXPECT_EQ(Linha(8).Fields("nome").toString(), "Outra");
    EXPECT_EQ(w->txtNome->text(), "Nova");
}

// A date the focus never left is checked by the save, and its row stays in the list beside the
// company's own rules.
TEST_F(frmEmpresasTest, AnImpossibleDateIsListedByTheSaveAndNothingIsWritten) {
    NovaEmpresa(QStringLiteral("9"));
    typeInto(w, "txtUf", "SP");
    w->cmbSituacao->setCurrentIndex(1);
    for (platform::controls::TDBDate* data : {w->tdbcadastro, w->tdbfundacao}) {
        SCOPED_TRACE(data->objectName().toStdString());
        w->tdbcadastro->setText(QString());
        w->tdbfundacao->setText(QString());
        data->setText(QStringLiteral("31/02/2020"));
        ErrosFatais();
        EXPECT_FALSE(w->Cadastro().Grava());
        EXPECT_TRUE(Geral::ComErros);
        ASSERT_EQ(Geral::ContaErros, 3);
        EXPECT_EQ(Geral::ListaErros[1].Tipo, "Erro Fatal");
        EXPECT_EQ(Geral::ListaErros[1].Descricao, "Data inválida !");
        EXPECT_EQ(Geral::ListaErros[2].Descricao, "O campo Empresa é obrigatório !");
        EXPECT_EQ(w->Estado(), 3);
        EXPECT_TRUE(Linha(9).Eof());
    }
}

TEST_F(frmEmpresasTest, AnInvalidCnpjOrStateKeepsTheFocusAndTheSaveWaits) {
    Insere(7);
    Chave(QStringLiteral("7"));
    typeInto(w, "mskCgc", "11222333000182");
    script->expect(QStringLiteral("CGC Inválido !"), Msg::OK);
    click(w, QStringLiteral("cmdGravar"));
    EXPECT_EQ(focusedName(), QStringLiteral("mskCgc"));
    EXPECT_EQ(w->Estado(), 2);
    EXPECT_EQ(Linha(7).Fields("cgc").toString(), "__.___.___/____-__");

    w->mskCgc->setText(QStringLiteral("__.___.___/____-__"));
    w->txtUf->clear();
    typeInto(w, "txtUf", "XX");
    script->expect(QStringLiteral("Sigla do Estado Inválido, digite corretamente ou deixe o campo vazio"),
                   "Erro", Msg::OK);
    pressTab();
    EXPECT_EQ(focusedName(), QStringLiteral("txtUf"));
    w->txtUf->setText(QStringLiteral("rj"));
    pressTab();
    EXPECT_EQ(w->txtUf->text(), "RJ");
}

TEST_F(frmEmpresasTest, TheCepFillsTheMunicipalityOnlyForANewCompany) {
    Insere(7);
    db.Execute(QStringLiteral("UPDATE Empresas Set cidade = 'São Paulo' Where Codigo = 7"));
    Chave(QStringLiteral("7"));
    typeInto(w, "mskCep", "01001000");
    pressTab();
    EXPECT_TRUE(w->txtCMun->text().isEmpty());
    EXPECT_NE(focusedName(), "mskCgc");
}

TEST_F(frmEmpresasTest, ANewCompanyTakesTheMunicipalityFromAFullCep) {
    NovaEmpresa(QStringLiteral("9"));
    typeInto(w, "txtCidade", "são paulo");
    typeInto(w, "txtUf", "SP");
    typeInto(w, "mskCep", "00000000");
    pressTab();
    EXPECT_EQ(focusedName(), QStringLiteral("mskCep"));  // refused without a word
    EXPECT_EQ(w->mskCep->selectedText(), "00000-000");   // selected, to be typed over
    typeText("0100");
    EXPECT_EQ(w->mskCep->Text(), "0100_-___");
    pressTab();
    EXPECT_EQ(focusedName(), QStringLiteral("mskCep"));
    typeInto(w, "mskCep", "01001000");
    pressTab();
    EXPECT_EQ(w->txtCMun->text(), "3550308");
    EXPECT_EQ(w->txtPais->text(), "Brasil");
    EXPECT_EQ(w->txtCPais->text(), "1058");
    EXPECT_EQ(focusedName(), QStringLiteral("mskCgc"));
}

TEST_F(frmEmpresasTest, TheMunicipalityButtonChecksFillsOrSearches) {
    NovaEmpresa(QStringLiteral("9"));
    typeInto(w, "txtCidade", "Ariquemes");
    typeInto(w, "txtUf", "RO");
    click(w, QStringLiteral("cmdPesqMun"));
    EXPECT_EQ(w->txtCMun->text(), "1100023");
    EXPECT_EQ(w->txtPais->text(), "Brasil");
    script->expect(QStringLiteral("O código do Município Ariquemes(RO) é 1100023 e está correto !"), Msg::OK);
    click(w, QStringLiteral("cmdPesqMun"));
    EXPECT_EQ(w->txtCMun->text(), "1100023");

    // Without a city the search opens; the choice brings the code, the city and the state.
    w->txtCidade->clear();
    w->txtPais->clear();
    script->onDialog(QStringLiteral("frmPesqMun"), [](QDialog& d) {
        auto& m = static_cast<registers::frmPesqMun&>(d);
        EXPECT_EQ(m.txtUf->text(), "RO");
        m.txtCidade->setText(QString::fromUtf8("Dias d'Ávila"));
        m.txtUf->clear();
        click(&d, QStringLiteral("cmdPesquisar"));
        click(&d, QStringLiteral("cmdOk"));
    });
    click(w, QStringLiteral("cmdPesqMun"));
    settle();
    EXPECT_EQ(w->txtCMun->text(), "2910057");
    EXPECT_EQ(w->txtCidade->text(), "Dias d'Ávila");
    EXPECT_EQ(w->txtUf->text(), "BA");
    EXPECT_TRUE(w->txtPais->text().isEmpty());
}

class Exclusao : public frmEmpresasTest {
  protected:
    void SetUp() override {
        frmEmpresasTest::SetUp();
        Insere(50);
        Insere(7);
        codauto = Linha(7).Fields("codauto").toLongLong();
        db.Execute(QStringLiteral("INSERT INTO Enquadramento (codempr, denquadra, codtipo) VALUES (7, ?, 1)"),
                   {QDate(2003, 2, 1)});
        db.Execute(QStringLiteral("INSERT INTO Socios (codempr, nome) VALUES (?, 'S')"), {codauto});
        db.Execute(QStringLiteral("INSERT INTO Terceiros (codempr, nome) VALUES (?, 'T')"), {codauto});
        db.Execute(QStringLiteral("INSERT INTO Contrato (codempr, Dregistro, capital) VALUES (?, ?, 0)"),
                   {codauto, QDate(2001, 1, 1)});
        Chave(QStringLiteral("7"));
        ASSERT_EQ(w->Estado(), 2);
    }
    qint64 Dependentes() {
        return db
            .OpenRecordset(QStringLiteral(
                "SELECT (SELECT Count(*) FROM Enquadramento) + (SELECT Count(*) FROM Socios) + "
                "(SELECT Count(*) FROM Terceiros) + (SELECT Count(*) FROM Contrato) AS I"))
            .Fields("I")
            .toLongLong();
    }
    qint64 codauto = 0;
};

TEST_F(Exclusao, NoKeepsEverythingAndYesRemovesTheCompanyWithItsRows) {
    script->expect(Excluir, QStringLiteral("Atenção..."), Msg::No);
    click(w, QStringLiteral("cmdApagar"));
    EXPECT_EQ(script->shown().back().style, Msg::YesNo | Msg::Critical | Msg::DefaultButton2);
    EXPECT_EQ(w->Estado(), 2);
    EXPECT_EQ(Dependentes(), 4);
    script->expect(Excluir, Msg::Yes);
    click(w, QStringLiteral("cmdApagar"));
    EXPECT_EQ(w->Estado(), 1);
    EXPECT_EQ(focusedName(), QStringLiteral("txtCodigo"));
    EXPECT_TRUE(Linha(7).Eof());
    EXPECT_FALSE(Linha(50).Eof());
    EXPECT_EQ(Dependentes(), 0);
}

TEST_F(Exclusao, ADeleteThatFailsHalfWayDeletesNothing) {
    db.Execute(
        QStringLiteral("CREATE TRIGGER falha BEFORE DELETE ON Empresas BEGIN SELECT RAISE(ABORT, 'x'); END"));
    script->expect(Excluir, Msg::Yes);
    script->expect(QStringLiteral("Erro número 1811 x"), "Erro", Msg::OK);
    click(w, QStringLiteral("cmdApagar"));
    EXPECT_EQ(w->Estado(), 2);
    EXPECT_FALSE(Linha(7).Eof());
    EXPECT_EQ(Dependentes(), 4);
}

TEST_F(Exclusao, AnUpdateOfACompanyDeletedMeanwhileSaysSoAndKeepsTheInput) {
    clickInto(w->txtNome);
    pressKey(Qt::Key_End);
    typeText(QStringLiteral(" alterada"));
    ExcluiEmpresa(db, 7, codauto);
    script->expect(QStringLiteral("Registro não encontrado, a gravação não foi realizada !"), "Atenção",
                   Msg::OK);
    click(w, QStringLiteral("cmdGravar"));
    EXPECT_EQ(script->shown().back().style, Msg::Critical);
    EXPECT_EQ(w->Estado(), 2);
    EXPECT_EQ(w->txtNome->text(), "Existente alterada");
    EXPECT_TRUE(Linha(7).Eof());
}

TEST_F(frmEmpresasTest, TheCloseGuardHoldsAnOpenRecordAndTheSearchLoadsTheChoice) {
    Insere(7, "Sete");
    Insere(9, "Nove");
    script->onDialog(QStringLiteral("frmPesqJur"), [](QDialog& d) {
        auto& p = static_cast<frmPesqJur&>(d);
        p.tdbPesq->setBookmark(1);
        click(&d, QStringLiteral("cmdOk"));
    });
    click(w, QStringLiteral("cmdPesquisar"));
    settle();
    ASSERT_EQ(w->Estado(), 2);
    EXPECT_EQ(w->txtNome->text(), "Nove");
    script->expect(
        QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele antes..."),
        "Atenção", Msg::OK);
    EXPECT_FALSE(w->Unload());
    click(w, QStringLiteral("cmdCancelar"));
    EXPECT_EQ(w->Estado(), 1);
    EXPECT_TRUE(w->txtNome->text().isEmpty());
    // With a key typed the list does not open: the key is looked up again.
    typeInto(w, QStringLiteral("txtCodigo"), QStringLiteral("0"));
    click(w, QStringLiteral("cmdPesquisar"));
    settle();
    EXPECT_EQ(w->Estado(), 1);
    EXPECT_EQ(w->txtCodigo->text(), QStringLiteral("0"));
    EXPECT_TRUE(w->Unload());
}

}  // namespace
