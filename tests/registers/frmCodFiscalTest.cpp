#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "RegistrosFixture.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "registers/frmCodFiscal.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"

using namespace registers;
using namespace testsupport;
using platform::ui::Msg::No;
using platform::ui::Msg::OK;
using platform::ui::Msg::Yes;

namespace {

const QString NaoCadastrado = QStringLiteral("Código Não Cadastrado, Incluir Novo ?");
const QString Excluir = QStringLiteral("Deseja Realmente Excluir Este Registro ?");

template <class W>
class CodFiscalTest : public RegistrosFixture {
  protected:
    void SetUp() override {
        RegistrosFixture::SetUp();
        w = platform::ui::ShowForm<W>();
        ASSERT_NE(w, nullptr);
        settle();
    }
    // Types the digits into the key field from its start and leaves it with Tab.
    void Chave(const QString& digitos) {
        clickInto(w->mskCodigo);
        typeText(digitos);
        pressTab();
        settle();
    }
    void Grava() {
        click(w, QStringLiteral("cmdGravar"));
        settle();
    }
    // A new code with its description, answering the question with Yes.
    void Inclui(const QString& digitos, const QString& descricao) {
        script->expect(NaoCadastrado, Yes);
        Chave(digitos);
        ASSERT_EQ(w->Cadastro().EstadoAtual(), 3) << digitos.toStdString();
        typeText(descricao);
        Grava();
    }
    void Apaga(const QString& digitos) {
        Chave(digitos);
        ASSERT_EQ(w->Cadastro().EstadoAtual(), 2) << digitos.toStdString();
        script->expect(Excluir, QStringLiteral("Atenção..."), Yes);
        click(w, QStringLiteral("cmdApagar"));
        settle();
    }
    QString Tabela() const { return cfop::DefinicaoDe(w->tabela()).tabela; }
    QString Nivel(const QString& codigo) { return Coluna(Tabela(), "codfiscal", codigo, "Nivel"); }
    QString Descri(const QString& codigo) { return Coluna(Tabela(), "codfiscal", codigo, "Descri"); }
    QWidget* Foco() const { return focused(); }
    bool NaLista(const QString& codigo, const QString& descricao) {
        auto& lista = w->Cadastro().Lista();
        const int linha = lista.LinhaDaChave(codigo);
        return linha >= 0 && lista.Celula(linha, 1) == descricao;
    }

    W* w = nullptr;
};

using Ate2002 = CodFiscalTest<frmCodFiscal>;
using Desde2003 = CodFiscalTest<frmCodFiscal03>;

TEST_F(Ate2002, OpensIdleOnTheWholeTableInCodeOrder) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tabela de Códigos Fiscais - Até 2002"));
    EXPECT_EQ(w->mskCodigo->Text(), QStringLiteral("_.__._"));
    EXPECT_FALSE(w->txtDescri->isEnabled());
    EXPECT_TRUE(w->cmdImprimir->isEnabled());
    EXPECT_FALSE(w->cmdGravar->isEnabled());
    auto& lista = w->Cadastro().Lista();
    EXPECT_EQ(lista.Linhas(), Conta(QStringLiteral("CodFiscal")));
    EXPECT_EQ(lista.Celula(0, 0), QStringLiteral("1.00"));
    EXPECT_EQ(lista.Celula(1, 0), QStringLiteral("1.10"));
    EXPECT_EQ(lista.Celula(2, 0), QStringLiteral("1.11"));
}

