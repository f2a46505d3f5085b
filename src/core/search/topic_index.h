#pragma once

#include "core/paths/notebook_paths.h"
#include "core/tree/tree_model.h"

#include <QMutex>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::search {

// The two index files of an open notebook's working folder. Both are
// temporary: deleted and rebuilt from the tree after every load, never packed.
//
//   TopicIndex.ini   [TopicIndex]   item path = item handle, for every topic
//   SearchIndex.ini  [SearchIndex]  "%08X.XTZ" = item handle, for every topic
//                                    whose label holds ".txt" or ".rtf"
//
// Handles are written as signed 32-bit decimal text. The value 0 marks a dead
// entry (a renamed item's old path). Keys keep the order they were first
// written in: the rebuild writes in tree pre-order, later adds are appended.
inline constexpr char kTopicIndexSection[] = "TopicIndex";
inline constexpr char kSearchIndexSection[] = "SearchIndex";
inline constexpr char kRuntimeSection[] = "RunTimeData";
inline constexpr char kLastEditKey[] = "LastEdit";

// True when `key` survives a round trip through a profile file as a key: not
// empty, no "=", no line break, no blanks at either end, and not starting with
// "[" (which would read back as a section header and hide every later entry).
bool isStorableKey(const QString& key);

// The handle as index files write it, and back. Values that name no item
// (0, -1, text that is not a number) read as kNoItem.
QString handleText(tree::ItemHandle handle);
tree::ItemHandle handleFromValue(int value);

// Calls `visit(key, handle)` for each entry of an index file's section, in
// file order, whose handle is still an item of `tree`: a dead entry (its
// item deleted or moved since the last rebuild) is passed over.
void forEachLiveEntry(const store::ProfileService& profiles, const QString& file,
                      const QString& section, const tree::TopicTree& tree,
                      const std::function<void(const QString& key, tree::ItemHandle)>& visit);

// What the rebuild needs to know about one topic, taken from the tree on the
// user-interface thread so the worker never touches the tree.
struct IndexedTopic {
    QString itemPath;
    tree::ItemHandle handle = tree::kNoItem;
    QString topicFile; // "%08X.XTZ"; empty when the topic is not searchable
};
using IndexSnapshot = std::vector<IndexedTopic>;

// Every topic of the tree in pre-order. Linear in the size of the tree.
IndexSnapshot takeIndexSnapshot(const tree::TopicTree& tree);

// A row of the Locate list: the topic's label and its handle.
struct LocateRow {
    QString text;
    tree::ItemHandle handle = tree::kNoItem;
};

// Reads and writes the index files of one working folder and runs their
// rebuild on a worker thread.
//
// Every method except the worker's own work belongs to the user-interface
// thread, which also owns the tree passed in. The worker reaches neither the
// tree nor any panel: it writes the two files and then calls the `done`
// callback on its own thread; the application marshals that onto the
// user-interface thread (a queued call) and there reopens LastEdit and refills
// the Locate list.
//
// All file access goes through the borrowed ProfileService, which must be the
// one every other user of these files shares and must outlive this object.
class TopicIndex {
public:
    TopicIndex(store::ProfileService& profiles, paths::NotebookPaths paths);
    ~TopicIndex(); // waits for a running rebuild
    TopicIndex(const TopicIndex&) = delete;
    TopicIndex& operator=(const TopicIndex&) = delete;

    // Switches to another notebook's files; waits for a running rebuild first.
    void setPaths(paths::NotebookPaths paths);
    const paths::NotebookPaths& paths() const { return paths_; }

    // Rebuild: takes the snapshot now and hands the writing to a new worker
    // thread (after waiting for a previous one). `done` may be empty; it runs
    // on the worker thread once both files are complete, and must not wait
    // for the user-interface thread (that thread may be in waitForRebuild()).
    void startRebuild(const tree::TopicTree& tree, std::function<void()> done = {});
    // The same work on the calling thread (the command-line tool, tests).
    void rebuildNow(const tree::TopicTree& tree);
    // Blocks until the running rebuild (if any) has finished. For the
    // session's waitForIndexWorker hook.
    void waitForRebuild();
    // Asks a running rebuild to skip the writes it has not started, then
    // waits for it; its `done` is not called. For closing a notebook whose
    // index no longer matters.
    void stopRebuild();
    bool isRebuilding() const;
    // Called by the rebuild (on its thread) just before it replaces each
    // index file, with that file's path: where a test looks up what a reader
    // would see at that moment.
    void setBeforeReplacing(std::function<void(const QString& file)> hook) {
        beforeReplacing_ = std::move(hook);
    }

    // TopicIndex: item path = handle; also for folders (a label edit indexes
    // whatever item it is given). Returns the Locate row to add, or a row with
    // kNoItem when the item is dead. Safe during a rebuild: a write made while
    // the worker runs is applied after the worker's own writes.
    LocateRow addItem(const tree::TopicTree& tree, tree::ItemHandle item);
    // TopicIndex: item path = 0 (creating the key when missing). The caller
    // then removes the first Locate row that carries the handle.
    void dropItem(const tree::TopicTree& tree, tree::ItemHandle item);

    // The live item that TopicIndex names for `itemPath`, or kNoItem when the
    // key is missing, its value is 0 or -1, or the item no longer exists.
    tree::ItemHandle findTopic(const tree::TopicTree& tree, const QString& itemPath) const;

    // LastEdit of Z.ini, looked up like findTopic: the topic to select and
    // open after a load, or kNoItem.
    tree::ItemHandle lastEditedTopic(const tree::TopicTree& tree) const;
    // Writes LastEdit = the open topic's item path; does nothing when no
    // topic is open (kNoItem) or the item is gone.
    void writeLastEdited(const tree::TopicTree& tree, tree::ItemHandle openTopic);

    // The Locate list's rows from TopicIndex.ini, in file order: the text
    // after the key's last "\", entries with value 0 and dead handles left out.
    std::vector<LocateRow> locateRows(const tree::TopicTree& tree) const;

private:
    struct Pending {
        QString key;
        QString value;
    };
    void writeTopicKey(const QString& key, const QString& value);
    void writeFiles(const IndexSnapshot& snapshot);
    void finishRebuild(); // applies what add/drop queued meanwhile

    store::ProfileService& profiles_;
    paths::NotebookPaths paths_;
    std::thread worker_;
    std::atomic<bool> stop_{false};
    std::function<void(const QString& file)> beforeReplacing_;
    mutable QMutex pendingMutex_;
    bool rebuilding_ = false;      // guarded by pendingMutex_
    std::vector<Pending> pending_; // guarded by pendingMutex_
};

} // namespace oxlin::search
