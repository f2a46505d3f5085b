// Importing files and folders: the limits at their exact edges, where items
// land, what is refused and reported, and a cancel that leaves a sound tree.

#include "core/store/compressed_file.h"
#include "core/store/profile.h"
#include "core/transfer/import.h"
#include "core/transfer/names.h"
#include "core/tree/file_ids.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_kind.h"
#include "core/tree/tree_operations.h"
#include "messages/transfer_messages.h"
#include "messages/tree_messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oxlin::transfer {
namespace {

using messages::MessageIcon;
using messages::TransferMessages;
using messages::UserMessage;

using tree::ItemHandle;
using tree::kTopLevel;

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A file of `size` bytes without writing them: sparse where the file system allows.
void sizedFile(const QString& path, qint64 size) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(size));
}

class ImportTest : public ::testing::Test {
protected:
    ImportTest() : fileIds(profiles, QDir(work()).filePath("Z.ini")) { QDir().mkpath(work()); }

    QString work() const { return root.filePath("work"); }
    QString source(const QString& name = "src") const { return root.filePath(name); }

    Importer importer(std::function<bool(int)> keepGoing = {}, int maxTopics = tree::kMaxTopics) {
        return Importer({.tree = tree,
                         .fileIds = fileIds,
                         .workingFolder = work(),
                         .addToIndex = [this](ItemHandle item) { indexed.append(item); },
                         .maxTopics = maxTopics,
                         .keepGoing = std::move(keepGoing)});
    }

    QStringList labels(ItemHandle parent) const {
        QStringList result;
        for (ItemHandle child : tree.children(parent))
            result << tree.find(child)->label;
        return result;
    }

    QByteArray content(ItemHandle topic) {
        QByteArray bytes;
        (void)store::decompressFileToBuffer(
            tree::topicFilePath(work(), tree.find(topic)->record->fileId), bytes);
        return bytes;
    }

    QTemporaryDir root;
    store::ProfileService profiles;
    tree::TopicTree tree;
    tree::FileIdCounter fileIds;
    QList<ItemHandle> indexed;
};

TEST_F(ImportTest, AFileIsATopicWithItsBytesItsNameAndItsIndexEntry) {
    writeFile(source("report.doc"), "doc bytes");
    writeFile(source("README"), "");
    // A topic file a lost FileIDCount left behind (id 2, the counter's next) is never taken.
    writeFile(QDir(work()).filePath("00000002.xtz"), "someone's topic");
    Importer in = importer();
    EXPECT_EQ(in.importFile(source("report.doc"), kTopLevel), 9);
    EXPECT_EQ(in.importFile(source("README"), kTopLevel), 0);
    ASSERT_EQ(labels(kTopLevel), QStringList({"report.doc", "README"}));
    const ItemHandle doc = tree.children(kTopLevel)[0];
    EXPECT_EQ(content(doc), "doc bytes");
    EXPECT_EQ(tree::topicKind("report.doc"), tree::TopicKind::File);
    EXPECT_EQ(indexed,
              QList<ItemHandle>(tree.children(kTopLevel).begin(), tree.children(kTopLevel).end()));
    // Ids come from the counter, stored before use, past the leftover file.
    EXPECT_EQ(tree.find(doc)->record->fileId, 3);
    EXPECT_EQ(fileIds.current(), tree.find(tree.children(kTopLevel)[1])->record->fileId);
}

TEST_F(ImportTest, TheSizeLimitIsTenMillionBytesExactly) {
    sizedFile(source("exact.bin"), kMaxImportFileBytes);
    sizedFile(source("over.bin"), kMaxImportFileBytes + 1);
    Importer in = importer();
    EXPECT_EQ(in.importFile(source("exact.bin"), kTopLevel), kMaxImportFileBytes);
    EXPECT_EQ(in.importFile(source("over.bin"), kTopLevel), -1);
    EXPECT_EQ(labels(kTopLevel), QStringList({"exact.bin"}));
    EXPECT_EQ(in.report().tooLarge, QStringList({source("over.bin")}));
    const std::vector<UserMessage> messages = TransferMessages::afterImport(in.report());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("File(%1) is larger than 10M bytes.\r\nWe don't "
                                               "suggest to import such a big file.")
                                    .arg(QDir::toNativeSeparators(source("over.bin"))));
}

