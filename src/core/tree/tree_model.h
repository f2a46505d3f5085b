#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace oxlin::tree {

// Identifies an item for as long as it exists. Handles are never reused by a
// tree, not even after clear(), so a handle kept by an index file, a list row
// or the history can always be recognised as dead. 0 names no item; as a
// parent it stands for the top level.
using ItemHandle = quint32;
inline constexpr ItemHandle kNoItem = 0;
inline constexpr ItemHandle kTopLevel = 0;

// Fixed image indexes of the tree's image list; 4 and up come from the
// extension image cache (topic_kind.h).
inline constexpr int kFolderImage = 0;
inline constexpr int kTextImage = 1;
inline constexpr int kProgramImage = 2;
inline constexpr int kDocumentImage = 3;

// What a topic item carries besides its label. Folders have none.
struct TopicRecord {
    qint32 fileId = 0;        // names the topic file; never 0
    quint32 viewPosition = 0; // first visible line << 16 | caret; not in the tree file
    friend bool operator==(const TopicRecord&, const TopicRecord&) = default;
};

struct TreeItem {
    ItemHandle handle = kNoItem;
    ItemHandle parent = kTopLevel;
    QString label;
    int image = kFolderImage;
    std::optional<TopicRecord> record; // present exactly for topics
    std::vector<ItemHandle> children;  // sibling order

    bool isFolder() const { return !record.has_value(); }
    bool isTopic() const { return record.has_value(); }
};

// Where a new item goes among its siblings.
struct InsertPosition {
    enum class Place { First, Last, After };
    Place place = Place::Last;
    ItemHandle sibling = kNoItem; // for After

    static InsertPosition first() { return {Place::First, kNoItem}; }
    static InsertPosition last() { return {Place::Last, kNoItem}; }
    static InsertPosition after(ItemHandle sibling) { return {Place::After, sibling}; }
};

// Change notifications, shaped so a Qt item model adapter can forward each one
// to begin/end row signals. Rows are indexes among the parent's children.
class TreeObserver {
public:
    virtual ~TreeObserver() = default;
    virtual void aboutToInsert(ItemHandle /*parent*/, int /*row*/) {}
    // The item is in place, with its whole subtree when a move copied one.
    virtual void inserted(ItemHandle /*parent*/, int /*row*/, ItemHandle /*item*/) {}
    // Removing an item removes its subtree; one notification covers it.
    virtual void aboutToRemove(ItemHandle /*parent*/, int /*row*/, ItemHandle /*item*/) {}
    virtual void removed(ItemHandle /*parent*/, int /*row*/) {}
    virtual void changed(ItemHandle /*item*/) {} // label or image
    // Bulk changes (load, clear) send only these two.
    virtual void aboutToReset() {}
    virtual void reset() {}
};

// The notebook's tree of folders and topics: the one in-memory model of it.
// Not thread-safe; it belongs to the user-interface thread.
class TopicTree {
public:
    TopicTree() = default;
    TopicTree(const TopicTree&) = delete;
    TopicTree& operator=(const TopicTree&) = delete;

    // Observers are borrowed and must be removed before they are destroyed.
    void addObserver(TreeObserver* observer);
    void removeObserver(TreeObserver* observer);

    // The live item, or null for a dead or unknown handle (and for 0).
    const TreeItem* find(ItemHandle handle) const;
    bool contains(ItemHandle handle) const { return find(handle) != nullptr; }

    // Children of a folder, or of the top level for kTopLevel. Empty for
    // topics and dead handles.
    const std::vector<ItemHandle>& children(ItemHandle parent) const;
    ItemHandle parent(ItemHandle item) const; // kTopLevel also for dead handles
    // The folder a command on `item` works in: the item when it is a folder,
    // else its parent (kTopLevel for a topic at the top or a dead handle).
    ItemHandle folderOf(ItemHandle item) const;
    int row(ItemHandle item) const;           // -1 for dead handles
    int itemCount() const { return int(items_.size()); }
    bool isEmpty() const { return items_.empty(); }
    TopicRecord* record(ItemHandle item); // null for folders and dead handles

    // Labels from the top level down joined by "\"; empty for the top level
    // and for dead handles.
    QString itemPath(ItemHandle item) const;
    // The first item (in tree order) whose path equals `path` without regard to case.
    ItemHandle findByPath(const QString& path) const;
    // True when `item` is `ancestor` or lies in its subtree.
    bool isWithin(ItemHandle item, ItemHandle ancestor) const;

    // Visits every item below `root` (the whole tree for kTopLevel) in tree
    // order: each item before its children, siblings in order.
    void walk(const std::function<void(const TreeItem&, int depth)>& visit,
              ItemHandle root = kTopLevel) const;

    // Inserts a folder (no record) or a topic. Returns the new handle, or 0
    // when the parent is not a live folder or the top level, or the sibling
    // of an After position is not one of its children.
    ItemHandle insertItem(ItemHandle parent, InsertPosition position, const QString& label,
                          int image, std::optional<TopicRecord> record);
    ItemHandle insertFolder(ItemHandle parent, InsertPosition position, const QString& label) {
        return insertItem(parent, position, label, kFolderImage, std::nullopt);
    }

    // Removes an item and its subtree; records go with them, topic files are
    // not touched. Returns false for a dead handle.
    bool removeItem(ItemHandle item);

    bool setLabel(ItemHandle item, const QString& label);
    bool setImage(ItemHandle item, int image);

    // Moves an item with its subtree by copying it to the new place and then
    // removing the old one, so every moved item gets a new handle; labels,
    // images and records (file ids) stay. Returns the new handle of `item`, or
    // 0 (nothing changed) when the target is inside the moved subtree or
    // otherwise invalid. An After position may name the moved item itself.
    ItemHandle moveItem(ItemHandle item, ItemHandle newParent, InsertPosition position);

    // Removes every item. Handles keep counting up.
    void clear();
    // Makes room for `items` items in all, so a load does not grow the
    // tree's tables step by step.
    void reserve(int items) { items_.reserve(std::size_t(std::max(items, 0))); }

    // Groups bulk changes (a load) into one reset notification. Per-item
    // notifications are not sent between begin and end. Calls may nest.
    void beginReset();
    void endReset();

private:
    TreeItem* findMutable(ItemHandle handle);
    std::vector<ItemHandle>* childList(ItemHandle parent);
    ItemHandle newHandle();
    static std::optional<std::size_t> insertionRow(const std::vector<ItemHandle>& siblings,
                                                   InsertPosition position);
    ItemHandle insertCopy(ItemHandle parent, InsertPosition position, const QString& label,
                          int image, const std::optional<TopicRecord>& record,
                          const TreeItem* childrenFrom);
    ItemHandle createItem(ItemHandle parent, const QString& label, int image,
                          const std::optional<TopicRecord>& record);
    void copyChildren(const TreeItem& from, ItemHandle to);
    void dropSubtree(ItemHandle item);
    template <typename F> void notify(F&& f) {
        if (resetDepth_ == 0)
            for (TreeObserver* observer : observers_)
                f(*observer);
    }

    // A node per item: an item stays where it is while others come and go.
    std::unordered_map<ItemHandle, TreeItem> items_;
    std::vector<ItemHandle> topLevel_;
    std::vector<TreeObserver*> observers_;
    ItemHandle lastHandle_ = 0;
    int resetDepth_ = 0;
};

} // namespace oxlin::tree
