#include <gtest/gtest.h>

#include "books/FormulasLivro.h"
#include "books/LinhasLivro.h"
#include "books/PreparaLivros.h"
#include "books/Relatorios.h"
#include "books/livros_sql.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/PrintRoutines.h"
#include "platform/report/Render.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "support/Golden.h"
#include "support/RegistryWindowFixture.h"

using namespace Livros;
using platform::db::Connection;
using platform::db::Param;
using platform::db::Params;
using platform::report::Document;

namespace {

Currency m(const char* texto) { return Currency::parse(QString::fromUtf8(texto)).value(); }

const char* const Livros8[] = {"JtEntrada.rpt", "MaEntrada.rpt", "LEntPar.rpt", "JtSaida.rpt",
                               "MaSaida.rpt",   "LSaiPar.rpt",   "JtApura.rpt", "MaApura.rpt"};

// A month of March 2011 of a company's entries and exits, prepared into the work tables as the
// books window prepares it, then printed through the print engine as its emission prints.
class LivrosImpressosTest : public testsupport::RegistryWindowFixture {
  protected:
    void SetUp() override {
        RegistryWindowFixture::SetUp();
        books::RegistraRelatorios();
        platform::report::PEOpenEngine();
        movimento.Open(pasta.movementConnection(QStringLiteral("MV110001.MDB")));
        RecriaMovTPara(db);
        PosIcms::CompletaMeses(movimento);
    }
    void TearDown() override {
        platform::report::PECloseEngine();
        RegistryWindowFixture::TearDown();
    }

    DocumentoIcms doc(int numero, int dia, const char* cfop, std::vector<ItemIcms> itens, const char* cgc,
                      const char* uf) {
        DocumentoIcms d;
        d.datalan = QDate(2011, 3, dia);
        d.demiss = QDate(2011, 3, dia > 1 ? dia - 1 : 1);
        d.especie = QStringLiteral("NF");
        d.serie = QStringLiteral("1");
        d.docinicial = QString::number(numero);
        d.cgc = QString::fromLatin1(cgc);
        d.uf = QString::fromLatin1(uf);
        d.codfiscal = QString::fromLatin1(cfop);
        for (std::size_t i = 0; i < itens.size(); ++i) {
            d.itens[i] = itens[i];
            d.vlrcontabil += itens[i].base + itens[i].isento + itens[i].outros;
        }
        return d;
    }

    void grava(const QString& tabela, const DocumentoIcms& d) {
        Params p{Param(d.datalan), Param(d.demiss), d.especie,    d.serie,
                 d.docinicial,     d.docfinal,      d.cgc,        d.uf,
                 d.codfiscal,      d.observ,        d.vlrcontabil};
        for (const ItemIcms& i : d.itens) p.insert(p.end(), {i.base, i.aliquota, i.icms, i.isento, i.outros});
        p.insert(p.end(), {d.baseipi, d.valripi, d.isenipi, d.outripi, d.fonteicms});
        movimento.Execute(
            QStringLiteral("INSERT INTO ") + tabela +
                QStringLiteral("(datalan,demiss,especie,serie,docinicial,docfinal,cgc,uf,codfiscal,"
                               "observ,vlrcontabil,baseicms0,aliqicms0,valricms0,isenicms0,outricms0,"
                               "baseicms1,aliqicms1,valricms1,isenicms1,outricms1,baseicms2,"
                               "aliqicms2,valricms2,isenicms2,outricms2,baseicms3,aliqicms3,"
                               "valricms3,isenicms3,outricms3,baseicms4,aliqicms4,valricms4,"
                               "isenicms4,outricms4,baseipi,valripi,isenipi,outripi,fonteicms) "
                               "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
                               "?,?,?,?,?,?,?,?,?,?)"),
            p);
    }

