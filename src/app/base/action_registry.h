#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <initializer_list>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace oxlin::app {

// Creates every QAction of the main window in one place: one action per
// command identifier (the action's data holds the id), with its text, key,
// icon and tooltip. The menu bar, the context menus, the window's keys and
// (later) the toolbars all show that same action, so a check mark or an
// enabled state set once shows everywhere. Every action only hands its id
// to `dispatch`.
//
// A menu text names its key through the action's shortcut, not in the text.
// Keys the editor control handles itself (undo, clipboard) and F1 are only
// shown in the menus, never taken from the control.
class ActionRegistry final : public QObject {
    Q_OBJECT
public:
    using Dispatch = std::function<void(int id)>;

    explicit ActionRegistry(Dispatch dispatch, QObject* parent = nullptr);

    // The one action of `id`, or null.
    QAction* action(int id) const { return actions_.value(id); }

    void setChecked(int id, bool checked);
    void setEnabled(int id, bool enabled);

    void buildMenuBar(QMenuBar* bar);
    QMenu* buildEditorContextMenu(QWidget* parent);
    QMenu* buildTreeContextMenu(QWidget* parent);
    // Adds the actions of `ids` to `target` in order (a menu, a toolbar); 0
    // is a separator.
    void addActions(QWidget* target, std::initializer_list<int> ids);
    // Adds every action with a key to `window`, so the keys work while it or
    // any of its children has the focus, with or without a menu showing them.
    void installAccelerators(QWidget* window);
    // Adds the formatting keys (Ctrl+B, Ctrl+L, ...) to the editor control,
    // where they work only while it has the focus.
    void installEditorKeys(QWidget* editor);

private:
    QAction* make(int id, const QString& text);

    Dispatch dispatch_;
    QHash<int, QAction*> actions_;
    QList<QAction*> editorKeys_;
};

} // namespace oxlin::app
