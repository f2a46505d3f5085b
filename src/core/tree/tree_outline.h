// A tree file read for listing only: labels and topic ids in tree order.
#pragma once

#include "core/tree/tree_file.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

namespace oxlin::store {
class IniDocument;
}

namespace oxlin::tree {

// The items a load of the same file would give the model (the same repairs,
// the same order), without what the model keeps for editing: no handles to
// look up, no images, no observers. A listing of a large tree spends most of
// its time building those otherwise.
class TreeOutline {
public:
    struct Item {
        QString label;
        qint32 fileId = 0; // topics only
        bool folder = false;
        // The item's own items are items_[childBegin, childEnd).
        quint32 childBegin = 0;
        quint32 childEnd = 0;

        bool isFolder() const { return folder; }
    };

    static TreeOutline read(const store::IniDocument& document, TreeLoadNotes* notes = nullptr);

    int itemCount() const { return int(items_.size()) - 1; }
    // Visits every item in tree order, as TopicTree::walk does: each item
    // before its own items, siblings in order, depth 0 at the top level.
    void walk(const std::function<void(const Item&, int depth)>& visit) const;

private:
    class Sink;
    std::vector<Item> items_{Item{}}; // items_[0] stands for the top level
};

} // namespace oxlin::tree
