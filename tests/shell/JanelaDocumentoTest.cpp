#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/db/Connection.h"
#include "platform/db/TableNames.h"
#include "platform/ui/Form.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

using namespace shell;
using namespace testsupport;
using platform::controls::TDBNumber;
using platform::ui::Msg::OK;
using platform::values::Currency;

namespace {

const QString Alterado =
    QStringLiteral("Registro alterado em outra estação depois de carregado, a gravação não foi realizada !");
const QString NaoEncontrado = QStringLiteral("Registro não encontrado, a gravação não foi realizada !");
constexpr int Posicoes = 5;

// Copies the document's kind into the exits table after writing it: a second statement for the
// save's transaction.
class CadastroDocumento : public JanelaCadastro {
  public:
    using JanelaCadastro::JanelaCadastro;

  protected:
    void GravaRegistro(bool inclusao) override {
        JanelaCadastro::GravaRegistro(inclusao);
        Conexao().Execute(
            QStringLiteral("INSERT INTO DIGS03 (especie) SELECT especie FROM DIGE03 WHERE codauto = ?"),
            {ChaveAtual().toLongLong()});
    }
};

// A document window of the shape the movement windows take: a month table of a company's movement
// database, keyed by its automatic number, a record chosen in the list or started by Novo, and the
// items grid's five slots declared as slot columns.
class frmDocumentoTeste : public platform::ui::Form {
  public:
    explicit frmDocumentoTeste(const QString& conexao) {
        setObjectName(QStringLiteral("frmDocumentoTeste"));
        auto* layout = new QHBoxLayout(this);
        for (QWidget* w : {static_cast<QWidget*>(txtCodauto), static_cast<QWidget*>(txtEspecie)})
            layout->addWidget(w);
        DefinicaoCadastro d;
        d.conexao = conexao;
        d.tabela = QStringLiteral("dige03");
        d.colunaChave = QStringLiteral("codauto");
        d.tipoChave = TipoColuna::Numero;
        d.chaveAutomatica = true;
        d.procura = Procura::EscolhaOuNovo;
        d.chave = txtCodauto;
        d.campos = {{txtEspecie, QStringLiteral("especie"), 1}};
        for (int i = 0; i < Posicoes; ++i) {
            base[i] = new TDBNumber(this);
            layout->addWidget(base[i]);
            d.campos.push_back({base[i], QStringLiteral("baseicms"), -1, i});
        }
        for (QWidget* w : {static_cast<QWidget*>(lista), static_cast<QWidget*>(cmdNovo),
                           static_cast<QWidget*>(cmdGravar), static_cast<QWidget*>(cmdApagar),
                           static_cast<QWidget*>(cmdCancelar), static_cast<QWidget*>(cmdSair)})
            layout->addWidget(w);
        d.cmdNovo = cmdNovo;
        d.cmdGravar = cmdGravar;
        d.cmdApagar = cmdApagar;
        d.cmdCancelar = cmdCancelar;
        d.cmdSair = cmdSair;
        d.lista = lista;
        d.colunas = {{QStringLiteral("Nº"), QStringLiteral("codauto"), TipoColuna::Numero},
                     {QStringLiteral("Espécie"), QStringLiteral("especie"), TipoColuna::Texto}};
        cadastro = new CadastroDocumento(*this, std::move(d));
        cadastro->Liga();
    }
    void Form_Load() override { cadastro->Form_Load(); }
    void Form_Unload(bool& Cancel) override { cadastro->Form_Unload(Cancel); }