TEST_F(ImportTest, FileCountLimitTakesFiveThousandAndStopsAfterTheFileThatCrossesIt) {
    // Small files add nothing to the size total, so only the count can stop
    // them. A package holds fewer topics than the count allows: lifted here.
    for (int i = 0; i < kMaxFolderImportFiles; ++i)
        writeFile(source("five") + QStringLiteral("/f%1.txt").arg(i), QByteArray(999, 'x'));
    Importer all = importer({}, 2 * kMaxFolderImportFiles);
    all.importFolder(source("five"), kTopLevel, Importer::Placement::ContentsOnly);
    EXPECT_EQ(all.report().topics, kMaxFolderImportFiles);
    EXPECT_EQ(all.report().stop, ImportStop::None);

    // An empty file is a file: it counts as well.
    writeFile(source("five") + "/one-more.txt", "");
    tree.clear();
    Importer capped = importer({}, 2 * kMaxFolderImportFiles);
    capped.importFolder(source("five"), kTopLevel, Importer::Placement::ContentsOnly);
    EXPECT_EQ(capped.report().topics, kMaxFolderImportFiles + 1);
    EXPECT_EQ(capped.report().stop, ImportStop::TooManyFiles);
    const std::vector<UserMessage> messages = TransferMessages::afterImport(capped.report());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Too many files in this folder.\r\nImport operation terminate.");
}

