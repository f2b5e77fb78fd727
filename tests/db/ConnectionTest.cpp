#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/db/Connection.h"

using platform::db::Connection;
using platform::db::DbNull;
using platform::db::Error;
using platform::db::OpenMode;
using platform::db::Params;
using platform::db::Recordset;
using platform::db::Transaction;
using platform::values::Currency;

namespace {

QString jetString(const QString& file) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=false; Data Source=") +
           file + QStringLiteral(";Jet OLEDB:Database Password=;");
}

class ConnectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath(QStringLiteral("t.mdb"));
        db.OpenFile(file, OpenMode::Create);
        db.Execute(
            QStringLiteral("CREATE TABLE Pessoa (codauto INTEGER PRIMARY KEY AUTOINCREMENT, codigo INTEGER, "
                           "nome TEXT COLLATE "
                           "PTBR, cidade TEXT COLLATE PTBR, nascto DATE, capital CURRENCY DEFAULT 0, ativo "
                           "YESNO, taxa DOUBLE)"));
        db.Execute(QStringLiteral("CREATE UNIQUE INDEX Pessoa_codigo ON Pessoa (codigo)"));
    }

    QString one(const QString& sql, const Params& params = {}) {
        Recordset rs = db.OpenRecordset(sql, params);
        return rs.Eof() ? QStringLiteral("<none>") : rs.Fields(0).toString();
    }

    QTemporaryDir dir;
    QString file;
    Connection db;
};

TEST_F(ConnectionTest, OpeningAMissingDatabaseFailsAndCreatesNothing) {
    const QString missing = dir.filePath(QStringLiteral("Trabdados.mdb"));
    Connection other;
    try {
        other.Open(jetString(missing));
        FAIL() << "opened a missing file";
    } catch (const Error& e) {
        EXPECT_EQ(e.number() & 0xff, 14);  // SQLITE_CANTOPEN
        EXPECT_EQ(e.statement(), missing);
        EXPECT_TRUE(e.routine().contains(QStringLiteral("TestBody"))) << e.routine().toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(other.State(), platform::db::ObjectState::Closed);
}

TEST_F(ConnectionTest, ConnectionStringsOfTheProgramNameTheirFile) {
    EXPECT_EQ(Connection::dataSourceOf(jetString(QStringLiteral("/p/Trabdados.mdb"))),
              QStringLiteral("/p/Trabdados.mdb"));
    EXPECT_EQ(Connection::dataSourceOf(QStringLiteral("Provider=X;Data Source=/p/Ajuste.mdb;Jet OLEDB;")),
              QStringLiteral("/p/Ajuste.mdb"));
    EXPECT_EQ(Connection::dataSourceOf(QStringLiteral("data source = /a b/c.mdb")),
              QStringLiteral("/a b/c.mdb"));
    EXPECT_TRUE(Connection::dataSourceOf(QStringLiteral("Provider=X;")).isEmpty());

    Connection other;
    other.Open(jetString(file));
    EXPECT_EQ(other.State(), platform::db::ObjectState::Open);
    EXPECT_THROW(other.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;")), Error);
}

TEST_F(ConnectionTest, AFileThatIsNoDatabaseFailsAtOpen) {
    const QString junk = dir.filePath(QStringLiteral("junk.mdb"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    Connection other;
    try {
        other.OpenFile(junk);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 26);  // SQLITE_NOTADB
    }
}

TEST_F(ConnectionTest, ValuesAreBoundNeverPasted) {
    const QStringList nasty{QStringLiteral("D'Ávila"),
                            QStringLiteral("O \"Grande\""),
                            QStringLiteral("x'); DROP TABLE Pessoa; --"),
                            QStringLiteral("a;b"),
                            QStringLiteral("cidade"),
                            QStringLiteral("-- nada")};
    int codigo = 1;
    for (const QString& name : nasty)
        EXPECT_EQ(db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nome, cidade) VALUES (?, ?, ?)"),
                             {codigo++, name, QStringLiteral("Recife")}),
                  1);
    codigo = 1;
    for (const QString& name : nasty) {
        EXPECT_EQ(one(QStringLiteral("SELECT nome FROM Pessoa WHERE codigo = ?"), {codigo}), name);
        EXPECT_EQ(one(QStringLiteral("SELECT codigo FROM Pessoa WHERE nome = ?"), {name}),
                  QString::number(codigo));
        ++codigo;
    }
    // A name equal to a column name is a value: the update writes the text, not the other column.
    EXPECT_EQ(db.Execute(QStringLiteral("UPDATE Pessoa SET nome = ? WHERE codigo = ?"),
                         {QStringLiteral("cidade"), 1}),
              1);
    EXPECT_EQ(one(QStringLiteral("SELECT nome FROM Pessoa WHERE codigo = 1")), QStringLiteral("cidade"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) AS I FROM Pessoa")), QStringLiteral("6"));
}

TEST_F(ConnectionTest, TextKeepsItsDigitsAndNumbersCompareAsNumbers) {
    db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nome) VALUES (?, ?)"),
               {QStringLiteral("007"), QStringLiteral("0012")});
    EXPECT_EQ(one(QStringLiteral("SELECT nome FROM Pessoa WHERE codigo = 7")), QStringLiteral("0012"));
    EXPECT_EQ(one(QStringLiteral("SELECT typeof(codigo) FROM Pessoa")), QStringLiteral("integer"));
    EXPECT_EQ(one(QStringLiteral("SELECT typeof(nome) FROM Pessoa")), QStringLiteral("text"));
    // An empty QString is the empty text, DbNull is NULL.
    db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nome, cidade) VALUES (?, ?, ?)"),
               {8, QString(), DbNull});
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT nome, cidade FROM Pessoa WHERE codigo = 8"));
    EXPECT_FALSE(rs.Fields("nome").isNull());
    EXPECT_EQ(rs.Fields("nome").toString(), QString());
    EXPECT_TRUE(rs.Fields("cidade").isNull());
    EXPECT_EQ(rs.Fields("cidade").toString(), QString());
}

