#pragma once

#include "app/base/command_router.h"

#include <QHash>
#include <QMainWindow>
#include <QSize>

class QAction;
class QMenu;
class QSplitter;
class QTreeView;

namespace oxlin::app {
class EditorHost;
class EditorTopics;
class KeywordPanel;
class LocatePanel;
class Prompter;
class SidePane;
} // namespace oxlin::app

namespace oxlin::viewer {

// The size the viewer opens at; the help's tables and pictures fit its pane.
inline constexpr QSize kViewerWindowSize{900, 640};

// The viewer's window: a tool window in the topmost band with the tree, the
// Locate and keyword panels under their tabs on the left and the read-only
// editor on the right. No menu bar, no toolbar: its commands are the five
// keys and two context menus, and every one of them is a command id handed
// to the one router, as in the application.
//
// The window knows nothing of notebooks: the controller installs the
// handlers of the tree and export commands and sets the title's parts.
// `topics` and `prompter` must outlive the window.
class ViewerWindow final : public QMainWindow {
    Q_OBJECT
public:
    ViewerWindow(app::EditorTopics& topics, app::Prompter& prompter, QWidget* parent = nullptr);
    ~ViewerWindow() override;

    app::CommandRouter& router() { return router_; }
    app::CommandRoute dispatch(quint32 command) { return router_.dispatch(command); }
    QAction* action(int id) const { return actions_.value(id); }

    app::EditorHost& editorHost() { return *editor_; }
    QTreeView* treeView() const { return tree_; }
    app::SidePane* sidePane() const { return side_; }
    app::LocatePanel* locatePanel() const { return locate_; }
    app::KeywordPanel* keywordPanel() const { return keyword_; }
    QMenu* editorMenu() const { return editorMenu_; }
    QMenu* treeMenu() const { return treeMenu_; }

    void setNotebookName(const QString& name);
    // Follows the editor: the notebook's name, and the open topic's label.
    void refreshTitle();

    bool isAlwaysOnTop() const { return alwaysOnTop_; }
    void toggleAlwaysOnTop();
    void switchFocus();

    // Where the tree's context menu opens: at the pointer when the request
    // came from the mouse, else centred below the selected item's label, or
    // at the tree's top left corner without a selection. Global coordinates.
    QPoint treeMenuPosition(bool fromMouse, const QPoint& pointer) const;

Q_SIGNALS:
    // The window was closed: the viewer ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* make(int id, const QString& text, const QKeySequence& key = {});
    void installCommands();
    bool eventFilter(QObject* watched, QEvent* event) override;

    app::EditorTopics& topics_;
    app::CommandRouter router_;
    QHash<int, QAction*> actions_;
    QSplitter* splitter_ = nullptr;
    QTreeView* tree_ = nullptr;
    app::LocatePanel* locate_ = nullptr;
    app::KeywordPanel* keyword_ = nullptr;
    app::SidePane* side_ = nullptr;
    app::EditorHost* editor_ = nullptr;
    QMenu* editorMenu_ = nullptr;
    QMenu* treeMenu_ = nullptr;
    QString notebookName_;
    bool alwaysOnTop_ = true; // created in the topmost band
};

} // namespace oxlin::viewer
