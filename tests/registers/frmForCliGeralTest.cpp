#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "RegistrosFixture.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "registers/forcli_sql.h"
#include "registers/frmForCliGeral.h"
#include "registers/frmPesqCGC.h"
#include "registers/frmPesqMun.h"
#include "shell/EstadoGeral.h"
#include "shell/ListaPesquisa.h"

using namespace registers;
using namespace testsupport;
using platform::ui::Msg::No;
using platform::ui::Msg::OK;
using platform::ui::Msg::Yes;

namespace {

const QString NaoCadastrado = QStringLiteral("Código Não Cadastrado, Incluir Novo ?");
const QString Cnpj = QStringLiteral("11.222.333/0001-81");
const QString Cnpj2 = QStringLiteral("98.765.432/0001-98");
const QString Cpf = QStringLiteral("123.456.789-09");

class ForCliGeralTest : public RegistrosFixture {
  protected:
    void SetUp() override {
        RegistrosFixture::SetUp();
        Abre();
    }
    void Abre() {
        w = platform::ui::ShowForm<frmForCliGeral>();
        ASSERT_NE(w, nullptr);
        settle();
    }
    void Chave(const QString& texto) {
        clickInto(w->txtCgc);
        typeText(texto);
        pressTab();
        settle();
    }
    void Clica(const char* nome) {
        click(w, QString::fromLatin1(nome));
        settle();
    }
    // A new party: the question answered Yes, the name typed, saved.
    void Novo(const QString& chave, const QString& nome, bool dupla = false) {
        script->expect(NaoCadastrado, Yes);
        Chave(chave);
        ASSERT_EQ(w->EstadoAtual(), 3);
        typeText(nome);
        if (dupla != w->chkIncForCli->isChecked()) Clica("chkIncForCli");
        Clica("cmdGravar");
    }
    QString Nome(const QString& tabela, const QString& cgc) { return Coluna(tabela, "cgc", cgc, "nome"); }
    Parceiro Le(const QString& tabela, const QString& cgc) { return LeParceiro(db, tabela, cgc); }

    frmForCliGeral* w = nullptr;
};

TEST_F(ForCliGeralTest, OpensIdleInSupplierModeWithOnlyTheKeyOpen) {
    EXPECT_TRUE(w->ModoFornecedor());
    EXPECT_EQ(Geral::TabelaForCli, QStringLiteral("ForGeral"));
    EXPECT_EQ(w->cmdAltera->text(), QStringLiteral("&Clientes"));
    EXPECT_TRUE(w->txtCgc->isEnabled());
    EXPECT_FALSE(w->txtNome->isEnabled());
    EXPECT_FALSE(w->mskCep->isEnabled());
    EXPECT_EQ(w->mskCep->Text(), QStringLiteral("_____-___"));
    EXPECT_FALSE(w->cmdGravar->isEnabled());
    EXPECT_FALSE(w->cmdApagar->isEnabled());
    EXPECT_TRUE(w->cmdPesquisar->isEnabled());
    EXPECT_TRUE(w->cmdImprimir->isEnabled());
    EXPECT_FALSE(w->chkIncForCli->isChecked());
}

TEST_F(ForCliGeralTest, ElevenAndFourteenDigitsAreRewrittenOtherCountsKeepTheFocusSilently) {
    script->expect(NaoCadastrado, No);
    Chave(QStringLiteral("12345678909"));
    EXPECT_EQ(Geral::ChaveComum, Cpf);
    script->expect(NaoCadastrado, No);
    Chave(QStringLiteral("11.222333/000181"));
    EXPECT_EQ(Geral::ChaveComum, Cnpj);
    EXPECT_TRUE(w->txtCgc->text().isEmpty());

    for (const char* typed : {"123456789012", "1122233300018"}) {
        Chave(QString::fromLatin1(typed));
        EXPECT_EQ(w->txtCgc->text(), QString::fromLatin1(typed));
        EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtCgc));
        EXPECT_EQ(w->EstadoAtual(), 1);
        w->txtCgc->clear();
    }
    EXPECT_EQ(script->shown().size(), 2u);
    // Letters and other signs never reach the key.
    clickInto(w->txtCgc);
    typeText(QStringLiteral("a1b.2/3-4,5"));
    EXPECT_EQ(w->txtCgc->text(), QStringLiteral("1.2/3-45"));
}

