#include "app/shell/notebook_controller.h"
#include "messages/notebook_messages.h"

#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/base/prompter.h"
#include "app/base/safety_saver.h"
#include "app/base/side_tabs.h"
#include "app/base/wait_cursor.h"
#include "app/editor/editing_commands.h"
#include "app/editor/editor_host.h"
#include "app/editor/find_replace.h"
#include "app/editor/hosted_tree_editor.h"
#include "app/editor/link_commands.h"
#include "app/editor/link_view.h"
#include "app/editor/session_topics.h"
#include "app/editor/topic_printer.h"
#include "app/editor/topic_text_edit.h"
#include "app/search/index_keeper.h"
#include "app/search/search_presenter.h"
#include "app/shell/editor_spelling.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_commands.h"
#include "app/shell/shown_place.h"
#include "app/tree/publish_commands.h"
#include "app/tree/topic_opener.h"
#include "app/tree/transfer_commands.h"
#include "app/tree/tree_controller.h"
#include "app/tree/tree_item_model.h"
#include "app/tree/tree_reveal.h"
#include "publish/site_export.h"

#include <QCursor>
#include <QFileInfo>
#include <QMenu>
#include <QTreeView>

namespace oxlin::app {

NotebookController::NotebookController(const QString& dataFolder, Prompter& prompter,
                                       Launcher& launcher, const QString& executableFolder,
                                       SafetyDelays safety, QObject* parent)
    : QObject(parent), prompter_(prompter), launcher_(launcher), safetyDelays_(safety),
      images_(&icons_) {
    session_ =
        std::make_unique<session::NotebookSession>(profiles_, dataFolder, sessionHooks(), &images_);
    // The first steps of the window's creation: the window's title and the
    // tree's paths come from them.
    session_->readLastBook();
    session_->setUpPaths();
    // Through the tree operations, so the topic index follows the new label.
    topics_ = std::make_unique<SessionTopics>(
        *session_, [this](ItemHandle topic, const QString& newLabel) {
            return treeController_->operations().relabel(topic, newLabel);
        });
    window_ = std::make_unique<MainWindow>(*topics_, static_cast<ExitSequence&>(*this), prompter_,
                                           launcher_, executableFolder);
    treeEditor_ = std::make_unique<HostedTreeEditor>(window_->editorHost());
    buildOpener();
    buildTreePane();
    buildSearch();
    installCommands();
    installSafetyWrites();
    buildLinks();
    find_ = new FindController(*window_->editorHost().editor(), prompter_, window_.get());
    buildPrinter();
    installEditingCommands();
    spelling_ = std::make_unique<EditorSpelling>(*window_, profiles_, session_->paths().dataFolder,
                                                 session_->paths().settingsFile);
    followWindow();
    window_->setNotebookName(session_->currentBook().notebookName);
}

void NotebookController::buildOpener() {
    EditorHost& editor = window_->editorHost();
    opener_ = std::make_unique<TopicOpener>(
        *session_,
        [&editor](ItemHandle item) { return editor.isOpen() && item == editor.currentTopic(); },
        launcher_);
    connect(opener_.get(), &TopicOpener::noApplication, this, [this](const QString& fileName) {
        warn(messages::NotebookMessages::noApplication(fileName));
    });
    connect(opener_.get(), &TopicOpener::notExtracted, this, [this](const QString& fileName) {
        warn(messages::NotebookMessages::topicNotExtracted(fileName));
    });
}

void NotebookController::buildTreePane() {
    MainWindow& window = *window_;
    treeController_ = std::make_unique<TreeController>(
        TreeController::Parts{{session_->tree(), session_->fileIds(), session_->history(),
                               [this] { return session_->paths().workingFolder; }, &images_},
                              prompter_,
                              *treeEditor_,
                              window.treeView(),
                              icons_,
                              window.actions(),
                              [&window](int id) { window.dispatch(quint32(id)); },
                              [this](const QStringList& paths) { transfer_->importPaths(paths); },
                              [this] { transfer_->exportSelection(); }});
    connect(treeController_.get(), &TreeController::fileTopicOpenRequested, opener_.get(),
            &TopicOpener::openFileTopic);
}

void NotebookController::buildSearch() {
    MainWindow& window = *window_;
    index_ = std::make_unique<IndexKeeper>(IndexKeeper::Parts{profiles_, *session_, *treeEditor_});
    connect(treeController_.get(), &TreeController::indexDropRequested, index_.get(),
            [this](ItemHandle item, const QString&) { index_->dropItem(item); });
    connect(treeController_.get(), &TreeController::indexAddRequested, index_.get(),
            &IndexKeeper::addItem);
    SearchPresenter::Parts parts{profiles_,
                                 *session_,
                                 *index_,
                                 prompter_,
                                 *treeEditor_,
                                 [this](ItemHandle item) { openTopic(item); },
                                 *window.sidePane(),
                                 *window.locatePanel(),
                                 *window.keywordPanel()};
    // A row of another notebook opens it as Open Notebook does.
    parts.switchNotebook = [this](const QString& name) { return notebooks_->switchTo(name); };
    search_ = std::make_unique<SearchPresenter>(parts);
    connect(search_.get(), &SearchPresenter::revealRequested, this,
            [this, &window](ItemHandle item, bool collapseCurrent) {
                revealItem(*window.treeView(), model(), item, collapseCurrent);
            });
}

void NotebookController::followWindow() {
    MainWindow& window = *window_;
    connect(&window, &MainWindow::hidden, this, [this] {
        window_->editorHost().saveTopic();
        session_->saveTreeFile();
    });
    connect(&window, &MainWindow::minimised, this, [this] { session_->saveTreeFile(); });
    connect(&window, &MainWindow::filesDropped, this,
            [this](const QStringList& paths) { transfer_->importPaths(paths); });
    // The title names the open topic by its label, which a rename or a move changes.
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&model(), signal, &window, &MainWindow::refreshTitle);
    connect(&model(), &QAbstractItemModel::dataChanged, &window, &MainWindow::refreshTitle);
}

