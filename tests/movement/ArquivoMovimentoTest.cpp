#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "MovimentoFixture.h"
#include "companies/empresas_sql.h"
#include "movement/ArquivoMovimento.h"
#include "movement/movimento_sql.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "shell/EstadoGeral.h"

using namespace movimento;
using namespace movtest;
using platform::db::Connection;
using platform::ui::Msg::OK;

namespace {

QString ConexaoEsperada(const QString& caminho) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=false; Data Source=" + caminho +
           ";Jet OLEDB:Database Password=;";
}

TEST(MovimentoNomesTest, FileTablesAndCfopOfAPeriod) {
    struct Caso {
        qint64 empresa;
        int ano, mes;
        const char *arquivo, *entradas, *saidas, *iss, *mascara, *vazio, *tabelaCfop;
    };
    const Caso casos[] = {
        {12, 2003, 3, "MV030012.MDB", "DIGE03", "DIGS03", "DIGISS03", "#.###", "_.___", "CodFiscal2003"},
        {12, 2002, 12, "MV020012.MDB", "DIGE12", "DIGS12", "DIGISS12", "#.##.#", "_.__._", "CodFiscal"},
        {1, 2008, 1, "MV080001.MDB", "DIGE01", "DIGS01", "DIGISS01", "#.###", "_.___", "CodFiscal2003"},
        {9999, 2099, 10, "MV999999.MDB", "DIGE10", "DIGS10", "DIGISS10", "#.###", "_.___", "CodFiscal2003"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.arquivo);
        EXPECT_EQ(NomeArquivo(c.empresa, c.ano), c.arquivo);
        EXPECT_EQ(TabelaMes(Entradas, c.mes), c.entradas);
        EXPECT_EQ(TabelaMes(Saidas, c.mes), c.saidas);
        EXPECT_EQ(TabelaMes(Iss, c.mes), c.iss);
        const auto& cfop = registers::cfop::DefinicaoDe(TabelaCfop(c.ano));
        EXPECT_EQ(cfop.mascara, c.mascara);
        EXPECT_EQ(cfop.vazio, c.vazio);
        EXPECT_EQ(cfop.tabela, c.tabelaCfop);
    }
    EXPECT_EQ(TabelaMes(QStringLiteral("digiss"), 7), "DIGISS07");
    const std::pair<const char*, int> invalidas[] = {
        {"DIGX", 1}, {"DIGE", 0}, {"DIGE", 13}, {"DIGE03", 1}, {"", 1}};
    for (auto [familia, mes] : invalidas)
        EXPECT_THROW(TabelaMes(QString::fromUtf8(familia), mes), platform::values::RuntimeError) << familia;
    EXPECT_THROW(NomeArquivo(10000, 2003), platform::values::RuntimeError);
}

class AbreMovimentoTest : public MovimentoTest {};

// The first period of a year makes the file without a word; the same or another month of that year
// opens it again with its rows, another year opens another file.
TEST_F(AbreMovimentoTest, MakesTheFileOnceAndReopensItUntouched) {
    Connection banco;
    auto a = AbreMovimento(banco, 12, 2003);
    ASSERT_TRUE(a.aberta()) << a.falha.toStdString();
    EXPECT_EQ(a.arquivo, "MV030012.MDB");
    EXPECT_EQ(a.conexao, ConexaoEsperada(tarvel("MV030012.MDB")));
    EXPECT_EQ(Geral::ConexaoMovimento, a.conexao);
    InsereIcms(banco, TabelaMes(Entradas, 3), QDate(2003, 3, 10));

    a = AbreMovimento(banco, 12, 2003);
    ASSERT_TRUE(a.aberta());
    EXPECT_EQ(banco.OpenRecordset("SELECT COUNT(*) FROM DIGE03").Fields(0).toInt(), 1);
    ASSERT_TRUE(AbreMovimento(banco, 12, 2002).aberta());
    EXPECT_EQ(arquivosTarvel(), (QStringList{"MV020012.MDB", "MV030012.MDB"}));
    EXPECT_TRUE(script->shown().empty());
}

// A folder brought from another system may spell the name in small letters: that file is the one.
TEST_F(AbreMovimentoTest, FindsTheFileInAnyLetterCaseWithoutMakingASecond) {
    pasta.copyTemplate("Movimento.mdb", "Tarvel/mv030012.mdb");
    Connection banco;
    const auto a = AbreMovimento(banco, 12, 2003);
    ASSERT_TRUE(a.aberta());
    EXPECT_EQ(a.conexao, ConexaoEsperada(tarvel("mv030012.mdb")));
    EXPECT_EQ(arquivosTarvel(), QStringList{"mv030012.mdb"});
}

// An office may keep its template read-only: the database made from it must still take documents.
TEST_F(AbreMovimentoTest, AReadOnlyTemplateGivesAWritableDatabase) {
    ASSERT_TRUE(QFile::setPermissions(pasta.filePath("Movimento.mdb"), QFile::ReadOwner | QFile::ReadGroup));
    Connection banco;
    ASSERT_TRUE(AbreMovimento(banco, 1, 2008).aberta());
    EXPECT_TRUE(QFile::permissions(tarvel("MV080001.MDB")) & QFile::WriteOwner);
    EXPECT_EQ(InsereIcms(banco, "DIGS05", QDate(2008, 5, 2)), 1);
}

