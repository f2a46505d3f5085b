#include "cli/commands.h"
#include "cli/rich/rich_text_commands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

TEST(StoreCommands, HelpSummariesShareOneColumn) {
    testing::internal::CaptureStdout();
    ASSERT_EQ(run(args({QStringLiteral("--help")})), 0);
    const QString help = QString::fromStdString(testing::internal::GetCapturedStdout());
    const QStringList lines = help.split(QLatin1Char('\n'));
    const auto rich = oxlin::cli::richTextCommands();
    std::vector<oxlin::cli::Command> commands = oxlin::cli::storeCommands();
    for (auto more : {oxlin::cli::treeCommands(), oxlin::cli::transferCommands(rich),
                      oxlin::cli::rtfCommands(rich), oxlin::cli::searchCommands(rich)})
        commands.insert(commands.end(), more.begin(), more.end());
    // Each summary stands in the same column, long arguments or not.
    std::set<qsizetype> columns;
    for (const oxlin::cli::Command& command : commands) {
        const QString summary = QString::fromUtf8(command.summary);
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString& each) {
            return each.endsWith(summary);
        });
        ASSERT_NE(line, lines.end()) << command.name;
        columns.insert(line->size() - summary.size());
    }
    EXPECT_EQ(columns.size(), 1u) << qPrintable(help);
}

namespace {

QString makePackage(const QTemporaryDir& dir, const QString& name,
                    const QList<std::pair<QString, QByteArray>>& members) {
    const QString folder = dir.filePath(name + QStringLiteral(".members"));
    QDir().mkpath(folder);
    for (const auto& [file, bytes] : members) {
        QFile out(QDir(folder).filePath(file));
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes);
    }
    const QString package = dir.filePath(name + QStringLiteral(".xzz"));
    EXPECT_EQ(run(args({QStringLiteral("pack"), folder, package})), 0);
    return package;
}

} // namespace

TEST(StoreCommands, LeftOutMembersAndUnreadableTreesAreFailures) {
    QTemporaryDir dir;
    const QString twins = makePackage(dir, QStringLiteral("twins"),
                                      {{QStringLiteral("0000000a.xtz"), "one"},
                                       {QStringLiteral("0000000A.xtz"), "two"}});
    EXPECT_EQ(run(args({QStringLiteral("unpack"), twins, dir.filePath(QStringLiteral("out"))})), 1);
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("out"))).entryList(QDir::Files).size(), 1);

    const QString damaged = makePackage(dir, QStringLiteral("damaged"),
                                        {{QStringLiteral("Tree.xtz"), "not a gzip member"},
                                         {QStringLiteral("Z.xtz"), "z"}});
    EXPECT_EQ(run(args({QStringLiteral("tree"), damaged})), 1);

    const QString fine = dir.filePath(QStringLiteral("fine.xzz"));
    EXPECT_EQ(run(args({QStringLiteral("new"), fine})), 0);
    EXPECT_EQ(run(args({QStringLiteral("tree"), fine})), 0);
    EXPECT_EQ(run(args({QStringLiteral("unpack"), fine, dir.filePath(QStringLiteral("fresh"))})), 0);
}

TEST(StoreCommands, ATopicTooLargeForMemoryIsRefused) {
    QTemporaryDir dir;
    QFile huge(dir.filePath(QStringLiteral("huge.rtf")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(300) * 1024 * 1024)); // sparse: no disk is used
    huge.close();
    EXPECT_EQ(run(args({QStringLiteral("rtf"), QStringLiteral("text"), huge.fileName()})), 1);
}