    // Two pages of entries and of exits: a document of three rows, IPI pieces, interstate documents,
    // several CFOP groups and a counterpart that is not registered.
    void mesDeMarco() {
        db.Execute(QStringLiteral("INSERT INTO ForGeral(cgc,nome,ie) VALUES(?,?,?),(?,?,?)"),
                   {"11.222.333/0001-81", "Distribuidora Paulista de Alimentos Ltda", "111.222.333.444",
                    "22.333.444/0001-90", "Metalúrgica Mineira S/A", "0620001234"});
        db.Execute(QStringLiteral("INSERT INTO CliGeral(cgc,nome,ie) VALUES(?,?,?),(?,?,?)"),
                   {"33.444.555/0001-06", "Comércio Central Ltda", "123.456.789.110", "44.555.666/0001-70",
                    "Atacado Carioca Ltda", "77.888.999"});
        DocumentoIcms tres = doc(901, 2, "1.102",
                                 {{m("1000"), m("18"), m("180"), m("50"), {}},
                                  {m("500"), m("12"), m("60"), {}, m("25")},
                                  {m("300"), m("7"), m("21"), {}, {}}},
                                 "11.222.333/0001-81", "SP");
        tres.baseipi = m("1800");
        tres.valripi = m("12345.67");
        tres.observ = QStringLiteral("Mercadoria para revenda");
        grava(QStringLiteral("DIGE03"), tres);
        grava(QStringLiteral("DIGE03"),
              doc(902, 3, "2.102", {{m("2500"), m("12"), m("300"), {}, {}}}, "22.333.444/0001-90", "MG"));
        grava(QStringLiteral("DIGE03"),
              doc(903, 4, "3.102", {{{}, {}, {}, {}, m("4321.09")}}, "99.888.777/0001-66", "EX"));
        for (int n = 0; n < 40; ++n)
            grava(QStringLiteral("DIGE03"), doc(1000 + n, 5 + n % 24, n % 3 ? "1.102" : "1.403",
                                                {{Currency::fromUnits(100 + 10 * n),
                                                  m("18"),
                                                  Currency::fromRaw((100 + 10 * n) * 1800LL),
                                                  {},
                                                  {}}},
                                                "11.222.333/0001-81", "SP"));

        DocumentoIcms ipi = doc(
            501, 2, "5.101", {{m("2000"), m("18"), m("360"), {}, {}}, {m("1000"), m("12"), m("120"), {}, {}}},
            "33.444.555/0001-06", "SP");
        ipi.docfinal = QStringLiteral("503");
        ipi.baseipi = m("3000");
        ipi.valripi = m("150.5");
        ipi.observ = QStringLiteral("Venda a prazo");
        grava(QStringLiteral("DIGS03"), ipi);
        grava(QStringLiteral("DIGS03"),
              doc(504, 3, "6.102", {{m("800"), m("12"), m("96"), {}, {}}}, "44.555.666/0001-70", "RJ"));
        grava(QStringLiteral("DIGS03"),
              doc(505, 4, "6.108", {{m("600"), m("17"), m("102"), {}, {}}}, "123.456.789-09", "BA"));
        grava(QStringLiteral("DIGS03"), doc(506, 5, "7.101", {{{}, {}, {}, m("9000"), {}}}, "", "EX"));
        for (int n = 0; n < 40; ++n)
            grava(QStringLiteral("DIGS03"), doc(600 + n, 6 + n % 22, "5.102",
                                                {{Currency::fromUnits(200 + 5 * n),
                                                  m("18"),
                                                  Currency::fromRaw((200 + 5 * n) * 1800LL),
                                                  {},
                                                  {}}},
                                                n % 7 ? "33.444.555/0001-06" : "55.666.777/0001-11", "SP"));

        PosIcms::InformacoesMes info;
        info.Fat = m("54321.5");
        info.FatAcu = m("150000");
        info.M1Ini = 12;
        info.M1Fim = 345;
        info.Obsent1 = QStringLiteral("Entradas conferidas com as notas do mês");
        info.Obssai2 = QStringLiteral("Saídas conferidas");
        PosIcms::GravaInformacoes(movimento, 3, info);
    }

