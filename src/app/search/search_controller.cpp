#include "search/search_controller.h"

#include "editor/editor_host.h"
#include "richtext/visible_text.h"
#include "search/keyword_panel.h"
#include "search/locate_panel.h"
#include "shell/prompter.h"
#include "shell/side_tabs.h"
#include "store/notebook_session.h"
#include "tree/tree_item_model.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QTreeView>

namespace oxlin::app {

namespace {

QString visibleTopicText(const QByteArray& stored) { return richtext::visibleText(stored); }

// The wait cursor for as long as a search runs.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

SearchController::SearchController(Parts parts, QObject* parent)
    : QObject(parent), parts_(parts), index_(parts.profiles, parts.session.paths()),
      search_(parts.profiles, parts.session.tree(), visibleTopicText) {
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

SearchController::~SearchController() { index_.stopRebuild(); }

void SearchController::startRebuild() {
    const store::NotebookPaths& paths = parts_.session.paths();
    index_.setPaths(paths);
    search_.setPaths(paths);
    const quint64 generation = ++generation_;
    index_.startRebuild(parts_.session.tree(), [this, generation] {
        // On the worker thread: only post. The user-interface thread may be
        // waiting for this worker, so nothing here may wait for it.
        QMetaObject::invokeMethod(
            this, [this, generation] { rebuildDone(generation); }, Qt::QueuedConnection);
    });
}

void SearchController::rebuildDone(quint64 generation) {
    // The end of an older rebuild, posted before another load started one.
    if (generation != generation_)
        return;
    const tree::ItemHandle last = index_.lastEditedTopic(parts_.session.tree());
    if (last != tree::kNoItem)
        selectAndOpen(last);
    refillLocate();
    Q_EMIT rebuildFinished();
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
    parts_.locate.removeRow(item);
}

void SearchController::addItem(tree::ItemHandle item) {
    const search::LocateRow row = index_.addItem(parts_.session.tree(), item);
    if (row.handle != tree::kNoItem)
        parts_.locate.addRow(row.text, row.handle);
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
    parts_.locate.refill(index_.locateRows(parts_.session.tree()));
}

void SearchController::runSearch() {
    const QString keyword = parts_.keyword.keyword();
    if (keyword.isEmpty())
        return;
    // The open topic's latest text is what its topic file must show.
    parts_.editor.saveTopic();
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
    parts_.prompter.message(search::resultMessage(*count), QStringLiteral("Oxlin"),
                            PromptIcon::Information);
}

} // namespace oxlin::app
