#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

#include "companies/empresas_sql.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"
#include "platform/report/Render.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "support/Drive.h"
#include "support/EmpresaGravada.h"
#include "support/Golden.h"
#include "support/MessageScript.h"
#include "support/RegistryWindowFixture.h"
#include "utilities/ImpressaoListagem.h"
#include "utilities/Relatorios.h"
#include "utilities/frmRelatArq.h"
#include "utilities/listagens_sql.h"

using namespace testsupport;
using Empresas::CondicaoFiltro;
using platform::db::Param;
using utilities::frmRelatArq;

namespace {

CondicaoFiltro texto(const char* coluna, const QString& de, const QString& ate) {
    CondicaoFiltro c;
    c.coluna = QString::fromLatin1(coluna);
    c.tipo = QStringLiteral("S");
    c.de = de;
    c.ate = ate;
    return c;
}

TEST(MontaConsulta, BuildsConditionsInRowOrderAndTheOrderOfItsCaption) {
    CondicaoFiltro numero;
    numero.coluna = QStringLiteral("codigo");
    numero.tipo = QStringLiteral("N");
    numero.deNumero = 1;
    numero.ateNumero = 50;
    CondicaoFiltro data;
    data.coluna = QStringLiteral("data_cadastro");
    data.tipo = QStringLiteral("D");
    data.deData = QDate(2004, 1, 1);
    data.ateData = QDate(2004, 12, 31);
    const QString nome = QStringLiteral("Empresas.nome >= ? AND Empresas.nome <= ?");
    struct Caso {
        std::vector<CondicaoFiltro> filtros;
        QString ordem;
        QString sql;
        platform::db::Params valores;
    } casos[] = {
        {{}, QString(), QStringLiteral("SELECT * FROM Empresas"), {}},
        {{texto("nome", "A", "C")},
         QStringLiteral("Nome"),
         QStringLiteral("SELECT * FROM Empresas WHERE ") + nome + QStringLiteral(" ORDER BY nome"),
         {QStringLiteral("A"), QStringLiteral("C")}},
        {{numero, texto("nome", "A", "M"), data},
         QStringLiteral("Código"),
         QStringLiteral("SELECT * FROM Empresas WHERE Empresas.codigo >= ? AND Empresas.codigo <= ? AND ") +
             nome +
             QStringLiteral(
                 " AND Empresas.data_cadastro >= ? AND Empresas.data_cadastro <= ? ORDER BY codigo"),
         {qint64(1), qint64(50), QStringLiteral("A"), QStringLiteral("M"), QDate(2004, 1, 1),
          QDate(2004, 12, 31)}},
        {{}, QStringLiteral("CNPJ"), QStringLiteral("SELECT * FROM Empresas ORDER BY cgc"), {}},
        {{}, QStringLiteral("Apelido"), QStringLiteral("SELECT * FROM Empresas ORDER BY apelido"), {}},
        {{texto("nome", "D'Ávila \"x\" --", "Z")},
         QStringLiteral("CEP"),
         QStringLiteral("SELECT * FROM Empresas WHERE ") + nome + QStringLiteral(" ORDER BY cep"),
         {QStringLiteral("D'Ávila \"x\" --"), QStringLiteral("Z")}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.sql.toStdString());
        const auto consulta = Listagens::MontaConsulta(QStringLiteral("Empresas"), c.filtros, c.ordem);
        EXPECT_EQ(consulta.sql, c.sql);
        ASSERT_EQ(consulta.valores.size(), c.valores.size());
        for (std::size_t i = 0; i < c.valores.size(); ++i)
            EXPECT_TRUE(consulta.valores[i].value() == c.valores[i].value());
    }
}

TEST(Atribui, CoversEveryCaptionOfTheLists) {
    for (const QString& legenda : Listagens::LegendasCampos())
        EXPECT_NE(Listagens::ProcuraCampo(legenda), nullptr) << legenda.toStdString();
    EXPECT_EQ(Listagens::ProcuraCampo(QStringLiteral("CEP"))->tamanho, 9);
    EXPECT_STREQ(Listagens::ProcuraCampo(QStringLiteral("Apelido"))->coluna, "apelido");
}

class ListagensTest : public RegistryWindowFixture {
  protected:
    void SetUp() override {
        RegistryWindowFixture::SetUp();
        utilities::RegistraRelatorios();
    }
    void Empresa(qint64 codigo, const QString& nome,
                 const std::function<void(testsupport::DadosEmpresa&)>& mais = {}) {
        testsupport::DadosEmpresa e;
        e.codigo = codigo;
        e.nome = nome;
        if (mais) mais(e);
        testsupport::InsereEmpresa(db, e);
    }
    QStringList Nomes(const std::vector<CondicaoFiltro>& filtros, const QString& ordem) {
        auto rs =
            Listagens::AbreListagem(db, Listagens::MontaConsulta(QStringLiteral("Empresas"), filtros, ordem));
        QStringList r;
        for (; !rs.Eof(); rs.MoveNext()) r << rs.Fields(QStringLiteral("nome")).toString();
        return r;
    }
    // Three companies: every field filled with long texts, most fields empty, accents.
    void TresEmpresas() {
        Empresa(
            7, QStringLiteral("Padaria e Confeitaria D'Ávila Comércio de Pães e Doces Ltda"), [](auto& e) {
                e.endereco = QStringLiteral("Avenida Presidente Juscelino Kubitschek");
                e.numero = QStringLiteral("123456");
                e.complemento = QStringLiteral("Sala 1201 Bloco B Torre");
                e.bairro = QStringLiteral("Jardim Paulistano Sul");
                e.cidade = QStringLiteral("São José dos Campos");
                e.uf = QStringLiteral("SP");
                e.cep = QStringLiteral("12345-678");
                e.cgc = QStringLiteral("11.222.333/0001-81");
                e.inscr_estadual = QStringLiteral("123.456.789.012");
                e.ccm = QStringLiteral("12.345.678-90");
                e.contato1 = QStringLiteral("João Carlos da Silva Sauro Pereira");
                e.ddd = QStringLiteral("012");
                e.fone1 = QStringLiteral("33335555");
                e.fone2 = QStringLiteral("33336666");
                e.fax = QStringLiteral("33334444");
                e.email = QStringLiteral("contabilidade.padaria@davila.com.br");
                e.homepage = QStringLiteral("www.padariadavila.com.br/loja");
                e.observacao = QStringLiteral(
                    "Cliente desde a fundação. Entrega os documentos sempre no dia cinco de cada mês, pelo "
                    "portador, com as notas de entrada separadas das de saída e os cupons fiscais em "
                    "envelope "
                    "próprio; o livro de inventário fica no escritório. Ligar antes de qualquer "
                    "visita.\nFim.");
            });
        // Control characters pasted into a name or a remark print as blanks.
        Empresa(12, QStringLiteral("Bar do\tZé"), [](auto& e) {
            e.complemento = QStringLiteral("Fundos\r\nLoja\x1b 2");
            e.observacao = QStringLiteral("Paga\tem dia\r\nsempre");
        });
        // Masked fields never typed are kept as their empty masks, and print as nothing.
        Empresa(3, QStringLiteral("Óptica Ângela & Irmãs"), [](auto& e) {
            e.uf = QStringLiteral("MG");
            e.ccm = QStringLiteral("__.___.___-__");
            e.cgc = QStringLiteral("__.___.___/____-__");
            e.cep = QStringLiteral("_____-___");
        });
        Empresas::GravaPeriodo(db, 7, QDate(2008, 5, 1));
        db.Execute(QStringLiteral("UPDATE Empresas SET apelido = 'Padaria' WHERE codigo = 7"));
    }
    platform::report::Document Imprime(int modelo, const QString& titulo) {
        auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM Empresas ORDER BY codigo"));
        EXPECT_TRUE(utilities::ImprimeListagem(rs, modelo, titulo));
        const auto previas = Previas();
        return previas.empty() ? platform::report::Document() : previas.back();
    }
};

TEST_F(ListagensTest, TextRangesCompareAsTheDatabaseAndNamesSortInPortuguese) {
    qint64 codigo = 0;
    for (const char* n : {"maria", "M", "abc Ltda", "Ábaco", "Zebra", "Mário", "Beta D'Ávila"})
        Empresa(++codigo, QString::fromUtf8(n));
    EXPECT_EQ(Nomes({texto("nome", "A", "M")}, QStringLiteral("Nome")),
              (QStringList{"Ábaco", "abc Ltda", "Beta D'Ávila", "M"}));
    EXPECT_EQ(Nomes({texto("nome", "Beta D'Ávila", "Beta D'Ávila")}, QString()), QStringList{"Beta D'Ávila"});
    EXPECT_EQ(Nomes({}, QStringLiteral("Nome")).first(), QStringLiteral("Ábaco"));
    EXPECT_EQ(Nomes({}, QStringLiteral("Nome")).last(), QStringLiteral("Zebra"));
}

TEST_F(ListagensTest, GoldenPagesOfTheFourModels) {
    TresEmpresas();
    for (int modelo = 1; modelo <= 4; ++modelo) {
        SCOPED_TRACE(modelo);
        const auto doc = Imprime(modelo, QStringLiteral("Listagem do modelo %1").arg(modelo));
        expectGolden(QStringLiteral("lrMod0%1").arg(modelo), doc);
    }
    EXPECT_EQ(CaptionPrevia(), QStringLiteral("Listagens Resumidas"));
}

TEST_F(ListagensTest, LongListingsRepeatTheirHeadingsOnEveryPage) {
    for (int n = 1; n <= 150; ++n)
        Empresa(n, QStringLiteral("Empresa número %1 Comércio Ltda").arg(n),
                [n](auto& e) { e.cgc = QStringLiteral("11.222.333/%1-81").arg(n, 4, 10, QLatin1Char('0')); });
    const auto doc = Imprime(1, QStringLiteral("Todas as empresas"));
    expectGolden(QStringLiteral("lrMod01-150"), doc);
    ASSERT_GT(doc.pages.size(), 2u);
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        EXPECT_EQ(doc.pages[p].find(QStringLiteral("Todas as empresas")).size(), 1u);
        EXPECT_EQ(doc.pages[p].find(QStringLiteral("Página %1").arg(p + 1)).size(), 1u);
        EXPECT_EQ(doc.pages[p].find(QStringLiteral("Inscr. Estadual")).size(), 1u);
    }
}

