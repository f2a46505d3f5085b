#include "app/search/index_keeper.h"

#include "core/session/loaded_notebook.h"

namespace oxlin::app {

IndexKeeper::IndexKeeper(Parts parts, QObject* parent)
    : QObject(parent), parts_(parts), index_(parts.profiles, parts.session.paths()) {
    parts_.session.tree().addObserver(this);
}

IndexKeeper::~IndexKeeper() {
    parts_.session.tree().removeObserver(this);
    stopRebuild();
}

void IndexKeeper::startRebuild() {
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
    Q_EMIT loadIndexed(index_.lastEditedTopic(parts_.session.tree()));
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
    index_.writeLastEdited(parts_.session.tree(), parts_.editor.currentItem());
}

void IndexKeeper::dropItem(tree::ItemHandle item) {
    index_.dropItem(parts_.session.tree(), item);
}

void IndexKeeper::addItem(tree::ItemHandle item) {
    index_.addItem(parts_.session.tree(), item);
}

} // namespace oxlin::app
