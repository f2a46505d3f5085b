#include "viewer/viewer_controller.h"

#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/prompter.h"
#include "app/base/user_messages.h"
#include "app/base/wait_cursor.h"
#include "app/editor/editor_host.h"
#include "app/editor/find_replace.h"
#include "app/editor/hosted_tree_editor.h"
#include "app/editor/link_commands.h"
#include "app/editor/link_view.h"
#include "app/editor/topic_text_edit.h"
#include "app/search/index_keeper.h"
#include "app/search/search_presenter.h"
#include "app/tree/topic_opener.h"
#include "app/tree/tree_reveal.h"
#include "core/store/file_names.h"
#include "core/transfer/export.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_kind.h"
#include "messages/notebook_messages.h"
#include "messages/transfer_messages.h"
#include "viewer/viewer_rules.h"
#include "viewer/viewer_window.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTreeView>

namespace oxlin::viewer {

namespace cmd = app::cmd;

ViewerController::ViewerController(const QString& folder, app::Prompter& prompter,
                                   app::Launcher& launcher, QObject* parent)
    : QObject(parent), prompter_(prompter), launcher_(launcher), images_(&icons_) {
    // The index worker starts after every load of the tree; index_ is made
    // below, before the first open.
    session_ = std::make_unique<session::ReadOnlyNotebook>(profiles_, folder, &images_,
                                                           [this] { index_->startRebuild(); });
    window_ = std::make_unique<ViewerWindow>(*this, prompter_);
    ViewerWindow& window = *window_;
    app::EditorHost& editor = window.editorHost();

    model_ = std::make_unique<app::TreeItemModel>(session_->tree(), icons_,
                                                  static_cast<app::ItemRenamer&>(*this));
    window.treeView()->setModel(model_.get());
    connect(window.treeView(), &QTreeView::doubleClicked, this, [this] { openSelection(); });
    window.treeView()->installEventFilter(this);

    treeEditor_ = std::make_unique<app::HostedTreeEditor>(editor);
    opener_ = std::make_unique<app::TopicOpener>(
        *session_,
        [&editor](tree::ItemHandle item) {
            return editor.isOpen() && item == editor.currentTopic();
        },
        launcher_);
    connect(opener_.get(), &app::TopicOpener::noApplication, this, [this](const QString& name) {
        prompter_.message(messages::NotebookMessages::noApplication(name), translated(kCaption),
                          app::PromptIcon::Warning);
    });
    connect(opener_.get(), &app::TopicOpener::notExtracted, this, [this](const QString& name) {
        prompter_.message(messages::NotebookMessages::topicNotExtracted(name), translated(kCaption),
                          app::PromptIcon::Warning);
    });

    index_ = std::make_unique<app::IndexKeeper>(
        app::IndexKeeper::Parts{profiles_, *session_, *treeEditor_});
    app::SearchPresenter::Parts parts{profiles_,
                                      *session_,
                                      *index_,
                                      prompter_,
                                      *treeEditor_,
                                      [this](tree::ItemHandle item) { openTopic(item); },
                                      *window.sidePane(),
                                      *window.locatePanel(),
                                      *window.keywordPanel()};
    parts.saveBeforeSearch = false; // nothing in the viewer is ever saved
    parts.caption = translated(kCaption);
    search_ = std::make_unique<app::SearchPresenter>(parts);
    connect(search_.get(), &app::SearchPresenter::revealRequested, this,
            [this, &window](tree::ItemHandle item, bool collapseCurrent) {
                app::revealItem(*window.treeView(), *model_, item, collapseCurrent);
            });

    // Links: a topic link opens its topic here; a file or web link goes to
    // the desktop. Inserting links is the editor's, and the viewer edits nothing.
    linkView_ = std::make_unique<app::LinkView>(editor.editor());
    links_ = std::make_unique<app::LinkCommands>(app::LinkCommands::Services{
        *editor.editor(), prompter_, launcher_, [this] { return session_->paths().treeFile; },
        [this](const QString& itemPath) {
            return search_->selectTopicByPath(itemPath) != tree::kNoItem;
        },
        [](const QString&) {}});
    connect(linkView_.get(), &app::LinkView::linkActivated, links_.get(),
            &app::LinkCommands::activate);
    find_ = new app::FindController(*editor.editor(), prompter_, &window);

    app::CommandRouter& router = window.router();
    router.setMenuHandler(cmd::Find, [this] { find_->openFind(); });
    router.setMenuHandler(cmd::FindNext, [this] { find_->findAgain(); });
    router.setMenuHandler(cmd::Export, [this] { exportSelection(); });
}

ViewerController::~ViewerController() {
    // The index worker reads the tree's snapshot and writes into the folder:
    // it ends before either goes.
    if (index_)
        index_->stopRebuild();
    if (search_)
        search_->stopSearch();
}

bool ViewerController::open(const QString& package) {
    session::ReadOnlyNotebook& session = *session_;
    session.currentBook().notebookName = notebookNameOf(package);
    session.setUpPaths();
    // The last package's reader goes with its open: nothing may search it then.
    index_->stopRebuild();
    search_->stopSearch();
    search_->readTopicsFrom(nullptr);
    packageTopics_.reset();
    const bool unpacked = session.open(package);
    if (const store::PackageReader* reader = session.package()) {
        packageTopics_ = std::make_unique<search::PackageTopics>(*reader);
        search_->readTopicsFrom(packageTopics_.get());
    }
    // The keywords last stored in the package by the main program.
    search_->loadHistoryOnce();
    window_->setNotebookName(notebookNameOf(package));
    return unpacked;
}

tree::ItemHandle ViewerController::selection() const {
    return model_->handle(window_->treeView()->currentIndex());
}

void ViewerController::openSelection() {
    openTopic(selection());
}

void ViewerController::openTopic(tree::ItemHandle item) {
    tree::TopicTree& tree = session_->tree();
    const tree::TreeItem* found = tree.find(item);
    if (!found)
        return;
    QTreeView* view = window_->treeView();
    const QModelIndex index = model_->indexOf(item);
    if (view->currentIndex() != index)
        view->setCurrentIndex(index);
    app::EditorHost& editor = window_->editorHost();
    if (!found->isTopic() || (editor.isOpen() && editor.currentTopic() == item))
        return;
    switch (topicOpeningFor(found->label)) {
    case TopicOpening::None:
        return;
    case TopicOpening::Application:
        // Nothing is put back: the copy the application shows is the reader's own.
        opener_->openFileTopic(item, tree::kNoItem);
        return;
    case TopicOpening::Editor:
        break;
    }
    if (editor.isOpen() && editor.currentTopic() != 0) {
        if (tree::TopicRecord* left = tree.record(editor.currentTopic()))
            left->viewPosition = editor.viewPosition();
        // Closing drops the working copy; the topic file is left as it was.
        editor.closeTopic();
    }
    editor.loadTopic(item);
    if (const tree::TopicRecord* record = tree.record(item))
        editor.restoreViewPosition(record->viewPosition);
    window_->refreshTitle();
    QMetaObject::invokeMethod(
        this, [this] { window_->editorHost().editor()->setFocus(Qt::OtherFocusReason); },
        Qt::QueuedConnection);
}

bool ViewerController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_->treeView() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        openSelection();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ViewerController::exportSelection() {
    const tree::ItemHandle item = selection();
    const tree::TreeItem* found = session_->tree().find(item);
    if (!found)
        return;
    if (found->isFolder()) {
        exportFolder(item);
        return;
    }
    if (!tree::isSearchableLabel(found->label)) {
        exportFileTopic(item);
        return;
    }
    // As the editor exports: with the filters of its stream format and the
    // extension that goes with them. The topic file is exported as stored.
    openTopic(item);
    app::EditorHost& editor = window_->editorHost();
    if (editor.currentTopic() == item)
        editor.exportCurrentTopic();
}

void ViewerController::exportFileTopic(tree::ItemHandle item) {
    const tree::TreeItem* found = session_->tree().find(item);
    const QString target = prompter_.saveFileName(tr("Export"), found->label, {}, false);
    if (target.isEmpty() || !app::mayReplace(prompter_, target))
        return;
    const app::WaitCursor wait;
    session_->fetchTopicFile(found->record->fileId);
    app::showMessage(prompter_, messages::TransferMessages::afterFileExport(
                                    transfer::exportTopic(session_->paths().workingFolder,
                                                          found->record->fileId, target)
                                        .ok()));
}

void ViewerController::exportFolder(tree::ItemHandle item) {
    const tree::TreeItem* found = session_->tree().find(item);
    const QString parent = prompter_.existingFolder(tr("Export"), QString());
    if (parent.isEmpty())
        return;
    // The same export as the notebook's, so a folder leaves the viewer with
    // the file names and messages it would get there; only the chosen place differs.
    const QString target = QDir(parent).filePath(store::safeFileName(found->label));
    const app::WaitCursor wait;
    session_->tree().walk(
        [this](const tree::TreeItem& each, int) {
            if (each.isTopic())
                session_->fetchTopicFile(each.record->fileId);
        },
        item);
    app::showMessage(prompter_,
                     messages::TransferMessages::afterFolderExport(transfer::exportFolder(
                         session_->tree(), item, session_->paths().workingFolder, target)));
}

void ViewerController::shutDown() {
    index_->stopRebuild();
    search_->stopSearch();
    opener_->waitForWorkers();
    app::EditorHost& editor = window_->editorHost();
    if (editor.isOpen())
        editor.closeTopic();
    session_->tree().clear();
}

QString ViewerController::workingFolder() const {
    return session_->paths().workingFolder;
}

std::optional<QString> ViewerController::topicFilePath(tree::ItemHandle topic) const {
    const tree::TreeItem* item = session_->tree().find(topic);
    if (!item || !item->isTopic())
        return std::nullopt;
    // A topic's file comes out of the package the first time it is opened.
    session_->fetchTopicFile(item->record->fileId);
    return tree::topicFilePath(session_->paths().workingFolder, item->record->fileId);
}

std::optional<QString> ViewerController::label(tree::ItemHandle topic) const {
    const tree::TreeItem* item = session_->tree().find(topic);
    if (!item)
        return std::nullopt;
    return item->label;
}

} // namespace oxlin::viewer
