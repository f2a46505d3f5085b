#pragma once

// "Insert Topics Link": the notebook's tree as its tree file holds it, the
// item path of the topic the user picks and the text the link shows.

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
    // `text` starts the "Text to show" field.
    TopicLinkDialog(const QString& treeFile, const QString& text, QWidget* parent = nullptr);
    ~TopicLinkDialog() override;

    QString itemPath() const;
    QString textToShow() const;

private:
    void insert();
    void selectionChanged();

    TreeIcons icons_;
    tree::TopicImages images_;
    tree::TopicTree tree_;
    std::unique_ptr<TreeItemModel> model_;
    QTreeView* view_ = nullptr;
    QLineEdit* topic_ = nullptr;
    QLineEdit* text_ = nullptr;
};

} // namespace oxlin::app