    QLineEdit* txtCodauto = new QLineEdit(this);
    QLineEdit* txtEspecie = new QLineEdit(this);
    TDBNumber* base[Posicoes];
    platform::controls::TDBList* lista = new platform::controls::TDBList(this);
    QPushButton* cmdNovo = new QPushButton(QStringLiteral("&Novo"), this);
    QPushButton* cmdGravar = new QPushButton(QStringLiteral("&Gravar"), this);
    QPushButton* cmdApagar = new QPushButton(QStringLiteral("&Apagar"), this);
    QPushButton* cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    QPushButton* cmdSair = new QPushButton(QStringLiteral("&Sair"), this);
    JanelaCadastro* cadastro;
};

class JanelaDocumentoTest : public UiFixture {
  protected:
    void SetUp() override {
        Geral::ReiniciaEstadoGeral();
        UiFixture::SetUp();
        conexao = pasta.movementConnection(QStringLiteral("MV260001.MDB"));
        db.Open(conexao);
        w = static_cast<frmDocumentoTeste*>(platform::ui::ShowInstance(new frmDocumentoTeste(conexao)));
        ASSERT_NE(w, nullptr);
        settle();
    }
    void TearDown() override {
        delete w;
        UiFixture::TearDown();
    }
    // A new document of `especie` with the bases 1,00 .. 5,00 in its slots.
    void NovoDocumento(const QString& especie) {
        click(w->cmdNovo);
        w->txtEspecie->setText(especie);
        for (int i = 0; i < Posicoes; ++i) w->base[i]->setValue(Currency::fromRaw((i + 1) * 10000));
        click(w->cmdGravar);
        settle();
    }
    void Escolhe(int linha) {
        w->cadastro->Lista_RowChosen(linha);
        settle();
    }
    QString Especie(qint64 codauto) {
        auto rs = db.OpenRecordset(QStringLiteral("SELECT especie FROM DIGE03 WHERE codauto = ?"), {codauto});
        return rs.Eof() ? QStringLiteral("<nenhum>") : rs.Fields(0).toString();
    }

