#pragma once

#include "app/tree/tree_adapters.h"
#include "app/tree/tree_item_model.h"
#include "core/tree/tree_operations.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>

#include <functional>
#include <memory>

class QContextMenuEvent;
class QMimeData;
class QModelIndex;
class QKeyEvent;
class QMenu;
class QTreeView;

namespace oxlin::app {

class ActionRegistry;
class Prompter;
class TreeIcons;

// The tree pane: turns the tree commands (1013-1028), the tree's keys, label
// edits, double clicks, the context menu and drags inside the tree into calls
// of the tree operations, and shows their results as the view's selection.
// The selection is the view's current item.
//
// Owns the view's model and the tree operations; label edits in the view come
// back here through the model. What else it needs is borrowed and must
// outlive it; the view is watched, not owned.
class TreeController final : public QObject, private ItemRenamer {
    Q_OBJECT
public:
    struct Parts {
        tree::TreeServices services;
        Prompter& prompter;
        tree::TreeEditor& editor;
        QTreeView* view;
        const TreeIcons& icons;
        ActionRegistry& actions;
        // Hands a command id to the window's dispatch.
        std::function<void(int id)> dispatch;
        // Paste and the folder export, the two tree commands that import and
        // export carry out: Paste hands over the clipboard's files.
        std::function<void(const QStringList& paths)> importFiles;
        std::function<void()> exportSelection;
    };

    explicit TreeController(Parts parts, QObject* parent = nullptr);
    ~TreeController() override;

    tree::TreeOperations& operations() { return *operations_; }
    TreeItemModel& model() { return model_; }

    // A command of the tree range: every id of the range is mapped here.
    void command(int id);

    tree::ItemHandle selection() const;
    // Makes `item` the selection; kNoItem clears it.
    void select(tree::ItemHandle item);
    // Opens the selection; a topic opened in the editor takes the focus.
    void openSelection();
    // Selects `item` and opens it: the panels, links and the last edited topic.
    void selectAndOpen(tree::ItemHandle item);

    // A drag inside the tree, in the viewport's coordinates: the item under
    // the pointer becomes the selection. False for data that is not a drag
    // of this tree's items.
    bool dragOver(const QMimeData* data, const QPoint& position);
    // The drop: the dragged item goes to the selection once the drag has
    // ended, after the question.
    bool drop(const QMimeData* data);

    QMenu* contextMenu() const { return menu_; }
    // Greys the context menu's entries for the selection and the clipboard.
    void updateContextMenu();

Q_SIGNALS:
    // The topic index around every label change: drop while the old label is
    // still set (`oldPath` is the item path under it), then add once the new
    // label is set.
    void indexDropRequested(tree::ItemHandle item, const QString& oldPath);
    void indexAddRequested(tree::ItemHandle item);
    // A file topic (neither ".txt" nor ".rtf") is to be handed to its
    // application; `previous` is the topic opened before it.
    void fileTopicOpenRequested(tree::ItemHandle item, tree::ItemHandle previous);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool renameItem(tree::ItemHandle item, const QString& text) override;
    bool keyPress(QKeyEvent* event);
    void showContextMenu(QContextMenuEvent* event);
    QRect labelRect(const QModelIndex& index) const;
    // Selects a new item and starts editing its label.
    void selectAndEdit(tree::ItemHandle item);
    // Opens a text or rich-text topic in the editor; anything else stays closed.
    void openIfEditable(tree::ItemHandle item);
    void deleteSelection();
    void updateSelectionState();
    void postFocusSwitch();

    tree::TopicTree& tree_;
    tree::TreeEditor& editor_;
    QTreeView* view_;
    ActionRegistry& actions_;
    std::function<void(int)> dispatch_;
    std::function<void(const QStringList&)> importFiles_;
    std::function<void()> exportSelection_;
    PrompterQuestions questions_;
    std::unique_ptr<tree::TreeOperations> operations_;
    // After the operations: label edits in the view reach them through it.
    TreeItemModel model_;
    QPointer<QMenu> menu_;
    tree::ItemHandle justCreated_ = tree::kNoItem; // whose label edit is open
};

} // namespace oxlin::app
