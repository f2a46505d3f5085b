// Two machines share a data folder through a file-sync engine: what one
// saves while the other has the notebook open is merged, never overwritten.
#include "core/session/disk_changes.h"
#include "core/session/notebook_session.h"
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
            if (item.record)
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
    writeAll(package(1), "half a package");
    EXPECT_FALSE(first->save().ok());
    EXPECT_EQ(first->saveProblem().kind, SessionProblem::Kind::ChangedPackageUnreadable);
    EXPECT_FALSE(first->exitNotebook().ok());
    EXPECT_EQ(readAll(package(1)), "half a package");
    // The working folder stays with the work in it.
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

} // namespace
} // namespace oxlin::session