TEST_F(ForCliGeralTest, WrongCheckDigitsAreRewrittenToldAndKeepTheFocus) {
    script->expect(QStringLiteral("CGC Inválido !"), QStringLiteral("Erro"), OK);
    Chave(QStringLiteral("11222333000182"));
    EXPECT_EQ(w->txtCgc->text(), QStringLiteral("11.222.333/0001-82"));
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtCgc));
    EXPECT_EQ(w->EstadoAtual(), 1);
    w->txtCgc->clear();
    script->expect(QStringLiteral("CPF Inválido !"), QStringLiteral("Erro"), OK);
    Chave(QStringLiteral("12345678900"));
    EXPECT_EQ(w->txtCgc->text(), QStringLiteral("123.456.789-00"));
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtCgc));
}

TEST_F(ForCliGeralTest, ASupplierIsWrittenIntoTheSuppliersOnly) {
    Novo(QStringLiteral("11222333000181"), QStringLiteral("Casa d'Água \"Central\""));
    EXPECT_EQ(Nome(QStringLiteral("ForGeral"), Cnpj), QStringLiteral("Casa d'Água Central"));
    EXPECT_EQ(Nome(QStringLiteral("CliGeral"), Cnpj), QStringLiteral("<nenhum>"));
    EXPECT_EQ(Coluna(QStringLiteral("ForGeral"), "cgc", Cnpj, "cep"), QStringLiteral("_____-___"));
    EXPECT_EQ(w->EstadoAtual(), 1);
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtCgc));
    EXPECT_TRUE(w->txtNome->text().isEmpty());

    // Looked up again, it loads; the dual box is locked for a loaded record.
    Chave(QStringLiteral("11222333000181"));
    EXPECT_EQ(w->EstadoAtual(), 2);
    EXPECT_EQ(w->txtNome->text(), QStringLiteral("Casa d'Água Central"));
    EXPECT_FALSE(w->txtCgc->isEnabled());
    EXPECT_FALSE(w->chkIncForCli->isEnabled());
    EXPECT_FALSE(w->cmdAltera->isEnabled());
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtNome));
}

// A name longer than its field, written by another tool, is named when shown and kept whole.
TEST_F(ForCliGeralTest, ALoadedPartySavedUnchangedKeepsEveryColumn) {
    const QString longo = QStringLiteral("Comércio de Ferragens e Materiais Elétricos Ltda");
    const Parceiro p{Cnpj,
                     longo,
                     QStringLiteral("110.042.490.114"),
                     QStringLiteral("Rua A"),
                     QStringLiteral("12"),
                     QStringLiteral("fundos"),
                     QStringLiteral("Centro"),
                     QStringLiteral("São Paulo"),
                     QStringLiteral("SP"),
                     QStringLiteral("01001-000"),
                     QStringLiteral("3550308"),
                     QStringLiteral("Brasil"),
                     QStringLiteral("1058")};
    InsereParceiro(db, forcli::Fornecedores, p);
    script->expectKept("nome: " + longo);
    Chave(Cnpj);
    ASSERT_EQ(w->EstadoAtual(), 2);
    Clica("cmdGravar");
    EXPECT_EQ(Le(forcli::Fornecedores, Cnpj), p);
    EXPECT_EQ(w->EstadoAtual(), 1);
}

