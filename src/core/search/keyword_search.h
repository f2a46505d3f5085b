#pragma once

#include "core/search/content_scan.h"
#include "core/search/topic_index.h"
#include "core/tree/tree_model.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::search {

// The keyword field, the Locate field and history entries hold at most this
// many characters.
inline constexpr int kMaxKeywordLength = 259;

// Where a row of a search over several notebooks leads once its notebook is
// open: a topic by its topic file ("%08X.XTZ"), which stays its own however
// it is renamed or moved, a folder (which has none) by its item path.
struct RowPlace {
    QString notebook;
    QString topicFile;
    QString itemPath;
};

// A list whose rows stay sorted alphabetically without regard to case, as the
// Locate and result lists show them. Each row carries an item handle. Rows
// with equal text keep the order they were added in.
class SortedRows {
public:
    struct Row {
        QString text;
        tree::ItemHandle handle = tree::kNoItem;
        // A row that names its item by place rather than by handle: an item
        // of another notebook, or of a tree since closed or reloaded.
        std::shared_ptr<const RowPlace> place;
    };

    // Returns the row index the new row got. Linear in the row count: for
    // many rows at once, use assign.
    int add(const QString& text, tree::ItemHandle handle);
    int add(Row row);
    // Replaces the rows with `rows`, sorted once (n log n); rows with equal
    // text keep their order in `rows`, as if each had been added in turn.
    void assign(std::vector<Row> rows);
    // Removes the first row, from the top, that carries `handle`. Returns its
    // index, or -1 when no row does.
    int removeFirst(tree::ItemHandle handle);
    void clear() { rows_.clear(); }

    const std::vector<Row>& rows() const { return rows_; }
    int size() const { return int(rows_.size()); }
    const Row& at(int index) const { return rows_[std::size_t(index)]; }

    // The first row, from the top, whose text begins with `text` without
    // regard to case, or -1. Empty text finds nothing; text longer than
    // kMaxKeywordLength is cut to it first.
    int findPrefix(const QString& text) const;

private:
    std::vector<Row> rows_;
};

// Fills the Locate list from locate rows (TopicIndex::locateRows).
void refillLocate(SortedRows& list, const std::vector<LocateRow>& rows);

// The keyword in the text: with `matchCase` exactly as typed, otherwise
// without regard to case (Unicode-aware). An empty keyword is found nowhere.
bool textMatches(QStringView text, QStringView keyword, bool matchCase);

// Which of the three searches the check boxes choose: "Search in result"
// first, then "Topics-tree Only", else the content search.
struct SearchOptions {
    bool searchInResult = false;
    bool matchCase = false;
    bool treeOnly = true;
    // Every notebook of the data folder, not only the open one.
    bool allNotebooks = false;
};
enum class SearchMode { InResult, TreeOnly, Content };
SearchMode chooseMode(const SearchOptions& options);

// A topic file the content search reads, and the item it stands for.
struct ContentTarget {
    QString fileName; // "%08X.XTZ"
    tree::ItemHandle handle = tree::kNoItem;
};
// What SearchIndex.ini written from `snapshot` would list, in its order: the
// searchable topics, a file named twice keeping its first place and its last
// item. Lets a one-off search (the command-line tool) skip the file.
std::vector<ContentTarget> contentTargets(const IndexSnapshot& snapshot);

// One item of a walk in tree order: its label, whether it is a folder, its
// handle and its depth (0 at the top level).
using LabelVisit =
    std::function<void(const QString& label, bool folder, tree::ItemHandle handle, int depth)>;

// The labels search over any walk in tree order (the model's, or an outline
// read for listing): topics as their item path, folders as "[path]", sorted.
// The count is the row count.
int searchLabels(const std::function<void(const LabelVisit&)>& walk, const QString& keyword,
                 bool matchCase, SortedRows& results);

// The three keyword searches over one open notebook. Runs on the thread that
// owns the tree (the user-interface thread); the content searches spread the
// topics over the global thread pool and wait for them. Reads SearchIndex.ini
// through the shared profile service and each topic file straight into memory.
class KeywordSearch {
public:
    // Everything is borrowed and must outlive the search object. The text
    // functions must be safe to call from several threads at once.
    KeywordSearch(const store::ProfileService& profiles, const tree::TopicTree& tree,
                  TextStreamer text);
    KeywordSearch(const store::ProfileService& profiles, const tree::TopicTree& tree,
                  TextExtractor extractor);

