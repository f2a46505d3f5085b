// A working folder filled on demand: the open takes out the tree and the
// runtime file, topics come out of the kept package when first needed, and
// a pack copies the rest as stored. Nothing may be lost on the way: not at
// a pack, not at a resume after a crash, not for a folder made before.
#include "core/search/working_folder_topics.h"
#include "core/session/notebook_session.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"
#include "core/store/profile.h"
#include "core/tree/topic_files.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include <sys/stat.h>

namespace oxlin::session {
namespace {

using test::readAll;
using test::writeAll;

class OnDemandTest : public ::testing::Test {
protected:
    QString data() const { return QDir(root.path()).filePath("OxlinData"); }
    QString working() const { return QDir(data()).filePath("Book"); }
    QString package() const { return QDir(data()).filePath("Book.xzz"); }

    std::unique_ptr<NotebookSession> open() {
        auto session = std::make_unique<NotebookSession>(profiles, data());
        session->currentBook().notebookName = "Book";
        session->setUpPaths();
        EXPECT_TRUE(session->openNotebook().ok());
        return session;
    }

    static qint32 idOf(NotebookSession& session, const QString& label) {
        qint32 id = 0;
        session.tree().walk([&](const tree::TreeItem& item, int) {
            if (item.label == label && item.record)
                id = item.record->fileId;
        });
        return id;
    }

    static void setTopic(NotebookSession& session, tree::ItemHandle parent, const QString& label,
                         const QByteArray& text) {
        qint32 id = idOf(session, label);
        if (id == 0) {
            id = session.fileIds().allocate();
            session.tree().insertItem(parent, tree::InsertPosition::last(), label, tree::kTextImage,
                                      tree::TopicRecord{id, 0});
        }
        QByteArray compressed;
        ASSERT_TRUE(store::compressBuffer(text, compressed).ok());
        writeAll(tree::topicFilePath(session.paths().workingFolder, id), compressed);
    }

    // As every reader of a topic does: fetched, then read from the folder.
    static QByteArray text(NotebookSession& session, const QString& label) {
        const qint32 id = idOf(session, label);
        QByteArray out;
        if (id != 0 && session.fetchTopicFile(id))
            (void)store::decompressFileToBuffer(
                tree::topicFilePath(session.paths().workingFolder, id), out);
        return out;
    }

