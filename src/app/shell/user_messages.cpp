#include "app/shell/user_messages.h"

#include "app/shell/prompter.h"

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

void showMessage(Prompter& prompter, const messages::UserMessage& message) {
    if (!message.text.isEmpty())
        prompter.message(message.text, message.caption, promptIcon(message.icon));
}

} // namespace oxlin::app
