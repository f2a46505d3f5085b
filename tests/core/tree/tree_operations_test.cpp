#include "core/store/profile.h"
#include "core/tree/file_ids.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_history.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_operations.h"
#include "messages/tree_messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <deque>
#include <set>

namespace oxlin::tree {
namespace {

struct Asked {
    TreeQuestion question;
    QString text;
};

// Answers Yes/No questions from a script (Yes when it runs out) and records
// every question and refusal, worded as the user reads them.
struct ScriptedQuestions : TreeQuestions {
    std::deque<bool> answers;
    std::vector<Asked> asked;
    std::vector<QString> told;
    bool confirm(TreeQuestion question, const QString& label, const QString& folderPath) override {
        asked.push_back({question, messages::TreeMessages::question(question, label, folderPath)});
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void refuseLabel(LabelCheck check, const QString& label) override {
        told.push_back(messages::TreeMessages::labelRefused(check, label));
    }
    void refuseFullNotebook() override { told.push_back(messages::TreeMessages::notebookFull()); }
};

struct FakeEditor : TreeEditor {
    ItemHandle current = kNoItem;
    quint32 view = 0;
    quint32 restored = 0;
    QStringList calls;
    bool saveFails = false;
    ItemHandle currentItem() const override { return current; }
    bool saveTopic() override {
        calls << QStringLiteral("save");
        return !saveFails;
    }
    void closeWithoutSaving() override {
        calls << QStringLiteral("close");
        current = kNoItem;
    }
    void repoint(ItemHandle item) override { current = item; }
    quint32 viewPosition() const override { return view; }
    std::function<void()> whileLoading; // what happens while a message is open
    bool loadTopic(ItemHandle item) override {
        calls << QStringLiteral("load");
        current = item;
        if (whileLoading)
            whileLoading();
        return true;
    }
    void restoreViewPosition(quint32 position) override { restored = position; }
};

class TreeOperationsTest : public ::testing::Test {
protected:
    TreeOperationsTest()
        : fileIds(profiles, dir.filePath("Z.ini")),
          ops(TreeServices{tree, fileIds, history, [this] { return dir.path(); }, nullptr},
              questions, editor, hooks()) {}

    TreeHooks hooks() {
        TreeHooks h;
        h.dropFromIndex = [this](ItemHandle item, const QString& oldPath) {
            index << QStringLiteral("drop %1 %2").arg(item).arg(oldPath);
        };
        h.addToIndex = [this](ItemHandle item) {
            index << QStringLiteral("add %1 %2").arg(item).arg(tree.itemPath(item));
        };
        h.navigationChanged = [this](NavigationState state) { navigation = state; };
        h.openFileTopic = [this](ItemHandle item) { fileTopics.push_back(item); };
        return h;
    }

    ItemHandle folder(ItemHandle parent, const QString& label) {
        return tree.insertFolder(parent, InsertPosition::last(), label);
    }
    // A topic with a fresh id and a topic file holding its label.
    ItemHandle topic(ItemHandle parent, const QString& label) {
        const qint32 id = fileIds.allocate();
        QFile file(topicFilePath(dir.path(), id));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(label.toUtf8());
        return tree.insertItem(parent, InsertPosition::last(), label, kTextImage,
                               TopicRecord{id, 0});
    }
    QString label(ItemHandle item) const { return tree.find(item)->label; }
    qint32 id(ItemHandle item) { return tree.record(item)->fileId; }
    bool fileExists(qint32 fileId) const {
        return QFile::exists(topicFilePath(dir.path(), fileId));
    }
    QStringList labels(ItemHandle parent) const {
        QStringList out;
        for (ItemHandle child : tree.children(parent))
            out << label(child);
        return out;
    }

