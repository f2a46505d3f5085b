#include "core/transfer/export.h"

#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/transfer/names.h"
#include "core/tree/topic_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <utility>
#include <vector>

namespace oxlin::transfer {

store::Status exportTopic(const QString& workingFolder, qint32 fileId, const QString& target) {
    // A topic never saved has no file; its content is empty, not lost.
    return store::decompressReplacing(tree::topicFilePath(workingFolder, fileId), target);
}

bool exportTargetTaken(const QString& target) {
    // A link that leads nowhere still holds the name.
    const QFileInfo info(target);
    return info.exists() || info.isSymLink();
}

FolderExportReport exportFolder(const tree::TopicTree& tree, tree::ItemHandle folder,
                                const QString& workingFolder, const QString& target) {
    FolderExportReport report;
    const tree::TreeItem* root = tree.find(folder);
    if (folder != tree::kTopLevel && (!root || !root->isFolder()))
        return report;
    if (exportTargetTaken(target)) {
        report.status = FolderExport::AlreadyExists;
        return report;
    }
    if (!QDir().mkdir(target)) {
        report.status = FolderExport::CannotCreate;
        return report;
    }
    report.status = FolderExport::Exported;
    // Folders still to write, each with the folder made for it; a list rather
    // than recursion, so no depth of tree can exhaust the stack.
    std::vector<std::pair<tree::ItemHandle, QString>> pending{{folder, target}};
    while (!pending.empty()) {
        const auto [item, path] = pending.back();
        pending.pop_back();
        const QDir dir(path);
        QSet<QString> used; // upper case
        std::vector<std::pair<tree::ItemHandle, QString>> subfolders;
        for (tree::ItemHandle child : tree.children(item)) {
            const tree::TreeItem* each = tree.find(child);
            const QString name = freeName(
                store::safeFileName(each->label), each->isTopic(),
                [&](const QString& candidate) { return used.contains(candidate.toUpper()); });
            used.insert(name.toUpper());
            const QString childPath = dir.filePath(name);
            if (each->isTopic()) {
                if (exportTopic(workingFolder, each->record->fileId, childPath).ok())
                    ++report.files;
                else
                    report.failedFiles.append(childPath);
            } else if (QDir().mkdir(childPath)) {
                ++report.folders;
                subfolders.emplace_back(child, childPath);
            } else {
                report.failedFolders.append(childPath);
            }
        }
        // Reversed onto the stack, so folders are written in tree order.
        pending.insert(pending.end(), subfolders.rbegin(), subfolders.rend());
    }
    return report;
}

} // namespace oxlin::transfer
