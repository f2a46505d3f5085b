#include "cli/commands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using oxlin::cli::run;

namespace {

QStringList args(std::initializer_list<QString> list) { return QStringList(list); }

} // namespace

TEST(StoreCommands, ExitCodesFollowTheOperations) {
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("a.txt"));
    const QString packed = dir.filePath(QStringLiteral("work/A.xtz"));
    QDir(dir.path()).mkdir(QStringLiteral("work"));
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("note text\r\n");
    file.close();

    EXPECT_EQ(run(args({QStringLiteral("compress"), text, packed})), 0);
    EXPECT_EQ(run(args({QStringLiteral("pack"), dir.filePath(QStringLiteral("work")),
                        dir.filePath(QStringLiteral("b.xzz"))})), 0);
    EXPECT_EQ(run(args({QStringLiteral("unpack"), dir.filePath(QStringLiteral("b.xzz")),
                        dir.filePath(QStringLiteral("out"))})), 0);
    EXPECT_EQ(run(args({QStringLiteral("decompress"), dir.filePath(QStringLiteral("out/A.xtz")),
                        dir.filePath(QStringLiteral("back.txt"))})), 0);
    QFile back(dir.filePath(QStringLiteral("back.txt")));
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), "note text\r\n");

    EXPECT_EQ(run(args({QStringLiteral("decompress"), text, dir.filePath(QStringLiteral("x"))})), 1)
        << "plain text is not compressed";
    EXPECT_EQ(run(args({QStringLiteral("pack"), dir.filePath(QStringLiteral("empty")),
                        dir.filePath(QStringLiteral("c.xzz"))})), 1);
    EXPECT_EQ(run(args({QStringLiteral("unpack"), text, dir.filePath(QStringLiteral("out"))})), 1);
}

TEST(StoreCommands, WrongArgumentsAreUsageErrors) {
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run(args({QStringLiteral("compress")})), 2);
    EXPECT_EQ(run(args({QStringLiteral("compress"), QStringLiteral("a"), QStringLiteral("b"),
                        QStringLiteral("c")})), 2);
    EXPECT_EQ(run(args({QStringLiteral("frobnicate")})), 2);
    EXPECT_EQ(run(args({QStringLiteral("--help")})), 0);
}
