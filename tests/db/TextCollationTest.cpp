#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

#include "platform/db/Connection.h"
#include "platform/db/TextFunctions.h"
#include "platform/values/TextCompare.h"

using platform::db::Connection;
using platform::db::OpenMode;
using platform::db::Recordset;
using platform::values::compareText;

namespace {

int sign(int c) { return (c > 0) - (c < 0); }

// Texts the collation meets: case, accents inside and outside Latin-1, digits, punctuation around the
// letters, blanks, the empty text, characters outside the basic plane, and every text of up to two
// characters over a small alphabet (so that ASCII prefixes meet accented continuations).
QStringList texts() {
    QStringList all{QString(),
                    QStringLiteral(" "),
                    QStringLiteral("  "),
                    QStringLiteral("joão"),
                    QStringLiteral("JOÃO"),
                    QStringLiteral("joao"),
                    QStringLiteral("Joao "),
                    QStringLiteral("Álvaro"),
                    QStringLiteral("Alberto"),
                    QStringLiteral("alvaro"),
                    QStringLiteral("Bruno"),
                    QStringLiteral("Ção"),
                    QStringLiteral("cao"),
                    QStringLiteral("10"),
                    QStringLiteral("9"),
                    QStringLiteral("01"),
                    QStringLiteral("1.000"),
                    QStringLiteral("12.345.678/0001-90"),
                    QStringLiteral("12.345.678/0001-9"),
                    QStringLiteral("__.___.___/____-__"),
                    QStringLiteral("a b"),
                    QStringLiteral("a  b"),
                    QStringLiteral("a-b"),
                    QStringLiteral("[_`{~@^\\]"),
                    QStringLiteral("ß"),
                    QStringLiteral("ÿ"),
                    QStringLiteral("Ñandu"),
                    QStringLiteral("nandu"),
                    QStringLiteral("Œuvre"),
                    QStringLiteral("œuvre"),
                    QStringLiteral("Ωmega"),
                    QStringLiteral("ωmega"),
                    QStringLiteral("x😀"),
                    QStringLiteral("x😀y"),
                    QStringLiteral("xé"),
                    QStringLiteral("XÉ"),
                    QStringLiteral("xe"),
                    QStringLiteral("Mercadoria em consignação"),
                    QStringLiteral("MERCADORIA EM CONSIGNACAO"),
                    QStringLiteral("mercadoria em consignação ")};
    const QStringList alphabet{QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("á"),
                               QStringLiteral("Á"), QStringLiteral("b"), QStringLiteral("Z"),
                               QStringLiteral(" "), QStringLiteral("1"), QStringLiteral("ç"),
                               QStringLiteral("_")};
    for (const QString& x : alphabet) {
        all << x;
        for (const QString& y : alphabet) all << x + y;
    }
    return all;
}

TEST(TextCollation, StoredTextsCompareAsTheProgramComparesText) {
    const QStringList all = texts();
    std::vector<QByteArray> utf8;
    for (const QString& t : all) utf8.push_back(t.toUtf8());
    for (qsizetype i = 0; i < all.size(); ++i)
        for (qsizetype j = 0; j < all.size(); ++j) {
            const QByteArray& a = utf8[std::size_t(i)];
            const QByteArray& b = utf8[std::size_t(j)];
            EXPECT_EQ(sign(platform::db::compareStoredText(a.constData(), int(a.size()), b.constData(),
                                                           int(b.size()))),
                      sign(compareText(all[i], all[j])))
                << all[i].toStdString() << " / " << all[j].toStdString();
        }
}

// Files stored in UTF-8 and in UTF-16 sort and match alike, in the program's order.
TEST(TextCollation, FilesOfEitherEncodingSortInTheProgramsOrder) {
    QStringList expected = texts();
    std::stable_sort(expected.begin(), expected.end(),
                     [](const QString& a, const QString& b) { return compareText(a, b) < 0; });
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* encoding : {"UTF-8", "UTF-16le"}) {
        Connection db;
        db.OpenFile(dir.filePath(QString::fromLatin1(encoding)), OpenMode::Create);
        db.Execute(QStringLiteral("PRAGMA encoding = '%1'").arg(QString::fromLatin1(encoding)));
        db.Execute(QStringLiteral("CREATE TABLE T (n INTEGER PRIMARY KEY, t TEXT COLLATE PTBR)"));
        db.Execute(QStringLiteral("CREATE INDEX T_t ON T (t)"));
        const QStringList all = texts();
        for (qsizetype i = 0; i < all.size(); ++i)
            db.Execute(QStringLiteral("INSERT INTO T VALUES (?, ?)"), {i, all[i]});
        QStringList sorted;
        for (Recordset rs = db.OpenRecordset(QStringLiteral("SELECT t FROM T ORDER BY t, n")); !rs.Eof();
             rs.MoveNext())
            sorted << rs.Fields(0).toString();
        EXPECT_EQ(sorted, expected) << encoding;
        Recordset joao =
            db.OpenRecordset(QStringLiteral("SELECT Count(*) FROM T WHERE t = ?"), {QStringLiteral("Joao")});
        EXPECT_EQ(joao.Fields(0).toLongLong(), 1) << encoding;
        Recordset xe =
            db.OpenRecordset(QStringLiteral("SELECT Count(*) FROM T WHERE t = ?"), {QStringLiteral("xÉ")});
        EXPECT_EQ(xe.Fields(0).toLongLong(), 2) << encoding;
    }
}

}  // namespace
