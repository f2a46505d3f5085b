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
