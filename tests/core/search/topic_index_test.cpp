#include "search_fixture.h"

#include <QDir>
#include <QFileInfo>

namespace oxlin::test {
namespace {

using search::LocateRow;
using tree::kNoItem;
using tree::kTopLevel;

class TopicIndexTest : public SearchFixture {};

TEST_F(TopicIndexTest, RebuildWritesBothFilesInTreeOrder) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle old = folder(work, "Old");
    const ItemHandle a = topic(old, "a.txt");
    const ItemHandle plan1 = topic(work, "plan.txt");
    const ItemHandle plan2 = topic(work, "Plan.TXT");
    const ItemHandle bak = topic(work, "a.txt.bak");
    const ItemHandle doc = topic(work, "report.doc");
    const ItemHandle bare = topic(kTopLevel, "README");
    const ItemHandle rich = topic(kTopLevel, "b.RTF");
    folder(kTopLevel, "Empty");

    index_.rebuildNow(tree_);

    EXPECT_EQ(readFile(paths_.topicIndexFile),
              "[TopicIndex]\r\n"
              "Work\\Old\\a.txt=" + h(a) + "\r\n"
              "Work\\Plan.TXT=" + h(plan2) + "\r\n" // one entry for both, the later sibling
              "Work\\a.txt.bak=" + h(bak) + "\r\n"
              "Work\\report.doc=" + h(doc) + "\r\n"
              "README=" + h(bare) + "\r\n"
              "b.RTF=" + h(rich) + "\r\n");
    EXPECT_EQ(readFile(paths_.searchIndexFile),
              "[SearchIndex]\r\n"
              "00000001.XTZ=" + h(a) + "\r\n"
              "00000002.XTZ=" + h(plan1) + "\r\n"
              "00000003.XTZ=" + h(plan2) + "\r\n"
              "00000004.XTZ=" + h(bak) + "\r\n"
              "00000007.XTZ=" + h(rich) + "\r\n");

    // The Locate list shows one row for the two plan.txt.
    std::vector<LocateRow> rows = index_.locateRows(tree_);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].text, QStringLiteral("a.txt"));
    EXPECT_EQ(rows[1].text, QStringLiteral("Plan.TXT"));
    EXPECT_EQ(rows[1].handle, plan2);
}

TEST_F(TopicIndexTest, RebuildReplacesOldFilesAndAnEmptyTreeLeavesNone) {
    topic(kTopLevel, "a.txt");
    index_.rebuildNow(tree_);
    ASSERT_TRUE(QFileInfo::exists(paths_.searchIndexFile));
    tree_.clear();
    topic(kTopLevel, "only.doc");
    index_.rebuildNow(tree_);
    EXPECT_FALSE(QFileInfo::exists(paths_.searchIndexFile)) << "a stale SearchIndex was kept";
    EXPECT_FALSE(readFile(paths_.topicIndexFile).contains("a.txt"));

    tree_.clear();
    index_.rebuildNow(tree_);
    EXPECT_FALSE(QFileInfo::exists(paths_.topicIndexFile));
    EXPECT_FALSE(QFileInfo::exists(paths_.searchIndexFile));
    EXPECT_TRUE(index_.locateRows(tree_).empty());
}

TEST_F(TopicIndexTest, AReaderDuringARebuildAlwaysFindsBothFiles) {
    const ItemHandle a = topic(kTopLevel, "a.txt");
    index_.rebuildNow(tree_);
    const ItemHandle b = topic(kTopLevel, "b.txt");
    QStringList replaced;
    // Runs on the worker just before each file is replaced: a lookup there
    // is a link clicked at the worst moment.
    index_.setBeforeReplacing([&](const QString& file) {
        replaced << QFileInfo(file).fileName();
        EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("a.txt")), a) << qPrintable(file);
        EXPECT_TRUE(readFile(paths_.searchIndexFile).contains("00000001.XTZ="))
            << qPrintable(file);
    });
    index_.startRebuild(tree_);
    index_.waitForRebuild();
    EXPECT_EQ(replaced, QStringList({QFileInfo(paths_.topicIndexFile).fileName(),
                                     QFileInfo(paths_.searchIndexFile).fileName()}));
    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("b.txt")), b);
    // Nothing is left beside the files.
    EXPECT_EQ(QDir(paths_.workingFolder).entryList({"*Index*"}, QDir::Files | QDir::Hidden).size(),
              2);
}

TEST_F(TopicIndexTest, KeysThatAProfileFileCannotHoldAreSkipped) {
    const ItemHandle odd = topic(kTopLevel, "[draft].txt");
    const ItemHandle eq = topic(kTopLevel, "x=y.txt");
    const ItemHandle ok = topic(kTopLevel, "ok.txt");
    index_.rebuildNow(tree_);
    std::vector<LocateRow> rows = index_.locateRows(tree_);
    ASSERT_EQ(rows.size(), 1u) << "a key read back as a section header hides the rest";
    EXPECT_EQ(rows[0].handle, ok);
    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("ok.txt")), ok);
    // They are still searched by content: SearchIndex keys are file names.
    EXPECT_TRUE(readFile(paths_.searchIndexFile).contains("00000001.XTZ=" + h(odd)));
    EXPECT_TRUE(readFile(paths_.searchIndexFile).contains("00000002.XTZ=" + h(eq)));
}

