#include "cli/commands.h"

#include "core/session/instance_lock.h"
#include "core/session/notebook_session.h"
#include "core/store/file_names.h"
#include "core/store/profile.h"
#include "core/transfer/export.h"
#include "core/transfer/import.h"
#include "core/transfer/source_files.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"
#include "messages/notebook_messages.h"
#include "messages/transfer_messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <climits>
#include <memory>

namespace oxlin::cli {

namespace {

const QString kInto = QStringLiteral("--into");
const QString kForce = QStringLiteral("--force");

// The folder the application unpacks the package into while it is open.
QString workingFolderOf(const QString& package) {
    const QFileInfo info(package);
    return info.dir().filePath(info.completeBaseName());
}

// An oxlin import marks the working folder it makes as its own, and holds
// a lock beside the package while it works (hidden, and outside the folder
// so that the folder can go while it is held). The mark stays when the
// import is killed or cannot pack, so that the next import can take the
// folder up.
constexpr char kImportMarkName[] = ".oxlin-import";

std::unique_ptr<session::SingleInstanceLock> importLock(const QString& package) {
    const QFileInfo info(package);
    return std::make_unique<session::SingleInstanceLock>(
        info.absolutePath(),
        QLatin1Char('.') + info.completeBaseName() + QLatin1String(".oxlin-import.lock"));
}

// What an import needs to hold while it works on a notebook.
struct ImportLocks {
    std::unique_ptr<session::SingleInstanceLock> application; // taken only to resume
    std::unique_ptr<session::SingleInstanceLock> import;
};

void complainImportBusy(const QString& package) {
    complain(Texts::tr("the notebook %1 is being changed by another oxlin import; "
                       "try again once it has ended")
                 .arg(package));
}

// A working folder an oxlin import left (killed, or its pack failed) holds
// what it imported and nothing else: once no import works in it and Oxlin
// does not run on its folder, it is resumed as Oxlin would resume it at
// start. Any other working folder is Oxlin's, and refused.
bool takeUpLeftover(const QString& package, ImportLocks& locks) {
    const QString working = workingFolderOf(package);
    if (!session::NotebookSession::pathExists(working))
        return true;
    if (QFileInfo(working).isSymLink() ||
        !QFileInfo::exists(QDir(working).filePath(QLatin1String(kImportMarkName)))) {
        refuseWhenOpen(package);
        return false;
    }
    locks.import = importLock(package);
    if (!locks.import->tryAcquire()) {
        complainImportBusy(package);
        return false;
    }
    locks.application = std::make_unique<session::SingleInstanceLock>(
        QFileInfo(package).absolutePath(),
        QLatin1String(session::SingleInstanceLock::kDataFolderLockName));
    if (!locks.application->tryAcquire()) {
        refuseWhenOpen(package);
        return false;
    }
    return true;
}

void tell(const std::vector<messages::UserMessage>& messages) {
    for (const messages::UserMessage& message : messages)
        complain(QString(message.text).replace(QLatin1String("\r\n"), QLatin1String(" ")));
}

// The folder an item stands for: itself, or a topic's parent.
tree::ItemHandle folderFor(const tree::TopicTree& tree, tree::ItemHandle item) {
    const tree::TreeItem* found = tree.find(item);
    return found && found->isTopic() ? tree.parent(item) : item;
}

// Splits "PACKAGE PATH... [--into ITEM\PATH]"; false on a usage error.
bool splitImportArguments(const QStringList& arguments, QString& package, QStringList& paths,
                          QString& into) {
    paths = arguments;
    paths.removeAll(QLatin1String(kMarkdownFlag));
    const qsizetype at = paths.indexOf(kInto);
    if (at >= 0) {
        if (at + 1 >= paths.size())
            return false;
        into = paths.at(at + 1);
        paths.remove(at, 2);
    }
    if (paths.size() < 2)
        return false;
    package = paths.takeFirst();
    return true;
}

// The package and every path to import exist, checked before anything is
// locked or unpacked.
bool importSourcesExist(const QString& package, const QStringList& paths) {
    const QFileInfo info(package);
    if (!info.isFile() || info.suffix() != QLatin1String("xzz")) {
        complain(Texts::tr("cannot read the package %1: no such notebook package (NAME.xzz)")
                     .arg(package));
        return false;
    }
    for (const QString& path : paths)
        if (transfer::sourceEntry(path).type == transfer::SourceType::Missing) {
            complain(Texts::tr("cannot import %1: no such file or folder")
                         .arg(transfer::readablePath(path)));
            return false;
        }
    return true;
}

// Takes the import lock and marks the working folder as this import's.
bool claimNewWorkingFolder(const QString& package, const QString& working, ImportLocks& locks) {
    locks.import = importLock(package);
    QFile mark(QDir(working).filePath(QLatin1String(kImportMarkName)));
    if (!locks.import->tryAcquire() && locks.import->heldElsewhere()) {
        // Another import made the folder a moment ago: it is that one's.
        complainImportBusy(package);
        return false;
    }
    if (!locks.import->tryAcquire() || !mark.open(QIODevice::WriteOnly)) {
        complain(Texts::tr("cannot write in %1").arg(QDir::toNativeSeparators(working)));
        return false;
    }
    return true;
}

// Opens the notebook to import into; on a failure nothing was changed.
bool openForImport(session::NotebookSession& session, const QString& package,
                   const QString& working, bool resuming) {
    const session::OpenOutcome expected =
        resuming ? session::OpenOutcome::Resumed : session::OpenOutcome::Unpacked;
    if (session.openNotebook().ok() &&
        (session.lastOpenOutcome() == expected ||
         session.lastOpenOutcome() == session::OpenOutcome::Unpacked))
        return true;
    complain(Texts::tr("cannot read the package %1: it is damaged or not a notebook "
                       "package")
                 .arg(package));
    // Nothing was changed: the folder holds only what was unpacked, and the
    // copy kept of a damaged package is the package itself. A folder taken up
    // holds an earlier import's work: it stays for Oxlin.
    if (!resuming) {
        session::NotebookSession::removeFolder(working);
        if (!session.damagedPackageCopy().isEmpty())
            QFile::remove(session.damagedPackageCopy());
    }
    return false;
}

bool importedWhole(const transfer::ImportReport& report) {
    return report.stop == transfer::ImportStop::None && report.tooLarge.isEmpty() &&
           report.unreadable.isEmpty() && report.notRegular.isEmpty() &&
           report.unreadableFolders.isEmpty() && report.linkedFolders.isEmpty();
}

} // namespace

int importConverted(const QStringList& arguments, const ImportConversion& convert) {
    QString package;
    QStringList paths;
    QString into;
    if (!splitImportArguments(arguments, package, paths, into)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(Texts::tr(
                         "usage: oxlin import PACKAGE PATH... [--into ITEM\\PATH] [--markdown]")));
        return kUsage;
    }
    if (!importSourcesExist(package, paths))
        return kFailure;
    ImportLocks locks;
    if (!takeUpLeftover(package, locks))
        return kFailure;
    const bool resuming = locks.import != nullptr;

