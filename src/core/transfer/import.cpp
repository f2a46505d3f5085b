#include "core/transfer/import.h"

#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/transfer/names.h"
#include "core/tree/file_ids.h"
#include "core/tree/topic_images.h"

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
    const QString label =
        freeName(labelForName(readableName(name)), false, [&](const QString& candidate) {
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

void Importer::stepEntry() {
    Frame& frame = frames_.back();
    // A folder removed from the tree between steps takes what was left of it.
    const bool gone = frame.parent != tree::kTopLevel && !target_.tree.contains(frame.parent);
    if (endsEverything(report_.stop) || folderStopped_ || gone ||
        frame.next >= frame.entries.size()) {
        frames_.pop_back();
        return;
    }
    const SourceEntry entry = frame.entries[frame.next++];
    if (entry.type != SourceType::Folder) {
        const qint64 size = importFile(entry.path, frame.parent);
        if (size >= 0)
            countFile(size, entry.path); // past a limit, the folder stops
        return;
    }
    if (entry.isLink) {
        // A link may lead back up (a loop) or anywhere outside the folder.
        report_.linkedFolders.append(readablePath(entry.path));
        return;
    }
    if (entry.name.startsWith(QLatin1Char('.')))
        return;
    std::vector<SourceEntry> inside;
    if (!listOrReport(entry.path, inside))
        return;
    const ItemHandle sub = makeFolder(frame.parent, frame.folderPosition, entry.name);
    if (sub == kNoItem)
        return;
    frame.folderPosition = InsertPosition::after(sub);
    // Its entries before the rest of its parent's (invalidates `frame`).
    frames_.push_back({std::move(inside), 0, sub, InsertPosition::first()});
}

ItemHandle Importer::startFolder(const QString& path, ItemHandle parent, Placement placement) {
    units_ = 0;
    files_ = 0;
    folderStopped_ = false;
    frames_.clear();
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
    frames_.push_back({std::move(entries), 0, into, InsertPosition::first()});
    return into;
}

ItemHandle Importer::importFolder(const QString& path, ItemHandle parent, Placement placement) {
    const ItemHandle into = startFolder(path, parent, placement);
    while (!frames_.empty())
        stepEntry();
    return into;
}

void Importer::queueFile(const QString& path, ItemHandle parent) {
    jobs_.push_back({path, parent, Job::Kind::File, Placement::ContentsOnly});
}

void Importer::queueFolder(const QString& path, ItemHandle parent, Placement placement) {
    jobs_.push_back({path, parent, Job::Kind::Folder, placement});
}

void Importer::queuePaths(const QStringList& paths, ItemHandle parent) {
    for (const QString& path : paths)
        jobs_.push_back({path, parent, Job::Kind::Path, Placement::NewFolderFirst});
}

bool Importer::step() {
    if (endsEverything(report_.stop)) {
        frames_.clear();
        jobs_.clear();
        return false;
    }
    if (!frames_.empty()) {
        stepEntry();
        return true;
    }
    if (jobs_.empty())
        return false;
    const Job job = jobs_.front();
    jobs_.pop_front();
    Job::Kind kind = job.kind;
    if (kind == Job::Kind::Path) {
        const SourceType type = sourceEntry(job.path).type;
        if (type == SourceType::Missing)
            return true;
        // A link the user chose is followed; links met inside it are not.
        kind = type == SourceType::Folder ? Job::Kind::Folder : Job::Kind::File;
    }
    if (kind == Job::Kind::Folder) {
        startFolder(job.path, job.parent, job.placement);
    } else {
        folderStopped_ = false;
        importFile(job.path, job.parent);
    }
    return true;
}

void Importer::importPaths(const QStringList& paths, ItemHandle parent) {
    queuePaths(paths, parent);
    while (step()) {
    }
}

} // namespace oxlin::transfer
