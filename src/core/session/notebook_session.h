#pragma once

#include "core/store/file_system.h"
#include "core/store/notebook_paths.h"
#include "core/tree/file_ids.h"
#include "core/tree/tree_file.h"
#include "core/tree/topic_history.h"
#include "core/tree/tree_model.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace oxlin::tree {
class TopicImages;
}

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::store {
class PackageReader;
}

namespace oxlin::session {

using store::CurrentBook;
using store::NotebookPaths;
using store::ProfileService;

// What later layers plug into the store's sequences. Every hook is optional;
// an empty one does nothing. They run on the caller's (user-interface) thread.
struct SessionHooks {
    std::function<bool()> saveEditorTopic;         // Save: the editor's topic into its topic file;
                                                   // false when it could not be written
    std::function<bool()> shutDownEditor;          // close/exit: save the topic, empty the editor;
                                                   // false when the topic could not be saved
    std::function<void()> writeLastEdit;           // LastEdit for the editor's topic, if any
    std::function<bool()> compressLastOpenedTopic; // close tree: the last opened working copy;
                                                   // false when it could not be put back
    std::function<void()> saveKeywordHistory;      // exit: SearchHistory of Z.ini
    std::function<void()> startIndexWorker;        // after every load of the tree
    std::function<void()> waitForIndexWorker;      // before the tree is emptied and packed
    std::function<void()> forgetOpenedTopics;      // close: last opened topic, last export path
};

// How the last openNotebook() found the notebook.
// Why a notebook could not be opened or saved, for the programs to word.
struct SessionProblem {
    enum class Kind {
        None,
        ReadOnly,                // opened for reading only: never packed
        WorkingFolderIsLink,     // path: the working folder
        UnpackFailed,            // path: the working folder; count: files not unpacked
        FileNotWritten,          // path: the file
        TooManyTopics,           // count: topic files in the working folder
        PackageNotWritten,       // path: the package
        WorkingFolderNotWritten, // path: the working folder, left for the next start
        WorkingFolderNotMade,    // path: the working folder, which could not be created
        DamagedCopyNotKept,      // path: a damaged package or tree member of which no
                                 // copy could be kept before a pack replaces it
    };
    Kind kind = Kind::None;
    QString path;
    qsizetype count = 0;
    bool isEmpty() const { return kind == Kind::None; }
};

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

// The open notebook: its paths, its tree, its file id counter and history,
// and the sequences that open, save, close and end it. One per process,
// owned by the application; not thread-safe.
class NotebookSession {
public:
    // `profiles`, `images` and `fs` are borrowed and must outlive the
    // session; `images` may be null. The package, the tree and runtime files
    // and the copies kept of damaged files are written through `fs`.
    NotebookSession(ProfileService& profiles, QString dataFolder,
                    tree::TopicImages* images = nullptr,
                    store::FileSystem& fs = store::FileSystem::real());
    ~NotebookSession();
    NotebookSession(const NotebookSession&) = delete;
    NotebookSession& operator=(const NotebookSession&) = delete;

    void setHooks(SessionHooks hooks) { hooks_ = std::move(hooks); }

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
    // Why the last pack, save, close or exit did not write the package, or
    // why the last open was refused, or what an open that went on could not
    // write; empty when all went well.
    const SessionProblem& saveProblem() const { return problem_; }

