#include "app/tree/topic_opener.h"

#include "app/editor/editor_host.h"
#include "app/shell/launcher.h"
#include "core/store/compressed_file.h"
#include "core/session/notebook_session.h"
#include "core/tree/topic_kind.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>

namespace oxlin::app {

TopicOpener::TopicOpener(session::NotebookSession& session, EditorHost& editor, Launcher& launcher,
                         QObject* parent)
    : QObject(parent), session_(session), editor_(editor), launcher_(launcher) {}

TopicOpener::~TopicOpener() { waitForWorkers(); }

bool TopicOpener::compressWorkingCopy(tree::ItemHandle item) {
    // A copy still being written out is not complete yet.
    waitForWorkers();
    const tree::TreeItem* found = session_.tree().find(item);
    if (!found || !found->isTopic())
        return true;
    const QString copy = copyFor(*found);
    if (copy.isEmpty() || !QFileInfo::exists(copy))
        return true;
    if (item == editor_.currentTopic() && editor_.isOpen())
        return true;
    return store::compressFile(copy, tree::topicFilePath(session_.paths().workingFolder,
                                                         found->record->fileId)) == 1;
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
    QDir().mkpath(QFileInfo(copy).absolutePath());
    const QString source = tree::topicFilePath(folder, found->record->fileId);
    openedFileId_ = found->record->fileId;
    openedCopy_ = copy;

    ++runningWorkers_;
    QPointer<TopicOpener> self(this);
    QThread* worker = QThread::create([self, source, copy] {
        store::decompressFile(source, copy);
        // Back on the UI thread: hand the file to its application.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, copy] {
                if (!self)
                    return;
                --self->runningWorkers_;
                if (!self->launcher_.openWithApplication(copy))
                    Q_EMIT self->noApplication(QFileInfo(copy).fileName());
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void TopicOpener::waitForWorkers() {
    while (runningWorkers_ > 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

} // namespace oxlin::app
