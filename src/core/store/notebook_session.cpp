#include "store/notebook_session.h"

#include "store/atomic_file.h"
#include "store/browser.h"
#include "store/compressed_file.h"
#include "store/file_names.h"
#include "store/package.h"
#include "store/profile.h"
#include "tree/tree_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace oxlin::store {

namespace {

// The highest id among the topic files ("%08X.XTZ", any case) of a folder.
qint32 highestTopicFileId(const QString& folder) {
    qint32 highest = 0;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (name.size() != 12 || !hasCompressedExtension(name))
            continue;
        bool ok = false;
        const quint32 id = name.left(8).toUInt(&ok, 16);
        if (ok && id <= 0x7FFFFFFFu && qint32(id) > highest)
            highest = qint32(id);
    }
    return highest;
}

} // namespace

NotebookSession::NotebookSession(ProfileService& profiles, QString dataFolder,
                                 tree::TopicImages* images)
    : profiles_(profiles), images_(images), dataFolder_(std::move(dataFolder)),
      paths_(NotebookPaths::forNotebook(dataFolder_, book_.notebookName)),
      fileIds_(profiles, paths_.runtimeFile) {}

void NotebookSession::readLastBook() {
    const QString settings = NotebookPaths::forNotebook(dataFolder_, QString()).settingsFile;
    book_.notebookName = usableNotebookName(
        profiles_.readString(settings, QLatin1String(kSettingsSection), QLatin1String(kLastBookKey),
                             QLatin1String(CurrentBook::kDefaultName)));
}

int NotebookSession::setUpPaths() {
    QDir().mkpath(dataFolder_);
    book_.notebookName = usableNotebookName(book_.notebookName);
    paths_ = NotebookPaths::forNotebook(dataFolder_, book_.notebookName);
    QDir().mkpath(paths_.workingFolder);
    fileIds_.setRuntimeFile(paths_.runtimeFile);
    browserProgram_ = findBrowserProgram();
    return 1;
}

int NotebookSession::openNotebook() {
    damagedCopy_.clear();
    if (pathExists(paths_.compressedRuntimeFile()) && pathExists(paths_.treeFile)) {
        outcome_ = OpenOutcome::Resumed;
        loadTreeAndStart();
        return 1;
    }
    outcome_ = OpenOutcome::New;
    if (pathExists(paths_.packageFile)) {
        if (unpackPackage(paths_.workingFolder, paths_.packageFile) == 1) {
            outcome_ = OpenOutcome::Unpacked;
        } else {
            // Packing at close would replace the package with what this
            // session holds; keep the original for whatever can be saved of it.
            outcome_ = OpenOutcome::PackageUnreadable;
            damagedCopy_ = keepDamagedCopy(paths_.packageFile,
                                           paths_.packageFile + QLatin1String(".damaged"));
        }
    }
    decompressFile(paths_.compressedTreeFile(), paths_.treeFile);
    decompressFile(paths_.compressedRuntimeFile(), paths_.runtimeFile);
    loadTreeAndStart();
    return 1;
}

void NotebookSession::loadTreeAndStart() {
    fileIds_.load();
    tree::loadTree(tree_, paths_.treeFile, images_);
    // FileIDCount may be behind the topics (a lost Z.xtz, a working folder
    // from a crash): never hand out an id whose file or topic exists.
    qint32 highest = highestTopicFileId(paths_.workingFolder);
    tree_.walk([&](const tree::TreeItem& item, int) {
        if (item.record && item.record->fileId > highest)
            highest = item.record->fileId;
    });
    fileIds_.raiseTo(highest);
    call(hooks_.startIndexWorker);
}

int NotebookSession::packNotebook() {
    compressFile(paths_.treeFile, paths_.compressedTreeFile());
    compressFile(paths_.runtimeFile, paths_.compressedRuntimeFile());
    return packFolder(paths_.workingFolder, paths_.packageFile);
}

int NotebookSession::save() {
    call(hooks_.saveEditorTopic);
    call(hooks_.writeLastEdit);
    return packNotebook();
}

void NotebookSession::closeTree() {
    call(hooks_.writeLastEdit);
    tree::saveTree(tree_, paths_.treeFile);
    call(hooks_.compressLastOpenedTopic);
    tree_.clear();
}

bool NotebookSession::saveTreeFile() {
    return tree::saveTree(tree_, paths_.treeFile);
}

int NotebookSession::closeNotebook() {
    call(hooks_.waitForIndexWorker);
    call(hooks_.shutDownEditor);
    closeTree();
    const int packed = packNotebook();
    if (packed == 1)
        removeFolder(paths_.workingFolder);
    history_.clear();
    call(hooks_.forgetOpenedTopics);
    return packed;
}

int NotebookSession::exitNotebook() {
    profiles_.writeString(paths_.settingsFile, QLatin1String(kSettingsSection),
                          QLatin1String(kLastBookKey), book_.notebookName);
    call(hooks_.waitForIndexWorker);
    call(hooks_.shutDownEditor);
    closeTree();
    call(hooks_.saveKeywordHistory);
    const int packed = packNotebook();
    if (packed == 1)
        removeFolder(paths_.workingFolder);
    history_.clear();
    return packed;
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

} // namespace oxlin::store