TEST_F(TopicIndexTest, RenameLeavesADeadEntryAndAddsTheNewPath) {
    const ItemHandle a = topic(kTopLevel, "a.txt");
    const ItemHandle other = topic(kTopLevel, "other.txt");
    index_.rebuildNow(tree_);

    index_.dropItem(tree_, a);
    tree_.setLabel(a, QStringLiteral("b.txt"));
    const LocateRow row = index_.addItem(tree_, a);
    EXPECT_EQ(row.text, QStringLiteral("b.txt"));
    EXPECT_EQ(row.handle, a);

    EXPECT_EQ(readFile(paths_.topicIndexFile),
              "[TopicIndex]\r\na.txt=0\r\nother.txt=" + h(other) + "\r\nb.txt=" + h(a) + "\r\n");
    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("a.txt")), kNoItem);
    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("B.TXT")), a);
    std::vector<LocateRow> rows = index_.locateRows(tree_);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].text, QStringLiteral("b.txt"));

    // SearchIndex is the rebuild's alone.
    const ItemHandle imported = topic(kTopLevel, "new.txt");
    index_.addItem(tree_, imported);
    EXPECT_FALSE(readFile(paths_.searchIndexFile).contains(h(imported)));
    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("new.txt")), imported);
}

TEST_F(TopicIndexTest, LookupsNeverReachARemovedItem) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle a = topic(work, "a.txt");
    const ItemHandle gone = topic(work, "gone.txt");
    const ItemHandle moved = topic(work, "moved.txt");
    index_.rebuildNow(tree_);
    tree_.removeItem(gone);
    const ItemHandle movedNow = tree_.moveItem(moved, kTopLevel, tree::InsertPosition::last());
    ASSERT_NE(movedNow, kNoItem);

    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("work\\A.txt")), a);
    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("Work\\gone.txt")), kNoItem);
    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("Work\\moved.txt")), kNoItem);
    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("missing.txt")), kNoItem);
    EXPECT_EQ(index_.findTopic(tree_, QString()), kNoItem);
    profiles_.writeString(paths_.topicIndexFile, QStringLiteral("TopicIndex"),
                          QStringLiteral("minus.txt"), QStringLiteral("-1"));
    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("minus.txt")), kNoItem);

    std::vector<LocateRow> rows = index_.locateRows(tree_);
    ASSERT_EQ(rows.size(), 1u) << "dead handles give no Locate row";
    EXPECT_EQ(rows[0].handle, a);
    index_.dropItem(tree_, gone); // a dead item is not written
    EXPECT_EQ(index_.addItem(tree_, gone).handle, kNoItem);
}

TEST_F(TopicIndexTest, LastEditReopensItsTopicAfterTheRebuild) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle a = topic(work, "a.txt");
    EXPECT_EQ(index_.lastEditedTopic(tree_), kNoItem);

    index_.writeLastEdited(tree_, kNoItem); // no open topic: nothing written
    EXPECT_FALSE(QFileInfo::exists(paths_.runtimeFile));
    index_.writeLastEdited(tree_, a);
    EXPECT_EQ(profiles_.readString(paths_.runtimeFile, QStringLiteral("RunTimeData"),
                                   QStringLiteral("LastEdit")),
              QStringLiteral("Work\\a.txt"));

    // A new session: the same notebook loaded again with new handles.
    tree_.clear();
    const ItemHandle work2 = folder(kTopLevel, "Work");
    const ItemHandle a2 = topic(work2, "a.txt");
    bool done = false;
    index_.startRebuild(tree_, [&] { done = true; });
    index_.waitForRebuild();
    EXPECT_TRUE(done);
    EXPECT_EQ(index_.lastEditedTopic(tree_), a2);

    tree_.removeItem(a2);
    EXPECT_EQ(index_.lastEditedTopic(tree_), kNoItem);
}

TEST_F(TopicIndexTest, AddAndDropDuringARebuildAreNeverLost) {
    const ItemHandle work = folder(kTopLevel, "Work");
    for (int i = 0; i < 800; ++i)
        topic(work, QStringLiteral("t%1.txt").arg(i).toUtf8().constData());
    const ItemHandle a = topic(kTopLevel, "a.txt");

    bool sawQueued = false;
    for (int round = 0; round < 6; ++round) {
        const QString before = tree_.find(a)->label;
        const QString after = QStringLiteral("renamed%1.txt").arg(round);
        const ItemHandle imported = topic(kTopLevel, "imported.doc");
        index_.startRebuild(tree_);
        // The rename and the import happen after the snapshot, at various
        // points of the worker's progress.
        for (int spin = 0; spin < round * 20000; ++spin)
            std::atomic_signal_fence(std::memory_order_seq_cst);
        sawQueued = sawQueued || index_.isRebuilding();
        index_.dropItem(tree_, a);
        tree_.setLabel(a, after);
        index_.addItem(tree_, a);
        index_.addItem(tree_, imported);
        index_.waitForRebuild();

        EXPECT_EQ(index_.findTopic(tree_, before), kNoItem) << "round " << round;
        EXPECT_EQ(index_.findTopic(tree_, after), a) << "round " << round;
        EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("imported.doc")), imported)
            << "round " << round;
        EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("Work\\t799.txt")),
                  tree_.children(work).back());
        tree_.removeItem(imported);
    }
    EXPECT_TRUE(sawQueued) << "no write fell inside a rebuild; the test proved nothing";
}

TEST_F(TopicIndexTest, StopSkipsTheWritesButKeepsQueuedOnes) {
    topic(kTopLevel, "a.txt");
    index_.rebuildNow(tree_);
    const ItemHandle b = topic(kTopLevel, "b.txt");
    bool done = false;
    index_.startRebuild(tree_, [&] { done = true; });
    index_.addItem(tree_, b);
    index_.stopRebuild();
    EXPECT_FALSE(done);
    EXPECT_FALSE(index_.isRebuilding());
    EXPECT_EQ(index_.findTopic(tree_, QStringLiteral("b.txt")), b);
}

} // namespace
} // namespace oxlin::test
