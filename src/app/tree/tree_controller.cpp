#include "app/tree/tree_controller.h"

#include "app/base/file_list.h"

#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "core/tree/topic_kind.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QTreeView>

namespace oxlin::app {

using tree::ItemHandle;
using tree::kNoItem;
using tree::Move;

TreeController::TreeController(Parts parts, QObject* parent)
    : QObject(parent), tree_(parts.services.tree), editor_(parts.editor), view_(parts.view),
      actions_(parts.actions), dispatch_(std::move(parts.dispatch)),
      importFiles_(std::move(parts.importFiles)),
      exportSelection_(std::move(parts.exportSelection)), questions_(parts.prompter),
      model_(parts.services.tree, parts.icons, static_cast<ItemRenamer&>(*this)) {
    tree::TreeHooks hooks;
    hooks.dropFromIndex = [this](ItemHandle item, const QString& oldPath) {
        Q_EMIT indexDropRequested(item, oldPath);
    };
    hooks.addToIndex = [this](ItemHandle item) { Q_EMIT indexAddRequested(item); };
    hooks.openFileTopic = [this](ItemHandle item) {
        Q_EMIT fileTopicOpenRequested(item, operations_->lastOpened());
    };
    hooks.navigationChanged = [this](tree::NavigationState state) {
        actions_.setEnabled(cmd::Backward, state.back);
        actions_.setEnabled(cmd::Forward, state.forward);
    };
    operations_ = std::make_unique<tree::TreeOperations>(std::move(parts.services), questions_,
                                                         editor_, std::move(hooks));
    actions_.setEnabled(cmd::Backward, false);
    actions_.setEnabled(cmd::Forward, false);

    view_->setModel(&model_);
    // Labels are edited only when an operation or F2 asks; a double click opens.
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setDragDropMode(QAbstractItemView::DragDrop);
    view_->setDefaultDropAction(Qt::MoveAction);
    view_->setContextMenuPolicy(Qt::DefaultContextMenu);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);

    connect(view_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            selectAndOpen(model_.handle(index));
    });
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TreeController::updateSelectionState);
    // A click on empty space clears Qt's selection but keeps the current item,
    // which stays the selection here: keep it shown as selected.
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        QItemSelectionModel* selection = view_->selectionModel();
        if (!selection->hasSelection() && selection->currentIndex().isValid())
            selection->select(selection->currentIndex(), QItemSelectionModel::Select);
    });
    // The moves a selection allows change with its siblings too.
    connect(&model_, &QAbstractItemModel::rowsInserted, this,
            &TreeController::updateSelectionState);
    connect(&model_, &QAbstractItemModel::rowsRemoved, this, &TreeController::updateSelectionState);
    connect(&model_, &QAbstractItemModel::modelReset, this, &TreeController::updateSelectionState);

    menu_ = actions_.buildTreeContextMenu(view_);
    // The toolbar's Delete Topic also deletes folders: give it back its state.
    connect(menu_, &QMenu::aboutToHide, this, &TreeController::updateSelectionState);
    updateSelectionState();
}

// The view drops the model by itself when the model goes.
TreeController::~TreeController() = default;

bool TreeController::renameItem(ItemHandle item, const QString& text) {
    // An edit committed unchanged is a rename too: "readme" becomes "readme.txt".
    const bool renamed =
        operations_->rename(item, text) == tree::TreeOperations::RenameResult::Renamed;
    // A topic just made is opened once it is named: the user made it to write in it.
    if (renamed && item == justCreated_)
        QMetaObject::invokeMethod(
            this, [this, item] { openIfEditable(item); }, Qt::QueuedConnection);
    justCreated_ = kNoItem;
    return renamed;
}

ItemHandle TreeController::selection() const {
    return model_.handle(view_->currentIndex());
}

void TreeController::select(ItemHandle item) {
    const QModelIndex index = model_.indexOf(item);
    if (!index.isValid()) {
        view_->selectionModel()->clear();
        return;
    }
    view_->setCurrentIndex(index);
    view_->scrollTo(index);
}

