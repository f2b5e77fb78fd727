// What a click or an access key does while a field with a leaving rule has the focus, and where the
// focus goes when tabs are clicked, over the windows that have such rules.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <utility>

#include "app/Janelas.h"
#include "books/Relatorios.h"
#include "books/frmLivrosIcms.h"
#include "books/frmLivrosIss.h"
#include "books/pos_icms_sql.h"
#include "companies/frmEmpresas.h"
#include "companies/frmPesqJur.h"
#include "movement/ArquivoMovimento.h"
#include "movement/DocumentoIcms.h"
#include "movement/frmMovIcms.h"
#include "movement/frmMovIss.h"
#include "partners/frmSocios.h"
#include "partners/frmTerceiros.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBGrid.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/controls/XArrayDB.h"
#include "platform/db/Recordset.h"
#include "platform/report/PrintEngine.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/UiScript.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastro.h"
#include "support/Money.h"
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
        platform::db::Connection movimento2004;
        movimento2004.Open(pasta.movementConnection(movimento::NomeArquivo(7, 2004)));
    }

  public:
    using RegistryWindowFixture::db;
    using RegistryWindowFixture::pasta;
    using RegistryWindowFixture::script;
    // A movement or books window with company 7 and March 2004 confirmed.
    static void Marco2004(CliquesTest&, Form* w) {
        typeInto(w, QStringLiteral("txtCodigo"), QStringLiteral("7"));
        pressEnter();
        settle();
        control<platform::controls::TDBDate>(w, QStringLiteral("tdbAnomes"))->setValue(QDate(2004, 3, 1));
        pressEnter();
        settle();
    }
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

QString Retrato(const QString& pasta);

const QString SemSocios = QStringLiteral("Não existe nenhum sócio cadastrado, cadastrar agora ?");
const QString SemTerceiros = QStringLiteral("Não existe nenhum terceiro cadastrado, cadastrar agora ?");

// A jump onward yields to the button or field the user clicked; a check that refuses its value with a
// message keeps the focus and the button is not pressed. A company code or a period left by a click
// on Sair closes the window at once, unchecked, and makes no movement file.
TEST_F(CliquesTest, AButtonPressedWhileLeavingAFieldRunsUnlessTheFieldRefusesItsValue) {
    const auto termos = [](CliquesTest& t) -> Form* { return t.Abre<terms::frmTermo>(); };
    const auto empresas = Aberta<Empresas::frmEmpresas>;
    const auto icms = Aberta<movimento::frmMovIcms>;
    const auto iss = Aberta<movimento::frmMovIss>;
    const auto socio = [](CliquesTest& t) -> Form* { return t.Abre<partners::frmSocios>(SemSocios); };
    const auto terceiro = [](CliquesTest& t) -> Form* {
        return t.Abre<partners::frmTerceiros>(SemTerceiros);
    };
    const auto digita = [](const char* texto) {
        return [=](Form*) { typeText(QString::fromLatin1(texto)); };
    };
    const auto data = digita("31122011");
    const auto sete = [](Form* w) {
        control<QLineEdit>(w, QStringLiteral("txtCodigo"))->setText(QStringLiteral("7"));
    };
    const auto mes = digita("032004");
    const auto empregador = [](Form* w) {
        static_cast<partners::frmTerceiros*>(w)->cmbTinscr->setCurrentText(QStringLiteral("Empregador"));
    };
    const char* sair = "cmdSair";
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
        {"sócio: Nr. Inscrição", socio, "mskInscricao", digita("123"), "txtObservacao", {}, nullptr},
        {"sócio: admissão, pela tecla", socio, "tdbadmissao", digita("01022011"), "mskInscricao", u'c',
         nullptr},
        {"terceiro: Empregador", terceiro, "cmbTinscr", empregador, "txtObservacao", {}, nullptr},
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
         socio,
         "tdbadmissao",
         digita("31022011"),
         nullptr,
         {},
         "Data inválida !",
         "cmdGravar"},
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
        {"ISS: período", iss, "tdbAnomes", mes, nullptr, {}, nullptr, sair},
        {"livros ICMS: código", Vazia<Livros::frmLivrosIcms>, "txtCodigo", sete, nullptr, {}, nullptr, sair},
        {"livros ISS: período",
         Aberta<LivrosIss::frmLivrosIss>,
         "tdbAnomes",
         mes,
         nullptr,
         {},
         nullptr,
         sair},
        {"livros ICMS: 99",
         Vazia<Livros::frmLivrosIcms>,
         "txtCodigo",
         digita("99"),
         nullptr,
         {},
         nullptr,
         sair},
        {"sócios: código, Novo", ComSocio, "txtCodigo", sete, nullptr, {}, nullptr, "cmdNovo"},
        // A period typed and left by a click into a field is not confirmed: no file, no working period.
        {"ICMS: período, código", icms, "tdbAnomes", digita("012005"), nullptr, {}, nullptr, "txtCodigo"},
        {"ISS: período, código", iss, "tdbAnomes", digita("012005"), nullptr, {}, nullptr, "txtCodigo"},
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
        const QString antes = Retrato(pasta.path());
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
            EXPECT_EQ(botao ? antes : Retrato(pasta.path()), antes);
            EXPECT_FALSE(saltou && salto != campo);
        }
        platform::ui::destroyAllForms();
        settle();
    }
}