TEST_F(ConnectionTest, DatesAreIsoTextReadBackAsDates) {
    db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nascto) VALUES (?, ?)"), {1, QDate(2003, 2, 1)});
    db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nascto) VALUES (?, ?)"), {2, QDate(2005, 1, 1)});
    db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nascto) VALUES (?, ?)"), {3, QDate()});
    EXPECT_EQ(one(QStringLiteral("SELECT nascto || '' FROM Pessoa WHERE codigo = 1")),
              QStringLiteral("2003-02-01"));
    EXPECT_EQ(one(QStringLiteral("SELECT typeof(nascto) FROM Pessoa WHERE codigo = 3")),
              QStringLiteral("null"));

    Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT nascto FROM Pessoa WHERE nascto IS NOT NULL ORDER BY nascto DESC"));
    ASSERT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.Fields("nascto").toDate(), QDate(2005, 1, 1));
    EXPECT_EQ(rs.Fields("nascto").toString(), QStringLiteral("01/01/2005"));
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("nascto").toDate(), QDate(2003, 2, 1));

    EXPECT_TRUE(db.OpenRecordset(QStringLiteral("SELECT nascto FROM Pessoa WHERE codigo = 3"))
                    .Fields(0)
                    .toDate()
                    .isNull());
    EXPECT_EQ(one(QStringLiteral("SELECT codigo FROM Pessoa WHERE nascto = ?"), {QDate(2003, 2, 1)}),
              QStringLiteral("1"));
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT MAX(nascto) FROM Pessoa")).Fields(0).toDate(),
              QDate(2005, 1, 1));
}

