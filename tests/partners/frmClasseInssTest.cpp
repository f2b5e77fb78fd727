#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "PessoaFixture.h"
#include "partners/frmClasseInss.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"

using namespace testsupport;
namespace Msg = platform::ui::Msg;
using partners::frmClasseInss;

namespace {

const QString Incluir = QStringLiteral("Data Não Registrada, Incluir ?");
const QString Excluir = QStringLiteral("Deseja Realmente Excluir Este Registro ?");
const QString ClasseErrada = QStringLiteral("O campo classe está em branco ou preenchido errado !");

struct Variante {
    const char* dialogo;
    const char* tabela;
    const char* dono;
    const char* titulo;
    // The button Tab reaches after Gravar with a row loaded (Sair is disabled then).
    const char* aposGravar;
};

class frmClasseInssTest : public PessoaFixture, public ::testing::WithParamInterface<Variante> {
  protected:
    QString Tabela() const { return QString::fromLatin1(GetParam().tabela); }
    QString Dono() const { return QString::fromLatin1(GetParam().dono); }
    void Insere(qint64 dono, const QDate& data, int classe) { Classe(Tabela(), Dono(), dono, data, classe); }
    QStringList Rows(qint64 dono) {
        QStringList linhas;
        for (auto rs = db.OpenRecordset(QStringLiteral("SELECT dinicio, classe FROM ") + Tabela() +
                                            QStringLiteral(" WHERE ") + Dono() +
                                            QStringLiteral(" = ? ORDER BY dinicio"),
                                        {dono});
             !rs.Eof(); rs.MoveNext())
            linhas << platform::values::formatDate(rs.Fields(0).toDate()) + u'|' + rs.Fields(1).toString();
        return linhas;
    }
    // Opens the dialog of person `dono` and runs `drive` on it; Sair closes it afterwards.
    void Abre(qint64 dono, std::function<void(frmClasseInss&)> drive) {
        Geral::ChaveComum = QString::number(dono);
        std::unique_ptr<frmClasseInss> d;
        if (QString::fromLatin1(GetParam().dialogo) == QStringLiteral("frmSocInss"))
            d = std::make_unique<partners::frmSocInss>();
        else
            d = std::make_unique<partners::frmTerInss>();
        script->onDialog(QString::fromLatin1(GetParam().dialogo), [drive](QDialog& dlg) {
            auto& c = static_cast<frmClasseInss&>(dlg);
            settle();
            drive(c);
            if (c.isVisible()) click(c.cmdSair);
        });
        platform::ui::ShowModal(*d);
        settle();
    }
    void Data(frmClasseInss& c, const QString& digitos) {
        typeInto(&c, QStringLiteral("tdbDinicio"), digitos);
        pressTab();
        settle();
    }
    void Novo(frmClasseInss& c, const QString& digitos, const QString& classe) {
        script->expect(Incluir, Msg::Yes);
        Data(c, digitos);
        ASSERT_EQ(c.Cadastro().EstadoAtual(), shell::Novo);
        typeText(classe);
        click(c.cmdGravar);
        settle();
    }
};

TEST_P(frmClasseInssTest, AFirstRowIsSavedAndTheClassRuleRefusesWhatIsNotOneToTen) {
    Insere(99, QDate(2001, 1, 1), 3);
    Abre(5, [this](frmClasseInss& c) {
        EXPECT_EQ(c.windowTitle(), QString::fromUtf8(GetParam().titulo));
        EXPECT_EQ(c.lblTit(0)->text(), QStringLiteral("Código"));
        EXPECT_EQ(Linhas(c.tdbClasse), QStringList());
        EXPECT_EQ(focusedName(), QStringLiteral("tdbDinicio"));
        EXPECT_FALSE(Geral::Alterado);
        EXPECT_FALSE(c.cmdGravar->isEnabled());
        EXPECT_TRUE(c.cmdSair->isEnabled());

        script->expect(Incluir, Msg::Yes);
        Data(c, QStringLiteral("01022005"));
        EXPECT_EQ(focusedName(), QStringLiteral("txtClasse"));
        EXPECT_FALSE(c.tdbDinicio->isEnabled());
        EXPECT_FALSE(c.cmdApagar->isEnabled());
        // Letters, signs and the double quote never reach the class; Backspace does.
        typeText(QStringLiteral("a-\"7"));
        EXPECT_EQ(c.txtClasse->text(), QStringLiteral("7"));
        pressKey(Qt::Key_Backspace);
        EXPECT_EQ(c.txtClasse->text(), QString());
        paste(QStringLiteral("x9"));
        EXPECT_NE(c.txtClasse->text(), QStringLiteral("x9"));

        for (const char* errada : {"", "0", "00", "11", "99"}) {
            c.txtClasse->setText(QString::fromLatin1(errada));
            QStringList erros;
            EsperaErros(&erros);
            click(c.cmdGravar);
            settle();
            EXPECT_EQ(erros, QStringList({ClasseErrada})) << errada;
            EXPECT_EQ(c.Cadastro().EstadoAtual(), shell::Novo) << errada;
        }
        c.txtClasse->setText(QStringLiteral("01"));
        click(c.cmdGravar);
        settle();
        EXPECT_EQ(c.Cadastro().EstadoAtual(), shell::Ocioso);
        EXPECT_TRUE(Geral::Alterado);
        // The class is a number: "01" is listed as the table holds it.
        EXPECT_EQ(Linhas(c.tdbClasse), QStringList({QStringLiteral("01/02/2005|1")}));
        for (auto [certa, data] : {std::pair{"1", "01022006"}, {"10", "01022007"}, {"09", "01022008"}}) {
            script->expect(Incluir, Msg::Yes);
            Data(c, QString::fromLatin1(data));
            c.txtClasse->setText(QString::fromLatin1(certa));
            click(c.cmdGravar);
            settle();
            EXPECT_EQ(c.Cadastro().EstadoAtual(), shell::Ocioso) << certa;
        }
        // The upper limit of every date field.
        Novo(c, QStringLiteral("31122099"), QStringLiteral("2"));
    });
    EXPECT_EQ(Rows(5), QStringList({QStringLiteral("01/02/2005|1"), QStringLiteral("01/02/2006|1"),
                                    QStringLiteral("01/02/2007|10"), QStringLiteral("01/02/2008|9"),
                                    QStringLiteral("31/12/2099|2")}));
    EXPECT_EQ(Rows(99).size(), 1);
}

TEST_P(frmClasseInssTest, AKnownDateLoadsItsRowAndADateTakenMeanwhileIsRefused) {
    Insere(5, QDate(2003, 1, 15), 4);
    Insere(5, QDate(2005, 2, 1), 6);
    Insere(6, QDate(2004, 3, 1), 2);
    Abre(5, [this](frmClasseInss& c) {
        // Newest first.
        EXPECT_EQ(Linhas(c.tdbClasse),
                  QStringList({QStringLiteral("01/02/2005|6"), QStringLiteral("15/01/2003|4")}));
        Data(c, QStringLiteral("15012003"));
        EXPECT_EQ(c.Cadastro().EstadoAtual(), shell::Carregado);
        EXPECT_EQ(focusedName(), QStringLiteral("txtClasse"));
        EXPECT_EQ(c.txtClasse->text(), QStringLiteral("4"));
        EXPECT_EQ(c.txtClasse->selectedText(), QStringLiteral("4"));
        click(c.cmdCancelar);
        settle();
        // Another person's date is new here; the dates of this person are not.
        script->expect(Incluir, Msg::Yes);
        Data(c, QStringLiteral("01032004"));
        EXPECT_EQ(c.Cadastro().EstadoAtual(), shell::Novo);
        // A lookup while the new row is open only checks that the date is still free.
        c.tdbDinicio->setEnabled(true);
        c.tdbDinicio->setValue(QDate(2005, 2, 1));
        script->expect(QStringLiteral("Data Já Cadastrado, Utilize Outro !"), Msg::OK);
        c.Cadastro().Chave_LostFocus();
        settle();
        EXPECT_EQ(c.tdbDinicio->Text(), QStringLiteral("__/__/____"));
        click(c.cmdCancelar);
        settle();
        EXPECT_FALSE(Geral::Alterado);

        // A row another copy writes between the lookup and the save.
        script->expect(Incluir, Msg::Yes);
        Data(c, QStringLiteral("01062006"));
        Insere(5, QDate(2006, 6, 1), 8);
        typeText(QStringLiteral("3"));
        QStringList erros;
        EsperaErros(&erros);
        click(c.cmdGravar);
        settle();
        EXPECT_EQ(erros, QStringList({QStringLiteral("Data Já Cadastrada !")}));
        EXPECT_EQ(c.Cadastro().EstadoAtual(), shell::Novo);
        click(c.cmdCancelar);
        settle();

        // Choosing a list row ends a new row: its save is an update.
        script->expect(Incluir, Msg::Yes);
        Data(c, QStringLiteral("01072007"));
        EscolheLinha(c.tdbClasse, 1);
        EXPECT_EQ(c.Cadastro().EstadoAtual(), shell::Carregado);
        EXPECT_FALSE(c.Cadastro().Inclusao());
        EXPECT_EQ(c.tdbDinicio->Text(), QStringLiteral("15/01/2003"));
        c.txtClasse->setText(QStringLiteral("5"));
        click(c.cmdGravar);
        settle();
        EXPECT_EQ(Linhas(c.tdbClasse),
                  QStringList({QStringLiteral("15/01/2003|5"), QStringLiteral("01/02/2005|6")}));
        EXPECT_TRUE(Geral::Alterado);
    });
    EXPECT_EQ(Rows(5), QStringList({QStringLiteral("15/01/2003|5"), QStringLiteral("01/02/2005|6"),
                                    QStringLiteral("01/06/2006|8")}));
}

TEST_P(frmClasseInssTest, AfterAHeaderSortSaveAndDeleteChangeTheLoadedRow) {
    Insere(5, QDate(2003, 1, 15), 4);
    Insere(5, QDate(2005, 2, 1), 6);
    Insere(5, QDate(2004, 7, 1), 2);
    Abre(5, [this](frmClasseInss& c) {
        Data(c, QStringLiteral("01072004"));
        ASSERT_EQ(c.Cadastro().EstadoAtual(), shell::Carregado);
        c.Cadastro().Lista_HeadClick(frmClasseInss::ColunaClasse);
        c.txtClasse->setText(QStringLiteral("7"));
        click(c.cmdGravar);
        settle();
        EXPECT_EQ(Rows(5), QStringList({QStringLiteral("15/01/2003|4"), QStringLiteral("01/07/2004|7"),
                                        QStringLiteral("01/02/2005|6")}));
        Data(c, QStringLiteral("15012003"));
        c.Cadastro().Lista_FootClick(frmClasseInss::ColunaData);
        script->expect(Excluir, Msg::No);
        click(c.cmdApagar);
        settle();
        EXPECT_EQ(c.Cadastro().EstadoAtual(), shell::Carregado);
        EXPECT_EQ(Rows(5).size(), 3);
        script->expect(Excluir, Msg::Yes);
        click(c.cmdApagar);
        settle();
        EXPECT_EQ(c.Cadastro().EstadoAtual(), shell::Ocioso);
        EXPECT_EQ(Linhas(c.tdbClasse),
                  QStringList({QStringLiteral("01/02/2005|6"), QStringLiteral("01/07/2004|7")}));
    });
    EXPECT_TRUE(Geral::Alterado);
    EXPECT_EQ(Rows(5), QStringList({QStringLiteral("01/07/2004|7"), QStringLiteral("01/02/2005|6")}));
}

TEST_P(frmClasseInssTest, TheButtonsFollowTheirTabOrderAndAnOpenRowCannotBeLeft) {
    Insere(5, QDate(2003, 1, 15), 4);
    Abre(5, [this](frmClasseInss& c) {
        Data(c, QStringLiteral("15012003"));
        pressTab();
        EXPECT_EQ(focusedName(), QStringLiteral("cmdGravar"));
        pressTab();
        EXPECT_EQ(focusedName(), QString::fromLatin1(GetParam().aposGravar));
        script->expect(
            QStringLiteral("Você não pode abandonar uma operação em andamento, grave ou cancele antes..."),
            Msg::OK);
        c.close();
        settle();
        EXPECT_TRUE(c.isVisible());
        click(c.cmdCancelar);
        settle();
    });
    EXPECT_FALSE(Geral::Alterado);
}

INSTANTIATE_TEST_SUITE_P(Dialogos, frmClasseInssTest,
                         ::testing::Values(Variante{"frmSocInss", "ClasseSoc", "codsoc",
                                                    "Enquadramentos no INSS (Sócios)", "cmdCancelar"},
                                           Variante{"frmTerInss", "ClasseTer", "codter",
                                                    "Enquadramentos no INSS (Terceiros)", "cmdApagar"}),
                         [](const auto& info) { return std::string(info.param.dialogo); });

}  // namespace