NotebookController::~NotebookController() = default;

TreeItemModel& NotebookController::model() {
    return treeController_->model();
}

EditorTopics& NotebookController::topics() {
    return *topics_;
}

session::SessionHooks NotebookController::sessionHooks() {
    session::SessionHooks hooks;
    hooks.saveEditorTopic = [this] {
        EditorHost& editor = window_->editorHost();
        return !editor.isOpen() || editor.currentTopic() == 0 ||
               editor.saveTopic() == EditorResult::Ok;
    };
    hooks.shutDownEditor = [this] {
        index_->keepViewBeforeShutDown(); // the next start shows the topic as it was left
        return window_->editorHost().shutDown();
    };
    hooks.writeLastEdit = [this] { index_->writeLastEdit(); };
    hooks.compressLastOpenedTopic = [this] {
        return opener_->compressWorkingCopy(treeController_->operations().lastOpened());
    };
    hooks.startIndexWorker = [this] { index_->startRebuild(); };
    hooks.waitForIndexWorker = [this] {
        transfer_->finishImport(); // its topics belong to the notebook being closed
        publish_->stopExport();    // it reads files that are about to go
        index_->stopRebuild();
        search_->treeClosing();
        opener_->waitForWorkers();
    };
    hooks.saveKeywordHistory = [this] { search_->saveHistory(); };
    hooks.forgetOpenedTopics = [this] { treeController_->operations().forgetOpenedTopics(); };
    hooks.mergedFromDisk = [this] {
        mergedFromDisk_ = true;
        window_->showStatusNote(
            messages::NotebookMessages::mergedFromOtherMachine(session_->lastMerge()));
    };
    return hooks;
}

void NotebookController::buildLinks() {
    MainWindow& window = *window_;
    EditorHost& editor = window.editorHost();
    // Links: drawn and activated in the editor, inserted by F5 and F4.
    linkView_ = std::make_unique<LinkView>(editor.editor());
    links_ = std::make_unique<LinkCommands>(
        LinkCommands::Services{*editor.editor(), prompter_, launcher_,
                               [this] {
                                   session_->saveTreeFile();
                                   return session_->paths().treeFile;
                               },
                               [this](const QString& itemPath) {
                                   return search_->selectTopicByPath(itemPath) != tree::kNoItem;
                               },
                               [&window](const QString& text) { window.showStatusNote(text); },
                               [&editor] { editor.markRichText(); }});
    connect(linkView_.get(), &LinkView::linkActivated, links_.get(), &LinkCommands::activate);
}

