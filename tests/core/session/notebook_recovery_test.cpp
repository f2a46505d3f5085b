// What a notebook keeps when a run ends badly: a crash before the first
// pack, a disk that fills up, a package member or folder that is not what it
// should be. Every case here once lost the user's work.

#include "core/session/notebook_session.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"
#include "core/store/profile.h"
#include "core/tree/topic_files.h"
#include "core/tree/tree_file.h"
#include "messages/notebook_messages.h"
#include "test_files.h"

#include <cerrno>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <memory>

namespace oxlin::session {
namespace {

using namespace oxlin::paths;
using namespace oxlin::store;

using test::readAll;
using test::writeAll;

QStringList labelsUnder(tree::TopicTree& tree, tree::ItemHandle parent = tree::kTopLevel) {
    QStringList labels;
    for (tree::ItemHandle child : tree.children(parent))
        labels << tree.find(child)->label;
    return labels;
}

class RecoveryTest : public ::testing::Test {
protected:
    void SetUp() override { base = root.path(); }

    QString data() const { return QDir(base).filePath("OxlinData"); }
    QString working() const { return QDir(data()).filePath("Book"); }
    QString inWorking(const QString& name) const { return QDir(working()).filePath(name); }
    QString package() const { return QDir(data()).filePath("Book.xzz"); }

    std::unique_ptr<NotebookSession> open() {
        auto session = std::make_unique<NotebookSession>(profiles, data());
        session->currentBook().notebookName = "Book";
        session->setUpPaths();
        (void)session->openNotebook();
        return session;
    }

    // A topic as the program makes one: an item, then its topic file.
    static void addTopic(NotebookSession& session, tree::ItemHandle parent, const QString& label,
                         const QByteArray& text) {
        const qint32 id = session.fileIds().allocate();
        session.tree().insertItem(parent, tree::InsertPosition::last(), label, tree::kTextImage,
                                  tree::TopicRecord{id, 0});
        QByteArray compressed;
        EXPECT_TRUE(compressBuffer(text, compressed).ok());
        writeAll(tree::topicFilePath(session.paths().workingFolder, id), compressed);
    }

    static QByteArray topicText(NotebookSession& session, const QString& label) {
        QByteArray text;
        session.tree().walk([&](const tree::TreeItem& item, int) {
            if (item.label == label && item.record)
                (void)decompressFileToBuffer(
                    tree::topicFilePath(session.paths().workingFolder, item.record->fileId), text);
        });
        return text;
    }

    QTemporaryDir root;
    QString base;
    ProfileService profiles;
};

TEST_F(RecoveryTest, ANotebookThatWasNeverPackedIsResumedAfterACrash) {
    {
        auto session = open();
        EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::New);
        // Z.xtz marks the folder as a notebook's from the start.
        EXPECT_TRUE(QFileInfo::exists(inWorking("Z.xtz")));
        const tree::ItemHandle folder =
            session->tree().insertFolder(tree::kTopLevel, tree::InsertPosition::last(), "Plans");
        addTopic(*session, folder, "Garden.txt", "kiwi and fig");
        session->writeRuntimeText("RunTimeData", "LastEdit", "Plans\\Garden.txt");
        ASSERT_TRUE(session->saveTreeFile());
        // The process is killed here: no exit sequence, no package.
    }
    ASSERT_FALSE(QFileInfo::exists(package()));

    auto next = open();
    EXPECT_EQ(next->lastOpenOutcome(), OpenOutcome::Resumed);
    ASSERT_EQ(labelsUnder(next->tree()), QStringList({"Plans"}));
    EXPECT_EQ(topicText(*next, "Garden.txt"), "kiwi and fig");
    EXPECT_EQ(next->readRuntimeText("RunTimeData", "LastEdit"), QString("Plans\\Garden.txt"));
    EXPECT_GT(next->fileIds().allocate(), 2);
}

TEST_F(RecoveryTest, AnIniFileWithTextIsNeverReplacedByAnEmptyOne) {
    QDir().mkpath(working());
    // Tree.ini empty (so the folder is not resumed), Z.ini with a counter, no members.
    writeAll(inWorking("Tree.ini"), "");
    writeAll(inWorking("Z.ini"), "[RunTimeData]\r\nFileIDCount=7\r\n");
    auto session = open();
    EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::New);
    EXPECT_EQ(readAll(inWorking("Z.ini")), "[RunTimeData]\r\nFileIDCount=7\r\n");
    EXPECT_EQ(session->fileIds().allocate(), 8);
}

