#pragma once

#include "app/search/content_search_runner.h"
#include "app/search/other_notebooks.h"
#include "core/search/keyword_search.h"
#include "core/tree/tree_model.h"
#include "core/tree/tree_operations.h"

#include <QCoreApplication>
#include <QObject>

#include <functional>
#include <optional>

namespace oxlin::session {
class LoadedNotebook;
}

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::app {

class IndexKeeper;
class KeywordPanel;
class LocatePanel;
class Prompter;
class SidePane;

// Drives the two search panels: fills the Locate list from the index and
// keeps it in step with the tree, runs the keyword panel's searches (a
// content search on a ContentSearchRunner), over the open notebook or every
// notebook of the data folder, keeps the keyword history, and goes to the
// item a row names, opening its notebook first when it is another.
//
// All references are borrowed and must outlive the presenter.
class SearchPresenter final : public QObject, private tree::TreeObserver {
    Q_OBJECT
public:
    struct Parts {
        store::ProfileService& profiles;
        session::LoadedNotebook& session; // edited or only read
        IndexKeeper& index;
        Prompter& prompter;
        // The open topic's save before a search reads topic files.
        tree::TreeEditor& editor;
        std::function<void(tree::ItemHandle)> openTopic; // selects and opens
        SidePane& side;
        LocatePanel& locate;
        KeywordPanel& keyword;
        // The viewer saves nothing, and captions its messages with its own name.
        bool saveBeforeSearch = true;
        QString caption = QCoreApplication::translate("oxlin::app::SearchPresenter", "Oxlin");
        // Makes the notebook of that name the open one, as Open Notebook
        // does; true when it is then open. Without it, searches stay in the
        // open notebook and "All notebooks" is not offered.
        std::function<bool(const QString& notebook)> switchNotebook = {};
    };

    explicit SearchPresenter(Parts parts, QObject* parent = nullptr);
    ~SearchPresenter() override; // stops a running content search

    const search::KeywordHistory& history() const { return history_; }
    // Content searches read topics from `source` (borrowed; null for the
    // working folder's files). Set it while no search runs.
    void readTopicsFrom(const search::TopicSource* source) { search_.readTopicsFrom(source); }
    void saveHistory();
    // Loads the keyword history of the notebook now open, once per run: the
    // history then follows the user from notebook to notebook.
    void loadHistoryOnce();

    // Selects and opens the topic the index names for `itemPath` (links, the
    // drop window). Returns it, or kNoItem when the path names no live topic.
    tree::ItemHandle selectTopicByPath(const QString& itemPath);
    // Collapses the current selection and its ancestors, selects `item` and
    // opens it. A handle that names no item any more does nothing.
    void goTo(tree::ItemHandle item);

    // "&Refresh": the Locate list from TopicIndex.ini again.
    void refillLocate();
    // "&Locate" in the keyword panel. A tree-only search is done at once; a
    // content search (and a search in result) reads the topics on the
    // runner's thread while this thread goes on: rows appear as topics are
    // found, the panel shows the progress and a Cancel, and searchFinished()
    // says when it is over. Ignored while a content search runs.
    void runSearch();
    bool isSearching() const { return runner_.isRunning(); }
    // "Cancel": the topics not read yet are left; the rows found so far stay,
    // and no count is shown.
    void cancelSearch();
    // Ends a running content search and waits for it, without a word:
    // nothing may read the working folder once the notebook closes.
    void stopSearch();
    // Before the tree is emptied or loaded again: stopSearch(), and the rows
    // of a search over every notebook keep leading to their items by place,
    // as the handles they carry go with the tree.
    void treeClosing();

    // What a search says of the `count` topics it found.
    static QString resultMessage(int count);

Q_SIGNALS:
    // The end of the index's rebuild after a load has been handled (LastEdit
    // reopened, Locate list refilled).
    void rebuildFinished();
    // A search has ended (found, none found or cancelled), its rows shown.
    void searchFinished();
    // A found item is about to be opened: the tree shows it, expanding its
    // folders; with `collapseCurrent`, the folders above the current item
    // are closed first, so only the way down to `item` stays open.
    void revealRequested(tree::ItemHandle item, bool collapseCurrent);

private:
    void loadIndexed(tree::ItemHandle lastEdited);
    void startScan(std::vector<search::ContentTarget> targets, bool countUnlisted,
                   const QString& keyword, bool matchCase, std::vector<OtherNotebook> others);
    void showFound(tree::ItemHandle item);
    void showFoundElsewhere(const search::RowPlace& place);
    void scanFinished(const QList<tree::ItemHandle>& items, bool cancelled);
    void finishSearch(const QString& keyword, std::optional<int> count);
    // Takes the rows of `item` and what is below it out of a running search's results.
    void dropScanRows(tree::ItemHandle item);
    void selectAndOpen(tree::ItemHandle item, bool collapseCurrent = false);
    // "&Display" or a double click on result row `row`.
    void goToRow(int row, bool doubleClicked);
    // Opens the notebook `place` names when it is another, then goes to the
    // item there. Returns it, or kNoItem.
    tree::ItemHandle goToPlace(const search::RowPlace& place);

    // Where a content search reads the open notebook's topic files.
    std::unique_ptr<search::TopicSource> openNotebookTopics() const;
    QString openNotebookName() const;
    // A result row's text for an item of the open notebook.
    QString rowText(tree::ItemHandle item) const;
    // The notebooks a search reads besides the open one: none unless
    // "All notebooks" is on.
    std::vector<OtherNotebook> othersToSearch(const search::SearchOptions& options) const;
    // The tree-only search, over the other notebooks too when `others` has any.
    std::optional<int> searchTree(const QString& keyword, bool matchCase,
                                  const std::vector<OtherNotebook>& others);
    void searchInResult(const QString& keyword, bool matchCase, std::vector<OtherNotebook> others);

    // The tree's changes, for the Locate list and a running search's rows.
    void inserted(tree::ItemHandle parent, int row, tree::ItemHandle item) override;
    void aboutToRemove(tree::ItemHandle parent, int row, tree::ItemHandle item) override;
    void changed(tree::ItemHandle item) override;

    Parts parts_;
    search::KeywordSearch search_;
    search::KeywordHistory history_;
    bool historyLoaded_ = false;
    ContentSearchRunner runner_;
    // The content search running: its keyword, and whether a match without a
    // live item still counts (a search in result).
    QString scanKeyword_;
    bool scanCountsUnlisted_ = false;
    // The rows shown name their notebooks: they come of a search over every notebook.
    bool rowsNameNotebooks_ = false;
    // A row of another notebook was opened: the rebuild after its load does
    // not reopen the notebook's last topic over it.
    bool keepTopicAfterLoad_ = false;
};

} // namespace oxlin::app
