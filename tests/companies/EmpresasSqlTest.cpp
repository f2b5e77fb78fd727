#include <gtest/gtest.h>

#include "companies/CodigosEmpresa.h"
#include "companies/RegrasEmpresa.h"
#include "companies/empresas_sql.h"
#include "platform/db/Error.h"
#include "shell/EstadoGeral.h"
#include "support/EmpresaGravada.h"
#include "support/TempProgramFolder.h"

using namespace Empresas;
using namespace testsupport;
using platform::db::Connection;
using platform::db::Recordset;
using platform::values::Currency;
using testsupport::TempProgramFolder;

namespace {

DadosEmpresa completa(qint64 codigo) {
    DadosEmpresa e;
    e.codigo = codigo;
    e.nome = QStringLiteral("Padaria D'Ávila \"Central\" Ltda");
    e.endereco = QStringLiteral("cidade");  // a text equal to a column name is just a text
    e.numero = QStringLiteral("12-A");
    e.complemento = QStringLiteral("Sala 3");
    e.bairro = QStringLiteral("Centro");
    e.cidade = QStringLiteral("Dias d'Ávila");
    e.uf = QStringLiteral("BA");
    e.cep = QStringLiteral("42850-000");
    e.cMun = QStringLiteral("2910057");
    e.xPais = QStringLiteral("Brasil");
    e.cPais = QStringLiteral("1058");
    e.cgc = QStringLiteral("11.222.333/0001-81");
    e.inscr_estadual = QStringLiteral("123'456");
    e.cei = QStringLiteral("12.345.67890-12");
    e.ccm = QStringLiteral("__.___.___-__");
    e.data_cadastro = QDate(2004, 3, 15);
    e.cnae = QStringLiteral("12345-67");
    e.situ = QStringLiteral("A");
    e.atividade = QStringLiteral("Pães");
    e.contato1 = QStringLiteral("João");
    e.contato2 = QStringLiteral("Maria");
    e.ddd = QStringLiteral("071");
    e.fax = QStringLiteral("33334444");
    e.fone1 = QStringLiteral("33335555");
    e.fone2 = QStringLiteral("33336666");
    e.email = QStringLiteral("a@b.com.br");
    e.homepage = QStringLiteral("www.b.com.br");
    e.perc_ipi = Currency::fromRaw(15000);        // 1,5
    e.perc_convenio = Currency::fromRaw(2500);    // 0,25
    e.irpj_vendas = Currency::fromRaw(80000);     // 8
    e.irpj_servicos = Currency::fromRaw(320000);  // 32
    e.tipo_empresa = QStringLiteral("Sociedade Civil");
    e.fundacao = QDate();
    e.tpescri = QStringLiteral("C");
    e.tpipi = QStringLiteral(" ");
    e.tpiss = QString();
    e.icms = QStringLiteral("R");
    e.gricms = QStringLiteral("2");
    e.sp = QStringLiteral("B");
    e.observacao = QStringLiteral("linha 1\nlinha 2");
    return e;
}

class EmpresasSql : public ::testing::Test {
  protected:
    void SetUp() override { db.Open(folder.registryConnection()); }

    qint64 codautoDe(qint64 codigo) { return LeEmpresa(db, codigo).Fields("codauto").toLongLong(); }
    qint64 conta(const QString& sql) { return db.OpenRecordset(sql).Fields(0).toLongLong(); }