TEST_F(ImportTest, SizeTotalCountsWholeThousandsAndStopsPastFiftyThousand) {
    // 5 x 9,999,999 bytes = 49,995 units; then 5,999 bytes make 50,000 (kept
    // going), and one more 1,000 passes the limit.
    for (int i = 0; i < 5; ++i)
        sizedFile(source("big") + QStringLiteral("/f%1").arg(i), 9'999'999);
    writeFile(source("big") + "/g", QByteArray(5'999, 'y'));
    Importer in = importer();
    in.importPaths({source("big")}, kTopLevel);
    EXPECT_EQ(in.report().stop, ImportStop::None);
    EXPECT_EQ(in.report().topics, 6);

    writeFile(source("big") + "/h", QByteArray(1'000, 'z'));
    tree.clear();
    Importer over = importer();
    over.importPaths({source("big")}, kTopLevel);
    EXPECT_EQ(over.report().stop, ImportStop::FolderTooBig);
    EXPECT_EQ(over.report().topics, 7); // the file that crossed stays imported
}

TEST_F(ImportTest, SubfoldersComeFirstInEnumerationOrderThenTopicsLast) {
    writeFile(source() + "/one.txt", "1");
    writeFile(source() + "/two.rtf", "{\\rtf1}");
    writeFile(source() + "/Sub/inner.txt", "i");
    writeFile(source() + "/Other/x.txt", "x");
    writeFile(source() + "/.git/config", "hidden folder");
    writeFile(source() + "/.profile", "hidden file");
    const ItemHandle existing = tree.insertFolder(kTopLevel, tree::InsertPosition::last(), "Old");
    tree.insertItem(existing, tree::InsertPosition::last(), "old.txt", tree::kTextImage,
                    tree::TopicRecord{7, 0});
    Importer in = importer();
    const ItemHandle made =
        in.importFolder(source(), existing, Importer::Placement::NewFolderFirst);
    EXPECT_EQ(labels(existing), QStringList({"src", "old.txt"}));
    const QStringList inside = labels(made);
    // Folders first, in the order the file system gave them; then the files.
    const QStringList entries = QDir(source()).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
    QStringList folders, files;
    for (const QString& name : entries) {
        if (name == ".git")
            continue;
        (QFileInfo(source() + "/" + name).isDir() ? folders : files) << name;
    }
    EXPECT_EQ(inside, folders + files);
    EXPECT_EQ(in.report().folders, 3);
    EXPECT_EQ(in.report().topics, 5);
    // A new id never takes one the tree already has.
    for (ItemHandle topic : tree.children(made)) {
        if (tree.find(topic)->isTopic()) {
            EXPECT_NE(tree.find(topic)->record->fileId, 7);
        }
    }
}

TEST_F(ImportTest, NamesBecomeLabelsTheTreeFileCanHoldAndFoldersDoNotShareALabel) {
    writeFile(source() + "/a=b[1].txt", "x");
    writeFile(source() + "/Docs/d.txt", "d");
    tree.insertFolder(kTopLevel, tree::InsertPosition::last(), "docs");
    Importer in = importer();
    in.importFile(source() + "/a=b[1].txt", kTopLevel);
    in.importFolder(source() + "/Docs", kTopLevel, Importer::Placement::NewFolderFirst);
    EXPECT_EQ(labels(kTopLevel), QStringList({"Docs (2)", "docs", "a_b_1_.txt"}));
}

TEST_F(ImportTest, LinksToFoldersAreNotFollowed) {
    writeFile(source() + "/inside/keep.txt", "k");
    writeFile(source("outside") + "/secret.txt", "s");
    ASSERT_TRUE(QFile::link(source(), source() + "/inside/loop"));
    ASSERT_TRUE(QFile::link(source("outside"), source() + "/away"));
    Importer in = importer();
    in.importFolder(source(), kTopLevel, Importer::Placement::ContentsOnly);
    EXPECT_EQ(in.report().linkedFolders.size(), 2);
    tree.walk([&](const tree::TreeItem& item, int) {
        EXPECT_NE(item.label, "secret.txt");
        EXPECT_NE(item.label, "loop");
    });
    const std::vector<UserMessage> messages = TransferMessages::afterImport(in.report());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("loop"));
}

TEST_F(ImportTest, UnreadableFilesAndFoldersAreReportedNotImportedEmpty) {
    writeFile(source() + "/locked.txt", "no");
    writeFile(source() + "/Closed/inner.txt", "no");
    writeFile(source() + "/fine.txt", "yes");
    ASSERT_EQ(chmod(QFile::encodeName(source() + "/locked.txt").constData(), 0), 0);
    ASSERT_EQ(chmod(QFile::encodeName(source() + "/Closed").constData(), 0), 0);
    if (QFile(source() + "/locked.txt").open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions do not keep this user from reading (root?)";
    Importer in = importer();
    in.importFolder(source(), kTopLevel, Importer::Placement::ContentsOnly);
    // No empty folder stands for one whose entries were never seen.
    EXPECT_EQ(labels(kTopLevel), QStringList({"fine.txt"}));
    EXPECT_EQ(in.report().unreadable, QStringList({source() + "/locked.txt"}));
    EXPECT_EQ(in.report().unreadableFolders, QStringList({source() + "/Closed"}));
    const std::vector<UserMessage> messages = TransferMessages::afterImport(in.report());
    ASSERT_EQ(messages.size(), 1u); // one summary for all of it
    EXPECT_TRUE(messages[0].text.contains("locked.txt"));
    EXPECT_TRUE(messages[0].text.contains("Closed"));
    chmod(QFile::encodeName(source() + "/Closed").constData(), 0700);
}

TEST_F(ImportTest, CancelHalfWayKeepsWhatWasImportedWithTheirFiles) {
    for (int i = 0; i < 10; ++i)
        writeFile(source() + QStringLiteral("/f%1.txt").arg(i), QByteArray::number(i));
    Importer in = importer([](int handled) { return handled < 4; });
    in.importFolder(source(), kTopLevel, Importer::Placement::NewFolderFirst);
    EXPECT_EQ(in.report().stop, ImportStop::Cancelled);
    EXPECT_TRUE(TransferMessages::afterImport(in.report()).empty());
    ASSERT_EQ(tree.children(kTopLevel).size(), 1u);
    const ItemHandle folder = tree.children(kTopLevel)[0];
    EXPECT_EQ(tree.children(folder).size(), 4u);
    EXPECT_EQ(indexed.size(), 4);
    for (ItemHandle topic : tree.children(folder))
        EXPECT_TRUE(
            QFileInfo::exists(tree::topicFilePath(work(), tree.find(topic)->record->fileId)));
    // Only the imported topics' files were written.
    EXPECT_EQ(QDir(work()).entryList({"*.XTZ"}, QDir::Files).size(), 4);
}

TEST_F(ImportTest, AFullNotebookStopsTheWholeFileListAndSaysSo) {
    for (int i = 0; i < tree::kMaxTopics - 1; ++i)
        tree.insertItem(kTopLevel, tree::InsertPosition::last(), QStringLiteral("t%1.txt").arg(i),
                        tree::kTextImage, tree::TopicRecord{i + 2, 0});
    fileIds.raiseTo(tree::kMaxTopics); // as the session does at open
    writeFile(source() + "/a.txt", "a");
    writeFile(source() + "/b.txt", "b");
    writeFile(source("more") + "/c.txt", "c");
    Importer in = importer();
    in.importPaths({source() + "/a.txt", source() + "/b.txt", source("more")}, kTopLevel);
    EXPECT_EQ(in.report().topics, 1);
    EXPECT_EQ(in.report().stop, ImportStop::NotebookFull);
    EXPECT_EQ(tree::topicCount(tree), tree::kMaxTopics);
    EXPECT_EQ(TransferMessages::afterImport(in.report()).front().text,
              messages::TreeMessages::notebookFull());
}

TEST_F(ImportTest, AFileListPutsFoldersFirstAndFilesLastAndSkipsMissingPaths) {
    writeFile(source() + "/a.txt", "a");
    writeFile(source() + "/b.txt", "b");
    writeFile(source() + "/c.txt", "c");
    writeFile(source("Folder") + "/in.txt", "i");
    tree.insertItem(kTopLevel, tree::InsertPosition::last(), "old.txt", tree::kTextImage,
                    tree::TopicRecord{2, 0});
    Importer in = importer();
    in.importPaths({source() + "/a.txt", source() + "/b.txt", source() + "/gone.txt",
                    source() + "/c.txt", source("Folder")},
                   kTopLevel);
    EXPECT_EQ(labels(kTopLevel), QStringList({"Folder", "old.txt", "a.txt", "b.txt", "c.txt"}));
}

TEST_F(ImportTest, StepsTakeOneFileEachAndBearTheTreeChangingBetweenThem) {
    for (int i = 0; i < 6; ++i)
        writeFile(source() + QStringLiteral("/Sub/f%1.txt").arg(i), "x");
    writeFile(source() + "/top.txt", "t");
    Importer in = importer();
    in.queueFolder(source(), kTopLevel, Importer::Placement::NewFolderFirst);
    int steps = 0;
    while (in.step()) {
        ++steps;
        EXPECT_LE(in.report().topics, steps);
    }
    EXPECT_EQ(in.report().topics, 7);
    EXPECT_EQ(labels(kTopLevel), QStringList({"src"}));
    EXPECT_EQ(labels(tree.children(kTopLevel)[0]).size(), 2); // Sub, top.txt

    // The folder being filled is deleted half-way: the rest goes nowhere,
    // and no topic file is left without its topic.
    tree.clear();
    Importer cut = importer();
    cut.queuePaths({source() + "/Sub"}, kTopLevel);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(cut.step());
    ASSERT_EQ(cut.report().topics, 2);
    const QStringList before = QDir(work()).entryList({"*.XTZ"}, QDir::Files);
    tree.removeItem(tree.children(kTopLevel)[0]);
    while (cut.step()) {
    }
    EXPECT_EQ(cut.report().topics, 2);
    EXPECT_TRUE(tree.children(kTopLevel).empty());
    EXPECT_EQ(QDir(work()).entryList({"*.XTZ"}, QDir::Files), before);
}

TEST_F(ImportTest, PipesAndDevicesAreLeftOutWithoutBlockingOrReadingWithoutEnd) {
    // Were a pipe opened for reading as a file is, the import would wait for
    // a writer for ever; a device would give bytes for ever.
    writeFile(source() + "/a.txt", "a");
    ASSERT_EQ(mkfifo(QFile::encodeName(source() + "/pipe").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", source() + "/zeros"));
    Importer in = importer();
    in.importFolder(source(), kTopLevel, Importer::Placement::ContentsOnly);
    in.importPaths({source() + "/pipe", source() + "/zeros"}, kTopLevel);
    EXPECT_EQ(labels(kTopLevel), QStringList({"a.txt"}));
    QStringList left = in.report().notRegular;
    left.sort();
    EXPECT_EQ(left, QStringList({source() + "/pipe", source() + "/pipe", source() + "/zeros",
                                 source() + "/zeros"}));
    const std::vector<UserMessage> messages = TransferMessages::afterImport(in.report());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("not regular files"));
}

TEST_F(ImportTest, TheSizeLimitHoldsForWhatIsReadNotForWhatTheSizeSays) {
    // The kernel's status files say 0 bytes and hold more.
    const QString target = QDir(work()).filePath("status.xtz");
    qint64 read = -1;
    EXPECT_EQ(compressRegularFile("/proc/self/status", target, 100, read), CopyResult::TooLarge);
    EXPECT_FALSE(QFileInfo::exists(target)); // the partial file went with it
    EXPECT_EQ(compressRegularFile("/proc/self/status", target, 1'000'000, read),
              CopyResult::Written);
    EXPECT_GT(read, 100);
}

// Made by their bytes: QFile would take the name as text.
void rawFile(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0) << path.constData();
    ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    ::close(fd);
}

TEST_F(ImportTest, NamesThatAreNotUtf8AreReadByTheirBytesAndLabelledReadably) {
    const QByteArray folder = QFile::encodeName(source());
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    ASSERT_EQ(::mkdir(folder + "/d\xFCr", 0700), 0);
    rawFile(folder + "/d\xFCr/caf\xE9.txt", "latin");
    rawFile(folder + "/odd\x81.txt", "undefined byte");
    rawFile(folder + "/fine.txt", "utf-8");
    Importer in = importer();
    in.importFolder(source(), kTopLevel, Importer::Placement::ContentsOnly);
    EXPECT_EQ(in.report().unreadable, QStringList());
    QStringList all;
    tree.walk(
        [&](const tree::TreeItem& item, int depth) { all << QString(depth, ' ') + item.label; });
    all.sort();
    EXPECT_EQ(all, QStringList({QString::fromUtf8(" café.txt"), QString::fromUtf8("dür"),
                                "fine.txt", QString::fromUtf8("odd\uFFFD.txt")}));
    // One by one as well, by a path that carries the bytes.
    tree.clear();
    Importer single = importer();
    single.importPaths({decodeNativePath(folder + "/d\xFCr/caf\xE9.txt")}, kTopLevel);
    ASSERT_EQ(labels(kTopLevel), QStringList({QString::fromUtf8("café.txt")}));
    EXPECT_EQ(content(tree.children(kTopLevel)[0]), "latin");
    // The temporary folder's own removal goes by text names and would miss these.
    for (const char* name : {"/d\xFCr/caf\xE9.txt", "/odd\x81.txt"})
        ::unlink((folder + name).constData());
    ::rmdir((folder + "/d\xFCr").constData());
}

TEST(NativePaths, EveryByteComesBackAndReadsAsText) {
    QByteArray bytes;
    for (int b = 1; b < 256; ++b)
        bytes += char(b);
    bytes += "\xF0\x9F\x98\x80\xC3\xA9\xED\xA0\x80\xC0\xAF"; // valid, then not
    const QString decoded = decodeNativePath(bytes);
    EXPECT_EQ(encodeNativePath(decoded), bytes);
    EXPECT_EQ(decodeNativePath("plain/caf\xC3\xA9"), QString::fromUtf8("plain/café"));
    EXPECT_EQ(readablePath(decodeNativePath("a\xFF\xFE")), QString::fromUtf8("a\uFFFD\uFFFD"));
}

TEST(Names, LabelsAreNamesTheLabelRulesAccept) {
    tree::TopicTree tree;
    for (const QString& name : {QString(".."), QString("."), QString(), QString("a/b=c[d]\\e"),
                                QString(300, QChar(0xE9)), QString::fromUtf8("x\uFFFD.txt")}) {
        const QString label = labelForName(name);
        EXPECT_EQ(tree::checkLabel(tree, kTopLevel, tree::kNoItem, false, label),
                  tree::LabelCheck::Accepted)
            << name.toStdString() << " -> " << label.toStdString();
    }
    EXPECT_EQ(labelForName(".."), "_");
}

} // namespace
} // namespace oxlin::transfer
