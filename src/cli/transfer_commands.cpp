#include "cli/commands.h"

#include "core/session/notebook_session.h"
#include "core/store/file_names.h"
#include "core/store/profile.h"
#include "core/transfer/export.h"
#include "core/transfer/import.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"
#include "messages/notebook_messages.h"
#include "messages/transfer_messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <climits>

namespace oxlin::cli {

namespace {

const QString kInto = QStringLiteral("--into");
const QString kForce = QStringLiteral("--force");

// The folder the application unpacks the package into while it is open.
QString workingFolderOf(const QString& package) {
    const QFileInfo info(package);
    return info.dir().filePath(info.completeBaseName());
}

// The application works in the working folder and packs it over the package
// at its next save; anything written into the package meanwhile would be lost
// then, and anything read from it would be older than what the user sees.
bool refuseWhenOpen(const QString& package) {
    const QString working = workingFolderOf(package);
    if (!session::NotebookSession::pathExists(working))
        return false;
    complain(QStringLiteral("the notebook %1 is open in Oxlin (its working folder %2 exists); "
                            "close that notebook in Oxlin first")
                 .arg(package, QDir::toNativeSeparators(working)));
    return true;
}

void tell(const std::vector<messages::UserMessage>& messages) {
    for (const messages::UserMessage& message : messages)
        complain(QString(message.text).replace(QLatin1String("\r\n"), QLatin1String(" ")));
}

// `tree` lists folders with a trailing "\"; a path copied from it names the folder.
QString itemPathArgument(QString path) {
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

// The folder an item stands for: itself, or a topic's parent.
tree::ItemHandle folderFor(const tree::TopicTree& tree, tree::ItemHandle item) {
    const tree::TreeItem* found = tree.find(item);
    return found && found->isTopic() ? tree.parent(item) : item;
}

int importInto(const QStringList& arguments) {
    QStringList rest = arguments;
    QString into;
    const qsizetype at = rest.indexOf(kInto);
    if (at >= 0) {
        if (at + 1 >= rest.size()) {
            std::fprintf(stderr, "usage: oxlin import PACKAGE PATH... [--into ITEM\\PATH]\n");
            return kUsage;
        }
        into = rest.at(at + 1);
        rest.remove(at, 2);
    }
    if (rest.size() < 2) {
        std::fprintf(stderr, "usage: oxlin import PACKAGE PATH... [--into ITEM\\PATH]\n");
        return kUsage;
    }
    const QString package = rest.takeFirst();
    const QFileInfo info(package);
    if (!info.isFile() || info.suffix() != QLatin1String("xzz")) {
        complain(QStringLiteral("cannot read the package %1: no such notebook package (NAME.xzz)")
                     .arg(package));
        return kFailure;
    }
    for (const QString& path : rest)
        if (!QFileInfo::exists(path)) {
            complain(QStringLiteral("cannot import %1: no such file or folder").arg(path));
            return kFailure;
        }
    if (refuseWhenOpen(package))
        return kFailure;

    // The notebook is opened, changed and closed exactly as the application
    // does it, so the package is replaced only by a complete pack, and a
    // failed pack leaves the working folder for the application to resume.
    store::ProfileService profiles;
    session::NotebookSession session(profiles, info.absolutePath());
    session.currentBook().notebookName = info.completeBaseName();
    if (store::usableNotebookName(info.completeBaseName()) != info.completeBaseName()) {
        complain(QStringLiteral("cannot open %1: its name cannot be a notebook's").arg(package));
        return kFailure;
    }
    session.setUpPaths();
    const QString working = session.paths().workingFolder;
    if (session.openNotebook() != 1 ||
        session.lastOpenOutcome() != session::OpenOutcome::Unpacked) {
        complain(QStringLiteral("cannot read the package %1: it is damaged or not a notebook "
                                "package")
                     .arg(package));
        // Nothing was changed: the folder holds only what was unpacked, and
        // the copy kept of a damaged package is the package itself.
        session::NotebookSession::removeFolder(working);
        if (!session.damagedPackageCopy().isEmpty())
            QFile::remove(session.damagedPackageCopy());
        return kFailure;
    }
    tree::TopicTree& tree = session.tree();
    tree::ItemHandle parent = tree::kTopLevel;
    if (!into.isEmpty()) {
        parent = folderFor(tree, tree.findByPath(itemPathArgument(into)));
        if (parent == tree::kNoItem) {
            complain(QStringLiteral("%1 holds no item %2").arg(package, into));
            session::NotebookSession::removeFolder(working);
            return kFailure;
        }
    }
    transfer::Importer importer({.tree = tree,
                                 .fileIds = session.fileIds(),
                                 .workingFolder = working,
                                 .addToIndex = {},
                                 .keepGoing = {}});
    importer.importPaths(rest, parent);
    const transfer::ImportReport& report = importer.report();
    tell(messages::TransferMessages::afterImport(report));
    if (session.closeNotebook() != 1) {
        complain(QStringLiteral("could not save the notebook: %1; what was imported is kept in %2")
                     .arg(messages::NotebookMessages::problem(session.saveProblem()),
                          QDir::toNativeSeparators(working)));
        return kFailure;
    }
    printLine(QStringLiteral("imported %1 topics and %2 folders into %3")
                  .arg(report.topics)
                  .arg(report.folders)
                  .arg(package));
    const bool whole = report.stop == transfer::ImportStop::None && report.tooLarge.isEmpty() &&
                       report.unreadable.isEmpty() && report.linkedFolders.isEmpty();
    return whole ? kSuccess : kFailure;
}

int exportItem(const QStringList& arguments) {
    QStringList positional = arguments;
    const bool force = positional.removeAll(kForce) > 0;
    if (positional.size() != 3) {
        std::fprintf(stderr, "usage: oxlin export PACKAGE ITEM\\PATH DEST [--force]\n");
        return kUsage;
    }
    const QString& package = positional[0];
    const QString itemPath = itemPathArgument(positional[1]);
    const QString& destination = positional[2];
    if (refuseWhenOpen(package))
        return kFailure;
    QTemporaryDir folder;
    tree::TopicTree tree;
    if (!readPackageTree(package, folder, tree, nullptr))
        return kFailure;
    const tree::ItemHandle item = tree.findByPath(itemPath);
    const tree::TreeItem* found = tree.find(item);
    if (!found) {
        complain(QStringLiteral("%1 holds no item %2").arg(package, itemPath));
        return kFailure;
    }
    if (found->isTopic()) {
        const QString target = QFileInfo(destination).isDir()
                                   ? QDir(destination).filePath(store::safeFileName(found->label))
                                   : destination;
        // Nothing the user has is replaced unless asked for by name.
        if (!force && transfer::exportTargetTaken(target)) {
            complain(QStringLiteral("cannot export to %1: it already exists (--force replaces "
                                    "it)")
                         .arg(target));
            return kFailure;
        }
        if (QFileInfo(target).isDir()) {
            complain(QStringLiteral("cannot export to %1: it is a folder").arg(target));
            return kFailure;
        }
        if (transfer::exportTopic(folder.path(), found->record->fileId, target) != 1) {
            complain(QStringLiteral("cannot export %1 to %2").arg(itemPath, target));
            return kFailure;
        }
        return kSuccess;
    }
    const transfer::FolderExportReport report =
        transfer::exportFolder(tree, item, folder.path(), destination);
    switch (report.status) {
    case transfer::FolderExport::AlreadyExists:
        complain(QStringLiteral("cannot export to %1: it already exists").arg(destination));
        return kFailure;
    case transfer::FolderExport::CannotCreate:
    case transfer::FolderExport::NotAFolder:
        complain(QStringLiteral("cannot create the folder %1").arg(destination));
        return kFailure;
    case transfer::FolderExport::Exported:
        break;
    }
    for (const QString& path : report.failedFolders + report.failedFiles)
        complain(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path)));
    printLine(QStringLiteral("exported %1 files and %2 folders to %3")
                  .arg(report.files)
                  .arg(report.folders)
                  .arg(destination));
    return report.failedFiles.isEmpty() && report.failedFolders.isEmpty() ? kSuccess : kFailure;
}

} // namespace

std::vector<Command> transferCommands() {
    return {
        {"import", "PACKAGE PATH... [--into ITEM\\PATH]",
         "import files and folders into a notebook as topics and folders", 2, INT_MAX, importInto},
        {"export", "PACKAGE ITEM\\PATH DEST [--force]",
         "export a topic as a file (--force replaces an existing one) or a folder as a new folder",
         3, 4, exportItem},
    };
}

} // namespace oxlin::cli
