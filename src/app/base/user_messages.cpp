#include "app/base/user_messages.h"

#include "app/base/prompter.h"
#include "core/transfer/export.h"
#include "messages/transfer_messages.h"

namespace oxlin::app {

namespace {

PromptIcon promptIcon(messages::MessageIcon icon) {
    switch (icon) {
    case messages::MessageIcon::Information:
        return PromptIcon::Information;
    case messages::MessageIcon::Warning:
        return PromptIcon::Warning;
    case messages::MessageIcon::Error:
        return PromptIcon::Error;
    case messages::MessageIcon::None:
        break;
    }
    return PromptIcon::None;
}

} // namespace

bool mayReplace(Prompter& prompter, const QString& target) {
    if (!transfer::exportTargetTaken(target))
        return true;
    const messages::UserMessage question = messages::TransferMessages::replaceQuestion(target);
    return prompter.message(question.text, question.caption, PromptIcon::Question,
                            PromptButtons::YesNoDefaultNo) == PromptAnswer::Yes;
}

void showMessage(Prompter& prompter, const messages::UserMessage& message) {
    if (!message.text.isEmpty())
        prompter.message(message.text, message.caption, promptIcon(message.icon));
}

} // namespace oxlin::app
