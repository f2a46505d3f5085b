#include "core/search/keyword_search.h"
#include "core/search/working_folder_topics.h"

#include "core/store/file_names.h"
#include "core/store/ini_text.h"
#include "core/store/profile.h"

#include <QHash>

#include <algorithm>

namespace oxlin::search {

using tree::ItemHandle;
using tree::kNoItem;

namespace {

bool sortsBefore(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace

int SortedRows::add(const QString& text, ItemHandle handle) {
    return add(Row{text, handle, nullptr});
}

int SortedRows::add(Row row) {
    // After every row that does not sort after the new one: equal texts keep
    // the order they came in.
    const auto at =
        std::upper_bound(rows_.begin(), rows_.end(), row.text,
                         [](const QString& t, const Row& r) { return sortsBefore(t, r.text); });
    const auto placed = rows_.insert(at, std::move(row));
    return int(placed - rows_.begin());
}

void SortedRows::assign(std::vector<Row> rows) {
    rows_ = std::move(rows);
    std::stable_sort(rows_.begin(), rows_.end(),
                     [](const Row& a, const Row& b) { return sortsBefore(a.text, b.text); });
}

int SortedRows::removeFirst(ItemHandle handle) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].handle == handle) {
            rows_.erase(rows_.begin() + std::ptrdiff_t(i));
            return int(i);
        }
    }
    return -1;
}

int SortedRows::findPrefix(const QString& text) const {
    if (text.isEmpty())
        return -1;
    const QStringView prefix = QStringView(text).left(kMaxKeywordLength);
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (QStringView(rows_[i].text).startsWith(prefix, Qt::CaseInsensitive))
            return int(i);
    return -1;
}

void refillLocate(SortedRows& list, const std::vector<LocateRow>& rows) {
    // Collected, then sorted once: adding row by row is quadratic, and a
    // large notebook refills this list at every load.
    std::vector<SortedRows::Row> collected;
    collected.reserve(rows.size());
    for (const LocateRow& row : rows)
        collected.push_back({row.text, row.handle, nullptr});
    list.assign(std::move(collected));
}

bool textMatches(QStringView text, QStringView keyword, bool matchCase) {
    if (keyword.isEmpty())
        return false;
    return text.indexOf(keyword, 0, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) >= 0;
}

SearchMode chooseMode(const SearchOptions& options) {
    if (options.searchInResult)
        return SearchMode::InResult;
    if (options.treeOnly)
        return SearchMode::TreeOnly;
    return SearchMode::Content;
}

KeywordSearch::KeywordSearch(const store::ProfileService& profiles, const tree::TopicTree& tree,
                             TextStreamer text)
    : profiles_(profiles), tree_(tree), text_(std::move(text)) {}

KeywordSearch::KeywordSearch(const store::ProfileService& profiles, const tree::TopicTree& tree,
                             TextExtractor extractor)
    : KeywordSearch(profiles, tree, streamWholeText(std::move(extractor))) {}

std::optional<int> KeywordSearch::run(const QString& keyword, const SearchOptions& options,
                                      SortedRows& results) const {
    const QString word = keyword.left(kMaxKeywordLength);
    if (word.isEmpty())
        return std::nullopt;
    switch (chooseMode(options)) {
    case SearchMode::InResult:
        return searchInResult(word, options.matchCase, results);
    case SearchMode::TreeOnly:
        return treeOnlySearch(word, options.matchCase, results);
    case SearchMode::Content:
        break;
    }
    return contentSearch(word, options.matchCase, results);
}

std::vector<bool> KeywordSearch::matchFiles(const QStringList& fileNames, const QString& keyword,
                                            bool matchCase, std::vector<char>* tooLarge) const {
    // The folder is listed once per search, not once per topic.
    const std::unique_ptr<TopicSource> source = makeSource();
    ScanControl control;
    if (tooLarge) {
        tooLarge->assign(std::size_t(fileNames.size()), 0);
        // Each worker writes its own topic's slot.
        control.tooLarge = [tooLarge](int index) { (*tooLarge)[std::size_t(index)] = 1; };
    }
    return matchTopics(*source, fileNames, keyword, matchCase, text_, control);
}

std::vector<ContentTarget> contentTargets(const IndexSnapshot& snapshot) {
    std::vector<ContentTarget> targets;
    QHash<QString, std::size_t> placed;
    for (const IndexedTopic& topic : snapshot) {
        if (topic.topicFile.isEmpty())
            continue;
        const auto at = placed.constFind(topic.topicFile);
        if (at != placed.constEnd()) {
            targets[*at].handle = topic.handle;
            continue;
        }
        placed.insert(topic.topicFile, targets.size());
        targets.push_back({topic.topicFile, topic.handle});
    }
    return targets;
}

std::vector<ContentTarget> KeywordSearch::indexedTargets() const {
    std::vector<ContentTarget> targets;
    // Dead entries are passed over before their files are read.
    forEachLiveEntry(profiles_, paths_.searchIndexFile, QLatin1String(kSearchIndexSection), tree_,
                     [&targets](const QString& topicFile, ItemHandle handle) {
                         targets.push_back({topicFile, handle});
                     });
    return targets;
}

std::unique_ptr<TopicSource> KeywordSearch::makeSource() const {
    if (source_) {
        // Borrowed: a view that forwards to the caller's source.
        struct Borrowed final : TopicSource {
            const TopicSource& to;
            explicit Borrowed(const TopicSource& s) : to(s) {}
            bool read(const QString& name, QByteArray& stored) const override {
                return to.read(name, stored);
            }
        };
        return std::make_unique<Borrowed>(*source_);
    }
    return std::make_unique<WorkingFolderTopics>(paths_.workingFolder, paths_.keptPackageFile());
}

