#include "tree/topic_opener.h"

#include "editor/editor_host.h"
#include "shell/launcher.h"
#include "store/compressed_file.h"
#include "store/notebook_session.h"
#include "tree/topic_kind.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

namespace oxlin::app {

TopicOpener::TopicOpener(store::NotebookSession& session, EditorHost& editor, Launcher& launcher,
                         QObject* parent)
    : QObject(parent), session_(session), editor_(editor), launcher_(launcher) {}

TopicOpener::~TopicOpener() { waitForWorkers(); }

void TopicOpener::open(tree::ItemHandle item) {
    tree::TopicTree& tree = session_.tree();
    const tree::TreeItem* found = tree.find(item);
    if (!found || found->isFolder() || item == editor_.currentTopic())
        return;
    const QString label = found->label;
    const tree::TopicKind kind = tree::topicKind(label);
    if (kind == tree::TopicKind::None)
        return;
    if (kind == tree::TopicKind::File) {
        openFileTopic(item, label, found->record->fileId);
        return;
    }

    if (tree::TopicRecord* current = tree.record(editor_.currentTopic()))
        current->viewPosition = editor_.viewPosition();
    const int saved = editor_.saveTopic();
    if (saved == -1)
        return; // the editor could not write its topic: keep it rather than lose the text
    editor_.closeTopic();
    if (editor_.loadTopic(item) != 0)
        return;
    lastOpened_ = item;
    if (!navigating_) {
        session_.history().record(item);
        Q_EMIT historyChanged(session_.history().size() > 1,
                              session_.history().newer(item) != tree::kNoItem);
    }
    if (const tree::TopicRecord* record = tree.record(item); record && record->viewPosition != 0)
        editor_.restoreViewPosition(record->viewPosition);
    Q_EMIT openedInEditor(item);
}

void TopicOpener::compressLastOpenedTopic() {
    const tree::TreeItem* item = session_.tree().find(lastOpened_);
    if (!item || !item->isTopic())
        return;
    const QString folder = session_.paths().workingFolder;
    const QString copy = tree::workingCopyPath(folder, item->label);
    if (copy.isEmpty() || !QFileInfo::exists(copy))
        return;
    // The editor's own topic is written by the editor.
    if (lastOpened_ == editor_.currentTopic() && editor_.isOpen())
        return;
    store::compressFile(copy, tree::topicFilePath(folder, item->record->fileId));
}

void TopicOpener::openFileTopic(tree::ItemHandle item, const QString& label, qint32 fileId) {
    compressLastOpenedTopic();
    const QString folder = session_.paths().workingFolder;
    const QString copy = tree::workingCopyPath(folder, label);
    if (copy.isEmpty())
        return; // the label cannot name a file inside the working folder
    const QString source = tree::topicFilePath(folder, fileId);

    ++runningWorkers_;
    QPointer<TopicOpener> self(this);
    QThread* worker = QThread::create([self, source, copy, item] {
        store::decompressFile(source, copy);
        // Back on the UI thread: hand the file to its application.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, copy, item] {
                if (!self)
                    return;
                --self->runningWorkers_;
                self->launcher_.openWithApplication(copy);
                self->lastOpened_ = item;
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

void TopicOpener::back() { navigate(true); }
void TopicOpener::forward() { navigate(false); }

void TopicOpener::navigate(bool older) {
    tree::TopicHistory& history = session_.history();
    const tree::ItemHandle target =
        older ? history.older(lastOpened_) : history.newer(lastOpened_);
    if (target == tree::kNoItem) {
        Q_EMIT historyChanged(older ? false : history.older(lastOpened_) != tree::kNoItem,
                              older ? history.newer(lastOpened_) != tree::kNoItem : false);
        return;
    }
    if (!session_.tree().contains(target)) {
        // The topic was moved or deleted since: drop its entry.
        history.remove(target);
        Q_EMIT historyChanged(!history.isEmpty() && history.older(lastOpened_) != tree::kNoItem,
                              !history.isEmpty() && history.newer(lastOpened_) != tree::kNoItem);
        return;
    }
    navigating_ = true;
    Q_EMIT selectRequested(target);
    open(target);
    navigating_ = false;
    Q_EMIT historyChanged(history.older(target) != tree::kNoItem,
                          history.newer(target) != tree::kNoItem);
}

} // namespace oxlin::app
