#include "viewer/viewer_window.h"

#include "app/base/app_icons.h"
#include "app/base/command_ids.h"
#include "app/base/side_tabs.h"
#include "app/editor/editor_host.h"
#include "app/editor/editor_topics.h"
#include "app/editor/topic_text_edit.h"
#include "app/search/keyword_panel.h"
#include "app/search/locate_panel.h"
#include "viewer/viewer_rules.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>

namespace oxlin::viewer {

namespace cmd = app::cmd;

ViewerWindow::ViewerWindow(app::EditorTopics& topics, app::Prompter& prompter, QWidget* parent)
    : QMainWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint), topics_(topics) {
    setObjectName(QStringLiteral("viewerWindow"));
    setWindowTitle(translated(kInitialTitle));
    setWindowIcon(app::applicationIcon());

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setChildrenCollapsible(false);

    // Labels cannot be edited and nothing is dragged: the viewer changes no tree.
    tree_ = new QTreeView;
    tree_->setObjectName(QStringLiteral("tree"));
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setDragEnabled(false);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setIconSize(QSize(16, 16));
    tree_->setExpandsOnDoubleClick(true);

    locate_ = new app::LocatePanel;
    // Its list is filled once at start and never goes stale: nothing is
    // added to or dropped from the viewer's index.
    locate_->refreshButton()->hide();
    keyword_ = new app::KeywordPanel;
    // A reader searches the text of the help, not only its titles.
    keyword_->treeOnlyBox()->setChecked(false);
    side_ = new app::SidePane(tree_, locate_, keyword_, splitter_);

    editor_ = new app::EditorHost(topics_, prompter, splitter_);
    app::TopicTextEdit* edit = editor_->editor();
    // Nothing typed could ever be saved, so nothing can be typed; selecting,
    // copying, finding and following links still work.
    edit->setReadOnly(true);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                  Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    edit->setAcceptDrops(false);

    splitter_->addWidget(side_);
    splitter_->addWidget(edit);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);

    installCommands();

    editorMenu_ = new QMenu(this);
    editorMenu_->addAction(action(cmd::Copy));
    editorMenu_->addSeparator();
    editorMenu_->addAction(action(cmd::Find));
    editorMenu_->addSeparator();
    editorMenu_->addAction(action(cmd::WordWrap));
    editor_->setContextMenu(editorMenu_);

    treeMenu_ = new QMenu(this);
    treeMenu_->addSeparator();
    treeMenu_->addAction(action(cmd::Export));
    treeMenu_->addSeparator();
    tree_->setContextMenuPolicy(Qt::DefaultContextMenu);
    // The keyboard's request reaches the view, the mouse's its viewport.
    tree_->installEventFilter(this);
    tree_->viewport()->installEventFilter(this);

    connect(editor_, &app::EditorHost::topicChanged, this, &ViewerWindow::refreshTitle);
    connect(editor_, &app::EditorHost::wordWrapChanged, this,
            [this](bool on) { action(cmd::WordWrap)->setChecked(on); });
    action(cmd::WordWrap)->setChecked(editor_->wordWrap());
    action(cmd::Copy)->setEnabled(false);
    connect(edit, &QTextEdit::copyAvailable, action(cmd::Copy), &QAction::setEnabled);
}

ViewerWindow::~ViewerWindow() = default;

QAction* ViewerWindow::make(int id, const QString& text, const QKeySequence& key) {
    auto* made = new QAction(text, this);
    made->setData(id);
    if (!key.isEmpty()) {
        made->setShortcut(key);
        made->setShortcutContext(Qt::WindowShortcut);
    }
    connect(made, &QAction::triggered, this, [this, id] { router_.dispatch(quint32(id)); });
    actions_.insert(id, made);
    return made;
}

void ViewerWindow::installCommands() {
    // The five keys; the menu entries show their keys through the actions.
    const QList<QAction*> keys = {
        make(cmd::SwitchFocus, QString(), QKeySequence(Qt::Key_F6)),
        make(cmd::WordWrap, tr("Word Wrap"), QKeySequence(Qt::CTRL | Qt::Key_W)),
        make(cmd::FindNext, QString(), QKeySequence(Qt::Key_F3)),
        make(cmd::Find, tr("Find..."), QKeySequence(Qt::CTRL | Qt::Key_F)),
        make(cmd::AlwaysOnTop, QString(), QKeySequence(Qt::Key_F10)),
    };
    addActions(keys);
    action(cmd::WordWrap)->setCheckable(true);
    // The editor control copies by its own key; the menu entry only shows it.
    make(cmd::Copy, tr("Copy"))->setShortcutVisibleInContextMenu(false);
    make(cmd::Export, tr("Export"));

    router_.setWindowHandler([this](int id) {
        if (id != cmd::SwitchFocus)
            return false;
        switchFocus();
        return true;
    });
    router_.setMenuHandler(cmd::Copy, [this] { editor_->editor()->copy(); });
    router_.setMenuHandler(cmd::WordWrap, [this] { editor_->toggleWordWrap(); });
    router_.setMenuHandler(cmd::AlwaysOnTop, [this] { toggleAlwaysOnTop(); });
}

void ViewerWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    // A tool window does not count as the application's last window, so
    // closing it is said explicitly.
    if (event->isAccepted())
        Q_EMIT closed();
}

void ViewerWindow::setNotebookName(const QString& name) {
    notebookName_ = name;
    refreshTitle();
}

void ViewerWindow::refreshTitle() {
    QString label;
    if (editor_->isOpen() && editor_->currentTopic() != 0)
        label = topics_.label(editor_->currentTopic())
                    .value_or(QFileInfo(editor_->workingCopyPath()).fileName());
    setWindowTitle(viewer::windowTitle(notebookName_, label));
}

void ViewerWindow::toggleAlwaysOnTop() {
    const bool wasVisible = isVisible();
    // Changing a window's flags hides it; it comes back where it was.
    const QRect where = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, !alwaysOnTop_);
    alwaysOnTop_ = !alwaysOnTop_;
    if (wasVisible) {
        setGeometry(where);
        show();
    }
}

void ViewerWindow::switchFocus() { side_->switchFocusWith(editor_->editor()); }

QPoint ViewerWindow::treeMenuPosition(bool fromMouse, const QPoint& pointer) const {
    if (fromMouse)
        return pointer;
    const QModelIndex current = tree_->currentIndex();
    if (!current.isValid())
        return tree_->viewport()->mapToGlobal(QPoint(0, 0));
    const QRect label = tree_->visualRect(current);
    const QPoint below(label.center().x() - treeMenu_->sizeHint().width() / 2, label.bottom());
    return tree_->viewport()->mapToGlobal(below);
}

bool ViewerWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == tree_ || watched == tree_->viewport()) && event->type() == QEvent::ContextMenu) {
        auto* request = static_cast<QContextMenuEvent*>(event);
        if (request->reason() == QContextMenuEvent::Mouse) {
            // The item under the pointer is the one the menu acts on.
            const QModelIndex under = tree_->indexAt(tree_->viewport()->mapFromGlobal(request->globalPos()));
            if (under.isValid())
                tree_->setCurrentIndex(under);
        }
        treeMenu_->popup(
            treeMenuPosition(request->reason() == QContextMenuEvent::Mouse, request->globalPos()));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace oxlin::viewer