    // The notebook is opened, changed and closed exactly as the application
    // does it, so the package is replaced only by a complete pack, and a
    // failed pack leaves the working folder for the application to resume.
    const QFileInfo info(package);
    store::ProfileService profiles;
    session::NotebookSession session(profiles, info.absolutePath());
    session.currentBook().notebookName = info.completeBaseName();
    if (paths::usableNotebookName(info.completeBaseName()) != info.completeBaseName()) {
        complain(Texts::tr("cannot open %1: its name cannot be a notebook's").arg(package));
        return kFailure;
    }
    session.setUpPaths();
    const QString working = session.paths().workingFolder;
    if (!resuming && !claimNewWorkingFolder(package, working, locks))
        return kFailure;
    if (!openForImport(session, package, working, resuming))
        return kFailure;
    tree::TopicTree& tree = session.tree();
    tree::ItemHandle parent = tree::kTopLevel;
    if (!into.isEmpty()) {
        parent = folderFor(tree, tree.findByPath(itemPathArgument(into)));
        if (parent == tree::kNoItem) {
            complain(Texts::tr("%1 holds no item %2").arg(package, into));
            if (!resuming)
                session::NotebookSession::removeFolder(working);
            return kFailure;
        }
    }
    if (convert && !convert(paths, tree.itemPath(parent))) {
        if (!resuming)
            session::NotebookSession::removeFolder(working);
        return kFailure;
    }
    transfer::Importer importer({.tree = tree,
                                 .fileIds = session.fileIds(),
                                 .workingFolder = working,
                                 .addToIndex = {},
                                 .keepGoing = {}});
    importer.importPaths(paths, parent);
    const transfer::ImportReport& report = importer.report();
    // At once, as every change of the tree is: the topic files are written.
    session.saveTreeFile();
    tell(messages::TransferMessages::afterImport(report));
    if (!session.closeNotebook().ok()) {
        complain(Texts::tr("could not save the notebook: %1; what was imported is kept in %2")
                     .arg(messages::NotebookMessages::problem(session.saveProblem()),
                          QDir::toNativeSeparators(working)));
        return kFailure;
    }
    printLine(Texts::tr("imported %1 topics and %2 folders into %3")
                  .arg(report.topics)
                  .arg(report.folders)
                  .arg(package));
    return importedWhole(report) ? kSuccess : kFailure;
}

