#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>

#include "platform/db/Connection.h"
#include "support/TempProgramFolder.h"

using platform::db::Connection;
using platform::db::Error;
using testsupport::TempProgramFolder;

namespace {

std::vector<bool> waits;
void recordWait(bool waiting) { waits.push_back(waiting); }

// The error a statement throws, or a default one when it runs.
Error failureOf(const std::function<void()>& body) {
    try {
        body();
    } catch (const Error& e) {
        return e;
    }
    return Error(0, {}, {}, {});
}

}  // namespace

// Each storage failure says in Portuguese what happened and what to do, and keeps SQLite's number.
TEST(StorageError, SaysInPortugueseWhatHappenedAndWhatToDo) {
    TempProgramFolder folder;
    const QString file = folder.filePath("Trabdados.mdb");
    Connection a, b;
    a.Open(folder.registryConnection());
    b.Open(folder.registryConnection());

    // Another copy holds the file: the statement waits (the observer hears of it), then gives up.
    waits.clear();
    platform::db::setLockWaitObserver(recordWait);
    a.BeginTrans();
    b.setBusyTimeout(60);
    Error busy = failureOf([&] { b.Execute("UPDATE Parametros SET pincforcli = 1"); });
    a.RollbackTrans();
    platform::db::setLockWaitObserver(nullptr);
    EXPECT_EQ(busy.number() & 0xff, SQLITE_BUSY);
    EXPECT_EQ(
        busy.description(),
        "O arquivo " + file + " está sendo gravado por outra cópia do programa; aguarde e tente novamente.");
    EXPECT_EQ(waits, (std::vector<bool>{true, false}));

    b.Execute("PRAGMA query_only = 1");
    Error readOnly = failureOf([&] { b.Execute("UPDATE Parametros SET pincforcli = 1"); });
    EXPECT_EQ(readOnly.number() & 0xff, SQLITE_READONLY);
    EXPECT_TRUE(readOnly.description().startsWith("Sem permissão para gravar o arquivo " + file));

    a.Execute("PRAGMA max_page_count = 1");
    Error full = failureOf([&] {
        for (int i = 0; i < 1000; ++i)
            a.Execute("INSERT INTO ForGeral (nome) VALUES (?)", {QString(200, QChar(u'x'))});
    });
    EXPECT_EQ(full.number() & 0xff, SQLITE_FULL);
    EXPECT_TRUE(full.description().startsWith("O disco do arquivo " + file + " está cheio"));

    QFile damaged(folder.filePath("Danificado.mdb"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'z'));
    damaged.close();
    Connection c;
    Error notADatabase = failureOf([&] { c.OpenFile(damaged.fileName()); });
    EXPECT_EQ(notADatabase.number(), SQLITE_NOTADB);
    EXPECT_EQ(
        notADatabase.description(),
        "O arquivo " + damaged.fileName() + " está danificado; restaure a cópia de segurança mais recente.");

    // A fault of the statement itself keeps SQLite's text: it is the program's, not the office's.
    Error syntax = failureOf([&] { a.Execute("SELEC 1"); });
    EXPECT_EQ(syntax.description(), "near \"SELEC\": syntax error");
}

