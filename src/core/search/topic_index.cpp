#include "core/search/topic_index.h"

#include "core/store/file_names.h"
#include "core/store/ini_text.h"
#include "core/store/profile.h"
#include "core/tree/topic_kind.h"

#include <QMutexLocker>

namespace oxlin::search {

using store::ProfileService;
using tree::ItemHandle;
using tree::kNoItem;
using tree::TopicTree;

bool isStorableKey(const QString& key) {
    if (key.isEmpty() || key.startsWith(QLatin1Char('[')))
        return false;
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    if (blank(key.front()) || blank(key.back()))
        return false;
    for (QChar c : key)
        if (c == QLatin1Char('=') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return false;
    return true;
}

QString handleText(ItemHandle handle) {
    return QString::number(qint32(handle));
}

ItemHandle handleFromValue(int value) {
    return value == 0 || value == -1 ? kNoItem : ItemHandle(quint32(value));
}

void forEachLiveEntry(const ProfileService& profiles, const QString& file, const QString& section,
                      const TopicTree& tree,
                      const std::function<void(const QString& key, ItemHandle)>& visit) {
    store::IniSectionReader reader = store::IniSectionReader::open(profiles, file, section);
    store::IniEntry entry;
    while (reader.next(entry)) {
        const ItemHandle handle = handleFromValue(entry.value);
        if (handle != kNoItem && tree.contains(handle))
            visit(entry.key, handle);
    }
}

IndexSnapshot takeIndexSnapshot(const TopicTree& tree) {
    IndexSnapshot snapshot;
    snapshot.reserve(std::size_t(tree.itemCount()));
    // Item paths are built from the parent's path as the walk goes down, so
    // the snapshot stays linear however deep the tree is.
    std::vector<QString> pathAt;
    tree.walk([&](const tree::TreeItem& item, int depth) {
        pathAt.resize(std::size_t(depth) + 1);
        pathAt[std::size_t(depth)] =
            depth == 0 ? item.label
                       : pathAt[std::size_t(depth) - 1] + QLatin1Char('\\') + item.label;
        if (!item.isTopic())
            return;
        IndexedTopic topic{pathAt[std::size_t(depth)], item.handle, {}};
        if (tree::isSearchableLabel(item.label))
            topic.topicFile = store::topicFileName(quint32(item.record->fileId));
        snapshot.push_back(std::move(topic));
    });
    return snapshot;
}

TopicIndex::TopicIndex(ProfileService& profiles, paths::NotebookPaths paths)
    : profiles_(profiles), paths_(std::move(paths)) {}

TopicIndex::~TopicIndex() {
    waitForRebuild();
}

void TopicIndex::setPaths(paths::NotebookPaths paths) {
    waitForRebuild();
    paths_ = std::move(paths);
}

bool TopicIndex::isRebuilding() const {
    QMutexLocker lock(&pendingMutex_);
    return rebuilding_;
}

void TopicIndex::startRebuild(const TopicTree& tree, std::function<void()> done) {
    waitForRebuild();
    IndexSnapshot snapshot = takeIndexSnapshot(tree);
    {
        QMutexLocker lock(&pendingMutex_);
        rebuilding_ = true;
        pending_.clear();
    }
    stop_ = false;
    worker_ = std::thread([this, snapshot = std::move(snapshot), done = std::move(done)] {
        writeFiles(snapshot);
        finishRebuild();
        if (done && !stop_)
            done();
    });
}

void TopicIndex::rebuildNow(const TopicTree& tree) {
    waitForRebuild();
    {
        QMutexLocker lock(&pendingMutex_);
        rebuilding_ = true;
        pending_.clear();
    }
    stop_ = false;
    writeFiles(takeIndexSnapshot(tree));
    finishRebuild();
}

void TopicIndex::waitForRebuild() {
    if (worker_.joinable())
        worker_.join();
}

void TopicIndex::stopRebuild() {
    stop_ = true;
    waitForRebuild();
}

void TopicIndex::writeFiles(const IndexSnapshot& snapshot) {
    if (stop_)
        return;
    // Failures are not reported: the index is rebuilt at the next load.
    // Each file is replaced whole, never deleted first: a lookup made
    // meanwhile (a link clicked, a drop) reads the old file or the new one.
    QList<std::pair<QString, QString>> topics, searchable;
    topics.reserve(qsizetype(snapshot.size()));
    for (const IndexedTopic& topic : snapshot) {
        const QString value = handleText(topic.handle);
        if (isStorableKey(topic.itemPath))
            topics.append({topic.itemPath, value});
        if (!topic.topicFile.isEmpty())
            searchable.append({topic.topicFile, value});
    }
    // An empty notebook leaves both files absent.
    const auto replace = [this](const QString& file, const char* section,
                                const QList<std::pair<QString, QString>>& entries) {
        if (stop_)
            return;
        if (beforeReplacing_)
            beforeReplacing_(file);
        profiles_.replaceFile(file, QLatin1String(section), entries);
    };
    replace(paths_.topicIndexFile, kTopicIndexSection, topics);
    replace(paths_.searchIndexFile, kSearchIndexSection, searchable);
}

void TopicIndex::finishRebuild() {
    // Adds and drops made while the files were being replaced were queued;
    // write them now, in the order they were made, on top of the new files.
    // Loop because the user-interface thread may queue more meanwhile; the
    // flag drops only once nothing is left, so no write overtakes another.
    for (;;) {
        std::vector<Pending> batch;
        {
            QMutexLocker lock(&pendingMutex_);
            if (pending_.empty()) {
                rebuilding_ = false;
                return;
            }
            batch.swap(pending_);
        }
        QList<std::pair<QString, QString>> entries;
        for (Pending& write : batch)
            entries.append({std::move(write.key), std::move(write.value)});
        profiles_.writeStrings(paths_.topicIndexFile, QLatin1String(kTopicIndexSection), entries);
    }
}

void TopicIndex::writeTopicKey(const QString& key, const QString& value) {
    if (!isStorableKey(key))
        return;
    {
        QMutexLocker lock(&pendingMutex_);
        if (rebuilding_) {
            pending_.push_back({key, value});
            return;
        }
    }
    profiles_.writeString(paths_.topicIndexFile, QLatin1String(kTopicIndexSection), key, value);
}

LocateRow TopicIndex::addItem(const TopicTree& tree, ItemHandle item) {
    const tree::TreeItem* found = tree.find(item);
    if (!found)
        return {};
    writeTopicKey(tree.itemPath(item), handleText(item));
    return {found->label, item};
}

void TopicIndex::dropItem(const TopicTree& tree, ItemHandle item) {
    if (tree.contains(item))
        writeTopicKey(tree.itemPath(item), QStringLiteral("0"));
}

ItemHandle TopicIndex::findTopic(const TopicTree& tree, const QString& itemPath) const {
    if (itemPath.isEmpty())
        return kNoItem;
    const auto value =
        profiles_.find(paths_.topicIndexFile, QLatin1String(kTopicIndexSection), itemPath);
    if (!value)
        return kNoItem;
    const ItemHandle handle = handleFromValue(store::leadingInteger(*value));
    return tree.contains(handle) ? handle : kNoItem;
}

ItemHandle TopicIndex::lastEditedTopic(const TopicTree& tree) const {
    const QString path = profiles_.readString(paths_.runtimeFile, QLatin1String(kRuntimeSection),
                                              QLatin1String(kLastEditKey));
    return findTopic(tree, path);
}

void TopicIndex::writeLastEdited(const TopicTree& tree, ItemHandle openTopic) {
    if (!tree.contains(openTopic))
        return;
    profiles_.writeString(paths_.runtimeFile, QLatin1String(kRuntimeSection),
                          QLatin1String(kLastEditKey), tree.itemPath(openTopic));
}

std::vector<LocateRow> TopicIndex::locateRows(const TopicTree& tree) const {
    std::vector<LocateRow> rows;
    forEachLiveEntry(profiles_, paths_.topicIndexFile, QLatin1String(kTopicIndexSection), tree,
                     [&rows](const QString& itemPath, ItemHandle handle) {
                         const qsizetype slash = itemPath.lastIndexOf(QLatin1Char('\\'));
                         rows.push_back({itemPath.mid(slash + 1), handle});
                     });
    return rows;
}

} // namespace oxlin::search
