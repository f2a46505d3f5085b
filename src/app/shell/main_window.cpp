#include "app/shell/main_window.h"

#include "app/base/action_registry.h"
#include "app/base/app_icons.h"
#include "app/base/command_ids.h"
#include "app/base/file_list.h"
#include "app/base/launcher.h"
#include "app/base/prompter.h"
#include "app/base/side_tabs.h"
#include "app/dialogs/about_dialog.h"
#include "app/editor/editor_host.h"
#include "app/editor/find_replace.h"
#include "app/editor/topic_text_edit.h"
#include "app/search/keyword_panel.h"
#include "app/search/locate_panel.h"
#include "app/shell/toolbars.h"
#include "core/paths/install_layout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace oxlin::app {

MainWindow::MainWindow(EditorTopics& topics, ExitSequence& exit, Prompter& prompter,
                       Launcher& launcher, const QString& executableFolder, QWidget* parent)
    : QMainWindow(parent), topics_(topics), exit_(exit), prompter_(prompter), launcher_(launcher),
      executableFolder_(executableFolder) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("Oxlin"));
    setWindowIcon(applicationIcon());
    setAcceptDrops(true);

    actions_ = new ActionRegistry([this](int id) { router_.dispatch(quint32(id)); }, this);
    actions_->buildMenuBar(menuBar());
    actions_->installAccelerators(this);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("splitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->setHandleWidth(5);

    tree_ = new QTreeView(splitter_);
    tree_->setObjectName(QStringLiteral("tree"));
    tree_->setHeaderHidden(true);
    tree_->setMinimumWidth(kMinimumTreeWidth);
    tree_->setUniformRowHeights(true);
    tree_->setAnimated(true);
    tree_->setEditTriggers(QAbstractItemView::EditKeyPressed);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setIconSize(QSize(16, 16));

    locate_ = new LocatePanel;
    keyword_ = new KeywordPanel;
    side_ = new SidePane(tree_, locate_, keyword_, splitter_);
    side_->setMinimumWidth(kMinimumTreeWidth);

    editor_ = new EditorHost(topics_, prompter_, splitter_);
    editor_->editor()->setMinimumWidth(kMinimumEditorWidth);
    editor_->setContextMenu(actions_->buildEditorContextMenu(this));
    actions_->installEditorKeys(editor_->editor());
    buildToolbars(*this, *actions_, *editor_);

    splitter_->addWidget(side_);
    splitter_->addWidget(editor_->editor());
    // Growing the window widens the editor; the tree keeps its width.
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);

    connect(editor_, &EditorHost::topicChanged, this, &MainWindow::refreshTitle);
    connect(editor_, &EditorHost::wordWrapChanged, this,
            [this](bool on) { actions_->setChecked(cmd::WordWrap, on); });
    connect(editor_, &EditorHost::focusSwitchRequested, this, &MainWindow::switchFocus,
            Qt::QueuedConnection);
    actions_->setChecked(cmd::WordWrap, editor_->wordWrap());

    // Enabled states of the edit commands follow the editor's own signals.
    auto* edit = editor_->editor();
    for (int id : {cmd::Undo, cmd::Redo, cmd::Cut, cmd::Copy})
        actions_->setEnabled(id, false);
    connect(edit, &QTextEdit::undoAvailable, this,
            [this](bool on) { actions_->setEnabled(cmd::Undo, on); });
    connect(edit, &QTextEdit::redoAvailable, this,
            [this](bool on) { actions_->setEnabled(cmd::Redo, on); });
    connect(edit, &QTextEdit::copyAvailable, this, [this](bool on) {
        actions_->setEnabled(cmd::Cut, on);
        actions_->setEnabled(cmd::Copy, on);
    });
    connect(editor_, &EditorHost::editingAvailableChanged, this,
            [this](bool on) { actions_->setEnabled(cmd::Paste, on); });
    actions_->setEnabled(cmd::Paste, false);

    setUpStatusBar();
    installCommands();
    refreshTitle();
}

MainWindow::~MainWindow() = default;

void MainWindow::installCommands() {
    router_.setWindowHandler([this](int id) {
        switch (id) {
        case cmd::HideWindow:
            // Esc closes an open find dialog first.
            if (auto* find = findChild<FindDialog*>(); find && find->isVisible())
                find->close();
            else
                hideAndSave();
            return true;
        case cmd::SwitchFocus: switchFocus(); return true;
        default: return false;
        }
    });
    router_.setMenuHandler(cmd::Exit, [this] { exitApplication(); });
    router_.setMenuHandler(cmd::Undo, [this] { editor_->editor()->undo(); });
    router_.setMenuHandler(cmd::Redo, [this] { editor_->editor()->redo(); });
    router_.setMenuHandler(cmd::Cut, [this] { editor_->editor()->cut(); });
    router_.setMenuHandler(cmd::Copy, [this] { editor_->editor()->copy(); });
    router_.setMenuHandler(cmd::Paste, [this] { editor_->editor()->paste(); });
    router_.setMenuHandler(cmd::WordWrap, [this] { editor_->toggleWordWrap(); });
    router_.setMenuHandler(cmd::Properties, [this] { editor_->showProperties(); });
    router_.setMenuHandler(cmd::HelpTopics, [this] { showHelp(); });
    for (const auto& [id, tab] : {std::pair{cmd::ShowTopicsPanel, SidePane::Topics},
                                  std::pair{cmd::ShowIndexPanel, SidePane::Index},
                                  std::pair{cmd::ShowSearchPanel, SidePane::Search}})
        router_.setMenuHandler(id, [this, tab = tab] {
            side_->showTab(tab);
            side_->focusActive();
        });
    router_.setMenuHandler(cmd::About, [this] {
        AboutDialog about(editor_->defaultFont(), this);
        about.exec();
    });
}

