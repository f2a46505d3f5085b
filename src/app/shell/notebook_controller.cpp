#include "shell/notebook_controller.h"

#include "editor/editor_host.h"
#include "editor/topic_text_edit.h"
#include "search/search_controller.h"
#include "shell/action_registry.h"
#include "shell/command_ids.h"
#include "shell/main_window.h"
#include "shell/side_tabs.h"
#include "tree/topic_opener.h"
#include "tree/tree_item_model.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTreeView>

namespace oxlin::app {

namespace {

// Space on the tree opens the selected topic.
class SpaceOpens final : public QObject {
public:
    SpaceOpens(std::function<void()> open, QObject* parent) : QObject(parent), open_(std::move(open)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            open_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> open_;
};

} // namespace

NotebookController::NotebookController(const QString& dataFolder, Prompter& prompter,
                                       Launcher& launcher, QObject* parent)
    : QObject(parent), prompter_(prompter), launcher_(launcher), images_(&icons_) {
    session_ = std::make_unique<store::NotebookSession>(profiles_, dataFolder, &images_);
    model_ = std::make_unique<TreeItemModel>(session_->tree(), icons_);
}

NotebookController::~NotebookController() {
    // The index's worker writes through profiles_: stop it while that lives.
    delete search_;
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
    view->setModel(model_.get());
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(view, &QTreeView::doubleClicked, this, &NotebookController::openIndex);
    view->installEventFilter(new SpaceOpens([this, view] { openIndex(view->currentIndex()); }, view));

    connect(opener_, &TopicOpener::openedInEditor, &window, &MainWindow::switchFocus,
            Qt::QueuedConnection);
    connect(opener_, &TopicOpener::selectRequested, view, [this, view](tree::ItemHandle item) {
        view->setCurrentIndex(model_->indexOf(item));
    });
    connect(opener_, &TopicOpener::historyChanged, &window, [&window](bool back, bool forward) {
        window.actions().setEnabled(cmd::Backward, back);
        window.actions().setEnabled(cmd::Forward, forward);
    });

    search_ = new SearchController({profiles_, *session_, prompter_, editor, *opener_, *model_, *view,
                                    *window.sidePane(), *window.locatePanel(),
                                    *window.keywordPanel()},
                                   this);
    indexDrop = [this](tree::ItemHandle item, const QString&) { search_->dropItem(item); };
    indexAdd = [this](tree::ItemHandle item) { search_->addItem(item); };

    store::SessionHooks hooks;
    hooks.saveEditorTopic = [&editor] { editor.saveTopic(); };
    hooks.shutDownEditor = [&editor] { editor.shutDown(); };
    hooks.writeLastEdit = [this] { search_->writeLastEdit(); };
    hooks.compressLastOpenedTopic = [this] { opener_->compressLastOpenedTopic(); };
    hooks.startIndexWorker = [this] { search_->startRebuild(); };
    hooks.waitForIndexWorker = [this] {
        search_->waitForRebuild();
        opener_->waitForWorkers();
    };
    hooks.saveKeywordHistory = [this] { search_->saveHistory(); };
    hooks.forgetOpenedTopics = [this] { opener_->forget(); };
    session_->setHooks(std::move(hooks));

    CommandRouter& router = window.router();
    router.setTreeHandler([this](int id) {
        if (id == cmd::Backward)
            opener_->back();
        else if (id == cmd::Forward)
            opener_->forward();
    });
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
    window.onExit = [this] { exitSequence(); };
    window.setNotebookName(session_->currentBook().notebookName);
}

void NotebookController::openNotebook() {
    session_->openNotebook();
    if (search_)
        search_->loadHistoryOnce();
    if (window_)
        window_->setNotebookName(session_->currentBook().notebookName);
}

void NotebookController::openIndex(const QModelIndex& index) {
    if (index.isValid())
        opener_->open(model_->handle(index));
}

void NotebookController::save() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    session_->save();
    QApplication::restoreOverrideCursor();
}

int NotebookController::exitSequence() { return session_->exitNotebook(); }

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
    tree::TopicTree& tree = session_->tree();
    if (!tree.contains(topic))
        return;
    if (indexDrop)
        indexDrop(topic, tree.itemPath(topic));
    const bool changed = tree.setLabel(topic, newLabel);
    if (changed)
        tree.setImage(topic, images_.imageFor(newLabel.toUpper()));
    if (indexAdd)
        indexAdd(topic);
    if (!changed)
        return;
    // The tree file follows at once, so the new label survives an unclean end.
    session_->saveTreeFile();
}

} // namespace oxlin::app
