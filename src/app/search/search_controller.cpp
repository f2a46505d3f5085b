#include "app/search/search_controller.h"

#include "app/base/prompter.h"
#include "app/base/side_tabs.h"
#include "app/base/wait_cursor.h"
#include "app/search/keyword_panel.h"
#include "app/search/locate_panel.h"
#include "core/session/notebook_session.h"
#include "richtext/visible_text.h"

#include <QListWidget>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <thread>

namespace oxlin::app {

// A content search on its way: the topics it reads, what has been found, and
// the thread that drives the scan (which spreads the topics over the global
// pool). The thread only posts to the controller; it never waits for the
// user-interface thread, which may be joining it.
struct SearchController::Scan {
    quint64 id = 0;
    std::vector<search::ContentTarget> targets;
    std::vector<char> found; // filled on this thread as reports arrive
    bool countUnlisted = false; // search in result: a match without a live item still counts
    QString keyword;
    std::unique_ptr<search::TopicSource> source;
    std::atomic<bool> cancel{false};
    std::thread worker;
};

SearchController::SearchController(Parts parts, QObject* parent)
    : QObject(parent), parts_(parts), index_(parts.profiles, parts.session.paths()),
      search_(parts.profiles, parts.session.tree(), richtext::streamVisibleText) {
    parts_.session.tree().addObserver(this);
    connect(&parts_.locate, &LocatePanel::refreshRequested, this, &SearchController::refillLocate);
    connect(&parts_.locate, &LocatePanel::goToRequested, this, &SearchController::goTo);
    connect(&parts_.keyword, &KeywordPanel::searchRequested, this, &SearchController::runSearch);
    connect(&parts_.keyword, &KeywordPanel::cancelRequested, this, &SearchController::cancelSearch);
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
    stopBackgroundWork();
}

void SearchController::stopBackgroundWork() {
    index_.stopRebuild();
    if (!scan_)
        return;
    scan_->cancel = true;
    scan_->worker.join();
    // Its posted reports are stale from here on and are dropped.
    ++scanId_;
    scan_.reset();
    parts_.keyword.setSearching(false);
}

void SearchController::startRebuild() { startIndexWorker(true); }

void SearchController::startIndexWorker(bool afterLoad) {
    const paths::NotebookPaths& paths = parts_.session.paths();
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
    if (scan_)
        dropScanRows(item);
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
    if (scan_) {
        // A row found before the relabel shows the new path.
        search::SortedRows& rows = parts_.keyword.results();
        const int at = rows.removeFirst(item);
        if (at >= 0) {
            parts_.keyword.showRemovedRow(at);
            parts_.keyword.showAddedRow(rows.add(parts_.session.tree().itemPath(item), item));
        }
    }
    scheduleIndexRefresh();
}

void SearchController::writeLastEdit() {
    index_.writeLastEdited(parts_.session.tree(), parts_.editor.currentItem());
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

void SearchController::selectAndOpen(tree::ItemHandle item, bool collapseCurrent) {
    if (!parts_.session.tree().contains(item))
        return;
    Q_EMIT revealRequested(item, collapseCurrent);
    parts_.openTopic(item);
}

void SearchController::goTo(tree::ItemHandle item) {
    selectAndOpen(item, true);
}

void SearchController::refillLocate() {
    // The file must hold every live topic first, or a refresh would drop
    // the ones made since it was written.
    refreshIndexNow();
    parts_.locate.refill(index_.locateRows(parts_.session.tree()));
}

void SearchController::runSearch() {
    const QString keyword = parts_.keyword.keyword();
    if (keyword.isEmpty() || scan_)
        return;
    // The open topic's latest text is what its topic file must show, and
    // SearchIndex.ini must name the topics made since the last load.
    if (parts_.saveBeforeSearch)
        parts_.editor.saveTopic();
    refreshIndexNow();
    const search::SearchOptions options = parts_.keyword.options();
    const QString word = keyword.left(search::kMaxKeywordLength);
    switch (search::chooseMode(options)) {
    case search::SearchMode::TreeOnly: {
        std::optional<int> count;
        {
            const WaitCursor wait;
            count = search_.run(word, options, parts_.keyword.results());
            parts_.keyword.showResults();
        }
        finishSearch(keyword, count);
        return;
    }
    case search::SearchMode::InResult:
        startScan(search_.inResultTargets(parts_.keyword.results()), true, word,
                  options.matchCase);
        return;
    case search::SearchMode::Content:
        startScan(search_.indexedTargets(), false, word, options.matchCase);
        return;
    }
}

void SearchController::startScan(std::vector<search::ContentTarget> targets, bool countUnlisted,
                                 const QString& keyword, bool matchCase) {
    auto scan = std::make_unique<Scan>();
    scan->id = ++scanId_;
    scan->targets = std::move(targets);
    scan->found.assign(scan->targets.size(), 0);
    scan->countUnlisted = countUnlisted;
    scan->keyword = keyword;
    scan->source = search_.makeSource();
    parts_.keyword.results().clear();
    parts_.keyword.showResults();
    parts_.keyword.setSearching(true);

    QStringList names;
    for (const search::ContentTarget& target : scan->targets)
        names.append(target.fileName);
    const int total = int(names.size());
    parts_.keyword.setProgress(0, total);
    Scan& running = *scan;
    scan_ = std::move(scan);
    const quint64 id = running.id;
    running.worker = std::thread([this, &running, id, names, keyword, matchCase, total,
                                  text = search_.streamer()] {
        std::atomic<int> shown{0};
        search::ScanControl control;
        control.cancel = &running.cancel;
        control.found = [this, id](int index) {
            QMetaObject::invokeMethod(
                this, [this, id, index] { scanFound(id, index); }, Qt::QueuedConnection);
        };
        control.progress = [this, id, total, &shown](int done) {
            // About a hundred updates a search, not one per topic.
            const int step = std::max(1, total / 100);
            int last = shown.load();
            if (done < last + step && done != total)
                return;
            if (!shown.compare_exchange_strong(last, done))
                return;
            QMetaObject::invokeMethod(
                this,
                [this, id, done, total] {
                    if (scan_ && scan_->id == id)
                        parts_.keyword.setProgress(done, total);
                },
                Qt::QueuedConnection);
        };
        search::matchTopics(*running.source, names, keyword, matchCase, text, control);
        QMetaObject::invokeMethod(this, [this, id] { scanDone(id); }, Qt::QueuedConnection);
    });
}

void SearchController::scanFound(quint64 id, int index) {
    if (!scan_ || scan_->id != id)
        return;
    scan_->found[std::size_t(index)] = 1;
    const tree::ItemHandle item = scan_->targets[std::size_t(index)].handle;
    // An item removed since the search began is not shown.
    if (!parts_.session.tree().contains(item))
        return;
    search::SortedRows& rows = parts_.keyword.results();
    parts_.keyword.showAddedRow(rows.add(parts_.session.tree().itemPath(item), item));
}

void SearchController::dropScanRows(tree::ItemHandle item) {
    search::SortedRows& rows = parts_.keyword.results();
    const auto drop = [&](tree::ItemHandle handle) {
        const int at = rows.removeFirst(handle);
        if (at >= 0)
            parts_.keyword.showRemovedRow(at);
    };
    drop(item);
    parts_.session.tree().walk([&](const tree::TreeItem& below, int) { drop(below.handle); },
                               item);
}

void SearchController::scanDone(quint64 id) {
    if (!scan_ || scan_->id != id)
        return;
    scan_->worker.join();
    const std::unique_ptr<Scan> scan = std::move(scan_);
    parts_.keyword.setSearching(false);
    // The rows again, in index order as the search met them, so that equal
    // paths come in the same order whichever thread found them first.
    const tree::TopicTree& tree = parts_.session.tree();
    std::vector<search::SortedRows::Row> rows;
    int count = 0;
    for (std::size_t i = 0; i < scan->targets.size(); ++i) {
        if (!scan->found[i])
            continue;
        const tree::ItemHandle item = scan->targets[i].handle;
        const bool live = tree.contains(item);
        if (live)
            rows.push_back({tree.itemPath(item), item});
        if (live || scan->countUnlisted)
            ++count;
    }
    parts_.keyword.results().assign(std::move(rows));
    parts_.keyword.showResults();
    finishSearch(scan->keyword, scan->cancel ? std::nullopt : std::optional<int>(count));
}

void SearchController::cancelSearch() {
    if (scan_)
        scan_->cancel = true;
}

void SearchController::finishSearch(const QString& keyword, std::optional<int> count) {
    if (count) {
        if (history_.noteFound(keyword, *count))
            parts_.keyword.setHistory(history_.entries());
        parts_.prompter.message(resultMessage(*count), parts_.caption, PromptIcon::Information);
    }
    Q_EMIT searchFinished();
}

QString SearchController::resultMessage(int count) {
    if (count <= 0)
        return tr("no topic includes the keyword.");
    if (count == 1)
        return tr("1 topic includes the keyword.");
    return tr("%1 topics include the keyword.").arg(count);
}

} // namespace oxlin::app
