#include "app/search/search_presenter.h"

#include "app/base/prompter.h"
#include "app/base/side_tabs.h"
#include "app/base/wait_cursor.h"
#include "app/search/index_keeper.h"
#include "app/search/keyword_panel.h"
#include "app/search/locate_panel.h"
#include "core/search/package_notebook.h"
#include "core/session/loaded_notebook.h"
#include "core/session/notebooks.h"
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
    connect(&parts_.keyword, &KeywordPanel::goToRequested, this, &SearchPresenter::goToRow);
    connect(&runner_, &ContentSearchRunner::found, this, &SearchPresenter::showFound);
    connect(&runner_, &ContentSearchRunner::foundElsewhere, this,
            &SearchPresenter::showFoundElsewhere);
    connect(&runner_, &ContentSearchRunner::progress, &parts_.keyword, &KeywordPanel::setProgress);
    connect(&runner_, &ContentSearchRunner::finished, this, &SearchPresenter::scanFinished);
    parts_.keyword.offerAllNotebooks(bool(parts_.switchNotebook));
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

void SearchPresenter::treeClosing() {
    stopSearch();
    if (!rowsNameNotebooks_)
        return;
    const tree::TopicTree& tree = parts_.session.tree();
    std::vector<search::SortedRows::Row> rows = parts_.keyword.results().rows();
    for (search::SortedRows::Row& row : rows) {
        if (row.place || !tree.contains(row.handle))
            continue;
        row.place = std::make_shared<const search::RowPlace>(
            search::placeOf(tree, row.handle, openNotebookName()));
        row.handle = tree::kNoItem;
    }
    // The texts stay, and so does their order: the list shows the same rows.
    parts_.keyword.results().assign(std::move(rows));
}

void SearchPresenter::loadIndexed(tree::ItemHandle lastEdited) {
    if (std::exchange(keepTopicAfterLoad_, false))
        lastEdited = tree::kNoItem;
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
            parts_.keyword.showAddedRow(rows.add(rowText(item), item));
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

void SearchPresenter::goToRow(int row, bool doubleClicked) {
    const search::SortedRows& rows = parts_.keyword.results();
    if (row < 0 || row >= rows.size())
        return;
    // A copy: opening another notebook gives the rows places.
    const search::SortedRows::Row chosen = rows.at(row);
    tree::ItemHandle item = chosen.handle;
    if (chosen.place)
        item = goToPlace(*chosen.place);
    else
        goTo(item);
    const tree::TreeItem* found = parts_.session.tree().find(item);
    if (doubleClicked && found && !found->isTopic())
        parts_.side.showTreeTab();
}

tree::ItemHandle SearchPresenter::goToPlace(const search::RowPlace& place) {
    const bool other = !session::sameNotebookName(place.notebook, openNotebookName());
    if (other && (!parts_.switchNotebook || !parts_.switchNotebook(place.notebook)))
        return tree::kNoItem;
    const tree::ItemHandle item = search::findPlace(parts_.session.tree(), place);
    if (item == tree::kNoItem)
        return item;
    // The load's rebuild would reopen the notebook's last topic over this one.
    keepTopicAfterLoad_ = other;
    goTo(item);
    return item;
}

std::unique_ptr<search::TopicSource> SearchPresenter::openNotebookTopics() const {
    return search_.makeSource();
}

QString SearchPresenter::openNotebookName() const {
    return parts_.session.currentBook().notebookName;
}

QString SearchPresenter::rowText(tree::ItemHandle item) const {
    const QString path = parts_.session.tree().itemPath(item);
    return rowsNameNotebooks_ ? search::rowInNotebook(openNotebookName(), path) : path;
}

std::vector<OtherNotebook>
SearchPresenter::othersToSearch(const search::SearchOptions& options) const {
    if (!options.allNotebooks || !parts_.switchNotebook)
        return {};
    return otherNotebooks(parts_.session.paths().dataFolder, openNotebookName());
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
    std::vector<OtherNotebook> others = othersToSearch(options);
    rowsNameNotebooks_ = options.allNotebooks && parts_.switchNotebook;
    switch (search::chooseMode(options)) {
    case search::SearchMode::TreeOnly:
        finishSearch(keyword, searchTree(word, options.matchCase, others));
        return;
    case search::SearchMode::InResult:
        searchInResult(word, options.matchCase, std::move(others));
        return;
    case search::SearchMode::Content:
        startScan(search_.indexedTargets(), false, word, options.matchCase, std::move(others));
        return;
    }
}

std::optional<int> SearchPresenter::searchTree(const QString& keyword, bool matchCase,
                                               const std::vector<OtherNotebook>& others) {
    const WaitCursor wait;
    search::SortedRows& results = parts_.keyword.results();
    int count = search_.treeOnlySearch(keyword, matchCase, results);
    if (rowsNameNotebooks_) {
        std::vector<search::SortedRows::Row> rows;
        for (const search::SortedRows::Row& row : results.rows())
            rows.push_back(
                {search::rowInNotebook(openNotebookName(), row.text), row.handle, nullptr});
        count += searchOtherLabels(others, keyword, matchCase, rows);
        results.assign(std::move(rows));
    }
    parts_.keyword.showResults();
    return count;
}

void SearchPresenter::searchInResult(const QString& keyword, bool matchCase,
                                     std::vector<OtherNotebook> others) {
    // Rows that lead here by place (this notebook was opened since they were
    // found) are read through its tree like the others.
    search::SortedRows& results = parts_.keyword.results();
    std::vector<search::SortedRows::Row> rows = results.rows();
    for (search::SortedRows::Row& row : rows) {
        if (row.place && session::sameNotebookName(row.place->notebook, openNotebookName())) {
            row.handle = search::findPlace(parts_.session.tree(), *row.place);
            row.place = nullptr;
        }
    }
    results.assign(std::move(rows));
    // Rows of other notebooks are read only when "All notebooks" is on.
    startScan(search_.inResultTargets(results), true, keyword, matchCase,
              otherNotebooksOfRows(results, std::move(others)));
}

void SearchPresenter::startScan(std::vector<search::ContentTarget> targets, bool countUnlisted,
                                const QString& keyword, bool matchCase,
                                std::vector<OtherNotebook> others) {
    scanKeyword_ = keyword;
    scanCountsUnlisted_ = countUnlisted;
    parts_.keyword.results().clear();
    parts_.keyword.showResults();
    parts_.keyword.setSearching(true);
    runner_.start(std::move(targets), openNotebookTopics(), search_.streamer(), keyword, matchCase,
                  std::move(others));
}

void SearchPresenter::showFound(tree::ItemHandle item) {
    // An item removed since the search began is not shown.
    if (!parts_.session.tree().contains(item))
        return;
    search::SortedRows& rows = parts_.keyword.results();
    parts_.keyword.showAddedRow(rows.add(rowText(item), item));
}

void SearchPresenter::showFoundElsewhere(const search::RowPlace& place) {
    search::SortedRows& rows = parts_.keyword.results();
    parts_.keyword.showAddedRow(
        rows.add({search::rowInNotebook(place.notebook, place.itemPath), tree::kNoItem,
                  std::make_shared<const search::RowPlace>(place)}));
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
            rows.push_back({rowText(item), item, nullptr});
        if (live || scanCountsUnlisted_)
            ++count;
    }
    // Then the other notebooks', in their order.
    for (const search::RowPlace& place : runner_.foundInOthers())
        rows.push_back({search::rowInNotebook(place.notebook, place.itemPath), tree::kNoItem,
                        std::make_shared<const search::RowPlace>(place)});
    count += int(runner_.foundInOthers().size());
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
