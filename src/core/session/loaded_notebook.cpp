#include "core/session/loaded_notebook.h"

#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/profile.h"
#include "core/store/stored_text.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_images.h"
#include "core/tree/tree_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>

namespace oxlin::session {

using namespace oxlin::paths;
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

LoadedNotebook::LoadedNotebook(ProfileService& profiles, QString dataFolder,
                               tree::TopicImages* images, FileSystem& fs)
    : profiles_(profiles), images_(images), fs_(fs), dataFolder_(std::move(dataFolder)),
      paths_(NotebookPaths::forNotebook(dataFolder_, book_.notebookName)),
      fileIds_(profiles, paths_.runtimeFile) {}

LoadedNotebook::~LoadedNotebook() = default;

void LoadedNotebook::setUpPaths() {
    // A folder not made is not said here: the open that follows finds the
    // working folder missing and refuses it.
    fs_.makePath(dataFolder_);
    book_.notebookName = usableNotebookName(book_.notebookName);
    paths_ = NotebookPaths::forNotebook(dataFolder_, book_.notebookName);
    // What a removal killed halfway left behind.
    const QString aside = QDir(dataFolder_).filePath(removalName(book_.notebookName));
    if (pathExists(aside))
        removeFolder(aside);
    fs_.makePath(paths_.workingFolder);
    fileIds_.setRuntimeFile(paths_.runtimeFile);
}

bool LoadedNotebook::fetchTopicFile(qint32) {
    return true;
}

LoadedNotebook::Restored LoadedNotebook::restoreIniFile(const QString& compressed,
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

void LoadedNotebook::loadTree() {
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

void LoadedNotebook::recoverUnlistedTopics() {
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

QString LoadedNotebook::removalName(const QString& notebookName) {
    // Hidden, and not a name LastBook can take, so it is never opened.
    return QLatin1Char('.') + notebookName + QLatin1String(".removing");
}

int LoadedNotebook::readRuntimeNumber(const QString& section, const QString& key) const {
    const std::optional<QString> text = profiles_.find(paths_.runtimeFile, section, key);
    if (!text || text->isEmpty())
        return -1;
    return leadingInteger(*text);
}

std::optional<QString> LoadedNotebook::readRuntimeText(const QString& section,
                                                       const QString& key) const {
    return profiles_.find(paths_.runtimeFile, section, key);
}

bool LoadedNotebook::writeRuntimeText(const QString& section, const QString& key,
                                      const QString& text) {
    return profiles_.writeString(paths_.runtimeFile, section, key, text);
}

bool LoadedNotebook::pathExists(const QString& path) {
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

bool LoadedNotebook::removeFolder(const QString& path) {
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