void TreeController::selectAndEdit(ItemHandle item) {
    if (item == kNoItem)
        return;
    justCreated_ = item;
    select(item);
    view_->edit(model_.indexOf(item));
}

void TreeController::openIfEditable(ItemHandle item) {
    const tree::TreeItem* found = tree_.find(item);
    if (!found || !found->isTopic())
        return;
    const tree::TopicKind kind = tree::topicKind(found->label);
    if (kind == tree::TopicKind::Text || kind == tree::TopicKind::RichText)
        selectAndOpen(item);
}

void TreeController::openSelection() {
    if (operations_->openTopic(selection()) == tree::OpenAction::Editor)
        postFocusSwitch();
}

void TreeController::selectAndOpen(ItemHandle item) {
    if (!tree_.contains(item))
        return;
    select(item);
    openSelection();
}

void TreeController::postFocusSwitch() {
    QMetaObject::invokeMethod(
        this, [this] { dispatch_(cmd::SwitchFocus); }, Qt::QueuedConnection);
}

void TreeController::deleteSelection() {
    const tree::TreeOperations::Deleted deleted = operations_->deleteItem(selection());
    if (deleted.deleted)
        select(deleted.select);
    view_->setFocus(Qt::OtherFocusReason);
}

void TreeController::command(int id) {
    const ItemHandle selected = selection();
    tree::TreeOperations& ops = *operations_;
    auto moveBy = [&](Move move) {
        if (const ItemHandle moved = ops.move(selected, move); moved != kNoItem)
            select(moved);
    };
    auto navigate = [&](ItemHandle opened) {
        if (opened == kNoItem)
            return;
        select(opened);
        if (opened == editor_.currentItem())
            postFocusSwitch();
    };
    switch (id) {
    case cmd::NewTopic:
        selectAndEdit(ops.newTopic(selected));
        break;
    case cmd::NewFolder:
        selectAndEdit(ops.newFolder(selected));
        break;
    case cmd::NewSubfolder:
        selectAndEdit(ops.newSubfolder(selected));
        break;
    case cmd::DeleteTopic:
    case cmd::DeleteFolder:
        deleteSelection();
        break;
    case cmd::LevelUp:
        moveBy(Move::LevelUp);
        break;
    case cmd::LevelDown:
        moveBy(Move::LevelDown);
        break;
    case cmd::MoveUp:
        moveBy(Move::Up);
        break;
    case cmd::MoveDown:
        moveBy(Move::Down);
        break;
    case cmd::Backward:
        navigate(ops.back());
        break;
    case cmd::Forward:
        navigate(ops.forward());
        break;
    case cmd::PasteFiles:
        if (importFiles_)
            importFiles_(localFilePaths(QGuiApplication::clipboard()->mimeData()));
        break;
    case cmd::ExportFolder:
        if (exportSelection_)
            exportSelection_();
        break;
    default:
        break;
    }
}

void TreeController::updateSelectionState() {
    const tree::SelectionState state = tree::selectionState(tree_, selection());
    actions_.setEnabled(cmd::LevelUp, state.levelUp);
    actions_.setEnabled(cmd::LevelDown, state.levelDown);
    actions_.setEnabled(cmd::MoveUp, state.up);
    actions_.setEnabled(cmd::MoveDown, state.down);
    // A new topic or folder can always be made (at the top level when nothing
    // is selected); a subfolder needs a folder, a deletion a selection.
    actions_.setEnabled(cmd::NewTopic, true);
    actions_.setEnabled(cmd::NewFolder, true);
    actions_.setEnabled(cmd::NewSubfolder, state.folder);
    actions_.setEnabled(cmd::DeleteFolder, state.folder);
    actions_.setEnabled(cmd::DeleteTopic, state.folder || state.topic);
}

void TreeController::updateContextMenu() {
    updateSelectionState();
    // The menu names the kind it deletes: Delete Topic is for topics only.
    const tree::SelectionState state = tree::selectionState(tree_, selection());
    actions_.setEnabled(cmd::DeleteTopic, state.topic);
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    actions_.setEnabled(cmd::PasteFiles, carriesLocalFiles(clipboard));
}