// Answers every message with its safest button (OK, Não, Cancelar) and closes every dialog, noting them:
// the sweep types values whose checks it does not know.
class Tolerante : public platform::ui::UiScript {
  public:
    Tolerante() : anterior_(platform::ui::uiScript()) { platform::ui::setUiScript(this); }
    ~Tolerante() override { platform::ui::setUiScript(anterior_); }
    int mensagens = 0;
    int answerMessage(const platform::ui::MessageRequest& m) override {
        ++mensagens;
        // Every field that keeps the focus says what it needs: the events' own fallback is never seen.
        EXPECT_FALSE(m.text.contains(QStringLiteral("não aceita o valor informado"))) << m.text.toStdString();
        switch (m.style & 7) {
            case Msg::YesNo:
            case Msg::YesNoCancel:
                return Msg::No;
            case Msg::OKCancel:
            case Msg::RetryCancel:
                return Msg::Cancel;
            default:
                return Msg::OK;
        }
    }
    void dialogShown(QDialog& d) override { d.reject(); }

  private:
    platform::ui::UiScript* anterior_;
};

// The input fields of a window that Tab reaches on any of its tab pages, in tab order.
std::vector<QWidget*> CamposDaJanela(Form* w) {
    std::vector<QWidget*> campos;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        const bool entrada =
            qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) || qobject_cast<QPlainTextEdit*>(c);
        if (!entrada || platform::ui::tabIndex(c) < 0 || !c->isEnabled() ||
            !(c->focusPolicy() & Qt::TabFocus))
            continue;
        // Hidden only by a tab page that is not the one shown.
        bool visivel = true;
        for (QWidget* p = c; p && p != w && visivel; p = p->parentWidget())
            visivel = !p->isHidden() || qobject_cast<QStackedWidget*>(p->parentWidget());
        if (visivel) campos.push_back(c);
    }
    std::stable_sort(campos.begin(), campos.end(), [](QWidget* a, QWidget* b) {
        return platform::ui::tabIndex(a) < platform::ui::tabIndex(b);
    });
    return campos;
}

// The tab page holding a control (nullptr in a window without tabs).
QWidget* PaginaDe(QWidget* c) {
    for (QWidget* p = c; p; p = p->parentWidget())
        if (qobject_cast<QStackedWidget*>(p->parentWidget()) &&
            qobject_cast<QTabWidget*>(p->parentWidget()->parentWidget()))
            return p;
    return nullptr;
}

// A value the field takes whole: a date of the window's month, a valid CNPJ or CPF, a full CEP; or one
// its check (if any) refuses: a day or month that does not exist, a CNPJ or CPF whose check digits are
// wrong, a zero. None for a drop-down.
QString ValorPara(QWidget* c, bool recusado = false) {
    if (auto* d = qobject_cast<platform::controls::TDBDate*>(c))
        return QString::fromLatin1(d->isPeriod() ? (recusado ? "132004" : "032004")
                                   : d->isYear() ? (recusado ? "0000" : "2004")
                                                 : (recusado ? "31022004" : "15032004"));
    if (auto* m = qobject_cast<platform::controls::MaskEdBox*>(c); m && !m->Mask().isEmpty()) {
        const auto digitos = m->Mask().count(QLatin1Char('#')) + m->Mask().count(QLatin1Char('9'));
        if (recusado) return QString(digitos, QLatin1Char(digitos >= 11 ? '1' : '0'));
        if (digitos == 14) return QStringLiteral("11222333000181");
        if (digitos == 11) return QStringLiteral("11144477735");
        if (digitos == 8) return QStringLiteral("01310100");
        return QString(digitos, QLatin1Char('1'));
    }
    if (qobject_cast<QComboBox*>(c)) return QString();
    return QLatin1String(recusado ? "0" : "1");
}

