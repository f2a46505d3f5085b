#include "core/tree/tree_model.h"

#include <algorithm>

namespace oxlin::tree {

namespace {
const std::vector<ItemHandle> kNoChildren;
} // namespace

void TopicTree::addObserver(TreeObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void TopicTree::removeObserver(TreeObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

const TreeItem* TopicTree::find(ItemHandle handle) const {
    const auto it = items_.find(handle);
    return it == items_.end() ? nullptr : &it->second;
}

TreeItem* TopicTree::findMutable(ItemHandle handle) {
    const auto it = items_.find(handle);
    return it == items_.end() ? nullptr : &it->second;
}

const std::vector<ItemHandle>& TopicTree::children(ItemHandle parent) const {
    if (parent == kTopLevel)
        return topLevel_;
    const TreeItem* item = find(parent);
    return item ? item->children : kNoChildren;
}

std::vector<ItemHandle>* TopicTree::childList(ItemHandle parent) {
    if (parent == kTopLevel)
        return &topLevel_;
    TreeItem* item = findMutable(parent);
    return item && item->isFolder() ? &item->children : nullptr;
}

ItemHandle TopicTree::parent(ItemHandle item) const {
    const TreeItem* found = find(item);
    return found ? found->parent : kTopLevel;
}

ItemHandle TopicTree::folderOf(ItemHandle item) const {
    const TreeItem* found = find(item);
    if (!found)
        return kTopLevel;
    return found->isFolder() ? item : found->parent;
}

int TopicTree::row(ItemHandle item) const {
    const TreeItem* found = find(item);
    if (!found)
        return -1;
    const std::vector<ItemHandle>& siblings = children(found->parent);
    const auto it = std::find(siblings.begin(), siblings.end(), item);
    return it == siblings.end() ? -1 : int(it - siblings.begin());
}

TopicRecord* TopicTree::record(ItemHandle item) {
    TreeItem* found = findMutable(item);
    return found && found->record ? &*found->record : nullptr;
}

QString TopicTree::itemPath(ItemHandle item) const {
    QStringList labels;
    for (const TreeItem* at = find(item); at; at = find(at->parent))
        labels.prepend(at->label);
    return labels.join(QLatin1Char('\\'));
}

ItemHandle TopicTree::findByPath(const QString& path) const {
    if (path.isEmpty())
        return kNoItem;
    const QStringList labels = path.split(QLatin1Char('\\'));
    // Breadth over equal labels: duplicates and case variants may both match a prefix.
    std::vector<ItemHandle> candidates{kTopLevel};
    for (const QString& label : labels) {
        std::vector<ItemHandle> next;
        for (ItemHandle parentHandle : candidates)
            for (ItemHandle child : children(parentHandle))
                if (find(child)->label.compare(label, Qt::CaseInsensitive) == 0)
                    next.push_back(child);
        if (next.empty())
            return kNoItem;
        candidates = std::move(next);
    }
    return candidates.front();
}

bool TopicTree::isWithin(ItemHandle item, ItemHandle ancestor) const {
    if (ancestor == kTopLevel)
        return true;
    for (const TreeItem* at = find(item); at; at = find(at->parent))
        if (at->handle == ancestor)
            return true;
    return false;
}

void TopicTree::walk(const std::function<void(const TreeItem&, int depth)>& visit,
                     ItemHandle root) const {
    // Explicit stack: a deep tree read from a file must not exhaust the call stack.
    struct Frame {
        const std::vector<ItemHandle>* siblings;
        std::size_t next;
    };
    std::vector<Frame> stack{{&children(root), 0}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.siblings->size()) {
            stack.pop_back();
            continue;
        }
        const TreeItem& item = *find((*frame.siblings)[frame.next++]);
        visit(item, int(stack.size()) - 1);
        if (!item.children.empty())
            stack.push_back({&item.children, 0});
    }
}

ItemHandle TopicTree::newHandle() {
    if (lastHandle_ == 0xFFFFFFFFu)
        return kNoItem; // exhausted: refuse rather than reuse
    return ++lastHandle_;
}

ItemHandle TopicTree::createItem(ItemHandle parent, const QString& label, int image,
                                 const std::optional<TopicRecord>& record) {
    const ItemHandle handle = newHandle();
    if (handle == kNoItem)
        return kNoItem;
    TreeItem& item = items_[handle];
    item.handle = handle;
    item.parent = parent;
    item.label = label;
    item.image = record ? image : kFolderImage;
    item.record = record;
    return handle;
}

std::optional<std::size_t> TopicTree::insertionRow(const std::vector<ItemHandle>& siblings,
                                                   InsertPosition position) {
    switch (position.place) {
    case InsertPosition::Place::First:
        return 0;
    case InsertPosition::Place::Last:
        return siblings.size();
    case InsertPosition::Place::After:
        break;
    }
    const auto it = std::find(siblings.begin(), siblings.end(), position.sibling);
    if (it == siblings.end())
        return std::nullopt;
    return std::size_t(it - siblings.begin()) + 1;
}

ItemHandle TopicTree::insertItem(ItemHandle parent, InsertPosition position, const QString& label,
                                 int image, std::optional<TopicRecord> record) {
    return insertCopy(parent, position, label, image, record, nullptr);
}

ItemHandle TopicTree::insertCopy(ItemHandle parent, InsertPosition position, const QString& label,
                                 int image, const std::optional<TopicRecord>& record,
                                 const TreeItem* childrenFrom) {
    // The parent is looked up once: items are nodes of their own, so the
    // list stays where it is while the new item is added.
    std::vector<ItemHandle>* siblings = childList(parent);
    if (!siblings)
        return kNoItem;
    const std::optional<std::size_t> row = insertionRow(*siblings, position);
    if (!row || lastHandle_ == 0xFFFFFFFFu)
        return kNoItem;
    notify([&](TreeObserver& o) { o.aboutToInsert(parent, int(*row)); });
    const ItemHandle handle = createItem(parent, label, image, record);
    if (childrenFrom)
        copyChildren(*childrenFrom, handle);
    siblings->insert(siblings->begin() + std::ptrdiff_t(*row), handle);
    notify([&](TreeObserver& o) { o.inserted(parent, int(*row), handle); });
    return handle;
}

void TopicTree::dropSubtree(ItemHandle item) {
    std::vector<ItemHandle> pending{item};
    while (!pending.empty()) {
        const ItemHandle handle = pending.back();
        pending.pop_back();
        const auto it = items_.find(handle);
        if (it == items_.end())
            continue;
        pending.insert(pending.end(), it->second.children.begin(), it->second.children.end());
        items_.erase(it);
    }
}

bool TopicTree::removeItem(ItemHandle item) {
    const TreeItem* found = find(item);
    if (!found)
        return false;
    const ItemHandle parentHandle = found->parent;
    std::vector<ItemHandle>* siblings = childList(parentHandle);
    const auto it = std::find(siblings->begin(), siblings->end(), item);
    const int row = int(it - siblings->begin());
    notify([&](TreeObserver& o) { o.aboutToRemove(parentHandle, row, item); });
    siblings->erase(it);
    dropSubtree(item);
    notify([&](TreeObserver& o) { o.removed(parentHandle, row); });
    return true;
}

bool TopicTree::setLabel(ItemHandle item, const QString& label) {
    TreeItem* found = findMutable(item);
    if (!found)
        return false;
    found->label = label;
    notify([&](TreeObserver& o) { o.changed(item); });
    return true;
}

bool TopicTree::setImage(ItemHandle item, int image) {
    TreeItem* found = findMutable(item);
    if (!found || found->isFolder())
        return false;
    found->image = image;
    notify([&](TreeObserver& o) { o.changed(item); });
    return true;
}

void TopicTree::copyChildren(const TreeItem& from, ItemHandle to) {
    // Explicit stack of (source, copy) folder pairs; each folder's children
    // keep their order.
    std::vector<std::pair<const TreeItem*, ItemHandle>> pending{{&from, to}};
    while (!pending.empty()) {
        const auto [source, copy] = pending.back();
        pending.pop_back();
        for (ItemHandle child : source->children) {
            const TreeItem& original = *find(child);
            const ItemHandle handle =
                createItem(copy, original.label, original.image, original.record);
            findMutable(copy)->children.push_back(handle);
            if (!original.children.empty())
                pending.push_back({&original, handle});
        }
    }
}

ItemHandle TopicTree::moveItem(ItemHandle item, ItemHandle newParent, InsertPosition position) {
    const TreeItem* original = find(item);
    if (!original || isWithin(newParent, item) || !childList(newParent))
        return kNoItem;
    // Every copied item needs a handle; refuse up front rather than stop half way.
    std::size_t needed = 0;
    walk([&](const TreeItem&, int) { ++needed; }, item);
    if (0xFFFFFFFFu - lastHandle_ < needed + 1)
        return kNoItem;
    const ItemHandle copy = insertCopy(newParent, position, original->label, original->image,
                                       original->record, original);
    if (copy == kNoItem)
        return kNoItem;
    removeItem(item);
    return copy;
}

void TopicTree::clear() {
    beginReset();
    items_.clear();
    topLevel_.clear();
    endReset();
}

void TopicTree::beginReset() {
    if (resetDepth_++ == 0)
        for (TreeObserver* observer : observers_)
            observer->aboutToReset();
}

void TopicTree::endReset() {
    if (resetDepth_ > 0 && --resetDepth_ == 0)
        for (TreeObserver* observer : observers_)
            observer->reset();
}

} // namespace oxlin::tree