    QStringList folderMembers() const {
        return QDir(working()).entryList({"*.xtz"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    }

    // A, B in folder F, and C, packed at exit.
    void makeNotebook() {
        auto session = open();
        setTopic(*session, tree::kTopLevel, "A.txt", "a");
        const tree::ItemHandle folder =
            session->tree().insertFolder(tree::kTopLevel, tree::InsertPosition::last(), "F");
        setTopic(*session, folder, "B.txt", "b");
        setTopic(*session, tree::kTopLevel, "C.txt", "c");
        ASSERT_TRUE(session->exitNotebook().ok());
    }

    QTemporaryDir root;
    store::ProfileService profiles;
};

TEST_F(OnDemandTest, APackCopiesWhatWasNotTakenOutAsStoredAndDropsWhatWasDeleted) {
    makeNotebook();
    store::PackageReader before;
    ASSERT_TRUE(before.open(package()));
    auto session = open();
    EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::Unpacked);
    EXPECT_EQ(folderMembers(), (QStringList{"Tree.xtz", "Z.xtz"}));
    // Kept by a link: the open copies none of the package.
    struct stat kept {
    }, opened{};
    ASSERT_EQ(::stat(QFile::encodeName(session->paths().keptPackageFile()).constData(), &kept), 0);
    ASSERT_EQ(::stat(QFile::encodeName(package()).constData(), &opened), 0);
    EXPECT_EQ(kept.st_ino, opened.st_ino);
    const QString b = store::topicFileName(quint32(idOf(*session, "B.txt")));
    const QString c = store::topicFileName(quint32(idOf(*session, "C.txt")));
    QByteArray storedB;
    ASSERT_TRUE(before.read(b, storedB));

    EXPECT_EQ(text(*session, "A.txt"), "a");
    setTopic(*session, tree::kTopLevel, "A.txt", "a, changed");
    ASSERT_TRUE(session->tree().removeItem(session->tree().findByPath("C.txt")));
    ASSERT_TRUE(session->save().ok());
    EXPECT_EQ(folderMembers().size(), 3); // Tree, Z and A

    store::PackageReader after;
    ASSERT_TRUE(after.open(package()));
    QByteArray packedB;
    ASSERT_TRUE(after.read(b, packedB));
    EXPECT_EQ(packedB, storedB);
    EXPECT_LT(after.memberSize(c), 0);
    ASSERT_TRUE(session->exitNotebook().ok());
    auto again = open();
    EXPECT_EQ(text(*again, "A.txt"), "a, changed");
    EXPECT_EQ(text(*again, "B.txt"), "b");
    EXPECT_EQ(idOf(*again, "C.txt"), 0);
}

TEST_F(OnDemandTest, AResumedFolderTakesItsTopicsFromThePackageItCameFrom) {
    makeNotebook();
    {
        auto crashed = open();
        setTopic(*crashed, tree::kTopLevel, "A.txt", "a, before the crash");
        ASSERT_TRUE(crashed->saveTreeFile());
    } // no exit: the process was killed
    // Meanwhile the package on disk became another one (a sync engine).
    {
        QTemporaryDir other;
        store::ProfileService otherProfiles;
        NotebookSession elsewhere(otherProfiles, other.path());
        elsewhere.currentBook().notebookName = "Book";
        ASSERT_TRUE(QFile::copy(package(), QDir(other.path()).filePath("Book.xzz")));
        elsewhere.setUpPaths();
        ASSERT_TRUE(elsewhere.openNotebook().ok());
        setTopic(elsewhere, tree::kTopLevel, "C.txt", "c, elsewhere");
        ASSERT_TRUE(elsewhere.exitNotebook().ok());
        ASSERT_TRUE(QFile::remove(package()));
        ASSERT_TRUE(QFile::rename(elsewhere.paths().packageFile, package()));
    }
    auto resumed = open();
    ASSERT_EQ(resumed->lastOpenOutcome(), OpenOutcome::Resumed);
    EXPECT_EQ(text(*resumed, "B.txt"), "b");
    EXPECT_EQ(text(*resumed, "C.txt"), "c"); // ours until the save merges theirs
    ASSERT_TRUE(resumed->exitNotebook().ok());
    auto reopened = open();
    EXPECT_EQ(text(*reopened, "A.txt"), "a, before the crash");
    EXPECT_EQ(text(*reopened, "B.txt"), "b");
    EXPECT_EQ(text(*reopened, "C.txt"), "c, elsewhere");
}

TEST_F(OnDemandTest, AFolderUnpackedWholeBeforeResumesAndPacksAsItIs) {
    makeNotebook();
    ASSERT_TRUE(QDir().mkpath(working()));
    ASSERT_TRUE(store::unpackPackage(working(), package()).ok());
    ASSERT_TRUE(store::decompressFile(QDir(working()).filePath("Tree.xtz"),
                                      QDir(working()).filePath("Tree.ini"))
                    .ok());
    ASSERT_TRUE(QFile::copy(package(), QDir(working()).filePath(kKeptPackageName)));
    auto resumed = open();
    ASSERT_EQ(resumed->lastOpenOutcome(), OpenOutcome::Resumed);
    ASSERT_TRUE(resumed->exitNotebook().ok());
    auto reopened = open();
    EXPECT_EQ(text(*reopened, "A.txt"), "a");
    EXPECT_EQ(text(*reopened, "B.txt"), "b");
    EXPECT_EQ(text(*reopened, "C.txt"), "c");
}

TEST_F(OnDemandTest, WhatThePackageHoldsBeyondItsTreeIsRecoveredAndStaleFilesNeverHideIt) {
    makeNotebook();
    std::vector<store::PackageMember> members;
    {
        store::PackageReader reader;
        ASSERT_TRUE(reader.open(package()));
        for (const QString& name : reader.members()) {
            QByteArray bytes;
            ASSERT_TRUE(reader.read(name, bytes));
            members.push_back({name, bytes});
        }
    }
    QByteArray orphan;
    ASSERT_TRUE(store::compressBuffer("not in the tree", orphan).ok());
    members.push_back({"00000063", orphan});
    ASSERT_TRUE(store::packMembers(members, package()).ok());
    // A folder an earlier run left without its tree file: its topic files
    // are older than the package's.
    ASSERT_TRUE(QDir().mkpath(working()));
    QByteArray old;
    ASSERT_TRUE(store::compressBuffer("old", old).ok());
    writeAll(QDir(working()).filePath("Z.xtz"), old);
    writeAll(QDir(working()).filePath("00000002.xtz"), old);
    auto session = open();
    EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::Unpacked);
    EXPECT_EQ(text(*session, "A.txt"), "a");
    EXPECT_EQ(text(*session, "B.txt"), "b");
    EXPECT_EQ(text(*session, "Topic 00000063.txt"), "not in the tree");
}

TEST_F(OnDemandTest, AFolderExportTakesOutItsTopicsAndSearchReadsTheRestFromThePackage) {
    makeNotebook();
    auto session = open();
    const tree::ItemHandle folder = session->tree().findByPath("F");
    ASSERT_TRUE(session->fetchTopicFilesUnder(folder));
    EXPECT_EQ(folderMembers().size(), 3); // Tree, Z and B
    setTopic(*session, folder, "B.txt", "b, changed");

    const search::WorkingFolderTopics topics(working(), session->paths().keptPackageFile());
    for (const auto& [label, expected] : {std::pair{"B.txt", "b, changed"}, {"C.txt", "c"}}) {
        QByteArray stored, plain;
        ASSERT_TRUE(topics.read(store::topicFileName(quint32(idOf(*session, label))), stored));
        ASSERT_TRUE(store::decompressBuffer(stored, plain).ok());
        EXPECT_EQ(plain, expected);
    }
    QByteArray none;
    EXPECT_FALSE(topics.read("00000999.XTZ", none));
}

} // namespace
} // namespace oxlin::session
