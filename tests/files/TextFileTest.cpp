#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/files/TextFile.h"

using platform::files::TextFile;

namespace {

QByteArray read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "missing";
    return f.readAll();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(TextFile, WritesWindows1252LinesEachEndedByCrLfAndReplacesTheTargetOnlyOnCommit) {
    QTemporaryDir dir;
    const QString path = dir.filePath("SINT007.TXT");
    write(path, "old");
    TextFile file(path);
    ASSERT_TRUE(file.Open());
    file.WriteLine(QString::fromUtf8("Ação nº 1 €"));
    file.WriteLine(QString::fromUtf8("日本 \U0001F600"));
    file.WriteLine(QString());
    EXPECT_EQ(read(path), "old");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(read(path), QByteArray("A\xE7\xE3o n\xBA 1 \x80\r\n?? ?\r\n\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"SINT007.TXT"});
}

TEST(TextFile, LeavesNoPartialFileAndTheOldOneAsItWasWhenNotCommittedOrWhenTheFolderIsMissing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("A.TXT");
    write(path, "old");
    {
        TextFile file(path);
        ASSERT_TRUE(file.Open());
        for (int i = 0; i < 20000; ++i) file.WriteLine(QString(124, u'x'));
    }
    EXPECT_EQ(read(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"A.TXT"});

    TextFile missing(dir.filePath("no/such/folder/B.TXT"));
    EXPECT_FALSE(missing.Open());
    missing.WriteLine("x");
    EXPECT_FALSE(missing.Commit());
    EXPECT_FALSE(QFile::exists(dir.filePath("no")));
}

}  // namespace