void NotebookController::buildPrinter() {
    EditorHost& editor = window_->editorHost();
    printer_ = std::make_unique<TopicPrinter>(
        prompter_,
        [&editor]() -> QTextDocument* {
            return editor.isOpen() && editor.currentTopic() != 0 ? editor.editor()->document()
                                                                 : nullptr;
        },
        [this] {
            return topics_->label(model().handle(window_->treeView()->currentIndex()))
                .value_or(QString());
        });
}

void NotebookController::installEditingCommands() {
    MainWindow& window = *window_;
    CommandRouter& router = window.router();
    // Formats and insertions; the commands live as long as the window they edit in.
    auto* editing = new EditingCommands(
        window.editorHost(), prompter_, [&window](int id) { window.dispatch(quint32(id)); },
        &window);
    router.setEditingHandler([editing](int id) { editing->command(id); });
    router.setMenuHandler(cmd::Print, [this] { printer_->print(); });
    router.setMenuHandler(cmd::PageSetup, [this] { printer_->pageSetup(); });
    router.setMenuHandler(cmd::Find, [this] { find_->openFind(); });
    router.setMenuHandler(cmd::FindNext, [this] { find_->findAgain(); });
    router.setMenuHandler(cmd::Replace, [this] { find_->openReplace(); });
    router.setMenuHandler(cmd::PrintPreview, [this] { printer_->preview(); });
    router.setMenuHandler(cmd::ExportPdf, [this] { printer_->exportPdf(); });
    router.setMenuHandler(cmd::LinkToFile, [this] { links_->insertFileLink(); });
    router.setMenuHandler(cmd::LinkToTopic, [this] { links_->insertTopicLink(); });
    router.setMenuHandler(cmd::LinkToWeb, [this] { links_->insertWebLink(); });
}

void NotebookController::buildTransfer() {
    transfer_ = std::make_unique<TransferCommands>(TransferCommands::Parts{
        *session_, &images_, prompter_,
        [this] { return model().handle(window_->treeView()->currentIndex()); },
        [this](ItemHandle topic) { index_->addItem(topic); },
        [this](ItemHandle topic) { return exportThroughEditor(topic); }});
    publish_ = std::make_unique<PublishCommands>(PublishCommands::Parts{
        *session_, prompter_,
        [this] { return model().handle(window_->treeView()->currentIndex()); },
        [this] {
            EditorHost& editor = window_->editorHost();
            return !editor.isOpen() || editor.currentTopic() == 0 ||
                   editor.saveTopic() == EditorResult::Ok;
        },
        [this] { return window_->editorHost().defaultFont(); },
        [this] { return printer_->pageLayout(); }});
}

bool NotebookController::exportThroughEditor(ItemHandle topic) {
    // Text and rich text go out through the editor: open, save, export.
    EditorHost& editor = window_->editorHost();
    if (editor.currentTopic() != topic)
        openTopic(topic);
    if (editor.currentTopic() != topic)
        return false; // too large for the editor, or its file is missing
    if (editor.saveTopic() == EditorResult::Ok)
        editor.exportCurrentTopic();
    return true;
}

void NotebookController::installCommands() {
    buildTransfer();
    CommandRouter& router = window_->router();
    router.setTreeHandler([this](int id) { treeController_->command(id); });
    router.setMenuHandler(cmd::Save, [this] { save(); });
    router.setMenuHandler(cmd::Export, [this] { transfer_->exportSelection(); });
    router.setMenuHandler(cmd::ImportFile, [this] { transfer_->importFile(); });
    router.setMenuHandler(cmd::ImportFolder, [this] { transfer_->importFolder(); });
    router.setMenuHandler(cmd::ImportPopup, [this] { showImportMenu(); });
    router.setMenuHandler(cmd::ImportMarkdown, [this] { transfer_->importMarkdown(false); });
    router.setMenuHandler(cmd::ImportMarkdownFolder, [this] { transfer_->importMarkdown(true); });
    router.setMenuHandler(cmd::ExportWebPages,
                          [this] { publish_->exportSite(publish::SiteFormat::Html); });
    router.setMenuHandler(cmd::ExportMarkdown,
                          [this] { publish_->exportSite(publish::SiteFormat::Markdown); });
    router.setMenuHandler(cmd::ExportNotebookPdf, [this] { publish_->exportPdf(); });

    notebooks_ = std::make_unique<NotebookCommands>(*session_, prompter_);
    connect(notebooks_.get(), &NotebookCommands::notebookChanged, this,
            &NotebookController::notebookChanged);
    router.setMenuHandler(cmd::NewNotebook, [this] { notebooks_->newNotebook(); });
    router.setMenuHandler(cmd::OpenNotebook, [this] { notebooks_->openNotebook(); });
}

