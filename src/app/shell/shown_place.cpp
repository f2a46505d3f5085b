#include "app/shell/shown_place.h"

#include "app/editor/editor_host.h"
#include "app/editor/topic_text_edit.h"
#include "app/tree/tree_controller.h"

#include <QScrollBar>
#include <QTextCursor>

#include <algorithm>

namespace oxlin::app {

namespace {

tree::ItemHandle topicWithFileId(const tree::TopicTree& tree, qint32 fileId) {
    tree::ItemHandle found = tree::kNoItem;
    tree.walk([&](const tree::TreeItem& item, int) {
        if (found == tree::kNoItem && item.record && item.record->fileId == fileId)
            found = item.handle;
    });
    return found;
}

// Returns the topic shown again, or kNoItem.
tree::ItemHandle reopenEditorTopic(const ShownPlace& place, tree::TopicTree& tree,
                                   EditorHost& editor) {
    const tree::ItemHandle topic = topicWithFileId(tree, place.editorFileId);
    if (topic == tree::kNoItem) {
        editor.closeTopic();
        return tree::kNoItem;
    }
    // The handle the editor holds may belong to the tree before the merge.
    editor.repointTopic(topic);
    if (editor.loadTopic(topic) != EditorResult::Ok)
        return tree::kNoItem;
    TopicTextEdit& edit = *editor.editor();
    QTextCursor caret = edit.textCursor();
    caret.setPosition(std::clamp(place.caret, 0, edit.document()->characterCount() - 1));
    edit.setTextCursor(caret);
    edit.verticalScrollBar()->setValue(place.scroll);
    return topic;
}

} // namespace

ShownPlace placeShown(const tree::TopicTree& tree, const EditorHost& editor,
                      tree::ItemHandle selection) {
    ShownPlace place;
    if (editor.isOpen() && editor.currentTopic() != 0) {
        if (const tree::TreeItem* topic = tree.find(editor.currentTopic());
            topic && topic->record) {
            place.editorFileId = topic->record->fileId;
            place.caret = editor.editor()->textCursor().position();
            place.scroll = editor.editor()->verticalScrollBar()->value();
        }
    }
    const tree::TreeItem* selected = tree.find(selection);
    if (selected && selected->record)
        place.selectedFileId = selected->record->fileId;
    else if (selected)
        place.selectedPath = tree.itemPath(selection);
    return place;
}

void showAgain(const ShownPlace& place, tree::TopicTree& tree, EditorHost& editor,
               TreeController& treeController) {
    if (place.editorFileId != 0 && editor.isOpen() && !editor.hasUnwrittenChanges())
        treeController.operations().followReloadedTree(reopenEditorTopic(place, tree, editor));
    const tree::ItemHandle selected = place.selectedFileId != 0
                                          ? topicWithFileId(tree, place.selectedFileId)
                                          : tree.findByPath(place.selectedPath);
    if (selected != tree::kNoItem)
        treeController.select(selected);
}

} // namespace oxlin::app
