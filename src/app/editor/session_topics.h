#pragma once

#include "app/editor/editor_topics.h"

#include <functional>

namespace oxlin::session {
class NotebookSession;
}

namespace oxlin::app {

// The editor's questions about topics, answered from the open notebook's
// session. A relabel goes through `relabel` (the tree operations, so the
// topic index follows) and then writes the tree file at once, so the new
// label survives an unclean end.
class SessionTopics final : public EditorTopics {
public:
    using Relabel = std::function<bool(ItemHandle topic, const QString& newLabel)>;
    // `session` is borrowed and must outlive this.
    SessionTopics(session::NotebookSession& session, Relabel relabel);

    QString workingFolder() const override;
    std::optional<QString> topicFilePath(ItemHandle topic) const override;
    std::optional<QString> label(ItemHandle topic) const override;
    void relabel(ItemHandle topic, const QString& newLabel) override;

private:
    session::NotebookSession& session_;
    Relabel relabel_;
};

} // namespace oxlin::app