TEST_F(RecoveryTest, SavePacksTheTreeAsItIsNotAsTheLastWriteLeftIt) {
    auto session = open();
    addTopic(*session, tree::kTopLevel, "Made a second ago.txt", "fresh");
    ASSERT_TRUE(session->save().ok());

    QTemporaryDir copy;
    ASSERT_TRUE(unpackPackage(copy.path(), package()).ok());
    ASSERT_TRUE(decompressFile(QDir(copy.path()).filePath("Tree.xtz"),
                               QDir(copy.path()).filePath("Tree.ini"))
                    .ok());
    EXPECT_TRUE(readAll(QDir(copy.path()).filePath("Tree.ini")).contains("Made a second ago.txt"));
}

TEST_F(RecoveryTest, AMemberThatCannotBeCompressedStopsThePackAndTheRemoval) {
    auto session = open();
    addTopic(*session, tree::kTopLevel, "Only here.txt", "unsaved work");
    ASSERT_TRUE(session->save().ok());
    const QByteArray goodPackage = readAll(package());

    addTopic(*session, tree::kTopLevel, "Newer.txt", "newer work");
    // Z.ini can no longer be read, so Z.xtz cannot be brought up to date.
    ASSERT_TRUE(QFile::remove(inWorking("Z.ini")));
    ASSERT_TRUE(QFile::link("/proc/self/mem", inWorking("Z.ini")));
    EXPECT_FALSE(session->packNotebook().ok());
    EXPECT_TRUE(messages::NotebookMessages::problem(session->saveProblem()).contains("Z.xtz"))
        << messages::NotebookMessages::problem(session->saveProblem()).toStdString();
    EXPECT_EQ(readAll(package()), goodPackage);

    EXPECT_FALSE(session->exitNotebook().ok());
    EXPECT_FALSE(session->saveProblem().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(inWorking("Tree.ini")));
    EXPECT_EQ(readAll(package()), goodPackage);

    QFile::remove(inWorking("Z.ini"));
    auto next = open();
    EXPECT_EQ(next->lastOpenOutcome(), OpenOutcome::Resumed);
    EXPECT_EQ(labelsUnder(next->tree()), QStringList({"Only here.txt", "Newer.txt"}));
}

TEST_F(RecoveryTest, CloseKeepsTheWorkingFolderWhenThePackFails) {
    auto session = open();
    addTopic(*session, tree::kTopLevel, "kept.txt", "kept");
    QDir().mkpath(package()); // a folder where the package should go
    EXPECT_FALSE(session->closeNotebook().ok());
    EXPECT_FALSE(session->saveProblem().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(inWorking("Tree.ini")));
}

TEST_F(RecoveryTest, TheWorkingFolderIsRenamedAsideBeforeItIsDeleted) {
    auto session = open();
    addTopic(*session, tree::kTopLevel, "a.txt", "a");
    EXPECT_TRUE(session->exitNotebook().ok());
    EXPECT_FALSE(QFileInfo::exists(working()));
    const QString aside = QDir(data()).filePath(NotebookSession::removalName("Book"));
    EXPECT_FALSE(QFileInfo::exists(aside));

    // A removal killed halfway leaves only the folder aside; it is never
    // resumed, and the next start clears it.
    QDir().mkpath(aside);
    writeAll(QDir(aside).filePath("Tree.ini"), "[\\]\r\nhalf.txt=9\r\n");
    auto next = open();
    EXPECT_EQ(next->lastOpenOutcome(), OpenOutcome::Unpacked);
    EXPECT_EQ(labelsUnder(next->tree()), QStringList({"a.txt"}));
    EXPECT_FALSE(QFileInfo::exists(aside));
}

