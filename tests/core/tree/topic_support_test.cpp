#include "core/store/profile.h"
#include "core/tree/file_ids.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_history.h"
#include "core/tree/topic_images.h"
#include "core/tree/topic_kind.h"
#include "core/tree/tree_model.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace oxlin::tree {
namespace {

TEST(TopicKind, FollowsTheLastExtension) {
    EXPECT_EQ(topicKind("a.TXT"), TopicKind::Text);
    EXPECT_EQ(topicKind("notes.v2.rtf"), TopicKind::RichText);
    EXPECT_EQ(topicKind("x.doc"), TopicKind::File);
    EXPECT_EQ(topicKind("Memo"), TopicKind::None);
    EXPECT_EQ(topicKind(".txt"), TopicKind::None); // a leading dot starts no extension
    EXPECT_EQ(topicExtension("a.b.Txt"), ".Txt");
}

TEST(TopicKind, WorkingCopiesStayInsideTheWorkingFolder) {
    EXPECT_EQ(workingCopyPath("/w", "a b.txt"), "/w/a b.txt");
    EXPECT_TRUE(workingCopyPath("/w", "../escape.txt").isEmpty());
    EXPECT_TRUE(workingCopyPath("/w", "..").isEmpty());
    EXPECT_TRUE(workingCopyPath("/w", "").isEmpty());
}

TEST(TopicKind, TopicFilesAreFoundWithoutRegardToCase) {
    QTemporaryDir dir;
    EXPECT_EQ(topicFilePath(dir.path(), 10), dir.filePath("0000000A.XTZ"));
    QFile(dir.filePath("0000000b.xtz")).open(QIODevice::WriteOnly);
    EXPECT_EQ(topicFilePath(dir.path(), 11), dir.filePath("0000000b.xtz"));
}

struct CountingIcons : IconLookup {
    int asked = 0;
    int addIcon(const QString& extension) override {
        ++asked;
        return extension == QLatin1String(".NOICON") ? -1 : 100 + asked;
    }
};

TEST(TopicImages, CachesUpToFiftyExtensions) {
    CountingIcons icons;
    TopicImages images(&icons);
    EXPECT_EQ(images.imageFor("a.doc"), 101);
    EXPECT_EQ(images.imageFor("B.DOC"), 101);
    EXPECT_EQ(icons.asked, 1);
    // No icon: the document image, and the next use asks again.
    EXPECT_EQ(images.imageFor("x.noicon"), kDocumentImage);
    EXPECT_EQ(images.imageFor("y.noicon"), kDocumentImage);
    EXPECT_EQ(icons.asked, 3);
    for (int i = 1; i < TopicImages::kCapacity; ++i)
        images.imageFor(QStringLiteral("f.e%1").arg(i));
    EXPECT_EQ(images.cachedCount(), TopicImages::kCapacity);
    const int asked = icons.asked;
    EXPECT_EQ(images.imageFor("late.new"), kDocumentImage);
    EXPECT_EQ(icons.asked, asked);
    EXPECT_EQ(images.imageFor("a.doc"), 101);
}

TEST(TopicHistory, KeepsTheOrderOfMostRecentOpening) {
    TopicHistory history;
    history.record(1);
    history.record(2);
    history.record(3);
    // Back from 3 reaches 2, forward from 2 reaches 3.
    EXPECT_EQ(history.older(3), 2u);
    EXPECT_EQ(history.newer(2), 3u);
    EXPECT_EQ(history.older(1), kNoItem);
    EXPECT_EQ(history.newer(3), kNoItem);
    history.record(1);
    EXPECT_EQ(history.entries(), (std::deque<ItemHandle>{2, 3, 1}));
    history.remove(3);
    EXPECT_EQ(history.older(1), 2u);
    EXPECT_EQ(history.older(99), kNoItem);
}

TEST(TopicHistory, DropsTheOldestBeyondTwentyEntries) {
    TopicHistory history;
    for (ItemHandle h = 1; h <= 21; ++h)
        history.record(h);
    EXPECT_EQ(history.size(), TopicHistory::kCapacity);
    EXPECT_FALSE(history.contains(1));
    EXPECT_EQ(history.entries().front(), 2u);
    EXPECT_EQ(history.entries().back(), 21u);
}

TEST(DefaultNames, CountsMatchingSiblingsWithoutRegardToCase) {
    TopicTree tree;
    const ItemHandle folder = tree.insertFolder(kTopLevel, InsertPosition::last(), "F");
    EXPECT_EQ(defaultItemName(tree, folder, "NewTopic"), "NewTopic1.txt");
    for (const char* label : {"NewTopic1.txt", "newtopic2.TXT"})
        tree.insertItem(folder, InsertPosition::last(), label, kTextImage, TopicRecord{2, 0});
    EXPECT_EQ(defaultItemName(tree, folder, "NewTopic"), "NewTopic3.txt");
    EXPECT_EQ(defaultItemName(tree, folder, "NewFolder"), "NewFolder1");
    tree.insertFolder(folder, InsertPosition::last(), "NEWFOLDER1");
    EXPECT_EQ(defaultItemName(tree, folder, "NewFolder"), "NewFolder2");

    // Out of order, a single pass would give an existing name.
    const ItemHandle other = tree.insertFolder(kTopLevel, InsertPosition::last(), "G");
    for (const char* label : {"NewTopic2.txt", "NewTopic1.txt"})
        tree.insertItem(other, InsertPosition::last(), label, kTextImage, TopicRecord{2, 0});
    EXPECT_EQ(defaultItemName(tree, other, "NewTopic"), "NewTopic3.txt");
}

class FileIdCounterTest : public ::testing::Test {
protected:
    QString runtimeFile() const { return dir.filePath("Z.ini"); }
    QString stored() const {
        return profiles.readString(runtimeFile(), "RunTimeData", "FileIDCount");
    }
    QTemporaryDir dir;
    store::ProfileService profiles;
};

TEST_F(FileIdCounterTest, StartsAtTwoWithoutTheKeyAndStoresEachId) {
    FileIdCounter counter(profiles, runtimeFile());
    counter.load();
    EXPECT_EQ(counter.allocate(), 2);
    EXPECT_EQ(counter.allocate(), 3);
    EXPECT_EQ(counter.allocate(), 4);
    EXPECT_EQ(stored(), "4");
}

TEST_F(FileIdCounterTest, ContinuesFromTheStoredValue) {
    for (const auto& [text, expected] : {std::pair{"5", 6}, {"", 2}, {"-1", 2}, {"7junk", 8}}) {
        profiles.writeString(runtimeFile(), "RunTimeData", "FileIDCount", text);
        FileIdCounter counter(profiles, runtimeFile());
        counter.load();
        EXPECT_EQ(counter.allocate(), expected) << text;
        EXPECT_EQ(stored(), QString::number(expected));
    }
}

TEST_F(FileIdCounterTest, NeverGivesOutAnIdItCouldNotStore) {
    FileIdCounter counter(profiles, dir.filePath("missing/Z.ini"));
    counter.load();
    EXPECT_EQ(counter.allocate(), 0);
    EXPECT_EQ(counter.current(), 1);
    counter.setRuntimeFile(runtimeFile());
    counter.raiseTo(40);
    EXPECT_EQ(counter.allocate(), 41);
}

TEST_F(FileIdCounterTest, ABatchStoresAheadSoARestartNeverRepeatsAnId) {
    FileIdCounter counter(profiles, runtimeFile());
    counter.load();
    counter.setBatch(3);
    EXPECT_EQ(counter.allocate(), 2);
    EXPECT_EQ(stored(), "4");
    EXPECT_EQ(counter.allocate(), 3);
    EXPECT_EQ(counter.allocate(), 4);
    EXPECT_EQ(stored(), "4");
    EXPECT_EQ(counter.allocate(), 5);
    EXPECT_EQ(stored(), "7");
    // A program that ends here left 6 and 7 unused: the next one skips them.
    FileIdCounter next(profiles, runtimeFile());
    next.load();
    EXPECT_EQ(next.allocate(), 8);
    // Ids already covered by the stored value need no write.
    counter.setBatch(1);
    EXPECT_EQ(counter.allocate(), 6);
    EXPECT_EQ(stored(), "8");
}

} // namespace
} // namespace oxlin::tree
