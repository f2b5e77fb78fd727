#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/db/Connection.h"

using platform::db::ColumnType;
using platform::db::Connection;
using platform::db::DbNull;
using platform::db::Error;
using platform::db::ObjectState;
using platform::db::OpenMode;
using platform::db::Recordset;
using platform::db::DbErrorNumber::ItemNotFound;
using platform::db::DbErrorNumber::NoCurrentRecord;
using platform::db::DbErrorNumber::ObjectClosed;
using platform::values::Currency;

namespace {

long errorNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

class RecordsetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        db.OpenFile(dir.filePath(QStringLiteral("r.mdb")), OpenMode::Create);
        db.Execute(
            QStringLiteral("CREATE TABLE t (codigo INTEGER, nome TEXT COLLATE PTBR, valor CURRENCY, "
                           "quando DATE, sim YESNO, taxa DOUBLE)"));
        db.Execute(QStringLiteral("INSERT INTO t VALUES (?, ?, ?, ?, ?, ?)"),
                   {1, QStringLiteral("um"), *Currency::parse(QStringLiteral("1.234,5")), QDate(2008, 3, 31),
                    true, 2.5});
        db.Execute(QStringLiteral("INSERT INTO t VALUES (?, ?, ?, ?, ?, ?)"),
                   {2, DbNull, *Currency::parse(QStringLiteral("-0,0001")), DbNull, DbNull, DbNull});
        db.Execute(QStringLiteral("INSERT INTO t VALUES (?, ?, ?, ?, ?, ?)"),
                   {3, QStringLiteral("três"), Currency::fromRaw(25000), QDate(2099, 12, 31), false, -1.0});
    }

    QTemporaryDir dir;
    Connection db;
};

TEST_F(RecordsetTest, MovesThroughTheSnapshot) {
    Recordset rs;
    EXPECT_EQ(rs.State(), ObjectState::Closed);
    EXPECT_EQ(errorNumber([&] { rs.Eof(); }), ObjectClosed);

    rs.Open(db, QStringLiteral("SELECT * FROM t ORDER BY codigo"));
    EXPECT_EQ(rs.State(), ObjectState::Open);
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_FALSE(rs.Eof());
    EXPECT_FALSE(rs.Bof());
    EXPECT_EQ(rs.Fields("codigo").toInt(), 1);
    rs.MoveLast();
    EXPECT_EQ(rs.Fields("CODIGO").toInt(), 3);
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(errorNumber([&] { rs.Fields("codigo"); }), NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rs.MoveNext(); }), NoCurrentRecord);
    rs.MovePrevious();
    EXPECT_EQ(rs.Fields(0).toInt(), 3);
    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_TRUE(rs.Bof());
    EXPECT_EQ(errorNumber([&] { rs.MovePrevious(); }), NoCurrentRecord);
    rs.MoveFirst();
    EXPECT_EQ(errorNumber([&] { rs.Fields("nada"); }), ItemNotFound);
    EXPECT_EQ(rs.FieldCount(), 6);
    EXPECT_EQ(rs.FieldName(1), QStringLiteral("nome"));
    EXPECT_EQ(rs.FieldType(2), ColumnType::Currency);

    rs.Close();
    EXPECT_EQ(rs.State(), ObjectState::Closed);

    Recordset empty = db.OpenRecordset(QStringLiteral("SELECT * FROM t WHERE codigo = ?"), {99});
    EXPECT_TRUE(empty.Eof());
    EXPECT_TRUE(empty.Bof());
    EXPECT_EQ(empty.RecordCount(), 0);
    EXPECT_EQ(empty.FieldCount(), 6);
}