class frmRelatArqTest : public ListagensTest {
  protected:
    frmRelatArq* Abre() {
        w = platform::ui::ShowForm<frmRelatArq>();
        settle();
        return w;
    }
    void EscolheModelo(int linha) {
        w->tdlModelo->setBookmark(linha);
        w->tdlModelo_RowColChange();
        settle();
    }
    void Campo(int r, const QString& legenda) {
        w->cmbCampo[std::size_t(r)]->setCurrentText(legenda);
        settle();
    }
    void Imprime() {
        click(w, QStringLiteral("cmdImprimir"));
        settle();
    }
    frmRelatArq* w = nullptr;
};

TEST_F(frmRelatArqTest, TheBoundsAreCheckedBeforeTheModelAndAnEmptyResultKeepsTheModelList) {
    Abre();
    // No model: the lists are empty, so no bound is missing yet.
    script->expect(QStringLiteral("Você Tem de Escolher um Modelo de Listagem !"),
                   QStringLiteral("Atenção..."), platform::ui::Msg::OK);
    Imprime();
    EscolheModelo(0);
    Campo(0, QStringLiteral("Nome"));
    typeInto(w, QStringLiteral("txtDe0"), QStringLiteral("A"));
    script->expect(
        QStringLiteral(
            "Você indicou Campos de Filtros e não preencheu os intervalos De... Até...; verifique !"),
        QStringLiteral("Atenção..."), platform::ui::Msg::OK);
    Imprime();
    typeInto(w, QStringLiteral("txtAt0"), QStringLiteral("C"));
    script->expect(QStringLiteral("Não há registros na condição especificada !"), QStringLiteral("Erro"),
                   platform::ui::Msg::OK);
    Imprime();
    EXPECT_EQ(focused(), w->tdlModelo->view());
    EXPECT_TRUE(Previas().empty());
    EXPECT_TRUE(script->allAnswered());
}