TEST_F(Ate2002, ThreeDigitsLookUpTheShortCodeAndFourTheLongOne) {
    Chave(QStringLiteral("111"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_EQ(Geral::ChaveComum, QStringLiteral("1.11"));
    EXPECT_EQ(w->txtDescri->text(), QStringLiteral("Compra para industrialização"));
    EXPECT_FALSE(w->mskCodigo->isEnabled());
    EXPECT_EQ(Foco(), static_cast<QWidget*>(w->txtDescri));
    EXPECT_EQ(w->Cadastro().Lista().LinhaAtual(), w->Cadastro().Lista().LinhaDaChave(QStringLiteral("1.11")));
    click(w, QStringLiteral("cmdCancelar"));
    settle();

    script->expect(NaoCadastrado, QStringLiteral("Atenção..."), No);
    Chave(QStringLiteral("1111"));
    EXPECT_EQ(Geral::ChaveComum, QStringLiteral("1.11.1"));
    EXPECT_EQ(w->mskCodigo->Text(), QStringLiteral("_.__._"));
    EXPECT_EQ(Foco(), static_cast<QWidget*>(w->mskCodigo));
}

TEST_F(Ate2002, IncompleteLeadingZeroAndGappedKeysKeepTheFocusSilently) {
    for (const char* digitos : {"1", "11", "011", "0111"}) {
        Chave(QString::fromLatin1(digitos));
        EXPECT_EQ(Foco(), static_cast<QWidget*>(w->mskCodigo)) << digitos;
        EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
        w->mskCodigo->setText(QString());
    }
    for (const char* texto : {"1._1._", "1.1_.1"}) {
        clickInto(w->mskCodigo);
        w->mskCodigo->setText(QString::fromLatin1(texto));
        ASSERT_EQ(w->mskCodigo->Text(), QString::fromLatin1(texto));
        pressTab();
        settle();
        EXPECT_EQ(Foco(), static_cast<QWidget*>(w->mskCodigo)) << texto;
        EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    }
    // Letters never reach the field.
    clickInto(w->mskCodigo);
    w->mskCodigo->setText(QString());
    typeText(QStringLiteral("a.-1"));
    EXPECT_EQ(w->mskCodigo->Text(), QStringLiteral("1.__._"));
    EXPECT_TRUE(script->shown().empty());
}

TEST_F(Ate2002, NewCodesGetTheLevelOfTheirLastDigits) {
    Inclui(QStringLiteral("800"), QStringLiteral("Grupo d'oito"));
    Inclui(QStringLiteral("810"), QStringLiteral("Subgrupo"));
    Inclui(QStringLiteral("811"), QStringLiteral("Operação"));
    Inclui(QStringLiteral("8111"), QStringLiteral("Detalhe"));
    EXPECT_EQ(Nivel(QStringLiteral("8.00")), QStringLiteral("1"));
    EXPECT_EQ(Nivel(QStringLiteral("8.10")), QStringLiteral("2"));
    EXPECT_EQ(Nivel(QStringLiteral("8.11")), QStringLiteral("3"));
    EXPECT_EQ(Nivel(QStringLiteral("8.11.1")), QStringLiteral("3"));
    // A description with a single quote is stored as typed; the list shows the new codes in order.
    EXPECT_EQ(Descri(QStringLiteral("8.00")), QStringLiteral("Grupo d'oito"));
    auto& lista = w->Cadastro().Lista();
    const int linha = lista.LinhaDaChave(QStringLiteral("8.11"));
    EXPECT_EQ(lista.Celula(linha + 1, 0), QStringLiteral("8.11.1"));
    EXPECT_EQ(lista.Celula(linha - 1, 0), QStringLiteral("8.10"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    EXPECT_EQ(Foco(), static_cast<QWidget*>(w->mskCodigo));
}

TEST_F(Ate2002, ADescriptionChangeIsSavedAndShownInTheList) {
    Chave(QStringLiteral("111"));
    w->txtDescri->selectAll();
    typeText(QStringLiteral("Compra para industrialização (revista)"));
    Grava();
    EXPECT_EQ(Descri(QStringLiteral("1.11")), QStringLiteral("Compra para industrialização (revista)"));
    EXPECT_EQ(Nivel(QStringLiteral("1.11")), QStringLiteral("3"));
    EXPECT_TRUE(NaLista(QStringLiteral("1.11"), QStringLiteral("Compra para industrialização (revista)")));
}

TEST_F(Ate2002, AnEmptyDescriptionIsRefusedAndNothingIsWritten) {
    const long antes = Conta(QStringLiteral("CodFiscal"));
    script->expect(NaoCadastrado, Yes);
    Chave(QStringLiteral("899"));
    script->onDialog(QStringLiteral("frmErros"), [](QDialog& d) { click(&d, QStringLiteral("cmdOk")); });
    Grava();
    EXPECT_EQ(Geral::ListaErros[1].Descricao, QStringLiteral("O Campo Descrição é Obrigatório !"));
    EXPECT_EQ(Geral::ListaErros[1].Tipo, QStringLiteral("Erro Fatal"));
    EXPECT_EQ(Conta(QStringLiteral("CodFiscal")), antes);
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 3);
}

TEST_F(Ate2002, ChoosingARowWhileAnotherCodeIsOpenLoadsTheChosenOne) {
    Chave(QStringLiteral("111"));
    w->txtDescri->selectAll();
    typeText(QStringLiteral("não gravado"));
    auto& lista = w->Cadastro().Lista();
    w->Cadastro().Lista_RowChosen(lista.LinhaDaChave(QStringLiteral("1.12")));
    settle();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_EQ(Geral::ChaveComum, QStringLiteral("1.12"));
    EXPECT_EQ(w->mskCodigo->Text(), QStringLiteral("1.12._"));
    EXPECT_EQ(w->txtDescri->text(), QStringLiteral("Compra para comercialização"));
    EXPECT_EQ(Descri(QStringLiteral("1.11")), QStringLiteral("Compra para industrialização"));
}

TEST_F(Ate2002, AnOpenCodeCannotBeClosedUntilCancelled) {
    Chave(QStringLiteral("111"));
    script->expect(QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele !"),
                   QStringLiteral("Atenção"), OK);
    EXPECT_FALSE(w->Unload());
    click(w, QStringLiteral("cmdCancelar"));
    settle();
    EXPECT_TRUE(w->Unload());
}

TEST_F(Desde2003, FourDigitsLookUpTheCodeAndThreeKeepTheFocus) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tabela de Códigos Fiscais - 2003 em diante"));
    EXPECT_EQ(w->mskCodigo->Text(), QStringLiteral("_.___"));
    Chave(QStringLiteral("1101"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 2);
    EXPECT_EQ(w->txtDescri->text(), QStringLiteral("Compra para industrialização ou produção rural"));
    click(w, QStringLiteral("cmdCancelar"));
    settle();
    Chave(QStringLiteral("110"));
    EXPECT_EQ(Foco(), static_cast<QWidget*>(w->mskCodigo));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    w->mskCodigo->setText(QString());
    // A leading 0 is a complete code here.
    script->expect(NaoCadastrado, No);
    Chave(QStringLiteral("0101"));
    EXPECT_EQ(Geral::ChaveComum, QStringLiteral("0.101"));
    // So is nothing with a gap.
    clickInto(w->mskCodigo);
    w->mskCodigo->setText(QStringLiteral("1._01"));
    pressTab();
    settle();
    EXPECT_EQ(Foco(), static_cast<QWidget*>(w->mskCodigo));
}

TEST_F(Desde2003, DeletedCodesComeBackWithTheLevelsOfTheTablesStructure) {
    const QStringList codigos{"5.000", "5.100", "5.110", "5.101", "5.150"};
    for (const QString& c : codigos) Apaga(QString(c).remove(u'.'));
    for (const QString& c : codigos) {
        EXPECT_EQ(Nivel(c), QStringLiteral("<nenhum>"));
        EXPECT_LT(w->Cadastro().Lista().LinhaDaChave(c), 0);
    }
    for (const QString& c : codigos) Inclui(QString(c).remove(u'.'), QStringLiteral("Código ") + c);
    EXPECT_EQ(Nivel(QStringLiteral("5.000")), QStringLiteral("1"));
    EXPECT_EQ(Nivel(QStringLiteral("5.100")), QStringLiteral("2"));
    EXPECT_EQ(Nivel(QStringLiteral("5.150")), QStringLiteral("2"));
    EXPECT_EQ(Nivel(QStringLiteral("5.110")), QStringLiteral("3"));
    EXPECT_EQ(Nivel(QStringLiteral("5.101")), QStringLiteral("3"));
    EXPECT_TRUE(NaLista(QStringLiteral("5.110"), QStringLiteral("Código 5.110")));
}

TEST_F(Desde2003, PrintingWithACodeOpenSavesItAndListsTheWholeTable) {
    Chave(QStringLiteral("5910"));
    w->txtDescri->selectAll();
    typeText(QStringLiteral("Remessa em bonificação, doação ou brinde"));
    click(w, QStringLiteral("cmdImprimir"));
    settle();
    EXPECT_EQ(Descri(QStringLiteral("5.910")), QStringLiteral("Remessa em bonificação, doação ou brinde"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), 1);
    const auto previas = Previas();
    ASSERT_EQ(previas.size(), 1u);
    EXPECT_EQ(CaptionPrevia(), QStringLiteral("Tabela de Códigos Fiscais"));
    const auto& doc = previas[0];
    ASSERT_GT(doc.pages.size(), 5u);
    const QStringList primeira = doc.pages[0].textLines();
    EXPECT_EQ(primeira.value(0), QStringLiteral("Tabela de Códigos Fiscais 2003 em diante"));
    EXPECT_EQ(primeira.value(1), QStringLiteral("Código Descrição"));
    EXPECT_EQ(primeira.value(2), QStringLiteral("1.000 ENTRADAS OU AQUISIÇÕES DE SERVIÇOS DO ESTADO"));
    // Every code of the table is printed once, in code order.
    QStringList codigos;
    for (const auto& page : doc.pages)
        for (const auto& t : page.texts)
            if (t.text.size() == 5 && t.text[1] == u'.' && t.x < 30) codigos << t.text;
    EXPECT_EQ(codigos.size(), Conta(QStringLiteral("CodFiscal2003")));
    QStringList ordenados = codigos;
    ordenados.sort();
    EXPECT_EQ(codigos, ordenados);
    // Levels are indented: a heading's code starts left of an operation's.
    const auto cabeca = doc.pages[0].find(QStringLiteral("1.000"));
    const auto operacao = doc.pages[0].find(QStringLiteral("1.101"));
    ASSERT_EQ(cabeca.size(), 1u);
    ASSERT_EQ(operacao.size(), 1u);
    EXPECT_LT(cabeca[0]->x, operacao[0]->x);
    EXPECT_TRUE(cabeca[0]->font.bold);
    EXPECT_FALSE(operacao[0]->font.bold);
}

TEST_F(Desde2003, ALongDescriptionWrapsWithoutLosingAWord) {
    Apaga(QStringLiteral("5101"));
    const QString longa = QStringLiteral(
        "Venda de produção do estabelecimento com uma descrição muito longa que não cabe numa só "
        "linha da página e precisa continuar na linha seguinte sem perder nenhuma palavra do que "
        "foi digitado pelo usuário no campo de descrição do código fiscal fim");
    Inclui(QStringLiteral("5101"), longa);
    click(w, QStringLiteral("cmdImprimir"));
    settle();
    const auto previas = Previas();
    ASSERT_EQ(previas.size(), 1u);
    QStringList linhas;
    for (const auto& page : previas[0].pages) linhas << page.textLines();
    const int i = linhas.indexOf(QRegularExpression(QStringLiteral("^5\\.101 .*")));
    ASSERT_GE(i, 0);
    const QString junto = linhas[i].mid(6) + u' ' + linhas[i + 1] + u' ' + linhas[i + 2];
    EXPECT_EQ(junto, longa);
    EXPECT_TRUE(linhas[i + 3].startsWith(QStringLiteral("5.102 ")));
}

TEST_F(Ate2002, PrintOfTheTableUpTo2002HasItsOwnTitle) {
    click(w, QStringLiteral("cmdImprimir"));
    settle();
    const auto previas = Previas();
    ASSERT_EQ(previas.size(), 1u);
    EXPECT_EQ(previas[0].pages[0].textLines().value(0), QStringLiteral("Tabela de Códigos Fiscais Até 2002"));
    EXPECT_EQ(previas[0].pages[0].textLines().value(3),
              QStringLiteral("1.10 COMPRA PARA INDUSTRIALIZAÇÃO, COMERCIALIZAÇÃO OU PRESTAÇÃO DE SERVIÇO"));
}

}  // namespace
