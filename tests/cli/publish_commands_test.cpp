// oxlin export --as html|markdown and import --markdown: a notebook out as a
// site or Markdown and back in, with its links, and a line of progress per
// hundred topics on stderr.

#include "cli/rich/rich_text_commands.h"
#include "cli_test_files.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using oxlin::cli::run;
using oxlin::test::readFile;
using oxlin::test::writeFile;

namespace {

class PublishCommandsTest : public ::testing::Test {
protected:
    PublishCommandsTest() { EXPECT_EQ(run({"new", package()}), 0); }
    QString package() const { return dir.filePath("Book.xzz"); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(PublishCommandsTest, MarkdownInThenOutAsPagesAndAsMarkdownKeepsTheLinks) {
    writeFile(path("Notes/start.md"), "# Start\n\nGo [on](Sub/next.md).\n");
    writeFile(path("Notes/Sub/next.md"), "Back to [start](../start.md).\n");
    writeFile(path("plain.md"), "*kept as a file*\n");
    ASSERT_EQ(run({"import", package(), path("Notes"), "--markdown"}), 0);
    ASSERT_EQ(run({"import", package(), path("plain.md")}), 0); // without the option: a file

    ASSERT_EQ(run({"export", package(), "\\", path("site"), "--as", "html"}), 0);
    for (const char* page : {"index.html", "Notes/start.html", "Notes/Sub/next.html", "plain.md"})
        EXPECT_TRUE(QFileInfo::exists(path("site/") + page)) << page;
    EXPECT_TRUE(readFile(path("site/Notes/start.html")).contains("<a href=\"Sub/next.html\">"));
    EXPECT_TRUE(readFile(path("site/Notes/Sub/next.html")).contains("href=\"../start.html\""));
    EXPECT_EQ(readFile(path("site/plain.md")), "*kept as a file*\n");
    // "\\" is the top level for the stored files too.
    ASSERT_EQ(run({"export", package(), "\\", path("files")}), 0);
    EXPECT_EQ(readFile(path("files/plain.md")), "*kept as a file*\n");
    EXPECT_TRUE(readFile(path("files/Notes/start.rtf")).startsWith("{\\rtf1"));

    ASSERT_EQ(run({"export", package(), "Notes\\", path("md"), "--as", "markdown"}), 0);
    // The heading comes back as the bold line it is in the topic.
    EXPECT_EQ(readFile(path("md/start.md")), "**Start**\n\nGo [on](Sub/next.md).\n");
    EXPECT_EQ(readFile(path("md/Sub/next.md")), "Back to [start](../start.md).\n");
    EXPECT_TRUE(QFileInfo::exists(path("md/index.md")));

    ASSERT_EQ(run({"export", package(), "\\", path("book.pdf"), "--as", "pdf"}), 0);
    EXPECT_TRUE(readFile(path("book.pdf")).startsWith("%PDF-"));
    EXPECT_EQ(run({"export", package(), "\\", path("book.pdf"), "--as", "pdf"}), 1); // kept

    // A folder already there is never written into.
    EXPECT_EQ(run({"export", package(), "Notes", path("md"), "--as", "markdown"}), 1);
    EXPECT_EQ(run({"export", package(), "Nowhere", path("x"), "--as", "html"}), 1);
    EXPECT_EQ(run({"export", package(), "Notes", path("y"), "--as", "word"}), 2);
    EXPECT_EQ(run({"export", package(), "Notes", path("y"), "--as"}), 2);
    EXPECT_FALSE(QFileInfo::exists(path("x")));
    EXPECT_FALSE(QFileInfo::exists(path("y")));
}

TEST_F(PublishCommandsTest, ALongExportSaysHowFarItIsEveryHundredTopics) {
    for (int i = 0; i < 250; ++i)
        writeFile(path(QStringLiteral("Many/%1.txt").arg(i)), QByteArray::number(i));
    ASSERT_EQ(run({"import", package(), path("Many")}), 0);
    testing::internal::CaptureStderr();
    const int exit = run({"export", package(), "Many", path("site"), "--as", "html"});
    QStringList said = QString::fromStdString(testing::internal::GetCapturedStderr())
                           .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    said = said.filter(QRegularExpression(QStringLiteral("^oxlin: "))); // not Qt's own notes
    EXPECT_EQ(exit, 0);
    EXPECT_EQ(said, (QStringList{"oxlin: 100 of 250 topics exported",
                                 "oxlin: 200 of 250 topics exported"}));
    EXPECT_EQ(QDir(path("site")).entryList(QDir::Files).size(), 251);
}
