// `oxlin add`: text from a file or a pipe into a topic of a closed notebook.
#include "cli/merge_commands.h"

#include "core/merge/notebook_content.h"
#include "core/merge/runtime_merge.h"
#include "core/session/notebook_session.h"
#include "core/store/compressed_file.h"
#include "core/store/ini_document.h"
#include "core/tree/topic_kind.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_file_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace oxlin::cli {

namespace {

using tree::ItemHandle;

const QString kTreeMember = QStringLiteral("Tree");
const QString kRuntimeMember = QStringLiteral("Z");

// The child of `parent` labelled `label` (without regard to case) that is a
// folder or a topic as asked; kNoItem when there is none.
ItemHandle childNamed(const tree::TopicTree& tree, ItemHandle parent, const QString& label,
                      bool folder) {
    for (const ItemHandle child : tree.children(parent)) {
        const tree::TreeItem* item = tree.find(child);
        if (item->isFolder() == folder && item->label.compare(label, Qt::CaseInsensitive) == 0)
            return child;
    }
    return tree::kNoItem;
}

bool validLabels(const QStringList& labels, const QString& itemPath) {
    for (const QString& label : labels)
        if (label.isEmpty() || label.contains(u'=') ||
            label.toUtf8().size() > tree::tree_file_format::kMaxLabelBytes) {
            complain(Texts::tr("%1 is not an item path: labels must not be empty, hold "
                               "\"=\" or pass 255 bytes")
                         .arg(itemPath));
            return false;
        }
    if (tree::topicKind(labels.last()) != tree::TopicKind::Text) {
        complain(Texts::tr("%1 does not name a text topic (a label ending in .txt)").arg(itemPath));
        return false;
    }
    return true;
}

bool readInput(const QString& source, QByteArray& text) {
    QFile file;
    const bool opened = source == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(source), file.open(QIODevice::ReadOnly));
    if (opened)
        text = file.readAll();
    if (!opened || file.error() != QFileDevice::NoError) {
        complain(Texts::tr("cannot read %1: %2").arg(source, file.errorString()));
        return false;
    }
    return true;
}

bool readNotebook(const QString& package, merge::NotebookContent& content) {
    if (!QFileInfo::exists(package)) {
        QByteArray empty;
        if (!store::compressBuffer(QByteArray(), empty).ok())
            return false;
        content.put(kTreeMember, empty);
        content.put(kRuntimeMember, empty);
        return true;
    }
    if (readPackageContent(package, content).ok())
        return true;
    complain(Texts::tr("cannot read the package %1: it is damaged or not a notebook package")
                 .arg(package));
    return false;
}

// The next id the notebook has not given out.
qint32 nextFileId(const merge::NotebookContent& content, const tree::TopicTree& tree) {
    QByteArray runtime;
    content.text(kRuntimeMember, runtime);
    qint32 highest = merge::fileIdCountOf(runtime);
    tree.walk([&](const tree::TreeItem& item, int) {
        if (item.isTopic())
            highest = std::max(highest, item.record->fileId);
    });
    return highest + 1;
}

// The topic's text with `text` after it, on a line of its own.
bool appendTo(merge::NotebookContent& content, const QString& member, const QByteArray& text) {
    QByteArray old;
    if (content.contains(member) && !store::decompressBuffer(content.bytes(member), old).ok())
        return false;
    if (!old.isEmpty() && !old.endsWith('\n'))
        old += old.contains("\r\n") ? "\r\n" : "\n";
    QByteArray stored;
    if (!store::compressBuffer(old + text, stored).ok())
        return false;
    content.put(member, stored);
    return true;
}

// Adds `text` to the topic at `labels` of `content`, making it (and its
// folders) when it is not there.
bool addToContent(merge::NotebookContent& content, const QStringList& labels,
                  const QByteArray& text) {
    QByteArray treeText;
    content.text(kTreeMember, treeText);
    tree::TopicTree tree;
    tree::loadTree(tree, store::IniDocument::parse(treeText), nullptr);
    ItemHandle parent = tree::kTopLevel;
    for (qsizetype i = 0; i + 1 < labels.size(); ++i) {
        ItemHandle folder = childNamed(tree, parent, labels[i], true);
        if (folder == tree::kNoItem)
            folder = tree.insertFolder(parent, tree::InsertPosition::last(), labels[i]);
        parent = folder;
    }
    const ItemHandle topic = childNamed(tree, parent, labels.last(), false);
    if (topic != tree::kNoItem)
        return appendTo(
            content, merge::NotebookContent::topicMember(tree.find(topic)->record->fileId), text);
    const qint32 id = nextFileId(content, tree);
    tree.insertItem(parent, tree::InsertPosition::last(), labels.last(), tree::kTextImage,
                    tree::TopicRecord{id});
    QByteArray runtime, storedTree, storedRuntime;
    content.text(kRuntimeMember, runtime);
    runtime = merge::mergeRuntimeText(runtime, runtime, id);
    if (!store::compressBuffer(tree::treeFileText(tree), storedTree).ok() ||
        !store::compressBuffer(runtime, storedRuntime).ok())
        return false;
    content.put(kTreeMember, storedTree);
    content.put(kRuntimeMember, storedRuntime);
    return appendTo(content, merge::NotebookContent::topicMember(id), text);
}

} // namespace

int addText(const QString& package, const QString& itemPath, const QString& source) {
    const QFileInfo info(package);
    const QString working = info.dir().filePath(info.completeBaseName());
    if (session::NotebookSession::pathExists(working)) {
        complain(Texts::tr("the notebook %1 is open in Oxlin (its working folder %2 "
                           "exists); close that notebook in Oxlin first")
                     .arg(package, QDir::toNativeSeparators(working)));
        return kFailure;
    }
    QString path = itemPath;
    const QStringList labels = path.replace(u'/', u'\\').split(u'\\');
    QByteArray text;
    merge::NotebookContent content;
    if (!validLabels(labels, itemPath) || !readInput(source, text) ||
        !readNotebook(package, content))
        return kFailure;
    if (!addToContent(content, labels, text)) {
        complain(Texts::tr("cannot add to %1 in %2: its topic is damaged").arg(itemPath, package));
        return kFailure;
    }
    const store::Status written = merge::writePackageContent(content, package);
    if (!written.ok()) {
        complain(Texts::tr("cannot write %1: %2").arg(package, written.toString()));
        return kFailure;
    }
    return kSuccess;
}

} // namespace oxlin::cli