    // Every item survives Tree.ini with its path and id, and every topic file
    // of the working folder belongs to exactly one item.
    void expectSoundNotebook() {
        const auto entries = [](const TopicTree& t) {
            std::multiset<std::pair<QString, qint32>> out;
            t.walk([&](const TreeItem& item, int) {
                out.insert({t.itemPath(item.handle), item.isTopic() ? item.record->fileId : 0});
            });
            return out;
        };
        const QString treeFile = dir.filePath("Tree.ini");
        ASSERT_TRUE(saveTree(tree, treeFile));
        TopicTree reloaded;
        ASSERT_TRUE(loadTree(reloaded, treeFile, nullptr));
        EXPECT_EQ(entries(reloaded), entries(tree));

        std::set<qint32> ids;
        tree.walk([&](const TreeItem& item, int) {
            if (item.isTopic()) {
                EXPECT_TRUE(ids.insert(item.record->fileId).second) << "shared id";
            }
        });
        for (const QString& name : QDir(dir.path()).entryList({"*.XTZ"}, QDir::Files)) {
            bool ok = false;
            const qint32 fileId = qint32(name.left(8).toUInt(&ok, 16));
            EXPECT_TRUE(ok && ids.count(fileId)) << "orphan topic file " << name.toStdString();
        }
    }

    QTemporaryDir dir;
    store::ProfileService profiles;
    TopicTree tree;
    FileIdCounter fileIds;
    TopicHistory history;
    ScriptedQuestions questions;
    FakeEditor editor;
    QStringList index;
    NavigationState navigation;
    std::vector<ItemHandle> fileTopics;
    TreeOperations ops;
};

TEST_F(TreeOperationsTest, NewItemsTakeTheDefaultNames) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle empty = folder(kTopLevel, "Empty");
    topic(work, "NewTopic1.txt");
    const ItemHandle second = topic(work, "NewTopic2.txt");

    const ItemHandle third = ops.newTopic(work);
    EXPECT_EQ(label(third), "NewTopic3.txt");
    EXPECT_EQ(tree.children(work).back(), third);
    EXPECT_EQ(tree.find(third)->image, kTextImage);
    EXPECT_EQ(id(third), fileIds.current());
    EXPECT_EQ(label(ops.newTopic(empty)), "NewTopic1.txt");

    // Beside the selection, in its parent.
    EXPECT_EQ(label(ops.newFolder(second)), "NewFolder1");
    EXPECT_EQ(label(ops.newFolder(second)), "NewFolder2");
    const ItemHandle top = ops.newFolder(kNoItem);
    EXPECT_EQ(tree.parent(top), kTopLevel);
    EXPECT_EQ(label(top), "NewFolder1");
    EXPECT_EQ(label(ops.newSubfolder(work)), "NewFolder3");

    // Enter: the selection's kind, right after it.
    const ItemHandle after = ops.newItemAfter(second);
    EXPECT_EQ(tree.row(after), tree.row(second) + 1);
    EXPECT_EQ(label(after), "NewTopic4.txt");
    EXPECT_TRUE(tree.find(ops.newItemAfter(work))->isFolder());

    // A new topic beside a topic, or at the top level with nothing selected.
    EXPECT_EQ(tree.parent(ops.newTopic(second)), work);
    EXPECT_EQ(tree.parent(ops.newTopic(kNoItem)), kTopLevel);

    // A topic has no children: nothing is created and no id is spent.
    const qint32 counter = fileIds.current();
    EXPECT_EQ(ops.newSubfolder(second), kNoItem);
    EXPECT_EQ(ops.newItemAfter(kNoItem), kNoItem);
    EXPECT_EQ(fileIds.current(), counter);
    expectSoundNotebook();
}

TEST_F(TreeOperationsTest, NewTopicNeverTakesAnIdWhoseFileExists) {
    const ItemHandle work = folder(kTopLevel, "Work");
    // Files left by a lost FileIDCount: ids 2 and 3 are in use on disk, 3 in
    // the spelling the unpacker writes.
    QFile(topicFilePath(dir.path(), 2)).open(QIODevice::WriteOnly);
    QFile(dir.filePath("00000003.xtz")).open(QIODevice::WriteOnly);
    const ItemHandle created = ops.newTopic(work);
    EXPECT_EQ(id(created), 4);
    QFile::remove(topicFilePath(dir.path(), 2));
    QFile::remove(topicFilePath(dir.path(), 3));
    expectSoundNotebook();
}

TEST_F(TreeOperationsTest, InsertKeyAddsATopicOrWrapsOneInAFolder) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle plan = topic(work, "Plan.v2.txt");
    const ItemHandle after = topic(work, "After.txt");
    const qint32 planId = id(plan);
    editor.current = plan;
    history.record(plan);

