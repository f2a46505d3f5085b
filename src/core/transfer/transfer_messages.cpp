#include "core/transfer/transfer_messages.h"

#include "core/tree/tree_operations.h"

#include <QDir>

namespace oxlin::transfer {

namespace {

const QString kCaption = QStringLiteral("Oxlin");

QString listed(const QStringList& paths) {
    QStringList native;
    for (const QString& path : paths)
        native.append(QDir::toNativeSeparators(path));
    return native.join(QLatin1Char('\n'));
}

} // namespace

std::vector<UserMessage> importMessages(const ImportReport& report) {
    std::vector<UserMessage> messages;
    for (const QString& path : report.tooLarge)
        messages.push_back({QStringLiteral("File(%1) is larger than 10M bytes.\r\nWe don't suggest "
                                           "to import such a big file.")
                                .arg(QDir::toNativeSeparators(path)),
                            kCaption, MessageIcon::Warning});
    switch (report.stop) {
    case ImportStop::None:
    case ImportStop::Cancelled:
        break;
    case ImportStop::FolderTooBig:
        messages.push_back({QStringLiteral("Size of folder is too big. Some files are "
                                           "ignored.\r\nOperation terminate."),
                            kCaption, MessageIcon::Warning});
        break;
    case ImportStop::TooManyFiles:
        messages.push_back({QStringLiteral("Too many files in this folder.\r\nImport operation "
                                           "terminate."),
                            kCaption, MessageIcon::Warning});
        break;
    case ImportStop::NotebookFull:
        messages.push_back({tree::notebookFullMessage(), kCaption, MessageIcon::Warning});
        break;
    case ImportStop::NoFileId:
    case ImportStop::WriteFailed:
        messages.push_back({QStringLiteral("The import stopped at %1: the notebook's working "
                                           "folder could not be written (is the disk full?).")
                                .arg(QDir::toNativeSeparators(report.stoppedAt)),
                            kCaption, MessageIcon::Error});
        break;
    }
    QStringList parts;
    if (!report.unreadable.isEmpty())
        parts.append(QStringLiteral("These files could not be read and were not imported:\n%1")
                         .arg(listed(report.unreadable)));
    if (!report.linkedFolders.isEmpty())
        parts.append(QStringLiteral("These links to folders were not followed:\n%1")
                         .arg(listed(report.linkedFolders)));
    if (!parts.isEmpty())
        messages.push_back({parts.join(QLatin1String("\n\n")), kCaption, MessageIcon::Warning});
    return messages;
}

UserMessage exportFileMessage(bool exported) {
    if (exported)
        return {QStringLiteral("export file OK!"), QStringLiteral("OK"), MessageIcon::None};
    return {QStringLiteral("export file Failed!"), QStringLiteral("OK"), MessageIcon::Warning};
}

UserMessage exportFolderMessage(const FolderExportReport& report) {
    switch (report.status) {
    case FolderExport::AlreadyExists:
        return {QStringLiteral("Folder already exist!"), QStringLiteral("Error"), MessageIcon::Error};
    case FolderExport::CannotCreate:
        return {QStringLiteral("Failed to create folder!"), QStringLiteral("ERROR"),
                MessageIcon::Error};
    case FolderExport::NotAFolder:
        return {};
    case FolderExport::Exported:
        break;
    }
    if (report.failedFiles.isEmpty() && report.failedFolders.isEmpty())
        return {QStringLiteral("export folder OK!"), QStringLiteral("OK"), MessageIcon::None};
    return {QStringLiteral("export folder OK!\n\nThese could not be written:\n%1")
                .arg(listed(report.failedFolders + report.failedFiles)),
            QStringLiteral("OK"), MessageIcon::Warning};
}

} // namespace oxlin::transfer
