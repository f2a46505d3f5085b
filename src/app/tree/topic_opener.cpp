#include "app/tree/topic_opener.h"

#include "app/base/launcher.h"
#include "core/session/loaded_notebook.h"
#include "core/store/compressed_file.h"
#include "core/tree/topic_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace oxlin::app {

TopicOpener::TopicOpener(session::LoadedNotebook& session, EditorShows editorShows,
                         Launcher& launcher, QObject* parent)
    : QObject(parent), session_(session), editorShows_(std::move(editorShows)),
      launcher_(launcher) {}

TopicOpener::~TopicOpener() {
    // Going away: the copies are complete on disk, but nobody opens them now.
    for (const Worker& worker : workers_) {
        worker.thread->wait();
        delete worker.thread;
    }
}

bool TopicOpener::compressWorkingCopy(tree::ItemHandle item) {
    // A copy still being written out is not complete yet.
    waitForWorkers();
    const tree::TreeItem* found = session_.tree().find(item);
    if (!found || !found->isTopic())
        return true;
    const QString copy = copyFor(*found);
    if (copy.isEmpty() || !QFileInfo::exists(copy))
        return true;
    if (editorShows_(item))
        return true;
    return store::compressFile(
               copy, tree::topicFilePath(session_.paths().workingFolder, found->record->fileId))
        .ok();
}

QString TopicOpener::copyFor(const tree::TreeItem& topic) const {
    if (!openedCopy_.isEmpty() && topic.record->fileId == openedFileId_)
        return openedCopy_;
    return tree::workingCopyPath(session_.paths().workingFolder, topic.label);
}

void TopicOpener::openFileTopic(tree::ItemHandle item, tree::ItemHandle previous) {
    compressWorkingCopy(previous);
    const tree::TreeItem* found = session_.tree().find(item);
    if (!found || !found->isTopic())
        return;
    const QString folder = session_.paths().workingFolder;
    const QString copy = tree::workingCopyPath(folder, found->label);
    if (copy.isEmpty())
        return; // the label cannot name a file inside the working folder
    if (!session_.fileSystem().makePath(QFileInfo(copy).absolutePath()) ||
        !session_.fetchTopicFile(found->record->fileId)) {
        Q_EMIT notExtracted(QFileInfo(copy).fileName());
        return;
    }
    const QString source = tree::topicFilePath(folder, found->record->fileId);
    openedFileId_ = found->record->fileId;
    openedCopy_ = copy;

    const quint64 id = ++lastWorkerId_;
    auto extracted = std::make_shared<std::atomic<bool>>(false);
    // A topic that never had a file (made in the tree, then named "x.doc")
    // opens as an empty file: decompressFile leaves the copy empty then.
    QThread* thread = QThread::create([source, copy, extracted] {
        *extracted = store::decompressFile(source, copy).ok() || !QFileInfo::exists(source);
    });
    // Emitted on the worker's thread, so this runs queued on the UI thread.
    connect(thread, &QThread::finished, this, [this, id] { finish(id); });
    workers_.push_back({id, thread, copy, extracted});
    thread->start();
}

void TopicOpener::finish(quint64 id) {
    const auto it = std::find_if(workers_.begin(), workers_.end(),
                                 [id](const Worker& w) { return w.id == id; });
    if (it == workers_.end())
        return; // already joined and opened
    const Worker worker = *it;
    workers_.erase(it);
    worker.thread->wait();
    // Later: this may run in a slot of the thread's own signal.
    worker.thread->deleteLater();
    if (!*worker.extracted) {
        // An application would show the user a part of the topic, and what
        // they saved of it would go back over the whole.
        dropCopy(worker.copy);
        Q_EMIT notExtracted(QFileInfo(worker.copy).fileName());
        return;
    }
    if (!launcher_.openWithApplication(worker.copy))
        Q_EMIT noApplication(QFileInfo(worker.copy).fileName());
}

void TopicOpener::dropCopy(const QString& copy) {
    QFile::remove(copy);
    if (copy == openedCopy_) {
        openedCopy_.clear();
        openedFileId_ = 0;
    }
}

void TopicOpener::waitForWorkers() {
    while (!workers_.empty())
        finish(workers_.front().id);
}

} // namespace oxlin::app