    TempProgramFolder folder;
    Connection db;
};

TEST_F(EmpresasSql, InsertStoresEveryFieldAsTyped) {
    InsereEmpresa(db, completa(7));
    Recordset rs = LeEmpresa(db, 7);
    ASSERT_FALSE(rs.Eof());
    const DadosEmpresa e = completa(7);
    EXPECT_EQ(rs.Fields("codigo").toLongLong(), 7);
    EXPECT_EQ(rs.Fields("nome").toString(), e.nome);
    EXPECT_EQ(rs.Fields("endereco").toString(), "cidade");
    EXPECT_EQ(rs.Fields("cidade").toString(), e.cidade);
    EXPECT_EQ(rs.Fields("inscr_estadual").toString(), e.inscr_estadual);
    EXPECT_EQ(rs.Fields("ccm").toString(), "__.___.___-__");
    EXPECT_EQ(rs.Fields("data_cadastro").toDate(), QDate(2004, 3, 15));
    EXPECT_TRUE(rs.Fields("fundacao").isNull());
    EXPECT_EQ(rs.Fields("perc_ipi").toCurrency(), Currency::fromRaw(15000));
    EXPECT_EQ(rs.Fields("perc_convenio").toCurrency(), Currency::fromRaw(2500));
    EXPECT_EQ(rs.Fields("irpj_servicos").toCurrency(), Currency::fromRaw(320000));
    EXPECT_EQ(rs.Fields("tpipi").toString(), " ");
    EXPECT_FALSE(rs.Fields("tpiss").isNull());
    EXPECT_EQ(rs.Fields("tpiss").toString(), "");
    EXPECT_EQ(rs.Fields("sp").toString(), "B");
    EXPECT_TRUE(rs.Fields("mes_base_fiscal").isNull());
    EXPECT_TRUE(rs.Fields("apelido").isNull());
    EXPECT_EQ(rs.Fields("observacao").toString(), e.observacao);
    EXPECT_EQ(rs.Fields("cMun").toString(), "2910057");
    EXPECT_EQ(rs.Fields("xPais").toString(), "Brasil");
    EXPECT_EQ(rs.Fields("cPais").toString(), "1058");
}

class Dependentes : public EmpresasSql {
  protected:
    void SetUp() override {
        EmpresasSql::SetUp();
        // Number 50 gets automatic number 1, number 1 gets 2: the two keys differ on purpose.
        InsereEmpresa(db, completa(50));
        InsereEmpresa(db, completa(1));
        for (qint64 codigo : {50, 1}) {
            const qint64 codauto = codautoDe(codigo);
            db.Execute(
                QStringLiteral("INSERT INTO Enquadramento (codempr, denquadra, codtipo) VALUES (?, ?, 1)"),
                {codigo, QDate(2003, 2, 1)});
            db.Execute(
                QStringLiteral("INSERT INTO Enquadramento (codempr, denquadra, codtipo) VALUES (?, ?, 3)"),
                {codigo, QDate(2005, 1, 1)});
            db.Execute(QStringLiteral("INSERT INTO Socios (codempr, nome) VALUES (?, 'Sócio')"), {codauto});
            db.Execute(QStringLiteral("INSERT INTO Terceiros (codempr, nome) VALUES (?, 'Terceiro')"),
                       {codauto});
            db.Execute(QStringLiteral("INSERT INTO Contrato (codempr, Dregistro, capital) VALUES (?, ?, ?)"),
                       {codauto, QDate(2001, 5, 1), Currency::fromUnits(1000)});
            db.Execute(QStringLiteral("INSERT INTO Contrato (codempr, Dregistro, capital) VALUES (?, ?, ?)"),
                       {codauto, QDate(2006, 5, 1), Currency::fromRaw(12000005000)});
        }
        db.Execute(
            QStringLiteral("INSERT INTO ClasseSoc (codsoc, dinicio, classe) SELECT codauto, NULL, 1 FROM "
                           "Socios"));
    }
    qint64 restantes() {
        return conta(
            "SELECT (SELECT Count(*) FROM Enquadramento) + (SELECT Count(*) FROM Socios) + "
            "(SELECT Count(*) FROM Terceiros) + (SELECT Count(*) FROM Contrato) + "
            "(SELECT Count(*) FROM Empresas)");
    }
};

TEST_F(Dependentes, NewestRegimeByNumberAndLatestCapitalByAutomaticNumber) {
    Recordset enq = LeEnquadramentos(db, 50);
    ASSERT_EQ(enq.RecordCount(), 2);
    EXPECT_EQ(enq.Fields("Denquadra").toDate(), QDate(2005, 1, 1));
    EXPECT_EQ(enq.Fields("descricao").toString(), "Microempresa");
    Recordset cap = LeCapitais(db, codautoDe(50));
    ASSERT_EQ(cap.RecordCount(), 2);
    EXPECT_EQ(cap.Fields("capital").toCurrency(), Currency::fromRaw(12000005000));
    EXPECT_TRUE(LeEnquadramentos(db, 99).Eof());
}

TEST_F(Dependentes, DeleteRemovesTheCompanyWithItsRowsAndNothingElse) {
    const qint64 codauto = codautoDe(50);
    ExcluiEmpresa(db, 50, codauto);
    EXPECT_TRUE(LeEmpresa(db, 50).Eof());
    EXPECT_EQ(conta("SELECT Count(*) FROM Enquadramento WHERE codempr = 50"), 0);
    EXPECT_EQ(conta("SELECT Count(*) FROM Socios WHERE codempr = " + QString::number(codauto)), 0);
    EXPECT_EQ(conta("SELECT Count(*) FROM Terceiros WHERE codempr = " + QString::number(codauto)), 0);
    EXPECT_EQ(conta("SELECT Count(*) FROM Contrato WHERE codempr = " + QString::number(codauto)), 0);
    // The other company keeps all of its rows, and the class rows of the deleted partners stay.
    EXPECT_EQ(restantes(), 2 + 1 + 1 + 2 + 1);
    EXPECT_EQ(conta("SELECT Count(*) FROM ClasseSoc"), 2);
}

TEST_F(Dependentes, DeleteThatFailsHalfWayDeletesNothing) {
    db.Execute(
        QStringLiteral("CREATE TRIGGER falha BEFORE DELETE ON Empresas BEGIN SELECT RAISE(ABORT, "
                       "'bloqueado'); END"));
    const qint64 antes = restantes();
    EXPECT_THROW(ExcluiEmpresa(db, 50, codautoDe(50)), platform::db::Error);
    EXPECT_EQ(restantes(), antes);
    EXPECT_EQ(db.TransactionDepth(), 0);
}

TEST_F(Dependentes, AutomaticNumbersAreNeverReused) {
    const qint64 ultimo = codautoDe(1);
    ExcluiEmpresa(db, 1, ultimo);
    InsereEmpresa(db, completa(2));
    EXPECT_GT(codautoDe(2), ultimo);
    EXPECT_TRUE(LeCapitais(db, codautoDe(2)).Eof());
}

class Pesquisa : public EmpresasSql {
  protected:
    void SetUp() override {
        EmpresasSql::SetUp();
        const std::pair<qint64, const char*> linhas[] = {{1, "Alfa"},   {2, "B"},      {3, "BANCO"},
                                                         {4, "banana"}, {5, "Árvore"}, {6, "Zeta"}};
        for (auto [codigo, nome] : linhas) {
            DadosEmpresa e = completa(codigo);
            e.nome = QString::fromUtf8(nome);
            e.uf = codigo % 2 ? QStringLiteral("SP") : QStringLiteral("RJ");
            InsereEmpresa(db, e);
        }
    }
    std::vector<qint64> codigos(const FiltroEmpresas& f) {
        std::vector<qint64> r;
        for (Recordset rs = ListaEmpresas(db, "Empresas", f); !rs.Eof(); rs.MoveNext())
            r.push_back(rs.Fields("codigo").toLongLong());
        return r;
    }
};

TEST_F(Pesquisa, FilterBuildsOneConditionPerChosenRow) {
    const FiltroEmpresas f = MontaFiltro("Empresas", {{"nome", "S", "A", "B"}, {"uf", "S", "SP", "SP"}});
    EXPECT_EQ(f.clausula,
              " WHERE Empresas.nome >= ? AND Empresas.nome <= ? AND Empresas.uf >= ? AND Empresas.uf <= ?");
    EXPECT_EQ(f.valores.size(), 4u);
    EXPECT_TRUE(MontaFiltro("Empresas", {}).clausula.isEmpty());
    EXPECT_THROW(MontaFiltro("Empresas;DROP", {{"nome", "S", "A", "B"}}), platform::values::RuntimeError);
}

TEST_F(Pesquisa, RangesCompareWholeTextsIgnoringCaseAndNumbersAsNumbers) {
    // "B" is in the range, "BANCO" and "banana" are beyond "B"; "Árvore" sorts among the A's.
    EXPECT_EQ(codigos(MontaFiltro("Empresas", {{"nome", "S", "a", "b"}})), (std::vector<qint64>{1, 2, 5}));
    EXPECT_EQ(codigos(MontaFiltro("Empresas", {{"nome", "S", "A", "B"}, {"uf", "S", "sp", "sp"}})),
              (std::vector<qint64>{1, 5}));
    CondicaoFiltro numero{"codigo", "N", {}, {}, 2, 4};
    EXPECT_EQ(codigos(MontaFiltro("Empresas", {numero})), (std::vector<qint64>{2, 3, 4}));
    EXPECT_EQ(ContaEmpresas(db, "Empresas", MontaFiltro("Empresas", {numero})), 3);
    EXPECT_EQ(ContaEmpresas(db, "Empresas", MontaFiltro("Empresas", {{"nome", "S", "X", "Y"}})), 0);
    EXPECT_EQ(ContaEmpresas(db, "Empresas", {}), 6);
}

TEST(CodigosEmpresa, CaptionsAndCodesBothWays) {
    EXPECT_EQ(CodigoDe(Lista::Situacao, IndiceDe(Lista::Situacao, "A")), "A");
    EXPECT_EQ(Entradas(Lista::Situacao)[std::size_t(IndiceDe(Lista::Situacao, "2"))].legenda, "2");
    EXPECT_EQ(IndiceDe(Lista::Situacao, "Z"), -1);
    EXPECT_EQ(IndiceDe(Lista::Situacao, "a"), -1);  // codes compare with their letter case
    EXPECT_EQ(CodigoDe(Lista::Situacao, -1), "");
    EXPECT_EQ(Entradas(Lista::TpIss)[std::size_t(IndiceDe(Lista::TpIss, "51"))].legenda, "Mod.51");
    for (const char* outro : {" ", "", "99"}) EXPECT_EQ(IndiceDe(Lista::TpIss, outro), 0);
    EXPECT_EQ(CodigoDe(Lista::TpIss, 0), "");
    EXPECT_EQ(IndiceDe(Lista::TpEscri, "X"), 0);
    EXPECT_EQ(CodigoDe(Lista::TpEscri, 0), " ");
    EXPECT_EQ(CodigoDe(Lista::GrIcms, IndiceDe(Lista::GrIcms, "2")), "2");
    EXPECT_EQ(Entradas(Lista::GrIcms)[2].legenda, "2 Mêses Após");
    EXPECT_EQ(CodigoDe(Lista::TipoEmpresa, IndiceDe(Lista::TipoEmpresa, "Autônomo")), "Autônomo");
    EXPECT_EQ(IndiceDe(Lista::TipoEmpresa, "Outra"), -1);
    EXPECT_EQ(Entradas(Lista::TipoEmpresa).size(), 9u);
}

TEST(CodigosEmpresa, ActivityCodesOfFiveCharactersAreWidened) {
    EXPECT_EQ(CnaeParaTela("12345"), "12345-00");
    EXPECT_EQ(CnaeParaTela("_____"), "_____-__");
    EXPECT_EQ(CnaeParaTela("12345-67"), "12345-67");
    EXPECT_EQ(CnaeParaTela(""), "");
    EXPECT_EQ(MascaraVazia(MascaraCgc), "__.___.___/____-__");
}

class Regras : public EmpresasSql {
  protected:
    void SetUp() override {
        EmpresasSql::SetUp();
        Geral::ReiniciaEstadoGeral();
        InsereEmpresa(db, completa(7));
    }
    // The rows of the last check, all fatal.
    std::vector<QString> mensagens() {
        std::vector<QString> r;
        for (const shell::ErroRegra& e : erros) {
            EXPECT_EQ(e.severidade, u"Erro Fatal");
            r.push_back(e.mensagem);
        }
        return r;
    }
    bool Verifica(const CamposGravacao& campos) {
        erros = VerificaGravacao(db, campos, atual);
        return !erros.empty();
    }
    Recordset atual;
    std::vector<shell::ErroRegra> erros;
};

TEST_F(Regras, EveryBrokenRuleIsListedInOrder) {
    EXPECT_TRUE(Verifica({"8", true, "  ", "", " "}));
    EXPECT_EQ(mensagens(),
              (std::vector<QString>{"O campo Empresa é obrigatório !",
                                    "O campo UF é obrigatório porque será usado para determinar o tipo de "
                                    "operações fiscais da empresa !",
                                    "O campo situação é obrigatório !"}));
    // The rules leave the shared list to the save that runs them.
    EXPECT_EQ(Geral::ContaErros, 0);
}

TEST_F(Regras, TheKeyMustBeANumberNotInUseWhenNew) {
    EXPECT_TRUE(Verifica({"007", true, "X", "SP", "Ativo"}));
    EXPECT_EQ(mensagens(), std::vector<QString>{"Código Já Cadastrado, Troque o Número !"});
    EXPECT_FALSE(atual.Eof());
    EXPECT_FALSE(Verifica({"7", false, "X", "SP", "1"}));
    EXPECT_TRUE(erros.empty());
    EXPECT_TRUE(Verifica({"1,5", false, "X", "SP", "1"}));
    EXPECT_EQ(mensagens(), std::vector<QString>{"Todo registro deve ter um código numérico válido !"});
    EXPECT_EQ(ChaveNumerica(" 12 "), 12);
    EXPECT_FALSE(ChaveNumerica("1e3"));
    EXPECT_FALSE(ChaveNumerica("-1"));
}

}  // namespace
