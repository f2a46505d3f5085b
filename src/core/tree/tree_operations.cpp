#include "core/tree/tree_operations.h"

#include "core/tree/tree_file_format.h"

#include "core/tree/file_ids.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_history.h"
#include "core/tree/topic_images.h"

#include "core/store/file_names.h"

#include <QFile>
#include <QFileInfo>

#include <unordered_map>
#include <vector>

namespace oxlin::tree {

namespace {

const QString kNewTopicBase = QStringLiteral("NewTopic");
const QString kNewFolderBase = QStringLiteral("NewFolder");

// The item and its subtree, the item first, in tree order.
std::vector<ItemHandle> subtree(const TopicTree& tree, ItemHandle item) {
    std::vector<ItemHandle> handles{item};
    tree.walk([&](const TreeItem& each, int) { handles.push_back(each.handle); }, item);
    return handles;
}

bool isFolder(const TopicTree& tree, ItemHandle item) {
    const TreeItem* found = tree.find(item);
    return found && found->isFolder();
}

bool isTopic(const TopicTree& tree, ItemHandle item) {
    const TreeItem* found = tree.find(item);
    return found && found->isTopic();
}

} // namespace

TreeOperations::TreeOperations(TreeServices services, TreeQuestions& questions, TreeEditor& editor,
                               TreeHooks hooks)
    : services_(std::move(services)), tree_(services_.tree), history_(services_.history),
      questions_(questions), editor_(editor), hooks_(std::move(hooks)) {}

QString TreeOperations::workingFolder() const {
    return services_.workingFolder ? services_.workingFolder() : QString();
}

qint32 TreeOperations::allocateFreeFileId() {
    return tree::allocateFreeFileId(services_.fileIds, workingFolder(), [&](qint32 id) {
        bool taken = false;
        tree_.walk([&](const TreeItem& item, int) {
            taken = taken || (item.isTopic() && item.record->fileId == id);
        });
        return taken;
    });
}

ItemHandle TreeOperations::insertNewTopic(ItemHandle parent, InsertPosition position) {
    if (parent != kTopLevel && !isFolder(tree_, parent))
        return kNoItem;
    if (topicCount(tree_) >= kMaxTopics) {
        // Said now, while the user can still act on it: past this the
        // package could not be written at the next save.
        questions_.refuseFullNotebook();
        return kNoItem;
    }
    const QString label = defaultItemName(tree_, parent, kNewTopicBase);
    const qint32 id = allocateFreeFileId();
    if (id == 0)
        return kNoItem;
    return tree_.insertItem(parent, position, label, kTextImage, TopicRecord{id, 0});
}

ItemHandle TreeOperations::insertNewFolder(ItemHandle parent, InsertPosition position) {
    return tree_.insertFolder(parent, position, defaultItemName(tree_, parent, kNewFolderBase));
}

ItemHandle TreeOperations::newTopic(ItemHandle selection) {
    // A first topic must be possible whatever the tree holds: beside a
    // selected topic, and at the top level when nothing is selected.
    if (isFolder(tree_, selection))
        return insertNewTopic(selection, InsertPosition::last());
    const ItemHandle parent = tree_.contains(selection) ? tree_.parent(selection) : kTopLevel;
    return insertNewTopic(parent, InsertPosition::last());
}

ItemHandle TreeOperations::newFolder(ItemHandle selection) {
    const ItemHandle parent = tree_.contains(selection) ? tree_.parent(selection) : kTopLevel;
    return insertNewFolder(parent, InsertPosition::last());
}

ItemHandle TreeOperations::newSubfolder(ItemHandle selection) {
    if (!isFolder(tree_, selection))
        return kNoItem;
    return insertNewFolder(selection, InsertPosition::last());
}

ItemHandle TreeOperations::newTopLevelTopic() {
    return insertNewTopic(kTopLevel, InsertPosition::last());
}

ItemHandle TreeOperations::newItemAfter(ItemHandle selection) {
    const TreeItem* item = tree_.find(selection);
    if (!item)
        return kNoItem;
    const InsertPosition after = InsertPosition::after(selection);
    return item->isTopic() ? insertNewTopic(item->parent, after)
                           : insertNewFolder(item->parent, after);
}

TreeOperations::Created TreeOperations::insertKey(ItemHandle selection) {
    if (isFolder(tree_, selection))
        return {newTopic(selection), true};
    if (isTopic(tree_, selection))
        return {wrapInFolder(selection), false};
    return {};
}

ItemHandle TreeOperations::wrapInFolder(ItemHandle topic) {
    const TreeItem* item = tree_.find(topic);
    if (!item || item->isFolder())
        return kNoItem;
    const qsizetype dot = item->label.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return kNoItem;
    const QString base = item->label.left(dot);
    const ItemHandle parent = item->parent;
    const LabelCheck check = checkLabel(tree_, parent, kNoItem, true, base);
    if (check == LabelCheck::Empty)
        return kNoItem; // ".txt" has no base name to give a folder
    if (check != LabelCheck::Accepted) {
        questions_.refuseLabel(check, base);
        return kNoItem;
    }
    const ItemHandle folder = tree_.insertFolder(parent, InsertPosition::after(topic), base);
    if (folder == kNoItem)
        return kNoItem;
    const ItemHandle moved = moveTo(topic, folder, InsertPosition::first());
    if (moved == kNoItem)
        tree_.removeItem(folder);
    return moved;
}

TreeOperations::RenameResult TreeOperations::rename(ItemHandle item, const QString& text) {
    const TreeItem* found = tree_.find(item);
    if (!found)
        return RenameResult::NoItem;
    // Blanks around a name are dropped: the tree file would lose them anyway.
    QString label = text.trimmed();
    if (found->isTopic() && !label.isEmpty() && !label.contains(QLatin1Char('.')))
        label = QStringLiteral("%1.txt").arg(label);
    const LabelCheck check = checkLabel(tree_, kNoItem, item, found->isFolder(), label);
    if (check != LabelCheck::Accepted) {
        questions_.refuseLabel(check, label);
        return RenameResult::Refused;
    }
    if (hooks_.dropFromIndex)
        hooks_.dropFromIndex(item, tree_.itemPath(item));
    tree_.setLabel(item, label);
    if (hooks_.addToIndex)
        hooks_.addToIndex(item);
    return RenameResult::Renamed;
}

bool TreeOperations::relabel(ItemHandle topic, const QString& label) {
    if (!isTopic(tree_, topic) ||
        checkLabel(tree_, kNoItem, topic, false, label) != LabelCheck::Accepted)
        return false;
    TopicImages fallback;
    TopicImages& images = services_.images ? *services_.images : fallback;
    if (hooks_.dropFromIndex)
        hooks_.dropFromIndex(topic, tree_.itemPath(topic));
    tree_.setLabel(topic, label);
    tree_.setImage(topic, images.imageFor(label));
    if (hooks_.addToIndex)
        hooks_.addToIndex(topic);
    return true;
}

void TreeOperations::deleteTopicFile(qint32 fileId, ItemHandle deletedRoot) {
    const QString folder = workingFolder();
    if (folder.isEmpty())
        return;
    // A damaged tree file can give two items one id; the file then stays for
    // the item that remains.
    bool shared = false;
    tree_.walk([&](const TreeItem& item, int) {
        shared = shared || (item.isTopic() && item.record->fileId == fileId &&
                            !tree_.isWithin(item.handle, deletedRoot));
    });
    if (!shared)
        QFile::remove(topicFilePath(folder, fileId));
}

TreeOperations::Deleted TreeOperations::deleteItem(ItemHandle selection) {
    const TreeItem* item = tree_.find(selection);
    if (!item)
        return {};
    const std::vector<ItemHandle>& siblings = tree_.children(item->parent);
    const std::size_t row = std::size_t(tree_.row(selection));
    const ItemHandle selectAfter = row + 1 < siblings.size() ? siblings[row + 1] : item->parent;

    if (item->isTopic()) {
        if (!questions_.confirm(TreeQuestion::DeleteTopic, item->label, {}))
            return {};
        if (editor_.currentItem() == selection)
            editor_.closeWithoutSaving();
        deleteTopicFile(item->record->fileId, selection);
        history_.remove(selection);
        if (history_.isEmpty())
            setNavigation({false, false});
    } else {
        if (!questions_.confirm(TreeQuestion::DeleteFolder, item->label, {}))
            return {};
        if (!editor_.saveTopic())
            return {};
        editor_.closeWithoutSaving();
        for (ItemHandle each : subtree(tree_, selection)) {
            const TreeItem* topic = tree_.find(each);
            if (!topic->isTopic())
                continue;
            deleteTopicFile(topic->record->fileId, selection);
            history_.remove(each);
        }
    }
    if (tree_.isWithin(lastOpened_, selection))
        lastOpened_ = kNoItem;
    tree_.removeItem(selection);
    return {true, selectAfter};
}

ItemHandle TreeOperations::moveTo(ItemHandle item, ItemHandle newParent, InsertPosition position) {
    const std::vector<ItemHandle> before = subtree(tree_, item);
    const ItemHandle moved = tree_.moveItem(item, newParent, position);
    if (moved == kNoItem)
        return kNoItem;
    // The copy has the same shape, so both walks pair old and new handles.
    const std::vector<ItemHandle> after = subtree(tree_, moved);
    std::unordered_map<ItemHandle, ItemHandle> newHandle;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        newHandle[before[i]] = after[i];

    const auto it = newHandle.find(editor_.currentItem());
    if (it != newHandle.end())
        editor_.repoint(it->second);
    // The last opened topic is where Back and Forward start and whose working
    // copy goes back into its file; it follows the move. Other history
    // entries keep their old handles and are dropped when Back or Forward
    // reaches them.
    const auto last = newHandle.find(lastOpened_);
    if (last != newHandle.end()) {
        history_.replace(lastOpened_, last->second);
        lastOpened_ = last->second;
    }
    return moved;
}

ItemHandle TreeOperations::move(ItemHandle selection, Move move) {
    if (!canMove(tree_, selection, move))
        return kNoItem;
    const bool folder = isFolder(tree_, selection);
    const ItemHandle parent = tree_.parent(selection);
    const std::vector<ItemHandle>& siblings = tree_.children(parent);
    const int row = tree_.row(selection);
    const InsertPosition byKind = folder ? InsertPosition::first() : InsertPosition::last();

    ItemHandle newParent = parent;
    InsertPosition position;
    switch (move) {
    case Move::LevelUp:
        newParent = tree_.parent(parent);
        position = byKind;
        break;
    case Move::LevelDown:
        newParent = previousFolderSibling(tree_, selection);
        position = byKind;
        break;
    case Move::Up:
        position = row >= 2 ? InsertPosition::after(siblings[std::size_t(row - 2)])
                            : InsertPosition::first();
        break;
    case Move::Down:
        position = InsertPosition::after(siblings[std::size_t(row + 1)]);
        break;
    }
    if (folder) {
        if (!editor_.saveTopic())
            return kNoItem;
        editor_.closeWithoutSaving();
    }
    return moveTo(selection, newParent, position);
}

bool TreeOperations::canDrop(ItemHandle dragged, ItemHandle target) const {
    return tree_.contains(dragged) && tree_.contains(target) && !tree_.isWithin(target, dragged);
}

ItemHandle TreeOperations::drop(ItemHandle dragged, ItemHandle target) {
    if (!canDrop(dragged, target))
        return kNoItem;
    const ItemHandle folder = isTopic(tree_, target) ? tree_.parent(target) : target;
    const QString label = tree_.find(dragged)->label;
    const bool confirmed =
        folder == kTopLevel
            ? questions_.confirm(TreeQuestion::MoveToTop, label, {})
            : questions_.confirm(TreeQuestion::MoveToFolder, label, tree_.itemPath(folder));
    if (!confirmed)
        return kNoItem;
    if (isFolder(tree_, dragged)) {
        if (!editor_.saveTopic())
            return kNoItem;
        editor_.closeWithoutSaving();
        return moveTo(dragged, folder, InsertPosition::first());
    }
    return moveTo(dragged, folder, InsertPosition::last());
}

OpenAction TreeOperations::openTopic(ItemHandle item) {
    const OpenAction action = openActionFor(tree_, item, editor_.currentItem());
    if (action == OpenAction::File) {
        if (hooks_.openFileTopic)
            hooks_.openFileTopic(item);
        lastOpened_ = item;
        return action;
    }
    if (action != OpenAction::Editor)
        return action;

    if (TopicRecord* current = tree_.record(editor_.currentItem()))
        current->viewPosition = editor_.viewPosition();
    if (!editor_.saveTopic())
        return OpenAction::None;
    editor_.closeWithoutSaving();
    if (!editor_.loadTopic(item))
        return OpenAction::None;
    // Loading may have shown a message, and the notebook may have been
    // closed while it was open.
    if (!tree_.contains(item))
        return OpenAction::None;
    lastOpened_ = item;
    if (!navigating_) {
        history_.record(item);
        if (history_.size() > 1)
            setNavigation({true, navigation_.forward});
    }
    if (const TopicRecord* record = tree_.record(item); record && record->viewPosition != 0)
        editor_.restoreViewPosition(record->viewPosition);
    return action;
}

ItemHandle TreeOperations::navigate(bool towardsOlder) {
    const ItemHandle entry =
        towardsOlder ? history_.older(lastOpened_) : history_.newer(lastOpened_);
    if (entry == kNoItem) {
        setNavigation(towardsOlder ? NavigationState{false, navigation_.forward}
                                   : NavigationState{navigation_.back, false});
        return kNoItem;
    }
    if (!isTopic(tree_, entry)) {
        // Moved or deleted since it was opened: its handle names no item now.
        history_.remove(entry);
        if (history_.isEmpty())
            setNavigation({false, false});
        return kNoItem;
    }
    navigating_ = true;
    const OpenAction opened = openTopic(entry);
    navigating_ = false;
    if (opened == OpenAction::None) {
        // Renamed to a label without a kind, or the editor could not load
        // it: going there again would stop at the same entry.
        history_.remove(entry);
        if (history_.isEmpty())
            setNavigation({false, false});
        return kNoItem;
    }
    if (towardsOlder)
        setNavigation({history_.older(entry) != kNoItem, true});
    else
        setNavigation({true, history_.newer(entry) != kNoItem});
    return entry;
}

ItemHandle TreeOperations::back() {
    return navigate(true);
}

ItemHandle TreeOperations::forward() {
    return navigate(false);
}

void TreeOperations::followReloadedTree(ItemHandle opened) {
    lastOpened_ = opened;
    navigating_ = false;
    setNavigation({history_.older(opened) != kNoItem, history_.newer(opened) != kNoItem});
}

void TreeOperations::forgetOpenedTopics() {
    lastOpened_ = kNoItem;
    navigating_ = false;
    setNavigation({false, false});
}

void TreeOperations::setNavigation(NavigationState state) {
    if (state == navigation_)
        return;
    navigation_ = state;
    if (hooks_.navigationChanged)
        hooks_.navigationChanged(state);
}

} // namespace oxlin::tree