    TempProgramFolder pasta;
    QString conexao;
    platform::db::Connection db;
    QPointer<frmDocumentoTeste> w;
};

TEST_F(JanelaDocumentoTest, ANewDocumentGetsItsAutomaticNumberAndItsSlots) {
    NovoDocumento(QStringLiteral("NF"));
    NovoDocumento(QStringLiteral("CF"));
    EXPECT_EQ(w->cadastro->EstadoAtual(), Ocioso);
    auto rs = db.OpenRecordset(
        QStringLiteral("SELECT codauto, especie, baseicms0, baseicms4 FROM DIGE03 ORDER BY codauto"));
    ASSERT_EQ(rs.RecordCount(), 2);
    rs.MoveLast();
    EXPECT_EQ(rs.Fields(QStringLiteral("especie")).toString(), QStringLiteral("CF"));
    EXPECT_EQ(rs.Fields(QStringLiteral("baseicms4")).toCurrency(), Currency::fromRaw(50000));
    const QString codauto = rs.Fields(QStringLiteral("codauto")).toString();
    EXPECT_EQ(w->cadastro->Lista().LinhaDaChave(codauto), 1);
    EXPECT_EQ(w->cadastro->Lista().Celula(1, 1), QStringLiteral("CF"));

    Escolhe(1);
    EXPECT_EQ(w->cadastro->EstadoAtual(), Carregado);
    EXPECT_EQ(w->txtCodauto->text(), codauto);
    EXPECT_EQ(w->base[2]->Value(), Currency::fromRaw(30000));
}

// Another copy saved or deleted the document after this window loaded it: the later save writes
// nothing and the window keeps what was typed.
TEST_F(JanelaDocumentoTest, AnUpdateWritesOnlyWhileTheRowIsAsLoaded) {
    NovoDocumento(QStringLiteral("NF"));
    NovoDocumento(QStringLiteral("CF"));
    Escolhe(0);
    db.Execute(QStringLiteral("UPDATE DIGE03 SET baseicms1 = 990000 WHERE especie = 'NF'"));
    w->txtEspecie->setText(QStringLiteral("NFE"));
    script->expect(Alterado, QStringLiteral("Atenção"), OK);
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(Especie(1), QStringLiteral("NF"));
    EXPECT_EQ(w->cadastro->EstadoAtual(), Carregado);
    EXPECT_EQ(w->txtEspecie->text(), QStringLiteral("NFE"));

    click(w->cmdCancelar);
    Escolhe(0);
    w->txtEspecie->setText(QStringLiteral("NFE"));
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(Especie(1), QStringLiteral("NFE"));

    Escolhe(1);
    db.Execute(QStringLiteral("DELETE FROM DIGE03 WHERE codauto = 2"));
    script->expect(NaoEncontrado, QStringLiteral("Atenção"), OK);
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(w->cadastro->EstadoAtual(), Carregado);
}

// A delete refuses, as a save does, a document another copy changed after this window loaded it.
TEST_F(JanelaDocumentoTest, ADeleteRemovesOnlyTheDocumentAsLoaded) {
    NovoDocumento(QStringLiteral("NF"));
    Escolhe(0);
    db.Execute(QStringLiteral("UPDATE DIGE03 SET baseicms1 = 990000 WHERE codauto = 1"));
    script->expect(QStringLiteral("Deseja Realmente Excluir Este Registro ?"), QStringLiteral("Atenção..."),
                   platform::ui::Msg::Yes);
    script->expect(
        QStringLiteral(
            "Registro alterado em outra estação depois de carregado, a exclusão não foi realizada !"),
        QStringLiteral("Atenção"), OK);
    click(w->cmdApagar);
    settle();
    EXPECT_TRUE(script->allAnswered());
    EXPECT_EQ(Especie(1), QStringLiteral("NF"));

    click(w->cmdCancelar);
    Escolhe(0);
    script->expect(QStringLiteral("Deseja Realmente Excluir Este Registro ?"), QStringLiteral("Atenção..."),
                   platform::ui::Msg::Yes);
    click(w->cmdApagar);
    settle();
    EXPECT_TRUE(script->allAnswered());
    EXPECT_EQ(Especie(1), QStringLiteral("<nenhum>"));
}

// The number a new document showed was taken by another copy's save meanwhile: the save says the
// number it was stored under.
TEST_F(JanelaDocumentoTest, ANewDocumentSavedUnderAnotherNumberSaysWhich) {
    click(w->cmdNovo);
    w->txtCodauto->setText(QStringLiteral("000001"));
    w->txtEspecie->setText(QStringLiteral("NF"));
    db.Execute(QStringLiteral("INSERT INTO DIGE03 (especie) VALUES ('CF')"));
    script->expect(
        QStringLiteral("O número 1 foi usado por outra estação; o registro foi gravado com o número 2 !"),
        QStringLiteral("Atenção"), OK);
    click(w->cmdGravar);
    settle();
    EXPECT_TRUE(script->allAnswered());
    EXPECT_EQ(Especie(2), QStringLiteral("NF"));
}

// The save is one transaction: when its second statement fails, its first is undone.
TEST_F(JanelaDocumentoTest, ASaveThatFailsInItsSecondStatementWritesNothing) {
    db.Execute(QStringLiteral(
        "CREATE TRIGGER recusa BEFORE INSERT ON DIGS03 BEGIN SELECT RAISE(ABORT, 'recusado'); END"));
    QString esperado;
    try {
        db.Execute(QStringLiteral("INSERT INTO DIGS03 (especie) VALUES ('x')"));
    } catch (const platform::values::RuntimeError& e) {
        esperado = platform::ui::errorText(e.number(), e.description());
    }
    ASSERT_FALSE(esperado.isEmpty());
    script->expect(esperado, OK);
    NovoDocumento(QStringLiteral("NF"));
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT codauto FROM DIGE03")).RecordCount(), 0);
    EXPECT_EQ(w->cadastro->EstadoAtual(), Novo);
    EXPECT_EQ(w->txtEspecie->text(), QStringLiteral("NF"));
}

// With no company open only the close button can be used.
TEST_F(JanelaDocumentoTest, WithoutACompanyNothingButCloseIsEnabled) {
    NovoDocumento(QStringLiteral("NF"));
    w->cadastro->Botao(SemEmpresa);
    for (QWidget* c : std::initializer_list<QWidget*>{w->txtCodauto, w->txtEspecie, w->base[0], w->lista,
                                                      w->cmdNovo, w->cmdGravar, w->cmdCancelar})
        EXPECT_FALSE(c->isEnabled()) << c->metaObject()->className();
    EXPECT_TRUE(w->cmdSair->isEnabled());
    w->cadastro->Botao(Ocioso);
    EXPECT_TRUE(w->lista->isEnabled());
    EXPECT_TRUE(w->cmdNovo->isEnabled());
}

TEST_F(JanelaDocumentoTest, AMonthTableOutsideTheYearIsRefused) {
    EXPECT_THROW(w->cadastro->UsaTabela(conexao, QStringLiteral("DIGE13")), platform::values::RuntimeError);
    EXPECT_EQ(w->cadastro->Tabela(), QStringLiteral("DIGE03"));
    w->cadastro->UsaTabela(conexao, QStringLiteral("DIGE04"));
    NovoDocumento(QStringLiteral("NF"));
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT especie FROM DIGE04")).RecordCount(), 1);
}

// A window keyed by its owner: the owner's row is created without a question the first time.
class frmDonoTeste : public platform::ui::Form {
  public:
    frmDonoTeste() {
        auto* layout = new QHBoxLayout(this);
        for (QWidget* w : {static_cast<QWidget*>(txtCodigo), static_cast<QWidget*>(txtTexto),
                           static_cast<QWidget*>(cmdGravar), static_cast<QWidget*>(cmdCancelar),
                           static_cast<QWidget*>(cmdSair)})
            layout->addWidget(w);
        txtCodigo->setObjectName(QStringLiteral("txtCodigo"));
        DefinicaoCadastro d;
        d.tabela = QStringLiteral("Notas");
        d.colunaChave = QStringLiteral("codempr");
        d.tipoChave = TipoColuna::Numero;
        d.procura = Procura::CriaSemPergunta;
        d.chave = txtCodigo;
        d.campos = {{txtTexto, QStringLiteral("texto")}};
        d.cmdGravar = cmdGravar;
        d.cmdCancelar = cmdCancelar;
        d.cmdSair = cmdSair;
        cadastro = new JanelaCadastro(*this, std::move(d));
        cadastro->Liga();
    }
    void Form_Load() override { cadastro->Form_Load(); }
    void Form_Unload(bool& Cancel) override { cadastro->Form_Unload(Cancel); }

