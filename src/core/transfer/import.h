#pragma once

#include "core/tree/tree_model.h"
#include "core/transfer/source_files.h"
#include "core/tree/tree_operations.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <deque>
#include <functional>
#include <vector>

namespace oxlin::tree {
class FileIdCounter;
class TopicImages;
} // namespace oxlin::tree

namespace oxlin::transfer {

// A file larger than this is not imported.
inline constexpr qint64 kMaxImportFileBytes = 10'000'000;
// A folder import stops once its files pass either limit; sizes count in
// whole units of 1000 bytes, each file's size truncated before it is added.
inline constexpr qint64 kMaxFolderImportUnits = 50'000;
inline constexpr int kMaxFolderImportFiles = 5'000;

// Why an import ended before it had read everything it was given.
enum class ImportStop {
    None,
    FolderTooBig, // the folder's total passed kMaxFolderImportUnits
    TooManyFiles, // the folder's count passed kMaxFolderImportFiles
    NotebookFull, // the notebook holds tree::kMaxTopics topics
    NoFileId,     // FileIDCount could not be stored
    WriteFailed,  // a topic file could not be written (a full disk)
    Cancelled,    // the progress callback asked to stop
};

// What one import did. Everything it created stays in the tree whatever
// ended it; every topic it created has its topic file.
struct ImportReport {
    int topics = 0;  // topics created
    int folders = 0; // folders created
    // Paths as a person reads them (see readablePath), each left out:
    QStringList tooLarge;      // files holding more than kMaxImportFileBytes
    QStringList unreadable;    // files that could not be read
    QStringList notRegular;    // pipes, devices, sockets: never read
    QStringList unreadableFolders; // folders whose entries could not be listed
    QStringList linkedFolders; // symbolic links to folders, not followed
    ImportStop stop = ImportStop::None;
    QString stoppedAt; // the path being imported when it stopped
};

// Where imported topics go and what is told of them. The references are
// borrowed and must outlive the importer.
struct ImportTarget {
    tree::TopicTree& tree;
    tree::FileIdCounter& fileIds;
    QString workingFolder;               // topic files are written here
    tree::TopicImages* images = nullptr; // may be null: topics get the text image
    // The topic index entry of each new topic (the locate list follows it).
    std::function<void(tree::ItemHandle topic)> addToIndex;
    // The most topics the notebook may hold: a package holds at most
    // tree::kMaxTopics, which a single folder import of 5,000 files passes.
    int maxTopics = tree::kMaxTopics;
    // Called before each file with the number of files handled so far; false
    // cancels the import there. May be empty.
    std::function<bool(int handled)> keepGoing;
};

// Imports files and folders as topics and folders. A file's bytes go into a
// new topic file unchanged, compressed; its name becomes the label and its
// extension the topic's kind. Only regular files are read, and no more of
// each than the size limit. Paths may carry names that are not UTF-8 as
// decodeNativePath gives them; such a name is labelled as readableName reads it. One importer serves one user action (a menu
// command, a drop, a paste, a command line): its report covers all of it.
// Not thread-safe; it changes the tree.
class Importer {
public:
    explicit Importer(ImportTarget target);
    ~Importer();
    Importer(const Importer&) = delete;
    Importer& operator=(const Importer&) = delete;

    // Imports one file as the last child of `parent` (a folder or the top
    // level). Returns its size in bytes, or -1 when no topic was made: too
    // large, unreadable, not a regular file (each listed in the report), or
    // the import has stopped.
    qint64 importFile(const QString& path, tree::ItemHandle parent);

    // How a chosen folder lands in the tree.
    enum class Placement {
        NewFolderFirst, // a folder named after it, first child of the parent
        ContentsOnly,   // its entries straight into the parent
    };
    // Imports a folder with fresh counters: its subfolders first in the order
    // the file system gives them (each before the topics of its parent), then
    // its files appended last. Folders whose names begin with "." and
    // symbolic links to folders are passed over. A folder whose entries
    // cannot be listed gets no folder in the tree (an empty one would say
    // that it was empty) and is reported. Returns the folder made for it, or
    // the parent for ContentsOnly, or kNoItem when none could be made.
    tree::ItemHandle importFolder(const QString& path, tree::ItemHandle parent,
                                  Placement placement);

    // A file list (a paste, a drop, a command line): each folder becomes a
    // folder first in `parent`, each file a topic last in it; a path that does
    // not exist is skipped. Stops at the first path only for a stop that no
    // other path could avoid (full notebook, failed write, cancel).
    void importPaths(const QStringList& paths, tree::ItemHandle parent);

    // The same work a step at a time, for a caller that must keep its event
    // loop running: queue it, then call step() until it returns false. A
    // step imports one file or lists one folder; everything a step leaves in
    // the tree is whole. Between steps the caller may change the tree; an
    // item put under a folder that is gone is not made.
    void queueFile(const QString& path, tree::ItemHandle parent);
    void queueFolder(const QString& path, tree::ItemHandle parent, Placement placement);
    void queuePaths(const QStringList& paths, tree::ItemHandle parent);
    bool step();

    const ImportReport& report() const { return report_; }
    bool stopped() const { return report_.stop != ImportStop::None; }

private:
    // One entry of the folder being imported.
    void stepEntry();
    tree::ItemHandle startFolder(const QString& path, tree::ItemHandle parent,
                                 Placement placement);
    bool listOrReport(const QString& folder, std::vector<SourceEntry>& entries);

    struct Job {
        enum class Kind { File, Folder, Path };
        QString path;
        tree::ItemHandle parent;
        Kind kind;
        Placement placement;
    };
    // A folder under way: its entries, the next one, where its items go.
    struct Frame {
        std::vector<SourceEntry> entries;
        std::size_t next = 0;
        tree::ItemHandle parent;
        tree::InsertPosition folderPosition;
    };
    std::deque<Job> jobs_;
    std::vector<Frame> frames_; // the innermost folder last
    tree::ItemHandle makeFolder(tree::ItemHandle parent, tree::InsertPosition position,
                                const QString& name);
    void stop(ImportStop why, const QString& path);
    bool countFile(qint64 size, const QString& path);

    ImportTarget target_;
    int savedBatch_;
    ImportReport report_;
    // Every file id of the tree and every topic file name of the working
    // folder (upper case), taken once and kept as topics are added, so the
    // check of a new id never reads the folder again.
    QSet<qint32> carriedIds_;
    QSet<QString> topicFiles_;
    int topicCount_ = 0;
    int handled_ = 0;
    // The counters of the folder import under way.
    qint64 units_ = 0;
    int files_ = 0;
    bool folderStopped_ = false;
};

} // namespace oxlin::transfer
