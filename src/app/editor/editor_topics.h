#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace oxlin::app {

// A tree item's run-time handle. 0 is "no item".
using ItemHandle = quint32;

// What the editor needs to know about topics; the tree supplies it. Keeping it
// this small lets the editor be tested against a folder and a few labels.
class EditorTopics {
public:
    virtual ~EditorTopics() = default;
    // The open notebook's working folder.
    virtual QString workingFolder() const = 0;
    // Full path of the topic's compressed file, or nothing for a folder or a dead handle.
    virtual std::optional<QString> topicFilePath(ItemHandle topic) const = 0;
    virtual std::optional<QString> label(ItemHandle topic) const = 0;
    // Gives the topic a new label through the tree's relabel (index and image follow).
    virtual void relabel(ItemHandle topic, const QString& newLabel) = 0;
};

} // namespace oxlin::app
