// What a click or an access key does while a field with a leaving rule has the focus, and where the
// focus goes when tabs are clicked, over the windows that have such rules.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <functional>

#include "books/frmLivrosIcms.h"
#include "books/frmLivrosIss.h"
#include "companies/frmEmpresas.h"
#include "companies/frmPesqJur.h"
#include "movement/frmMovIcms.h"
#include "movement/frmMovIss.h"
#include "partners/frmSocios.h"
#include "partners/frmTerceiros.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/XArrayDB.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"
#include "support/RegistryWindowFixture.h"
#include "terms/frmTermo.h"
#include "utilities/Relatorios.h"
#include "utilities/frmAjMov.h"
#include "utilities/frmPadrao.h"

using namespace testsupport;
namespace Msg = platform::ui::Msg;
using platform::ui::Form;

namespace {

class CliquesTest : public RegistryWindowFixture {
  protected:
    void SetUp() override {
        RegistryWindowFixture::SetUp();
        db.Execute(QStringLiteral(
            "INSERT INTO Empresas (codigo, nome, tpescri, TpIss) VALUES (7, 'Padaria', 'C', '53')"));
    }

  public:
    // The window with the company chosen; a partners window enters a new person.
    template <class W>
    W* Abre(const QString& semPessoas = QString()) {
        W* w = platform::ui::ShowForm<W>();
        settle();
        if (!semPessoas.isEmpty()) script->expect(semPessoas, Msg::Yes);
        typeInto(w, QStringLiteral("txtCodigo"), QStringLiteral("7"));
        pressTab();
        settle();
        return w;
    }
    // The window with company 7 chosen (Abre) or as it opens (Vazia); company 7 with a partner.
    template <class W>
    static Form* Aberta(CliquesTest& t) {
        return t.Abre<W>();
    }
    template <class W>
    static Form* Vazia(CliquesTest&) {
        return platform::ui::ShowForm<W>();
    }
    static Form* NovoIss(CliquesTest& t) {
        Form* w = t.Abre<movimento::frmMovIss>();
        pressTab();
        click(w, QStringLiteral("cmdNovo"));
        settle();
        return w;
    }
    static Form* ComSocio(CliquesTest& t) {
        t.db.Execute(QStringLiteral("INSERT INTO Socios (codempr, nome) SELECT codauto, 'A' FROM Empresas"));
        return t.Abre<partners::frmSocios>();
    }
    static void Clica(QAbstractButton* botao, QChar tecla) {
        if (tecla.isNull())
            click(botao);
        else
            pressShortcut(tecla);
        settle();
    }
};

const QString SemSocios = QStringLiteral("Não existe nenhum sócio cadastrado, cadastrar agora ?");
const QString SemTerceiros = QStringLiteral("Não existe nenhum terceiro cadastrado, cadastrar agora ?");

// A jump onward yields to the button or field the user clicked; a check that refuses its value with a
// message keeps the focus and the button is not pressed. A company code or a period left by a click
// on Sair closes the window at once, and makes no movement file.
TEST_F(CliquesTest, AButtonPressedWhileLeavingAFieldRunsUnlessTheFieldRefusesItsValue) {
    const auto termos = [](CliquesTest& t) -> Form* { return t.Abre<terms::frmTermo>(); };
    const auto empresas = Aberta<Empresas::frmEmpresas>;
    const auto socio = [](CliquesTest& t) -> Form* { return t.Abre<partners::frmSocios>(SemSocios); };
    const auto terceiro = [](CliquesTest& t) -> Form* {
        return t.Abre<partners::frmTerceiros>(SemTerceiros);
    };
    const auto data = [](Form*) { typeText(QStringLiteral("31122011")); };
    const auto sete = [](Form* w) {
        control<QLineEdit>(w, QStringLiteral("txtCodigo"))->setText(QStringLiteral("7"));
    };
    const auto mes = [](Form*) { typeText(QStringLiteral("032004")); };
    const auto noventa = [](Form*) { typeText(QStringLiteral("99")); };
    const auto empregador = [](Form* w) {
        static_cast<partners::frmTerceiros*>(w)->cmbTinscr->setCurrentText(QStringLiteral("Empregador"));
    };
    const char* sair = "cmdSair";
    const char* naoHa = "Empresa Não Cadastrada, Utilize o Botão Ativar para acionar uma lista de empresas !";
    const struct {
        const char* caso;
        std::function<Form*(CliquesTest&)> abre;
        const char* campo;
        std::function<void(Form*)> preenche;
        const char* salto;  // where Tab or Enter would jump
        QChar tecla;        // the button's access key, or a mouse click
        const char* mensagem;
        const char* alvo = "cmdCancelar";  // the button or field clicked
        int aba = -1;                      // a tab clicked before the field
    } casos[] = {
        {"sócio: Nr. Inscrição",
         [](CliquesTest& t) { return t.Abre<partners::frmSocios>(SemSocios); },
         "mskInscricao",
         [](Form*) { typeText(QStringLiteral("123")); },
         "txtObservacao",
         {},
         nullptr},
        {"sócio: admissão, pela tecla", [](CliquesTest& t) { return t.Abre<partners::frmSocios>(SemSocios); },
         "tdbadmissao", [](Form*) { typeText(QStringLiteral("01022011")); }, "mskInscricao", u'c', nullptr},
        {"terceiro: Empregador",
         [](CliquesTest& t) { return t.Abre<partners::frmTerceiros>(SemTerceiros); },
         "cmbTinscr",
         [](Form* w) {
             static_cast<partners::frmTerceiros*>(w)->cmbTinscr->setCurrentText(QStringLiteral("Empregador"));
         },
         "txtObservacao",
         {},
         nullptr},
        {"termos: Fim Reg.Saidas", termos, "tdbFimSai", data, "txtOrdIc", {}, nullptr},
        {"termos: IPI Até", termos, "tdbAteIp", data, "txtModelo", u'c', nullptr},
        {"termos: Fim Livro ISS", termos, "tdbFiss", data, "txtResponsavel", {}, nullptr},
        {"etiquetas: Nº de Folhas vazio",
         [](CliquesTest&) {
             auto* w = platform::ui::ShowForm<utilities::frmPadrao>();
             settle();
             return w;
         },
         "txtNvias",
         [](Form* w) { control<QLineEdit>(w, QStringLiteral("txtNvias"))->clear(); },
         "txtNvias",
         {},
         nullptr},
        {"sócio: data de admissão inválida",
         [](CliquesTest& t) { return t.Abre<partners::frmSocios>(SemSocios); },
         "tdbadmissao",
         [](Form*) { typeText(QStringLiteral("31022011")); },
         nullptr,
         {},
         "Data inválida !"},
        // A click into a field, of the same tab or of another.
        {"sócio: Inscrição, Rua", socio, "mskInscricao", {}, "txtObservacao", {}, nullptr, "txtendereco"},
        {"sócio: admissão, Telefone", socio, "tdbadmissao", data, "mskInscricao", {}, nullptr, "txtFone"},
        {"sócio: Inscrição, aba Geral", socio, "mskInscricao", {}, "txtObservacao", {}, nullptr, "mskRg", 0},
        {"terceiro: Empregador",
         terceiro,
         "cmbTinscr",
         empregador,
         "txtObservacao",
         {},
         nullptr,
         "txtterceiros"},
        {"terceiro: salário", terceiro, "tdbScinss", {}, "txtObservacao", {}, nullptr, "mskInscricao"},
        {"termos: Fim Saídas, Registro Nº", termos, "tdbFimSai", data, "txtOrdIc", {}, nullptr, "txtRegN"},
        {"termos: IPI Até, Nº de Folhas", termos, "tdbAteIp", data, "txtModelo", {}, nullptr, "txtFolhasIc"},
        {"termos: aba Apuração", termos, "tdbFimSai", data, nullptr, {}, nullptr, "txtFolhasIc", 1},
        {"termos: Fim Livro ISS", termos, "tdbFiss", data, "txtResponsavel", {}, nullptr, "txtNOrder"},
        {"empresa: Home-Page, Nr.", empresas, "txtHomepage", {}, "tdbadipi", {}, nullptr, "txtNumero"},
        {"empresa: % Serviços", empresas, "tdbpercservicos", {}, "tdbfundacao", {}, nullptr, "tdbadipi"},
        {"ISS 53: Valor da Nota", NovoIss, "tdbVlrNota", mes, "tdbSempr", {}, nullptr, "txtObs"},
        // A company code or a period left by a click on a button.
        {"ICMS: código", Vazia<movimento::frmMovIcms>, "txtCodigo", sete, nullptr, {}, nullptr, sair},
        {"ISS: período", Aberta<movimento::frmMovIss>, "tdbAnomes", mes, nullptr, {}, nullptr, sair},
        {"livros ICMS: código", Vazia<Livros::frmLivrosIcms>, "txtCodigo", sete, nullptr, {}, nullptr, sair},
        {"livros ISS: período",
         Aberta<LivrosIss::frmLivrosIss>,
         "tdbAnomes",
         mes,
         nullptr,
         {},
         nullptr,
         sair},
        {"livros ICMS: 99", Vazia<Livros::frmLivrosIcms>, "txtCodigo", noventa, nullptr, {}, naoHa, sair},
        {"sócios: código, Novo", ComSocio, "txtCodigo", sete, nullptr, {}, nullptr, "cmdNovo"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        QPointer<Form> w = c.abre(*this);
        ASSERT_TRUE(w);
        QWidget* campo = control(w, QString::fromLatin1(c.campo));
        platform::ui::setFocusTo(campo);
        settle();
        ASSERT_EQ(focused(), campo);
        if (c.preenche) c.preenche(w);
        QWidget* alvo = control(w, QString::fromLatin1(c.alvo));
        auto* botao = qobject_cast<QAbstractButton*>(alvo);
        int cliques = 0;
        if (botao) QObject::connect(botao, &QAbstractButton::clicked, botao, [&cliques] { ++cliques; });
        bool saltou = false;
        QWidget* salto = c.salto ? control(w, QString::fromLatin1(c.salto)) : nullptr;
        const auto vigia =
            QObject::connect(qApp, &QApplication::focusChanged, qApp,
                             [&](QWidget*, QWidget* agora) { saltou |= agora && agora == salto; });
        if (c.mensagem) script->expect(QString::fromUtf8(c.mensagem), Msg::OK);
        const QDir tarvel(Geral::DiretorioSistema + QStringLiteral("Tarvel"));
        const auto arquivos = tarvel.count();
        if (c.aba >= 0) {
            QTabBar* barra = w->findChild<platform::controls::SSTab*>()->tabBar();
            QTest::mouseClick(barra, Qt::LeftButton, Qt::NoModifier, barra->tabRect(c.aba).center());
        }
        botao ? Clica(botao, c.tecla) : clickInto(alvo);
        settle();
        QObject::disconnect(vigia);
        EXPECT_EQ(QDir(tarvel.path()).count(), arquivos);
        if (c.mensagem) {
            EXPECT_EQ(cliques, 0);
            EXPECT_EQ(focused(), campo);
        } else {
            EXPECT_EQ(cliques, botao ? 1 : 0);
            EXPECT_TRUE(botao || focused() == alvo);
            EXPECT_FALSE(saltou && salto != campo);
        }
        platform::ui::destroyAllForms();
        settle();
    }
}

// The focus is always on the page shown, and clicking tabs moves it into the page clicked without
// setting off the rules of the field it leaves.
TEST_F(CliquesTest, TheFocusIsOnThePageShownAndTabClicksKeepIt) {
    auto* w = Abre<terms::frmTermo>();
    ASSERT_EQ(focusedName(), QStringLiteral("txtResponsavel"));
    EXPECT_EQ(w->ssTab->Tab(), 3);
    const auto clicaAba = [w](int aba) {
        QTabBar* barra = w->ssTab->tabBar();
        QTest::mouseClick(barra, Qt::LeftButton, Qt::NoModifier, barra->tabRect(aba).center());
        settle();
    };
    clicaAba(0);
    EXPECT_EQ(w->ssTab->Tab(), 0);
    EXPECT_TRUE(w->ssTab->widget(0)->isAncestorOf(focused()));
    platform::ui::setFocusTo(w->tdbFimSai);
    typeText(QStringLiteral("31122011"));
    clicaAba(2);
    EXPECT_EQ(w->ssTab->Tab(), 2);
    EXPECT_TRUE(w->ssTab->widget(2)->isAncestorOf(focused())) << focusedName().toStdString();
    clicaAba(1);
    clickInto(w->txtFolhasIc);
    EXPECT_EQ(w->ssTab->Tab(), 1);
    EXPECT_EQ(focusedName(), QStringLiteral("txtFolhasIc"));
}

// A window opened while another is maximized takes the focus in the field it opens in, not in one
// its frame happened to remember.
TEST_F(CliquesTest, AWindowOpenedOverAMaximizedOneStartsInItsOwnFirstField) {
    platform::ui::ShowForm<utilities::frmAjMov>()->subWindow()->showMaximized();
    settle();
    const struct {
        std::function<Form*()> abre;
        const char* campo;
    } casos[] = {
        {[] { return platform::ui::ShowForm<utilities::frmPadrao>(); }, "txtL0"},
        {[] { return platform::ui::ShowForm<terms::frmTermo>(); }, "txtCodigo"},
        {[] { return platform::ui::ShowForm<movimento::frmMovIss>(); }, "txtCodigo"},
        {[] { return platform::ui::ShowForm<movimento::frmMovIcms>(); }, "txtCodigo"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.campo);
        Form* w = c.abre();
        settle();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isAncestorOf(focused()));
        EXPECT_EQ(focusedName(), QString::fromLatin1(c.campo));
    }
}

// Two buttons of one window sharing an access key: the key moves the focus between them and presses
// neither (the movement window's "&Saída" and "&Sair"; the books' "&Inicia a Emissão" and
// "&Informações Adicionais").
TEST_F(CliquesTest, ASharedAccessKeyMovesBetweenItsButtonsAndPressesNone) {
    const struct {
        std::function<Form*()> abre;
        QChar tecla;
        const char* primeiro;
        const char* segundo;
    } casos[] = {
        {[] { return platform::ui::ShowForm<movimento::frmMovIcms>(); }, u's', "cmdMovimento", "cmdSair"},
        {[] { return platform::ui::ShowForm<Livros::frmLivrosIcms>(); }, u'i', "cmdEmissao", "cmdInfoAdi"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.primeiro);
        QPointer<Form> w = c.abre();
        settle();
        ASSERT_TRUE(w);
        int cliques = 0;
        for (const char* nome : {c.primeiro, c.segundo}) {
            auto* b = control<QAbstractButton>(w, QString::fromLatin1(nome));
            b->setEnabled(true);
            QObject::connect(b, &QAbstractButton::clicked, b, [&cliques] { ++cliques; });
        }
        pressShortcut(c.tecla);
        settle();
        EXPECT_EQ(focusedName(), QString::fromLatin1(c.primeiro));
        pressShortcut(c.tecla);
        settle();
        EXPECT_EQ(focusedName(), QString::fromLatin1(c.segundo));
        pressShortcut(c.tecla);
        settle();
        EXPECT_EQ(focusedName(), QString::fromLatin1(c.primeiro));
        ASSERT_TRUE(w);
        EXPECT_EQ(cliques, 0);
        platform::ui::destroyAllForms();
        settle();
    }
}

// The company search of the books and movement windows: a company chosen is looked up at once (its
// name shows); a search cancelled leaves the focus in the code field.
TEST_F(CliquesTest, TheCompanySearchLooksTheChoiceUpOrGivesTheCodeFieldBack) {
    const std::function<Form*()> janelas[] = {
        [] { return platform::ui::ShowForm<Livros::frmLivrosIcms>(); },
        [] { return platform::ui::ShowForm<LivrosIss::frmLivrosIss>(); },
        [] { return platform::ui::ShowForm<movimento::frmMovIss>(); },
    };
    for (const auto& abre : janelas) {
        QPointer<Form> w = abre();
        settle();
        ASSERT_TRUE(w);
        SCOPED_TRACE(w->objectName().toStdString());
        script->onDialog(QStringLiteral("frmPesqJur"),
                         [](QDialog& d) { click(&d, QStringLiteral("cmdCancelar")); });
        click(w, QStringLiteral("cmdPesqe"));
        settle();
        EXPECT_EQ(focusedName(), QStringLiteral("txtCodigo"));
        script->onDialog(QStringLiteral("frmPesqJur"), [](QDialog& d) {
            auto* lista = static_cast<Empresas::frmPesqJur&>(d).tdbPesq;
            lista->setBookmark(lista->Array()->LowerBound(1));
            click(&d, QStringLiteral("cmdOk"));
        });
        click(w, QStringLiteral("cmdPesqe"));
        settle();
        EXPECT_EQ(control<QLabel>(w, QStringLiteral("lblNome"))->text(), QStringLiteral("Padaria"));
        EXPECT_EQ(focusedName(), QStringLiteral("tdbAnomes"));
        platform::ui::destroyAllForms();
        settle();
    }
}

// The maximized preview keeps a whole window when another is opened over it, and closing its last
// preview closes it.
TEST_F(CliquesTest, TheMaximizedPreviewStaysWholeAndGoesWithItsLastPreview) {
    utilities::RegistraRelatorios();
    auto* etiquetas = platform::ui::ShowForm<utilities::frmPadrao>();
    settle();
    control<QLineEdit>(etiquetas, QStringLiteral("txtNvias"))->setText(QStringLiteral("01"));
    click(etiquetas, QStringLiteral("cmdImprimir"));
    settle();
    QPointer<platform::report::frmRelatorio> previa = platform::report::frmRelatorio::shared();
    ASSERT_TRUE(previa);
    EXPECT_TRUE(previa->subWindow()->isMaximized());
    platform::ui::ShowForm<utilities::frmAjMov>();
    settle();
    EXPECT_GT(previa->subWindow()->height(), host->mdiArea()->height() / 2);
    ASSERT_EQ(previa->previews().size(), 1u);
    click(previa->previews()[0], QStringLiteral("closePreview"));
    settle();
    EXPECT_FALSE(previa);
}

}  // namespace
