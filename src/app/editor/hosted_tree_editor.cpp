#include "app/editor/hosted_tree_editor.h"

#include "app/editor/editor_host.h"

namespace oxlin::app {

tree::ItemHandle HostedTreeEditor::currentItem() const {
    return host_.currentTopic();
}

// NotWritten is a failed write; the other results mean there was nothing to save.
bool HostedTreeEditor::saveTopic() {
    return host_.saveTopic() != EditorResult::NotWritten;
}

// closeTopic empties the control and removes the working copy; it never saves.
void HostedTreeEditor::closeWithoutSaving() {
    host_.closeTopic();
}

void HostedTreeEditor::repoint(tree::ItemHandle item) {
    host_.repointTopic(item);
}

quint32 HostedTreeEditor::viewPosition() const {
    return host_.viewPosition();
}

bool HostedTreeEditor::loadTopic(tree::ItemHandle item) {
    return host_.loadTopic(item) == EditorResult::Ok;
}

void HostedTreeEditor::restoreViewPosition(quint32 position) {
    host_.restoreViewPosition(position);
}

} // namespace oxlin::app
