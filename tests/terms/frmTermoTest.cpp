#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "TermoFixture.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/XArrayDB.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/ListaPesquisa.h"
#include "shell/frmPesquisa.h"
#include "terms/frmTermo.h"
#include "terms/termo_sql.h"

using namespace testsupport;
namespace Msg = platform::ui::Msg;

namespace {

class frmTermoTest : public TermoFixture {
  protected:
    void SetUp() override {
        TermoFixture::SetUp();
        codauto = Empresa(7);
        w = platform::ui::ShowForm<terms::frmTermo>();
        ASSERT_NE(w, nullptr);
        settle();
    }
    void Procura(const QString& codigo) {
        typeInto(w, QStringLiteral("txtCodigo"), codigo);
        pressTab();
        settle();
    }
    int Estado() { return w->Cadastro().EstadoAtual(); }
    QString Coluna(const char* nome) {
        return terms::LeTermo(db, codauto).Fields(QString::fromLatin1(nome)).toString();
    }
    // The messages of the error list the next save shows, answered with OK.
    void EsperaErros(QStringList* linhas) {
        script->onDialog(QStringLiteral("frmErros"), [linhas](QDialog& d) {
            auto* lista = control<platform::controls::TDBList>(&d, QStringLiteral("tdbErros"));
            for (int i = 0; i < lista->Array()->Count(1); ++i)
                *linhas << lista->Array()->Value(lista->Array()->LowerBound(1) + i, 1).toString() + ": " +
                               lista->Array()->Value(lista->Array()->LowerBound(1) + i, 2).toString();
            click(&d, QStringLiteral("cmdOk"));
        });
    }
    // Fills the four required texts of a valid save, the fifth (CRC) as given.
    void Obrigatorios(const QString& crc = QStringLiteral("1SP123456O5")) {
        w->txtResponsavel->setText(QStringLiteral("Maria da Silva"));
        w->mskCpf->setText(QStringLiteral("12345678909"));
        w->mskRg->setText(QStringLiteral("123456789"));
        w->txtContador->setText(QStringLiteral("José Contador"));
        w->mskCrc->setText(crc);
    }

    qint64 codauto = 0;
    terms::frmTermo* w = nullptr;
};

TEST_F(frmTermoTest, AFirstLookupCreatesTheRowAndOpensItEmptyWithTheCodeLocked) {
    Procura(QStringLiteral("007"));
    EXPECT_EQ(w->txtCodigo->text(), QStringLiteral("7"));
    EXPECT_EQ(Estado(), shell::Carregado);
    EXPECT_EQ(w->lblNome->text(), QStringLiteral("Comércio Exemplo Ltda"));
    auto rs = db.OpenRecordset(QStringLiteral("SELECT codcli, Resp, ESP1a FROM Termo"));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields(0).toLongLong(), codauto);
    EXPECT_TRUE(rs.Fields(1).isNull());
    EXPECT_TRUE(w->optP1a->isChecked());
    EXPECT_EQ(focusedName(), QStringLiteral("txtResponsavel"));
    EXPECT_FALSE(w->txtCodigo->isEnabled());
    EXPECT_TRUE(w->cmdImprimir->isEnabled());
    EXPECT_FALSE(w->cmdSair->isEnabled());
    EXPECT_FALSE(w->cmdPesquisar->isEnabled());
    // Cancel leaves the row, and a never-saved row reloads as the table holds it.
    click(w->cmdCancelar);
    settle();
    EXPECT_EQ(Estado(), shell::Ocioso);
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT * FROM Termo")).RecordCount(), 1);
    Procura(QStringLiteral("7"));
    EXPECT_TRUE(w->optP1->isChecked());
    EXPECT_EQ(focusedName(), QStringLiteral("txtRegN"));
    EXPECT_EQ(w->mskCpf->Text(), QStringLiteral("___.___.___-__"));
    EXPECT_EQ(w->tdbInEnt->Text(), QStringLiteral("__/__/____"));
}

