// Showing a worded message of the messages library through the prompter.
#pragma once

#include "messages/user_message.h"

namespace oxlin::app {

class Prompter;

// One message box with the message's text, caption and icon; nothing for an
// empty text.
void showMessage(Prompter& prompter, const messages::UserMessage& message);

} // namespace oxlin::app
