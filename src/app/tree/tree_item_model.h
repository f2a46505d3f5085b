#pragma once

#include "core/tree/tree_model.h"

#include <QAbstractItemModel>

namespace oxlin::app {

class TreeIcons;

// Who decides a label edit: the model only reports the edited text.
class ItemRenamer {
public:
    virtual ~ItemRenamer() = default;
    // False when the text is refused and the old label stays.
    virtual bool renameItem(tree::ItemHandle item, const QString& text) = 0;
};

// Shows the core's topic tree to a QTreeView. The tree stays the one model of
// the notebook: this adapter keeps no copy, it forwards the tree's change
// notifications as row signals. An index's internal id is the item handle.
//
// Labels are edited in place: setData hands the edited text to the renamer
// and changes nothing itself. Items drag as MIME data naming their handles;
// the drop itself is the tree controller's, never a row move of this model.
//
// `tree`, `icons` and `renamer` are borrowed and must outlive the adapter.
class TreeItemModel final : public QAbstractItemModel, private tree::TreeObserver {
    Q_OBJECT
public:
    TreeItemModel(tree::TopicTree& tree, const TreeIcons& icons, ItemRenamer& renamer,
                  QObject* parent = nullptr);
    ~TreeItemModel() override;

    tree::ItemHandle handle(const QModelIndex& index) const;
    QModelIndex indexOf(tree::ItemHandle handle) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The end of a label edit. False (the label stays) when the renamer
    // refuses the text.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    // The items a drag from this model carries; empty for other data, also for
    // a drag from another model or another process.
    QList<tree::ItemHandle> draggedItems(const QMimeData* data) const;

private:
    void aboutToInsert(tree::ItemHandle parent, int row) override;
    void inserted(tree::ItemHandle parent, int row, tree::ItemHandle item) override;
    void aboutToRemove(tree::ItemHandle parent, int row, tree::ItemHandle item) override;
    void removed(tree::ItemHandle parent, int row) override;
    void changed(tree::ItemHandle item) override;
    void aboutToReset() override;
    void reset() override;

    tree::TopicTree& tree_;
    const TreeIcons& icons_;
    ItemRenamer& renamer_;
};

} // namespace oxlin::app
