// The items of a tree file, in the order a load adds them, with its repairs:
// shared by the model's load and the read-only outline.
#pragma once

#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"

#include <QString>
#include <QtGlobal>

namespace oxlin::store {
class IniDocument;
}

namespace oxlin::tree {

// Receives the items of a tree file. Each folder's items come together, its
// sub-folders first and then its topics, each group in file order; folders
// come in pre-order (a folder's items before those of its sub-folders).
class TreeItemSink {
public:
    virtual ~TreeItemSink() = default;
    // A folder as the last sub-folder of `parent` (kTopLevel for the top
    // level). Returns the handle its own items will name as their parent, or
    // kNoItem to leave its section unread.
    virtual ItemHandle addFolder(ItemHandle parent, const QString& label) = 0;
    virtual void addTopic(ItemHandle parent, const QString& label, qint32 fileId) = 0;
};

// Hands the items of a parsed tree file to `sink` and says what had to be
// changed or left out (see loadTree).
TreeLoadNotes readTreeItems(const store::IniDocument& document, TreeItemSink& sink);

} // namespace oxlin::tree
