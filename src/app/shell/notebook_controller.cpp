#include "shell/notebook_controller.h"

#include "editor/editor_host.h"
#include "editor/topic_text_edit.h"
#include "search/search_controller.h"
#include "shell/action_registry.h"
#include "shell/command_ids.h"
#include "shell/main_window.h"
#include "shell/prompter.h"
#include "shell/safety_saver.h"
#include "shell/side_tabs.h"
#include "tree/topic_opener.h"
#include "tree/tree_controller.h"
#include "tree/tree_item_model.h"

#include <QApplication>
#include <QFileInfo>
#include <QTreeView>

namespace oxlin::app {

NotebookController::NotebookController(const QString& dataFolder, Prompter& prompter,
                                       Launcher& launcher, QObject* parent)
    : QObject(parent), prompter_(prompter), launcher_(launcher), images_(&icons_) {
    session_ = std::make_unique<store::NotebookSession>(profiles_, dataFolder, &images_);
    model_ = std::make_unique<TreeItemModel>(session_->tree(), icons_);
}

NotebookController::~NotebookController() {
    // The panels and the tree pane use the session and the model, and the
    // index's worker writes through profiles_: all three go while those live.
    delete search_;
    delete treeController_;
    // The opener waits for its workers while the session still lives.
    delete opener_;
}

void NotebookController::prepare() {
    session_->readLastBook();
    session_->setUpPaths();
}

void NotebookController::attach(MainWindow& window) {
    window_ = &window;
    EditorHost& editor = window.editorHost();
    opener_ = new TopicOpener(*session_, editor, launcher_, this);

    QTreeView* view = window.treeView();
    tree::TreeHooks treeHooks;
    treeHooks.dropFromIndex = [this](ItemHandle item, const QString& oldPath) {
        if (indexDrop)
            indexDrop(item, oldPath);
    };
    treeHooks.addToIndex = [this](ItemHandle item) {
        if (indexAdd)
            indexAdd(item);
    };
    treeHooks.openFileTopic = [this](ItemHandle item) {
        opener_->openFileTopic(item, treeController_->operations().lastOpened());
    };
    treeController_ = new TreeController(
        {{session_->tree(), session_->fileIds(), session_->history(),
          [this] { return session_->paths().workingFolder; }, &images_},
         prompter_, editor, view, *model_, window.actions(),
         [&window](int id) { window.dispatch(quint32(id)); }, std::move(treeHooks)},
        this);

    search_ = new SearchController({profiles_, *session_, prompter_, editor,
                                    [this](ItemHandle item) { openTopic(item); }, *model_, *view,
                                    *window.sidePane(), *window.locatePanel(),
                                    *window.keywordPanel()},
                                   this);
    indexDrop = [this](tree::ItemHandle item, const QString&) { search_->dropItem(item); };
    indexAdd = [this](tree::ItemHandle item) { search_->addItem(item); };

    store::SessionHooks hooks;
    hooks.saveEditorTopic = [&editor] { editor.saveTopic(); };
    hooks.shutDownEditor = [&editor] { editor.shutDown(); };
    hooks.writeLastEdit = [this] { search_->writeLastEdit(); };
    hooks.compressLastOpenedTopic = [this] {
        opener_->compressWorkingCopy(treeController_->operations().lastOpened());
    };
    hooks.startIndexWorker = [this] { search_->startRebuild(); };
    hooks.waitForIndexWorker = [this] {
        search_->waitForRebuild();
        opener_->waitForWorkers();
    };
    hooks.saveKeywordHistory = [this] { search_->saveHistory(); };
    hooks.forgetOpenedTopics = [this] { treeController_->operations().forgetOpenedTopics(); };
    session_->setHooks(std::move(hooks));

    CommandRouter& router = window.router();
    router.setTreeHandler([this](int id) { treeController_->command(id); });
    router.setMenuHandler(cmd::Save, [this] { save(); });
    // Exporting the topic the editor shows; folders and other topics come with import/export.
    router.setMenuHandler(cmd::Export, [this, view, &editor] {
        const ItemHandle selected = model_->handle(view->currentIndex());
        if (selected == 0 || selected != editor.currentTopic())
            return;
        if (editor.saveTopic() == 0)
            editor.exportCurrentTopic();
    });
    window.onHidden = [this, &editor] {
        editor.saveTopic();
        session_->saveTreeFile();
    };
    window.onMinimised = [this] { session_->saveTreeFile(); };

    // Between saves, what the user typed and how they changed the tree reach
    // the working folder within seconds, for the next start to resume.
    safety_ = new SafetySaver(
        [this, &editor] {
            editor.writeBackQuietly();
            search_->writeLastEdit(); // so the next start reopens this topic
            if (treeChanged_) {
                treeChanged_ = false;
                session_->saveTreeFile();
            }
        },
        kSafetyQuietMs, kSafetyLatestMs, this);
    connect(editor.editor(), &QTextEdit::textChanged, safety_, &SafetySaver::changed);
    const auto treeChanged = [this] {
        treeChanged_ = true;
        safety_->changed();
    };
    // Not the model's resets: those are loads and closes, not the user's work.
    connect(model_.get(), &QAbstractItemModel::rowsInserted, this, treeChanged);
    connect(model_.get(), &QAbstractItemModel::rowsRemoved, this, treeChanged);
    connect(model_.get(), &QAbstractItemModel::rowsMoved, this, treeChanged);
    connect(model_.get(), &QAbstractItemModel::dataChanged, this, treeChanged);
    window.onExit = [this] { exitSequence(); };
    window.setNotebookName(session_->currentBook().notebookName);
}

void NotebookController::openNotebook() {
    session_->openNotebook();
    if (search_)
        search_->loadHistoryOnce();
    if (window_)
        window_->setNotebookName(session_->currentBook().notebookName);
    if (session_->lastOpenOutcome() == store::OpenOutcome::PackageUnreadable) {
        // Said once the window is up: the notebook opens all the same.
        QMetaObject::invokeMethod(this, &NotebookController::reportDamagedPackage,
                                  Qt::QueuedConnection);
    }
}

void NotebookController::reportDamagedPackage() {
    const QString package = QFileInfo(session_->paths().packageFile).fileName();
    const QString copy = session_->damagedPackageCopy();
    const QString text =
        copy.isEmpty()
            ? QStringLiteral("The notebook package \"%1\" is damaged and could not be read.")
                  .arg(package)
            : QStringLiteral("The notebook package \"%1\" is damaged and could not be read.\n"
                             "It was kept unchanged as \"%2\"; the notebook opens without it.")
                  .arg(package, QFileInfo(copy).fileName());
    prompter_.message(text, QStringLiteral("Oxlin"), PromptIcon::Warning);
}

void NotebookController::openTopic(ItemHandle item) {
    if (treeController_)
        treeController_->selectAndOpen(item);
}

void NotebookController::save() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    session_->save();
    QApplication::restoreOverrideCursor();
}

int NotebookController::exitSequence() {
    if (safety_)
        safety_->stop(); // the sequence writes everything itself, then empties the tree
    return session_->exitNotebook();
}

QString NotebookController::workingFolder() const { return session_->paths().workingFolder; }

std::optional<QString> NotebookController::topicFilePath(ItemHandle topic) const {
    const tree::TreeItem* item = session_->tree().find(topic);
    if (!item || !item->isTopic())
        return std::nullopt;
    return tree::topicFilePath(session_->paths().workingFolder, item->record->fileId);
}

std::optional<QString> NotebookController::label(ItemHandle topic) const {
    const tree::TreeItem* item = session_->tree().find(topic);
    if (!item)
        return std::nullopt;
    return item->label;
}

void NotebookController::relabel(ItemHandle topic, const QString& newLabel) {
    // Through the tree operations, so the topic index follows the new label.
    if (!treeController_ || !treeController_->operations().relabel(topic, newLabel))
        return;
    // The tree file follows at once, so the new label survives an unclean end.
    session_->saveTreeFile();
}

} // namespace oxlin::app
