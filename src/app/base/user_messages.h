// Showing a worded message of the messages library through the prompter.
#pragma once

#include "messages/user_message.h"

#include <QString>

namespace oxlin::app {

class Prompter;

// One message box with the message's text, caption and icon; nothing for an
// empty text.
void showMessage(Prompter& prompter, const messages::UserMessage& message);

// Whether an export may write `target`: true when nothing holds the name, or
// when the user answers Yes to replacing it (No is the default).
bool mayReplace(Prompter& prompter, const QString& target);

} // namespace oxlin::app
