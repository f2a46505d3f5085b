// Exporting folders and topics: every topic gets a file of its own, names
// are valid everywhere, and an existing target is never written into.

#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/transfer/export.h"
#include "core/transfer/names.h"
#include "messages/transfer_messages.h"
#include "core/tree/topic_kind.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace oxlin::transfer {
namespace {

using messages::MessageIcon;
using messages::TransferMessages;
using messages::UserMessage;

using tree::InsertPosition;
using tree::ItemHandle;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class ExportTest : public ::testing::Test {
protected:
    ExportTest() { QDir().mkpath(work()); }
    QString work() const { return root.filePath("work"); }
    QString out() const { return root.filePath("out"); }

    // A topic whose stored content is `content`.
    ItemHandle topic(ItemHandle parent, const QString& label, const QByteArray& content) {
        const qint32 id = ++lastId;
        QByteArray packed;
        EXPECT_TRUE(store::compressBuffer(content, packed).ok());
        QFile file(QDir(work()).filePath(store::topicFileName(quint32(id))));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(packed);
        return tree.insertItem(parent, InsertPosition::last(), label, tree::kTextImage,
                               tree::TopicRecord{id, 0});
    }

    QStringList exported(const QString& folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir root;
    tree::TopicTree tree;
    qint32 lastId = 1;
};

TEST_F(ExportTest, AFolderBecomesAFolderTreeWithEveryTopicsBytes) {
    const ItemHandle folder = tree.insertFolder(tree::kTopLevel, InsertPosition::last(), "Plans");
    topic(folder, "a.txt", "alpha");
    const ItemHandle sub = tree.insertFolder(folder, InsertPosition::last(), "Sub");
    topic(sub, "deep.rtf", "{\\rtf1 deep}");
    tree.insertFolder(sub, InsertPosition::last(), "Empty");
    // A topic never saved has no file: it is written empty, and counts.
    tree.insertItem(folder, InsertPosition::last(), "unsaved.txt", tree::kTextImage,
                    tree::TopicRecord{99, 0});

    const FolderExportReport report = exportFolder(tree, folder, work(), out());
    EXPECT_EQ(report.status, FolderExport::Exported);
    EXPECT_EQ(report.files, 3);
    EXPECT_EQ(report.folders, 2);
    EXPECT_EQ(readAll(out() + "/a.txt"), "alpha");
    EXPECT_EQ(readAll(out() + "/Sub/deep.rtf"), "{\\rtf1 deep}");
    EXPECT_EQ(readAll(out() + "/unsaved.txt"), "");
    EXPECT_TRUE(QFileInfo(out() + "/Sub/Empty").isDir());
    EXPECT_EQ(TransferMessages::afterFolderExport(report).text, "export folder OK!");
}

TEST_F(ExportTest, DuplicateLabelsGetFreeNamesWithoutRegardToCase) {
    const ItemHandle folder = tree.insertFolder(tree::kTopLevel, InsertPosition::last(), "F");
    topic(folder, "Notes.txt", "first");
    topic(folder, "notes.TXT", "second");
    topic(folder, "Notes.txt", "third");
    topic(folder, "Notes (2).txt", "a label that looks taken");
    tree.insertFolder(folder, InsertPosition::last(), "Notes.txt");
    exportFolder(tree, folder, work(), out());
    EXPECT_EQ(readAll(out() + "/Notes.txt"), "first");
    EXPECT_EQ(readAll(out() + "/notes (2).TXT"), "second");
    EXPECT_EQ(readAll(out() + "/Notes (3).txt"), "third");
    EXPECT_EQ(readAll(out() + "/Notes (2) (2).txt"), "a label that looks taken");
    EXPECT_TRUE(QFileInfo(out() + "/Notes.txt (2)").isDir());
    EXPECT_EQ(exported(out()).size(), 5);
}

TEST_F(ExportTest, LabelsThatAreNotFileNamesAreMadeValid) {
    const ItemHandle folder = tree.insertFolder(tree::kTopLevel, InsertPosition::last(), "F");
    topic(folder, "a:b?.txt", "1");
    topic(folder, "con.txt", "2");
    topic(folder, "..", "3");
    topic(folder, "trailing. ", "4");
    topic(folder, QString("tab\there.txt"), "5");
    tree.insertFolder(folder, InsertPosition::last(), "x*y");
    const FolderExportReport report = exportFolder(tree, folder, work(), out());
    EXPECT_TRUE(report.failedFiles.isEmpty());
    EXPECT_EQ(readAll(out() + "/a_b_.txt"), "1");
    EXPECT_EQ(readAll(out() + "/_con.txt"), "2");
    EXPECT_EQ(readAll(out() + "/_"), "3");
    EXPECT_EQ(readAll(out() + "/trailing"), "4");
    EXPECT_EQ(readAll(out() + "/tab_here.txt"), "5");
    EXPECT_TRUE(QFileInfo(out() + "/x_y").isDir());
    // A long label is cut to what a file name may hold.
    EXPECT_EQ(store::safeFileName(QString(300, QChar(0x00E9))).toUtf8().size(), 254);
}

TEST_F(ExportTest, AnExistingTargetIsRefusedAndNothingIsWritten) {
    const ItemHandle folder = tree.insertFolder(tree::kTopLevel, InsertPosition::last(), "F");
    topic(folder, "a.txt", "a");
    QDir().mkpath(out());
    const FolderExportReport exists = exportFolder(tree, folder, work(), out());
    EXPECT_EQ(exists.status, FolderExport::AlreadyExists);
    EXPECT_TRUE(exported(out()).isEmpty());
    EXPECT_EQ(TransferMessages::afterFolderExport(exists),
              (UserMessage{"Folder already exist!", "Error", MessageIcon::Error}));
    const FolderExportReport cannot =
        exportFolder(tree, folder, work(), root.filePath("missing/parent/out"));
    EXPECT_EQ(TransferMessages::afterFolderExport(cannot),
              (UserMessage{"Failed to create folder!", "ERROR", MessageIcon::Error}));
}

TEST_F(ExportTest, ATopicIsWrittenAsItsStoredBytes) {
    const ItemHandle doc = topic(tree::kTopLevel, "report.doc", QByteArray("\x00\x01binary", 8));
    const QString target = root.filePath("report.doc");
    EXPECT_TRUE(exportTopic(work(), tree.find(doc)->record->fileId, target).ok());
    EXPECT_EQ(readAll(target), QByteArray("\x00\x01binary", 8));
    EXPECT_EQ(TransferMessages::afterFileExport(true).text, "export file OK!");
    EXPECT_EQ(TransferMessages::afterFileExport(false),
              (UserMessage{"export file Failed!", "OK", MessageIcon::Warning}));
}

} // namespace
} // namespace oxlin::transfer

