#include "core/session/notebook_session.h"

#include "core/session/conflict_copies.h"
#include "core/session/disk_changes.h"
#include "core/session/welcome.h"
#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/package.h"
#include "core/store/package_format.h"
#include "core/store/profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <utility>

namespace oxlin::session {

using namespace oxlin::paths;
using namespace oxlin::store;

namespace {

// The status a session problem fails with.
Status::Code codeFor(SessionProblem::Kind kind) {
    switch (kind) {
    case SessionProblem::Kind::None:
    case SessionProblem::Kind::WorkingFolderNotWritable: // said, but the open goes on
    case SessionProblem::Kind::OtherMachinesFolder:
        return Status::Code::Ok;
    case SessionProblem::Kind::WorkingFolderIsLink:
        return Status::Code::Refused;
    case SessionProblem::Kind::TooManyTopics:
        return Status::Code::TooLarge;
    case SessionProblem::Kind::UnpackFailed:
    case SessionProblem::Kind::FileNotWritten:
    case SessionProblem::Kind::PackageNotWritten:
    case SessionProblem::Kind::WorkingFolderNotWritten:
    case SessionProblem::Kind::WorkingFolderNotMade:
    case SessionProblem::Kind::DamagedCopyNotKept:
    case SessionProblem::Kind::ChangedPackageUnreadable:
        break;
    }
    return Status::Code::WriteFailed;
}

} // namespace

NotebookSession::NotebookSession(ProfileService& profiles, QString dataFolder, SessionHooks hooks,
                                 tree::TopicImages* images, FileSystem& fs)
    : LoadedNotebook(profiles, std::move(dataFolder), images, fs), hooks_(std::move(hooks)),
      kept_(paths_.workingFolder) {}

NotebookSession::~NotebookSession() = default;

void NotebookSession::readLastBook() {
    const QString settings = NotebookPaths::forNotebook(dataFolder_, QString()).settingsFile;
    book_.notebookName = usableNotebookName(
        profiles_.readString(settings, QLatin1String(kSettingsSection), QLatin1String(kLastBookKey),
                             QLatin1String(CurrentBook::kDefaultName)));
}

Status NotebookSession::openNotebook() {
    const bool welcome = std::exchange(welcomeDue_, false);
    damagedCopy_.clear();
    problem_ = {};
    refusal_ = {};
    tree_.clear();
    leaveOtherMachinesFolder();
    kept_.reset(paths_.workingFolder);
    if (Status usable = checkWorkingFolder(); !usable.ok())
        return usable;
    // A working folder left by a run that did not end normally holds the
    // newest state of the notebook. A non-empty Tree.ini is that state, even
    // for a notebook that was never packed and so has no Z.xtz.
    const bool resumable =
        QFileInfo(paths_.treeFile).size() > 0 ||
        (pathExists(paths_.compressedRuntimeFile()) && pathExists(paths_.treeFile));
    Status opened = resumable ? resumeWorkingFolder() : openFromPackage(welcome);
    if (opened.ok() && hostOf(paths_.workingFolder).isEmpty())
        recordHost(paths_.workingFolder);
    if (opened.ok() && problem_.isEmpty())
        checkWorkingFolderTakesFiles();
    return opened;
}

void NotebookSession::leaveOtherMachinesFolder() {
    const QString host = hostOf(paths_.workingFolder);
    const NotebookPaths own =
        NotebookPaths::forNotebook(dataFolder_, QLatin1Char('.') + book_.notebookName +
                                                    QLatin1Char('.') + safeFileName(thisHost()));
    const bool otherMachines = !host.isEmpty() && host != thisHost();
    if (!otherMachines && !pathExists(own.workingFolder))
        return;
    if (otherMachines)
        problem_ = {SessionProblem::Kind::OtherMachinesFolder, paths_.workingFolder, 0};
    paths_.workingFolder = own.workingFolder;
    paths_.runtimeFile = own.runtimeFile;
    paths_.searchIndexFile = own.searchIndexFile;
    paths_.topicIndexFile = own.topicIndexFile;
    paths_.treeFile = own.treeFile;
    fs_.makePath(paths_.workingFolder);
    fileIds_.setRuntimeFile(paths_.runtimeFile);
}

Status NotebookSession::checkWorkingFolder() {
    // Exit deletes the working folder; through a link it would delete
    // whatever the link points to.
    if (QFileInfo(paths_.workingFolder).isSymLink())
        return refuseOpen({SessionProblem::Kind::WorkingFolderIsLink, paths_.workingFolder, 0});
    if (!QFileInfo(paths_.workingFolder).isDir())
        return refuseOpen({SessionProblem::Kind::WorkingFolderNotMade, paths_.workingFolder, 0});
    return {};
}

Status NotebookSession::resumeWorkingFolder() {
    outcome_ = OpenOutcome::Resumed;
    // The folder's Z.ini was written after the last pack (the last
    // topic, the id counter, the keyword list): only a missing or empty
    // one is taken from Z.xtz.
    if (QFileInfo(paths_.runtimeFile).size() == 0 &&
        restoreIniFile(paths_.compressedRuntimeFile(), paths_.runtimeFile) == Restored::NotWritten)
        return refuseOpen({SessionProblem::Kind::FileNotWritten, paths_.runtimeFile, 0});
    loadTreeAndStart(false);
    return {};
}

Status NotebookSession::openFromPackage(bool welcome) {
    outcome_ = OpenOutcome::New;
    bool kept = false;
    if (pathExists(paths_.packageFile)) {
        kept = openFromKept(paths_.packageFile, paths_.workingFolder, fs_).ok();
        if (kept)
            outcome_ = OpenOutcome::Unpacked;
        else if (Status unpacked = unpackIntoWorkingFolder(); !unpacked.ok())
            return unpacked;
    }
    if (Status restored = restoreTreeAndRuntime(); !restored.ok())
        return restored;
    writeFirstRuntimeMember();
    if (kept)
        takeOutUnlistedTopics();
    loadTreeAndStart(welcome);
    return {};
}

Status NotebookSession::unpackIntoWorkingFolder() {
    UnpackReport report;
    if (unpackPackage(paths_.workingFolder, paths_.packageFile, &report, fs_).ok()) {
        outcome_ = OpenOutcome::Unpacked;
        // What a later merge compares the package on disk with.
        keepPackage(paths_.packageFile, paths_.workingFolder, fs_);
        if (!report.failed.isEmpty()) {
            // The next pack would leave out what could not be written:
            // the package as it is must survive that.
            outcome_ = OpenOutcome::UnpackIncomplete;
            damagedCopy_ = keepDamagedCopy(paths_.packageFile,
                                           paths_.packageFile + QLatin1String(".incomplete"), fs_);
            if (damagedCopy_.isEmpty())
                return refuseOpen({SessionProblem::Kind::UnpackFailed, paths_.workingFolder,
                                   report.failed.size()});
        }
    } else {
        // Packing at close would replace the package with what this
        // session holds; keep the original for whatever can be saved of it.
        outcome_ = OpenOutcome::PackageUnreadable;
        damagedCopy_ = keepDamagedCopy(paths_.packageFile,
                                       paths_.packageFile + QLatin1String(".damaged"), fs_);
        // Without the copy the package is the only original, and the
        // first pack would replace it with this session's empty tree.
        if (damagedCopy_.isEmpty())
            return refuseOpen({SessionProblem::Kind::DamagedCopyNotKept, paths_.packageFile, 0});
    }
    return {};
}

Status NotebookSession::restoreTreeAndRuntime() {
    const QString compressedTree = paths_.compressedTreeFile();
    // A tree or runtime file that cannot be written leaves the session
    // without them, and the next pack would put that over the package.
    const Restored treeRestored = restoreIniFile(compressedTree, paths_.treeFile);
    if (treeRestored == Restored::NotWritten)
        return refuseOpen({SessionProblem::Kind::FileNotWritten, paths_.treeFile, 0});
    if (restoreIniFile(paths_.compressedRuntimeFile(), paths_.runtimeFile) == Restored::NotWritten)
        return refuseOpen({SessionProblem::Kind::FileNotWritten, paths_.runtimeFile, 0});
    const bool treeRead = treeRestored == Restored::Whole;
    if (!treeRead && outcome_ != OpenOutcome::PackageUnreadable &&
        outcome_ != OpenOutcome::UnpackIncomplete) {
        // The next pack would put an empty tree over the damaged one, and
        // every topic would be orphaned: keep it, and place what can be read.
        outcome_ = OpenOutcome::TreeUnreadable;
        damagedCopy_ = keepDamagedCopy(
            compressedTree, paths_.packageFile + QLatin1String(".Tree.xtz.damaged"), fs_);
        if (damagedCopy_.isEmpty())
            return refuseOpen({SessionProblem::Kind::DamagedCopyNotKept, compressedTree, 0});
    }
    return {};
}

void NotebookSession::takeOutUnlistedTopics() {
    kept_.reset(paths_.workingFolder);
    const QStringList unlisted = kept_.unlistedTopicFiles(listedTopicFiles(paths_.treeFile));
    if (!unlisted.isEmpty() && !kept_.takeOut(unlisted, fs_))
        problem_ = {SessionProblem::Kind::FileNotWritten, paths_.workingFolder, 0};
}

bool NotebookSession::fetchTopicFile(qint32 fileId) {
    return outcome_ == OpenOutcome::Refused || kept_.takeOut(topicFileName(quint32(fileId)), fs_);
}

bool NotebookSession::fetchTopicFilesUnder(tree::ItemHandle root) {
    return outcome_ == OpenOutcome::Refused || kept_.takeOut(topicFilesUnder(tree_, root), fs_);
}

void NotebookSession::writeFirstRuntimeMember() {
    if (pathExists(paths_.compressedRuntimeFile()))
        return;
    // A notebook that has never been packed: Z.xtz beside Tree.ini marks
    // its working folder as a notebook's from the start, so a crash before
    // the first pack leaves a folder that is resumed.
    // Without it the open goes on (a non-empty Tree.ini resumes as well),
    // but the disk is failing and the user hears of it now.
    const QString runtime =
        QDir(paths_.workingFolder).filePath(QLatin1String(kCompressedRuntimeFileName));
    if (!compressFile(paths_.runtimeFile, runtime, fs_).ok())
        problem_ = {SessionProblem::Kind::FileNotWritten, runtime, 0};
}

void NotebookSession::checkWorkingFolderTakesFiles() {
    // A folder that takes no file (read-only, a full disk) is said at once,
    // not after an hour of typing.
    QTemporaryFile probe(QDir(paths_.workingFolder).filePath(QStringLiteral(".probe-XXXXXX")));
    if (!probe.open() || probe.write("x", 1) != 1 || !probe.flush())
        problem_ = {SessionProblem::Kind::WorkingFolderNotWritable, paths_.workingFolder, 0};
}

void NotebookSession::loadTreeAndStart(bool welcome) {
    loadTree();
    // Added before the index worker starts, so the index has the topic and
    // the end of the rebuild opens it (LastEdit).
    if (welcome && outcome_ == OpenOutcome::New && tree_.children(tree::kTopLevel).empty())
        addWelcomeTopic(tree_, fileIds_, paths_, profiles_, images_);
    call(hooks_.startIndexWorker);
}

Status NotebookSession::fail(SessionProblem problem) {
    problem_ = std::move(problem);
    return Status(codeFor(problem_.kind), problem_.path, problem_.systemError);
}

Status NotebookSession::refuseOpen(SessionProblem problem) {
    outcome_ = OpenOutcome::Refused;
    refusal_ = problem;
    tree_.clear();
    return fail(std::move(problem));
}

Status NotebookSession::packNotebook() {
    problem_ = {};
    if (outcome_ == OpenOutcome::Refused)
        return fail(refusal_);
    // A stale Tree.xtz or Z.xtz in the package is as bad as none: the pack
    // goes ahead only when both are current.
    const struct {
        QString ini;
        QString compressed;
    } members[] = {{paths_.treeFile, paths_.compressedTreeFile()},
                   {paths_.runtimeFile, paths_.compressedRuntimeFile()}};
    for (const auto& member : members) {
        if (pathExists(member.ini) && !compressFile(member.ini, member.compressed, fs_).ok())
            return fail({SessionProblem::Kind::FileNotWritten, member.compressed, 0});
    }
    if (const Status merged = mergeChangesOnDisk(); !merged.ok())
        return merged;
    // The folder's files, and what the tree lists that was never taken out.
    const PackPlan plan = planPack(paths_.workingFolder, listedTopicFiles(paths_.treeFile));
    if (plan.keptUnreadable)
        return fail({SessionProblem::Kind::ChangedPackageUnreadable, paths_.packageFile, 0});
    constexpr auto kMaxPackedMembers = qsizetype(package_format::kMaxPackedEntries);
    if (plan.size() > kMaxPackedMembers)
        return fail({SessionProblem::Kind::TooManyTopics, {}, plan.size() - 2});
    if (const Status written = packPlanned(paths_.workingFolder, plan, paths_.packageFile, fs_);
        !written.ok())
        return fail({SessionProblem::Kind::PackageNotWritten, paths_.packageFile, 0,
                     written.systemError()});
    // The new package holds the members not taken out as the kept one did:
    // it replaces it. When it cannot, the old one stays, as the source of
    // those members and as a merge base that only makes the next save merge.
    keepPackage(paths_.packageFile, paths_.workingFolder, fs_);
    kept_.reset(paths_.workingFolder);
    return {};
}

Status NotebookSession::mergeChangesOnDisk() {
    mergedInPack_ = false;
    const DiskMerge merged = session::mergeChangesOnDisk(paths_, fs_);
    switch (merged.outcome) {
    case DiskMerge::Outcome::Unchanged:
        return {};
    case DiskMerge::Outcome::Unreadable:
        return fail({SessionProblem::Kind::ChangedPackageUnreadable, paths_.packageFile, 0});
    case DiskMerge::Outcome::Failed:
        return fail({SessionProblem::Kind::FileNotWritten, merged.status.path(), 0,
                     merged.status.systemError()});
    case DiskMerge::Outcome::Merged:
        break;
    }
    lastMerge_ = merged.report;
    mergedInPack_ = merged.report.changed;
    mergedTreeChanged_ = merged.treeChanged;
    return {};
}

Status NotebookSession::save() {
    // The editor says itself when its topic cannot be written; the package
    // still gets everything else.
    (void)saveOpenTopic();
    call(hooks_.writeLastEdit);
    // The package must hold the tree as it is now, not as the last write
    // between saves left it: a topic made a second ago is part of it.
    if (outcome_ != OpenOutcome::Refused && !tree::saveTree(tree_, paths_.treeFile))
        return fail({SessionProblem::Kind::FileNotWritten, paths_.treeFile, 0});
    const Status packed = packNotebook();
    if (mergedInPack_) {
        // Handles the window holds stay good unless the tree itself changed.
        if (mergedTreeChanged_)
            reloadMergedTree();
        call(hooks_.mergedFromDisk);
    }
    return packed;
}

void NotebookSession::reloadMergedTree() {
    call(hooks_.waitForIndexWorker);
    // The reloaded tree gives its items new handles: Back and Forward follow
    // the topics by their paths, and forget those the merge moved away.
    QStringList visited;
    for (const tree::ItemHandle item : history_.entries())
        visited << tree_.itemPath(item);
    loadTree();
    history_.clear();
    for (const QString& path : std::as_const(visited))
        if (const tree::ItemHandle item = tree_.findByPath(path); item != tree::kNoItem)
            history_.record(item);
    call(hooks_.startIndexWorker);
}

Status NotebookSession::mergeConflictCopy(const QString& copy) {
    problem_ = {};
    if (outcome_ == OpenOutcome::Refused)
        return fail(refusal_);
    (void)saveOpenTopic();
    if (!tree::saveTree(tree_, paths_.treeFile))
        return fail({SessionProblem::Kind::FileNotWritten, paths_.treeFile, 0});
    const DiskMerge merged = mergeCopyIntoFolder(paths_, copy, fs_);
    if (merged.outcome == DiskMerge::Outcome::Unreadable)
        return merged.status;
    if (merged.outcome == DiskMerge::Outcome::Failed)
        return fail({SessionProblem::Kind::FileNotWritten, merged.status.path(), 0,
                     merged.status.systemError()});
    lastMerge_ = merged.report;
    if (merged.outcome == DiskMerge::Outcome::Merged && merged.treeChanged)
        reloadMergedTree();
    if (!putMergedCopyAside(dataFolder_, copy))
        return {Status::Code::WriteFailed, copy};
    return {};
}

bool NotebookSession::closeTree() {
    call(hooks_.writeLastEdit);
    const bool written = outcome_ == OpenOutcome::Refused || tree::saveTree(tree_, paths_.treeFile);
    const bool copied = succeeds(hooks_.compressLastOpenedTopic);
    tree_.clear();
    return written && copied;
}

bool NotebookSession::saveTreeFile() {
    return outcome_ != OpenOutcome::Refused && tree::saveTree(tree_, paths_.treeFile);
}

Status NotebookSession::finishClose(bool everythingWritten) {
    // Packing now would put older text in the package and then delete the
    // only folder that holds the newer: keep it for the next start.
    const Status packed =
        everythingWritten
            ? packNotebook()
            : fail({SessionProblem::Kind::WorkingFolderNotWritten, paths_.workingFolder, 0});
    if (mergedInPack_)
        call(hooks_.mergedFromDisk);
    if (packed.ok())
        removeWorkingFolder();
    history_.clear();
    return packed;
}

Status NotebookSession::closeNotebook() {
    call(hooks_.waitForIndexWorker);
    const bool topicSaved = succeeds(hooks_.shutDownEditor);
    const bool treeWritten = closeTree();
    Status packed = finishClose(topicSaved && treeWritten);
    call(hooks_.forgetOpenedTopics);
    return packed;
}

Status NotebookSession::exitNotebook() {
    // A notebook that could not be opened is not named for the next start,
    // which would only refuse it again: that one opens the default.
    profiles_.writeString(
        paths_.settingsFile, QLatin1String(kSettingsSection), QLatin1String(kLastBookKey),
        outcome_ == OpenOutcome::Refused ? QString::fromLatin1(CurrentBook::kDefaultName)
                                         : book_.notebookName);
    call(hooks_.waitForIndexWorker);
    const bool topicSaved = succeeds(hooks_.shutDownEditor);
    const bool treeWritten = closeTree();
    call(hooks_.saveKeywordHistory);
    return finishClose(topicSaved && treeWritten);
}

bool NotebookSession::removeWorkingFolder() {
    if (outcome_ == OpenOutcome::Refused || QFileInfo(paths_.workingFolder).isSymLink())
        return false;
    const QString aside = QDir(paths_.dataFolder).filePath(removalName(book_.notebookName));
    if (pathExists(aside))
        removeFolder(aside);
    if (QDir().rename(paths_.workingFolder, aside))
        return removeFolder(aside);
    // Renaming failed: take the resume markers first, so what is left is
    // never mistaken for a working folder.
    QFile::remove(paths_.treeFile);
    QFile::remove(paths_.compressedRuntimeFile());
    return removeFolder(paths_.workingFolder);
}

} // namespace oxlin::session
