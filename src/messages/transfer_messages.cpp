#include "messages/transfer_messages.h"

#include "messages/tree_messages.h"

#include <QDir>

namespace oxlin::messages {

namespace {

QString listed(const QStringList& paths) {
    QStringList native;
    for (const QString& path : paths)
        native.append(QDir::toNativeSeparators(path));
    return native.join(QLatin1Char('\n'));
}

} // namespace

std::vector<UserMessage> TransferMessages::afterImport(const transfer::ImportReport& report) {
    using transfer::ImportStop;
    const QString caption = TreeMessages::caption();
    std::vector<UserMessage> messages;
    for (const QString& path : report.tooLarge)
        messages.push_back({tr("File(%1) is larger than 10M bytes.\r\nWe don't suggest "
                               "to import such a big file.")
                                .arg(QDir::toNativeSeparators(path)),
                            caption, MessageIcon::Warning});
    switch (report.stop) {
    case ImportStop::None:
    case ImportStop::Cancelled:
        break;
    case ImportStop::FolderTooBig:
        messages.push_back({tr("Size of folder is too big. Some files are "
                               "ignored.\r\nOperation terminate."),
                            caption, MessageIcon::Warning});
        break;
    case ImportStop::TooManyFiles:
        messages.push_back({tr("Too many files in this folder.\r\nImport operation "
                               "terminate."),
                            caption, MessageIcon::Warning});
        break;
    case ImportStop::NotebookFull:
        messages.push_back({TreeMessages::notebookFull(), caption, MessageIcon::Warning});
        break;
    case ImportStop::NoFileId:
    case ImportStop::WriteFailed:
        messages.push_back({tr("The import stopped at %1: the notebook's working "
                               "folder could not be written (is the disk full?).")
                                .arg(QDir::toNativeSeparators(report.stoppedAt)),
                            caption, MessageIcon::Error});
        break;
    }
    QStringList parts;
    if (!report.unreadable.isEmpty())
        parts.append(tr("These files could not be read and were not imported:\n%1")
                         .arg(listed(report.unreadable)));
    if (!report.notRegular.isEmpty())
        parts.append(tr("These are not regular files (a pipe, a device or a socket) and were "
                        "not imported:\n%1")
                         .arg(listed(report.notRegular)));
    if (!report.unreadableFolders.isEmpty())
        parts.append(tr("These folders could not be read and were not imported:\n%1")
                         .arg(listed(report.unreadableFolders)));
    if (!report.linkedFolders.isEmpty())
        parts.append(
            tr("These links to folders were not followed:\n%1").arg(listed(report.linkedFolders)));
    if (!parts.isEmpty())
        messages.push_back({parts.join(QLatin1String("\n\n")), caption, MessageIcon::Warning});
    return messages;
}

UserMessage TransferMessages::replaceQuestion(const QString& target) {
    return {tr("%1 already exists.\r\nDo you want to replace it?")
                .arg(QDir::toNativeSeparators(target)),
            tr("Export"), MessageIcon::Warning};
}

UserMessage TransferMessages::afterFileExport(bool exported) {
    if (exported)
        return {tr("export file OK!"), tr("OK"), MessageIcon::None};
    return {tr("export file Failed!"), tr("OK"), MessageIcon::Warning};
}

UserMessage TransferMessages::afterFolderExport(const transfer::FolderExportReport& report) {
    using transfer::FolderExport;
    switch (report.status) {
    case FolderExport::AlreadyExists:
        return {tr("Folder already exist!"), tr("Error"), MessageIcon::Error};
    case FolderExport::CannotCreate:
        return {tr("Failed to create folder!"), tr("ERROR"), MessageIcon::Error};
    case FolderExport::NotAFolder:
        return {};
    case FolderExport::Exported:
        break;
    }
    if (report.failedFiles.isEmpty() && report.failedFolders.isEmpty())
        return {tr("export folder OK!"), tr("OK"), MessageIcon::None};
    return {tr("export folder OK!\n\nThese could not be written:\n%1")
                .arg(listed(report.failedFolders + report.failedFiles)),
            tr("OK"), MessageIcon::Warning};
}

} // namespace oxlin::messages
