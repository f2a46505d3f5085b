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

// The help in the user's language when it is installed, in English otherwise;
// the first language the user names that we have a help in decides.
TEST(InstallLayoutTest, HelpInTheFirstOfTheUsersLanguagesThatHasOne) {
    QTemporaryDir dir;
    const QString bin = dir.filePath("usr/bin");
    const QString share = dir.filePath("usr/share/oxlin");
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(share));
    const auto help = [&](QStringList languages) { return helpPackagePath(bin, languages); };
    const auto touch = [](const QString& path) { return QFile(path).open(QIODevice::WriteOnly); };
    ASSERT_TRUE(touch(share + "/OxlinHelp.xzz"));
    EXPECT_EQ(help({"de-DE", "de"}), share + "/OxlinHelp.xzz") << "no German help installed";

    ASSERT_TRUE(touch(share + "/OxlinHelp_de.xzz") && touch(share + "/OxlinHelp_zh_CN.xzz"));
    for (const char* german : {"de", "de-DE", "de-AT", "de_CH"})
        EXPECT_EQ(help({german}), share + "/OxlinHelp_de.xzz") << german;
    for (const char* simplified : {"zh", "zh-CN", "zh_CN", "zh-Hans-CN", "zh-Hans-TW", "zh-SG"})
        EXPECT_EQ(help({simplified}), share + "/OxlinHelp_zh_CN.xzz") << simplified;
    for (const char* other : {"zh-TW", "zh-Hant-HK", "zh-HK", "fr-FR", "C", "en-US"})
        EXPECT_EQ(help({other}), share + "/OxlinHelp.xzz") << other;
    EXPECT_EQ(help({}), share + "/OxlinHelp.xzz");

    EXPECT_EQ(help({"fr-FR", "zh-TW", "de-DE", "zh-CN"}), share + "/OxlinHelp_de.xzz")
        << "languages without a help are passed over";
    EXPECT_EQ(help({"en-GB", "de-DE"}), share + "/OxlinHelp.xzz") << "English first is English";
    ASSERT_TRUE(touch(bin + "/OxlinHelp_de.xzz"));
    EXPECT_EQ(help({"de-DE"}), bin + "/OxlinHelp_de.xzz") << "a copied folder wins";
}
