#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "PessoaFixture.h"
#include "companies/frmPesqJur.h"
#include "partners/frmClasseInss.h"
#include "partners/frmSocios.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"

using namespace testsupport;
namespace Msg = platform::ui::Msg;
using partners::frmSocios;

namespace {

const QString SemSocios = QStringLiteral("Não existe nenhum sócio cadastrado, cadastrar agora ?");
const QString Excluir = QStringLiteral("Deseja Realmente Excluir Este Registro ?");
const QString Guarda =
    QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele antes...");

class frmSociosTest : public PessoaFixture {
  protected:
    void SetUp() override {
        PessoaFixture::SetUp();
        empresa_ = Empresa(7, QStringLiteral("Padaria"));
        Empresa(8, QStringLiteral("Outra"));
        w = static_cast<frmSocios*>(platform::ui::ShowInstance(new frmSocios));
        ASSERT_NE(w, nullptr);
        settle();
    }
    void Codigo(const QString& codigo) {
        w->txtCodigo->clear();
        typeInto(w, QStringLiteral("txtCodigo"), codigo);
        pressTab();
        settle();
    }
    platform::db::Recordset Socio(qint64 codauto) {
        return db.OpenRecordset(QStringLiteral("SELECT * FROM Socios WHERE codauto = ?"), {codauto});
    }
    qint64 empresa_ = 0;
    QPointer<frmSocios> w;
};

TEST_F(frmSociosTest, TheCompanyIsChosenByItsNumber) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Arquivo de Sócios"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::SemEmpresa);
    EXPECT_EQ(focusedName(), QStringLiteral("txtCodigo"));
    for (QWidget* b : {static_cast<QWidget*>(w->cmdNovo), static_cast<QWidget*>(w->cmdGravar),
                       static_cast<QWidget*>(w->cmdImprimir), static_cast<QWidget*>(w->cmdEnquadra)})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(w->cmdPesqe->isEnabled());

    // Letters never reach the code.
    typeInto(w, QStringLiteral("txtCodigo"), QStringLiteral("a9-9"));
    EXPECT_EQ(w->txtCodigo->text(), QStringLiteral("99"));
    script->expect(QStringLiteral("Empresa Não Cadastrada, Utilize o Botão Pesquisar !"),
                   QStringLiteral("Atenção..."), Msg::OK);
    pressTab();
    settle();
    EXPECT_EQ(w->txtCodigo->text(), QString());
    Codigo(QStringLiteral("0"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::SemEmpresa);

    script->expect(SemSocios, Msg::No);
    Codigo(QStringLiteral("7"));
    EXPECT_EQ(w->txtCodigo->text(), QString());
    EXPECT_EQ(w->lblNome->text(), QString());
    EXPECT_FALSE(w->cmdNovo->isEnabled());
    script->expect(SemSocios, Msg::Yes);
    Codigo(QStringLiteral("7"));
    EXPECT_EQ(w->lblNome->text(), QStringLiteral("Padaria"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Novo);
    EXPECT_EQ(focusedName(), QStringLiteral("txtSocio"));
    EXPECT_FALSE(w->cmdPesqe->isEnabled());
    EXPECT_FALSE(w->cmdEnquadra->isEnabled());
    EXPECT_FALSE(w->cmdImprimir->isEnabled());
    script->expect(Guarda, QStringLiteral("Atenção"), Msg::OK);
    w->close();
    settle();
    EXPECT_TRUE(w->isVisible());
    click(w->cmdCancelar);
    settle();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Ocioso);
    EXPECT_TRUE(w->cmdNovo->isEnabled());
    EXPECT_FALSE(w->cmdEnquadra->isEnabled());
}

TEST_F(frmSociosTest, APartnerIsSavedWithEveryFieldAndReadBack) {
    script->expect(SemSocios, Msg::Yes);
    Codigo(QStringLiteral("7"));
    w->txtNome->setText(QStringLiteral("Joana d'Arc"));
    struct Campo {
        const char* nome;
        const char* digitado;
    };
    for (auto [nome, digitado] : std::initializer_list<Campo>{{"mskCpf", "52998224725"},
                                                              {"txtendereco", "Rua \"A\""},
                                                              {"txtNumero", "12"},
                                                              {"txtcomplemento", "Apto 3"},
                                                              {"txtBairro", "Centro"},
                                                              {"txtCidade", "Curitiba"},
                                                              {"txtUf", "pr"},
                                                              {"mskCep", "80010000"},
                                                              {"mskRg", "123456789"},
                                                              {"txtExped", "SSP"},
                                                              {"tdbexpedicao", "02031990"},
                                                              {"tdbnascto", "31122099"},
                                                              {"txtNacionalidade", "Brasileira"},
                                                              {"txtDdd", "41"},
                                                              {"txtFone", "33334444"},
                                                              {"tdbadmissao", "01011900"},
                                                              {"mskInscricao", "123456789012"}}) {
        typeInto(w, QString::fromLatin1(nome), QString::fromLatin1(digitado));
        pressTab();
        settle();
    }
    w->cmbcivil->setCurrentIndex(2);
    EXPECT_EQ(focusedName(), QStringLiteral("txtObservacao"));
    EXPECT_EQ(w->abas->Tab(), 2);
    typeText(QStringLiteral("Sócia"));
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Ocioso);
    ASSERT_EQ(Linhas(w->lista).size(), 1);
    const qint64 codauto = Linhas(w->lista).front().section(u'|', 0, 0).toLongLong();
    auto r = Socio(codauto);
    ASSERT_FALSE(r.Eof());
    const std::pair<const char*, QString> esperado[] = {{"codempr", QString::number(empresa_)},
                                                        {"nome", QStringLiteral("Joana d'Arc")},
                                                        {"cpf", QStringLiteral("529.982.247-25")},
                                                        {"endereco", QStringLiteral("Rua A")},
                                                        {"uf", QStringLiteral("PR")},
                                                        {"cep", QStringLiteral("80010-000")},
                                                        {"rg", QStringLiteral("12.345.678-9")},
                                                        {"orgao_exp", QStringLiteral("SSP")},
                                                        {"data_exp", QStringLiteral("02/03/1990")},
                                                        {"nascto", QStringLiteral("31/12/2099")},
                                                        {"data_adm_soc", QStringLiteral("01/01/1900")},
                                                        {"estado_civil", QStringLiteral("Casado")},
                                                        {"inscr_inss", QStringLiteral("123456789012")},
                                                        {"observacao", QStringLiteral("Sócia")}};
    for (const auto& [coluna, valor] : esperado)
        EXPECT_EQ(r.Fields(QString::fromLatin1(coluna)).toString(), valor) << coluna;

