#include "cli/commands.h"

#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/notebook_paths.h"
#include "core/store/package.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace oxlin::cli {

namespace {

// Lists the tree of a package, one item per line in tree order.
int listTree(const QStringList& arguments) {
    const QString& package = arguments[0];
    QTemporaryDir folder;
    tree::TopicTree tree;
    tree::TreeLoadNotes notes;
    if (!readPackageTree(package, folder, tree, &notes))
        return kFailure;
    if (notes.any())
        complain(QStringLiteral("the tree of %1 is damaged: %2 overlong lines and %3 overlong "
                                "labels skipped, %4 unnamed folders, %5 topic ids renumbered, "
                                "%6 topics dropped")
                     .arg(package)
                     .arg(notes.skippedLines)
                     .arg(notes.skippedLabels)
                     .arg(notes.unnamedFolders)
                     .arg(notes.renumbered)
                     .arg(notes.droppedTopics));
    tree.walk([&](const tree::TreeItem& item, int) {
        const QString path = tree.itemPath(item.handle);
        if (item.isFolder())
            printLine(path + QLatin1Char('\\'));
        else
            printLine(path + QLatin1Char('\t') + QString::number(item.record->fileId));
    });
    return std::fflush(stdout) == 0 ? kSuccess : kFailure;
}

// Writes the package of a brand-new, empty notebook: the entries Tree and Z,
// each an empty file compressed. An existing file is never replaced.
int newNotebook(const QStringList& arguments) {
    const QString& package = arguments[0];
    if (QFileInfo::exists(package)) {
        complain(QStringLiteral("%1 already exists").arg(package));
        return kFailure;
    }
    QTemporaryDir folder;
    if (!folder.isValid()) {
        complain(QStringLiteral("cannot create a temporary folder"));
        return kFailure;
    }
    for (const auto& [plain, compressed] :
         {std::pair{store::kTreeFileName, store::kCompressedTreeFileName},
          std::pair{store::kRuntimeFileName, store::kCompressedRuntimeFileName}}) {
        QFile empty(folder.filePath(QLatin1String(plain)));
        if (!empty.open(QIODevice::WriteOnly) ||
            store::compressFile(empty.fileName(), folder.filePath(QLatin1String(compressed))) !=
                1) {
            complain(QStringLiteral("cannot prepare the notebook"));
            return kFailure;
        }
    }
    if (store::packFolder(folder.path(), package) != 1) {
        complain(QStringLiteral("cannot write %1").arg(package));
        return kFailure;
    }
    return kSuccess;
}

} // namespace

std::vector<Command> treeCommands() {
    return {
        {"tree", "PACKAGE", "list the folders and topics of a notebook package", 1, 1, listTree},
        {"new", "PACKAGE", "create an empty notebook package", 1, 1, newNotebook},
    };
}

} // namespace oxlin::cli
