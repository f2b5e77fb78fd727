#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "companies/frmPesqJur.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "support/Drive.h"
#include "support/RegistryWindowFixture.h"
#include "utilities/frmAjMov.h"

using namespace testsupport;
using platform::ui::Msg::OK;
using utilities::frmAjMov;

namespace {

class frmAjMovTest : public RegistryWindowFixture {
  protected:
    frmAjMov* Abre() {
        db.Execute(
            "INSERT INTO Empresas(codigo,nome,uf,mes_base_fiscal) VALUES(12,'Doze','SP',?),(13,'Treze','MG',"
            "NULL)",
            {QDate(2005, 3, 1)});
        auto* w = platform::ui::ShowForm<frmAjMov>();
        settle();
        return w;
    }
};

// The code takes digits only; a known company shows its name, state and working year, an unknown one
// is told and emptied; the search puts the chosen code in and looks it up.
TEST_F(frmAjMovTest, LooksTheCompanyUpByCodeOrSearch) {
    auto* w = Abre();
    EXPECT_EQ(w->tdbAno->text(), "____");
    EXPECT_TRUE(w->tdbAno->ValueIsNull());
    clickInto(w->txtCodigo);
    typeText("1x2");
    EXPECT_EQ(w->txtCodigo->text(), "12");
    pressTab();
    settle();
    EXPECT_EQ(w->lblNome->text(), "Doze");
    EXPECT_EQ(w->lblUf->text(), "SP");
    EXPECT_EQ(w->tdbAno->text(), "2005");
    EXPECT_EQ(w->tdbAno->Value(), QDate(2005, 1, 1));

    w->txtCodigo->clear();
    clickInto(w->txtCodigo);
    typeText("99");
    script->expect(
        QStringLiteral("Empresa Não Cadastrada, Utilize o Botão Ativar para acionar uma lista de empresas !"),
        "Atenção...", OK);
    pressTab();
    settle();
    EXPECT_TRUE(w->txtCodigo->text().isEmpty());

    script->onDialog(QStringLiteral("frmPesqJur"), [](QDialog& d) {
        static_cast<Empresas::frmPesqJur&>(d).tdbPesq->setBookmark(1);
        click(&d, QStringLiteral("cmdOk"));
    });
    click(w->cmdPesqe);
    settle();
    EXPECT_EQ(w->txtCodigo->text(), "13");
    EXPECT_EQ(w->lblNome->text(), "Treze");
    EXPECT_EQ(w->lblUf->text(), "MG");
}

// Without a year only the year gets the focus; the file is found in any letter case, a missing one
// named as the movement windows write it; the old file is kept under its stored name plus ".bak"; a
// file open in another window keeps the rebuild out.
TEST_F(frmAjMovTest, RebuildsTheFileOfTheCodeAndYearKeepingABackup) {
    auto* w = Abre();
    w->txtCodigo->setText("13");
    click(w->cmdAjustar);
    settle();
    EXPECT_EQ(focused(), w->tdbAno);
    EXPECT_TRUE(script->shown().empty());

    w->txtCodigo->setText("12");
    w->tdbAno->setValue(QDate(2005, 1, 1));
    script->expect(
        QStringLiteral("O arquivo de movimento MV050012.MDB não está presente no seu diretório, verifique !"),
        "Atenção...", OK);
    click(w->cmdAjustar);
    settle();

    const QString arquivo = pasta.filePath("Tarvel/mv050012.MDB");
    pasta.copyTemplate("Movimento.mdb", "Tarvel/mv050012.MDB");
    {
        platform::db::Connection banco;
        banco.OpenFile(arquivo);
        banco.Execute("ALTER TABLE DIGE01 RENAME TO x");
        banco.Execute("ALTER TABLE x RENAME TO dige01");
        banco.Execute("INSERT INTO dige01 (codauto, especie) VALUES (5, 'NF')");
    }
    const QByteArray antes = [&] {
        QFile f(arquivo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    {
        platform::db::Connection outraJanela;
        outraJanela.OpenFile(arquivo);
        script->expect(QStringLiteral("O arquivo mv050012.MDB está aberto em outra janela; feche as outras "
                                      "janelas e tente novamente !"),
                       "Atenção...", OK);
        click(w->cmdAjustar);
        settle();
    }
    script->expect(QStringLiteral("Ajuste Realizado com Sucesso !"), "Concluído...", OK);
    click(w->cmdAjustar);
    settle();
    platform::db::Connection novo;
    novo.OpenFile(arquivo);
    EXPECT_EQ(novo.OpenRecordset("SELECT especie FROM DIGE01 WHERE codauto = 5").Fields(0).toString(), "NF");
    QFile bak(arquivo + ".bak");
    ASSERT_TRUE(bak.open(QIODevice::ReadOnly));
    EXPECT_EQ(bak.readAll(), antes);
}

// A registry that cannot be opened is told once, when the window opens; the lookup then says nothing
// and the rebuild, which needs only the code and year, runs and is told as done.
TEST_F(frmAjMovTest, AnUnusableRegistryIsToldOnceAndTheRebuildStillRuns) {
    const QString registro = pasta.filePath("Quebrado.mdb");
    {
        QFile f(registro);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    Geral::ConexaoCadastro = "Data Source=" + registro + ";";
    script->expect("Erro número 26 O arquivo " + registro +
                       " está danificado; restaure a cópia de segurança mais recente.",
                   "Erro", OK);
    auto* w = platform::ui::ShowForm<frmAjMov>();
    settle();
    clickInto(w->txtCodigo);
    typeText("12");
    pressTab();
    settle();
    EXPECT_TRUE(w->lblNome->text().isEmpty());
    pasta.copyTemplate("Movimento.mdb", "Tarvel/MV050012.MDB");
    w->tdbAno->setValue(QDate(2005, 1, 1));
    script->expect(QStringLiteral("Ajuste Realizado com Sucesso !"), "Concluído...", OK);
    click(w->cmdAjustar);
    settle();
}

}  // namespace
