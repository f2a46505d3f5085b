#pragma once

#include "core/tree/tree_model.h"

#include <deque>

namespace oxlin::tree {

// The back and forward list of opened topics: item handles, oldest first,
// newest last, each at most once, at most 20 of them.
class TopicHistory {
public:
    static constexpr int kCapacity = 20;

    // Moves the item to the newest end, dropping the oldest entry when full.
    void record(ItemHandle item);
    void remove(ItemHandle item);
    // Puts `to` in the place of `from` (an item that moved). Nothing when
    // `from` is not in the history; an older entry of `to` is dropped.
    void replace(ItemHandle from, ItemHandle to);
    void clear() { entries_.clear(); }

    // The entry just older / newer than `item`, or kNoItem when there is none
    // or `item` is not in the history.
    ItemHandle older(ItemHandle item) const;
    ItemHandle newer(ItemHandle item) const;

    bool contains(ItemHandle item) const;
    bool isEmpty() const { return entries_.empty(); }
    int size() const { return int(entries_.size()); }
    const std::deque<ItemHandle>& entries() const { return entries_; }

private:
    std::deque<ItemHandle> entries_;
};

// The label for a new item among `parent`'s children: base, number, suffix
// ("NewTopic1.txt", "NewFolder1"). The suffix is ".txt" unless the base
// contains "Folder". Counting is one pass over the children in order: each
// child whose label equals the current candidate (without regard to case)
// raises the number. Should the result still equal a label met earlier in
// the pass, counting goes on until the label is free.
QString defaultItemName(const TopicTree& tree, ItemHandle parent, const QString& base);

} // namespace oxlin::tree