QRect TreeController::labelRect(const QModelIndex& index) const {
    // The row runs the width of the view; the label is the text after the icon.
    const QRect row = view_->visualRect(index);
    const int margin =
        view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view_) + 1;
    const int left = row.left() + view_->iconSize().width() + 2 * margin;
    const int width = view_->fontMetrics().horizontalAdvance(index.data().toString()) + 2 * margin;
    return QRect(left, row.top(), std::min(width, std::max(1, row.right() - left)), row.height());
}

void TreeController::showContextMenu(QContextMenuEvent* event) {
    if (!menu_)
        return;
    updateContextMenu();
    QPoint at;
    if (event->reason() == QContextMenuEvent::Mouse) {
        at = event->globalPos();
    } else if (const QModelIndex current = view_->currentIndex(); current.isValid()) {
        // A keyboard request: just below the selection's label, at its middle.
        const QRect label = labelRect(current);
        at = view_->viewport()->mapToGlobal(QPoint(label.center().x(), label.bottom() + 1));
    } else {
        at = view_->mapToGlobal(QPoint(0, 0));
    }
    menu_->popup(at);
}

bool TreeController::keyPress(QKeyEvent* event) {
    // Keys a label editor passes on to the view are not the tree's.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus != view_ && view_->isAncestorOf(focus))
        return false;
    // Shift+F10 asks for the context menu from the keyboard, like the Menu key.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        showContextMenu(&request);
        return true;
    }
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const ItemHandle selected = selection();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        selectAndEdit(operations_->newItemAfter(selected));
        return true;
    case Qt::Key_Space:
        openSelection();
        return true;
    case Qt::Key_Insert: {
        const tree::TreeOperations::Created created = operations_->insertKey(selected);
        if (created.editLabel)
            selectAndEdit(created.item);
        else if (created.item != kNoItem)
            select(created.item);
        return true;
    }
    case Qt::Key_Delete:
        deleteSelection();
        return true;
    case Qt::Key_F2:
        if (const QModelIndex current = view_->currentIndex(); current.isValid())
            view_->edit(current);
        return true;
    default:
        return false;
    }
}

bool TreeController::dragOver(const QMimeData* data, const QPoint& position) {
    if (model_.draggedItems(data).isEmpty())
        return false;
    const QModelIndex under = view_->indexAt(position);
    if (under.isValid() && under != view_->currentIndex())
        view_->setCurrentIndex(under);
    return true;
}

bool TreeController::drop(const QMimeData* data) {
    const QList<ItemHandle> dragged = model_.draggedItems(data);
    if (dragged.isEmpty())
        return false;
    const ItemHandle item = dragged.first();
    const ItemHandle target = selection();
    // The question waits until the drag has ended and released the pointer.
    QMetaObject::invokeMethod(
        this,
        [this, item, target] {
            if (operations_->canDrop(item, target))
                if (const ItemHandle moved = operations_->drop(item, target); moved != kNoItem)
                    select(moved);
            view_->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
    return true;
}

bool TreeController::eventFilter(QObject* watched, QEvent* event) {
    const bool onView = watched == view_;
    const bool onViewport = watched == view_->viewport();
    if (!onView && !onViewport)
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress:
        return onView && keyPress(static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu:
        showContextMenu(static_cast<QContextMenuEvent*>(event));
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* move = static_cast<QDragMoveEvent*>(event);
        if (!onViewport || !dragOver(move->mimeData(), move->position().toPoint()))
            return false;
        move->setDropAction(Qt::MoveAction);
        move->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* dropped = static_cast<QDropEvent*>(event);
        if (!onViewport || !drop(dropped->mimeData()))
            return false;
        // The drag itself moved nothing: the view must not remove rows afterwards.
        dropped->setDropAction(Qt::IgnoreAction);
        dropped->accept();
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace oxlin::app
