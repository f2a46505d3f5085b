#include "app/search/search_presenter.h"

#include "app/base/prompter.h"
#include "app/base/side_tabs.h"
#include "app/base/wait_cursor.h"
#include "app/search/index_keeper.h"
#include "app/search/keyword_panel.h"
#include "app/search/locate_panel.h"
#include "core/session/loaded_notebook.h"
#include "richtext/visible_text.h"

namespace oxlin::app {

SearchPresenter::SearchPresenter(Parts parts, QObject* parent)
    : QObject(parent), parts_(parts),
      search_(parts.profiles, parts.session.tree(), richtext::streamVisibleText) {
    parts_.session.tree().addObserver(this);
    connect(&parts_.index, &IndexKeeper::loadIndexed, this, &SearchPresenter::loadIndexed);
    connect(&parts_.locate, &LocatePanel::refreshRequested, this, &SearchPresenter::refillLocate);
    connect(&parts_.locate, &LocatePanel::goToRequested, this, &SearchPresenter::goTo);
    connect(&parts_.keyword, &KeywordPanel::searchRequested, this, &SearchPresenter::runSearch);
    connect(&parts_.keyword, &KeywordPanel::cancelRequested, this, &SearchPresenter::cancelSearch);
    connect(&parts_.keyword, &KeywordPanel::goToRequested, this,
            [this](tree::ItemHandle item, bool doubleClicked) {
                goTo(item);
                const tree::TreeItem* found = parts_.session.tree().find(item);
                if (doubleClicked && found && !found->isTopic())
                    parts_.side.showTreeTab();
            });
    connect(&runner_, &ContentSearchRunner::found, this, &SearchPresenter::showFound);
    connect(&runner_, &ContentSearchRunner::progress, &parts_.keyword, &KeywordPanel::setProgress);
    connect(&runner_, &ContentSearchRunner::finished, this, &SearchPresenter::scanFinished);
}

SearchPresenter::~SearchPresenter() {
    parts_.session.tree().removeObserver(this);
    stopSearch();
}

void SearchPresenter::stopSearch() {
    if (!runner_.isRunning())
        return;
    runner_.stop();
    parts_.keyword.setSearching(false);
}

void SearchPresenter::loadIndexed(tree::ItemHandle lastEdited) {
    if (lastEdited != tree::kNoItem)
        selectAndOpen(lastEdited);
    refillLocate();
    Q_EMIT rebuildFinished();
}

void SearchPresenter::inserted(tree::ItemHandle /*parent*/, int /*row*/, tree::ItemHandle item) {
    const tree::TopicTree& tree = parts_.session.tree();
    const auto add = [this](const tree::TreeItem& found) {
        if (found.isTopic())
            parts_.locate.addRow(found.label, found.handle);
    };
    if (const tree::TreeItem* found = tree.find(item))
        add(*found);
    tree.walk([&](const tree::TreeItem& below, int) { add(below); }, item);
}

void SearchPresenter::aboutToRemove(tree::ItemHandle, int, tree::ItemHandle item) {
    if (runner_.isRunning())
        dropScanRows(item);
    parts_.locate.removeRow(item);
    parts_.session.tree().walk(
        [this](const tree::TreeItem& below, int) { parts_.locate.removeRow(below.handle); }, item);
}

void SearchPresenter::changed(tree::ItemHandle item) {
    const tree::TreeItem* found = parts_.session.tree().find(item);
    if (!found || !found->isTopic())
        return;
    parts_.locate.removeRow(item);
    parts_.locate.addRow(found->label, item);
    if (runner_.isRunning()) {
        // A row found before the relabel shows the new path.
        search::SortedRows& rows = parts_.keyword.results();
        const int at = rows.removeFirst(item);
        if (at >= 0) {
            parts_.keyword.showRemovedRow(at);
            parts_.keyword.showAddedRow(rows.add(parts_.session.tree().itemPath(item), item));
        }
    }
}

void SearchPresenter::saveHistory() {
    history_.save(parts_.profiles, parts_.session.paths().runtimeFile);
}

void SearchPresenter::loadHistoryOnce() {
    if (historyLoaded_)
        return;
    historyLoaded_ = true;
    history_.load(parts_.profiles, parts_.session.paths().runtimeFile);
    parts_.keyword.setHistory(history_.entries());
}

tree::ItemHandle SearchPresenter::selectTopicByPath(const QString& itemPath) {
    const tree::ItemHandle item = parts_.index.index().findTopic(parts_.session.tree(), itemPath);
    if (item != tree::kNoItem)
        selectAndOpen(item);
    return item;
}

void SearchPresenter::selectAndOpen(tree::ItemHandle item, bool collapseCurrent) {
    if (!parts_.session.tree().contains(item))
        return;
    Q_EMIT revealRequested(item, collapseCurrent);
    parts_.openTopic(item);
}

void SearchPresenter::goTo(tree::ItemHandle item) {
    selectAndOpen(item, true);
}

void SearchPresenter::refillLocate() {
    // The file must hold every live topic first, or a refresh would drop
    // the ones made since it was written.
    parts_.index.refreshNow();
    parts_.locate.refill(parts_.index.index().locateRows(parts_.session.tree()));
}

void SearchPresenter::runSearch() {
    const QString keyword = parts_.keyword.keyword();
    if (keyword.isEmpty() || runner_.isRunning())
        return;
    // The open topic's latest text is what its topic file must show, and
    // SearchIndex.ini must name the topics made since the last load.
    if (parts_.saveBeforeSearch)
        parts_.editor.saveTopic();
    parts_.index.refreshNow();
    search_.setPaths(parts_.session.paths());
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
        startScan(search_.inResultTargets(parts_.keyword.results()), true, word, options.matchCase);
        return;
    case search::SearchMode::Content:
        startScan(search_.indexedTargets(), false, word, options.matchCase);
        return;
    }
}

