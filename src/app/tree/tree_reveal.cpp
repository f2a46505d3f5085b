#include "app/tree/tree_reveal.h"

#include "app/tree/tree_item_model.h"

#include <QTreeView>

namespace oxlin::app {

void revealItem(QTreeView& view, const TreeItemModel& model, tree::ItemHandle item,
                bool collapseCurrent) {
    const QModelIndex target = model.indexOf(item);
    if (!target.isValid())
        return;
    if (collapseCurrent) {
        for (QModelIndex up = view.currentIndex(); up.isValid(); up = up.parent())
            view.collapse(up);
    }
    for (QModelIndex up = target.parent(); up.isValid(); up = up.parent())
        view.expand(up);
    view.scrollTo(target);
}

} // namespace oxlin::app
