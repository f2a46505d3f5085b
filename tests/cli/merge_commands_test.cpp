// oxlin add, merge and show over packages on disk.
#include "cli/commands.h"
#include "cli/rich/rich_text_commands.h"
#include "cli_test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using oxlin::cli::run;

namespace {

class MergeCommands : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    int add(const QString& package, const char* item, const QByteArray& text) {
        const QString source = path("input.txt");
        oxlin::test::writeFile(source, text);
        return run({QStringLiteral("add"), package, QString::fromUtf8(item), source});
    }
    QString show(const QString& package, int* code = nullptr) {
        testing::internal::CaptureStdout();
        const int result = run({QStringLiteral("show"), package});
        if (code)
            *code = result;
        return QString::fromStdString(testing::internal::GetCapturedStdout());
    }
    QTemporaryDir dir;
};

TEST_F(MergeCommands, AddMakesTopicsAndFoldersAndAppends) {
    const QString book = path("Book.xzz");
    ASSERT_EQ(add(book, "Work\\Plan.txt", "first\n"), 0);
    ASSERT_EQ(add(book, "Work/Plan.txt", "second"), 0);
    ASSERT_EQ(add(book, "Other.txt", "other"), 0);
    EXPECT_EQ(show(book), QStringLiteral("Work\\\nWork\\Plan.txt\n    first\n    second\n"
                                         "Other.txt\n    other\n"));
    EXPECT_EQ(add(book, "Work\\Plan", "x"), 1) << "not a text topic";
    EXPECT_EQ(add(book, "Work\\\\Plan.txt", "x"), 1) << "an empty label";
    // A notebook open in the application is left alone.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Book")));
    const QByteArray before = oxlin::test::readFile(book);
    EXPECT_EQ(add(book, "Work\\Plan.txt", "late"), 1);
    EXPECT_EQ(oxlin::test::readFile(book), before);
}

TEST_F(MergeCommands, MergeWritesOursAndSaysWhatWasKeptTwice) {
    const QString base = path("base.xzz"), ours = path("ours.xzz"), theirs = path("theirs.xzz");
    ASSERT_EQ(add(base, "A.txt", "a"), 0);
    ASSERT_EQ(add(base, "B.txt", "b"), 0);
    ASSERT_TRUE(QFile::copy(base, ours) && QFile::copy(base, theirs));
    ASSERT_EQ(add(ours, "A.txt", "ours"), 0);
    ASSERT_EQ(add(theirs, "A.txt", "theirs"), 0);
    ASSERT_EQ(add(theirs, "B.txt", "theirs"), 0);
    testing::internal::CaptureStdout();
    EXPECT_EQ(run({QStringLiteral("merge"), base, ours, theirs}), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "changed on both sides, kept twice: A.txt (theirs as A (other copy).txt)\n");
    EXPECT_EQ(show(ours), QStringLiteral("A.txt\n    a\n    ours\nA (other copy).txt\n    a\n"
                                         "    theirs\nB.txt\n    b\n    theirs\n"));
    // Merged with itself, a package is not even rewritten.
    const QByteArray merged = oxlin::test::readFile(ours);
    QFile::remove(theirs);
    ASSERT_TRUE(QFile::copy(ours, theirs));
    EXPECT_EQ(run({QStringLiteral("merge"), ours, ours, theirs}), 0);
    EXPECT_EQ(oxlin::test::readFile(ours), merged);
}

TEST_F(MergeCommands, DamagedInputsMergeNothing) {
    const QString ours = path("ours.xzz"), theirs = path("theirs.xzz"), empty = path("empty");
    ASSERT_EQ(add(ours, "A.txt", "ours"), 0);
    ASSERT_EQ(add(theirs, "A.txt", "theirs"), 0);
    const QByteArray before = oxlin::test::readFile(ours);
    const QByteArray whole = oxlin::test::readFile(theirs);
    const QString damaged = path("damaged.xzz");
    for (const QByteArray& bytes : {whole.left(whole.size() - 3), QByteArray("text")}) {
        oxlin::test::writeFile(damaged, bytes);
        EXPECT_EQ(run({QStringLiteral("merge"), ours, ours, damaged}), 1);
        EXPECT_EQ(run({QStringLiteral("merge"), damaged, ours, theirs}), 1);
        EXPECT_EQ(oxlin::test::readFile(ours), before);
        EXPECT_EQ(oxlin::test::readFile(damaged), bytes);
    }
    int code = 0;
    show(damaged, &code);
    EXPECT_EQ(code, 1);
    // Git's empty stand-in for a missing common state: the copies are merged.
    oxlin::test::writeFile(empty, QByteArray());
    EXPECT_EQ(run({QStringLiteral("merge"), empty, ours, theirs}), 0);
    EXPECT_TRUE(show(ours).contains(QStringLiteral("A (other copy).txt\n    theirs")));
}

} // namespace
