#pragma once

#include "core/tree/tree_model.h"

class QTreeView;

namespace oxlin::app {

class TreeItemModel;

// Shows `item` in `view`: its folders expanded and the view scrolled to it.
// With `collapseCurrent`, the folders above the view's current item are
// closed first, so only the way down to `item` stays open. Nothing happens
// for an item the model does not hold.
void revealItem(QTreeView& view, const TreeItemModel& model, tree::ItemHandle item,
                bool collapseCurrent);

} // namespace oxlin::app
