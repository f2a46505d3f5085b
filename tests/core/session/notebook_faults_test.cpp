// Writes that fail while a notebook opens, saves or ends, forced through the
// session's file system: each refuses or says so, and the package, the only
// original, is never replaced by less than it holds.

#include "core/session/notebook_session.h"
#include "core/session/notebooks.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"
#include "core/store/profile.h"
#include "core/tree/topic_files.h"
#include "faulty_file_system.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

namespace oxlin::session {
namespace {

using namespace oxlin::paths;
using namespace oxlin::store;
using test::FaultyFileSystem;
using test::readAll;
using test::writeAll;

class NotebookFaultsTest : public ::testing::Test {
protected:
    QString data() const { return root.filePath("OxlinData"); }
    QString working() const { return QDir(data()).filePath("Book"); }
    QString inWorking(const QString& name) const { return QDir(working()).filePath(name); }
    QString package() const { return QDir(data()).filePath("Book.xzz"); }

    std::unique_ptr<NotebookSession> open() {
        auto session =
            std::make_unique<NotebookSession>(profiles, data(), SessionHooks{}, nullptr, fs);
        session->currentBook().notebookName = "Book";
        session->setUpPaths();
        (void)session->openNotebook();
        return session;
    }

    // A package holding one topic, made by a session that ran well.
    QByteArray makePackage() {
        FaultyFileSystem disk;
        NotebookSession session(profiles, data(), {}, nullptr, disk);
        session.currentBook().notebookName = "Book";
        session.setUpPaths();
        (void)session.openNotebook();
        const qint32 id = session.fileIds().allocate();
        session.tree().insertItem(tree::kTopLevel, tree::InsertPosition::last(), "Kept.txt",
                                  tree::kTextImage, tree::TopicRecord{id, 0});
        QByteArray compressed;
        EXPECT_TRUE(compressBuffer("kept text", compressed).ok());
        writeAll(tree::topicFilePath(working(), id), compressed);
        EXPECT_TRUE(session.exitNotebook().ok());
        return readAll(package());
    }

    // The session ends as the program does; the package must be as it was.
    void expectExitLeavesThePackage(NotebookSession& session, const QByteArray& original) {
        EXPECT_FALSE(session.exitNotebook().ok());
        EXPECT_EQ(readAll(package()), original);
    }

    QTemporaryDir root;
    ProfileService profiles;
    FaultyFileSystem fs;
};

TEST_F(NotebookFaultsTest, AnIniFileThatCannotBeWrittenAfterUnpackRefusesTheOpen) {
    const QByteArray original = makePackage();
    for (const QString file : {"Tree.ini", "Z.ini"}) {
        SCOPED_TRACE(file.toStdString());
        FaultyFileSystem failing;
        failing.failOn("commit", file);
        NotebookSession session(profiles, data(), {}, nullptr, failing);
        session.currentBook().notebookName = "Book";
        session.setUpPaths();
        EXPECT_FALSE(session.openNotebook().ok());
        EXPECT_EQ(session.lastOpenOutcome(), OpenOutcome::Refused);
        EXPECT_EQ(session.saveProblem().kind, SessionProblem::Kind::FileNotWritten);
        EXPECT_EQ(QFileInfo(session.saveProblem().path).fileName(), file);
        EXPECT_FALSE(session.save().ok());
        expectExitLeavesThePackage(session, original);
    }
}

TEST_F(NotebookFaultsTest, AnUnreadablePackageThatCannotBeCopiedAsideIsRefused) {
    QDir().mkpath(data());
    writeAll(package(), "not a package");
    fs.failOn("copy", "Book.xzz.damaged");
    auto session = open();
    EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::Refused);
    EXPECT_EQ(session->saveProblem().kind, SessionProblem::Kind::DamagedCopyNotKept);
    expectExitLeavesThePackage(*session, "not a package");
}

TEST_F(NotebookFaultsTest, ADamagedTreeMemberThatCannotBeCopiedAsideIsRefused) {
    makePackage();
    // The tree member cut short inside an otherwise whole package.
    QTemporaryDir members;
    ASSERT_TRUE(unpackPackage(members.path(), package()).ok());
    const QString tree = QDir(members.path()).filePath("Tree.xtz");
    QByteArray stored = readAll(tree);
    stored.chop(4);
    writeAll(tree, stored);
    ASSERT_TRUE(packFolder(members.path(), package()).ok());
    const QByteArray original = readAll(package());

    fs.failOn("copy", "Book.xzz.Tree.xtz.damaged");
    auto session = open();
    EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::Refused);
    EXPECT_EQ(session->saveProblem().kind, SessionProblem::Kind::DamagedCopyNotKept);
    expectExitLeavesThePackage(*session, original);
}

