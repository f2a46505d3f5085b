#include "app/editor/session_topics.h"

#include "core/session/notebook_session.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_kind.h"

namespace oxlin::app {

SessionTopics::SessionTopics(session::NotebookSession& session, Relabel relabel)
    : session_(session), relabel_(std::move(relabel)) {}

QString SessionTopics::workingFolder() const {
    return session_.paths().workingFolder;
}

std::optional<QString> SessionTopics::topicFilePath(ItemHandle topic) const {
    const tree::TreeItem* item = session_.tree().find(topic);
    if (!item || !item->isTopic())
        return std::nullopt;
    // Out of the kept package the first time the editor reads or writes it.
    if (!session_.fetchTopicFile(item->record->fileId))
        return std::nullopt;
    return tree::topicFilePath(session_.paths().workingFolder, item->record->fileId);
}

std::optional<QString> SessionTopics::label(ItemHandle topic) const {
    const tree::TreeItem* item = session_.tree().find(topic);
    if (!item)
        return std::nullopt;
    return item->label;
}

void SessionTopics::relabel(ItemHandle topic, const QString& newLabel) {
    if (!relabel_ || !relabel_(topic, newLabel))
        return;
    session_.saveTreeFile();
}

} // namespace oxlin::app
