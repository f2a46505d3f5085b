// Two machines share a data folder through a file-sync engine: what one
// saves while the other has the notebook open is merged, never overwritten.
#include "core/session/conflict_copies.h"
#include "core/session/disk_changes.h"
#include "core/session/notebook_session.h"
#include "core/session/notebooks.h"
#include "core/store/compressed_file.h"
#include "core/store/profile.h"
#include "core/tree/topic_files.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace oxlin::session {
namespace {

using test::readAll;
using test::writeAll;

class DiskMergeTest : public ::testing::Test {
protected:
    QString data(int machine) const {
        return QDir(root.path()).filePath(QStringLiteral("Machine%1").arg(machine));
    }
    QString package(int machine) const { return QDir(data(machine)).filePath("Book.xzz"); }

    std::unique_ptr<NotebookSession> open(int machine, SessionHooks hooks = {}) {
        auto session = std::make_unique<NotebookSession>(profiles, data(machine), hooks);
        session->currentBook().notebookName = "Book";
        session->setUpPaths();
        EXPECT_TRUE(session->openNotebook().ok());
        return session;
    }

    static void setTopic(NotebookSession& session, const QString& label, const QByteArray& text) {
        qint32 id = 0;
        session.tree().walk([&](const tree::TreeItem& item, int) {
            if (item.label == label && item.record)
                id = item.record->fileId;
        });
        if (id == 0) {
            id = session.fileIds().allocate();
            session.tree().insertItem(tree::kTopLevel, tree::InsertPosition::last(), label,
                                      tree::kTextImage, tree::TopicRecord{id, 0});
        }
        QByteArray compressed;
        ASSERT_TRUE(store::compressBuffer(text, compressed).ok());
        writeAll(tree::topicFilePath(session.paths().workingFolder, id), compressed);
    }

    static QStringList topics(NotebookSession& session) {
        QStringList found;
        session.tree().walk([&](const tree::TreeItem& item, int) {
            QByteArray text;
            if (item.record && session.fetchTopicFile(item.record->fileId))
                (void)store::decompressFileToBuffer(
                    tree::topicFilePath(session.paths().workingFolder, item.record->fileId), text);
            found << item.label + '=' + QString::fromUtf8(text);
        });
        return found;
    }

    // The sync engine brings machine 2's package over machine 1's.
    void sync() const {
        QFile::remove(package(1));
        ASSERT_TRUE(QFile::copy(package(2), package(1)));
    }

    // Machine 1 saved a notebook, machine 2 got a copy of it.
    void shareNotebook() {
        auto first = open(1);
        setTopic(*first, "A.txt", "a");
        setTopic(*first, "B.txt", "b");
        ASSERT_TRUE(first->exitNotebook().ok());
        QDir().mkpath(data(2));
        ASSERT_TRUE(QFile::copy(package(1), package(2)));
    }