TEST_F(frmTermoTest, AFullRowLoadsIntoEveryFieldAndSavesBackUnchanged) {
    TermoCompleto(codauto);
    const QStringList antes = TextosCompletos();
    // An issuing body longer than its field, written by another tool, is named and kept whole.
    const QString orgao = QStringLiteral("Junta Comercial do Estado");
    db.Execute(QStringLiteral("UPDATE Termo SET ESOrg = ? WHERE codcli = ?"), {orgao, codauto});
    script->expectKept("ESOrg: " + orgao);
    Procura(QStringLiteral("7"));
    const auto campos = w->CamposColunas();
    // The two flags are check boxes, not texts; the issuing body shows cut.
    const QStringList mostrado = TextosLidos();
    for (int i = 0; i < campos.size(); ++i)
        if (i != 3 && i != 5 && i != 6) {
            EXPECT_EQ(shell::TextoCampo(campos[i]), mostrado[i]) << i;
        }
    EXPECT_TRUE(w->optP1a->isChecked());
    EXPECT_FALSE(w->optP1->isChecked());
    w->optP1->setChecked(true);
    w->tdbFiss->setText(QStringLiteral("31/12/2025"));
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(Estado(), shell::Ocioso);
    EXPECT_EQ(Coluna("ESP1a"), QStringLiteral("Falso"));
    EXPECT_EQ(Coluna("ESP1"), QStringLiteral("Verdadeiro"));
    EXPECT_EQ(Coluna("IsFim"), QStringLiteral("31/12/2025"));
    EXPECT_EQ(Coluna("Crc"), QStringLiteral("1SP123456/O-5"));
    EXPECT_EQ(Coluna("ApuIcmNFol"), QStringLiteral("012"));
    EXPECT_EQ(Coluna("ESOrg"), orgao);
}

TEST_F(frmTermoTest, CodesThatAreNoCompanyAreToldOrIgnored) {
    script->expect(
        QStringLiteral(
            "Empresa Não Cadastrada, Utilize o Botão Pesquisar para acionar uma lista de empresas !"),
        QStringLiteral("Atenção..."), Msg::OK);
    Procura(QStringLiteral("99"));
    EXPECT_EQ(w->txtCodigo->text(), QString());
    EXPECT_EQ(Estado(), shell::Ocioso);
    Procura(QStringLiteral("0"));
    EXPECT_EQ(Estado(), shell::Ocioso);
    // Only digits reach the field, typed or pasted.
    w->txtCodigo->clear();
    typeInto(w, QStringLiteral("txtCodigo"), QStringLiteral("a7-"));
    EXPECT_EQ(w->txtCodigo->text(), QStringLiteral("7"));
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT * FROM Termo")).RecordCount(), 0);
}

TEST_F(frmTermoTest, MissingRequiredFieldsAreListedInOrderAndNothingIsWritten) {
    Procura(QStringLiteral("7"));
    w->txtRegN->setText(QStringLiteral("123"));
    QStringList linhas;
    EsperaErros(&linhas);
    click(w->cmdGravar);
    settle();
    EXPECT_EQ(linhas, QStringList({"Erro Fatal: O Campo Responsável é Obrigatório !",
                                   "Erro Fatal: O Campo CPF é Obrigatório !",
                                   "Erro Fatal: O Campo RG é Obrigatório !",
                                   "Erro Fatal: O Campo Contador é Obrigatório !",
                                   "Erro Fatal: O Campo CRC é Obrigatório !"}));
    EXPECT_EQ(Estado(), shell::Carregado);
    EXPECT_EQ(w->txtRegN->text(), QStringLiteral("123"));
    EXPECT_TRUE(terms::LeTermo(db, codauto).Fields(QStringLiteral("ESRegN")).isNull());
    // Nor does the print open its dialog.
    EsperaErros(&linhas);
    click(w->cmdImprimir);
    settle();
    EXPECT_TRUE(script->allAnswered());
    // The window cannot close with the row open.
    script->expect(
        QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele antes..."),
        QStringLiteral("Atenção"), Msg::OK);
    w->close();
    settle();
    EXPECT_TRUE(w->isVisible());
    click(w->cmdCancelar);
}

