// What the store asks of the file system, and in which order: every rename
// the notebook depends on is followed by a sync of its folder, unpacked
// members reach the disk before anything else is written, and a failure of
// any step leaves the file that was there.

#include "core/store/atomic_file.h"
#include "core/store/package.h"
#include "faulty_file_system.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

using namespace oxlin::store;
using namespace oxlin::test;

namespace {

class FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(dir_.path()).mkpath("work"));
        ASSERT_TRUE(QDir(dir_.path()).mkpath("out"));
        writeAll(path("work/Tree.xtz"), "tree");
        writeAll(path("work/Z.xtz"), "runtime");
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QString folderName() const { return QDir(dir_.path()).dirName(); }
    QTemporaryDir dir_;
    FaultyFileSystem fs;
};

TEST_F(FileSystemTest, AReplacedFileIsFollowedByASyncOfItsFolder) {
    writeAll(path("Tree.ini"), "old");
    ASSERT_TRUE(writeFileAtomically(path("Tree.ini"), "new", fs).ok());
    EXPECT_EQ(fs.log, QStringList({"commit Tree.ini", "syncFolder " + folderName()}));

    ASSERT_TRUE(packFolder(path("work"), path("book.xzz"), fs).ok());
    EXPECT_EQ(fs.log.mid(2), QStringList({"commit book.xzz", "syncFolder " + folderName()}));
}

TEST_F(FileSystemTest, AFailedSyncIsAFailure) {
    // The new file may be in place, but a power cut can still take it back:
    // the caller must not remove what it would fall back on.
    fs.failOn("syncFolder", folderName());
    EXPECT_FALSE(writeFileAtomically(path("Tree.ini"), "new", fs).ok());
    EXPECT_FALSE(packFolder(path("work"), path("book.xzz"), fs).ok());
}

TEST_F(FileSystemTest, AFailureKeepsTheFileAndTheSystemErrorBehindIt) {
    // The clean-up after a failed commit makes system calls of its own; the
    // cause the user is told must still be the disk's.
    fs.failOn("commit", "book.xzz");
    EXPECT_EQ(packFolder(path("work"), path("book.xzz"), fs),
              Status(Status::Code::WriteFailed, path("book.xzz"), ENOSPC));
    fs.failOn("syncFolder", folderName(), EIO);
    EXPECT_EQ(writeFileAtomically(path("Tree.ini"), "new", fs),
              Status(Status::Code::WriteFailed, dir_.path(), EIO));
}

TEST_F(FileSystemTest, UnpackingSyncsTheMembersItWroteOnceAfterTheLast) {
    ASSERT_TRUE(packFolder(path("work"), path("book.xzz")).ok());
    UnpackReport report;
    ASSERT_TRUE(unpackPackage(path("out"), path("book.xzz"), &report, fs).ok());
    EXPECT_EQ(fs.log,
              QStringList({"rename Tree.xtz", "rename Z.xtz", "syncFiles out Tree.xtz Z.xtz"}));

    // A member whose rename fails is reported, and the old file stays; it was
    // not written, so it is not waited for either.
    writeAll(path("out/Z.xtz"), "older");
    FaultyFileSystem failing;
    failing.failOn("rename", "Z.xtz");
    ASSERT_TRUE(unpackPackage(path("out"), path("book.xzz"), &report, failing).ok());
    EXPECT_EQ(report.failed, QStringList{"Z"});
    EXPECT_EQ(readAll(path("out/Z.xtz")), "older");
    EXPECT_EQ(failing.logged("syncFiles"), QStringList{"out Tree.xtz"});
}

TEST_F(FileSystemTest, SyncingFilesNamesTheFirstThatFailedAndSyncsTheRest) {
    writeAll(path("out/A.xtz"), "a");
    EXPECT_TRUE(syncFiles(path("out"), {path("out/A.xtz")}).ok());
    errno = 0;
    EXPECT_EQ(syncFiles(path("out"), {path("out/Gone.xtz"), path("out/A.xtz")}),
              Status(Status::Code::WriteFailed, path("out/Gone.xtz"), ENOENT));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(syncFiles(path("no folder"), {path("out/A.xtz")}),
              Status(Status::Code::WriteFailed, path("no folder"), ENOENT));
}

TEST_F(FileSystemTest, EveryDamagedOriginalKeepsACopyOfItsOwn) {
    writeAll(path("first"), "first damaged");
    writeAll(path("second"), "second damaged");
    const QString target = path("book.xzz.damaged");
    EXPECT_EQ(keepDamagedCopy(path("first"), target), target);
    EXPECT_EQ(keepDamagedCopy(path("second"), target), target + "1");
    EXPECT_EQ(readAll(target), "first damaged");
    EXPECT_EQ(readAll(target + "1"), "second damaged");

    fs.failOn("copy", "book.xzz.damaged2");
    EXPECT_EQ(keepDamagedCopy(path("second"), target, fs), QString());
}

} // namespace