    // A partner with nothing but a name: empty dates are null, empty masks keep their prompts.
    click(w->cmdNovo);
    settle();
    typeText(QStringLiteral("Pedro"));
    click(w->cmdGravar);
    settle();
    auto vazio = db.OpenRecordset(QStringLiteral("SELECT * FROM Socios WHERE nome = 'Pedro'"));
    ASSERT_FALSE(vazio.Eof());
    EXPECT_EQ(vazio.Fields(QStringLiteral("cpf")).toString(), QStringLiteral("___.___.___-__"));
    EXPECT_EQ(vazio.Fields(QStringLiteral("estado_civil")).toString(), QStringLiteral(" "));
    for (const char* data : {"data_exp", "nascto", "data_adm_soc"})
        EXPECT_TRUE(vazio.Fields(QString::fromLatin1(data)).isNull()) << data;

    EscolheLinha(w->lista, 0);
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Carregado);
    EXPECT_EQ(focusedName(), QStringLiteral("mskCpf"));
    EXPECT_FALSE(w->txtNome->isEnabled());
    EXPECT_EQ(w->txtNome->text(), QStringLiteral("Joana d'Arc"));
    EXPECT_EQ(w->tdbexpedicao->Text(), QStringLiteral("02/03/1990"));
    EXPECT_EQ(w->cmbcivil->currentText(), QStringLiteral("Casado"));
    EXPECT_EQ(w->mskCep->Text(), QStringLiteral("80010-000"));
    EXPECT_TRUE(w->cmdEnquadra->isEnabled());
    EXPECT_FALSE(w->cmdImprimir->isEnabled());
    // No header sort while a partner is open.
    const QStringList antes = Linhas(w->lista);
    w->Cadastro().Lista_FootClick(frmSocios::ColunaNome);
    EXPECT_EQ(Linhas(w->lista), antes);
    script->expect(Guarda, QStringLiteral("Atenção"), Msg::OK);
    w->close();
    settle();
    EXPECT_TRUE(w->isVisible());
    click(w->cmdCancelar);
    settle();
    w->Cadastro().Lista_FootClick(frmSocios::ColunaNome);
    EXPECT_EQ(Linhas(w->lista).front().section(u'|', 1), QStringLiteral("Pedro"));
}