    const TreeOperations::Created created = ops.insertKey(work);
    EXPECT_TRUE(created.editLabel);
    EXPECT_EQ(label(created.item), "NewTopic1.txt");
    tree.removeItem(created.item);

    const TreeOperations::Created wrapped = ops.insertKey(plan);
    EXPECT_FALSE(wrapped.editLabel);
    EXPECT_FALSE(tree.contains(plan));
    const ItemHandle wrapper = tree.parent(wrapped.item);
    EXPECT_EQ(label(wrapper), "Plan.v2");
    EXPECT_EQ(labels(work), QStringList({"Plan.v2", "After.txt"}));
    EXPECT_EQ(label(wrapped.item), "Plan.v2.txt");
    EXPECT_EQ(id(wrapped.item), planId);
    EXPECT_EQ(editor.current, wrapped.item);
    EXPECT_TRUE(fileExists(planId));

    // Nothing to split, or a folder of that name already there.
    const ItemHandle readme = topic(work, "readme");
    const ItemHandle hidden = topic(work, ".txt");
    EXPECT_EQ(ops.insertKey(readme).item, kNoItem);
    EXPECT_EQ(ops.insertKey(hidden).item, kNoItem);
    EXPECT_TRUE(questions.told.empty());
    const ItemHandle twin = topic(work, "plan.V2.doc");
    EXPECT_EQ(ops.insertKey(twin).item, kNoItem);
    ASSERT_EQ(questions.told.size(), 1u);
    EXPECT_EQ(questions.told[0], "A catalog named plan.V2 already exists here.");
    EXPECT_EQ(tree.children(work).size(), 5u);
    EXPECT_TRUE(tree.contains(after));
    expectSoundNotebook();
}

TEST_F(TreeOperationsTest, RenameAddsTxtAndTellsTheIndex) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle note = topic(work, "NewTopic1.txt");

    EXPECT_EQ(ops.rename(note, "Notes"), TreeOperations::RenameResult::Renamed);
    EXPECT_EQ(label(note), "Notes.txt");
    EXPECT_EQ(index, QStringList({QStringLiteral("drop %1 Work\\NewTopic1.txt").arg(note),
                                  QStringLiteral("add %1 Work\\Notes.txt").arg(note)}));

    // The image stays until the notebook is loaded again.
    EXPECT_EQ(ops.rename(note, "  Notes.doc "), TreeOperations::RenameResult::Renamed);
    EXPECT_EQ(label(note), "Notes.doc");
    EXPECT_EQ(tree.find(note)->image, kTextImage);

    EXPECT_EQ(ops.rename(work, "Old"), TreeOperations::RenameResult::Renamed);
    EXPECT_EQ(label(work), "Old");
    EXPECT_EQ(ops.rename(work, "OLD"), TreeOperations::RenameResult::Renamed); // its own label
    EXPECT_EQ(ops.rename(kNoItem, "x"), TreeOperations::RenameResult::NoItem);
    EXPECT_TRUE(questions.told.empty());
    expectSoundNotebook();
}