QString TextoDe(QWidget* c) {
    if (auto* l = qobject_cast<QLineEdit*>(c)) return l->text();
    if (auto* t = qobject_cast<QPlainTextEdit*>(c)) return t->toPlainText();
    return QString();
}

// The files under the program folder and every row of every database among them (the registry and
// each movement file), value by value as stored: what a click must not change.
QString Retrato(const QString& pasta) {
    QString r;
    for (QDirIterator i(pasta, QDir::Files, QDirIterator::Subdirectories); i.hasNext();) {
        const QString arquivo = i.next();
        r += arquivo + QLatin1Char('\n');
        if (!arquivo.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive)) continue;
        platform::db::Connection db;
        db.OpenFile(arquivo);
        platform::db::Recordset tabelas;
        tabelas.Open(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
        for (; !tabelas.Eof(); tabelas.MoveNext()) {
            const QString t = tabelas.Fields(0).toString();
            platform::db::Recordset colunas;
            colunas.Open(db,
                         QStringLiteral("SELECT group_concat('quote(\"' || name || '\")', \" || ',' || \") "
                                        "FROM pragma_table_info(?)"),
                         {t});
            platform::db::Recordset linhas;
            linhas.Open(db, QStringLiteral("SELECT ") + colunas.Fields(0).toString() +
                                QStringLiteral(" FROM \"") + t + QStringLiteral("\" ORDER BY rowid"));
            for (r += t + QLatin1Char('\n'); !linhas.Eof(); linhas.MoveNext())
                r += linhas.Fields(0).toString() + QLatin1Char('\n');
        }
    }
    return r;
}