int KeywordSearch::contentSearch(const QString& keyword, bool matchCase,
                                 SortedRows& results) const {
    return contentSearchIn(indexedTargets(), keyword, matchCase, results);
}

int KeywordSearch::contentSearchIn(const std::vector<ContentTarget>& targets,
                                   const QString& keyword, bool matchCase,
                                   SortedRows& results) const {
    results.clear();
    QStringList names;
    names.reserve(qsizetype(targets.size()));
    for (const ContentTarget& target : targets)
        names.append(target.fileName);
    std::vector<char> tooLarge;
    const std::vector<bool> found =
        matchFiles(names, keyword, matchCase, tooLarge_ ? &tooLarge : nullptr);
    for (std::size_t i = 0; i < tooLarge.size(); ++i)
        if (tooLarge[i] && tree_.contains(targets[i].handle))
            tooLarge_(tree_.itemPath(targets[i].handle));
    std::vector<SortedRows::Row> rows;
    for (std::size_t i = 0; i < found.size(); ++i)
        if (found[i] && tree_.contains(targets[i].handle))
            rows.push_back({tree_.itemPath(targets[i].handle), targets[i].handle, nullptr});
    const int count = int(rows.size());
    // In index order, so rows with equal paths keep it, as adding one by one would.
    results.assign(std::move(rows));
    return count;
}

std::vector<ContentTarget> KeywordSearch::inResultTargets(const SortedRows& results) const {
    // SearchIndex read once; the first entry of a key wins, as a key lookup would.
    QHash<QString, int> index;
    for (const QString& line :
         profiles_.readSection(paths_.searchIndexFile, QLatin1String(kSearchIndexSection))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).toCaseFolded();
        if (!index.contains(key))
            index.insert(key, store::leadingInteger(line.mid(equals + 1)));
    }
    std::vector<ContentTarget> targets;
    for (const SortedRows::Row& row : results.rows()) {
        const tree::TreeItem* item = tree_.find(row.handle);
        if (!item || !item->record) {
            targets.push_back({});
            continue;
        }
        const QString name = store::topicFileName(quint32(item->record->fileId));
        targets.push_back({name, handleFromValue(index.value(name.toCaseFolded(), 0))});
    }
    return targets;
}

int KeywordSearch::searchInResult(const QString& keyword, bool matchCase,
                                  SortedRows& results) const {
    const std::vector<ContentTarget> targets = inResultTargets(results);
    results.clear();
    QStringList names;
    for (const ContentTarget& target : targets)
        names.append(target.fileName);
    const std::vector<bool> found = matchFiles(names, keyword, matchCase);
    int count = 0;
    std::vector<SortedRows::Row> rows;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (!found[i])
            continue;
        ++count;
        if (tree_.contains(targets[i].handle))
            rows.push_back({tree_.itemPath(targets[i].handle), targets[i].handle, nullptr});
    }
    results.assign(std::move(rows));
    return count;
}

int searchLabels(const std::function<void(const LabelVisit&)>& walk, const QString& keyword,
                 bool matchCase, SortedRows& results) {
    // Topics have no children in the tree, so a full walk searches exactly
    // the folders' contents. Rows are sorted once at the end: a keyword that
    // every label holds would make adding them one by one quadratic. A path
    // is made only for a match, from the labels above it in the walk.
    const StreamMatcher matcher(keyword, matchCase);
    std::vector<SortedRows::Row> rows;
    QStringList labels;
    walk([&](const QString& label, bool folder, tree::ItemHandle handle, int depth) {
        labels.resize(depth + 1);
        labels[depth] = label;
        if (matcher.find(label) < 0)
            return;
        const QString path = labels.join(QLatin1Char('\\'));
        rows.push_back(
            {folder ? QLatin1Char('[') + path + QLatin1Char(']') : path, handle, nullptr});
    });
    results.assign(std::move(rows));
    return results.size();
}

int KeywordSearch::treeOnlySearch(const QString& keyword, bool matchCase,
                                  SortedRows& results) const {
    const auto walk = [this](const LabelVisit& visit) {
        tree_.walk([&](const tree::TreeItem& item, int depth) {
            visit(item.label, item.isFolder(), item.handle, depth);
        });
    };
    return searchLabels(walk, keyword, matchCase, results);
}

bool KeywordHistory::noteFound(const QString& keyword, int count) {
    const QString word = keyword.left(kMaxKeywordLength);
    if (count <= 0 || word.isEmpty())
        return false;
    for (const QString& entry : entries_)
        if (entry.compare(word, Qt::CaseInsensitive) == 0)
            return false;
    entries_.append(word);
    while (entries_.size() > kCapacity)
        entries_.removeFirst();
    return true;
}

void KeywordHistory::load(const store::ProfileService& profiles, const QString& runtimeFile) {
    entries_.clear();
    for (int i = 0; i < kCapacity; ++i) {
        const QString value =
            profiles.readString(runtimeFile, QLatin1String(kSection), QString::number(i));
        if (value.isEmpty())
            break;
        entries_.append(value.left(kMaxKeywordLength));
    }
}

bool KeywordHistory::save(store::ProfileService& profiles, const QString& runtimeFile) const {
    if (entries_.isEmpty())
        return true;
    QList<std::pair<QString, QString>> keys;
    for (qsizetype i = 0; i < entries_.size(); ++i)
        keys.append({QString::number(i), entries_[i]});
    // A longer history saved here before would otherwise come back behind
    // this one on the next load; an empty key ends the list.
    const QString next = QString::number(entries_.size());
    if (profiles.find(runtimeFile, QLatin1String(kSection), next))
        keys.append({next, QString()});
    return profiles.writeStrings(runtimeFile, QLatin1String(kSection), keys);
}

} // namespace oxlin::search