TEST_F(TreeOperationsTest, RenameRefusesLabelsTheNotebookCannotKeep) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle other = folder(kTopLevel, "Other");
    const ItemHandle note = topic(kTopLevel, "a.txt");
    struct Case {
        ItemHandle item;
        QString text;
        LabelCheck check;
    };
    const std::vector<Case> cases = {
        {note, "", LabelCheck::Empty},
        {note, "   ", LabelCheck::Empty},
        {note, "a\\b.txt", LabelCheck::ReservedCharacter},
        {note, "a/b.txt", LabelCheck::ReservedCharacter},
        {note, "a=b.txt", LabelCheck::ReservedCharacter},
        {note, "[a].txt", LabelCheck::ReservedCharacter},
        {note, QStringLiteral("a\nb.txt"), LabelCheck::ReservedCharacter},
        {note, QStringLiteral("a") + QChar(0) + QStringLiteral(".txt"),
         LabelCheck::ReservedCharacter},
        {work, ".", LabelCheck::NotAFileName},
        {note, "..", LabelCheck::NotAFileName},
        {note, QString(252, QLatin1Char('x')) + ".txt", LabelCheck::TooLong},
        {work, "other", LabelCheck::FolderExists},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const QString before = label(c.item);
        questions.told.clear();
        EXPECT_EQ(ops.rename(c.item, c.text), TreeOperations::RenameResult::Refused);
        EXPECT_EQ(label(c.item), before);
        ASSERT_EQ(questions.told.size(), 1u);
        EXPECT_FALSE(questions.told[0].isEmpty());
        EXPECT_EQ(
            checkLabel(tree, kNoItem, c.item, tree.find(c.item)->isFolder(), c.text.trimmed()),
            c.check);
    }
    EXPECT_TRUE(index.isEmpty());
    // Length counts bytes: 128 two-byte characters are 256 bytes.
    EXPECT_EQ(checkLabel(tree, kTopLevel, kNoItem, true, QString(128, QChar(0x00E9))),
              LabelCheck::TooLong);
    EXPECT_EQ(checkLabel(tree, kTopLevel, kNoItem, true, QString(127, QChar(0x00E9))),
              LabelCheck::Accepted);
    // A topic may share a folder's label; folders elsewhere do not count.
    EXPECT_EQ(ops.rename(note, "Other"), TreeOperations::RenameResult::Renamed);
    EXPECT_EQ(label(note), "Other.txt");
    const ItemHandle inner = folder(work, "inner");
    EXPECT_EQ(ops.rename(inner, "Other"), TreeOperations::RenameResult::Renamed);
    EXPECT_TRUE(tree.contains(other));
    expectSoundNotebook();
}

TEST_F(TreeOperationsTest, RelabelChangesTheImageAndTheIndex) {
    const ItemHandle note = topic(kTopLevel, "a.txt");
    EXPECT_TRUE(ops.relabel(note, "a.rtf"));
    EXPECT_EQ(label(note), "a.rtf");
    EXPECT_EQ(tree.find(note)->image, kDocumentImage); // no icon lookup in this test
    EXPECT_EQ(index.size(), 2);
    EXPECT_FALSE(ops.relabel(note, "a/b.rtf"));
    EXPECT_EQ(label(note), "a.rtf");
}

TEST_F(TreeOperationsTest, DeleteTopicRemovesItsFileAndHistory) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle a = topic(work, "a.txt");
    const ItemHandle b = topic(work, "b.txt");
    const qint32 aId = id(a), bId = id(b);
    ops.openTopic(a);
    ops.openTopic(b);
    EXPECT_EQ(navigation, (NavigationState{true, false}));

    questions.answers = {false};
    EXPECT_FALSE(ops.deleteItem(a).deleted);
    EXPECT_EQ(questions.asked.back().question, TreeQuestion::DeleteTopic);
    EXPECT_EQ(questions.asked.back().text, "Do you want to delete a.txt?");
    EXPECT_TRUE(tree.contains(a));

    // The next sibling is selected; the file goes, the editor keeps its topic.
    const TreeOperations::Deleted first = ops.deleteItem(a);
    EXPECT_TRUE(first.deleted);
    EXPECT_EQ(first.select, b);
    EXPECT_FALSE(fileExists(aId));
    EXPECT_FALSE(history.contains(a));
    EXPECT_EQ(editor.current, b);
    EXPECT_EQ(navigation, (NavigationState{true, false}));

    // The shown topic: cleared without saving; the history empties.
    editor.calls.clear();
    const TreeOperations::Deleted second = ops.deleteItem(b);
    EXPECT_EQ(second.select, work);
    EXPECT_EQ(editor.calls, QStringList({"close"}));
    EXPECT_FALSE(fileExists(bId));
    EXPECT_TRUE(history.isEmpty());
    EXPECT_EQ(navigation, (NavigationState{false, false}));
    EXPECT_EQ(ops.lastOpened(), kNoItem);

    // The last top-level item leaves nothing to select.
    EXPECT_EQ(ops.deleteItem(work).select, kNoItem);
    EXPECT_TRUE(tree.isEmpty());
    expectSoundNotebook();
}