void MainWindow::setNotebookName(const QString& name) {
    notebookName_ = name;
    refreshTitle();
}

QString MainWindow::titleText() const {
    const QString copy = editor_->workingCopyPath();
    if (editor_->isOpen() && !copy.isEmpty()) {
        // The label as it is now: a rename does not rename the working copy.
        const QString label =
            topics_.label(editor_->currentTopic()).value_or(QFileInfo(copy).fileName());
        return tr("%1 - Quarrow Notebook - [%2]").arg(notebookName_, label);
    }
    return tr("%1 - Quarrow Notebook").arg(notebookName_);
}

void MainWindow::refreshTitle() { setWindowTitle(titleText()); }

void MainWindow::showHelp() {
#ifdef Q_OS_WIN
    const QString viewerName = QStringLiteral("Vistelo.exe");
#else
    const QString viewerName = QStringLiteral("Vistelo");
#endif
    const QDir folder(executableFolder_);
    const QString viewer = folder.filePath(viewerName);
    const QString package = paths::helpPackagePath(executableFolder_);
    if (QFileInfo::exists(viewer) && QFileInfo::exists(package))
        launcher_.startViewer(viewer, package);
}

void MainWindow::hideAndSave() {
    if (withoutTray_)
        showMinimized();
    else
        hide();
    Q_EMIT hidden();
}

void MainWindow::switchFocus() { side_->switchFocusWith(editor_->editor()); }

void MainWindow::exitApplication() {
    if (exited_)
        return;
    exited_ = true;
    if (!exit_.runExitSequence()) {
        exited_ = false;
        return;
    }
    hide();
    QCoreApplication::exit(0);
    // exit() only ends loops that are running; when the sequence ran from
    // events handled outside one (processEvents during start-up), the main
    // loop would start afterwards and never end. Ask again from inside it.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void MainWindow::requestExit() {
    if (exited_)
        return;
    // A box shown before the main loop runs (during the start) is the only
    // loop, so the loop level alone does not tell that one is open.
    if (QThread::currentThread()->loopLevel() > 1 || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget()) {
        // A dialog or a menu runs its own loop: close them all, and come back
        // once their loops have ended. The exit sequence never runs under
        // one: the code that opened it would go on with an emptied notebook.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible())
                continue;
            if (auto* dialog = qobject_cast<QDialog*>(widget))
                dialog->reject();
            else if (qobject_cast<QMenu*>(widget) || widget->isModal())
                widget->close();
        }
        QTimer::singleShot(10, this, &MainWindow::requestExit);
        return;
    }
    QMetaObject::invokeMethod(this, &MainWindow::exitApplication, Qt::QueuedConnection);
}

void MainWindow::showStatusNote(const QString& text) {
    statusBar()->showMessage(text, kStatusNoteMs);
    statusBar()->show();
}

void MainWindow::setUpStatusBar() {
    // The status bar only carries short notes: it is there while one is,
    // and goes with the note when its time is up.
    QStatusBar* bar = statusBar();
    bar->hide();
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty())
            bar->hide();
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (exited_) {
        event->accept();
        return;
    }
    // The close box only hides the window; File > Exit ends the program.
    event->ignore();
    if (withoutTray_)
        askExitOrKeepRunning();
    else
        hideAndSave();
}

void MainWindow::askExitOrKeepRunning() {
    // A second close while the question is open has its answer coming.
    if (askingToExit_)
        return;
    askingToExit_ = true;
    const PromptAnswer answer = prompter_.message(tr(kExitWithoutTray), tr("Oxlin"),
                                                  PromptIcon::Question, PromptButtons::YesNo);
    askingToExit_ = false;
    if (answer == PromptAnswer::Yes)
        requestExit(); // the one exit sequence, as File > Exit
    else
        hideAndSave(); // minimised: a hidden window could only come back by the hotkey
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        Q_EMIT minimised();
    QMainWindow::changeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Esc reaches the window only when the focused control had no use for
    // it (a label edit or an open pop-up keeps its own Esc).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        router_.dispatch(cmd::HideWindow);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (carriesLocalFiles(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (carriesLocalFiles(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = localFilePaths(event->mimeData());
    if (paths.isEmpty())
        return;
    // The files are copied in; the file manager keeps its own.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Imported once the drag has ended, so that a message about the import
    // does not hold the other program's drag open.
    QMetaObject::invokeMethod(
        this, [this, paths] { Q_EMIT filesDropped(paths); }, Qt::QueuedConnection);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!initialSplitDone_) {
        initialSplitDone_ = true;
        const int total = splitter_->width();
        const int treeWidth = std::max(kMinimumTreeWidth, total * 3 / 7);
        splitter_->setSizes({treeWidth, std::max(kMinimumEditorWidth, total - treeWidth)});
    }
}

} // namespace oxlin::app
