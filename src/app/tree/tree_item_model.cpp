#include "tree/tree_item_model.h"

#include "tree/tree_icons.h"

namespace oxlin::app {

TreeItemModel::TreeItemModel(tree::TopicTree& tree, const TreeIcons& icons, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree), icons_(icons) {
    tree_.addObserver(this);
}

TreeItemModel::~TreeItemModel() { tree_.removeObserver(this); }

tree::ItemHandle TreeItemModel::handle(const QModelIndex& index) const {
    return index.isValid() ? tree::ItemHandle(index.internalId()) : tree::kTopLevel;
}

QModelIndex TreeItemModel::indexOf(tree::ItemHandle handle) const {
    if (handle == tree::kTopLevel || !tree_.contains(handle))
        return {};
    return createIndex(tree_.row(handle), 0, quintptr(handle));
}

QModelIndex TreeItemModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    const auto& children = tree_.children(handle(parent));
    if (row >= int(children.size()))
        return {};
    return createIndex(row, 0, quintptr(children[std::size_t(row)]));
}

QModelIndex TreeItemModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    return indexOf(tree_.parent(handle(child)));
}

int TreeItemModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return int(tree_.children(handle(parent)).size());
}

int TreeItemModel::columnCount(const QModelIndex&) const { return 1; }

QVariant TreeItemModel::data(const QModelIndex& index, int role) const {
    const tree::TreeItem* item = tree_.find(handle(index));
    if (!item)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole: return item->label;
    case Qt::DecorationRole: return icons_.icon(item->image);
    default: return {};
    }
}

void TreeItemModel::aboutToInsert(tree::ItemHandle parent, int row) {
    beginInsertRows(indexOf(parent), row, row);
}

void TreeItemModel::inserted(tree::ItemHandle, int, tree::ItemHandle) { endInsertRows(); }

void TreeItemModel::aboutToRemove(tree::ItemHandle parent, int row, tree::ItemHandle) {
    beginRemoveRows(indexOf(parent), row, row);
}

void TreeItemModel::removed(tree::ItemHandle, int) { endRemoveRows(); }

void TreeItemModel::changed(tree::ItemHandle item) {
    const QModelIndex at = indexOf(item);
    if (at.isValid())
        Q_EMIT dataChanged(at, at);
}

void TreeItemModel::aboutToReset() { beginResetModel(); }

void TreeItemModel::reset() { endResetModel(); }

} // namespace oxlin::app