TEST_F(TreeOperationsTest, DeleteFolderRemovesEveryTopicBelowIt) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle old = folder(work, "Old");
    const ItemHandle a = topic(work, "a.txt");
    const ItemHandle b = topic(old, "b.rtf");
    const ItemHandle keep = topic(kTopLevel, "keep.txt");
    const qint32 aId = id(a), bId = id(b);
    ops.openTopic(b);
    ops.openTopic(keep);
    ops.openTopic(a);
    editor.calls.clear();

    questions.answers = {false};
    EXPECT_FALSE(ops.deleteItem(work).deleted);
    EXPECT_EQ(questions.asked.back().text,
              "Do you want to delete Work and all topics in this folder?");
    EXPECT_TRUE(editor.calls.isEmpty());

    const TreeOperations::Deleted deleted = ops.deleteItem(work);
    EXPECT_EQ(deleted.select, keep);
    EXPECT_EQ(editor.calls, QStringList({"save", "close"}));
    EXPECT_FALSE(fileExists(aId));
    EXPECT_FALSE(fileExists(bId));
    EXPECT_TRUE(fileExists(id(keep)));
    EXPECT_EQ(history.entries(), std::deque<ItemHandle>({keep}));
    EXPECT_EQ(labels(kTopLevel), QStringList({"keep.txt"}));
    expectSoundNotebook();
}

TEST_F(TreeOperationsTest, DeleteKeepsAFileThatAnotherItemStillNames) {
    // Two items with one id come only from a damaged tree file.
    const ItemHandle a = topic(kTopLevel, "a.txt");
    const ItemHandle twin =
        tree.insertItem(kTopLevel, InsertPosition::last(), "twin.txt", kTextImage, *tree.record(a));
    ops.deleteItem(twin);
    EXPECT_TRUE(fileExists(id(a)));
}

TEST_F(TreeOperationsTest, EachMoveSaysWhenItIsPossible) {
    const ItemHandle top = folder(kTopLevel, "Top");
    const ItemHandle first = topic(top, "first.txt");
    const ItemHandle sub = folder(top, "Sub");
    const ItemHandle mid = topic(top, "mid.txt");
    const ItemHandle last = topic(top, "last.txt");
    const auto possible = [&](ItemHandle item) {
        const SelectionState s = selectionState(tree, item);
        return std::vector<bool>{s.levelUp, s.levelDown, s.up, s.down};
    };
    EXPECT_EQ(possible(top), std::vector<bool>({false, false, false, false}));
    EXPECT_EQ(possible(first), std::vector<bool>({true, false, false, true}));
    EXPECT_EQ(possible(sub), std::vector<bool>({true, false, true, true}));
    EXPECT_EQ(possible(mid), std::vector<bool>({true, true, true, true}));
    EXPECT_EQ(possible(last), std::vector<bool>({true, true, true, false}));
    EXPECT_EQ(possible(kNoItem), std::vector<bool>({false, false, false, false}));
    EXPECT_TRUE(selectionState(tree, top).folder);
    EXPECT_FALSE(selectionState(tree, top).topic);
    EXPECT_TRUE(selectionState(tree, mid).topic);
}

