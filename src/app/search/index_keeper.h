#pragma once

#include "core/search/topic_index.h"
#include "core/tree/tree_model.h"
#include "core/tree/tree_operations.h"

#include <QObject>

namespace oxlin::session {
class LoadedNotebook;
}

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::app {

// The open notebook's topic index, kept in step with its tree; no widget.
// Rebuilds the index files off the user-interface thread after every load,
// refreshes them soon after the tree changes, and reads and writes LastEdit.
//
// The rebuild's worker never reaches the tree; its end is posted to this
// object, which then says loadIndexed() on the user-interface thread.
// Everything else runs on that thread too. All references are borrowed and
// must outlive the keeper.
class IndexKeeper final : public QObject, private tree::TreeObserver {
    Q_OBJECT
public:
    struct Parts {
        store::ProfileService& profiles;
        session::LoadedNotebook& session; // edited or only read
        tree::TreeEditor& editor;         // the open topic, for LastEdit
    };

    explicit IndexKeeper(Parts parts, QObject* parent = nullptr);
    ~IndexKeeper() override; // stops a running rebuild

    search::TopicIndex& index() { return index_; }

    // After a load: rebuilds the index files; loadIndexed() follows.
    void startRebuild();
    // Ends a running rebuild early, waiting for it: the index is not needed
    // once the notebook closes (the next load writes it anew).
    void stopRebuild();
    // LastEdit, and beside the package the open topic's view.
    void writeLastEdit();
    // Before the editor empties on a close: writes the view it still shows,
    // which later writes of LastEdit leave alone until the next load.
    void keepViewBeforeShutDown();

    // A rename or relabel: drop with the old label still set, then add.
    void dropItem(tree::ItemHandle item);
    void addItem(tree::ItemHandle item);
    // The index files are brought up to date with the tree soon after it
    // changes; this does it now (before a search or the Locate list reads them).
    void refreshNow();

Q_SIGNALS:
    // The rebuild after a load has ended; `lastEdited` is the topic LastEdit
    // names (kNoItem for none).
    void loadIndexed(tree::ItemHandle lastEdited);

private:
    void startIndexWorker(bool afterLoad);
    void rebuildDone(quint64 generation, bool afterLoad);
    // Gives the topic LastEdit names the view kept for it when it was last
    // open, for the reopening to show it where the user left it.
    void restoreLastView(tree::ItemHandle lastEdited);
    void scheduleRefresh();

    void inserted(tree::ItemHandle parent, int row, tree::ItemHandle item) override;
    void aboutToRemove(tree::ItemHandle parent, int row, tree::ItemHandle item) override;
    void changed(tree::ItemHandle item) override;

    Parts parts_;
    search::TopicIndex index_;
    quint64 generation_ = 0;
    bool stale_ = false;    // the tree changed since the index files were written
    bool viewKept_ = false; // keepViewBeforeShutDown() ran since the last load
};

} // namespace oxlin::app