TEST_F(RecoveryTest, AWorkingFolderThatIsALinkIsRefusedAndWhatItPointsToKept) {
    auto first = open();
    addTopic(*first, tree::kTopLevel, "a.txt", "a");
    ASSERT_TRUE(first->exitNotebook().ok());
    const QByteArray goodPackage = readAll(package());

    const QString victim = QDir(base).filePath("victim");
    QDir().mkpath(victim);
    writeAll(QDir(victim).filePath("precious"), "do not delete");
    ASSERT_TRUE(QFile::link(victim, working()));

    auto session = open();
    EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::Refused);
    EXPECT_FALSE(session->saveProblem().isEmpty());
    EXPECT_FALSE(session->exitNotebook().ok());
    EXPECT_EQ(readAll(QDir(victim).filePath("precious")), "do not delete");
    EXPECT_EQ(readAll(package()), goodPackage);
    EXPECT_TRUE(QFileInfo(working()).isSymLink());
}

TEST_F(RecoveryTest, ADamagedTreeMemberIsKeptAndItsTopicsRecovered) {
    auto first = open();
    addTopic(*first, tree::kTopLevel, "one.txt", "first topic");
    addTopic(*first, tree::kTopLevel, "two.txt", "{\\rtf1 second}");
    ASSERT_TRUE(first->exitNotebook().ok());

    // Replace Tree.xtz inside the package by bytes that are no gzip member.
    QTemporaryDir repack;
    ASSERT_TRUE(unpackPackage(repack.path(), package()).ok());
    writeAll(QDir(repack.path()).filePath("Tree.xtz"), "garbage, not a tree");
    ASSERT_TRUE(packFolder(repack.path(), package()).ok());

    auto session = open();
    EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::TreeUnreadable);
    EXPECT_EQ(readAll(session->damagedPackageCopy()), "garbage, not a tree");
    ASSERT_EQ(labelsUnder(session->tree()), QStringList({"Recovered"}));
    const tree::ItemHandle recovered = session->tree().children(tree::kTopLevel).front();
    EXPECT_EQ(labelsUnder(session->tree(), recovered),
              QStringList({"Topic 00000002.txt", "Topic 00000003.rtf"}));
    EXPECT_EQ(topicText(*session, "Topic 00000002.txt"), "first topic");

    // The next pack writes the recovered tree, never an empty one.
    ASSERT_TRUE(session->exitNotebook().ok());
    auto again = open();
    EXPECT_EQ(labelsUnder(again->tree()), QStringList({"Recovered"}));
}

TEST_F(RecoveryTest, TopicFilesNoTreeItemNamesAreAdoptedAtEveryLoad) {
    // As a kill leaves it: the topic files written, the tree file not yet.
    auto first = open();
    addTopic(*first, tree::kTopLevel, "kept.txt", "in the tree");
    ASSERT_TRUE(first->saveTreeFile());
    QByteArray compressed;
    EXPECT_TRUE(compressBuffer("imported", compressed).ok());
    writeAll(tree::topicFilePath(working(), 40), compressed);
    first.reset();

    auto resumed = open();
    ASSERT_EQ(resumed->lastOpenOutcome(), OpenOutcome::Resumed);
    ASSERT_EQ(labelsUnder(resumed->tree()), QStringList({"kept.txt", "Recovered"}));
    const tree::ItemHandle recovered = resumed->tree().children(tree::kTopLevel).back();
    EXPECT_EQ(labelsUnder(resumed->tree(), recovered), QStringList({"Topic 00000028.txt"}));
    EXPECT_EQ(topicText(*resumed, "Topic 00000028.txt"), "imported");
    // A second time the same folder takes them in.
    ASSERT_TRUE(resumed->saveTreeFile());
    writeAll(tree::topicFilePath(working(), 41), compressed);
    resumed.reset();
    auto again = open();
    // (A folder comes before the topics of its parent once written.)
    ASSERT_EQ(labelsUnder(again->tree()), QStringList({"Recovered", "kept.txt"}));
    EXPECT_EQ(labelsUnder(again->tree(), again->tree().children(tree::kTopLevel).front()),
              QStringList({"Topic 00000028.txt", "Topic 00000029.txt"}));
    // Nothing is adopted twice, and nothing when no file is missing from the tree.
    ASSERT_TRUE(again->exitNotebook().ok());
    auto clean = open();
    EXPECT_EQ(clean->tree().itemCount(), 4);
}

