#include "core/session/notebook_session.h"

#include "core/session/welcome.h"
#include "core/store/atomic_file.h"
#include "core/store/browser.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/package.h"
#include "core/store/package_format.h"
#include "core/store/profile.h"
#include "core/store/stored_text.h"
#include "core/tree/topic_kind.h"
#include "core/tree/tree_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>

namespace oxlin::session {

using namespace oxlin::store;

namespace {

// The id a topic file's name ("%08X.XTZ", any case) carries; 0 for any other name.
qint32 topicFileId(const QString& name) {
    if (name.size() != 12 || !hasCompressedExtension(name))
        return 0;
    bool ok = false;
    const quint32 id = name.left(8).toUInt(&ok, 16);
    return ok && id <= 0x7FFFFFFFu ? qint32(id) : 0;
}

// The highest id among the topic files of a folder.
qint32 highestTopicFileId(const QString& folder) {
    qint32 highest = 0;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        highest = std::max(highest, topicFileId(name));
    return highest;
}

} // namespace

NotebookSession::NotebookSession(ProfileService& profiles, QString dataFolder,
                                 tree::TopicImages* images, FileSystem& fs)
    : profiles_(profiles), images_(images), fs_(fs), dataFolder_(std::move(dataFolder)),
      paths_(NotebookPaths::forNotebook(dataFolder_, book_.notebookName)),
      fileIds_(profiles, paths_.runtimeFile) {}

void NotebookSession::readLastBook() {
    const QString settings = NotebookPaths::forNotebook(dataFolder_, QString()).settingsFile;
    book_.notebookName = usableNotebookName(
        profiles_.readString(settings, QLatin1String(kSettingsSection), QLatin1String(kLastBookKey),
                             QLatin1String(CurrentBook::kDefaultName)));
}

int NotebookSession::setUpPaths() {
    bool made = fs_.makePath(dataFolder_);
    book_.notebookName = usableNotebookName(book_.notebookName);
    paths_ = NotebookPaths::forNotebook(dataFolder_, book_.notebookName);
    // What a removal killed halfway left behind.
    const QString aside = QDir(dataFolder_).filePath(removalName(book_.notebookName));
    if (pathExists(aside))
        removeFolder(aside);
    made = made && fs_.makePath(paths_.workingFolder);
    fileIds_.setRuntimeFile(paths_.runtimeFile);
    browserProgram_ = findBrowserProgram();
    return made ? 1 : 0;
}

NotebookSession::~NotebookSession() = default;

int NotebookSession::openNotebook() {
    const bool welcome = std::exchange(welcomeDue_, false);
    readOnly_ = false;
    package_.reset();
    damagedCopy_.clear();
    problem_ = {};
    refusal_ = {};
    tree_.clear();
    // Exit deletes the working folder; through a link it would delete
    // whatever the link points to.
    if (QFileInfo(paths_.workingFolder).isSymLink()) {
        outcome_ = OpenOutcome::Refused;
        refusal_ = problem_ = {SessionProblem::Kind::WorkingFolderIsLink, paths_.workingFolder, 0};
        return 0;
    }
    if (!QFileInfo(paths_.workingFolder).isDir())
        return refuseOpen({SessionProblem::Kind::WorkingFolderNotMade, paths_.workingFolder, 0});
    // A working folder left by a run that did not end normally holds the
    // newest state of the notebook. A non-empty Tree.ini is that state, even
    // for a notebook that was never packed and so has no Z.xtz.
    if (QFileInfo(paths_.treeFile).size() > 0 ||
        (pathExists(paths_.compressedRuntimeFile()) && pathExists(paths_.treeFile))) {
        outcome_ = OpenOutcome::Resumed;
        // The folder's Z.ini was written after the last pack (the last
        // topic, the id counter, the keyword list): only a missing or empty
        // one is taken from Z.xtz.
        if (QFileInfo(paths_.runtimeFile).size() == 0 &&
            restoreIniFile(paths_.compressedRuntimeFile(), paths_.runtimeFile) ==
                Restored::NotWritten)
            return refuseOpen({SessionProblem::Kind::FileNotWritten, paths_.runtimeFile, 0});
        loadTreeAndStart();
        return 1;
    }
    outcome_ = OpenOutcome::New;
    if (pathExists(paths_.packageFile)) {
        UnpackReport report;
        if (unpackPackage(paths_.workingFolder, paths_.packageFile, &report, fs_).ok()) {
            outcome_ = OpenOutcome::Unpacked;
            if (!report.failed.isEmpty()) {
                // The next pack would leave out what could not be written:
                // the package as it is must survive that.
                outcome_ = OpenOutcome::UnpackIncomplete;
                damagedCopy_ = keepDamagedCopy(
                    paths_.packageFile, paths_.packageFile + QLatin1String(".incomplete"), fs_);
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
                return refuseOpen(
                    {SessionProblem::Kind::DamagedCopyNotKept, paths_.packageFile, 0});
        }
    }
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
    if (!pathExists(paths_.compressedRuntimeFile())) {
        // A notebook that has never been packed: with Z.xtz beside Tree.ini
        // even an older program resumes its working folder after a crash.
        // Without it the open goes on (a non-empty Tree.ini resumes as well),
        // but the disk is failing and the user hears of it now.
        const QString runtime =
            QDir(paths_.workingFolder).filePath(QLatin1String(kCompressedRuntimeFileName));
        if (!compressFile(paths_.runtimeFile, runtime, fs_).ok())
            problem_ = {SessionProblem::Kind::FileNotWritten, runtime, 0};
    }
    loadTree();
    // Added before the index worker starts, so the index has the topic and
    // the end of the rebuild opens it (LastEdit).
    if (welcome && outcome_ == OpenOutcome::New && tree_.children(tree::kTopLevel).empty())
        addWelcomeTopic(tree_, fileIds_, paths_, profiles_, images_);
    call(hooks_.startIndexWorker);
    return 1;
}

int NotebookSession::refuseOpen(SessionProblem problem) {
    outcome_ = OpenOutcome::Refused;
    refusal_ = problem_ = std::move(problem);
    tree_.clear();
    return 0;
}

NotebookSession::Restored NotebookSession::restoreIniFile(const QString& compressed,
                                                          const QString& ini) {
    const bool iniHasText = QFileInfo(ini).size() > 0;
    if (!pathExists(compressed)) {
        if (!pathExists(ini) && !writeFileAtomically(ini, QByteArray(), fs_).ok())
            return Restored::NotWritten;
        return Restored::Whole;
    }
    QByteArray text;
    const Restored read =
        decompressFileToBuffer(compressed, text).ok() ? Restored::Whole : Restored::Damaged;
    if (text.isEmpty() && iniHasText)
        return read; // an empty member never replaces what the folder holds
    return writeFileAtomically(ini, text, fs_).ok() ? read : Restored::NotWritten;
}

void NotebookSession::loadTreeAndStart() {
    loadTree();
    call(hooks_.startIndexWorker);
}

void NotebookSession::loadTree() {
    fileIds_.load();
    loadNotes_ = {};
    tree::loadTree(tree_, paths_.treeFile, images_, &loadNotes_);
    // Not only a damaged tree misses topics: an end between writing a topic
    // file and the tree file that names it (a kill during an import) does too.
    recoverUnlistedTopics();
    // FileIDCount may be behind the topics (a lost Z.xtz, a working folder
    // from a crash): never hand out an id whose file or topic exists.
    qint32 highest = highestTopicFileId(paths_.workingFolder);
    tree_.walk([&](const tree::TreeItem& item, int) {
        if (item.record && item.record->fileId > highest)
            highest = item.record->fileId;
    });
    fileIds_.raiseTo(highest);
}

void NotebookSession::recoverUnlistedTopics() {
    QSet<qint32> listed;
    tree_.walk([&](const tree::TreeItem& item, int) {
        if (item.record)
            listed.insert(item.record->fileId);
    });
    QList<qint32> unlisted;
    const QStringList names = QDir(paths_.workingFolder).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const qint32 id = topicFileId(name);
        if (id > 0 && !listed.contains(id))
            unlisted.append(id);
    }
    if (unlisted.isEmpty())
        return;
    std::sort(unlisted.begin(), unlisted.end());
    // One folder however often it happens: a second of the same label at the
    // top level would share its section of the tree file.
    const QString recovered = QStringLiteral("Recovered");
    tree::ItemHandle folder = tree::kNoItem;
    for (tree::ItemHandle item : tree_.children(tree::kTopLevel))
        if (tree_.find(item)->isFolder() &&
            tree_.find(item)->label.compare(recovered, Qt::CaseInsensitive) == 0)
            folder = item;
    if (folder == tree::kNoItem)
        folder = tree_.insertFolder(tree::kTopLevel, tree::InsertPosition::last(), recovered);
    for (qint32 id : unlisted) {
        // The label is lost with the tree file; the content tells plain from rich.
        QByteArray head;
        (void)decompressFileToBuffer(tree::topicFilePath(paths_.workingFolder, id), head);
        const bool rich = isRichTextStream(head);
        const QString label = QStringLiteral("Topic %1%2")
                                  .arg(topicFileName(quint32(id)).left(8),
                                       rich ? QLatin1String(".rtf") : QLatin1String(".txt"));
        tree_.insertItem(folder, tree::InsertPosition::last(), label,
                         images_ ? images_->imageFor(label) : tree::kTextImage,
                         tree::TopicRecord{id, 0});
    }
}

int NotebookSession::packNotebook() {
    problem_ = {};
    if (readOnly_) {
        problem_ = {SessionProblem::Kind::ReadOnly, {}, 0};
        return 0;
    }
    if (outcome_ == OpenOutcome::Refused) {
        problem_ = refusal_;
        return 0;
    }
    // A stale Tree.xtz or Z.xtz in the package is as bad as none: the pack
    // goes ahead only when both are current.
    const struct {
        QString ini;
        QString compressed;
    } members[] = {{paths_.treeFile, paths_.compressedTreeFile()},
                   {paths_.runtimeFile, paths_.compressedRuntimeFile()}};
    for (const auto& member : members) {
        if (pathExists(member.ini) && !compressFile(member.ini, member.compressed, fs_).ok()) {
            problem_ = {SessionProblem::Kind::FileNotWritten, member.compressed, 0};
            return 0;
        }
    }
    const QStringList packed =
        QDir(paths_.workingFolder)
            .entryList({QStringLiteral("*.xtz")}, QDir::Files | QDir::Hidden);
    constexpr auto kMaxPackedMembers = qsizetype(package_format::kMaxPackedEntries);
    if (packed.size() > kMaxPackedMembers) {
        problem_ = {SessionProblem::Kind::TooManyTopics, {}, packed.size() - 2};
        return 0;
    }
    if (!packFolder(paths_.workingFolder, paths_.packageFile, fs_).ok()) {
        problem_ = {SessionProblem::Kind::PackageNotWritten, paths_.packageFile, 0};
        return 0;
    }
    return 1;
}

int NotebookSession::save() {
    // The editor says itself when its topic cannot be written; the package
    // still gets everything else.
    (void)saveOpenTopic();
    call(hooks_.writeLastEdit);
    // The package must hold the tree as it is now, not as the last write
    // between saves left it: a topic made a second ago is part of it.
    if (outcome_ != OpenOutcome::Refused && !tree::saveTree(tree_, paths_.treeFile)) {
        problem_ = {SessionProblem::Kind::FileNotWritten, paths_.treeFile, 0};
        return 0;
    }
    return packNotebook();
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

int NotebookSession::finishClose(bool everythingWritten) {
    int packed = 0;
    if (!everythingWritten) {
        // Packing now would put older text in the package and then delete
        // the only folder that holds the newer: keep it for the next start.
        problem_ = {SessionProblem::Kind::WorkingFolderNotWritten, paths_.workingFolder, 0};
    } else {
        packed = packNotebook();
    }
    if (packed == 1)
        removeWorkingFolder();
    history_.clear();
    return packed;
}

int NotebookSession::closeNotebook() {
    call(hooks_.waitForIndexWorker);
    const bool topicSaved = succeeds(hooks_.shutDownEditor);
    const bool treeWritten = closeTree();
    const int packed = finishClose(topicSaved && treeWritten);
    call(hooks_.forgetOpenedTopics);
    return packed;
}

int NotebookSession::exitNotebook() {
    // A notebook that could not be opened is not named for the next start,
    // which would only refuse it again: that one opens the default.
    profiles_.writeString(paths_.settingsFile, QLatin1String(kSettingsSection),
                          QLatin1String(kLastBookKey),
                          outcome_ == OpenOutcome::Refused
                              ? QString::fromLatin1(CurrentBook::kDefaultName)
                              : book_.notebookName);
    call(hooks_.waitForIndexWorker);
    const bool topicSaved = succeeds(hooks_.shutDownEditor);
    const bool treeWritten = closeTree();
    call(hooks_.saveKeywordHistory);
    return finishClose(topicSaved && treeWritten);
}

QString NotebookSession::removalName(const QString& notebookName) {
    // Hidden, and not a name LastBook can take, so it is never opened.
    return QLatin1Char('.') + notebookName + QLatin1String(".removing");
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

int NotebookSession::readRuntimeNumber(const QString& section, const QString& key) const {
    const std::optional<QString> text = profiles_.find(paths_.runtimeFile, section, key);
    if (!text || text->isEmpty())
        return -1;
    return leadingInteger(*text);
}

std::optional<QString> NotebookSession::readRuntimeText(const QString& section,
                                                        const QString& key) const {
    return profiles_.find(paths_.runtimeFile, section, key);
}

bool NotebookSession::writeRuntimeText(const QString& section, const QString& key,
                                       const QString& text) {
    return profiles_.writeString(paths_.runtimeFile, section, key, text);
}

bool NotebookSession::pathExists(const QString& path) {
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

bool NotebookSession::removeFolder(const QString& path) {
    // A link is removed, never what it points to.
    if (QFileInfo(path).isSymLink())
        return QFile::remove(path);
    const QFileInfoList entries = QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                           QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isDir())
            QFile::remove(entry.filePath());
        else if (!entry.fileName().startsWith(QLatin1Char('.')))
            removeFolder(entry.filePath());
    }
    return QDir().rmdir(path);
}

} // namespace oxlin::session
