#include "app/search/search_controller.h"

#include "app/editor/editor_host.h"
#include "richtext/visible_text.h"
#include "app/search/keyword_panel.h"
#include "app/search/locate_panel.h"
#include "app/shell/prompter.h"
#include "app/shell/side_tabs.h"
#include "app/shell/wait_cursor.h"
#include "core/session/notebook_session.h"
#include "app/tree/tree_item_model.h"

#include <QListWidget>
#include <QTreeView>

namespace oxlin::app {

namespace {


} // namespace

SearchController::SearchController(Parts parts, QObject* parent)
    : QObject(parent), parts_(parts), index_(parts.profiles, parts.session.paths()),
      search_(parts.profiles, parts.session.tree(), richtext::streamVisibleText) {
    parts_.session.tree().addObserver(this);
    connect(&parts_.locate, &LocatePanel::refreshRequested, this, &SearchController::refillLocate);
    connect(&parts_.locate, &LocatePanel::goToRequested, this, &SearchController::goTo);
    connect(&parts_.keyword, &KeywordPanel::searchRequested, this, &SearchController::runSearch);
    connect(&parts_.keyword, &KeywordPanel::goToRequested, this,
            [this](tree::ItemHandle item, bool doubleClicked) {
                goTo(item);
                const tree::TreeItem* found = parts_.session.tree().find(item);
                if (doubleClicked && found && !found->isTopic())
                    parts_.side.showTreeTab();
            });
}

SearchController::~SearchController() {
    parts_.session.tree().removeObserver(this);
    index_.stopRebuild();
}

void SearchController::startRebuild() { startIndexWorker(true); }

void SearchController::startIndexWorker(bool afterLoad) {
    const store::NotebookPaths& paths = parts_.session.paths();
    index_.setPaths(paths);
    search_.setPaths(paths);
    indexStale_ = false;
    // Only a load starts a new generation: a refresh must not make the
    // load's end look stale, or LastEdit would never reopen.
    const quint64 generation = afterLoad ? ++generation_ : generation_;
    index_.startRebuild(parts_.session.tree(), [this, generation, afterLoad] {
        // On the worker thread: only post. The user-interface thread may be
        // waiting for this worker, so nothing here may wait for it.
        QMetaObject::invokeMethod(
            this, [this, generation, afterLoad] { rebuildDone(generation, afterLoad); },
            Qt::QueuedConnection);
    });
}

void SearchController::rebuildDone(quint64 generation, bool afterLoad) {
    // The end of a refresh, or of an older load's rebuild posted before
    // another load started one.
    if (!afterLoad || generation != generation_)
        return;
    const tree::ItemHandle last = index_.lastEditedTopic(parts_.session.tree());
    if (last != tree::kNoItem)
        selectAndOpen(last);
    refillLocate();
    Q_EMIT rebuildFinished();
}

void SearchController::scheduleIndexRefresh() {
    if (indexStale_)
        return;
    indexStale_ = true;
    // After the change has settled: a move removes and inserts, a relabel
    // drops and adds, and one rewrite covers them all.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (indexStale_ && !parts_.session.tree().isEmpty())
                startIndexWorker(false);
        },
        Qt::QueuedConnection);
}

void SearchController::refreshIndexNow() {
    if (indexStale_) {
        indexStale_ = false;
        index_.rebuildNow(parts_.session.tree());
    } else {
        index_.waitForRebuild();
    }
}

void SearchController::inserted(tree::ItemHandle /*parent*/, int /*row*/, tree::ItemHandle item) {
    const tree::TopicTree& tree = parts_.session.tree();
    const auto add = [this](const tree::TreeItem& found) {
        if (found.isTopic())
            parts_.locate.addRow(found.label, found.handle);
    };
    if (const tree::TreeItem* found = tree.find(item))
        add(*found);
    tree.walk([&](const tree::TreeItem& below, int) { add(below); }, item);
    scheduleIndexRefresh();
}

void SearchController::aboutToRemove(tree::ItemHandle, int, tree::ItemHandle item) {
    const tree::TopicTree& tree = parts_.session.tree();
    parts_.locate.removeRow(item);
    tree.walk([this](const tree::TreeItem& below, int) { parts_.locate.removeRow(below.handle); },
              item);
    scheduleIndexRefresh();
}

void SearchController::changed(tree::ItemHandle item) {
    const tree::TreeItem* found = parts_.session.tree().find(item);
    if (!found || !found->isTopic())
        return;
    parts_.locate.removeRow(item);
    parts_.locate.addRow(found->label, item);
    scheduleIndexRefresh();
}

void SearchController::writeLastEdit() {
    index_.writeLastEdited(parts_.session.tree(), parts_.editor.currentTopic());
}

void SearchController::saveHistory() {
    history_.save(parts_.profiles, parts_.session.paths().runtimeFile);
}

void SearchController::loadHistoryOnce() {
    if (historyLoaded_)
        return;
    historyLoaded_ = true;
    history_.load(parts_.profiles, parts_.session.paths().runtimeFile);
    parts_.keyword.setHistory(history_.entries());
}

void SearchController::dropItem(tree::ItemHandle item) {
    index_.dropItem(parts_.session.tree(), item);
}

void SearchController::addItem(tree::ItemHandle item) {
    index_.addItem(parts_.session.tree(), item);
}

tree::ItemHandle SearchController::selectTopicByPath(const QString& itemPath) {
    const tree::ItemHandle item = index_.findTopic(parts_.session.tree(), itemPath);
    if (item != tree::kNoItem)
        selectAndOpen(item);
    return item;
}

void SearchController::selectAndOpen(tree::ItemHandle item) {
    const QModelIndex target = parts_.model.indexOf(item);
    if (!target.isValid())
        return;
    for (QModelIndex up = target.parent(); up.isValid(); up = up.parent())
        parts_.treeView.expand(up);
    parts_.treeView.scrollTo(target);
    parts_.openTopic(item);
}

void SearchController::goTo(tree::ItemHandle item) {
    if (!parts_.session.tree().contains(item))
        return;
    // Only the way down to the new item stays open.
    for (QModelIndex up = parts_.treeView.currentIndex(); up.isValid(); up = up.parent())
        parts_.treeView.collapse(up);
    selectAndOpen(item);
}

void SearchController::refillLocate() {
    // The file must hold every live topic first, or a refresh would drop
    // the ones made since it was written.
    refreshIndexNow();
    parts_.locate.refill(index_.locateRows(parts_.session.tree()));
}

void SearchController::runSearch() {
    const QString keyword = parts_.keyword.keyword();
    if (keyword.isEmpty())
        return;
    // The open topic's latest text is what its topic file must show, and
    // SearchIndex.ini must name the topics made since the last load.
    if (parts_.saveBeforeSearch)
        parts_.editor.saveTopic();
    refreshIndexNow();
    std::optional<int> count;
    {
        const WaitCursor wait;
        count = search_.run(keyword, parts_.keyword.options(), parts_.keyword.results());
        parts_.keyword.showResults();
    }
    if (!count)
        return;
    if (history_.noteFound(keyword, *count))
        parts_.keyword.setHistory(history_.entries());
    parts_.prompter.message(resultMessage(*count), parts_.caption, PromptIcon::Information);
}

QString SearchController::resultMessage(int count) {
    if (count <= 0)
        return tr("no topic includes the keyword.");
    if (count == 1)
        return tr("1 topic includes the keyword.");
    return tr("%1 topics include the keyword.").arg(count);
}

} // namespace oxlin::app
