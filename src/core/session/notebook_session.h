#pragma once

#include "core/merge/notebook_merge.h"
#include "core/session/kept_package.h"
#include "core/session/loaded_notebook.h"
#include "core/store/status.h"

#include <QString>

#include <functional>

namespace oxlin::session {

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
    std::function<void()> mergedFromDisk; // a pack merged in changes made on another machine
                                          // (lastMerge()); at Save the tree was reloaded when
                                          // they changed it, and topics may have new text
};

// Why a notebook could not be opened or saved, for the programs to word.
struct SessionProblem {
    enum class Kind {
        None,
        WorkingFolderIsLink,      // path: the working folder
        UnpackFailed,             // path: the working folder; count: files not unpacked
        FileNotWritten,           // path: the file
        TooManyTopics,            // count: topic files in the working folder
        PackageNotWritten,        // path: the package
        WorkingFolderNotWritten,  // path: the working folder, left for the next start
        WorkingFolderNotMade,     // path: the working folder, which could not be created
        DamagedCopyNotKept,       // path: a damaged package or tree member of which no
                                  // copy could be kept before a pack replaces it
        WorkingFolderNotWritable, // path: the working folder, which an open found
                                  // taking no file: nothing changed now can be saved
        ChangedPackageUnreadable, // path: the package, changed on disk since it was read
                                  // (another machine's copy) and unreadable: not merged,
                                  // not packed over
        OtherMachinesFolder,      // path: the working folder another machine made (said,
                                  // the open goes on in a folder of this machine's own)
    };
    Kind kind = Kind::None;
    QString path;
    qsizetype count = 0;
    int systemError = 0; // what the system said of the failure (errno); 0 when nothing
    bool isEmpty() const { return kind == Kind::None; }
};

// The notebook being edited: the sequences that open, save, close and end
// it, over the paths, tree and ids of LoadedNotebook. One per process, owned
// by the application; not thread-safe.
//
// Its sequences return a store::Status: ok, or what failed on which path
// with the system's cause; saveProblem() then says which step it was, for
// the messages to word.
class NotebookSession final : public LoadedNotebook {
public:
    // `profiles`, `images` and `fs` are borrowed and must outlive the
    // session; `images` may be null. The package, the tree and runtime files
    // and the copies kept of damaged files are written through `fs`. The
    // hooks may reach objects made after the session, as long as those
    // exist before the first open.
    NotebookSession(ProfileService& profiles, QString dataFolder, SessionHooks hooks = {},
                    tree::TopicImages* images = nullptr,
                    store::FileSystem& fs = store::FileSystem::real());
    ~NotebookSession() override;

    // Why the last pack, save, close or exit did not write the package, or
    // why the last open was refused, or what an open that went on could not
    // write; empty when all went well.
    const SessionProblem& saveProblem() const { return problem_; }
    // What the last pack that merged changes made on another machine did.
    const merge::MergeReport& lastMerge() const { return lastMerge_; }