TEST_F(frmRelatArqTest, AModelResetsTitleOrderAndRowsAndARowShowsThePairOfItsKind) {
    Abre();
    EscolheModelo(2);
    EXPECT_EQ(w->txtTitu->text(), QStringLiteral("Empresas: Listagem de Endereços"));
    EXPECT_EQ(w->cmbOrdem->currentText(), QStringLiteral("Código"));
    Campo(0, QStringLiteral("Código"));
    EXPECT_TRUE(w->tdnDe[0]->isVisibleTo(w) && w->tdnAt[0]->isVisibleTo(w));
    EXPECT_FALSE(w->txtDe[0]->isVisibleTo(w));
    Campo(1, QStringLiteral("CEP"));
    EXPECT_TRUE(w->txtDe[1]->isVisibleTo(w));
    EXPECT_EQ(w->txtDe[1]->maxLength(), 9);
    EXPECT_FALSE(w->tdnDe[1]->isVisibleTo(w));
    click(w, QStringLiteral("cmdLimpaFiltros"));
    settle();
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(w->cmbCampo[std::size_t(r)]->currentText(), QString());
        EXPECT_FALSE(w->txtDe[std::size_t(r)]->isVisibleTo(w) || w->tdnDe[std::size_t(r)]->isVisibleTo(w));
    }
    Campo(2, QStringLiteral("Nome"));
    w->txtTitu->setText(QStringLiteral("Outro"));
    w->cmbOrdem->setCurrentIndex(0);
    EscolheModelo(1);
    EXPECT_EQ(w->txtTitu->text(),
              QStringLiteral("Empresas - Posição da Digitação e Observações do Cadastro"));
    EXPECT_EQ(w->cmbOrdem->currentText(), QStringLiteral("Código"));
    EXPECT_EQ(w->cmbCampo[2]->currentText(), QString());
    EXPECT_FALSE(w->txtDe[2]->isVisibleTo(w));
}