// Every window of the program, every field Tab reaches on any tab page, with a value typed in it:
// (a) a click into another field of the same page and of another page sends the keys typed next to
// the field clicked (or, where the field's check refused its value, keeps them in that field): no
// code of the window sends them elsewhere; (b) Sair (or Cancelar, where a record is open) does what
// it says at the first click, with no message, no row and no file.
TEST_F(CliquesTest, EveryFieldOfEveryWindowLetsTheClickChooseAndSairLeave) {
    const auto novo = [](const char* chave, const char* valor, const char* pergunta) {
        return [=](CliquesTest& t, Form* w) {
            if (pergunta) t.script->expect(QString::fromUtf8(pergunta), Msg::Yes);
            typeInto(w, QString::fromLatin1(chave), QString::fromLatin1(valor));
            pressTab();
            settle();
        };
    };
    const auto novoDocumento = [=](CliquesTest& t, Form* w) {
        Marco2004(t, w);
        click(w, QStringLiteral("cmdNovo"));
        settle();
    };
    const char* incluir = "Código Não Cadastrado, Incluir Novo ?";
    std::map<QString, std::function<void(CliquesTest&, Form*)>> preparos{
        {QStringLiteral("frmEmpresas"), novo("txtCodigo", "8", incluir)},
        {QStringLiteral("frmForCliGeral"), novo("txtCgc", "11222333000181", incluir)},
        {QStringLiteral("frmCodFiscal"), novo("mskCodigo", "1999", incluir)},
        {QStringLiteral("frmCodFiscal03"), novo("mskCodigo", "1999", incluir)},
        {QStringLiteral("frmUsuarios"), novo("mskCodigo", "5", incluir)},
        {QStringLiteral("frmTermo"), novo("txtCodigo", "7", nullptr)},
        {QStringLiteral("frmSintegra"), novo("txtCodigo", "7", nullptr)},
        {QStringLiteral("frmSocios"),
         novo("txtCodigo", "7", "Não existe nenhum sócio cadastrado, cadastrar agora ?")},
        {QStringLiteral("frmTerceiros"),
         novo("txtCodigo", "7", "Não existe nenhum terceiro cadastrado, cadastrar agora ?")},
        {QStringLiteral("frmLivrosIcms"), Marco2004},
        {QStringLiteral("frmLivrosIss"), Marco2004},
        {QStringLiteral("frmMovIcms"), novoDocumento},
        {QStringLiteral("frmMovIss"), novoDocumento},
    };
    // A stored record loaded (its row written at its first opening): what it holds must come out of a
    // click and an exit as it went in.
    const auto gravado = [=](const char* linha, const char* chave, const char* valor) {
        return [=, feito = false](CliquesTest& t, Form* w) mutable {
            if (!std::exchange(feito, true)) t.db.Execute(QString::fromLatin1(linha));
            novo(chave, valor, nullptr)(t, w);
            // A company's people are chosen in its list.
            if (auto* lista = w->findChild<platform::controls::TDBList*>();
                lista && QString::fromLatin1(chave) == u"txtCodigo") {
                QTableView* v = lista->view();
                QTest::mouseClick(v->viewport(), Qt::LeftButton, {},
                                  v->visualRect(v->model()->index(0, 1)).center());
                settle();
            }
        };
    };
    // A document of March 2004, its row written at its first opening, loaded by its number.
    const auto documento = [=](const char* linha) {
        return [=, feito = false](CliquesTest& t, Form* w) mutable {
            if (!std::exchange(feito, true)) {
                platform::db::Connection movimento;
                movimento.Open(t.pasta.movementConnection(movimento::NomeArquivo(7, 2004)));
                movimento.Execute(QString::fromLatin1(linha));
            }
            Marco2004(t, w);
            novo("mskCodigo", "1", nullptr)(t, w);
        };
    };
    std::map<QString, std::function<void(CliquesTest&, Form*)>> carregados{
        {QStringLiteral("frmEmpresas"), novo("txtCodigo", "7", nullptr)},
        {QStringLiteral("frmForCliGeral"),
         gravado("INSERT INTO ForGeral (cgc, nome, cep) VALUES ('11.222.333/0001-81', 'F', '01310-100')",
                 "txtCgc", "11222333000181")},
        {QStringLiteral("frmCodFiscal"), novo("mskCodigo", "111", nullptr)},
        {QStringLiteral("frmCodFiscal03"), novo("mskCodigo", "5102", nullptr)},
        {QStringLiteral("frmMovIcms"),
         documento("INSERT INTO DIGE03 (datalan, cgc, uf, codfiscal) VALUES ('2004-03-10', "
                   "'11.222.333/0001-81', 'SP', '1.102')")},
        {QStringLiteral("frmMovIss"),
         documento("INSERT INTO DIGISS03 (datalan, docinicial) VALUES ('2004-03-10', '1')")},
        {QStringLiteral("frmUsuarios"),
         gravado("INSERT INTO usuarios (codigo, nome) VALUES (6, 'Maria')", "mskCodigo", "6")},
        {QStringLiteral("frmSocios"),
         gravado("INSERT INTO Socios (codempr, nome) SELECT codauto, 'A' FROM Empresas", "txtCodigo", "7")},
        {QStringLiteral("frmTerceiros"),
         gravado("INSERT INTO Terceiros (codempr, nome) SELECT codauto, 'B' FROM Empresas", "txtCodigo",
                 "7")},
    };
    // The users' window opens every user's record to the administrator only.
    Geral::UsuarioAtual = QStringLiteral("Administrador");
    const app::TabelaJanelas janelas = app::JanelasDoPrograma();
    int acertos = 0;
    // Each window as it opens (a key typed, nothing looked up yet), with a new record open and with a
    // stored one loaded.
    for (const auto& [nome, mostra] : janelas)
        for (const auto* preparo : {decltype(&preparos){}, &preparos, &carregados}) {
            if (preparo && !preparo->count(nome)) continue;
            const auto abre = [&, nome = nome, preparo]() -> Form* {
                if (nome == QLatin1String("frmAjuste"))
                    script->expect(QStringLiteral("Este ajuste já foi feito !"), Msg::OK);
                janelas.at(nome)();
                settle();
                auto* sub = host->mdiArea()->activeSubWindow();
                Form* w = sub ? qobject_cast<Form*>(sub->widget()) : nullptr;
                if (w && preparo) preparo->at(nome)(*this, w);
                // A record loaded is one the window may delete.
                if (w && preparo == &carregados) {
                    EXPECT_TRUE(control(w, QStringLiteral("cmdApagar"))->isEnabled());
                }
                return w;
            };
            SCOPED_TRACE(nome.toStdString() + (!preparo               ? ""
                                               : preparo == &preparos ? " novo"
                                                                      : " carregado"));
            QPointer<Form> w = abre();
            if (!w) continue;  // a window that tells why it does not open
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>(
                     QRegularExpression(QStringLiteral("^cmd(Sair|Cancelar|Cancela)$"))))
                EXPECT_TRUE(platform::ui::leavesUnchecked(b)) << b->objectName().toStdString();
            const auto campos = CamposDaJanela(w);
            std::vector<QString> nomes;
            for (QWidget* c : campos) nomes.push_back(c->objectName());
            platform::ui::destroyAllForms();
            settle();
            for (size_t i = 0; i < nomes.size(); ++i) {
                SCOPED_TRACE(nomes[i].toStdString());
                // (a) Clicks into the next field of the page and into a field of another page, after a
                // value the field takes and after one its check refuses.
                for (bool recusa : {false, true}) {
                    w = abre();
                    Tolerante tolerante;
                    auto campos = CamposDaJanela(w);
                    QWidget* campo = control(w, nomes[i]);
                    const QString valor = ValorPara(campo, recusa);
                    if (recusa && valor.isEmpty()) {
                        platform::ui::destroyAllForms();
                        settle();
                        continue;
                    }
                    QWidget* mesma = nullptr;
                    QWidget* outra = nullptr;
                    for (size_t k = 1; k < campos.size(); ++k) {
                        QWidget* c = campos[(i + k) % campos.size()];
                        if (!mesma && PaginaDe(c) == PaginaDe(campo)) mesma = c;
                        if (!outra && PaginaDe(c) != PaginaDe(campo)) outra = c;
                    }
                    QWidget* atual = campo;
                    platform::ui::setFocusTo(campo);
                    settle();
                    if (auto* l = qobject_cast<QLineEdit*>(campo)) l->selectAll();
                    typeText(valor);
                    for (QWidget* alvo : {mesma, outra}) {
                        if (!alvo || !w || !alvo->isEnabled()) continue;
                        SCOPED_TRACE(alvo->objectName().toStdString());
                        const QString antes = TextoDe(alvo);
                        if (PaginaDe(alvo) && PaginaDe(alvo) != PaginaDe(atual)) {
                            auto* abas =
                                qobject_cast<QTabWidget*>(PaginaDe(alvo)->parentWidget()->parentWidget());
                            QTabBar* barra = abas->tabBar();
                            QTest::mouseClick(barra, Qt::LeftButton, Qt::NoModifier,
                                              barra->tabRect(abas->indexOf(PaginaDe(alvo))).center());
                        }
                        if (!w || !alvo->isVisible()) continue;
                        const int mensagens = tolerante.mensagens;
                        clickInto(alvo);
                        QWidget* foco = focused();
                        const bool noAlvo = foco && (foco == alvo || alvo->isAncestorOf(foco));
                        // A field that keeps the focus against the click says why.
                        const bool recusado = foco && (foco == atual || atual->isAncestorOf(foco)) &&
                                              tolerante.mensagens > mensagens;
                        EXPECT_TRUE(noAlvo || recusado)
                            << "focus on " << (foco ? foco->objectName().toStdString() : "nothing");
                        if (!noAlvo) break;
                        ++acertos;
                        atual = alvo;
                        if (qobject_cast<QComboBox*>(alvo)) {
                            settle();
                            continue;
                        }
                        if (auto* l = qobject_cast<QLineEdit*>(alvo)) l->selectAll();
                        typeText(antes.contains(u'7') ? QStringLiteral("8") : QStringLiteral("7"));
                        settle();
                        EXPECT_NE(TextoDe(alvo), antes);
                    }
                    platform::ui::destroyAllForms();
                    settle();
                }
                // (b) Sair, or Cancelar while a record is open.
                {
                    w = abre();
                    QWidget* campo = control(w, nomes[i]);
                    platform::ui::setFocusTo(campo);
                    settle();
                    {
                        Tolerante tolerante;
                        typeText(ValorPara(campo));
                    }
                    QPointer<QPushButton> sair = w->findChild<QPushButton*>(QStringLiteral("cmdSair"));
                    if (!sair || !sair->isEnabled() || !sair->isVisible())
                        sair = w->findChild<QPushButton*>(QStringLiteral("cmdCancelar"));
                    if (!sair || !sair->isEnabled()) {
                        platform::ui::destroyAllForms();
                        settle();
                        continue;
                    }
                    const QString antes = Retrato(pasta.path());
                    int cliques = 0;
                    QObject::connect(sair, &QAbstractButton::clicked, sair, [&cliques] { ++cliques; });
                    const bool fecha = sair->objectName() == QLatin1String("cmdSair");
                    // By a click, or by its access key where no other button shares it.
                    const QKeySequence tecla = QKeySequence::mnemonic(sair->text());
                    const auto botoes = w->findChildren<QPushButton*>();
                    const bool unica =
                        std::count_if(botoes.begin(), botoes.end(), [&](QPushButton* b) {
                            return b->isVisible() && QKeySequence::mnemonic(b->text()) == tecla;
                        }) == 1;
                    if (i % 2 == 1 && unica) {
                        pressKey(tecla[0].key(), Qt::AltModifier);
                    } else {
                        click(sair);
                    }
                    settle();
                    EXPECT_EQ(cliques, 1);
                    // Sair closes the window; Cancelar closes it or ends the record being entered.
                    EXPECT_TRUE(fecha ? !w : !w || !sair || !sair->isEnabled());
                    EXPECT_EQ(Retrato(pasta.path()), antes);
                    platform::ui::destroyAllForms();
                    settle();
                }
            }
        }
    // Most clicks land: a sweep whose values every check refused would prove nothing.
    EXPECT_GT(acertos, 200);
}