    // Sets the notebook name from LastBook of Notebook.ini (default "OxlinHelp").
    void readLastBook();
    // Resumes the working folder when it holds a non-empty Tree.ini (or
    // Z.xtz and Tree.ini), else keeps the package in the folder, takes out
    // and decompresses Tree.xtz and Z.xtz (topic files come out when first
    // needed), then loads the tree and starts the index worker. Where the
    // package cannot be kept, it is unpacked whole.
    // A new notebook gets its Z.xtz at once. Fails when the working folder
    // is refused (a symbolic link, missing), when the tree or runtime file
    // cannot be written into it, or when an unreadable package cannot be
    // copied aside: going on would let the next pack replace the package
    // with less than it holds. An open that goes on can still leave a
    // problem: a file it could not write, a working folder that takes none.
    store::Status openNotebook();
    // Saves the editor's topic (saveEditorTopic) and says whether it is in
    // its topic file: a change of notebook stops when it is not.
    bool saveOpenTopic() { return succeeds(hooks_.saveEditorTopic); }
    // Takes the topic file of `fileId` out of the kept package when the
    // working folder lacks it; everything that reads a topic file (the
    // editor, export, transfer, publishing) asks here first. False when it
    // could not be written; true also for a topic that has no file yet.
    bool fetchTopicFile(qint32 fileId) override;
    // The same for every topic in the subtree of `root` (the whole tree for
    // kTopLevel), with one wait for the disk.
    bool fetchTopicFilesUnder(tree::ItemHandle root);
    // The program's first start (it found no data folder): if the next
    // openNotebook() finds the notebook new and empty, it puts a Welcome
    // topic in it (session/welcome.h) and opens that first. Later opens,
    // and notebooks the user creates, are left alone.
    void welcomeOnNextOpen() { welcomeDue_ = true; }
    // Compresses Tree.ini and Z.ini and packs the working folder. On failure
    // saveProblem() says why, and the package is as it was.
    store::Status packNotebook();
    // The store's part of the Save command: the editor's topic, LastEdit and
    // Tree.ini, then the package. Returns the packing's result.
    store::Status save();
    // Writes LastEdit and Tree.ini, puts back the last opened working copy and
    // empties the tree. False when Tree.ini could not be written.
    bool closeTree();
    // Writes Tree.ini (when the window is hidden or minimised).
    bool saveTreeFile();
    // Merges a conflict copy of the open notebook (conflict_copies.h) into it,
    // two-way: topics the same in both fold into one, those that differ are
    // both kept (lastMerge() says which); then reloads the tree and moves the
    // copy into the data folder's "Merged" folder. A copy that cannot be read
    // is Corrupt and left where it is; one merged but not moved, WriteFailed.
    store::Status mergeConflictCopy(const QString& copy);
    // Closes the notebook before another becomes current. The working folder
    // is removed only when the package was written; otherwise it stays and
    // the next open resumes from it. Returns the packing's result.
    store::Status closeNotebook();
    // The store's steps of the exit sequence: LastBook, editor, tree, keyword
    // history, pack, and removal of the working folder when packing succeeded.
    // Returns the packing's result.
    store::Status exitNotebook();
    // Removes the working folder after a successful pack. It is first renamed
    // aside in one step, so a process killed while deleting never leaves a
    // partial working folder for the next start to resume.
    bool removeWorkingFolder();

private:
    // openNotebook's steps. Each returns a failure that ends the open.
    store::Status checkWorkingFolder();
    store::Status resumeWorkingFolder();
    store::Status openFromPackage(bool welcome);
    store::Status unpackIntoWorkingFolder();
    // Topic files the package holds and its tree does not list come out, so
    // that the load puts them under "Recovered" as it does loose files.
    void takeOutUnlistedTopics();
    // Tree.ini and Z.ini from their members; a damaged tree member is kept aside.
    store::Status restoreTreeAndRuntime();
    // A notebook never packed gets its Z.xtz at once.
    void writeFirstRuntimeMember();
    // Said as a problem of an open that goes on: nothing is refused.
    void checkWorkingFolderTakesFiles();
    // A working folder another machine made (a file-sync engine brought it)
    // is neither resumed nor removed: this machine works in one of its own.
    void leaveOtherMachinesFolder();
    // Merges changes made to the package on disk since it was read.
    store::Status mergeChangesOnDisk();
    // The tree on screen becomes the merged one in the working folder.
    void reloadMergedTree();
    // Loads the tree, adds the welcome topic when `welcome` asks for it and
    // the notebook is new and empty, and starts the index worker.
    void loadTreeAndStart(bool welcome);

    // Records `problem` and returns it as a failed status.
    store::Status fail(SessionProblem problem);
    // Ends an open that must not go on: nothing is packed or removed later.
    store::Status refuseOpen(SessionProblem problem);
    store::Status finishClose(bool everythingWritten);
    static void call(const std::function<void()>& hook) {
        if (hook)
            hook();
    }
    // An absent hook has nothing to fail.
    static bool succeeds(const std::function<bool()>& hook) { return !hook || hook(); }

    SessionHooks hooks_;
    SessionProblem problem_;
    SessionProblem refusal_;  // why the working folder is refused, while it is
    bool welcomeDue_ = false; // welcomeOnNextOpen() was asked for
    merge::MergeReport lastMerge_;
    KeptPackage kept_;               // the package the working folder came from
    bool mergedInPack_ = false;      // the last pack merged changes in
    bool mergedTreeChanged_ = false; // ... and they changed the tree
};

} // namespace oxlin::session
