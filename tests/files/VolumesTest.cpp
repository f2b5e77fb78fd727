#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/files/Folders.h"
#include "platform/files/Volumes.h"

using namespace platform::files;

namespace {

TEST(VolumesTest, APathBelongsToTheDeepestVolumeThatHoldsItAndTestsMayReplaceTheList) {
    const QList<Volume> volumes{{"/", "sistema"}, {"/media/", "midia"}, {"/media/usb/", "pendrive"}};
    EXPECT_EQ(volumeHolding(volumes, "/home/ana/Tarvel/"), 0);
    EXPECT_EQ(volumeHolding(volumes, "/media/cd"), 1);
    EXPECT_EQ(volumeHolding(volumes, "/media/usb"), 2);
    EXPECT_EQ(volumeHolding(volumes, "/media/usb/SINT007.TXT"), 2);
    EXPECT_EQ(volumeHolding(volumes, "/media/usb2/"), 1);
    EXPECT_EQ(volumeHolding({{"/media/", "midia"}}, "/home/"), -1);

    EXPECT_TRUE(isReadable({"/", "sistema"}));
    EXPECT_FALSE(isReadable({"/", "sistema", false}));
    EXPECT_FALSE(isReadable({"/nao/existe/", "cdrom"}));

    setVolumeSource([&] { return volumes; });
    EXPECT_EQ(mountedVolumes().size(), 3);
    setVolumeSource({});
    const QList<Volume> reais = mountedVolumes();
    ASSERT_FALSE(reais.isEmpty());
    EXPECT_GE(volumeHolding(reais, QDir::currentPath()), 0);
    for (const Volume& v : reais) EXPECT_TRUE(v.root.endsWith('/')) << v.root.toStdString();
}

TEST(FoldersTest, AFolderListsItsVisibleFoldersByNameIgnoringCase) {
    QTemporaryDir dir;
    for (const char* nome : {"beta", "Alfa", "gama/dentro", ".oculta"})
        ASSERT_TRUE(QDir(dir.path()).mkpath(nome));
    QFile arquivo(dir.filePath("arquivo"));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    EXPECT_EQ(subfolders(dir.path()), QStringList({"Alfa", "beta", "gama"}));
    EXPECT_TRUE(subfolders(dir.filePath("arquivo/sub")).isEmpty());

    EXPECT_EQ(folderPath(dir.filePath("gama/dentro/..")), dir.path() + "/gama/");
    EXPECT_EQ(parentFolder(dir.filePath("gama/")), dir.path() + "/");
    EXPECT_EQ(folderPath("/"), "/");
    EXPECT_TRUE(parentFolder("/").isEmpty());
}

}  // namespace
