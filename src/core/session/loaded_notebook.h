// What every open notebook has, edited or only read: its paths, its tree
// loaded from the working folder, its file id counter, history and Z.ini.
#pragma once

#include "core/paths/notebook_paths.h"
#include "core/store/file_system.h"
#include "core/tree/file_ids.h"
#include "core/tree/topic_history.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"

#include <QString>

#include <optional>

namespace oxlin::tree {
class TopicImages;
}

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::session {

using paths::CurrentBook;
using paths::NotebookPaths;
using store::ProfileService;

// How the last open found the notebook.
enum class OpenOutcome {
    Resumed,           // the working folder was used as it was; the package was not read
    Unpacked,          // the package was unpacked into the working folder
    New,               // no package: the notebook starts empty
    PackageUnreadable, // the package could not be read; it was copied aside
                       // (damagedPackageCopy()) and the notebook opened from
                       // what the working folder held
    TreeUnreadable,    // the package's tree file is damaged: it was copied aside
                       // (damagedPackageCopy()) and the topics that could not be
                       // placed were put under a "Recovered" folder
    Refused,           // the working folder is a symbolic link: nothing was read,
                       // and nothing is packed or removed
    UnpackIncomplete,  // some members could not be written into the working
                       // folder (a full disk); the package was copied aside
                       // (damagedPackageCopy()) before anything can replace it
};

// The part of an open notebook that the editable session (NotebookSession)
// and the viewer's read-only one (ReadOnlyNotebook) share: the notebook's
// paths, its tree, file id counter and history, the values of its Z.ini, and
// the loading of the tree from the working folder. Opening, and whatever
// writes the package, belong to the two kinds. Not thread-safe.
class LoadedNotebook {
public:
    virtual ~LoadedNotebook();
    LoadedNotebook(const LoadedNotebook&) = delete;
    LoadedNotebook& operator=(const LoadedNotebook&) = delete;

    CurrentBook& currentBook() { return book_; }
    const NotebookPaths& paths() const { return paths_; }
    tree::TopicTree& tree() { return tree_; }
    tree::FileIdCounter& fileIds() { return fileIds_; }
    tree::TopicHistory& history() { return history_; }
    OpenOutcome lastOpenOutcome() const { return outcome_; }
    const QString& damagedPackageCopy() const { return damagedCopy_; }
    // What the last load of Tree.ini had to leave out or repair.
    const tree::TreeLoadNotes& treeLoadNotes() const { return loadNotes_; }
    store::FileSystem& fileSystem() { return fs_; }

    // Creates the data folder and the notebook's working folder when missing
    // and recomputes the paths for the current name. A folder that could not
    // be created is found by the next open, which refuses it.
    void setUpPaths();
    // Makes sure the topic file of `fileId` is in the working folder (false
    // when it cannot be). An edited notebook has them all already.
    virtual bool fetchTopicFile(qint32 fileId);

    // Values of the notebook's Z.ini. A number that is absent or empty reads as -1.
    int readRuntimeNumber(const QString& section, const QString& key) const;
    std::optional<QString> readRuntimeText(const QString& section, const QString& key) const;
    bool writeRuntimeText(const QString& section, const QString& key, const QString& text);

    static bool pathExists(const QString& path);
    // Deletes the folder's files, its sub-folders except those whose names
    // begin with ".", then the folder itself. Symbolic links are removed, not
    // followed. Returns whether the folder itself was removed.
    static bool removeFolder(const QString& path);
    // The name the working folder is renamed to before it is deleted.
    static QString removalName(const QString& notebookName);

protected:
    // `profiles`, `images` and `fs` are borrowed and must outlive the
    // notebook; `images` may be null.
    LoadedNotebook(ProfileService& profiles, QString dataFolder, tree::TopicImages* images,
                   store::FileSystem& fs);

    enum class Restored { Whole, Damaged, NotWritten };
    // Puts the tree's INI file back from its compressed member, if there is
    // one; never replaces a non-empty file by an empty one. Damaged when the
    // member exists but could not be decompressed whole; NotWritten when the
    // INI file could not be written.
    Restored restoreIniFile(const QString& compressed, const QString& ini);
    // Loads Tree.ini into the tree, puts topic files no item names under
    // "Recovered", and raises the file id counter above every topic.
    void loadTree();

    ProfileService& profiles_;
    tree::TopicImages* images_;
    store::FileSystem& fs_;
    QString dataFolder_;
    CurrentBook book_;
    NotebookPaths paths_;
    tree::TopicTree tree_;
    tree::FileIdCounter fileIds_;
    tree::TopicHistory history_;
    OpenOutcome outcome_ = OpenOutcome::New;
    QString damagedCopy_;

private:
    // Topic files of the working folder that no item names go under a
    // "Recovered" folder at the end of the tree.
    void recoverUnlistedTopics();

    tree::TreeLoadNotes loadNotes_;
};

} // namespace oxlin::session
