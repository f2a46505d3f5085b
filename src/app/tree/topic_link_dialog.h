#pragma once

// "Insert Topics Link": the notebook's tree as its tree file holds it, and
// the item path of the topic the user picks.

#include "app/tree/tree_icons.h"
#include "core/tree/tree_model.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QTreeView;

namespace oxlin::app {

class TreeItemModel;

class TopicLinkDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TopicLinkDialog(const QString& treeFile, QWidget* parent = nullptr);
    ~TopicLinkDialog() override;

    QString itemPath() const;

private:
    void insert();
    void selectionChanged();

    TreeIcons icons_;
    tree::TopicImages images_;
    tree::TopicTree tree_;
    std::unique_ptr<TreeItemModel> model_;
    QTreeView* view_ = nullptr;
    QLineEdit* topic_ = nullptr;
};

} // namespace oxlin::app
