#include "core/tree/tree_model.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <vector>

namespace oxlin::tree {
namespace {

QStringList labels(const TopicTree& tree, ItemHandle parent) {
    QStringList result;
    for (ItemHandle child : tree.children(parent))
        result << tree.find(child)->label;
    return result;
}

ItemHandle topic(TopicTree& tree, ItemHandle parent, const char* label, qint32 id,
                 InsertPosition at = InsertPosition::last()) {
    return tree.insertItem(parent, at, QString::fromUtf8(label), kTextImage, TopicRecord{id, 0});
}

TEST(TopicTree, InsertsAtFirstLastAndAfterASibling) {
    TopicTree tree;
    const ItemHandle b = topic(tree, kTopLevel, "b.txt", 2);
    const ItemHandle d = topic(tree, kTopLevel, "d.txt", 3);
    topic(tree, kTopLevel, "a.txt", 4, InsertPosition::first());
    topic(tree, kTopLevel, "c.txt", 5, InsertPosition::after(b));
    EXPECT_EQ(labels(tree, kTopLevel), QStringList({"a.txt", "b.txt", "c.txt", "d.txt"}));
    EXPECT_EQ(tree.row(d), 3);

    // Topics cannot hold children; After needs a sibling of that parent.
    EXPECT_EQ(topic(tree, b, "x.txt", 6), kNoItem);
    const ItemHandle folder = tree.insertFolder(kTopLevel, InsertPosition::last(), "F");
    EXPECT_EQ(topic(tree, folder, "x.txt", 6, InsertPosition::after(b)), kNoItem);
    EXPECT_TRUE(tree.find(folder)->isFolder());
    EXPECT_EQ(tree.find(folder)->image, kFolderImage);
}

TEST(TopicTree, HandlesAreNeverReusedAndDeadHandlesAreRecognised) {
    TopicTree tree;
    const ItemHandle folder = tree.insertFolder(kTopLevel, InsertPosition::last(), "F");
    const ItemHandle inner = topic(tree, folder, "a.txt", 2);
    ASSERT_TRUE(tree.removeItem(folder));
    EXPECT_EQ(tree.find(folder), nullptr);
    EXPECT_EQ(tree.find(inner), nullptr); // the subtree went with it
    EXPECT_EQ(tree.record(inner), nullptr);
    EXPECT_EQ(tree.row(inner), -1);
    EXPECT_TRUE(tree.itemPath(inner).isEmpty());
    EXPECT_FALSE(tree.removeItem(inner));

    tree.clear();
    const ItemHandle later = tree.insertFolder(kTopLevel, InsertPosition::last(), "G");
    EXPECT_NE(later, folder);
    EXPECT_NE(later, inner);
    EXPECT_EQ(tree.find(kNoItem), nullptr);
}

TEST(TopicTree, PathsAndPreOrderWalk) {
    TopicTree tree;
    const ItemHandle work = tree.insertFolder(kTopLevel, InsertPosition::last(), "Work");
    const ItemHandle old = tree.insertFolder(work, InsertPosition::last(), "Old");
    const ItemHandle a = topic(tree, old, "a.txt", 2);
    topic(tree, work, "b.txt", 3);
    topic(tree, kTopLevel, "c.txt", 4);
    EXPECT_EQ(tree.itemPath(a), "Work\\Old\\a.txt");
    EXPECT_EQ(tree.findByPath("work\\OLD\\A.TXT"), a);
    EXPECT_EQ(tree.findByPath("Work\\a.txt"), kNoItem);

    QStringList order;
    tree.walk(
        [&](const TreeItem& item, int depth) { order << QString::number(depth) + item.label; });
    EXPECT_EQ(order, QStringList({"0Work", "1Old", "2a.txt", "1b.txt", "0c.txt"}));
}

TEST(TopicTree, MoveCopiesTheSubtreeWithNewHandlesAndKeepsRecords) {
    TopicTree tree;
    const ItemHandle first = tree.insertFolder(kTopLevel, InsertPosition::last(), "First");
    const ItemHandle moved = tree.insertFolder(kTopLevel, InsertPosition::last(), "Moved");
    const ItemHandle sub = tree.insertFolder(moved, InsertPosition::last(), "Sub");
    const ItemHandle a = topic(tree, moved, "a.txt", 7);
    topic(tree, sub, "deep.rtf", 9);
    tree.record(a)->viewPosition = 0x00030004;

    const ItemHandle copy = tree.moveItem(moved, first, InsertPosition::first());
    ASSERT_NE(copy, kNoItem);
    EXPECT_NE(copy, moved);
    EXPECT_FALSE(tree.contains(moved));
    EXPECT_FALSE(tree.contains(a));
    EXPECT_EQ(labels(tree, kTopLevel), QStringList({"First"}));
    EXPECT_EQ(labels(tree, copy), QStringList({"Sub", "a.txt"}));
    const ItemHandle newA = tree.findByPath("First\\Moved\\a.txt");
    ASSERT_NE(newA, kNoItem);
    EXPECT_EQ(*tree.record(newA), (TopicRecord{7, 0x00030004}));
    EXPECT_EQ(tree.record(tree.findByPath("First\\Moved\\Sub\\deep.rtf"))->fileId, 9);
    EXPECT_EQ(tree.itemCount(), 5);
}

TEST(TopicTree, MoveRefusesTargetsInsideTheMovedSubtree) {
    TopicTree tree;
    const ItemHandle outer = tree.insertFolder(kTopLevel, InsertPosition::last(), "Outer");
    const ItemHandle inner = tree.insertFolder(outer, InsertPosition::last(), "Inner");
    EXPECT_EQ(tree.moveItem(outer, inner, InsertPosition::last()), kNoItem);
    EXPECT_EQ(tree.moveItem(outer, outer, InsertPosition::last()), kNoItem);
    EXPECT_TRUE(tree.contains(outer));
    EXPECT_TRUE(tree.contains(inner));

    // Up and down among siblings: after the item itself is a valid place.
    const ItemHandle b = topic(tree, kTopLevel, "b.txt", 2);
    const ItemHandle moved = tree.moveItem(outer, kTopLevel, InsertPosition::after(b));
    ASSERT_NE(moved, kNoItem);
    EXPECT_EQ(labels(tree, kTopLevel), QStringList({"b.txt", "Outer"}));
}

struct Recorder : TreeObserver {
    std::vector<QString> events;
    void aboutToInsert(ItemHandle, int row) override { events.push_back(QString("+?%1").arg(row)); }
    void inserted(ItemHandle, int row, ItemHandle) override {
        events.push_back(QString("+%1").arg(row));
    }
    void aboutToRemove(ItemHandle, int row, ItemHandle) override {
        events.push_back(QString("-?%1").arg(row));
    }
    void removed(ItemHandle, int row) override { events.push_back(QString("-%1").arg(row)); }
    void changed(ItemHandle) override { events.push_back("~"); }
    void aboutToReset() override { events.push_back("reset?"); }
    void reset() override { events.push_back("reset"); }
};

TEST(TopicTree, ObserversSeePairedNotifications) {
    TopicTree tree;
    Recorder recorder;
    tree.addObserver(&recorder);
    const ItemHandle a = topic(tree, kTopLevel, "a.txt", 2);
    topic(tree, kTopLevel, "b.txt", 3);
    tree.setLabel(a, "c.txt");
    tree.moveItem(a, kTopLevel, InsertPosition::last());
    tree.clear();
    tree.removeObserver(&recorder);
    topic(tree, kTopLevel, "unseen.txt", 4);
    EXPECT_EQ(recorder.events, (std::vector<QString>{"+?0", "+0", "+?1", "+1", "~", "+?2", "+2",
                                                     "-?0", "-0", "reset?", "reset"}));
}

} // namespace
} // namespace oxlin::tree
