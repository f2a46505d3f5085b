#pragma once

#include "tree/tree_model.h"

#include <QAbstractItemModel>

namespace oxlin::app {

class TreeIcons;

// Shows the core's topic tree to a QTreeView. The tree stays the one model of
// the notebook: this adapter keeps no copy, it forwards the tree's change
// notifications as row signals. An index's internal id is the item handle.
//
// `tree` and `icons` are borrowed and must outlive the adapter.
class TreeItemModel final : public QAbstractItemModel, private tree::TreeObserver {
    Q_OBJECT
public:
    TreeItemModel(tree::TopicTree& tree, const TreeIcons& icons, QObject* parent = nullptr);
    ~TreeItemModel() override;

    tree::ItemHandle handle(const QModelIndex& index) const;
    QModelIndex indexOf(tree::ItemHandle handle) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

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
};

} // namespace oxlin::app
