// oxlin import and export as scripts and backups use them: a round trip
// gives the same bytes, --into finds its folder, and a notebook open in the
// application is never touched.

#include "cli/rich/rich_text_commands.h"
#include "cli_test_files.h"
#include "core/session/instance_lock.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"
#include "core/tree/topic_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <vector>

using oxlin::cli::run;

namespace {

using oxlin::test::readFile;
using oxlin::test::writeFile;

// Every file below `folder` by its relative path, with its bytes.
std::map<QString, QByteArray> filesBelow(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = readFile(path);
    }
    return files;
}

class TransferCommandsTest : public ::testing::Test {
protected:
    TransferCommandsTest() { EXPECT_EQ(run({"new", package()}), 0); }
    QString package() const { return dir.filePath("Book.xzz"); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(TransferCommandsTest, ExportOfAnImportedFolderGivesTheSameBytes) {
    QByteArray binary;
    for (int i = 0; i < 70'000; ++i)
        binary.append(char(i * 7919 % 251));
    writeFile(path("Docs/readme.txt"), "plain text\r\n");
    writeFile(path("Docs/.hidden-file"), "dot file");
    writeFile(path("Docs/photo.jpg"), binary);
    writeFile(path("Docs/Sub/letter.rtf"), "{\\rtf1\\ansi hello}");
    writeFile(path("Docs/Sub/Deeper/empty"), "");
    ASSERT_EQ(run({"import", package(), path("Docs")}), 0);
    EXPECT_FALSE(QFileInfo::exists(path("Book"))); // the working folder is gone again

    ASSERT_EQ(run({"export", package(), "Docs", path("Back")}), 0);
    EXPECT_EQ(filesBelow(path("Back")), filesBelow(path("Docs")));
    // A topic alone: into a folder under its label, or to the path given.
    ASSERT_EQ(run({"export", package(), "Docs\\Sub\\letter.rtf", dir.path()}), 0);
    EXPECT_EQ(readFile(path("letter.rtf")), "{\\rtf1\\ansi hello}");
    ASSERT_EQ(run({"export", package(), "docs\\PHOTO.JPG", path("copy.jpg")}), 0);
    EXPECT_EQ(readFile(path("copy.jpg")), binary);
    // Exporting over what exists is refused.
    EXPECT_EQ(run({"export", package(), "Docs", path("Back")}), 1);
}

TEST_F(TransferCommandsTest, IntoPutsFilesLastAndFoldersFirstInTheNamedFolder) {
    writeFile(path("Plans/a.txt"), "a");
    writeFile(path("note.txt"), "n");
    writeFile(path("More/m.txt"), "m");
    ASSERT_EQ(run({"import", package(), path("Plans")}), 0);
    // A folder path as `tree` prints it, with its trailing "\".
    ASSERT_EQ(run({"import", package(), path("note.txt"), path("More"), "--into", "Plans\\"}), 0);
    ASSERT_EQ(run({"export", package(), "Plans", path("out")}), 0);
    EXPECT_EQ(QDir(path("out")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"More", "a.txt", "note.txt"}));
    EXPECT_EQ(run({"import", package(), path("note.txt"), "--into", "Nowhere"}), 1);
    EXPECT_EQ(run({"export", package(), "Nowhere", path("out2")}), 1);
}

TEST_F(TransferCommandsTest, ANotebookOpenInTheApplicationIsRefusedUntouched) {
    writeFile(path("a.txt"), "a");
    const QByteArray before = readFile(package());
    QDir().mkpath(path("Book"));
    EXPECT_EQ(run({"import", package(), path("a.txt")}), 1);
    EXPECT_EQ(run({"export", package(), "a.txt", path("a-out.txt")}), 1);
    EXPECT_EQ(readFile(package()), before);
    EXPECT_FALSE(QFileInfo::exists(path("a-out.txt")));
    EXPECT_TRUE(QDir(path("Book")).isEmpty());
}

TEST_F(TransferCommandsTest, AnExistingFileIsReplacedOnlyWithForce) {
    writeFile(path("a.txt"), "new text");
    ASSERT_EQ(run({"import", package(), path("a.txt")}), 0);
    writeFile(path("mine.txt"), "the user's own");
    EXPECT_EQ(run({"export", package(), "a.txt", path("mine.txt")}), 1);
    EXPECT_EQ(readFile(path("mine.txt")), "the user's own");
    // A link that leads nowhere holds the name as well; nothing is made at its end.
    ASSERT_TRUE(QFile::link(path("nowhere.txt"), path("dangling.txt")));
    EXPECT_EQ(run({"export", package(), "a.txt", path("dangling.txt")}), 1);
    EXPECT_FALSE(QFileInfo::exists(path("nowhere.txt")));

    EXPECT_EQ(run({"export", package(), "a.txt", path("mine.txt"), "--force"}), 0);
    EXPECT_EQ(readFile(path("mine.txt")), "new text");
    EXPECT_EQ(run({"export", "--force", package(), "a.txt", path("dangling.txt")}), 0);
    EXPECT_FALSE(QFileInfo(path("dangling.txt")).isSymLink());
    EXPECT_EQ(readFile(path("dangling.txt")), "new text");
    EXPECT_FALSE(QFileInfo::exists(path("nowhere.txt")));
    // Nothing is left beside the targets.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".txt.").size(), 0);
    EXPECT_EQ(run({"export", package(), "a.txt", path("x.txt"), "--force", "extra"}), 2);
}

TEST_F(TransferCommandsTest, WrongArgumentsAreUsageAndBadInputsAreFailures) {
    writeFile(path("a.txt"), "a");
    EXPECT_EQ(run({"import", package()}), 2);
    EXPECT_EQ(run({"import", package(), path("a.txt"), "--into"}), 2);
    EXPECT_EQ(run({"export", package(), "a.txt"}), 2);
    EXPECT_EQ(run({"import", package(), path("missing.txt")}), 1);
    EXPECT_EQ(run({"import", path("nobook.xzz"), path("a.txt")}), 1);
    writeFile(path("Broken.xzz"), "not a package");
    EXPECT_EQ(run({"import", path("Broken.xzz"), path("a.txt")}), 1);
    EXPECT_EQ(QDir(dir.path()).entryList({"Broken*"}), QStringList({"Broken.xzz"}));
    EXPECT_EQ(readFile(path("Broken.xzz")), "not a package");
}

TEST_F(TransferCommandsTest, AFolderAKilledImportLeftIsTakenUpWhenNothingWorksInIt) {
    writeFile(path("a.txt"), "a");
    // As a killed import leaves it: unpacked, marked, a topic file written
    // that the tree does not name yet.
    ASSERT_TRUE(oxlin::store::unpackPackage(path("Book"), package()).ok());
    writeFile(path("Book/.oxlin-import"), "");
    QByteArray compressed;
    EXPECT_TRUE(oxlin::store::compressBuffer("left behind", compressed).ok());
    writeFile(oxlin::tree::topicFilePath(path("Book"), 40), compressed);

    {
        // Oxlin runs on the folder: it may have the notebook open.
        oxlin::session::SingleInstanceLock application(dir.path(), ".Oxlin.lock");
        ASSERT_TRUE(application.tryAcquire());
        EXPECT_EQ(run({"import", package(), path("a.txt")}), 1);
    }
    {
        oxlin::session::SingleInstanceLock otherImport(dir.path(), ".Book.oxlin-import.lock");
        ASSERT_TRUE(otherImport.tryAcquire());
        EXPECT_EQ(run({"import", package(), path("a.txt")}), 1);
    }
    EXPECT_TRUE(QFileInfo::exists(oxlin::tree::topicFilePath(path("Book"), 40)));

    ASSERT_EQ(run({"import", package(), path("a.txt")}), 0);
    EXPECT_FALSE(QFileInfo::exists(path("Book")));
    ASSERT_EQ(run({"export", package(), "Recovered\\Topic 00000028.txt", path("left.txt")}), 0);
    EXPECT_EQ(readFile(path("left.txt")), "left behind");
    ASSERT_EQ(run({"export", package(), "a.txt", path("a-out.txt")}), 0);
    EXPECT_EQ(readFile(path("a-out.txt")), "a");
}

// The command line as the program gets it, by its bytes.
int runBytes(const std::vector<QByteArray>& arguments) {
    std::vector<char*> argv;
    QByteArray program = "oxlin";
    argv.push_back(program.data());
    std::vector<QByteArray> copies = arguments;
    for (QByteArray& each : copies)
        argv.push_back(each.data());
    return oxlin::cli::runProgram(int(argv.size()), argv.data(), oxlin::cli::richTextCommands());
}

TEST_F(TransferCommandsTest, PipesAreLeftOutAndNamesThatAreNotUtf8AreImported) {
    writeFile(path("in/ok.txt"), "ok");
    ASSERT_EQ(mkfifo(QFile::encodeName(path("in/pipe")).constData(), 0600), 0);
    const QByteArray latin = QFile::encodeName(path("in")) + "/caf\xE9.txt";
    const int fd = ::open(latin.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "latin", 5), 5);
    ::close(fd);

    // Not all of it: the pipe is left out and said to be.
    EXPECT_EQ(runBytes({"import", QFile::encodeName(package()), QFile::encodeName(path("in"))}), 1);
    EXPECT_FALSE(QFileInfo::exists(path("Book")));
    EXPECT_EQ(runBytes({"import", QFile::encodeName(package()), latin, "--into", "in"}), 0);
    ASSERT_EQ(run({"export", package(), "in", path("out")}), 0);
    EXPECT_EQ(
        QDir(path("out")).entryList(QDir::Files, QDir::Name),
        QStringList({QString::fromUtf8("café (2).txt"), QString::fromUtf8("café.txt"), "ok.txt"}));
    ::unlink(latin.constData());
}

} // namespace