TEST_F(RecordsetTest, FieldsConvertByDeclaredType) {
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM t ORDER BY codigo"));
    EXPECT_EQ(rs.Fields("valor").toCurrency(), *Currency::parse(QStringLiteral("1234,5")));
    EXPECT_EQ(rs.Fields("valor").toString(), QStringLiteral("1234,5"));
    EXPECT_EQ(rs.Fields("valor").toLongLong(), 1234);
    EXPECT_DOUBLE_EQ(rs.Fields("valor").toDouble(), 1234.5);
    EXPECT_EQ(rs.Fields("quando").toDate(), QDate(2008, 3, 31));
    EXPECT_EQ(rs.Fields("quando").toString(), QStringLiteral("31/03/2008"));
    EXPECT_TRUE(rs.Fields("sim").toBool());
    EXPECT_EQ(rs.Fields("taxa").toString(), QStringLiteral("2,5"));
    EXPECT_EQ(rs.Fields("taxa").toCurrency(), *Currency::parse(QStringLiteral("2,5")));
    EXPECT_EQ(rs.Fields("codigo").toCurrency(), Currency::fromUnits(1));

    rs.MoveNext();  // the row of nulls
    EXPECT_TRUE(rs.Fields("nome").isNull());
    EXPECT_EQ(rs.Fields("nome").toString(), QString());
    EXPECT_FALSE(rs.Fields("sim").toBool());
    EXPECT_TRUE(rs.Fields("quando").toDate().isNull());
    EXPECT_EQ(rs.Fields("taxa").toLongLong(), 0);
    EXPECT_EQ(rs.Fields("valor").toString(), QStringLiteral("-0,0001"));
    EXPECT_EQ(errorNumber([&] { rs.Fields("codigo").toDate(); }), platform::db::DbErrorNumber::TypeMismatch);

    rs.MoveNext();
    EXPECT_EQ(rs.Fields("nome").toString(), QStringLiteral("três"));
    EXPECT_EQ(rs.Fields("valor").toLongLong(), 2);  // 2,5 to the nearest even
    EXPECT_FALSE(rs.Fields("sim").toBool());
    EXPECT_EQ(rs.Fields("sim").toString(), QStringLiteral("Falso"));

    // A field is a copy: it outlives the recordset's move and close.
    const auto kept = rs.Fields("nome");
    rs.Close();
    EXPECT_EQ(kept.toString(), QStringLiteral("três"));
}

TEST_F(RecordsetTest, ColumnsReadInAnyOrderOnAnyRowAndDatesOnlyFromIsoText) {
    db.Execute(QStringLiteral("INSERT INTO t (codigo, quando) VALUES (4, ?), (5, ?)"),
               {QStringLiteral("2008-02-30"), QStringLiteral("31/03/2008")});
    Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT codigo, nome, quando, taxa FROM t ORDER BY codigo"));
    EXPECT_EQ(rs.Fields(3).toDouble(), 2.5);
    EXPECT_EQ(rs.Fields(1).toString(), QStringLiteral("um"));
    EXPECT_EQ(rs.Fields(2).toDate(), QDate(2008, 3, 31));
    rs.MoveNext();
    rs.MoveNext();
    EXPECT_EQ(rs.Fields(2).toDate(), QDate(2099, 12, 31));
    rs.MovePrevious();
    EXPECT_EQ(rs.Fields(0).toLongLong(), 2);
    EXPECT_TRUE(rs.Fields(2).toDate().isNull());
    rs.MoveNext();
    for (int codigo : {4, 5}) {
        rs.MoveNext();
        EXPECT_EQ(rs.Fields(1).toString(), QString());
        EXPECT_EQ(errorNumber([&] { rs.Fields(2).toDate(); }), platform::db::DbErrorNumber::TypeMismatch)
            << codigo;
    }
}

TEST_F(RecordsetTest, ExpressionsHaveNoDeclaredType) {
    Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT Count(codigo) AS I, SUM(valor) AS total, MAX(quando) AS ultima FROM t"));
    EXPECT_EQ(rs.Fields("i").toInt(), 3);
    EXPECT_EQ(rs.FieldType(1), ColumnType::None);
    EXPECT_EQ(rs.Fields("total").storedCurrency(),
              *Currency::parse(QStringLiteral("1237,0")) - Currency::fromRaw(1));
    EXPECT_EQ(rs.Fields("ultima").toDate(), QDate(2099, 12, 31));
}