TEST_F(ForCliGeralTest, TheToggleSwitchesCaptionsAndTable) {
    Clica("cmdAltera");
    EXPECT_FALSE(w->ModoFornecedor());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Clientes"));
    EXPECT_EQ(w->cmdAltera->text(), QStringLiteral("Fornecedores"));
    EXPECT_EQ(w->lblTit(2)->text(), QStringLiteral("Cliente"));
    EXPECT_EQ(w->lblTit(1)->text(), QStringLiteral("Inscrição Estadual"));
    EXPECT_EQ(Geral::TabelaForCli, QStringLiteral("CliGeral"));
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtCgc));

    Novo(QStringLiteral("12345678909"), QStringLiteral("Cliente Um"));
    EXPECT_EQ(Nome(QStringLiteral("CliGeral"), Cpf), QStringLiteral("Cliente Um"));
    EXPECT_EQ(Nome(QStringLiteral("ForGeral"), Cpf), QStringLiteral("<nenhum>"));
    Chave(Cpf);
    ASSERT_EQ(w->EstadoAtual(), 2);
    script->expect(QStringLiteral("Deseja Realmente Excluir Este Registro ?"), QStringLiteral("Atenção..."),
                   Yes);
    Clica("cmdApagar");
    EXPECT_EQ(Nome(QStringLiteral("CliGeral"), Cpf), QStringLiteral("<nenhum>"));

    Clica("cmdAltera");
    EXPECT_TRUE(w->ModoFornecedor());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Fornecedores"));
    EXPECT_EQ(w->cmdAltera->text(), QStringLiteral("Clientes"));
    EXPECT_EQ(w->lblTit(2)->text(), QStringLiteral("Fornecedor"));
}

TEST_F(ForCliGeralTest, ADualRegistrationWritesBothTablesAndADeleteOnlyOne) {
    Novo(QStringLiteral("11222333000181"), QStringLiteral("Dupla"), true);
    EXPECT_EQ(Le(forcli::Fornecedores, Cnpj), Le(forcli::Clientes, Cnpj));
    EXPECT_EQ(Nome(QStringLiteral("CliGeral"), Cnpj), QStringLiteral("Dupla"));
    Chave(Cnpj);
    script->expect(QStringLiteral("Deseja Realmente Excluir Este Registro ?"), Yes);
    Clica("cmdApagar");
    EXPECT_EQ(Nome(QStringLiteral("ForGeral"), Cnpj), QStringLiteral("<nenhum>"));
    EXPECT_EQ(Nome(QStringLiteral("CliGeral"), Cnpj), QStringLiteral("Dupla"));
}

TEST_F(ForCliGeralTest, ADualRegistrationOfAKnownClientIsRefusedAndWritesNothing) {
    InsereParceiro(db, forcli::Clientes, Parte(Cnpj, QStringLiteral("Já cliente")));
    script->expect(NaoCadastrado, Yes);
    Chave(Cnpj);
    typeText(QStringLiteral("Novo fornecedor"));
    Clica("chkIncForCli");
    script->onDialog(QStringLiteral("frmErros"), [](QDialog& d) { click(&d, QStringLiteral("cmdOk")); });
    Clica("cmdGravar");
    EXPECT_EQ(Geral::ListaErros[1].Descricao,
              QStringLiteral(
                  "Este registro já existe no cadastro de clientes, desligue a opção de inclusão dupla se "
                  "quiser coloca-lo apenas como fornecedor, verifique !"));
    EXPECT_EQ(Nome(QStringLiteral("ForGeral"), Cnpj), QStringLiteral("<nenhum>"));
    EXPECT_EQ(Nome(QStringLiteral("CliGeral"), Cnpj), QStringLiteral("Já cliente"));
    EXPECT_EQ(w->EstadoAtual(), 3);
    // Switched off, the party goes into the suppliers alone.
    Clica("chkIncForCli");
    Clica("cmdGravar");
    EXPECT_EQ(Nome(QStringLiteral("ForGeral"), Cnpj), QStringLiteral("Novo fornecedor"));
    EXPECT_EQ(Nome(QStringLiteral("CliGeral"), Cnpj), QStringLiteral("Já cliente"));
    // The second write refused takes the first back with it.
    db.Execute("CREATE TRIGGER recusa BEFORE INSERT ON CliGeral BEGIN SELECT RAISE(ABORT, 'recusado'); END");
    script->expect(NaoCadastrado, Yes).expect("Erro número 1811 recusado", OK);
    Chave(QStringLiteral("12345678909"));
    typeText(QStringLiteral("Dupla"));
    Clica("chkIncForCli");
    Clica("cmdGravar");
    EXPECT_EQ(Nome(QStringLiteral("ForGeral"), Cpf) + Nome(QStringLiteral("CliGeral"), Cpf),
              "<nenhum><nenhum>");
}