TEST_F(ConnectionTest, MoneyIsExactThroughInsertSumAndRead) {
    // A thousand cents and a few values a binary double cannot hold.
    Transaction t(db);
    for (int i = 0; i < 1000; ++i)
        db.Execute(QStringLiteral("INSERT INTO Pessoa (capital) VALUES (?)"), {Currency::fromRaw(100)});
    db.Execute(QStringLiteral("INSERT INTO Pessoa (capital) VALUES (?)"),
               {*Currency::parse(QStringLiteral("0,1"))});
    db.Execute(QStringLiteral("INSERT INTO Pessoa (capital) VALUES (?)"),
               {*Currency::parse(QStringLiteral("0,2"))});
    db.Execute(QStringLiteral("INSERT INTO Pessoa (capital) VALUES (?)"),
               {*Currency::parse(QStringLiteral("922.337.203.685,4775"))});
    db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo) VALUES (?)"), {5});  // the default 0
    t.commit();

    Recordset sum =
        db.OpenRecordset(QStringLiteral("SELECT SUM(capital) AS total FROM Pessoa WHERE capital < ?"),
                         {*Currency::parse(QStringLiteral("1000"))});
    EXPECT_EQ(sum.Fields("total").storedCurrency(), *Currency::parse(QStringLiteral("10,3")));
    // An expression has no declared type: its scale is the caller's to state.
    EXPECT_THROW(sum.Fields("total").toCurrency(), Error);

    Recordset big = db.OpenRecordset(QStringLiteral("SELECT capital FROM Pessoa ORDER BY capital DESC"));
    EXPECT_EQ(big.Fields("capital").toCurrency(), *Currency::parse(QStringLiteral("922.337.203.685,4775")));
    EXPECT_EQ(big.Fields("capital").toString(), QStringLiteral("922337203685,4775"));
    EXPECT_EQ(one(QStringLiteral("SELECT typeof(capital) FROM Pessoa WHERE codigo = 5")),
              QStringLiteral("integer"));
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT capital FROM Pessoa WHERE codigo = 5"))
                  .Fields(0)
                  .toCurrency(),
              Currency());
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa WHERE capital = ?"),
                  {*Currency::parse(QStringLiteral("0,01"))}),
              QStringLiteral("1000"));
}