// The books print the month the period field shows: a period typed and not confirmed yet is confirmed
// by the click on any button but the exits, with its checks and messages, before the button runs (also
// after a click into another field, which confirms nothing); a year without a movement file is told and
// nothing is printed. The carried credit shows only the month the period field shows (nothing while
// another is pending), and a credit typed into it is the one printed and carried, whatever button
// confirms the period.
TEST_F(CliquesTest, TheBooksPrintTheMonthThePeriodFieldShows) {
    books::RegistraRelatorios();
    platform::report::PEOpenEngine();
    platform::db::Connection movimento;
    movimento.Open(pasta.movementConnection(movimento::NomeArquivo(7, 2004)));
    PosIcms::CompletaMeses(movimento);
    static constexpr const char* emite = "cmdEmissao";
    const struct {
        const char* janela;
        const char* periodo;  // 2005 has no movement file
        const char* antes;    // a button clicked before the emission
        const char* botao = emite;
        bool credito = false;           // the assessment, with 250 typed as the credit carried into the month
        bool tab = false;               // the period confirmed by Enter before the credit is typed
        const char* dialogo = nullptr;  // the dialog the button opens
    } casos[] = {{"frmLivrosIcms", "042004", nullptr},
                 {"frmLivrosIcms", "042004", "OptSai"},
                 {"frmLivrosIcms", "012005", nullptr},
                 {"frmLivrosIss", "042004", nullptr},
                 {"frmLivrosIss", "042004", "txtNpag"},
                 {"frmLivrosIss", "012005", nullptr},
                 {"frmLivrosIcms", "042004", nullptr, emite, true},
                 {"frmLivrosIcms", "042004", nullptr, emite, true, true},
                 {"frmLivrosIcms", "042004", nullptr, "cmdInfoAdi", true, false, "frmInfoAdi"},
                 {"frmLivrosIcms", "042004", nullptr, "cmdInfoAdi", true, true, "frmInfoAdi"},
                 {"frmLivrosIcms", "042004", nullptr, "cmdRanual", true, false, "frmPos_Anual"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.janela) + c.periodo + c.botao + (c.credito ? " credito" : "") +
                     (c.tab ? " tab" : ""));
        for (const auto& [mes, credito] : {std::pair{3, "100"}, {4, "40"}, {5, "0"}})
            PosIcms::GravaSaldoCredor(movimento, mes, C(credito));
        app::JanelasDoPrograma().at(QString::fromLatin1(c.janela))();
        settle();
        auto* w = qobject_cast<Form*>(host->mdiArea()->activeSubWindow()->widget());
        Marco2004(*this, w);
        auto* credito = w->findChild<platform::controls::TDBNumber*>(QStringLiteral("tdbSalCredAnt"));
        if (c.credito) click(w, QStringLiteral("OptApu"));
        clickInto(control(w, QStringLiteral("tdbAnomes")));
        control<QLineEdit>(w, QStringLiteral("tdbAnomes"))->selectAll();
        typeText(QString::fromLatin1(c.periodo));
        if (c.tab) pressEnter();
        settle();
        if (c.credito) {
            EXPECT_EQ(credito->text(), QString::fromLatin1(c.tab ? "40,00" : ""));
            clickInto(credito);
            typeText(QStringLiteral("250"));
        }
        const bool imprime = QByteArray(c.periodo).endsWith("2004") && c.botao == emite;
        if (!QByteArray(c.periodo).endsWith("2004"))
            script->expect(QStringLiteral("Arquivo de Movimento da Empresa Inexistente, Verifique !!!"),
                           Msg::OK);
        // The dialog the button opens is left as the clerk leaves it unchanged.
        if (c.dialogo)
            script->onDialog(QString::fromLatin1(c.dialogo), [](QDialog& d) {
                click(&d, QStringLiteral("cmdCancelar"));
                if (d.isVisible()) click(&d, QStringLiteral("cmdSair"));
            });
        if (c.antes) click(w, QString::fromLatin1(c.antes));
        click(w, QString::fromLatin1(c.botao));
        settle();
        if (c.credito) {
            EXPECT_EQ(credito->text(), QStringLiteral("250,00"));
        }
        const auto previas = previewWindows();
        ASSERT_EQ(previas.size(), imprime ? 1 : 0);
        if (imprime) {
            const QString texto = platform::report::dump(previas[0]->previews().at(0)->document());
            EXPECT_TRUE(texto.contains(QStringLiteral("04/2004")));
            EXPECT_FALSE(texto.contains(QStringLiteral("03/2004")));
            if (c.credito) {
                EXPECT_TRUE(texto.contains(QStringLiteral("250,00")));
                EXPECT_EQ(PosIcms::LeSaldoCredor(movimento, 4), C("250"));
                EXPECT_EQ(PosIcms::LeSaldoCredor(movimento, 5), C("250"));
            }
            previas[0]->close();
        }
        platform::ui::destroyAllForms();
        settle();
    }
    platform::report::PECloseEngine();
}