TEST_F(TreeOperationsTest, MovesPlaceItemsAndKeepIdsAndFiles) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle a = topic(work, "a.txt");
    const ItemHandle old = folder(work, "Old");
    topic(old, "b.txt");
    folder(old, "Empty");
    topic(old, "c.txt");
    const ItemHandle d = topic(work, "d.txt");
    const qint32 dId = id(d);
    editor.current = d;

    // A topic: up past the folder, the editor follows it.
    const ItemHandle d1 = ops.move(d, Move::Up);
    EXPECT_EQ(labels(work), QStringList({"a.txt", "d.txt", "Old"}));
    EXPECT_EQ(id(d1), dId);
    EXPECT_EQ(editor.current, d1);
    EXPECT_TRUE(editor.calls.isEmpty());

    // A folder: the editor's topic is saved and the editor cleared; its
    // children keep their order, ids and files.
    std::vector<qint32> oldIds;
    tree.walk([&](const TreeItem& i, int) { oldIds.push_back(i.isTopic() ? i.record->fileId : 0); },
              old);
    const ItemHandle old1 = ops.move(old, Move::Up);
    EXPECT_EQ(editor.calls, QStringList({"save", "close"}));
    EXPECT_EQ(labels(work), QStringList({"a.txt", "Old", "d.txt"}));
    EXPECT_EQ(labels(old1), QStringList({"b.txt", "Empty", "c.txt"}));
    std::vector<qint32> newIds;
    tree.walk([&](const TreeItem& i, int) { newIds.push_back(i.isTopic() ? i.record->fileId : 0); },
              old1);
    EXPECT_EQ(newIds, oldIds);

    const ItemHandle old2 = ops.move(old1, Move::Up);
    EXPECT_EQ(tree.row(old2), 0);
    const ItemHandle a1 = ops.move(a, Move::Down);
    EXPECT_EQ(labels(work), QStringList({"Old", "d.txt", "a.txt"}));

    // Level down goes into the nearest folder above, skipping topics: a topic last.
    const ItemHandle a2 = ops.move(a1, Move::LevelDown);
    EXPECT_EQ(tree.parent(a2), old2);
    EXPECT_EQ(labels(old2), QStringList({"b.txt", "Empty", "c.txt", "a.txt"}));
    // Level up: a folder first, a topic last in the grandparent.
    const ItemHandle empty = tree.children(old2)[1];
    const ItemHandle empty1 = ops.move(empty, Move::LevelUp);
    EXPECT_EQ(labels(work), QStringList({"Empty", "Old", "d.txt"}));
    const ItemHandle a3 = ops.move(a2, Move::LevelUp);
    EXPECT_EQ(tree.parent(a3), work);
    EXPECT_EQ(labels(work).back(), "a.txt");
    const ItemHandle work1 = ops.move(work, Move::Down);
    EXPECT_EQ(work1, kNoItem);
    ops.move(empty1, Move::LevelUp);
    EXPECT_EQ(labels(kTopLevel), QStringList({"Empty", "Work"}));
    expectSoundNotebook();
}

TEST_F(TreeOperationsTest, DropsAskAndRefuseTheDraggedSubtree) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle old = folder(work, "Old");
    const ItemHandle deep = topic(old, "deep.txt");
    const ItemHandle home = folder(kTopLevel, "Home");
    const ItemHandle h1 = topic(home, "h1.txt");
    const ItemHandle x = topic(work, "x.txt");
    const ItemHandle top = topic(kTopLevel, "top.txt");

    EXPECT_FALSE(ops.canDrop(work, work));
    EXPECT_FALSE(ops.canDrop(work, deep));
    EXPECT_FALSE(ops.canDrop(work, kNoItem));
    EXPECT_EQ(ops.drop(work, old), kNoItem);
    EXPECT_TRUE(questions.asked.empty());

    // A topic target stands for its folder; a topic goes last.
    const ItemHandle qid = id(x);
    questions.answers = {false, true};
    EXPECT_EQ(ops.drop(x, h1), kNoItem);
    EXPECT_TRUE(tree.contains(x));
    const ItemHandle x1 = ops.drop(x, h1);
    EXPECT_EQ(questions.asked.back().text, "move [x.txt] to [Home]?\r\n");
    EXPECT_EQ(labels(home), QStringList({"h1.txt", "x.txt"}));
    EXPECT_EQ(id(x1), qid);

    const ItemHandle old1 = ops.drop(old, home);
    EXPECT_EQ(questions.asked.back().text, "move [Old] to [Home]?\r\n");
    EXPECT_EQ(labels(home), QStringList({"Old", "h1.txt", "x.txt"}));
    EXPECT_EQ(labels(old1), QStringList({"deep.txt"}));

    // A top-level topic stands for the top level; a folder goes first there.
    ops.drop(old1, top);
    EXPECT_EQ(questions.asked.back().text, "move [Old] to root?\r\n");
    EXPECT_EQ(labels(kTopLevel), QStringList({"Old", "Work", "Home", "top.txt"}));
    expectSoundNotebook();
}

