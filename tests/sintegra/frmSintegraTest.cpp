#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "SintegraFixture.h"
#include "companies/frmPesqJur.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/files/Volumes.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "sintegra/frmSintegra.h"
#include "support/EmpresaGravada.h"

namespace Msg = platform::ui::Msg;
using namespace testsupport;
using sintegra::frmSintegra;

namespace {

const QString Nome7 = QString::fromUtf8("Ótica Três Irmãos Comércio e Ferragens Ltda");
const QString Finalizado =
    QString::fromUtf8("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !");
const QString Substitui = QString::fromUtf8(
    "Já existe o arquivo SINT007.TXT, deseja substitui-lo ? Você pode clicar não e mudar o nome ou o "
    "local...");

class frmSintegraTest : public SintegraFixture {
  protected:
    void SetUp() override {
        SintegraFixture::SetUp();
        Geral::ConexaoCadastro = folder.registryConnection();
        abre();
    }
    void TearDown() override {
        platform::files::setVolumeSource({});
        SintegraFixture::TearDown();
    }
    void abre() {
        w = platform::ui::ShowForm<frmSintegra>();
        ASSERT_NE(w, nullptr);
        settle();
    }
    // Types a company code and leaves the field with Tab.
    void codigo(const QString& texto) {
        w->txtCodigo->clear();
        typeInto(w, "txtCodigo", texto);
        pressTab();
        settle();
    }
    void periodo(const char* inicio, const char* fim) {
        typeInto(w, "tdbDini", inicio);
        typeInto(w, "tdbDfin", fim);
        pressTab();
    }
    QByteArray arquivoEm(const QString& caminho) const {
        QFile f(caminho);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
    }

