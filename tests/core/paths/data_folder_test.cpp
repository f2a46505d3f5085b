#include "core/paths/install_layout.h"
#include "core/paths/notebook_paths.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace oxlin::paths;

// The rule under every combination of what can be written, named by the
// test, so it is checked the same way under any user (root writes anywhere).
TEST(DataFolderTest, PortableWhereverItCanBeWrittenElseTheUsersFolder) {
    QTemporaryDir dir;
    const QString bin = dir.filePath("bin");
    const QString portableDir = bin + "/OxlinData";
    const QString portable = QDir::toNativeSeparators(portableDir);
    const QString fallback = QDir::toNativeSeparators(dir.filePath("share/Oxlin/OxlinData"));
    ASSERT_TRUE(QDir().mkpath(bin));
    QSet<QString> writable;
    const auto choose = [&] {
        return chooseDataFolder(bin, dir.filePath("share/Oxlin"),
                                [&](const QString& f) { return writable.contains(f); });
    };

    EXPECT_EQ(choose(), fallback); // a read-only install location
    writable = {bin};
    EXPECT_EQ(choose(), portable); // the folder can be made beside the program

    ASSERT_TRUE(QDir().mkpath(portableDir));
    EXPECT_EQ(choose(), fallback) << "an existing data folder that cannot be written";
    writable = {portableDir};
    EXPECT_EQ(choose(), portable) << "a writable data folder in a read-only install";
}

TEST(DataFolderTest, OnlyFoldersTheUserMayWriteToAreWritable) {
    QTemporaryDir dir;
    EXPECT_TRUE(isWritableFolder(dir.path()));
    EXPECT_FALSE(isWritableFolder(dir.filePath("missing")));
    QFile file(dir.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_FALSE(isWritableFolder(file.fileName()));

    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: a read-only folder still takes files";
    const QString locked = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_FALSE(isWritableFolder(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A build keeps the help beside the programs; a system install keeps it in
// share/oxlin, with the marker of the package that installed it.
TEST(InstallLayoutTest, HelpBesideTheProgramsElseInTheInstallsDataFolder) {
    QTemporaryDir dir;
    const QString bin = dir.filePath("usr/bin");
    const QString share = dir.filePath("usr/share/oxlin");
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(share));
    const auto touch = [](const QString& path, const QByteArray& text = {}) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };

    EXPECT_EQ(helpPackagePath(bin), bin + "/OxlinHelp.xzz") << "neither: named beside";
    ASSERT_TRUE(touch(share + "/OxlinHelp.xzz"));
    EXPECT_EQ(helpPackagePath(bin), share + "/OxlinHelp.xzz");
    ASSERT_TRUE(touch(bin + "/OxlinHelp.xzz"));
    EXPECT_EQ(helpPackagePath(bin), bin + "/OxlinHelp.xzz") << "a copied folder wins";

    EXPECT_EQ(installingPackage(bin), QString());
    ASSERT_TRUE(touch(share + "/installed-by-package", "Debian package\nmore\n"));
    EXPECT_EQ(installingPackage(bin), QString("Debian package"));
    ASSERT_TRUE(touch(share + "/installed-by-package"));
    EXPECT_EQ(installingPackage(bin), QString("package")) << "an empty marker still counts";
}