    QTemporaryDir root;
    store::ProfileService profiles;
};

TEST_F(DiskMergeTest, SaveAndExitMergeWhatAnotherMachineSaved) {
    shareNotebook();
    int merges = 0;
    SessionHooks hooks;
    hooks.mergedFromDisk = [&merges] { ++merges; };
    auto first = open(1, hooks);
    auto second = open(2);
    setTopic(*first, "A.txt", "a, first");
    setTopic(*second, "B.txt", "b, second");
    setTopic(*second, "C.txt", "c, second");
    ASSERT_TRUE(second->exitNotebook().ok());
    sync();

    ASSERT_TRUE(first->save().ok());
    EXPECT_EQ(merges, 1);
    EXPECT_TRUE(first->lastMerge().keptTwice.isEmpty());
    EXPECT_EQ(topics(*first),
              (QStringList{"A.txt=a, first", "B.txt=b, second", "C.txt=c, second"}));
    // Saved again with nothing new on disk: no second merge.
    ASSERT_TRUE(first->save().ok());
    EXPECT_EQ(merges, 1);

    // Both change A: at exit the other machine's A is kept beside ours.
    auto again = open(2);
    ASSERT_EQ(topics(*again).size(), 3); // A, B and C, A as machine 2 last saw it
    setTopic(*again, "A.txt", "a, second");
    ASSERT_TRUE(again->exitNotebook().ok());
    sync();
    setTopic(*first, "A.txt", "a, first, later");
    ASSERT_TRUE(first->exitNotebook().ok());
    EXPECT_EQ(merges, 2);
    EXPECT_EQ(first->lastMerge().keptTwice, QStringList{"A.txt"});
    auto reopened = open(1);
    EXPECT_EQ(topics(*reopened),
              (QStringList{"A.txt=a, first, later", "A (other copy).txt=a, second",
                           "B.txt=b, second", "C.txt=c, second"}));
}

TEST_F(DiskMergeTest, AnUnreadableChangedPackageIsNeitherMergedNorReplaced) {
    shareNotebook();
    auto first = open(1);
    setTopic(*first, "A.txt", "a, first");
    // Replaced by a rename, as the sync engines do.
    writeAll(package(1) + ".part", "half a package");
    ASSERT_TRUE(QDir().rename(package(1), package(1) + ".old") &&
                QDir().rename(package(1) + ".part", package(1)));
    EXPECT_FALSE(first->save().ok());
    EXPECT_EQ(first->saveProblem().kind, SessionProblem::Kind::ChangedPackageUnreadable);
    EXPECT_FALSE(first->exitNotebook().ok());
    EXPECT_EQ(readAll(package(1)), "half a package");
    // The working folder stays with the work in it.
    EXPECT_TRUE(QFileInfo::exists(QDir(data(1)).filePath("Book/Tree.ini")));
}

TEST_F(DiskMergeTest, APackageWrittenOverInPlaceLosesNoTopicNotTakenOut) {
    shareNotebook();
    auto first = open(1);
    setTopic(*first, "A.txt", "a, first");
    // A copy written into the package's own file (cp over it) also changes
    // the package kept by a link: B, never taken out, is nowhere else now.
    writeAll(package(1), "half a package");
    EXPECT_FALSE(first->save().ok());
    EXPECT_EQ(first->saveProblem().kind, SessionProblem::Kind::ChangedPackageUnreadable);
    EXPECT_FALSE(first->exitNotebook().ok());
    EXPECT_EQ(readAll(package(1)), "half a package");
    EXPECT_TRUE(QFileInfo::exists(QDir(data(1)).filePath("Book/Tree.ini")));
}

TEST_F(DiskMergeTest, AnotherMachinesWorkingFolderIsNeitherResumedNorRemoved) {
    shareNotebook();
    // Machine 2's working folder, brought by the sync engine while it is open there.
    const QString foreign = QDir(data(1)).filePath("Book");
    QDir().mkpath(foreign);
    writeAll(QDir(foreign).filePath(kHostFileName), "elsewhere\n");
    writeAll(QDir(foreign).filePath("Tree.ini"), "[\\]\r\nOnlyThere.txt=9\r\n");
    auto first = open(1);
    EXPECT_EQ(first->lastOpenOutcome(), OpenOutcome::Unpacked);
    EXPECT_EQ(first->saveProblem().kind, SessionProblem::Kind::OtherMachinesFolder);
    EXPECT_EQ(topics(*first), (QStringList{"A.txt=a", "B.txt=b"}));
    EXPECT_NE(first->paths().workingFolder, foreign);
    ASSERT_TRUE(first->exitNotebook().ok());
    EXPECT_EQ(readAll(QDir(foreign).filePath("Tree.ini")), "[\\]\r\nOnlyThere.txt=9\r\n");
    EXPECT_FALSE(QFileInfo::exists(first->paths().workingFolder));
}

TEST(ConflictCopies, TheThreeEnginesNamesAreKnown) {
    QString madeOn;
    EXPECT_EQ(conflictCopyOf("Book.sync-conflict-20261208-101010-ABCDEFG.xzz", &madeOn), "Book");
    EXPECT_EQ(madeOn, "2026-12-08 10:10:10");
    EXPECT_EQ(conflictCopyOf("My Book (conflicted copy 2026-12-08 101010).xzz", &madeOn),
              "My Book");
    EXPECT_EQ(madeOn, "2026-12-08 10:10:10");
    EXPECT_EQ(conflictCopyOf("Book (laptop's conflicted copy 2026-12-08).xzz", &madeOn), "Book");
    EXPECT_EQ(madeOn, "2026-12-08");
    EXPECT_EQ(conflictCopyOf("Book (laptop's conflicted copy 2026-12-08 (1)).xzz"), "Book");
    for (const char* name : {"Book.xzz", "Book (copy).xzz", "Book.sync-conflict-2026.xzz",
                             "Book.sync-conflict-20261208-101010-ABCDEFG.xtz"})
        EXPECT_TRUE(conflictCopyOf(name).isEmpty()) << name;
}

TEST_F(DiskMergeTest, AConflictCopyIsMergedAndPutAside) {
    shareNotebook();
    auto second = open(2);
    setTopic(*second, "A.txt", "a, second");
    setTopic(*second, "C.txt", "c, second");
    ASSERT_TRUE(second->exitNotebook().ok());
    const QString copy = QDir(data(1)).filePath("Book.sync-conflict-20261208-101010-ABCDEFG.xzz");
    ASSERT_TRUE(QFile::copy(package(2), copy));
    EXPECT_EQ(listNotebooks(data(1)), QStringList{"Book"});
    const std::vector<ConflictCopy> found = findConflictCopies(data(1), "Book");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].path, copy);

    auto first = open(1);
    setTopic(*first, "A.txt", "a, first");
    const QString damaged = QDir(data(1)).filePath("Book (conflicted copy 2026-12-08 101010).xzz");
    writeAll(damaged, "not a package");
    EXPECT_EQ(first->mergeConflictCopy(damaged).code(), store::Status::Code::Corrupt);
    EXPECT_EQ(readAll(damaged), "not a package");

    ASSERT_TRUE(first->mergeConflictCopy(copy).ok());
    EXPECT_EQ(first->lastMerge().keptTwice, QStringList{"A.txt"});
    EXPECT_EQ(topics(*first), (QStringList{"A.txt=a, first", "A (other copy).txt=a, second",
                                           "B.txt=b", "C.txt=c, second"}));
    EXPECT_FALSE(QFileInfo::exists(copy));
    EXPECT_TRUE(QFileInfo::exists(
        QDir(data(1)).filePath("Merged/Book.sync-conflict-20261208-101010-ABCDEFG.xzz")));
    // What was merged is saved with the notebook.
    ASSERT_TRUE(first->exitNotebook().ok());
    EXPECT_EQ(topics(*open(1)).size(), 4);
}

} // namespace
} // namespace oxlin::session