TEST_F(frmSociosTest, TwoPartnersOfOneNameAreEachLoadedChangedAndDeletedAlone) {
    const qint64 primeiro = Pessoa(QStringLiteral("Socios"), empresa_, QStringLiteral("José da Silva"));
    const qint64 segundo = Pessoa(QStringLiteral("Socios"), empresa_, QStringLiteral("José da Silva"));
    Pessoa(QStringLiteral("Socios"), empresa_ + 1, QStringLiteral("Outro"));
    Classe(QStringLiteral("ClasseSoc"), QStringLiteral("codsoc"), segundo, QDate(2004, 1, 1), 3);
    Classe(QStringLiteral("ClasseSoc"), QStringLiteral("codsoc"), segundo, QDate(2006, 5, 1), 5);
    Classe(QStringLiteral("ClasseSoc"), QStringLiteral("codsoc"), primeiro, QDate(2006, 5, 1), 1);
    Codigo(QStringLiteral("7"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Ocioso);
    EXPECT_EQ(Linhas(w->lista).size(), 2);

    EscolheLinha(w->lista, 1);
    EXPECT_EQ(w->lblD_enquadr->text(), QStringLiteral("01/05/2006"));
    EXPECT_EQ(w->lblClasse->text(), QStringLiteral("5"));
    w->txtBairro->setText(QStringLiteral("Batel"));
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(Socio(segundo).Fields(QStringLiteral("bairro")).toString(), QStringLiteral("Batel"));
    EXPECT_TRUE(Socio(primeiro).Fields(QStringLiteral("bairro")).isNull());

    // The class dialog of the loaded partner; the labels show its newest class on return.
    EscolheLinha(w->lista, 1);
    script->onDialog(QStringLiteral("frmSocInss"), [](QDialog& d) {
        auto& c = static_cast<partners::frmClasseInss&>(d);
        EXPECT_EQ(Linhas(c.tdbClasse),
                  QStringList({QStringLiteral("01/05/2006|5"), QStringLiteral("01/01/2004|3")}));
        typeInto(&c, QStringLiteral("tdbDinicio"), QStringLiteral("01012010"));
        pressTab();
        settle();
        typeText(QStringLiteral("07"));
        click(c.cmdGravar);
        settle();
        click(c.cmdSair);
    });
    script->expect(QStringLiteral("Data Não Registrada, Incluir ?"), Msg::Yes);
    click(w->cmdEnquadra);
    settle();
    EXPECT_EQ(w->lblD_enquadr->text(), QStringLiteral("01/01/2010"));
    EXPECT_EQ(w->lblClasse->text(), QStringLiteral("7"));
    EXPECT_FALSE(Geral::Alterado);
    EXPECT_EQ(focusedName(), QStringLiteral("mskInscricao"));

    // Leaving the inscription goes to the remarks; choosing the other partner drops the edit without a
    // question.
    w->txtBairro->setText(QStringLiteral("Perdido"));
    pressTab();
    settle();
    EXPECT_EQ(w->abas->Tab(), 2);
    EXPECT_EQ(focusedName(), QStringLiteral("txtObservacao"));
    EscolheLinha(w->lista, 0);
    EXPECT_EQ(w->lblClasse->text(), QStringLiteral("1"));
    EXPECT_TRUE(w->txtBairro->text().isEmpty());
    script->expect(Excluir, Msg::No);
    click(w->cmdApagar);
    settle();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Carregado);
    script->expect(Excluir, Msg::Yes);
    click(w->cmdApagar);
    settle();
    EXPECT_TRUE(Socio(primeiro).Eof());
    EXPECT_FALSE(Socio(segundo).Eof());
    EXPECT_EQ(Linhas(w->lista), QStringList({QString::number(segundo) + QStringLiteral("|José da Silva")}));
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT * FROM ClasseSoc WHERE codsoc = ?"), {primeiro})
                  .RecordCount(),
              0);
    EXPECT_EQ(
        db.OpenRecordset(QStringLiteral("SELECT * FROM ClasseSoc WHERE codsoc = ?"), {segundo}).RecordCount(),
        3);

    // A delete whose second statement fails deletes nothing.
    db.Execute(
        QStringLiteral("CREATE TRIGGER falha BEFORE DELETE ON Socios BEGIN SELECT RAISE(ABORT, 'x'); END"));
    EscolheLinha(w->lista, 0);
    script->expect(Excluir, Msg::Yes);
    script->expect(QStringLiteral("Erro número 1811 x"), QStringLiteral("Erro"), Msg::OK);
    click(w->cmdApagar);
    settle();
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Carregado);
    EXPECT_FALSE(Socio(segundo).Eof());
    EXPECT_EQ(
        db.OpenRecordset(QStringLiteral("SELECT * FROM ClasseSoc WHERE codsoc = ?"), {segundo}).RecordCount(),
        3);
    EXPECT_EQ(Linhas(w->lista).size(), 1);
}

