#include "core/tree/tree_outline.h"

#include "core/store/ini_document.h"
#include "core/tree/tree_file_reader.h"

namespace oxlin::tree {

// A folder's items arrive together (see TreeItemSink), so they take one
// contiguous range of items_; the handle of an item is its index.
class TreeOutline::Sink final : public TreeItemSink {
public:
    explicit Sink(std::vector<Item>& items) : items_(items) {}
    ItemHandle addFolder(ItemHandle parent, const QString& label) override {
        return add(parent, Item{label, 0, true});
    }
    void addTopic(ItemHandle parent, const QString& label, qint32 fileId) override {
        add(parent, Item{label, fileId, false});
    }

private:
    ItemHandle add(ItemHandle parent, Item item) {
        const auto index = quint32(items_.size());
        Item& owner = items_[parent];
        Q_ASSERT(owner.childBegin == owner.childEnd || owner.childEnd == index);
        if (owner.childBegin == owner.childEnd)
            owner.childBegin = index;
        owner.childEnd = index + 1;
        items_.push_back(std::move(item)); // invalidates owner
        return index;
    }
    std::vector<Item>& items_;
};

TreeOutline TreeOutline::read(const store::IniDocument& document, TreeLoadNotes* notes) {
    TreeOutline outline;
    outline.items_.reserve(std::size_t(document.lineCount() - document.sectionCount()) + 1);
    Sink sink(outline.items_);
    const TreeLoadNotes said = readTreeItems(document, sink);
    if (notes)
        *notes = said;
    return outline;
}

void TreeOutline::walk(const std::function<void(const Item&, int depth)>& visit) const {
    struct Frame {
        quint32 next;
        quint32 end;
    };
    std::vector<Frame> stack{{items_[0].childBegin, items_[0].childEnd}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.end) {
            stack.pop_back();
            continue;
        }
        const Item& item = items_[frame.next++];
        visit(item, int(stack.size()) - 1);
        if (item.childBegin != item.childEnd)
            stack.push_back({item.childBegin, item.childEnd}); // invalidates frame
    }
}

} // namespace oxlin::tree
