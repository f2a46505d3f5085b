#include "core/transfer/import.h"

#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/transfer/names.h"
#include "core/tree/file_ids.h"
#include "core/tree/topic_kind.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace oxlin::transfer {

using tree::InsertPosition;
using tree::ItemHandle;
using tree::kNoItem;

namespace {

// The stops after which no further path of a file list can be imported.
bool endsEverything(ImportStop stop) {
    return stop == ImportStop::NotebookFull || stop == ImportStop::NoFileId ||
           stop == ImportStop::WriteFailed || stop == ImportStop::Cancelled;
}

} // namespace

// Ids are stored a batch ahead while the importer lives (see FileIdCounter::setBatch).
constexpr int kIdBatch = 256;

Importer::Importer(ImportTarget target)
    : target_(std::move(target)), savedBatch_(target_.fileIds.batch()) {
    target_.fileIds.setBatch(kIdBatch);
    // Taken once: the per-file checks then cost nothing however large the tree.
    target_.tree.walk([&](const tree::TreeItem& item, int) {
        if (item.isTopic()) {
            carriedIds_.insert(item.record->fileId);
            ++topicCount_;
        }
    });
    for (const QString& name : QDir(target_.workingFolder).entryList(QDir::Files | QDir::Hidden))
        topicFiles_.insert(name.toUpper());
}

Importer::~Importer() {
    target_.fileIds.setBatch(savedBatch_);
}

void Importer::stop(ImportStop why, const QString& path) {
    if (report_.stop == ImportStop::None || endsEverything(why)) {
        report_.stop = why;
        report_.stoppedAt = path;
    }
    if (!endsEverything(why))
        folderStopped_ = true;
}

qint64 Importer::importFile(const QString& path, ItemHandle parent) {
    if (endsEverything(report_.stop) || folderStopped_)
        return -1;
    if (target_.keepGoing && !target_.keepGoing(handled_)) {
        stop(ImportStop::Cancelled, path);
        return -1;
    }
    ++handled_;
    // Looked at before an id is spent on it and before a topic exists: what
    // cannot be read gives no empty topic. Opening checks the type again.
    const SourceEntry entry = sourceEntry(path);
    switch (entry.type) {
    case SourceType::File:
        break;
    case SourceType::Special:
        report_.notRegular.append(readablePath(path));
        return -1;
    case SourceType::Missing:
    case SourceType::Unreadable:
    case SourceType::Folder:
        report_.unreadable.append(readablePath(path));
        return -1;
    }
    if (topicCount_ >= target_.maxTopics) {
        stop(ImportStop::NotebookFull, path);
        return -1;
    }
    const qint32 id = tree::allocateFreeFileId(target_.fileIds, QString(), [&](qint32 each) {
        return carriedIds_.contains(each) ||
               topicFiles_.contains(store::topicFileName(quint32(each)));
    });
    if (id == 0) {
        stop(ImportStop::NoFileId, path);
        return -1;
    }
    // The topic file first: the tree never holds a topic whose file was not
    // written. No file of the id exists in any case, so its name is the new one.
    const QString topicFile =
        QDir(target_.workingFolder).filePath(store::topicFileName(quint32(id)));
    qint64 size = 0;
    switch (compressRegularFile(path, topicFile, kMaxImportFileBytes, size)) {
    case CopyResult::Written:
        break;
    case CopyResult::TooLarge:
        report_.tooLarge.append(readablePath(path));
        return -1;
    case CopyResult::NotRegular:
        report_.notRegular.append(readablePath(path));
        return -1;
    case CopyResult::Unreadable:
        report_.unreadable.append(readablePath(path));
        return -1;
    case CopyResult::WriteFailed:
        stop(ImportStop::WriteFailed, path);
        return -1;
    }
    const QString label = labelForName(readableName(entry.name));
    const int image = target_.images ? target_.images->imageFor(label) : tree::kTextImage;
    const ItemHandle topic = target_.tree.insertItem(parent, InsertPosition::last(), label, image,
                                                     tree::TopicRecord{id, 0});
    if (topic == kNoItem) {
        QFile::remove(topicFile);
        return -1;
    }
    carriedIds_.insert(id);
    topicFiles_.insert(store::topicFileName(quint32(id)));
    ++topicCount_;
    ++report_.topics;
    if (target_.addToIndex)
        target_.addToIndex(topic);
    return size;
}

