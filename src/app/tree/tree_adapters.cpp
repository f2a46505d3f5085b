#include "app/tree/tree_adapters.h"

#include "app/editor/editor_host.h"
#include "app/shell/prompter.h"
#include "messages/tree_messages.h"

namespace oxlin::app {

bool PrompterQuestions::confirm(tree::TreeQuestion question, const QString& label,
                                const QString& folderPath) {
    using messages::TreeMessages;
    const bool drop =
        question == tree::TreeQuestion::MoveToTop || question == tree::TreeQuestion::MoveToFolder;
    return prompter_.message(TreeMessages::question(question, label, folderPath),
                             drop ? TreeMessages::dropCaption() : TreeMessages::caption(),
                             drop ? PromptIcon::Question : PromptIcon::Warning,
                             PromptButtons::YesNo) == PromptAnswer::Yes;
}

void PrompterQuestions::refuseLabel(tree::LabelCheck check, const QString& label) {
    prompter_.message(messages::TreeMessages::labelRefused(check, label),
                      messages::TreeMessages::caption(), PromptIcon::Warning);
}

void PrompterQuestions::refuseFullNotebook() {
    prompter_.message(messages::TreeMessages::notebookFull(), messages::TreeMessages::caption(),
                      PromptIcon::Warning);
}

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