TEST_F(ForCliGeralTest, TheDualDefaultIsStoredAtClosingAndReadAtOpening) {
    script->expect(NaoCadastrado, Yes);
    Chave(Cnpj);
    Clica("chkIncForCli");
    Clica("cmdCancelar");
    EXPECT_TRUE(w->InclusaoDupla());
    EXPECT_TRUE(w->chkIncForCli->isChecked());
    Clica("cmdSair");
    EXPECT_TRUE(forcli::LeInclusaoDupla(db));
    Abre();
    EXPECT_TRUE(w->chkIncForCli->isChecked());
    script->expect(NaoCadastrado, Yes);
    Chave(Cnpj);
    EXPECT_TRUE(w->chkIncForCli->isChecked());
    EXPECT_TRUE(w->chkIncForCli->isEnabled());
}

TEST_F(ForCliGeralTest, AnOpenRecordCannotBeClosed) {
    script->expect(NaoCadastrado, Yes);
    Chave(Cpf);
    script->expect(
        QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele antes..."),
        QStringLiteral("Atenção"), OK);
    EXPECT_FALSE(w->Unload());
    Clica("cmdCancelar");
    EXPECT_TRUE(w->Unload());
}

TEST_F(ForCliGeralTest, AHandedOverKeyIsLookedUpAtLoadAndBeginsARecordWithoutAsking) {
    Clica("cmdSair");
    Geral::InclusaoAtiva = true;
    Geral::InclusaoCgc = QStringLiteral("12345678909");
    Geral::InclusaoFornecedor = false;
    Abre();
    settle();
    EXPECT_FALSE(w->ModoFornecedor());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Clientes"));
    EXPECT_EQ(w->EstadoAtual(), 3);
    EXPECT_EQ(w->txtCgc->text(), Cpf);
    EXPECT_FALSE(Geral::InclusaoAtiva);
    EXPECT_TRUE(Geral::InclusaoCgc.isEmpty());
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtNome));
    typeText(QStringLiteral("Destinatário"));
    Clica("cmdGravar");
    EXPECT_EQ(Nome(QStringLiteral("CliGeral"), Cpf), QStringLiteral("Destinatário"));
    // The next unknown key asks its question again.
    script->expect(NaoCadastrado, No);
    Chave(Cnpj);
    EXPECT_EQ(w->EstadoAtual(), 1);
}

TEST_F(ForCliGeralTest, AHandedOverKeyAlreadyRegisteredLoadsAndUsesUpTheHandOver) {
    InsereParceiro(db, forcli::Fornecedores, Parte(Cnpj, QStringLiteral("Emitente")));
    Clica("cmdSair");
    Geral::InclusaoAtiva = true;
    Geral::InclusaoCgc = Cnpj;
    Geral::InclusaoFornecedor = true;
    Abre();
    settle();
    EXPECT_TRUE(w->ModoFornecedor());
    EXPECT_EQ(w->EstadoAtual(), 2);
    EXPECT_EQ(w->txtNome->text(), QStringLiteral("Emitente"));
    EXPECT_FALSE(Geral::InclusaoAtiva);
    Clica("cmdCancelar");
    script->expect(NaoCadastrado, No);
    Chave(Cpf);
    EXPECT_EQ(w->EstadoAtual(), 1);
}

