#include "app/tree/tree_item_model.h"

#include "app/tree/tree_icons.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace oxlin::app {

namespace {

const QString kItemMimeType = QStringLiteral("application/x-oxlin-tree-items");

// Handles mean something only to the tree that made them: a drag names its
// process and model before the handles.
QByteArray dragOrigin(const TreeItemModel* model) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(quintptr(model), 16);
}

} // namespace

TreeItemModel::TreeItemModel(tree::TopicTree& tree, const TreeIcons& icons, ItemRenamer& renamer,
                             QObject* parent)
    : QAbstractItemModel(parent), tree_(tree), icons_(icons), renamer_(renamer) {
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

Qt::ItemFlags TreeItemModel::flags(const QModelIndex& index) const {
    if (!tree_.contains(handle(index)))
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
}

bool TreeItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const tree::ItemHandle item = handle(index);
    if (role != Qt::EditRole || !tree_.contains(item))
        return false;
    return renamer_.renameItem(item, value.toString());
}

QStringList TreeItemModel::mimeTypes() const { return {kItemMimeType}; }

QMimeData* TreeItemModel::mimeData(const QModelIndexList& indexes) const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << dragOrigin(this);
    for (const QModelIndex& index : indexes)
        if (tree_.contains(handle(index)))
            out << quint32(handle(index));
    auto* data = new QMimeData;
    data->setData(kItemMimeType, bytes);
    return data;
}

Qt::DropActions TreeItemModel::supportedDragActions() const { return Qt::MoveAction; }

QList<tree::ItemHandle> TreeItemModel::draggedItems(const QMimeData* data) const {
    QList<tree::ItemHandle> items;
    if (!data || !data->hasFormat(kItemMimeType))
        return items;
    QDataStream in(data->data(kItemMimeType));
    QByteArray origin;
    in >> origin;
    if (in.status() != QDataStream::Ok || origin != dragOrigin(this))
        return items;
    quint32 item = 0;
    while (!in.atEnd()) {
        in >> item;
        if (in.status() != QDataStream::Ok)
            break;
        items.append(item);
    }
    return items;
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
