#pragma once

#include "app/editor/editor_topics.h"
#include "app/shell/main_window.h"
#include "app/tree/tree_icons.h"
#include "core/session/notebook_session.h"
#include "core/store/profile.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_images.h"

#include <QObject>

#include <memory>

namespace oxlin::app {

class Launcher;
class FindController;
class LinkCommands;
class LinkView;
class NotebookCommands;
class TopicPrinter;
class EditorSpelling;
class TransferCommands;
class PublishCommands;
class Prompter;
class SafetySaver;
class SaverClock;
class IndexKeeper;
class SearchPresenter;
class SessionTopics;
class HostedTreeEditor;
class TopicOpener;
class TreeController;
class TreeItemModel;

// How soon changes are written after the user pauses, and at the latest
// after the first unwritten change however long typing goes on.
struct SafetyDelays {
    int quietMs = 2000;
    int latestMs = 5000;
    SaverClock* clock = nullptr; // borrowed; the system's when null
};

// Puts the notebook behind the main window: owns the profile service, the
// session (paths, tree, history, sequences), the tree's images, the main
// window, the topic opener, the tree pane and the search panels, built in that
// order in the constructor and destroyed in the reverse one, and wires them
// together; runs the window's exit sequence.
//
// The constructor reads LastBook and sets up the paths before the window
// exists (the window's creation sequence); openNotebook() then opens it.
// `prompter` and `launcher` are borrowed and must outlive it.
class NotebookController final : public QObject, private ExitSequence {
    Q_OBJECT
public:
    NotebookController(const QString& dataFolder, Prompter& prompter, Launcher& launcher,
                       const QString& executableFolder, SafetyDelays safety = {},
                       QObject* parent = nullptr);
    ~NotebookController() override;

    session::NotebookSession& session() { return *session_; }
    store::ProfileService& profiles() { return profiles_; }
    MainWindow& window() { return *window_; }
    // What the editor asks about topics (paths, labels, relabels).
    EditorTopics& topics();
    TopicOpener& opener() { return *opener_; }
    TreeItemModel& model();
    // The tree pane's commands, keys and drops.
    TreeController& treeController() { return *treeController_; }
    // The topic index, kept in step with the tree.
    IndexKeeper& searchIndex() { return *index_; }
    // The search panels.
    SearchPresenter& search() { return *search_; }
    // Inserting, activating and appending to links.
    LinkCommands& links() { return *links_; }
    // The find and replace dialog and its searches.
    FindController& find() { return *find_; }
    // Spelling in the editor.
    EditorSpelling& spelling() { return *spelling_; }
    // Print, preview, PDF and page setup of the open topic.
    TopicPrinter& printer() { return *printer_; }
    // Import and export of files and folders.
    TransferCommands& transfer() { return *transfer_; }
    // File > Export As: web pages, Markdown, one PDF.
    PublishCommands& publish() { return *publish_; }

    // Selects a topic in the tree and opens it (panels, links, the last edited topic).
    void openTopic(ItemHandle item);

    // Opens the notebook named by the session's current book.
    void openNotebook();

    // The Save command. False when the package was not written (the user
    // has been told why).
    bool save();
    // The exit sequence. False when the program must not end: the open
    // topic could not be saved, and ending would lose its text. When the
    // package cannot be written the user is told, the working folder stays
    // for the next start, and the sequence still ends.
    bool exitSequence();

private:
    bool runExitSequence() override { return exitSequence(); }
    // The parts, in the order they are built.
    void buildOpener();
    void buildTreePane();
    void buildSearch();
    void buildTransfer();
    void buildLinks();
    void buildPrinter();
    // The window's menu, toolbar and editing commands reach the parts.
    void installCommands();
    void installEditingCommands();
    void installSafetyWrites();
    // Hiding, minimising, dropped files and the title's topic label.
    void followWindow();
    // The text the editor saves and exports for the transfer's `topic`.
    bool exportThroughEditor(ItemHandle topic);
    // The session's hooks. They reach the window, the opener, the tree pane,
    // the search and the import through this controller, made after the
    // session but before its first open.
    session::SessionHooks sessionHooks();
    // Another notebook became current: the title and the window follow it.
    void notebookChanged();
    // The toolbar's Import: a pop-up menu at the pointer with its two entries.
    void showImportMenu();
    // Says what the open found wrong: a damaged package or tree file (and
    // where the original is kept), a refused working folder, or a resumed one.
    void reportOpenOutcome();
    // Asks about each conflict copy a file-sync engine left of the notebook
    // (session/conflict_copies.h) and merges those the user wants.
    void offerConflictCopies();
    // A problem the open went on with (a full disk, a working folder it cannot write).
    void reportOpenProblem();
    void reportSaveProblem();
    void warn(const QString& text);

    Prompter& prompter_;
    Launcher& launcher_;
    SafetyDelays safetyDelays_;
    bool treeChanged_ = false; // since Tree.ini was last written by the safety saver
    bool mergedFromDisk_ = false; // the session's last pack merged another machine's changes
    // Built in this order, destroyed in the reverse one: each part uses only
    // the parts above it.
    store::ProfileService profiles_;
    TreeIcons icons_;
    tree::TopicImages images_;
    std::unique_ptr<session::NotebookSession> session_;
    // What the editor asks about topics, answered from the session.
    std::unique_ptr<SessionTopics> topics_;
    std::unique_ptr<MainWindow> window_;
    // The editor as the tree operations and the search see it.
    std::unique_ptr<HostedTreeEditor> treeEditor_;
    // Waits for its workers when it goes, while the session still lives.
    std::unique_ptr<TopicOpener> opener_;
    std::unique_ptr<TreeController> treeController_;
    // Stop the index worker and the content search when they go, while
    // profiles_ still lives.
    std::unique_ptr<IndexKeeper> index_;
    std::unique_ptr<SearchPresenter> search_;
    std::unique_ptr<SafetySaver> safety_;
    // The editor's links, find dialog and printing; they use the window and the search.
    std::unique_ptr<LinkView> linkView_;
    std::unique_ptr<LinkCommands> links_;
    FindController* find_ = nullptr; // a child of the window, like its dialog
    std::unique_ptr<TopicPrinter> printer_;
    std::unique_ptr<EditorSpelling> spelling_;
    std::unique_ptr<TransferCommands> transfer_;
    std::unique_ptr<PublishCommands> publish_;
    std::unique_ptr<NotebookCommands> notebooks_;
};

} // namespace oxlin::app
