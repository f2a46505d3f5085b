#pragma once

#include "app/editor/editor_topics.h"
#include "core/session/notebook_session.h"
#include "core/store/profile.h"
#include "core/tree/topic_kind.h"
#include "app/tree/tree_icons.h"

#include <QObject>

#include <functional>
#include <memory>

namespace oxlin::app {

class Launcher;
class FindController;
class TopicPrinter;
class LinkCommands;
class MainWindow;
class Prompter;
class SafetySaver;
class SearchController;
class TopicOpener;
class TreeController;
class TreeItemModel;

// How soon changes are written after the user pauses, and at the latest
// after the first unwritten change however long typing goes on.
struct SafetyDelays {
    int quietMs = 2000;
    int latestMs = 5000;
};

// Puts the notebook behind the main window: owns the profile service, the
// session (paths, tree, history, sequences), the tree's images and the model
// adapter, and the topic opener; answers the editor's questions about topics;
// installs the commands and the hide, minimise and exit handlers.
//
// Create it first, then the window with it as the window's EditorTopics, then
// attach(). `prompter` and `launcher` are borrowed and must outlive it.
class NotebookController final : public QObject, public EditorTopics {
    Q_OBJECT
public:
    NotebookController(const QString& dataFolder, Prompter& prompter, Launcher& launcher,
                       SafetyDelays safety = {}, QObject* parent = nullptr);
    ~NotebookController() override;

    session::NotebookSession& session() { return *session_; }
    store::ProfileService& profiles() { return profiles_; }
    TopicOpener& opener() { return *opener_; }
    TreeItemModel& model() { return *model_; }
    // The tree pane's commands, keys and drops; exists after attach().
    TreeController& treeController() { return *treeController_; }
    // The indexes and the search panels; exists from attach() on.
    SearchController& search() { return *search_; }
    // Inserting, activating and appending to links; exists from attach() on.
    LinkCommands& links() { return *links_; }
    // The find and replace dialog and its searches; exists from attach() on.
    FindController& find() { return *find_; }
    // Print, preview, PDF and page setup of the open topic; exists from attach() on.
    TopicPrinter& printer() { return *printer_; }

    // Selects a topic in the tree and opens it (panels, links, the last edited topic).
    void openTopic(ItemHandle item);

    // The topic index around every label change: drop while the old label is
    // still set (`oldPath` is the item path under it), then add once the new
    // label is set. Both also keep the Locate list in step. Set in attach().
    std::function<void(ItemHandle item, const QString& oldPath)> indexDrop;
    std::function<void(ItemHandle item)> indexAdd;

    // Reads LastBook and sets up the paths: the first steps of the window's creation.
    void prepare();
    // Connects to the window's tree view, editor and commands.
    void attach(MainWindow& window);
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

    // Shown in the status bar after a start that resumed a working folder.
    static constexpr char kRecoveredNote[] = "Recovered the notebook from an unexpected end.";

    QString workingFolder() const override;
    std::optional<QString> topicFilePath(ItemHandle topic) const override;
    std::optional<QString> label(ItemHandle topic) const override;
    void relabel(ItemHandle topic, const QString& newLabel) override;

private:
    // Says what the open found wrong: a damaged package or tree file (and
    // where the original is kept), a refused working folder, or a resumed one.
    void reportOpenOutcome();
    void reportSaveProblem();

    Prompter& prompter_;
    Launcher& launcher_;
    store::ProfileService profiles_;
    TreeIcons icons_;
    tree::TopicImages images_;
    std::unique_ptr<session::NotebookSession> session_;
    std::unique_ptr<TreeItemModel> model_;
    TopicOpener* opener_ = nullptr;
    TreeController* treeController_ = nullptr;
    SearchController* search_ = nullptr;
    MainWindow* window_ = nullptr;
    SafetySaver* safety_ = nullptr;
    LinkCommands* links_ = nullptr;
    FindController* find_ = nullptr;
    TopicPrinter* printer_ = nullptr;
    SafetyDelays safetyDelays_;
    bool treeChanged_ = false; // since Tree.ini was last written by the safety saver
};

} // namespace oxlin::app