void NotebookController::showImportMenu() {
    QMenu menu(window_.get());
    const QAction* file = menu.addAction(tr("Import from a file"));
    const QAction* folder = menu.addAction(tr("Import from a folder"));
    // The chosen entry arrives as its command once the menu is gone.
    const QAction* chosen = menu.exec(QCursor::pos());
    if (chosen == file)
        window_->dispatch(cmd::ImportFile);
    else if (chosen == folder)
        window_->dispatch(cmd::ImportFolder);
}

void NotebookController::notebookChanged() {
    // The close wrote the old notebook's tree; nothing of it is pending.
    treeChanged_ = false;
    window_->setNotebookName(session_->currentBook().notebookName);
    QMetaObject::invokeMethod(this, &NotebookController::reportOpenOutcome, Qt::QueuedConnection);
}

void NotebookController::installSafetyWrites() {
    // Between saves, what the user typed and how they changed the tree reach
    // the working folder within seconds, for the next start to resume.
    EditorHost& editor = window_->editorHost();
    safety_ = std::make_unique<SafetySaver>(
        [this, &editor] {
            editor.writeBackQuietly();
            index_->writeLastEdit(); // so the next start reopens this topic
            if (treeChanged_) {
                treeChanged_ = false;
                session_->saveTreeFile();
            }
        },
        safetyDelays_.quietMs, safetyDelays_.latestMs, safetyDelays_.clock);
    connect(editor.editor(), &QTextEdit::textChanged, safety_.get(), &SafetySaver::changed);
    const auto treeChanged = [this] {
        treeChanged_ = true;
        safety_->changed();
    };
    // Not the model's resets: those are loads and closes, not the user's work.
    connect(&model(), &QAbstractItemModel::rowsInserted, this, treeChanged);
    connect(&model(), &QAbstractItemModel::rowsRemoved, this, treeChanged);
    connect(&model(), &QAbstractItemModel::rowsMoved, this, treeChanged);
    connect(&model(), &QAbstractItemModel::dataChanged, this, treeChanged);
}

void NotebookController::openNotebook() {
    // reportOpenOutcome says how it went, a refusal included.
    (void)session_->openNotebook();
    search_->loadHistoryOnce();
    window_->setNotebookName(session_->currentBook().notebookName);
    // Said once the window is up: the notebook opens all the same.
    QMetaObject::invokeMethod(this, &NotebookController::reportOpenOutcome, Qt::QueuedConnection);
}

void NotebookController::openTopic(ItemHandle item) {
    treeController_->selectAndOpen(item);
}

bool NotebookController::save() {
    // A merge of another machine's changes may give the editor's topic new
    // text: shown again from its file, the next save cannot write ours over it.
    const ShownPlace shown =
        placeShown(session_->tree(), window_->editorHost(), treeController_->selection());
    mergedFromDisk_ = false;
    const bool packed = [this] {
        const WaitCursor wait;
        return session_->save().ok();
    }();
    if (mergedFromDisk_)
        showAgain(shown, session_->tree(), window_->editorHost(), *treeController_);
    if (!packed)
        reportSaveProblem();
    return packed;
}

bool NotebookController::exitSequence() {
    EditorHost& editor = window_->editorHost();
    if (editor.isOpen() && editor.currentTopic() != 0 && editor.saveTopic() != EditorResult::Ok) {
        // The editor has said why; its text is the only copy of it.
        prompter_.message(messages::NotebookMessages::topicNotSavedOnExit(), tr("Oxlin"),
                          PromptIcon::Error);
        return false;
    }
    safety_->stop(); // the sequence writes everything itself, then empties the tree
    if (!session_->exitNotebook().ok())
        reportSaveProblem();
    return true;
}

} // namespace oxlin::app
