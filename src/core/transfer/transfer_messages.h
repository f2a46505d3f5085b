#pragma once

#include "core/transfer/export.h"
#include "core/transfer/import.h"

#include <QString>

#include <vector>

namespace oxlin::transfer {

enum class MessageIcon { None, Information, Warning, Error };

// One message box: the application shows it through its prompter.
struct UserMessage {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

// What to tell the user after an import, in order: one warning per file too
// large, the stop (once), then one summary of the files that could not be
// read and of the linked folders passed over. Empty when all went well or
// the user cancelled.
std::vector<UserMessage> importMessages(const ImportReport& report);

// After exporting one topic as a file.
UserMessage exportFileMessage(bool exported);
// After exporting a folder, with a summary of what could not be written.
UserMessage exportFolderMessage(const FolderExportReport& report);

} // namespace oxlin::transfer