TEST_F(ForCliGeralTest, AHandOverToAnOpenWindowIsNotReadAndSkipsNoLaterQuestion) {
    Geral::InclusaoAtiva = true;
    Geral::InclusaoCgc = Cpf;
    Geral::InclusaoFornecedor = false;
    EXPECT_EQ(platform::ui::ShowForm<frmForCliGeral>(), w);
    settle();
    EXPECT_TRUE(w->ModoFornecedor());
    EXPECT_TRUE(w->txtCgc->text().isEmpty());
    script->expect(NaoCadastrado, No);
    Chave(Cnpj);
    EXPECT_EQ(w->EstadoAtual(), 1);
    EXPECT_FALSE(Geral::InclusaoAtiva);
    // Nor does a flag left pending reach the next opening.
    Geral::InclusaoAtiva = true;
    Clica("cmdSair");
    EXPECT_FALSE(Geral::InclusaoAtiva);
    EXPECT_TRUE(Geral::InclusaoCgc.isEmpty());
    Abre();
    EXPECT_EQ(w->EstadoAtual(), 1);
    EXPECT_TRUE(w->txtCgc->text().isEmpty());
}

TEST_F(ForCliGeralTest, AWrongStateIsRefusedAndAKnownOneUpperCased) {
    script->expect(NaoCadastrado, Yes);
    Chave(Cnpj);
    script->expect(QStringLiteral("Sigla do Estado Inválido, digite corretamente ou deixe o campo vazio"),
                   QStringLiteral("Erro"), OK);
    typeInto(w, QStringLiteral("txtUf"), QStringLiteral("XX"));
    pressTab();
    settle();
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtUf));
    w->txtUf->clear();
    typeText(QStringLiteral("sp"));
    pressTab();
    settle();
    EXPECT_EQ(w->txtUf->text(), QStringLiteral("SP"));
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->mskCep));
}

TEST_F(ForCliGeralTest, ACompleteCepOfANewPartyFillsItsMunicipalityAndMovesToSave) {
    script->expect(NaoCadastrado, Yes);
    Chave(Cnpj);
    typeText(QStringLiteral("Empresa"));
    typeInto(w, QStringLiteral("txtCidade"), QStringLiteral("São Paulo"));
    typeInto(w, QStringLiteral("txtUf"), QStringLiteral("SP"));
    // An incomplete CEP, and "00000-000", keep the focus without a word.
    typeInto(w, QStringLiteral("mskCep"), QStringLiteral("0100"));
    pressTab();
    settle();
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->mskCep));
    typeInto(w, QStringLiteral("mskCep"), QStringLiteral("00000000"));
    pressTab();
    settle();
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->mskCep));
    typeInto(w, QStringLiteral("mskCep"), QStringLiteral("01001000"));
    pressTab();
    settle();
    EXPECT_EQ(w->txtCMun->text(), QStringLiteral("3550308"));
    EXPECT_EQ(w->txtPais->text(), QStringLiteral("Brasil"));
    EXPECT_EQ(w->txtCPais->text(), QStringLiteral("1058"));
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->cmdGravar));
    Clica("cmdGravar");
    EXPECT_EQ(Coluna(QStringLiteral("ForGeral"), "cgc", Cnpj, "cep"), QStringLiteral("01001-000"));
    EXPECT_EQ(Coluna(QStringLiteral("ForGeral"), "cgc", Cnpj, "CodMun"), QStringLiteral("3550308"));
    EXPECT_TRUE(script->shown().size() == 1u);

    // For a loaded party the same CEP changes nothing else.
    db.Execute(QStringLiteral("UPDATE ForGeral SET CodMun = '', xPais = '', cPais = ''"));
    Chave(Cnpj);
    typeInto(w, QStringLiteral("mskCep"), QStringLiteral("01001000"));
    pressTab();
    settle();
    EXPECT_TRUE(w->txtCMun->text().isEmpty());
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtCMun));
}