TEST_F(frmRelatArqTest, APrintLandsOnePreviewWithTheTitleTyped) {
    TresEmpresas();
    Abre();
    EscolheModelo(0);
    w->txtTitu->setText(QStringLiteral("Clientes de A a C"));
    Campo(0, QStringLiteral("Nome"));
    typeInto(w, QStringLiteral("txtDe0"), QStringLiteral("a"));
    typeInto(w, QStringLiteral("txtAt0"), QStringLiteral("c"));
    Imprime();
    const auto previas = Previas();
    ASSERT_EQ(previas.size(), 1u);
    const auto& pagina = previas[0].pages.at(0);
    EXPECT_EQ(pagina.find(QStringLiteral("Clientes de A a C")).size(), 1u);
    EXPECT_EQ(pagina.find(QStringLiteral("Bar do Zé")).size(), 1u);
    EXPECT_TRUE(pagina.find(QStringLiteral("Óptica Ângela & Irmãs")).empty());
    EXPECT_EQ(w->Resultado().RecordCount(), 1);

    // Number bounds reach the query as whole numbers.
    click(w, QStringLiteral("cmdLimpaFiltros"));
    Campo(1, QStringLiteral("Código"));
    w->tdnDe[1]->setText(QStringLiteral("3"));
    w->tdnAt[1]->setText(QStringLiteral("7"));
    Imprime();
    EXPECT_EQ(w->Resultado().RecordCount(), 2);
    ASSERT_EQ(Previas().size(), 2u);

    // A number bound left out is told, not taken as 0.
    click(w, QStringLiteral("cmdLimpaFiltros"));
    Campo(1, QStringLiteral("Código"));
    w->tdnDe[1]->setText(QStringLiteral("3"));
    script->expect(
        QStringLiteral(
            "Você indicou Campos de Filtros e não preencheu os intervalos De... Até...; verifique !"),
        platform::ui::Msg::OK);
    Imprime();
    EXPECT_EQ(Previas().size(), 2u);
    // So is a bound typed and then erased.
    for (const char* apagado : {"tdnDe1", "tdnAt1"}) {
        typeInto(w, QStringLiteral("tdnDe1"), QStringLiteral("3"));
        typeInto(w, QStringLiteral("tdnAt1"), QStringLiteral("7"));
        clickInto(control(w, QString::fromLatin1(apagado)));
        pressKey(Qt::Key_End);
        pressKey(Qt::Key_Backspace);
        script->expect(
            QStringLiteral(
                "Você indicou Campos de Filtros e não preencheu os intervalos De... Até...; verifique !"),
            platform::ui::Msg::OK);
        Imprime();
        EXPECT_EQ(Previas().size(), 2u) << apagado;
    }
    click(w, QStringLiteral("cmdSair"));
    settle();
    EXPECT_EQ(platform::ui::FindForm<frmRelatArq>(), nullptr);
}

TEST_F(frmRelatArqTest, TheModelListSortsNumbersAsNumbersAndADoubleClickGoesToTheTitle) {
    Abre();
    w->tdlModelo_HeadClick(2);
    QStringList ordem;
    for (int r = 0; r < 4; ++r) {
        w->tdlModelo->setBookmark(r);
        ordem << w->tdlModelo->Columns(0).toString();
    }
    EXPECT_EQ(ordem, (QStringList{"2", "1", "3", "4"}));
    w->tdlModelo_HeadClick(0);
    w->tdlModelo->setBookmark(3);
    EXPECT_EQ(w->tdlModelo->Columns(0).toString(), QStringLiteral("4"));
    w->tdlModelo_DblClick();
    settle();
    EXPECT_EQ(w->Modelo(), 4);
    EXPECT_EQ(focused(), w->txtTitu);
}

}  // namespace