    frmSintegra* w = nullptr;
};

// At the window's opening size every label is whole: a deep folder's path wraps instead of being cut.
TEST_F(frmSintegraTest, EveryLabelIsWholeAtTheOpeningSize) {
    w->MudaPasta(
        folder.filePath("Documentos do Escritório/Contabilidade/Clientes de 2005/Arquivos Sintegra"));
    settle();
    for (const QLabel* l : w->findChildren<QLabel*>()) {
        if (!l->isVisible()) continue;
        SCOPED_TRACE(l->text().toStdString());
        EXPECT_LE(l->mapTo(w, QPoint(l->width(), 0)).x(), w->width());
        if (l->wordWrap())
            EXPECT_GE(l->height(), l->heightForWidth(l->width()));
        else
            EXPECT_GE(l->contentsRect().width(), l->fontMetrics().horizontalAdvance(l->text()));
    }
}

TEST_F(frmSintegraTest, OnlyARegisteredPositiveCodeIsTakenAndNamesTheFile) {
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Integração Sistema Sintegra - Para Versão 5.2.7"));
    EXPECT_EQ(w->lblCaminho->text(), folder.path());
    EXPECT_EQ(w->txtCodigo->maxLength(), 4);
    EXPECT_EQ(w->txtContato->maxLength(), 28);
    EXPECT_EQ(w->txtFone->maxLength(), 12);
    EXPECT_EQ(w->txtNome->maxLength(), 20);
    EXPECT_EQ(w->tdbDfin->MaxDate(), QDate(2099, 12, 31));

    for (const char* texto : {"0", "-5", "abc", "7,5"}) {
        codigo(texto);
        EXPECT_TRUE(w->txtCodigo->text().isEmpty()) << texto;
        EXPECT_EQ(focusedName(), "txtCodigo") << texto;
    }
    EXPECT_TRUE(w->lblNome->text().isEmpty());
    EXPECT_TRUE(w->txtNome->text().isEmpty());

    codigo("007");
    EXPECT_EQ(w->txtCodigo->text(), "7");
    EXPECT_EQ(w->lblNome->text(), Nome7);
    EXPECT_EQ(w->txtNome->text(), "SINT007");
    EXPECT_EQ(focusedName(), "cmdPesqe");

    testsupport::DadosEmpresa grande;
    grande.codigo = 1234;
    grande.nome = "Mil Duzentos";
    testsupport::InsereEmpresa(cadastro, grande);
    codigo("1234");
    EXPECT_EQ(w->txtNome->text(), "SINT1234");

    script->expect(QString::fromUtf8("Empresa Não Cadastrada, Utilize o Botão Pesquisar !"), "Atenção...",
                   Msg::OK);
    codigo("99");
    EXPECT_TRUE(w->txtCodigo->text().isEmpty());
    EXPECT_EQ(focusedName(), "txtCodigo");
    EXPECT_EQ(w->lblNome->text(), "Mil Duzentos");
    EXPECT_EQ(w->txtNome->text(), "SINT1234");

    // Enter moves on; the telephone takes digits only, the contact a double quote.
    typeInto(w, "txtFone", "32a-33");
    EXPECT_EQ(w->txtFone->text(), "3233");
    typeInto(w, "txtContato", "Ana \"A\"");
    EXPECT_EQ(w->txtContato->text(), "Ana \"A\"");
    pressEnter();
    EXPECT_EQ(focusedName(), "txtFone");
}

TEST_F(frmSintegraTest, TheSearchRunsTheLookupOnItsChoiceAndACancelKeepsTheField) {
    script->onDialog("frmPesqJur", [](QDialog& d) {
        static_cast<Empresas::frmPesqJur&>(d).tdbPesq->setBookmark(0);
        click(&d, QStringLiteral("cmdOk"));
    });
    click(w, "cmdPesqe");
    settle();
    EXPECT_EQ(w->txtCodigo->text(), "7");
    EXPECT_EQ(w->lblNome->text(), Nome7);
    EXPECT_EQ(w->txtNome->text(), "SINT007");
    EXPECT_EQ(Geral::TituloPesquisa, "Pesquisa de Empresas");

    script->onDialog("frmPesqJur", [](QDialog& d) { click(&d, QStringLiteral("cmdCancelar")); });
    click(w, "cmdPesqe");
    settle();
    EXPECT_EQ(w->txtCodigo->text(), "7");
    EXPECT_EQ(focusedName(), "txtCodigo");
    EXPECT_FALSE(Geral::Cancelado);
}

TEST_F(frmSintegraTest, EveryRefusalIsListedBeforeAnythingIsTouched) {
    esperaErros();
    click(w, "cmdGeraSint");
    EXPECT_EQ(erros(),
              QStringList({QString::fromUtf8("O Campo Código da Empresa é Obrigatório !"),
                           "O Campo Data Inicial é Obrigatório !", "O Campo Data Final é Obrigatório !",
                           QString::fromUtf8("O Campo Nome do Arquivo é Obrigatório !")}));

    w->txtCodigo->setText("8");
    periodo("01052004", "01042003");
    typeInto(w, "txtNome", "a/b");
    esperaErros();
    click(w, "cmdGeraSint");
    EXPECT_EQ(erros(), QStringList({QString::fromUtf8("Empresa Não Cadastrada, Utilize o Botão Pesquisar !"),
                                    QString::fromUtf8("A Data Final é Menor que a Data Inicial !"),
                                    QString::fromUtf8("O Período Deve Estar Dentro de um Mesmo Ano !"),
                                    QString::fromUtf8("O Nome do Arquivo Não Pode Conter Barras !")}));

    cadastro.Execute("UPDATE Empresas SET cgc = ? WHERE codigo = 7", {"12.345.678/0001"});
    w->tdbDfin->setValue(QDate(2004, 5, 31));
    codigo("7");
    esperaErros();
    click(w, "cmdGeraSint");
    EXPECT_EQ(erros(), QStringList({QString::fromUtf8("O CNPJ da Empresa Deve Ter 14 Dígitos !")}));
    EXPECT_TRUE(Geral::ConexaoMovimento.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).entryList({"*.TXT"}).isEmpty());
}