    QLineEdit* txtCodigo = new QLineEdit(this);
    QLineEdit* txtTexto = new QLineEdit(this);
    QPushButton* cmdSair = new QPushButton(QStringLiteral("&Sair"), this);
    QPushButton* cmdGravar = new QPushButton(QStringLiteral("&Gravar"), this);
    QPushButton* cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    JanelaCadastro* cadastro;
};

TEST_F(JanelaDocumentoTest, AnOwnersRowIsCreatedWithoutAQuestionAndThenEdited) {
    platform::db::Connection registro;
    registro.Open(pasta.registryConnection());
    registro.Execute(QStringLiteral("CREATE TABLE Notas (codempr INTEGER, texto TEXT)"));
    platform::db::registerTables({QStringLiteral("Notas")});
    Geral::ConexaoCadastro = pasta.registryConnection();
    QPointer<frmDonoTeste> dono = static_cast<frmDonoTeste*>(platform::ui::ShowInstance(new frmDonoTeste));
    ASSERT_NE(dono, nullptr);
    settle();
    typeInto(dono, QStringLiteral("txtCodigo"), QStringLiteral("5"));
    pressTab();
    settle();
    EXPECT_EQ(dono->cadastro->EstadoAtual(), Carregado);
    EXPECT_EQ(registro.OpenRecordset(QStringLiteral("SELECT codempr FROM Notas")).RecordCount(), 1);
    dono->txtTexto->setText(QStringLiteral("nota"));
    click(dono->cmdGravar);
    settle();
    auto rs = registro.OpenRecordset(QStringLiteral("SELECT texto FROM Notas WHERE codempr = 5"));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields(0).toString(), QStringLiteral("nota"));
}