    // The emission of `arquivo`: its preparation, then the print with the book's formulas.
    Document emite(const char* arquivo, int mes = 3, Currency saldoAnterior = {}) {
        const QString nome = QString::fromLatin1(arquivo);
        const QString mm = QStringLiteral("%1").arg(mes, 2, 10, QLatin1Char('0'));
        EstadoLivro estado;
        const bool parcial = nome.startsWith(u'L');
        if (parcial) {
            estado.LivroParcial = true;
            estado.DataInicial = QDate(2011, mes, 5);
            estado.DataFinal = QDate(2011, mes, 9);
        }
        Formulas f = FormulasComuns({QStringLiteral("Indústria \"Exemplo\" Ltda"),
                                     QStringLiteral("123.456.789.110"), QStringLiteral("12.345.678/0001-95"),
                                     QStringLiteral("014"), mm + QStringLiteral("/2011")});
        const PosIcms::InformacoesMes info = informacoes(mes);
        bool sem = false;
        if (nome.contains(QStringLiteral("Ent"))) {
            sem = PreparaEntradas(estado, movimento, QStringLiteral("DIGE") + mm, QDate(2011, mes, 1), db);
            for (auto& p : FormulasEntradas(info)) f.push_back(p);
        } else if (nome.contains(QStringLiteral("Sai"))) {
            const ResultadoSaidas r =
                PreparaSaidas(estado, movimento, QStringLiteral("DIGS") + mm, QDate(2011, mes, 1), db);
            sem = r.SemMovimento;
            for (auto& p : FormulasSaidas(info, r.HaMovUf, r.HaMovUfnc)) f.push_back(p);
        } else {
            DadosApuracao d;
            d.SemMovEntradas =
                PreparaEntradas(estado, movimento, QStringLiteral("DIGE") + mm, QDate(2011, mes, 1), db);
            const ResultadoSaidas r =
                PreparaSaidas(estado, movimento, QStringLiteral("DIGS") + mm, QDate(2011, mes, 1), db);
            sem = d.SemMovSaidas = r.SemMovimento;
            const ResultadoAliquotas a = ResumeAliquotas(db);
            d.ImpostoEntradas = a.ImpostoEntradas;
            d.ImpostoSaidas = a.ImpostoSaidas;
            d.SaldoCredorAnterior = saldoAnterior;
            d.outros = PosIcms::LeOutrosDoMes(movimento, mes);
            for (auto& p : FormulasApuracao(d)) f.push_back(p);
        }
        for (auto& p : FormulasFinais(sem, parcial, QStringLiteral("05"), QStringLiteral("09")))
            f.push_back(p);

        platform::report::EnginePrint print;
        print.reportPath = pasta.path() + nome;
        print.caption = QStringLiteral("Livro");
        print.formulas = [f](int job) {
            for (const auto& [nomeFormula, texto] : f)
                EXPECT_EQ(platform::report::PESetFormula(job, nomeFormula, texto), 1)
                    << nomeFormula.toStdString();
        };
        platform::report::frmRelatorio* previa = platform::report::PrintOnEngine(print);
        if (!previa || previa->previews().empty()) {
            ADD_FAILURE() << "no preview of " << arquivo;
            return {};
        }
        return previa->previews()[0]->document();
    }

    PosIcms::InformacoesMes informacoes(int mes) {
        platform::db::Recordset rs = PosIcms::LeInformacoes(movimento, mes);
        PosIcms::InformacoesMes i;
        i.Fat = rs.Fields("Fat").toCurrency();
        i.FatAcu = rs.Fields("FatAcu").toCurrency();
        i.M1Ini = rs.Fields("M1Ini").toLongLong();
        i.M1Fim = rs.Fields("M1Fim").toLongLong();
        i.D1Ini = rs.Fields("D1Ini").toLongLong();
        i.D1Fim = rs.Fields("D1Fim").toLongLong();
        i.Obsent1 = rs.Fields("Obsent1").toString();
        i.Obsent2 = rs.Fields("Obsent2").toString();
        i.Obssai1 = rs.Fields("Obssai1").toString();
        i.Obssai2 = rs.Fields("Obssai2").toString();
        return i;
    }

    Connection movimento;
};

}  // namespace