TEST_F(ConnectionTest, TextComparesWithoutCaseButWithAccents) {
    const QStringList names{QStringLiteral("Bruno"),   QStringLiteral("JOÃO"), QStringLiteral("Álvaro"),
                            QStringLiteral("Alberto"), QStringLiteral("joao"), QStringLiteral("Zé"),
                            QStringLiteral("ana")};
    int codigo = 1;
    for (const QString& n : names)
        db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nome) VALUES (?, ?)"), {codigo++, n});

    EXPECT_EQ(one(QStringLiteral("SELECT nome FROM Pessoa WHERE nome = ?"), {QStringLiteral("joão")}),
              QStringLiteral("JOÃO"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa WHERE nome = ?"), {QStringLiteral("joão")}),
              QStringLiteral("1"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa WHERE nome = ?"), {QStringLiteral("JOAO")}),
              QStringLiteral("1"));
    EXPECT_EQ(one(QStringLiteral("SELECT nome FROM Pessoa WHERE nome LIKE ?"), {QStringLiteral("jo_o")}),
              QStringLiteral("JOÃO"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa WHERE nome LIKE ?"), {QStringLiteral("jo%")}),
              QStringLiteral("2"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa WHERE nome LIKE ?"), {QStringLiteral("%ÃO")}),
              QStringLiteral("1"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa WHERE nome LIKE 'á%'")), QStringLiteral("1"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa WHERE nome >= ? AND nome <= ?"),
                  {QStringLiteral("a"), QStringLiteral("b")}),
              QStringLiteral("3"));

    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT NOME FROM pessoa ORDER BY Nome"));
    QStringList order;
    for (; !rs.Eof(); rs.MoveNext()) order << rs.Fields("nome").toString();
    ASSERT_EQ(order.size(), 7);
    EXPECT_EQ(order.indexOf(QStringLiteral("Alberto")) + 1, order.indexOf(QStringLiteral("Álvaro")));
    EXPECT_LT(order.indexOf(QStringLiteral("ana")), order.indexOf(QStringLiteral("Bruno")));
    EXPECT_LT(order.indexOf(QStringLiteral("Álvaro")), order.indexOf(QStringLiteral("Bruno")));
    EXPECT_EQ(order.last(), QStringLiteral("Zé"));
}

TEST_F(ConnectionTest, FailuresCarryNumberStatementAndRoutineAndLeaveTheCacheUsable) {
    const QString insert = QStringLiteral("INSERT INTO Pessoa (codigo, nome) VALUES (?, ?)");
    db.Execute(insert, {1, QStringLiteral("a")});
    try {
        db.Execute(insert, {1, QStringLiteral("b")});
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 2067);  // SQLITE_CONSTRAINT_UNIQUE
        EXPECT_EQ(e.statement(), insert);
        EXPECT_TRUE(e.routine().contains(QStringLiteral("TestBody")));
        EXPECT_FALSE(e.description().isEmpty());
    }
    // The same cached statement runs again, with fresh values.
    EXPECT_EQ(db.Execute(insert, {2, QStringLiteral("c")}), 1);
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa")), QStringLiteral("2"));

    EXPECT_THROW(db.Execute(QStringLiteral("INSERT INTO Nada VALUES (1)")), Error);
    EXPECT_THROW(db.Execute(QStringLiteral("SELEC 1")), Error);
    // A value missing or one too many is refused, not bound as NULL.
    EXPECT_THROW(db.Execute(insert, {3}), Error);
    EXPECT_THROW(db.Execute(insert, {3, QStringLiteral("d"), 4}), Error);
    // One statement per call: a second one is never run silently or ignored.
    EXPECT_THROW(db.Execute(QStringLiteral("DELETE FROM Pessoa; DELETE FROM Pessoa")), Error);
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa")), QStringLiteral("2"));

    Connection closed;
    EXPECT_THROW(closed.Execute(QStringLiteral("SELECT 1")), Error);
}

TEST_F(ConnectionTest, ATransactionThatFailsHalfWayLeavesNothing) {
    const QString insert = QStringLiteral("INSERT INTO Pessoa (codigo, nome) VALUES (?, ?)");
    db.Execute(insert, {1, QStringLiteral("existente")});
    auto save = [&] {
        Transaction t(db);
        db.Execute(insert, {2, QStringLiteral("novo")});
        db.Execute(QStringLiteral("UPDATE Pessoa SET nome = ? WHERE codigo = 1"), {QStringLiteral("mudado")});
        db.Execute(insert, {1, QStringLiteral("repetido")});  // fails: the key is taken
        t.commit();
    };
    EXPECT_THROW(save(), Error);
    EXPECT_EQ(db.TransactionDepth(), 0);
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa")), QStringLiteral("1"));
    EXPECT_EQ(one(QStringLiteral("SELECT nome FROM Pessoa")), QStringLiteral("existente"));

    {
        Transaction outer(db);
        db.Execute(insert, {3, QStringLiteral("fora")});
        {
            Transaction inner(db);
            db.Execute(insert, {4, QStringLiteral("dentro")});
        }  // rolled back alone
        outer.commit();
    }
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa")), QStringLiteral("2"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa WHERE codigo = 4")), QStringLiteral("0"));

    db.BeginTrans();
    db.Execute(insert, {5, QStringLiteral("x")});
    db.RollbackTrans();
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM Pessoa WHERE codigo = 5")), QStringLiteral("0"));
    EXPECT_THROW(db.CommitTrans(), Error);
}

TEST_F(ConnectionTest, AnOpenRecordsetDoesNotBlockAnotherConnectionsWrite) {
    for (int i = 1; i <= 50; ++i)
        db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nome) VALUES (?, ?)"),
                   {i, QStringLiteral("n")});
    Recordset kept = db.OpenRecordset(QStringLiteral("SELECT * FROM Pessoa ORDER BY codigo"));
    kept.MoveNext();

    Connection second;
    second.OpenFile(file);
    second.setBusyTimeout(0);  // a lock held would fail at once instead of waiting
    EXPECT_EQ(second.Execute(QStringLiteral("UPDATE Pessoa SET nome = ? WHERE codigo = 1"),
                             {QStringLiteral("outro")}),
              1);
    EXPECT_EQ(second.Execute(QStringLiteral("INSERT INTO Pessoa (codigo) VALUES (?)"), {51}), 1);

    // The snapshot keeps what it read; a new query sees the write.
    EXPECT_EQ(kept.RecordCount(), 50);
    kept.MoveFirst();
    EXPECT_EQ(kept.Fields("nome").toString(), QStringLiteral("n"));
    EXPECT_EQ(one(QStringLiteral("SELECT nome FROM Pessoa WHERE codigo = 1")), QStringLiteral("outro"));

    // And the first connection can write while the second keeps one open.
    Recordset other = second.OpenRecordset(QStringLiteral("SELECT * FROM Pessoa"));
    db.setBusyTimeout(0);
    EXPECT_EQ(db.Execute(QStringLiteral("DELETE FROM Pessoa WHERE codigo = ?"), {51}), 1);
}

