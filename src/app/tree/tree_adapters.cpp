#include "app/tree/tree_adapters.h"

#include "app/base/prompter.h"
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

} // namespace oxlin::app