// What stands where the file or its folder should be is told once, in the user's words, with the
// file's name: nothing is left open or behind and ConexaoMovimento is kept. A file of an older layout
// is told when it is opened, with the rebuild to run.
TEST_F(AbreMovimentoTest, AFailedOpeningIsToldAndLeavesNothing) {
    const auto arquivo = [this](const QByteArray& conteudo) {
        QFile f(tarvel("MV030012.MDB"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
    };
    const auto semColuna = [this](const char* tabela, const char* coluna) {
        pasta.copyTemplate("Movimento.mdb", "Tarvel/MV030012.MDB");
        Connection velho;
        velho.OpenFile(tarvel("MV030012.MDB"));
        velho.Execute(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(tabela, coluna));
    };
    const QString antigo = QStringLiteral(
        "O arquivo %1 não tem a coluna \"%2\": é de uma versão anterior, está "
        "vazio ou não é um arquivo deste sistema. Ajuste-o pelo menu Config, "
        "Utilitários, \"Ajuste Individual de Movimento\".");
    const std::pair<std::function<void()>, QString> casos[] = {
        {[&] { ASSERT_TRUE(QDir(tarvel()).mkdir("MV030012.MDB")); }, "há uma pasta com o nome do arquivo"},
        // A plain file where the folder should be stops every user, root included.
        {[&] {
             ASSERT_TRUE(QDir(pasta.path()).rmdir("Tarvel"));
             QFile f(pasta.filePath("Tarvel"));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         },
         "há um arquivo com o nome da pasta"},
        {[&] { arquivo(QByteArray(4096, 'x')); },
         "O arquivo " + tarvel("MV030012.MDB") +
             " está danificado; restaure a cópia de segurança mais recente."},
        {[&] { semColuna("DIGS07", "talao"); }, antigo.arg(tarvel("MV030012.MDB"), "talao")},
        {[&] { semColuna("DIGISS12", "materiais"); }, antigo.arg(tarvel("MV030012.MDB"), "materiais")},
    };
    for (const auto& [prepara, motivo] : casos) {
        SCOPED_TRACE(motivo.toStdString());
        QDir(pasta.filePath("Tarvel")).removeRecursively();
        QFile::remove(pasta.filePath("Tarvel"));
        ASSERT_TRUE(QDir(pasta.path()).mkdir("Tarvel"));
        prepara();
        Geral::ConexaoMovimento = "anterior";
        Connection banco;
        const auto a = AbreMovimento(banco, 12, 2003);
        EXPECT_EQ(a.falha, motivo);
        EXPECT_EQ(banco.State(), platform::db::ObjectState::Closed);
        EXPECT_EQ(Geral::ConexaoMovimento, "anterior");
        EXPECT_TRUE(a.conexao.isEmpty());
        script->expect("Não foi possível abrir o arquivo de movimento MV030012.MDB (" + motivo + ") !",
                       "Erro", OK);
        AvisaFalha(a);
        EXPECT_EQ(script->shown().back().style, platform::ui::Msg::OKOnly + platform::ui::Msg::Critical);
    }
}

TEST_F(AbreMovimentoTest, ReadersOnlyFindTheFileAndTellWhenItIsMissing) {
    script->expect("Arquivo de Movimento da Empresa Inexistente, Verifique !!!", "Erro ao Localizar Arquivo",
                   OK);
    EXPECT_FALSE(LocalizaMovimento(12, 2003).has_value());
    EXPECT_EQ(script->shown().back().style, platform::ui::Msg::OKOnly + platform::ui::Msg::Critical);
    EXPECT_TRUE(arquivosTarvel().isEmpty());

    pasta.copyTemplate("Movimento.mdb", "Tarvel/Mv030012.mdb");
    const auto conexao = LocalizaMovimento(12, 2003);
    ASSERT_TRUE(conexao.has_value());
    EXPECT_EQ(*conexao, ConexaoEsperada(tarvel("Mv030012.mdb")));
    EXPECT_EQ(Geral::ConexaoMovimento, *conexao);
}

// The code offered is the one the database gives: a deleted highest code is never offered again.
TEST_F(AbreMovimentoTest, NextRecordCodeOfEachTable) {
    Connection banco;
    ASSERT_TRUE(AbreMovimento(banco, 12, 2003).aberta());
    EXPECT_EQ(ProximoCodigo(banco, "DIGE03"), 1);
    for (int i = 1; i <= 7; ++i) InsereIcms(banco, "DIGE03", QDate(2003, 3, i));
    EXPECT_EQ(ProximoCodigo(banco, "DIGE03"), 8);
    EXPECT_EQ(ProximoCodigo(banco, "DIGS03"), 1);
    EXPECT_EQ(ProximoCodigo(banco, "DIGISS03"), 1);
    banco.Execute("DELETE FROM DIGE03 WHERE codauto = 7");
    EXPECT_EQ(ProximoCodigo(banco, "dige03"), 8);
    EXPECT_EQ(InsereIcms(banco, "DIGE03", QDate(2003, 3, 9)), 8);
    EXPECT_EQ(ProximoCodigo(banco, "DIGE03"), 9);
    for (const char* t : {"DIGE3", "DIGE13", "Empresas", "DIGE03 WHERE 1", "DIGISS1"})
        EXPECT_THROW(ProximoCodigo(banco, t), platform::values::RuntimeError) << t;
}

TEST_F(AbreMovimentoTest, ThePeriodIsStoredAsTheDateOfItsFirstDay) {
    Connection cadastro;
    cadastro.Open(Geral::ConexaoCadastro);
    cadastro.Execute("INSERT INTO Empresas(codigo,nome) VALUES(12,'Doze'),(13,'Treze')");
    Empresas::GravaPeriodo(cadastro, 12, QDate(2030, 2, 17));
    auto rs = cadastro.OpenRecordset("SELECT codigo,mes_base_fiscal FROM Empresas ORDER BY codigo");
    EXPECT_EQ(rs.Fields("mes_base_fiscal").toDate(), QDate(2030, 2, 1));
    rs.MoveNext();
    EXPECT_TRUE(rs.Fields("mes_base_fiscal").isNull());
}

}  // namespace