TEST_F(NotebookFaultsTest, EveryDamagedPackageAndAnEmptyOneIsKeptBeforeAnyPack) {
    QDir().mkpath(data());
    writeAll(package() + ".damaged", "damaged last week");
    writeAll(package(), ""); // zero bytes: damaged, not an empty notebook
    {
        auto session = open();
        EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::PackageUnreadable);
        EXPECT_EQ(session->damagedPackageCopy(), package() + ".damaged1");
        EXPECT_TRUE(session->exitNotebook().ok());
    }
    EXPECT_EQ(readAll(package() + ".damaged"), "damaged last week");
    EXPECT_TRUE(QFileInfo(package() + ".damaged1").isFile());
    EXPECT_GT(QFileInfo(package()).size(), 0);
}

TEST_F(NotebookFaultsTest, AFailedRuntimeMemberOfANewNotebookIsSaid) {
    fs.failOn("commit", "Z.xtz");
    auto session = open();
    EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::New);
    EXPECT_EQ(session->saveProblem().kind, SessionProblem::Kind::FileNotWritten);
    EXPECT_EQ(QFileInfo(session->saveProblem().path).fileName(), "Z.xtz");
}

TEST_F(NotebookFaultsTest, AWorkingFolderThatCannotBeMadeRefusesTheOpen) {
    fs.failOn("makePath", "/Book");
    auto session = std::make_unique<NotebookSession>(profiles, data(), SessionHooks{}, nullptr, fs);
    session->currentBook().notebookName = "Book";
    session->setUpPaths();
    EXPECT_FALSE(session->openNotebook().ok());
    EXPECT_EQ(session->saveProblem().kind, SessionProblem::Kind::WorkingFolderNotMade);
    // The next start opens the default notebook, not this one again.
    EXPECT_FALSE(session->exitNotebook().ok());
    session->readLastBook();
    EXPECT_EQ(session->currentBook().notebookName, CurrentBook::kDefaultName);
}

TEST_F(NotebookFaultsTest, TheKeptPackageAndTreeMemberReachTheDiskBeforeTheTreeFile) {
    makePackage();
    auto session = open();
    ASSERT_EQ(session->lastOpenOutcome(), OpenOutcome::Unpacked);
    // The tree file makes the folder the notebook's newest state, and a
    // resumed folder takes its topics from the kept package: both must last first.
    const qsizetype kept = fs.log.indexOf(QString("rename ") + kKeptPackageName);
    const qsizetype treeMember = fs.log.indexOf("commit Tree.xtz");
    ASSERT_GE(kept, 0);
    ASSERT_GT(treeMember, kept);
    EXPECT_EQ(fs.log.at(kept + 1), "syncFolder Book");
    EXPECT_GT(fs.log.indexOf("commit Tree.ini"), treeMember);
}

TEST_F(NotebookFaultsTest, SaveAndExitSyncTheDataFolderAfterThePackage) {
    auto session = open();
    fs.log.clear();
    ASSERT_TRUE(session->save().ok());
    const qsizetype packed = fs.log.indexOf("commit Book.xzz");
    ASSERT_GE(packed, 0);
    EXPECT_EQ(fs.log.value(packed + 1), "syncFolder OxlinData");

    // A package whose name may not last keeps the working folder.
    fs.failOn("syncFolder", "OxlinData");
    EXPECT_FALSE(session->exitNotebook().ok());
    EXPECT_TRUE(QFileInfo(inWorking("Tree.ini")).isFile());
}

TEST_F(NotebookFaultsTest, AnEmptyRuntimeMemberNeverReplacesRuntimeText) {
    const QByteArray text = "[RunTimeData]\r\nFileIDCount=7\r\nLastEdit=Kept.txt\r\n";
    QByteArray empty;
    EXPECT_TRUE(compressBuffer({}, empty).ok());
    QDir().mkpath(working());
    // Resumed: a tree with text, a runtime file with text, an empty member.
    writeAll(inWorking("Tree.ini"), "[Tree]\r\n");
    writeAll(inWorking("Z.xtz"), empty);
    writeAll(inWorking("Z.ini"), text);
    {
        auto session = open();
        EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::Resumed);
        EXPECT_EQ(readAll(inWorking("Z.ini")), text);
    }
    // Unpacked: the package's member is empty, the folder's file is not.
    ASSERT_TRUE(packFolder(working(), package()).ok());
    writeAll(inWorking("Tree.ini"), "");
    QFile::remove(inWorking("Z.xtz"));
    auto session = open();
    EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::Unpacked);
    EXPECT_EQ(readAll(inWorking("Z.ini")), text);
    EXPECT_EQ(session->fileIds().allocate(), 8);
}

TEST_F(NotebookFaultsTest, ADeleteWhosePackageStaysIsAFailure) {
    auto session = open();
    writeAll(QDir(data()).filePath("Other.xzz"), "other");
    fs.failOn("remove", "Other.xzz");
    const NotebookResult result = NotebookManager(*session).deleteNotebook("Other");
    EXPECT_EQ(result.change, NotebookChange::DeleteFailed);
    EXPECT_TRUE(listNotebooks(data()).contains("Other"));
}

} // namespace
} // namespace oxlin::session
