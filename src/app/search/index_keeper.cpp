#include "app/search/index_keeper.h"

#include "core/session/loaded_notebook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace oxlin::app {

namespace {

// Where the last topic's view (first visible line and caret) is kept: a
// hidden file of our own beside the package, so that neither the package nor
// any file in it changes. Two lines: the topic's item path, its view position.
QString lastViewFile(const paths::NotebookPaths& paths) {
    const QFileInfo package(paths.packageFile);
    return QDir(paths.dataFolder)
        .filePath(QLatin1Char('.') + package.completeBaseName() + QStringLiteral(".view"));
}

} // namespace

IndexKeeper::IndexKeeper(Parts parts, QObject* parent)
    : QObject(parent), parts_(parts), index_(parts.profiles, parts.session.paths()) {
    parts_.session.tree().addObserver(this);
}

IndexKeeper::~IndexKeeper() {
    parts_.session.tree().removeObserver(this);
    stopRebuild();
}

void IndexKeeper::startRebuild() {
    viewKept_ = false;
    startIndexWorker(true);
}

void IndexKeeper::stopRebuild() {
    index_.stopRebuild();
}

void IndexKeeper::startIndexWorker(bool afterLoad) {
    index_.setPaths(parts_.session.paths());
    stale_ = false;
    // Only a load starts a new generation: a refresh must not make the
    // load's end look stale, or LastEdit would never reopen.
    const quint64 generation = afterLoad ? ++generation_ : generation_;
    index_.startRebuild(parts_.session.tree(), [this, generation, afterLoad] {
        // On the worker thread: only post. The user-interface thread may be
        // waiting for this worker, so nothing here may wait for it.
        QMetaObject::invokeMethod(
            this, [this, generation, afterLoad] { rebuildDone(generation, afterLoad); },
            Qt::QueuedConnection);
    });
}

void IndexKeeper::rebuildDone(quint64 generation, bool afterLoad) {
    // The end of a refresh, or of an older load's rebuild posted before
    // another load started one.
    if (!afterLoad || generation != generation_)
        return;
    const tree::ItemHandle lastEdited = index_.lastEditedTopic(parts_.session.tree());
    restoreLastView(lastEdited);
    Q_EMIT loadIndexed(lastEdited);
}

void IndexKeeper::restoreLastView(tree::ItemHandle lastEdited) {
    tree::TopicRecord* record = parts_.session.tree().record(lastEdited);
    QFile file(lastViewFile(parts_.session.paths()));
    if (!record || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    const QStringList lines = QString::fromUtf8(file.read(64 * 1024)).split(QLatin1Char('\n'));
    // A view kept for another topic, or before a rename, is not this one's.
    if (lines.size() < 2 || lines[0] != parts_.session.tree().itemPath(lastEdited))
        return;
    bool ok = false;
    const quint32 position = lines[1].toUInt(&ok);
    if (ok)
        record->viewPosition = position;
}

void IndexKeeper::scheduleRefresh() {
    if (stale_)
        return;
    stale_ = true;
    // After the change has settled: a move removes and inserts, a relabel
    // drops and adds, and one rewrite covers them all.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (stale_ && !parts_.session.tree().isEmpty())
                startIndexWorker(false);
        },
        Qt::QueuedConnection);
}

void IndexKeeper::refreshNow() {
    if (stale_) {
        stale_ = false;
        index_.rebuildNow(parts_.session.tree());
    } else {
        index_.waitForRebuild();
    }
}

void IndexKeeper::inserted(tree::ItemHandle, int, tree::ItemHandle) {
    scheduleRefresh();
}

void IndexKeeper::aboutToRemove(tree::ItemHandle, int, tree::ItemHandle) {
    scheduleRefresh();
}

void IndexKeeper::changed(tree::ItemHandle item) {
    const tree::TreeItem* found = parts_.session.tree().find(item);
    if (found && found->isTopic())
        scheduleRefresh();
}

void IndexKeeper::writeLastEdit() {
    const tree::TopicTree& tree = parts_.session.tree();
    const tree::ItemHandle open = parts_.editor.currentItem();
    index_.writeLastEdited(tree, open);
    if (viewKept_ || !tree.contains(open))
        return;
    QSaveFile file(lastViewFile(parts_.session.paths()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    file.write(tree.itemPath(open).toUtf8() + '\n' +
               QByteArray::number(parts_.editor.viewPosition()) + '\n');
    (void)file.commit();
}

void IndexKeeper::keepViewBeforeShutDown() {
    writeLastEdit();
    viewKept_ = true;
}

void IndexKeeper::dropItem(tree::ItemHandle item) {
    index_.dropItem(parts_.session.tree(), item);
}

void IndexKeeper::addItem(tree::ItemHandle item) {
    index_.addItem(parts_.session.tree(), item);
}

} // namespace oxlin::app