TEST_F(RecordsetTest, TwoColumnsOfOneNameAnswerWithTheFirst) {
    Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT a.nome, b.nome FROM t a JOIN t b ON b.codigo = a.codigo + 2"));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields("nome").toString(), QStringLiteral("um"));
    EXPECT_EQ(rs.Fields(1).toString(), QStringLiteral("três"));
}

}  // namespace

namespace {

TEST_F(RecordsetTest, LargeResultsKeepEveryValue) {
    db.Execute(QStringLiteral("DELETE FROM t"));
    platform::db::Transaction tr(db);
    const QString longText = QString(300, QChar(u'ç'));
    const QString hugeText = QString(70000, QChar(u'x')) + QStringLiteral("fim");
    for (int i = 0; i < 5000; ++i)
        db.Execute(QStringLiteral("INSERT INTO t (codigo, nome, valor) VALUES (?, ?, ?)"),
                   {i, i == 4000 ? hugeText : (i % 2 ? longText : QString::number(i)),
                    Currency::fromRaw(qint64(i) * 10000000000LL)});
    tr.commit();
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT nome, codigo, valor FROM t ORDER BY codigo"));
    ASSERT_EQ(rs.RecordCount(), 5000);
    for (int i = 0; i < 5000; ++i, rs.MoveNext()) {
        ASSERT_EQ(rs.Fields("codigo").toInt(), i);
        ASSERT_EQ(rs.Fields("valor").storedCurrency().raw(), qint64(i) * 10000000000LL);
        const QString expected = i == 4000 ? hugeText : (i % 2 ? longText : QString::number(i));
        ASSERT_EQ(rs.Fields("nome").toString(), expected) << i;
    }
}

// Reading a row's values one after the other gives what each Field gives, value or failure, for every
// declared type and every kind of stored value.
TEST(RecordsetRowValues, ConvertAsFieldsDo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Connection db;
    db.OpenFile(dir.filePath(QStringLiteral("v.mdb")), OpenMode::Create);
    db.Execute(
        QStringLiteral("CREATE TABLE v (t TEXT COLLATE PTBR, c CURRENCY, d DATE, i INTEGER, r DOUBLE, "
                       "y YESNO, o BLOB)"));
    const char* const stored[] = {"NULL",         "0",
                                  "-7",           "3000000000",
                                  "12345",        "2.5",
                                  "-0.00005",     "''",
                                  "'12,5'",       "'abc'",
                                  "'joão'",       "'2008-03-31'",
                                  "'2008-02-30'", "'2008-3-31'",
                                  "'31/03/2008'", "'2012-02-29 10:00'",
                                  "x'00ff'",      "printf('%.300c', 'x')",
                                  "1234.56",      "1e308",
                                  "-1e308",       "9223372036854775807",
                                  "'1234.56'"};
    for (const char* value : stored)
        db.Execute(
            QStringLiteral("INSERT INTO v VALUES (%1, %1, %1, %1, %1, %1, %1)").arg(QLatin1String(value)));
    auto outcome = [](const std::function<QString()>& read) {
        try {
            return read();
        } catch (const Error& e) {
            return QStringLiteral("error %1").arg(e.number());
        } catch (const std::exception&) {
            return QStringLiteral("exception");
        }
    };
    Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT t, c, d, i, r, y, o, t || '' FROM v ORDER BY rowid"));
    for (int row = 0; !rs.Eof(); rs.MoveNext(), ++row)
        for (int column = 0; column < rs.FieldCount(); ++column) {
            const auto reader = [&](int kind) {
                return outcome([&] {
                    Recordset::RowValues values(rs);
                    // A value before that does not read as text (an amount that is none) is passed over.
                    for (int before = 0; before < column; ++before) try {
                            values.text();
                        } catch (const Error&) {
                        }
                    if (kind == 0) return values.text();
                    if (kind == 1) return QString::number(values.currency().raw());
                    if (kind == 3) return values.text(QStringLiteral("abc"));
                    if (kind == 4) return values.text(rs.Fields(column).toString());
                    return values.date().toString(Qt::ISODate);
                });
            };
            const QString where =
                QStringLiteral("%1 in column %2").arg(QLatin1String(stored[row])).arg(column);
            const QString text = outcome([&] { return rs.Fields(column).toString(); });
            for (int kind : {0, 3, 4}) EXPECT_EQ(reader(kind), text) << where.toStdString() << " " << kind;
            EXPECT_EQ(reader(1),
                      outcome([&] { return QString::number(rs.Fields(column).toCurrency().raw()); }))
                << where.toStdString();
            EXPECT_EQ(reader(2), outcome([&] { return rs.Fields(column).toDate().toString(Qt::ISODate); }))
                << where.toStdString();
        }
    rs.MoveFirst();
    Recordset::RowValues values(rs);
    for (int column = 0; column < rs.FieldCount(); ++column) values.text();
    EXPECT_EQ(errorNumber([&] { values.text(); }), ItemNotFound);
    rs.MoveLast();
    rs.MoveNext();
    EXPECT_EQ(errorNumber([&] { Recordset::RowValues after(rs); }), NoCurrentRecord);
}

}  // namespace