    // Sets the notebook name from LastBook of Notebook.ini (default "OxlinHelp").
    void readLastBook();
    // Creates the data folder and the notebook's working folder when missing
    // and recomputes the paths for the current name. Returns 1; 0 when a
    // folder could not be created (the next openNotebook() then refuses).
    int setUpPaths();
    // Resumes the working folder when it holds a non-empty Tree.ini (or
    // Z.xtz and Tree.ini), else unpacks the package (if any) and decompresses
    // Tree.xtz and Z.xtz, then loads the tree and starts the index worker.
    // A new notebook gets its Z.xtz at once. Returns 1; 0 when the working
    // folder is refused (a symbolic link, missing), when the tree or runtime
    // file cannot be written into it, or when an unreadable package cannot
    // be copied aside: going on would let the next pack replace the package
    // with less than it holds.
    int openNotebook();
    // Saves the editor's topic (saveEditorTopic) and says whether it is in
    // its topic file: a change of notebook stops when it is not.
    bool saveOpenTopic() { return succeeds(hooks_.saveEditorTopic); }
    // The program's first start (it found no data folder): if the next
    // openNotebook() finds the notebook new and empty, it puts a Welcome
    // topic in it (session/welcome.h) and opens that first. Later opens,
    // and notebooks the user creates, are left alone.
    void welcomeOnNextOpen() { welcomeDue_ = true; }
    // Opens a package that lives elsewhere and is only ever read (the
    // viewer) and loads its tree. Only the tree and runtime members are
    // written into the working folder; a topic's file is fetched from the
    // package when it is first needed (fetchTopicFile), and searches read
    // the package directly (readOnlyPackage). When the tree cannot be read
    // every member is unpacked, so the topics found can be recovered.
    // Nothing is written beside the package, and from then on nothing is
    // packed: packNotebook() and the sequences that call it refuse. A package
    // that cannot be read opens as an empty tree. Returns 1 when it could be
    // read, 0 otherwise.
    int openReadOnly(const QString& package);
    bool isReadOnly() const { return readOnly_; }
    // The package opened by openReadOnly, for reading members directly; null
    // for a notebook that is edited. Safe to read from several threads.
    const store::PackageReader* readOnlyPackage() const { return package_.get(); }
    // Makes sure the topic file of `fileId` is in the working folder: for a
    // read-only package it is copied out of the package the first time
    // (false when the package has no such member or it cannot be written);
    // an edited notebook has them all already (true).
    bool fetchTopicFile(qint32 fileId);
    // Compresses Tree.ini and Z.ini and packs the working folder. Returns 1
    // when the package was written; 0 with saveProblem() otherwise, and then
    // the package is as it was.
    int packNotebook();
    // The store's part of the Save command: the editor's topic, LastEdit and
    // Tree.ini, then the package. Returns the packing's result.
    int save();
    // Writes LastEdit and Tree.ini, puts back the last opened working copy and
    // empties the tree. False when Tree.ini could not be written.
    bool closeTree();
    // Writes Tree.ini (when the window is hidden or minimised).
    bool saveTreeFile();
    // Closes the notebook before another becomes current. The working folder
    // is removed only when the package was written; otherwise it stays and
    // the next open resumes from it. Returns the packing's result.
    int closeNotebook();
    // The store's steps of the exit sequence: LastBook, editor, tree, keyword
    // history, pack, and removal of the working folder when packing succeeded.
    // Returns the packing's result.
    int exitNotebook();
    // Removes the working folder after a successful pack. It is first renamed
    // aside in one step, so a process killed while deleting never leaves a
    // partial working folder for the next start to resume.
    bool removeWorkingFolder();

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

private:
    void loadTreeAndStart();
    // loadTreeAndStart's first half: the tree and the file id counter.
    void loadTree();
    enum class Restored { Whole, Damaged, NotWritten };
    // Puts the tree's INI file back from its compressed member, if there is
    // one; never replaces a non-empty file by an empty one. Damaged when the
    // member exists but could not be decompressed whole; NotWritten when the
    // INI file could not be written.
    Restored restoreIniFile(const QString& compressed, const QString& ini);
    // Ends an open that must not go on: nothing is packed or removed later.
    int refuseOpen(SessionProblem problem);
    // Topic files of the working folder that no item names go under a
    // "Recovered" folder at the end of the tree.
    void recoverUnlistedTopics();
    int finishClose(bool everythingWritten);
    static void call(const std::function<void()>& hook) {
        if (hook)
            hook();
    }
    // An absent hook has nothing to fail.
    static bool succeeds(const std::function<bool()>& hook) { return !hook || hook(); }

    ProfileService& profiles_;
    tree::TopicImages* images_;
    store::FileSystem& fs_;
    QString dataFolder_;
    CurrentBook book_;
    NotebookPaths paths_;
    SessionHooks hooks_;
    tree::TopicTree tree_;
    tree::FileIdCounter fileIds_;
    tree::TopicHistory history_;
    OpenOutcome outcome_ = OpenOutcome::New;
    QString damagedCopy_;
    std::unique_ptr<store::PackageReader> package_; // openReadOnly's
    SessionProblem problem_;
    SessionProblem refusal_; // why the working folder is refused, while it is
    bool readOnly_ = false; // opened by openReadOnly(): never packed
    bool welcomeDue_ = false; // welcomeOnNextOpen() was asked for
    tree::TreeLoadNotes loadNotes_;
};

} // namespace oxlin::session
