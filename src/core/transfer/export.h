#pragma once

#include "core/store/status.h"
#include "core/tree/tree_model.h"

#include <QString>
#include <QStringList>

namespace oxlin::transfer {

// Writes a topic's stored content to `target` unchanged (decompressed). A
// topic whose file is missing gives an empty file. The file is written beside
// `target` and renamed over it when complete: a failure leaves an existing
// file whole. Replacing is the caller's decision (exportTargetTaken).
store::Status exportTopic(const QString& workingFolder, qint32 fileId, const QString& target);

// Whether anything, a dangling symbolic link included, holds `target`'s name.
bool exportTargetTaken(const QString& target);

enum class FolderExport {
    Exported,
    AlreadyExists, // something is at the chosen path; nothing was written
    CannotCreate,  // the chosen folder could not be made
    NotAFolder,    // the item is not a live folder
};

struct FolderExportReport {
    FolderExport status = FolderExport::NotAFolder;
    int files = 0;
    int folders = 0;         // below the chosen one
    QStringList failedFiles; // could not be written whole; the export went on
    QStringList failedFolders; // could not be made; skipped with what is below
};

// Writes the subtree of `folder` (or of the top level) as a new folder `target`: each topic a file,
// each folder a folder, in tree order. Every item gets a file name of its
// own: a label that is not a valid file name is made one (store::safeFileName), and
// a name already used in its folder, compared without regard to case so the
// result can be copied to any file system, gets " (2)", " (3)", ...
FolderExportReport exportFolder(const tree::TopicTree& tree, tree::ItemHandle folder,
                                const QString& workingFolder, const QString& target);

} // namespace oxlin::transfer
