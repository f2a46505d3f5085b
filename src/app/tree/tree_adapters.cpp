#include "app/tree/tree_adapters.h"

#include "app/editor/editor_host.h"
#include "app/shell/prompter.h"

namespace oxlin::app {

namespace {

PromptIcon promptIcon(tree::QuestionIcon icon) {
    switch (icon) {
    case tree::QuestionIcon::Information: return PromptIcon::Information;
    case tree::QuestionIcon::Warning: return PromptIcon::Warning;
    case tree::QuestionIcon::Question: return PromptIcon::Question;
    }
    return PromptIcon::None;
}

} // namespace

bool PrompterQuestions::askYesNo(const QString& text, const QString& caption,
                                 tree::QuestionIcon icon) {
    return prompter_.message(text, caption, promptIcon(icon), PromptButtons::YesNo) ==
           PromptAnswer::Yes;
}

void PrompterQuestions::tell(const QString& text, const QString& caption, tree::QuestionIcon icon) {
    prompter_.message(text, caption, promptIcon(icon), PromptButtons::Ok);
}

tree::ItemHandle HostedTreeEditor::currentItem() const { return host_.currentTopic(); }

// -1 is a failed write; the other codes mean there was nothing to save.
bool HostedTreeEditor::saveTopic() { return host_.saveTopic() != -1; }

// closeTopic empties the control and removes the working copy; it never saves.
void HostedTreeEditor::closeWithoutSaving() { host_.closeTopic(); }

void HostedTreeEditor::repoint(tree::ItemHandle item) { host_.repointTopic(item); }

quint32 HostedTreeEditor::viewPosition() const { return host_.viewPosition(); }

bool HostedTreeEditor::loadTopic(tree::ItemHandle item) { return host_.loadTopic(item) == 0; }

void HostedTreeEditor::restoreViewPosition(quint32 position) {
    host_.restoreViewPosition(position);
}

} // namespace oxlin::app