// The items grid of an ICMS document: a base of 0 typed, then a click into another field or another
// cell and keys typed: they land where the clerk clicked, whatever the launch type; no save runs.
TEST_F(CliquesTest, TheKeysTypedAfterAClickLeavingTheItemsBaseGoWhereTheClerkClicked) {
    const struct {
        const char* caso;
        const char* tipo;
        const char* base;
        const char* alvo;  // a field, or nullptr: the rate cell
    } casos[] = {
        {"ICMS na Fonte", "", "0", "tdbFicms"},         {"Observações", "0", "0", "txtObserv"},
        {"Nº inicial", "", "0", "txtNinicio"},          {"alíquota", "", "0", nullptr},
        {"0,00, Observações", "", "0,00", "txtObserv"}, {"0,00, alíquota", "0", "0,00", nullptr},
        {"tipo 1, Observações", "1", "0", "txtObserv"}, {"tipo 1, alíquota", "1", "0", nullptr},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        QPointer<movimento::frmMovIcms> w = platform::ui::ShowForm<movimento::frmMovIcms>();
        settle();
        Marco2004(*this, w);
        click(w->cmdNovo);
        settle();
        w->txtTipolan->setText(QString::fromLatin1(c.tipo));
        int gravar = 0;
        QObject::connect(w->cmdGravar, &QAbstractButton::clicked, w, [&gravar] { ++gravar; });
        QTableView* v = w->tdgItens->view();
        const auto celula = [v](int col) { return v->visualRect(v->model()->index(0, col)).center(); };
        QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::NoModifier, celula(movimento::ColunaItem::Base));
        typeText(QString::fromLatin1(c.base));
        if (c.alvo)
            clickInto(control(w, QString::fromLatin1(c.alvo)));
        else
            QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::NoModifier,
                              celula(movimento::ColunaItem::Aliquota));
        typeText(QStringLiteral("150 x"));
        settle();
        ASSERT_TRUE(w);
        EXPECT_EQ(gravar, 0);
        EXPECT_EQ(focusedName(), c.alvo ? QString::fromLatin1(c.alvo) : QString());  // a cell's editor
        EXPECT_TRUE(TextoDe(focused()).startsWith(QStringLiteral("150")));
        EXPECT_EQ(w->tdgItens->Col(), c.alvo ? movimento::ColunaItem::Base : movimento::ColunaItem::Aliquota);
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
