#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace oxlin::app {

// Creates every QAction of the main window in one place, keyed by command
// identifier (the action's data holds the id), and builds the menu bar, the
// editor's context menu and the accelerators from them. Every action only
// hands its id to `dispatch`.
//
// The menu entries carry their key hints in their texts, so the keys are not
// set on the menu actions (Qt would show them twice); they live on separate
// window-wide accelerator actions that dispatch the same ids.
class ActionRegistry final : public QObject {
    Q_OBJECT
public:
    using Dispatch = std::function<void(int id)>;

    ActionRegistry(Dispatch dispatch, QObject* parent = nullptr);

    // The menu bar's action for `id`, or null.
    QAction* action(int id) const { return menu_.value(id); }
    // The editor context menu's action for `id`, or null.
    QAction* contextAction(int id) const { return context_.value(id); }

    // The tree's actions: the commands 1013-1028 and the tree context menu's
    // entries (its Export dispatches the menu's 40016). Null for other ids.
    QAction* treeAction(int id) const { return tree_.value(id); }

    // Check marks and enabled states apply to every action with that id.
    void setChecked(int id, bool checked);
    void setEnabled(int id, bool enabled);

    void buildMenuBar(QMenuBar* bar);
    QMenu* buildEditorContextMenu(QWidget* parent);
    QMenu* buildTreeContextMenu(QWidget* parent);
    // Adds the accelerators to `window`, active while it or any of its children has the focus.
    void installAccelerators(QWidget* window);

private:
    QAction* make(QHash<int, QAction*>& into, int id, const QString& text);

    Dispatch dispatch_;
    QHash<int, QAction*> menu_;
    QHash<int, QAction*> context_;
    QHash<int, QAction*> accelerators_;
    QHash<int, QAction*> tree_;
};

} // namespace oxlin::app
