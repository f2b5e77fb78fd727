#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/files/FileCopy.h"
#include "platform/files/FileLookup.h"

using namespace platform::files;

namespace {

void Write(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(FileLookupTest, FindsANameInAnyLetterCasePreferringTheExactSpelling) {
    struct Caso {
        QStringList files;
        QStringList folders;
        QString name;
        QString found;  // empty: none
    };
    const std::vector<Caso> casos = {
        {{"mv080001.mdb"}, {}, "MV080001.MDB", "mv080001.mdb"},
        {{"Movimento.mdb", "movimento.mdb"}, {}, "movimento.mdb", "movimento.mdb"},
        {{"movimento.MDB", "MOVIMENTO.mdb"}, {}, "Movimento.mdb", "MOVIMENTO.mdb"},
        {{"MV080001.MDB"}, {}, "MV080002.MDB", ""},
        {{}, {"Movimento.mdb"}, "Movimento.mdb", ""},
        {{}, {"movimento.mdb"}, "Movimento.mdb", ""},
    };
    for (const Caso& c : casos) {
        QTemporaryDir dir;
        for (const QString& f : c.files) Write(dir.filePath(f), "x");
        for (const QString& d : c.folders) ASSERT_TRUE(QDir(dir.path()).mkdir(d));
        const auto found = FindFile(dir.path() + u'/', c.name);
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(found.has_value(), !c.found.isEmpty());
        EXPECT_EQ(FileExists(dir.path(), c.name), !c.found.isEmpty());
        if (found) {
            EXPECT_EQ(*found, dir.filePath(c.found));
        }
    }
    EXPECT_FALSE(FindFile(QStringLiteral("/no/such/folder/"), QStringLiteral("x")).has_value());
}

TEST(FileCopyTest, CopiesIntoANewWritableFileAndNeverOverwrites) {
    QTemporaryDir dir;
    const QString modelo = dir.filePath(QStringLiteral("Movimento.mdb"));
    Write(modelo, QByteArray(3 << 20, 'm'));  // larger than one read
    ASSERT_TRUE(QFile::setPermissions(modelo, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    QString reason;
    const QString alvo = dir.filePath(QStringLiteral("MV030012.MDB"));
    ASSERT_TRUE(CopyNewFile(modelo, alvo, reason)) << reason.toStdString();
    EXPECT_EQ(Read(alvo), Read(modelo));
    EXPECT_TRUE(QFile::permissions(alvo) & QFile::WriteOwner);

    Write(alvo, "documentos");
    EXPECT_FALSE(CopyNewFile(modelo, alvo, reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(Read(alvo), QByteArray("documentos"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// A folder that cannot take the file (here a plain file where the folder should be, which stops
// every user) and a missing source fail with a reason and leave nothing behind.
TEST(FileCopyTest, AFailedCopyGivesTheReasonAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString modelo = dir.filePath(QStringLiteral("Movimento.mdb"));
    Write(modelo, "m");
    Write(dir.filePath(QStringLiteral("Tarvel")), "not a folder");
    struct Caso {
        QString source, target;
    };
    for (const Caso& c :
         {Caso{modelo, dir.filePath(QStringLiteral("Tarvel/MV030012.MDB"))},
          Caso{dir.filePath(QStringLiteral("Nenhum.mdb")), dir.filePath(QStringLiteral("B.MDB"))}}) {
        QString reason;
        EXPECT_FALSE(CopyNewFile(c.source, c.target, reason));
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }
}

}  // namespace