void SearchPresenter::startScan(std::vector<search::ContentTarget> targets, bool countUnlisted,
                                const QString& keyword, bool matchCase) {
    scanKeyword_ = keyword;
    scanCountsUnlisted_ = countUnlisted;
    parts_.keyword.results().clear();
    parts_.keyword.showResults();
    parts_.keyword.setSearching(true);
    runner_.start(std::move(targets), search_.makeSource(), search_.streamer(), keyword, matchCase);
}

void SearchPresenter::showFound(tree::ItemHandle item) {
    // An item removed since the search began is not shown.
    if (!parts_.session.tree().contains(item))
        return;
    search::SortedRows& rows = parts_.keyword.results();
    parts_.keyword.showAddedRow(rows.add(parts_.session.tree().itemPath(item), item));
}

void SearchPresenter::dropScanRows(tree::ItemHandle item) {
    search::SortedRows& rows = parts_.keyword.results();
    const auto drop = [&](tree::ItemHandle handle) {
        const int at = rows.removeFirst(handle);
        if (at >= 0)
            parts_.keyword.showRemovedRow(at);
    };
    drop(item);
    parts_.session.tree().walk([&](const tree::TreeItem& below, int) { drop(below.handle); }, item);
}

void SearchPresenter::scanFinished(const QList<tree::ItemHandle>& items, bool cancelled) {
    parts_.keyword.setSearching(false);
    // The rows again, in index order as the search met them, so that equal
    // paths come in the same order whichever thread found them first.
    const tree::TopicTree& tree = parts_.session.tree();
    std::vector<search::SortedRows::Row> rows;
    int count = 0;
    for (const tree::ItemHandle item : items) {
        const bool live = tree.contains(item);
        if (live)
            rows.push_back({tree.itemPath(item), item});
        if (live || scanCountsUnlisted_)
            ++count;
    }
    parts_.keyword.results().assign(std::move(rows));
    parts_.keyword.showResults();
    finishSearch(scanKeyword_, cancelled ? std::nullopt : std::optional<int>(count));
}

void SearchPresenter::cancelSearch() {
    runner_.cancel();
}

void SearchPresenter::finishSearch(const QString& keyword, std::optional<int> count) {
    if (count) {
        if (history_.noteFound(keyword, *count))
            parts_.keyword.setHistory(history_.entries());
        parts_.prompter.message(resultMessage(*count), parts_.caption, PromptIcon::Information);
    }
    Q_EMIT searchFinished();
}

QString SearchPresenter::resultMessage(int count) {
    if (count <= 0)
        return tr("no topic includes the keyword.");
    if (count == 1)
        return tr("1 topic includes the keyword.");
    return tr("%1 topics include the keyword.").arg(count);
}

} // namespace oxlin::app
