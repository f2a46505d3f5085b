#pragma once

#include "core/search/keyword_search.h"
#include "core/search/topic_index.h"
#include "core/tree/tree_model.h"
#include "core/tree/tree_operations.h"

#include <QCoreApplication>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <vector>


namespace oxlin::session {
class LoadedNotebook;
}

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::app {

class KeywordPanel;
class LocatePanel;
class Prompter;
class SidePane;

// The notebook's indexes and the two search panels put together: owns the
// TopicIndex (rebuilt off the user-interface thread after every load), the
// keyword search and the keyword history, fills the Locate and result lists,
// and goes to the item a row names.
//
// The rebuild's worker never reaches the tree or a widget; its end is posted
// to this object, which then reopens LastEdit and refills the Locate list on
// the user-interface thread. Everything else runs on that thread too.
//
// All references are borrowed and must outlive the controller. The notebook
// controller creates it in attach() and plugs it into the session's hooks.
class SearchController final : public QObject, private tree::TreeObserver {
    Q_OBJECT
public:
    struct Parts {
        store::ProfileService& profiles;
        session::LoadedNotebook& session; // edited or only read
        Prompter& prompter;
        // The open topic, and its save before a search reads topic files.
        tree::TreeEditor& editor;
        std::function<void(tree::ItemHandle)> openTopic; // selects and opens
        SidePane& side;
        LocatePanel& locate;
        KeywordPanel& keyword;
        // The viewer saves nothing, and captions its messages with its own name.
        bool saveBeforeSearch = true;
        QString caption = QCoreApplication::translate("oxlin::app::SearchController", "Oxlin");
    };

    explicit SearchController(Parts parts, QObject* parent = nullptr);
    ~SearchController() override; // stops a running rebuild

    search::TopicIndex& index() { return index_; }
    const search::KeywordHistory& history() const { return history_; }

    // Session hooks. A rebuild after a load reopens LastEdit and refills the
    // Locate list when it ends.
    void startRebuild();
    void waitForRebuild() { index_.waitForRebuild(); }
    // Ends a running rebuild early and cancels a running content search,
    // waiting for both: the index is not needed once the notebook closes (the
    // next load writes it anew), and nothing may read the working folder then.
    void stopBackgroundWork();
    // Content searches read topics from `source` (borrowed; null for the
    // working folder's files). Set it while no search runs.
    void readTopicsFrom(const search::TopicSource* source) { search_.readTopicsFrom(source); }
    void writeLastEdit();
    void saveHistory();
    // Loads the keyword history of the notebook now open, once per run: the
    // history then follows the user from notebook to notebook.
    void loadHistoryOnce();

    // A rename or relabel: drop with the old label still set, then add. The
    // Locate list follows every change of the tree by itself.
    void dropItem(tree::ItemHandle item);
    void addItem(tree::ItemHandle item);
    // The index files are brought up to date with the tree soon after it
    // changes; this does it now (before a search reads them).
    void refreshIndexNow();

    // Selects and opens the topic TopicIndex names for `itemPath` (links, the
    // drop window). Returns it, or kNoItem when the path names no live topic.
    tree::ItemHandle selectTopicByPath(const QString& itemPath);

    // Collapses the current selection and its ancestors, selects `item` and
    // opens it. A handle that names no item any more does nothing.
    void goTo(tree::ItemHandle item);

    // "&Refresh": the Locate list from TopicIndex.ini again.
    void refillLocate();
    // "&Locate" in the keyword panel. A tree-only search is done at once; a
    // content search (and a search in result) reads the topics on worker
    // threads while this thread goes on: rows appear as topics are found,
    // the panel shows the progress and a Cancel, and searchFinished() says
    // when it is over. Ignored while a content search runs.
    void runSearch();
    bool isSearching() const { return scan_ != nullptr; }
    // "Cancel": the topics not read yet are left; the rows found so far stay,
    // and no count is shown.
    void cancelSearch();

    // What a search says of the `count` topics it found.
    static QString resultMessage(int count);

Q_SIGNALS:
    // The posted end of a rebuild has been handled (LastEdit reopened, Locate
    // list refilled).
    void rebuildFinished();
    // A search has ended (found, none found or cancelled), its rows shown.
    void searchFinished();
    // A found item is about to be opened: the tree shows it, expanding its
    // folders; with `collapseCurrent`, the folders above the current item
    // are closed first, so only the way down to `item` stays open.
    void revealRequested(tree::ItemHandle item, bool collapseCurrent);

private:
    struct Scan;
    void startScan(std::vector<search::ContentTarget> targets, bool countUnlisted,
                   const QString& keyword, bool matchCase);
    void scanFound(quint64 id, int index);
    void scanDone(quint64 id);
    void finishSearch(const QString& keyword, std::optional<int> count);
    // Takes the rows of `item` and what is below it out of a running search's results.
    void dropScanRows(tree::ItemHandle item);

    void rebuildDone(quint64 generation, bool afterLoad);
    void startIndexWorker(bool afterLoad);
    void selectAndOpen(tree::ItemHandle item, bool collapseCurrent = false);
    void scheduleIndexRefresh();

    // The tree's changes, for the Locate list and the index files.
    void inserted(tree::ItemHandle parent, int row, tree::ItemHandle item) override;
    void aboutToRemove(tree::ItemHandle parent, int row, tree::ItemHandle item) override;
    void changed(tree::ItemHandle item) override;

    Parts parts_;
    search::TopicIndex index_;
    search::KeywordSearch search_;
    search::KeywordHistory history_;
    quint64 generation_ = 0;
    bool historyLoaded_ = false;
    bool indexStale_ = false; // the tree changed since the index files were written
    std::unique_ptr<Scan> scan_; // the content search running, if any
    quint64 scanId_ = 0;         // tells a late report of an ended search from the current one
};

} // namespace oxlin::app