TEST_F(frmSociosTest, TheSearchedCompanyGoesThroughTheLookup) {
    Pessoa(QStringLiteral("Socios"), empresa_ + 1, QStringLiteral("Bia"));
    script->onDialog(QStringLiteral("frmPesqJur"),
                     [](QDialog& d) { click(&d, QStringLiteral("cmdCancelar")); });
    click(w->cmdPesqe);
    settle();
    EXPECT_FALSE(Geral::Cancelado);
    EXPECT_EQ(focusedName(), QStringLiteral("txtCodigo"));
    script->onDialog(QStringLiteral("frmPesqJur"), [](QDialog& d) {
        auto& p = static_cast<Empresas::frmPesqJur&>(d);
        EXPECT_EQ(Geral::TituloPesquisa, QStringLiteral("Pesquisa de Empresas"));
        EXPECT_EQ(Geral::TabelaPesquisa, QStringLiteral("Empresas"));
        const auto* a = p.tdbPesq->Array();
        for (int i = a->LowerBound(1); i <= a->UpperBound(1); ++i)
            if (a->Value(i, a->LowerBound(2)).toString() == QStringLiteral("8")) p.tdbPesq->setBookmark(i);
        click(&d, QStringLiteral("cmdOk"));
    });
    click(w->cmdPesqe);
    settle();
    EXPECT_EQ(w->txtCodigo->text(), QStringLiteral("8"));
    EXPECT_EQ(w->lblNome->text(), QStringLiteral("Outra"));
    EXPECT_EQ(w->Cadastro().EstadoAtual(), shell::Ocioso);
    EXPECT_EQ(Linhas(w->lista).size(), 1);
    // The automatic number is the list's hidden column.
    EXPECT_TRUE(w->lista->view()->isColumnHidden(frmSocios::ColunaCodauto));
    EXPECT_FALSE(w->lista->view()->isColumnHidden(frmSocios::ColunaNome));
}

TEST_F(frmSociosTest, TheExitsOfCpfStateAndPostalCode) {
    script->expect(SemSocios, Msg::Yes);
    Codigo(QStringLiteral("7"));
    typeText(QStringLiteral("Ana"));
    pressTab();
    // Ten digits: back without a word.
    typeText(QStringLiteral("5299822472"));
    pressTab();
    settle();
    EXPECT_EQ(focusedName(), QStringLiteral("mskCpf"));
    w->mskCpf->setText(QString());
    typeText(QStringLiteral("52998224724"));
    script->expect(QStringLiteral("CPF Inválido !"), QStringLiteral("Erro"), Msg::OK);
    pressTab();
    settle();
    EXPECT_EQ(focusedName(), QStringLiteral("mskCpf"));
    w->mskCpf->setText(QString());
    typeText(QStringLiteral("52998224725"));

    typeInto(w, QStringLiteral("txtUf"), QStringLiteral("XX"));
    script->expect(QStringLiteral("Sigla do Estado Inválido, digite corretamente ou deixe o campo vazio"),
                   QStringLiteral("Erro"), Msg::OK);
    pressTab();
    settle();
    EXPECT_EQ(focusedName(), QStringLiteral("txtUf"));
    typeText(QStringLiteral("sp"));
    typeInto(w, QStringLiteral("mskCep"), QStringLiteral("8001"));
    pressTab();
    settle();
    EXPECT_EQ(focusedName(), QStringLiteral("mskCep"));
    w->mskCep->setText(QString());
    typeText(QStringLiteral("80010000"));
    w->abas->setTab(2);
    pressTab();
    settle();
    EXPECT_EQ(w->abas->Tab(), 0);
    EXPECT_EQ(focusedName(), QStringLiteral("mskRg"));
    EXPECT_EQ(platform::ui::foreColor(w->lblTit(10)), QColor(0, 0, 255));
}

}  // namespace
