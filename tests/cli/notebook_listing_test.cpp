// oxlin's notebook commands as a user relies on them: `new` never replaces a
// notebook, `tree` marks folders, and packages list members in one order.

#include "cli/rich/rich_text_commands.h"
#include "cli_test_files.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

using oxlin::cli::run;

namespace {

using oxlin::test::readFile;
using oxlin::test::writeFile;

// What a command prints on standard output.
QByteArray outputOf(const QStringList& arguments, int& exitCode) {
    std::fflush(stdout);
    QTemporaryDir dir;
    const QString captured = QDir(dir.path()).filePath("out");
    const int saved = dup(fileno(stdout));
    std::FILE* file = std::fopen(captured.toLocal8Bit().constData(), "w");
    dup2(fileno(file), fileno(stdout));
    exitCode = run(arguments);
    std::fflush(stdout);
    dup2(saved, fileno(stdout));
    close(saved);
    std::fclose(file);
    return readFile(captured);
}

} // namespace

TEST(NotebookListing, NewNeverReplacesANotebook) {
    QTemporaryDir dir;
    const QString package = dir.filePath("Book.xzz");
    writeFile(package, "a notebook somebody wrote");
    EXPECT_EQ(run({"new", package}), 1);
    EXPECT_EQ(readFile(package), "a notebook somebody wrote");

    const QString fresh = dir.filePath("Fresh.xzz");
    EXPECT_EQ(run({"new", fresh}), 0);
    int code = -1;
    EXPECT_EQ(outputOf({"tree", fresh}, code), QByteArray());
    EXPECT_EQ(code, 0);
}

TEST(NotebookListing, VersionNamesTheTool) {
    int code = -1;
    EXPECT_TRUE(outputOf({"--version"}, code).startsWith("oxlin "));
    EXPECT_EQ(code, 0);
}

TEST(NotebookListing, TreeMarksFoldersAndPackagesKeepOneMemberOrder) {
    QTemporaryDir dir;
    const QDir work(dir.filePath("w"));
    QDir().mkpath(work.path());
    writeFile(work.filePath("Tree.ini"),
              "[\\Plans]\r\nGarden.txt=2\r\n[\\]\r\nPlans=0\r\nTop.txt=3\r\n");
    ASSERT_TRUE(
        oxlin::store::compressFile(work.filePath("Tree.ini"), work.filePath("Tree.xtz")).ok());
    QFile::remove(work.filePath("Tree.ini"));
    writeFile(work.filePath("B.xtz"), "b");
    writeFile(work.filePath("a.xtz"), "a");
    const QString package = dir.filePath("n.xzz");
    ASSERT_EQ(run({"pack", work.path(), package}), 0);

    int code = -1;
    EXPECT_EQ(outputOf({"tree", package}, code), "Plans\\\nPlans\\Garden.txt\t2\nTop.txt\t3\n");
    EXPECT_EQ(code, 0);

    // Members follow their names without regard to case, wherever packed.
    const QByteArray bytes = readFile(package);
    const qsizetype a = bytes.lastIndexOf(QByteArray("a\0", 2));
    const qsizetype b = bytes.lastIndexOf(QByteArray("B\0", 2));
    const qsizetype tree = bytes.lastIndexOf("Tree");
    ASSERT_GT(a, 0);
    EXPECT_LT(a, b);
    EXPECT_LT(b, tree);
}

TEST(NotebookListing, BuildKeepsTheTopicsOfFoldersWithAwkwardNames) {
    // A folder whose name holds characters the tree file reserves: built
    // and listed again, its topic is still in it.
    QTemporaryDir dir;
    writeFile(dir.filePath("src/Notes [2024]/x.txt"), "one");
    writeFile(dir.filePath("src/a=b/y.txt"), "two");
    const QString package = dir.filePath("b.xzz");
    ASSERT_EQ(run({"build", dir.filePath("src"), package}), 0);
    int code = -1;
    EXPECT_EQ(outputOf({"tree", package}, code),
              "Notes _2024_\\\nNotes _2024_\\x.txt\t2\na_b\\\na_b\\y.txt\t1\n");
    EXPECT_EQ(code, 0);
}