ItemHandle Importer::makeFolder(ItemHandle parent, InsertPosition position, const QString& name) {
    // Sibling folders of one label would be one section of Tree.ini to the
    // user's eye: the newcomer takes a free name.
    const QString label = freeName(labelForName(readableName(name)), false, [&](const QString& candidate) {
        return tree::checkLabel(target_.tree, parent, kNoItem, true, candidate) ==
               tree::LabelCheck::FolderExists;
    });
    const ItemHandle folder = target_.tree.insertFolder(parent, position, label);
    if (folder != kNoItem)
        ++report_.folders;
    return folder;
}

bool Importer::countFile(qint64 size, const QString& path) {
    units_ += size / 1000;
    if (units_ > kMaxFolderImportUnits) {
        stop(ImportStop::FolderTooBig, path);
        return false;
    }
    if (++files_ > kMaxFolderImportFiles) {
        stop(ImportStop::TooManyFiles, path);
        return false;
    }
    return true;
}

bool Importer::listOrReport(const QString& folder, std::vector<SourceEntry>& entries) {
    if (listFolder(folder, entries))
        return true;
    report_.unreadableFolders.append(readablePath(folder));
    return false;
}

void Importer::importEntries(const std::vector<SourceEntry>& entries, ItemHandle parent) {
    InsertPosition folderPosition = InsertPosition::first();
    std::vector<SourceEntry> inside;
    for (const SourceEntry& entry : entries) {
        if (endsEverything(report_.stop) || folderStopped_)
            return;
        if (entry.type == SourceType::Folder) {
            if (entry.isLink) {
                // A link may lead back up (a loop) or anywhere outside the folder.
                report_.linkedFolders.append(readablePath(entry.path));
                continue;
            }
            if (entry.name.startsWith(QLatin1Char('.')))
                continue;
            if (!listOrReport(entry.path, inside))
                continue;
            const ItemHandle sub = makeFolder(parent, folderPosition, entry.name);
            if (sub == kNoItem)
                continue;
            folderPosition = InsertPosition::after(sub);
            importEntries(std::vector<SourceEntry>(std::move(inside)), sub);
        } else {
            const qint64 size = importFile(entry.path, parent);
            if (size >= 0 && !countFile(size, entry.path))
                return;
        }
    }
}

ItemHandle Importer::importFolder(const QString& path, ItemHandle parent, Placement placement) {
    units_ = 0;
    files_ = 0;
    folderStopped_ = false;
    if (endsEverything(report_.stop))
        return kNoItem;
    std::vector<SourceEntry> entries;
    if (!listOrReport(path, entries))
        return kNoItem;
    ItemHandle into = parent;
    if (placement == Placement::NewFolderFirst) {
        QString name = QDir::cleanPath(path);
        name = name.sliced(name.lastIndexOf(QLatin1Char('/')) + 1);
        into = makeFolder(parent, InsertPosition::first(), name);
        if (into == kNoItem)
            return kNoItem;
    }
    importEntries(entries, into);
    return into;
}

void Importer::importPaths(const QStringList& paths, ItemHandle parent) {
    for (const QString& path : paths) {
        if (endsEverything(report_.stop))
            return;
        const SourceType type = sourceEntry(path).type;
        // A link the user chose is followed; links met inside it are not.
        if (type == SourceType::Folder) {
            importFolder(path, parent, Placement::NewFolderFirst);
        } else if (type != SourceType::Missing) {
            folderStopped_ = false;
            importFile(path, parent);
        }
    }
}

} // namespace oxlin::transfer
