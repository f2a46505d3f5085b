// The words said after an import or an export.
#pragma once

#include "core/transfer/export.h"
#include "core/transfer/import.h"
#include "messages/user_message.h"

#include <QCoreApplication>

#include <vector>

namespace oxlin::messages {

class TransferMessages {
    Q_DECLARE_TR_FUNCTIONS(TransferMessages)

public:
    // What to tell the user after an import, in order: one warning per file
    // too large, the stop (once), then one summary of the files that could
    // not be read, the special files and unreadable folders left out and the
    // linked folders passed over. Empty when all went well or the user cancelled.
    static std::vector<UserMessage> afterImport(const transfer::ImportReport& report);
    // Asked before an export replaces something already at `target`.
    static UserMessage replaceQuestion(const QString& target);
    // After exporting one topic as a file.
    static UserMessage afterFileExport(bool exported);
    // After exporting a folder, with a summary of what could not be written.
    static UserMessage afterFolderExport(const transfer::FolderExportReport& report);
};

} // namespace oxlin::messages