TEST_F(frmTermoTest, LeavingTheLastDateOfATabTurnsToTheNextTab) {
    Procura(QStringLiteral("7"));
    const std::tuple<QWidget*, int, QString> saltos[] = {
        {w->tdbFimSai, 1, "txtOrdIc"}, {w->tdbAteIp, 2, "txtModelo"}, {w->tdbFiss, 3, "txtResponsavel"}};
    int aba = 0;
    for (const auto& [data, proxima, campo] : saltos) {
        w->ssTab->setTab(aba);
        platform::ui::setFocusTo(data);
        settle();
        pressTab();
        settle();
        EXPECT_EQ(w->ssTab->Tab(), proxima);
        EXPECT_EQ(focusedName(), campo);
        aba = proxima;
    }
}

// The folio counts in words go to the print dialog with the company's key; the fields are read
// before the save empties them.
TEST_F(frmTermoTest, ThePrintSavesAndHandsTheCountsInWordsToTheTermsDialog) {
    struct Caso {
        QString icms, ipi;
        bool tocado;
        QString extensoIcms, extensoIpi;
    };
    const std::vector<Caso> casos = {
        {"12", "200", false, "(DOZE)", "(DUZENTAS)"}, {"", "", true, "()", "()"}, {"", "", false, "", ""}};
    for (const Caso& c : casos) {
        Procura(QStringLiteral("7"));
        Obrigatorios();
        w->ssTab->setTab(1);
        w->txtFolhasIc->setText(c.icms);
        w->txtFolhasIp->setText(c.ipi);
        if (c.tocado) {
            platform::ui::setFocusTo(w->txtFolhasIc);
            settle();
            pressTab();
            settle();
            EXPECT_EQ(w->txtFolhasIc->text(), QStringLiteral("0"));
            w->txtFolhasIp->setText(QStringLiteral("0"));
        }
        QString icms, ipi, chave;
        script->onDialog(QStringLiteral("frmTerPara"), [&](QDialog& d) {
            icms = Geral::ExtensoIcms;
            ipi = Geral::ExtensoIpi;
            chave = Geral::ChaveComum;
            click(&d, QStringLiteral("cmdSair"));
        });
        click(w->cmdImprimir);
        settle();
        EXPECT_EQ(icms, c.extensoIcms);
        EXPECT_EQ(ipi, c.extensoIpi);
        EXPECT_EQ(chave, QString::number(codauto));
        EXPECT_EQ(Estado(), shell::Ocioso);
    }
    EXPECT_EQ(Coluna("Resp"), QStringLiteral("Maria da Silva"));
    EXPECT_EQ(Coluna("Crc"), QStringLiteral("1SP123456/O-5"));
}

TEST_F(frmTermoTest, AFolioCountShowsItsNumber) {
    Procura(QStringLiteral("7"));
    w->ssTab->setTab(1);
    for (const auto& [digitado, mostrado] : {std::pair{"007", "7"}, std::pair{"", "0"}}) {
        w->txtFolhasIp->setText(QString::fromLatin1(digitado));
        platform::ui::setFocusTo(w->txtFolhasIp);
        settle();
        pressTab();
        settle();
        EXPECT_EQ(w->txtFolhasIp->text(), QString::fromLatin1(mostrado));
    }
}

TEST_F(frmTermoTest, TheSearchFillsTheCodeOrGivesTheFocusBack) {
    script->onDialog(QStringLiteral("frmPesquisa"),
                     [](QDialog& d) { click(&d, QStringLiteral("cmdCancela")); });
    click(w->cmdPesquisar);
    settle();
    EXPECT_FALSE(Geral::Cancelado);
    EXPECT_EQ(focusedName(), QStringLiteral("txtCodigo"));
    EXPECT_EQ(Estado(), shell::Ocioso);
    script->onDialog(QStringLiteral("frmPesquisa"), [](QDialog& d) {
        auto& pesquisa = static_cast<shell::frmPesquisa&>(d);
        pesquisa.Lista().DefineLinhaAtual(0);
        click(pesquisa.cmdOk);
    });
    click(w->cmdPesquisar);
    settle();
    EXPECT_EQ(w->txtCodigo->text(), QStringLiteral("7"));
    EXPECT_EQ(Estado(), shell::Carregado);
}

}  // namespace