TEST_F(frmSintegraTest, TheFileGoesWhereTheFolderListPointsAndIsReplacedOnlyWhenWhole) {
    documento(false, "2004-01-10", "2004-01-10", "NF", "11.222.333/0001-81", "SP", "1", "1.102",
              {{"10", "0", "0", "0", "0"}});
    codigo("7");
    periodo("01012004", "31012004");
    typeInto(w, "txtContato", QString::fromUtf8("José \"Zé\""));
    typeInto(w, "txtFone", "3233712222");
    script->expect(Finalizado, "Finalização...", Msg::OK);
    click(w, "cmdGeraSint");
    const QByteArray escrito = arquivo();
    ASSERT_EQ(escrito.size(), 4 * 128);
    EXPECT_EQ(escrito.mid(128 + 86, 40), QByteArray("Jose \"Ze\"").leftJustified(28, ' ') + "003233712222");
    EXPECT_EQ(movimento.State(), platform::db::ObjectState::Closed);

    QFile(folder.filePath("SINT007.TXT")).resize(3);
    script->expect(Substitui, "Erro ao Localizar Arquivo", Msg::No);
    click(w, "cmdGeraSint");
    EXPECT_EQ(arquivo().size(), 3);
    EXPECT_EQ(focusedName(), "txtNome");
    script->expect(Substitui, Msg::Yes).expect(Finalizado, Msg::OK);
    click(w, "cmdGeraSint");
    EXPECT_EQ(arquivo(), escrito);

    // A refused document and a missing movement database leave the file and the registers as they were.
    documento(true, "2004-01-12", "2004-01-12", "NF", "33.444.555/0001-81", "SP", "77", "5.1",
              {{"10", "0", "0", "0", "0"}});
    script->expect(Substitui, Msg::Yes);
    esperaErros();
    click(w, "cmdGeraSint");
    EXPECT_EQ(erros(), QStringList({QString::fromUtf8("Saídas 12/01/2004 Nº 77: CFOP incompleto")}));
    EXPECT_EQ(linhasRegSint(), 1);
    w->tdbDini->setValue(QDate(2005, 1, 1));
    w->tdbDfin->setValue(QDate(2005, 1, 31));
    script->expect(Substitui, Msg::Yes)
        .expect("Arquivo de Movimento da Empresa Inexistente, Verifique !!!", "Erro ao Localizar Arquivo",
                Msg::OK);
    click(w, "cmdGeraSint");
    EXPECT_EQ(arquivo(), escrito);

    // A folder that cannot hold files (its parent is a plain file): no file, not even a partial one.
    QFile plano(folder.filePath("plano"));
    ASSERT_TRUE(plano.open(QIODevice::WriteOnly));
    plano.close();
    w->MudaPasta(folder.filePath("plano/sub"));
    EXPECT_EQ(w->lblCaminho->text(), folder.filePath("plano/sub/"));
    w->tdbDini->setValue(QDate(2004, 1, 1));
    w->tdbDfin->setValue(QDate(2004, 1, 11));
    script->expect("Erro ao Gravar o Arquivo " + folder.filePath("plano/sub/SINT007.TXT") +
                       " !\nHá um arquivo com o nome da pasta.",
                   "Erro", Msg::OK);
    click(w, "cmdGeraSint");
    EXPECT_EQ(arquivoEm(folder.filePath("plano")), "");
    EXPECT_EQ(arquivo(), escrito);
}

TEST_F(frmSintegraTest, TheDriveListOpensAVolumeAndTheProgramVolumeBringsBackTheProgramFolder) {
    ASSERT_TRUE(QDir(folder.path()).mkpath("midia/backup"));
    const QString midia = folder.filePath("midia/");
    platform::files::setVolumeSource([&] {
        return QList<platform::files::Volume>{
            {"/", "sistema"}, {midia, "pendrive"}, {"/nao/existe/", "cdrom"}};
    });
    w->close();
    settle();
    abre();
    EXPECT_EQ(w->driDrive->count(), 3);
    EXPECT_EQ(w->driDrive->currentIndex(), 0);
    EXPECT_EQ(w->driDrive->itemText(1), midia + " [pendrive]");

    auto escolhe = [&](int i) {
        w->driDrive->setCurrentIndex(i);
        emit w->driDrive->activated(i);
    };
    escolhe(1);
    EXPECT_EQ(w->lblCaminho->text(), midia);
    EXPECT_EQ(w->Pasta(), midia);
    ASSERT_EQ(w->dirPasta->count(), 2);
    EXPECT_EQ(w->dirPasta->item(1)->text(), "backup");
    emit w->dirPasta->itemActivated(w->dirPasta->item(1));
    EXPECT_EQ(w->lblCaminho->text(), midia + "backup/");
    EXPECT_EQ(w->driDrive->currentIndex(), 1);

    script->expect("Unidade Selecionada Não Possui Disquete", "Atenção", Msg::OK);
    escolhe(2);
    EXPECT_EQ(w->driDrive->currentIndex(), 1);
    EXPECT_EQ(w->lblCaminho->text(), midia + "backup/");

    emit w->dirPasta->itemActivated(w->dirPasta->item(0));  // ".."
    EXPECT_EQ(w->Pasta(), midia);
    escolhe(0);
    EXPECT_EQ(w->Pasta(), folder.path());
    EXPECT_EQ(w->lblCaminho->text(), folder.path());
}

}  // namespace
