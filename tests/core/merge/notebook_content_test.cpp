// Members read from packages and working folders, and written back.
#include "core/merge/notebook_content.h"
#include "core/store/package.h"
#include "merge_fixture.h"
#include "test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace oxlin::merge {
namespace {

class NotebookContentTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::Book book;
        book.topics[QStringLiteral("A.txt")] = {1, "a"};
        book.topics[QStringLiteral("F\\B.txt")] = {2, "b"};
        content = test::contentOf(book);
        folder = dir.filePath(QStringLiteral("work"));
        package = dir.filePath(QStringLiteral("Book.xzz"));
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(writeNewFolderContent(folder, content).ok());
        ASSERT_TRUE(store::packFolder(folder, package).ok());
    }
    QTemporaryDir dir;
    QString folder, package;
    NotebookContent content;
};

TEST_F(NotebookContentTest, PackageAndFolderHoldTheSameMembers) {
    NotebookContent fromPackage, fromFolder;
    ASSERT_TRUE(readPackageContent(package, fromPackage).ok());
    ASSERT_TRUE(readFolderContent(folder, fromFolder).ok());
    for (const NotebookContent* read : {&fromPackage, &fromFolder}) {
        EXPECT_EQ(read->size(), content.size());
        for (const NotebookContent::Member& member : content.members())
            EXPECT_EQ(read->bytes(member.name), member.bytes);
    }
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("00000001.XTZ"))));
}

TEST_F(NotebookContentTest, WritingAFolderChangesOnlyWhatDiffers) {
    NotebookContent after = content;
    after.put(QStringLiteral("00000001"), test::compressed("a, changed"));
    after.remove(QStringLiteral("00000002"));
    after.put(QStringLiteral("00000003"), test::compressed("c"));
    ASSERT_TRUE(writeFolderContent(folder, content, after).ok());
    NotebookContent read;
    ASSERT_TRUE(readFolderContent(folder, read).ok());
    EXPECT_EQ(read.size(), after.size());
    for (const NotebookContent::Member& member : after.members())
        EXPECT_EQ(read.bytes(member.name), member.bytes);
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("00000002.XTZ"))));
}

TEST_F(NotebookContentTest, DamagedTruncatedOrForeignFilesAreNoNotebooks) {
    NotebookContent read;
    EXPECT_EQ(readPackageContent(dir.filePath(QStringLiteral("none.xzz")), read).code(),
              store::Status::Code::NotFound);
    const QByteArray whole = test::readAll(package);
    const QString damaged = dir.filePath(QStringLiteral("damaged.xzz"));
    for (const QByteArray& bytes : {whole.left(whole.size() - 7), whole.left(whole.size() / 2),
                                    QByteArray("plain text"), QByteArray()}) {
        test::writeAll(damaged, bytes);
        EXPECT_EQ(readPackageContent(damaged, read).code(), store::Status::Code::Corrupt);
        EXPECT_TRUE(read.isEmpty());
    }
    // A package whose tree member does not decode.
    NotebookContent noTree = content;
    noTree.put(QStringLiteral("Tree"), QByteArray("garbage"));
    QTemporaryDir other;
    ASSERT_TRUE(writeNewFolderContent(other.path(), noTree).ok());
    ASSERT_TRUE(store::packFolder(other.path(), damaged).ok());
    EXPECT_EQ(readPackageContent(damaged, read).code(), store::Status::Code::Corrupt);
}

} // namespace
} // namespace oxlin::merge