namespace oxlin::transfer {
namespace {

TEST_F(ExportTest, AFailedTopicExportLeavesTheFileThereWhole) {
    const ItemHandle doc = topic(tree::kTopLevel, "doc.txt", "new content");
    const qint32 id = tree.find(doc)->record->fileId;
    const QString target = root.filePath("doc.txt");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("what the user had");
    old.close();
    // Data that stops half way, as a write that runs out of room does.
    QByteArray packed;
    EXPECT_TRUE(store::compressBuffer(QByteArray(100000, 'n'), packed).ok());
    QFile damaged(QDir(work()).filePath(store::topicFileName(quint32(id))));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(packed.left(packed.size() / 2));
    damaged.close();

    EXPECT_FALSE(exportTopic(work(), id, target).ok());
    EXPECT_EQ(readAll(target), "what the user had");
    EXPECT_EQ(QDir(root.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"doc.txt"});
    // A folder of that name is never replaced.
    QDir().mkpath(root.filePath("dir.txt"));
    EXPECT_FALSE(exportTopic(work(), id, root.filePath("dir.txt")).ok());
    EXPECT_TRUE(QFileInfo(root.filePath("dir.txt")).isDir());
}

TEST_F(ExportTest, ALinkAtTheTargetIsReplacedOrRefusedNeverFollowed) {
    const ItemHandle folder = tree.insertFolder(tree::kTopLevel, InsertPosition::last(), "F");
    const ItemHandle doc = topic(folder, "a.txt", "exported");
    // A link to nowhere holds the name: the folder export says it exists
    // and makes nothing at the link's end.
    ASSERT_TRUE(QFile::link(root.filePath("nowhere"), out()));
    EXPECT_TRUE(exportTargetTaken(out()));
    const FolderExportReport report = exportFolder(tree, folder, work(), out());
    EXPECT_EQ(TransferMessages::afterFolderExport(report).text, "Folder already exist!");
    EXPECT_FALSE(QFileInfo::exists(root.filePath("nowhere")));
    EXPECT_TRUE(QFileInfo(out()).isSymLink());

    // A topic replaces the link itself; the file it pointed to stays as it was.
    const QString linked = root.filePath("linked.txt");
    QFile elsewhere(root.filePath("elsewhere.txt"));
    ASSERT_TRUE(elsewhere.open(QIODevice::WriteOnly));
    elsewhere.write("kept");
    elsewhere.close();
    ASSERT_TRUE(QFile::link(elsewhere.fileName(), linked));
    EXPECT_TRUE(exportTopic(work(), tree.find(doc)->record->fileId, linked).ok());
    EXPECT_FALSE(QFileInfo(linked).isSymLink());
    EXPECT_EQ(readAll(linked), "exported");
    EXPECT_EQ(readAll(elsewhere.fileName()), "kept");
    EXPECT_FALSE(exportTargetTaken(root.filePath("free.txt")));
}

} // namespace
} // namespace oxlin::transfer