TEST_F(TreeOperationsTest, OpenTopicDecidesWhatOpens) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle readme = topic(work, "readme");
    const ItemHandle doc = topic(work, "x.doc");
    const ItemHandle a = topic(work, "a.TXT");
    const ItemHandle b = topic(work, "b.rtf");

    EXPECT_EQ(ops.openTopic(work), OpenAction::None);
    EXPECT_EQ(ops.openTopic(readme), OpenAction::None);
    EXPECT_EQ(ops.openTopic(a), OpenAction::Editor);
    EXPECT_EQ(ops.openTopic(a), OpenAction::None); // already shown
    EXPECT_EQ(ops.openTopic(doc), OpenAction::File);
    EXPECT_EQ(fileTopics, std::vector<ItemHandle>({doc}));
    EXPECT_EQ(editor.current, a);
    EXPECT_EQ(ops.lastOpened(), doc);
    EXPECT_EQ(history.entries(), std::deque<ItemHandle>({a}));

    // Leaving a topic keeps where the editor stood; coming back restores it.
    editor.view = 0x00050007;
    editor.calls.clear();
    EXPECT_EQ(ops.openTopic(b), OpenAction::Editor);
    EXPECT_EQ(editor.calls, QStringList({"save", "close", "load"}));
    EXPECT_EQ(tree.record(a)->viewPosition, 0x00050007u);
    EXPECT_EQ(editor.restored, 0u);
    ops.openTopic(a);
    EXPECT_EQ(editor.restored, 0x00050007u);

    // A topic that cannot be saved is never emptied out of the editor.
    editor.saveFails = true;
    editor.calls.clear();
    EXPECT_EQ(ops.openTopic(b), OpenAction::None);
    EXPECT_EQ(editor.calls, QStringList({"save"}));
    EXPECT_EQ(editor.current, a);
    folder(kTopLevel, "Later");
    ASSERT_TRUE(canMove(tree, work, Move::Down));
    EXPECT_EQ(ops.move(work, Move::Down), kNoItem) << "a folder move empties the editor first";
    EXPECT_TRUE(tree.contains(work));
}

TEST_F(TreeOperationsTest, BackAndForwardFollowTheHistory) {
    const ItemHandle t1 = topic(kTopLevel, "T1.txt");
    const ItemHandle t2 = topic(kTopLevel, "T2.txt");
    const ItemHandle t3 = topic(kTopLevel, "T3.txt");
    ops.openTopic(t1);
    EXPECT_EQ(navigation, (NavigationState{false, false}));
    ops.openTopic(t2);
    ops.openTopic(t3);
    EXPECT_EQ(navigation, (NavigationState{true, false}));

    EXPECT_EQ(ops.back(), t2);
    EXPECT_EQ(editor.current, t2);
    EXPECT_EQ(navigation, (NavigationState{true, true}));
    EXPECT_EQ(ops.forward(), t3);
    EXPECT_EQ(editor.current, t3);
    EXPECT_EQ(navigation, (NavigationState{true, false}));
    EXPECT_EQ(history.entries(), std::deque<ItemHandle>({t1, t2, t3})); // not re-recorded
    ops.openTopic(t1);
    EXPECT_EQ(history.entries(), std::deque<ItemHandle>({t2, t3, t1}));

    EXPECT_EQ(ops.back(), t3);
    EXPECT_EQ(ops.back(), t2);
    EXPECT_EQ(navigation, (NavigationState{false, true}));
    EXPECT_EQ(ops.back(), kNoItem);
    EXPECT_EQ(editor.current, t2);

    // Opening by any other way moves the topic to the newest end; Forward
    // stays enabled until it finds nothing newer.
    ops.openTopic(t1);
    EXPECT_EQ(navigation, (NavigationState{true, true}));
    EXPECT_EQ(ops.forward(), kNoItem);
    EXPECT_EQ(navigation, (NavigationState{true, false}));

    ops.forgetOpenedTopics();
    EXPECT_EQ(navigation, (NavigationState{false, false}));
    EXPECT_EQ(ops.lastOpened(), kNoItem);
}