namespace {

int exportItem(const QStringList& arguments) {
    QStringList positional = arguments;
    const bool force = positional.removeAll(kForce) > 0;
    if (positional.size() != 3) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(Texts::tr("usage: oxlin export PACKAGE ITEM\\PATH DEST [--force]")));
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
    // "\" names the top level; a path that names nothing is refused.
    const tree::ItemHandle item = itemPath.isEmpty() ? tree::kTopLevel : tree.findByPath(itemPath);
    const tree::TreeItem* found = tree.find(item);
    if (!found && !itemPath.isEmpty()) {
        complain(Texts::tr("%1 holds no item %2").arg(package, itemPath));
        return kFailure;
    }
    if (found && found->isTopic()) {
        const QString target = QFileInfo(destination).isDir()
                                   ? QDir(destination).filePath(store::safeFileName(found->label))
                                   : destination;
        // Nothing the user has is replaced unless asked for by name.
        if (!force && transfer::exportTargetTaken(target)) {
            complain(Texts::tr("cannot export to %1: it already exists (--force replaces "
                               "it)")
                         .arg(target));
            return kFailure;
        }
        if (QFileInfo(target).isDir()) {
            complain(Texts::tr("cannot export to %1: it is a folder").arg(target));
            return kFailure;
        }
        if (!transfer::exportTopic(folder.path(), found->record->fileId, target).ok()) {
            complain(Texts::tr("cannot export %1 to %2").arg(itemPath, target));
            return kFailure;
        }
        return kSuccess;
    }
    const transfer::FolderExportReport report =
        transfer::exportFolder(tree, item, folder.path(), destination);
    switch (report.status) {
    case transfer::FolderExport::AlreadyExists:
        complain(Texts::tr("cannot export to %1: it already exists").arg(destination));
        return kFailure;
    case transfer::FolderExport::CannotCreate:
    case transfer::FolderExport::NotAFolder:
        complain(Texts::tr("cannot create the folder %1").arg(destination));
        return kFailure;
    case transfer::FolderExport::Exported:
        break;
    }
    for (const QString& path : report.failedFolders + report.failedFiles)
        complain(Texts::tr("cannot write %1").arg(QDir::toNativeSeparators(path)));
    printLine(Texts::tr("exported %1 files and %2 folders to %3")
                  .arg(report.files)
                  .arg(report.folders)
                  .arg(destination));
    return report.failedFiles.isEmpty() && report.failedFolders.isEmpty() ? kSuccess : kFailure;
}

} // namespace

// The application works in the working folder and packs it over the package
// at its next save; anything written into the package meanwhile would be lost
// then, and anything read from it would be older than what the user sees.
bool refuseWhenOpen(const QString& package) {
    const QString working = workingFolderOf(package);
    if (!session::NotebookSession::pathExists(working))
        return false;
    complain(Texts::tr("the notebook %1 is open in Oxlin (its working folder %2 exists); "
                       "close that notebook in Oxlin first")
                 .arg(package, QDir::toNativeSeparators(working)));
    return true;
}

// A path copied from `tree` names the folder.
QString itemPathArgument(QString path) {
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

std::vector<Command> transferCommands(const RichTextCommands& richText) {
    const auto import = [richText](const QStringList& arguments) {
        return arguments.contains(QLatin1String(kMarkdownFlag)) ? richText.importMarkdown(arguments)
                                                                : importConverted(arguments, {});
    };
    const auto exportAny = [richText](const QStringList& arguments) {
        return arguments.contains(QLatin1String(kExportAsFlag)) ? richText.exportAs(arguments)
                                                                : exportItem(arguments);
    };
    return {
        {"import", "PACKAGE PATH... [--into ITEM\\PATH] [--markdown]",
         QT_TRANSLATE_NOOP(
             "oxlin::cli::Texts",
             "import files and folders into a notebook as topics and folders (--markdown: .md "
             "files as rich-text topics)"),
         2, INT_MAX, import},
        {"export", "PACKAGE ITEM\\PATH DEST [--force | --as html|markdown|pdf]",
         QT_TRANSLATE_NOOP(
             "oxlin::cli::Texts",
             "export a topic as a file (--force replaces an existing one) or a folder (\\ for the "
             "whole notebook) as a new folder; --as writes web pages, Markdown files or one PDF"),
         3, 5, exportAny},
    };
}

} // namespace oxlin::cli