TEST_F(ForCliGeralTest, AForeignPartyKeepsItsCountry) {
    script->expect(NaoCadastrado, Yes);
    Chave(Cnpj);
    typeText(QStringLiteral("Exportadora"));
    typeInto(w, QStringLiteral("txtUf"), QStringLiteral("EX"));
    typeInto(w, QStringLiteral("txtPais"), QStringLiteral("Argentina"));
    typeInto(w, QStringLiteral("txtCPais"), QStringLiteral("0639"));
    typeInto(w, QStringLiteral("txtCMun"), QStringLiteral("9999999"));
    pressTab();
    settle();
    EXPECT_EQ(w->txtPais->text(), QStringLiteral("Argentina"));
    EXPECT_EQ(w->txtCPais->text(), QStringLiteral("0639"));
    // A Brazilian one gets Brasil during a new record.
    w->txtUf->clear();
    typeInto(w, QStringLiteral("txtUf"), QStringLiteral("SP"));
    typeInto(w, QStringLiteral("txtCMun"), QString());
    pressTab();
    settle();
    EXPECT_EQ(w->txtPais->text(), QStringLiteral("Brasil"));
    EXPECT_EQ(w->txtCPais->text(), QStringLiteral("1058"));
}

TEST_F(ForCliGeralTest, TheMunicipalityButtonConfirmsAMatchingCode) {
    InsereParceiro(db, forcli::Fornecedores,
                   {Cnpj,
                    QStringLiteral("Paulista"),
                    {},
                    {},
                    {},
                    {},
                    {},
                    QStringLiteral("São Paulo"),
                    QStringLiteral("SP"),
                    QStringLiteral("_____-___"),
                    QStringLiteral("3550308"),
                    QStringLiteral("Brasil"),
                    QStringLiteral("1058")});
    Chave(Cnpj);
    script->expect(QStringLiteral("O código do Município São Paulo(SP) é 3550308 e está correto !"), OK);
    Clica("cmdPesqMun");
    EXPECT_EQ(w->txtCMun->text(), QStringLiteral("3550308"));
    EXPECT_EQ(w->EstadoAtual(), 2);
}

TEST_F(ForCliGeralTest, TheMunicipalitySearchFillsCodeCityAndState) {
    script->expect(NaoCadastrado, Yes);
    Chave(Cnpj);
    typeText(QStringLiteral("Empresa"));
    QString titulo;
    script->onDialog(QStringLiteral("frmPesqMun"), [&](QDialog& d) {
        auto& pesquisa = static_cast<frmPesqMun&>(d);
        titulo = Geral::TituloPesquisa;
        typeInto(&d, QStringLiteral("txtCidade"), QStringLiteral("são paulo"));
        typeInto(&d, QStringLiteral("txtUf"), QStringLiteral("sp"));
        click(&d, QStringLiteral("cmdPesquisar"));
        settle();
        ASSERT_EQ(pesquisa.Lista().Linhas(), 1);
        pesquisa.Lista().DefineLinhaAtual(0);
        click(&d, QStringLiteral("cmdOk"));
    });
    Clica("cmdPesqMun");
    settle();
    EXPECT_EQ(titulo, QStringLiteral("Pesquisa de Municípios"));
    EXPECT_EQ(w->txtCMun->text(), QStringLiteral("3550308"));
    EXPECT_EQ(w->txtCidade->text(), QStringLiteral("São Paulo"));
    EXPECT_EQ(w->txtUf->text(), QStringLiteral("SP"));
    EXPECT_EQ(w->txtPais->text(), QStringLiteral("Brasil"));
    EXPECT_EQ(w->txtCPais->text(), QStringLiteral("1058"));
    EXPECT_FALSE(Geral::Cancelado);
}

