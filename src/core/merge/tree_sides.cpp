#include "core/merge/tree_sides.h"

#include "core/store/ini_document.h"
#include "core/tree/tree_file.h"

namespace oxlin::merge {

using tree::ItemHandle;
using tree::kNoItem;
using tree::kTopLevel;
using tree::TreeItem;

namespace {

const QString kTreeMember = QStringLiteral("Tree");
const QChar kSeparator = u'\\';

QString parentPathOf(const tree::TopicTree& tree, ItemHandle item) {
    const ItemHandle parent = tree.parent(item);
    return parent == kTopLevel ? QString() : tree.itemPath(parent);
}

} // namespace

bool Side::load(bool withTree) {
    if (!content.text(kTreeMember, treeText))
        return false;
    if (!withTree)
        return true;
    tree::loadTree(tree, store::IniDocument::parse(treeText), nullptr);
    tree.walk([this](const TreeItem& item, int) {
        if (item.isFolder())
            return;
        const qint32 id = item.record->fileId;
        highestId_ = std::max(highestId_, id);
        if (!byId_.contains(id)) {
            byId_.insert(id, item.handle);
            topics_.emplace_back(id, item.handle);
        }
    });
    return true;
}

const QStringList& Side::folderPaths() const {
    if (foldersListed_)
        return folderPaths_;
    foldersListed_ = true;
    tree.walk([this](const TreeItem& item, int) {
        if (item.isFolder()) {
            folderPaths_.append(tree.itemPath(item.handle));
            foldedFolders_.insert(folderPaths_.last().toCaseFolded());
        }
    });
    return folderPaths_;
}

Location Side::locationOf(ItemHandle item) const {
    const TreeItem* found = tree.find(item);
    return found ? Location{parentPathOf(tree, item), found->label} : Location{};
}

void MergedTree::load(const Side& ours) {
    tree::loadTree(tree_, store::IniDocument::parse(ours.treeText), nullptr);
    tree_.walk([this](const TreeItem& item, int) {
        if (!item.isTopic())
            return;
        highestId_ = std::max(highestId_, item.record->fileId);
        ++itemsWithId_[item.record->fileId];
        if (!byId_.contains(item.record->fileId))
            byId_.insert(item.record->fileId, item.handle);
    });
}

QString MergedTree::labelOf(qint32 id) const {
    const TreeItem* item = tree_.find(topic(id));
    return item ? item->label : QString();
}

Location MergedTree::locationOf(qint32 id) const {
    const ItemHandle item = topic(id);
    return item ? Location{parentPathOf(tree_, item), labelOf(id)} : Location{};
}

void MergedTree::insertTopicLike(const Side& side, ItemHandle sideItem, qint32 id,
                                 const QString& label) {
    const ItemHandle parent = ensureFolder(side.locationOf(sideItem).parentPath);
    const std::vector<ItemHandle>& siblings = side.tree.children(side.tree.parent(sideItem));
    tree::InsertPosition position = tree::InsertPosition::first();
    for (int row = side.tree.row(sideItem) - 1; row >= 0; --row) {
        const TreeItem* sibling = side.tree.find(siblings[std::size_t(row)]);
        const ItemHandle here = sibling->isTopic() ? topic(sibling->record->fileId) : kNoItem;
        if (here != kNoItem && tree_.parent(here) == parent) {
            position = tree::InsertPosition::after(here);
            break;
        }
    }
    const ItemHandle item =
        tree_.insertItem(parent, position, label, tree::kTextImage, tree::TopicRecord{id});
    changed_ = true;
    if (item != kNoItem) {
        byId_.insert(id, item);
        ++itemsWithId_[id];
    }
}

void MergedTree::insertCopyAfter(qint32 id, qint32 newId, const QString& label) {
    const ItemHandle original = topic(id);
    const ItemHandle item =
        tree_.insertItem(tree_.parent(original), tree::InsertPosition::after(original), label,
                         tree::kTextImage, tree::TopicRecord{newId});
    changed_ = true;
    if (item != kNoItem) {
        byId_.insert(newId, item);
        ++itemsWithId_[newId];
    }
}

void MergedTree::moveTopic(qint32 id, const Location& to) {
    ItemHandle item = topic(id);
    const ItemHandle parent = ensureFolder(to.parentPath);
    changed_ = true;
    if (tree_.parent(item) != parent) {
        item = tree_.moveItem(item, parent, tree::InsertPosition::last());
        if (item == kNoItem)
            return;
        byId_.insert(id, item);
    }
    if (labelOf(id) != to.label)
        tree_.setLabel(item, to.label);
}

bool MergedTree::removeTopic(qint32 id) {
    tree_.removeItem(topic(id));
    byId_.remove(id);
    changed_ = true;
    if (--itemsWithId_[id] <= 0)
        return true;
    // Another item carrying the same id (a hand-made tree) keeps the file.
    tree_.walk([&](const TreeItem& item, int) {
        if (item.isTopic() && item.record->fileId == id && !byId_.contains(id))
            byId_.insert(id, item.handle);
    });
    return !byId_.contains(id);
}

ItemHandle MergedTree::childFolder(ItemHandle parent, const QString& label) const {
    ItemHandle caseless = kNoItem;
    for (const ItemHandle child : tree_.children(parent)) {
        const TreeItem* item = tree_.find(child);
        if (!item->isFolder())
            continue;
        if (item->label == label)
            return child;
        if (caseless == kNoItem && item->label.compare(label, Qt::CaseInsensitive) == 0)
            caseless = child;
    }
    return caseless;
}

bool MergedTree::findFolder(const QString& path, ItemHandle& folder) const {
    folder = kTopLevel;
    if (path.isEmpty())
        return true;
    for (const QString& label : path.split(kSeparator)) {
        folder = childFolder(folder, label);
        if (folder == kNoItem)
            return false;
    }
    return true;
}

ItemHandle MergedTree::ensureFolder(const QString& path) {
    ItemHandle folder = kTopLevel;
    if (path.isEmpty())
        return folder;
    for (const QString& label : path.split(kSeparator)) {
        ItemHandle child = childFolder(folder, label);
        if (child == kNoItem) {
            child = tree_.insertFolder(folder, tree::InsertPosition::last(), label);
            changed_ = true;
        }
        folder = child;
    }
    return folder;
}

void MergedTree::removeFolderUnlessKept(const QString& path, const Side& base) {
    ItemHandle folder = kNoItem;
    if (path.isEmpty() || !findFolder(path, folder))
        return;
    bool kept = false;
    tree_.walk(
        [&](const TreeItem& item, int) {
            if (item.isTopic() || !base.hasFolder(tree_.itemPath(item.handle)))
                kept = true;
        },
        folder);
    if (!kept) {
        tree_.removeItem(folder);
        changed_ = true;
    }
}

} // namespace oxlin::merge
