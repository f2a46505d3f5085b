// One message box as the programs show it: text, caption and icon.
#pragma once

#include <QString>

namespace oxlin::messages {

enum class MessageIcon { None, Information, Warning, Error };

struct UserMessage {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

} // namespace oxlin::messages