TEST_F(TreeOperationsTest, HistoryKeepsTwentyTopics) {
    std::vector<ItemHandle> topics;
    for (int i = 1; i <= 21; ++i) {
        topics.push_back(topic(kTopLevel, QStringLiteral("T%1.txt").arg(i)));
        ops.openTopic(topics.back());
    }
    EXPECT_EQ(history.size(), TopicHistory::kCapacity);
    EXPECT_FALSE(history.contains(topics.front()));
    EXPECT_EQ(history.entries().front(), topics[1]);
}

TEST_F(TreeOperationsTest, BackToAMovedTopicDropsTheEntry) {
    const ItemHandle work = folder(kTopLevel, "Work");
    const ItemHandle t1 = topic(kTopLevel, "T1.txt");
    const ItemHandle t2 = topic(kTopLevel, "T2.txt");
    ops.openTopic(t1);
    ops.openTopic(t2);
    ops.drop(t1, work);

    editor.calls.clear();
    EXPECT_EQ(ops.back(), kNoItem);
    EXPECT_TRUE(editor.calls.isEmpty());
    EXPECT_EQ(history.entries(), std::deque<ItemHandle>({t2}));
    EXPECT_EQ(ops.back(), kNoItem);
    EXPECT_EQ(navigation, (NavigationState{false, false}));

    // The open topic itself moving keeps its place as the current entry.
    const ItemHandle t3 = topic(kTopLevel, "T3.txt");
    ops.openTopic(t3);
    const ItemHandle t2moved = ops.move(t2, Move::LevelDown);
    EXPECT_EQ(editor.current, t3);
    const ItemHandle t3moved = ops.drop(t3, work);
    EXPECT_EQ(ops.lastOpened(), t3moved);
    EXPECT_EQ(editor.current, t3moved);
    EXPECT_EQ(ops.back(), kNoItem); // t2's old handle: dropped
    EXPECT_TRUE(tree.contains(t2moved));
    EXPECT_EQ(history.entries(), std::deque<ItemHandle>({t3moved}));

    // An entry that no longer opens is dropped too, so Back never sticks on it.
    const ItemHandle t4 = topic(kTopLevel, "T4.txt");
    ops.openTopic(t4);
    tree.setLabel(t3moved, "readme");
    ops.openTopic(t2moved);
    EXPECT_EQ(ops.back(), t4);
    EXPECT_EQ(ops.back(), kNoItem);
    EXPECT_EQ(history.entries(), std::deque<ItemHandle>({t4, t2moved}));
    expectSoundNotebook();
}

TEST_F(TreeOperationsTest, ANotebookClosedWhileATopicLoadsEndsTheOpen) {
    const ItemHandle a = topic(kTopLevel, "a.txt");
    tree.record(a)->viewPosition = 7;
    // The exit sequence ran inside a message box the load showed.
    editor.whileLoading = [this] { tree.clear(); };
    EXPECT_EQ(ops.openTopic(a), OpenAction::None);
    EXPECT_EQ(editor.restored, 0u);
    EXPECT_EQ(ops.lastOpened(), kNoItem);
}

TEST_F(TreeOperationsTest, AFullNotebookRefusesAnotherTopicAndSaysSo) {
    const ItemHandle box = folder(kTopLevel, "Box");
    for (int i = 0; i < kMaxTopics; ++i)
        tree.insertItem(box, InsertPosition::last(), QStringLiteral("t%1.txt").arg(i), kTextImage,
                        TopicRecord{i + 100, 0});
    EXPECT_EQ(ops.newTopic(box), kNoItem);
    ASSERT_EQ(questions.told.size(), 1);
    EXPECT_TRUE(questions.told.front().contains("full"));
    EXPECT_EQ(topicCount(tree), kMaxTopics);
}

} // namespace
} // namespace oxlin::tree