TEST_F(ConnectionTest, AutomaticNumbersAreNeverReused) {
    for (int i = 1; i <= 3; ++i) db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo) VALUES (?)"), {i});
    db.Execute(QStringLiteral("DELETE FROM Pessoa WHERE codauto = 3"));
    db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo) VALUES (4)"));
    EXPECT_EQ(one(QStringLiteral("SELECT MAX(codauto) FROM Pessoa")), QStringLiteral("4"));
}

TEST_F(ConnectionTest, SchemaListsTablesAndDeclaredColumnTypes) {
    Recordset tables = db.OpenSchema(platform::db::Schema::Tables);
    QStringList names;
    for (; !tables.Eof(); tables.MoveNext())
        if (tables.Fields("TABLE_TYPE").toString() == u"TABLE")
            names << tables.Fields("TABLE_NAME").toString();
    EXPECT_EQ(names, QStringList{QStringLiteral("Pessoa")});

    Recordset columns = db.OpenSchema(platform::db::Schema::Columns, QStringLiteral("PESSOA"));
    QStringList described;
    for (; !columns.Eof(); columns.MoveNext())
        described << columns.Fields("COLUMN_NAME").toString() + u' ' + columns.Fields("DATA_TYPE").toString();
    EXPECT_EQ(described, (QStringList{"codauto INTEGER", "codigo INTEGER", "nome TEXT", "cidade TEXT",
                                      "nascto DATE", "capital CURRENCY", "ativo YESNO", "taxa DOUBLE"}));
}

}  // namespace

namespace {

// A private table hides the file's own from its connection only: same columns and indexes, its rows
// its own, while another connection keeps reading and writing the file's.
TEST_F(ConnectionTest, PrivateTablesHideTheFilesOwnFromTheirConnectionOnly) {
    db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nome) VALUES (1, 'arquivo')"));
    Connection outra;
    outra.OpenFile(file);
    // A statement prepared before goes to the private table afterwards.
    EXPECT_EQ(one(QStringLiteral("SELECT nome FROM Pessoa")), QStringLiteral("arquivo"));
    db.PrivateTables({QStringLiteral("pessoa"), QStringLiteral("NaoExiste")});
    db.PrivateTables({QStringLiteral("Pessoa")});
    EXPECT_EQ(one(QStringLiteral("SELECT nome FROM Pessoa")), QStringLiteral("<none>"));
    db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nome) VALUES (2, 'PRIVADA')"));
    EXPECT_THROW(db.Execute(QStringLiteral("INSERT INTO Pessoa (codigo) VALUES (2)")), Error);
    EXPECT_EQ(one(QStringLiteral("SELECT nome FROM Pessoa WHERE nome = 'privada'")),
              QStringLiteral("PRIVADA"));
    outra.Execute(QStringLiteral("INSERT INTO Pessoa (codigo, nome) VALUES (3, 'outra')"));
    EXPECT_EQ(outra.OpenRecordset(QStringLiteral("SELECT COUNT(*) FROM Pessoa")).Fields(0).toInt(), 2);
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT COUNT(*) FROM Pessoa")).Fields(0).toInt(), 1);
    EXPECT_EQ(db.OpenRecordset(QStringLiteral("SELECT COUNT(*) FROM main.Pessoa")).Fields(0).toInt(), 2);
}

}  // namespace