TEST_F(LivrosImpressosTest, EveryBookOfAMonthMatchesItsGoldenPages) {
    mesDeMarco();
    for (const char* arquivo : Livros8) {
        SCOPED_TRACE(arquivo);
        const Document d = emite(arquivo);
        if (QString::fromLatin1(arquivo).startsWith(u'J') &&
            !QString::fromLatin1(arquivo).contains("Apura")) {
            EXPECT_GE(d.pages.size(), 2u);
        }
        ASSERT_FALSE(d.pages.empty());
        EXPECT_TRUE(d.pages[0].textLines().value(0).endsWith(QStringLiteral("Folha: 15")));
        testsupport::expectGolden(QString::fromLatin1(arquivo).section(u'.', 0, 0), d);
    }
}

TEST_F(LivrosImpressosTest, TheEntriesBookSavedAsPdfReadsBackItsLines) {
    mesDeMarco();
    const Document d = emite("JtEntrada.rpt");
    const QString pdf = pasta.filePath(QStringLiteral("JtEntrada.pdf"));
    ASSERT_TRUE(platform::report::writePdf(d, pdf));
    EXPECT_EQ(testsupport::pdfPages(pdf), int(d.pages.size()));
    const QString texto = testsupport::pdfText(pdf).join(u'\n');
    for (const char* esperado : {"REGISTRO DE ENTRADAS", "Folha: 16", "Metalúrgica Mineira S/A",
                                 "NF M1 de 000012 a 000345", "Faturamento Acumulado: 150.000,00"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado;
}

TEST_F(LivrosImpressosTest, AnEmptyMonthPrintsOnePageSayingSo) {
    for (const char* arquivo : {"JtEntrada.rpt", "JtApura.rpt"}) {
        SCOPED_TRACE(arquivo);
        const Document d = emite(arquivo, 4, m("200"));
        ASSERT_EQ(d.pages.size(), 1u);
        testsupport::expectGolden(QStringLiteral("Vazio") + QString::fromLatin1(arquivo).section(u'.', 0, 0),
                                  d);
    }
}

TEST_F(LivrosImpressosTest, EveryFormulaABookIsPassedIsDeclaredByItsLayouts) {
    PosIcms::InformacoesMes info;
    DadosApuracao credor, devedor;
    credor.SaldoCredorAnterior = m("1");
    devedor.ImpostoSaidas = m("1");
    Formulas comuns = FormulasComuns({});
    for (auto& p : FormulasFinais(true, true, "1", "2")) comuns.push_back(p);
    const auto declara = [&](const char* arquivo, std::vector<Formulas> listas) {
        const auto layout = platform::report::layoutRegistry().create(QString::fromLatin1(arquivo));
        ASSERT_NE(layout, nullptr) << arquivo;
        listas.push_back(comuns);
        for (const Formulas& lista : listas)
            for (const auto& [nome, texto] : lista)
                if (nome != u"Peri" || QString::fromLatin1(arquivo).startsWith(u'L')) {
                    EXPECT_TRUE(layout->hasFormula(nome)) << arquivo << ' ' << nome.toStdString();
                }
    };
    for (const char* a : {"JtEntrada.rpt", "MaEntrada.rpt", "LEntPar.rpt"})
        declara(a, {FormulasEntradas(info)});
    for (const char* a : {"JtSaida.rpt", "MaSaida.rpt", "LSaiPar.rpt"})
        declara(a, {FormulasSaidas(info, true, true)});
    for (const char* a : {"JtApura.rpt", "MaApura.rpt"})
        declara(a, {FormulasApuracao(credor), FormulasApuracao(devedor)});
}

// Every book layout gives its columns' widest values room: the largest amounts, the longest
// registrations and CFOPs, the column titles, the labels.
TEST_F(LivrosImpressosTest, EveryBookLayoutHoldsItsWidestValuesWhole) {
    const QStringList nomes = platform::report::layoutRegistry().names();
    ASSERT_GE(nomes.size(), 12);
    for (const QString& nome : nomes) {
        const auto layout = platform::report::layoutRegistry().create(nome);
        ASSERT_NE(layout, nullptr);
        const QStringList cortados = platform::report::cutTexts(*layout);
        EXPECT_TRUE(cortados.isEmpty()) << nome.toStdString() << '\n' << cortados.join(u'\n').toStdString();
    }
}