namespace {

// A value another tool stored where an amount goes is refused in Portuguese, naming the field and
// what it holds, by every reading of it; whole ten-thousandths and NULL read as amounts.
TEST(RecordsetAmounts, OnlyWholeTenThousandthsReadAsAmounts) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Connection db;
    db.OpenFile(dir.filePath(QStringLiteral("a.mdb")), OpenMode::Create);
    db.Execute(QStringLiteral("CREATE TABLE a (valor CURRENCY)"));
    const struct {
        const char* stored;
        const char* shown;  // null: read as an amount
    } cases[] = {{"12345", nullptr},       {"NULL", nullptr},    {"1234.0", nullptr},
                 {"1234.56", "1234.56"},   {"1e308", "1e+308"},  {"-1e19", "-1e+19"},
                 {"'12,50'", "\"12,50\""}, {"'abc'", "\"abc\""}, {"x'00'", "x'00'"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        db.Execute(QStringLiteral("DELETE FROM a"));
        db.Execute(QStringLiteral("INSERT INTO a VALUES (%1)").arg(QLatin1String(c.stored)));
        Recordset rs = db.OpenRecordset(QStringLiteral("SELECT valor, SUM(valor) FROM a"));
        const std::function<void()> reads[] = {
            [&] { rs.Fields(0).toCurrency(); },           [&] { rs.Fields(0).toString(); },
            [&] { rs.Fields(0).toLongLong(); },           [&] { rs.Fields(0).toDouble(); },
            [&] { Recordset::RowValues(rs).currency(); }, [&] { Recordset::RowValues(rs).text(); }};
        for (const auto& read : reads) {
            if (!c.shown) {
                EXPECT_NO_THROW(read());
                continue;
            }
            try {
                read();
                ADD_FAILURE() << "read as an amount";
            } catch (const Error& e) {
                EXPECT_EQ(e.description().toStdString(),
                          QStringLiteral("Tipo incompatível: o campo \"%1\" guarda %2, que não pode ser lido "
                                         "como valor monetário (décimos de milésimo inteiros).")
                              .arg(QStringLiteral("valor"), QString::fromUtf8(c.shown))
                              .toStdString());
            }
        }
        // A sum over such a value is no amount either.
        if (c.shown && std::isdigit(static_cast<unsigned char>(c.stored[0]))) {
            EXPECT_THROW(rs.Fields(1).storedCurrency(), Error);
        }
    }
}

}  // namespace