// A company's partners: its rows in a list, one chosen or a new one started by Novo, keyed by
// their automatic number.
class frmSociosTeste : public platform::ui::Form {
  public:
    frmSociosTeste() {
        auto* layout = new QHBoxLayout(this);
        for (QWidget* w : {static_cast<QWidget*>(txtCodauto), static_cast<QWidget*>(txtNome),
                           static_cast<QWidget*>(lista), static_cast<QWidget*>(cmdNovo),
                           static_cast<QWidget*>(cmdGravar), static_cast<QWidget*>(cmdSair)})
            layout->addWidget(w);
        DefinicaoCadastro d;
        d.tabela = QStringLiteral("Socios");
        d.colunaChave = QStringLiteral("codauto");
        d.tipoChave = TipoColuna::Numero;
        d.chaveAutomatica = true;
        d.procura = Procura::EscolhaOuNovo;
        d.colunaDono = QStringLiteral("codempr");
        d.chave = txtCodauto;
        d.campos = {{txtNome, QStringLiteral("nome"), 1}};
        d.cmdNovo = cmdNovo;
        d.cmdGravar = cmdGravar;
        d.cmdSair = cmdSair;
        d.lista = lista;
        d.colunas = {{QStringLiteral("Nº"), QStringLiteral("codauto"), TipoColuna::Numero},
                     {QStringLiteral("Nome"), QStringLiteral("nome"), TipoColuna::Texto}};
        cadastro = new JanelaCadastro(*this, std::move(d));
        cadastro->Liga();
    }
    void Form_Load() override { cadastro->Form_Load(); }
    void Form_Unload(bool& Cancel) override { cadastro->Form_Unload(Cancel); }

    QLineEdit* txtCodauto = new QLineEdit(this);
    QLineEdit* txtNome = new QLineEdit(this);
    platform::controls::TDBList* lista = new platform::controls::TDBList(this);
    QPushButton* cmdNovo = new QPushButton(QStringLiteral("&Novo"), this);
    QPushButton* cmdGravar = new QPushButton(QStringLiteral("&Gravar"), this);
    QPushButton* cmdSair = new QPushButton(QStringLiteral("&Sair"), this);
    JanelaCadastro* cadastro;
};

TEST_F(JanelaDocumentoTest, AnOwnersRowsAreListedAndANewOneIsWrittenUnderTheOwner) {
    platform::db::Connection registro;
    registro.Open(pasta.registryConnection());
    for (auto [dono, nome] : {std::pair{7, "Ana"}, {8, "Bia"}, {7, "Caio"}})
        registro.Execute(QStringLiteral("INSERT INTO Socios (codempr, nome) VALUES (?, ?)"), {dono, nome});
    Geral::ConexaoCadastro = pasta.registryConnection();
    Geral::ChaveComum = QStringLiteral("7");
    QPointer<frmSociosTeste> s = static_cast<frmSociosTeste*>(platform::ui::ShowInstance(new frmSociosTeste));
    ASSERT_NE(s, nullptr);
    settle();
    ASSERT_EQ(s->cadastro->Lista().Linhas(), 2);
    EXPECT_EQ(s->cadastro->Lista().Celula(1, 1), QStringLiteral("Caio"));
    s->cadastro->Lista_RowChosen(1);
    settle();
    EXPECT_EQ(s->cadastro->EstadoAtual(), Carregado);
    EXPECT_EQ(s->txtNome->text(), QStringLiteral("Caio"));
    click(s->cmdGravar);
    settle();
    click(s->cmdNovo);
    s->txtNome->setText(QStringLiteral("Duda"));
    click(s->cmdGravar);
    settle();
    EXPECT_EQ(s->cadastro->Lista().Linhas(), 3);
    auto rs = registro.OpenRecordset(QStringLiteral("SELECT codempr FROM Socios WHERE nome = 'Duda'"));
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields(0).toLongLong(), 7);
}

}  // namespace