TEST_F(RecoveryTest, LastBookNeverNamesTheDataFolderOwnFiles) {
    EXPECT_EQ(usableNotebookName("Notebook.ini"), "OxlinHelp");
    EXPECT_EQ(usableNotebookName("NOTEBOOK.INI"), "OxlinHelp");
    EXPECT_EQ(usableNotebookName(".Book.removing"), "OxlinHelp");
    EXPECT_EQ(usableNotebookName("Notes.ini"), "Notes.ini");
}

TEST_F(RecoveryTest, AnOverFullWorkingFolderIsNotPackedAndSaysWhy) {
    auto session = open();
    ASSERT_TRUE(session->save().ok());
    const QByteArray goodPackage = readAll(package());
    for (int id = 2; id < 2 + 3838; ++id)
        writeAll(QDir(working()).filePath(QString::asprintf("%08X.XTZ", id)), "");
    EXPECT_FALSE(session->packNotebook().ok());
    EXPECT_TRUE(
        messages::NotebookMessages::problem(session->saveProblem()).contains("more than the 3837"))
        << messages::NotebookMessages::problem(session->saveProblem()).toStdString();
    EXPECT_EQ(readAll(package()), goodPackage);
}

// A real file system that fills up: a small tmpfs, where the tests may mount one.
class FullDiskTest : public RecoveryTest {
protected:
    void SetUp() override {
        if (geteuid() != 0)
            GTEST_SKIP() << "needs root to mount a small tmpfs";
        if (::mount("none", root.path().toLocal8Bit().constData(), "tmpfs", 0, "size=2m") != 0)
            GTEST_SKIP() << "could not mount a tmpfs here";
        mounted = true;
        base = root.path();
    }
    void TearDown() override {
        if (mounted)
            ::umount2(root.path().toLocal8Bit().constData(), MNT_DETACH);
    }
    // Takes every free byte of the file system.
    void fill() {
        QFile filler(QDir(base).filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(64 * 1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        const QByteArray byte(1, 'x');
        while (filler.write(byte) == 1 && filler.flush()) {
        }
    }
    void unfill() { QFile::remove(QDir(base).filePath("filler")); }
    // Takes all but about `spare` bytes of the file system.
    void fillLeaving(qint64 spare) {
        struct statvfs disk {};
        ASSERT_EQ(::statvfs(QFile::encodeName(base).constData(), &disk), 0);
        const qint64 free = qint64(disk.f_bavail) * qint64(disk.f_frsize);
        ASSERT_GT(free, spare);
        QFile filler(QDir(base).filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        ASSERT_EQ(filler.write(QByteArray(free - spare, 'x')), free - spare);
        ASSERT_TRUE(filler.flush());
    }

    bool mounted = false;
};

TEST_F(FullDiskTest, APackThatRunsOutOfSpaceKeepsTheSystemsReason) {
    auto session = open();
    // Random bytes do not compress: the package needs as much again.
    QByteArray text(300 * 1024, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(text.data()),
                                  text.size() / qsizetype(sizeof(quint32)));
    addTopic(*session, tree::kTopLevel, "large.txt", text);
    ASSERT_TRUE(session->save().ok());
    const QByteArray goodPackage = readAll(package());

    fillLeaving(64 * 1024); // room for Tree.xtz and Z.xtz, not for a new package
    const Status packed = session->packNotebook();
    EXPECT_FALSE(packed.ok());
    EXPECT_EQ(session->saveProblem().kind, SessionProblem::Kind::PackageNotWritten);
    // The store's reason goes with the problem, and into its message.
    EXPECT_EQ(packed.systemError(), ENOSPC);
    EXPECT_EQ(session->saveProblem().systemError, ENOSPC);
    EXPECT_TRUE(messages::NotebookMessages::problem(session->saveProblem())
                    .contains(packed.systemMessage()));
    EXPECT_EQ(readAll(package()), goodPackage);
}

TEST_F(FullDiskTest, AResumedWorkingFolderThatTakesNoFileIsSaidAtOpen) {
    {
        auto first = open();
        addTopic(*first, tree::kTopLevel, "typed.txt", "typed before the disk filled");
        ASSERT_TRUE(first->saveTreeFile());
    } // ended without an exit: the working folder stays to be resumed
    fill();
    auto session = open();
    EXPECT_EQ(session->lastOpenOutcome(), OpenOutcome::Resumed);
    EXPECT_EQ(session->saveProblem().kind, SessionProblem::Kind::WorkingFolderNotWritable);
    EXPECT_EQ(session->saveProblem().path, working());
    EXPECT_EQ(topicText(*session, "typed.txt"), "typed before the disk filled");
}

TEST_F(FullDiskTest, AnExitOnAFullDiskKeepsThePackageAndTheWorkingFolder) {
    auto session = open();
    addTopic(*session, tree::kTopLevel, "before.txt", "written before the disk filled");
    ASSERT_TRUE(session->save().ok());
    const QByteArray goodPackage = readAll(package());

    session->tree().insertItem(tree::kTopLevel, tree::InsertPosition::last(), "after.txt",
                               tree::kTextImage,
                               tree::TopicRecord{session->fileIds().allocate(), 0});
    fill();
    EXPECT_FALSE(session->exitNotebook().ok());
    EXPECT_FALSE(session->saveProblem().isEmpty());
    EXPECT_EQ(readAll(package()), goodPackage);
    EXPECT_TRUE(QFileInfo::exists(working()));

    unfill();
    auto next = open();
    EXPECT_FALSE(next->tree().isEmpty());
    EXPECT_EQ(topicText(*next, "before.txt"), "written before the disk filled");
}

TEST_F(FullDiskTest, AnUnpackThatRunsOutOfSpaceNeverPacksOverThePackage) {
    QByteArray noise(600 * 1024, '\0'); // does not compress
    quint32 seed = 7;
    for (char& byte : noise)
        byte = char((seed = seed * 1103515245u + 12345u) >> 24);
    auto first = open();
    addTopic(*first, tree::kTopLevel, "big.txt", noise);
    ASSERT_TRUE(first->exitNotebook().ok());
    const QByteArray goodPackage = readAll(package());

    // Room for the small members, not for the big topic.
    fill();
    QFile filler(QDir(base).filePath("filler"));
    ASSERT_TRUE(filler.resize(filler.size() - 300 * 1024));

    // The package is kept by a link, which needs no room: the open goes on,
    // and the big topic stays in the kept package until it is taken out.
    auto session = open();
    EXPECT_TRUE(session->lastOpenOutcome() == OpenOutcome::Refused ||
                session->lastOpenOutcome() == OpenOutcome::UnpackIncomplete ||
                session->lastOpenOutcome() == OpenOutcome::Unpacked);
    (void)session->exitNotebook();
    unfill();
    // Whatever could be written, the package still holds the whole topic, or a copy of it does.
    EXPECT_TRUE(readAll(package()) == goodPackage ||
                readAll(session->damagedPackageCopy()) == goodPackage);
}

} // namespace
} // namespace oxlin::session