    void setPaths(const paths::NotebookPaths& paths) { paths_ = paths; }
    // Where topic files are read from: null (the default) is the working
    // folder. A source set here is borrowed and must outlive its use.
    void readTopicsFrom(const TopicSource* source) { source_ = source; }

    // The whole search for the "Locate" button, after the caller has saved
    // the editor's topic: nothing (and no message) for an empty keyword,
    // otherwise the count of the chosen mode, with `results` refilled.
    std::optional<int> run(const QString& keyword, const SearchOptions& options,
                           SortedRows& results) const;

    // Each topic of SearchIndex (file order) whose visible text holds the
    // keyword gives a row with its item path. Dead entries give no row and
    // are not counted.
    int contentSearch(const QString& keyword, bool matchCase, SortedRows& results) const;
    // The live entries of SearchIndex.ini, in file order.
    std::vector<ContentTarget> indexedTargets() const;
    // The content search over the given topics (in their order); a dead
    // handle gives no row.
    int contentSearchIn(const std::vector<ContentTarget>& targets, const QString& keyword,
                        bool matchCase, SortedRows& results) const;
    // What searchInResult reads for the current rows, in their order: each
    // row's topic file, with the item SearchIndex names for it (which may be
    // dead: such a topic counts but gets no row). Folder and dead rows have
    // no file and never match.
    std::vector<ContentTarget> inResultTargets(const SortedRows& results) const;

    // The topic source and text streamer a search reads through, for a
    // caller that runs matchTopics itself (the application, off its
    // user-interface thread). The folder source is listed when called.
    std::unique_ptr<TopicSource> makeSource() const;
    const TextStreamer& streamer() const { return text_; }
    // Re-searches the contents of the current rows' topics. Every matching
    // topic counts; it gets a row only when SearchIndex names a live item for
    // its topic file. Folder rows and dead rows drop out.
    int searchInResult(const QString& keyword, bool matchCase, SortedRows& results) const;
    // Labels of the whole tree: topics as their item path, folders as
    // "[path]"; only folders are searched below. The count is the row count.
    int treeOnlySearch(const QString& keyword, bool matchCase, SortedRows& results) const;

    // Told (on the calling thread, after the search) the item path of each
    // live topic a content search left out because it decodes past the
    // in-memory limit.
    void reportTopicsTooLarge(std::function<void(const QString& itemPath)> report) {
        tooLarge_ = std::move(report);
    }

private:
    // One flag per name, in order: the topic file holds the keyword. Names
    // of topics too large to read are flagged in `tooLarge` when given.
    std::vector<bool> matchFiles(const QStringList& fileNames, const QString& keyword,
                                 bool matchCase, std::vector<char>* tooLarge = nullptr) const;

    const store::ProfileService& profiles_;
    const tree::TopicTree& tree_;
    TextStreamer text_;
    paths::NotebookPaths paths_;
    const TopicSource* source_ = nullptr;
    std::function<void(const QString& itemPath)> tooLarge_;
};

// The keyword combo box's list: oldest first, at most 20 entries, no two
// equal without regard to case. Stored in Z.ini, section SearchHistory, keys
// "0".."19".
class KeywordHistory {
public:
    static constexpr int kCapacity = 20;
    static constexpr char kSection[] = "SearchHistory";

    // After a search that found at least one topic: appends the keyword
    // unless it is already there (in any case), dropping the oldest entry
    // beyond 20. Returns whether the list changed.
    bool noteFound(const QString& keyword, int count);

    // Replaces the list with keys "0".."19" of the runtime file, stopping at
    // the first missing or empty key.
    void load(const store::ProfileService& profiles, const QString& runtimeFile);
    // Writes key i = entry i, in one rewrite of the file.
    bool save(store::ProfileService& profiles, const QString& runtimeFile) const;

    const QStringList& entries() const { return entries_; }
    void clear() { entries_.clear(); }

private:
    QStringList entries_;
};

} // namespace oxlin::search