TEST_F(ForCliGeralTest, TheSearchButtonLooksUpTheChosenParty) {
    InsereParceiro(db, forcli::Fornecedores, Parte(Cnpj, QStringLiteral("Zeta"), QStringLiteral("SP")));
    InsereParceiro(db, forcli::Fornecedores, Parte(Cpf, QStringLiteral("Alfa")));
    QString coluna1;
    script->onDialog(QStringLiteral("frmPesqCGC"), [&](QDialog& d) {
        auto& pesquisa = static_cast<frmPesqCGC&>(d);
        coluna1 = Geral::TabelaPesquisa;
        ASSERT_EQ(pesquisa.Lista().Celula(0, 1), QStringLiteral("Alfa"));
        pesquisa.Lista().DefineLinhaAtual(1);
        click(&d, QStringLiteral("cmdOk"));
    });
    Clica("cmdPesquisar");
    settle();
    EXPECT_EQ(coluna1, QStringLiteral("ForGeral"));
    EXPECT_EQ(Geral::TituloPesquisa, QStringLiteral("Pesquisa de Fornecedores"));
    EXPECT_EQ(w->EstadoAtual(), 2);
    EXPECT_EQ(w->txtNome->text(), QStringLiteral("Zeta"));
    EXPECT_EQ(Geral::UfEscolhida, QStringLiteral("SP"));

    // Cancelled, the key field just gets the focus back.
    Clica("cmdCancelar");
    script->onDialog(QStringLiteral("frmPesqCGC"),
                     [](QDialog& d) { click(&d, QStringLiteral("cmdCancela")); });
    Clica("cmdPesquisar");
    settle();
    EXPECT_EQ(w->EstadoAtual(), 1);
    EXPECT_FALSE(Geral::Cancelado);
    EXPECT_EQ(focused(), static_cast<QWidget*>(w->txtCgc));
}

TEST_F(ForCliGeralTest, ThePrintListsTheRegisterOfTheModeInKeyOrder) {
    InsereParceiro(db, forcli::Fornecedores, Parte(Cnpj2, QStringLiteral("Segundo")));
    InsereParceiro(db, forcli::Fornecedores, Parte(Cnpj, QStringLiteral("Primeiro")));
    InsereParceiro(db, forcli::Clientes, Parte(Cpf, QStringLiteral("Cliente")));
    Clica("cmdImprimir");
    auto previas = Previas();
    ASSERT_EQ(previas.size(), 1u);
    EXPECT_EQ(CaptionPrevia(), QStringLiteral("Relação de Fornecedores"));
    EXPECT_EQ(previas[0].pages.size(), 1u);
    EXPECT_EQ(previas[0].pages[0].textLines(),
              (QStringList{"Fornecedores Cadastrados", "CNPJ/CPF Nome", Cnpj + " Primeiro",
                           Cnpj2 + " Segundo", "Página 1"}));

    Clica("cmdAltera");
    Clica("cmdImprimir");
    previas = Previas();
    ASSERT_EQ(previas.size(), 2u);
    EXPECT_EQ(CaptionPrevia(), QStringLiteral("Relação de Clientes"));
    EXPECT_EQ(previas[1].pages[0].textLines().value(0), QStringLiteral("Clientes Cadastrados"));
    EXPECT_EQ(previas[1].pages[0].textLines().value(2), Cpf + " Cliente");

    // An empty register prints nothing.
    db.Execute(QStringLiteral("DELETE FROM CliGeral"));
    Clica("cmdImprimir");
    EXPECT_EQ(Previas().size(), 2u);
}

TEST_F(ForCliGeralTest, PrintingWithARecordOpenSavesItFirst) {
    script->expect(NaoCadastrado, Yes);
    Chave(Cnpj);
    typeText(QStringLiteral("Salvo ao imprimir"));
    Clica("cmdImprimir");
    EXPECT_EQ(Nome(QStringLiteral("ForGeral"), Cnpj), QStringLiteral("Salvo ao imprimir"));
    EXPECT_EQ(w->EstadoAtual(), 1);
    ASSERT_EQ(Previas().size(), 1u);
}

}  // namespace