// Every situation a user meets with a file of another layout or a value another tool stored, and the
// Portuguese text that names the file and what to do.
TEST(StorageError, MessagesOfFilesAndValuesTheProgramCannotUse) {
    TempProgramFolder folder;
    const QString registry = folder.filePath("Trabdados.mdb");
    const QString movement = folder.filePath("Tarvel/MV030012.MDB");
    QFile::copy(TempProgramFolder::templatePath("Movimento.mdb"), movement);
    QDir().mkpath(folder.filePath("Tarvel/MV040012.MDB"));
    Connection cadastro, movimento;
    cadastro.OpenFile(registry);
    movimento.OpenFile(movement);
    movimento.Execute("CREATE TABLE Velha (valor CURRENCY, datalan DATE)");
    movimento.Execute("INSERT INTO Velha VALUES (1234.56, '15/03/2003')");
    const QString antigo = QStringLiteral(
        "\": é de uma versão anterior, está vazio ou não é um arquivo deste sistema. Ajuste-o pelo menu ");
    const struct {
        std::function<void()> situacao;
        QString texto;
    } casos[] = {
        {[&] { movimento.Execute("SELECT * FROM DIGE13"); },
         "O arquivo " + movement + " não tem a tabela \"DIGE13" + antigo +
             "Config, Utilitários, \"Ajuste Individual de Movimento\"."},
        {[&] { movimento.Execute("SELECT serie FROM Velha"); },
         "O arquivo " + movement + " não tem a coluna \"serie" + antigo +
             "Config, Utilitários, \"Ajuste Individual de Movimento\"."},
        {[&] { cadastro.Execute("SELECT * FROM usuarios2"); },
         "O arquivo " + registry + " não tem a tabela \"usuarios2" + antigo + "Ajuda, \"Ajuste\"."},
        {[&] {
             Connection c;
             c.OpenFile(folder.filePath("Tarvel/MV040012.MDB"));
         },
         "O arquivo " + folder.filePath("Tarvel/MV040012.MDB") +
             " não pode ser aberto: verifique se ele existe, se não há uma pasta com esse nome e se há "
             "permissão para lê-lo."},
        {[&] { movimento.OpenRecordset("SELECT valor FROM Velha").Fields(0).toCurrency(); },
         "Tipo incompatível: o campo \"valor\" guarda 1234.56, que não pode ser lido como valor monetário "
         "(décimos de milésimo inteiros)."},
        {[&] { movimento.OpenRecordset("SELECT datalan FROM Velha").Fields(0).toDate(); },
         "Tipo incompatível: o campo \"datalan\" guarda \"15/03/2003\", que não pode ser lido como data."},
        {[&] { movimento.OpenRecordset("SELECT 'x' AS n").Fields(0).toLongLong(); },
         "Tipo incompatível: o campo \"n\" guarda \"x\", que não pode ser lido como número inteiro."},
        {[&] {
             try {
                 movimento.OpenRecordset("SELECT datalan FROM Velha").Fields(0).toDate();
             } catch (const Error& e) {
                 throw platform::db::inDocument(e, "DIGE03", " 000123");
             }
         },
         "Documento 000123 da tabela DIGE03: Tipo incompatível: o campo \"datalan\" guarda \"15/03/2003\", "
         "que "
         "não pode ser lido como data."},
    };
    for (const auto& c : casos) EXPECT_EQ(failureOf(c.situacao).description(), c.texto);
}

// The standard sqlite3 tool reads and checks the files with the extension built beside the program.
TEST(StorageError, CollationExtensionLetsAPlainConnectionCheckAndSort) {
    TempProgramFolder folder;
    Connection program;
    program.Open(folder.registryConnection());
    QStringList expected;
    const QString sql = "SELECT nomeMun FROM Municipios WHERE uf = 'ba' ORDER BY nomeMun LIMIT 40";
    for (auto rs = program.OpenRecordset(sql); !rs.Eof(); rs.MoveNext())
        expected << rs.Fields("nomeMun").toString();
    program.Close();

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(folder.filePath("Trabdados.mdb")).constData(), &db,
                              SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 1, nullptr);
    char* message = nullptr;
    ASSERT_EQ(sqlite3_load_extension(db, RT_BIN_DIR "/ptbr", nullptr, &message), SQLITE_OK) << message;

    auto column = [&](const QString& query) {
        QStringList out;
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, query.toUtf8().constData(), -1, &stmt, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return out;
    };
    EXPECT_EQ(column("PRAGMA integrity_check"), QStringList{"ok"});
    const QStringList sorted = column(sql);
    EXPECT_EQ(sorted, expected);
    EXPECT_GE(sorted.size(), 40);
    sqlite3_close(db);
}
