#pragma once

#include "app/base/command_router.h"

#include <QMainWindow>

class QSplitter;
class QTreeView;

namespace oxlin::app {

class ActionRegistry;
class EditorHost;
class EditorTopics;
class KeywordPanel;
class Launcher;
class LocatePanel;
class Prompter;
class SidePane;

// The exit sequence as the window runs it. A signal cannot answer, and the
// window must know whether to end: unsaved text keeps the program open.
class ExitSequence {
public:
    virtual ~ExitSequence() = default;
    // False when the program must not end yet (the user has been told why).
    virtual bool runExitSequence() = 0;
};

// The main window: menu bar, the tree pane on the left, the editor on the
// right, and the one dispatch every command goes through. The window knows
// nothing of notebooks: hiding and minimising are signals for the notebook
// controller to save on, and ending asks the injected exit sequence.
//
// `topics`, `exit`, `prompter` and `launcher` must outlive the window.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    // The narrowest the tree pane and the editor may become.
    static constexpr int kMinimumTreeWidth = 110;
    static constexpr int kMinimumEditorWidth = 160;
    // How long a status note stays.
    static constexpr int kStatusNoteMs = 15000;
    // Asked by the close box where no tray can keep the program.
    static constexpr char kExitWithoutTray[] =
        QT_TR_NOOP("Exit Oxlin?\n\nThis desktop has no notification area to keep Oxlin in while "
                   "its window is closed. Choose No to keep it running, with its window "
                   "minimised.");

    MainWindow(EditorTopics& topics, ExitSequence& exit, Prompter& prompter, Launcher& launcher,
               const QString& executableFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    CommandRouter& router() { return router_; }
    ActionRegistry& actions() { return *actions_; }
    EditorHost& editorHost() { return *editor_; }
    QTreeView* treeView() const { return tree_; }
    QSplitter* splitter() const { return splitter_; }
    // The left pane: the tree and the two search panels under a tab strip.
    SidePane* sidePane() const { return side_; }
    LocatePanel* locatePanel() const { return locate_; }
    KeywordPanel* keywordPanel() const { return keyword_; }

    CommandRoute dispatch(quint32 command) { return router_.dispatch(command); }

    void setNotebookName(const QString& name);
    QString notebookName() const { return notebookName_; }
    QString titleText() const;
    void refreshTitle();

    // Runs the exit sequence once and ends the event loop with code 0.
    void exitApplication();
    // An end asked for from outside (a signal, the desktop session): runs
    // the exit sequence once control is back in the main event loop, never
    // inside a dialog's loop, where the code that opened the dialog would
    // go on with a notebook that is gone.
    void requestExit();
    bool hasExited() const { return exited_; }

    // A short note in the status bar that goes by itself.
    void showStatusNote(const QString& text);

    // Hides the window and saves, as the close box does.
    void hideAndSave();
    // With no tray to come back from, hiding minimises instead, and the
    // close box asks whether to exit or keep running.
    void setWithoutTray(bool on) { withoutTray_ = on; }
    void switchFocus();

Q_SIGNALS:
    // The window was hidden (close box, the hide command) or minimised: what
    // the user did so far is to be written.
    void hidden();
    void minimised();
    // Files or folders from another program were dropped on the window.
    void filesDropped(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Files from a file manager, dropped anywhere the window's parts do not
    // take the drag themselves.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void installCommands();
    void setUpStatusBar();
    void showHelp();
    void askExitOrKeepRunning();

    EditorTopics& topics_;
    ExitSequence& exit_;
    Prompter& prompter_;
    Launcher& launcher_;
    QString executableFolder_;
    QString notebookName_;
    CommandRouter router_;
    ActionRegistry* actions_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QTreeView* tree_ = nullptr;
    LocatePanel* locate_ = nullptr;
    KeywordPanel* keyword_ = nullptr;
    SidePane* side_ = nullptr;
    EditorHost* editor_ = nullptr;
    bool exited_ = false;
    bool initialSplitDone_ = false;
    bool withoutTray_ = false;
    bool askingToExit_ = false;
};

} // namespace oxlin::app
